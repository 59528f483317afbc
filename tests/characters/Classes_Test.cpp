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
    const std::vector<std::string> full{"Architect", "Biologist", "Chemist", "Commando", "Communications Specialist",
                                        "Computer Scientist", "Engineer, Electrical", "Engineer, General",
                                        "Engineer, Mechanical", "Engineer, Planet", "Engineer, Production",
                                        "Historian", "Linguist", "Mathematician", "Medic", "Mercenary", "Physicist",
                                        "Weapons Specialist", "Rogue"};
    const std::vector<std::string> short_names{
        "Architect",   "Biologist",    "Chemist",      "Commando",     "Communications Spc.",
        "C. Scientist", "E. Engineer", "G. Engineer",  "M. Engineer",  "Pl. Engineer",
        "Pr. Engineer", "Historian",   "Linguist",     "Mathematician", "Medic",
        "Mercenary",   "Physicist",    "Weapons Spc.", "Rogue"};
    const std::vector<int> count{1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 1, 1, 1, 1, 2, 1, 1, 1, 1};
    const std::vector<int> intellect{4, 4, 5, 4, 5, 4, 5, 5, 5, 12, 5, 5, 5, 5, 12, 3, 5, 3, 1};
    const std::vector<int> age{1, 1, 2, 2, 1, 2, 2, 2, 2, 4, 2, 2, 1, 2, 4, 1, 2, 1, 1};
    ASSERT_EQ(Max_Classes, 19);
    ASSERT_EQ(Max_Class_Offset, 18);
    for (int i = 0; i < Max_Classes; ++i) {
        const auto at = static_cast<std::size_t>(i);
        EXPECT_EQ(Class_Name[i], full[at]);
        EXPECT_EQ(Abbreviated_Class_Name[i], short_names[at]);
        EXPECT_EQ(Class_Count[i], count[at]) << full[at];
        EXPECT_EQ(Class_Intellect[i], intellect[at]) << full[at];
        EXPECT_EQ(Class_Age[i], age[at]) << full[at];
        EXPECT_EQ(Class_Index(full[at]), i);
        EXPECT_EQ(Is_Engineer_Class(i), i >= 6 && i <= 10) << full[at];
    }
    EXPECT_EQ(Class_Age[-1], 0);
    EXPECT_EQ(Class_Rogue, 18);
    EXPECT_EQ(Class_Weapons_Specialize, 17);
}

TEST(Class_List, Class_Index_Ignores_Case_And_Knows_No_Short_Or_Group_Names) {
    EXPECT_EQ(Class_Index("engineer, planet"), 9);
    EXPECT_EQ(Class_Index("WEAPONS SPECIALIST"), 17);
    EXPECT_EQ(Class_Index("Engineer"), -1);
    EXPECT_EQ(Class_Index("Weapons Spc."), -1);
    EXPECT_EQ(Class_Index(""), -1);
    EXPECT_EQ(Class_Index("Chemist "), -1);
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
    EXPECT_EQ(character.Is_Class("Architect"), 0);
}

TEST(Experience, Thresholds_Of_Every_Level) {
    const std::vector<int> first_ten{0, 1001, 2001, 4001, 8001, 16001, 32001, 64001, 128001, 250001};
    for (int level = 1; level <= 10; ++level)
        EXPECT_EQ(Experience_From_Level(level), first_ten[static_cast<std::size_t>(level - 1)]);
    EXPECT_EQ(Experience_From_Level(11), 500001);
    EXPECT_EQ(Experience_From_Level(12), 750001);
    EXPECT_EQ(Experience_From_Level(13), 1000001);
    EXPECT_EQ(Experience_From_Level(8598), 2147250001);
    EXPECT_THROW(Experience_From_Level(8599), std::overflow_error);
    EXPECT_THROW(Experience_From_Level(32767), std::overflow_error);
    for (const int unknown : {0, -1, INT_MIN, 32768, INT_MAX})
        EXPECT_EQ(Experience_From_Level(unknown), -1000) << unknown;
}

