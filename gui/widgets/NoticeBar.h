#pragma once

#include "gui/application/Notice.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

// The strip in the main window's command row that shows the latest notice, in the room between
// the commands, so showing it moves nothing else. A new notice replaces the one shown; a click
// on it or on its close mark dismisses it; information goes away after a few seconds, a
// failure stays longer so it can be read. A text too long for the room ends in "…" and is
// shown whole as the tool tip.
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
    void resizeEvent(QResizeEvent* event) override;

private:
    void elide();

    QString m_fullText;
    QLabel* m_text;
    QPushButton* m_action;
    QPushButton* m_close;
    QTimer* m_timer;
    std::function<void()> m_callback;
};
