#include "core/images/PngWriter.h"

#include <QThread>

#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// The window deflate looks back over: a slice starts with this much of the rows before it as
// its dictionary, so splitting costs almost nothing in size.
constexpr size_t kWindow = 32768;
// Rows filtered and handed to deflate at a time: small enough to stay in the cache.
constexpr int kRowsPerStep = 16;
// Filtered bytes a slice holds at most: slices are deflated side by side and written in
// order, so the memory held is a few slices' output, not the whole file's.
constexpr size_t kSliceBytes = size_t(4) << 20;
// Below this many rows per slice the threads cost more than they save.
constexpr int kMinRowsPerSlice = 64;

void bigEndian(char* out, quint32 value)
{
    out[0] = char(value >> 24);
    out[1] = char(value >> 16);
    out[2] = char(value >> 8);
    out[3] = char(value);
}

bool putChunk(const PngWriter::Sink& sink, const char* type, const char* data, size_t length)
{
    char head[8];
    bigEndian(head, quint32(length));
    std::memcpy(head + 4, type, 4);
    char crc[4];
    bigEndian(crc, quint32(libdeflate_crc32(libdeflate_crc32(0, type, 4), data, length)));
    return sink(head, 8) && (length == 0 || sink(data, qint64(length))) && sink(crc, 4);
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
// Whether rows that deflate leaves within 3% of their size start at row y: noise, whose
// matching costs the most time of all for nothing.
bool incompressible(const QImage& picture, int y, int rows, std::vector<uchar>& filtered)
{
    const size_t stride = size_t(picture.width()) * 3 + 1;
    for (int i = 0; i < rows; ++i)
        filterRow(picture, y + i, filtered.data() + stride * size_t(i));
    const size_t length = stride * size_t(rows);
    z_stream stream{};
    if (deflateInit2(&stream, 1, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY) != Z_OK)
        return false;
    std::vector<uchar> out(deflateBound(&stream, uLong(length)));
    stream.next_in = filtered.data();
    stream.avail_in = uInt(length);
    stream.next_out = out.data();
    stream.avail_out = uInt(out.size());
    const bool done = deflate(&stream, Z_FINISH) == Z_STREAM_END;
    const size_t produced = stream.total_out;
    deflateEnd(&stream);
    return done && produced * 100 > length * 97;
}

void deflateSlice(const QImage& picture, int level, bool last, Slice& slice)
{
    const size_t stride = size_t(picture.width()) * 3 + 1;
    std::vector<uchar> filtered(stride * kRowsPerStep);
    // A slice that does not compress at its start nor in its middle is stored: deflate at
    // level 0, a copy.
    const int sample = std::min(kRowsPerStep, slice.end - slice.first);
    const int middle = std::max(slice.first, (slice.first + slice.end) / 2 - sample);
    if (level > 0 && incompressible(picture, slice.first, sample, filtered) &&
        incompressible(picture, middle, std::min(sample, slice.end - middle), filtered))
        level = 0;
    z_stream stream{};
    if (deflateInit2(&stream, level, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY) != Z_OK)
        return;
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
    QByteArray png;
    const bool written = write(
        picture, level,
        [&png](const char* data, qint64 length) {
            if (qint64(png.size()) + length > qint64(INT_MAX))
                return false;
            png.append(data, int(length));
            return true;
        },
        threads);
    return written ? png : QByteArray();
}

bool PngWriter::write(const QImage& picture, int level, const Sink& sink, int threads)
{
    if (!accepts(picture) || qint64(picture.width()) * 3 + 1 > qint64(INT_MAX) / kRowsPerStep)
        return false;
    level = std::clamp(level, 0, 9);
    const int height = picture.height();
    const size_t stride = size_t(picture.width()) * 3 + 1;
    const int cores = threads > 0 ? threads : std::max(1, QThread::idealThreadCount());
    int rowsPerSlice = int(std::max<size_t>(size_t(kMinRowsPerSlice), kSliceBytes / stride));
    if (height < rowsPerSlice * cores)
        rowsPerSlice = std::max(kMinRowsPerSlice, (height + cores - 1) / cores);
    std::vector<Slice> slices;
    for (int row = 0; row < height; row += rowsPerSlice)
        slices.push_back({row, std::min(height, row + rowsPerSlice), QByteArray(), 1, 0, false});

    char header[13];
    bigEndian(header, quint32(picture.width()));
    bigEndian(header + 4, quint32(height));
    header[8] = 8;  // bits per sample
    header[9] = 2;  // colour, no alpha
    header[10] = 0; // deflate
    header[11] = 0; // the five filters
    header[12] = 0; // not interlaced
    bool ok = sink("\x89PNG\r\n\x1a\n", 8) && putChunk(sink, "IHDR", header, sizeof header);
    // The resolution, as Qt's writer records it.
    if (ok && picture.dotsPerMeterX() > 0 && picture.dotsPerMeterY() > 0) {
        char resolution[9];
        bigEndian(resolution, quint32(picture.dotsPerMeterX()));
        bigEndian(resolution + 4, quint32(picture.dotsPerMeterY()));
        resolution[8] = 1; // per metre
        ok = putChunk(sink, "pHYs", resolution, sizeof resolution);
    }
    // The zlib stream: its header (a 32 KiB window and the level's class), the slices' blocks
    // one after another, then the checksum of all filtered rows. Chunk boundaries mean nothing
    // to the stream, so each slice is a chunk of its own, written as soon as the ones before
    // it are.
    static const char levels[4][2] = {
        {0x78, 0x01}, {0x78, 0x5e}, {0x78, char(0x9c)}, {0x78, char(0xda)}};
    ok = ok && putChunk(sink, "IDAT",
                        levels[level < 2    ? 0
                               : level < 6  ? 1
                               : level == 6 ? 2
                                            : 3],
                        2);

    std::mutex mutex;
    std::condition_variable turn;
    size_t written = 0; // slices written, in order
    uLong adler = 1;
    std::atomic_size_t next{0};
    const auto work = [&] {
        for (size_t i = next++; i < slices.size(); i = next++) {
            Slice& slice = slices[i];
            if (ok)
                deflateSlice(picture, level, i + 1 == slices.size(), slice);
            std::unique_lock<std::mutex> lock(mutex);
            turn.wait(lock, [&] { return written == i; });
            ok = ok && slice.ok &&
                 putChunk(sink, "IDAT", slice.deflated.constData(), size_t(slice.deflated.size()));
            adler = adler32_combine(adler, slice.adler, z_off_t(slice.length));
            slice.deflated = QByteArray();
            ++written;
            turn.notify_all();
        }
    };
    if (ok) {
        std::vector<std::thread> workers;
        for (int i = 1; i < std::min(cores, int(slices.size())); ++i)
            workers.emplace_back(work);
        work();
        for (std::thread& worker : workers)
            worker.join();
    }
    char checksum[4];
    bigEndian(checksum, quint32(adler));
    return ok && putChunk(sink, "IDAT", checksum, 4) && putChunk(sink, "IEND", "", 0);
}
