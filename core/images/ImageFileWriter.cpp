#include "core/images/ImageFileWriter.h"

#include "core/base/AppConfig.h"
#include "core/base/Paths.h"
#include "core/images/JpegWriter.h"
#include "core/images/PngWriter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>

namespace {

// Another writer may take each free name between the check and the rename.
constexpr int kRenameAttempts = 100;

// ".Pictorb-<pid>-<random>": the process id tells a leftover of an ended run from a write of
// this one.
QString hiddenPrefix(qint64 pid)
{
    return QStringLiteral(".%1-%2-").arg(AppConfig::kProductName).arg(pid);
}

// A new hidden file in dir, opened for writing. Created by open(), not as a temporary file, so
// it gets the mode of any new file of the user's instead of one only its owner may read; and
// unbuffered, so a failed write reports the system's own reason (a full disk says so).
bool openHidden(const QString& dir, QFile& file)
{
    const QString prefix = hiddenPrefix(QCoreApplication::applicationPid());
    for (int attempt = 0; attempt < kRenameAttempts; ++attempt) {
        file.setFileName(QStringLiteral("%1/%2%3")
                             .arg(dir, prefix)
                             .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
            return true;
        if (!file.exists())
            return false;
    }
    return false;
}

// Writes on after a short write: a disk that fills up part-way takes what fits and reports
// nothing, and only the next write fails with the system's reason (for the notice).
bool writeAll(QFileDevice& file, const char* bytes, qint64 length)
{
    for (qint64 done = 0; done < length;) {
        const qint64 written = file.write(bytes + done, length - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

// The zlib level of a PNG: the writer's own without a quality, else the quality read the way
// Qt's writer reads it, higher being faster and larger.
int pngLevel(int quality)
{
    return quality < 0 ? PngWriter::kDefaultLevel : (100 - std::min(quality, 100)) * 9 / 100;
}

bool isPng(const QString& format)
{
    return format.compare(QLatin1String("png"), Qt::CaseInsensitive) == 0;
}

// Writes the picture's file into `file`. An opaque PNG goes straight from its writer as its
// slices are done, so a sheet's file is never held whole beside the sheet; anything else is
// encoded in memory first (Qt's PNG writer loses its row buffer when a device fails
// part-way). On failure, `error` holds the reason.
bool writePicture(const QImage& picture, const QString& format, int quality, QFileDevice& file,
                  QString* error)
{
    if (isPng(format) && PngWriter::accepts(picture)) {
        bool refused = false;
        const bool written = PngWriter::write(picture, pngLevel(quality),
                                              [&file, &refused](const char* data, qint64 length) {
                                                  refused = !writeAll(file, data, length);
                                                  return !refused;
                                              });
        if (written && file.flush())
            return true;
        if (error)
            *error = written || refused ? file.errorString()
                                        : QStringLiteral("the picture cannot be encoded as PNG");
        return false;
    }
    const QByteArray encoded = ImageFileWriter::encode(picture, format, quality, error);
    if (encoded.isEmpty())
        return false;
    if (writeAll(file, encoded.constData(), encoded.size()) && file.flush())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

} // namespace

QByteArray ImageFileWriter::encode(const QImage& picture, const QString& format, int quality,
                                   QString* error)
{
    // An opaque picture (every sheet, every card) is written as RGB by the faster writer. The
    // quality keeps the meaning Qt's writer gives it: higher is faster and larger.
    const QString lower = format.toLower();
    if (isPng(lower) && PngWriter::accepts(picture)) {
        QByteArray encoded = PngWriter::encode(picture, pngLevel(quality));
        if (!encoded.isEmpty())
            return encoded;
    }
    if ((lower == QLatin1String("jpg") || lower == QLatin1String("jpeg")) &&
        JpegWriter::accepts(picture)) {
        QByteArray encoded = JpegWriter::encode(picture, quality);
        if (!encoded.isEmpty())
            return encoded;
    }
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format.toLower().toLatin1());
    writer.setQuality(quality);
    if (!writer.write(picture)) {
        if (error)
            *error = writer.errorString();
        return QByteArray();
    }
    return encoded;
}

QString ImageFileWriter::writeNew(const QImage& picture, const QString& dir, const QString& stem,
                                  const QString& format, int quality, QString* error)
{
    const QString suffix = format.toLower();
    QFile file;
    if (!openHidden(dir, file)) {
        if (error)
            *error = file.errorString();
        return QString();
    }
    if (!writePicture(picture, suffix, quality, file, error)) {
        file.close();
        file.remove();
        return QString();
    }
    file.close();
    for (int attempt = 0; attempt < kRenameAttempts; ++attempt) {
        const QString candidate = Paths::freeFileName(dir, stem, suffix);
        if (QFile::rename(file.fileName(), candidate))
            return candidate;
        if (!QFileInfo::exists(candidate))
            break;
    }
    if (error)
        *error = QStringLiteral("no free file name in %1").arg(dir);
    file.remove();
    return QString();
}

bool ImageFileWriter::replace(const QImage& picture, const QString& path, const QString& format,
                              int quality, QString* error)
{
    QSaveFile file(path);
    // Unbuffered, as for new files: a failing write then gives the system's reason, taken
    // before commit() or cancelWriting() can replace it.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (!writePicture(picture, format, quality, file, error)) {
        file.cancelWriting();
        return false;
    }
    if (file.commit())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

void ImageFileWriter::removeLeftovers(const QString& dir)
{
    const QString own = hiddenPrefix(QCoreApplication::applicationPid());
    const QString pattern = QStringLiteral(".%1-*-*").arg(AppConfig::kProductName);
    const QFileInfoList leftovers =
        QDir(dir).entryInfoList({pattern}, QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    static const QRegularExpression written(
        QStringLiteral("^\\.%1-\\d+-[0-9a-f]{8}$").arg(AppConfig::kProductName));
    for (const QFileInfo& leftover : leftovers) {
        if (leftover.fileName().startsWith(own) || !written.match(leftover.fileName()).hasMatch())
            continue;
        qDebug() << "removing an unfinished export:" << leftover.filePath();
        QFile::remove(leftover.filePath());
    }
}