TEST(Set_Level, Rolls_The_Hit_Points_And_Sets_The_Threshold_Of_The_Level) {
    TBlank character;
    Give_Class(character, 1, Class_Chemist, 1);
    Give_Class(character, 2, Class_Medic, 1);
    character.Constitution = 13;
    // Slot 1 at level 3: two dice for the levels above 1, then the Constitution bonus.
    TScripted_Random dice({5, 4, 11, 11});
    TRandom_Override override(dice);
    character.Set_Level(1, 3);
    EXPECT_EQ(character.Get_Level(1), 3);
    EXPECT_EQ(character.Hit_Points, 5 + 6 + 5 + 25 * 3);
    EXPECT_EQ(character.Get_Experience(1), 2001);
    EXPECT_EQ(Current_State, State_Null);
    EXPECT_EQ(dice.Remaining(), 0u);
}

TEST(Set_Level, A_Slot_Past_The_Number_Of_Classes_Gets_No_Experience) {
    TBlank character;
    Give_Class(character, 1, Class_Chemist, 1);
    Give_Class(character, 2, Class_Medic, 1);
    character.Set_Experience(3, 500);
    TFunction_Random dice([](int) { return 0; });
    TRandom_Override override(dice);
    character.Set_Level(3, 5);
    EXPECT_EQ(character.Get_Level(3), 5);
    EXPECT_EQ(character.Get_Experience(3), 0);
    character.Set_Level(2, 0);
    EXPECT_EQ(character.Get_Experience(2), -1000);
    character.Set_Level(0, 9);
    character.Set_Level(7, 9);
    EXPECT_EQ(character.Get_Level(1), 1);
}

TEST(Set_Level, Hit_Points_Are_At_Least_6_Before_The_Bonus) {
    TBlank character;
    character.Constitution = 1;
    TScripted_Random dice({0});
    TRandom_Override override(dice);
    character.Set_Level(1, 2);
    EXPECT_EQ(character.Hit_Points, 6 + 1 * 2);
    character.Set_Level(1, 0);
    EXPECT_EQ(character.Hit_Points, 6);
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
    TScripted_Random dice({3, 7});
    TRandom_Override override(dice);
    character.Level_Up(2);
    EXPECT_EQ(character.Get_Level(2), 5);
    EXPECT_EQ(character.Get_Experience(2), 8001);
    EXPECT_EQ(character.Pending_Experience, 3500 - (8001 - 5000));
    EXPECT_EQ(character.Hit_Points, 20 + 4 + 8);
    EXPECT_EQ(character.Get_Level(1), 2);
    EXPECT_EQ(Current_State, State_Null);
    EXPECT_EQ(dice.Requests(), (std::vector<int>{6, 20}));
}

TEST(Level_Up, Going_Up_Twice_Moves_Between_Thresholds) {
    TBlank character;
    Give_Class(character, 1, Class_Historian, 10);
    character.Set_Experience(1, Experience_From_Level(10));
    character.Constitution = 1;
    TFunction_Random dice([](int) { return 0; });
    TRandom_Override override(dice);
    character.Level_Up(1);
    character.Level_Up(1);
    EXPECT_EQ(character.Get_Level(1), 12);
    EXPECT_EQ(character.Get_Experience(1), 750001);
    EXPECT_EQ(character.Pending_Experience, -(750001 - 250001));
}

TEST(Level_Up, Only_A_Filled_Slot_Within_The_Number_Of_Classes_Goes_Up) {
    TBlank character;
    Give_Class(character, 1, Class_Chemist, 2);
    Give_Class(character, 3, Class_Medic, 2);
    character.Hit_Points = 10;
    TScripted_Random no_dice({});
    TRandom_Override override(no_dice);
    for (const int slot : {0, 2, 3, 4, 7}) {
        character.Level_Up(slot);
        EXPECT_EQ(character.Get_Level(1), 2);
        EXPECT_EQ(character.Get_Level(2), 0);
        EXPECT_EQ(character.Get_Level(3), 2);
        EXPECT_EQ(character.Hit_Points, 10);
    }
}

