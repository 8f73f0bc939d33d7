// Style sheets scaled to the screen; the first byte picks the screen's DPI.
#include "FuzzSupport.h"

#include <QCoreApplication>

#include "core/base/ScreenManager.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startApplication<QCoreApplication>(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    ScreenManager::instance()->init(48.0 + data[0], 96.0, 1.0);
    QString css = fuzz::text(data + 1, size - 1);
    scaleStyleSheet(css);
    return 0;
}
