#include "HTML.h"

#include <unordered_map>
#include <utility>

namespace Vexlor {
namespace {

constexpr std::pair<int, const char*> Entity_Names[] = {
    {9, "#TAB"},      {10, "#RS"},      {13, "#RE"},      {38, "amp"},      {60, "lt"},
    {62, "gt"},       {126, "tilde"},   {130, "sbquo"},   {132, "dbquo"},   {134, "dagger"},
    {135, "Dagger"},  {137, "permil"},  {139, "lsaquo"},  {145, "lsquo"},   {146, "rsquo"},
    {147, "quot"},    {148, "rdquo"},   {150, "ndash"},   {151, "mdash"},   {153, "trade"},
    {155, "rsaquo"},  {160, "nbsp"},    {161, "iexcl"},   {162, "cent"},    {163, "pound"},
    {164, "curren"},  {165, "yen"},     {166, "brvbar"},  {167, "sect"},    {168, "uml"},
    {169, "copy"},    {170, "ordf"},    {171, "laquo"},   {172, "not"},     {173, "shy"},
    {174, "reg"},     {175, "macr"},    {176, "deg"},     {177, "plusmn"},  {178, "sup2"},
    {179, "sup3"},    {180, "acute"},   {181, "micro"},   {182, "para"},    {183, "middot"},
    {184, "cedil"},   {185, "supl"},    {186, "ordm"},    {187, "raquo"},   {188, "frac14"},
    {189, "frac12"},  {190, "frac34"},  {191, "iquest"},  {192, "Agrave"},  {193, "Aacute"},
    {194, "Acirc"},   {195, "Atilde"},  {196, "Auml"},    {197, "Aring"},   {198, "AElig"},
    {199, "Ccedil"},  {200, "Egrave"},  {201, "Eacute"},  {202, "Ecirc"},   {203, "Euml"},
    {204, "Igrave"},  {205, "Iacute"},  {206, "Icirc"},   {207, "Iuml"},    {208, "ETH"},
    {209, "Ntilde"},  {210, "Ograve"},  {211, "Oacute"},  {212, "Ocirc"},   {213, "Otilde"},
    {214, "Ouml"},    {215, "times"},   {216, "Oslash"},  {217, "Ugrave"},  {218, "Uacute"},
    {219, "Ucirc"},   {220, "Uuml"},    {221, "Yacute"},  {222, "THORN"},   {223, "szlig"},
    {224, "agrave"},  {225, "aacute"},  {226, "acirc"},   {227, "atilde"},  {228, "auml"},
    {229, "aring"},   {230, "aelig"},   {231, "ccedil"},  {232, "egrave"},  {233, "eacute"},
    {234, "ecirc"},   {235, "emul"},    {236, "igrave"},  {237, "iacute"},  {238, "icirc"},
    {239, "iuml"},    {241, "ntilde"},  {242, "ograve"},  {243, "oacute"},  {244, "ocirc"},
    {245, "otilde"},  {246, "ouml"},    {247, "divide"},  {248, "oslash"},  {249, "ugrave"},
    {250, "uacute"},  {251, "ucirc"},   {252, "uuml"},    {253, "yacute"},  {254, "thorn"},
    {255, "yuml"},
};

// Symbols that have no character in the code page: their references are dropped.
constexpr const char* Dropped_Symbols[] = {"spades", "clubs", "hearts", "diams", "oline",
                                           "larr",   "rarr",  "uarr",   "darr"};

// The code of each entity name; the lowest code wins, as a search from code 0 upwards finds.
const std::unordered_map<std::string, int>& Entity_Codes() {
    static const std::unordered_map<std::string, int> codes = [] {
        std::unordered_map<std::string, int> map;
        const auto& entities = Entities();
        for (int code = 0; code < 256; ++code)
            map.emplace(entities[code], code);
        return map;
    }();
    return codes;
}

// Appends the character a reference stands for; false when it stands for nothing known.
bool Decode_Reference(const std::string& name, std::string& result) {
    if (name.size() > 1 && name.front() == '#') {
        int code = 0;
        if (Str_To_Int(name.substr(1), code)) {
            result += static_cast<char>(static_cast<unsigned char>(code));
            return true;
        }
    }
    const auto& codes = Entity_Codes();
    auto found = codes.find(name);
    if (found == codes.end())
        found = codes.find(Lower_Case(name));
    if (found != codes.end()) {
        result += static_cast<char>(found->second);
        return true;
    }
    const std::string lower = Lower_Case(name);
    for (const char* symbol : Dropped_Symbols)
        if (lower == symbol)
            return true;
    return false;
}

bool Is_Blank(char c) { return c == ' ' || c == '\t'; }

// Line breaks become blanks, and unless whitespace is preserved each run of blanks and tabs
// becomes one blank. Most tokens need neither, so they are only scanned.
void Normalise_Whitespace(std::string& token, bool preserve) {
    bool needs_work = false;
    for (std::size_t i = 0; i < token.size() && !needs_work; ++i) {
        const char c = token[i];
        needs_work = c == '\r' || c == '\n' ||
                     (!preserve && (c == '\t' || (c == ' ' && i + 1 < token.size() && Is_Blank(token[i + 1]))));
    }
    if (!needs_work)
        return;
    std::size_t out = 0;
    bool after_blank = false;
    for (char c : token) {
        if (c == '\r' || c == '\n')
            c = ' ';
        if (!preserve && Is_Blank(c)) {
            if (after_blank)
                continue;
            c = ' ';
        }
        after_blank = c == ' ';
        token[out++] = c;
    }
    token.resize(out);
}

// "<name" of a tag: the text before its first "=", without a trailing ">".
std::string_view Tag_Stem(std::string_view token) {
    token = token.substr(0, token.find('='));
    if (!token.empty() && token.back() == '>')
        token.remove_suffix(1);
    return token;
}

} // namespace

const std::array<std::string, 256>& Entities() {
    static const std::array<std::string, 256> entities = [] {
        std::array<std::string, 256> table;
        for (int code = 0; code < 256; ++code)
            table[code] = std::string(1, static_cast<char>(code));
        for (const auto& [code, name] : Entity_Names)
            table[code] = name;
        return table;
    }();
    return entities;
}

std::string To_HTML(const std::string& text) {
    const auto& entities = Entities();
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        const std::string& entity = entities[static_cast<unsigned char>(c)];
        if (entity.size() < 2) {
            result += c;
        } else {
            result += '&';
            result += entity;
            result += ';';
        }
    }
    return result;
}

