#include "app/TestHome.h"
#include "common/FifoTrap.h"
#include "common/LoopbackHttpServer.h"
#include "core/update/DownloadManager.h"
#include "core/update/UpdateManifest.h"
#include "gui/application/GlobalManager.h"
#include "gui/update/CheckUpdateDialog.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

namespace {

const QByteArray kManifestPath = "/pictorb/upgrade.json";

QByteArray win(const QByteArray& members)
{
    return "{\"win\":{" + members + "}}";
}

// Change lines filling about a mebibyte, the most a manifest may hold.
QByteArray longChangeList()
{
    QByteArray lines;
    for (int i = 0; i < 100000; ++i)
        lines += (i > 0 ? ",\"" : "\"") + QByteArray("line ") + QByteArray::number(i) + '"';
    return win("\"version\":\"9.0\",\"change\":[" + lines + "]");
}

} // namespace

// Broken and hostile update manifests: none crashes, none offers an update it does not
// describe, and the dialog stays responsive whatever it is given.
class TestBadManifest : public QObject
{
    Q_OBJECT

private slots:
    void parsing_data();
    void parsing();
    void dialogStaysResponsive_data();
    void dialogStaysResponsive();
    void changeLinesLoadNothing();
    void servedManifests_data();
    void servedManifests();
};

void TestBadManifest::parsing_data()
{
    QTest::addColumn<QByteArray>("manifest");
    QTest::addColumn<QString>("version");
    QTest::addColumn<int>("changeLines");
    QTest::addColumn<bool>("newer");

    QTest::newRow("empty") << QByteArray() << QString() << 0 << false;
    QTest::newRow("not JSON") << QByteArray("<html>404</html>") << QString() << 0 << false;
    QTest::newRow("cut short") << win("\"version\":\"2.0\"").left(20) << QString() << 0 << false;
    QTest::newRow("nested 10000 deep")
        << win("\"version\":\"2.0\",\"change\":" + QByteArray("[").repeated(10000) +
               QByteArray("]").repeated(10000))
        << QString() << 0 << false;
    QTest::newRow("win not an object") << QByteArray(R"({"win":"2.0"})") << QString() << 0 << false;
    QTest::newRow("version a number") << win("\"version\":2.0") << QString() << 0 << false;
    QTest::newRow("version with letters")
        << win("\"version\":\"v2 beta\"") << QStringLiteral("v2 beta") << 0 << false;
    QTest::newRow("version segment past 32 bits")
        << win("\"version\":\"99999999999999999999.0\"") << QStringLiteral("99999999999999999999.0")
        << 0 << false;
    QTest::newRow("change not a list")
        << win("\"version\":\"2.0\",\"change\":\"one\"") << QStringLiteral("2.0") << 0 << true;
    QTest::newRow("change lines not text")
        << win("\"version\":\"2.0\",\"change\":[1,null,{\"a\":1},\"real\"]")
        << QStringLiteral("2.0") << 4 << true;
}

void TestBadManifest::parsing()
{
    QFETCH(QByteArray, manifest);
    QFETCH(QString, version);
    QFETCH(int, changeLines);
    QFETCH(bool, newer);
    const UpdateManifest info = UpdateManifest::fromJson(manifest);
    QCOMPARE(info.version, version);
    QCOMPARE(info.change.size(), changeLines);
    QCOMPARE(UpdateManifest::isNewerThanRunning(manifest), newer);
}

void TestBadManifest::dialogStaysResponsive_data()
{
    QTest::addColumn<QByteArray>("manifest");
    QTest::addColumn<QString>("versionText");
    QTest::newRow("a mebibyte of change lines")
        << longChangeList() << QStringLiteral("Version: 9.0");
    QTest::newRow("one line of a mebibyte")
        << win("\"version\":\"9.0\",\"change\":[\"" + QByteArray(1000 * 1000, 'x') + "\"]")
        << QStringLiteral("Version: 9.0");
    QTest::newRow("a date of a mebibyte")
        << win("\"version\":\"9.0\",\"date\":\"" + QByteArray(1000 * 1000, 'd') + "\"")
        << QStringLiteral("Version: 9.0");
    QTest::newRow("markup in the texts")
        << win(R"("version":"<table><tr><td>9</td></tr></table>","date":"<img src='/nonexistent'>",)"
               R"("change":["<a href='javascript:x'>x</a>"])")
        << QStringLiteral("Version: <table><tr><td>9</td></tr></table>");
}

