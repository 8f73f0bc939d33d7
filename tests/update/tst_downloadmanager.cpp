#include "core/update/DownloadManager.h"

#include "../images/LogCapture.h"
#include "common/LoopbackHttpServer.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <memory>

namespace {

const QByteArray kManifestPath = "/pictorb/upgrade.json";
const QByteArray kManifest = R"({"win":{"version":"1.0.1","size":"80 MB","date":"2026-01-01"}})";

using State = DownloadManager::DownloadState;

QStringList debugLinesStartingWith(const LogCapture& log, const QString& prefix)
{
    QStringList matching;
    for (const QString& line : log.all()) {
        if (line.startsWith(QStringLiteral("D: ") + prefix))
            matching.append(line.mid(3));
    }
    return matching;
}

} // namespace

// Every check runs against a real HTTP server on 127.0.0.1 that the update address points at.
class TestDownloadManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void fetchesTheManifest_data();
    void fetchesTheManifest();
    void retriesUntilAnAttemptSucceeds_data();
    void retriesUntilAnAttemptSucceeds();
    void sixFailuresEndInOneError();
    void droppedConnectionsEndInOneError();
    void zeroRetriesMakesOneAttempt();
    void logsEveryFailedAttempt();
    void silentServerTimesOutAndIsRetried();
    void manifestSizeLimit_data();
    void manifestSizeLimit();
    void switchedOffAddressMakesNoRequest();
    void requestTagIsTheTextAfterTheLastComma_data();
    void requestTagIsTheTextAfterTheLastComma();

private:
    // Waits for the check's Error or Finished, then a little longer to see nothing follows.
    static bool waitForEnd(QSignalSpy& spy);
    static QList<State> states(const QSignalSpy& spy);
    QString statusFor(const QString& tag) const;

    std::unique_ptr<LoopbackHttpServer> m_server;
};

void TestDownloadManager::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestDownloadManager::init()
{
    m_server = std::make_unique<LoopbackHttpServer>();
    QVERIFY(m_server->isListening());
    qputenv("PICTORB_UPDATE_URL", m_server->baseUrl().toUtf8());
    DownloadManager::instance()->setTransferTimeout(30000);
}

void TestDownloadManager::cleanup()
{
    m_server.reset();
}

bool TestDownloadManager::waitForEnd(QSignalSpy& spy)
{
    const bool ended = QTest::qWaitFor(
        [&spy] {
            const QList<State> seen = states(spy);
            return !seen.isEmpty() && seen.last() != DownloadManager::Start;
        },
        20000);
    QTest::qWait(100);
    return ended;
}

QList<State> TestDownloadManager::states(const QSignalSpy& spy)
{
    QList<State> result;
    for (const QList<QVariant>& arguments : spy)
        result.append(arguments.at(0).value<State>());
    return result;
}

QString TestDownloadManager::statusFor(const QString& tag) const
{
    return m_server->baseUrl() + QStringLiteral("/pictorb/upgrade.json,") + tag;
}

void TestDownloadManager::fetchesTheManifest_data()
{
    QTest::addColumn<QString>("tag");
    QTest::newRow("start-up check") << "start";
    QTest::newRow("menu check") << "";
}

void TestDownloadManager::fetchesTheManifest()
{
    QFETCH(QString, tag);
    m_server->setResponse(kManifestPath, HttpResponse::ok(kManifest));
    QSignalSpy spy(DownloadManager::instance(), &DownloadManager::downloadLastVersionStateChanged);

    DownloadManager::instance()->downloadLastVersion(tag, 5);
    // Start is announced as the request goes out, before any answer can arrive.
    QCOMPARE(spy.size(), 1);
    QVERIFY(waitForEnd(spy));

    QCOMPARE(states(spy), (QList<State>{DownloadManager::Start, DownloadManager::Finished}));
    QCOMPARE(spy.at(0).at(1).toString(), statusFor(tag));
    QVERIFY(spy.at(0).at(2).toByteArray().isEmpty());
    QCOMPARE(spy.at(1).at(1).toString(), statusFor(tag));
    QCOMPARE(spy.at(1).at(2).toByteArray(), kManifest);

    QCOMPARE(m_server->requests().size(), 1);
    const HttpRequest request = m_server->requests().first();
    QCOMPARE(request.method, QByteArray("GET"));
    QCOMPARE(request.target, kManifestPath);
}

