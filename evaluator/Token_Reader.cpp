#include "Token_Reader.h"

namespace Vexlor {

void TToken_Reader::Load(const std::string& text) {
    Parser.Init();
    Parser.Put_Token(text);
    Typed_Left = Parser.Command.size();
    Held = Held_None;
    Separating_Blank = false;
}

void TToken_Reader::Put_Back(std::string_view token) {
    if (token.empty())
        return;
    if (Held == Held_None) {
        Pushed_Text.assign(token);
    } else {
        // Settling the held token may write it into the tokenizer's text, which token may be a
        // view of: it is copied first.
        std::string kept(token);
        Settle_Peek();
        if (Held == Held_Pushed)
            Write_Pending();
        Pushed_Text = std::move(kept);
    }
    Pending = Pushed_Text;
    Hold_Pushed();
}

void TToken_Reader::Write_Pending() {
    // In front of a separating blank the tokenizer adds none of its own, so writing the token
    // into text that lacks that blank gives the same unread text.
    if (Pending.data() != Pushed_Text.data())
        Pushed_Text.assign(Pending);
    Parser.Put_Token(Pushed_Text);
    Held = Held_None;
    Separating_Blank = false;
}

std::size_t TToken_Reader::Unread_Length() {
    Settle_Peek();
    std::size_t length = Parser.Command.size() + (Separating_Blank ? 1 : 0);
    if (Held == Held_Pushed)
        length += Pending.size() + (!Separating_Blank && Would_Separate() ? 1 : 0);
    return length;
}

} // namespace Vexlor
