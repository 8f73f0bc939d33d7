#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;

// Client of the speech-recognition service: uploads an audio file (submit), then asks once
// for the result of the task it was given (query) and hands the answer on unparsed.
class HttpManager final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HttpManager)

public:
    static HttpManager* instance();

    // Does nothing but log while the service address is switched off.
    void loadCaptions(const QString& filePath, const QString& language);
    void getCaptionsByTaskId(const QString& taskId);
    // Cancels the upload in flight; a query already sent still completes.
    void stopUpload();

    // A request that moves no data for this long fails, so a silent server cannot hold a
    // recognition open for ever.
    void setTransferTimeout(int ms) { m_transferTimeout = ms; }
    int transferTimeout() const { return m_transferTimeout; }

    // The part header naming the uploaded file, with the path kept whole but unable to end
    // the quoted value or the header line early.
    static QByteArray contentDisposition(const QString& filePath);

    static constexpr int kDefaultTransferTimeout = 5 * 60 * 1000;
    // Answers larger than this are abandoned rather than buffered (no larger recognition
    // result would be used).
    static constexpr qint64 kMaxResponseBytes = 16 * 1024 * 1024;

signals:
    void requestFinished(QString api, QJsonObject request, QByteArray data);
    void requestError(QString api, QJsonObject request, QByteArray error);

private:
    HttpManager();
    QNetworkRequest request(const QString& pathAndQuery) const;
    void limitResponse(QNetworkReply* reply);
    void uploadFinished(QNetworkReply* reply);

    QNetworkAccessManager* m_network = nullptr;
    QPointer<QNetworkReply> m_uploadReply;
    int m_transferTimeout = kDefaultTransferTimeout;
};
