// What the creature editor shows of a creature profile, control by control, and the profile it
// builds from that. Building from an edited profile starts from a copy of it, so whatever the
// editor does not show stays as it was.
#pragma once

#include "catalogues/Creature_Profile.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace Vexlor {

// The levels the editor offers: the creature list prints a level in two characters.
inline constexpr int Lowest_Creature_Level = 0;
inline constexpr int Highest_Creature_Level = 99;

// The frequency radio buttons, from "Common" (6) down to "Unique" (1).
struct TFrequency_Choice {
    int Frequency;
    std::string_view Caption;
};
inline constexpr std::array<TFrequency_Choice, 6> Frequency_Choices{
    {{Frequency_Common, "Common"},
     {Frequency_Uncommon, "Uncommon"},
     {Frequency_Rare, "Rare"},
     {Frequency_Very_Rare, "Very rare"},
     {Frequency_Extremely_Rare, "Extremely rare"},
     {Frequency_Unique, "Unique"}}};

// The lines of the drop-downs and lists, in the order of the values they stand for.
std::vector<std::string> Poison_Type_Choices(); // "", "*", "A" to "Z", "1", "2", "3"
std::vector<std::string> Nature_Choices();
std::vector<std::string> Attack_Class_Choices();
std::vector<std::string> Habitat_Choices(); // "Undefined" for no habitat, then Any to Woodland
std::vector<std::string> Climate_Choices(); // "Undefined" for no climate, then Any to Tropical

struct TAttack_Controls {
    int Attack_Class = AC_Unknown; // index in Attack_Class_Choices
    TRange Damage;
};

struct TCreature_Editor_State {
    std::string Name;
    std::string Classification;
    int Frequency = Frequency_Common;
    TRange Number{1, 1};
    TRange Intelligence;
    int Size = 0;
    int Weight = 0;
    int In_Lair = 0;
    int Defensive_Bonus = 0;
    int Fixed_HP = 0;
    int Add_HP = 0;
    TRange Levels; // "Level" (the lowest level) to "High level"
    int Move_Land = 0;
    int Move_Fly = 0;
    int Move_Swim = 0;
    int Move_Dive = 0;
    int Move_Other = 0;
    int Experience_Base = 0;
    int Experience_HP = 0;
    std::string Poison_Flesh; // a line of Poison_Type_Choices, or the stored type when it is none
    std::string Poison_Hide;
    int Nature = N_Unknown; // index in Nature_Choices
    bool Nocturnal = false;
    bool Mountable = false;
    bool Domesticate = false;
    bool Allow_Weapon = false;
    bool Breathe_Air = false;
    bool Breathe_Water = false;
    bool Sterile = false;
    bool Parasite = false;
    bool Fisson = false;
    bool Shape_Change = false;
    bool Vacuum = false;
    bool Chameleon = false;
    int Attacks = 0;
    std::array<TAttack_Controls, 10> Attack{};
    TRange Caustic_Hide;
    std::string Treasure_Carried;
    std::string Carried_Chance; // "50,0,100": the chance of each letter in percent
    std::string Treasure_In_Lair;
    std::string Lair_Chance;
    std::array<int, 2> Habitat{}; // indexes in Habitat_Choices: 0 is "Undefined"
    std::array<int, 2> Climate{};
    int Regenerate_Amount = 0;
    int Regenerate_Rate = 0;
    int DR_Acid = 0;
    int DR_Cold = 0;
    int DR_Fire = 0;
    int DR_Poison = 0;
    int DR_Gas = 0;
    int DR_Electric = 0;
    int DR_Radiation = 0;
    int QID_Immunity = 0;
    int Infrared = 0;
    int Ultraviolet = 0;
    int Swallow_Whole = 0;
    std::string Description; // the memo's text
};

// The state of a cleared editor, for a new creature. "Common" is checked: a creature with no
// frequency could not be listed in the complete creature list and would vanish from it.
TCreature_Editor_State New_Creature_State();

TCreature_Editor_State Creature_State(const TCreature_Profile& profile);

// The profile the editor builds: a copy of the edited one (null for a new creature) with every
// property the editor shows overwritten from state. A treasure chance text that is not whole
// numbers from 0 to 255 (the codes a chance is kept in) separated by "," is refused with
// std::invalid_argument naming it, rather than stored as 0 or cut to 255.
std::unique_ptr<TCreature_Profile> Build_Creature(const TCreature_Editor_State& state,
                                                  const TCreature_Profile* edited);

} // namespace Vexlor
