#pragma once

#include "core/project/ProjectData.h"
#include "gui/application/HistoryStep.h"

#include <QList>
#include <QPair>

class ImagesWidget;

// Cards coming into the strip (an import, a capture, a paste) or leaving it (a delete, Clear):
// undone, the same pictures with their captions and ticks go back to the same places. The
// pictures are the step's own (shared, never copied or read from disk again).
class CardsStep : public HistoryStep
{
public:
    enum Kind
    {
        Add,
        Remove
    };

    // `cards`: the cards by their place in the strip, in ascending order of place.
    CardsStep(ImagesWidget* strip, Kind kind, QList<QPair<int, ProjectStill>> cards, QString text);

    QString text() const override { return m_text; }
    void undo() override;
    void redo() override;
    qint64 heldBytes() const override;

private:
    void insert();
    void remove();

    ImagesWidget* m_strip;
    Kind m_kind;
    QList<QPair<int, ProjectStill>> m_cards;
    QString m_text;
};
