#pragma once

#include "gui/application/Notice.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

// The strip along the bottom of the main window that shows the latest notice. A new notice
// replaces the one shown; a click on the text or the close mark dismisses it; information goes
// away after a few seconds, a failure stays longer so it can be read.
class NoticeBar : public QWidget
{
    Q_OBJECT

public:
    explicit NoticeBar(QWidget* parent = nullptr);

    void showNotice(const Notice& notice);

    QString text() const;
    QPushButton* actionButton() const { return m_action; }

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QLabel* m_text;
    QPushButton* m_action;
    QPushButton* m_close;
    QTimer* m_timer;
    std::function<void()> m_callback;
};