TEST(Level_Up, The_Level_State_Is_Restored_When_A_Threshold_Does_Not_Fit) {
    TBlank character;
    Give_Class(character, 1, Class_Chemist, 8598);
    TFunction_Random dice([](int) { return 0; });
    TRandom_Override override(dice);
    EXPECT_THROW(character.Level_Up(1), std::overflow_error);
    EXPECT_EQ(Current_State, State_Null);
}

// The limits of the rules, by class level 1..20 and QID or compound level.
constexpr int QID_Table[21][11] = {
    {},
    {0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 4, 1, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 4, 2, 1, 0, 0, 0, 0, 0, 0, 0},
    {0, 4, 3, 2, 1, 0, 0, 0, 0, 0, 0},
    {0, 5, 4, 3, 2, 1, 0, 0, 0, 0, 0},
    {0, 6, 5, 4, 3, 2, 1, 0, 0, 0, 0},
    {0, 7, 6, 5, 4, 3, 2, 1, 0, 0, 0},
    {0, 8, 7, 6, 5, 4, 3, 2, 1, 0, 0},
    {0, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0},
    {0, 9, 9, 8, 7, 6, 5, 4, 3, 2, 1},
    {0, 9, 9, 9, 8, 7, 6, 5, 4, 3, 2},
    {0, 9, 9, 9, 9, 8, 7, 6, 5, 4, 3},
    {0, 9, 9, 9, 9, 9, 8, 7, 6, 5, 4},
    {0, 9, 9, 9, 9, 9, 9, 8, 7, 6, 5},
    {0, 9, 9, 9, 9, 9, 9, 9, 7, 6, 6},
    {0, 9, 9, 9, 9, 9, 9, 9, 8, 7, 6},
    {0, 9, 9, 9, 9, 9, 9, 9, 8, 7, 7},
    {0, 9, 9, 9, 9, 9, 9, 9, 9, 8, 7},
    {0, 9, 9, 9, 9, 9, 9, 9, 9, 8, 8},
    {0, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9},
};
constexpr int Compound_Table[21][10] = {
    {},
    {0, 2, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 2, 1, 0, 0, 0, 0, 0, 0, 0},
    {0, 2, 1, 1, 0, 0, 0, 0, 0, 0},
    {0, 2, 1, 1, 1, 0, 0, 0, 0, 0},
    {0, 2, 2, 1, 1, 1, 0, 0, 0, 0},
    {0, 3, 2, 2, 1, 1, 1, 0, 0, 0},
    {0, 3, 3, 2, 2, 1, 1, 1, 0, 0},
    {0, 4, 3, 3, 2, 2, 1, 1, 1, 0},
    {0, 4, 4, 3, 3, 2, 2, 1, 1, 1},
    {0, 4, 4, 4, 3, 3, 2, 2, 1, 1},
    {0, 5, 5, 4, 4, 3, 3, 2, 2, 1},
    {0, 5, 5, 5, 4, 4, 3, 3, 2, 2},
    {0, 5, 5, 5, 4, 4, 4, 3, 3, 2},
    {0, 6, 6, 6, 5, 5, 4, 4, 3, 3},
    {0, 6, 6, 6, 5, 5, 5, 4, 3, 3},
    {0, 6, 6, 6, 6, 6, 6, 5, 4, 4},
    {0, 7, 7, 6, 6, 6, 6, 5, 5, 5},
    {0, 7, 7, 7, 7, 7, 7, 6, 6, 6},
    {0, 7, 7, 7, 7, 7, 7, 7, 7, 7},
    {0, 8, 8, 8, 8, 8, 8, 8, 8, 8},
};

class Engineer_QIDs : public ::testing::TestWithParam<int> {};

TEST_P(Engineer_QIDs, Every_Level_Of_The_QID_Table) {
    const int engineer = GetParam();
    for (int level = 1; level <= 25; ++level) {
        TBlank character;
        Give_Class(character, 3, engineer, level);
        const int row = std::min(level, 20);
        for (int q = 1; q <= 10; ++q)
            EXPECT_EQ(character.Get_Max_QIDS(q), QID_Table[row][q]) << "level " << level << " QID level " << q;
        Give_Class(character, 1, Class_Physicist, 1);
        for (int q = 1; q <= 10; ++q)
            EXPECT_EQ(character.Get_Max_QIDS(q), QID_Table[row][q] + 1) << "physicist level " << level;
    }
}

