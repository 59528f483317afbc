#include "referee/Encounters.h"

#include "Referee_Test_Support.h"
#include "foundations/Random.h"

#include <gtest/gtest.h>

namespace Vexlor {
namespace {

TCreature_Profile* Profile(const char* name, const char* classification, int low, int high,
                           THabitat habitat = H_Unknown, THabitat_Climate climate = HC_Unknown) {
    auto* profile = new TCreature_Profile;
    profile->Set_Name(name);
    profile->Set_Classification(classification);
    profile->Set_Low_Level(low);
    profile->Set_Level(high);
    profile->Set_Habitat(1, habitat);
    profile->Set_Climate(0, climate);
    profile->Set_Fixed_HP(5);
    profile->Set_Experience_Base(10);
    profile->Set_Experience_Per_HP(2);
    profile->Set_Attacks(1);
    profile->Set_Damage(0, TRange{1, 4});
    return profile;
}

class Encounters_Test : public testing::Test {
  protected:
    void SetUp() override {
        Creatures.Add(Profile("Spider", "Arachnid", 1, 3));
        Creatures.Add(Profile("Drone", "Robot", 1, 2, H_Land));
        Creatures.Add(Profile("Sentinel", "Robot", 3, 5, H_Tombs, HC_Polar));
        Creatures.Add(Profile("Giant Rat", "Vermin", 1, 1));
    }
    const TCreature_Profile* Find(std::string& name, int level, int& size, int climate = 0, int habitat = 0) {
        return Encounters.Get_Creature(name, level, size, climate, habitat);
    }
    TCampaign_Folder Campaign;
    TTable Tables;
    TOutput_File Output{[](const std::string&) {}};
    TMemory_Registry<TCreature_Profile, TCreature_Registry> Creatures;
    TReferee Referee{Tables, TCatalogues{.Creatures = &Creatures}, Output};
    TEncounters Encounters{Referee};
};

TEST_F(Encounters_Test, Profile_By_Name_Classification_And_Size_Word) {
    struct TCase {
        std::string Entry;
        int Level, Climate, Habitat;
        const char* Profile; // null: none found
        std::string Name;
        int Size;
    };
    const TCase cases[] = {
        {"Spider", 9, 0, 0, "Spider", "Spider", CK_Ordinary},
        {"robot", 4, 0, 0, "Sentinel", "Sentinel", CK_Ordinary},
        {"Robot", 4, Climate_Code("Polar"), Habitat_Code("Tombs"), "Sentinel", "Sentinel", CK_Ordinary},
        // No robot fits: the first of the classification, under the name as written.
        {"Robot", 4, 0, Habitat_Code("Land"), "Drone", "Robot", CK_Ordinary},
        {"Robot", 4, Climate_Code("Tropical"), 0, "Drone", "Robot", CK_Ordinary},
        {"Robot", 9, 0, 0, "Drone", "Robot", CK_Ordinary},
        {"Giant Spider", 2, 0, 0, "Spider", "Spider", CK_Giant},
        {"HUGE spider", 2, 0, 0, nullptr, "spider", CK_Huge}, // names are matched exactly
        {"Pygmy Robot", 3, 0, 0, "Sentinel", "Sentinel", CK_Pygmy},
        {"Young Spider", 2, 0, 0, "Spider", "Spider", CK_Young},
        {"Giant Rat", 1, 0, 0, "Giant Rat", "Giant Rat", CK_Ordinary},
        {"Giant Wolf", 1, 0, 0, nullptr, "Wolf", CK_Giant},
        {"Giantess", 1, 0, 0, nullptr, "Giantess", CK_Ordinary},
        {"", 1, 0, 0, nullptr, "", CK_Ordinary},
    };
    // The boxes have no habitat "Polar" and no climate "Any": a choice's code is found by its name.
    EXPECT_EQ(Habitat_Code("River"), H_River);
    EXPECT_EQ(Climate_Code("<Random>"), 0);
    for (const TCase& c : cases) {
        std::string name = c.Entry;
        int size = -1;
        const TCreature_Profile* found = Find(name, c.Level, size, c.Climate, c.Habitat);
        EXPECT_EQ(found ? std::string(found->Get_Name()) : "none", c.Profile ? c.Profile : "none") << c.Entry;
        EXPECT_EQ(name, c.Name) << c.Entry;
        EXPECT_EQ(size, c.Size) << c.Entry;
    }
}

TEST_F(Encounters_Test, Creature_States_Short_And_Full) {
    TCreature bare;
    bare.Regenerate_Amount = 1;
    bare.Regenerate_Rate = 1;
    EXPECT_EQ(Encounters.Creature_States(bare, State_Full),
              "#AT 0 Dmg:   Regenerate 1 per 1 round  Movement 0/0/0/0/0  ");
    TCreature c;
    c.HP = 12;
    c.Experience = 30;
    c.Attacks = 3;
    c.Damage[0] = {1, 6};
    c.Damage[2] = {2, 2};
    c.Damage[3] = {1, 8}; // past the attacks
    c.In_Lair = true;
    c.Defensive_Bonus = 5;
    c.Regenerate_Amount = 2;
    c.Regenerate_Rate = 3;
    c.Movement_Land = 12;
    c.Movement_Swim = 6;
    c.QID_Immunity = 4;
    c.Damage_Reduction_Acid = 50;
    c.Damage_Reduction_Fire = -25;
    c.Damage_Reduction_Radiation = 30;
    c.Infrared = 60;
    c.Swallow_Whole = 10;
    c.Shape_Change = c.Survive_Vacuum = c.Chameleon = true;
    c.Caustic_Hide_Low = 1;
    c.Caustic_Hide_High = 6;
    c.Treasure_Type_In_Lair = "T";
    c.Treasure_Type_Carried = "S";
    TFunction_Random highest([](int n) { return n - 1; });
    TRandom_Override use(highest);
    EXPECT_EQ(Encounters.Creature_States(c, State_Short), "12 hp, 30 Exp  Treasure: 4 credits.  ");
    EXPECT_EQ(
        Encounters.Creature_States(c, State_Full),
        "#AT 3 Dmg: 1-6/2-2  Encountered in lair.  Defense 5  Regenerate 2 per 3 rounds  Movement 12/0/0/6/0 "
        " "
        " Immune to QIDs of level 4 or lower Acid: -50% Fire: 25% Radiation: 30% Infrared vision 60' Swallow "
        "whole 10  Shape change  Survive vacuum Chameleon  Caustic hide 1-6  Treasure in lair: 8 credits.  ");
}

// Table 91 gives encounter level 2; table 102 (1D3): Giant Spider;1D4, Robot, Nobody Known;3.
class Encounter_Roll : public Encounters_Test {
  protected:
    void SetUp() override {
        Encounters_Test::SetUp();
        Campaign.Write("TABLES.TXT",
                       "91\tLevel\n1D2\n1\t2\n2\tx\n\n"
                       "102\tCreatures\n1D3\n1\tGiant Spider;1D4\n2\tRobot\n3\tNobody Known;3\n");
    }
    TRoll_Result Roll(std::vector<int> draws, const std::string& creature = Random_Choice) {
        TScripted_Random dice(std::move(draws));
        TRandom_Override use(dice);
        const TRoll_Result result = Encounters.Roll(TEncounter_Choices{.Level = 1, .Creature = creature});
        EXPECT_EQ(dice.Remaining(), 0u);
        return result;
    }
};

// Each encounter: level, creature and count rolls; then the lair roll of the last creature.
TEST_F(Encounter_Roll, Group_Shows_Name_Last_Creature_In_Full_Then_All_In_Short) {
    std::vector<int> draws;
    for (int i = 0; i < 10; ++i)
        draws.insert(draws.end(), {0, 0, 2, 99});
    const TRoll_Result result = Roll(draws);
    EXPECT_EQ(result.Error, "");
    ASSERT_EQ(result.Lines.size(), 40u);
    EXPECT_EQ(result.Lines[0], "Giant Spider (3)");
    EXPECT_EQ(result.Lines[1], "#AT 1 Dmg: 1-4  Movement 0/0/0/0/0  ");
    EXPECT_EQ(result.Lines[2], "5 hp, 25 Exp; \r\n5 hp, 25 Exp; \r\n5 hp, 25 Exp");
    EXPECT_EQ(result.Lines[3], "----------");
    EXPECT_EQ(result.Lines[39], "----------");
}

// Level 2 is the drone's, not the sentinel's; a name without a profile stands alone; a level
// that is not a number stops the roll, and the lines so far stay; the message names the table.
TEST_F(Encounter_Roll, Classification_Unknown_Name_And_Bad_Level) {
    const TRoll_Result result = Roll({0, 1, 0, 0, 2, 1});
    EXPECT_EQ(result.Lines,
              (std::vector<std::string>{"Drone", "#AT 1 Dmg: 1-4  Encountered in lair.  Movement 0/0/0/0/0  ",
                                        "5 hp, 20 Exp", "----------", "Nobody Known (3)", "----------"}));
    EXPECT_EQ(result.Error, "Table 91 of TABLES.TXT: 'x' is not a valid integer value");
    const TRoll_Result missing = Encounters.Roll(TEncounter_Choices{.Level = 2});
    EXPECT_TRUE(missing.Lines.empty());
    EXPECT_EQ(missing.Error, "Table 92 is not in TABLES.TXT");
}

// A chosen creature skips the creature table; a group past 1000 is generated as its first 1000.
TEST_F(Encounter_Roll, Chosen_Creature_And_Largest_Group) {
    EXPECT_EQ(Roll(std::vector<int>(20, 0), "Spider").Lines[0], "Spider");
    TFunction_Random dice([](int) { return 0; });
    TRandom_Override use(dice);
    const TRoll_Result swarm = Encounters.Roll(TEncounter_Choices{.Level = 1, .Creature = "Spider;5000"});
    EXPECT_EQ(swarm.Lines[0], "Spider (5000)");
    EXPECT_EQ(std::count(swarm.Lines[2].begin(), swarm.Lines[2].end(), '\n'), 999);
}

// A creature whose hit points the rolls cannot hold is named in its encounter; the others follow.
TEST_F(Encounter_Roll, A_Creature_Too_Large_To_Roll_Is_Named_And_The_Next_Encounter_Follows) {
    TCreature_Profile* titan = Profile("Titan", "Giant", 1, 1);
    titan->Set_Fixed_HP(0);
    titan->Set_Add_HP(2147483600);
    Creatures.Add(titan);
    TFunction_Random dice([](int) { return 0; });
    TRandom_Override use(dice);
    const TRoll_Result result = Encounters.Roll(TEncounter_Choices{.Level = 1, .Creature = "Titan"});
    EXPECT_EQ(result.Error, "");
    ASSERT_EQ(result.Lines.size(), 30u);
    EXPECT_EQ(result.Lines[0], "Titan");
    EXPECT_EQ(
        result.Lines[1],
        "The creature \"Titan\" could not be rolled (Arithmetic overflow): one of its numbers is too large.");
    EXPECT_EQ(result.Lines[29], "----------");
}

} // namespace
} // namespace Vexlor
