#include "core/update/DownloadManager.h"

#include "core/base/Endpoints.h"
#include "core/update/UpdateManifest.h"

#include <QDebug>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <memory>

namespace {

// What one attempt has read so far; shared by the reply's readyRead and finished handlers.
struct Download
{
    QByteArray body;
    bool tooLarge = false;
    QByteArray failure; // why the answer was refused; empty while it is acceptable
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
    QDeadlineTimer deadline(m_timeLimit);
    attempt(tag, retries, deadline);
}

// A redirect may only stay on the manifest's host, or go from http to https on it; anything
// else would let a network in between point the check wherever it liked.
static bool allowedRedirect(const QUrl& from, const QUrl& to)
{
    const QString scheme = to.scheme().toLower();
    return to.host().compare(from.host(), Qt::CaseInsensitive) == 0 &&
           (scheme == from.scheme().toLower() || scheme == QLatin1String("https"));
}

void DownloadManager::attempt(const QString& tag, int retries, QDeadlineTimer deadline)
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
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setTransferTimeout(int(std::min<qint64>(m_transferTimeout, deadline.remainingTime())));
    QNetworkReply* reply = m_network->get(request);
    // The network layer buffers no more than a manifest may hold, so an endless body stops
    // being read at once instead of filling memory before the first chunk is looked at.
    reply->setReadBufferSize(kMaxManifestSize + 1);
    qDebug() << "downloadLastVersion:" << url << tag;

    auto download = std::make_shared<Download>();
    const auto refuse = [reply, download](const char* why) {
        qWarning() << "downloadLastVersion:" << why;
        download->failure = QByteArray(why);
        reply->abort();
    };
    connect(reply, &QNetworkReply::redirected, reply, [reply, url, refuse](const QUrl& target) {
        if (allowedRedirect(QUrl(url), target))
            emit reply->redirectAllowed();
        else
            refuse("redirect to another host or scheme refused");
    });
    connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, refuse] {
        if (reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > kMaxManifestSize)
            refuse("announced manifest too large");
    });
    connect(reply, &QNetworkReply::readyRead, reply, [reply, download, refuse] {
        readCapped(reply, *download);
        if (download->tooLarge)
            refuse("manifest too large");
    });
    // The whole check, retries included, ends in bounded time.
    auto* limit = new QTimer(reply);
    limit->setSingleShot(true);
    connect(limit, &QTimer::timeout, reply, [refuse] { refuse("update check timed out"); });
    limit->start(int(std::max<qint64>(0, deadline.remainingTime())));

    connect(reply, &QNetworkReply::finished, this, [=] {
        reply->deleteLater();
        if (download->failure.isEmpty() && reply->error() == QNetworkReply::NoError) {
            readCapped(reply, *download);
            if (download->tooLarge)
                download->failure = "manifest too large";
            else if (!UpdateManifest::isManifest(download->body))
                download->failure = "not an update manifest";
        }
        if (download->failure.isEmpty() && reply->error() == QNetworkReply::NoError) {
            qDebug() << "downloadLastVersion complete";
            emit downloadLastVersionStateChanged(Finished, status, download->body);
            return;
        }
        const QByteArray reason =
            download->failure.isEmpty() ? reply->errorString().toUtf8() : download->failure;
        qDebug() << "downloadLastVersion error:" << reason << "retries left:" << retries;
        // A refused answer would only be refused again; a failed attempt is tried again while
        // there is time.
        if (retries > 0 && download->failure.isEmpty() && !deadline.hasExpired())
            attempt(tag, retries - 1, deadline);
        else
            emit downloadLastVersionStateChanged(Error, status, reason);
    });

    emit downloadLastVersionStateChanged(Start, status, QByteArray());
}
