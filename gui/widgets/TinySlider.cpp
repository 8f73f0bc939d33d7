#include "gui/widgets/TinySlider.h"

#include <QDebug>
#include <QKeyEvent>
#include <QMouseEvent>

TinySlider::TinySlider(Qt::Orientation orientation, QWidget* parent) : QSlider(orientation, parent)
{
    setPageStep(1);
    setTracking(true);
    setRange(0, 100);
}

void TinySlider::mousePressEvent(QMouseEvent* event)
{
    QSlider::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || width() <= 0)
        return;
    const int value =
        int(minimum() + double(maximum() - minimum()) * event->pos().x() / double(width()));
    qDebug() << "slider press value:" << value;
    setValue(value);
}

void TinySlider::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        event->ignore();
        return;
    default:
        event->accept();
    }
}
