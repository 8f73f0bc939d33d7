#include "core/images/ImageComposer.h"

#include <utility>

#include <QColor>
#include <QDebug>
#include <QPainter>
#include <QPen>

#include "core/images/CaptionLayout.h"
#include "core/images/ImageCaption.h"

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

QImage ImageComposer::compose(QImage canvas, const ImageCaption& caption)
{
    // Without text nothing would be drawn; the canvas is shared instead of copied.
    if (canvas.isNull() || CaptionLayout(caption, canvas.size()).isEmpty())
        return canvas;
    QImage composed = std::move(canvas);
    composeInto(composed, QPoint(0, 0), caption, composed.size());
    return composed;
}

void ImageComposer::composeInto(QImage& band, const QPoint& origin, const ImageCaption& caption,
                                const QSize& canvasSize)
{
    const CaptionLayout layout(caption, canvasSize);
    if (layout.isEmpty() || band.isNull())
        return;
    const QRect area = layout.bounds().intersected(QRect(QPoint(0, 0), canvasSize));
    if (area.isEmpty() || !area.intersects(QRect(origin, band.size())))
        return;

    // Outline and fill are drawn into a layer of the caption's own size, the fill replacing
    // the outline where they meet: a translucent text colour then shows the picture through,
    // not the inner half of the outline. Only the caption's pixels are touched. The layer is
    // the same whichever band it lands on, and laying it over a band blends each pixel as it
    // would over the whole canvas.
    QImage layer(area.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter painter(&layer);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(-area.topLeft());
        if (layout.outlineWidth() > 0) {
            // Twice the width, centred on the glyph edge: the ring outside is the width asked.
            painter.strokePath(layout.path(),
                               QPen(QColor(caption.borderColor), 2 * layout.outlineWidth(),
                                    Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        }
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillPath(layout.path(), QColor(caption.color));
    }
    QPainter painter(&band);
    painter.drawImage(area.topLeft() - origin, layer);
}

QPoint ImageComposer::anchor(const ImageCaption& caption, const QSize& canvasSize)
{
    return CaptionLayout(caption, canvasSize).anchor();
}
