#pragma once

#include <QObject>
#include <QString>

// Writes text files for the caption store.
class FileManager final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FileManager)

public:
    static FileManager* instance();

    // Replaces the file's content with the UTF-8 text. The new content is written beside the
    // file and renamed over it, so an interrupted write never leaves half a file behind.
    bool saveJsonToFile(const QString& path, const QString& text);

private:
    FileManager() = default;
};
