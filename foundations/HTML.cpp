#include "HTML.h"

#include "CommonUt.h"
#include "Token_Scan.h"

#include <unordered_map>
#include <utility>

namespace Vexlor {
namespace {

constexpr std::pair<int, const char*> Entity_Names[] = {
    {9, "#TAB"},     {10, "#RS"},     {13, "#RE"},     {38, "amp"},     {60, "lt"},      {62, "gt"},
    {126, "tilde"},  {130, "sbquo"},  {132, "dbquo"},  {134, "dagger"}, {135, "Dagger"}, {137, "permil"},
    {139, "lsaquo"}, {145, "lsquo"},  {146, "rsquo"},  {147, "quot"},   {148, "rdquo"},  {150, "ndash"},
    {151, "mdash"},  {153, "trade"},  {155, "rsaquo"}, {160, "nbsp"},   {161, "iexcl"},  {162, "cent"},
    {163, "pound"},  {164, "curren"}, {165, "yen"},    {166, "brvbar"}, {167, "sect"},   {168, "uml"},
    {169, "copy"},   {170, "ordf"},   {171, "laquo"},  {172, "not"},    {173, "shy"},    {174, "reg"},
    {175, "macr"},   {176, "deg"},    {177, "plusmn"}, {178, "sup2"},   {179, "sup3"},   {180, "acute"},
    {181, "micro"},  {182, "para"},   {183, "middot"}, {184, "cedil"},  {185, "supl"},   {186, "ordm"},
    {187, "raquo"},  {188, "frac14"}, {189, "frac12"}, {190, "frac34"}, {191, "iquest"}, {192, "Agrave"},
    {193, "Aacute"}, {194, "Acirc"},  {195, "Atilde"}, {196, "Auml"},   {197, "Aring"},  {198, "AElig"},
    {199, "Ccedil"}, {200, "Egrave"}, {201, "Eacute"}, {202, "Ecirc"},  {203, "Euml"},   {204, "Igrave"},
    {205, "Iacute"}, {206, "Icirc"},  {207, "Iuml"},   {208, "ETH"},    {209, "Ntilde"}, {210, "Ograve"},
    {211, "Oacute"}, {212, "Ocirc"},  {213, "Otilde"}, {214, "Ouml"},   {215, "times"},  {216, "Oslash"},
    {217, "Ugrave"}, {218, "Uacute"}, {219, "Ucirc"},  {220, "Uuml"},   {221, "Yacute"}, {222, "THORN"},
    {223, "szlig"},  {224, "agrave"}, {225, "aacute"}, {226, "acirc"},  {227, "atilde"}, {228, "auml"},
    {229, "aring"},  {230, "aelig"},  {231, "ccedil"}, {232, "egrave"}, {233, "eacute"}, {234, "ecirc"},
    {235, "emul"},   {236, "igrave"}, {237, "iacute"}, {238, "icirc"},  {239, "iuml"},   {241, "ntilde"},
    {242, "ograve"}, {243, "oacute"}, {244, "ocirc"},  {245, "otilde"}, {246, "ouml"},   {247, "divide"},
    {248, "oslash"}, {249, "ugrave"}, {250, "uacute"}, {251, "ucirc"},  {252, "uuml"},   {253, "yacute"},
    {254, "thorn"},  {255, "yuml"},
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

// Line breaks become blanks, and unless whitespace is preserved each run of blanks and tabs
// becomes one blank.
void Edit_Whitespace(std::string_view token, bool preserve, std::string& edited) {
    edited.clear();
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
        edited += c;
    }
}

// Whether a tag opens a section: "<name" followed by nothing, by "=" or by ">" alone.
bool Opens_Section(std::string_view token, std::string_view start_prefix) {
    if (token.size() < start_prefix.size() || !Same_Text(token.substr(0, start_prefix.size()), start_prefix))
        return false;
    const std::string_view rest = token.substr(start_prefix.size());
    return rest.empty() || rest.front() == '=' || rest == ">";
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
    Set_Source(std::string());
}

void TSHTML_Parser::Set_Source(std::string text) {
    Owned_Source = std::move(text);
    Set_Source_View(Owned_Source);
}

void TSHTML_Parser::Set_Source_View(std::string_view text) {
    Source = text;
    Position = 0;
}

std::string_view TSHTML_Parser::Next_Token() {
    if (Position >= Source.size())
        return {};
    const bool tag = Source[Position] == '<';
    const std::size_t begin = tag ? Position + 1 : Position;
    const TToken_Scan scan = Scan_Token(Source, begin, tag ? '>' : '<', tag, Preserve_Whitespace);
    const std::string_view token(Source.data() + Position, scan.End - Position);
    Position = scan.End;
    if (!scan.Needs_Editing)
        return token;
    Edit_Whitespace(token, Preserve_Whitespace, Edited);
    return Edited;
}

std::string TSHTML_Parser::Get_Token() {
    Token_Error = ParserErr_Success;
    return std::string(Next_Token());
}

std::string TSHTML_Parser::Read_Section(const std::string& end_tag, const std::string& start_prefix) {
    int depth = 0;
    std::string result;
    Section_Closed = false;
    // Tokens that needed no editing lie side by side in the source: they are copied in one piece.
    std::size_t span_begin = Position, span_end = Position;
    for (std::string_view token = Next_Token(); !token.empty(); token = Next_Token()) {
        if (Same_Text(token, end_tag) && --depth < 0) {
            Section_Closed = true;
            break;
        }
        if (token.data() == Source.data() + span_end) {
            span_end += token.size();
        } else {
            result += Source.substr(span_begin, span_end - span_begin);
            result += token;
            span_begin = span_end = Position;
        }
        if (token.front() == '<' && Opens_Section(token, start_prefix))
            ++depth;
    }
    result += Source.substr(span_begin, span_end - span_begin);
    return result;
}

THTML_Parser::THTML_Parser() : TParser(std::make_unique<TSHTML_Parser>()) {}

std::string THTML_Parser::_Get_Section(const std::string& name, bool xml) {
    std::string_view stem = name;
    if (!stem.empty() && stem.front() == '<')
        stem.remove_prefix(1);
    if (!stem.empty() && stem.back() == '>')
        stem.remove_suffix(1);
    stem = stem.substr(0, stem.find('='));
    const std::string lower = Lower_Case(std::string(stem));
    return Html().Read_Section(xml ? "<" + lower + "/>" : "</" + lower + ">", "<" + lower);
}

namespace {

// The tag split at equals, the position of its first "=" (npos when it has none).
void Split_Tag_At(const std::string& token, std::size_t equals, TTag& tag) {
    if (equals == std::string::npos) {
        tag.Name.assign(token);
        tag.Value.clear();
        return;
    }
    tag.Name.assign(token, 0, equals);
    tag.Value.assign(token, equals + 1);
    if (!tag.Value.empty())
        tag.Value.pop_back();
}

// Folds the token's case as the record asks and returns the position of its first "=".
std::size_t Fold_Token(std::string& token, TTag_Case fold) {
    std::size_t equals = std::string::npos;
    for (std::size_t i = 0; i < token.size(); ++i) {
        char& c = token[i];
        if (fold == TTag_Case::Lower)
            c = Lower_Char(c);
        else if (fold == TTag_Case::Upper)
            c = Upper_Char(c);
        if (c == '=' && equals == std::string::npos)
            equals = i;
    }
    return equals;
}

} // namespace

void Split_Tag(const std::string& token, TTag& tag) {
    Split_Tag_At(token, token.find('='), tag);
}

TTag Split_Tag(const std::string& token) {
    TTag tag;
    Split_Tag(token, tag);
    return tag;
}

int Get_Int(const std::string& value) {
    // Leading and trailing blanks and tabs are ignored, as Edit_Trim removes them.
    std::string_view number = value;
    const auto first = number.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return 0;
    number = number.substr(first, number.find_last_not_of(" \t") - first + 1);
    int result = 0;
    return Str_To_Int(number, result) ? result : 0;
}

void Read_Tagged_Text(const std::string& text, TTag_Case fold, const TTag_Handler& handler) {
    THTML_Parser parser;
    parser.Set_Source_View(text);
    std::string token;
    TTag tag;
    while (parser.Token_Into(token)) {
        if (token.front() != '<')
            continue;
        Split_Tag_At(token, Fold_Token(token, fold), tag);
        if (handler(tag, parser))
            continue;
        if (token.compare(0, 2, "<#") != 0)
            parser.Get_Section(token);
    }
}

} // namespace Vexlor
