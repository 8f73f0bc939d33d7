#include "core/images/SaveImageThread.h"

#include <utility>

#include <QDebug>

#include "core/base/AppConfig.h"
#include "core/base/Settings.h"
#include "core/images/ImageFileWriter.h"

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
    const QString suffix = Settings::exportFormat().toLower();
    ImageFileWriter::removeLeftovers(folder);
    m_error.clear();

    emit saveStart();
    QStringList written;
    for (int i = 0; i < total; ++i) {
        // Null pictures are skipped but keep their number, so names follow the list.
        if (images.at(i).isNull())
            continue;
        // The template starts with the separator and ends with the extension; the writer adds
        // both itself.
        const QString name = AppConfig::kExportNameTemplate
                                 .arg(QString::number(i + 1), suffix, AppConfig::kProductName)
                                 .mid(1);
        const QString stem = name.left(name.lastIndexOf(QLatin1Char('.')));
        QString error;
        const QString path =
            ImageFileWriter::writeNew(images.at(i), folder, stem, suffix, -1, &error);
        if (path.isEmpty()) {
            qWarning() << "SaveImageThread: picture" << i + 1 << "of" << total
                       << "could not be written into" << folder << "and is left out:" << error;
            m_error = error;
        } else {
            written << path;
        }
        emit saveProgress(i, total);
    }
    emit saveFinished(written);
}
