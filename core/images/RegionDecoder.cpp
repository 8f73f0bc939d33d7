#include "core/images/RegionDecoder.h"

#include <QFile>

#include <emmintrin.h>

#include <climits>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include <jpeglib.h>
#include <libdeflate.h>
#include <webp/decode.h>

namespace {

// 16-bit samples become 8-bit ones as Qt's reader scales them: to the nearest of 255 steps.
inline uint to8(uint sample16)
{
    return (sample16 * 255 + 32767) / 65535;
}

inline quint32 bigEndian32(const uchar* p)
{
    return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3];
}

// What one thread keeps between pictures: the picture's compressed data gathered from its
// chunks and its rows inflated at once (libdeflate inflates a whole stream faster than zlib
// inflates it piece by piece), reused so that the pages are touched once, not per picture.
struct PngScratch
{
    std::vector<uchar> compressed;
    std::vector<uchar> rows;
    std::vector<uchar> zeros;
    std::unique_ptr<libdeflate_decompressor, void (*)(libdeflate_decompressor*)> inflater{
        libdeflate_alloc_decompressor(), libdeflate_free_decompressor};
};

thread_local PngScratch pngScratch;

// Undoes the filter of one row in place, given the row above it (zeros for the first), one
// byte at a time: for pictures of one byte a pixel.
bool unfilter(uchar* row, const uchar* above, size_t length, size_t step, uchar type)
{
    switch (type) {
    case 0:
        return true;
    case 1:
        for (size_t i = step; i < length; ++i)
            row[i] = uchar(row[i] + row[i - step]);
        return true;
    case 2:
        for (size_t i = 0; i < length; ++i)
            row[i] = uchar(row[i] + above[i]);
        return true;
    case 3:
        for (size_t i = 0; i < step; ++i)
            row[i] = uchar(row[i] + above[i] / 2);
        for (size_t i = step; i < length; ++i)
            row[i] = uchar(row[i] + (uint(row[i - step]) + above[i]) / 2);
        return true;
    case 4:
        for (size_t i = 0; i < step; ++i)
            row[i] = uchar(row[i] + above[i]);
        for (size_t i = step; i < length; ++i) {
            const int a = row[i - step], b = above[i], c = above[i - step];
            const int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
            row[i] = uchar(row[i] + (pa <= pb && pa <= pc ? a : pb <= pc ? b : c));
        }
        return true;
    default:
        return false;
    }
}

// The same for pictures of Step bytes a pixel (3: colour, 6: 16-bit colour), a whole pixel at
// a time: each pixel depends on the one before it, but its channels do not depend on each
// other, so they are worked on side by side in one register, as 16-bit lanes. Reads up to 8
// bytes at each pixel, so both rows need 8 bytes of room past their ends.
template <size_t Step>
bool unfilterPixels(uchar* row, const uchar* above, size_t length, uchar type)
{
    static_assert(Step <= 8, "one pixel must fit in 8 bytes");
    if (type == 0 || type == 2 || type > 4)
        return unfilter(row, above, length, Step, type);
    const __m128i zero = _mm_setzero_si128();
    const __m128i low = _mm_set1_epi16(0xff);
    const auto load = [zero](const uchar* at) {
        quint64 bytes;
        std::memcpy(&bytes, at, 8);
        return _mm_unpacklo_epi8(_mm_cvtsi64_si128(qint64(bytes)), zero);
    };
    const auto store = [](uchar* at, __m128i pixel) {
        const quint64 bytes = quint64(_mm_cvtsi128_si64(_mm_packus_epi16(pixel, pixel)));
        std::memcpy(at, &bytes, Step);
    };
    const auto absolute = [zero](__m128i v) { return _mm_max_epi16(v, _mm_sub_epi16(zero, v)); };
    __m128i a = zero; // the pixel to the left, already unfiltered
    __m128i c = zero; // the pixel above that one
    for (size_t i = 0; i < length; i += Step) {
        const __m128i x = load(row + i);
        const __m128i b = load(above + i);
        __m128i predicted;
        if (type == 1) {
            predicted = a;
        } else if (type == 3) {
            predicted = _mm_srli_epi16(_mm_add_epi16(a, b), 1);
        } else {
            const __m128i pa = absolute(_mm_sub_epi16(b, c));
            const __m128i pb = absolute(_mm_sub_epi16(a, c));
            const __m128i pc = absolute(_mm_add_epi16(_mm_sub_epi16(b, c), _mm_sub_epi16(a, c)));
            const __m128i smallest = _mm_min_epi16(_mm_min_epi16(pa, pb), pc);
            const __m128i takeA = _mm_cmpeq_epi16(smallest, pa);
            const __m128i takeB = _mm_andnot_si128(takeA, _mm_cmpeq_epi16(smallest, pb));
            const __m128i takeC = _mm_andnot_si128(_mm_or_si128(takeA, takeB), _mm_set1_epi16(-1));
            predicted = _mm_or_si128(_mm_or_si128(_mm_and_si128(takeA, a), _mm_and_si128(takeB, b)),
                                     _mm_and_si128(takeC, c));
        }
        a = _mm_and_si128(_mm_add_epi16(x, predicted), low);
        c = b;
        store(row + i, a);
    }
    return true;
}

