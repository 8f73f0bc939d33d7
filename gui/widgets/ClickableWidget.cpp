#include "gui/widgets/ClickableWidget.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

#include "core/base/ScreenManager.h"

namespace {
const char* const kOriginY = "originY";
}

ClickableWidget::ClickableWidget(QObject* parent, bool liftOnHover)
    : QObject(parent), m_liftOnHover(liftOnHover)
{
}

void ClickableWidget::moveToY(QObject* watched, int offset)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return;
    // Our own lift must not be taken for the resting height, or every hover would drift up.
    m_lifting = true;
    widget->move(widget->x(), widget->property(kOriginY).toInt() + offset);
    m_lifting = false;
}

bool ClickableWidget::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            break;
        if (m_liftOnHover)
            moveToY(watched, 0);
        emit clicked(watched);
        return true;
    case QEvent::Enter:
        if (m_liftOnHover)
            moveToY(watched, -scaled(5));
        emit mouseEnter(watched);
        break;
    case QEvent::Leave:
        if (m_liftOnHover)
            moveToY(watched, 0);
        emit mouseLeave(watched);
        break;
    case QEvent::Move:
        if (m_liftOnHover && !m_lifting) {
            if (auto* widget = qobject_cast<QWidget*>(watched))
                widget->setProperty(kOriginY, widget->y());
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
