// The derived statistics: every cell of the score tables, the commando tables through the skills
// that read them, and the skill rules.
#include "Test_Support.h"

#include "foundations/Dice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace Vexlor {
namespace {

using Testing::Give_Class;
using C = TVexlor_Character;

struct TBlank : TVexlor_Character {
    TBlank() { Testing::Clear_Classes(*this); }
};

struct TScore_Case {
    const char* Operation;
    int C::*Score;
    int (C::*Get)() const;
    std::vector<int> By_Score; // scores 1, 2, ...; every other score gets Rest
    int Rest;
};

class Score_Table : public ::testing::TestWithParam<TScore_Case> {};

TEST_P(Score_Table, Every_Score_Gives_Its_Column) {
    const TScore_Case& table = GetParam();
    TBlank character;
    for (int score = -3; score <= 25; ++score) {
        character.*table.Score = score;
        const bool listed = score >= 1 && score <= static_cast<int>(table.By_Score.size());
        EXPECT_EQ((character.*table.Get)(), listed ? table.By_Score[score - 1u] : table.Rest) << score;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rules, Score_Table, ::testing::Values(
    TScore_Case{"Shock", &C::Constitution, &C::Get_System_Shock, {30, 40, 50, 60, 70, 80, 85, 90, 91, 92, 93, 94}, 95},
    TScore_Case{"Poison", &C::Constitution, &C::Get_Poison, {0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4}, 5},
    TScore_Case{"Regeneration", &C::Constitution, &C::Get_Regeneration, {0, 0, 0, 0, 0, 0, 0, 0, 60, 40, 30, 20}, 10},
    TScore_Case{"Hit", &C::Strength, &C::Get_Hit, {-1, 0, 0, 1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20}, 25},
    TScore_Case{"Damage", &C::Strength, &C::Get_Damage, {-1, -1, 0, 0, 1, 2, 2, 3, 4, 5, 6, 7, 8, 9}, 10},
    TScore_Case{"Movement", &C::Strength, &C::Get_Movement, {0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 11},
    TScore_Case{"Open", &C::Strength, &C::Get_Open, {16, 33, 50, 66, 83, 91, 93, 95, 96, 97, 98}, 99},
    TScore_Case{"Carry", &C::Strength, &C::Get_Carry,
                {15, 60, 120, 180, 250, 400, 600, 800, 1200, 2000, 3000, 4500, 6000, 9000}, 15000},
    TScore_Case{"Offensive", &C::Dexterity, &C::Get_Offensive, {-10, -5, 0, 5, 10, 15, 20, 25, 30, 30, 35, 35}, 40},
    TScore_Case{"Defensive", &C::Dexterity, &C::Get_Defensive, {0, 0, 0, -1, -2, -3, -4, -5, -6, -6, -7, -7}, -8},
    TScore_Case{"Languages", &C::Cognitive, &C::Get_Languages, {1, 2, 4, 6, 8, 10, 12, 14}, 16},
    TScore_Case{"Attack", &C::Cognitive, &C::Get_Attack_Adjustment, {-10, -5, 0, 0, 0, 5, 10, 15}, 20},
    TScore_Case{"Vocations", &C::Cognitive, &C::Get_Vocations, {1, 1, 2, 2, 2, 3, 4, 5}, 6},
    TScore_Case{"Henchmen", &C::Charisma, &C::Get_Henchmen, {1, 2, 4, 6, 8, 10, 15, 20, 25, 30, 35, 40}, 45},
    TScore_Case{"AC", &C::Dexterity, &C::Get_AC, {}, 0},
    TScore_Case{"AC_Adjustment", &C::Dexterity, &C::Get_AC_Adjustment, {}, 0}),
    [](const auto& info) { return std::string(info.param.Operation); });
// clang-format on

TEST(Rules, Ability_Groups_Sum_Their_Scores_With_Checked_Arithmetic) {
    TBlank c;
    int value = 1;
    for (int* score : {&c.Strength, &c.Constitution, &c.Dexterity, &c.Cognitive, &c.Perception, &c.Wisdom,
                       &c.Charisma, &c.Comeliness, &c.Will})
        *score = (value *= 2);
    EXPECT_EQ(c.Get_Physical(), 2 + 4 + 8);
    EXPECT_EQ(c.Get_Intellect(), 16 + 32 + 64);
    EXPECT_EQ(c.Get_Influence(), 128 + 256 + 512);
    c.Will = INT_MAX;
    EXPECT_THROW(c.Get_Influence(), std::overflow_error);
}

TEST(Rules, Constitution_Bonus_Rolls_The_Dice_Of_Each_Constitution) {
    struct TCase {
        int Constitution;
        std::vector<int> Draws;
        int Expected;
        std::vector<int> Asked;
    };
    // clang-format off
    const std::vector<TCase> cases{
        {1, {}, 1, {}},        {2, {0}, 0, {3}},      {2, {2}, 1, {3}},      {3, {3}, 1, {4}},
        {4, {0}, 1, {4}},      {4, {3}, 4, {4}},      {5, {0}, 2, {4}},      {5, {3}, 5, {4}},
        {6, {0}, 0, {6}},      {6, {5}, 1, {6}},      {7, {0}, 1, {12}},     {7, {11}, 12, {12}},
        {8, {0}, 2, {12}},     {8, {11}, 13, {12}},   {9, {0}, 0, {20}},     {9, {19}, 1, {20}},
        {10, {0}, 1, {20}},    {10, {19}, 20, {20}},  {11, {0}, 2, {20}},    {11, {19}, 21, {20}},
        {12, {0, 0}, 2, {12, 12}},   {12, {11, 11}, 24, {12, 12}}, {13, {0, 0}, 3, {12, 12}},
        {13, {11, 11}, 25, {12, 12}}, {0, {11, 11}, 25, {12, 12}}, {-4, {0, 0}, 3, {12, 12}},
        {40, {11, 0}, 14, {12, 12}}};
    // clang-format on
    for (const TCase& test : cases) {
        TBlank character;
        character.Constitution = test.Constitution;
        TScripted_Random dice(test.Draws);
        TRandom_Override override(dice);
        EXPECT_EQ(character.Get_Constitution_Bonus(), test.Expected) << test.Constitution;
        EXPECT_EQ(dice.Requests(), test.Asked) << test.Constitution;
    }
}

TEST(Rules, Constitution_Bonus_Text_Names_The_Same_Dice_Without_Rolling) {
    const std::pair<int, const char*> cases[] = {{1, "1"},       {2, "1D3-1, max 1"},  {4, "1D4"},
                                                 {5, "1D4+1"},   {9, "1D20-1, max 1"}, {12, "2D12"},
                                                 {13, "2D12+1"}, {0, "2D12+1"}};
    TScripted_Random dice({});
    TRandom_Override override(dice);
    for (const auto& [constitution, text] : cases)
        EXPECT_EQ(Constitution_Bonus_Text(constitution), text) << constitution;
    EXPECT_TRUE(dice.Requests().empty());
}

TEST(Rules, Child_Table_Every_Band_Of_The_Birth_Roll) {
    const int highest_roll[] = {10, 20, 35, 50, 65, 80, 85, 90, 94, 97, 99, 100};
    for (int roll = 1, place = 1; roll <= 100; ++roll) {
        TScripted_Random dice({roll - 1});
        TRandom_Override override(dice);
        EXPECT_EQ(Child_Table(), place) << roll;
        place += roll == highest_roll[place - 1];
    }
}

using TSkill = int (C::*)() const;
constexpr TSkill Skills[6] = {&C::Get_Open_Locks, &C::Get_Find_Traps, &C::Get_Move_Silently,
                              &C::Get_Hide,       &C::Get_Hear_Noise, &C::Get_Climb_Walls};
using TSkill_Values = std::array<int, 6>;

TSkill_Values Skill_Values(const TVexlor_Character& character) {
    TSkill_Values values{};
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = (character.*Skills[i])();
    return values;
}

// A Commando of levels 0 to 20 with a Dexterity that adjusts nothing: every column of the level
// table, once as the trained value (at least the total level, except for moving silently) and once
// as the level bonus of the first four skills. Levels past 20 read column 20.
TEST(Commando_Tables, Commando_By_Level) {
    const TSkill_Values by_level[] = {
        {46, 35, 24, 13, 5, 79},      {50, 40, 30, 20, 10, 80},     {58, 50, 42, 34, 10, 81},
        {66, 60, 54, 48, 15, 82},     {74, 70, 66, 62, 15, 83},     {82, 80, 78, 76, 20, 84},
        {90, 90, 90, 90, 20, 85},     {98, 100, 102, 104, 25, 86},  {106, 110, 114, 118, 25, 87},
        {114, 120, 126, 132, 30, 88}, {122, 130, 138, 146, 30, 89}, {130, 140, 150, 160, 35, 90},
        {138, 150, 162, 174, 35, 91}, {146, 160, 174, 188, 40, 92}, {154, 170, 186, 190, 40, 93},
        {162, 180, 188, 192, 45, 94}, {170, 190, 190, 194, 45, 95}, {178, 192, 192, 196, 50, 96},
        {186, 194, 194, 198, 50, 97}, {194, 196, 196, 198, 55, 98}, {198, 198, 198, 198, 55, 99}};
    for (int level = 0; level <= 25; ++level) {
        TBlank commando;
        Give_Class(commando, 2, Class_Commando, level);
        commando.Dexterity = 3;
        EXPECT_EQ(Skill_Values(commando), by_level[std::min(level, 20)]) << level;
    }
}

// An untrained level-1 Chemist at every Dexterity: the total level as the floor (not for moving
// silently), the level bonus of column 1 and each column of the Dexterity table, clamped to 1..12.
TEST(Commando_Tables, Dexterity_Columns) {
    const std::array<int, 4> by_dexterity[] = {
        {16, 16, -5, 1},  {16, 16, -5, 1},  {16, 16, -5, 1},  {21, 16, 5, 6},
        {26, 21, 15, 11}, {26, 21, 15, 11}, {31, 21, 20, 11}, {31, 26, 25, 16},
        {36, 26, 30, 16}, {36, 26, 35, 21}, {41, 31, 40, 21}, {41, 36, 45, 26},
        {46, 41, 50, 31}, {51, 46, 65, 36}, {51, 46, 65, 36}, {51, 46, 65, 36}};
    for (int dexterity = -1; dexterity <= 14; ++dexterity) {
        TBlank chemist;
        Give_Class(chemist, 1, Class_Chemist, 1);
        chemist.Dexterity = dexterity;
        const TSkill_Values values = Skill_Values(chemist);
        EXPECT_EQ((std::array<int, 4>{values[0], values[1], values[2], values[3]}),
                  by_dexterity[dexterity + 1])
            << dexterity;
    }
}

// A Mercenary is trained in finding traps, moving silently and hiding only; an untrained class
// past level 20 has its total level as the floor and column 20 as the bonus.
TEST(Commando_Tables, Trained_Skills_Of_A_Mercenary_And_High_Untrained_Levels) {
    TBlank mercenary, chemist;
    Give_Class(mercenary, 1, Class_Mercenary, 7);
    mercenary.Dexterity = 3;
    EXPECT_EQ(Skill_Values(mercenary), (TSkill_Values{56, 100, 102, 104, 7, 7}));
    Give_Class(chemist, 1, Class_Chemist, 22);
    chemist.Dexterity = 3;
    EXPECT_EQ(Skill_Values(chemist), (TSkill_Values{121, 121, 99, 121, 22, 22}));
}

TEST(Commando_Tables, Examples_Rogue_Points_Combined_Classes_And_Negative_Levels) {
    TBlank chemist, commando, rogue, both, negative;
    Give_Class(chemist, 1, Class_Chemist, 3);
    chemist.Dexterity = 10;
    EXPECT_EQ(chemist.Get_Open_Locks(), 51);
    Give_Class(commando, 1, Class_Commando, 5);
    commando.Dexterity = 12;
    commando.Rogue_Open_Lock = 90; // counts only for a rogue
    EXPECT_EQ(commando.Get_Open_Locks(), 107);
    Give_Class(rogue, 1, Class_Rogue, 2);
    rogue.Rogue_Move_Silently = 30;
    rogue.Rogue_Climb = 50;
    rogue.Dexterity = 1;
    EXPECT_EQ(rogue.Get_Move_Silently(), 31);
    EXPECT_EQ(rogue.Get_Climb_Walls(), 50);
    Give_Class(both, 1, Class_Commando, 3);
    Give_Class(both, 2, Class_Mercenary, 7);
    both.Dexterity = 3;
    EXPECT_EQ(both.Get_Find_Traps(), 50 + 65);
    EXPECT_EQ(both.Get_Open_Locks(), 33 + 61);
    Give_Class(negative, 1, Class_Commando, -4);
    negative.Dexterity = 3;
    EXPECT_EQ(negative.Get_Open_Locks(), 21 + 25);
}

TEST(Skills, Reprogramming_By_Computer_Scientist_Level_And_Rogue_Programming) {
    const int chance[] = {99, 15, 25, 35, 45, 55, 65, 75, 85, 90, 95, 96, 97, 98, 99, 99};
    for (int level = -2; level <= 15; ++level) {
        TBlank character;
        Give_Class(character, 1, Class_Computer_Scientist, level);
        EXPECT_EQ(character.Get_Reprogram(), chance[std::max(level, 0)]) << level;
    }
    TBlank rogue;
    rogue.Rogue_Computer_Programming_Level = 97;
    EXPECT_EQ(rogue.Get_Reprogram(), 0);
    Give_Class(rogue, 1, Class_Rogue, 1);
    Give_Class(rogue, 2, Class_Computer_Scientist, 1);
    EXPECT_EQ(rogue.Get_Reprogram(), 97);
}

TEST(Skills, Interpretation_Chance_And_Time_By_Level_And_Intellect) {
    const int base[] = {0, 1, 3, 5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 75, 80, 85, 90, 90};
    const int hours[] = {1, 24, 24, 12, 12, 10, 10, 9, 9, 8, 8, 7, 7, 6, 6, 5, 5, 4, 3, 2, 1, 1};
    // Intellect -1..22 and what it adds to the chance; the time doubles below 6, halves from 13 and
    // is quartered from 19.
    const int adjustment[] = {-10, -10, -10, -5, -5, -3, -3, -2, -2, -1, -1, 0,
                              0,   0,   0,   0,  0,  1,  1,  2,  3,  5,  10, 10};
    for (int level = 0; level <= 21; ++level)
        for (int intellect = -1; intellect <= 22; ++intellect) {
            TBlank character;
            Give_Class(character, 1, Class_Linguist, level);
            character.Cognitive = intellect;
            const int minutes = hours[level] * 60;
            EXPECT_EQ(character.Get_Interpretation(), base[level] + adjustment[intellect + 1]) << level;
            EXPECT_EQ(character.Get_Interpretation_Time(), intellect < 6    ? minutes * 2
                                                           : intellect < 13 ? minutes
                                                           : intellect < 19 ? minutes / 2
                                                                            : minutes / 4)
                << level << " " << intellect;
        }
    TBlank rogue;
    rogue.Cognitive = 10;
    rogue.Rogue_Language_Interpretation_Level = 7;
    EXPECT_EQ(rogue.Get_Interpretation(), 0);
    EXPECT_EQ(rogue.Get_Interpretation_Time(), 0);
    Give_Class(rogue, 1, Class_Rogue, 1);
    EXPECT_EQ(rogue.Get_Interpretation(), 25);
    Give_Class(rogue, 2, Class_Linguist, 9);
    EXPECT_EQ(rogue.Get_Interpretation_Time(), 480);
}

TEST(Skills, Unarmed_Combat_By_Fighting_Level) {
    const std::pair<int, int> damage[] = {{1, 1},  {1, 2},  {1, 3},  {1, 4},  {1, 6},  {1, 8},  {1, 10},
                                          {1, 12}, {2, 12}, {3, 12}, {2, 16}, {4, 16}, {3, 18}, {1, 20},
                                          {2, 20}, {5, 20}, {2, 24}, {3, 24}, {6, 24}, {7, 28}, {5, 30}};
    const int attacks[] = {1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4};
    for (int level = -1; level <= 25; ++level) {
        TBlank character;
        Give_Class(character, 3, Class_Mercenary, level);
        const int row = std::clamp(level, 0, 20);
        EXPECT_EQ(character.Get_Hand_Damage(), Pack_Range(damage[row].first, damage[row].second)) << level;
        EXPECT_EQ(character.Get_Attacks(), attacks[row]) << level;
    }
    TBlank rogue;
    rogue.Rogue_Mercenary_Level = 16;
    EXPECT_EQ(rogue.Get_Attacks(), 1);
    Give_Class(rogue, 1, Class_Rogue, 1);
    EXPECT_EQ(rogue.Get_Attacks(), 4);
    EXPECT_EQ(rogue.Get_Hand_Damage(), Pack_Range(2, 24));
}

TEST(Skills, Antidotes_And_Poisons_By_Weapons_Specialist_Rogue_Medic_And_Chemist) {
    const std::vector<std::tuple<int, int, int>> specialist{{9, 0, 0},   {10, 60, 360}, {15, 75, 60},
                                                            {16, 78, 1}, {17, 81, 43},  {59, 99, 1}};
    for (const auto& [level, chance, time] : specialist) {
        TBlank character;
        character.Cognitive = 10;
        Give_Class(character, 1, Class_Weapons_Specialize, level);
        EXPECT_EQ(character.Get_Antidote(), chance) << level;
        EXPECT_EQ(character.Get_Antidote_Time(), time) << level;
        EXPECT_EQ(character.Get_Make_Ingestive_Poison(), chance) << level;
        EXPECT_EQ(character.Get_Make_Insinuative_Poison(), chance) << level;
    }
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
    EXPECT_EQ(medic.Get_Make_Ingestive_Poison(), 0);

    TBlank chemist;
    Give_Class(chemist, 1, Class_Chemist, 6);
    EXPECT_EQ(chemist.Get_Make_Ingestive_Poison(), 100);
    EXPECT_EQ(chemist.Get_Make_Insinuative_Poison(), 0);
    Give_Class(chemist, 2, Class_Weapons_Specialize, 1); // takes the chemist's ingestive chance
    EXPECT_EQ(chemist.Get_Make_Insinuative_Poison(), 100);
    chemist.Set_Class(2, -1);
    Give_Class(chemist, 1, Class_Chemist, 7);
    EXPECT_EQ(chemist.Get_Make_Insinuative_Poison(), 100);
}

TEST(Skills, Detecting_Lies_Adds_The_Average_Level_Of_The_Filled_Slots) {
    TBlank character;
    character.Cognitive = 10;
    character.Wisdom = 4;
    Give_Class(character, 1, Class_Historian, 3);
    EXPECT_EQ(character.Get_Detect_Lie(), 0);
    character.Wisdom = 5;
    Give_Class(character, 4, Class_Linguist, 4);
    EXPECT_EQ(character.Get_Detect_Lie(), 15 + 3);
    Testing::Clear_Classes(character);
    EXPECT_EQ(character.Get_Detect_Lie(), 15);
}

} // namespace
} // namespace Vexlor
