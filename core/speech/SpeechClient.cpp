#include "core/speech/SpeechClient.h"

#include <QDebug>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {

const char* const kTooLargeProperty = "pictorbTooLarge";

} // namespace

SpeechClient::SpeechClient(QObject* parent)
    : QObject(parent), m_network(new QNetworkAccessManager(this))
{
}

QString SpeechClient::noAnswerText()
{
    return tr("The speech service did not answer");
}

QString SpeechClient::unusableResultText()
{
    return tr("The service returned no usable result");
}

QByteArray SpeechClient::contentDisposition(const QString& fileName)
{
    // Quote and backslash become quoted pairs; line breaks and other control characters
    // cannot be quoted inside a header, so they are percent-encoded as browsers do.
    QByteArray name;
    for (const char c : fileName.toUtf8()) {
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

bool SpeechClient::wasTooLarge(QNetworkReply* reply)
{
    return reply->property(kTooLargeProperty).toBool();
}

QByteArray SpeechClient::readBody(QNetworkReply* reply)
{
    // An aborted or timed-out reply is closed and has nothing left to read.
    if (wasTooLarge(reply) || !reply->isOpen())
        return QByteArray();
    return reply->readAll();
}

void SpeechClient::limitResponse(QNetworkReply* reply, int timeoutMs)
{
    // The transfer time-out only notices silence: a server sending a byte now and then would
    // hold the request open for ever. Once the request is out, the whole answer must arrive
    // within the same time.
    auto* answerTime = new QTimer(reply);
    answerTime->setSingleShot(true);
    answerTime->setInterval(timeoutMs);
    connect(answerTime, &QTimer::timeout, reply, [reply] {
        qWarning() << "Speech answer too slow, abandoned:" << reply->url().path();
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
        if ((announced <= kMaxResponseBytes && held <= kMaxResponseBytes) || wasTooLarge(reply))
            return;
        qWarning() << "Speech answer too large, abandoned:" << announced << held;
        reply->setProperty(kTooLargeProperty, true);
        reply->abort();
    };
    connect(reply, &QNetworkReply::metaDataChanged, reply, check);
    connect(reply, &QNetworkReply::readyRead, reply, check);
}