void TestBadManifest::dialogStaysResponsive()
{
    QFETCH(QByteArray, manifest);
    QFETCH(QString, versionText);
    CheckUpdateDialog dialog(nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    dialog.setUpdateInfo(manifest);
    QTest::qWait(20); // one layout and paint of the filled page

    bool shown = false;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        shown = shown || label->text() == versionText;
        if (label->objectName() == QStringLiteral("update_change")) {
            QVERIFY(label->text().count(QStringLiteral("<br>")) <=
                    CheckUpdateDialog::kMaxChangeLines);
            QVERIFY(label->text().size() < CheckUpdateDialog::kMaxChangeLines *
                                               (CheckUpdateDialog::kMaxChangeLineLength + 10));
        }
    }
    QVERIFY(shown);
}

void TestBadManifest::changeLinesLoadNothing()
{
    // An image naming a pipe would block the window until someone writes into it.
    QTemporaryDir dir;
    const QString pipe = dir.filePath("pipe");
    FifoTrap trap(pipe);
    QVERIFY(trap.made());
    CheckUpdateDialog dialog(nullptr);
    dialog.show();
    dialog.setUpdateInfo(win("\"version\":\"9.0\",\"change\":[\"<img src='" + pipe.toUtf8() +
                             "'>\",\"<b>bold</b> & more\"]"));
    QTest::qWait(20);
    QVERIFY(!trap.caughtAReader());
    const auto* change = dialog.findChild<QLabel*>(QStringLiteral("update_change"));
    QVERIFY(change);
    QVERIFY(change->text().contains(QStringLiteral("&lt;b&gt;bold&lt;/b&gt; &amp; more<br>")));
}

void TestBadManifest::servedManifests_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("delivery");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("timeout");
    const auto how = [](HttpResponse::Delivery delivery) { return int(delivery); };
    QTest::newRow("nested 10000 deep")
        << QByteArray("[").repeated(10000) + QByteArray("]").repeated(10000)
        << how(HttpResponse::Delivery::Whole) << int(DownloadManager::Finished) << 500;
    QTest::newRow("50 MB long") << QByteArray(50 * 1024 * 1024, ' ')
                                << how(HttpResponse::Delivery::Whole)
                                << int(DownloadManager::Finished) << 500;
    // The toolkit's time-out counts from the request until the body flows, so the whole
    // answer has to arrive within it.
    QTest::newRow("byte by byte") << win("\"version\":\"9.0\"")
                                  << how(HttpResponse::Delivery::ByteByByte)
                                  << int(DownloadManager::Finished) << 5000;
    QTest::newRow("never answers") << QByteArray() << how(HttpResponse::Delivery::NeverAnswer)
                                   << int(DownloadManager::Error) << 500;
}

void TestBadManifest::servedManifests()
{
    QFETCH(QByteArray, body);
    QFETCH(int, delivery);
    QFETCH(int, state);
    QFETCH(int, timeout);
    LoopbackHttpServer server;
    HttpResponse response = HttpResponse::ok(body);
    response.delivery = HttpResponse::Delivery(delivery);
    server.setResponse(kManifestPath, response);
    server.setByteInterval(2);
    qputenv("PICTORB_UPDATE_URL", server.baseUrl().toUtf8());
    DownloadManager* manager = DownloadManager::instance();
    // Each test program is its own process, so the shortened time-out is never seen elsewhere.
    manager->setTransferTimeout(timeout);
    QSignalSpy states(manager, &DownloadManager::downloadLastVersionStateChanged);
    // A dialog listens the way the menu check does.
    CheckUpdateDialog dialog(nullptr);
    dialog.show();

    QElapsedTimer sinceTick;
    qint64 longestPause = 0;
    QTimer ticker;
    ticker.setInterval(10);
    connect(&ticker, &QTimer::timeout,
            [&] { longestPause = std::max(longestPause, sinceTick.restart()); });
    sinceTick.start();
    ticker.start();
    manager->downloadLastVersion(QString(), 1);
    const auto ended = [&states] {
        for (const QList<QVariant>& call : states) {
            if (call.at(0).value<DownloadManager::DownloadState>() != DownloadManager::Start)
                return true;
        }
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(ended(), 20000);
    qputenv("PICTORB_UPDATE_URL", QByteArray());

    const QList<QVariant> last = states.last();
    QCOMPARE(int(last.at(0).value<DownloadManager::DownloadState>()), state);
    // A stall detector, not a speed target: a blocked loop would pause for the whole transfer.
    QVERIFY(std::max(longestPause, sinceTick.elapsed()) < 5000);
    if (state == DownloadManager::Finished)
        QCOMPARE(UpdateManifest::isNewerThanRunning(last.at(2).toByteArray()),
                 UpdateManifest::fromJson(body).version == QStringLiteral("9.0"));
}

PICTORB_ISOLATED_TEST_MAIN(TestBadManifest)
#include "tst_badmanifest.moc"
