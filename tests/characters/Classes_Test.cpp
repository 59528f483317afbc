// Classes, experience and level-up, and the QIDs and compounds a class grants.
#include "Test_Support.h"

#include <gtest/gtest.h>

#include <climits>

namespace Vexlor {
namespace {

using Testing::Give_Class;

struct TBlank : TVexlor_Character {
    TBlank() { Testing::Clear_Classes(*this); }
};

TEST(Class_List, Every_Column_Of_The_Class_Table) {
    // clang-format off
    const char* full[] = {"Architect", "Biologist", "Chemist", "Commando", "Communications Specialist",
                          "Computer Scientist", "Engineer, Electrical", "Engineer, General", "Engineer, Mechanical",
                          "Engineer, Planet", "Engineer, Production", "Historian", "Linguist", "Mathematician",
                          "Medic", "Mercenary", "Physicist", "Weapons Specialist", "Rogue"};
    const char* short_names[] = {"Architect", "Biologist", "Chemist", "Commando", "Communications Spc.",
                                 "C. Scientist", "E. Engineer", "G. Engineer", "M. Engineer", "Pl. Engineer",
                                 "Pr. Engineer", "Historian", "Linguist", "Mathematician", "Medic", "Mercenary",
                                 "Physicist", "Weapons Spc.", "Rogue"};
    // clang-format on
    const int count[] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 1, 1, 1, 1, 2, 1, 1, 1, 1};
    const int intellect[] = {4, 4, 5, 4, 5, 4, 5, 5, 5, 12, 5, 5, 5, 5, 12, 3, 5, 3, 1};
    const int age[] = {0, 1, 1, 2, 2, 1, 2, 2, 2, 2, 4, 2, 2, 1, 2, 4, 1, 2, 1, 1}; // from the empty slot -1
    ASSERT_EQ(Max_Classes, 19);
    for (int i = 0; i <= Max_Class_Offset; ++i) {
        EXPECT_EQ(Class_Name[i], full[i]);
        EXPECT_EQ(Abbreviated_Class_Name[i], short_names[i]);
        EXPECT_EQ(Class_Count[i], count[i]) << full[i];
        EXPECT_EQ(Class_Intellect[i], intellect[i]) << full[i];
        EXPECT_EQ(Class_Index(Lower_Case(full[i])), i);
        EXPECT_EQ(Is_Engineer_Class(i), i >= 6 && i <= 10) << full[i];
    }
    for (int i = -1; i <= Max_Class_Offset; ++i)
        EXPECT_EQ(Class_Age[i], age[i + 1]) << i;
    for (const char* unknown : {"Engineer", "Weapons Spc.", "", "Chemist "})
        EXPECT_EQ(Class_Index(unknown), -1) << unknown;
}

TEST(Class_List, Is_Class_Finds_The_First_Filled_Slot_And_Engineer_Means_The_Group) {
    TBlank character;
    EXPECT_EQ(character.Is_Class("Engineer"), 0);
    Give_Class(character, 2, Class_Historian, 1);
    Give_Class(character, 4, Class_Production_Engineer, 1);
    Give_Class(character, 5, Class_Historian, 1);
    Give_Class(character, 6, Class_Electrical_Engineer, 1);
    EXPECT_EQ(character.Is_Class("historian"), 2);
    EXPECT_EQ(character.Is_Class("ENGINEER"), 4);
    EXPECT_EQ(character.Is_Class("Engineer, Electrical"), 6);
    EXPECT_EQ(character.Is_Class("Engineer, Planet"), 0);
}

TEST(Experience, Thresholds_Of_Every_Level) {
    const int first_ten[] = {0, 1001, 2001, 4001, 8001, 16001, 32001, 64001, 128001, 250001};
    for (int level = 1; level <= 10; ++level)
        EXPECT_EQ(Experience_From_Level(level), first_ten[level - 1]);
    EXPECT_EQ(Experience_From_Level(11), 500001);
    EXPECT_EQ(Experience_From_Level(13), 1000001);
    EXPECT_EQ(Experience_From_Level(8598), 2147250001);
    EXPECT_THROW(Experience_From_Level(8599), std::overflow_error); // no longer a whole number of the game
    for (const int unknown : {0, -1, INT_MIN, 32768, INT_MAX})
        EXPECT_EQ(Experience_From_Level(unknown), -1000) << unknown;
}

TEST(Set_Level, Rolls_Hit_Points_And_Sets_The_Threshold_Or_0_Past_The_Classes) {
    TBlank character;
    Give_Class(character, 1, Class_Chemist, 1);
    Give_Class(character, 2, Class_Medic, 1);
    character.Constitution = 13;
    TScripted_Random dice({5, 4, 11, 11, 0, 0});
    TRandom_Override override(dice);
    character.Set_Level(1, 3); // two dice for the levels above 1, then the bonus times the level
    EXPECT_EQ(character.Hit_Points, 5 + 6 + 5 + 25 * 3);
    EXPECT_EQ(character.Get_Experience(1), 2001);
    EXPECT_EQ(Current_State, State_Null);
    character.Constitution = 1;
    character.Set_Experience(3, 500);
    character.Set_Level(3, 5);
    EXPECT_EQ(character.Get_Level(3), 5);
    EXPECT_EQ(character.Get_Experience(3), 0);
    EXPECT_EQ(character.Hit_Points, 5 + 1 + 1 + 1 * 3);
    character.Set_Level(1, 0);
    EXPECT_EQ(character.Hit_Points, 6);
    EXPECT_EQ(character.Get_Experience(1), -1000);
    character.Set_Level(7, 9);
    EXPECT_EQ(dice.Remaining(), 0u);
}

TEST(Set_Level, While_Experience_Is_Being_Set_Only_The_Level_Changes) {
    TBlank character;
    Give_Class(character, 1, Class_Chemist, 1);
    character.Hit_Points = 9;
    Current_State = State_Experience;
    character.Set_Level(1, 4);
    Current_State = State_Null;
    EXPECT_EQ(character.Get_Level(1), 4);
    EXPECT_EQ(character.Hit_Points, 9);
    EXPECT_EQ(character.Get_Experience(1), 0);
}

TEST(Level_Up, Spends_The_Experience_Beyond_The_Old_Threshold_And_Adds_Hit_Points) {
    TBlank character;
    Give_Class(character, 1, Class_Chemist, 2);
    Give_Class(character, 2, Class_Medic, 4);
    character.Constitution = 10;
    character.Hit_Points = 20;
    character.Set_Experience(2, 5000);
    character.Pending_Experience = 3500;
    TScripted_Random dice({3, 7, 0, 0});
    TRandom_Override override(dice);
    character.Level_Up(2);
    EXPECT_EQ(character.Get_Level(2), 5);
    EXPECT_EQ(character.Get_Experience(2), 8001);
    EXPECT_EQ(character.Pending_Experience, 3500 - (8001 - 5000));
    EXPECT_EQ(character.Hit_Points, 20 + 4 + 8);
    character.Level_Up(2);
    EXPECT_EQ(character.Get_Experience(2), 16001);
    EXPECT_EQ(character.Pending_Experience, 499 - 8000);
    EXPECT_EQ(character.Get_Level(1), 2);
    EXPECT_EQ(Current_State, State_Null);
    EXPECT_EQ(dice.Requests(), (std::vector<int>{6, 20, 6, 20}));
}

TEST(Level_Up, Only_A_Filled_Slot_Goes_Up_Even_Past_A_Gap) {
    TBlank character;
    Give_Class(character, 1, Class_Chemist, 2);
    Give_Class(character, 3, Class_Medic, 2);
    TFunction_Random dice([](int) { return 0; });
    TRandom_Override override(dice);
    for (const int slot : {0, 2, 3, 4, 7})
        character.Level_Up(slot);
    EXPECT_STREQ(character.Description(), "Chemist 2/Medic 3");
    EXPECT_EQ(character.Get_Level(2), 0);
}

TEST(Level_Up, The_Level_State_Is_Restored_When_A_Threshold_Does_Not_Fit) {
    TBlank character;
    Give_Class(character, 1, Class_Chemist, 8598);
    TFunction_Random dice([](int) { return 0; });
    TRandom_Override override(dice);
    EXPECT_THROW(character.Level_Up(1), std::overflow_error);
    EXPECT_EQ(Current_State, State_Null);
}

// The limits of the rules by class level 1..20 and QID level 1..10 or compound level 1..9.
constexpr int QID_Table[21][10] = {{},
                                   {4, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                                   {4, 1, 0, 0, 0, 0, 0, 0, 0, 0},
                                   {4, 2, 1, 0, 0, 0, 0, 0, 0, 0},
                                   {4, 3, 2, 1, 0, 0, 0, 0, 0, 0},
                                   {5, 4, 3, 2, 1, 0, 0, 0, 0, 0},
                                   {6, 5, 4, 3, 2, 1, 0, 0, 0, 0},
                                   {7, 6, 5, 4, 3, 2, 1, 0, 0, 0},
                                   {8, 7, 6, 5, 4, 3, 2, 1, 0, 0},
                                   {9, 8, 7, 6, 5, 4, 3, 2, 1, 0},
                                   {9, 9, 8, 7, 6, 5, 4, 3, 2, 1},
                                   {9, 9, 9, 8, 7, 6, 5, 4, 3, 2},
                                   {9, 9, 9, 9, 8, 7, 6, 5, 4, 3},
                                   {9, 9, 9, 9, 9, 8, 7, 6, 5, 4},
                                   {9, 9, 9, 9, 9, 9, 8, 7, 6, 5},
                                   {9, 9, 9, 9, 9, 9, 9, 7, 6, 6},
                                   {9, 9, 9, 9, 9, 9, 9, 8, 7, 6},
                                   {9, 9, 9, 9, 9, 9, 9, 8, 7, 7},
                                   {9, 9, 9, 9, 9, 9, 9, 9, 8, 7},
                                   {9, 9, 9, 9, 9, 9, 9, 9, 8, 8},
                                   {9, 9, 9, 9, 9, 9, 9, 9, 9, 9}};
constexpr int Compound_Table[21][9] = {{},
                                       {2, 0, 0, 0, 0, 0, 0, 0, 0},
                                       {2, 1, 0, 0, 0, 0, 0, 0, 0},
                                       {2, 1, 1, 0, 0, 0, 0, 0, 0},
                                       {2, 1, 1, 1, 0, 0, 0, 0, 0},
                                       {2, 2, 1, 1, 1, 0, 0, 0, 0},
                                       {3, 2, 2, 1, 1, 1, 0, 0, 0},
                                       {3, 3, 2, 2, 1, 1, 1, 0, 0},
                                       {4, 3, 3, 2, 2, 1, 1, 1, 0},
                                       {4, 4, 3, 3, 2, 2, 1, 1, 1},
                                       {4, 4, 4, 3, 3, 2, 2, 1, 1},
                                       {5, 5, 4, 4, 3, 3, 2, 2, 1},
                                       {5, 5, 5, 4, 4, 3, 3, 2, 2},
                                       {5, 5, 5, 4, 4, 4, 3, 3, 2},
                                       {6, 6, 6, 5, 5, 4, 4, 3, 3},
                                       {6, 6, 6, 5, 5, 5, 4, 3, 3},
                                       {6, 6, 6, 6, 6, 6, 5, 4, 4},
                                       {7, 7, 6, 6, 6, 6, 5, 5, 5},
                                       {7, 7, 7, 7, 7, 7, 6, 6, 6},
                                       {7, 7, 7, 7, 7, 7, 7, 7, 7},
                                       {8, 8, 8, 8, 8, 8, 8, 8, 8}};

// Levels above 20 count as 20; an engineer or chemist of level 0 or below is granted nothing.
TEST(Class_Limits, Every_Cell_Of_The_QID_And_Compound_Tables_For_Every_Engineer) {
    for (int engineer = Class_Electrical_Engineer; engineer <= Class_Production_Engineer; ++engineer)
        for (int level = -1; level <= 25; ++level)
            for (const bool physicist : {false, true}) {
                TBlank character;
                Give_Class(character, 3, engineer, level);
                Give_Class(character, 1, Class_Chemist, level);
                if (physicist)
                    Give_Class(character, 5, Class_Physicist, 1);
                const int row = std::min(level, 20);
                for (int q = 1; q <= 10; ++q)
                    ASSERT_EQ(character.Get_Max_QIDS(q), row < 1 ? 0 : QID_Table[row][q - 1] + physicist)
                        << Class_Name[engineer] << " level " << level << " QID level " << q;
                for (int c = 1; c <= 9; ++c)
                    ASSERT_EQ(character.Get_Max_CompoundS(c), row < 1 ? 0 : Compound_Table[row][c - 1])
                        << "level " << level << " compound level " << c;
            }
}

TEST(Class_Limits, The_Example_Of_The_Rules_And_Stored_Limits_As_Minimums) {
    TBlank character;
    Give_Class(character, 2, Class_General_Engineer, 3);
    Give_Class(character, 4, Class_Physicist, 1);
    EXPECT_EQ(character.Get_Max_QIDS(4), 1);
    character.Set_Max_QIDS(2, 7);
    character.Set_Max_QIDS(1, 2);
    character.Set_Max_CompoundS(9, 4);
    EXPECT_EQ(character.Get_Max_QIDS(2), 7);
    EXPECT_EQ(character.Get_Max_QIDS(1), 5);
    EXPECT_EQ(character.Get_Max_CompoundS(9), 4);
    for (const int outside : {0, 11})
        EXPECT_EQ(character.Get_Max_QIDS(outside) + character.Get_Max_CompoundS(outside - 1), 0);
    EXPECT_THROW(character.Set_Max_QIDS(11, 1), std::out_of_range);
    EXPECT_THROW(character.Set_Max_CompoundS(10, 1), std::out_of_range);
}

} // namespace
} // namespace Vexlor
