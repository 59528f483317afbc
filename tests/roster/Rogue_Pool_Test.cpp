// The rogue point pool: prices, one-shot and escalating panels, undo, level gating, commando
// points, the hit-point option, and what Back and Next leave in the character.
#include "roster/Rogue_Pool.h"

#include "tests/characters/Test_Support.h"

#include <gtest/gtest.h>

namespace Vexlor {
namespace {

namespace P = Rogue_Panels;

// A rogue of the level with every score 1 and 12 hit points.
struct Rogue : TVexlor_Character {
    explicit Rogue(int level) {
        Testing::Clear_Classes(*this);
        Testing::Give_Class(*this, 1, Class_Rogue, level);
        for (int* score : {&Strength, &Constitution, &Dexterity, &Cognitive, &Perception, &Wisdom, &Charisma,
                           &Comeliness, &Will})
            *score = 1;
        Hit_Points = 12;
    }
};

// Buys a step and checks the price it took from the pool.
void Buy(TRogue_Pool& pool, int panel, int price) {
    const int left = pool.Points_Left();
    ASSERT_TRUE(pool.Can_Increase(panel)) << pool.Caption(panel);
    pool.Increase(panel);
    EXPECT_EQ(left - pool.Points_Left(), price) << pool.Caption(panel);
}

TEST(Rogue_Pool, Scores_Climb_The_Price_Ladder_And_Undo_Returns_Each_Price) {
    Rogue character(1);
    TRogue_Pool pool(character, 62);
    const char* captions[] = {"Strength:         1 (cost:2)",  "Strength:         2 (cost:4)",
                              "Strength:         3 (cost:8)",  "Strength:         4 (cost:16)",
                              "Strength:         5 (cost:32)", "Strength:         6 (cost:n/a)"};
    for (int score = 1; score <= 5; ++score) {
        EXPECT_EQ(pool.Caption(P::Strength), captions[score - 1]);
        Buy(pool, P::Strength, 1 << score);
        EXPECT_EQ(character.Strength, score + 1);
    }
    EXPECT_EQ(pool.Caption(P::Strength), captions[5]);
    EXPECT_FALSE(pool.Can_Increase(P::Strength));
    EXPECT_EQ(pool.Points_Caption(), "Rogue points: 0/62");
    EXPECT_EQ(pool.Total_Caption(TScore_Group::Physical), "Total physical: 8");
    EXPECT_EQ(pool.Decrease_Hint(P::Strength), "Decrease strength score to 5");
    for (int score = 5; score >= 1; --score) {
        pool.Decrease(P::Strength);
        EXPECT_EQ(pool.Points_Left(), 64 - (1 << score)) << score;
        EXPECT_EQ(character.Strength, score);
    }
    EXPECT_FALSE(pool.Can_Decrease(P::Strength));
    EXPECT_EQ(pool.Points_Left(), 62);
}

TEST(Rogue_Pool, Captions_And_Hints_Of_Each_Kind_Of_Panel) {
    Rogue character(2);
    character.Will = 7; // a score above the ceiling has no price
    character.Rogue_Computer_Programming_Level = 35;
    TRogue_Pool pool(character, 3);
    struct TCase {
        int Panel;
        const char* Caption;
        const char* Increase;
        const char* Decrease;
    };
    const TCase cases[] = {
        {P::Strength + 8, "Will:             7 (cost:n/a)", "Increase willpower score to 8",
         "Decrease willpower score to 6"},
        {P::Program_Computers, "Program computers: 35% (cost:1/5%)",
         "Increase chance to program computers to 40%", "Decrease chance to program computers to 30%"},
        {P::Language_Interpretation, "Language interpretation: 0% (cost:2/1%)",
         "Increase chance to interpret languages to 1%", "Decrease chance to interpret languages to -1%"},
        {P::Build_Robots, "Build robots as per Level 0 engineer (cost:1/level)",
         "Increase ability to build robots to that of level 1 engineer",
         "Decrease ability to build robots to that of level -1 engineer"},
        {P::Weapons_Specialist, "Use weapons as per Level 0 weapons specialist (cost:2)",
         "Increase ability to use weapons to that of level 1 weapons specialist",
         "Decrease ability to use weapons to that of level -1 weapons specialist"},
        {P::Genetic_Engineering, "Genetic engineering as per Level 0 Biologist (cost:2)",
         "Increase ability to genetically engineer creatures as level 1 biologist",
         "Decrease ability to genetically engineer creatures as level -1 biologist"},
        {P::First_QID + 2, "Level 3 QIDs: 0 (cost:3)",
         "Increase ability to have 1 simultaneously prepared QIDs",
         "Decrease ability to have -1 simultaneously prepared QIDs"},
        {P::First_Compound + 8, "Level 9 Compounds: 0 (cost:9)",
         "Increase ability to have 1 simultaneously prepared compounds",
         "Decrease ability to have -1 simultaneously prepared compounds"},
        {P::Commando_Points, "Commando points: 0 (cost:1/level)", "Increase amount of commando points to 20",
         "Decrease amount of commando points to -20"},
        {P::Open_Lock + 3, "Hide: 0% (cost:1/1%)", "Increase chance to hide in shadows to 1%",
         "Decrease chance to hide in shadows to -1%"},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(pool.Caption(c.Panel), c.Caption);
        EXPECT_EQ(pool.Increase_Hint(c.Panel), c.Increase);
        EXPECT_EQ(pool.Decrease_Hint(c.Panel), c.Decrease);
        EXPECT_FALSE(pool.Can_Decrease(c.Panel)) << c.Caption;
    }
    EXPECT_FALSE(pool.Can_Increase(P::Strength + 8));
    EXPECT_EQ(Rogue_Panel_Kind(P::Open_Lock + 5).Help_Context, 1047);
    EXPECT_EQ(Rogue_Panel_Kind(P::First_QID + 9).Help_Context, 1020);
}

TEST(Rogue_Pool, One_Shot_Panels_Sell_One_Step_And_Escalating_Panels_Raise_Their_Price) {
    Rogue character(1);
    TRogue_Pool pool(character, 20);
    Buy(pool, P::Genetic_Engineering, 2);
    EXPECT_FALSE(pool.Can_Increase(P::Genetic_Engineering));
    EXPECT_EQ(character.Rogue_Genetic_Engineering_Level, 1);

    Buy(pool, P::Weapons_Specialist, 2);
    EXPECT_EQ(pool.Caption(P::Weapons_Specialist), "Use weapons as per Level 1 weapons specialist (cost:4)");
    Buy(pool, P::Weapons_Specialist, 4);
    Buy(pool, P::Weapons_Specialist, 6);
    EXPECT_EQ(character.Rogue_Weapons_Specialist_Level, 3);
    EXPECT_EQ(pool.Points_Left(), 6);
    EXPECT_FALSE(pool.Can_Increase(P::Weapons_Specialist)); // the next step costs 8
    Buy(pool, P::Mercenary, 2);                             // the mercenary panel has its own ladder
    pool.Decrease(P::Weapons_Specialist);
    EXPECT_EQ(pool.Points_Left(), 10);
    EXPECT_EQ(pool.Caption(P::Weapons_Specialist), "Use weapons as per Level 2 weapons specialist (cost:6)");
    EXPECT_EQ(character.Rogue_Weapons_Specialist_Level, 2);
    EXPECT_EQ(character.Rogue_Mercenary_Level, 1);
}

TEST(Rogue_Pool, Steps_Stop_At_The_Ceiling) {
    Rogue character(1);
    character.Rogue_Computer_Programming_Level = 90;
    character.Rogue_Climb = 99;
    TRogue_Pool pool(character, 10);
    Buy(pool, P::Program_Computers, 1);
    EXPECT_EQ(character.Rogue_Computer_Programming_Level, 95);
    EXPECT_FALSE(pool.Can_Increase(P::Program_Computers)); // 100 would pass 99
    Buy(pool, P::Commando_Points, 1);
    Buy(pool, P::Open_Lock + 5, 0); // paid with commando points
    EXPECT_EQ(character.Rogue_Climb, 100);
    EXPECT_FALSE(pool.Can_Increase(P::Open_Lock + 5));
}

TEST(Rogue_Pool, QID_And_Compound_Levels_Open_By_Rogue_Level_And_The_Level_Below) {
    for (const int first : {P::First_QID, P::First_Compound}) {
        Rogue character(2);
        TRogue_Pool pool(character, 20);
        EXPECT_FALSE(pool.Can_Increase(first + 1)) << "level 2 needs one of level 1 first";
        EXPECT_FALSE(pool.Can_Increase(first + 2)) << "a level 2 rogue has no level 3";
        Buy(pool, first, 1);
        Buy(pool, first + 1, 2);
        EXPECT_FALSE(pool.Can_Increase(first)) << "one-shot";
        EXPECT_FALSE(pool.Can_Decrease(first)) << "level 2 stands on level 1";
        EXPECT_EQ(first == P::First_QID ? character._Max_QIDS[2] : character._Max_Compounds[2], 1);
        pool.Decrease(first + 1);
        pool.Decrease(first);
        EXPECT_EQ(pool.Points_Left(), 20);
        EXPECT_EQ(first == P::First_QID ? character._Max_QIDS[1] : character._Max_Compounds[1], 0);
    }
}

TEST(Rogue_Pool, A_Level_With_Its_Own_Limit_Opens_The_Next_And_May_Be_Undone_Freely) {
    Rogue character(3);
    character._Max_QIDS[1] = 2;
    TRogue_Pool pool(character, 20);
    Buy(pool, P::First_QID + 1, 2);
    Buy(pool, P::First_QID, 1);
    EXPECT_TRUE(pool.Can_Decrease(P::First_QID)); // level 1 keeps 2 after the undo
    pool.Decrease(P::First_QID);
    EXPECT_EQ(character._Max_QIDS[1], 2);
    EXPECT_EQ(character._Max_QIDS[2], 1);
}

TEST(Rogue_Pool, Commando_Points_Pay_The_Thief_Skills_And_Are_Only_Sold_Back_Unspent) {
    Rogue character(1);
    TRogue_Pool pool(character, 2);
    EXPECT_FALSE(pool.Can_Increase(P::Open_Lock));
    Buy(pool, P::Commando_Points, 1);
    EXPECT_EQ(pool.Caption(P::Commando_Points), "Commando points: 20 (cost:1/level)");
    EXPECT_FALSE(pool.Valid()) << "commando points left unassigned";
    for (int i = 0; i < 19; ++i)
        pool.Increase(P::Open_Lock);
    pool.Increase(P::Open_Lock + 4);
    EXPECT_EQ(character.Rogue_Open_Lock, 19);
    EXPECT_EQ(character.Rogue_Hear_Noise, 1);
    EXPECT_EQ(pool.Unassigned_Commando_Points(), 0);
    EXPECT_FALSE(pool.Can_Increase(P::Open_Lock));
    EXPECT_FALSE(pool.Can_Decrease(P::Commando_Points));
    EXPECT_TRUE(pool.Valid()) << "one rogue point may stay";
    pool.Decrease(P::Open_Lock);
    EXPECT_EQ(pool.Caption(P::Commando_Points), "Commando points: 1 (cost:1/level)");
    EXPECT_FALSE(pool.Can_Decrease(P::Commando_Points));
    EXPECT_EQ(pool.Points_Left(), 1);
}

TEST(Rogue_Pool, The_Hit_Point_Option_Cancels_Every_Purchase_And_Gives_Them_Back_Unchecked) {
    Rogue character(3);
    TRogue_Pool pool(character, 4);
    EXPECT_EQ(pool.Hit_Point_Caption(), "Increase maximum hit points to 13");
    Buy(pool, P::Strength, 2);
    Buy(pool, P::Commando_Points, 1);
    pool.Increase(P::Open_Lock);
    pool.Set_Hit_Point_Option(true);
    EXPECT_EQ(character.Hit_Points, 13);
    EXPECT_EQ(pool.Hit_Point_Caption(), "Increase maximum hit points (13)");
    EXPECT_EQ(pool.Points_Caption(), "Rogue points: 0/4");
    EXPECT_EQ(character.Strength, 1);
    EXPECT_EQ(character.Rogue_Open_Lock, 0);
    EXPECT_TRUE(pool.Valid());
    for (int panel = 0; panel < P::Count; ++panel) {
        EXPECT_FALSE(pool.Can_Increase(panel)) << pool.Caption(panel);
        EXPECT_FALSE(pool.Can_Decrease(panel)) << pool.Caption(panel);
    }
    pool.Set_Hit_Point_Option(false);
    EXPECT_EQ(character.Hit_Points, 12);
    EXPECT_EQ(pool.Points_Caption(), "Rogue points: 4/4");
    EXPECT_FALSE(pool.Valid());

    TRogue_Pool empty(character, 0);
    EXPECT_FALSE(empty.Hit_Point_Option_Available());
    empty.Set_Hit_Point_Option(true);
    EXPECT_EQ(character.Hit_Points, 12) << "no free hit point without a pool to give up";
}

TEST(Rogue_Points, A_New_Rogue_Gets_Its_Level_Plus_One_And_An_Existing_One_None) {
    Rogue character(3);
    EXPECT_EQ(Wizard_Rogue_Points(character), 4);
    character.Initialized = true;
    EXPECT_EQ(Wizard_Rogue_Points(character), 0);
}

TEST(Rogue_Restore_Point, Back_And_Next_Take_Back_The_Pages_Purchases_But_Not_Other_Changes) {
    Rogue character(2);
    TRogue_Restore_Point restore;
    restore.Enter(character);
    {
        TRogue_Pool pool(character, 3);
        pool.Increase(P::Strength);
        pool.Increase(P::First_QID);
        restore.Record(character);
    }
    character.Will = 4; // another page changes a score in between
    restore.Enter(character);
    restore.Enter(character); // the frame fills the page twice when it shows it
    EXPECT_EQ(character.Strength, 1);
    EXPECT_EQ(character._Max_QIDS[1], 0);
    EXPECT_EQ(character.Will, 4);
    TRogue_Pool again(character, 3);
    EXPECT_EQ(again.Points_Caption(), "Rogue points: 3/3");
    again.Set_Hit_Point_Option(true);
    restore.Record(character);
    restore.Forget(); // a new run keeps what the last one did
    restore.Enter(character);
    EXPECT_EQ(character.Hit_Points, 13);
}

} // namespace
} // namespace Vexlor
