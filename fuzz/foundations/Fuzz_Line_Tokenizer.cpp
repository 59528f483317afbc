// The line tokenizer over any bytes, as lines and as a pushed-back text, with special tokens.
#include "foundations/CommonUt.h"
#include "foundations/Parse.h"

#include <cstdint>

namespace {

class TText_Lines : public Vexlor::TSParser {
  public:
    explicit TText_Lines(std::string_view text) : Lines(text) {}
    bool Read_Next_Line() override {
        std::string_view line;
        if (!Lines.Next(line)) {
            Command.clear();
            return false;
        }
        Command = std::string(line);
        return true;
    }

  private:
    Vexlor::TLine_Reader Lines;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    TText_Lines lines(text);
    lines.Tokens = {"<=", ">=", "**", "<>"};
    lines.Case_Sensitive = size % 2 == 1;
    std::size_t total = 0;
    int pushed_back = 0;
    for (std::string token = lines.Token(); !token.empty(); token = lines.Token()) {
        total += token.size();
        if (pushed_back < 64 && total % 7 == 0) {
            lines.Put_Token(token);
            ++pushed_back;
        }
        if (total % 11 == 0)
            total += lines.Grab_Line().size() + lines.Line_Text().size();
    }
    Vexlor::TSParser pushed;
    pushed.Put_Token(text);
    while (!pushed.Token().empty())
        ++total;
    return total == static_cast<std::size_t>(-1);
}
