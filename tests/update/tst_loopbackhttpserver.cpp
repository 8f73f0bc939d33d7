#include "common/LoopbackHttpServer.h"

#include <QHttpMultiPart>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>

#include <functional>
#include <memory>

// The shared loopback server is itself exercised here, against both the toolkit's HTTP
// client and a raw socket, so the suites that lean on it can trust what it reports.
class TestLoopbackHttpServer : public QObject
{
    Q_OBJECT

private slots:
    void routesByPathAndRecordsTheRequest();
    void unknownPathIs404();
    void recordsMultipartParts();
    void keepsTheConnectionAliveBetweenRequests();
    void decodesChunkedRequestBodies();
    void scriptedResponsesRepeatTheLast();
    void droppedConnectionGetsNoAnswer();
    void byteByByteDeliveryArrivesWhole();
    void closeMidBodyCutsTheAnswer();
    void neverAnswerKeepsTheClientWaiting();

private:
    struct Result
    {
        QNetworkReply::NetworkError error = QNetworkReply::NoError;
        int status = 0;
        QByteArray body;
    };

    static Result get(QNetworkAccessManager& manager, const QUrl& url, int transferTimeout = 5000);
    // Reads from the socket until `done` holds for everything read so far, or 5 s pass.
    static QByteArray readUntil(QTcpSocket& socket,
                                const std::function<bool(const QByteArray&)>& done);
};

TestLoopbackHttpServer::Result TestLoopbackHttpServer::get(QNetworkAccessManager& manager,
                                                           const QUrl& url, int transferTimeout)
{
    QNetworkRequest request(url);
    request.setTransferTimeout(transferTimeout);
    std::unique_ptr<QNetworkReply> reply(manager.get(request));
    QSignalSpy finished(reply.get(), &QNetworkReply::finished);
    if (!reply->isFinished())
        finished.wait(10000);
    Result result;
    result.error = reply->error();
    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.body = reply->isOpen() ? reply->readAll() : QByteArray();
    return result;
}

QByteArray TestLoopbackHttpServer::readUntil(QTcpSocket& socket,
                                             const std::function<bool(const QByteArray&)>& done)
{
    QByteArray data;
    static_cast<void>(QTest::qWaitFor(
        [&] {
            data += socket.readAll();
            return done(data) || socket.state() != QAbstractSocket::ConnectedState;
        },
        5000));
    return data + socket.readAll();
}

void TestLoopbackHttpServer::routesByPathAndRecordsTheRequest()
{
    LoopbackHttpServer server;
    QVERIFY(server.isListening());
    server.setResponse("/data.json", HttpResponse::ok("{\"a\":1}").withHeader("X-Extra", "yes"));

    QNetworkAccessManager manager;
    QNetworkRequest request(server.url(QStringLiteral("/data.json?x=1")));
    request.setRawHeader("X-Client", "test");
    std::unique_ptr<QNetworkReply> reply(manager.get(request));
    QSignalSpy finished(reply.get(), &QNetworkReply::finished);
    QVERIFY(finished.wait(5000));

    QCOMPARE(reply->error(), QNetworkReply::NoError);
    QCOMPARE(reply->readAll(), QByteArray("{\"a\":1}"));
    QCOMPARE(reply->rawHeader("X-Extra"), QByteArray("yes"));
    QCOMPARE(reply->header(QNetworkRequest::ContentTypeHeader).toString(),
             QStringLiteral("application/json"));

    QCOMPARE(server.requests().size(), 1);
    const HttpRequest seen = server.requests().first();
    QCOMPARE(seen.method, QByteArray("GET"));
    QCOMPARE(seen.target, QByteArray("/data.json?x=1"));
    QCOMPARE(seen.path, QByteArray("/data.json"));
    QCOMPARE(seen.query, QByteArray("x=1"));
    QCOMPARE(seen.header("x-client"), QByteArray("test"));
    QCOMPARE(seen.header("Host"), QStringLiteral("127.0.0.1:%1").arg(server.port()).toLatin1());
    QCOMPARE(server.requestCount("/data.json"), 1);
    QCOMPARE(server.requestCount("/other"), 0);
}

void TestLoopbackHttpServer::unknownPathIs404()
{
    LoopbackHttpServer server;
    QNetworkAccessManager manager;
    const Result result = get(manager, server.url(QStringLiteral("/missing")));
    QCOMPARE(result.status, 404);
    QCOMPARE(result.error, QNetworkReply::ContentNotFoundError);
    QCOMPARE(server.requestCount("/missing"), 1);
}

