#pragma once

#include <QObject>
#include <QPoint>

class QScrollArea;
class QWidget;
class ScaleViewBar;

// Moving about a zoomed preview with the mouse: Ctrl and the wheel zoom in or out a step,
// keeping the point under the pointer where it is; dragging the picture pans it while it is
// larger than the panel (a drag is then no click, so it opens no viewer).
class PreviewNavigator : public QObject
{
    Q_OBJECT

public:
    PreviewNavigator(QScrollArea* area, QWidget* picture, ScaleViewBar* zoom, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool zoomAround(const QPoint& pointer, int wheelDelta);
    bool canPan() const;

    QScrollArea* m_area;
    QWidget* m_viewport;
    QWidget* m_picture;
    ScaleViewBar* m_zoom;
    QPoint m_last;
    bool m_pressed = false;
    bool m_panned = false;
};
