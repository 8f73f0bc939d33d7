#include "common/LoopbackHttpServer.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

namespace {

QByteArray findHeader(const HttpHeaders& headers, const QByteArray& name)
{
    for (const auto& header : headers) {
        if (header.first.compare(name, Qt::CaseInsensitive) == 0)
            return header.second;
    }
    return QByteArray();
}

HttpHeaders parseHeaderLines(const QByteArray& block)
{
    HttpHeaders headers;
    for (const QByteArray& line : block.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        const int colon = trimmed.indexOf(':');
        if (colon > 0)
            headers.append({trimmed.left(colon).trimmed(), trimmed.mid(colon + 1).trimmed()});
    }
    return headers;
}

// The value of `key=` inside a header such as Content-Type or Content-Disposition.
QByteArray headerParameter(const QByteArray& header, const QByteArray& key)
{
    for (const QByteArray& piece : header.split(';')) {
        const QByteArray item = piece.trimmed();
        const int equals = item.indexOf('=');
        if (equals <= 0 || item.left(equals).trimmed().compare(key, Qt::CaseInsensitive) != 0)
            continue;
        QByteArray value = item.mid(equals + 1).trimmed();
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2);
        return value;
    }
    return QByteArray();
}

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 201:
        return "Created";
    case 204:
        return "No Content";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 400:
        return "Bad Request";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    case 502:
        return "Bad Gateway";
    case 503:
        return "Service Unavailable";
    default:
        return "Status";
    }
}

enum class ParseResult
{
    Incomplete,
    Complete,
    Malformed,
};

// Decodes a chunked body starting at `from`; `end` receives the offset after the last chunk.
ParseResult decodeChunked(const QByteArray& buffer, int from, QByteArray& body, int& end)
{
    int pos = from;
    for (;;) {
        const int lineEnd = buffer.indexOf("\r\n", pos);
        if (lineEnd < 0)
            return ParseResult::Incomplete;
        bool ok = false;
        const int size = buffer.mid(pos, lineEnd - pos).split(';').first().trimmed().toInt(&ok, 16);
        if (!ok || size < 0)
            return ParseResult::Malformed;
        pos = lineEnd + 2;
        if (size == 0) {
            if (buffer.mid(pos, 2) == "\r\n") {
                end = pos + 2;
                return ParseResult::Complete;
            }
            const int trailerEnd = buffer.indexOf("\r\n\r\n", pos);
            if (trailerEnd < 0)
                return ParseResult::Incomplete;
            end = trailerEnd + 4;
            return ParseResult::Complete;
        }
        if (buffer.size() < pos + size + 2)
            return ParseResult::Incomplete;
        body.append(buffer.mid(pos, size));
        pos += size + 2;
    }
}

ParseResult parseRequest(const QByteArray& buffer, HttpRequest& request, int& consumed)
{
    const int headEnd = buffer.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return ParseResult::Incomplete;
    const int lineEnd = buffer.indexOf("\r\n");
    const QList<QByteArray> requestLine = buffer.left(lineEnd).split(' ');
    if (requestLine.size() != 3 || !requestLine.at(2).startsWith("HTTP/"))
        return ParseResult::Malformed;

    request = HttpRequest();
    request.method = requestLine.at(0);
    request.target = requestLine.at(1);
    const int question = request.target.indexOf('?');
    request.path = question < 0 ? request.target : request.target.left(question);
    request.query = question < 0 ? QByteArray() : request.target.mid(question + 1);
    request.headers = parseHeaderLines(buffer.mid(lineEnd + 2, headEnd - lineEnd - 2));

    const int bodyStart = headEnd + 4;
    if (request.header("Transfer-Encoding").toLower().contains("chunked"))
        return decodeChunked(buffer, bodyStart, request.body, consumed);

    const QByteArray lengthText = request.header("Content-Length");
    bool ok = true;
    const int length = lengthText.isEmpty() ? 0 : lengthText.trimmed().toInt(&ok);
    if (!ok || length < 0)
        return ParseResult::Malformed;
    if (buffer.size() < bodyStart + length)
        return ParseResult::Incomplete;
    request.body = buffer.mid(bodyStart, length);
    consumed = bodyStart + length;
    return ParseResult::Complete;
}

