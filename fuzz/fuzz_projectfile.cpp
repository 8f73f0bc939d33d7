// Any bytes as a project file opened in the window or given to pictorb-sheet: the zip, the
// description, the stills and every limit on them.
#include "FuzzSupport.h"

#include <QBuffer>
#include <QGuiApplication>

#include "core/project/ProjectFile.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startApplication<QGuiApplication>(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes = fuzz::bytes(data, size);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    ProjectData project;
    QString error;
    // Whatever is accepted holds only what a project may: a bounded number of decoded stills.
    if (ProjectFile::read(&buffer, &project, &error) &&
        (project.stills.size() > ProjectData::kMaxStills || project.canvas.isEmpty()))
        __builtin_trap();
    for (const ProjectStill& still : project.stills) {
        if (still.picture.isNull())
            __builtin_trap();
    }
    return 0;
}
