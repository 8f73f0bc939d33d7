#include "gui/widgets/PropertyItem.h"

#include "core/base/ScreenManager.h"

#include <QBoxLayout>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

PropertyItem::PropertyItem(QWidget* parent)
    : QWidget(parent), m_label(new QLabel(this)), m_lineEdit(new QLineEdit(this))
{
    setAttribute(Qt::WA_StyledBackground);
    setObjectName(QStringLiteral("widget_property"));
    setFixedHeight(scaled(22));

    m_lineEdit->setObjectName(QStringLiteral("property"));
    m_lineEdit->setFixedHeight(scaled(20));
    m_lineEdit->setAlignment(Qt::AlignCenter);

    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(scaledRect(10, 1, 1, 1));
    layout->addWidget(m_label);
    layout->addSpacing(scaled(10));
    layout->addWidget(m_lineEdit, 1);

    m_label->installEventFilter(this);
    connect(m_lineEdit, &QLineEdit::textChanged, this, &PropertyItem::valueTextChanged);
    connect(m_lineEdit, &QLineEdit::returnPressed, m_lineEdit, &QLineEdit::clearFocus);
}

void PropertyItem::setDescriptor(const PropertyDescriptor& descriptor)
{
    m_descriptor = descriptor;
    m_label->setText(descriptor.label);
    m_lineEdit->setText(descriptor.defaultValue);
    m_minimum = descriptor.minimum;
    m_maximum = descriptor.maximum;
}

void PropertyItem::setLabel(const QString& text)
{
    m_label->setText(text);
}

void PropertyItem::setValue(const QString& text, bool blockSignals)
{
    const bool wasBlocked = blockSignals ? m_lineEdit->blockSignals(true) : false;
    QString clamped = text;
    if (!text.isEmpty() && text != QLatin1String("-")) {
        const int number = text.toInt();
        if (number > m_maximum)
            clamped = QString::number(m_maximum);
        else if (number < m_minimum)
            clamped = QString::number(m_minimum);
    }
    m_lineEdit->setText(clamped);
    if (blockSignals)
        m_lineEdit->blockSignals(wasBlocked);
}

QString PropertyItem::text() const
{
    return m_lineEdit->text();
}

int PropertyItem::value() const
{
    return m_lineEdit->text().toInt();
}

bool PropertyItem::isInRange() const
{
    const int v = value();
    return v >= m_minimum && v <= m_maximum;
}

bool PropertyItem::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_label)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            m_lastPos = mouse->pos();
            setCursor(Qt::SizeHorCursor);
        }
        break;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->buttons() & Qt::LeftButton) {
            const int step = (mouse->pos().x() - m_lastPos.x()) / 2;
            setValue(QString::number(value() + step), false);
            m_lineEdit->setFocus();
            m_lastPos = mouse->pos();
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        setCursor(Qt::ArrowCursor);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void PropertyItem::enterEvent(QEvent* event)
{
    setCursor(Qt::SizeHorCursor);
    QWidget::enterEvent(event);
}

void PropertyItem::leaveEvent(QEvent* event)
{
    setCursor(Qt::ArrowCursor);
    QWidget::leaveEvent(event);
}
