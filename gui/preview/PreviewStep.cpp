#include "gui/preview/PreviewStep.h"

namespace {

constexpr int kPreviewStepId = 0x50524556;

} // namespace

PreviewStep::PreviewStep(PreviewWidget* preview, const PreviewWidget::MergeSettings& before,
                         const PreviewWidget::MergeSettings& after, int field, QString text)
    : m_preview(preview), m_before(before), m_after(after), m_field(field), m_text(std::move(text))
{
}

int PreviewStep::mergeId() const
{
    return m_field < 0 ? -1 : kPreviewStepId;
}

bool PreviewStep::mergeWith(const HistoryStep& later)
{
    const auto& next = static_cast<const PreviewStep&>(later);
    if (next.m_field != m_field)
        return false;
    m_after = next.m_after;
    return true;
}
