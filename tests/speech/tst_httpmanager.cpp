#include <QFile>
#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

#include "../caption/CaptionSandbox.h"
#include "../images/LogCapture.h"
#include "common/LoopbackHttpServer.h"
#include "core/base/AppConfig.h"
#include "core/speech/HttpManager.h"
#include "gui/application/GlobalManager.h"

namespace {

const QByteArray kResult =
    R"({"state":"success","utterances":[{"start_time":0,"end_time":900,"text":"tone"}]})";

QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

int linesWith(const LogCapture& log, const QString& part)
{
    int count = 0;
    for (const QString& line : log.all())
        count += line.contains(part) ? 1 : 0;
    return count;
}

HttpResponse scripted(int status, int delivery, const QByteArray& body)
{
    HttpResponse response = HttpResponse::withStatus(status, body);
    response.delivery = HttpResponse::Delivery(delivery);
    return response;
}

} // namespace

using CaptionTest::posted;

class TestHttpManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void submitThenQuery();
    void contentDisposition_data();
    void contentDisposition();
    void awkwardPathStaysOnePart();
    void emptyTaskId();
    void missingFileSendsNothing();
    void submitFailures_data();
    void submitFailures();
    void queryFailures_data();
    void queryFailures();
    void answerWithoutUtterancesStillArrives();
    void oversizedAnswerIsAbandoned();
    void cancelDuringUpload_data();
    void cancelDuringUpload();
    void cancelAfterUploadKeepsTheResult();
    void switchedOffSendsNothing();

private:
    void serveSubmit(const HttpResponse& response)
    {
        m_server->setResponse("/api/speech/submit", response);
    }
    void serveQuery(const HttpResponse& response)
    {
        m_server->setResponse("/api/speech/query", response);
    }

    std::unique_ptr<CaptionSandbox> m_sandbox;
    LoopbackHttpServer* m_server = nullptr;
    QString m_audio;
};

void TestHttpManager::initTestCase()
{
    m_sandbox = std::make_unique<CaptionSandbox>();
    QVERIFY(m_sandbox->isValid());
    GlobalManager::instance(); // relays the query result as "task_id"
    m_audio = writeFile(m_sandbox->root() + QStringLiteral("/my audio ü.mp3"), "ID3 fake mp3");
    QVERIFY(!m_audio.isEmpty());
}

void TestHttpManager::init()
{
    m_server = new LoopbackHttpServer;
    QVERIFY(m_server->isListening());
    qputenv("PICTORB_SPEECH_URL", m_server->baseUrl().toUtf8());
    HttpManager::instance()->setTransferTimeout(HttpManager::kDefaultTransferTimeout);
}

void TestHttpManager::cleanup()
{
    delete m_server;
    m_server = nullptr;
    qputenv("PICTORB_SPEECH_URL", QByteArray());
}

void TestHttpManager::submitThenQuery()
{
    serveSubmit(HttpResponse::ok(R"({"task_id":"abc-123","other":true})"));
    serveQuery(HttpResponse::ok(kResult));
    HttpManager* http = HttpManager::instance();
    QSignalSpy finished(http, &HttpManager::requestFinished);
    QSignalSpy events(GlobalManager::instance(), &GlobalManager::globalEvent);
    LogCapture log;

    http->loadCaptions(m_audio, QStringLiteral("yue"));
    QVERIFY(finished.wait(10000));

    const QList<HttpRequest> requests = m_server->requests();
    QCOMPARE(requests.size(), 2);
    const HttpRequest& submit = requests.at(0);
    QCOMPARE(submit.method, QByteArray("POST"));
    QCOMPARE(submit.target, QByteArray("/api/speech/submit?language=yue"));
    QVERIFY(submit.header("Content-Type").startsWith("multipart/form-data; boundary="));
    const QList<HttpPart> parts = submit.multipartParts();
    QCOMPARE(parts.size(), 1);
    QCOMPARE(parts.at(0).header("Content-Type"), QByteArray("multipart/form-data"));
    // The full path, spaces and non-ASCII letters as UTF-8, unchanged.
    QCOMPARE(parts.at(0).header("Content-Disposition"),
             "form-data; name=\"file\"; filename=\"" + m_audio.toUtf8() + '"');
    QCOMPARE(parts.at(0).body, QByteArray("ID3 fake mp3"));

    QCOMPARE(requests.at(1).method, QByteArray("GET"));
    QCOMPARE(requests.at(1).target, QByteArray("/api/speech/query?task_id=abc-123"));

    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toString(), QStringLiteral("task_id"));
    QCOMPARE(finished.at(0).at(1).toJsonObject(), QJsonObject());
    QCOMPARE(finished.at(0).at(2).toByteArray(), kResult);
    QCOMPARE(posted(events, AppConfig::kEventTaskId), QVariantList({kResult}));
    QVERIFY(log.contains(QStringLiteral("Request successful")));
    QVERIFY(log.contains(QStringLiteral("TaskId:  \"abc-123\"")));
}

