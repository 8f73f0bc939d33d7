#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// The one way a picture reaches a file, for the window's exports and for the command line.
// A picture is encoded in memory first (Qt's PNG writer loses its row buffer when a device
// fails part-way, as on a full disk), an opaque PNG piece by piece by its own writer; either
// is written under a hidden name beside its target and renamed once complete, so no partial
// picture ever stands under a final name. Files get the
// ordinary mode the user's umask gives. Touches no shared state: safe on any thread.
class ImageFileWriter final
{
public:
    // The encoded picture; empty, with the reason in error, when it cannot be encoded.
    static QByteArray encode(const QImage& picture, const QString& format, int quality,
                             QString* error);
    // Writes dir/stem.format, or the next free dir/stem(n).format: never replaces a file,
    // also one that appears while writing. The path written, or empty text and the reason.
    static QString writeNew(const QImage& picture, const QString& dir, const QString& stem,
                            const QString& format, int quality, QString* error);
    // Replaces the file at path in one step; an earlier file there stays whole on failure.
    static bool replace(const QImage& picture, const QString& path, const QString& format,
                        int quality, QString* error);
    // Removes the hidden files that writes of other, ended processes left in dir (a killed
    // export never gets to remove its own).
    static void removeLeftovers(const QString& dir);

private:
    ImageFileWriter() = delete;
};
