#pragma once

#include <QString>

// One thing the user did to the collection, as the undo history keeps it: it can be undone and
// done again, and says what it was ("Delete picture").
class HistoryStep
{
public:
    virtual ~HistoryStep() = default;

    virtual QString text() const = 0;
    virtual void undo() = 0;
    virtual void redo() = 0;
    // Steps of the same kind with equal ids that follow each other may become one (typing in one
    // caption, a field typed digit by digit); -1 never merges.
    virtual int mergeId() const { return -1; }
    virtual bool mergeWith(const HistoryStep& /*later*/) { return false; }
    // Picture memory only this step keeps alive (the pictures of deleted cards).
    virtual qint64 heldBytes() const { return 0; }
};
