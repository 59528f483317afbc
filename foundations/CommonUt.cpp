#include "CommonUt.h"

#include <array>
#include <cstdio>
#include <deque>
#include <limits>
#include <utility>

namespace Vexlor {
namespace {

using TCode_Map = std::array<unsigned char, 256>;

TCode_Map Identity_Map() {
    TCode_Map map{};
    for (int c = 0; c < 256; ++c)
        map[c] = static_cast<unsigned char>(c);
    return map;
}

struct TCase_Pair {
    unsigned char Lower, Upper;
};

// Windows Latin-1 letters outside the ASCII range, as lower/upper pairs.
std::array<TCase_Pair, 33> Latin1_Pairs() {
    std::array<TCase_Pair, 33> pairs{};
    std::size_t n = 0;
    for (int c = 224; c <= 254; ++c)
        if (c != 247)
            pairs[n++] = {static_cast<unsigned char>(c), static_cast<unsigned char>(c - 32)};
    pairs[n++] = {255, 159}; // y with diaeresis
    pairs[n++] = {154, 138}; // s with caron
    pairs[n++] = {156, 140}; // ligature oe
    return pairs;
}

// Letters of the DOS Latin code page 437 that have both cases there.
constexpr TCase_Pair DOS_Pairs[] = {{135, 128}, {129, 154}, {130, 144}, {132, 142},
                                    {134, 143}, {145, 146}, {148, 153}, {164, 165}};

struct TCase_Maps {
    TCode_Map Upper = Identity_Map(), Lower = Identity_Map();
    TCode_Map Upper_Latin1, Lower_Latin1, Upper_DOS, Lower_DOS;
    TCode_Map Plain_Latin1 = Identity_Map(), Plain_DOS = Identity_Map();

    TCase_Maps() {
        for (int c = 'a'; c <= 'z'; ++c) {
            Upper[c] = static_cast<unsigned char>(c - 32);
            Lower[c - 32] = static_cast<unsigned char>(c);
        }
        Upper_Latin1 = Upper;
        Lower_Latin1 = Lower;
        for (const auto& pair : Latin1_Pairs()) {
            Upper_Latin1[pair.Lower] = pair.Upper;
            Lower_Latin1[pair.Upper] = pair.Lower;
        }
        Upper_DOS = Upper;
        Lower_DOS = Lower;
        for (const auto& pair : DOS_Pairs) {
            Upper_DOS[pair.Lower] = pair.Upper;
            Lower_DOS[pair.Upper] = pair.Lower;
        }
        Fill_Plain(Plain_Latin1, "AAAAAA", 192);
        Fill_Plain(Plain_Latin1, "CEEEEIIIIDNOOOOO", 199);
        Fill_Plain(Plain_Latin1, "OUUUUY", 216);
        Fill_Plain(Plain_Latin1, "aaaaaa", 224);
        Fill_Plain(Plain_Latin1, "ceeeeiiiidnooooo", 231);
        Fill_Plain(Plain_Latin1, "ouuuuy", 248);
        Plain_Latin1[255] = 'y';
        Plain_Latin1[138] = 'S';
        Plain_Latin1[154] = 's';
        Plain_Latin1[159] = 'Y';
        Fill_Plain(Plain_DOS, "CueaaaaceeeiiiAAE", 128);
        Fill_Plain(Plain_DOS, "ooouuyOU", 147);
        Fill_Plain(Plain_DOS, "aiounN", 160);
    }

    // Plain letters for the run of codes starting at first.
    static void Fill_Plain(TCode_Map& map, const char* letters, int first) {
        for (int i = 0; letters[i] != '\0'; ++i)
            map[first + i] = static_cast<unsigned char>(letters[i]);
    }
};

const TCase_Maps& Case_Maps() {
    static const TCase_Maps maps;
    return maps;
}

std::uint32_t Resolve_Conflicts(std::uint32_t flags) {
    if ((flags & Edit_Upper) && (flags & Edit_Lower))
        flags &= ~Edit_Lower;
    if ((flags & Edit_Square_To_Round) && (flags & Edit_Square_To_Curly))
        flags &= ~Edit_Square_To_Curly;
    if ((flags & Edit_Round_To_Square) && (flags & Edit_Round_To_Curly))
        flags &= ~Edit_Round_To_Curly;
    if ((flags & Edit_Curly_To_Round) && (flags & Edit_Curly_To_Square))
        flags &= ~Edit_Curly_To_Square;
    if ((flags & Edit_Latin1) && (flags & Edit_DOS))
        flags &= ~(Edit_Latin1 | Edit_DOS);
    return flags;
}

// The character map of one set of flags.
struct TEdit_Plan {
    TCode_Map Map = Identity_Map();

