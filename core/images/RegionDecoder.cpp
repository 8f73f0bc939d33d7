#include "core/images/RegionDecoder.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include <jpeglib.h>
#include <spng.h>
#include <webp/decode.h>

namespace {

// 16-bit samples become 8-bit ones as Qt's reader scales them: to the nearest of 255 steps.
inline uint to8(uint sample16)
{
    return (sample16 * 255 + 32767) / 65535;
}

bool decodePng(const uchar* data, size_t length, const QSize& size, const QRect& region,
               QImage& into)
{
    const std::unique_ptr<spng_ctx, void (*)(spng_ctx*)> context(spng_ctx_new(0), spng_ctx_free);
    if (!context || spng_set_png_buffer(context.get(), data, length) != 0)
        return false;
    spng_ihdr header{};
    if (spng_get_ihdr(context.get(), &header) != 0 || int(header.width) != size.width() ||
        int(header.height) != size.height() || header.interlace_method != SPNG_INTERLACE_NONE)
        return false;
    // Colour of 8 or 16 bits, grey of 8 bits and palettes: Qt turns these into the same
    // 32-bit pixels this does. Grey of other depths and anything with alpha are Qt's to read.
    const bool wide = header.bit_depth == 16;
    const bool accepted =
        (header.color_type == SPNG_COLOR_TYPE_TRUECOLOR && (header.bit_depth == 8 || wide)) ||
        (header.color_type == SPNG_COLOR_TYPE_GRAYSCALE && header.bit_depth == 8) ||
        header.color_type == SPNG_COLOR_TYPE_INDEXED;
    if (!accepted)
        return false;
    const int format = wide ? SPNG_FMT_RGBA16 : SPNG_FMT_RGBA8;
    if (spng_decode_image(context.get(), nullptr, 0, format, SPNG_DECODE_PROGRESSIVE) != 0)
        return false;
    // A transparent colour makes pixels transparent: not an opaque picture.
    spng_trns transparency{};
    if (spng_get_trns(context.get(), &transparency) == 0)
        return false;

    const size_t rowBytes = size_t(header.width) * (wide ? 8 : 4);
    std::vector<uchar> row(rowBytes);
    for (int y = 0; y <= region.bottom(); ++y) {
        const int status = spng_decode_row(context.get(), row.data(), rowBytes);
        // The last row of the picture reports the end of the image instead of success.
        if (status != 0 && !(status == SPNG_EOI && y == size.height() - 1))
            return false;
        if (y < region.top())
            continue;
        auto* out = reinterpret_cast<QRgb*>(into.scanLine(y - region.top()));
        if (wide) {
            const auto* in = reinterpret_cast<const quint16*>(row.data()) + 4 * region.left();
            for (int x = 0; x < region.width(); ++x, in += 4)
                out[x] = 0xff000000u | (to8(in[0]) << 16) | (to8(in[1]) << 8) | to8(in[2]);
        } else {
            const uchar* in = row.data() + 4 * region.left();
            for (int x = 0; x < region.width(); ++x, in += 4)
                out[x] = 0xff000000u | (uint(in[0]) << 16) | (uint(in[1]) << 8) | in[2];
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

bool RegionDecoder::decode(const QByteArray& format, const uchar* data, size_t length,
                           const QSize& size, const QRect& region, QImage& into)
{
    if (!data || length == 0 || into.format() != QImage::Format_RGB32 ||
        into.size() != region.size() || !QRect(QPoint(0, 0), size).contains(region))
        return false;
    if (format == "png")
        return decodePng(data, length, size, region, into);
    if (format == "jpeg" || format == "jpg") {
        std::vector<uchar> row;
        return decodeJpeg(data, length, size, region, into, row);
    }
    if (format == "webp")
        return decodeWebp(data, length, size, region, into);
    return false;
}
