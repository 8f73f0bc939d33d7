#pragma once

#include <QObject>

#include <memory>

class HistoryStep;
class QUndoStack;

// The one undo history of the collection. Steps the user just took are recorded; undo and redo
// replay them. The pictures of deleted cards stay in the history (shared, not copied) until the
// history holds more than its cap of them (kMaxHeldBytes, 1 GiB); then the oldest steps are
// dropped until it holds less, so a long session cannot fill memory with pictures nobody asks
// back.
class History : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 kMaxHeldBytes = qint64(1024) * 1024 * 1024;

    explicit History(QObject* parent = nullptr);

    QUndoStack* stack() const { return m_stack; }
    void setMaxHeldBytes(qint64 bytes) { m_maxHeldBytes = bytes; }

    // A step the collection already shows (the user just did it).
    void record(std::shared_ptr<HistoryStep> step);
    // A step to do now and to keep.
    void perform(std::shared_ptr<HistoryStep> step);
    // While a step is undone or redone: whatever the collection does meanwhile is part of it and
    // is not recorded again.
    bool isReplaying() const { return m_replaying; }
    void clear();

    // For the commands that wrap the steps.
    void replay(HistoryStep& step, bool undo);

signals:
    // The collection changed: a step was recorded, undone or redone.
    void changed();

private:
    void push(std::shared_ptr<HistoryStep> step, bool alreadyDone);
    void trim();

    QUndoStack* m_stack;
    bool m_replaying = false;
    qint64 m_maxHeldBytes = kMaxHeldBytes;
};
