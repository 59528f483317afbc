// The game's text is Windows-1252, the encoding of every stored file; a terminal, a command line
// and JSON speak UTF-8. These convert at that boundary.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace Vexlor {

// The character of a Windows-1252 code. The five codes the code page leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters of the same number, so a stored text
// survives a round trip unchanged.
char32_t Windows_1252_Character(unsigned char code);

// The code of a character; nothing when Windows-1252 cannot hold it.
std::optional<char> Windows_1252_Code(char32_t character);

std::string Windows_1252_To_UTF8(std::string_view text);

// Nothing when text is not UTF-8 or holds a character that Windows-1252 cannot hold.
std::optional<std::string> UTF8_To_Windows_1252(std::string_view text);

// The characters of text that Windows-1252 cannot hold, each once, in the order they first come:
// what a box of text the game stores must refuse rather than store as "?".
std::u32string Unstorable_Characters(std::u32string_view text);
// The characters of UTF-8 text that Windows-1252 cannot hold, as Unstorable_Characters finds
// them, in UTF-8 and joined by ", " as the note names them; nothing when the text is not UTF-8.
std::optional<std::string> Unstorable_UTF8_Characters(std::string_view text);
// What the game master is told beside a box that holds them; %1 stands for the characters.
inline constexpr std::string_view Unstorable_Note_Text =
    "%1 cannot be stored: the game's files hold Western European letters only.";

} // namespace Vexlor
