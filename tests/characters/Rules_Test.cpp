// The derived statistics: every cell of the score tables, the commando tables and the skill rules.
#include "Test_Support.h"

#include "foundations/Dice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace Vexlor {
namespace {

using Testing::Give_Class;

// A character without classes and with every score 0.
struct TBlank : TVexlor_Character {
    TBlank() { Testing::Clear_Classes(*this); }
};

struct TScore_Case {
    const char* Operation;
    int TVexlor_Character::*Score;
    int (TVexlor_Character::*Get)() const;
    std::vector<int> By_Score; // scores 1, 2, ...
    int Rest;
};

class Score_Table : public ::testing::TestWithParam<TScore_Case> {};

TEST_P(Score_Table, Every_Score_Gives_Its_Column_And_All_Others_The_Rest) {
    const TScore_Case& table = GetParam();
    TBlank character;
    for (int score = -3; score <= 25; ++score) {
        character.*table.Score = score;
        const bool listed = score >= 1 && score <= static_cast<int>(table.By_Score.size());
        const int expected = listed ? table.By_Score[static_cast<std::size_t>(score - 1)] : table.Rest;
        EXPECT_EQ((character.*table.Get)(), expected) << table.Operation << " at score " << score;
    }
}

using C = TVexlor_Character;
INSTANTIATE_TEST_SUITE_P(
    Rules, Score_Table,
    ::testing::Values(
        TScore_Case{"System_Shock", &C::Constitution, &C::Get_System_Shock,
                    {30, 40, 50, 60, 70, 80, 85, 90, 91, 92, 93, 94}, 95},
        TScore_Case{"Poison", &C::Constitution, &C::Get_Poison, {0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4}, 5},
        TScore_Case{"Regeneration", &C::Constitution, &C::Get_Regeneration,
                    {0, 0, 0, 0, 0, 0, 0, 0, 60, 40, 30, 20}, 10},
        TScore_Case{"Hit", &C::Strength, &C::Get_Hit, {-1, 0, 0, 1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20}, 25},
        TScore_Case{"Damage", &C::Strength, &C::Get_Damage, {-1, -1, 0, 0, 1, 2, 2, 3, 4, 5, 6, 7, 8, 9}, 10},
        TScore_Case{"Movement", &C::Strength, &C::Get_Movement, {0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 11},
        TScore_Case{"Open", &C::Strength, &C::Get_Open, {16, 33, 50, 66, 83, 91, 93, 95, 96, 97, 98}, 99},
        TScore_Case{"Carry", &C::Strength, &C::Get_Carry,
                    {15, 60, 120, 180, 250, 400, 600, 800, 1200, 2000, 3000, 4500, 6000, 9000}, 15000},
        TScore_Case{"Offensive", &C::Dexterity, &C::Get_Offensive,
                    {-10, -5, 0, 5, 10, 15, 20, 25, 30, 30, 35, 35}, 40},
        TScore_Case{"Defensive", &C::Dexterity, &C::Get_Defensive, {0, 0, 0, -1, -2, -3, -4, -5, -6, -6, -7, -7}, -8},
        TScore_Case{"Languages", &C::Cognitive, &C::Get_Languages, {1, 2, 4, 6, 8, 10, 12, 14}, 16},
        TScore_Case{"Attack_Adjustment", &C::Cognitive, &C::Get_Attack_Adjustment, {-10, -5, 0, 0, 0, 5, 10, 15}, 20},
        TScore_Case{"Vocations", &C::Cognitive, &C::Get_Vocations, {1, 1, 2, 2, 2, 3, 4, 5}, 6},
        TScore_Case{"Henchmen", &C::Charisma, &C::Get_Henchmen, {1, 2, 4, 6, 8, 10, 15, 20, 25, 30, 35, 40}, 45},
        TScore_Case{"AC", &C::Dexterity, &C::Get_AC, {}, 0},
        TScore_Case{"AC_Adjustment", &C::Dexterity, &C::Get_AC_Adjustment, {}, 0}),
    [](const auto& info) { return std::string(info.param.Operation); });

TEST(Ability_Groups, Each_Group_Sums_Its_Three_Scores) {
    TBlank character;
    character.Strength = 1, character.Constitution = 2, character.Dexterity = 4;
    character.Cognitive = 8, character.Perception = 16, character.Wisdom = 32;
    character.Charisma = 64, character.Comeliness = 128, character.Will = 256;
    EXPECT_EQ(character.Get_Physical(), 7);
    EXPECT_EQ(character.Get_Intellect(), 56);
    EXPECT_EQ(character.Get_Influence(), 448);
    character.Will = INT_MAX;
    EXPECT_THROW(character.Get_Influence(), std::overflow_error);
}

struct TBonus_Case {
    int Constitution;
    std::vector<int> Draws;
    int Expected;
    std::vector<int> Asked; // the n of every Random(n)
};

class Constitution_Bonus : public ::testing::TestWithParam<TBonus_Case> {};

TEST_P(Constitution_Bonus, Rolls_The_Dice_Of_The_Constitution) {
    TBlank character;
    character.Constitution = GetParam().Constitution;
    TScripted_Random dice(GetParam().Draws);
    TRandom_Override override(dice);
    EXPECT_EQ(character.Get_Constitution_Bonus(), GetParam().Expected);
    EXPECT_EQ(dice.Requests(), GetParam().Asked);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Constitution_Bonus,
    ::testing::Values(TBonus_Case{1, {}, 1, {}}, TBonus_Case{2, {0}, 0, {3}}, TBonus_Case{2, {2}, 1, {3}},
                      TBonus_Case{3, {3}, 1, {4}}, TBonus_Case{4, {0}, 1, {4}}, TBonus_Case{4, {3}, 4, {4}},
                      TBonus_Case{5, {0}, 2, {4}}, TBonus_Case{5, {3}, 5, {4}}, TBonus_Case{6, {5}, 1, {6}},
                      TBonus_Case{6, {0}, 0, {6}}, TBonus_Case{7, {11}, 12, {12}}, TBonus_Case{8, {0}, 2, {12}},
                      TBonus_Case{8, {11}, 13, {12}}, TBonus_Case{9, {0}, 0, {20}}, TBonus_Case{9, {19}, 1, {20}},
                      TBonus_Case{10, {19}, 20, {20}}, TBonus_Case{11, {0}, 2, {20}}, TBonus_Case{11, {19}, 21, {20}},
                      TBonus_Case{12, {0, 0}, 2, {12, 12}}, TBonus_Case{12, {11, 11}, 24, {12, 12}},
                      TBonus_Case{13, {0, 0}, 3, {12, 12}}, TBonus_Case{13, {11, 11}, 25, {12, 12}},
                      TBonus_Case{0, {11, 11}, 25, {12, 12}}, TBonus_Case{-4, {0, 0}, 3, {12, 12}},
                      TBonus_Case{40, {11, 0}, 14, {12, 12}}));

TEST(Child_Table, Every_Band_Of_The_Birth_Roll) {
    const std::vector<std::pair<int, int>> bands{{1, 1},   {10, 1},  {11, 2},  {20, 2},  {21, 3},  {35, 3},
                                                 {36, 4},  {50, 4},  {51, 5},  {65, 5},  {66, 6},  {80, 6},
                                                 {81, 7},  {85, 7},  {86, 8},  {90, 8},  {91, 9},  {94, 9},
                                                 {95, 10}, {97, 10}, {98, 11}, {99, 11}, {100, 12}};
    for (const auto& [roll, place] : bands) {
        TScripted_Random dice({roll - 1});
        TRandom_Override override(dice);
        EXPECT_EQ(Child_Table(), place) << "roll " << roll;
    }
}

// The commando tables as the rules print them.
constexpr int Level_Abilities[7][21] = {
    {},
    {21, 25, 29, 33, 37, 41, 45, 49, 53, 57, 61, 65, 69, 73, 77, 81, 85, 89, 93, 97, 99},
    {15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 75, 80, 85, 90, 95, 96, 97, 98, 99},
    {9, 15, 21, 27, 33, 39, 45, 51, 57, 63, 69, 75, 81, 87, 93, 94, 95, 96, 97, 98, 99},
    {3, 10, 17, 24, 31, 38, 45, 52, 59, 66, 73, 80, 87, 94, 95, 96, 97, 98, 99, 99, 99},
    {5, 10, 10, 15, 15, 20, 20, 25, 25, 30, 30, 35, 35, 40, 40, 45, 45, 50, 50, 55, 55},
    {79, 80, 81, 82, 83, 84, 85, 86, 87, 88, 89, 90, 91, 92, 93, 94, 95, 96, 97, 98, 99},
};
constexpr int Dexterity_Adjustments[5][13] = {
    {},
    {0, -10, -5, 0, 0, 5, 5, 10, 10, 15, 15, 20, 25},
    {0, -5, -5, 0, 0, 0, 5, 5, 5, 10, 15, 20, 25},
    {0, -20, -10, 0, 0, 5, 10, 15, 20, 25, 30, 35, 50},
    {0, -10, -5, 0, 0, 0, 5, 5, 10, 10, 15, 20, 25},
};

using TSkill_Get = int (TVexlor_Character::*)() const;
constexpr std::array<TSkill_Get, 7> Skills{nullptr,
                                           &TVexlor_Character::Get_Open_Locks,
                                           &TVexlor_Character::Get_Find_Traps,
                                           &TVexlor_Character::Get_Move_Silently,
                                           &TVexlor_Character::Get_Hide,
                                           &TVexlor_Character::Get_Hear_Noise,
                                           &TVexlor_Character::Get_Climb_Walls};

int Clamped(int value, int low, int high) { return std::min(std::max(value, low), high); }

// An untrained class isolates the level and Dexterity bonus: every cell of rows 1 to 4 of both tables.
TEST(Commando_Tables, Untrained_Characters_Get_The_Total_Level_And_The_Bonus_Columns) {
    for (int level = 1; level <= 25; ++level)
        for (int dexterity = -1; dexterity <= 14; ++dexterity) {
            TBlank character;
            Give_Class(character, 1, Class_Chemist, level);
            character.Dexterity = dexterity;
            for (int row = 1; row <= 6; ++row) {
                int expected = row == 3 ? 0 : level;
                if (row <= 4)
                    expected += Level_Abilities[row][Clamped(level, 1, 20)] +
                                Dexterity_Adjustments[row][Clamped(dexterity, 1, 12)];
                EXPECT_EQ((character.*Skills[row])(), expected)
                    << "row " << row << " level " << level << " dexterity " << dexterity;
            }
        }
}

// A commando reads its own level's column of every row; mercenaries are trained in rows 2 to 4.
TEST(Commando_Tables, Trained_Characters_Get_Their_Level_Column) {
    for (const int class_index : {Class_Commando, Class_Mercenary})
        for (int level = 0; level <= 25; ++level) {
            TBlank character;
            Give_Class(character, 2, class_index, level);
            character.Dexterity = 12;
            for (int row = 1; row <= 6; ++row) {
                const bool trained = class_index == Class_Commando || (row >= 2 && row <= 4);
                int expected = trained ? Level_Abilities[row][std::min(level, 20)] : 0;
                if (row != 3)
                    expected = std::max(expected, level);
                if (row <= 4)
                    expected += Level_Abilities[row][Clamped(level, 1, 20)] + Dexterity_Adjustments[row][12];
                EXPECT_EQ((character.*Skills[row])(), expected)
                    << Class_Name[class_index] << " row " << row << " level " << level;
            }
        }
}

TEST(Commando_Tables, The_Examples_Of_The_Rules) {
    TBlank chemist;
    Give_Class(chemist, 1, Class_Chemist, 3);
    chemist.Dexterity = 10;
    EXPECT_EQ(chemist.Get_Open_Locks(), 51);

    TBlank commando;
    Give_Class(commando, 1, Class_Commando, 5);
    commando.Dexterity = 12;
    EXPECT_EQ(commando.Get_Open_Locks(), 107);

    TBlank rogue;
    Give_Class(rogue, 1, Class_Rogue, 2);
    rogue.Rogue_Move_Silently = 30;
    rogue.Dexterity = 1;
    EXPECT_EQ(rogue.Get_Move_Silently(), 31);
}

TEST(Commando_Tables, Rogue_Points_Count_Only_For_A_Rogue_And_Beat_The_Table) {
    TBlank character;
    Give_Class(character, 1, Class_Commando, 2);
    character.Dexterity = 3;
    character.Rogue_Open_Lock = 90;
    character.Rogue_Hear_Noise = 70;
    character.Rogue_Climb = 50;
    EXPECT_EQ(character.Get_Open_Locks(), 29 + 29);
    Give_Class(character, 2, Class_Rogue, 1);
    EXPECT_EQ(character.Get_Open_Locks(), 90 + 33);
    EXPECT_EQ(character.Get_Hear_Noise(), 70);
    EXPECT_EQ(character.Get_Climb_Walls(), 81);
}

TEST(Commando_Tables, Commando_And_Mercenary_Take_The_Higher_Level_And_Negative_Levels_Count_As_0) {
    TBlank character;
    Give_Class(character, 1, Class_Commando, 3);
    Give_Class(character, 2, Class_Mercenary, 7);
    character.Dexterity = 3;
    EXPECT_EQ(character.Get_Find_Traps(), 50 + 65);
    EXPECT_EQ(character.Get_Open_Locks(), 33 + 61);

    TBlank negative;
    Give_Class(negative, 1, Class_Commando, -4);
    negative.Dexterity = 3;
    EXPECT_EQ(negative.Get_Open_Locks(), 21 + 25);
    EXPECT_EQ(negative.Get_Hear_Noise(), 5);
}

TEST(Skills, Reprogramming_By_Computer_Scientist_Level_And_Rogue_Programming) {
    const std::vector<std::pair<int, int>> by_level{{1, 15},  {2, 25},  {3, 35},  {4, 45},  {5, 55},  {6, 65},
                                                    {7, 75},  {8, 85},  {9, 90},  {10, 95}, {11, 96}, {12, 97},
                                                    {13, 98}, {14, 99}, {30, 99}, {0, 99},  {-2, 99}};
    for (const auto& [level, chance] : by_level) {
        TBlank character;
        Give_Class(character, 1, Class_Computer_Scientist, level);
        EXPECT_EQ(character.Get_Reprogram(), chance) << "level " << level;
    }
    TBlank rogue;
    rogue.Rogue_Computer_Programming_Level = 97;
    EXPECT_EQ(rogue.Get_Reprogram(), 0);
    Give_Class(rogue, 1, Class_Rogue, 1);
    EXPECT_EQ(rogue.Get_Reprogram(), 97);
    Give_Class(rogue, 2, Class_Computer_Scientist, 1);
    EXPECT_EQ(rogue.Get_Reprogram(), 97);
}

// A linguist of the given level whose Intellect is the given total.
std::unique_ptr<TVexlor_Character> Linguist(int level, int intellect) {
    auto character = std::make_unique<TBlank>();
    Give_Class(*character, 1, Class_Linguist, level);
    character->Cognitive = intellect;
    return character;
}

TEST(Skills, Interpretation_Chance_By_Level_And_Intellect) {
    const std::vector<int> base{0, 1, 3, 5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 75, 80, 85, 90, 90};
    for (int level = 0; level <= 21; ++level)
        EXPECT_EQ(Linguist(level, 10)->Get_Interpretation(), base[static_cast<std::size_t>(level)]) << level;
    const std::vector<std::pair<int, int>> adjustment{
        {-5, -10}, {0, -10}, {1, -10}, {2, -5}, {3, -5}, {4, -3}, {5, -3}, {6, -2}, {7, -2}, {8, -1}, {9, -1},
        {10, 0},   {15, 0},  {16, 1},  {17, 1}, {18, 2}, {19, 3}, {20, 5}, {21, 10}, {40, 10}};
    for (const auto& [intellect, change] : adjustment)
        EXPECT_EQ(Linguist(5, intellect)->Get_Interpretation(), 15 + change) << intellect;
}

TEST(Skills, Interpretation_Time_By_Level_And_Intellect) {
    const std::vector<int> hours{1, 24, 24, 12, 12, 10, 10, 9, 9, 8, 8, 7, 7, 6, 6, 5, 5, 4, 3, 2, 1, 1};
    for (int level = 0; level <= 21; ++level)
        EXPECT_EQ(Linguist(level, 10)->Get_Interpretation_Time(), hours[static_cast<std::size_t>(level)] * 60)
            << level;
    const std::vector<std::pair<int, int>> minutes{{0, 1200}, {5, 1200},  {6, 600},  {12, 600},
                                                   {13, 300}, {18, 300}, {19, 150}, {30, 150}};
    for (const auto& [intellect, time] : minutes)
        EXPECT_EQ(Linguist(5, intellect)->Get_Interpretation_Time(), time) << intellect;
}

TEST(Skills, Interpretation_As_A_Rogue_And_For_Neither_Class) {
    TBlank character;
    character.Cognitive = 10;
    character.Rogue_Language_Interpretation_Level = 7;
    EXPECT_EQ(character.Get_Interpretation(), 0);
    EXPECT_EQ(character.Get_Interpretation_Time(), 0);
    Give_Class(character, 1, Class_Rogue, 1);
    EXPECT_EQ(character.Get_Interpretation(), 25);
    EXPECT_EQ(character.Get_Interpretation_Time(), 540);
    Give_Class(character, 2, Class_Linguist, 9);
    EXPECT_EQ(character.Get_Interpretation(), 35);
}

TEST(Skills, Unarmed_Combat_By_Fighting_Level) {
    const std::vector<std::pair<int, int>> damage{{1, 1},  {1, 2},  {1, 3},  {1, 4},  {1, 6},  {1, 8},  {1, 10},
                                                  {1, 12}, {2, 12}, {3, 12}, {2, 16}, {4, 16}, {3, 18}, {1, 20},
                                                  {2, 20}, {5, 20}, {2, 24}, {3, 24}, {6, 24}, {7, 28}, {5, 30}};
    const std::vector<int> attacks{1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4};
    for (int level = 0; level <= 25; ++level) {
        TBlank character;
        Give_Class(character, 3, Class_Mercenary, level);
        const auto index = static_cast<std::size_t>(std::min(level, 20));
        EXPECT_EQ(character.Get_Hand_Damage(), Pack_Range(damage[index].first, damage[index].second)) << level;
        EXPECT_EQ(character.Get_Attacks(), attacks[index]) << level;
    }
    TBlank rogue;
    rogue.Rogue_Mercenary_Level = 16;
    EXPECT_EQ(rogue.Get_Attacks(), 1);
    EXPECT_EQ(rogue.Get_Hand_Damage(), Pack_Range(1, 1));
    Give_Class(rogue, 1, Class_Rogue, 1);
    EXPECT_EQ(rogue.Get_Attacks(), 4);
    EXPECT_EQ(rogue.Get_Hand_Damage(), Pack_Range(2, 24));
}

TEST(Skills, Antidotes_By_Weapons_Specialist_Rogue_And_Medic_Level) {
    TBlank character;
    character.Cognitive = 10;
    Give_Class(character, 1, Class_Weapons_Specialize, 9);
    EXPECT_EQ(character.Get_Antidote(), 0);
    EXPECT_EQ(character.Get_Antidote_Time(), 0);
    const std::vector<std::pair<int, int>> times{{10, 360}, {15, 60}, {16, 1}, {17, 43}, {59, 1}, {70, 1}};
    for (const auto& [level, time] : times) {
        Give_Class(character, 1, Class_Weapons_Specialize, level);
        EXPECT_EQ(character.Get_Antidote_Time(), time) << level;
    }
    Give_Class(character, 1, Class_Weapons_Specialize, 10);
    EXPECT_EQ(character.Get_Antidote(), 60);
    character.Cognitive = 30;
    EXPECT_EQ(character.Get_Antidote(), 99);

    TBlank medic;
    medic.Cognitive = 10;
    Give_Class(medic, 1, Class_Medic, 8);
    EXPECT_EQ(medic.Get_Antidote(), 0);
    Give_Class(medic, 1, Class_Medic, 9);
    EXPECT_EQ(medic.Get_Antidote(), 57);
    EXPECT_EQ(medic.Get_Antidote_Time(), 420);
    medic.Rogue_Weapons_Specialist_Level = 12;
    Give_Class(medic, 2, Class_Rogue, 1);
    EXPECT_EQ(medic.Get_Antidote(), 66);
}

TEST(Skills, Poison_Making_By_Chemist_And_Weapons_Specialist) {
    TBlank character;
    character.Cognitive = 10;
    EXPECT_EQ(character.Get_Make_Ingestive_Poison(), 0);
    EXPECT_EQ(character.Get_Make_Insinuative_Poison(), 0);
    Give_Class(character, 1, Class_Weapons_Specialize, 10);
    EXPECT_EQ(character.Get_Make_Ingestive_Poison(), 60);
    EXPECT_EQ(character.Get_Make_Insinuative_Poison(), 60);
    Give_Class(character, 2, Class_Chemist, 6);
    EXPECT_EQ(character.Get_Make_Ingestive_Poison(), 100);
    EXPECT_EQ(character.Get_Make_Insinuative_Poison(), 100);
    character.Set_Class(1, -1);
    EXPECT_EQ(character.Get_Make_Ingestive_Poison(), 100);
    EXPECT_EQ(character.Get_Make_Insinuative_Poison(), 0);
    Give_Class(character, 2, Class_Chemist, 7);
    EXPECT_EQ(character.Get_Make_Insinuative_Poison(), 100);
}

TEST(Skills, Detecting_Lies_Adds_The_Average_Level_Of_The_Filled_Slots) {
    TBlank character;
    character.Cognitive = 10;
    character.Wisdom = 4;
    Give_Class(character, 1, Class_Historian, 3);
    EXPECT_EQ(character.Get_Detect_Lie(), 0);
    character.Wisdom = 5;
    EXPECT_EQ(character.Get_Detect_Lie(), 18);
    Give_Class(character, 4, Class_Linguist, 4);
    Give_Class(character, 2, Class_Linguist, 9);
    character.Set_Class(2, -1);
    EXPECT_EQ(character.Get_Detect_Lie(), 18);
    Testing::Clear_Classes(character);
    EXPECT_EQ(character.Get_Detect_Lie(), 15);
}

} // namespace
} // namespace Vexlor
