// Caption time texts, as typed by the user or read from a script.
#include "FuzzSupport.h"

#include <cstring>

#include "core/captions/CaptionInfo.h"
#include "core/captions/CaptionManager.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CaptionInfo caption;
    caption.startTime = fuzz::text(data, size);
    const int ms = CaptionManager::startTimeMs(&caption);
    // Any time the reader returns is written and read again to the same 10 ms.
    caption.startTime = CaptionInfo::timeText(ms);
    if (CaptionManager::startTimeMs(&caption) != ms - ms % 10)
        __builtin_trap();

    if (size >= sizeof(int)) {
        int raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        caption.startTime = CaptionInfo::timeText(raw);
        if (CaptionManager::startTimeMs(&caption) != raw - raw % 10)
            __builtin_trap();
    }
    return 0;
}
