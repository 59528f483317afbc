// Any bytes as a formula: Eval must end with a finite value or an error code, and a position
// inside the text.
#include "evaluator/Express.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    long double value = 0, imaginary = 0;
    int position = 0, error = 0;
    Vexlor::Eval(text, value, imaginary, position, error);
    const bool consistent = error >= 0 && error <= 14 && position >= 0 &&
                            static_cast<std::size_t>(position) <= size && imaginary == 0 &&
                            (error == 0 ? std::isfinite(value) && position == 0 : value == 0);
    if (!consistent)
        std::abort();
    return 0;
}
