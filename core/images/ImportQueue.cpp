#include "core/images/ImportQueue.h"

#include "core/images/ImageLoader.h"

#include <QMetaObject>
#include <QMutex>
#include <QMutexLocker>
#include <QRunnable>
#include <QThread>

#include <utility>

// Workers report through this rather than through the queue itself: the queue clears the
// receiver before it goes away, and a worker finishing later then reports to no one.
struct ImportQueue::Relay
{
    QMutex mutex;
    ImportQueue* receiver = nullptr;
};

ImportQueue::ImportQueue(QObject* parent) : QObject(parent), m_relay(std::make_shared<Relay>())
{
    m_relay->receiver = this;
    // Decoded pictures wait here until the ones before them arrive; more workers than cores
    // would only hold more of them in memory.
    m_pool.setMaxThreadCount(qMax(1, QThread::idealThreadCount()));
}

ImportQueue::~ImportQueue()
{
    {
        const QMutexLocker locker(&m_relay->mutex);
        m_relay->receiver = nullptr;
    }
    m_pool.clear();
    m_pool.waitForDone();
}

void ImportQueue::enqueue(const QStringList& paths)
{
    // A new batch counts from zero; nothing of the last one is still in flight.
    if (!isRunning()) {
        m_paths.clear();
        m_pictures.clear();
        m_outcomes.clear();
        m_arrived.clear();
        m_delivered = 0;
    }
    for (const QString& path : paths) {
        const int index = m_paths.size();
        m_paths.append(path);
        m_pictures.append(QImage());
        m_outcomes.append(ImageLoader::Outcome::Unreadable);
        m_arrived.append(false);
        std::shared_ptr<Relay> relay = m_relay;
        m_pool.start(QRunnable::create([relay, path, index] {
            ImageLoader::Outcome outcome = ImageLoader::Outcome::Unreadable;
            const QImage picture = ImageLoader::load(path, &outcome);
            const QMutexLocker locker(&relay->mutex);
            if (relay->receiver)
                QMetaObject::invokeMethod(
                    relay->receiver,
                    [receiver = relay->receiver, index, picture, outcome] {
                        receiver->decoded(index, picture, outcome);
                    },
                    Qt::QueuedConnection);
        }));
    }
}

void ImportQueue::decoded(int index, const QImage& picture, ImageLoader::Outcome outcome)
{
    m_pictures[index] = picture;
    m_outcomes[index] = outcome;
    m_arrived[index] = true;
    while (m_delivered < m_paths.size() && m_arrived.at(m_delivered)) {
        const int next = m_delivered++;
        // Released as soon as it is handed on, so the queue holds only pictures still
        // waiting for an earlier one.
        const QImage ready = std::exchange(m_pictures[next], QImage());
        emit pictureReady(m_paths.at(next), ready, m_outcomes.at(next));
        emit progress(m_delivered, m_paths.size());
    }
    if (!isRunning())
        emit finished();
}