void TestHttpManager::contentDisposition_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("header");
    const QByteArray start = "form-data; name=\"file\"; filename=\"";
    QTest::newRow("plain") << "/tmp/Pictorb/a-en-US.mp3" << start + "/tmp/Pictorb/a-en-US.mp3\"";
    QTest::newRow("space and umlaut") << "/a b/ü.mp3" << start + "/a b/\xc3\xbc.mp3\"";
    QTest::newRow("double quote") << "/x\"y.mp3" << start + "/x\\\"y.mp3\"";
    QTest::newRow("backslash") << "C:\\v\\a.mp3" << start + "C:\\\\v\\\\a.mp3\"";
    QTest::newRow("CR and LF") << "/a\r\nX-Evil: 1.mp3" << start + "/a%0D%0AX-Evil: 1.mp3\"";
    QTest::newRow("tab and DEL") << QStringLiteral("/a\tb\x7f.mp3") << start + "/a%09b%7F.mp3\"";
}

void TestHttpManager::contentDisposition()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, header);
    QCOMPARE(HttpManager::contentDisposition(path), header);
}

void TestHttpManager::awkwardPathStaysOnePart()
{
    const QString path =
        writeFile(m_sandbox->root() + QStringLiteral("/say \"hi\"\\\nnext.mp3"), "sound bytes");
    QVERIFY(!path.isEmpty());
    serveSubmit(HttpResponse::ok(R"({"task_id":"t1"})"));
    serveQuery(HttpResponse::ok(kResult));
    QSignalSpy finished(HttpManager::instance(), &HttpManager::requestFinished);
    HttpManager::instance()->loadCaptions(path, QStringLiteral("en-US"));
    QVERIFY(finished.wait(10000));

    const QList<HttpPart> parts = m_server->requests().at(0).multipartParts();
    QCOMPARE(parts.size(), 1);
    QCOMPARE(parts.at(0).headers.size(), 2);
    QCOMPARE(parts.at(0).header("Content-Disposition"), "form-data; name=\"file\"; filename=\"" +
                                                            m_sandbox->root().toUtf8() +
                                                            "/say \\\"hi\\\"\\\\%0Anext.mp3\"");
    QCOMPARE(parts.at(0).body, QByteArray("sound bytes"));
}

void TestHttpManager::emptyTaskId()
{
    serveSubmit(HttpResponse::ok("not json at all"));
    serveQuery(HttpResponse::ok(kResult));
    QSignalSpy finished(HttpManager::instance(), &HttpManager::requestFinished);
    HttpManager::instance()->loadCaptions(m_audio, QStringLiteral("zh-CN"));
    QVERIFY(finished.wait(10000));
    QCOMPARE(m_server->requests().at(1).target, QByteArray("/api/speech/query?task_id="));
}

