// A character made in the wizard: what is rolled before the wizard and on finishing, the classes
// checked against the scores on every step, the picks that follow their class, and the one
// vocation budget of the class page and the level-up.
#include "roster/Class_Page.h"
#include "roster/Level_Up.h"
#include "roster/New_Character.h"

#include "tests/characters/Test_Support.h"
#include "tests/roster/Recording_Edit.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace Vexlor {
namespace {

using Testing::Clear_Classes;
using Testing::Give_Class;
using Testing::TRecording_Edit;

// A character as the wizard starts it, with every score 5 (Intellect 15, two vocations).
struct TNew : TVexlor_Character {
    TNew() {
        Clear_Classes(*this);
        for (int* score : {&Strength, &Constitution, &Dexterity, &Cognitive, &Perception, &Wisdom, &Charisma,
                           &Comeliness, &Will})
            *score = 5;
    }
};

// With every die at its lowest and at its highest face, a Mercenary made in the wizard gets the
// ends of the random character's ranges.
TEST(New_Character, Is_Rolled_Whole_Within_The_Random_Ranges) {
    struct TCase {
        int (*Draw)(int);
        int Personality, Weight, Height, Child, Siblings;
        TMarital_Status Parents;
        int Credits, Age;
    };
    const TCase cases[] = {
        {[](int) { return 0; }, 1, 174, 70, 1, 1, Married, 40, 17},
        {[](int n) { return n - 1; }, 10, 183, 80, 12, 12, Unmarried, 240, 20},
    };
    for (const TCase& c : cases) {
        TNew character;
        TFunction_Random dice(c.Draw);
        TRandom_Override override(dice);
        Roll_Before_Wizard(character);
        EXPECT_EQ(character.AC, 1);
        for (const int score : character.Personality)
            EXPECT_EQ(score, c.Personality);
        const auto eyes = static_cast<unsigned>(character.VDNA[0]);
        EXPECT_EQ(eyes & 7u, (eyes >> 3) & 7u);
        EXPECT_EQ(std::vector<int>({character.Weight, character.Height, character.Child, character.Siblings}),
                  std::vector<int>({c.Weight, c.Height, c.Child, c.Siblings}));
        EXPECT_EQ(character.Parents, c.Parents);
        EXPECT_EQ(character.Credits, c.Credits);
        Choose_Slot_Class(character, 1, Class_Mercenary);
        Finish_New_Character(character, TQID_Picks(), std::nullopt, nullptr);
        EXPECT_EQ(character.Age, c.Age); // 16 to 19 years and a Mercenary's year
        EXPECT_EQ(character.Get_Level(1), 1);
        EXPECT_EQ(character.AC, 1); // a Mercenary's armour class is his level
    }
}

TEST(New_Character, A_Class_The_Scores_No_Longer_Allow_Is_Cleared_With_Its_Picks) {
    TNew character;
    character.Cognitive = 6; // three vocations, Intellect 16
    character.Set_Class(1, Class_Medic);
    character.Set_Class(2, Class_General_Engineer);
    TQID_Picks qids;
    qids.Pick(0);
    qids.Pick(1);
    std::optional<std::string> compound = "Acid";
    EXPECT_EQ(Check_New_Character(character, qids, compound), "");
    EXPECT_TRUE(qids.Locked());
    EXPECT_FALSE(compound); // no Chemist

    character.Perception = 1; // Regenerate: Intellect 11, below a Medic's 12
    character.Wisdom = 4;
    EXPECT_EQ(Check_New_Character(character, qids, compound),
              "The scores no longer allow Medic: choose again.");
    EXPECT_EQ(character.Get_Class(1), Class_General_Engineer); // moved up into slot 1
    EXPECT_EQ(character.Get_Class(2), -1);
    EXPECT_TRUE(qids.Locked());

    character.Set_Class(1, Class_Linguist);
    character.Set_Class(2, Class_Architect);
    character.Cognitive = 2; // one vocation
    EXPECT_EQ(Check_New_Character(character, qids, compound),
              "The scores no longer allow Architect: choose again.");
    EXPECT_EQ(character.Get_Class(1), Class_Linguist);
    EXPECT_EQ(character.Get_Class(2), -1);
    EXPECT_FALSE(qids.Locked()); // the engineer who picked them is gone

    character.Set_Class(2, Class_Architect); // a stored character being edited keeps its classes
    character.Initialized = true;
    EXPECT_EQ(Check_New_Character(character, qids, compound), "");
    EXPECT_EQ(character.Get_Class(2), Class_Architect);
}

// The picks go to the inventory only for the class that allowed them, however the class page was
// left: a Historian chosen after an Engineer keeps no QID, no "PID" and no plan.
TEST(New_Character, A_Historian_After_An_Engineer_Keeps_No_QID) {
    TNew character;
    TQID_Picks qids;
    qids.Pick(3);
    qids.Pick(4);
    const std::optional<std::string> compound = "Acid";
    TRecording_Edit edit;
    character.Set_Class(1, Class_Historian);
    Finish_New_Character(character, qids, compound, &edit);
    EXPECT_TRUE(edit.Calls.empty());

    character.Set_Class(1, Class_Chemist);
    character.Set_Class(2, Class_Electrical_Engineer);
    Finish_New_Character(character, qids, compound, &edit);
    EXPECT_EQ(edit.Calls, (std::vector<std::string>{"QIDs Detect Illusion|Detect QID", "Compounds Acid"}));
}

TEST(Class_Page, A_Class_Added_While_Editing_Starts_At_Level_One) {
    TNew juno;
    Give_Class(juno, 1, Class_Historian, 2);
    juno.Initialized = true;
    juno.Hit_Points = 14;
    Choose_Slot_Class(juno, 2, Class_Linguist);
    EXPECT_EQ(juno.Get_Level(2), 1);
    EXPECT_EQ(juno.Get_Experience(2), 0);
    EXPECT_EQ(juno.Hit_Points, 14);
    EXPECT_STREQ(juno.Description(), "Historian 2/Linguist 1");
    Choose_Slot_Class(juno, 2, Class_Mercenary); // the slot has its level now
    EXPECT_EQ(juno.Get_Level(2), 1);

    TNew made; // a character in the making gets its levels on finishing
    Choose_Slot_Class(made, 1, Class_Linguist);
    EXPECT_EQ(made.Get_Level(1), 0);
}

// The classes an empty slot of the class page offers are the new vocations the level-up offers,
// Rogue aside, and the slot opens exactly when the level-up may add one.
TEST(Vocation_Budget, The_Class_Page_And_The_Level_Up_Offer_The_Same_Classes) {
    struct TCase {
        int Cognitive; // vocations: 2 -> 1, 4 -> 2, 6 -> 3, 7 -> 4
        std::vector<int> Classes;
        bool Medic_Offered;
    };
    const TCase cases[] = {
        {6, {Class_Planet_Engineer}, false}, // "Engineer, Planet" takes two of three
        {6, {Class_Linguist}, true},
        {7, {Class_Linguist, Class_Architect}, true},
        {4, {Class_Linguist}, false},
        {4, {Class_Linguist, Class_Architect}, false}, // none left: the slot stays closed
    };
    for (const TCase& c : cases) {
        TNew character;
        character.Cognitive = c.Cognitive;
        character.Perception = 6; // Intellect 12 at the least
        int slot = 0;
        for (const int class_index : c.Classes)
            Give_Class(character, ++slot, class_index, 1);
        const TClass_Slot_Choice empty = Class_Page_Choices(character).Slots[static_cast<std::size_t>(slot)];
        const std::vector<int> vocations = New_Vocation_Choices(character);
        EXPECT_EQ(empty.Enabled, Class_Up_Choices(character).Can_Add_Vocation) << c.Cognitive;
        if (empty.Enabled) {
            EXPECT_EQ(empty.Classes, vocations) << c.Cognitive;
        }
        EXPECT_EQ(std::count(vocations.begin(), vocations.end(), Class_Medic), c.Medic_Offered ? 1 : 0);
    }
}

} // namespace
} // namespace Vexlor
