// How far one token of the tag reader runs and whether its whitespace needs editing. Party files
// run to megabytes, so the reader scans sixteen characters at a time where the processor allows;
// the scan one character at a time is kept beside it as the reference the fast scan must agree
// with on every input.
#pragma once

#include <cstddef>
#include <string_view>

namespace Vexlor {

struct TToken_Scan {
    std::size_t End = 0;        // the position of stop, or after it when it is part of the token
    bool Needs_Editing = false; // a line break, or unless preserved a tab or two blanks in a row
};

// The token of source starting at begin and running up to stop (included when include_stop).
TToken_Scan Scan_Token(std::string_view source, std::size_t begin, char stop, bool include_stop,
                       bool preserve);
// The same, one character at a time.
TToken_Scan Scan_Token_By_Character(std::string_view source, std::size_t begin, char stop, bool include_stop,
                                    bool preserve);

} // namespace Vexlor
