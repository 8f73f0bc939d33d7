#include "core/base/InstanceGuard.h"

#include <QDebug>
#include <QDir>
#include <QStandardPaths>

InstanceGuard::InstanceGuard(const QString& key)
    : m_key(key), m_memory(std::make_unique<QSharedMemory>(key))
{
}

InstanceGuard::~InstanceGuard()
{
    release();
}

bool InstanceGuard::acquire()
{
#ifndef Q_OS_WIN
    // QLockFile checks whether the recorded owner still lives and takes over a stale lock. It
    // lies in the user's runtime folder: one user's instance must not keep another user's out.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    m_lock =
        std::make_unique<QLockFile>((runtime.isEmpty() ? QDir::tempPath() : runtime) +
                                    QLatin1Char('/') + m_key + QStringLiteral(".instance.lock"));
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0) && !recoverLock())
        return false;
#endif
    if (m_memory->attach(QSharedMemory::ReadWrite)) {
#ifdef Q_OS_WIN
        return false;
#else
        // We hold the lock, so whoever made this segment is gone; detaching as its last
        // user removes it. Without a lock the segment alone has to tell.
        m_memory->detach();
        if (!m_lock)
            return false;
#endif
    }
    m_memory->create(1, QSharedMemory::ReadWrite);
    return true;
}

bool InstanceGuard::recoverLock()
{
    // No lock file can be made at all (no usable temporary folder): run unguarded, as when
    // the segment cannot be made.
    if (m_lock->error() != QLockFile::LockFailedError) {
        qWarning() << "InstanceGuard: no lock file possible, running without a guard:"
                   << m_lock->error();
        m_lock.reset();
        return true;
    }
    // A lock file naming no owner (cut short by a crash or a full disk) belongs to no running
    // instance, yet would never count as stale and so would block every later start.
    qint64 pid = 0;
    QString host;
    QString application;
    if (m_lock->getLockInfo(&pid, &host, &application))
        return false;
    qWarning() << "InstanceGuard: removing a lock file that names no owner";
    return m_lock->removeStaleLockFile() && m_lock->tryLock(0);
}

void InstanceGuard::release()
{
    if (m_memory->isAttached())
        m_memory->detach();
    if (m_lock)
        m_lock->unlock();
}
