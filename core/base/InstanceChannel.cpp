#include "core/base/InstanceChannel.h"

#include "core/base/AppConfig.h"

#include <QDeadlineTimer>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace {

constexpr int kTimeoutMs = 3000;
// A message names files, not pictures; nothing near this is a real one.
constexpr qint64 kMaxMessageBytes = 1024 * 1024;

} // namespace

InstanceChannel::InstanceChannel(QObject* parent)
    : QObject(parent), m_server(new QLocalServer(this))
{
    connect(m_server, &QLocalServer::newConnection, this, &InstanceChannel::readMessage);
}

InstanceChannel::~InstanceChannel() = default;

QString InstanceChannel::serverName()
{
#ifdef Q_OS_WIN
    // Named pipes live per session on Windows; the user's name keeps them apart beyond that.
    return AppConfig::kProductName + QLatin1Char('-') + qEnvironmentVariable("USERNAME");
#else
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return (runtime.isEmpty() ? QDir::tempPath() : runtime) + QLatin1Char('/') +
           AppConfig::kProductName + QStringLiteral(".socket");
#endif
}

bool InstanceChannel::listen()
{
    // The instance guard is held, so a socket left by a killed instance is nobody's.
    QLocalServer::removeServer(serverName());
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(serverName())) {
        qWarning() << "InstanceChannel: cannot listen on" << serverName()
                   << m_server->errorString();
        return false;
    }
    return true;
}

bool InstanceChannel::send(const QStringList& files)
{
    QJsonArray paths;
    for (const QString& file : files)
        paths.append(QFileInfo(file).absoluteFilePath());
    const QByteArray message =
        QJsonDocument(QJsonObject{{QStringLiteral("files"), paths}}).toJson(QJsonDocument::Compact);
    // The running instance may be starting up itself and not listen yet.
    QLocalSocket socket;
    QDeadlineTimer deadline(kTimeoutMs);
    for (;;) {
        socket.connectToServer(serverName());
        if (socket.waitForConnected(int(deadline.remainingTime())))
            break;
        if (deadline.hasExpired()) {
            qWarning() << "InstanceChannel: no running instance answers:" << socket.errorString();
            return false;
        }
        QThread::msleep(100);
    }
    socket.write(message);
    socket.write("\n");
    const bool sent = socket.waitForBytesWritten(kTimeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kTimeoutMs);
    return sent;
}

void InstanceChannel::readMessage()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->bytesAvailable() > kMaxMessageBytes) {
                socket->abort();
                return;
            }
            if (!socket->canReadLine())
                return;
            const QJsonArray paths = QJsonDocument::fromJson(socket->readLine())
                                         .object()
                                         .value(QStringLiteral("files"))
                                         .toArray();
            QStringList files;
            for (const QJsonValue& path : paths) {
                if (path.isString())
                    files << path.toString();
            }
            qDebug() << "InstanceChannel: a later start asks for the window with" << files.size()
                     << "files";
            emit activationRequested(files);
        });
    }
}
