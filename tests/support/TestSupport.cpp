#include "support/TestSupport.h"

#include "core/base/PlatformShell.h"
#include "core/images/ImageCaption.h"
#include "gui/application/GlobalManager.h"
#include "gui/images/ImageItem.h"

#include <QHostAddress>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtEndian>

namespace TestSupport {

void isolateUserFolders(const QString& root)
{
    const auto set = [&root](const char* name, const QString& sub) {
        QDir().mkpath(root + sub);
        qputenv(name, QFile::encodeName(root + sub));
    };
    set("HOME", QStringLiteral("/home"));
    set("XDG_CONFIG_HOME", QStringLiteral("/home/.config"));
    set("XDG_DATA_HOME", QStringLiteral("/home/.local/share"));
    set("XDG_CACHE_HOME", QStringLiteral("/home/.cache"));
    set("TMPDIR", QStringLiteral("/tmp"));
    set("XDG_RUNTIME_DIR", QStringLiteral("/runtime"));
    QFile::setPermissions(root + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // No test reaches the network unless it points an endpoint at its own server.
    for (const char* endpoint : {"PICTORB_SITE_URL", "PICTORB_UPDATE_URL", "PICTORB_SPEECH_URL"})
        qputenv(endpoint, QByteArray());
}

// ---- log capture ---------------------------------------------------------------------------

namespace {

QMutex g_logMutex;
QStringList g_logLines;
QtMessageHandler g_previousHandler = nullptr;

void captureMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    {
        QMutexLocker locker(&g_logMutex);
        g_logLines << message;
    }
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

} // namespace

LogCapture::LogCapture()
{
    QMutexLocker locker(&g_logMutex);
    g_logLines.clear();
    g_previousHandler = qInstallMessageHandler(captureMessage);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(g_previousHandler);
}

bool LogCapture::contains(const QString& part) const
{
    return count(part) > 0;
}

int LogCapture::count(const QString& part) const
{
    QMutexLocker locker(&g_logMutex);
    return int(std::count_if(g_logLines.cbegin(), g_logLines.cend(),
                             [&part](const QString& line) { return line.contains(part); }));
}

QStringList LogCapture::lines() const
{
    QMutexLocker locker(&g_logMutex);
    return g_logLines;
}

// ---- pictures ------------------------------------------------------------------------------

QImage solid(int width, int height, const QColor& color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

QImage noise(int width, int height, quint32 seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < height; ++y)
        random.fillRange(reinterpret_cast<quint32*>(image.scanLine(y)), width);
    return image;
}

QImage pattern(int tag, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb(10 + 20 * tag, y % 251, x % 241);
    }
    return image;
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QByteArray pngHeaderOnly(quint32 width, quint32 height)
{
    const auto chunk = [](const QByteArray& type, const QByteArray& data) {
        quint32 crc = 0xFFFFFFFFu;
        for (const char c : type + data) {
            crc ^= quint8(c);
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
        char numbers[8];
        qToBigEndian(quint32(data.size()), numbers);
        qToBigEndian(~crc, numbers + 4);
        return QByteArray(numbers, 4) + type + data + QByteArray(numbers + 4, 4);
    };
    char size[8];
    qToBigEndian(width, size);
    qToBigEndian(height, size + 4);
    const QByteArray header = QByteArray(size, 8) + QByteArray("\x08\x02\x00\x00\x00", 5);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) +
           chunk("IDAT", QByteArray("\x78\x9c\x00", 3));
}

int lightPixels(const QImage& image, const QRect& area, int level)
{
    const QRect rect = area.isNull() ? image.rect() : area.intersected(image.rect());
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            count += qRed(p) > level && qGreen(p) > level && qBlue(p) > level ? 1 : 0;
        }
    }
    return count;
}

QImage subtitledStill(const QSize& size, quint32 seed, const QString& text, QRect* rows)
{
    QImage still(size, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    const int hue = random.bounded(360);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(still.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int grain = random.bounded(12);
            line[x] =
                QColor::fromHsv((hue + x / 8) % 360, 120, 60 + y * 100 / size.height() + grain)
                    .rgb();
        }
    }
    if (text.isEmpty())
        return still;
    QPainterPath path;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(size.height() / 16);
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    path.translate(size.width() / 2.0 - bounds.center().x(), size.height() * 0.9 - bounds.bottom());
    QPainter painter(&still);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(path, QPen(Qt::black, 4));
    painter.fillPath(path, Qt::white);
    if (rows)
        *rows = path.boundingRect().adjusted(-2, -2, 2, 2).toAlignedRect();
    return still;
}

// ---- cards ---------------------------------------------------------------------------------

std::unique_ptr<ImageItem> card(const QImage& picture)
{
    auto item = std::make_unique<ImageItem>();
    item->setCanvasSize(picture.width(), picture.height());
    item->setImage(picture);
    item->setCaption(std::make_shared<ImageCaption>());
    item->setChecked(true);
    return item;
}

Selection::~Selection()
{
    GlobalManager::instance()->selectedItems().clear();
}

ImageItem* Selection::add(const QImage& picture)
{
    m_cards.push_back(card(picture));
    GlobalManager::instance()->selectedItems().append(m_cards.back().get());
    return m_cards.back().get();
}

// ---- desktop -------------------------------------------------------------------------------

