#pragma once

#include <QByteArray>
#include <QImage>

// Writes an opaque picture as a baseline JPEG with the settings of Qt's writer (libjpeg's
// defaults at the given quality, 4:2:0, the picture's resolution), so that a decoder gives the
// same pixels, but faster: the rows go to libjpeg-turbo as they are in memory, without a
// converted copy, and a tall picture is cut into slices of whole block rows, one per core,
// each encoded on a thread of its own and joined with restart markers. A restart marker only
// starts the coefficients' coding afresh, so the pixels stay those of one pass. Safe on any
// thread.
class JpegWriter final
{
public:
    // Whether encode() takes this picture: 32-bit without alpha (RGB32).
    static bool accepts(const QImage& picture);
    // The JPEG file of the picture at `quality` (0 to 100; below 0: 75, Qt's default); empty
    // when it cannot be made. `threads` 0 means one per core.
    static QByteArray encode(const QImage& picture, int quality, int threads = 0);

private:
    JpegWriter() = delete;
};
