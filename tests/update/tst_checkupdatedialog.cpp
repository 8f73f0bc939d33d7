#include "gui/update/CheckUpdateDialog.h"

#include "common/LoopbackHttpServer.h"
#include "common/UrlCatcher.h"
#include "core/update/DownloadManager.h"
#include "core/update/UpdateManifest.h"
#include "gui/application/GlobalManager.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <memory>

namespace {

const QByteArray kManifestPath = "/pictorb/upgrade.json";

QByteArray manifest(const QString& version, const QStringList& change = {},
                    const QString& url = QStringLiteral("https://example.com/download/pictorb"))
{
    QJsonObject win{{QStringLiteral("version"), version},
                    {QStringLiteral("size"), QStringLiteral("86.2 MB")},
                    {QStringLiteral("date"), QStringLiteral("2026-03-14")},
                    {QStringLiteral("url"), url},
                    {QStringLiteral("change"), QJsonArray::fromStringList(change)}};
    return QJsonDocument(QJsonObject{{QStringLiteral("win"), win}}).toJson(QJsonDocument::Compact);
}

} // namespace

// The dialog is driven the way the settings menu drives it: a real check against a
// loopback server, the dialog opened on its checking page, and the answer filling it.
class TestCheckUpdateDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void menuCheckShowsThePageForTheRemoteVersion_data();
    void menuCheckShowsThePageForTheRemoteVersion();
    void startUpDecision_data();
    void startUpDecision();
    void informationPageShowsTheManifest();
    void changeLinesShareOneParagraph();
    void failedCheckLeavesTheCheckingPage();
    void startAndErrorChangeNothing();
    void bodyOverTheLimitShowsTheLatestPage();
    void checkingDotsCycle();
    void updateNowOpensOnlyWebPages_data();
    void updateNowOpensOnlyWebPages();
    void remindMeLaterAndOkClose();
    void alignButtonsGivesBothTheWiderWidth();

private:
    // Runs a menu check against the server's answer and returns the dialog once answered.
    CheckUpdateDialog* menuCheck(const HttpResponse& answer, int retries = 5);
    static int visiblePage(CheckUpdateDialog* dialog);
    static QPushButton* button(CheckUpdateDialog* dialog, const QString& text);
    static QString labelText(CheckUpdateDialog* dialog, const char* name);

    std::unique_ptr<LoopbackHttpServer> m_server;
    std::unique_ptr<QWidget> m_mainWindow;
};

void TestCheckUpdateDialog::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCOMPARE(GlobalManager::instance()->getVersion(), QStringLiteral("1.0.0"));
}

void TestCheckUpdateDialog::init()
{
    m_server = std::make_unique<LoopbackHttpServer>();
    qputenv("PICTORB_UPDATE_URL", m_server->baseUrl().toUtf8());
    m_mainWindow = std::make_unique<QWidget>();
}

void TestCheckUpdateDialog::cleanup()
{
    m_mainWindow.reset(); // deletes any dialog left open
    m_server.reset();
}

CheckUpdateDialog* TestCheckUpdateDialog::menuCheck(const HttpResponse& answer, int retries)
{
    m_server->setResponse(kManifestPath, answer);
    QSignalSpy spy(DownloadManager::instance(), &DownloadManager::downloadLastVersionStateChanged);
    DownloadManager::instance()->downloadLastVersion(QString(), retries);
    auto* dialog = new CheckUpdateDialog(m_mainWindow.get());
    dialog->setModal(true);
    dialog->setPage(CheckUpdateDialog::CheckingPage);
    dialog->show();
    const bool ended = QTest::qWaitFor(
        [&spy] {
            return !spy.isEmpty() && spy.last().at(0).value<DownloadManager::DownloadState>() !=
                                         DownloadManager::Start;
        },
        20000);
    if (!ended)
        qWarning() << "the check did not end";
    QTest::qWait(50); // the zero-delay button alignment
    return dialog;
}

int TestCheckUpdateDialog::visiblePage(CheckUpdateDialog* dialog)
{
    // The pages are the content widget's direct children, in page order.
    const QList<QWidget*> pages =
        dialog->contentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    int visible = -1;
    for (int index = 0; index < pages.size(); ++index) {
        if (!pages.at(index)->isVisible())
            continue;
        if (visible >= 0)
            return -2; // more than one page showing
        visible = index;
    }
    return visible;
}

QPushButton* TestCheckUpdateDialog::button(CheckUpdateDialog* dialog, const QString& text)
{
    for (QPushButton* candidate : dialog->findChildren<QPushButton*>()) {
        if (candidate->text() == text)
            return candidate;
    }
    return nullptr;
}

QString TestCheckUpdateDialog::labelText(CheckUpdateDialog* dialog, const char* name)
{
    const auto* label = dialog->findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no label>");
}

