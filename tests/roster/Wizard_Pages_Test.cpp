#include "roster/Character_Pages.h"
#include "roster/Class_Page.h"
#include "roster/New_Character.h"
#include "roster/Plan_Picks.h"

#include "catalogues/Compounds.h"
#include "catalogues/QID_Plan.h"
#include "tests/Memory_Registry.h"
#include "tests/characters/Test_Support.h"
#include "tests/roster/Recording_Edit.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace Vexlor {
namespace {

using Testing::Clear_Classes;
using Testing::Give_Class;
using Testing::TRecording_Edit;

// A character as the wizard starts it: no class, every score 5.
void Make_New(TVexlor_Character& character) {
    Clear_Classes(character);
    for (int* score : {&character.Strength, &character.Constitution, &character.Dexterity,
                       &character.Cognitive, &character.Perception, &character.Wisdom, &character.Charisma,
                       &character.Comeliness, &character.Will})
        *score = 5;
}

void Set_Intellect(TVexlor_Character& character, int cognitive, int perception, int wisdom) {
    character.Cognitive = cognitive;
    character.Perception = perception;
    character.Wisdom = wisdom;
}

std::string Row_Value(const std::vector<TAbility_Row>& rows, const std::string& group,
                      const std::string& label) {
    for (const TAbility_Row& row : rows)
        if (row.Group == group && row.Label == label)
            return row.Value;
    return "(missing)";
}

// ---- Name page ----

TEST(Name_Page, Names_Are_Checked_Against_The_Party_And_The_Party_File) {
    const std::string party = Enclosed_Names({"Bob", "Una", "Rex Smith"});
    const struct {
        std::string Name;
        std::string Others;
        TName_Check Expected;
    } cases[] = {
        {"Zed", party, TName_Check::Valid},
        {"Zed", "", TName_Check::Valid},
        {"Bo", party, TName_Check::Valid}, // part of a name is another name
        {"Rex", party, TName_Check::Valid},
        {"bob  ", party, TName_Check::Taken}, // without regard to case and trailing blanks
        {"  UNA", party, TName_Check::Taken},
        {"Rex Smith", party, TName_Check::Taken},
        {"", party, TName_Check::Empty}, // two neighbouring marks are not a name
        {"", "", TName_Check::Empty},
        {"   ", party, TName_Check::Blank},
        {"A<b", "", TName_Check::Forbidden_Character},
        {"a>b", "", TName_Check::Forbidden_Character},
        {"Ann|Bea", "", TName_Check::Forbidden_Character},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Check_Name(c.Name, c.Others), c.Expected) << '"' << c.Name << '"';
    EXPECT_EQ(Name_Check_Text(TName_Check::Taken), "Another character in the party already has this name");
    EXPECT_EQ(Name_Check_Text(TName_Check::Empty), "");
    EXPECT_EQ(Name_Check_Text(TName_Check::Valid), "");
    EXPECT_NE(Name_Check_Text(TName_Check::Blank), "");
    EXPECT_NE(Name_Check_Text(TName_Check::Forbidden_Character), "");
    EXPECT_EQ(Name_To_Store("  Ann Lee  "), "Ann Lee");
}

TEST(Name_Page, Gender_Shifts_The_Scores_Of_A_Rolled_Character_Only_When_It_Changes) {
    const struct {
        bool Initialized;
        int Cognitive;
        TGender From;
        TGender To;
        int Shift; // added to Strength and Constitution, taken from Dexterity and Cognitive
    } cases[] = {
        {true, 5, Gender_Female, Gender_Male, 1},  {true, 5, Gender_Male, Gender_Female, -1},
        {true, 5, Gender_Male, Gender_Male, 0},    {true, 5, Gender_Female, Gender_Female, 0},
        {false, 5, Gender_Female, Gender_Male, 1}, {true, 0, Gender_Female, Gender_Male, 0},
    };
    for (const auto& c : cases) {
        TVexlor_Character character;
        Make_New(character);
        character.Initialized = c.Initialized;
        character.Cognitive = c.Cognitive;
        character.Set_Gender(c.From);
        Change_Gender(character, c.To);
        EXPECT_EQ(character.Get_Gender(), c.To);
        EXPECT_EQ(character.Strength, 5 + c.Shift);
        EXPECT_EQ(character.Constitution, 5 + c.Shift);
        EXPECT_EQ(character.Dexterity, 5 - c.Shift);
        EXPECT_EQ(character.Cognitive, c.Cognitive == 0 ? 0 : c.Cognitive - c.Shift);
        EXPECT_EQ(character.Perception, 5);
    }
}

// ---- Ability page ----

TEST(Ability_Page, Scores_Show_Within_1_To_20_And_Sums_Use_The_Shown_Scores) {
    TVexlor_Character character;
    character.Strength = 25;
    character.Constitution = 0;
    character.Dexterity = -3;
    character.Cognitive = 1;
    character.Perception = 20;
    character.Wisdom = 21;
    character.Charisma = 6;
    character.Comeliness = 7;
    character.Will = 8;
    const TAbility_Display display = Ability_Display(character);
    EXPECT_EQ(display.Scores, (std::array<int, 9>{20, 1, 1, 1, 20, 20, 6, 7, 8}));
    EXPECT_EQ(display.Physical, 22);
    EXPECT_EQ(display.Intellect, 41);
    EXPECT_EQ(display.Influence, 21);
}

TEST(Ability_Page, Regenerating_Gives_Slot_One_Its_First_Level) {
    TVexlor_Character character;
    Make_New(character);
    character.Set_Class(1, Class_Mercenary);
    Regenerate_Scores(character);
    EXPECT_EQ(character.Get_Level(1), 1);
    EXPECT_GE(character.Hit_Points, 6);
}

TEST(Bonus_Table, Hit_Points_Added_Over_The_Whole_Constitution_Range) {
    const char* expected[] = {"0",    "0",      "1",    "1d2",  "1d3",    "1d4",  "1d4+1",  "1d5",
                              "1d12", "1d12+1", "1d19", "1d20", "1d20+1", "2d12", "2d12+1", "2d12+1"};
    for (int constitution = -1; constitution <= 14; ++constitution)
        EXPECT_EQ(Hit_Points_Added(constitution), expected[constitution + 1]) << constitution;
    EXPECT_EQ(Hit_Points_Added(40), "2d12+1");
}

TEST(Bonus_Table, Open_Doors_Over_The_Whole_Strength_Range) {
    const char* expected[] = {"99%", "1 in 6", "2 in 6", "3 in 6", "4 in 6", "5 in 6", "91%",
                              "93%", "95%",    "96%",    "97%",    "98%",    "99%",    "99%"};
    TVexlor_Character character;
    for (int strength = 0; strength <= 13; ++strength) {
        character.Strength = strength;
        EXPECT_EQ(Open_Doors_Text(character), expected[strength]) << strength;
    }
}

TEST(Bonus_Table, Rows_Come_In_Their_Groups_With_Their_Units) {
    TVexlor_Character character;
    Make_New(character);
    character.Strength = 4;
    character.Constitution = 12;
    const std::vector<TBonus_Row> rows = Bonus_Table(character);
    ASSERT_EQ(rows.size(), 16u);
    const std::vector<std::pair<std::string, std::string>> checked{
        {"Hit Probability:", "1%"},    {"Weight Capacity:", "180"},       {"Open Doors:", "4 in 6"},
        {"Hit points added:", "2d12"}, {"System shock survival:", "94%"}, {"Poison:", "4"},
        {"Regeneration:", "20"},       {"Maximum Vocations:", "2"},       {"Attack Adjustment: ", "0%"}};
    for (const auto& [label, value] : checked) {
        const auto row =
            std::find_if(rows.begin(), rows.end(), [&](const TBonus_Row& r) { return r.Label == label; });
        ASSERT_NE(row, rows.end()) << label;
        EXPECT_EQ(row->Value, value) << label;
    }
    EXPECT_EQ(rows.front().Group, "Strength");
    EXPECT_EQ(rows[5].Group, "Constitution");
    EXPECT_EQ(rows.back().Group, "Charisma");
}

// ---- Class page ----

TEST(Class_Page, Slot_One_Offers_The_Classes_Of_Each_Intellect_Band) {
    const struct {
        int Cognitive, Perception, Wisdom;
        std::vector<int> Expected;
    } cases[] = {
        {1, 1, 0, {Class_Rogue}},
        {1, 1, 1, {Class_Mercenary, Class_Weapons_Specialize, Class_Rogue}},
        {2,
         1,
         1,
         {Class_Architect, Class_Biologist, Class_Commando, Class_Computer_Scientist, Class_Mercenary,
          Class_Weapons_Specialize, Class_Rogue}},
    };
    for (const auto& c : cases) {
        TVexlor_Character character;
        Make_New(character);
        Set_Intellect(character, c.Cognitive, c.Perception, c.Wisdom);
        EXPECT_EQ(Class_Page_Choices(character).Slots[0].Classes, c.Expected) << character.Get_Intellect();
    }
    // From 5 every class but the two that need 12; from 12 all of them, when two vocations are left.
    TVexlor_Character character;
    Make_New(character);
    Set_Intellect(character, 4, 4, 3);
    std::vector<int> offered = Class_Page_Choices(character).Slots[0].Classes;
    EXPECT_EQ(offered.size(), 17u);
    EXPECT_EQ(std::count(offered.begin(), offered.end(), Class_Medic), 0);
    Set_Intellect(character, 4, 4, 4);
    EXPECT_EQ(Class_Page_Choices(character).Slots[0].Classes.size(), 19u);
    Set_Intellect(character, 1, 6, 6); // one vocation: the double classes are not offered
    offered = Class_Page_Choices(character).Slots[0].Classes;
    EXPECT_EQ(std::count(offered.begin(), offered.end(), Class_Planet_Engineer), 0);
    EXPECT_EQ(offered.size(), 17u);
}

TEST(Class_Page, Vocations_Open_The_Slots_And_Lists_Keep_Their_Own_Class) {
    TVexlor_Character character;
    Make_New(character);
    Set_Intellect(character, 6, 6, 6); // three vocations
    character.Set_Class(1, Class_Medic);
    TClass_Page_Choices choices = Class_Page_Choices(character);
    EXPECT_TRUE(choices.Slots[0].Enabled);
    EXPECT_TRUE(choices.Slots[1].Enabled); // one vocation left
    EXPECT_FALSE(choices.Slots[2].Enabled);
    EXPECT_FALSE(choices.Slots[3].Enabled);
    const std::vector<int>& second = choices.Slots[1].Classes;
    for (const int absent : {Class_Medic, Class_Planet_Engineer, Class_Rogue, No_Class})
        EXPECT_EQ(std::count(second.begin(), second.end(), absent), 0) << absent;
    EXPECT_EQ(choices.Slots[0].Selected, Class_Medic);

    character.Set_Class(2, Class_Biologist);
    Set_Intellect(character, 6, 1, 1); // Intellect below a Medic's: slot 1 keeps it all the same
    choices = Class_Page_Choices(character);
    EXPECT_EQ(std::count(choices.Slots[0].Classes.begin(), choices.Slots[0].Classes.end(), Class_Medic), 1);
    EXPECT_NE(choices.Slots[0].Classes.front(), No_Class); // slot 1 never offers "no class"
    EXPECT_EQ(choices.Slots[1].Classes.front(), No_Class); // the last class can be taken away
    EXPECT_TRUE(choices.Specialty_Enabled);
    EXPECT_FALSE(choices.Slots[2].Enabled); // no vocation left

    character.Set_Class(1, Class_Mercenary);
    character.Set_Class(3, Class_Commando);
    choices = Class_Page_Choices(character);
    EXPECT_NE(choices.Slots[1].Classes.front(), No_Class); // only the last filled slot empties
    EXPECT_EQ(choices.Slots[2].Classes.front(), No_Class);
}

TEST(Class_Page, A_Rogue_Has_No_Other_Class) {
    TVexlor_Character character;
    Make_New(character);
    character.Set_Class(1, Class_Rogue);
    character.Set_Class(2, Class_Commando);
    Keep_Rogue_Alone(character);
    EXPECT_EQ(character.Get_Class(2), -1);
    const TClass_Page_Choices choices = Class_Page_Choices(character);
    for (int slot = 1; slot < Class_Page_Slots; ++slot) {
        EXPECT_FALSE(choices.Slots[static_cast<std::size_t>(slot)].Enabled);
        EXPECT_TRUE(choices.Slots[static_cast<std::size_t>(slot)].Classes.empty());
    }
    EXPECT_EQ(Slot_Level_Text(character, 1), "Level 1");
}

TEST(Class_Abilities, Values_Follow_Classes_Levels_And_Scores) {
    TVexlor_Character biologist;
    Make_New(biologist);
    biologist.Cognitive = 7;
    biologist.Perception = 6;
    Give_Class(biologist, 1, Class_Biologist, 3);
    std::vector<TAbility_Row> rows = Class_Abilities(biologist);
    EXPECT_EQ(Row_Value(rows, "Biology", "Distinguish edible plants:"), "71%");
    EXPECT_EQ(Row_Value(rows, "Biology", "Single-cell level:"), "3");
    EXPECT_EQ(Row_Value(rows, "Biology", "Plant level:"), "3"); // a botanist
    EXPECT_EQ(Row_Value(rows, "Biology", "Animal level:"), "0");
    biologist.Specialty = 1;
    rows = Class_Abilities(biologist);
    EXPECT_EQ(Row_Value(rows, "Biology", "Plant level:"), "0");
    EXPECT_EQ(Row_Value(rows, "Biology", "Animal level:"), "3");
    EXPECT_EQ(Row_Value(rows, "Historian", "Identify Artifact:"), "0%");
    EXPECT_EQ(Row_Value(rows, "Chemistry", "Max bomb manufacture size:"), "n/a");

    TVexlor_Character scholar;
    Make_New(scholar);
    Give_Class(scholar, 1, Class_Historian, 30);
    Give_Class(scholar, 2, Class_Medic, 25);
    rows = Class_Abilities(scholar);
    EXPECT_EQ(Row_Value(rows, "Historian", "Recognize QID effect:"), "90%");
    EXPECT_EQ(Row_Value(rows, "Historian", "Identify Artifact:"), "30%");
    EXPECT_EQ(Row_Value(rows, "Medic", "Diagnose:"), "99%");
    EXPECT_EQ(Row_Value(rows, "Medic", "Treat:"), "250%");

    TVexlor_Character rogue;
    Make_New(rogue);
    Give_Class(rogue, 1, Class_Rogue, 2);
    rogue._Max_Compounds[2] = 3;
    rogue._Max_QIDS[1] = 1;
    rogue.Rogue_Genetic_Engineering_Level = 9;
    rows = Class_Abilities(rogue);
    EXPECT_EQ(Row_Value(rows, "Compounds usable", "Level 2:"), "3");
    EXPECT_EQ(Row_Value(rows, "QIDs usable", "Level 1:"), "1");
    EXPECT_EQ(Row_Value(rows, "Biology", "Plant level:"), "2");
    EXPECT_EQ(Row_Value(rows, "Biology", "Animal level:"), "9");
}

TEST(Class_Abilities, Bomb_Sizes_And_Interpretation_Times) {
    const struct {
        int Class_Index;
        int Level;
        const char* Expected;
    } bombs[] = {{Class_Physicist, 6, "n/a"},
                 {Class_Physicist, 7, "1K ton atomic"},
                 {Class_Physicist, 12, "100M ton fusion"},
                 {Class_Physicist, 20, "500M ton fusion"},
                 {Class_Chemist, 1, "1 lbs"},
                 {Class_Chemist, 4, "6 lbs"},
                 {Class_Chemist, 13, "1,000 lbs"},
                 {Class_Chemist, 30, "1,500 lbs"},
                 {Class_Architect, 9, "n/a"}};
    for (const auto& bomb : bombs) {
        TVexlor_Character character;
        Make_New(character);
        Give_Class(character, 1, bomb.Class_Index, bomb.Level);
        EXPECT_EQ(Bomb_Size_Text(character), bomb.Expected) << bomb.Class_Index << " " << bomb.Level;
    }
    TVexlor_Character both;
    Make_New(both);
    Give_Class(both, 1, Class_Chemist, 5);
    Give_Class(both, 2, Class_Physicist, 3);
    EXPECT_EQ(Bomb_Size_Text(both), "n/a"); // a Physicist is judged as one

    const std::pair<int, const char*> times[] = {{0, "0 min"},        {59, "59 min"},
                                                 {60, "1 hour"},      {90, "1.50 hours"},
                                                 {125, "2.10 hours"}, {100000, "1,700.00 hours"}};
    for (const auto& [minutes, expected] : times)
        EXPECT_EQ(Interpretation_Time_Text(minutes), expected) << minutes;
}

// ---- Appearance page ----

TEST(Appearance_Page, Hair_Colour_Bands_And_Writing_Keeps_Other_Bits) {
    const std::pair<int, THair_Colour> bands[] = {
        {0, THair_Colour::Blond},  {22, THair_Colour::Blond},  {23, THair_Colour::Brown},
        {44, THair_Colour::Brown}, {45, THair_Colour::Auburn}, {66, THair_Colour::Auburn},
        {67, THair_Colour::Red},   {78, THair_Colour::Red},    {80, THair_Colour::Red},
        {88, THair_Colour::Red},   {89, THair_Colour::Black},  {126, THair_Colour::Black},
        {127, THair_Colour::White}};
    TVexlor_Character character;
    for (const auto& [stored, colour] : bands) {
        character.VDNA[0] = stored << 6;
        EXPECT_EQ(Hair_Colour(character), colour) << stored;
    }
    character.VDNA[0] = 0x7FFFFFFF;
    Set_Hair_Colour(character, THair_Colour::Red);
    EXPECT_EQ((character.VDNA[0] >> 6) & 0x7F, 78);
    EXPECT_EQ(character.VDNA[0] | (0x7F << 6), 0x7FFFFFFF); // every other bit kept
    EXPECT_EQ(character.VDNA[1], 0);
}

TEST(Appearance_Page, Eyes_Skin_And_Features_Have_Their_Own_Bits) {
    const TEye_Colour eyes[] = {TEye_Colour::Pink,  TEye_Colour::Blue,  TEye_Colour::Green,
                                TEye_Colour::Green, TEye_Colour::Hazel, TEye_Colour::Brown,
                                TEye_Colour::Brown, TEye_Colour::None};
    TVexlor_Character character;
    for (int stored = 0; stored < 8; ++stored) {
        character.VDNA[0] = stored | (0x3FF << 6);
        EXPECT_EQ(Eye_Colour(character), eyes[stored]) << stored;
    }
    character.VDNA[0] = 0;
    Set_Eye_Colour(character, TEye_Colour::Green);
    EXPECT_EQ(character.VDNA[0], 2 | 2 << 3); // written twice
    Set_Skin_Pigment(character, 200);
    Set_Attached_Earlobes(character, true);
    Set_Widows_Peak(character, true);
    EXPECT_EQ(character.VDNA[0], 2 | 2 << 3 | 200 << 13 | 1 << 21 | 1 << 22);
    EXPECT_EQ(Eye_Colour(character), TEye_Colour::Green);
    EXPECT_EQ(Skin_Pigment(character), 200);
    Set_Attached_Earlobes(character, false);
    EXPECT_FALSE(Attached_Earlobes(character));
    EXPECT_TRUE(Widows_Peak(character));
    EXPECT_EQ(Hair_Colour(character), THair_Colour::Blond);
}

// ---- QID and compound pages ----

TEST(Plan_Picks, Engineers_Pick_Two_QIDs_That_Reach_The_Inventory_Once_On_Finishing) {
    TQID_Picks picks;
    EXPECT_TRUE(picks.Pick(0));
    EXPECT_FALSE(picks.Pick(0));
    EXPECT_FALSE(picks.Locked());
    EXPECT_TRUE(picks.Pick(10));
    EXPECT_TRUE(picks.Locked());
    EXPECT_FALSE(picks.Pick(3));
    EXPECT_FALSE(picks.Pick(28));
    EXPECT_EQ(picks.Inventory_Text(), "Bland|Fog");

    TVexlor_Character character;
    Make_New(character);
    character.Set_Class(1, Class_Chemist);
    character.Set_Class(2, Class_General_Engineer);
    EXPECT_TRUE(Picks_QIDs(character));
    EXPECT_TRUE(Picks_Compound(character));
    character.Set_Level(1, 1);
    character.Hit_Points = 31;
    TRecording_Edit edit;
    Finish_New_Character(character, picks, std::string("Acid"), &edit);
    EXPECT_EQ(character.Hit_Points, 31);
    EXPECT_EQ(edit.Calls, (std::vector<std::string>{"QIDs Bland|Fog", "Compounds Acid"}));
    EXPECT_EQ(character.Get_Level(1), 1);
    EXPECT_EQ(character.Get_Level(2), 1);
    EXPECT_EQ(character.Get_Level(3), 0);

    picks.Clear();
    edit.Calls.clear();
    Finish_New_Character(character, picks, std::nullopt, &edit);
    EXPECT_TRUE(edit.Calls.empty());
    Finish_New_Character(character, picks, std::string("Acid"), nullptr);

    character.Initialized = true; // an edit picks nothing
    EXPECT_FALSE(Picks_QIDs(character));
    EXPECT_FALSE(Picks_Compound(character));
}

TEST(Plan_Picks, Compounds_Of_Level_One_Are_Offered) {
    TMemory_Registry<TCompound_Plan, TCompound_Registry> compounds;
    Add_Records(compounds, "<#name=Acid><#level=1>\n<#name=Gas><#level=2>\n<#name=Glue><#level=1>\n",
                [](const TCompound_Plan&) { return true; });
    EXPECT_EQ(First_Level_Compounds(compounds), (std::vector<std::string>{"Acid", "Glue"}));
}

} // namespace
} // namespace Vexlor
