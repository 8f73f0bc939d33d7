#pragma once

#include <QSize>

// The arithmetic shared by the preview panel and the picture viewer for fitting a picture
// into an area and for the size shown at a zoom percentage.
class ZoomFit final
{
public:
    // The margin kept around a fitted picture: about 20 device pixels at any screen scale.
    static int margin();
    // The percentage at which `picture` fits `area` less `margin` on each side; never above
    // 100: a picture is fitted, never enlarged.
    static int fitPercent(const QSize& picture, const QSize& area, int margin);
    // The picture's size at `zoom` percent.
    static QSize displaySize(const QSize& picture, int zoom);

private:
    ZoomFit() = delete;
};