void TestLoopbackHttpServer::recordsMultipartParts()
{
    LoopbackHttpServer server;
    server.setResponse("/upload", HttpResponse::ok("done", "text/plain"));

    auto* multiPart = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    QHttpPart field;
    field.setHeader(QNetworkRequest::ContentDispositionHeader, "form-data; name=\"language\"");
    field.setBody("en");
    multiPart->append(field);
    QHttpPart file;
    file.setHeader(QNetworkRequest::ContentDispositionHeader,
                   "form-data; name=\"file\"; filename=\"sound.mp3\"");
    file.setHeader(QNetworkRequest::ContentTypeHeader, "audio/mpeg");
    const QByteArray payload("\x00\x01\r\n--not-a-boundary\r\n\xff", 24);
    file.setBody(payload);
    multiPart->append(file);

    QNetworkAccessManager manager;
    std::unique_ptr<QNetworkReply> reply(
        manager.post(QNetworkRequest(server.url(QStringLiteral("/upload"))), multiPart));
    multiPart->setParent(reply.get());
    QSignalSpy finished(reply.get(), &QNetworkReply::finished);
    QVERIFY(finished.wait(5000));
    QCOMPARE(reply->readAll(), QByteArray("done"));

    QCOMPARE(server.requests().size(), 1);
    const HttpRequest seen = server.requests().first();
    QCOMPARE(seen.method, QByteArray("POST"));
    const QList<HttpPart> parts = seen.multipartParts();
    QCOMPARE(parts.size(), 2);
    QCOMPARE(parts.at(0).name, QByteArray("language"));
    QVERIFY(parts.at(0).fileName.isEmpty());
    QCOMPARE(parts.at(0).body, QByteArray("en"));
    QCOMPARE(parts.at(1).name, QByteArray("file"));
    QCOMPARE(parts.at(1).fileName, QByteArray("sound.mp3"));
    QCOMPARE(parts.at(1).header("content-type"), QByteArray("audio/mpeg"));
    QCOMPARE(parts.at(1).body, payload);
}

void TestLoopbackHttpServer::keepsTheConnectionAliveBetweenRequests()
{
    LoopbackHttpServer server;
    server.setResponse("/a", HttpResponse::ok("first", "text/plain"));
    server.setResponse("/b", HttpResponse::ok("second", "text/plain"));

    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, server.port());
    QVERIFY(socket.waitForConnected(5000));
    // Both requests in one write: the second waits in the buffer behind the first.
    socket.write("POST /a HTTP/1.1\r\nHost: x\r\nContent-Length: 5\r\n\r\nhello"
                 "GET /b HTTP/1.1\r\nHost: x\r\n\r\n");
    const QByteArray data =
        readUntil(socket, [](const QByteArray& d) { return d.endsWith("second"); });

    QCOMPARE(data.count("HTTP/1.1 200 OK"), 2);
    QVERIFY(data.contains("Connection: keep-alive"));
    QVERIFY(data.endsWith("second"));
    QCOMPARE(socket.state(), QAbstractSocket::ConnectedState);
    QCOMPARE(server.connectionCount(), 1);
    QCOMPARE(server.requests().size(), 2);
    QCOMPARE(server.requests().at(0).body, QByteArray("hello"));
    QCOMPARE(server.requests().at(1).path, QByteArray("/b"));
}

void TestLoopbackHttpServer::decodesChunkedRequestBodies()
{
    LoopbackHttpServer server;
    server.setResponse("/c", HttpResponse::withStatus(204));

    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, server.port());
    QVERIFY(socket.waitForConnected(5000));
    socket.write("POST /c HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: chunked\r\n"
                 "Connection: close\r\n\r\n");
    socket.write("4\r\nabcd\r\n");
    QVERIFY(!server.waitForRequests(1, 200)); // not complete until the last chunk
    socket.write("3;ext=1\r\nefg\r\n0\r\n\r\n");
    const QByteArray data = readUntil(socket, [](const QByteArray&) { return false; });

    QVERIFY(data.startsWith("HTTP/1.1 204 No Content\r\n"));
    QVERIFY(data.contains("Connection: close"));
    QCOMPARE(server.requests().size(), 1);
    QCOMPARE(server.requests().first().body, QByteArray("abcdefg"));
}

