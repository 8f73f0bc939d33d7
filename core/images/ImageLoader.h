#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

class QIODevice;

// Decodes one picture for the collection. It reads the header size before decoding and
// refuses pictures too large to hold, so a hostile or broken file cannot exhaust memory, and
// it tells a whole picture from a damaged one. Holds no state: safe to call from any thread at
// the same time.
class ImageLoader final
{
public:
    enum class Outcome
    {
        Whole,
        Damaged,    // cut short or corrupt: the picture holds what could be read, the rest grey
        Unreadable, // not a picture, or nothing of it could be decoded
        TooLarge,   // refused from its header, before decoding
    };

    static constexpr int kMaxSide = 16384;
    // A vector picture has no resolution of its own; one declaring a huge size is rendered
    // within this budget rather than filling memory for pixels nobody asked for.
    static constexpr qint64 kMaxVectorPixels = 4096 * 4096;

    // A null image when the file cannot be decoded or is refused; the reason is logged and
    // given in `outcome`.
    static QImage load(const QString& path, Outcome* outcome = nullptr);
    static QImage loadData(const QByteArray& data, Outcome* outcome = nullptr);
    // Decodes only `region` of a picture that is `fullSize`, upright, opaque and whole, which
    // is all a caller needs of a picture it uses unscaled; the pixels equal that region of
    // load(). Null when the picture is not such a picture or cannot be read: load() it whole.
    static QImage loadRegion(const QString& path, const QSize& fullSize, const QRect& region);
    // The same region written into `into`, an RGB32 picture of the region's size that may be a
    // window onto a larger picture (a band of a sheet); the rows are decoded straight into it
    // where the format allows. False, with `into` in any state, where the QImage overload
    // gives a null picture.
    static bool loadRegion(const QString& path, const QSize& fullSize, const QRect& region,
                           QImage& into);
    // The size of the upright picture from its header, without decoding it; invalid when the
    // header does not tell.
    static QSize uprightSize(const QString& path);
    // Header check only: true when the content looks like a picture format we can decode.
    static bool canRead(const QString& path);

    // The most pixels a picture may have: the setting "max_picture_megapixels" (default 100).
    static qint64 maxPixels();
    static bool withinLimits(const QSize& size, qint64 maxPixels);
    // The largest size of the same aspect that fits the side limit and `maxPixels` (a vector
    // picture is rendered at this size instead of being refused).
    static QSize clampedToLimits(const QSize& size, qint64 maxPixels);

private:
    static QImage read(QIODevice* device, const QString& name, Outcome* outcome);
};
