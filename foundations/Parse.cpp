#include "Parse.h"

#include "CommonUt.h"

namespace Vexlor {
namespace {
// Control characters out, trimmed, blank runs reduced, upper case, brackets to "(" ")",
// quoted literals untouched; the second set leaves the case alone.
constexpr std::uint32_t Line_Flags = 0x21FC;
constexpr std::uint32_t Case_Sensitive_Line_Flags = 0x21DC;
} // namespace

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
    Command.clear();
    Command.shrink_to_fit();
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
    Command = Edit(Command, Case_Sensitive ? Case_Sensitive_Line_Flags : Line_Flags);
    return true;
}

bool TSParser::Fill_Command() {
    while (Command.empty())
        if (!Read_Line())
            return false;
    return true;
}

std::string TSParser::Scan_Token() {
    std::size_t length;
    const char first = Command.front();
    if (first == '"' || first == '\'') {
        const auto close = Command.find(first, 1);
        if (close == std::string::npos) {
            length = Command.size();
            Token_Error = ParserErr_Unterminated_Literal;
        } else {
            length = close + 1;
        }
    } else if (Non_Terminals.find(first) == std::string::npos) {
        length = 1;
    } else {
        const auto stop = Command.find_first_not_of(Non_Terminals);
        length = stop == std::string::npos ? Command.size() : stop;
    }
    std::string token = Command.substr(0, length);
    Command.erase(0, length);
    return token;
}

std::string TSParser::Get_Token() {
    Token_Error = ParserErr_Success;
    std::string token;
    while (token.empty()) {
        if (!Fill_Command())
            return std::string();
        token = Edit(Scan_Token(), Edit_All);
    }
    if (Returned_Tokens > 0) {
        Pop_Token_Line();
        --Returned_Tokens;
    }
    return token;
}

std::string TSParser::Token() {
    std::string token = Get_Token();
    if (token.empty())
        return token;
    for (const std::string& special : Tokens) {
        if (special.empty() || special.front() != token.front())
            continue;
        if (token + Command.substr(0, special.size() - 1) != special)
            continue;
        while (token.size() < special.size()) {
            const std::string more = Get_Token();
            if (more.empty())
                break;
            token += more;
        }
        break;
    }
    return token;
}

void TSParser::Put_Token(const std::string& token) {
    if (token.empty())
        return;
    ++Returned_Tokens;
    const bool separate = !Command.empty() && Command.front() != ' ';
    Command = token + (separate ? " " : "") + Command;
    Push_Token_Line();
}

std::string TSParser::Grab_Line() {
    if (!Token_Stack.empty())
        Token_Line = Token_Stack.back();
    Returned_Tokens = 0;
    Token_Stack.clear();
    Fill_Command();
    std::string line;
    line.swap(Command);
    return line;
}

std::string TSParser::Line_Text() {
    if (Command.empty())
        Read_Line();
    return Command;
}

void TSParser::Pop_Token_Line() {
    if (Token_Stack.empty())
        return;
    Token_Line = Token_Stack.back();
    Token_Stack.pop_back();
}

} // namespace Vexlor
