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
    CaptionListStep(QString text, QList<CaptionInfo> before, QList<CaptionInfo> after)
        : m_text(std::move(text)), m_before(std::move(before)), m_after(std::move(after)),
          m_film(CaptionManager::instance()->videoFile().absoluteFilePath())
    {
    }

    QString text() const override { return m_text; }
    void undo() override { put(m_before); }
    void redo() override { put(m_after); }

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
};