void TestDownloadManager::retriesUntilAnAttemptSucceeds_data()
{
    QTest::addColumn<HttpResponse>("failure");
    QTest::newRow("server error") << HttpResponse::withStatus(503, "busy");
    QTest::newRow("not found") << HttpResponse::withStatus(404);
    QTest::newRow("connection cut mid-body")
        << HttpResponse::delivered(HttpResponse::Delivery::CloseMidBody, kManifest);
}

void TestDownloadManager::retriesUntilAnAttemptSucceeds()
{
    QFETCH(HttpResponse, failure);
    m_server->setResponses(kManifestPath, {failure, failure, HttpResponse::ok(kManifest)});
    QSignalSpy spy(DownloadManager::instance(), &DownloadManager::downloadLastVersionStateChanged);

    DownloadManager::instance()->downloadLastVersion(QStringLiteral("start"), 5);
    QVERIFY(waitForEnd(spy));

    QCOMPARE(states(spy), (QList<State>{DownloadManager::Start, DownloadManager::Start,
                                        DownloadManager::Start, DownloadManager::Finished}));
    QCOMPARE(spy.last().at(2).toByteArray(), kManifest);
    QCOMPARE(m_server->requestCount(kManifestPath), 3);
}

void TestDownloadManager::sixFailuresEndInOneError()
{
    m_server->setResponse(kManifestPath, HttpResponse::withStatus(500));
    QSignalSpy spy(DownloadManager::instance(), &DownloadManager::downloadLastVersionStateChanged);

    DownloadManager::instance()->downloadLastVersion(QStringLiteral("start"), 5);
    QVERIFY(waitForEnd(spy));

    QList<State> expected;
    for (int attempt = 0; attempt < 6; ++attempt)
        expected.append(DownloadManager::Start);
    expected.append(DownloadManager::Error);
    QCOMPARE(states(spy), expected);
    QCOMPARE(spy.last().at(1).toString(), statusFor(QStringLiteral("start")));
    // The last error text, as the toolkit words it, naming the server's refusal.
    QVERIFY2(spy.last().at(2).toByteArray().contains("Internal Server Error"),
             spy.last().at(2).toByteArray().constData());
    QCOMPARE(m_server->requestCount(kManifestPath), 6);
}

void TestDownloadManager::droppedConnectionsEndInOneError()
{
    m_server->setResponse(kManifestPath, HttpResponse::delivered(HttpResponse::Delivery::Drop));
    QSignalSpy spy(DownloadManager::instance(), &DownloadManager::downloadLastVersionStateChanged);

    DownloadManager::instance()->downloadLastVersion(QStringLiteral("start"), 5);
    QVERIFY(waitForEnd(spy));

    QList<State> expected;
    for (int attempt = 0; attempt < 6; ++attempt)
        expected.append(DownloadManager::Start);
    expected.append(DownloadManager::Error);
    QCOMPARE(states(spy), expected);
    // The toolkit resends a request once by itself when a connection closes unanswered, so
    // six attempts reach the server at least six times.
    QVERIFY(m_server->requestCount(kManifestPath) >= 6);
    QVERIFY(!spy.last().at(2).toByteArray().isEmpty());
}

void TestDownloadManager::zeroRetriesMakesOneAttempt()
{
    m_server->setResponse(kManifestPath, HttpResponse::withStatus(503));
    QSignalSpy spy(DownloadManager::instance(), &DownloadManager::downloadLastVersionStateChanged);

    DownloadManager::instance()->downloadLastVersion(QString(), 0);
    QVERIFY(waitForEnd(spy));

    QCOMPARE(states(spy), (QList<State>{DownloadManager::Start, DownloadManager::Error}));
    QCOMPARE(m_server->requestCount(kManifestPath), 1);
}

