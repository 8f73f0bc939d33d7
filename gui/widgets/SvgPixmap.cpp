#include "gui/widgets/SvgPixmap.h"

#include <QPainter>
#include <QSvgRenderer>

QPixmap svgPixmap(const QString& path, const QSize& size, qreal devicePixelRatio)
{
    QSvgRenderer renderer(path);
    const QSize device = (QSizeF(size) * devicePixelRatio).toSize();
    if (!renderer.isValid() || device.isEmpty())
        return QPixmap();
    // Fitted into the square keeping the drawing's own proportions.
    const QSizeF fitted = QSizeF(renderer.defaultSize()).scaled(device, Qt::KeepAspectRatio);
    QPixmap pixmap(device);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF((device.width() - fitted.width()) / 2,
                                             (device.height() - fitted.height()) / 2),
                                     fitted));
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}
