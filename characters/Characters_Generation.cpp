// Random creation of a character: scores, classes, hit points, body, family, age and money.
#include "Characters.h"

#include "foundations/Dice.h"
#include "foundations/Random.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <utility>

namespace Vexlor {
namespace {

using TScores = std::array<int, 9>;

// The nine scores in rolling order: the physical, the intellectual and the influence group.
constexpr std::array<int TVexlor_Character::*, 9> Score_Fields{
    &TVexlor_Character::Strength,  &TVexlor_Character::Constitution, &TVexlor_Character::Dexterity,
    &TVexlor_Character::Cognitive, &TVexlor_Character::Perception,   &TVexlor_Character::Wisdom,
    &TVexlor_Character::Charisma,  &TVexlor_Character::Comeliness,   &TVexlor_Character::Will};

int Roll_Die() {
    return Die(1, 6);
}

template <std::size_t N> std::array<int, N> Roll_Dice() {
    std::array<int, N> dice;
    for (int& die : dice)
        die = Roll_Die();
    return dice;
}

// Method 0: one die per score.
TScores Roll_Single() {
    return Roll_Dice<9>();
}

// Method 1: per group three dice and a spare; a score below the spare swaps with it.
TScores Roll_With_Spare_Die() {
    TScores scores;
    for (std::size_t group = 0; group < 3; ++group) {
        const auto dice = Roll_Dice<3>();
        int spare = Roll_Die();
        for (std::size_t i = 0; i < 3; ++i) {
            int score = dice[i];
            if (score < spare)
                std::swap(score, spare);
            scores[group * 3 + i] = score;
        }
    }
    return scores;
}

// Method 2: four sets of three dice; a group whose total is below the spare set's swaps with it.
TScores Roll_With_Spare_Set() {
    std::array<std::array<int, 3>, 4> sets;
    for (auto& set : sets)
        set = Roll_Dice<3>();
    const auto total = [](const std::array<int, 3>& set) { return set[0] + set[1] + set[2]; };
    TScores scores;
    for (std::size_t group = 0; group < 3; ++group) {
        if (total(sets[group]) < total(sets[3]))
            std::swap(sets[group], sets[3]);
        std::copy(sets[group].begin(), sets[group].end(),
                  scores.begin() + static_cast<std::ptrdiff_t>(group * 3));
    }
    return scores;
}

// Method 3: twelve dice; the three lowest are pushed to the end and dropped.
TScores Roll_Twelve_Drop_Three() {
    auto dice = Roll_Dice<12>();
    for (std::size_t i = 0; i < 9; ++i)
        for (std::size_t j = 9; j < 12; ++j)
            if (dice[j] > dice[i])
                std::swap(dice[i], dice[j]);
    TScores scores;
    std::copy(dice.begin(), dice.begin() + 9, scores.begin());
    return scores;
}

// Method 4: per group six dice; the three highest go to the group's scores.
TScores Roll_Six_Keep_Three() {
    TScores scores;
    for (std::size_t group = 0; group < 3; ++group) {
        auto dice = Roll_Dice<6>();
        for (std::size_t i = 0; i < 3; ++i)
            for (std::size_t j = 3; j < 6; ++j)
                if (dice[i] < dice[j])
                    std::swap(dice[i], dice[j]);
        std::copy(dice.begin(), dice.begin() + 3, scores.begin() + static_cast<std::ptrdiff_t>(group * 3));
    }
    return scores;
}

// The result of a class roll that gives two classes instead of one.
constexpr int Two_Classes = -2;

// The class a roll of 1..100 gives; Rogue is never rolled.
int Class_By_Roll(int roll) {
    constexpr std::array<std::pair<int, int>, 19> Highest_Roll{{
        {3, Class_Architect},
        {6, Class_Biologist},
        {9, Class_Chemist},
        {13, Class_Commando},
        {16, Class_Communications_Specialist},
        {24, Class_Computer_Scientist},
        {29, Class_Electrical_Engineer},
        {33, Class_General_Engineer},
        {36, Class_Mechanical_Engineer},
        {38, Class_Planet_Engineer},
        {42, Class_Production_Engineer},
        {55, Class_Historian},
        {61, Class_Linguist},
        {65, Class_Mathematician},
        {67, Class_Medic},
        {74, Class_Mercenary},
        {83, Class_Physicist},
        {94, Class_Weapons_Specialize},
        {100, Two_Classes},
    }};
    for (const auto& [highest, result] : Highest_Roll)
        if (roll <= highest)
            return result;
    return Two_Classes;
}

// The least Intellect that some class of the roll table accepts.
constexpr int Least_Rolled_Intellect() {
    int least = Class_Intellect[0];
    for (int index = 0; index <= Max_Class_Offset; ++index)
        if (index != Class_Rogue)
            least = std::min(least, Class_Intellect[index]);
    return least;
}

} // namespace

void TVexlor_Character::Roll_Scores(int method) {
    TScores scores;
    switch (method) {
    case 0:
        scores = Roll_Single();
        break;
    case 1:
        scores = Roll_With_Spare_Die();
        break;
    case 2:
        scores = Roll_With_Spare_Set();
        break;
    case 3:
        scores = Roll_Twelve_Drop_Three();
        break;
    case 4:
        scores = Roll_Six_Keep_Three();
        break;
    default:
        throw std::out_of_range("Range check error: rolling method " + std::to_string(method));
    }
    for (std::size_t i = 0; i < scores.size(); ++i)
        this->*Score_Fields[i] = scores[i];
    if (Get_Gender() == Gender_Male) {
        ++Strength;
        ++Constitution;
    } else {
        ++Dexterity;
        ++Cognitive;
    }
}

void TVexlor_Character::Generate_Class(int& c1, int& c2, int& c3, int& c4) const {
    c1 = c2 = c3 = c4 = -1;
    // Too little Intellect for every class the table gives: no class, rather than rolling forever.
    if (Get_Intellect() < Least_Rolled_Intellect())
        return;
    if (!Roll_Class_Slots(c1, c2, 0))
        c1 = c2 = -1;
}

// Rolls until c1 holds a class the character's Intellect allows. A roll of two classes takes the
// first class of two further rolls; when either of those is itself two classes, the operation
// starts again. Each two-class roll nested in another stands for one more class; a nesting that
// would need more than the four class slots the rolls can fill stops the rolling with no class
// (false), as a character whose Intellect allows none gets none, and the caller rolls again. So
// the rolling ends even when every roll is a two-class roll.
bool TVexlor_Character::Roll_Class_Slots(int& c1, int& c2, int nesting) const {
    constexpr int Class_Slots_Rolled = 4;
    for (;;) {
        c1 = c2 = -1;
        const int rolled = Class_By_Roll(Random(100) + 1);
        if (rolled != Two_Classes) {
            if (Get_Intellect() >= Class_Intellect[rolled]) {
                c1 = rolled;
                return true;
            }
            continue;
        }
        // This roll and the nesting above it stand for nesting + 2 classes.
        if (nesting + 2 > Class_Slots_Rolled)
            return false;
        int first_extra = -1;
        int second_extra = -1;
        if (!Roll_Class_Slots(c1, first_extra, nesting + 1))
            return false;
        if (first_extra != -1)
            continue;
        if (!Roll_Class_Slots(c2, second_extra, nesting + 1))
            return false;
        if (second_extra == -1 && Get_Intellect() >= Class_Intellect[c1])
            return true;
    }
}

void TVexlor_Character::Choose_Class(int slot, int class_index) {
    Set_Class(slot, class_index);
    Set_Level(slot, 1);
    if (class_index == Class_Biologist)
        Specialty = 0;
}

int TVexlor_Character::Vocations_Left() const {
    int left = Get_Vocations();
    for (const int held : __Class)
        if (held >= 0)
            left = Checked_Sub(left, Class_Count[held]);
    return left;
}

bool TVexlor_Character::Can_Add_Class(int class_index) const {
    for (const int held : __Class)
        if (held == class_index)
            return false;
    return Get_Intellect() >= Class_Intellect[class_index] && Class_Count[class_index] <= Vocations_Left();
}

void TVexlor_Character::Add_Vocation(int class_index) {
    if (!Can_Add_Class(class_index))
        return;
    for (int slot = TClass_Slots::Low_Index; slot <= TClass_Slots::High_Index; ++slot)
        if (__Class[slot] == -1) {
            __Class[slot] = class_index;
            return;
        }
}

void TVexlor_Character::Calculate_HP() {
    const int level = Get_Level(1);
    int hit_points = Checked_Add(5, Die(Checked_Sub(level, 1), 6));
    hit_points = std::max(hit_points, 6);
    hit_points = Checked_Add(hit_points, Checked_Mul(Get_Constitution_Bonus(), level));
    Hit_Points = hit_points;
}

void TVexlor_Character::Adjust_Special_Abilities() {
    const int slot = Is_Class("Mercenary");
    if (slot > 0 && Get_Level(slot) >= 1 && Get_Level(slot) <= 20)
        AC = Get_Level(slot);
}

void TVexlor_Character::Check_Classes() {
    Adjust_Special_Abilities();
}

TBuild Middle_Build(TGender gender) {
    return gender == Gender_Male ? TBuild{175, 72} : TBuild{130, 66};
}

void TVexlor_Character::Roll_Personality() {
    for (int& score : Personality)
        score = Random(10) + 1;
}

void TVexlor_Character::Roll_VDNA() {
    for (int& value : VDNA) {
        const auto high = static_cast<std::uint32_t>(Random(65535));
        const auto low = static_cast<std::uint32_t>(Random(65535));
        value = static_cast<std::int32_t>(high << 16 | low);
    }
    // The lowest three bits of the first value repeat its bits 3..5.
    const auto first = static_cast<std::uint32_t>(VDNA[0]);
    VDNA[0] = static_cast<std::int32_t>((first & ~7u) | ((first >> 3) & 7u));
}

void TVexlor_Character::Roll_Build() {
    const int build = Random(100) + 1;
    const TBuild middle = Middle_Build(Get_Gender());
    if (build <= 40) {
        Weight = middle.Weight - 1 - Random(8);
        Height = middle.Height - 2 - Random(4) - Random(4);
    } else if (build <= 60) {
        Weight = middle.Weight;
        Height = middle.Height;
    } else {
        Weight = middle.Weight + 1 + Random(8);
        Height = middle.Height + 2 + Random(4) + Random(4);
    }
}

void TVexlor_Character::Roll_Family() {
    const int first_child = Child_Table();
    const int second_child = Child_Table();
    Child = std::min(first_child, second_child);
    Siblings = std::max(first_child, second_child);
    Parents = Random(100) < 75 ? Married : Unmarried;
}

void TVexlor_Character::Roll_Age() {
    int age = 16 + Random(4);
    for (const int class_index : __Class)
        age = Checked_Add(age, Class_Age[class_index]);
    Age = age;
}

void TVexlor_Character::Roll_Credits() {
    Credits = Checked_Mul(Die(4, 6), 10);
}

void TVexlor_Character::Generate(int method) {
    Choose_Name();
    AC = 1;
    Roll_Scores(method);
    Roll_Personality();
    Roll_VDNA();
    Roll_Build();
    Roll_Family();

    Set_Level(1, 1);
    Calculate_HP();
    __Class[1] = -1;
    while (__Class[1] == -1) {
        // Every slot is emptied first, so that no level change below finds a stale class.
        __Class.Fill(-1);
        for (int slot = TClass_Slots::Low_Index; slot <= TClass_Slots::High_Index; ++slot)
            Set_Level(slot, 0);
        int classes[4];
        Generate_Class(classes[0], classes[1], classes[2], classes[3]);
        for (int k = 0; k < 4; ++k)
            if (classes[k] >= 0)
                Choose_Class(k + 1, classes[k]);
    }
    Check_Classes();
    Proficient_Weapons.clear();
    Roll_Age();
    Roll_Credits();
}

} // namespace Vexlor
