// The party file "Characters.master": every party the group keeps, one CR LF line per party,
// each holding its characters' stored texts, and the lists the parties dialog shows of them.
#pragma once

#include "characters/Characters.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Vexlor {

inline constexpr std::string_view Party_File_Name = "Characters.master";
// The party a group starts with, and that the list falls back on when it holds no party.
inline constexpr std::string_view Default_Party_Name = "(default)";

// One entry of the parties list or of a party's characters list: the text the list shows (a
// party's name; a character's display text) and the stored text it carries.
struct TRoster_Entry {
    std::string Text;
    std::string Stored;
};
using TRoster_List = std::vector<TRoster_Entry>;

// The parties of a party file's text in file order; none when the text holds no party. A party the
// end of the text cuts short holds the characters that could be read, each a whole element, so
// that writing it back closes what was left open. Cut_In tells where the text ends before its
// last element does (a file cut short by a full disk or by hand), as the game master is told it:
// the character "Rex" of the party "Alpha", the party "Alpha", a character of the party "Alpha",
// a party. Nothing when it reads whole. The text is read once for both.
struct TParties_Reading {
    TRoster_List Parties;
    std::optional<std::string> Cut_In;
};
TParties_Reading Read_Parties_Noting_Cut(std::string_view file_text);
TRoster_List Read_Parties(std::string_view file_text);

// The characters of a party's stored text in stored order.
TRoster_List Read_Party_Members(std::string_view party_text);

// A party's stored text: its characters' elements side by side, in list order.
std::string Party_Text(const TRoster_List& characters);

// The whole party file: one CR LF line per party, in list order.
std::string Party_File_Text(const TRoster_List& parties);

// A party name or display text as it stands between its tag's quotes, and back.
std::string Encode_Roster_Text(std::string_view text);
std::string Decode_Roster_Text(std::string_view text);

// Sorts by text, alphabetically without regard to case; entries of equal text keep their order.
void Sort_Roster(TRoster_List& list);

// The index of the first entry whose text equals text without regard to case; -1 if none.
int Find_Roster_Entry(const TRoster_List& list, std::string_view text);

// The character's name in a display text: the text up to its tab.
std::string Display_Name(std::string_view display_text);

// The names of a party's characters (Display_Name) but the one at except (-1: every one): the
// names a new or edited character may not take.
std::vector<std::string> Member_Names(const TRoster_List& characters, int except);

// What the characters list shows of a character from the moment it is made: the name, a tab, and
// the short names of the classes in slots 1 to 4 joined by ", ".
std::string Character_Display_Text(const TVexlor_Character& character);

// The file name "Save to RTF" proposes for a character's sheet: the name and ".rtf", with the
// characters a file name cannot hold ("/", "\\", ":" and the like) written as "_".
std::string Sheet_File_Name(std::string_view character_name);

} // namespace Vexlor
