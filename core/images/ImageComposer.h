#pragma once

#include <QFont>
#include <QImage>
#include <QSize>

struct ImageCaption;

// Builds the picture a card shows and exports: the source letterboxed onto the collection's
// canvas, then the subtitle burnt in. Pure functions on values, shared by the cards and the
// batch sheet tool so both draw the same pixels, on any thread with a font database.
class ImageComposer final
{
public:
    // The source fitted onto a black canvas of canvasSize; null for an empty canvas. Both take
    // their picture by value: a caller that hands over its only reference (std::move) lets
    // the pixels be reused in place instead of copied.
    static QImage letterbox(QImage source, const QSize& canvasSize);
    // The canvas with the caption drawn; the canvas itself when there is no text.
    static QImage compose(QImage canvas, const ImageCaption& caption);
    static QFont captionFont(const ImageCaption& caption);
    // The anchor that aligns the caption's text on a canvas (ImageCaption's alignments; any
    // other value counts as left, or as bottom).
    static int xPos(const ImageCaption& caption, int canvasWidth, int hAlign);
    static int yPos(const ImageCaption& caption, int canvasHeight, int vAlign);

private:
    ImageComposer() = delete;
};
