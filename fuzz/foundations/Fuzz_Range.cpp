// Range and dice texts over any bytes: a range always has High >= Low and prints back the same.
#include "foundations/CommonUt.h"
#include "foundations/Dice.h"

#include <cstdint>
#include <cstdlib>
#include <stdexcept>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace Vexlor;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const TRange range = String_To_Range(text);
    if (range.High < range.Low)
        std::abort();
    if (range.Low >= 0 && String_To_Range(Range_To_String(range)) != range)
        std::abort();
    Do_Die(text);
    try {
        Num(text);
    } catch (const std::invalid_argument&) {
    }
    return 0;
}
