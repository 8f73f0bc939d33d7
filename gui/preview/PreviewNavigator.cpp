#include "gui/preview/PreviewNavigator.h"

#include "gui/widgets/ScaleViewBar.h"

#include <QApplication>
#include <QLayout>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

PreviewNavigator::PreviewNavigator(QScrollArea* area, QWidget* picture, ScaleViewBar* zoom,
                                   QObject* parent)
    : QObject(parent), m_area(area), m_viewport(area->viewport()), m_picture(picture), m_zoom(zoom)
{
    m_viewport->installEventFilter(this);
    picture->installEventFilter(this);
}

bool PreviewNavigator::canPan() const
{
    return m_area->horizontalScrollBar()->maximum() > 0 ||
           m_area->verticalScrollBar()->maximum() > 0;
}

bool PreviewNavigator::eventFilter(QObject* watched, QEvent* event)
{
    // Compared by the pointer kept from the start: the area may be half destroyed when its
    // viewport sends its last events.
    if (watched == m_viewport && event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier)
            return zoomAround(wheel->position().toPoint(), wheel->angleDelta().y());
        return false;
    }
    if (watched != m_picture)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* press = static_cast<QMouseEvent*>(event);
        m_pressed = press->button() == Qt::LeftButton;
        m_panned = false;
        m_last = press->globalPos();
        return false;
    }
    case QEvent::MouseMove: {
        const auto* move = static_cast<QMouseEvent*>(event);
        m_picture->setCursor(canPan() ? (m_pressed ? Qt::ClosedHandCursor : Qt::OpenHandCursor)
                                      : Qt::PointingHandCursor);
        if (!m_pressed || !canPan())
            return false;
        const QPoint delta = move->globalPos() - m_last;
        if (!m_panned && delta.manhattanLength() < QApplication::startDragDistance())
            return false;
        m_panned = true;
        m_last = move->globalPos();
        m_area->horizontalScrollBar()->setValue(m_area->horizontalScrollBar()->value() - delta.x());
        m_area->verticalScrollBar()->setValue(m_area->verticalScrollBar()->value() - delta.y());
        return true;
    }
    case QEvent::MouseButtonRelease:
        m_pressed = false;
        // A drag that panned is not a click.
        return std::exchange(m_panned, false);
    default:
        return false;
    }
}

bool PreviewNavigator::zoomAround(const QPoint& pointer, int wheelDelta)
{
    if (wheelDelta == 0 || m_picture->width() <= 0 || m_picture->height() <= 0)
        return true;
    const QPointF at = m_picture->mapFrom(m_viewport, pointer);
    const QPointF share(at.x() / m_picture->width(), at.y() / m_picture->height());
    wheelDelta > 0 ? m_zoom->zoomIn() : m_zoom->zoomOut();
    // The new size is laid out now, so the point can be put back under the pointer at once.
    if (QLayout* layout = m_area->widget()->layout())
        layout->activate();
    const QPoint now =
        m_picture->mapTo(m_viewport, QPoint(qRound(share.x() * m_picture->width()),
                                            qRound(share.y() * m_picture->height())));
    m_area->horizontalScrollBar()->setValue(m_area->horizontalScrollBar()->value() + now.x() -
                                            pointer.x());
    m_area->verticalScrollBar()->setValue(m_area->verticalScrollBar()->value() + now.y() -
                                          pointer.y());
    return true;
}
