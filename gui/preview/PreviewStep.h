#pragma once

#include "gui/application/HistoryStep.h"
#include "gui/preview/PreviewWidget.h"

// A change of how the preview merges and exports: the layout, a spacing, the column count or
// the output size. A number typed digit by digit into one field is one step.
class PreviewStep : public HistoryStep
{
public:
    PreviewStep(PreviewWidget* preview, const PreviewWidget::MergeSettings& before,
                const PreviewWidget::MergeSettings& after, int field, QString text);

    QString text() const override { return m_text; }
    void undo() override { m_preview->applySettings(m_before); }
    void redo() override { m_preview->applySettings(m_after); }
    int mergeId() const override;
    bool mergeWith(const HistoryStep& later) override;

private:
    PreviewWidget* m_preview;
    PreviewWidget::MergeSettings m_before;
    PreviewWidget::MergeSettings m_after;
    int m_field;
    QString m_text;
};
