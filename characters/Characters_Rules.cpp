// The figures derived from a character's scores, classes and rogue points. Nothing is kept:
// every figure is worked out again on each call.
#include "Characters.h"

#include "foundations/Dice.h"
#include "foundations/Random.h"

#include <algorithm>
#include <cstddef>

namespace Vexlor {
namespace {

// A lookup by one ability score: the values for the scores 1 and up, and the value that every
// other score gets (a score above the table, and also 0 or less).
template <std::size_t N, class T = int> struct TScore_Table {
    std::array<T, N> By_Score;
    T Rest;

    T operator()(int score) const {
        return score >= 1 && static_cast<std::size_t>(score) <= N
                   ? By_Score[static_cast<std::size_t>(score - 1)]
                   : Rest;
    }
};

constexpr TScore_Table<12> System_Shock_Table{{30, 40, 50, 60, 70, 80, 85, 90, 91, 92, 93, 94}, 95};
constexpr TScore_Table<12> Poison_Table{{0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4}, 5};
constexpr TScore_Table<12> Regeneration_Table{{0, 0, 0, 0, 0, 0, 0, 0, 60, 40, 30, 20}, 10};
constexpr TScore_Table<14> Hit_Table{{-1, 0, 0, 1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20}, 25};
constexpr TScore_Table<14> Damage_Table{{-1, -1, 0, 0, 1, 2, 2, 3, 4, 5, 6, 7, 8, 9}, 10};
constexpr TScore_Table<14> Movement_Table{{0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 11};
constexpr TScore_Table<11> Open_Table{{16, 33, 50, 66, 83, 91, 93, 95, 96, 97, 98}, 99};
constexpr TScore_Table<14> Carry_Table{
    {15, 60, 120, 180, 250, 400, 600, 800, 1200, 2000, 3000, 4500, 6000, 9000}, 15000};
constexpr TScore_Table<12> Offensive_Table{{-10, -5, 0, 5, 10, 15, 20, 25, 30, 30, 35, 35}, 40};
constexpr TScore_Table<12> Defensive_Table{{0, 0, 0, -1, -2, -3, -4, -5, -6, -6, -7, -7}, -8};
constexpr TScore_Table<8> Languages_Table{{1, 2, 4, 6, 8, 10, 12, 14}, 16};
constexpr TScore_Table<8> Attack_Adjustment_Table{{-10, -5, 0, 0, 0, 5, 10, 15}, 20};
constexpr TScore_Table<8> Vocations_Table{{1, 1, 2, 2, 2, 3, 4, 5}, 6};
constexpr TScore_Table<12> Henchmen_Table{{1, 2, 4, 6, 8, 10, 15, 20, 25, 30, 35, 40}, 45};

// The hit points a level adds for Constitution: Count dice of Sides sides plus Add, and no more
// than 1 where Capped.
struct TBonus_Dice {
    int Count;
    int Sides;
    int Add;
    bool Capped;
};
// clang-format off
constexpr TScore_Table<12, TBonus_Dice> Constitution_Bonus_Table{{{
    {0, 0, 1, false},  {1, 3, -1, true},  {1, 4, -1, true},  {1, 4, 0, false},
    {1, 4, 1, false},  {1, 6, -1, true},  {1, 12, 0, false}, {1, 12, 1, false},
    {1, 20, -1, true}, {1, 20, 0, false}, {1, 20, 1, false}, {2, 12, 0, false}}},
    {2, 12, 1, false}};
// clang-format on

// The commando's skill percentages by skill (rows 1..6) and level (columns 0..20).
constexpr TArray<TArray<int, 0, 20>, 1, 6> Commando_Level_Abilities{{{
    {{{21, 25, 29, 33, 37, 41, 45, 49, 53, 57, 61, 65, 69, 73, 77, 81, 85, 89, 93, 97, 99}}},
    {{{15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 75, 80, 85, 90, 95, 96, 97, 98, 99}}},
    {{{9, 15, 21, 27, 33, 39, 45, 51, 57, 63, 69, 75, 81, 87, 93, 94, 95, 96, 97, 98, 99}}},
    {{{3, 10, 17, 24, 31, 38, 45, 52, 59, 66, 73, 80, 87, 94, 95, 96, 97, 98, 99, 99, 99}}},
    {{{5, 10, 10, 15, 15, 20, 20, 25, 25, 30, 30, 35, 35, 40, 40, 45, 45, 50, 50, 55, 55}}},
    {{{79, 80, 81, 82, 83, 84, 85, 86, 87, 88, 89, 90, 91, 92, 93, 94, 95, 96, 97, 98, 99}}},
}}};

// What Dexterity 1..12 adds to the first four skills.
constexpr TArray<TArray<int, 1, 12>, 1, 4> Commando_Dexterity_Adjustments{{{
    {{{-10, -5, 0, 0, 5, 5, 10, 10, 15, 15, 20, 25}}},
    {{{-5, -5, 0, 0, 0, 5, 5, 5, 10, 15, 20, 25}}},
    {{{-20, -10, 0, 0, 5, 10, 15, 20, 25, 30, 35, 50}}},
    {{{-10, -5, 0, 0, 0, 5, 5, 10, 10, 15, 20, 25}}},
}}};

constexpr int Open_Locks_Row = 1;
constexpr int Find_Traps_Row = 2;
constexpr int Move_Silently_Row = 3;
constexpr int Hide_Row = 4;
constexpr int Hear_Noise_Row = 5;
constexpr int Climb_Walls_Row = 6;

// A rogue or commando skill: the rogue's points in it, its row of the commando tables, whether
// mercenaries are trained in it, whether the Dexterity and level bonus applies, and whether the
// total level counts as a floor.
struct TSkill {
    int TVexlor_Character::*Rogue_Points;
    int Row;
    bool Mercenary_Trained;
    bool Level_Bonus;
    bool Total_Level_Floor;
};

bool Has_Class(const TVexlor_Character& character, std::string_view name) {
    return character.Is_Class(name) > 0;
}

// The character's level in a class it has; a negative level counts as level 0.
int Class_Level(const TVexlor_Character& character, std::string_view name) {
    const int slot = character.Is_Class(name);
    return slot > 0 ? std::max(character.Get_Level(slot), 0) : 0;
}

// The sum of the levels above 0 in all slots.
int Total_Level(const TVexlor_Character& character) {
    int total = 0;
    for (int slot = TClass_Slots::Low_Index; slot <= TClass_Slots::High_Index; ++slot)
        if (character.Get_Level(slot) > 0)
            total = Checked_Add(total, character.Get_Level(slot));
    return total;
}

// A rogue's level in one of its vocations, for a character that is a rogue; 0 for others.
int Rogue_Level(const TVexlor_Character& character, int rogue_level) {
    return Has_Class(character, "Rogue") ? rogue_level : 0;
}

int Skill(const TVexlor_Character& character, const TSkill& skill) {
    int value = Rogue_Level(character, character.*skill.Rogue_Points);
    const bool commando = Has_Class(character, "Commando");
    const bool mercenary = skill.Mercenary_Trained && Has_Class(character, "Mercenary");
    if (commando || mercenary) {
        const int level = std::max(commando ? Class_Level(character, "Commando") : 0,
                                   mercenary ? Class_Level(character, "Mercenary") : 0);
        value = std::max(value, Commando_Level_Abilities[skill.Row][std::min(level, 20)]);
    }
    const int total_level = Total_Level(character);
    if (skill.Total_Level_Floor)
        value = std::max(value, total_level);
    if (skill.Level_Bonus) {
        value = Checked_Add(value, Commando_Level_Abilities[skill.Row][std::clamp(total_level, 1, 20)]);
        value = Checked_Add(
            value, Commando_Dexterity_Adjustments[skill.Row][std::clamp(character.Dexterity, 1, 12)]);
    }
    return value;
}

// The level at which the character interprets languages: as a linguist, or as a rogue.
int Interpretation_Level(const TVexlor_Character& character) {
    return std::max(Class_Level(character, "Linguist"),
                    Rogue_Level(character, character.Rogue_Language_Interpretation_Level));
}

bool Interprets(const TVexlor_Character& character) {
    return Has_Class(character, "Linguist") || Has_Class(character, "Rogue");
}

// The level at which the character fights unarmed: as a mercenary, or as a rogue.
int Fighting_Level(const TVexlor_Character& character) {
    return std::max(Class_Level(character, "Mercenary"),
                    Rogue_Level(character, character.Rogue_Mercenary_Level));
}

// The level at which the character makes antidotes: as a weapons specialist above level 9, as a
// rogue, or as a medic above level 8.
int Antidote_Level(const TVexlor_Character& character) {
    const int specialist = Class_Level(character, "Weapons Specialist");
    int level = specialist > 9 ? specialist : 0;
    level = std::max(level, Rogue_Level(character, character.Rogue_Weapons_Specialist_Level));
    const int medic = Class_Level(character, "Medic");
    if (Has_Class(character, "Medic") && medic > level && medic > 8)
        level = medic;
    return level;
}

} // namespace

int TVexlor_Character::Get_Physical() const {
    return Checked_Add(Checked_Add(Strength, Constitution), Dexterity);
}

int TVexlor_Character::Get_Intellect() const {
    return Checked_Add(Checked_Add(Cognitive, Perception), Wisdom);
}

int TVexlor_Character::Get_Influence() const {
    return Checked_Add(Checked_Add(Charisma, Comeliness), Will);
}

int TVexlor_Character::Get_System_Shock() const {
    return System_Shock_Table(Constitution);
}

int TVexlor_Character::Get_Poison() const {
    return Poison_Table(Constitution);
}

int TVexlor_Character::Get_Regeneration() const {
    return Regeneration_Table(Constitution);
}

int TVexlor_Character::Get_Hit() const {
    return Hit_Table(Strength);
}

int TVexlor_Character::Get_Damage() const {
    return Damage_Table(Strength);
}

int TVexlor_Character::Get_Movement() const {
    return Movement_Table(Strength);
}

int TVexlor_Character::Get_Open() const {
    return Open_Table(Strength);
}

int TVexlor_Character::Get_Carry() const {
    return Carry_Table(Strength);
}

int TVexlor_Character::Get_Offensive() const {
    return Offensive_Table(Dexterity);
}

int TVexlor_Character::Get_Defensive() const {
    return Defensive_Table(Dexterity);
}

int TVexlor_Character::Get_Languages() const {
    return Languages_Table(Cognitive);
}

int TVexlor_Character::Get_AC_Adjustment() const {
    return 0;
}

int TVexlor_Character::Get_AC() const {
    return 0;
}

int TVexlor_Character::Get_Henchmen() const {
    return Henchmen_Table(Charisma);
}

int TVexlor_Character::Get_Vocations() const {
    return Vocations_Table(Cognitive);
}

int TVexlor_Character::Get_Attack_Adjustment() const {
    return Attack_Adjustment_Table(Cognitive);
}

int TVexlor_Character::Get_Constitution_Bonus() const {
    const TBonus_Dice dice = Constitution_Bonus_Table(Constitution);
    const int roll = Checked_Add(Die(dice.Count, dice.Sides), dice.Add);
    return dice.Capped ? std::min(roll, 1) : roll;
}

std::string Constitution_Bonus_Text(int constitution) {
    const TBonus_Dice dice = Constitution_Bonus_Table(constitution);
    if (dice.Count == 0)
        return std::to_string(dice.Add);
    std::string text = std::to_string(dice.Count) + "D" + std::to_string(dice.Sides);
    if (dice.Add > 0)
        text += "+";
    if (dice.Add != 0)
        text += std::to_string(dice.Add);
    if (dice.Capped)
        text += ", max 1";
    return text;
}

int Child_Table() {
    constexpr std::array<int, 12> Highest_Roll{10, 20, 35, 50, 65, 80, 85, 90, 94, 97, 99, 100};
    const int roll = Random(100) + 1;
    return static_cast<int>(std::lower_bound(Highest_Roll.begin(), Highest_Roll.end(), roll) -
                            Highest_Roll.begin()) +
           1;
}

int TVexlor_Character::Get_Open_Locks() const {
    return Skill(*this, {&TVexlor_Character::Rogue_Open_Lock, Open_Locks_Row, false, true, true});
}

int TVexlor_Character::Get_Find_Traps() const {
    return Skill(*this, {&TVexlor_Character::Rogue_Find_Trap, Find_Traps_Row, true, true, true});
}

int TVexlor_Character::Get_Move_Silently() const {
    return Skill(*this, {&TVexlor_Character::Rogue_Move_Silently, Move_Silently_Row, true, true, false});
}

int TVexlor_Character::Get_Hide() const {
    return Skill(*this, {&TVexlor_Character::Rogue_Hide, Hide_Row, true, true, true});
}

int TVexlor_Character::Get_Hear_Noise() const {
    return Skill(*this, {&TVexlor_Character::Rogue_Hear_Noise, Hear_Noise_Row, false, false, true});
}

int TVexlor_Character::Get_Climb_Walls() const {
    return Skill(*this, {&TVexlor_Character::Rogue_Climb, Climb_Walls_Row, false, false, true});
}

int TVexlor_Character::Get_Reprogram() const {
    // The computer scientist's chance by level 1..13; level 14 and above, and 0 or below, give 99.
    constexpr TScore_Table<13> Scientist_Table{{15, 25, 35, 45, 55, 65, 75, 85, 90, 95, 96, 97, 98}, 99};
    int value = Rogue_Level(*this, Rogue_Computer_Programming_Level);
    if (Has_Class(*this, "Computer Scientist"))
        value = std::max(value, Scientist_Table(Class_Level(*this, "Computer Scientist")));
    return value;
}

int TVexlor_Character::Get_Interpretation() const {
    if (!Interprets(*this))
        return 0;
    const int level = Interpretation_Level(*this);
    int base;
    if (level <= 0)
        base = level;
    else if (level <= 3)
        base = 2 * level - 1;
    else if (level <= 19)
        base = 5 * level - 10;
    else
        base = 90;
    const int intellect = Get_Intellect();
    int adjustment;
    if (intellect <= 1)
        adjustment = -10;
    else if (intellect <= 3)
        adjustment = -5;
    else if (intellect <= 5)
        adjustment = -3;
    else if (intellect <= 7)
        adjustment = -2;
    else if (intellect <= 9)
        adjustment = -1;
    else if (intellect <= 15)
        adjustment = 0;
    else if (intellect <= 17)
        adjustment = 1;
    else if (intellect == 18)
        adjustment = 2;
    else if (intellect == 19)
        adjustment = 3;
    else if (intellect == 20)
        adjustment = 5;
    else
        adjustment = 10;
    return base + adjustment;
}

int TVexlor_Character::Get_Interpretation_Time() const {
    if (!Interprets(*this))
        return 0;
    // Hours by interpretation level 1..19; level 20 and above, and 0 or below, take one hour.
    constexpr TScore_Table<19> Hours_Table{{24, 24, 12, 12, 10, 10, 9, 9, 8, 8, 7, 7, 6, 6, 5, 5, 4, 3, 2},
                                           1};
    const int minutes = Hours_Table(Interpretation_Level(*this)) * 60;
    const int intellect = Get_Intellect();
    if (intellect < 6)
        return minutes * 2;
    if (intellect <= 12)
        return minutes;
    if (intellect <= 18)
        return minutes / 2;
    return minutes / 4;
}

int TVexlor_Character::Get_Attacks() const {
    const int level = Fighting_Level(*this);
    if (level < 6)
        return 1;
    if (level <= 10)
        return 2;
    if (level <= 15)
        return 3;
    return 4;
}

int TVexlor_Character::Get_Hand_Damage() const {
    // The damage range by fighting level 0..20; above 20 as at 20.
    constexpr std::array<TRange, 21> Hand_Damage{
        {{1, 1},  {1, 2},  {1, 3},  {1, 4},  {1, 6},  {1, 8},  {1, 10}, {1, 12}, {2, 12}, {3, 12}, {2, 16},
         {4, 16}, {3, 18}, {1, 20}, {2, 20}, {5, 20}, {2, 24}, {3, 24}, {6, 24}, {7, 28}, {5, 30}}};
    const TRange& range = Hand_Damage[static_cast<std::size_t>(std::min(Fighting_Level(*this), 20))];
    return Pack_Range(range.Low, range.High);
}

int TVexlor_Character::Get_Antidote() const {
    const int level = Antidote_Level(*this);
    if (level <= 0)
        return 0;
    return std::min(Checked_Add(Checked_Mul(3, Get_Intellect()), Checked_Mul(3, level)), 99);
}

int TVexlor_Character::Get_Antidote_Time() const {
    const int level = Antidote_Level(*this);
    if (level <= 0)
        return 0;
    const int minutes = level <= 16 ? (16 - level) * 60 : 60 - level;
    return std::max(minutes, 1);
}

int TVexlor_Character::Get_Make_Ingestive_Poison() const {
    if (Has_Class(*this, "Chemist"))
        return 100;
    if (Has_Class(*this, "Weapons Specialist"))
        return Get_Antidote();
    return 0;
}

int TVexlor_Character::Get_Make_Insinuative_Poison() const {
    if (Class_Level(*this, "Chemist") > 6)
        return 100;
    if (Has_Class(*this, "Weapons Specialist"))
        return Get_Make_Ingestive_Poison();
    return 0;
}

int TVexlor_Character::Get_Detect_Lie() const {
    if (Wisdom < 5)
        return 0;
    int levels = 0;
    int filled = 0;
    for (int slot = TClass_Slots::Low_Index; slot <= TClass_Slots::High_Index; ++slot) {
        if (__Class[slot] < 0)
            continue;
        levels = Checked_Add(levels, _Level[slot]);
        ++filled;
    }
    // A character without a class has no average level: it counts as 0.
    return Checked_Add(Get_Intellect(), filled > 0 ? levels / filled : 0);
}

} // namespace Vexlor
