#pragma once

#include "gui/application/HistoryStep.h"

#include <QList>
#include <QPair>

class ImagesWidget;

// Ticks set or cleared: one card's, or all of them at once.
class TickStep : public HistoryStep
{
public:
    // The cards by place, with their tick after the step; before it, the tick was the opposite.
    TickStep(ImagesWidget* strip, QList<QPair<int, bool>> ticks, QString text);

    QString text() const override { return m_text; }
    void undo() override { apply(true); }
    void redo() override { apply(false); }

private:
    void apply(bool undo);

    ImagesWidget* m_strip;
    QList<QPair<int, bool>> m_ticks;
    QString m_text;
};
