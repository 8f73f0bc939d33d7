#include "core/images/CaptionLayout.h"

#include "core/images/ImageCaption.h"

#include <QFontMetricsF>
#include <QRegularExpression>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace {

// Breaks one line at spaces so that no piece is wider than maxWidth; a single word wider than
// that stays whole (it is shrunk when drawn).
QStringList wrapped(const QString& line, const QFontMetricsF& metrics, qreal maxWidth)
{
    if (metrics.horizontalAdvance(line) <= maxWidth)
        return {line};
    QStringList pieces;
    QString current;
    for (const QString& word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString candidate = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
        if (!current.isEmpty() && metrics.horizontalAdvance(candidate) > maxWidth) {
            pieces << current;
            current = word;
        } else {
            current = candidate;
        }
    }
    pieces << current;
    return pieces;
}

} // namespace

QStringList CaptionLayout::lines(const QString& text)
{
    static const QRegularExpression breaks(
        QStringLiteral("\\\\N|\\r\\n|[\\n\\r\\x{2028}\\x{2029}]"));
    QString plain = text;
    plain.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return plain.split(breaks);
}

int CaptionLayout::margin(const QSize& canvas)
{
    // 40 pixels on a 1080-row still, the place subtitles usually keep from the edge.
    return std::max(4, std::min(canvas.width(), canvas.height()) / 27);
}

QFont CaptionLayout::font(const ImageCaption& caption)
{
    QFont font(QStringLiteral("Microsoft YaHei"));
    // A size is taken at 72 dpi, one pixel a point, on every device: decoded files carry a
    // resolution of their own, and the caption must not grow with it. An emptied size field
    // stores 0, which is no size; draw at the smallest one.
    font.setPixelSize(std::max(1, caption.fontSize.toInt(nullptr, 10)));
    font.setWeight(caption.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(caption.italic);
    font.setUnderline(caption.underline);
    font.setStrikeOut(caption.strikeOut);
    return font;
}

CaptionLayout::CaptionLayout(const ImageCaption& caption, const QSize& canvas)
    : m_anchor(caption.x, caption.y), m_outline(std::max(0, caption.border)),
      m_canvasRows(canvas.height())
{
    if (caption.text.trimmed().isEmpty() || canvas.isEmpty())
        return;
    const QFont captionFont = font(caption);
    const QFontMetricsF metrics(captionFont);
    const int edge = margin(canvas);
    const qreal maxWidth = std::max<qreal>(1.0, canvas.width() - 2 * (edge + m_outline));

    // Lines are laid out around x = 0, one line spacing apart, each centred on its own ink.
    QPainterPath block;
    qreal baseline = metrics.ascent();
    for (const QString& paragraph : lines(caption.text)) {
        for (const QString& line : wrapped(paragraph, metrics, maxWidth)) {
            QPainterPath glyphs;
            glyphs.addText(0, baseline, captionFont, line);
            const QRectF ink = glyphs.boundingRect();
            QTransform place;
            place.translate(0, baseline);
            if (ink.width() > maxWidth)
                place.scale(maxWidth / ink.width(), maxWidth / ink.width());
            place.translate(-ink.center().x(), -baseline);
            block.addPath(place.map(glyphs));
            baseline += metrics.lineSpacing();
        }
    }
    const QRectF ink = block.boundingRect();
    if (ink.isEmpty())
        return;

    // An aligned caption is placed by what is really drawn, outline included, so it stays
    // inside the picture at any size, line count and outline.
    const qreal halfWidth = ink.width() / 2 + m_outline;
    const qreal halfHeight = ink.height() / 2 + m_outline;
    qreal x = caption.x;
    qreal y = caption.y;
    if (caption.hAlign == ImageCaption::Left)
        x = edge + halfWidth;
    else if (caption.hAlign == ImageCaption::HCenter)
        x = canvas.width() / 2.0;
    else if (caption.hAlign == ImageCaption::Right)
        x = canvas.width() - edge - halfWidth;
    if (caption.vAlign == ImageCaption::Top)
        y = edge + halfHeight;
    else if (caption.vAlign == ImageCaption::VCenter)
        y = canvas.height() / 2.0;
    else if (caption.vAlign == ImageCaption::Bottom)
        y = canvas.height() - edge - halfHeight;
    m_anchor = QPoint(int(std::lround(x)), int(std::lround(y)));

    m_path = block.translated(QPointF(m_anchor) - ink.center());
    m_bounds = m_path.boundingRect()
                   .adjusted(-m_outline - 1, -m_outline - 1, m_outline + 1, m_outline + 1)
                   .toAlignedRect();
}

StillBand CaptionLayout::band() const
{
    if (m_bounds.isEmpty())
        return StillBand();
    // A little of the picture around the glyphs, so the strip does not cut them at the edge:
    // 7 rows on a 720-row still, 10 on a 1080-row one.
    const int margin = std::max(4, m_canvasRows / 100);
    const int top = std::max(m_bounds.top() - margin, 0);
    const int bottom = std::min(m_bounds.bottom() + 1 + margin, m_canvasRows);
    return bottom > top ? StillBand{top, bottom - top} : StillBand();
}
