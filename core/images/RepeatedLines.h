#pragma once

#include "core/images/StillBand.h"

#include <QImage>
#include <QVector>

#include <functional>

// "Drop repeated lines": a subtitle line that stays on screen over several consecutive stills
// is shown once in a subtitle-strip sheet.
//
// Two bands (the same rows cut from two stills) show the same line when each holds a line of
// text (SubtitleDetector::ink) of the same ink, and the glyphs of either are found in the other:
// the glyphs are the ink's pixels in blobs that end inside the band (a blob reaching the band's
// top or bottom row is picture behind the text, a sky or a wall), and a glyph pixel of one band
// is found in the other when a pixel within one pixel of it has the ink's colour within twice
// the usual tolerance. Up to 6% of either band's glyph pixels may be missing from the other
// (JPEG at quality 75 re-encoding either side loses about 1%), and in no stretch of the line
// one text height wide may more than a quarter of them be missing, which any changed word, even
// a short one, exceeds. The background behind the line may change freely. Bands without text
// are never the same line. Pure functions: safe on any thread, any picture format.
class RepeatedLines final
{
public:
    // Whether two bands of the same size show the same subtitle line.
    static bool same(const QImage& bandA, const QImage& bandB);
    // The stills to leave out of a strip: each still compared with the last one kept before
    // it, over the rows of both their bands (bands fitted to each still's own text lie a few
    // rows apart). `still(i)` gives the i-th whole still and is asked for each once, in order,
    // so a caller can make them as they are needed. The first still is always kept.
    static QVector<int> repeats(int count, const std::function<QImage(int)>& still,
                                const QVector<StillBand>& bands);

private:
    RepeatedLines() = delete;
};
