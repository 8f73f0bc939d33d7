#include "core/images/PngWriter.h"

#include <QThread>

#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <thread>
#include <vector>

namespace {

// The window deflate looks back over: a slice starts with this much of the rows before it as
// its dictionary, so splitting costs almost nothing in size.
constexpr size_t kWindow = 32768;
// Rows filtered and handed to deflate at a time: small enough to stay in the cache.
constexpr int kRowsPerStep = 16;
// Below this many rows per slice the threads cost more than they save.
constexpr int kMinRowsPerSlice = 256;

void putBigEndian(QByteArray& out, quint32 value)
{
    const char bytes[4] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
    out.append(bytes, 4);
}

void putChunk(QByteArray& out, const char* type, const char* data, size_t length)
{
    putBigEndian(out, quint32(length));
    const qsizetype start = out.size();
    out.append(type, 4);
    out.append(data, qsizetype(length));
    putBigEndian(out, quint32(libdeflate_crc32(0, out.constData() + start, length + 4)));
}

// Row y as the PNG stores it: the filter byte (2, Up) and then, for every pixel, red, green
// and blue minus those of the pixel above (zero above the first row).
void filterRow(const QImage& picture, int y, uchar* out)
{
    const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    const QRgb* above =
        y > 0 ? reinterpret_cast<const QRgb*>(picture.constScanLine(y - 1)) : nullptr;
    *out++ = 2;
    const int width = picture.width();
    if (!above) {
        for (int x = 0; x < width; ++x, out += 3) {
            out[0] = uchar(qRed(row[x]));
            out[1] = uchar(qGreen(row[x]));
            out[2] = uchar(qBlue(row[x]));
        }
        return;
    }
    for (int x = 0; x < width; ++x, out += 3) {
        out[0] = uchar(qRed(row[x]) - qRed(above[x]));
        out[1] = uchar(qGreen(row[x]) - qGreen(above[x]));
        out[2] = uchar(qBlue(row[x]) - qBlue(above[x]));
    }
}

struct Slice
{
    int first = 0; // rows [first, end)
    int end = 0;
    QByteArray deflated;
    uLong adler = 1;
    size_t length = 0; // filtered bytes
    bool ok = false;
};

// Deflates one slice of rows as raw deflate blocks; all but the last end on a byte boundary
// with a sync flush, so the slices join into one stream.
void deflateSlice(const QImage& picture, int level, bool last, Slice& slice)
{
    const size_t stride = size_t(picture.width()) * 3 + 1;
    z_stream stream{};
    if (deflateInit2(&stream, level, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY) != Z_OK)
        return;
    std::vector<uchar> filtered(stride * kRowsPerStep);
    if (slice.first > 0) {
        // The end of the rows before the slice, filtered as they are in the stream.
        const int before =
            int(std::min<size_t>(size_t(slice.first), (kWindow + stride - 1) / stride));
        std::vector<uchar> dictionary(stride * size_t(before));
        for (int i = 0; i < before; ++i)
            filterRow(picture, slice.first - before + i, dictionary.data() + stride * size_t(i));
        const size_t keep = std::min(dictionary.size(), kWindow);
        deflateSetDictionary(&stream, dictionary.data() + dictionary.size() - keep, uInt(keep));
    }
    const size_t bound = deflateBound(&stream, uLong(stride * size_t(slice.end - slice.first)));
    slice.deflated.resize(qsizetype(std::min<size_t>(bound + 64, size_t(INT_MAX))));
    stream.next_out = reinterpret_cast<Bytef*>(slice.deflated.data());
    stream.avail_out = uInt(slice.deflated.size());
    bool ok = true;
    for (int y = slice.first; ok && y < slice.end; y += kRowsPerStep) {
        const int rows = std::min(kRowsPerStep, slice.end - y);
        for (int i = 0; i < rows; ++i)
            filterRow(picture, y + i, filtered.data() + stride * size_t(i));
        const size_t length = stride * size_t(rows);
        slice.adler = adler32(slice.adler, filtered.data(), uInt(length));
        slice.length += length;
        stream.next_in = filtered.data();
        stream.avail_in = uInt(length);
        const bool end = y + rows >= slice.end;
        const int flush = !end ? Z_NO_FLUSH : last ? Z_FINISH : Z_SYNC_FLUSH;
        const int status = deflate(&stream, flush);
        ok = stream.avail_in == 0 && (status == Z_OK || status == Z_STREAM_END) &&
             (flush != Z_FINISH || status == Z_STREAM_END);
    }
    slice.deflated.resize(qsizetype(stream.total_out));
    deflateEnd(&stream);
    slice.ok = ok;
}

} // namespace

