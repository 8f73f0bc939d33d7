#include "preview/ZoomFit.h"

#include "app/ScreenManager.h"

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
    const int w = std::min(picture.width(), area.width());
    const int h = std::min(picture.height(), area.height());
    const float fx = float(w) / float(picture.width());
    const float fy = float(h) / float(picture.height());
    qDebug() << "changeSizeByWindow center:" << fx << fy;

    // The width the toolkit's fast scaling to that width (or height) would produce, worked
    // out without scaling the whole picture.
    int fittedWidth = 0;
    if (fy > fx) {
        fittedWidth = std::max(w - 2 * margin, 0);
    } else if (h - 2 * margin > 0) {
        const double factor = double(h - 2 * margin) / double(picture.height());
        fittedWidth = qRound(factor * double(picture.width()));
    }
    return int(float(fittedWidth) / float(picture.width()) * 100.0f);
}

QSize ZoomFit::displaySize(const QSize& picture, int zoom)
{
    const qint64 width = qint64(picture.width()) * zoom;
    const qint64 height = qint64(picture.height()) * zoom;
    return QSize(int(qRound64(double(width) / 100.0)), int(qRound64(double(height) / 100.0)));
}