std::string From_HTML(const std::string& text, int keep) {
    const bool keep_undecodable = keep & Keep_Undecodable;
    std::string result;
    result.reserve(text.size());
    std::size_t position = 0;
    while (position < text.size()) {
        const auto ampersand = text.find('&', position);
        if (ampersand == std::string::npos) {
            result.append(text, position);
            break;
        }
        result.append(text, position, ampersand - position);
        const auto semicolon = text.find(';', ampersand);
        if (semicolon == std::string::npos) {
            if (keep_undecodable)
                result.append(text, ampersand);
            break;
        }
        position = semicolon + 1;
        const std::size_t name_length = semicolon - ampersand - 1;
        if (name_length < 2) {
            if (keep_undecodable)
                result.append(text, ampersand, name_length + 2);
            continue;
        }
        const std::string name = text.substr(ampersand + 1, name_length);
        if (!Decode_Reference(name, result) && keep_undecodable)
            result.append(text, ampersand, name_length + 2);
    }
    return result;
}

void TSHTML_Parser::Init() {
    TSParser::Init();
    Preserve_Whitespace = false;
    Source.clear();
    Position = 0;
}

void TSHTML_Parser::Set_Source(const std::string& text) {
    Source = text;
    Position = 0;
}

bool TSHTML_Parser::Next_Token(std::string& token) {
    token.clear();
    if (Position >= Source.size())
        return false;
    std::size_t end;
    if (Source[Position] == '<') {
        const auto close = Source.find('>', Position);
        end = close == std::string::npos ? Source.size() : close + 1;
    } else {
        const auto open = Source.find('<', Position);
        end = open == std::string::npos ? Source.size() : open;
    }
    token.assign(Source, Position, end - Position);
    Position = end;
    Normalise_Whitespace(token, Preserve_Whitespace);
    return !token.empty();
}

std::string TSHTML_Parser::Get_Token() {
    Token_Error = ParserErr_Success;
    std::string token;
    Next_Token(token);
    return token;
}

THTML_Parser::THTML_Parser() : TParser(new TSHTML_Parser) {}

std::string THTML_Parser::_Get_Section(const std::string& name, bool xml) {
    std::string_view stem = name;
    if (!stem.empty() && stem.front() == '<')
        stem.remove_prefix(1);
    if (!stem.empty() && stem.back() == '>')
        stem.remove_suffix(1);
    stem = stem.substr(0, stem.find('='));
    const std::string lower = Lower_Case(std::string(stem));
    const std::string end_tag = xml ? "<" + lower + "/>" : "</" + lower + ">";
    const std::string start_prefix = "<" + lower;

    int depth = 0;
    std::string result;
    std::string& token = Section_Token;
    while (Html().Next_Token(token)) {
        if (Same_Text(token, end_tag)) {
            if (--depth < 0)
                break;
        }
        result += token;
        if (token.front() == '<' && Same_Text(Tag_Stem(token), start_prefix))
            ++depth;
    }
    return result;
}

TTag Split_Tag(const std::string& token) {
    const auto equals = token.find('=');
    if (equals == std::string::npos)
        return TTag{token, std::string()};
    TTag tag{token.substr(0, equals), token.substr(equals + 1)};
    if (!tag.Value.empty())
        tag.Value.pop_back();
    return tag;
}

int Get_Int(const std::string& value) {
    int result = 0;
    return Str_To_Int(Edit(value, Edit_Trim), result) ? result : 0;
}

void Read_Tagged_Text(const std::string& text, TTag_Case fold, const TTag_Handler& handler) {
    THTML_Parser parser;
    parser.Set_Source(text);
    for (std::string token = parser.Token(); !token.empty(); token = parser.Token()) {
        if (fold == TTag_Case::Lower)
            token = Lower_Case(token);
        else if (fold == TTag_Case::Upper)
            token = Edit(token, Edit_Upper);
        if (token.front() != '<')
            continue;
        if (handler(Split_Tag(token), parser))
            continue;
        if (token.compare(0, 2, "<#") != 0)
            parser.Get_Section(token);
    }
}

} // namespace Vexlor
