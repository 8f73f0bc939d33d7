#pragma once

#include <QImage>
#include <QPoint>
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
    // Draws into `band`, the part of a canvas of canvasSize whose top-left is `origin`, the
    // caption's pixels that compose() gives there, so a sheet that keeps only a band of a
    // still needs neither the rest decoded nor the rest drawn. `band` may be a window onto a
    // larger picture's memory; nothing outside it is touched.
    static void composeInto(QImage& band, const QPoint& origin, const ImageCaption& caption,
                            const QSize& canvasSize);
    // Where the caption's centre lands on a canvas of that size.
    static QPoint anchor(const ImageCaption& caption, const QSize& canvasSize);

private:
    ImageComposer() = delete;
};
