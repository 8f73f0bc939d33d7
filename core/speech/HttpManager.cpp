#include "core/speech/HttpManager.h"

#include <algorithm>

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QHttpMultiPart>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include "core/speech/SpeechSettings.h"

namespace {

const QString kTaskIdApi = QStringLiteral("task_id");

// What a query answer says of the task.
enum class TaskState
{
    Running,
    Done,
    Failed,
    Unusable
};

TaskState taskState(const QJsonDocument& answer)
{
    if (!answer.isObject())
        return TaskState::Unusable;
    const QJsonObject object = answer.object();
    const QString state = object.value(QStringLiteral("state")).toString().toLower();
    const bool hasLines = object.value(QStringLiteral("utterances")).isArray();
    if (state == QLatin1String("failed") || state == QLatin1String("error"))
        return TaskState::Failed;
    if (state.isEmpty() || state == QLatin1String("success"))
        return hasLines ? TaskState::Done
                        : (state.isEmpty() ? TaskState::Running : TaskState::Unusable);
    return TaskState::Running;
}

} // namespace

HttpManager* HttpManager::instance()
{
    static HttpManager* manager = new HttpManager;
    return manager;
}

HttpManager::HttpManager() : m_queryTimer(new QTimer(this))
{
    m_queryTimer->setSingleShot(true);
    connect(m_queryTimer, &QTimer::timeout, this, &HttpManager::queryAgain);
}

QNetworkRequest HttpManager::request(const QString& pathAndQuery) const
{
    QNetworkRequest request(QUrl(m_baseUrl + pathAndQuery));
    request.setTransferTimeout(requestTimeout());
    return request;
}

int HttpManager::requestTimeout() const
{
    const qint64 left = m_deadline.remainingTime();
    return left < 0 ? m_transferTimeout : int(std::clamp<qint64>(left, 1, m_transferTimeout));
}

void HttpManager::loadCaptions(const QString& filePath, const QString& language)
{
    SpeechSettings settings = SpeechSettings::load();
    settings.setProvider(SpeechSettings::Provider::PictorbService);
    start(filePath, language, settings, QString());
}

void HttpManager::start(const QString& audioPath, const QString& language,
                        const SpeechSettings& settings, const QString&)
{
    cancel();
    qDebug() << "start loadCaptions" << audioPath << language;
    m_baseUrl = settings.baseUrl();
    if (m_baseUrl.isEmpty()) {
        qDebug() << "The speech service is switched off";
        fail(noAnswerText(), QStringLiteral("no service address"));
        return;
    }
    m_deadline = QDeadlineTimer(qint64(settings.timeoutSeconds()) * 1000);
    const QNetworkRequest submit =
        request(QStringLiteral("/api/speech/submit?language=%1")
                    .arg(QString::fromLatin1(QUrl::toPercentEncoding(language))));

    auto* file = new QFile(audioPath);
    if (!file->open(QIODevice::ReadOnly)) {
        qDebug() << "Failed to open file" << audioPath;
        delete file;
        fail(noAnswerText(), QStringLiteral("the audio file cannot be read"));
        return;
    }
    auto* body = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    QHttpPart part;
    part.setRawHeader("Content-Type", "multipart/form-data");
    // The service needs the name for the file's type; where it lies on this computer is none of
    // its business.
    part.setRawHeader("Content-Disposition", contentDisposition(QFileInfo(audioPath).fileName()));
    part.setBodyDevice(file);
    file->setParent(body);
    body->append(part);

    QNetworkReply* reply = network()->post(submit, body);
    body->setParent(reply);
    limitResponse(reply, requestTimeout());
    m_uploadReply = reply;
    const int run = m_run;
    connect(reply, &QNetworkReply::uploadProgress, this, [this, run](qint64 sent, qint64 total) {
        if (run == m_run && total > 0)
            emit uploadProgress(sent, total);
    });
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, run] { uploadFinished(reply, run); });
}

void HttpManager::uploadFinished(QNetworkReply* reply, int run)
{
    reply->deleteLater();
    if (m_uploadReply == reply)
        m_uploadReply.clear();
    if (run != m_run)
        return;
    if (reply->error() != QNetworkReply::NoError) {
        qDebug() << "Request failed. Error: " << reply->errorString();
        fail(wasTooLarge(reply) ? unusableResultText() : noAnswerText(), reply->errorString());
        return;
    }
    const QByteArray body = readBody(reply);
    const QString taskId = QJsonDocument::fromJson(body).object().value(kTaskIdApi).toString();
    qDebug() << "Request successful";
    qDebug() << "Response: " << body.left(1000);
    qDebug() << "TaskId: " << taskId;
    if (taskId.isEmpty()) {
        fail(unusableResultText(), QStringLiteral("no task identifier"));
        return;
    }
    emit recognising();
    m_interval = kFirstQueryInterval;
    getCaptionsByTaskId(taskId);
}

void HttpManager::getCaptionsByTaskId(const QString& taskId)
{
    qDebug() << "start getCaptionsByTaskId";
    m_taskId = taskId;
    // Encoded so an identifier cannot add query members or cut the address short.
    QNetworkReply* reply =
        network()->get(request(QStringLiteral("/api/speech/query?task_id=") +
                               QString::fromLatin1(QUrl::toPercentEncoding(taskId))));
    limitResponse(reply, requestTimeout());
    m_queryReply = reply;
    const int run = m_run;
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, run] { queryFinished(reply, run); });
}

void HttpManager::queryFinished(QNetworkReply* reply, int run)
{
    reply->deleteLater();
    if (run != m_run)
        return;
    const QByteArray body = readBody(reply);
    if (reply->error() != QNetworkReply::NoError) {
        emit requestError(kTaskIdApi, QJsonObject(), body);
        fail(wasTooLarge(reply) ? unusableResultText() : noAnswerText(), reply->errorString());
        return;
    }
    switch (taskState(QJsonDocument::fromJson(body))) {
    case TaskState::Done:
        ++m_run;
        emit requestFinished(kTaskIdApi, QJsonObject(), body);
        emit received(body);
        return;
    case TaskState::Failed:
    case TaskState::Unusable:
        fail(unusableResultText(), QString::fromUtf8(body.left(200)));
        return;
    case TaskState::Running:
        break;
    }
    if (m_deadline.hasExpired()) {
        fail(noAnswerText(), QStringLiteral("the task was still running at the time-out"));
        return;
    }
    qDebug() << "The speech task is still running; asking again in" << m_interval << "ms";
    m_queryTimer->start(int(std::min<qint64>(m_interval, m_deadline.remainingTime())));
    m_interval = std::min(int(m_interval * kQueryIntervalGrowth), kLongestQueryInterval);
}

void HttpManager::queryAgain()
{
    getCaptionsByTaskId(m_taskId);
}

void HttpManager::fail(const QString& reason, const QString& detail)
{
    qWarning() << "Speech recognition failed:" << reason << "-" << detail;
    ++m_run;
    m_queryTimer->stop();
    emit failed(reason);
}

void HttpManager::cancel()
{
    ++m_run;
    m_queryTimer->stop();
    if (m_uploadReply)
        m_uploadReply->abort();
    if (m_queryReply)
        m_queryReply->abort();
}

void HttpManager::stopUpload()
{
    if (m_uploadReply)
        m_uploadReply->abort();
}
