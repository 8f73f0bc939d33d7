#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QString>

// Where a still of the collection came from, so a project or the saved session can keep it in
// its original encoded bytes instead of encoding it again: the file it was imported from (with
// its size and time, to tell that it is unchanged), or the bytes themselves when no file holds
// them (a capture, a still opened from a project).
struct StillOrigin
{
    QString id; // the still's name in a project or the session, unique in the collection
    QString path;
    qint64 size = -1;
    QDateTime modified;
    QByteArray bytes;
    QString format; // file suffix of `bytes`, or of the file

    static StillOrigin fromFile(const QString& path);
    static StillOrigin fromBytes(const QByteArray& bytes, const QString& format);
    static QString newId();

    // The still as encoded bytes and their file suffix: the held bytes, the file's if it is
    // unchanged, else `picture` encoded as PNG (lossless). Safe on any thread.
    QByteArray encoded(const QImage& picture, QString* suffix) const;
};
