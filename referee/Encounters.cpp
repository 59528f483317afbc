#include "Encounters.h"

#include "foundations/Checked.h"
#include "foundations/CommonUt.h"
#include "foundations/Dice.h"
#include "referee/Parties.h"
#include "referee/Treasure.h"

#include <algorithm>
#include <stdexcept>

namespace Vexlor {
namespace {

constexpr int Encounters_Per_Press = 10;
constexpr int Level_Tables = 90;     // table 90 + party level: the encounter level
constexpr int Creature_Tables = 100; // table 100 + encounter level: the creature met
constexpr int Party_Table = 224;     // who a party of characters is
// Groups larger than this are generated as their first this many creatures: the dice of a
// table may ask for millions, and no game master reads past a few hundred.
constexpr int Most_Creatures_Generated = 1000;
constexpr const char* Dashes = "----------";
constexpr const char* Line_Break = "\r\n";

struct TSize_Word {
    const char* Word; // upper case, with its blank
    const char* Prefix;
    int Kind;
};
// Tried in this order.
constexpr TSize_Word Size_Words[] = {
    {"GIANT ", "Giant ", CK_Giant},
    {"HUGE ", "Huge ", CK_Huge},
    {"PYGMY ", "Pygmy ", CK_Pygmy},
    {"YOUNG ", "Young ", CK_Young},
};

std::string Upper(const std::string& text) {
    return Edit(text, Edit_Upper);
}

bool Fits(int choice, int first, int second) {
    return choice == 0 || choice == first || choice == second;
}

template <long High> int Code_Of(const std::string& choice, const TChoice_Texts<High>& texts) {
    for (long code = 1; code <= High; ++code)
        if (texts[code] == choice)
            return static_cast<int>(code);
    return 0;
}

std::string Damage_Ranges(const TCreature& creature) {
    std::string text;
    const int attacks = std::min(creature.Attacks, static_cast<int>(TAttack_Damages::Count));
    for (int i = 0; i < attacks; ++i)
        if (const TRange& damage = creature.Damage[i]; damage.Low != 0 || damage.High != 0)
            text += (text.empty() ? "" : "/") + Range_To_String(damage);
    return text;
}

std::string Movement(const TCreature& creature) {
    const int moves[] = {creature.Movement_Land, creature.Movement_Fly, creature.Movement_Dive,
                         creature.Movement_Swim, creature.Movement_Other};
    std::string text;
    for (const int move : moves)
        text += (text.empty() ? "" : "/") + std::to_string(move);
    return text;
}

// The damage reductions as the game master reads them: negative, as they change the damage.
std::string Reductions(const TCreature& creature) {
    const std::pair<const char*, int> reductions[] = {
        {" Acid: ", creature.Damage_Reduction_Acid},
        {" Cold: ", creature.Damage_Reduction_Cold},
        {" Fire: ", creature.Damage_Reduction_Fire},
        {" Poison: ", creature.Damage_Reduction_Poison},
        {" Gas: ", creature.Damage_Reduction_Gas},
        {" Electricity: ", creature.Damage_Reduction_Electricity},
    };
    std::string text;
    for (const auto& [label, reduction] : reductions)
        if (reduction != 0)
            text += label + std::to_string(Checked_Sub(0, reduction)) + "%";
    if (creature.Damage_Reduction_Radiation != 0)
        text += " Radiation: " + std::to_string(creature.Damage_Reduction_Radiation) + "%";
    return text;
}

} // namespace

const std::vector<std::string> Encounter_Habitats{
    Random_Choice, "Any",    "Aquatic", "Cave",   "Cliff",       "Desert",  "Domestic",
    "Freshwater",  "Forest", "Islands", "Plains", "Swamp",       "Lake",    "Land",
    "Mountains",   "Ocean",  "River",   "Tombs",  "Underground", "Woodland"};
const std::vector<std::string> Encounter_Climates{Random_Choice, "Polar", "Temperate", "Tropical"};

std::vector<std::string> Creature_Choices(TCreature_Registry* creatures) {
    std::vector<std::string> choices{Random_Choice};
    const std::int32_t count = creatures ? creatures->Count() : 0;
    for (std::int32_t i = 0; i < count; ++i)
        if (const TCreature_Profile* profile = creatures->Get(i))
            choices.emplace_back(profile->Get_Name());
    return choices;
}

// The boxes lack the habitat "Polar" and the climate "Any", so a choice's position in its box
// is not its code: the code is found by the choice's name.
int Habitat_Code(const std::string& choice) {
    return Code_Of(choice, Habitat_Strings);
}
int Climate_Code(const std::string& choice) {
    return Code_Of(choice, Habitat_Climate_Strings);
}

bool TEncounters::Try_Creature(const TCreature_Profile& profile, int level, int climate, int habitat) {
    return profile.Get_Low_Level() <= level && level <= profile.Get_Level() &&
           Fits(habitat, profile.Get_Habitat(0), profile.Get_Habitat(1)) &&
           Fits(climate, profile.Get_Climate(0), profile.Get_Climate(1));
}

// An empty name (a missing creature table) finds nothing, not the profiles of no classification.
const TCreature_Profile* TEncounters::_Get_Creature(std::string& name, int level, int climate, int habitat) {
    TCreature_Registry* creatures = Referee.Get_Catalogues().Creatures;
    if (!creatures || name.empty())
        return nullptr;
    if (const TCreature_Profile* profile = creatures->Get(name.c_str()))
        return profile;
    const std::string classification = Upper(name);
    const TCreature_Profile* first = nullptr;
    const std::int32_t count = creatures->Count();
    for (std::int32_t i = 0; i < count; ++i) {
        const TCreature_Profile* profile = creatures->Get(i);
        if (!profile || Upper(profile->Get_Classification()) != classification)
            continue;
        if (Try_Creature(*profile, level, climate, habitat)) {
            name = profile->Get_Name();
            return profile;
        }
        if (!first)
            first = profile;
    }
    return first;
}

const TCreature_Profile* TEncounters::Get_Creature(std::string& name, int level, int& size, int climate,
                                                   int habitat) {
    size = CK_Ordinary;
    if (const TCreature_Profile* profile = _Get_Creature(name, level, climate, habitat))
        return profile;
    const std::string upper = Upper(name);
    for (const TSize_Word& size_word : Size_Words)
        if (upper.starts_with(size_word.Word)) {
            name.erase(0, std::char_traits<char>::length(size_word.Word));
            size = size_word.Kind;
            return _Get_Creature(name, level, climate, habitat);
        }
    return nullptr;
}

std::string TEncounters::Creature_States(const TCreature& creature, TState_Detail detail) {
    if (detail == State_Full)
        return Full_State(creature);
    std::string text = std::to_string(creature.HP) + " hp, " + std::to_string(creature.Experience) + " Exp";
    if (!creature.Treasure_Type_Carried.empty())
        text += "  Treasure: " + Get_Treasure(Referee, creature.Treasure_Type_Carried);
    return text;
}

std::string TEncounters::Full_State(const TCreature& creature) {
    std::string text = "#AT " + std::to_string(creature.Attacks) + " Dmg: " + Damage_Ranges(creature);
    if (creature.In_Lair)
        text += "  Encountered in lair.";
    if (creature.Defensive_Bonus != 0)
        text += "  Defense " + std::to_string(creature.Defensive_Bonus);
    if (creature.Regenerate_Amount > 0)
        text += "  Regenerate " + std::to_string(creature.Regenerate_Amount) + " per " +
                std::to_string(creature.Regenerate_Rate) +
                (creature.Regenerate_Rate > 1 ? " rounds" : " round");
    text += "  Movement " + Movement(creature) + "  ";
    if (creature.QID_Immunity != 0)
        text += " Immune to QIDs of level " + std::to_string(creature.QID_Immunity) + " or lower";
    text += Reductions(creature);
    if (creature.Infrared > 0)
        text += " Infrared vision " + std::to_string(creature.Infrared) + "'";
    if (creature.Ultraviolet > 0)
        text += " Ultraviolet vision " + std::to_string(creature.Ultraviolet) + "'";
    if (creature.Swallow_Whole > 0)
        text += " Swallow whole " + std::to_string(creature.Swallow_Whole) + " ";
    if (creature.Shape_Change)
        text += " Shape change ";
    if (creature.Survive_Vacuum)
        text += " Survive vacuum";
    if (creature.Chameleon)
        text += " Chameleon ";
    if (creature.Caustic_Hide_Low > 0)
        text += " Caustic hide " + std::to_string(creature.Caustic_Hide_Low) + "-" +
                std::to_string(creature.Caustic_Hide_High);
    if (!creature.Treasure_Type_In_Lair.empty())
        text += "  Treasure in lair: " + Get_Treasure(Referee, creature.Treasure_Type_In_Lair);
    return text;
}

// The group's last creature is generated last, with the lair roll, and described in full; then
// the short states of the whole group follow.
void TEncounters::Add_Creatures(TResult_Lines& lines, const TCreature_Profile& profile, int level, int count,
                                int kind) {
    std::string group;
    for (int k = std::min(count, Most_Creatures_Generated); k >= 1; --k) {
        const auto creature = profile.Generate(level, k == 1, kind);
        if (!group.empty())
            group += std::string("; ") + Line_Break;
        group += Creature_States(*creature, State_Short);
        if (k == 1)
            lines.Add(Creature_States(*creature, State_Full));
    }
    lines.Add(group);
}

int TEncounters::Encounter_Level(int party_level) {
    if (party_level <= 0)
        party_level = Die(1, 10);
    const int level_table = Checked_Add(Level_Tables, party_level);
    return Read_Whole_Number(Referee.Generate(level_table), level_table, Referee.Get_Tables());
}

std::string TEncounters::Character_Party(int party_size, int level) {
    const TGenerated_Party party = Create_Party(Referee, party_size, level);
    return Referee.Generate(Party_Table) + " " + Party_Description(Referee, party.Get_Party());
}

void TEncounters::Add_Encounter(TResult_Lines& lines, const TEncounter_Choices& choices) {
    const int level = Encounter_Level(choices.Level);
    const std::string text = choices.Creature == Random_Choice
                                 ? Referee.Generate(Checked_Add(Creature_Tables, level))
                                 : choices.Creature;
    const auto semicolon = text.find(';');
    std::string name = text.substr(0, semicolon);
    if (Upper(name) == "CHARACTER PARTY") {
        lines.Add(Character_Party(choices.Party_Size, level));
        return;
    }
    const std::string count_text =
        semicolon == std::string::npos ? std::string() : text.substr(semicolon + 1);
    int size = CK_Ordinary;
    const TCreature_Profile* profile =
        Get_Creature(name, level, size, Climate_Code(choices.Climate), Habitat_Code(choices.Habitat));
    const int count = Edit(count_text, Edit_Trim).empty() ? 1 : TReferee::Int_Eval(count_text);
    if (count > 1)
        name += " (" + std::to_string(count) + ")";
    if (size != CK_Ordinary)
        name = Size_Words[size - CK_Giant].Prefix + name;
    lines.Add(name);
    if (!profile)
        return;
    // A creature whose numbers the rolls cannot hold is named, and the next encounter follows.
    try {
        Add_Creatures(lines, *profile, level, count, size);
    } catch (const std::overflow_error& error) {
        lines.Add("The creature \"" + std::string(profile->Get_Name()) + "\" could not be rolled (" +
                  error.what() + "): one of its numbers is too large.");
    }
}

TRoll_Result TEncounters::Roll(const TEncounter_Choices& choices) {
    return Roll_Lines(Referee.Get_Output(), "Encounters", Encounters_Per_Press,
                      [this, &choices](TResult_Lines& lines) {
                          Add_Encounter(lines, choices);
                          lines.Add(Dashes);
                      });
}

} // namespace Vexlor
