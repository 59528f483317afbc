#include "Token_Reader.h"

#include <algorithm>

namespace Vexlor {
namespace {

bool Is_Blank(char c) {
    return c == ' ' || c == '\t';
}

bool Is_Word_Character(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '$' || c == '_';
}

// The tokenizer would read the token back as one token of the same meaning: a word of capitals and
// digits, or one printable sign other than a quote. (A bracket comes back turned, "(" as "[",
// but still opening or closing, and the evaluator takes all bracket shapes alike.)
bool Reads_Back_Alike(std::string_view token) {
    if (token.size() == 1) {
        const char c = token.front();
        return c > ' ' && c < 127 && c != '"' && c != '\'' && !(c >= 'a' && c <= 'z');
    }
    return std::all_of(token.begin(), token.end(), Is_Word_Character);
}

} // namespace

void TToken_Reader::Load(const std::string& text) {
    Parser.Init();
    Parser.Put_Token(text);
    Typed_Left = Parser.Command.size();
    Held = Held_None;
    Separating_Blank = false;
}

std::string_view TToken_Reader::Read_Tokenizer() {
    Separating_Blank = false; // the tokenizer would skip it on its way to the next token
    const std::size_t before = Parser.Command.size();
    const std::string_view token = Parser.Token_View();
    const std::size_t consumed = before - Parser.Command.size();
    const std::size_t pushed_back = before - Typed_Left;
    if (consumed > pushed_back)
        Typed_Left -= consumed - pushed_back;
    return token;
}

std::string_view TToken_Reader::Next() {
    if (Held == Held_None)
        return Read_Tokenizer();
    if (Held == Held_Pushed)
        Take_Pushed();
    Held = Held_None;
    return Pending;
}

void TToken_Reader::Skip() {
    if (Held == Held_None)
        Read_Tokenizer();
    else if (Held == Held_Pushed)
        Take_Pushed();
    Held = Held_None;
}

std::string_view TToken_Reader::Peek() {
    Settle_Peek(); // looked at twice: the first look pushed it back
    if (Held == Held_None) {
        Pending = Read_Tokenizer();
        if (!Pending.empty())
            Held = Held_Peeked;
    }
    return Pending;
}

void TToken_Reader::Leave() {
    Settle_Peek();
}

void TToken_Reader::Put_Back(std::string token) {
    if (token.empty())
        return;
    Settle_Peek();
    if (Held == Held_Pushed)
        Write_Pending();
    Pushed_Text = std::move(token);
    Pending = Pushed_Text;
    Hold_Pushed();
}

void TToken_Reader::Settle_Peek() {
    if (Held == Held_Peeked)
        Hold_Pushed();
}

// A held token read from the tokenizer stays a view of its text: the tokenizer is not called
// again until the token is read or written back.
void TToken_Reader::Hold_Pushed() {
    Held = Held_Pushed;
    if (!Reads_Back_Alike(Pending))
        Write_Pending();
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

void TToken_Reader::Take_Pushed() {
    Separating_Blank = Separating_Blank || Would_Separate();
}

bool TToken_Reader::Would_Separate() const {
    return !Parser.Command.empty() && Parser.Command.front() != ' ';
}

bool TToken_Reader::At_End() {
    Settle_Peek();
    return Held == Held_None && !Separating_Blank && Parser.Token_EOL();
}

bool TToken_Reader::Literal_Continues() {
    Settle_Peek();
    if (Held == Held_Pushed)
        return true;
    if (At_End())
        return false;
    const std::string_view unread = Parser.Command.View();
    const auto blanks =
        static_cast<std::size_t>(std::find_if_not(unread.begin(), unread.end(), Is_Blank) - unread.begin());
    return blanks <= unread.size() - Typed_Left;
}

std::size_t TToken_Reader::Unread_Length() {
    Settle_Peek();
    std::size_t length = Parser.Command.size() + (Separating_Blank ? 1 : 0);
    if (Held == Held_Pushed)
        length += Pending.size() + (!Separating_Blank && Would_Separate() ? 1 : 0);
    return length;
}

} // namespace Vexlor
