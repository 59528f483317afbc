#include "Code_Page.h"

#include <array>
#include <cstddef>

namespace Vexlor {
namespace {

// The characters of codes 0x80 to 0x9F, where Windows-1252 differs from Latin-1.
constexpr std::array<char32_t, 32> High_Controls = {
    U'\u20AC', U'\u0081', U'\u201A', U'\u0192', U'\u201E', U'\u2026', U'\u2020', U'\u2021',
    U'\u02C6', U'\u2030', U'\u0160', U'\u2039', U'\u0152', U'\u008D', U'\u017D', U'\u008F',
    U'\u0090', U'\u2018', U'\u2019', U'\u201C', U'\u201D', U'\u2022', U'\u2013', U'\u2014',
    U'\u02DC', U'\u2122', U'\u0161', U'\u203A', U'\u0153', U'\u009D', U'\u017E', U'\u0178'};

void Append_UTF8(std::string& out, char32_t character) {
    if (character < 0x80) {
        out += static_cast<char>(character);
    } else if (character < 0x800) {
        out += static_cast<char>(0xC0 | (character >> 6));
        out += static_cast<char>(0x80 | (character & 0x3F));
    } else if (character < 0x10000) {
        out += static_cast<char>(0xE0 | (character >> 12));
        out += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (character >> 18));
        out += static_cast<char>(0x80 | ((character >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (character & 0x3F));
    }
}

// The character that starts at text[at], moving at past it; nothing for a sequence that is not
// UTF-8 (a stray continuation byte, a cut or overlong sequence, a surrogate).
std::optional<char32_t> Next_UTF8(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80)
        return lead;
    int length;
    char32_t character;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 1;
        character = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 2;
        character = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 3;
        character = lead & 0x07;
    } else {
        return std::nullopt;
    }
    for (int i = 0; i < length; ++i) {
        if (at >= text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80)
            return std::nullopt;
        character = (character << 6) | (static_cast<unsigned char>(text[at++]) & 0x3F);
    }
    constexpr char32_t Least[] = {0, 0x80, 0x800, 0x10000};
    if (character < Least[length] || character > 0x10FFFF || (character >= 0xD800 && character <= 0xDFFF))
        return std::nullopt;
    return character;
}

} // namespace

char32_t Windows_1252_Character(unsigned char code) {
    return code >= 0x80 && code <= 0x9F ? High_Controls[code - 0x80] : code;
}

std::optional<char> Windows_1252_Code(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<char>(character);
    for (std::size_t index = 0; index < High_Controls.size(); ++index)
        if (High_Controls[index] == character)
            return static_cast<char>(0x80 + index);
    return std::nullopt;
}

std::string Windows_1252_To_UTF8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char code : text)
        Append_UTF8(out, Windows_1252_Character(static_cast<unsigned char>(code)));
    return out;
}

std::optional<std::string> UTF8_To_Windows_1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const std::optional<char32_t> character = Next_UTF8(text, at);
        const std::optional<char> code = character ? Windows_1252_Code(*character) : std::nullopt;
        if (!code)
            return std::nullopt;
        out += *code;
    }
    return out;
}

std::u32string Unstorable_Characters(std::u32string_view text) {
    std::u32string unstorable;
    for (const char32_t character : text)
        if (!Windows_1252_Code(character) && unstorable.find(character) == std::u32string::npos)
            unstorable += character;
    return unstorable;
}

std::optional<std::string> Unstorable_UTF8_Characters(std::string_view text) {
    std::u32string characters;
    for (std::size_t at = 0; at < text.size();) {
        const std::optional<char32_t> character = Next_UTF8(text, at);
        if (!character)
            return std::nullopt;
        characters += *character;
    }
    std::string named;
    for (const char32_t character : Unstorable_Characters(characters)) {
        if (!named.empty())
            named += ", ";
        Append_UTF8(named, character);
    }
    return named;
}

} // namespace Vexlor