bool PngWriter::accepts(const QImage& picture)
{
    return picture.format() == QImage::Format_RGB32 && !picture.isNull();
}

QByteArray PngWriter::encode(const QImage& picture, int level, int threads)
{
    if (!accepts(picture) || qint64(picture.width()) * 3 + 1 > qint64(INT_MAX) / kRowsPerStep)
        return QByteArray();
    level = std::clamp(level, 0, 9);
    const int height = picture.height();
    const int cores = threads > 0 ? threads : std::max(1, QThread::idealThreadCount());
    const int count = std::clamp(height / kMinRowsPerSlice, 1, cores);
    std::vector<Slice> slices(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        slices[size_t(i)].first = int(qint64(height) * i / count);
        slices[size_t(i)].end = int(qint64(height) * (i + 1) / count);
    }
    std::vector<std::thread> workers;
    for (int i = 1; i < count; ++i)
        workers.emplace_back(deflateSlice, std::cref(picture), level, i == count - 1,
                             std::ref(slices[size_t(i)]));
    deflateSlice(picture, level, count == 1, slices.front());
    for (std::thread& worker : workers)
        worker.join();

    uLong adler = 1;
    qint64 total = 0;
    for (const Slice& slice : slices) {
        if (!slice.ok)
            return QByteArray();
        adler = adler32_combine(adler, slice.adler, z_off_t(slice.length));
        total += slice.deflated.size() + 12;
    }
    QByteArray png;
    if (total > qint64(INT_MAX) - 4096)
        return QByteArray();
    png.reserve(int(total) + 128);
    png.append("\x89PNG\r\n\x1a\n", 8);
    char header[13];
    const quint32 width = quint32(picture.width());
    const quint32 rows = quint32(height);
    for (int i = 0; i < 4; ++i) {
        header[i] = char(width >> (24 - 8 * i));
        header[4 + i] = char(rows >> (24 - 8 * i));
    }
    header[8] = 8;  // bits per sample
    header[9] = 2;  // colour, no alpha
    header[10] = 0; // deflate
    header[11] = 0; // the five filters
    header[12] = 0; // not interlaced
    putChunk(png, "IHDR", header, sizeof header);
    // The resolution, as Qt's writer records it.
    if (picture.dotsPerMeterX() > 0 && picture.dotsPerMeterY() > 0) {
        char resolution[9];
        const quint32 x = quint32(picture.dotsPerMeterX());
        const quint32 y = quint32(picture.dotsPerMeterY());
        for (int i = 0; i < 4; ++i) {
            resolution[i] = char(x >> (24 - 8 * i));
            resolution[4 + i] = char(y >> (24 - 8 * i));
        }
        resolution[8] = 1; // per metre
        putChunk(png, "pHYs", resolution, sizeof resolution);
    }
    // The zlib stream: its header (a 32 KiB window and the level's class), the slices' blocks
    // one after another, then the checksum of all filtered rows. Chunk boundaries mean nothing
    // to the stream, so each part is a chunk of its own and no slice is copied twice.
    static const char levels[4][2] = {
        {0x78, 0x01}, {0x78, 0x5e}, {0x78, char(0x9c)}, {0x78, char(0xda)}};
    putChunk(png, "IDAT", levels[level < 2 ? 0 : level < 6 ? 1 : level == 6 ? 2 : 3], 2);
    for (Slice& slice : slices) {
        putChunk(png, "IDAT", slice.deflated.constData(), size_t(slice.deflated.size()));
        slice.deflated = QByteArray();
    }
    const char checksum[4] = {char(adler >> 24), char(adler >> 16), char(adler >> 8), char(adler)};
    putChunk(png, "IDAT", checksum, 4);
    putChunk(png, "IEND", nullptr, 0);
    return png;
}
