// A "Style:" line of a subtitle script.
#include "FuzzSupport.h"

#include "core/captions/AssStyle.h"

namespace {

bool sameStyle(const AssStyle& a, const AssStyle& b)
{
    return a.toStyleLine() == b.toStyleLine() && a.Name == b.Name && a.Encoding == b.Encoding;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    AssStyle style;
    style.fromStyleLine(fuzz::text(data, size));
    // A style written and read back is the same style.
    AssStyle again;
    again.fromStyleLine(style.toStyleLine());
    if (!sameStyle(style, again))
        __builtin_trap();
    return 0;
}