void TestHttpManager::missingFileSendsNothing()
{
    LogCapture log;
    HttpManager::instance()->loadCaptions(m_sandbox->root() + QStringLiteral("/none.mp3"),
                                          QStringLiteral("en-US"));
    QVERIFY(log.contains(QStringLiteral("Failed to open file")));
    QVERIFY(!m_server->waitForRequests(1, 300));
    QCOMPARE(m_server->connectionCount(), 0);
}

void TestHttpManager::submitFailures_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("delivery");
    QTest::addColumn<QByteArray>("answer");
    const auto how = [](HttpResponse::Delivery delivery) { return int(delivery); };
    QTest::newRow("HTTP error") << 500 << how(HttpResponse::Delivery::Whole) << QByteArray("oops");
    QTest::newRow("closed mid body")
        << 200 << how(HttpResponse::Delivery::CloseMidBody) << QByteArray(R"({"task_id":"half"})");
    QTest::newRow("dropped") << 200 << how(HttpResponse::Delivery::Drop) << QByteArray();
    QTest::newRow("never answers")
        << 200 << how(HttpResponse::Delivery::NeverAnswer) << QByteArray();
}

void TestHttpManager::submitFailures()
{
    QFETCH(int, status);
    QFETCH(int, delivery);
    QFETCH(QByteArray, answer);
    serveSubmit(scripted(status, delivery, answer));
    serveQuery(HttpResponse::ok(kResult));
    HttpManager* http = HttpManager::instance();
    http->setTransferTimeout(800);
    QSignalSpy finished(http, &HttpManager::requestFinished);
    QSignalSpy errors(http, &HttpManager::requestError);
    LogCapture log;

    http->loadCaptions(m_audio, QStringLiteral("en-US"));
    QVERIFY(QTest::qWaitFor([&] { return log.contains(QStringLiteral("Request failed. Error: ")); },
                            10000));
    QTest::qWait(200);
    QCOMPARE(linesWith(log, QStringLiteral("Request failed. Error: ")), 1);
    QCOMPARE(m_server->requestCount("/api/speech/query"), 0);
    QCOMPARE(finished.count(), 0);
    QCOMPARE(errors.count(), 0);
}

void TestHttpManager::queryFailures_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("delivery");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QByteArray>("body");
    const auto how = [](HttpResponse::Delivery delivery) { return int(delivery); };
    QTest::newRow("HTTP error") << 503 << how(HttpResponse::Delivery::Whole) << QByteArray("busy")
                                << QByteArray("busy");
    QTest::newRow("never answers")
        << 200 << how(HttpResponse::Delivery::NeverAnswer) << QByteArray() << QByteArray();
    QTest::newRow("dropped") << 200 << how(HttpResponse::Delivery::Drop) << QByteArray()
                             << QByteArray();
}

void TestHttpManager::queryFailures()
{
    QFETCH(int, status);
    QFETCH(int, delivery);
    QFETCH(QByteArray, answer);
    QFETCH(QByteArray, body);
    serveSubmit(HttpResponse::ok(R"({"task_id":"q"})"));
    serveQuery(scripted(status, delivery, answer));
    HttpManager* http = HttpManager::instance();
    http->setTransferTimeout(800);
    QSignalSpy finished(http, &HttpManager::requestFinished);
    QSignalSpy errors(http, &HttpManager::requestError);
    QSignalSpy events(GlobalManager::instance(), &GlobalManager::globalEvent);
    LogCapture log;

    http->loadCaptions(m_audio, QStringLiteral("en-US"));
    QVERIFY(errors.wait(10000));
    QCOMPARE(errors.at(0).at(0).toString(), QStringLiteral("task_id"));
    QCOMPARE(errors.at(0).at(2).toByteArray(), body);
    QCOMPARE(finished.count(), 0);
    QVERIFY(posted(events, AppConfig::kEventTaskId).isEmpty());
    QVERIFY(log.contains(QStringLiteral("requestError: \"task_id\"")));
}

