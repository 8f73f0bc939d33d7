#include "core/speech/HttpManager.h"

#include <QDebug>
#include <QFile>
#include <QHttpMultiPart>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include "core/base/Endpoints.h"

namespace {

const char* const kTooLargeProperty = "pictorbTooLarge";
const QString kTaskIdApi = QStringLiteral("task_id");

// The body, or nothing when it was abandoned for its size.
QByteArray readBody(QNetworkReply* reply)
{
    // An aborted or timed-out reply is closed and has nothing left to read.
    if (reply->property(kTooLargeProperty).toBool() || !reply->isOpen())
        return QByteArray();
    return reply->readAll();
}

} // namespace

HttpManager* HttpManager::instance()
{
    static HttpManager* manager = new HttpManager;
    return manager;
}

HttpManager::HttpManager() : m_network(new QNetworkAccessManager(this))
{
}

QByteArray HttpManager::contentDisposition(const QString& filePath)
{
    // Quote and backslash become quoted pairs; line breaks and other control characters
    // cannot be quoted inside a header, so they are percent-encoded as browsers do.
    QByteArray name;
    for (const char c : filePath.toUtf8()) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\')
            name += '\\';
        if (byte < 0x20 || byte == 0x7f)
            name += '%' + QByteArray::number(byte, 16).rightJustified(2, '0').toUpper();
        else
            name += c;
    }
    return "form-data; name=\"file\"; filename=\"" + name + '"';
}

QNetworkRequest HttpManager::request(const QString& pathAndQuery) const
{
    QNetworkRequest request(QUrl(Endpoints::speechUrl() + pathAndQuery));
    request.setTransferTimeout(m_transferTimeout);
    return request;
}

void HttpManager::limitResponse(QNetworkReply* reply)
{
    // The transfer time-out only notices silence: a server sending a byte now and then would
    // hold the request open for ever. Once the request is out, the whole answer must arrive
    // within the same time.
    auto* answerTime = new QTimer(reply);
    answerTime->setSingleShot(true);
    answerTime->setInterval(m_transferTimeout);
    connect(answerTime, &QTimer::timeout, reply, [reply] {
        qWarning() << "Speech service answer too slow, abandoned:" << reply->url();
        reply->abort();
    });
    if (reply->operation() == QNetworkAccessManager::GetOperation) {
        answerTime->start();
    } else {
        connect(reply, &QNetworkReply::uploadProgress, answerTime,
                [answerTime](qint64 sent, qint64 total) {
                    if (sent == total && !answerTime->isActive())
                        answerTime->start();
                });
    }

    // The announced length is refused as soon as the headers arrive, the bytes held as they
    // come in; either way the reply is aborted instead of buffering on.
    const auto check = [reply] {
        const qint64 announced = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
        const qint64 held = reply->bytesAvailable();
        if ((announced <= kMaxResponseBytes && held <= kMaxResponseBytes) ||
            reply->property(kTooLargeProperty).toBool())
            return;
        qWarning() << "Speech service answer too large, abandoned:" << announced << held;
        reply->setProperty(kTooLargeProperty, true);
        reply->abort();
    };
    connect(reply, &QNetworkReply::metaDataChanged, reply, check);
    connect(reply, &QNetworkReply::readyRead, reply, check);
}

void HttpManager::loadCaptions(const QString& filePath, const QString& language)
{
    qDebug() << "start loadCaptions" << filePath << language;
    if (Endpoints::speechUrl().isEmpty()) {
        qDebug() << "The speech service is switched off";
        return;
    }
    const QNetworkRequest submit =
        request(QStringLiteral("/api/speech/submit?language=%1")
                    .arg(QString::fromLatin1(QUrl::toPercentEncoding(language))));

    auto* file = new QFile(filePath);
    if (!file->open(QIODevice::ReadOnly)) {
        qDebug() << "Failed to open file" << filePath;
        delete file;
        return;
    }
    auto* body = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    QHttpPart part;
    part.setRawHeader("Content-Type", "multipart/form-data");
    part.setRawHeader("Content-Disposition", contentDisposition(filePath));
    part.setBodyDevice(file);
    file->setParent(body);
    body->append(part);

    QNetworkReply* reply = m_network->post(submit, body);
    body->setParent(reply);
    limitResponse(reply);
    m_uploadReply = reply;
    connect(reply, &QNetworkReply::finished, this, [this, reply] { uploadFinished(reply); });
}

void HttpManager::uploadFinished(QNetworkReply* reply)
{
    if (reply->error() != QNetworkReply::NoError) {
        qDebug() << "Request failed. Error: " << reply->errorString();
    } else {
        const QByteArray body = readBody(reply);
        const QString taskId = QJsonDocument::fromJson(body).object().value(kTaskIdApi).toString();
        getCaptionsByTaskId(taskId);
        qDebug() << "Request successful";
        qDebug() << "Response: " << body;
        qDebug() << "TaskId: " << taskId;
    }
    reply->deleteLater();
    // A newer upload may have taken the place of this one; keep that one cancellable.
    if (m_uploadReply == reply)
        m_uploadReply.clear();
}

void HttpManager::getCaptionsByTaskId(const QString& taskId)
{
    qDebug() << "start getCaptionsByTaskId";
    if (Endpoints::speechUrl().isEmpty()) {
        qDebug() << "The speech service is switched off";
        return;
    }
    // Encoded so an identifier cannot add query members or cut the address short.
    QNetworkReply* reply =
        m_network->get(request(QStringLiteral("/api/speech/query?task_id=") +
                               QString::fromLatin1(QUrl::toPercentEncoding(taskId))));
    limitResponse(reply);
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        const QByteArray body = readBody(reply);
        if (reply->error() != QNetworkReply::NoError)
            emit requestError(kTaskIdApi, QJsonObject(), body);
        else
            emit requestFinished(kTaskIdApi, QJsonObject(), body);
        reply->deleteLater();
    });
}

void HttpManager::stopUpload()
{
    if (m_uploadReply)
        m_uploadReply->abort();
}
