#include "core/update/DownloadManager.h"
#include "core/update/UpdateManifest.h"
#include "gui/update/CheckUpdateDialog.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextDocument>

using namespace TestSupport;
using Answers = QList<HttpResponse>;
Q_DECLARE_METATYPE(HttpResponse)

namespace {

const QByteArray kManifestPath = "/pictorb/upgrade.json";

QByteArray win(const QByteArray& members)
{
    return "{\"win\":{" + members + "}}";
}

// `change` is the inside of the JSON array of change lines.
QByteArray manifest(const QByteArray& version, const QByteArray& change = {},
                    const QByteArray& url = "https://example.com/download")
{
    return win("\"version\":\"" + version + R"(","size":"86.2 MB","date":"2026-03-14","url":")" +
               url + "\",\"change\":[" + change + "]");
}

HttpResponse failing(int status, HttpResponse::Delivery delivery = HttpResponse::Whole)
{
    return {status, "no manifest here", {}, delivery};
}

bool ended(const QSignalSpy& spy)
{
    return !spy.isEmpty() && spy.last().at(0).toInt() != DownloadManager::Start;
}

// The text a user reads on a label: markup is rendered, not shown.
QString readable(const QWidget* dialog, const char* name)
{
    const auto* label = dialog->findChild<QLabel*>(QLatin1String(name));
    if (label->textFormat() == Qt::PlainText)
        return label->text();
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText();
}

// The change lines as read, each ended by a line break.
QStringList changeLines(const QWidget* dialog)
{
    QStringList lines = readable(dialog, "update_change").split('\n');
    lines.removeLast();
    return lines;
}

QPushButton* button(const QWidget* dialog, const QString& text)
{
    const QList<QPushButton*> buttons = dialog->findChildren<QPushButton*>();
    const auto it = std::find_if(buttons.cbegin(), buttons.cend(),
                                 [&text](const QPushButton* b) { return b->text() == text; });
    return it == buttons.cend() ? nullptr : *it;
}

// The page the user sees: 0 checking, 1 information, 2 latest; -1 unless exactly one shows.
int shownPage(const CheckUpdateDialog* dialog)
{
    const bool shown[] = {dialog->findChild<QLabel*>("update_checking")->isVisible(),
                          dialog->findChild<QLabel*>("update_version")->isVisible(),
                          button(dialog, QStringLiteral("OK"))->isVisible(),
                          dialog->findChild<QLabel*>("update_failure")->isVisible()};
    const int count = int(std::count(std::begin(shown), std::end(shown), true));
    return count == 1 ? int(std::find(std::begin(shown), std::end(shown), true) - shown) : -1;
}

} // namespace

// The update check against a real HTTP server on 127.0.0.1 that the update address names.
class UpdateTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_window.reset(); } // with any dialog left open

    void versionComparison_data();
    void versionComparison();
    void brokenManifests_data();
    void brokenManifests();
    void attempts_data();
    void attempts();
    void informationPageAndItsButtons();
    void updateNowOpensOnlyWebPages_data();
    void updateNowOpensOnlyWebPages();

private:
    // The check of the menu: started, the dialog opened on its checking page, the answer in.
    CheckUpdateDialog* menuCheck(const Answers& answers, int retries = 5);

    std::unique_ptr<LoopbackServer> m_server;
    std::unique_ptr<QWidget> m_window;
};

void UpdateTest::init()
{
    m_server = std::make_unique<LoopbackServer>();
    qputenv("PICTORB_UPDATE_URL", m_server->baseUrl().toUtf8());
    m_window = std::make_unique<QWidget>();
    DownloadManager::instance()->setTransferTimeout(30000);
}

CheckUpdateDialog* UpdateTest::menuCheck(const Answers& answers, int retries)
{
    m_server->setResponses(kManifestPath, answers);
    QSignalSpy spy(DownloadManager::instance(), &DownloadManager::downloadLastVersionStateChanged);
    DownloadManager::instance()->downloadLastVersion(QString(), retries);
    auto* dialog = new CheckUpdateDialog(m_window.get());
    dialog->setModal(true);
    dialog->setPage(CheckUpdateDialog::CheckingPage);
    dialog->show();
    if (!QTest::qWaitFor([&spy] { return ended(spy); }, 20000))
        qWarning("the check did not end");
    return dialog;
}

void UpdateTest::versionComparison_data()
{
    QTest::addColumn<QString>("remote");
    QTest::addColumn<QString>("running");
    QTest::addColumn<bool>("newer");
    const auto row = [](const char* name, const char* remote, const char* running, bool newer) {
        QTest::newRow(name) << QString(remote) << QString(running) << newer;
    };
    row("patch release", "1.0.1", "1.0.0", true);
    row("major release", "2", "1.0.0", true);
    row("fourth segment", "1.0.0.1", "1.0.0", true);
    row("segments compare as numbers", "1.10", "1.9", true);
    row("same version", "1.0.0", "1.0.0", false);
    row("older version", "0.9", "1.0.0", false);
    // Of two versions where one is a prefix of the other, the longer is greater.
    row("shorter prefix is older", "1.0", "1.0.0", false);
    row("empty is never newer", "", "0.1", false);
}

