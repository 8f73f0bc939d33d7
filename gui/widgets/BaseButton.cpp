#include "gui/widgets/BaseButton.h"

#include <QBoxLayout>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

BaseButton::BaseButton(QWidget* parent, int layoutType)
    : BaseWidget(parent, layoutType, Plain), m_iconLabel(new QLabel(this)),
      m_textLabel(new QLabel(this))
{
    setObjectName(QStringLiteral("button"));
    m_iconLabel->setScaledContents(true);
    innerLayout()->addWidget(m_iconLabel);
    innerLayout()->addWidget(m_textLabel);
    installEventFilter(this);
}

void BaseButton::setIcon(const QString& path)
{
    m_iconLabel->setPixmap(QPixmap(path));
}

void BaseButton::setText(const QString& text)
{
    m_textLabel->setText(text);
}

QString BaseButton::text() const
{
    return m_textLabel->text();
}

void BaseButton::setIconSize(const QSize& size)
{
    m_iconLabel->setFixedSize(size);
}

QSize BaseButton::iconSize() const
{
    return m_iconLabel->size();
}

void BaseButton::setTextColor(const QColor& color)
{
    m_textLabel->setStyleSheet(QStringLiteral("color: %1;").arg(color.name()));
    m_textLabel->setProperty("text-color", color);
}

QColor BaseButton::textColor() const
{
    return m_textLabel->property("text-color").value<QColor>();
}

void BaseButton::setTextVisible(bool visible)
{
    m_textLabel->setVisible(visible);
}

bool BaseButton::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != this)
        return BaseWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            emit clicked(this);
        return true;
    case QEvent::Enter:
        if (m_icons.size() > 1)
            setIcon(m_icons.at(1));
        emit mouseEnter(this);
        break;
    case QEvent::Leave:
        if (!m_icons.isEmpty())
            setIcon(m_icons.at(0));
        emit mouseLeave(this);
        break;
    default:
        break;
    }
    return BaseWidget::eventFilter(watched, event);
}
