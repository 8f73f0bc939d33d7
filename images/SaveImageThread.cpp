#include "images/SaveImageThread.h"

#include <utility>

#include <QDebug>

#include "app/AppConfig.h"
#include "app/GlobalManager.h"

SaveImageThread::SaveImageThread(QObject* parent) : QThread(parent)
{
}

SaveImageThread::~SaveImageThread()
{
    wait();
}

void SaveImageThread::setData(const QList<QImage>& images, const QString& folder)
{
    if (isRunning()) {
        qWarning() << "SaveImageThread: an export is still running; new data ignored";
        return;
    }
    m_images = images;
    m_folder = folder;
}

void SaveImageThread::run()
{
    // Taken, not copied: a picture still referenced here would make the next edit of the
    // preview sheet copy the whole sheet before changing it.
    const QList<QImage> images = std::exchange(m_images, {});
    const QString folder = m_folder;
    const int total = images.size();
    QString format = GlobalManager::instance()
                         ->getSetting(AppConfig::kFileExtension, QStringLiteral("PNG"))
                         .toString();
    // An empty stored format would give names without an extension that no writer accepts.
    if (format.isEmpty())
        format = QStringLiteral("PNG");
    const QString suffix = format.toLower();

    emit saveStart();
    QStringList written;
    for (int i = 0; i < total; ++i) {
        // Null pictures are skipped but keep their number, so names follow the list.
        if (images.at(i).isNull())
            continue;
        // The template starts with the separator; saveImage adds its own.
        const QString name = AppConfig::kExportNameTemplate
                                 .arg(QString::number(i + 1), suffix, AppConfig::kProductName)
                                 .mid(1);
        const QString path = GlobalManager::saveImage(images.at(i), folder, name, suffix);
        if (path.isEmpty())
            qWarning() << "SaveImageThread: picture" << i + 1 << "of" << total
                       << "could not be written into" << folder << "and is left out";
        else
            written << path;
        emit saveProgress(i, total);
    }
    emit saveFinished(written);
}
