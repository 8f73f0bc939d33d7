#include "gui/images/MoveStep.h"

#include "gui/images/ImagesWidget.h"

MoveStep::MoveStep(ImagesWidget* strip, int from, int to, QString text)
    : m_strip(strip), m_from(from), m_to(to), m_text(std::move(text))
{
}

void MoveStep::undo()
{
    m_strip->moveStillAt(m_to, m_from);
}

void MoveStep::redo()
{
    m_strip->moveStillAt(m_from, m_to);
}
