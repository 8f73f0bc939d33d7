#pragma once

#include <QObject>

// Event filter that turns a left click on the watched widget into clicked(). With lift on
// hover, the widget rises 5 pixels while the pointer is over it.
class ClickableWidget : public QObject
{
    Q_OBJECT

public:
    explicit ClickableWidget(QObject* parent = nullptr, bool liftOnHover = false);

    bool liftOnHover() const { return m_liftOnHover; }
    void setLiftOnHover(bool lift) { m_liftOnHover = lift; }

signals:
    void clicked(QObject* widget);
    void mouseEnter(QObject* widget);
    void mouseLeave(QObject* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void moveToY(QObject* watched, int offset);

    bool m_liftOnHover;
    bool m_lifting = false;
};
