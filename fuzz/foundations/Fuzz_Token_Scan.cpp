// The tag reader's sixteen-characters-at-a-time token scan against the scan one character at a
// time: for any text, start, stop character and whitespace setting both must find the same end
// and the same need for editing. The first byte chooses the setting; the rest is the text.
#include "foundations/Token_Scan.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace Vexlor;
    if (size == 0)
        return 0;
    const std::uint8_t setting = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const bool preserve = setting & 1u;
    const bool tag = setting & 2u;
    const char stop = tag ? '>' : '<';
    // Tokens start anywhere in a text; the start moves through the first chunks.
    const std::size_t begin = std::min<std::size_t>(setting >> 2, text.size());
    const TToken_Scan fast = Scan_Token(text, begin, stop, tag, preserve);
    const TToken_Scan plain = Scan_Token_By_Character(text, begin, stop, tag, preserve);
    if (fast.End != plain.End || fast.Needs_Editing != plain.Needs_Editing) {
        std::fprintf(stderr, "scans differ from %zu: end %zu/%zu, editing %d/%d\n", begin, fast.End,
                     plain.End, fast.Needs_Editing, plain.Needs_Editing);
        std::abort();
    }
    return 0;
}
