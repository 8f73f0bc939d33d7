// Any bytes as a picture file chosen for import: the format check, the size limits, the decode.
#include "FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include "core/images/ImageLoader.h"

namespace {
QString g_path;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startApplication<QGuiApplication>(argc, argv);
    // No extension: the content alone decides the format, as for a misnamed file.
    g_path = QDir::temp().filePath(
        QStringLiteral("fuzz-picture-%1").arg(QCoreApplication::applicationPid()));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QFile file(g_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        return 0;
    file.close();
    // Dropped files are checked with canRead first; chosen files go straight to load.
    const bool readable = ImageLoader::canRead(g_path);
    const QImage picture = ImageLoader::load(g_path);
    if (!picture.isNull() &&
        (!readable || !ImageLoader::withinLimits(picture.size(), ImageLoader::maxPixels())))
        __builtin_trap();
    return 0;
}
