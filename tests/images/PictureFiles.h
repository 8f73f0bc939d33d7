#pragma once

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QString>
#include <QtEndian>

// Picture files written by the tests themselves.
namespace PictureFiles {

inline QImage solid(int width, int height, QColor color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// Random pixels: compresses badly, so its files are large and take a while to encode.
inline QImage noise(int width, int height, quint32 seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<quint32*>(image.scanLine(y));
        random.fillRange(line, width);
    }
    return image;
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline quint32 crc32(const QByteArray& bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

inline QByteArray pngChunk(const QByteArray& type, const QByteArray& data)
{
    char length[4];
    qToBigEndian(quint32(data.size()), length);
    char crc[4];
    qToBigEndian(crc32(type + data), crc);
    return QByteArray(length, 4) + type + data + QByteArray(crc, 4);
}

// A PNG whose header announces the given size and whose pixel data is a few stray bytes:
// enough for the size to be read, never enough to decode (so a huge size costs no memory).
inline QByteArray pngHeaderOnly(quint32 width, quint32 height)
{
    char numbers[8];
    qToBigEndian(width, numbers);
    qToBigEndian(height, numbers + 4);
    QByteArray header(numbers, 8);
    header.append("\x08\x02\x00\x00\x00", 5); // 8-bit RGB, no interlace
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) +
           pngChunk("IDAT", QByteArray("\x78\x9c\x00", 3));
}

} // namespace PictureFiles
