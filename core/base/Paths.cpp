#include "core/base/Paths.h"

#include "core/base/AppConfig.h"
#include "core/base/Settings.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString Paths::tempDir(const QString& sub)
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

QString Paths::picturesDir(const QString& sub)
{
    const QString path =
        QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) + QLatin1Char('/') + sub;
    if (!QDir(path).exists())
        QDir().mkpath(path);
    return path;
}

QString Paths::ensureDir(const QString& path)
{
    if (!path.isEmpty() && (QDir(path).exists() || QDir().mkpath(path)))
        return path;
    return picturesDir(AppConfig::kProductName);
}

QString Paths::freeFileName(const QString& dir, const QString& baseName, const QString& suffix)
{
    QString candidate = QStringLiteral("%1/%2.%3").arg(dir, baseName, suffix);
    for (int n = 1; QFileInfo::exists(candidate); ++n)
        candidate = AppConfig::kFreeNameTemplate.arg(dir, baseName, QString::number(n), suffix);
    return candidate;
}

QString Paths::outputDir(QString* refused)
{
    const QString stored =
        Settings::instance()->value(AppConfig::kFileSavePath, QString()).toString();
    const QString folder = QDir::isAbsolutePath(stored) ? ensureDir(stored) : ensureDir(QString());
    if (refused && !stored.isEmpty() && QDir::cleanPath(folder) != QDir::cleanPath(stored))
        *refused = stored;
    return folder;
}

QString Paths::exportWorkDir()
{
    return ensureDir(outputDir() + QLatin1Char('/') + AppConfig::kExportWorkFolder);
}

void Paths::removeExportWorkDirIfEmpty()
{
    QDir().rmdir(outputDir() + QLatin1Char('/') + AppConfig::kExportWorkFolder);
}

QStringList Paths::moveIntoFolder(const QStringList& files, const QString& folder, QString* error)
{
    QStringList moved;
    for (const QString& file : files) {
        const QFileInfo info(file);
        const QString target = freeFileName(folder, info.completeBaseName(), info.suffix());
        // A rename is one step and needs no room; across file systems the file is copied
        // (the copy goes under a temporary name and is renamed once whole).
        QFile source(file);
        if (!source.rename(target) && !source.copy(target)) {
            qWarning() << "moveFilesToSavePath: cannot move" << file << "->" << target
                       << source.errorString();
            if (error)
                *error = source.errorString();
            continue;
        }
        moved << target;
        QFile::remove(file);
    }
    return moved;
}
