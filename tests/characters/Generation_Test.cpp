// Random creation with scripted dice: the five rolling methods, names, classes, hit points and the
// whole generation in its order.
#include "Test_Support.h"

#include <gtest/gtest.h>

#include <numeric>

namespace Vexlor {
namespace {

using Testing::Give_Class;
using Testing::TTemporary_Folder;

struct TBlank : TVexlor_Character {
    TBlank() { Testing::Clear_Classes(*this); }
};

// Draws for dice showing the given faces.
std::vector<int> Faces(std::initializer_list<int> faces) {
    std::vector<int> draws;
    for (const int face : faces)
        draws.push_back(face - 1);
    return draws;
}

std::vector<int> Scores(const TVexlor_Character& c) {
    return {c.Strength, c.Constitution, c.Dexterity, c.Cognitive, c.Perception,
            c.Wisdom,   c.Charisma,     c.Comeliness, c.Will};
}

struct TRolling_Case {
    const char* Name;
    int Method;
    TGender Gender;
    std::vector<int> Draws;
    std::vector<int> Expected; // Strength .. Will
};

class Rolling_Method : public ::testing::TestWithParam<TRolling_Case> {};

TEST_P(Rolling_Method, Scripted_Dice_Give_The_Scores_Of_The_Method) {
    TBlank character;
    character.Set_Gender(GetParam().Gender);
    TScripted_Random dice(GetParam().Draws);
    TRandom_Override override(dice);
    character.Roll_Scores(GetParam().Method);
    EXPECT_EQ(Scores(character), GetParam().Expected);
    EXPECT_EQ(dice.Remaining(), 0u);
    EXPECT_EQ(dice.Requests(), std::vector<int>(GetParam().Draws.size(), 6));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Rolling_Method,
    ::testing::Values(
        TRolling_Case{"Single_Dice_All_Sixes", 0, Gender_Male, Faces({6, 6, 6, 6, 6, 6, 6, 6, 6}),
                      {7, 7, 6, 6, 6, 6, 6, 6, 6}},
        TRolling_Case{"Single_Dice_Female", 0, Gender_Female, Faces({1, 2, 3, 4, 5, 6, 1, 2, 3}),
                      {1, 2, 4, 5, 5, 6, 1, 2, 3}},
        // Per group three dice and a spare: 2 5 3 | 4 gives 4 5 3.
        TRolling_Case{"Spare_Die", 1, Gender_Female, Faces({2, 5, 3, 4, 1, 1, 1, 6, 6, 5, 4, 1}),
                      {4, 5, 4, 7, 1, 1, 6, 5, 4}},
        // Sets 1 2 3 | 6 6 6 | 1 1 2, spare 4 4 1: the first and third groups swap in turn.
        TRolling_Case{"Spare_Set", 2, Gender_Male, Faces({1, 2, 3, 6, 6, 6, 1, 1, 2, 4, 4, 1}),
                      {5, 5, 1, 6, 6, 6, 1, 2, 3}},
        // Twelve dice; the lowest three (1 1 2) are dropped.
        TRolling_Case{"Twelve_Drop_Three", 3, Gender_Male, Faces({1, 6, 2, 5, 3, 4, 6, 1, 2, 5, 3, 4}),
                      {6, 7, 4, 5, 3, 4, 6, 3, 2}},
        // Per group six dice; the three highest are kept in the order the swaps leave them.
        TRolling_Case{"Six_Keep_Three", 4, Gender_Female,
                      Faces({1, 2, 3, 4, 5, 6, 3, 3, 3, 3, 3, 3, 6, 1, 1, 2, 2, 6}), {6, 5, 5, 4, 3, 3, 6, 6, 2}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(Rolling_Method, Only_Methods_0_To_4_Exist) {
    TBlank character;
    EXPECT_THROW(character.Roll_Scores(5), std::out_of_range);
    EXPECT_THROW(character.Roll_Scores(-1), std::out_of_range);
}

// A character whose Intellect is the given total.
struct TThinker : TBlank {
    explicit TThinker(int intellect) { Cognitive = intellect; }
};

struct TClass_Roll_Case {
    const char* Name;
    int Intellect;
    std::vector<int> Draws;
    int First, Second;
};

class Class_Roll : public ::testing::TestWithParam<TClass_Roll_Case> {};

TEST_P(Class_Roll, Scripted_Rolls_Give_The_Classes) {
    const TThinker character(GetParam().Intellect);
    TScripted_Random dice(GetParam().Draws);
    TRandom_Override override(dice);
    int c1 = 99, c2 = 99, c3 = 99, c4 = 99;
    character.Generate_Class(c1, c2, c3, c4);
    EXPECT_EQ(c1, GetParam().First);
    EXPECT_EQ(c2, GetParam().Second);
    EXPECT_EQ(c3, -1);
    EXPECT_EQ(c4, -1);
    EXPECT_EQ(dice.Remaining(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Class_Roll,
    ::testing::Values(
        TClass_Roll_Case{"Single", 10, {9}, Class_Commando, -1},
        TClass_Roll_Case{"Too_Little_Intellect_Rolls_Again", 4, {6, 0}, Class_Architect, -1},
        TClass_Roll_Case{"Planet_And_Medic_Need_12", 11, {36, 65, 67}, Class_Mercenary, -1},
        TClass_Roll_Case{"Planet_With_12", 12, {37}, Class_Planet_Engineer, -1},
        TClass_Roll_Case{"Two_Classes", 10, {94, 12, 13}, Class_Commando, Class_Communications_Specialist},
        TClass_Roll_Case{"Two_Classes_The_Same", 10, {99, 50, 54}, Class_Historian, Class_Historian},
        TClass_Roll_Case{"First_Part_Two_Classes_Starts_Again", 10, {96, 97, 0, 1, 20}, Class_Computer_Scientist, -1},
        TClass_Roll_Case{"Second_Part_Two_Classes_Starts_Again", 10, {95, 0, 98, 3, 4, 2}, Class_Architect, -1},
        TClass_Roll_Case{"Parts_Roll_Again_For_Intellect", 4, {94, 8, 4, 15, 70}, Class_Biologist,
                         Class_Mercenary},
        TClass_Roll_Case{"No_Class_Fits_An_Intellect_Below_3", 2, {}, -1, -1}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(Class_Roll, Every_Band_Of_The_Class_Roll) {
    const std::vector<std::pair<std::pair<int, int>, int>> bands{
        {{1, 3}, Class_Architect},
        {{4, 6}, Class_Biologist},
        {{7, 9}, Class_Chemist},
        {{10, 13}, Class_Commando},
        {{14, 16}, Class_Communications_Specialist},
        {{17, 24}, Class_Computer_Scientist},
        {{25, 29}, Class_Electrical_Engineer},
        {{30, 33}, Class_General_Engineer},
        {{34, 36}, Class_Mechanical_Engineer},
        {{37, 38}, Class_Planet_Engineer},
        {{39, 42}, Class_Production_Engineer},
        {{43, 55}, Class_Historian},
        {{56, 61}, Class_Linguist},
        {{62, 65}, Class_Mathematician},
        {{66, 67}, Class_Medic},
        {{68, 74}, Class_Mercenary},
        {{75, 83}, Class_Physicist},
        {{84, 94}, Class_Weapons_Specialize}};
    const TThinker character(20);
    for (const auto& [rolls, expected] : bands)
        for (int roll = rolls.first; roll <= rolls.second; ++roll) {
            TScripted_Random dice({roll - 1});
            TRandom_Override override(dice);
            int c1, c2, c3, c4;
            character.Generate_Class(c1, c2, c3, c4);
            EXPECT_EQ(c1, expected) << "roll " << roll;
        }
}

TEST(Vocations, Can_Add_Class_Checks_Held_Classes_Intellect_And_Room_For_Two_Slot_Classes) {
    TBlank character;
    character.Cognitive = 3; // two vocations
    character.Perception = 9;
    Give_Class(character, 1, Class_Chemist, 1);
    EXPECT_FALSE(character.Can_Add_Class(Class_Chemist));
    EXPECT_TRUE(character.Can_Add_Class(Class_Historian));
    EXPECT_FALSE(character.Can_Add_Class(Class_Medic));
    EXPECT_FALSE(character.Can_Add_Class(Class_Planet_Engineer));
    character.Cognitive = 7; // four vocations
    character.Perception = 5;
    EXPECT_TRUE(character.Can_Add_Class(Class_Medic));
    EXPECT_TRUE(character.Can_Add_Class(Class_Planet_Engineer));
    character.Perception = 4; // Intellect 11
    EXPECT_FALSE(character.Can_Add_Class(Class_Medic));
    EXPECT_TRUE(character.Can_Add_Class(Class_Physicist));
    character.Perception = -5; // Intellect 2
    EXPECT_FALSE(character.Can_Add_Class(Class_Mercenary));
    EXPECT_TRUE(character.Can_Add_Class(Class_Rogue));
}

TEST(Vocations, Add_Vocation_Fills_The_First_Empty_Slot_And_Leaves_Its_Level) {
    TBlank character;
    character.Cognitive = 10;
    Give_Class(character, 1, Class_Chemist, 3);
    Give_Class(character, 3, Class_Linguist, 2);
    character.Set_Class(3, -1);
    character.Add_Vocation(Class_Historian);
    EXPECT_EQ(character.Get_Class(2), Class_Historian);
    EXPECT_EQ(character.Get_Level(2), 0);
    character.Add_Vocation(Class_Chemist);
    character.Add_Vocation(Class_Physicist);
    EXPECT_EQ(character.Get_Class(3), Class_Physicist);
    EXPECT_EQ(character.Get_Level(3), 2);
    EXPECT_EQ(character.Get_Classes(), 3);

    TVexlor_Character fresh; // every slot holds Architect until classes are read or rolled
    fresh.Cognitive = 10;
    fresh.Add_Vocation(Class_Historian);
    EXPECT_EQ(fresh.Is_Class("Historian"), 0);
}

TEST(Classes, Choose_Class_Sets_Level_1_And_A_Biologist_Starts_As_Botanist) {
    TBlank character;
    character.Specialty = 1;
    TFunction_Random dice([](int) { return 0; });
    TRandom_Override override(dice);
    character.Choose_Class(2, Class_Chemist);
    EXPECT_EQ(character.Get_Class(2), Class_Chemist);
    EXPECT_EQ(character.Get_Level(2), 1);
    EXPECT_EQ(character.Specialty, 1);
    character.Choose_Class(1, Class_Biologist);
    EXPECT_EQ(character.Specialty, 0);
}

TEST(Classes, A_Mercenary_Of_Level_1_To_20_Takes_Its_Level_As_Armour_Class) {
    for (const auto& [level, armour] : std::vector<std::pair<int, int>>{{1, 1}, {7, 7}, {20, 20}, {21, 4}, {0, 4}}) {
        TBlank character;
        Give_Class(character, 2, Class_Mercenary, level);
        character.AC = 4;
        character.Check_Classes();
        EXPECT_EQ(character.AC, armour) << level;
    }
    TBlank commando;
    Give_Class(commando, 1, Class_Commando, 5);
    Give_Class(commando, 2, Class_Commando, 5);
    commando.AC = 4;
    commando.Check_Classes();
    commando.Remove_Duplicate_Classes();
    EXPECT_EQ(commando.AC, 4);
    EXPECT_EQ(commando.Get_Classes(), 2);
}

TEST(Hit_Points, A_Die_Per_Level_Above_1_And_The_Constitution_Bonus_Per_Level) {
    TBlank character;
    character.Constitution = 12;
    Give_Class(character, 1, Class_Historian, 4);
    TScripted_Random dice(std::vector<int>{5, 0, 2, 11, 0});
    TRandom_Override override(dice);
    character.Calculate_HP();
    EXPECT_EQ(character.Hit_Points, 5 + 6 + 1 + 3 + (11 + 0 + 2) * 4);
    EXPECT_EQ(dice.Remaining(), 0u);
}

class Name_Choice : public ::testing::Test {
  protected:
    void SetUp() override {
        Names.Write("male.nam", "Ann Anna Annie\r\nBob Bobby\r\nCarl\r\n");
        Character.Set_Name_Folder(Names.Path);
    }
    TTemporary_Folder Names;
    TVexlor_Character Character;
};

TEST_F(Name_Choice, A_Line_Of_Three_Or_More_Variants_Gives_Any_Of_Them) {
    for (const auto& [word, name] : std::vector<std::pair<int, std::string>>{{0, "Ann"}, {1, "Anna"}, {2, "Annie"}}) {
        TScripted_Random dice({10, 0, word});
        TRandom_Override override(dice);
        Character.Choose_Name();
        EXPECT_EQ(Character.Get_Gender(), Gender_Male);
        EXPECT_EQ(Character._Get_Name(), name);
        EXPECT_EQ(Character.All_Names, "Ann Anna Annie");
        EXPECT_EQ(dice.Requests(), (std::vector<int>{100, 3, 3}));
    }
}

TEST_F(Name_Choice, A_Line_Of_One_Or_Two_Variants_Gives_The_First) {
    for (const auto& [line, name] : std::vector<std::pair<int, std::string>>{{1, "Bob"}, {2, "Carl"}}) {
        TScripted_Random dice({49, line});
        TRandom_Override override(dice);
        Character.Choose_Name();
        EXPECT_EQ(Character._Get_Name(), name);
        EXPECT_EQ(dice.Remaining(), 0u);
    }
}

TEST_F(Name_Choice, Without_A_Name_File_The_Name_Stays_Empty) {
    Character._Set_Name("Old");
    TScripted_Random dice({50});
    TRandom_Override override(dice);
    Character.Choose_Name();
    EXPECT_EQ(Character.Get_Gender(), Gender_Female);
    EXPECT_EQ(Character._Get_Name(), "");
    EXPECT_EQ(Character.All_Names, "");
}

TEST(Generate, Every_Step_In_Its_Order_With_Scripted_Dice) {
    TTemporary_Folder no_names;
    TVexlor_Character character;
    character.Set_Name_Folder(no_names.Path);
    character.Proficient_Weapons = {"Needler"};
    character.Rogue_Hide = 7;
    character.Set_Max_QIDS(3, 2);
    character.Specialty = 1;

    std::vector<int> draws{60};                              // female
    for (const int face : {4, 6, 2, 3, 5, 1, 6, 2, 3})       // method 0 scores
        draws.push_back(face - 1);
    for (int p = 0; p <= 20; ++p)                            // personality
        draws.push_back(p % 10);
    draws.insert(draws.end(), {0x1234, 0x5678, 65534, 1});   // the VDNA pair
    draws.insert(draws.end(), {10, 3, 1, 2});                // a slight build
    draws.insert(draws.end(), {19, 99, 80});                 // family
    draws.insert(draws.end(), {3, 0});                       // level 1 hit points, twice
    draws.insert(draws.end(), {0, 0, 0, 0, 0, 0});           // the six slots emptied
    draws.insert(draws.end(), {74, 5});                      // Physicist, its hit points
    draws.insert(draws.end(), {2, 5, 5, 0, 2});              // age and credits
    TScripted_Random dice(draws);
    TRandom_Override override(dice);
    character.Generate(0);

    EXPECT_EQ(dice.Remaining(), 0u);
    EXPECT_EQ(character.Get_Gender(), Gender_Female);
    EXPECT_EQ(character._Get_Name(), "");
    EXPECT_EQ(Scores(character), (std::vector<int>{4, 6, 3, 4, 5, 1, 6, 2, 3}));
    for (int p = 0; p <= 20; ++p)
        EXPECT_EQ(character.Personality[p], p % 10 + 1);
    EXPECT_EQ(character.VDNA[0], 0x1234567F);
    EXPECT_EQ(character.VDNA[1], -131071);
    EXPECT_EQ(character.Weight, 126);
    EXPECT_EQ(character.Height, 61);
    EXPECT_EQ(character.Child, 2);
    EXPECT_EQ(character.Siblings, 12);
    EXPECT_EQ(character.Parents, Unmarried);
    EXPECT_EQ(character.Hit_Points, 7);
    EXPECT_EQ(character.AC, 1);
    EXPECT_STREQ(character.Description(), "Physicist 1");
    for (int slot = 1; slot <= 6; ++slot)
        EXPECT_EQ(character.Get_Experience(slot), 0) << slot;
    EXPECT_EQ(character.Age, 20);
    EXPECT_EQ(character.Credits, 160);
    EXPECT_TRUE(character.Proficient_Weapons.empty());
    EXPECT_EQ(character.Rogue_Hide, 7);
    EXPECT_EQ(character._Max_QIDS[3], 2);
    EXPECT_EQ(character.Specialty, 1);
    EXPECT_EQ(character.Pending_Experience, 0);
}

// Many characters from the real generator and the shipped name files: every rule holds.
TEST(Generate, Generated_Characters_Keep_The_Rules_For_Every_Method) {
    for (int method = 0; method <= 4; ++method)
        for (int round = 0; round < 200; ++round) {
            TVexlor_Character character;
            character.Generate(method);
            EXPECT_FALSE(character._Get_Name().empty());
            EXPECT_TRUE(character.Name_Match(character._Get_Name()));
            EXPECT_NE((" " + character.All_Names + " ").find(" " + character._Get_Name() + " "), std::string::npos);
            for (const int score : Scores(character))
                ASSERT_TRUE(score >= 1 && score <= 7) << score;
            const int first = character.Get_Class(1);
            ASSERT_GE(first, 0);
            ASSERT_NE(first, Class_Rogue);
            int class_years = 0;
            for (int slot = 1; slot <= 6; ++slot) {
                const int class_index = character.Get_Class(slot);
                class_years += Class_Age[class_index];
                if (class_index == Class_Planet_Engineer || class_index == Class_Medic) {
                    EXPECT_GE(character.Get_Intellect(), 12);
                }
                EXPECT_EQ(character.Get_Level(slot), class_index >= 0 ? 1 : 0);
            }
            EXPECT_LE(character.Get_Classes(), 2);
            EXPECT_GE(character.Age - class_years, 16);
            EXPECT_LE(character.Age - class_years, 19);
            EXPECT_EQ(character.Credits % 10, 0);
            EXPECT_GE(character.Credits, 40);
            EXPECT_LE(character.Credits, 240);
            EXPECT_LE(character.Child, character.Siblings);
            EXPECT_GE(character.Hit_Points, 6);
            EXPECT_EQ(character.AC, 1);
            EXPECT_EQ(character.VDNA[0] & 7, (character.VDNA[0] >> 3) & 7);
        }
}

} // namespace
} // namespace Vexlor
