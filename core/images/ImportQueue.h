#pragma once

#include "core/images/ImageLoader.h"

#include <QImage>
#include <QObject>
#include <QStringList>
#include <QThreadPool>
#include <QVector>

#include <memory>

// Decodes picture files on worker threads and hands them back on the GUI thread in the
// order they were asked for, so a long import keeps the window responsive and the cards
// still arrive in the user's order. Files queued while a batch runs join its end.
class ImportQueue : public QObject
{
    Q_OBJECT

public:
    explicit ImportQueue(QObject* parent = nullptr);
    ~ImportQueue() override;

    void enqueue(const QStringList& paths);
    bool isRunning() const { return m_delivered < m_paths.size(); }
    int delivered() const { return m_delivered; }
    int total() const { return m_paths.size(); }

signals:
    // One per file, in order; a file that could not be decoded gives a null picture, and
    // `outcome` says why (or that the picture is damaged).
    void pictureReady(const QString& path, const QImage& picture, ImageLoader::Outcome outcome);
    void progress(int delivered, int total);
    // Every queued file has been handed back.
    void finished();

private:
    struct Relay;

    void decoded(int index, const QImage& picture, ImageLoader::Outcome outcome);

    QThreadPool m_pool;
    std::shared_ptr<Relay> m_relay;
    QStringList m_paths;
    QVector<QImage> m_pictures;
    QVector<ImageLoader::Outcome> m_outcomes;
    QVector<bool> m_arrived;
    int m_delivered = 0;
};
