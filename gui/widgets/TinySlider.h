#pragma once

#include <QSlider>

// A slider whose handle jumps to the click position and that leaves the arrow and page
// keys to its parent.
class TinySlider : public QSlider
{
    Q_OBJECT

public:
    explicit TinySlider(Qt::Orientation orientation, QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
