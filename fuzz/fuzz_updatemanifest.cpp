// The update manifest downloaded from the update site, shown in the update dialog.
#include "FuzzSupport.h"

#include <QApplication>

#include "gui/update/CheckUpdateDialog.h"

namespace {
CheckUpdateDialog* g_dialog = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startApplication<QApplication>(argc, argv);
    g_dialog = new CheckUpdateDialog;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    g_dialog->setUpdateInfo(fuzz::bytes(data, size));
    return 0;
}
