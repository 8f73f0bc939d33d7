#include "core/speech/TranscriptionClient.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QHttpMultiPart>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include "core/speech/SpeechSettings.h"

namespace {

QHttpPart textPart(const QByteArray& name, const QString& value)
{
    QHttpPart part;
    part.setRawHeader("Content-Disposition", "form-data; name=\"" + name + '"');
    part.setBody(value.toUtf8());
    return part;
}

} // namespace

TranscriptionClient::TranscriptionClient(QObject* parent) : SpeechClient(parent)
{
}

QString TranscriptionClient::languageCode(const QString& language)
{
    return language.section(QLatin1Char('-'), 0, 0).toLower();
}

void TranscriptionClient::start(const QString& audioPath, const QString& language,
                                const SpeechSettings& settings, const QString& apiKey)
{
    cancel();
    const QString base = settings.baseUrl();
    qDebug() << "Transcription of" << audioPath << "in" << language << "by" << base
             << settings.model();
    auto* file = new QFile(audioPath);
    if (base.isEmpty() || !file->open(QIODevice::ReadOnly)) {
        qWarning() << "Transcription not sent: address" << base << "audio" << audioPath;
        delete file;
        emit failed(noAnswerText());
        return;
    }
    QNetworkRequest request(QUrl(base + QStringLiteral("/v1/audio/transcriptions")));
    const int timeout = settings.timeoutSeconds() * 1000;
    request.setTransferTimeout(timeout);
    // Only in the header, never in the address or the log.
    if (!apiKey.isEmpty())
        request.setRawHeader("Authorization", "Bearer " + apiKey.toUtf8());

    auto* body = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    QHttpPart audio;
    audio.setRawHeader("Content-Type", "application/octet-stream");
    audio.setRawHeader("Content-Disposition", contentDisposition(QFileInfo(audioPath).fileName()));
    audio.setBodyDevice(file);
    file->setParent(body);
    body->append(audio);
    body->append(textPart("model", settings.model()));
    body->append(textPart("language", languageCode(language)));
    body->append(textPart("response_format", QStringLiteral("verbose_json")));

    QNetworkReply* reply = network()->post(request, body);
    body->setParent(reply);
    limitResponse(reply, timeout);
    m_reply = reply;
    connect(reply, &QNetworkReply::uploadProgress, this, [this, reply](qint64 sent, qint64 total) {
        if (reply != m_reply || total <= 0)
            return;
        emit uploadProgress(sent, total);
        if (sent == total)
            emit recognising();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { finished(reply); });
}

void TranscriptionClient::finished(QNetworkReply* reply)
{
    reply->deleteLater();
    if (reply != m_reply)
        return;
    m_reply.clear();
    if (reply->error() != QNetworkReply::NoError) {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        qWarning() << "Transcription failed:" << status << reply->errorString();
        if (status == 401 || status == 403)
            emit failed(tr("The transcription service refused the API key"));
        else
            emit failed(wasTooLarge(reply) ? unusableResultText() : noAnswerText());
        return;
    }
    emit received(readBody(reply));
}

void TranscriptionClient::cancel()
{
    // Cleared first: the abort finishes the reply at once, and a cancelled run reports nothing.
    if (QNetworkReply* reply = m_reply.data()) {
        m_reply.clear();
        reply->abort();
    }
}
