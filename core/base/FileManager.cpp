#include "core/base/FileManager.h"

#include <QDebug>
#include <QSaveFile>

FileManager* FileManager::instance()
{
    static FileManager* manager = new FileManager;
    return manager;
}

bool FileManager::saveJsonToFile(const QString& path, const QString& text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qDebug() << "Failed to open file for writing: " << path;
        return false;
    }
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        qDebug() << "Failed to open file for writing: " << path;
        return false;
    }
    qDebug() << "JSON data saved to file: " << path;
    return true;
}