void TestHttpManager::answerWithoutUtterancesStillArrives()
{
    serveSubmit(HttpResponse::ok(R"({"task_id":"x"})"));
    serveQuery(HttpResponse::ok(R"({"state":"running"})"));
    QSignalSpy events(GlobalManager::instance(), &GlobalManager::globalEvent);
    QSignalSpy finished(HttpManager::instance(), &HttpManager::requestFinished);
    HttpManager::instance()->loadCaptions(m_audio, QStringLiteral("en-US"));
    QVERIFY(finished.wait(10000));
    QCOMPARE(posted(events, AppConfig::kEventTaskId),
             QVariantList({QByteArray(R"({"state":"running"})")}));
}

void TestHttpManager::oversizedAnswerIsAbandoned()
{
    serveSubmit(HttpResponse::ok(R"({"task_id":"big"})"));
    HttpResponse huge = HttpResponse::ok(QByteArray(1000, 'x'));
    huge.headers.append({"Content-Length", QByteArray::number(HttpManager::kMaxResponseBytes + 1)});
    serveQuery(huge);
    QSignalSpy errors(HttpManager::instance(), &HttpManager::requestError);
    LogCapture log;
    HttpManager::instance()->loadCaptions(m_audio, QStringLiteral("en-US"));
    QVERIFY(errors.wait(10000));
    QVERIFY(errors.at(0).at(2).toByteArray().isEmpty());
    QVERIFY(log.contains(QStringLiteral("too large")));
}

void TestHttpManager::cancelDuringUpload_data()
{
    QTest::addColumn<bool>("afterBodySent");
    QTest::newRow("while sending") << false;
    QTest::newRow("waiting for the answer") << true;
}

void TestHttpManager::cancelDuringUpload()
{
    QFETCH(bool, afterBodySent);
    serveSubmit(HttpResponse::delivered(HttpResponse::Delivery::NeverAnswer));
    serveQuery(HttpResponse::ok(kResult));
    const QString big =
        writeFile(m_sandbox->root() + QStringLiteral("/big.mp3"), QByteArray(8 * 1024 * 1024, 'a'));
    HttpManager* http = HttpManager::instance();
    QSignalSpy events(GlobalManager::instance(), &GlobalManager::globalEvent);
    QSignalSpy finished(http, &HttpManager::requestFinished);
    LogCapture log;

    http->loadCaptions(big, QStringLiteral("en-US"));
    if (afterBodySent)
        QVERIFY(m_server->waitForRequests(1, 10000));
    http->stopUpload();
    QTest::qWait(500);
    http->stopUpload(); // nothing left to cancel

    QCOMPARE(linesWith(log, QStringLiteral("Request failed. Error: ")), 1);
    QCOMPARE(m_server->requestCount("/api/speech/query"), 0);
    QCOMPARE(finished.count(), 0);
    QVERIFY(posted(events, AppConfig::kEventTaskId).isEmpty());
}

void TestHttpManager::cancelAfterUploadKeepsTheResult()
{
    serveSubmit(HttpResponse::ok(R"({"task_id":"late"})"));
    m_server->setByteInterval(2);
    serveQuery(HttpResponse::delivered(HttpResponse::Delivery::ByteByByte, kResult));
    HttpManager* http = HttpManager::instance();
    QSignalSpy finished(http, &HttpManager::requestFinished);
    http->loadCaptions(m_audio, QStringLiteral("en-US"));
    QVERIFY(m_server->waitForRequests(2, 10000));
    http->stopUpload();
    QVERIFY(finished.wait(20000));
    QCOMPARE(finished.at(0).at(2).toByteArray(), kResult);
}

void TestHttpManager::switchedOffSendsNothing()
{
    qputenv("PICTORB_SPEECH_URL", QByteArray());
    LogCapture log;
    HttpManager::instance()->loadCaptions(m_audio, QStringLiteral("en-US"));
    HttpManager::instance()->getCaptionsByTaskId(QStringLiteral("abc"));
    QVERIFY(!m_server->waitForRequests(1, 300));
    QCOMPARE(linesWith(log, QStringLiteral("switched off")), 2);
}

QTEST_MAIN(TestHttpManager)
#include "tst_httpmanager.moc"
