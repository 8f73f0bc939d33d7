#include "core/images/ImageLoader.h"

#include "core/base/AppConfig.h"
#include "core/base/Settings.h"
#include "core/images/RegionDecoder.h"

#include <QBuffer>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>

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

// Whether the end of the file shows that it was cut short: the formats that mark their end
// (JPEG, PNG, GIF) do not, and a WEBP is shorter than its header says. Decoders fill a cut-off
// JPEG with grey and call it a success, so the reader's own result does not tell.
bool cutShort(QIODevice* device, const QByteArray& format)
{
    if (device->isSequential())
        return false;
    const qint64 size = device->size();
    const auto bytesAt = [device](qint64 offset, qint64 length) {
        device->seek(offset);
        return device->read(length);
    };
    if (format == "jpeg" || format == "jpg") {
        QByteArray tail = bytesAt(std::max<qint64>(0, size - 64), 64);
        // Some writers pad the end; the end marker comes before the padding.
        while (!tail.isEmpty() && (tail.endsWith('\0') || tail.endsWith('\n') ||
                                   tail.endsWith('\r') || tail.endsWith(' ')))
            tail.chop(1);
        return !tail.endsWith("\xff\xd9");
    }
    if (format == "png")
        return !bytesAt(std::max<qint64>(0, size - 16), 16).contains("IEND");
    if (format == "gif")
        return !bytesAt(std::max<qint64>(0, size - 1), 1).startsWith('\x3b');
    if (format == "webp") {
        const QByteArray head = bytesAt(0, 12);
        const quint32 declared =
            head.size() == 12 ? qFromLittleEndian<quint32>(head.constData() + 4) : 0;
        return head.startsWith("RIFF") && qint64(declared) + 8 > size;
    }
    return false;
}

// A decoder that gives up part-way leaves the rest of its picture as the memory held it. Read
// again into a grey picture of the same size, which the reader fills in place, what could not
// be read stays grey.
QImage readIntoGrey(QIODevice* device, const QByteArray& format, const QSize& size,
                    QImage::Format layout)
{
    QImage image(size, layout);
    if (image.isNull() || image.depth() < 24)
        return QImage();
    image.fill(Qt::gray);
    device->seek(0);
    QImageReader reader(device, format);
    reader.setAutoTransform(true);
    reader.read(&image);
    return image;
}

// Where a PNG ends before an ancillary chunk (text, a colour profile) that claims more bytes
// than the file holds; 0 for any other file. libpng holds such a chunk whole before it reads
// it, so a few hundred bytes claiming two gigabytes would cost two gigabytes. Image data is
// read as it streams and may run short: that is a picture cut off, read as far as it goes.
qint64 pngEndBeforeOversizedChunk(QIODevice* device)
{
    if (device->isSequential())
        return 0;
    const qint64 start = device->pos();
    const qint64 size = device->size();
    device->seek(0);
    qint64 end = 0;
    if (device->read(8) == QByteArray("\x89PNG\r\n\x1a\n", 8)) {
        for (qint64 at = 8; at + 8 <= size;) {
            const QByteArray head = device->read(8);
            const qint64 length = qFromBigEndian<quint32>(head.constData());
            const QByteArray type = head.mid(4);
            if (type == "IEND")
                break;
            if (type != "IDAT" && length + 12 > size - at) {
                end = at;
                break;
            }
            at += length + 12;
            device->seek(at);
        }
    }
    device->seek(start);
    return end;
}

} // namespace

QImage ImageLoader::load(const QString& path, Outcome* outcome)
{
    if (outcome)
        *outcome = Outcome::Unreadable;
    QFile file(path);
    if (!isRegularFile(path)) {
        qWarning() << "ImageLoader: cannot open" << path << "- not a regular file";
        return QImage();
    }
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning() << "ImageLoader: cannot open" << path << file.errorString();
        return QImage();
    }
    return read(&file, path, outcome);
}

QImage ImageLoader::loadData(const QByteArray& data, Outcome* outcome)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    return read(&buffer, QStringLiteral("<memory>"), outcome);
}

QImage ImageLoader::loadRegion(const QString& path, const QSize& fullSize, const QRect& region)
{
    QImage into(region.size(), QImage::Format_RGB32);
    if (into.isNull() || !loadRegion(path, fullSize, region, into))
        return QImage();
    return into;
}