INSTANTIATE_TEST_SUITE_P(Rules, Engineer_QIDs,
                         ::testing::Values(Class_Electrical_Engineer, Class_General_Engineer,
                                           Class_Mechanical_Engineer, Class_Planet_Engineer,
                                           Class_Production_Engineer));

TEST(Max_QIDS, The_Example_Of_The_Rules_And_Stored_Limits_As_Minimums) {
    TBlank character;
    Give_Class(character, 2, Class_General_Engineer, 3);
    EXPECT_EQ(character.Get_Max_QIDS(1), 4);
    EXPECT_EQ(character.Get_Max_QIDS(2), 2);
    EXPECT_EQ(character.Get_Max_QIDS(3), 1);
    EXPECT_EQ(character.Get_Max_QIDS(4), 0);
    Give_Class(character, 4, Class_Physicist, 1);
    EXPECT_EQ(character.Get_Max_QIDS(1), 5);
    EXPECT_EQ(character.Get_Max_QIDS(4), 1);
    character.Set_Max_QIDS(2, 7);
    character.Set_Max_QIDS(1, 2);
    EXPECT_EQ(character.Get_Max_QIDS(2), 7);
    EXPECT_EQ(character.Get_Max_QIDS(1), 5);
    EXPECT_EQ(character.Get_Max_QIDS(0), 0);
    EXPECT_EQ(character.Get_Max_QIDS(11), 0);
    EXPECT_THROW(character.Set_Max_QIDS(11, 1), std::out_of_range);
    EXPECT_THROW(character.Set_Max_QIDS(0, 1), std::out_of_range);
}

TEST(Max_QIDS, An_Engineer_Of_Level_0_Or_Below_Is_Granted_Nothing) {
    for (const int level : {0, -3, INT_MIN}) {
        TBlank character;
        Give_Class(character, 1, Class_Physicist, 4);
        character.Set_Class(2, Class_Planet_Engineer);
        character.Set_Max_QIDS(1, 3);
        {
            TFunction_Random dice([](int) { return 0; });
            TRandom_Override override(dice);
            character.Set_Level(2, level);
        }
        EXPECT_EQ(character.Get_Max_QIDS(1), 3) << level;
        EXPECT_EQ(character.Get_Max_QIDS(2), 0) << level;
    }
}

TEST(Max_CompoundS, Every_Level_Of_The_Compound_Table) {
    for (int level = -1; level <= 25; ++level) {
        TBlank character;
        Give_Class(character, 5, Class_Chemist, level);
        const int row = std::min(level, 20);
        for (int c = 1; c <= 9; ++c)
            EXPECT_EQ(character.Get_Max_CompoundS(c), row >= 1 ? Compound_Table[row][c] : 0)
                << "level " << level << " compound level " << c;
    }
}

TEST(Max_CompoundS, Stored_Limits_Are_Minimums_And_Levels_Outside_Give_0) {
    TBlank character;
    EXPECT_EQ(character.Get_Max_CompoundS(1), 0);
    character.Set_Max_CompoundS(9, 4);
    EXPECT_EQ(character.Get_Max_CompoundS(9), 4);
    Give_Class(character, 1, Class_Chemist, 25);
    EXPECT_EQ(character.Get_Max_CompoundS(9), 8);
    character.Set_Max_CompoundS(9, 12);
    EXPECT_EQ(character.Get_Max_CompoundS(9), 12);
    EXPECT_EQ(character.Get_Max_CompoundS(0), 0);
    EXPECT_EQ(character.Get_Max_CompoundS(10), 0);
    EXPECT_THROW(character.Set_Max_CompoundS(10, 1), std::out_of_range);
}

} // namespace
} // namespace Vexlor