void TestCheckUpdateDialog::menuCheckShowsThePageForTheRemoteVersion_data()
{
    QTest::addColumn<QString>("remote");
    QTest::addColumn<int>("page");
    QTest::newRow("1.0.1 is newer") << "1.0.1" << int(CheckUpdateDialog::InformationPage);
    QTest::newRow("2 is newer") << "2" << int(CheckUpdateDialog::InformationPage);
    QTest::newRow("1.0.0.1 is newer") << "1.0.0.1" << int(CheckUpdateDialog::InformationPage);
    QTest::newRow("1.0.0 is the same") << "1.0.0" << int(CheckUpdateDialog::LatestPage);
    QTest::newRow("0.9 is older") << "0.9" << int(CheckUpdateDialog::LatestPage);
    // "1.0" is a prefix of "1.0.0", so the longer running version counts as newer.
    QTest::newRow("1.0 is older") << "1.0" << int(CheckUpdateDialog::LatestPage);
    QTest::newRow("empty is older") << "" << int(CheckUpdateDialog::LatestPage);
}

void TestCheckUpdateDialog::menuCheckShowsThePageForTheRemoteVersion()
{
    QFETCH(QString, remote);
    QFETCH(int, page);
    CheckUpdateDialog* dialog = menuCheck(HttpResponse::ok(manifest(remote)));
    QCOMPARE(visiblePage(dialog), page);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Update"));
}

void TestCheckUpdateDialog::startUpDecision_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("offered");
    QTest::newRow("1.0.1") << manifest(QStringLiteral("1.0.1")) << true;
    QTest::newRow("1.0.0") << manifest(QStringLiteral("1.0.0")) << false;
    QTest::newRow("0.9") << manifest(QStringLiteral("0.9")) << false;
    QTest::newRow("1.0") << manifest(QStringLiteral("1.0")) << false;
    QTest::newRow("not JSON") << QByteArray("<html>Service Unavailable</html>") << false;
    QTest::newRow("no win object") << QByteArray(R"({"mac":{"version":"9.0"}})") << false;
    QTest::newRow("version not a string") << QByteArray(R"({"win":{"version":2}})") << false;
    QTest::newRow("empty body") << QByteArray() << false;
}

void TestCheckUpdateDialog::startUpDecision()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, offered);
    QCOMPARE(UpdateManifest::isNewerThanRunning(data), offered);
}

void TestCheckUpdateDialog::informationPageShowsTheManifest()
{
    CheckUpdateDialog* dialog = menuCheck(HttpResponse::ok(manifest(QStringLiteral("1.2.0"))));
    QCOMPARE(visiblePage(dialog), int(CheckUpdateDialog::InformationPage));
    QCOMPARE(labelText(dialog, "update_version"), QStringLiteral("Version: 1.2.0"));
    QCOMPARE(labelText(dialog, "update_date"), QStringLiteral("Release date: 2026-03-14"));
    QCOMPARE(labelText(dialog, "update_size"), QStringLiteral("Size: 86.2 MB"));
    QVERIFY(button(dialog, QStringLiteral("Remind me later"))->isVisible());
    QVERIFY(button(dialog, QStringLiteral("Update now"))->isVisible());
}

void TestCheckUpdateDialog::changeLinesShareOneParagraph()
{
    const QStringList change{QStringLiteral("Faster export"), QStringLiteral("New languages")};
    CheckUpdateDialog* dialog =
        menuCheck(HttpResponse::ok(manifest(QStringLiteral("1.0.1"), change)));
    QCOMPARE(labelText(dialog, "update_change"),
             QStringLiteral("<p style='line-height:20px'>Faster export<br>New languages<br></p>"));
}

void TestCheckUpdateDialog::failedCheckLeavesTheCheckingPage()
{
    CheckUpdateDialog* dialog = menuCheck(HttpResponse::withStatus(503));
    QCOMPARE(m_server->requestCount(kManifestPath), 6);
    QCOMPARE(visiblePage(dialog), int(CheckUpdateDialog::CheckingPage));
    // The dots go on cycling until the user closes the dialog.
    const QString before = labelText(dialog, "update_checking");
    QTRY_VERIFY_WITH_TIMEOUT(labelText(dialog, "update_checking") != before, 2500);
    QVERIFY(labelText(dialog, "update_checking").startsWith(QStringLiteral("Check for update")));
}

void TestCheckUpdateDialog::startAndErrorChangeNothing()
{
    CheckUpdateDialog dialogOnStack(m_mainWindow.get());
    dialogOnStack.setAttribute(Qt::WA_DeleteOnClose, false);
    dialogOnStack.show();
    DownloadManager* manager = DownloadManager::instance();
    emit manager->downloadLastVersionStateChanged(DownloadManager::Start, QStringLiteral("u,"),
                                                  manifest(QStringLiteral("9.0")));
    emit manager->downloadLastVersionStateChanged(DownloadManager::Error, QStringLiteral("u,"),
                                                  manifest(QStringLiteral("9.0")));
    QCOMPARE(visiblePage(&dialogOnStack), int(CheckUpdateDialog::CheckingPage));
    // A Finished answer refills it, whatever the tag.
    emit manager->downloadLastVersionStateChanged(
        DownloadManager::Finished, QStringLiteral("u,start"), manifest(QStringLiteral("9.0")));
    QCOMPARE(visiblePage(&dialogOnStack), int(CheckUpdateDialog::InformationPage));
    QCOMPARE(labelText(&dialogOnStack, "update_version"), QStringLiteral("Version: 9.0"));
}

