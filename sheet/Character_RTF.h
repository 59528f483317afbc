// The printable character sheet: an RTF document filled from a character.
#pragma once

#include "catalogues/Catalogue_Registry.h"
#include "characters/Characters.h"
#include "foundations/Checked.h"
#include "possessions/Inventory.h"

#include <string>
#include <string_view>
#include <vector>

namespace Vexlor {

// A selection list of the character wizard: its entries in order, each selected or not.
struct TSelection_Entry {
    std::string Text;
    bool Selected = false;

    bool operator==(const TSelection_Entry&) const = default;
};
using TSelection_List = std::vector<TSelection_Entry>;

// The wizard's selection lists by QID level and by compound level; an empty list contributes
// nothing to the sheet.
struct TSheet_Selections {
    TArray<TSelection_List, 1, 10> QIDs;
    TArray<TSelection_List, 1, 9> Compounds;
};

// The face the sheet's title "V  E  X  L  O  R" and "C H A R A C T E R   S H E E T" is set in.
// Impact is the sheet's own title face. A Linux machine rarely has it, and there a reader that
// looks it up may fall back to a dingbats face and print the title as a row of symbols, so the
// program hands over a bold condensed sans-serif face the machine has instead (see the parties
// window's Sheet_Header_Font). Any face but Impact is asked for in bold, to keep the title heavy.
inline constexpr std::string_view Default_Header_Font = "Impact";

// The character sheet as a complete RTF document, its title set in header_font. The armour rows
// hold what the character wears, the weapon rows its weapons (the one it wields first, then the
// others it holds, in containers too), and the QID rows the selections followed by the QIDs,
// compounds, plans and recipes it carries, each with the catalogues' values; a table with more
// entries than rows says how many more in its last row. Reads its arguments and changes nothing.
void Character_RTF_String(const TVexlor_Character& character, const TInventory& inventory,
                          const TCatalogues& catalogues, std::string& text,
                          std::string_view header_font = Default_Header_Font,
                          const TSheet_Selections& selections = {});

// The sheet template itself, with its "~Name~" placeholders.
std::string_view Character_Sheet_Template();

// A value as RTF text: backslash and braces escaped, characters above 127 as \'hh.
std::string RTF_Escape(std::string_view value);

// 1st, 2nd, 3rd, 4th, 11th, 12th, 21st; empty for a negative number.
std::string Ordinal(int number);

} // namespace Vexlor
