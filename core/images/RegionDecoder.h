#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>

class QFile;

// Decoders that write one rectangle of a PNG, JPEG or WEBP picture straight into the caller's
// 32-bit rows, reading no more of the picture than that rectangle needs: libspng row by row
// through one reused row (PNG rows depend on the ones above them, so those are decoded and
// dropped), libjpeg-turbo skipping the rows above the rectangle, libwebp's cropping decoder.
// Each gives the pixels Qt's own reader gives for the same file and refuses (false) every
// picture it would draw differently: transparency, interlacing, CMYK, bit layouts Qt converts
// its own way, animation. The caller then reads the picture with Qt. Holds no state: safe on
// any thread.
class RegionDecoder final
{
public:
    // `file` is an open picture file of `format` ("png", "jpeg", "webp"), whose picture is
    // `size` and upright; `region` lies inside it. `into` is an RGB32 picture of region's size (it
    // may be a window onto a larger picture's memory). False, with `into` in any state, when the
    // picture is not one of those decoded here or cannot be read.
    static bool decode(QFile& file, const QByteArray& format, const QSize& size,
                       const QRect& region, QImage& into);

    // Gives back the memory the calling thread keeps between pictures (the size of one
    // decoded picture and of its file), once it decodes no more.
    static void release();

private:
    RegionDecoder() = delete;
};
