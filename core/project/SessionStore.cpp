#include "core/project/SessionStore.h"

#include "core/base/AppConfig.h"
#include "core/images/ImageLoader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonDocument>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>

namespace {

const QString kDescription = QStringLiteral("session.json");

bool writeFile(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    *error = file.errorString();
    return false;
}

} // namespace

SessionStore::SessionStore(const QString& folder) : m_folder(folder)
{
}

QString SessionStore::defaultFolder()
{
    // Named after the product, not after the running program, so any build of Pictorb finds it.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/%1/session").arg(AppConfig::kProductName);
}

bool SessionStore::exists() const
{
    return QFileInfo::exists(m_folder + QLatin1Char('/') + kDescription);
}

bool SessionStore::save(const ProjectData& data, const QString& projectPath, bool modified,
                        QString* error)
{
    const QDir folder(m_folder);
    if (!folder.mkpath(QStringLiteral("stills"))) {
        *error = QStringLiteral("cannot make %1").arg(m_folder);
        return false;
    }
    // A still is written the first time it is seen, under its id; later saves find it there.
    const QDir stills(folder.filePath(QStringLiteral("stills")));
    QHash<QString, QString> present;
    for (const QString& file : stills.entryList(QDir::Files))
        present.insert(QFileInfo(file).completeBaseName(), file);
    QStringList names;
    QSet<QString> kept;
    for (const ProjectStill& still : data.stills) {
        QString name;
        if (present.contains(still.origin.id)) {
            name = QStringLiteral("stills/") + present.value(still.origin.id);
        } else {
            QString suffix;
            const QByteArray bytes = still.origin.encoded(still.picture, &suffix);
            name = QStringLiteral("stills/%1.%2").arg(still.origin.id, suffix);
            if (!writeFile(folder.filePath(name), bytes, error))
                return false;
        }
        names << name;
        kept << name.mid(7);
    }
    QJsonObject description = data.toJson(names);
    description.insert(QStringLiteral("project"), projectPath);
    description.insert(QStringLiteral("modified"), modified);
    if (!writeFile(folder.filePath(kDescription), QJsonDocument(description).toJson(), error))
        return false;
    // Stills no card names any more go once the description no longer lists them.
    for (const QString& file : stills.entryList(QDir::Files)) {
        if (!kept.contains(file))
            QFile::remove(stills.filePath(file));
    }
    return true;
}

bool SessionStore::load(ProjectData* data, QString* projectPath, bool* modified,
                        QString* error) const
{
    QFile file(m_folder + QLatin1Char('/') + kDescription);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    const QJsonObject description = QJsonDocument::fromJson(file.readAll()).object();
    QStringList names;
    if (!ProjectData::fromJson(description, data, &names, error))
        return false;
    *projectPath = description.value(QStringLiteral("project")).toString();
    *modified = description.value(QStringLiteral("modified")).toBool();
    for (int i = 0; i < names.size(); ++i) {
        ProjectStill& still = data->stills[i];
        const QString path = m_folder + QLatin1Char('/') + names.at(i);
        ImageLoader::Outcome outcome = ImageLoader::Outcome::Unreadable;
        still.picture = ImageLoader::load(path, &outcome);
        if (outcome != ImageLoader::Outcome::Whole) {
            *error = QStringLiteral("the still \"%1\" cannot be read").arg(names.at(i));
            return false;
        }
        // Kept as a file of the session: read again whenever a project is saved.
        const QString id = still.origin.id;
        still.origin = StillOrigin::fromFile(path);
        still.origin.id = id;
    }
    return true;
}

void SessionStore::discard()
{
    QFile::remove(m_folder + QLatin1Char('/') + kDescription);
    QDir(m_folder + QStringLiteral("/stills")).removeRecursively();
}
