#pragma once

#include "gui/widgets/BaseWidget.h"

#include <QColor>
#include <QSize>
#include <QStringList>

class QLabel;

// A clickable icon-and-text widget styled through the application style sheet. Every mouse
// press on it is consumed; only the left button clicks.
class BaseButton : public BaseWidget
{
    Q_OBJECT
    Q_PROPERTY(QSize iconSize READ iconSize WRITE setIconSize)
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor)

public:
    explicit BaseButton(QWidget* parent = nullptr, int layoutType = 1);

    void setIcon(const QString& path);
    void setText(const QString& text);
    QString text() const;
    void setIconSize(const QSize& size);
    QSize iconSize() const;
    void setTextColor(const QColor& color);
    QColor textColor() const;
    void setTextVisible(bool visible);
    // Index 0: normal icon, index 1: hover icon.
    void setIconList(const QStringList& icons) { m_icons = icons; }

    QLabel* iconLabel() const { return m_iconLabel; }
    QLabel* textLabel() const { return m_textLabel; }

signals:
    void clicked(QObject* widget);
    void mouseEnter(QObject* widget);
    void mouseLeave(QObject* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_iconLabel;
    QLabel* m_textLabel;
    QStringList m_icons;
};
