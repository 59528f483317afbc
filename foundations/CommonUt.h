// The small text helpers every part of the game calls: the flag-driven editing function Edit,
// number texts, run-time error texts, file-name extensions and integer conversion.
// Texts are 8-bit strings in the Windows-1252 code page.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Vexlor {

// Flag bits of Edit, combined with "or".
enum TEdit_Flag : std::uint32_t {
    Edit_Clear_High_Bit = 0x1,
    Edit_Remove_Blanks = 0x2,
    Edit_Remove_Controls = 0x4,
    Edit_Trim_Leading = 0x8,
    Edit_Reduce_Blanks = 0x10,
    Edit_Upper = 0x20,
    Edit_Square_To_Round = 0x40,
    Edit_Trim_Trailing = 0x80,
    Edit_Keep_Quoted = 0x100,
    Edit_Lower = 0x200,
    Edit_Square_To_Curly = 0x400,
    Edit_Round_To_Square = 0x800,
    Edit_Round_To_Curly = 0x1000,
    Edit_Curly_To_Round = 0x2000,
    Edit_Curly_To_Square = 0x4000,
    Edit_Latin1 = 0x8000,
    Edit_DOS = 0x10000,
    Edit_Remove_Accents = 0x20000,
    Edit_All = 0x3FFFF,
};

constexpr std::uint32_t Edit_Trim = Edit_Trim_Leading | Edit_Trim_Trailing; // 0x88

// Edits text as the flags say: trimming, case folding, blank handling, bracket mapping.
std::string Edit(const std::string& text, std::uint32_t flags);

// A number as the shortest plain decimal text: at most 11 decimals, no exponent,
// no trailing zeros, no decimals for a whole number.
std::string Num1(long double x);

// The text of a run-time or input/output error code ("Disk write error" for 101).
std::string Ert(int code);

// The 1-based position of the "." that starts the extension of the last path component, or 0.
int Extension_Pos(const std::string& path);

// Reads the whole text as a 32-bit integer: an optional sign, then decimal digits or "$" and
// hexadecimal digits. Returns false, leaving value alone, when the text is anything else.
bool Str_To_Int(std::string_view text, int& value);

// The same for 64-bit integers, used where a wider field is read.
bool Str_To_Int64(std::string_view text, std::int64_t& value);

// Removes a leading quote (" or ') and the last character when it is the same quote.
std::string Trim_Quotes(const std::string& text);

// Case folding of one Windows-1252 character, as the tag readers compare names.
inline char Lower_Char(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}
inline char Upper_Char(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}
std::string Lower_Case(const std::string& text);
bool Same_Text(std::string_view a, std::string_view b); // equal without regard to case

// The whitespace that Edit reduces and trims and the tag reader folds: a blank or a tab.
inline bool Is_Blank(char c) {
    return c == ' ' || c == '\t';
}

// Reads a text line by line, as every reader of our text files does: a line ends with LF or
// CR LF, and the last line needs no end.
class TLine_Reader {
  public:
    explicit TLine_Reader(std::string_view text) : Text(text) {}
    // The next line without its end, as a view of the text; false when no line is left.
    bool Next(std::string_view& line);

  private:
    std::string_view Text;
    std::size_t Position = 0;
};

// Every line of a text, without its end.
std::vector<std::string> Split_Lines(std::string_view text);

// The names of a "|"-separated name list ("Nausea|Fever|", the catalogues' own style); empty
// pieces name nothing and are left out.
std::vector<std::string> Split_Names(std::string_view list);

} // namespace Vexlor
