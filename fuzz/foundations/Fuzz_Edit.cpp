// Edit with flags taken from the first bytes and the rest as text.
#include "foundations/CommonUt.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace Vexlor;
    if (size < 3)
        return 0;
    const std::uint32_t flags = (data[0] | (data[1] << 8) | (data[2] << 16)) & Edit_All;
    const std::string text(reinterpret_cast<const char*>(data) + 3, size - 3);
    const std::string edited = Edit(text, flags);
    // Editing only removes or replaces characters; it never adds any.
    if (edited.size() > text.size())
        std::abort();
    return 0;
}
