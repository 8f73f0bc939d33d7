#include "gui/images/TickStep.h"

#include "gui/images/ImagesWidget.h"

TickStep::TickStep(ImagesWidget* strip, QList<QPair<int, bool>> ticks, QString text)
    : m_strip(strip), m_ticks(std::move(ticks)), m_text(std::move(text))
{
}

void TickStep::apply(bool undo)
{
    for (const auto& tick : qAsConst(m_ticks))
        m_strip->setCheckedAt(tick.first, undo ? !tick.second : tick.second);
}