void TestLoopbackHttpServer::scriptedResponsesRepeatTheLast()
{
    LoopbackHttpServer server;
    server.setResponses("/s", {HttpResponse::withStatus(503), HttpResponse::ok("one", "text/plain"),
                               HttpResponse::ok("two", "text/plain")});
    QNetworkAccessManager manager;
    QCOMPARE(get(manager, server.url(QStringLiteral("/s"))).status, 503);
    QCOMPARE(get(manager, server.url(QStringLiteral("/s"))).body, QByteArray("one"));
    QCOMPARE(get(manager, server.url(QStringLiteral("/s"))).body, QByteArray("two"));
    QCOMPARE(get(manager, server.url(QStringLiteral("/s"))).body, QByteArray("two"));
    QCOMPARE(server.requestCount("/s"), 4);
}

void TestLoopbackHttpServer::droppedConnectionGetsNoAnswer()
{
    LoopbackHttpServer server;
    server.setResponse("/d", HttpResponse::ok("late", "text/plain"));
    server.dropConnections(1);

    QTcpSocket dropped;
    dropped.connectToHost(QHostAddress::LocalHost, server.port());
    QVERIFY(dropped.waitForConnected(5000));
    dropped.write("GET /d HTTP/1.1\r\nHost: x\r\n\r\n");
    const QByteArray nothing = readUntil(dropped, [](const QByteArray&) { return false; });
    QVERIFY(nothing.isEmpty());
    QCOMPARE(dropped.state(), QAbstractSocket::UnconnectedState);

    QTcpSocket answered;
    answered.connectToHost(QHostAddress::LocalHost, server.port());
    QVERIFY(answered.waitForConnected(5000));
    answered.write("GET /d HTTP/1.1\r\nHost: x\r\n\r\n");
    QVERIFY(readUntil(answered, [](const QByteArray& d) {
                return d.endsWith("late");
            }).endsWith("late"));
    QCOMPARE(server.connectionCount(), 2);
    QCOMPARE(server.requests().size(), 1);
}

void TestLoopbackHttpServer::byteByByteDeliveryArrivesWhole()
{
    LoopbackHttpServer server;
    server.setByteInterval(1);
    server.setResponse("/slow",
                       HttpResponse::delivered(HttpResponse::Delivery::ByteByByte, "slow body"));

    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, server.port());
    QVERIFY(socket.waitForConnected(5000));
    socket.write("GET /slow HTTP/1.1\r\nHost: x\r\n\r\n");
    int reads = 0;
    QByteArray data;
    QVERIFY(QTest::qWaitFor(
        [&] {
            if (socket.bytesAvailable() > 0) {
                ++reads;
                data += socket.readAll();
            }
            return data.endsWith("slow body");
        },
        5000));
    QVERIFY(data.startsWith("HTTP/1.1 200 OK\r\n"));
    QVERIFY2(reads > 5, qPrintable(QStringLiteral("only %1 reads").arg(reads)));

    // The connection stays usable for the next request once the slow answer is out.
    server.setResponse("/next", HttpResponse::delivered(HttpResponse::Delivery::ByteByByte, "n"));
    socket.write("GET /next HTTP/1.1\r\nHost: x\r\n\r\n");
    QVERIFY(readUntil(socket, [](const QByteArray& d) {
                return d.endsWith("\r\n\r\nn");
            }).endsWith("\r\n\r\nn"));
}

void TestLoopbackHttpServer::closeMidBodyCutsTheAnswer()
{
    LoopbackHttpServer server;
    server.setResponse("/cut",
                       HttpResponse::delivered(HttpResponse::Delivery::CloseMidBody, "0123456789"));
    QNetworkAccessManager manager;
    const Result result = get(manager, server.url(QStringLiteral("/cut")));
    QCOMPARE(result.error, QNetworkReply::RemoteHostClosedError);
    QVERIFY(result.body.size() < 10);
}

void TestLoopbackHttpServer::neverAnswerKeepsTheClientWaiting()
{
    LoopbackHttpServer server;
    server.setResponse("/silent", HttpResponse::delivered(HttpResponse::Delivery::NeverAnswer));
    QNetworkAccessManager manager;
    const Result result = get(manager, server.url(QStringLiteral("/silent")), 300);
    QCOMPARE(result.error, QNetworkReply::OperationCanceledError);
    QCOMPARE(result.status, 0);
    QCOMPARE(server.requestCount("/silent"), 1);
}

QTEST_GUILESS_MAIN(TestLoopbackHttpServer)
#include "tst_loopbackhttpserver.moc"
