#pragma once

#include "core/project/ProjectData.h"

#include <QString>

class QIODevice;

// A ".pictorb" project: a zip holding "project.json" (the description) and the stills under
// "stills/" in their original encoded bytes. Written in one step (an interrupted save leaves
// the previous project whole); read with every size and count bounded, so a damaged or hostile
// file is refused with its reason instead of filling memory.
class ProjectFile final
{
public:
    static constexpr qint64 kMaxDescriptionBytes = 16 * 1024 * 1024;
    static constexpr qint64 kMaxStillBytes = 256 * 1024 * 1024;
    static constexpr qint64 kMaxTotalBytes = qint64(4) * 1024 * 1024 * 1024;

    static bool write(const QString& path, const ProjectData& data, QString* error);
    // False with the reason, `data` then left as it was.
    static bool read(const QString& path, ProjectData* data, QString* error);
    static bool read(QIODevice* device, ProjectData* data, QString* error);

private:
    ProjectFile() = delete;
};
