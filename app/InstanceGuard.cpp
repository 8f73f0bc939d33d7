#include "app/InstanceGuard.h"

#include <QDir>

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
    // QLockFile checks whether the recorded owner still lives and takes over a stale lock.
    m_lock = std::make_unique<QLockFile>(QDir::tempPath() + QLatin1Char('/') + m_key +
                                         QStringLiteral(".instance.lock"));
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0))
        return false;
#endif
    if (m_memory->attach(QSharedMemory::ReadWrite)) {
#ifdef Q_OS_WIN
        return false;
#else
        // We hold the lock, so whoever made this segment is gone; detaching as its last
        // user removes it.
        m_memory->detach();
#endif
    }
    m_memory->create(1, QSharedMemory::ReadWrite);
    return true;
}

void InstanceGuard::release()
{
    if (m_memory->isAttached())
        m_memory->detach();
    if (m_lock)
        m_lock->unlock();
}
