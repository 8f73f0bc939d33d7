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

QString Paths::outputDir()
{
    return ensureDir(Settings::instance()->value(AppConfig::kFileSavePath, QString()).toString());
}

QString Paths::exportWorkDir()
{
    return ensureDir(outputDir() + QLatin1Char('/') + AppConfig::kExportWorkFolder);
}

QStringList Paths::moveIntoFolder(const QStringList& files, const QString& folder)
{
    QStringList moved;
    for (const QString& file : files) {
        const QFileInfo info(file);
        const QString target = freeFileName(folder, info.completeBaseName(), info.suffix());
        if (!QFile::copy(file, target)) {
            qWarning() << "moveFilesToSavePath: copy failed" << file << "->" << target;
            continue;
        }
        moved << target;
        QFile::remove(file);
    }
    return moved;
}
