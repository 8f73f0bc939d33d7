#include "gui/images/CardsStep.h"

#include "gui/images/ImagesWidget.h"

CardsStep::CardsStep(ImagesWidget* strip, Kind kind, QList<QPair<int, ProjectStill>> cards,
                     QString text)
    : m_strip(strip), m_kind(kind), m_cards(std::move(cards)), m_text(std::move(text))
{
}

void CardsStep::undo()
{
    m_kind == Add ? remove() : insert();
}

void CardsStep::redo()
{
    m_kind == Add ? insert() : remove();
}

qint64 CardsStep::heldBytes() const
{
    // Added cards are in the strip, or gone with a step that can no longer be redone.
    if (m_kind == Add)
        return 0;
    qint64 bytes = 0;
    for (const auto& card : m_cards)
        bytes += card.second.picture.sizeInBytes();
    return bytes;
}

void CardsStep::insert()
{
    for (const auto& card : qAsConst(m_cards))
        m_strip->insertStill(card.first, card.second);
}

void CardsStep::remove()
{
    for (int i = m_cards.size() - 1; i >= 0; --i)
        m_strip->removeStillAt(m_cards.at(i).first);
}
