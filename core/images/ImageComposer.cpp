#include "core/images/ImageComposer.h"

#include <utility>

#include <QColor>
#include <QDebug>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include "core/images/ImageCaption.h"

namespace {

// Decoded files carry their own resolution (a JPEG often says 72 dpi), and point sizes follow
// the paint device's resolution; measuring and drawing on a device of the default resolution
// keeps the subtitle the same size whatever file the picture came from.
QImage referenceDevice()
{
    return QImage(1, 1, QImage::Format_RGB32);
}

void useReferenceResolution(QImage& image)
{
    const QImage reference = referenceDevice();
    image.setDotsPerMeterX(reference.dotsPerMeterX());
    image.setDotsPerMeterY(reference.dotsPerMeterY());
}

} // namespace

QImage ImageComposer::letterbox(QImage source, const QSize& canvasSize)
{
    if (canvasSize.isEmpty())
        return QImage();
    // A picture that already fills the canvas is used as it is (shared, not copied); one with
    // transparency still goes onto black so that its transparent parts come out black.
    if (source.size() == canvasSize && !source.hasAlphaChannel())
        return std::move(source).convertToFormat(QImage::Format_RGB32);

    QImage canvas(canvasSize, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    if (source.isNull())
        return canvas;
    const QImage fitted = source.scaled(canvasSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&canvas);
    painter.drawImage((canvasSize.width() - fitted.width()) / 2,
                      (canvasSize.height() - fitted.height()) / 2, fitted);
    return canvas;
}

QFont ImageComposer::captionFont(const ImageCaption& caption)
{
    QFont font(QStringLiteral("Microsoft YaHei"));
    // An emptied size field stores 0, which is no point size; draw at the smallest one.
    font.setPointSize(qMax(1, caption.fontSize.toInt(nullptr, 10)));
    font.setWeight(caption.bold ? 75 : 50);
    font.setItalic(caption.italic);
    font.setUnderline(caption.underline);
    font.setStrikeOut(caption.strikeOut);
    return font;
}

QImage ImageComposer::compose(QImage canvas, const ImageCaption& caption)
{
    // Without text nothing would be drawn; the canvas is shared instead of copied.
    if (caption.text.isEmpty() || canvas.isNull())
        return canvas;

    QImage composed = std::move(canvas);
    useReferenceResolution(composed);
    QPainter painter(&composed);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setFont(captionFont(caption));

    const QColor textColor(caption.color);
    const QColor outlineColor(caption.borderColor);
    const QFontMetrics metrics = painter.fontMetrics();
    const int h = metrics.height();
    const int w = metrics.horizontalAdvance(caption.text);
    const QRect r = metrics.boundingRect(caption.text);

    QPainterPath path;
    path.addText(QPointF(caption.x - w * 0.5 + caption.border * 0.5, caption.y + h * 0.5),
                 painter.font(), caption.text);
    if (caption.border > 0)
        painter.strokePath(path, QPen(outlineColor, caption.border));
    painter.setPen(QPen(textColor, 1));
    painter.drawText(QPoint(caption.x - r.width() / 2, caption.y + r.height() / 2), caption.text);
    painter.end();
    return composed;
}

int ImageComposer::xPos(const ImageCaption& caption, int canvasWidth, int hAlign)
{
    const QImage reference = referenceDevice();
    const QFontMetrics metrics(captionFont(caption), &reference);
    const double halfText = metrics.horizontalAdvance(caption.text) * 0.5;
    qDebug() << "getXPos" << canvasWidth << halfText << canvasWidth - halfText;
    if (hAlign == ImageCaption::Right)
        return int(canvasWidth - halfText);
    if (hAlign == ImageCaption::HCenter)
        return int(canvasWidth * 0.5);
    return int(halfText);
}

int ImageComposer::yPos(const ImageCaption& caption, int canvasHeight, int vAlign)
{
    const QImage reference = referenceDevice();
    const QFontMetrics metrics(captionFont(caption), &reference);
    const int lineHeight = metrics.height();
    if (vAlign == ImageCaption::Top)
        return int(lineHeight * 0.2);
    if (vAlign == ImageCaption::VCenter)
        return int(canvasHeight * 0.5 - lineHeight * 0.5);
    return int(canvasHeight - lineHeight * 0.6);
}
