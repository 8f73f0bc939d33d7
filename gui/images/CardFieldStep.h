#pragma once

#include "core/images/ImageCaption.h"
#include "core/images/StillBand.h"
#include "gui/application/HistoryStep.h"
#include "gui/images/ImagesWidget.h"

#include <QList>

#include <type_traits>

// Changes to one field of the cards: a caption (a key typed, a style field set, Apply Current
// Style) or a band of its own (a drag, a typed value, fitted to the captions). One card or
// many. Setting one field of one card again continues the step before, as typing does.
template <typename Value> class CardFieldStep : public HistoryStep
{
public:
    struct Change
    {
        int index;
        Value before;
        Value after;
    };

    // `field` tells what was edited (the editor's own numbers); equal fields of one card
    // merge, kNoMerge never does.
    static constexpr int kNoMerge = -1;

    CardFieldStep(ImagesWidget* strip, QList<Change> changes, int field, QString text)
        : m_strip(strip), m_changes(std::move(changes)), m_field(field), m_text(std::move(text))
    {
    }

    QString text() const override { return m_text; }
    void undo() override
    {
        for (const Change& change : qAsConst(m_changes))
            set(change.index, change.before);
    }
    void redo() override
    {
        for (const Change& change : qAsConst(m_changes))
            set(change.index, change.after);
    }
    int mergeId() const override { return m_field < 0 || m_changes.size() != 1 ? -1 : kId; }
    bool mergeWith(const HistoryStep& later) override
    {
        const auto& next = static_cast<const CardFieldStep&>(later);
        if (next.m_field != m_field || next.m_changes.size() != 1 ||
            next.m_changes.first().index != m_changes.first().index)
            return false;
        m_changes.first().after = next.m_changes.first().after;
        return true;
    }

private:
    // One id per kind of field, so that only steps of the same kind are offered to merge.
    static constexpr int kId = std::is_same_v<Value, StillBand> ? 0x42414e44 : 0x43415054;

    void set(int index, const Value& value)
    {
        if constexpr (std::is_same_v<Value, StillBand>)
            m_strip->setBandAt(index, value);
        else
            m_strip->setCaptionAt(index, value);
    }

    ImagesWidget* m_strip;
    QList<Change> m_changes;
    int m_field;
    QString m_text;
};

using CaptionStep = CardFieldStep<ImageCaption>;
using BandStep = CardFieldStep<StillBand>;