// PNG: the chunks are checked as libpng checks them (signature, lengths, checksums, order of
// the critical ones), the rows are inflated and unfiltered up to the last one the region
// needs, and its rows converted. Colour of 8 or 16 bits, grey and palettes of 8 bits: Qt turns
// these into the same 32-bit pixels. Grey of other depths, palettes of fewer bits, anything
// with transparency or interlaced is Qt's to read.
bool decodePng(QFile& file, const QSize& size, const QRect& region, QImage& into)
{
    static const uchar signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    uchar head[8];
    if (!file.seek(0) || file.read(reinterpret_cast<char*>(head), 8) != 8 ||
        std::memcmp(head, signature, 8) != 0)
        return false;
    PngScratch& scratch = pngScratch;
    if (!scratch.inflater)
        return false;
    // The compressed data is read chunk by chunk into one buffer, not mapped and copied, so a
    // picture costs its compressed size once.
    scratch.compressed.clear();
    std::vector<uchar> chunk;
    std::vector<uchar> palette;
    int depth = 0, colour = -1;
    bool first = true;
    for (bool ended = false; !ended; first = false) {
        if (file.read(reinterpret_cast<char*>(head), 8) != 8)
            return false;
        const quint32 chunkLength = bigEndian32(head);
        const uchar* type = head + 4;
        if (chunkLength > quint32(INT_MAX) || chunkLength > file.bytesAvailable())
            return false;
        const bool data = std::memcmp(type, "IDAT", 4) == 0;
        std::vector<uchar>& into = data ? scratch.compressed : chunk;
        const size_t at = data ? into.size() : 0;
        into.resize(at + chunkLength + 4);
        if (file.read(reinterpret_cast<char*>(into.data() + at), qint64(chunkLength) + 4) !=
            qint64(chunkLength) + 4)
            return false;
        const uchar* body = into.data() + at;
        const quint32 crc = libdeflate_crc32(libdeflate_crc32(0, type, 4), body, chunkLength);
        if (crc != bigEndian32(body + chunkLength))
            return false;
        into.resize(at + chunkLength);
        if (first != (std::memcmp(type, "IHDR", 4) == 0))
            return false;
        if (first) {
            if (chunkLength != 13 || int(bigEndian32(body)) != size.width() ||
                int(bigEndian32(body + 4)) != size.height() || body[10] != 0 || body[11] != 0 ||
                body[12] != 0)
                return false;
            depth = body[8];
            colour = body[9];
        } else if (std::memcmp(type, "PLTE", 4) == 0) {
            if (!palette.empty() || chunkLength == 0 || chunkLength % 3 != 0 || chunkLength > 768)
                return false;
            palette.assign(body, body + chunkLength);
        } else if (std::memcmp(type, "IEND", 4) == 0) {
            ended = true;
        } else if (!data && (std::memcmp(type, "tRNS", 4) == 0 || !(type[0] & 0x20))) {
            // Transparency, or a critical chunk this does not know.
            return false;
        }
    }
    const size_t paletteSize = palette.size() / 3;
    size_t channels = 0;
    if (colour == 2 && (depth == 8 || depth == 16))
        channels = 3;
    else if ((colour == 0 && depth == 8) || (colour == 3 && depth == 8 && paletteSize > 0))
        channels = 1;
    if (channels == 0 || scratch.compressed.empty())
        return false;

    const size_t step = channels * size_t(depth / 8);
    const size_t rowBytes = size_t(size.width()) * step;
    const size_t stride = rowBytes + 1;
    // Room past the last row for the unfilter's 8-byte reads.
    scratch.rows.resize(stride * size_t(size.height()) + 8);
    if (libdeflate_zlib_decompress(scratch.inflater.get(), scratch.compressed.data(),
                                   scratch.compressed.size(), scratch.rows.data(),
                                   scratch.rows.size() - 8, nullptr) != LIBDEFLATE_SUCCESS)
        return false;
    std::vector<uchar>& zeros = scratch.zeros;
    zeros.assign(rowBytes + 8, 0);
    for (int y = 0; y <= region.bottom(); ++y) {
        uchar* row = scratch.rows.data() + size_t(y) * stride;
        const uchar* above = y == 0 ? zeros.data() : row - stride + 1;
        const bool unfiltered = step == 3   ? unfilterPixels<3>(row + 1, above, rowBytes, row[0])
                                : step == 6 ? unfilterPixels<6>(row + 1, above, rowBytes, row[0])
                                            : unfilter(row + 1, above, rowBytes, step, row[0]);
        if (!unfiltered)
            return false;
        if (y < region.top())
            continue;
        const uchar* in = row + 1 + step * size_t(region.left());
        auto* out = reinterpret_cast<QRgb*>(into.scanLine(y - region.top()));
        if (depth == 16) {
            for (int x = 0; x < region.width(); ++x, in += 6)
                out[x] =
                    qRgb(int(to8(uint(in[0]) << 8 | in[1])), int(to8(uint(in[2]) << 8 | in[3])),
                         int(to8(uint(in[4]) << 8 | in[5])));
        } else if (colour == 2) {
            for (int x = 0; x < region.width(); ++x, in += 3)
                out[x] = qRgb(in[0], in[1], in[2]);
        } else if (colour == 0) {
            for (int x = 0; x < region.width(); ++x)
                out[x] = qRgb(in[x], in[x], in[x]);
        } else {
            for (int x = 0; x < region.width(); ++x) {
                // An index past the palette is drawn by each reader its own way.
                if (in[x] >= paletteSize)
                    return false;
                const uchar* entry = palette.data() + 3 * in[x];
                out[x] = qRgb(entry[0], entry[1], entry[2]);
            }
        }
    }
    return true;
}

