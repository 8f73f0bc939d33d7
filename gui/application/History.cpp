#include "gui/application/History.h"

#include "gui/application/HistoryStep.h"

#include <QDebug>
#include <QUndoCommand>
#include <QUndoStack>

namespace {

// The stack's command for a step. Steps are shared, so the history can be rebuilt without the
// oldest of them.
class StepCommand : public QUndoCommand
{
public:
    StepCommand(History* history, std::shared_ptr<HistoryStep> step, bool alreadyDone)
        : QUndoCommand(step->text()), m_history(history), m_step(std::move(step)),
          m_skipRedo(alreadyDone)
    {
    }

    std::shared_ptr<HistoryStep> step() const { return m_step; }

    void undo() override { m_history->replay(*m_step, true); }
    void redo() override
    {
        // Pushing a step the collection already shows must not do it a second time.
        if (std::exchange(m_skipRedo, false))
            return;
        m_history->replay(*m_step, false);
    }
    int id() const override { return m_step->mergeId(); }
    bool mergeWith(const QUndoCommand* other) override
    {
        if (!m_step->mergeWith(*static_cast<const StepCommand*>(other)->m_step))
            return false;
        setText(m_step->text());
        return true;
    }

private:
    History* m_history;
    std::shared_ptr<HistoryStep> m_step;
    bool m_skipRedo;
};

} // namespace

History::History(QObject* parent) : QObject(parent), m_stack(new QUndoStack(this))
{
    connect(m_stack, &QUndoStack::indexChanged, this, &History::changed);
}

void History::record(std::shared_ptr<HistoryStep> step)
{
    if (!m_replaying)
        push(std::move(step), true);
}

void History::perform(std::shared_ptr<HistoryStep> step)
{
    if (m_replaying) {
        step->redo();
        return;
    }
    push(std::move(step), false);
}

void History::clear()
{
    m_stack->clear();
}

void History::replay(HistoryStep& step, bool undo)
{
    const bool was = std::exchange(m_replaying, true);
    undo ? step.undo() : step.redo();
    m_replaying = was;
    emit changed();
}

void History::push(std::shared_ptr<HistoryStep> step, bool alreadyDone)
{
    m_stack->push(new StepCommand(this, std::move(step), alreadyDone));
    trim();
}

// Drops the oldest steps while the history keeps more picture memory than its cap. The stack
// cannot drop commands itself, so it is rebuilt from the steps that stay; they are all done
// (a new step has just cleared what could be redone), so none is replayed.
void History::trim()
{
    qint64 held = 0;
    for (int i = 0; i < m_stack->count(); ++i)
        held += static_cast<const StepCommand*>(m_stack->command(i))->step()->heldBytes();
    if (held <= m_maxHeldBytes)
        return;
    QList<std::shared_ptr<HistoryStep>> kept;
    for (int i = 0; i < m_stack->count(); ++i)
        kept << static_cast<const StepCommand*>(m_stack->command(i))->step();
    const int clean = m_stack->cleanIndex();
    int dropped = 0;
    while (held > m_maxHeldBytes && kept.size() > 1) {
        held -= kept.takeFirst()->heldBytes();
        ++dropped;
    }
    qDebug() << "History: dropped the" << dropped << "oldest steps to stay under" << m_maxHeldBytes
             << "bytes of pictures";
    const QSignalBlocker blocker(m_stack);
    m_stack->clear();
    for (int i = 0; i < kept.size(); ++i) {
        if (clean - dropped == i)
            m_stack->setClean();
        m_stack->push(new StepCommand(this, kept.at(i), true));
    }
    if (clean - dropped == kept.size())
        m_stack->setClean();
    else if (clean < dropped)
        m_stack->resetClean();
}