DesktopCatcher::DesktopCatcher()
{
    for (const char* scheme : {"http", "https", "file"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "openUrl");
    PlatformShell::setRevealHandler([this](const QStringList& paths) { revealed << paths; });
}

DesktopCatcher::~DesktopCatcher()
{
    for (const char* scheme : {"http", "https", "file"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    PlatformShell::setRevealHandler({});
}

// ---- loopback HTTP -------------------------------------------------------------------------

QByteArray HttpRequest::header(const QByteArray& name) const
{
    for (const auto& pair : headers) {
        if (pair.first.compare(name, Qt::CaseInsensitive) == 0)
            return pair.second;
    }
    return QByteArray();
}

QPair<QByteArray, QByteArray> HttpRequest::part(const QByteArray& name) const
{
    const QByteArray type = header("Content-Type");
    const int at = type.indexOf("boundary=");
    if (at < 0)
        return {};
    const QByteArray delimiter = "--" + type.mid(at + 9).replace('"', "");
    const QRegularExpression named(QStringLiteral("name=\"%1\"").arg(QString::fromUtf8(name)));
    const QRegularExpression file(QStringLiteral("filename=\"((?:[^\"\\\\]|\\\\.)*)\""));
    for (int pos = body.indexOf(delimiter); pos >= 0;) {
        const int start = pos + delimiter.size() + 2;
        const int next = body.indexOf("\r\n" + delimiter, start);
        if (next < 0)
            break;
        const QByteArray piece = body.mid(start, next - start);
        const int headEnd = piece.indexOf("\r\n\r\n");
        const QString head = QString::fromUtf8(piece.left(headEnd));
        if (headEnd >= 0 && named.match(head).hasMatch())
            return {file.match(head).captured(1).toUtf8(), piece.mid(headEnd + 4)};
        pos = next + 2;
    }
    return {};
}

LoopbackServer::LoopbackServer() : m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &LoopbackServer::accept);
    m_server->listen(QHostAddress::LocalHost, 0);
}

LoopbackServer::~LoopbackServer()
{
    // The sockets go with the server; none may call back into a half-destroyed object.
    for (auto& entry : m_buffers)
        entry.first->disconnect(this);
    delete m_server;
}

QString LoopbackServer::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_server->serverPort());
}

void LoopbackServer::setHandler(const QByteArray& path, Handler handler)
{
    m_handlers.insert(path, std::move(handler));
}

void LoopbackServer::setResponses(const QByteArray& path, const QList<HttpResponse>& responses)
{
    auto next = std::make_shared<int>(0);
    setHandler(path, [responses, next](const HttpRequest&) {
        return responses.at(std::min((*next)++, responses.size() - 1));
    });
}

int LoopbackServer::requestCount(const QByteArray& path) const
{
    return int(std::count_if(m_requests.cbegin(), m_requests.cend(),
                             [&path](const HttpRequest& request) { return request.path == path; }));
}

bool LoopbackServer::waitForRequests(int count, int timeout) const
{
    return QTest::qWaitFor([this, count] { return m_requests.size() >= count; }, timeout);
}

void LoopbackServer::accept()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        m_buffers.emplace(socket, QByteArray());
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QObject::destroyed, this, [this, socket] { m_buffers.erase(socket); });
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
    }
}

// Reads one request at a time: a header block, then a body of Content-Length bytes.
void LoopbackServer::read(QTcpSocket* socket)
{
    QByteArray& buffer = m_buffers[socket];
    buffer += socket->readAll();
    const int headEnd = buffer.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return;
    HttpRequest request;
    const QList<QByteArray> lines = buffer.left(headEnd).split('\n');
    const QList<QByteArray> first = lines.first().trimmed().split(' ');
    request.method = first.value(0);
    const QByteArray target = first.value(1);
    const int question = target.indexOf('?');
    request.path = question < 0 ? target : target.left(question);
    request.query = question < 0 ? QByteArray() : target.mid(question + 1);
    for (const QByteArray& line : lines.mid(1)) {
        const int colon = line.indexOf(':');
        if (colon > 0)
            request.headers.append({line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
    }
    const int length = request.header("Content-Length").toInt();
    if (buffer.size() < headEnd + 4 + length)
        return;
    request.body = buffer.mid(headEnd + 4, length);
    buffer.remove(0, headEnd + 4 + length);
    m_requests << request;
    const auto handler = m_handlers.constFind(request.path);
    answer(socket, handler == m_handlers.constEnd() ? HttpResponse{404, {}, {}, HttpResponse::Whole}
                                                    : (*handler)(request));
}

void LoopbackServer::answer(QTcpSocket* socket, const HttpResponse& response)
{
    QByteArray bytes = "HTTP/1.1 " + QByteArray::number(response.status) + " Status\r\n";
    bool hasLength = false;
    for (const auto& header : response.headers) {
        bytes += header.first + ": " + header.second + "\r\n";
        hasLength |= header.first.compare("Content-Length", Qt::CaseInsensitive) == 0;
    }
    if (!hasLength)
        bytes += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    bytes += "\r\n" + response.body;
    switch (response.delivery) {
    case HttpResponse::Whole:
        socket->write(bytes);
        break;
    case HttpResponse::Trickle: {
        auto* timer = new QTimer(socket);
        auto rest = std::make_shared<QByteArray>(bytes);
        connect(timer, &QTimer::timeout, socket, [socket, timer, rest] {
            socket->write(rest->left(1));
            rest->remove(0, 1);
            if (rest->isEmpty())
                timer->stop();
        });
        timer->start(5);
        break;
    }
    case HttpResponse::CloseMidBody:
        socket->write(bytes.left(bytes.size() - response.body.size() / 2));
        socket->disconnectFromHost();
        break;
    case HttpResponse::NeverAnswer:
        break;
    case HttpResponse::Drop:
        socket->disconnectFromHost();
        break;
    }
}

} // namespace TestSupport
