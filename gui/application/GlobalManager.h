#pragma once

#include <QByteArray>
#include <QFileInfo>
#include <QImage>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "gui/application/Notice.h"

class ImageItem;
class ProcessThread;

// The application manager: the global event bus, through which announcements cross the
// subsystems, and the one door to the application's services. Each service is done by its
// own class (Settings, Logger, Paths, ImageFileWriter, PlatformShell, CaptionManager); this
// class hands the calls on and turns their notifications into events. It also keeps the list
// of ticked image cards and the audio-extraction thread.
class GlobalManager final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GlobalManager)

public:
    static GlobalManager* instance();

    // Event bus: delivered synchronously to every receiver, in connection order.
    void sendGlobalEvent(const QString& eventName, const QVariant& value);

    // Persistent settings; every write announces itself with "setting_change".
    QVariant getSetting(const QString& key, const QVariant& defaultValue) const;
    void setSetting(const QString& key, const QVariant& value);

    // In-memory values for this run; a null stored value reads as the default.
    QVariant getTempValue(const QString& key, const QVariant& defaultValue) const;
    void setTempValue(const QString& key, const QVariant& value);

    // Logging: one file per start under the per-user data folder's "logs".
    void initLog();
    QString getLogDir() const;
    QString logFilePath() const;

    // Folders and names.
    QString getTempDir(const QString& sub) const;
    QString getPicturesDir(const QString& sub) const;
    QString ensureDir(const QString& path) const;
    static QString freeFileName(const QString& dir, const QString& baseName, const QString& suffix);
    // Thread-safe: touches no shared state. Returns the path written, or empty text when the
    // picture could not be written.
    static QString saveImage(const QImage& image, const QString& dir, const QString& name,
                             const QString& suffix = QString());
    QStringList moveFilesToSavePath(const QStringList& files);
    // The end of every export: moves what was written into the output folder, shows it, and
    // tells the user what happened (what was written where, or why nothing was). `failure` is
    // the writer's reason for a picture it left out.
    void finishExport(const QStringList& written, int expected, const QString& failure);

    // Desktop integration.
    void openFolder(const QString& path);
    void openFilesBySelect(const QStringList& files);
    void openUrl(const QString& url);

    // Tells the user what just happened, in the main window, without stopping the work.
    void showNotice(const Notice& notice);

    static QString formatTime(double seconds);
    QString getVersion() const;

    // The ticked image cards in strip order, rebuilt by the strip after every change.
    QList<ImageItem*>& selectedItems() { return m_selectedItems; }

    QFileInfo videoFileInfo() const;
    void setVideoFileInfo(const QFileInfo& info);
    bool stoppedByUser() const { return m_stoppedByUser; }
    void setStoppedByUser(bool stopped) { m_stoppedByUser = stopped; }

    // Audio extraction of the current video to the caption store's audio file. Start clears
    // the user-stop mark so that a natural end posts "video_to_audio_stop" again; false when
    // nothing was started (no video, or an extraction still running).
    ProcessThread* mp3Thread() const { return m_mp3_thread; }
    bool startMp3Thread();
    void stopMp3Thread();

public slots:
    void httpRequestFinished(QString api, QJsonObject request, QByteArray response);
    void httpRequestError(QString api, QJsonObject request, QByteArray response);

signals:
    void globalEvent(QString eventName, QVariant value);
    void noticeShown(const Notice& notice);

private:
    GlobalManager();
    void connectServices();
    void connectMp3Thread();

    QList<ImageItem*> m_selectedItems;
    ProcessThread* m_mp3_thread = nullptr; // owned, never destroyed
    bool m_stoppedByUser = false;
    QMap<QString, QVariant> m_tempValues;
};
