// Escaping over any bytes: decoding never fails, and whatever is escaped decodes back exactly.
#include "foundations/HTML.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace Vexlor;
    const std::string text(reinterpret_cast<const char*>(data), size);
    From_HTML(text, 0);
    From_HTML(text, Keep_Undecodable);
    if (From_HTML(To_HTML(text)) != text)
        std::abort();
    return 0;
}
