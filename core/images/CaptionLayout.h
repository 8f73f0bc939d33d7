#pragma once

#include "core/images/StillBand.h"

#include <QFont>
#include <QPainterPath>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>

struct ImageCaption;

// Where and how a caption's glyphs lie on a canvas: the text broken into lines (at "\N", line
// feeds and line separators, then at word boundaries where a line is wider than the canvas),
// each line centred, the block placed at the caption's anchor or by its alignment. The fill
// and the outline are both drawn from path(), so the two can never drift apart; bounds() is
// exactly what drawing touches. Pure: the same caption on the same canvas always lays out the
// same, on any thread, in the window and on the command line alike.
class CaptionLayout final
{
public:
    CaptionLayout(const ImageCaption& caption, const QSize& canvas);

    // The lines a caption text stands for before any wrapping; tabs become spaces.
    static QStringList lines(const QString& text);
    // The distance an aligned caption keeps from the canvas edges.
    static int margin(const QSize& canvas);
    static QFont font(const ImageCaption& caption);

    bool isEmpty() const { return m_path.isEmpty(); }
    const QPainterPath& path() const { return m_path; }
    // The pixels drawing touches, outline included; empty when there is nothing to draw.
    QRect bounds() const { return m_bounds; }
    // The centre of the drawn text: the typed position, or where the alignment put it.
    QPoint anchor() const { return m_anchor; }
    int outlineWidth() const { return m_outline; }
    // The rows a subtitle-strip sheet must show of the still for this caption to appear whole:
    // its drawn rows and a margin above and below, inside the canvas. Unset when nothing is
    // drawn.
    StillBand band() const;

private:
    QPainterPath m_path;
    QRect m_bounds;
    QPoint m_anchor;
    int m_outline = 0;
    int m_canvasRows = 0;
};
