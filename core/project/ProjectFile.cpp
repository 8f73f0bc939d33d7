#include "core/project/ProjectFile.h"

#include "core/images/ImageLoader.h"

#include <KZip>

#include <QBuffer>
#include <QFile>
#include <QJsonDocument>

namespace {

const QString kDescription = QStringLiteral("project.json");

const KArchiveFile* fileEntry(const KArchiveDirectory* root, const QString& name)
{
    const KArchiveEntry* entry = root->entry(name);
    return entry && entry->isFile() ? static_cast<const KArchiveFile*>(entry) : nullptr;
}

} // namespace

bool ProjectFile::write(const QString& path, const ProjectData& data, QString* error)
{
    // Given a file name, the archive writes through QSaveFile: nothing replaces the previous
    // project until close() has written the whole new one.
    KZip zip(path);
    if (!zip.open(QIODevice::WriteOnly)) {
        *error = zip.errorString();
        return false;
    }
    // The stills are compressed already; storing them as they are is fast and no larger.
    zip.setCompression(KZip::NoCompression);
    QStringList names;
    for (const ProjectStill& still : data.stills) {
        QString suffix;
        const QByteArray bytes = still.origin.encoded(still.picture, &suffix);
        names << QStringLiteral("stills/%1.%2").arg(still.origin.id, suffix);
        if (bytes.isEmpty() || !zip.writeFile(names.last(), bytes)) {
            *error = QStringLiteral("a still could not be written: %1").arg(zip.errorString());
            return false;
        }
    }
    zip.setCompression(KZip::DeflateCompression);
    const QByteArray description = QJsonDocument(data.toJson(names)).toJson();
    if (!zip.writeFile(kDescription, description) || !zip.close()) {
        *error = zip.errorString();
        return false;
    }
    return true;
}

bool ProjectFile::read(const QString& path, ProjectData* data, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    return read(&file, data, error);
}

bool ProjectFile::read(QIODevice* device, ProjectData* data, QString* error)
{
    const auto fail = [error](const QString& why) {
        *error = why;
        return false;
    };
    KZip zip(device);
    if (!zip.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("not a project file (%1)").arg(zip.errorString()));
    const KArchiveDirectory* root = zip.directory();
    const KArchiveFile* description = fileEntry(root, kDescription);
    if (!description)
        return fail(QStringLiteral("the project description is missing"));
    if (description->size() > kMaxDescriptionBytes)
        return fail(QStringLiteral("the project description is too large"));
    QJsonParseError parse;
    const QJsonDocument json = QJsonDocument::fromJson(description->data(), &parse);
    if (!json.isObject())
        return fail(
            QStringLiteral("the project description is damaged (%1)").arg(parse.errorString()));
    // Read aside: a project that fails halfway leaves the caller's record as it was.
    ProjectData read;
    QStringList names;
    if (!ProjectData::fromJson(json.object(), &read, &names, error))
        return false;

    // Sizes are those the archive declares; nothing is read past them, so a declared size is
    // all a still can cost.
    qint64 total = 0;
    for (int i = 0; i < names.size(); ++i) {
        const KArchiveFile* still = fileEntry(root, names.at(i));
        if (!still)
            return fail(QStringLiteral("the still \"%1\" is missing").arg(names.at(i)));
        total += still->size();
        if (still->size() > kMaxStillBytes || total > kMaxTotalBytes)
            return fail(QStringLiteral("the still \"%1\" is too large").arg(names.at(i)));
        ProjectStill& entry = read.stills[i];
        entry.origin.bytes = still->data();
        ImageLoader::Outcome outcome = ImageLoader::Outcome::Unreadable;
        entry.picture = ImageLoader::loadData(entry.origin.bytes, &outcome);
        if (outcome != ImageLoader::Outcome::Whole)
            return fail(QStringLiteral("the still \"%1\" cannot be read").arg(names.at(i)));
    }
    *data = std::move(read);
    return true;
}
