#include "core/update/DownloadManager.h"

#include "core/base/Endpoints.h"

#include <QDebug>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include <memory>

namespace {

// What one attempt has read so far; shared by the reply's readyRead and finished handlers.
struct Download
{
    QByteArray body;
    bool tooLarge = false;
};

// Reads what the reply holds, never keeping more than one byte over the limit.
void readCapped(QNetworkReply* reply, Download& download)
{
    const qint64 room = DownloadManager::kMaxManifestSize + 1 - download.body.size();
    if (room > 0)
        download.body.append(reply->read(room));
    if (download.body.size() > DownloadManager::kMaxManifestSize)
        download.tooLarge = true;
}

} // namespace

DownloadManager* DownloadManager::instance()
{
    static DownloadManager* manager = new DownloadManager;
    return manager;
}

DownloadManager::DownloadManager() : m_network(new QNetworkAccessManager(this))
{
    qRegisterMetaType<DownloadManager::DownloadState>("DownloadManager::DownloadState");
}

QString DownloadManager::manifestUrl()
{
    const QString host = Endpoints::updateUrl();
    return host.isEmpty() ? QString() : host + QStringLiteral("/pictorb/upgrade.json");
}

QString DownloadManager::requestTag(const QString& statusMessage)
{
    return statusMessage.section(QLatin1Char(','), -1);
}

void DownloadManager::downloadLastVersion(const QString& tag, int retries)
{
    const QString url = manifestUrl();
    const QString status = url + QLatin1Char(',') + tag;
    if (url.isEmpty()) {
        qDebug() << "downloadLastVersion: update check switched off" << tag;
        emit downloadLastVersionStateChanged(Error, status,
                                             QByteArrayLiteral("update check switched off"));
        return;
    }

    QNetworkRequest request{QUrl(url)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(m_transferTimeout);
    QNetworkReply* reply = m_network->get(request);
    qDebug() << "downloadLastVersion:" << url << tag;

    auto download = std::make_shared<Download>();
    connect(reply, &QNetworkReply::readyRead, this, [reply, download] {
        readCapped(reply, *download);
        if (download->tooLarge)
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, download, status, tag, retries] {
        reply->deleteLater();
        if (!download->tooLarge && reply->error() == QNetworkReply::NoError)
            readCapped(reply, *download);
        if (download->tooLarge) {
            qWarning() << "downloadLastVersion manifest larger than" << kMaxManifestSize
                       << "bytes, ignored";
            emit downloadLastVersionStateChanged(Finished, status, QByteArray());
            return;
        }
        if (reply->error() != QNetworkReply::NoError) {
            qDebug() << "downloadLastVersion error:" << reply->errorString();
            qDebug() << "try to downloadLastVersion again:" << retries;
            if (retries > 0)
                downloadLastVersion(tag, retries - 1);
            else
                emit downloadLastVersionStateChanged(Error, status, reply->errorString().toUtf8());
            return;
        }
        qDebug() << "downloadLastVersion complete";
        emit downloadLastVersionStateChanged(Finished, status, download->body);
    });

    emit downloadLastVersionStateChanged(Start, status, QByteArray());
}
