#pragma once

#include "gui/application/HistoryStep.h"

#include <QList>

#include <memory>

// Several steps the user took as one command ("Use as first": a move and a tick): undone and
// done again together.
class GroupStep : public HistoryStep
{
public:
    GroupStep(QString text, QList<std::shared_ptr<HistoryStep>> steps)
        : m_text(std::move(text)), m_steps(std::move(steps))
    {
    }

    QString text() const override { return m_text; }
    void undo() override
    {
        for (auto it = m_steps.crbegin(); it != m_steps.crend(); ++it)
            (*it)->undo();
    }
    void redo() override
    {
        for (const auto& step : qAsConst(m_steps))
            step->redo();
    }
    qint64 heldBytes() const override
    {
        qint64 bytes = 0;
        for (const auto& step : m_steps)
            bytes += step->heldBytes();
        return bytes;
    }

private:
    QString m_text;
    QList<std::shared_ptr<HistoryStep>> m_steps;
};