void TestDownloadManager::logsEveryFailedAttempt()
{
    m_server->setResponses(kManifestPath,
                           {HttpResponse::withStatus(503), HttpResponse::ok(kManifest)});
    LogCapture log;
    QSignalSpy spy(DownloadManager::instance(), &DownloadManager::downloadLastVersionStateChanged);

    DownloadManager::instance()->downloadLastVersion(QStringLiteral("start"), 2);
    QVERIFY(waitForEnd(spy));

    const QString url = m_server->baseUrl() + QStringLiteral("/pictorb/upgrade.json");
    const QStringList attempts =
        debugLinesStartingWith(log, QStringLiteral("downloadLastVersion: "));
    QCOMPARE(attempts.size(), 2);
    QCOMPARE(attempts.first(), QStringLiteral("downloadLastVersion: \"%1\" \"start\"").arg(url));
    QCOMPARE(debugLinesStartingWith(log, QStringLiteral("downloadLastVersion error:")).size(), 1);
    QCOMPARE(debugLinesStartingWith(log, QStringLiteral("try to downloadLastVersion again:")),
             QStringList{QStringLiteral("try to downloadLastVersion again: 2")});
    QCOMPARE(debugLinesStartingWith(log, QStringLiteral("downloadLastVersion complete")).size(), 1);
}

void TestDownloadManager::silentServerTimesOutAndIsRetried()
{
    m_server->setResponse(kManifestPath,
                          HttpResponse::delivered(HttpResponse::Delivery::NeverAnswer));
    DownloadManager::instance()->setTransferTimeout(200);
    QSignalSpy spy(DownloadManager::instance(), &DownloadManager::downloadLastVersionStateChanged);

    DownloadManager::instance()->downloadLastVersion(QStringLiteral("start"), 1);
    QVERIFY(waitForEnd(spy));

    QCOMPARE(states(spy), (QList<State>{DownloadManager::Start, DownloadManager::Start,
                                        DownloadManager::Error}));
    QCOMPARE(m_server->requestCount(kManifestPath), 2);
}

void TestDownloadManager::manifestSizeLimit_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("kept");
    QTest::newRow("exactly 1 MiB is read") << 1024 * 1024 << true;
    QTest::newRow("one byte more is dropped") << 1024 * 1024 + 1 << false;
    QTest::newRow("8 MiB is dropped") << 8 * 1024 * 1024 << false;
}

void TestDownloadManager::manifestSizeLimit()
{
    QFETCH(int, size);
    QFETCH(bool, kept);
    // A valid manifest padded with trailing spaces, so only its size decides.
    QByteArray body = kManifest;
    body.append(QByteArray(size - body.size(), ' '));
    m_server->setResponse(kManifestPath, HttpResponse::ok(body));
    QSignalSpy spy(DownloadManager::instance(), &DownloadManager::downloadLastVersionStateChanged);

    DownloadManager::instance()->downloadLastVersion(QStringLiteral("start"), 5);
    QVERIFY(waitForEnd(spy));

    // An oversized body is no failure to retry: one attempt, Finished, nothing of the body.
    QCOMPARE(states(spy), (QList<State>{DownloadManager::Start, DownloadManager::Finished}));
    QCOMPARE(spy.last().at(2).toByteArray(), kept ? body : QByteArray());
    QCOMPARE(m_server->requestCount(kManifestPath), 1);
}

void TestDownloadManager::switchedOffAddressMakesNoRequest()
{
    qputenv("PICTORB_UPDATE_URL", QByteArray());
    QVERIFY(DownloadManager::manifestUrl().isEmpty());
    QSignalSpy spy(DownloadManager::instance(), &DownloadManager::downloadLastVersionStateChanged);

    DownloadManager::instance()->downloadLastVersion(QStringLiteral("start"), 5);
    QTest::qWait(200);

    QCOMPARE(states(spy), QList<State>{DownloadManager::Error});
    QCOMPARE(spy.first().at(1).toString(), QStringLiteral(",start"));
    QCOMPARE(spy.first().at(2).toByteArray(), QByteArray("update check switched off"));
    QCOMPARE(DownloadManager::requestTag(spy.first().at(1).toString()), QStringLiteral("start"));
    QCOMPARE(m_server->connectionCount(), 0);
}

void TestDownloadManager::requestTagIsTheTextAfterTheLastComma_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("tag");
    QTest::newRow("start-up") << "https://host/pictorb/upgrade.json,start"
                              << "start";
    QTest::newRow("menu") << "https://host/pictorb/upgrade.json,"
                          << "";
    QTest::newRow("comma inside the address") << "https://host/a,b/pictorb/upgrade.json,start"
                                              << "start";
}

void TestDownloadManager::requestTagIsTheTextAfterTheLastComma()
{
    QFETCH(QString, message);
    QFETCH(QString, tag);
    QCOMPARE(DownloadManager::requestTag(message), tag);
}

QTEST_GUILESS_MAIN(TestDownloadManager)
#include "tst_downloadmanager.moc"
