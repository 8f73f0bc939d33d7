#include "app/GlobalManager.h"

#include "app/AppConfig.h"
#include "app/PlatformShell.h"
#include "caption/CaptionManager.h"
#include "speech/HttpManager.h"
#include "speech/ProcessThread.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QMutex>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTextCodec>
#include <QTime>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

static void initResources()
{
    // The resources live in a static library: referencing them here keeps the linker
    // from dropping them from executables that never name them.
    Q_INIT_RESOURCE(qss);
    Q_INIT_RESOURCE(images);
    Q_INIT_RESOURCE(i18n);
}

namespace {

// Another writer may take each free name between the check and the rename.
constexpr int kSaveRenameAttempts = 100;

QString g_logFilePath;

QSettings* openSettings()
{
    return new QSettings(QSettings::NativeFormat, QSettings::UserScope, AppConfig::kProductName,
                         QString());
}

const char* levelWord(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg:
        return "Debug";
    case QtWarningMsg:
        return "Warning";
    case QtCriticalMsg:
        return "Critical";
    case QtFatalMsg:
        return "Fatal";
    case QtInfoMsg:
        return "Info";
    }
    return "";
}

void messageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    // Several threads log; the lock keeps each line whole in the file and on stdout.
    static QMutex mutex;
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    const QString line =
        QStringLiteral("[%6]%5: %1 (%2:%3, %4)\n")
            .arg(message, QString::fromUtf8(context.file ? context.file : ""),
                 QString::number(context.line),
                 QString::fromUtf8(context.function ? context.function : ""),
                 QString::fromLatin1(levelWord(type)),
                 QDateTime::currentDateTime().toString(AppConfig::kLogLineTimeFormat));
    const QByteArray bytes = line.toLocal8Bit();

    QMutexLocker locker(&mutex);
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
    QFile file(g_logFilePath);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        file.write(bytes);
        file.close();
    }
}

} // namespace

GlobalManager* GlobalManager::instance()
{
    static GlobalManager* manager = new GlobalManager;
    return manager;
}

GlobalManager::GlobalManager() : m_version(AppConfig::kVersion)
{
    initResources();
    HttpManager* http = HttpManager::instance();
    connect(http, &HttpManager::requestFinished, this, &GlobalManager::httpRequestFinished);
    connect(http, &HttpManager::requestError, this, &GlobalManager::httpRequestError);

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
    return m_mp3_thread->extractAudio(m_videoFileInfo.absoluteFilePath(),
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
    std::unique_ptr<QSettings> settings(openSettings());
    return settings->value(key, defaultValue);
}

void GlobalManager::setSetting(const QString& key, const QVariant& value)
{
    {
        std::unique_ptr<QSettings> settings(openSettings());
        settings->setValue(key, value);
    }
    sendGlobalEvent(AppConfig::kEventSettingChange, key);
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
    const QString stamp = QDateTime::currentDateTime().toString(AppConfig::kLogFileTimeFormat);
    m_logFilePath = getLogDir() + stamp + QStringLiteral(".log");
    g_logFilePath = m_logFilePath;
    qInstallMessageHandler(messageHandler);
}

QString GlobalManager::getLogDir() const
{
    const QString path = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                         QStringLiteral("/logs/");
    qDebug() << "getLogDir:" << path;
    if (QDir(path).exists() || QDir().mkpath(path))
        return path;
    qWarning() << "Failed to create directory.";
    return QString();
}

QString GlobalManager::getTempDir(const QString& sub) const
{
    const QStringList locations = QStandardPaths::standardLocations(QStandardPaths::TempLocation);
    if (locations.isEmpty()) {
        qWarning() << "Unable to retrieve temporary directory path.";
        return QString();
    }
    const QString path = locations.first() + QLatin1Char('/') + sub;
    qDebug() << "Temporary directory path:" << path;
    if (!QDir(path).exists())
        QDir().mkpath(path);
    return path;
}

QString GlobalManager::getPicturesDir(const QString& sub) const
{
    const QString path =
        QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) + QLatin1Char('/') + sub;
    if (!QDir(path).exists())
        QDir().mkpath(path);
    return path;
}

QString GlobalManager::ensureDir(const QString& path) const
{
    if (!path.isEmpty() && (QDir(path).exists() || QDir().mkpath(path)))
        return path;
    return getPicturesDir(AppConfig::kProductName);
}

QString GlobalManager::freeFileName(const QString& dir, const QString& baseName,
                                    const QString& suffix)
{
    QString candidate = QStringLiteral("%1/%2.%3").arg(dir, baseName, suffix);
    for (int n = 1; QFileInfo::exists(candidate); ++n)
        candidate = AppConfig::kFreeNameTemplate.arg(dir, baseName, QString::number(n), suffix);
    return candidate;
}

QString GlobalManager::saveImage(const QImage& image, const QString& dir, const QString& name,
                                 const QString& suffix)
{
    const QFileInfo nameInfo(name);
    const QString format = suffix.isEmpty() ? nameInfo.suffix() : suffix;
    const QString base = name.left(name.lastIndexOf(QLatin1Char('.')));
    const QString stem = base.isEmpty() ? name : base;

    // Written under a hidden temporary name in the same folder and renamed once complete, so
    // a failed or interrupted write never leaves a partial picture under a final name. The
    // rename never replaces a file: a name taken meanwhile moves on to the next free one.
    QTemporaryFile file(QStringLiteral("%1/.%2.XXXXXX").arg(dir, AppConfig::kProductName));
    if (!file.open()) {
        qWarning() << "saveImage failed:" << dir << file.errorString();
        return QString();
    }
    // Encoded in memory, then written: Qt's PNG writer loses its row buffer when the device
    // fails part-way, as a full disk does.
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format.toLatin1());
    if (!writer.write(image) || file.write(encoded) != encoded.size() || !file.flush()) {
        qWarning() << "saveImage failed:" << stem << format << writer.errorString()
                   << file.errorString();
        return QString();
    }
    for (int attempt = 0; attempt < kSaveRenameAttempts; ++attempt) {
        const QString candidate = freeFileName(dir, stem, format);
        if (file.rename(candidate)) {
            file.setAutoRemove(false);
            return candidate;
        }
        if (!QFileInfo::exists(candidate))
            break;
    }
    qWarning() << "saveImage failed: no free name for" << stem << "in" << dir << file.errorString();
    file.remove();
    return QString();
}

QStringList GlobalManager::moveFilesToSavePath(const QStringList& files)
{
    const QString stored = getSetting(AppConfig::kFileSavePath, QString()).toString();
    const QString outputDir = ensureDir(stored);

    QStringList moved;
    for (const QString& file : files) {
        const QFileInfo info(file);
        const QString target = freeFileName(outputDir, info.completeBaseName(), info.suffix());
        // A failed copy keeps its source and is not reported as moved.
        if (!QFile::copy(file, target)) {
            qWarning() << "moveFilesToSavePath: copy failed" << file << "->" << target;
            continue;
        }
        moved << target;
        QFile::remove(file);
    }
    openFilesBySelect(moved);
    return moved;
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

QString GlobalManager::formatTime(double seconds)
{
    // Truncated toward zero and added to midnight, so a full day wraps to 00:00:00.
    const double bounded = std::isfinite(seconds) ? std::clamp(seconds, -1e15, 1e15) : 0.0;
    const qint64 whole = qint64(std::trunc(bounded)) % 86400;
    return QTime(0, 0, 0).addSecs(int(whole)).toString(QStringLiteral("hh:mm:ss"));
}
