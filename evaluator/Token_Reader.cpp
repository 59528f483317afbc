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

// The tokenizer reads the token back as it stands: one word of capitals and digits, or one sign
// that its editing leaves alone (brackets it would turn, so they are written back for real).
bool Reads_Back_Unchanged(const std::string& token) {
    if (token.size() == 1 && std::string_view("+-*/^%!,.").find(token.front()) != std::string_view::npos)
        return true;
    return std::all_of(token.begin(), token.end(), Is_Word_Character);
}

} // namespace

void TToken_Reader::Load(const std::string& text) {
    Parser.Init();
    Parser.Put_Token(text);
    Typed_Left = Parser.Command.size();
    Has_Pending = false;
    Separating_Blank = false;
}

std::string TToken_Reader::Next() {
    if (Has_Pending) {
        Has_Pending = false;
        Separating_Blank = Separating_Blank || Would_Separate();
        return std::move(Pending);
    }
    Separating_Blank = false; // the tokenizer would skip it on its way to the next token
    const std::size_t before = Parser.Command.size();
    std::string token = Parser.Token();
    const std::size_t consumed = before - Parser.Command.size();
    const std::size_t pushed_back = before - Typed_Left;
    if (consumed > pushed_back)
        Typed_Left -= consumed - pushed_back;
    return token;
}

void TToken_Reader::Put_Back(std::string token) {
    if (token.empty())
        return;
    if (Has_Pending)
        Write_Pending();
    const bool unchanged = Reads_Back_Unchanged(token);
    Pending = std::move(token);
    Has_Pending = true;
    if (!unchanged)
        Write_Pending();
}

const std::string& TToken_Reader::Peek() {
    // A token already held stays held: reading it and holding it again changes nothing the
    // evaluator can see.
    if (Has_Pending)
        return Pending;
    std::string token = Next();
    if (token.empty())
        Pending.clear(); // nothing to hold: the input is used up
    else
        Put_Back(std::move(token));
    return Pending;
}

void TToken_Reader::Write_Pending() {
    // In front of a separating blank the tokenizer adds none of its own, so writing the token
    // into text that lacks that blank gives the same unread text.
    Parser.Put_Token(Pending);
    Has_Pending = false;
    Separating_Blank = false;
}

bool TToken_Reader::Would_Separate() const {
    return !Parser.Command.empty() && Parser.Command.front() != ' ';
}

bool TToken_Reader::At_End() const {
    return !Has_Pending && !Separating_Blank && Parser.Token_EOL();
}

bool TToken_Reader::Literal_Continues() const {
    if (Has_Pending)
        return true;
    if (At_End())
        return false;
    const std::string& unread = Parser.Command;
    const auto blanks =
        static_cast<std::size_t>(std::find_if_not(unread.begin(), unread.end(), Is_Blank) - unread.begin());
    return blanks <= unread.size() - Typed_Left;
}

std::size_t TToken_Reader::Unread_Length() const {
    std::size_t length = Parser.Command.size() + (Separating_Blank ? 1 : 0);
    if (Has_Pending)
        length += Pending.size() + (!Separating_Blank && Would_Separate() ? 1 : 0);
    return length;
}

} // namespace Vexlor
