// The level-up dialog's rules: the class page's choices, new vocations, and the summary text.
#include "roster/Level_Up.h"

#include "tests/characters/Test_Support.h"

#include <gtest/gtest.h>

namespace Vexlor {
namespace {

using Testing::Give_Class;
using Lines = std::vector<std::string>;

// A character without a class, every score the same, 20 hit points.
struct With_Scores : TVexlor_Character {
    explicit With_Scores(int score) {
        Testing::Clear_Classes(*this);
        for (int* s : {&Strength, &Constitution, &Dexterity, &Cognitive, &Perception, &Wisdom, &Charisma,
                       &Comeliness, &Will})
            *s = score;
        Hit_Points = 20;
    }
};

TEST(Level_Up_Summary, Every_Kind_Of_Line_In_Order_With_Losses_After_The_Plus) {
    With_Scores character(3);
    Give_Class(character, 1, Class_Rogue, 4);
    const TLevel_Up_Snapshot before = Take_Level_Up_Snapshot(character);
    character.Hit_Points = 26;
    character.Strength = 4;
    character.Will = 2;
    character.Set_Max_CompoundS(2, 1);
    character.Set_Max_QIDS(1, 1);
    character.Rogue_Open_Lock = 5;
    character.Rogue_Mercenary_Level = 6;
    character.Rogue_Genetic_Engineering_Level = 2;
    const Lines summary = Level_Up_Summary(before, character);
    ASSERT_GE(summary.size(), 3u);
    const Lines expected{"Hit points = 26 (+6)",
                         "",
                         "Strength = 4 (+1)",
                         "Will = 2 (+-1)",
                         "Level 2 compounds = 1 (+1)",
                         "Level 1 QIDs = 1 (+1)",
                         "Open locks = 42% (+1%)", // the field passes the floor of the total level, 4
                         "Number of attacks per round = 2 (+1)",
                         "Hamd damage = 1-10",
                         "Genetic engineering as level 2 biologist",
                         "Hit probability adjustment = 1 (+1)",
                         "Carrying capacity = 180 (+60)",
                         "Open doors = 66% (+16%)"};
    EXPECT_EQ(summary, expected);
}

TEST(Level_Up_Summary, A_Level_That_Changes_Only_Hit_Points_Shows_Just_That_Line) {
    With_Scores character(3);
    Give_Class(character, 1, Class_Historian, 30);
    const TLevel_Up_Snapshot before = Take_Level_Up_Snapshot(character);
    character.Hit_Points = 19;
    EXPECT_EQ(Level_Up_Summary(before, character), (Lines{"Hit points = 19 (+-1)", ""}));
}

// An engineer going from level 18 to 19 gains a QID of the tenth level (besides his skills).
TEST(Level_Up_Summary, A_Change_Of_The_Tenth_QID_Level_Is_Told) {
    With_Scores character(3);
    Give_Class(character, 1, Class_General_Engineer, 18);
    const TLevel_Up_Snapshot before = Take_Level_Up_Snapshot(character);
    Give_Class(character, 1, Class_General_Engineer, 19);
    const Lines summary = Level_Up_Summary(before, character);
    ASSERT_GE(summary.size(), 3u);
    EXPECT_EQ(Lines(summary.begin(), summary.begin() + 3),
              (Lines{"Hit points = 20 (+0)", "", "Level 10 QIDs = 8 (+1)"}));
}

TEST(Level_Up_Summary, A_Non_Rogue_Level_Up_Line_By_Line) {
    With_Scores character(3);
    Give_Class(character, 1, Class_Mercenary, 5);
    character.Constitution = 1; // one hit point on top of the die
    TLevel_Up_Run run;
    run.Start();
    run.Leave_Class_Page(1, false);
    run.Enter_Rogue_Step(character);
    TScripted_Random dice({3});
    TRandom_Override override(dice);
    const Lines summary = run.Apply_Level(character);
    EXPECT_EQ(Class_And_Level(character, 1), "Mercenary 6");
    const Lines expected{"Hit points = 25 (+5)",
                         "",
                         "Open locks = 51% (+5%)",
                         "Find/Remove/Set Traps = 90% (+10%)",
                         "Move silently = 90% (+12%)",
                         "Hide in shadows = 90% (+14%)",
                         "Hear noise = 6% (+1%)",
                         "Climb = 6% (+1%)",
                         "Number of attacks per round = 2 (+1)",
                         "Hamd damage = 1-10"};
    EXPECT_EQ(summary, expected);
}

TEST(Level_Up_Run, A_Rogue_Level_Takes_The_Snapshot_Once_And_Back_And_Next_Spend_Nothing_Twice) {
    With_Scores character(1);
    Give_Class(character, 1, Class_Rogue, 2);
    TLevel_Up_Run run;
    run.Start();
    run.Leave_Class_Page(1, false);
    for (int visit = 0; visit < 2; ++visit) {
        run.Enter_Rogue_Step(character);
        ASSERT_TRUE(run.Rogue_Page_Shown(character));
        TRogue_Pool pool(character, run.Rogue_Points(character));
        EXPECT_EQ(pool.Points_Caption(), "Rogue points: 3/3") << visit;
        pool.Increase(Rogue_Panels::Strength);
        pool.Increase(Rogue_Panels::Build_Robots);
        run.Rogue_Restore_Point().Record(character);
        run.Back_To_Class_Page(character);
        run.Leave_Class_Page(1, false);
    }
    run.Enter_Rogue_Step(character);
    EXPECT_EQ(character.Strength, 1);
    EXPECT_EQ(character.Rogue_Build_Robots_Level, 0);
    TRogue_Pool pool(character, run.Rogue_Points(character));
    pool.Increase(Rogue_Panels::Strength);
    pool.Increase(Rogue_Panels::Build_Robots);
    TFunction_Random dice([](int) { return 0; });
    TRandom_Override override(dice);
    const Lines summary = run.Apply_Level(character);
    ASSERT_GE(summary.size(), 4u);
    EXPECT_EQ(summary[0], "Hit points = 22 (+2)"); // a die of 1 and 1 for Constitution
    EXPECT_EQ(summary[2], "Strength = 2 (+1)");
    EXPECT_EQ(std::count(summary.begin(), summary.end(), "Build robots as level 1 engineer"), 1);
    EXPECT_EQ(character.Get_Level(1), 3);
}

TEST(Class_Up_Choices, Gaps_Lowest_Level_Preselection_And_The_Alternate_Header) {
    struct TCase {
        std::vector<std::array<int, 3>> Slots; // slot, class, level
        int Cognitive;
        int Preselected;
        bool Can_Add;
        const char* Header;
    };
    const TCase cases[] = {
        {{{1, Class_Chemist, 3}, {3, Class_Medic, 2}, {4, Class_Historian, 2}}, 8, 3, true, ""},
        // Four vocations: the Medic takes two of them, so none is left to add.
        {{{1, Class_Chemist, 3}, {3, Class_Medic, 2}, {4, Class_Historian, 2}}, 7, 3, false, ""},
        {{{2, Class_Chemist, 3}, {5, Class_Medic, 2}}, 1, 5, false, "You are about to level up as a Medic"},
        {{{1, Class_Chemist, 2}, {2, Class_Medic, 2}}, 1, 1, false, ""},
        {{{1, Class_Rogue, 2}}, 6, 1, false, "You are about to level up as a Rogue"},
    };
    for (const TCase& c : cases) {
        With_Scores character(6);
        character.Cognitive = c.Cognitive;
        for (const auto& [slot, class_index, level] : c.Slots)
            Give_Class(character, slot, class_index, level);
        const TClass_Up_Choices choices = Class_Up_Choices(character);
        ASSERT_EQ(choices.Classes.size(), c.Slots.size());
        for (std::size_t i = 0; i < c.Slots.size(); ++i) {
            EXPECT_EQ(choices.Classes[i].Slot, c.Slots[i][0]);
            EXPECT_EQ(choices.Classes[i].Name, Class_Name[c.Slots[i][1]]);
        }
        EXPECT_EQ(choices.Preselected_Slot, c.Preselected) << c.Header;
        EXPECT_EQ(choices.Can_Add_Vocation, c.Can_Add) << c.Header;
        EXPECT_EQ(choices.Single_Choice, *c.Header != 0);
        EXPECT_EQ(choices.Alternate_Header, c.Header);
    }
}

TEST(New_Vocation, Goes_Into_The_First_Gap_At_Level_0_And_Back_Takes_It_Away) {
    With_Scores character(6);
    character.Cognitive = 7; // four vocations: the Chemist and the Medic (who counts twice) leave one
    Give_Class(character, 1, Class_Chemist, 3);
    Give_Class(character, 2, Class_Historian, 4);
    Give_Class(character, 3, Class_Medic, 2);
    character.Set_Class(2, -1); // a class taken away earlier leaves its level behind
    const std::vector<int> choices = New_Vocation_Choices(character);
    EXPECT_EQ(std::count(choices.begin(), choices.end(), Class_Rogue), 0);
    EXPECT_EQ(std::count(choices.begin(), choices.end(), Class_Chemist), 0);
    EXPECT_EQ(Add_New_Vocation(character, Class_Chemist), 0);
    const int hit_points = character.Hit_Points;
    const int slot = Add_New_Vocation(character, Class_Architect);
    ASSERT_EQ(slot, 2);
    EXPECT_EQ(character.Get_Level(2), 0);
    EXPECT_EQ(character.Get_Experience(2), 0);
    EXPECT_EQ(character.Hit_Points, hit_points);
    EXPECT_EQ(Current_State, State_Null);

    TLevel_Up_Run run;
    run.Start();
    run.Leave_Class_Page(slot, true);
    EXPECT_EQ(run.Class_To_Level(), 2);
    run.Back_To_Class_Page(character);
    EXPECT_EQ(character.Get_Class(2), -1);
    EXPECT_STREQ(character.Description(), "Chemist 3/Medic 2");

    With_Scores rogue(6);
    Give_Class(rogue, 1, Class_Rogue, 1);
    EXPECT_TRUE(New_Vocation_Choices(rogue).empty());
}

} // namespace
} // namespace Vexlor
