#pragma once

#include "core/images/ImageCaption.h"
#include "gui/application/HistoryStep.h"

#include <QList>

class ImagesWidget;

// Caption changes of one card (a key typed, a style field set) or of all (Apply Current
// Style). Typing in one card, or setting one field again, continues the step before.
class CaptionStep : public HistoryStep
{
public:
    struct Change
    {
        int index;
        ImageCaption before;
        ImageCaption after;
    };

    // `field` tells what was edited (the editor's own numbers); equal fields of one card merge,
    // a negative one (kNoMerge) never does.
    static constexpr int kNoMerge = -1;

    CaptionStep(ImagesWidget* strip, QList<Change> changes, int field, QString text);

    QString text() const override { return m_text; }
    void undo() override;
    void redo() override;
    int mergeId() const override;
    bool mergeWith(const HistoryStep& later) override;

private:
    ImagesWidget* m_strip;
    QList<Change> m_changes;
    int m_field;
    QString m_text;
};
