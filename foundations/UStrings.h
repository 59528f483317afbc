// Substring search and replacement with the game's 1-based positions, and the string holder
// that list entries carry.
#pragma once

#include <string>

namespace Vexlor {

// The 1-based position of the first sub at or after start (below 1 counts as 1); 0 if none.
// An empty sub gives start.
int Instr(int start, const std::string& text, const std::string& sub);

// Every old replaced by new from left to right; inserted text is never searched again.
std::string Replace(const std::string& text, const std::string& old_text, const std::string& new_text);

// A string carried as the data object of a list entry (file names in the parties dialog).
class TString_Object {
  public:
    explicit TString_Object(std::string text) : Text(std::move(text)) {}
    std::string Text;
};

} // namespace Vexlor
