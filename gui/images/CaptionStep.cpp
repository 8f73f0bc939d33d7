#include "gui/images/CaptionStep.h"

#include "gui/images/ImagesWidget.h"

namespace {

// The one id all caption steps share; whether two merge is decided by mergeWith().
constexpr int kCaptionStepId = 0x43415054;

} // namespace

CaptionStep::CaptionStep(ImagesWidget* strip, QList<Change> changes, int field, QString text)
    : m_strip(strip), m_changes(std::move(changes)), m_field(field), m_text(std::move(text))
{
}

void CaptionStep::undo()
{
    for (const Change& change : qAsConst(m_changes))
        m_strip->setCaptionAt(change.index, change.before);
}

void CaptionStep::redo()
{
    for (const Change& change : qAsConst(m_changes))
        m_strip->setCaptionAt(change.index, change.after);
}

int CaptionStep::mergeId() const
{
    return m_field < 0 || m_changes.size() != 1 ? -1 : kCaptionStepId;
}

bool CaptionStep::mergeWith(const HistoryStep& later)
{
    const auto& next = static_cast<const CaptionStep&>(later);
    if (next.m_field != m_field || next.m_changes.size() != 1 ||
        next.m_changes.first().index != m_changes.first().index)
        return false;
    m_changes.first().after = next.m_changes.first().after;
    return true;
}
