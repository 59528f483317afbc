// The complete creature list: the printed bestiary of the whole creature catalogue, listed by
// level, by frequency and by habitat, with the giant, huge, pygmy and young variants of the
// creatures of one fixed level.
#pragma once

#include "catalogues/Catalogue_Registry.h"
#include "catalogues/Creature_Profile.h"
#include "foundations/Result.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace Vexlor {

// One listing of a creature (or a variant of it) at one level, in one place for the habitat list.
struct TCreature_Listing {
    int Level = 0;
    int Frequency = 0;
    std::string Name;
    THabitat_Climate Climate = HC_Unknown;
    THabitat Habitat = H_Unknown;
};

// The three lists, each sorted.
struct TCreature_List {
    std::vector<TCreature_Listing> By_Level;
    std::vector<TCreature_Listing> By_Frequency;
    std::vector<TCreature_Listing> By_Habitat;
};

// The nine-character word of a frequency from 1 (Unique) to 6 (Common), such as "Rare     "; any
// other raises std::out_of_range.
std::string_view Frequency_Word(int frequency);
// The climate and habitat as the habitat list gives them: "Tropical Swamp", padded with blanks to
// 22 characters.
std::string Place_Text(THabitat_Climate climate, THabitat habitat);

// Adds the listings of one profile, or none at all when the profile cannot be listed (a frequency
// without a word, a habitat or climate without a text, a level outside 0..99).
void Add_Listings(TCreature_List& list, const TCreature_Profile& profile);
// Puts each list in the text order of its report lines: the level list by level, the frequency
// list by word, the habitat list by place, each then by what follows in its line.
void Sort_Listings(TCreature_List& list);

TCreature_List Creature_List_Of(TCreature_Registry& creatures);
// The report's text, lines ending with CR LF.
std::string Creature_List_Text(const TCreature_List& list);

// Writes the report of the whole catalogue atomically; on failure the old file is untouched.
TResult Write_Creature_List(TCreature_Registry& creatures, const std::filesystem::path& path);

} // namespace Vexlor
