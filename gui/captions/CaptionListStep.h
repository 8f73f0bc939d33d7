#pragma once

#include <QDebug>
#include <QList>
#include <QString>

#include "core/captions/CaptionInfo.h"
#include "core/captions/CaptionManager.h"
#include "gui/application/HistoryStep.h"

// One correction of the caption list (a line typed or nudged, deleted, split, merged, every
// time shifted): the lines before and after it. The lines belong to one film; once another
// film's lines are shown the step leaves them alone.
class CaptionListStep : public HistoryStep
{
public:
    // A step that moves a time of one line (`field` 0 or more) continues the one before when
    // it moves the same time of the line that one left at `from`: a key held down is one step.
    CaptionListStep(QString text, QList<CaptionInfo> before, QList<CaptionInfo> after,
                    int field = -1, int from = -1, int to = -1)
        : m_text(std::move(text)), m_before(std::move(before)), m_after(std::move(after)),
          m_film(CaptionManager::instance()->videoFile().absoluteFilePath()), m_field(field),
          m_from(from), m_to(to)
    {
    }

    QString text() const override { return m_text; }
    void undo() override { put(m_before); }
    void redo() override { put(m_after); }
    int mergeId() const override { return m_field < 0 ? -1 : kId; }
    bool mergeWith(const HistoryStep& later) override
    {
        const auto& next = static_cast<const CaptionListStep&>(later);
        if (next.m_field != m_field || next.m_from != m_to || next.m_film != m_film)
            return false;
        m_after = next.m_after;
        m_to = next.m_to;
        return true;
    }

private:
    void put(const QList<CaptionInfo>& lines) const
    {
        CaptionManager* store = CaptionManager::instance();
        if (store->videoFile().absoluteFilePath() != m_film) {
            qDebug() << "CaptionListStep: the lines of" << m_film << "are no longer shown";
            return;
        }
        store->replaceCaptions(lines);
    }

    QString m_text;
    QList<CaptionInfo> m_before;
    QList<CaptionInfo> m_after;
    QString m_film;
    int m_field;
    int m_from;
    int m_to;

    static constexpr int kId = 0x4c494e45;
};
