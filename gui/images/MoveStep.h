#pragma once

#include "gui/application/HistoryStep.h"

class ImagesWidget;

// A card moved to another place in the strip, which is its place in the sheet.
class MoveStep : public HistoryStep
{
public:
    MoveStep(ImagesWidget* strip, int from, int to, QString text);

    QString text() const override { return m_text; }
    void undo() override;
    void redo() override;

private:
    ImagesWidget* m_strip;
    int m_from;
    int m_to;
    QString m_text;
};