QByteArray serialize(const HttpResponse& response, bool closeAfter)
{
    QByteArray bytes = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' +
                       reasonPhrase(response.status) + "\r\n";
    for (const auto& header : response.headers)
        bytes += header.first + ": " + header.second + "\r\n";
    if (findHeader(response.headers, "Content-Length").isNull())
        bytes += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    if (findHeader(response.headers, "Connection").isNull())
        bytes += closeAfter ? "Connection: close\r\n" : "Connection: keep-alive\r\n";
    return bytes + "\r\n" + response.body;
}

} // namespace

QByteArray HttpPart::header(const QByteArray& headerName) const
{
    return findHeader(headers, headerName);
}

QByteArray HttpRequest::header(const QByteArray& name) const
{
    return findHeader(headers, name);
}

QList<HttpPart> HttpRequest::multipartParts() const
{
    const QByteArray contentType = header("Content-Type");
    if (!contentType.trimmed().toLower().startsWith("multipart/"))
        return {};
    const QByteArray boundary = headerParameter(contentType, "boundary");
    if (boundary.isEmpty())
        return {};

    QList<HttpPart> parts;
    const QByteArray delimiter = "--" + boundary;
    int pos = body.indexOf(delimiter);
    while (pos >= 0) {
        pos += delimiter.size();
        if (body.mid(pos, 2) == "--")
            break; // closing delimiter
        const int next = body.indexOf("\r\n" + delimiter, pos);
        if (next < 0)
            break;
        const QByteArray raw = body.mid(pos, next - pos);
        const int headEnd = raw.indexOf("\r\n\r\n");
        if (headEnd >= 0) {
            HttpPart part;
            part.headers = parseHeaderLines(raw.left(headEnd));
            part.body = raw.mid(headEnd + 4);
            const QByteArray disposition = part.header("Content-Disposition");
            part.name = headerParameter(disposition, "name");
            part.fileName = headerParameter(disposition, "filename");
            parts.append(part);
        }
        pos = next + 2;
    }
    return parts;
}

HttpResponse HttpResponse::ok(const QByteArray& body, const QByteArray& contentType)
{
    HttpResponse response;
    response.body = body;
    return response.withHeader("Content-Type", contentType);
}

HttpResponse& HttpResponse::withHeader(const QByteArray& name, const QByteArray& value)
{
    headers.append(qMakePair(name, value));
    return *this;
}

HttpResponse HttpResponse::withStatus(int status, const QByteArray& body)
{
    HttpResponse response;
    response.status = status;
    response.body = body;
    return response;
}

HttpResponse HttpResponse::delivered(Delivery delivery, const QByteArray& body)
{
    HttpResponse response;
    response.body = body;
    response.delivery = delivery;
    return response;
}

struct LoopbackHttpServer::Connection
{
    QByteArray buffer;
    QByteArray pending;      // answer bytes still to trickle out
    QTimer* timer = nullptr; // child of the socket
    bool busy = false;       // an answer is under way (or never comes): read, but do not parse
    bool closeAfter = false;
};

LoopbackHttpServer::LoopbackHttpServer(QObject* parent) : QObject(parent)
{
    m_server = new QTcpServer(this);
    connect(m_server, &QTcpServer::newConnection, this, &LoopbackHttpServer::acceptConnections);
    if (!m_server->listen(QHostAddress::LocalHost, 0))
        qWarning() << "LoopbackHttpServer cannot listen:" << m_server->errorString();
}

LoopbackHttpServer::~LoopbackHttpServer()
{
    // The sockets die with the server; they must not call back into a half-destroyed object.
    for (auto& entry : m_connections)
        entry.first->disconnect(this);
    delete m_server;
}

bool LoopbackHttpServer::isListening() const
{
    return m_server->isListening();
}

quint16 LoopbackHttpServer::port() const
{
    return m_server->serverPort();
}

QString LoopbackHttpServer::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(port());
}

QUrl LoopbackHttpServer::url(const QString& path) const
{
    return QUrl(baseUrl() + path);
}

void LoopbackHttpServer::setHandler(const QByteArray& path, Handler handler)
{
    m_handlers.insert(path, std::move(handler));
}

void LoopbackHttpServer::setResponse(const QByteArray& path, const HttpResponse& response)
{
    setHandler(path, [response](const HttpRequest&) { return response; });
}

