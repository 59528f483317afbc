#include "referee/Combat.h"

#include "Referee_Test_Support.h"
#include "foundations/Random.h"

#include <climits>

#include <gtest/gtest.h>

namespace Vexlor {
namespace {

// {row, column}: Disintegrate for bone, cloth, leather, liquid, paper, wood, and paper's hot fire.
constexpr std::pair<int, int> Always_Destroyed_Cells[] = {{1, 4}, {3, 4}, {5, 4}, {6, 4},
                                                          {9, 4}, {9, 5}, {12, 4}};
constexpr int Rolled_Cells = 13 * 8 - 7 - 2;

std::string Cells(const TItem_Vs_Effect& grid, std::initializer_list<std::pair<int, int>> cells) {
    std::string text;
    for (const auto& [row, column] : cells)
        text += grid.Cell(column, row) + "|";
    return text;
}

// Ceramic against a severe blow and against disintegration read "Destroyed" until the first roll;
// glass against both stays empty. A first roll of 1 saves every rolled cell; one of 100 fails
// them all, and a second roll of 99 destroys all but the cells whose save is 99 (liquid against
// blows, polymer against cold), which are damaged.
TEST(Item_Vs_Effect, Save_Table_Cells) {
    TItem_Vs_Effect grid;
    EXPECT_EQ(Cells(grid, {{0, 1}, {0, 8}, {1, 0}, {13, 0}}), "Acid|Energy/Electr|Bone/ivory|Other|");
    EXPECT_EQ(Cells(grid, {{2, 2}, {2, 4}, {4, 2}, {4, 4}, {1, 1}}), "Destroyed|Destroyed||||");
    for (const auto& [rolls, ceramic, liquid_blow, polymer_cold] :
         {std::tuple{std::vector<int>{0}, "Safe|Safe|", "Safe", "Safe"},
          std::tuple{std::vector<int>(1 + Rolled_Cells, 99), "Destroyed|Destroyed|", "Damaged", "Damaged"}}) {
        TScripted_Random dice(rolls);
        TRandom_Override use(dice);
        grid.Roll();
        EXPECT_EQ(dice.Remaining(), 0u);
        EXPECT_EQ(Cells(grid, {{2, 2}, {2, 4}}), ceramic);
        EXPECT_EQ(Cells(grid, {{4, 2}, {4, 4}}), "||");
        EXPECT_EQ(grid.Cell(3, 6), liquid_blow);
        EXPECT_EQ(grid.Cell(7, 10), polymer_cold);
        for (const auto& [row, column] : Always_Destroyed_Cells)
            EXPECT_EQ(grid.Cell(column, row), "Destroyed");
    }
}

// A roll equal to the save fails it, and a second roll equal to the save damages; the cells go
// material by material, left to right: bone against acid (40) then against a severe blow (20).
TEST(Item_Vs_Effect, Roll_Equal_To_The_Save_Fails_It) {
    TItem_Vs_Effect grid;
    std::vector<int> draws{39, 40, 21};
    for (int row = 2; row <= 13; ++row)
        for (int column = 1; column <= 8; ++column)
            if (Item_Saves[row][column] >= 1 && Item_Saves[row][column] <= 40)
                draws.push_back(0);
    TScripted_Random dice(draws);
    TRandom_Override use(dice);
    grid.Roll();
    EXPECT_EQ(dice.Remaining(), 0u);
    EXPECT_EQ(Cells(grid, {{1, 1}, {1, 2}, {1, 3}, {2, 2}}), "Damaged|Destroyed|Safe|Damaged|");
}

TEST(Ship_Attack, Table_And_Maneuver_Rating) {
    EXPECT_EQ(Ship_Attack[-10][-6], 26);
    EXPECT_EQ(Ship_Attack[0][0], 10);
    EXPECT_EQ(Ship_Attack[3][-2], 9);
    EXPECT_EQ(Ship_Attack[5][4], 1);
    EXPECT_EQ(Ship_Attack[10][6], 1);
    EXPECT_EQ(Maneuver_Rating(10, 25), 2);
    EXPECT_EQ(Maneuver_Rating(3, -7), -2);
}

// The hits among the 20 values of the 0..19 roll; a hit also rolls table 1.
int Hits(const TShip& attacker, const TShip& target, TTable& tables) {
    int hits = 0;
    for (int r = 0; r < 20; ++r) {
        TScripted_Random dice({r, 0});
        TRandom_Override use(dice);
        const std::string result = Ship_Attack_Result(attacker, target, tables);
        EXPECT_TRUE(result == "Miss" || result == "Hit: Scorched <1D6>") << result;
        hits += result != "Miss";
    }
    return hits;
}

TEST(Ship_Attack, Hits_Follow_The_Captain_And_Maneuver_Differences) {
    TCampaign_Folder campaign;
    campaign.Write("TABLES.TXT", "1\tShip hits\n1D2\n1\tScorched <1D6>\n2\tHoled\n");
    TTable tables;
    const TShip moving{.Tonage = 100, .Power = 300, .MR = 3};
    EXPECT_EQ(Hits(moving, moving, tables), 10);
    // 15 levels above counts as 10, a maneuver difference of 9 as 6: a hit only on 0.
    EXPECT_EQ(Hits(TShip{.MR = 9, .Captain = 15}, TShip{}, tables), 1);
    EXPECT_EQ(Hits(TShip{.Captain = 2147483647}, TShip{.Captain = -2147483647 - 1}, tables), 1);
    // A ship that is not moving has no maneuver rating for the shot, whoever fires.
    EXPECT_EQ(Hits(TShip{.MR = 3, .Not_Moving = true}, moving, tables), 13);
    EXPECT_EQ(Hits(moving, TShip{.MR = 3, .Not_Moving = true}, tables), 7);
    campaign.Write("TABLES.TXT", "2\tOther\n1D1\n1\tx\n");
    TTable without_table_1;
    TScripted_Random dice({0});
    TRandom_Override use(dice);
    EXPECT_EQ(Ship_Attack_Result(TShip{}, TShip{}, without_table_1), "Hit: ");
}

struct TNonlethal_Case {
    std::string (*Line)(int, int);
    int Roll, Bonus;
    const char* Expected;
};

class Nonlethal_Line : public testing::TestWithParam<TNonlethal_Case> {};

TEST_P(Nonlethal_Line, Reads) {
    EXPECT_EQ(GetParam().Line(GetParam().Roll, GetParam().Bonus), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Nonlethal, Nonlethal_Line,
    testing::Values(
        TNonlethal_Case{Pummeling_Line, 0, 0, "Severe blow.  Opponent stunned 1 round.  10 hp (2 actual)"},
        TNonlethal_Case{Pummeling_Line, 20, 5, "Ineffective, get second attempt"},
        TNonlethal_Case{Pummeling_Line, 30, 0, "Glancing blow  2 hp (1 actual)"},
        TNonlethal_Case{Pummeling_Line, 40, -3, "Glancing blow"},
        TNonlethal_Case{Pummeling_Line, 41, 0, "Glancing blow, get second attempt  4 hp (1 actual)"},
        TNonlethal_Case{Pummeling_Line, 80, 3, "Solid punch  9 hp (2 actual)"},
        TNonlethal_Case{Pummeling_Line, 99, 0, "Solid punch, get second attempt  8 hp (2 actual)"},
        TNonlethal_Case{Grappling_Line, 0, 0, "6 hp (1 actual)"},
        TNonlethal_Case{Grappling_Line, 96, 0, "6 hp (1 actual)"},
        TNonlethal_Case{Grappling_Line, 20, 7, "0 hp"}, TNonlethal_Case{Grappling_Line, 21, -5, "-4 hp"},
        TNonlethal_Case{Grappling_Line, 56, 5, "8 hp (2 actual)"},
        TNonlethal_Case{Overbearing_Line, 0, 0, "5 hp (2 actual)"},
        TNonlethal_Case{Overbearing_Line, 91, 0, "5 hp (2 actual)"},
        TNonlethal_Case{Overbearing_Line, 1, 10, "0 hp"},
        TNonlethal_Case{Overbearing_Line, 40, 0, "1 hp (1 actual)"},
        TNonlethal_Case{Overbearing_Line, 81, 4, "8 hp (4 actual)"}));

TEST(Nonlethal, Roll_Writes_Three_Blocks_Of_Twenty) {
    TCampaign_Folder campaign;
    TOutput_File output([](const std::string& message) { FAIL() << message; });
    output.Set_File_Name("log.txt");
    TFunction_Random dice([](int) { return 30; });
    TRandom_Override use(dice);
    const TNonlethal_Results results = Roll_Nonlethal(output, 0);
    EXPECT_EQ(results.Pummeling.Lines, std::vector<std::string>(20, "Glancing blow  2 hp (1 actual)"));
    EXPECT_EQ(results.Grappling.Lines, std::vector<std::string>(20, "1 hp (1 actual)"));
    EXPECT_EQ(results.Overbearing.Lines.size(), 20u);
    const std::string log = Read_File("log.txt").value_or("");
    for (const char* heading :
         {"\r\nPummeling\r\n\r\nGlancing", "\r\nGrappling\r\n\r\n1 hp", "\r\nOverbearing\r\n\r\n1"})
        EXPECT_NE(log.find(heading), std::string::npos) << heading;
}

// A strength bonus beyond any hit points stops each block at its first damaging line, with the
// overflow message, instead of escaping the tool.
TEST(Nonlethal, Bonus_Too_Large_Stops_Each_Block_With_Its_Message) {
    TOutput_File output([](const std::string&) {});
    TFunction_Random dice([](int) { return 30; });
    TRandom_Override use(dice);
    const TNonlethal_Results results = Roll_Nonlethal(output, INT_MAX);
    for (const TRoll_Result* block : {&results.Pummeling, &results.Grappling, &results.Overbearing}) {
        EXPECT_TRUE(block->Lines.empty());
        EXPECT_FALSE(block->Error.empty());
    }
}

} // namespace
} // namespace Vexlor
