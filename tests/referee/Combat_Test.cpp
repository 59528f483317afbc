#include "referee/Combat.h"

#include "Referee_Test_Support.h"
#include "foundations/Random.h"

#include <gtest/gtest.h>

namespace Vexlor {
namespace {

struct TCell {
    int Row, Column;
};
constexpr TCell Always_Destroyed_Cells[] = {{1, 4}, {3, 4}, {5, 4}, {6, 4}, {9, 4}, {9, 5}, {12, 4}};
constexpr TCell Never_Written_Cells[] = {{4, 2}, {4, 4}};
constexpr TCell Ceramic_Cells[] = {{2, 2}, {2, 4}};
constexpr int Rolled_Cells = 13 * 8 - 7 - 2;

TEST(Item_Vs_Effect, Grid_Before_The_First_Roll) {
    const TItem_Vs_Effect grid;
    EXPECT_EQ(grid.Cell(0, 0), "");
    EXPECT_EQ(grid.Cell(1, 0), "Acid");
    EXPECT_EQ(grid.Cell(8, 0), "Energy/Electr");
    EXPECT_EQ(grid.Cell(0, 1), "Bone/ivory");
    EXPECT_EQ(grid.Cell(0, 13), "Other");
    int destroyed = 0;
    for (int row = 1; row <= 13; ++row)
        for (int column = 1; column <= 8; ++column)
            destroyed += grid.Cell(column, row) == "Destroyed";
    EXPECT_EQ(destroyed, 9);
    for (const auto& [row, column] : Always_Destroyed_Cells)
        EXPECT_EQ(grid.Cell(column, row), "Destroyed") << row << "/" << column;
    for (const auto& [row, column] : Ceramic_Cells)
        EXPECT_EQ(grid.Cell(column, row), "Destroyed") << row << "/" << column;
    EXPECT_THROW(grid.Cell(9, 1), std::out_of_range);
}

TEST(Item_Vs_Effect, Roll_Of_1_Saves_Every_Rolled_Cell_Without_Second_Rolls) {
    TItem_Vs_Effect grid;
    TScripted_Random dice({0});
    TRandom_Override use(dice);
    grid.Roll();
    EXPECT_EQ(dice.Remaining(), 0u);
    EXPECT_EQ(grid.Cell(2, 2), "Safe"); // Ceramic cells are rolled from now on
    EXPECT_EQ(grid.Cell(4, 2), "Safe");
    for (const auto& [row, column] : Always_Destroyed_Cells)
        EXPECT_EQ(grid.Cell(column, row), "Destroyed");
    for (const auto& [row, column] : Never_Written_Cells)
        EXPECT_EQ(grid.Cell(column, row), "");
}

// A roll of 100 fails every save; the second roll destroys only when it is above the save number,
// so a 99 only damages the cells whose save is 99 (Liquid against blows, Polymer against cold).
TEST(Item_Vs_Effect, Second_Roll_Destroys_Only_Above_The_Save) {
    TItem_Vs_Effect grid;
    std::vector<int> draws(1 + Rolled_Cells, 99);
    TScripted_Random dice(draws);
    TRandom_Override use(dice);
    grid.Roll();
    EXPECT_EQ(dice.Remaining(), 0u);
    EXPECT_EQ(grid.Cell(2, 6), "Damaged");
    EXPECT_EQ(grid.Cell(3, 6), "Damaged");
    EXPECT_EQ(grid.Cell(7, 10), "Damaged");
    EXPECT_EQ(grid.Cell(1, 1), "Destroyed");
    EXPECT_EQ(grid.Cell(2, 2), "Destroyed");
    for (const auto& [row, column] : Never_Written_Cells)
        EXPECT_EQ(grid.Cell(column, row), "");
}

// A roll equal to the save number fails it: Bone/ivory against acid (40) with 40, then a second
// roll equal to 40 damages; the cells go material by material, left to right.
TEST(Item_Vs_Effect, Roll_Equal_To_The_Save_Fails_It) {
    TItem_Vs_Effect grid;
    // Bone/ivory: Acid 40 fails (second roll 40), Severe Blow 20 fails (second roll 21), Blow 50
    // is safe; Disintegrate is never rolled; Hot fire 55, Fire 85, Extreme Cold 90 and
    // Energy/Electr 95 are safe. Every later cell is safe except those below 41.
    std::vector<int> draws{39, 40, 21};
    for (int row = 2; row <= 13; ++row)
        for (int column = 1; column <= 8; ++column)
            if (Item_Saves[row][column] >= 1 && Item_Saves[row][column] <= 40)
                draws.push_back(0);
    TScripted_Random dice(draws);
    TRandom_Override use(dice);
    grid.Roll();
    EXPECT_EQ(dice.Remaining(), 0u);
    EXPECT_EQ(grid.Cell(1, 1), "Damaged");
    EXPECT_EQ(grid.Cell(2, 1), "Destroyed");
    EXPECT_EQ(grid.Cell(3, 1), "Safe");
    EXPECT_EQ(grid.Cell(2, 2), "Damaged"); // Ceramic, severe blow 10
    EXPECT_EQ(grid.Cell(1, 2), "Safe");    // Ceramic, acid 90
}

TEST(Ship_Attack, Table_Is_Ten_Less_Both_Differences_But_At_Least_1) {
    EXPECT_EQ(Ship_Attack[-10][-6], 26);
    EXPECT_EQ(Ship_Attack[0][0], 10);
    EXPECT_EQ(Ship_Attack[3][-2], 9);
    EXPECT_EQ(Ship_Attack[5][4], 1);
    EXPECT_EQ(Ship_Attack[10][6], 1);
    EXPECT_EQ(Ship_Attack[9][-6], 7);
    EXPECT_THROW(Ship_Attack[11][0], std::out_of_range);
}

TEST(Ship_Attack, Maneuver_Rating_Is_Power_Per_Ton) {
    EXPECT_EQ(Maneuver_Rating(10, 25), 2);
    EXPECT_EQ(Maneuver_Rating(3, -7), -2);
    EXPECT_EQ(Maneuver_Rating(1, 0), 0);
    EXPECT_EQ(Maneuver_Rating(0, 5), 5);
}

class Ship_Combat_Test : public testing::Test {
  protected:
    void SetUp() override { Campaign.Write("TABLES.TXT", "1\tShip hits\n1D2\n1\tScorched\n2\tHoled\n"); }
    // The hits among the 20 values of the 0..19 roll; a hit also rolls table 1 (1D2: first entry).
    int Hits(const TShip& attacker, const TShip& target) {
        int hits = 0;
        for (int r = 0; r < 20; ++r) {
            TScripted_Random dice({r, 0});
            TRandom_Override use(dice);
            const std::string result = Ship_Attack_Result(attacker, target, Tables);
            EXPECT_TRUE(result == "Miss" || result == "Hit: Scorched") << result;
            hits += result != "Miss";
        }
        return hits;
    }
    TCampaign_Folder Campaign;
    TTable Tables;
};

TEST_F(Ship_Combat_Test, Hits_Follow_The_Captain_And_Maneuver_Differences) {
    const TShip moving{.Tonage = 100, .Power = 300, .MR = 3};
    EXPECT_EQ(Hits(moving, moving), 10);
    // 15 levels above counts as 10, a maneuver difference of 9 as 6: a hit only on 0.
    EXPECT_EQ(Hits(TShip{.MR = 9, .Captain = 15}, TShip{}), 1);
    EXPECT_EQ(Hits(TShip{.MR = -40, .Captain = -30}, TShip{}), 20);
    // A ship that is not moving has no maneuver rating for the shot, whoever fires.
    EXPECT_EQ(Hits(TShip{.MR = 3, .Not_Moving = true}, moving), 13);
    EXPECT_EQ(Hits(moving, TShip{.MR = 3, .Not_Moving = true}), 7);
    EXPECT_EQ(Hits(TShip{.Captain = 2147483647}, TShip{.Captain = -2147483647 - 1}), 1);
}

TEST_F(Ship_Combat_Test, Hit_Result_Comes_From_Table_1_Unexpanded) {
    Campaign.Write("TABLES.TXT", "1\tShip hits\n1D1\n1\tLoses <2*5> hull points\n");
    TScripted_Random dice({0});
    TRandom_Override use(dice);
    EXPECT_EQ(Ship_Attack_Result(TShip{}, TShip{}, Tables), "Hit: Loses <2*5> hull points");
}

TEST_F(Ship_Combat_Test, Missing_Table_1_Gives_A_Bare_Hit) {
    Campaign.Write("TABLES.TXT", "2\tOther\n1D1\n1\tx\n");
    TScripted_Random dice({0});
    TRandom_Override use(dice);
    EXPECT_EQ(Ship_Attack_Result(TShip{}, TShip{}, Tables), "Hit: ");
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
        TNonlethal_Case{Pummeling_Line, 1, 5, "Ineffective, get second attempt"},
        TNonlethal_Case{Pummeling_Line, 20, 0, "Ineffective, get second attempt"},
        TNonlethal_Case{Pummeling_Line, 30, 0, "Glancing blow  2 hp (1 actual)"},
        TNonlethal_Case{Pummeling_Line, 40, -3, "Glancing blow"},
        TNonlethal_Case{Pummeling_Line, 41, 0, "Glancing blow, get second attempt  4 hp (1 actual)"},
        TNonlethal_Case{Pummeling_Line, 80, 3, "Solid punch  9 hp (2 actual)"},
        TNonlethal_Case{Pummeling_Line, 99, 0, "Solid punch, get second attempt  8 hp (2 actual)"},
        TNonlethal_Case{Grappling_Line, 0, 0, "6 hp (1 actual)"},
        TNonlethal_Case{Grappling_Line, 96, 0, "6 hp (1 actual)"},
        TNonlethal_Case{Grappling_Line, 20, 7, "0 hp"}, TNonlethal_Case{Grappling_Line, 21, -5, "-4 hp"},
        TNonlethal_Case{Grappling_Line, 55, 0, "2 hp (1 actual)"},
        TNonlethal_Case{Grappling_Line, 56, 5, "8 hp (2 actual)"},
        TNonlethal_Case{Grappling_Line, 95, 0, "5 hp (1 actual)"},
        TNonlethal_Case{Overbearing_Line, 0, 0, "5 hp (2 actual)"},
        TNonlethal_Case{Overbearing_Line, 91, 0, "5 hp (2 actual)"},
        TNonlethal_Case{Overbearing_Line, 1, 10, "0 hp"},
        TNonlethal_Case{Overbearing_Line, 40, 0, "1 hp (1 actual)"},
        TNonlethal_Case{Overbearing_Line, 60, -2, "0 hp"},
        TNonlethal_Case{Overbearing_Line, 81, 4, "8 hp (4 actual)"}));

TEST(Nonlethal, Roll_Writes_Three_Blocks_Of_Twenty) {
    TCampaign_Folder campaign;
    TOutput_File output([](const std::string& message) { FAIL() << message; });
    output.Set_File_Name("log.txt");
    TFunction_Random dice([](int) { return 30; });
    TRandom_Override use(dice);
    const TNonlethal_Results results = Roll_Nonlethal(output, 0);
    EXPECT_EQ(results.Pummeling, std::vector<std::string>(20, "Glancing blow  2 hp (1 actual)"));
    EXPECT_EQ(results.Grappling, std::vector<std::string>(20, "1 hp (1 actual)"));
    EXPECT_EQ(results.Overbearing, std::vector<std::string>(20, "1 hp (1 actual)"));
    const std::string log = Read_File("log.txt").value_or("");
    EXPECT_EQ(log.find("\r\nPummeling\r\n\r\nGlancing blow  2 hp (1 actual)\r\n"), 0u);
    EXPECT_NE(log.find("\r\nGrappling\r\n\r\n1 hp (1 actual)\r\n"), std::string::npos);
    EXPECT_NE(log.find("\r\nOverbearing\r\n\r\n1 hp (1 actual)\r\n"), std::string::npos);
}

} // namespace
} // namespace Vexlor
