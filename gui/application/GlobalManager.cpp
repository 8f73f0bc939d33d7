#include "gui/application/GlobalManager.h"

#include "core/base/AppConfig.h"
#include "core/base/Logger.h"
#include "core/base/Paths.h"
#include "core/base/PlatformShell.h"
#include "core/base/Settings.h"
#include "core/captions/CaptionManager.h"
#include "core/images/ImageFileWriter.h"
#include "core/speech/HttpManager.h"
#include "core/speech/ProcessThread.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QImageReader>
#include <QLocale>
#include <QTime>
#include <QUrl>

#include <algorithm>
#include <cmath>

static void initResources()
{
    // The resources live in a static library: referencing them here keeps the linker
    // from dropping them from executables that never name them.
    Q_INIT_RESOURCE(qss);
    Q_INIT_RESOURCE(images);
    Q_INIT_RESOURCE(i18n);
}

GlobalManager* GlobalManager::instance()
{
    static GlobalManager* manager = new GlobalManager;
    return manager;
}

GlobalManager::GlobalManager()
{
    initResources();
    connectServices();
    connectMp3Thread();
}

// The services below the bus know nothing of it; what they announce becomes an event here.
void GlobalManager::connectServices()
{
    connect(Settings::instance(), &Settings::changed, this,
            [this](const QString& key) { sendGlobalEvent(AppConfig::kEventSettingChange, key); });
    CaptionManager* captions = CaptionManager::instance();
    connect(captions, &CaptionManager::captionsCreated, this, [this](const QString& path) {
        sendGlobalEvent(AppConfig::kEventCreateCaptionComplete, path);
    });
    connect(captions, &CaptionManager::captionsUpdated, this,
            [this](const QString& path) { sendGlobalEvent(AppConfig::kEventUpdateCaption, path); });
    HttpManager* http = HttpManager::instance();
    connect(http, &HttpManager::requestFinished, this, &GlobalManager::httpRequestFinished);
    connect(http, &HttpManager::requestError, this, &GlobalManager::httpRequestError);
}

void GlobalManager::connectMp3Thread()
{
    // The thread's signals come from its worker thread, so these run queued on this one.
    m_mp3_thread = new ProcessThread;
    connect(m_mp3_thread, &ProcessThread::processStart, this, [this] {
        qDebug() << "m_mp3_thread->processStart";
        sendGlobalEvent(AppConfig::kEventVideoToAudioStart, 0);
    });
    connect(m_mp3_thread, &ProcessThread::processOutput, this,
            [](const QString& output) { qDebug() << "m_mp3_thread->processOutput" << output; });
    connect(m_mp3_thread, &ProcessThread::processError, this,
            [](const QString& output) { qDebug() << "m_mp3_thread->processError" << output; });
    connect(m_mp3_thread, &ProcessThread::processStop, this, [this] {
        qDebug() << "m_mp3_thread->processStop" << m_stoppedByUser;
        if (!m_stoppedByUser)
            sendGlobalEvent(AppConfig::kEventVideoToAudioStop, 0);
    });
    // An extraction still running at quit ends with the application, so the external program
    // does not go on writing once the window is gone.
    if (QCoreApplication* app = QCoreApplication::instance()) {
        connect(app, &QCoreApplication::aboutToQuit, this, [this] {
            stopMp3Thread();
            m_mp3_thread->wait();
        });
    }
}

bool GlobalManager::startMp3Thread()
{
    if (m_mp3_thread->isRunning()) {
        qDebug() << "startMp3Thread: an extraction is still running";
        return false;
    }
    m_stoppedByUser = false;
    return m_mp3_thread->extractAudio(videoFileInfo().absoluteFilePath(),
                                      CaptionManager::instance()->getAudioFilePath());
}

void GlobalManager::stopMp3Thread()
{
    if (!m_mp3_thread->isRunning())
        return;
    m_stoppedByUser = true;
    m_mp3_thread->stop();
}

void GlobalManager::httpRequestFinished(QString api, QJsonObject, QByteArray response)
{
    if (api == AppConfig::kEventTaskId)
        sendGlobalEvent(AppConfig::kEventTaskId, response);
}

void GlobalManager::httpRequestError(QString api, QJsonObject, QByteArray response)
{
    qDebug() << "requestError:" << api << response;
}

void GlobalManager::sendGlobalEvent(const QString& eventName, const QVariant& value)
{
    emit globalEvent(eventName, value);
}

QVariant GlobalManager::getSetting(const QString& key, const QVariant& defaultValue) const
{
    return Settings::instance()->value(key, defaultValue);
}

void GlobalManager::setSetting(const QString& key, const QVariant& value)
{
    Settings::instance()->setValue(key, value);
}

QVariant GlobalManager::getTempValue(const QString& key, const QVariant& defaultValue) const
{
    const auto it = m_tempValues.constFind(key);
    if (it == m_tempValues.constEnd() || it->isNull())
        return defaultValue;
    return *it;
}