void TestCheckUpdateDialog::bodyOverTheLimitShowsTheLatestPage()
{
    // A manifest announcing 9.9.9, padded past 1 MiB: it must not be believed.
    QByteArray body = manifest(QStringLiteral("9.9.9"));
    body.append(QByteArray(DownloadManager::kMaxManifestSize, ' '));
    CheckUpdateDialog* dialog = menuCheck(HttpResponse::ok(body));
    QCOMPARE(visiblePage(dialog), int(CheckUpdateDialog::LatestPage));
    QVERIFY(!UpdateManifest::isNewerThanRunning(QByteArray()));
}

void TestCheckUpdateDialog::checkingDotsCycle()
{
    CheckUpdateDialog dialog;
    dialog.setAttribute(Qt::WA_DeleteOnClose, false);
    QCOMPARE(labelText(&dialog, "update_checking"), QStringLiteral("Check for update"));
    const QStringList expected{
        QStringLiteral("Check for update."), QStringLiteral("Check for update.."),
        QStringLiteral("Check for update..."), QStringLiteral("Check for update"),
        QStringLiteral("Check for update.")};
    QStringList seen;
    for (int tick = 0; tick < expected.size(); ++tick) {
        dialog.updateTimer();
        seen.append(labelText(&dialog, "update_checking"));
    }
    QCOMPARE(seen, expected);
}

void TestCheckUpdateDialog::updateNowOpensOnlyWebPages_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("opened");
    QTest::newRow("https page") << "https://example.com/download/pictorb" << true;
    QTest::newRow("http page") << "http://example.com/pictorb.exe" << true;
    QTest::newRow("upper-case scheme") << "HTTPS://EXAMPLE.COM/get" << true;
    QTest::newRow("local file") << "file:///etc/passwd" << false;
    QTest::newRow("script") << "javascript:alert(1)" << false;
    QTest::newRow("other scheme") << "ftp://example.com/pictorb.exe" << false;
    QTest::newRow("no host") << "https:///path" << false;
    QTest::newRow("relative") << "download/pictorb" << false;
    QTest::newRow("empty") << "" << false;
}

void TestCheckUpdateDialog::updateNowOpensOnlyWebPages()
{
    QFETCH(QString, url);
    QFETCH(bool, opened);
    // Every scheme a refusal row names is caught too, so a wrong open is seen, not performed.
    UrlCatcher catcher({QStringLiteral("javascript"), QStringLiteral("ftp")});
    CheckUpdateDialog* dialog =
        menuCheck(HttpResponse::ok(manifest(QStringLiteral("1.0.1"), {}, url)));
    QPointer<CheckUpdateDialog> alive(dialog);
    if (!opened)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Update now: .*ignored"));
    QTest::mouseClick(button(dialog, QStringLiteral("Update now")), Qt::LeftButton);

    QCOMPARE(catcher.urls().size(), opened ? 1 : 0);
    if (opened)
        QCOMPARE(catcher.urls().first(), QUrl(url));
    QVERIFY(alive);
    QVERIFY(dialog->isVisible());
}

void TestCheckUpdateDialog::remindMeLaterAndOkClose()
{
    QPointer<CheckUpdateDialog> information =
        menuCheck(HttpResponse::ok(manifest(QStringLiteral("1.0.1"))));
    QTest::mouseClick(button(information, QStringLiteral("Remind me later")), Qt::LeftButton);
    QTRY_VERIFY(information.isNull()); // closed and deleted

    QPointer<CheckUpdateDialog> latest =
        menuCheck(HttpResponse::ok(manifest(QStringLiteral("1.0.0"))));
    QTest::mouseClick(button(latest, QStringLiteral("OK")), Qt::LeftButton);
    QTRY_VERIFY(latest.isNull());
}

void TestCheckUpdateDialog::alignButtonsGivesBothTheWiderWidth()
{
    CheckUpdateDialog* dialog = new CheckUpdateDialog(m_mainWindow.get());
    dialog->setUpdateInfo(manifest(QStringLiteral("1.0.1")));
    dialog->show();
    QPushButton* remind = button(dialog, QStringLiteral("Remind me later"));
    QPushButton* update = button(dialog, QStringLiteral("Update now"));
    const int wider = qMax(remind->width(), update->width());
    QVERIFY(remind->width() != update->width());
    dialog->alignButtons();
    QTRY_COMPARE(update->width(), wider);
    QTRY_COMPARE(remind->width(), wider);
    QCOMPARE(update->minimumWidth(), wider);
    QCOMPARE(update->maximumWidth(), wider);
}

QTEST_MAIN(TestCheckUpdateDialog)
#include "tst_checkupdatedialog.moc"
