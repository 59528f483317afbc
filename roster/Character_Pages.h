// The rules of the character wizard's pages about the person: the name and its gender, the
// ability scores as the page shows them, the bonus table, and the appearance kept in the
// character's VDNA value.
#pragma once

#include "characters/Characters.h"

#include <array>
#include <string>
#include <vector>

namespace Vexlor {

// ---- Name page ----

// The names of the other members of a party as the name page compares them: each enclosed in
// the character with code 1.
std::string Enclosed_Names(const std::vector<std::string>& names);

enum class TName_Check { Valid, Empty, Blank, Forbidden_Character, Taken };

// Whether a typed name may be the character's. `other_names` is as Enclosed_Names gives it; the
// comparison ignores case and blanks around the name. A name of blanks only, or one holding
// "<", ">" or "|", would break the party file and the inventory, so it is not valid either.
TName_Check Check_Name(const std::string& name, const std::string& other_names);

// What the page says about the check: empty for a valid or an empty name.
std::string Name_Check_Text(TName_Check check);

// The name the character takes from a valid typed name: without blanks around it.
std::string Name_To_Store(const std::string& typed);

// Sets the character's gender. A character whose scores were already rolled (it has a Cognitive
// score), stored or in the making, has them shifted at once: a man gains 1 Strength and
// Constitution and loses 1 Dexterity and Cognitive, a woman the opposite. A character in the
// making whose build was rolled has it moved to the other gender's build table (a woman is 45 lbs
// lighter and 6 in shorter in the middle of hers). Choosing the gender it already has changes
// nothing.
void Change_Gender(TVexlor_Character& character, TGender gender);

// ---- Ability page ----

// The nine scores as the page shows them (a score above 20 as 20, one of 0 or less as 1), and
// the sums of the three groups formed from those shown values.
struct TAbility_Display {
    std::array<int, 9> Scores{}; // Strength, Constitution, Dexterity, Cognitive, Perception,
                                 // Wisdom, Charisma, Comeliness, Will
    int Physical = 0;
    int Intellect = 0;
    int Influence = 0;
};

int Displayed_Score(int score);
TAbility_Display Ability_Display(const TVexlor_Character& character);

// Rolls the nine scores anew (method 0), gives class slot 1 its first level when it has none,
// and rolls the hit points.
void Regenerate_Scores(TVexlor_Character& character);

// One line of the bonus table: its group ("Strength" ...), label and value.
struct TBonus_Row {
    std::string Group;
    std::string Label;
    std::string Value;
};

// The hit points a Constitution score adds, as dice ("1d12+1"); "0" for a score of 0 or less.
std::string Hit_Points_Added(int constitution);
// The chance to open doors: "n in 6" for Strength 1 to 5, a percentage otherwise.
std::string Open_Doors_Text(const TVexlor_Character& character);
// The bonus table in its order: five Strength rows, four Constitution rows, two Dexterity rows,
// three Cognitive rows, one Wisdom row and one Charisma row.
std::vector<TBonus_Row> Bonus_Table(const TVexlor_Character& character);

// ---- Appearance page ----

enum class TEye_Colour { None, Pink, Blue, Green, Hazel, Brown };
enum class THair_Colour { Blond, Brown, Auburn, Red, Black, White };

// Each reads from or writes into the character's first VDNA value, keeping every other bit.
TEye_Colour Eye_Colour(const TVexlor_Character& character);
void Set_Eye_Colour(TVexlor_Character& character, TEye_Colour colour);
THair_Colour Hair_Colour(const TVexlor_Character& character);
void Set_Hair_Colour(TVexlor_Character& character, THair_Colour colour);
int Skin_Pigment(const TVexlor_Character& character); // 0..255
void Set_Skin_Pigment(TVexlor_Character& character, int pigment);
bool Attached_Earlobes(const TVexlor_Character& character);
void Set_Attached_Earlobes(TVexlor_Character& character, bool attached);
bool Widows_Peak(const TVexlor_Character& character);
void Set_Widows_Peak(TVexlor_Character& character, bool peak);

inline constexpr int Least_Body_Size = 1; // weight in pounds, height in inches
inline constexpr int Most_Body_Size = 32767;

} // namespace Vexlor
