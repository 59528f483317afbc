// The printable character sheet: an RTF document filled from a character.
#pragma once

#include "characters/Characters.h"
#include "foundations/Checked.h"

#include <string>
#include <string_view>
#include <vector>

namespace Vexlor {

// A selection list of the character wizard: its entries in order, each selected or not.
struct TSelection_Entry {
    std::string Text;
    bool Selected = false;
};
using TSelection_List = std::vector<TSelection_Entry>;

// The wizard's selection lists by QID level and by compound level; an entry without a list
// contributes nothing to the sheet.
extern TArray<const TSelection_List*, 1, 10> QID_Array;
extern TArray<const TSelection_List*, 1, 9> Compound_Array;

// The character sheet as a complete RTF document. Reads the character and changes nothing.
void Character_RTF_String(const TVexlor_Character& character, std::string& text);

// The sheet template itself, with its "~Name~" placeholders.
std::string_view Character_Sheet_Template();

// A value as RTF text: backslash and braces escaped, characters above 127 as \'hh.
std::string RTF_Escape(std::string_view value);

// 1st, 2nd, 3rd, 4th, 11th, 12th, 21st; empty for a negative number.
std::string Ordinal(int number);

} // namespace Vexlor
