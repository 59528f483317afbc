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

} // namespace Vexlor