void UpdateTest::versionComparison()
{
    QFETCH(QString, remote);
    QFETCH(QString, running);
    QFETCH(bool, newer);
    UpdateManifest offered;
    offered.version = remote;
    QCOMPARE(offered.isNewerThan(running), newer);
}

void UpdateTest::brokenManifests_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("offered");
    QTest::addColumn<QString>("version"); // as shown after "Version: "
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<QString>("firstLine");
    // Of the versions below only 9.0 reads as one, and it is the only one offered.
    const auto row = [](const char* name, const QByteArray& body, const QString& version = {},
                        int lines = 0, const QString& first = {}) {
        QTest::newRow(name) << body << (version == "9.0") << version << lines << first;
    };
    QByteArray many = "\"line 0\"";
    for (int i = 1; i < 100000; ++i)
        many += ",\"line " + QByteArray::number(i) + '"';
    const QByteArray markup = R"("<img src='/dev/zero'> & <a href='x'>y</a>")";
    row("not JSON", "<html>503</html>");
    row("empty body", {});
    row("win not an object", R"({"win":"9.0"})");
    row("version a number", win("\"version\":9.0"));
    row("version with letters", manifest("v9 beta"), "v9 beta");
    row("huge version segment", manifest("99999999999999999999.0"), "99999999999999999999.0");
    row("nested 10000 deep", manifest("9.0", "[" + QByteArray(9999, '[') + QByteArray(10000, ']')));
    row("change lines not text", manifest("9.0", "1,null,{},\"real\""), "9.0", 4);
    row("100000 change lines capped", manifest("9.0", many), "9.0",
        CheckUpdateDialog::kMaxChangeLines, "line 0");
    row("a mebibyte in one line capped", manifest("9.0", '"' + QByteArray(1 << 20, 'x') + '"'),
        "9.0", 1, QString(CheckUpdateDialog::kMaxChangeLineLength, QLatin1Char('x')));
    row("markup shown as text", manifest("<b>9</b>", markup), "<b>9</b>", 1,
        markup.mid(1, markup.size() - 2));
}

void UpdateTest::brokenManifests()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, offered);
    QFETCH(QString, version);
    QFETCH(int, lineCount);
    QFETCH(QString, firstLine);
    QCOMPARE(UpdateManifest::isNewerThanRunning(body), offered);
    CheckUpdateDialog dialog(m_window.get());
    dialog.show();
    dialog.downloadLastVersionStatus(DownloadManager::Finished, QStringLiteral(","), body);
    QCOMPARE(shownPage(&dialog), offered ? 1 : 2);
    QCOMPARE(readable(&dialog, "update_version"), QStringLiteral("Version: ") + version);
    const QStringList lines = changeLines(&dialog);
    QCOMPARE(lines.size(), lineCount);
    QCOMPARE(lines.value(0), firstLine);
}

void UpdateTest::attempts_data()
{
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<int>("retries");
    QTest::addColumn<int>("timeout");
    QTest::addColumn<int>("attempts");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QByteArray>("body"); // when finished
    QTest::addColumn<int>("page");        // of the dialog: 1 information, 2 latest, 3 failed
    QTest::addColumn<int>("limit");       // for the whole check, retries included
    const HttpResponse ok = HttpResponse::ok(manifest("1.0.1"));
    QByteArray mebibyte = manifest("9.0");
    mebibyte.append(QByteArray(DownloadManager::kMaxManifestSize - mebibyte.size(), ' '));
    const auto row = [](const char* name, const Answers& answers, int retries, int attempts,
                        int outcome, const QByteArray& body, int page, int timeout = 30000,
                        int limit = 15000) {
        QTest::newRow(name) << answers << retries << timeout << attempts << outcome << body << page
                            << limit;
    };
    const int done = DownloadManager::Finished;
    const int error = DownloadManager::Error;
    const HttpResponse busy = failing(500);
    const HttpResponse cut = failing(200, HttpResponse::CloseMidBody);
    const HttpResponse drop = failing(200, HttpResponse::Drop);
    row("server error twice, then the manifest", {busy, busy, ok}, 5, 3, done, ok.body, 1);
    row("cut mid-body twice, then the manifest", {cut, cut, ok}, 5, 3, done, ok.body, 1);
    // The toolkit resends once by itself when a connection closes without a byte of answer.
    row("dropped twice, then the manifest", {drop, drop, ok}, 5, 2, done, ok.body, 1);
    // Every failure ends on the page that says so and offers Retry, never on "latest".
    row("server error every time", {busy}, 5, 6, error, {}, 3);
    row("dropped every time", {drop}, 5, 6, error, {}, 3);
    row("no retries asked", {failing(503)}, 0, 1, error, {}, 3);
    row("server never answers", {failing(200, HttpResponse::NeverAnswer)}, 1, 2, error, {}, 3, 300);
    row("a trickle ends at the time limit", {failing(200, HttpResponse::Trickle)}, 5, 1, error, {},
        3, 30000, 500);
    row("exactly 1 MiB is read", {HttpResponse::ok(mebibyte)}, 5, 1, done, mebibyte, 1);
    // A refused answer is no failure to retry: one attempt, then the reason.
    row("one byte more is refused", {HttpResponse::ok(mebibyte + ' ')}, 5, 1, error, {}, 3);
    row("8 MiB is refused", {HttpResponse::ok(QByteArray(8 << 20, ' '))}, 5, 1, error, {}, 3);
    row("not a manifest", {HttpResponse::ok("<html>maintenance</html>")}, 5, 1, error, {}, 3);
    row("redirect to another host",
        {HttpResponse{302, {}, {{"Location", "http://127.0.0.2:9/pictorb/upgrade.json"}}, {}}}, 5,
        1, error, {}, 3);
}

