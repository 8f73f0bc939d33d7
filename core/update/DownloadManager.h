#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QObject>
#include <QString>

class QNetworkAccessManager;

// Fetches the update manifest, retrying failed attempts at once, and reports every step
// through downloadLastVersionStateChanged. Its status message is "<manifest url>,<tag>",
// the tag being the caller's own mark ("start" for the check made at start-up).
class DownloadManager final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DownloadManager)

public:
    // Listeners compare the numbers; 1 is reserved and never sent.
    enum DownloadState
    {
        Start = 0,    // an attempt has just been sent
        Error = 2,    // every attempt failed; the data is the last error text
        Finished = 3, // the manifest arrived; the data is its body
    };
    Q_ENUM(DownloadState)

    // A body larger than this is no manifest of ours; it is dropped unread.
    static constexpr qint64 kMaxManifestSize = 1024 * 1024;

    static DownloadManager* instance();

    // Up to retries + 1 attempts, all within the time limit. Finished carries a manifest;
    // anything else (no answer, an HTTP error, a body too large or not a manifest, a redirect
    // off the host) ends in Error with the reason. With the update address switched off no
    // request is made and a single Error "update check switched off" is reported.
    void downloadLastVersion(const QString& tag, int retries);

    // The manifest address, empty when the update address is switched off.
    static QString manifestUrl();
    // The tag of a status message: the text after its last comma (an address may hold one).
    static QString requestTag(const QString& statusMessage);

    // An attempt with no byte for this long fails (and is retried) instead of hanging.
    void setTransferTimeout(int milliseconds) { m_transferTimeout = milliseconds; }
    // The longest a whole check may take, retries included.
    void setTimeLimit(int milliseconds) { m_timeLimit = milliseconds; }

signals:
    void downloadLastVersionStateChanged(DownloadManager::DownloadState state, QString url,
                                         QByteArray bytes);

private:
    DownloadManager();
    void attempt(const QString& tag, int retries, QDeadlineTimer deadline);

    QNetworkAccessManager* m_network = nullptr;
    int m_transferTimeout = 5000;
    int m_timeLimit = 15000;
};