struct JpegError
{
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void jpegFailed(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

// Warnings (corrupt data, a premature end) are counted, not printed: a picture that warns is
// left to Qt's reader, which knows how to show what could be read.
void jpegMessage(j_common_ptr)
{
}

// Only C objects live in this function's frame past setjmp(), so a jump out of the decoder
// skips no destructor.
bool decodeJpeg(const uchar* data, size_t length, const QSize& size, const QRect& region,
                QImage& into, std::vector<uchar>& row)
{
    jpeg_decompress_struct info;
    JpegError error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = jpegFailed;
    error.manager.output_message = jpegMessage;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(length));
    // Colour and grey pictures only: CMYK is inverted and converted by Qt's reader its own way.
    const bool readable =
        jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK && int(info.image_width) == size.width() &&
        int(info.image_height) == size.height() &&
        ((info.num_components == 3 &&
          (info.jpeg_color_space == JCS_YCbCr || info.jpeg_color_space == JCS_RGB)) ||
         (info.num_components == 1 && info.jpeg_color_space == JCS_GRAYSCALE));
    if (!readable) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    const bool fullWidth = region.left() == 0 && region.width() == size.width();
    if (!fullWidth)
        row.resize(size_t(size.width()) * 4);
    bool complete = region.top() == 0 || jpeg_skip_scanlines(&info, JDIMENSION(region.top())) ==
                                             JDIMENSION(region.top());
    for (int y = 0; complete && y < region.height(); ++y) {
        JSAMPROW line = fullWidth ? into.scanLine(y) : row.data();
        complete = jpeg_read_scanlines(&info, &line, 1) == 1;
        if (!fullWidth)
            std::memcpy(into.scanLine(y), row.data() + 4 * region.left(),
                        size_t(region.width()) * 4);
    }
    complete = complete && error.manager.num_warnings == 0;
    jpeg_destroy_decompress(&info);
    return complete;
}

bool decodeWebp(const uchar* data, size_t length, const QSize& size, const QRect& region,
                QImage& into)
{
    WebPDecoderConfig config;
    if (!WebPInitDecoderConfig(&config) ||
        WebPGetFeatures(data, length, &config.input) != VP8_STATUS_OK || config.input.has_alpha ||
        config.input.has_animation || config.input.width != size.width() ||
        config.input.height != size.height())
        return false;
    // The cropping decoder starts on even rows and columns, and smooths the colour of the
    // first row and column it gives (and of the last) as edges of the picture. So a few rows
    // and columns around the rectangle are decoded with it and dropped again.
    constexpr int kMargin = 2;
    const QRect picture(QPoint(0, 0), size);
    QRect wider = region.adjusted(-kMargin, -kMargin, kMargin, kMargin).intersected(picture);
    wider.setLeft(wider.left() & ~1);
    wider.setTop(wider.top() & ~1);
    QImage buffer;
    QImage& target = wider == region ? into : buffer;
    if (wider != region) {
        buffer = QImage(wider.size(), QImage::Format_RGB32);
        if (buffer.isNull())
            return false;
    }
    config.options.use_cropping = 1;
    config.options.crop_left = wider.left();
    config.options.crop_top = wider.top();
    config.options.crop_width = wider.width();
    config.options.crop_height = wider.height();
    // Blue, green, red, alpha in memory: the bytes of a 32-bit pixel on a little-endian machine.
    config.output.colorspace = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? MODE_BGRA : MODE_ARGB;
    config.output.is_external_memory = 1;
    config.output.u.RGBA.rgba = target.bits();
    config.output.u.RGBA.stride = int(target.bytesPerLine());
    config.output.u.RGBA.size = size_t(target.sizeInBytes());
    const bool decoded = WebPDecode(data, length, &config) == VP8_STATUS_OK;
    WebPFreeDecBuffer(&config.output);
    if (!decoded)
        return false;
    if (wider != region) {
        const QPoint offset = region.topLeft() - wider.topLeft();
        for (int y = 0; y < region.height(); ++y)
            std::memcpy(into.scanLine(y), buffer.constScanLine(y + offset.y()) + 4 * offset.x(),
                        size_t(region.width()) * 4);
    }
    return true;
}

} // namespace

void RegionDecoder::release()
{
    std::vector<uchar>().swap(pngScratch.compressed);
    std::vector<uchar>().swap(pngScratch.rows);
    std::vector<uchar>().swap(pngScratch.zeros);
}

bool RegionDecoder::decode(QFile& file, const QByteArray& format, const QSize& size,
                           const QRect& region, QImage& into)
{
    if (into.format() != QImage::Format_RGB32 || into.size() != region.size() ||
        !QRect(QPoint(0, 0), size).contains(region))
        return false;
    if (format == "png")
        return decodePng(file, size, region, into);
    // The other decoders read the file where it lies in memory.
    const qint64 length = file.size();
    const uchar* data = length > 0 ? file.map(0, length) : nullptr;
    bool decoded = false;
    if (data && (format == "jpeg" || format == "jpg")) {
        std::vector<uchar> row;
        decoded = decodeJpeg(data, size_t(length), size, region, into, row);
    } else if (data && format == "webp") {
        decoded = decodeWebp(data, size_t(length), size, region, into);
    }
    if (data)
        file.unmap(const_cast<uchar*>(data));
    return decoded;
}