void GlobalManager::setTempValue(const QString& key, const QVariant& value)
{
    m_tempValues.insert(key, value);
}

void GlobalManager::initLog()
{
    Logger::install();
}

QString GlobalManager::getLogDir() const
{
    return Logger::logDir();
}

QString GlobalManager::logFilePath() const
{
    return Logger::logFilePath();
}

QString GlobalManager::getTempDir(const QString& sub) const
{
    return Paths::tempDir(sub);
}

QString GlobalManager::getPicturesDir(const QString& sub) const
{
    return Paths::picturesDir(sub);
}

QString GlobalManager::ensureDir(const QString& path) const
{
    return Paths::ensureDir(path);
}

QString GlobalManager::freeFileName(const QString& dir, const QString& baseName,
                                    const QString& suffix)
{
    return Paths::freeFileName(dir, baseName, suffix);
}

QString GlobalManager::saveImage(const QImage& image, const QString& dir, const QString& name,
                                 const QString& suffix)
{
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    const QString format = suffix.isEmpty() ? QFileInfo(name).suffix() : suffix;
    const QString stem = dot > 0 ? name.left(dot) : name;
    QString error;
    const QString path = ImageFileWriter::writeNew(image, dir, stem, format, -1, &error);
    if (path.isEmpty())
        qWarning() << "saveImage failed:" << dir << stem << format << error;
    return path;
}

QStringList GlobalManager::moveFilesToSavePath(const QStringList& files)
{
    const QStringList moved = Paths::moveIntoFolder(files, Paths::outputDir());
    openFilesBySelect(moved);
    return moved;
}

void GlobalManager::finishExport(const QStringList& written, int expected, const QString& failure)
{
    QString refused;
    const QString folder = Paths::outputDir(&refused);
    QString moveFailure;
    const QStringList moved = Paths::moveIntoFolder(written, folder, &moveFailure);
    Paths::removeExportWorkDirIfEmpty();
    openFilesBySelect(moved);

    Notice notice;
    QString reason = moveFailure.isEmpty() ? failure : moveFailure;
    if (reason.isEmpty())
        reason = tr("the picture could not be written");
    if (moved.isEmpty()) {
        notice.kind = Notice::Failure;
        notice.text = tr("Nothing was exported: %1").arg(reason);
        showNotice(notice);
        return;
    }
    const QFileInfo first(moved.first());
    if (moved.size() == 1) {
        const QSize size = QImageReader(first.filePath()).size();
        notice.text =
            tr("Exported %1 (%2 x %3, %4)")
                .arg(first.fileName())
                .arg(size.width())
                .arg(size.height())
                .arg(QLocale().formattedDataSize(first.size(), 1, QLocale::DataSizeSIFormat));
    } else {
        notice.text = tr("Exported %1 pictures into %2").arg(moved.size()).arg(folder);
    }
    if (moved.size() < expected) {
        notice.kind = Notice::Failure;
        notice.text += QLatin1Char(' ') +
                       tr("%1 could not be written: %2").arg(expected - moved.size()).arg(reason);
    }
    if (!refused.isEmpty()) {
        notice.text +=
            QLatin1Char(' ') +
            tr("The folder %1 could not be used, so the export went to %2.")
                .arg(QDir::toNativeSeparators(refused), QDir::toNativeSeparators(folder));
    }
    notice.actionText = tr("Open folder");
    notice.action = [this, moved] { openFilesBySelect(moved); };
    showNotice(notice);
}

void GlobalManager::openFolder(const QString& path)
{
    qDebug() << "openFolder:" << path;
    if (QFileInfo(path).isDir())
        PlatformShell::openDirectory(path);
    else
        PlatformShell::revealFile(path);
}

void GlobalManager::openFilesBySelect(const QStringList& files)
{
    PlatformShell::showFilesSelected(files);
}

void GlobalManager::openUrl(const QString& url)
{
    if (url.isEmpty())
        return;
    QDesktopServices::openUrl(QUrl(url));
}

void GlobalManager::showNotice(const Notice& notice)
{
    qDebug() << "notice:" << notice.text;
    emit noticeShown(notice);
}

QString GlobalManager::formatTime(double seconds)
{
    // Truncated toward zero and added to midnight, so a full day wraps to 00:00:00.
    const double bounded = std::isfinite(seconds) ? std::clamp(seconds, -1e15, 1e15) : 0.0;
    const qint64 whole = qint64(std::trunc(bounded)) % 86400;
    return QTime(0, 0, 0).addSecs(int(whole)).toString(QStringLiteral("hh:mm:ss"));
}

QString GlobalManager::getVersion() const
{
    return AppConfig::kVersion;
}

QFileInfo GlobalManager::videoFileInfo() const
{
    return CaptionManager::instance()->videoFile();
}

void GlobalManager::setVideoFileInfo(const QFileInfo& info)
{
    CaptionManager::instance()->setVideoFile(info);
}