    explicit TEdit_Plan(std::uint32_t flags) {
        const TCase_Maps& maps = Case_Maps();
        const bool latin1 = flags & Edit_Latin1, dos = flags & Edit_DOS;
        for (int code = 0; code < 256; ++code) {
            unsigned char c = static_cast<unsigned char>(code);
            if (flags & Edit_Clear_High_Bit)
                c &= 0x7F;
            if (flags & Edit_Remove_Accents)
                c = latin1 ? maps.Plain_Latin1[c] : dos ? maps.Plain_DOS[c] : c;
            if (flags & Edit_Upper)
                c = latin1 ? maps.Upper_Latin1[c] : dos ? maps.Upper_DOS[c] : maps.Upper[c];
            else if (flags & Edit_Lower)
                c = latin1 ? maps.Lower_Latin1[c] : dos ? maps.Lower_DOS[c] : maps.Lower[c];
            Map[code] = Map_Bracket(c, flags);
        }
    }

    // Every mapping tests the character as it was before any mapping.
    static unsigned char Map_Bracket(unsigned char c, std::uint32_t flags) {
        switch (c) {
        case '[':
            return (flags & Edit_Square_To_Round) ? '(' : (flags & Edit_Square_To_Curly) ? '{' : c;
        case ']':
            return (flags & Edit_Square_To_Round) ? ')' : (flags & Edit_Square_To_Curly) ? '}' : c;
        case '(':
            return (flags & Edit_Round_To_Square) ? '[' : (flags & Edit_Round_To_Curly) ? '{' : c;
        case ')':
            return (flags & Edit_Round_To_Square) ? ']' : (flags & Edit_Round_To_Curly) ? '}' : c;
        case '{':
            return (flags & Edit_Curly_To_Round) ? '(' : (flags & Edit_Curly_To_Square) ? '[' : c;
        case '}':
            return (flags & Edit_Curly_To_Round) ? ')' : (flags & Edit_Curly_To_Square) ? ']' : c;
        default:
            return c;
        }
    }
};

// The character map of each set of flags in use, built on first use: the game edits many texts
// with the same handful of flag sets. Past that handful the last entry is rebuilt as needed.
const TEdit_Plan& Edit_Plan(std::uint32_t flags) {
    constexpr std::size_t Most_Plans = 32;
    thread_local std::deque<std::pair<std::uint32_t, TEdit_Plan>> plans;
    for (const auto& [plan_flags, plan] : plans)
        if (plan_flags == flags)
            return plan;
    if (plans.size() == Most_Plans)
        plans.pop_back();
    plans.emplace_back(flags, TEdit_Plan(flags));
    return plans.back().second;
}

bool Is_Control(char c) {
    return c == 0 || c == 10 || c == 12 || c == 13 || c == 127;
}

template <class T> bool Parse_Integer(std::string_view text, T& value) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    unsigned base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    }
    if (i == text.size())
        return false;
    // Accumulate as a negative number so that the most negative value reads too.
    T result = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return false;
        if (__builtin_mul_overflow(result, static_cast<T>(base), &result) ||
            __builtin_sub_overflow(result, static_cast<T>(digit), &result))
            return false;
    }
    if (!negative) {
        if (result == std::numeric_limits<T>::min())
            return false;
        result = -result;
    }
    value = result;
    return true;
}

} // namespace

std::string Edit(const std::string& text, std::uint32_t flags) {
    if (text.empty())
        return text;
    flags = Resolve_Conflicts(flags);
    const TEdit_Plan& plan = Edit_Plan(flags);
    const bool keep_quoted = flags & Edit_Keep_Quoted;
    const bool no_break_is_blank = flags & Edit_Latin1;

    std::string result;
    result.reserve(text.size());
    char quote = 0;           // the character that opened the current quoted part
    bool leading = true;      // no character other than blanks and tabs kept yet
    bool after_blank = false; // the last character written was a blank
    for (const char c : text) {
        if (quote != 0) {
            result += c;
            after_blank = c == ' ';
            if (c == quote)
                quote = 0;
            continue;
        }
        const bool blank = Is_Blank(c) || (no_break_is_blank && c == '\xA0' && (flags & Edit_Reduce_Blanks));
        if ((flags & Edit_Remove_Blanks) && Is_Blank(c))
            continue;
        if ((flags & Edit_Remove_Controls) && Is_Control(c))
            continue;
        if ((flags & Edit_Trim_Leading) && leading && Is_Blank(c))
            continue;
        if ((flags & Edit_Reduce_Blanks) && blank) {
            if (!after_blank)
                result += ' ';
            after_blank = true;
            leading = false;
            continue;
        }
        if (!Is_Blank(c))
            leading = false;
        const char mapped = static_cast<char>(plan.Map[static_cast<unsigned char>(c)]);
        result += mapped;
        after_blank = mapped == ' ';
        if (keep_quoted && (c == '"' || c == '\''))
            quote = c;
    }
    if ((flags & Edit_Trim_Trailing) && quote == 0) {
        const auto last = result.find_last_not_of(" \t");
        result.erase(last == std::string::npos ? 0 : last + 1);
    }
    return result;
}

