#include "core/images/ImageLoader.h"

#include <QBuffer>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <cmath>

namespace {

bool isVector(const QByteArray& format)
{
    return format == "svg" || format == "svgz";
}

// The formats used internally by the painting code; converting once here keeps every later
// scale, letterbox and merge on the fast paths.
QImage toWorkingFormat(const QImage& image)
{
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                         : QImage::Format_RGB32);
}

// Only regular files are read: a named pipe or a device named like a picture would hold the
// reading thread for ever, waiting for a writer or for an end that never comes.
bool isRegularFile(const QString& path)
{
    return QFileInfo(path).isFile();
}

} // namespace

QImage ImageLoader::load(const QString& path)
{
    QFile file(path);
    if (!isRegularFile(path)) {
        qWarning() << "ImageLoader: cannot open" << path << "- not a regular file";
        return QImage();
    }
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning() << "ImageLoader: cannot open" << path << file.errorString();
        return QImage();
    }
    return read(&file, path);
}

QImage ImageLoader::loadData(const QByteArray& data)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    return read(&buffer, QStringLiteral("<memory>"));
}

QImage ImageLoader::loadRegion(const QString& path, const QSize& fullSize, const QRect& region)
{
    QFile file(path);
    if (!isRegularFile(path) || !file.open(QIODevice::ReadOnly))
        return QImage();
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    // A picture the reader turns after decoding would be clipped unturned (the JPEG reader
    // turns while decoding and reports none), and a vector or transparent one is drawn
    // differently whole; those are loaded whole.
    if (!reader.canRead() || isVector(reader.format()) || reader.size() != fullSize ||
        !withinLimits(fullSize) || !QRect(QPoint(0, 0), fullSize).contains(region) ||
        reader.transformation() != QImageIOHandler::TransformationNone)
        return QImage();
    reader.setClipRect(region);
    QImage image;
    if (!reader.read(&image) || image.size() != region.size() || image.hasAlphaChannel())
        return QImage();
    return toWorkingFormat(image);
}

bool ImageLoader::canRead(const QString& path)
{
    if (!isRegularFile(path))
        return false;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.canRead();
}

bool ImageLoader::withinLimits(const QSize& size)
{
    return size.width() > 0 && size.height() > 0 && size.width() <= kMaxSide &&
           size.height() <= kMaxSide && qint64(size.width()) * size.height() <= kMaxPixels;
}

QSize ImageLoader::clampedToLimits(const QSize& size, qint64 maxPixels)
{
    const qint64 budget = std::min(maxPixels, kMaxPixels);
    if (size.isEmpty() || (withinLimits(size) && qint64(size.width()) * size.height() <= budget))
        return size;
    double factor = std::min(double(kMaxSide) / size.width(), double(kMaxSide) / size.height());
    factor = std::min(factor, std::sqrt(double(budget) / (double(size.width()) * size.height())));
    const QSize clamped(std::max(1, int(size.width() * factor)),
                        std::max(1, int(size.height() * factor)));
    return withinLimits(clamped) ? clamped : QSize(1, 1);
}

QImage ImageLoader::read(QIODevice* device, const QString& name)
{
    QImageReader reader(device);
    // The content decides the format, so a picture with the wrong extension still loads.
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    if (!reader.canRead()) {
        qWarning() << "ImageLoader: not a readable picture:" << name << reader.errorString();
        return QImage();
    }

    const QByteArray format = reader.format();
    const QSize size = reader.size();
    if (isVector(format)) {
        const QSize clamped = clampedToLimits(size, kMaxVectorPixels);
        if (clamped != size) {
            qWarning() << "ImageLoader: vector picture" << name << size << "rendered at" << clamped;
            reader.setScaledSize(clamped);
        }
    } else if (size.isValid() && !withinLimits(size)) {
        qWarning() << "ImageLoader: picture refused, too large:" << name << size << "limit"
                   << kMaxSide << "px a side and" << kMaxPixels << "pixels";
        return QImage();
    }

    QImage image;
    if (!reader.read(&image)) {
        qWarning() << "ImageLoader: cannot decode" << name << reader.errorString();
        return QImage();
    }
    // Formats that do not report their size up front are checked once decoded.
    if (!withinLimits(image.size())) {
        qWarning() << "ImageLoader: picture refused, too large:" << name << image.size();
        return QImage();
    }
    return toWorkingFormat(image);
}
