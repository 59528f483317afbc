// A position file of any bytes: reading never fails.
#include "roster/Position_File.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace Vexlor;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    TWindow_Bounds bounds{10, 20, 640, 480};
    Read_Position_File(text, bounds, 320, 240);
    return 0;
}
