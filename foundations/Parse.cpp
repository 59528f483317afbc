#include "Parse.h"

#include "CommonUt.h"

#include <array>
#include <string_view>

namespace Vexlor {
namespace {
// Control characters out, trimmed, blank runs reduced, upper case, brackets to "(" ")",
// quoted literals untouched; the second set leaves the case alone.
constexpr std::uint32_t Line_Flags = 0x21FC;
constexpr std::uint32_t Case_Sensitive_Line_Flags = 0x21DC;

// What Edit with every flag set makes of each character standing alone: nothing (blanks,
// control characters) or one character (upper case, brackets turned). A token of one character,
// or of characters that each stay one character and are not quotes, is edited character by
// character, so the tokenizer looks it up here instead of editing it: the expression evaluator
// reads thousands of tokens per press of a referee tool.
struct TToken_Characters {
    std::array<char, 256> Edited{};
    std::array<bool, 256> Kept{};      // edited to one character
    std::array<bool, 256> Plain{};     // kept, and not a quote that would protect what follows it
    std::array<bool, 256> Unchanged{}; // plain, and edited to itself

    // Out of line, so that looking the table up stays a few instructions.
    [[gnu::noinline]] TToken_Characters() {
        for (int code = 0; code < 256; ++code) {
            const char c = static_cast<char>(code);
            const std::string edited = Edit(std::string(1, c), Edit_All);
            Kept[code] = edited.size() == 1;
            Plain[code] = Kept[code] && c != '"' && c != '\'';
            Edited[code] = Kept[code] ? edited.front() : '\0';
            Unchanged[code] = Plain[code] && Edited[code] == c;
        }
    }
};

const TToken_Characters& Token_Characters() {
    static const TToken_Characters characters;
    return characters;
}

// Edit(raw, Edit_All) for a raw token of several characters that editing may change, kept in
// edited. Out of line, so that the common way through Edit_Token stays short.
[[gnu::noinline]] std::string_view Edit_Changed_Token(std::string_view raw, std::string& edited) {
    const TToken_Characters& characters = Token_Characters();
    for (const char c : raw)
        if (!characters.Plain[static_cast<unsigned char>(c)]) {
            edited = Edit(std::string(raw), Edit_All);
            return edited;
        }
    edited.resize(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i)
        edited[i] = characters.Edited[static_cast<unsigned char>(raw[i])];
    return edited;
}

// Edit(raw, Edit_All) for a raw token: raw itself when editing leaves it alone, otherwise the
// edited text, kept in edited.
std::string_view Edit_Token(std::string_view raw, std::string& edited) {
    const TToken_Characters& characters = Token_Characters();
    if (raw.size() == 1) { // one character: its edited form is a view of the table
        const auto code = static_cast<unsigned char>(raw.front());
        return characters.Kept[code] ? std::string_view(&characters.Edited[code], 1) : std::string_view();
    }
    for (const char c : raw)
        if (!characters.Unchanged[static_cast<unsigned char>(c)])
            return Edit_Changed_Token(raw, edited);
    return raw;
}

// Joins token with the tokens after it when, with the unread text, it starts one of the special
// tokens; next reads one more token.
template <class TNext>
std::string Join_Special(std::string token, const std::vector<std::string>& specials,
                         const TUnread_Text& unread, TNext next) {
    for (const std::string& special : specials) {
        if (special.empty() || special.front() != token.front())
            continue;
        if (token + std::string(unread.View().substr(0, special.size() - 1)) != special)
            continue;
        while (token.size() < special.size()) {
            const std::string more = next();
            if (more.empty())
                break;
            token += more;
        }
        break;
    }
    return token;
}
} // namespace

void TUnread_Text::Push_Front(std::string_view token, bool separate) {
    const std::size_t length = token.size() + (separate ? 1 : 0);
    if (empty()) {
        Text.assign(token);
        Start = 0;
        if (separate)
            Text += ' ';
        return;
    }
    if (length > Start) {
        // Too little room in front: the text already read makes way for the token.
        Text.replace(0, Start, token);
        Start = 0;
        if (separate)
            Text.insert(token.size(), 1, ' ');
        return;
    }
    Start -= length;
    token.copy(Text.data() + Start, token.size());
    if (separate)
        Text[Start + token.size()] = ' ';
}

std::string TUnread_Text::Take() {
    std::string rest = Start == 0 ? std::move(Text) : Text.substr(Start);
    clear();
    return rest;
}

void TWord_Characters::Build() {
    Exact.fill(false);
    Folded.fill(false);
    for (const char c : Characters) {
        Exact[static_cast<unsigned char>(c)] = true;
        Folded[static_cast<unsigned char>(c)] = true;
        // Pushed-back text is not folded to upper case like the lines read, so a parser that
        // ignores case takes small letters as the capitals they stand for (3d6 is one word).
        if (c >= 'A' && c <= 'Z')
            Folded[static_cast<unsigned char>(c + 32)] = true;
    }
    Built = true;
}

void TSParser::Init() {
    Command.clear();
    Tokens.clear();
    Token_Stack.clear();
    _Current_Line = 0;
    Returned_Tokens = 0;
    Token_Error = ParserErr_Success;
    Token_Line = 0;
    Non_Terminals = Default_Non_Terminals;
}

void TSParser::Done() {
    Command.Release();
    Tokens.clear();
    Tokens.shrink_to_fit();
    Token_Stack.clear();
    Token_Stack.shrink_to_fit();
}

bool TSParser::Read_Next_Line() {
    Command.clear();
    return false;
}

bool TSParser::Read_Line() {
    if (!Read_Next_Line())
        return false;
    ++_Current_Line;
    Token_Line = _Current_Line;
    Command = Edit(Command.Take(), Case_Sensitive ? Case_Sensitive_Line_Flags : Line_Flags);
    return true;
}

std::size_t TSParser::Quoted_Length(std::string_view unread) {
    const auto close = unread.find(unread.front(), 1);
    if (close != std::string_view::npos)
        return close + 1;
    Token_Error = ParserErr_Unterminated_Literal;
    return unread.size();
}

std::string TSParser::Get_Token() {
    return std::string(Next_Token_View());
}

std::string_view TSParser::Next_Token_View() {
    Token_Error = ParserErr_Success;
    for (;;) {
        if (!Fill_Command())
            return {};
        const std::string_view unread = Command.View();
        const char first = unread.front();
        std::size_t length = 1;
        if (first == '"' || first == '\'') [[unlikely]] {
            length = Quoted_Length(unread);
        } else {
            const std::array<bool, 256>& words = Non_Terminals.Table(Case_Sensitive);
            if (words[static_cast<unsigned char>(first)])
                while (length < unread.size() && words[static_cast<unsigned char>(unread[length])])
                    ++length;
        }
        Command.Drop_Front(length);
        const std::string_view token = Edit_Token(std::string_view(unread.data(), length), Edited_Token);
        if (token.empty())
            continue; // the line held only blanks here
        if (Returned_Tokens > 0) {
            Pop_Token_Line();
            --Returned_Tokens;
        }
        return token;
    }
}

std::string TSParser::Token() {
    std::string token = Get_Token();
    if (token.empty())
        return token;
    return Join_Special(std::move(token), Tokens, Command, [this] { return Get_Token(); });
}

std::string_view TSParser::Join_Special_View(std::string_view token) {
    Joined_Token =
        Join_Special(std::string(token), Tokens, Command, [this] { return std::string(Next_Token_View()); });
    return Joined_Token;
}

void TSParser::Put_Token(const std::string& token) {
    if (token.empty())
        return;
    ++Returned_Tokens;
    const bool separate = !Command.empty() && Command.front() != ' ';
    Command.Push_Front(token, separate);
    Push_Token_Line();
}

std::string TSParser::Grab_Line() {
    if (!Token_Stack.empty())
        Token_Line = Token_Stack.back();
    Returned_Tokens = 0;
    Token_Stack.clear();
    Fill_Command();
    return Command.Take();
}

std::string TSParser::Line_Text() {
    if (Command.empty())
        Read_Line();
    return std::string(Command.View());
}

void TSParser::Pop_Token_Line() {
    if (Token_Stack.empty())
        return;
    Token_Line = Token_Stack.back();
    Token_Stack.pop_back();
}

} // namespace Vexlor
