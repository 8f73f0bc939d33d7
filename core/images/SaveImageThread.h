#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <QThread>

// Writes a batch of pictures into one folder off the GUI thread. The owner hands over
// QImages (never QPixmaps, which belong to the GUI thread) before start and follows the
// export through the three signals, which arrive queued on the owner's thread.
class SaveImageThread : public QThread
{
    Q_OBJECT

public:
    explicit SaveImageThread(QObject* parent = nullptr);
    // Waits for a running export: closing the window during an export must not tear the
    // thread down under the writer.
    ~SaveImageThread() override;

    // Ignored while an export is running, so the worker never sees its input change.
    void setData(const QList<QImage>& images, const QString& folder);
    // Why the last export left a picture out (the system's reason); empty when all were
    // written. Read it once saveFinished has arrived.
    QString errorString() const { return m_error; }

signals:
    void saveStart();
    void saveProgress(int current, int total);
    void saveFinished(QStringList list);

protected:
    void run() override;

private:
    QList<QImage> m_images;
    QString m_folder;
    QString m_error;
};
