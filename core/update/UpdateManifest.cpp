#include "core/update/UpdateManifest.h"

#include "core/base/AppConfig.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QVersionNumber>

UpdateManifest UpdateManifest::fromJson(const QByteArray& manifest)
{
    const QJsonObject win =
        QJsonDocument::fromJson(manifest).object().value(QStringLiteral("win")).toObject();
    UpdateManifest result;
    result.version = win.value(QStringLiteral("version")).toString();
    result.size = win.value(QStringLiteral("size")).toString();
    result.date = win.value(QStringLiteral("date")).toString();
    result.url = win.value(QStringLiteral("url")).toString();
    const QJsonArray change = win.value(QStringLiteral("change")).toArray();
    for (const QJsonValue& line : change)
        result.change.append(line.toString());
    return result;
}

bool UpdateManifest::isManifest(const QByteArray& bytes)
{
    const QJsonValue version = QJsonDocument::fromJson(bytes)
                                   .object()
                                   .value(QStringLiteral("win"))
                                   .toObject()
                                   .value(QStringLiteral("version"));
    return version.isString() && !QVersionNumber::fromString(version.toString()).isNull();
}

bool UpdateManifest::isNewerThan(const QString& runningVersion) const
{
    // Numeric segments from the left; of two versions where one is a prefix of the other
    // the longer is greater, so "1.0" is older than "1.0.0".
    return QVersionNumber::compare(QVersionNumber::fromString(runningVersion),
                                   QVersionNumber::fromString(version)) < 0;
}

bool UpdateManifest::isNewerThanRunning(const QByteArray& manifest)
{
    return fromJson(manifest).isNewerThan(AppConfig::kVersion);
}
