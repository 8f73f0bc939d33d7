#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QString>
#include <QUrl>

#include <functional>
#include <map>
#include <memory>

class QTcpServer;
class QTcpSocket;

using HttpHeaders = QList<QPair<QByteArray, QByteArray>>;

// One part of a multipart/form-data body.
struct HttpPart
{
    HttpHeaders headers;
    QByteArray name;     // the Content-Disposition "name"
    QByteArray fileName; // the Content-Disposition "filename", empty when absent
    QByteArray body;

    QByteArray header(const QByteArray& headerName) const;
};

// A request as the server read it off the wire.
struct HttpRequest
{
    QByteArray method;
    QByteArray target; // as sent, query included
    QByteArray path;   // target without the query
    QByteArray query;  // text after '?', empty when none
    HttpHeaders headers;
    QByteArray body; // chunked bodies are stored decoded

    // Case-insensitive; the first header of that name, empty when absent.
    QByteArray header(const QByteArray& name) const;
    // The parts of a multipart body in order; empty when the body is not multipart.
    QList<HttpPart> multipartParts() const;
};

// What the server answers to one request, and how it delivers the answer.
struct HttpResponse
{
    enum class Delivery
    {
        Whole,        // the full answer at once
        ByteByByte,   // one byte per byte interval
        CloseMidBody, // status line, headers and half the body, then the connection closes
        NeverAnswer,  // the connection stays open and silent
        // The connection closes without a byte of answer. The toolkit's client resends a
        // GET once by itself after that, so one drop is not always one failure it reports.
        Drop,
    };

    int status = 200;
    QByteArray body;
    HttpHeaders headers; // Content-Length is added unless given here
    Delivery delivery = Delivery::Whole;

    HttpResponse& withHeader(const QByteArray& name, const QByteArray& value);

    static HttpResponse ok(const QByteArray& body,
                           const QByteArray& contentType = QByteArrayLiteral("application/json"));
    static HttpResponse withStatus(int status, const QByteArray& body = QByteArray());
    static HttpResponse delivered(Delivery delivery, const QByteArray& body = QByteArray());
};

// A small HTTP/1.1 server on 127.0.0.1 with a free port, for tests that need a real peer.
// Answers come from per-path handlers (404 for unknown paths); every complete request is
// recorded. Runs on the thread that creates it, driven by that thread's event loop.
class LoopbackHttpServer final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LoopbackHttpServer)

public:
    using Handler = std::function<HttpResponse(const HttpRequest&)>;

    explicit LoopbackHttpServer(QObject* parent = nullptr);
    ~LoopbackHttpServer() override;

    bool isListening() const;
    quint16 port() const;
    QString baseUrl() const; // "http://127.0.0.1:<port>", no trailing slash
    QUrl url(const QString& path) const;

    void setHandler(const QByteArray& path, Handler handler);
    void setResponse(const QByteArray& path, const HttpResponse& response);
    // Answers in this order, one per request; the last one repeats.
    void setResponses(const QByteArray& path, const QList<HttpResponse>& responses);
    // The next `count` connections are closed as soon as they are accepted.
    void dropConnections(int count);
    void setByteInterval(int milliseconds) { m_byteInterval = milliseconds; }

    QList<HttpRequest> requests() const { return m_requests; }
    int requestCount(const QByteArray& path) const;
    int connectionCount() const { return m_connectionCount; }
    // Runs the event loop until `count` requests in all have arrived or the time is up.
    bool waitForRequests(int count, int timeoutMilliseconds = 5000) const;

signals:
    void requestReceived(const HttpRequest& request);

private:
    struct Connection;

    void acceptConnections();
    void readFrom(QTcpSocket* socket);
    void answer(QTcpSocket* socket, Connection& connection, const HttpRequest& request);
    void trickle(QTcpSocket* socket);
    HttpResponse responseFor(const HttpRequest& request);

    QTcpServer* m_server = nullptr;
    std::map<QTcpSocket*, std::unique_ptr<Connection>> m_connections;
    QMap<QByteArray, Handler> m_handlers;
    QList<HttpRequest> m_requests;
    int m_dropCount = 0;
    int m_connectionCount = 0;
    int m_byteInterval = 5;
};

Q_DECLARE_METATYPE(HttpRequest)
Q_DECLARE_METATYPE(HttpResponse)
