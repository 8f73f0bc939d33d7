#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QJsonObject>
#include <QPointer>
#include <QString>

#include "core/speech/SpeechClient.h"

class QNetworkReply;
class QNetworkRequest;
class QTimer;

// Client of the Pictorb speech service: uploads an audio file (submit), then asks for the
// result of the task it was given (query) again and again, further apart each time, until
// the task is done, has failed, or the recognition time-out has passed.
class HttpManager final : public SpeechClient
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HttpManager)

public:
    static HttpManager* instance();

    void start(const QString& audioPath, const QString& language, const SpeechSettings& settings,
               const QString& apiKey) override;
    void cancel() override;

    // start() with the stored settings. Does nothing but log while the service address is
    // switched off.
    void loadCaptions(const QString& filePath, const QString& language);
    void getCaptionsByTaskId(const QString& taskId);
    // Cancels the upload in flight; a query already sent still completes.
    void stopUpload();

    // A request that moves no data for this long fails, so a silent server cannot hold a
    // recognition open for ever.
    void setTransferTimeout(int ms) { m_transferTimeout = ms; }
    int transferTimeout() const { return m_transferTimeout; }

    static constexpr int kDefaultTransferTimeout = 5 * 60 * 1000;
    // The first query follows the upload at once; each wait after it is this much longer
    // than the one before, up to the longest.
    static constexpr int kFirstQueryInterval = 300;
    static constexpr double kQueryIntervalGrowth = 1.6;
    static constexpr int kLongestQueryInterval = 10000;

signals:
    void requestFinished(QString api, QJsonObject request, QByteArray data);
    void requestError(QString api, QJsonObject request, QByteArray error);

private:
    HttpManager();
    QNetworkRequest request(const QString& pathAndQuery) const;
    int requestTimeout() const;
    void uploadFinished(QNetworkReply* reply, int run);
    void queryFinished(QNetworkReply* reply, int run);
    void queryAgain();
    void fail(const QString& reason, const QString& detail);

    QPointer<QNetworkReply> m_uploadReply;
    QPointer<QNetworkReply> m_queryReply;
    QTimer* m_queryTimer;
    QString m_baseUrl;
    QString m_taskId;
    QDeadlineTimer m_deadline;
    int m_interval = kFirstQueryInterval;
    int m_transferTimeout = kDefaultTransferTimeout;
    int m_run = 0; // replies of an earlier or cancelled run are ignored
};