void UpdateTest::attempts()
{
    QFETCH(Answers, answers);
    QFETCH(int, retries);
    QFETCH(int, timeout);
    QFETCH(int, attempts);
    QFETCH(int, outcome);
    QFETCH(QByteArray, body);
    QFETCH(int, page);
    QFETCH(int, limit);
    DownloadManager::instance()->setTransferTimeout(timeout);
    DownloadManager::instance()->setTimeLimit(limit);
    QSignalSpy spy(DownloadManager::instance(), &DownloadManager::downloadLastVersionStateChanged);
    const CheckUpdateDialog* dialog = menuCheck(answers, retries);

    QVector<int> seen;
    for (const QList<QVariant>& call : spy)
        seen << call.at(0).toInt();
    QCOMPARE(seen, QVector<int>(attempts, DownloadManager::Start) << outcome);
    if (outcome == DownloadManager::Finished)
        QCOMPARE(spy.last().at(2).toByteArray(), body);
    QVERIFY(m_server->requestCount(kManifestPath) >= attempts);
    QCOMPARE(shownPage(dialog), page);
    if (page != 3)
        return;
    // Retry asks again, and a good answer this time is shown.
    m_server->setResponses(kManifestPath, {HttpResponse::ok(manifest("1.0.1"))});
    DownloadManager::instance()->setTimeLimit(15000);
    QTest::mouseClick(button(dialog, QStringLiteral("Retry")), Qt::LeftButton);
    QTRY_COMPARE(shownPage(dialog), 1);
}

void UpdateTest::informationPageAndItsButtons()
{
    QPointer<CheckUpdateDialog> dialog =
        menuCheck({HttpResponse::ok(manifest("1.2.0", R"("Faster export","New languages")"))});
    QCOMPARE(readable(dialog, "update_version"), QStringLiteral("Version: 1.2.0"));
    QCOMPARE(readable(dialog, "update_date"), QStringLiteral("Release date: 2026-03-14"));
    QCOMPARE(readable(dialog, "update_size"), QStringLiteral("Size: 86.2 MB"));
    QCOMPARE(changeLines(dialog), (QStringList{"Faster export", "New languages"}));
    QTest::mouseClick(button(dialog, QStringLiteral("Remind me later")), Qt::LeftButton);
    QTRY_VERIFY(dialog.isNull()); // closed and freed

    QPointer<CheckUpdateDialog> latest = menuCheck({HttpResponse::ok(manifest("1.0.0"))});
    QTest::mouseClick(button(latest, QStringLiteral("OK")), Qt::LeftButton);
    QTRY_VERIFY(latest.isNull());
}

void UpdateTest::updateNowOpensOnlyWebPages_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("opened");
    QTest::newRow("https page") << "https://example.com/download/pictorb" << true;
    QTest::newRow("http page") << "http://example.com/pictorb.exe" << true;
    QTest::newRow("local file") << "file:///etc/passwd" << false;
    QTest::newRow("script") << "javascript:alert(1)" << false;
    QTest::newRow("other scheme") << "ftp://example.com/pictorb.exe" << false;
    QTest::newRow("no host") << "https:///path" << false;
    QTest::newRow("empty") << "" << false;
}

void UpdateTest::updateNowOpensOnlyWebPages()
{
    QFETCH(QString, url);
    QFETCH(bool, opened);
    DesktopCatcher desktop;
    // The refused schemes are caught too, so that a wrong open is seen instead of performed.
    for (const QString& scheme : {QStringLiteral("javascript"), QStringLiteral("ftp")})
        QDesktopServices::setUrlHandler(scheme, &desktop, "openUrl");
    QPointer<CheckUpdateDialog> dialog =
        menuCheck({HttpResponse::ok(manifest("1.0.1", {}, url.toUtf8()))});
    QTest::mouseClick(button(dialog, QStringLiteral("Update now")), Qt::LeftButton);
    for (const QString& scheme : {QStringLiteral("javascript"), QStringLiteral("ftp")})
        QDesktopServices::unsetUrlHandler(scheme);
    QCOMPARE(desktop.urls, opened ? QList<QUrl>{QUrl(url)} : QList<QUrl>{});
    QVERIFY(dialog && dialog->isVisible());
}

PICTORB_TEST_MAIN(UpdateTest)
#include "tst_update.moc"