std::string Num1(long double x) {
    char buffer[5000];
    const int length = std::snprintf(buffer, sizeof buffer, "%.11Lf", x);
    if (length < 0 || static_cast<std::size_t>(length) >= sizeof buffer)
        return std::string(buffer);
    std::string text(buffer, static_cast<std::size_t>(length));
    const auto point = text.find('.');
    if (point == std::string::npos)
        return text; // infinities and not-a-number
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    // A value that rounds to zero is written "0", never "-0".
    if (text == "-0")
        text = "0";
    return text;
}

std::string Ert(int code) {
    switch (code) {
    case 0:
        return "Success";
    case 2:
        return "File not found";
    case 3:
        return "Path not found";
    case 4:
        return "Too many open files";
    case 5:
        return "File access denied";
    case 100:
        return "Disk read error";
    case 101:
        return "Disk write error";
    case 102:
        return "File not assigned";
    case 103:
        return "File not open";
    case 104:
        return "File not open for input";
    case 105:
        return "File not open for output";
    case 106:
        return "Invalid numeric format";
    case 162:
        return "Hardware failure";
    case 200:
        return "Division by zero";
    case 201:
        return "Range check error";
    case 202:
        return "Stack overflow error";
    case 203:
        return "Heap overflow error";
    case 204:
        return "Invalid pointer operation";
    case 205:
        return "Floating point overflow";
    case 206:
        return "Floating point underflow";
    case 207:
        return "Invalid floating point operation";
    case 208:
        return "Overlay manager not installed";
    case 209:
        return "Overlay file read error";
    case 210:
        return "Object not initialized";
    case 211:
        return "Call to abstract method";
    case 212:
        return "Stream registration error";
    case 213:
        return "Collection index out of range";
    case 214:
        return "Collection overflow error";
    case 215:
        return "Arithmetic overflow";
    case 216:
        return "Access violation";
    case 217:
        return "Control-C";
    case 218:
        return "Privileged instruction";
    case 219:
        return "Invalid typecast";
    case 220:
        return "Invalid variant typecast";
    case 221:
        return "Invalid variant operation";
    case 222:
        return "No variant method call dispatcher";
    case 223:
        return "Cannot create variant array";
    case 224:
        return "Variant does not contain array";
    case 225:
        return "Variant array bounds error";
    case 226:
        return "TLS initialization error";
    case 227:
        return "Assertion failed";
    case 228:
        return "Interface Cast Error";
    case 229:
        return "Safecall error";
    case 230:
        return "Unhandled exception";
    case 231:
        return "Too many nested exceptions";
    default:
        return "Error " + std::to_string(code);
    }
}

int Extension_Pos(const std::string& path) {
    // Both separators end the last path component: stored paths may come from either platform.
    for (std::size_t i = path.size(); i > 0; --i) {
        const char c = path[i - 1];
        if (c == '.')
            return static_cast<int>(i);
        if (c == '\\' || c == '/')
            return 0;
    }
    return 0;
}

bool Str_To_Int(std::string_view text, int& value) {
    return Parse_Integer(text, value);
}

bool Str_To_Int64(std::string_view text, std::int64_t& value) {
    return Parse_Integer(text, value);
}

std::string Trim_Quotes(const std::string& text) {
    if (text.empty() || (text.front() != '"' && text.front() != '\''))
        return text;
    std::string result = text.substr(1);
    if (!result.empty() && result.back() == text.front())
        result.pop_back();
    return result;
}

std::string Lower_Case(const std::string& text) {
    std::string result = text;
    for (char& c : result)
        c = Lower_Char(c);
    return result;
}

bool Same_Text(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower_Char(a[i]) != Lower_Char(b[i]))
            return false;
    return true;
}

bool TLine_Reader::Next(std::string_view& line) {
    if (Position >= Text.size())
        return false;
    auto end = Text.find('\n', Position);
    if (end == std::string_view::npos)
        end = Text.size();
    line = Text.substr(Position, end - Position);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    Position = end + 1;
    return true;
}

std::vector<std::string> Split_Lines(std::string_view text) {
    std::vector<std::string> lines;
    TLine_Reader reader(text);
    for (std::string_view line; reader.Next(line);)
        lines.emplace_back(line);
    return lines;
}

std::vector<std::string> Split_Names(std::string_view list) {
    std::vector<std::string> names;
    std::size_t from = 0;
    while (from < list.size()) {
        std::size_t bar = list.find('|', from);
        if (bar == std::string_view::npos)
            bar = list.size();
        if (bar > from)
            names.emplace_back(list.substr(from, bar - from));
        from = bar + 1;
    }
    return names;
}

} // namespace Vexlor
