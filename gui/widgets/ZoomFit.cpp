#include "gui/widgets/ZoomFit.h"

#include "core/base/ScreenManager.h"

#include <QDebug>
#include <QtGlobal>

#include <algorithm>

int ZoomFit::margin()
{
    return int(20.0 / ScreenManager::instance()->scale());
}

int ZoomFit::fitPercent(const QSize& picture, const QSize& area, int margin)
{
    if (picture.isEmpty())
        return 0;
    // The margin is taken from the area, not from the picture: a picture that already fits
    // is shown at its own size instead of being shrunk by the margin.
    const int w = std::min(picture.width(), std::max(area.width() - 2 * margin, 0));
    const int h = std::min(picture.height(), std::max(area.height() - 2 * margin, 0));
    const float fx = float(w) / float(picture.width());
    const float fy = float(h) / float(picture.height());
    qDebug() << "changeSizeByWindow center:" << fx << fy;

    // The width the toolkit's fast scaling to that width (or height) would produce, worked
    // out without scaling the whole picture.
    const int fittedWidth =
        fy > fx ? w : qRound(double(h) / double(picture.height()) * double(picture.width()));
    return int(float(fittedWidth) / float(picture.width()) * 100.0f);
}

QSize ZoomFit::displaySize(const QSize& picture, int zoom)
{
    const qint64 width = qint64(picture.width()) * zoom;
    const qint64 height = qint64(picture.height()) * zoom;
    return QSize(int(qRound64(double(width) / 100.0)), int(qRound64(double(height) / 100.0)));
}