void LoopbackHttpServer::setResponses(const QByteArray& path, const QList<HttpResponse>& responses)
{
    if (responses.isEmpty())
        return;
    auto next = std::make_shared<int>(0);
    setHandler(path, [responses, next](const HttpRequest&) {
        const int index = qMin(*next, responses.size() - 1);
        ++*next;
        return responses.at(index);
    });
}

void LoopbackHttpServer::dropConnections(int count)
{
    m_dropCount = qMax(0, count);
}

int LoopbackHttpServer::requestCount(const QByteArray& path) const
{
    int count = 0;
    for (const HttpRequest& request : m_requests)
        count += request.path == path ? 1 : 0;
    return count;
}

bool LoopbackHttpServer::waitForRequests(int count, int timeoutMilliseconds) const
{
    return QTest::qWaitFor([this, count] { return m_requests.size() >= count; },
                           timeoutMilliseconds);
}

void LoopbackHttpServer::acceptConnections()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        ++m_connectionCount;
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        // By the time destroyed() is emitted only the QObject part is left: use the kept key.
        connect(socket, &QObject::destroyed, this, [this, socket] { m_connections.erase(socket); });
        if (m_dropCount > 0) {
            --m_dropCount;
            socket->disconnectFromHost();
            continue;
        }
        auto connection = std::make_unique<Connection>();
        connection->timer = new QTimer(socket);
        connect(connection->timer, &QTimer::timeout, this, [this, socket] { trickle(socket); });
        m_connections.emplace(socket, std::move(connection));
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
        if (socket->bytesAvailable() > 0)
            readFrom(socket);
    }
}

void LoopbackHttpServer::readFrom(QTcpSocket* socket)
{
    const auto it = m_connections.find(socket);
    if (it == m_connections.end())
        return;
    Connection& connection = *it->second;
    connection.buffer.append(socket->readAll());
    while (!connection.busy && socket->state() == QAbstractSocket::ConnectedState) {
        HttpRequest request;
        int consumed = 0;
        const ParseResult result = parseRequest(connection.buffer, request, consumed);
        if (result == ParseResult::Incomplete)
            return;
        if (result == ParseResult::Malformed) {
            connection.busy = true;
            socket->write(serialize(HttpResponse::withStatus(400), true));
            socket->disconnectFromHost();
            return;
        }
        connection.buffer.remove(0, consumed);
        m_requests.append(request);
        emit requestReceived(request);
        answer(socket, connection, request);
    }
}

HttpResponse LoopbackHttpServer::responseFor(const HttpRequest& request)
{
    const auto handler = m_handlers.constFind(request.path);
    if (handler == m_handlers.constEnd())
        return HttpResponse::withStatus(404);
    return (*handler)(request);
}

void LoopbackHttpServer::answer(QTcpSocket* socket, Connection& connection,
                                const HttpRequest& request)
{
    const HttpResponse response = responseFor(request);
    connection.closeAfter = request.header("Connection").toLower() == "close";
    const QByteArray bytes = serialize(response, connection.closeAfter);

    switch (response.delivery) {
    case HttpResponse::Delivery::Whole:
        socket->write(bytes);
        if (connection.closeAfter) {
            connection.busy = true;
            socket->disconnectFromHost();
        }
        return;
    case HttpResponse::Delivery::ByteByByte:
        connection.busy = true;
        connection.pending = bytes;
        connection.timer->start(m_byteInterval);
        return;
    case HttpResponse::Delivery::CloseMidBody:
        connection.busy = true;
        socket->write(bytes.left(bytes.size() - response.body.size() + response.body.size() / 2));
        socket->disconnectFromHost();
        return;
    case HttpResponse::Delivery::NeverAnswer:
        connection.busy = true;
        return;
    case HttpResponse::Delivery::Drop:
        connection.busy = true;
        socket->disconnectFromHost();
        return;
    }
}

void LoopbackHttpServer::trickle(QTcpSocket* socket)
{
    const auto it = m_connections.find(socket);
    if (it == m_connections.end())
        return;
    Connection& connection = *it->second;
    if (!connection.pending.isEmpty()) {
        socket->write(connection.pending.left(1));
        connection.pending.remove(0, 1);
    }
    if (!connection.pending.isEmpty())
        return;
    connection.timer->stop();
    if (connection.closeAfter) {
        socket->disconnectFromHost();
        return;
    }
    connection.busy = false;
    readFrom(socket); // requests that queued up behind the slow answer
}
