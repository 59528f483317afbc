// The tag reader over any bytes: every token, and nested sections read the way records read them.
#include "foundations/HTML.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace Vexlor;
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::size_t consumed = 0;
    Read_Tagged_Text(text, TTag_Case::Lower, [&](const TTag& tag, THTML_Parser& parser) {
        if (tag.Name.size() > 2 && tag.Name[1] != '#') {
            const std::string content = parser.Get_Section(tag.Name);
            consumed += content.size();
            THTML_Parser inner;
            inner.Set_Source(content);
            while (!inner.Token().empty())
                ++consumed;
            return true;
        }
        consumed += static_cast<std::size_t>(Get_Int(tag.Value) & 1);
        return false;
    });
    THTML_Parser xml;
    xml.Set_Preserve_Whitespace(size % 2 == 0);
    xml.Set_Source(text);
    consumed += xml._Get_Section("vexlor", true).size();
    return consumed == static_cast<std::size_t>(-1);
}
