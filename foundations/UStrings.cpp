#include "UStrings.h"

namespace Vexlor {

int Instr(int start, const std::string& text, const std::string& sub) {
    if (start < 1)
        start = 1;
    if (sub.empty())
        return start;
    if (static_cast<std::size_t>(start) > text.size())
        return 0;
    const auto found = text.find(sub, static_cast<std::size_t>(start - 1));
    return found == std::string::npos ? 0 : static_cast<int>(found + 1);
}

std::string Replace(const std::string& text, const std::string& old_text, const std::string& new_text) {
    if (old_text.empty() || old_text == new_text)
        return text;
    std::string result;
    std::size_t from = 0;
    for (auto found = text.find(old_text); found != std::string::npos; found = text.find(old_text, from)) {
        result.append(text, from, found - from);
        result += new_text;
        from = found + old_text.size();
    }
    result.append(text, from, std::string::npos);
    return result;
}

} // namespace Vexlor
