#pragma once

#include <QLockFile>
#include <QSharedMemory>
#include <QString>

#include <memory>

// Lets one instance run at a time. The guard is a one-byte shared-memory segment; on
// systems where a segment outlives a killed process, a lock file that records the owner's
// process id tells a stale segment from a live one.
class InstanceGuard final
{
    Q_DISABLE_COPY_MOVE(InstanceGuard)

public:
    explicit InstanceGuard(const QString& key);
    ~InstanceGuard();

    // False when another live instance holds the guard.
    bool acquire();
    void release();

private:
    // After a failed lock: true when this start may go on all the same.
    bool recoverLock();

    QString m_key;
    std::unique_ptr<QSharedMemory> m_memory;
    std::unique_ptr<QLockFile> m_lock;
};
