#pragma once

#include "core/images/StillBand.h"

#include <QImage>
#include <QVector>
#include <QtGlobal>

// Finds a subtitle that a player already burnt into a still (a screenshot), so a subtitle-strip
// sheet can show each still's own subtitle rows.
//
// How: subtitle glyphs are strokes of one colour, a few pixels wide, between two strong edges
// (their outline, or the picture behind them). Every row of the lower 60% of the still is
// scanned for such strokes, bright ones (a bright run between two falls of luminance) and dark
// ones alike; each stroke keeps its colour. The colour most strokes share is the text's ink
// (film detail has strong edges too, but seldom many short runs of one colour). Counting the
// strokes of that ink row by row gives a profile in which a line of text stands out as a block
// of dense rows above and below rows with next to none; noise, grain and gradients give a flat
// profile, and a block is only taken when it stands well above the profile's floor. The densest
// block is one line; its edges are grown into the thin rows of ascenders and descenders, a
// block just above or below it of a similar height is the subtitle's other line, and a margin
// of a quarter line (at least the outline's width) is added around them.
//
// Text in the upper 40% of a still is never looked at: signs and titles live there, and a
// subtitle-strip sheet shows the lower part of the stills. Pure functions of the pixels: safe on
// any thread, any picture format; a picture too small to hold text gives an unset band.
class SubtitleDetector final
{
public:
    // The colour a picture's text strokes share. `dark` is text darker than what surrounds it
    // (black text on a light picture).
    struct Ink
    {
        QRgb colour = 0;
        bool dark = false;
    };

    // The rows of the subtitle (every line of it) with a margin, in the still's own rows;
    // unset when the still shows none.
    static StillBand find(const QImage& still);
    // find() for every still, in order, on one thread per core.
    static QVector<StillBand> findAll(const QVector<QImage>& stills);

    // A line of text (or two) found anywhere in a picture: its rows with the margin, and its
    // inks, the one its strokes show best first, then the one of the other polarity that finds
    // the same rows if any (a subtitle's outline besides its fill).
    struct Text
    {
        StillBand band;
        QVector<Ink> inks;
    };
    // The text a picture holds anywhere, not only in its lower part: for a band already cut
    // from a still. Unset band and no inks when it holds none.
    static Text text(const QImage& picture);
    // The pixels of the ink's colour in the picture's strokes of that ink (the runs described
    // above) as a Grayscale8 mask: 255 on them, 0 elsewhere.
    static QImage inkStrokes(const QImage& picture, const Ink& ink);
    // Whether a pixel has that ink's colour, within what blur and compression change of it.
    static bool isInk(QRgb pixel, const Ink& ink, int tolerance = kInkTolerance);

    // Per channel, of 255.
    static constexpr int kInkTolerance = 48;

private:
    SubtitleDetector() = delete;
};
