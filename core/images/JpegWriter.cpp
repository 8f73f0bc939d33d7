#include "core/images/JpegWriter.h"

#include <QThread>
#include <QtMath>

#include <algorithm>
#include <atomic>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include <jpeglib.h>

namespace {

// Rows of blocks a slice must at least hold before a second thread pays off.
constexpr int kMinBlockRowsPerSlice = 16;
// 4:2:0 blocks: 16 rows of pixels, 16 columns.
constexpr int kBlock = 16;

struct JpegError
{
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void jpegFailed(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

void jpegMessage(j_common_ptr)
{
}

struct Slice
{
    int first = 0; // rows [first, end)
    int end = 0;
    unsigned char* bytes = nullptr; // the slice as a JPEG file of its own, from libjpeg
    unsigned long length = 0;
    bool ok = false;
};

// Encodes rows [first, end) of the picture as a JPEG of their own with Qt's settings. A
// restart interval, when given, goes into the header; the slice holds no more blocks than one
// interval, so its data holds no marker. Only C objects live past setjmp().
void encodeSlice(const QImage& picture, int quality, unsigned restartInterval, Slice& slice)
{
    jpeg_compress_struct info;
    JpegError error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = jpegFailed;
    error.manager.output_message = jpegMessage;
    if (setjmp(error.jump)) {
        jpeg_destroy_compress(&info);
        return;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &slice.bytes, &slice.length);
    info.image_width = JDIMENSION(picture.width());
    info.image_height = JDIMENSION(slice.end - slice.first);
    // The rows are read as they lie in memory: blue, green, red and an unused byte; coded as
    // Qt codes its RGB rows.
    info.input_components = 4;
    info.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&info);
    // Qt records the resolution in whichever unit states it more exactly.
    const double inchX = picture.dotsPerMeterX() * 2.54 / 100.0;
    const double inchY = picture.dotsPerMeterY() * 2.54 / 100.0;
    const double cmX = picture.dotsPerMeterX() / 100.0;
    const double cmY = picture.dotsPerMeterY() / 100.0;
    const double offInch = qAbs(inchX - qRound(inchX)) + qAbs(inchY - qRound(inchY));
    const double offCm = (qAbs(cmX - qRound(cmX)) + qAbs(cmY - qRound(cmY))) * 2.54;
    if (offInch < offCm) {
        info.density_unit = 1;
        info.X_density = UINT16(qRound(inchX));
        info.Y_density = UINT16(qRound(inchY));
    } else {
        info.density_unit = 2;
        info.X_density = UINT16((picture.dotsPerMeterX() + 50) / 100);
        info.Y_density = UINT16((picture.dotsPerMeterY() + 50) / 100);
    }
    jpeg_set_quality(&info, quality, TRUE);
    info.restart_interval = restartInterval;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row =
            const_cast<JSAMPROW>(picture.constScanLine(slice.first + int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    slice.ok = true;
}

// Where the coded data of a JPEG file starts: past the start-of-scan segment. 0 if none.
size_t scanStart(const unsigned char* bytes, size_t length)
{
    for (size_t at = 2; at + 4 <= length;) {
        if (bytes[at] != 0xff)
            return 0;
        const size_t segment = size_t(bytes[at + 2]) << 8 | bytes[at + 3];
        if (bytes[at + 1] == 0xda)
            return at + 2 + segment <= length ? at + 2 + segment : 0;
        at += 2 + segment;
    }
    return 0;
}

// Sets the height in the frame header (start of frame 0, baseline) of a header.
bool setHeight(QByteArray& header, int height)
{
    for (int at = 2; at + 9 <= header.size();) {
        const auto byte = [&header](int i) { return uchar(header.at(i)); };
        if (byte(at) != 0xff)
            return false;
        if (byte(at + 1) == 0xc0) {
            header[at + 5] = char(height >> 8);
            header[at + 6] = char(height & 0xff);
            return true;
        }
        at += 2 + (byte(at + 2) << 8 | byte(at + 3));
    }
    return false;
}

} // namespace

bool JpegWriter::accepts(const QImage& picture)
{
    return picture.format() == QImage::Format_RGB32 && !picture.isNull() &&
           picture.width() <= 65500 && picture.height() <= 65500;
}

QByteArray JpegWriter::encode(const QImage& picture, int quality, int threads)
{
    if (!accepts(picture))
        return QByteArray();
    quality = quality < 0 ? 75 : std::min(quality, 100);
    const int height = picture.height();
    const int blocksAcross = (picture.width() + kBlock - 1) / kBlock;
    const int blockRows = (height + kBlock - 1) / kBlock;
    const int cores = threads > 0 ? threads : std::max(1, QThread::idealThreadCount());
    // A restart interval counts blocks and must fit 16 bits; a slice is one interval.
    int rowsPerSlice = std::max((blockRows + cores - 1) / cores, kMinBlockRowsPerSlice);
    rowsPerSlice = std::min(rowsPerSlice, 65535 / blocksAcross);
    const bool sliced = rowsPerSlice > 0 && rowsPerSlice < blockRows;
    std::vector<Slice> slices;
    if (!sliced) {
        slices.push_back({0, height, nullptr, 0, false});
    } else {
        for (int row = 0; row < blockRows; row += rowsPerSlice)
            slices.push_back(
                {row * kBlock, std::min(height, (row + rowsPerSlice) * kBlock), nullptr, 0, false});
    }
    const unsigned interval = sliced ? unsigned(blocksAcross * rowsPerSlice) : 0;

    std::atomic_size_t next{0};
    const auto work = [&] {
        for (size_t i = next++; i < slices.size(); i = next++)
            encodeSlice(picture, quality, interval, slices[i]);
    };
    std::vector<std::thread> workers;
    for (int i = 1; i < std::min(cores, int(slices.size())); ++i)
        workers.emplace_back(work);
    work();
    for (std::thread& worker : workers)
        worker.join();

    QByteArray jpeg;
    bool ok = true;
    for (size_t i = 0; i < slices.size() && ok; ++i) {
        const Slice& slice = slices[i];
        const size_t start = slice.ok ? scanStart(slice.bytes, slice.length) : 0;
        ok = start > 0 && slice.length >= start + 2;
        if (!ok)
            break;
        if (!sliced) {
            jpeg = QByteArray(reinterpret_cast<const char*>(slice.bytes), int(slice.length));
            break;
        }
        if (i == 0) {
            jpeg = QByteArray(reinterpret_cast<const char*>(slice.bytes), int(start));
            ok = setHeight(jpeg, height);
        } else {
            // Restart markers count 0 to 7 over and over.
            const char marker[2] = {char(0xff), char(0xd0 + (i - 1) % 8)};
            jpeg.append(marker, 2);
        }
        // The coded data, without the end-of-image marker.
        jpeg.append(reinterpret_cast<const char*>(slice.bytes) + start,
                    int(slice.length - start - 2));
    }
    if (sliced && ok)
        jpeg.append("\xff\xd9", 2);
    for (Slice& slice : slices)
        std::free(slice.bytes);
    return ok ? jpeg : QByteArray();
}