bool ImageLoader::loadRegion(const QString& path, const QSize& fullSize, const QRect& region,
                             QImage& into)
{
    QFile file(path);
    if (into.format() != QImage::Format_RGB32 || into.size() != region.size() ||
        !isRegularFile(path) || !file.open(QIODevice::ReadOnly))
        return false;
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    // A picture the reader turns after decoding would be clipped unturned (the JPEG reader
    // turns while decoding and reports none), and a vector or transparent one is drawn
    // differently whole; those are loaded whole, and so is a damaged one, which load() reports.
    if (!reader.canRead() || isVector(reader.format()) || reader.size() != fullSize ||
        !withinLimits(fullSize, maxPixels()) || !QRect(QPoint(0, 0), fullSize).contains(region) ||
        reader.transformation() != QImageIOHandler::TransformationNone)
        return false;
    const QByteArray format = reader.format();
    if (cutShort(&file, format))
        return false;
    // The fast decoders write into `into` directly.
    if (RegionDecoder::decode(file, format, fullSize, region, into))
        return true;
    if (!file.seek(0))
        return false;
    QImageReader clipped(&file, format);
    clipped.setAutoTransform(true);
    clipped.setClipRect(region);
    QImage image;
    if (!clipped.read(&image) || image.size() != region.size() || image.hasAlphaChannel())
        return false;
    image = toWorkingFormat(image);
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(into.scanLine(y), image.constScanLine(y), size_t(image.width()) * 4);
    return true;
}

QSize ImageLoader::uprightSize(const QString& path)
{
    if (!isRegularFile(path))
        return QSize();
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    if (!reader.canRead() || isVector(reader.format()))
        return QSize();
    QSize size = reader.size();
    // A picture refused for its size is refused when it is decoded, with the reason.
    if (!withinLimits(size, maxPixels()))
        return QSize();
    if (reader.transformation() & QImageIOHandler::TransformationRotate90)
        size.transpose();
    return size;
}

bool ImageLoader::canRead(const QString& path)
{
    if (!isRegularFile(path))
        return false;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.canRead();
}

qint64 ImageLoader::maxPixels()
{
    const int megapixels =
        Settings::instance()->value(AppConfig::kMaxPictureMegapixels, 100).toInt();
    return qint64(std::clamp(megapixels, 1, 1000)) * 1'000'000;
}

bool ImageLoader::withinLimits(const QSize& size, qint64 maxPixels)
{
    return size.width() > 0 && size.height() > 0 && size.width() <= kMaxSide &&
           size.height() <= kMaxSide && qint64(size.width()) * size.height() <= maxPixels;
}

QSize ImageLoader::clampedToLimits(const QSize& size, qint64 maxPixels)
{
    if (size.isEmpty() || withinLimits(size, maxPixels))
        return size;
    double factor = std::min(double(kMaxSide) / size.width(), double(kMaxSide) / size.height());
    factor =
        std::min(factor, std::sqrt(double(maxPixels) / (double(size.width()) * size.height())));
    const QSize clamped(std::max(1, int(size.width() * factor)),
                        std::max(1, int(size.height() * factor)));
    return withinLimits(clamped, maxPixels) ? clamped : QSize(1, 1);
}

QImage ImageLoader::read(QIODevice* device, const QString& name, Outcome* outcome)
{
    if (const qint64 end = pngEndBeforeOversizedChunk(device)) {
        QBuffer head;
        device->seek(0);
        head.setData(device->read(end));
        head.open(QIODevice::ReadOnly);
        qWarning() << "ImageLoader: a chunk of" << name << "claims more than the file holds";
        const QImage image = read(&head, name, outcome);
        if (outcome && *outcome == Outcome::Whole)
            *outcome = Outcome::Damaged;
        return image;
    }
    if (outcome)
        *outcome = Outcome::Unreadable;
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
    const qint64 limit = maxPixels();
    if (isVector(format)) {
        const QSize clamped = clampedToLimits(size, std::min(limit, kMaxVectorPixels));
        if (clamped != size) {
            qWarning() << "ImageLoader: vector picture" << name << size << "rendered at" << clamped;
            reader.setScaledSize(clamped);
        }
    } else if (size.isValid() && !withinLimits(size, limit)) {
        qWarning() << "ImageLoader: picture refused, too large:" << name << size << "limit"
                   << kMaxSide << "px a side and" << limit << "pixels";
        if (outcome)
            *outcome = Outcome::TooLarge;
        return QImage();
    }

    const QImage::Format layout = reader.imageFormat();
    QImage image;
    const bool decoded = reader.read(&image);
    const bool damaged = !image.isNull() && (!decoded || cutShort(device, format));
    if (!decoded && damaged) {
        QImage grey = readIntoGrey(device, format, image.size(), layout);
        if (!grey.isNull())
            image = std::move(grey);
    }
    if (!decoded && !damaged) {
        qWarning() << "ImageLoader: cannot decode" << name << reader.errorString();
        return QImage();
    }
    // Formats that do not report their size up front are checked once decoded.
    if (!withinLimits(image.size(), isVector(format) ? kMaxVectorPixels : limit)) {
        qWarning() << "ImageLoader: picture refused, too large:" << name << image.size();
        if (outcome)
            *outcome = Outcome::TooLarge;
        return QImage();
    }
    if (damaged)
        qWarning() << "ImageLoader: damaged picture, kept as far as it could be read:" << name
                   << reader.errorString();
    if (outcome)
        *outcome = damaged ? Outcome::Damaged : Outcome::Whole;
    return toWorkingFormat(image);
}
