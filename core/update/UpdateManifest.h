#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The "win" entry of the update manifest. Anything missing, of another type or unparsable
// reads as empty text, and an empty version is older than every running version, so a
// broken manifest never offers an update.
struct UpdateManifest
{
    QString version;
    QString size;
    QString date;
    QString url;
    QStringList change;

    static UpdateManifest fromJson(const QByteArray& manifest);
    // Whether the bytes are a manifest at all: a JSON object whose "win" entry names a version.
    static bool isManifest(const QByteArray& bytes);

    // True when `runningVersion` is strictly lower than the manifest's version.
    bool isNewerThan(const QString& runningVersion) const;
    // The start-up question: does this manifest offer more than the running application?
    static bool isNewerThanRunning(const QByteArray& manifest);
};
