#include "referee/Mishaps.h"

#include "Referee_Test_Support.h"
#include "foundations/Random.h"

#include <gtest/gtest.h>

namespace Vexlor {
namespace {

class Mishaps_Test : public testing::Test {
  protected:
    void SetUp() override {
        Campaign.Write("TABLES.TXT",
                       "5\tLost\n1D2\n1\tWalk in circles; see notes\n2\tFog\n\n"
                       "8\tPlants\n1D3\n1\tA tree <2*5> m tall*\n2\tA plain fern\n3\tA poison vine*\n\n"
                       "9\tProperty\n1D4\n1\tPoison\n2\tSweet fruit worth <3*4> credits.*\n"
                       "3\tGood rope.\n4\tSmoky.*\n\n"
                       "10\tPoison\n1D2\n1\tBlisters.\n2\tDeadly seeds.*\n\n"
                       "11\tCommando\n1D1\n1\tAlarm in <1D6> rounds.\n\n"
                       "12\tBiologist\n1D1\n1\t@13;bitten for <2*2> hp.\n\n"
                       "13\tOuch\n1D1\n1\tOuch\n");
    }
    std::string Plant(std::vector<int> draws) {
        TScripted_Random script(std::move(draws));
        TRandom_Override use(script);
        std::string line = Plant_Line(Referee);
        EXPECT_EQ(script.Remaining(), 0u) << line;
        return line;
    }
    TCampaign_Folder Campaign;
    TTable Tables;
    TOutput_File Output{[](const std::string&) {}};
    TReferee Referee{Tables, TCatalogues{}, Output};
};

// Draws are the table rolls: 1D3 on plants, 1D4 on properties, 1D2 on plant poisons.
TEST_F(Mishaps_Test, Plants_Take_Properties_While_They_Ask_For_More) {
    EXPECT_EQ(Plant({1}), "A plain fern");
    EXPECT_EQ(Plant({0, 1, 2}), "A tree 10 m tall  Sweet fruit worth 12 credits.  Good rope.");
    // A further property that itself asks for one more is not used.
    EXPECT_EQ(Plant({0, 3, 1}), "A tree 10 m tall  Smoky.");
    EXPECT_EQ(Plant({2, 0, 0}), "A poison vine  Blisters.");
    EXPECT_EQ(Plant({2, 0, 1, 2}), "A poison vine  Deadly seeds.  Good rope.");
}

TEST_F(Mishaps_Test, Plants_Whose_Properties_Always_Ask_For_More_End) {
    TFunction_Random poison_seeds([](int n) { return n == 2 ? 1 : 0; });
    TRandom_Override use(poison_seeds);
    std::string expected = "A tree 10 m tall";
    for (int i = 0; i < 8; ++i)
        expected += "  Deadly seeds.";
    EXPECT_EQ(Plant_Line(Referee), expected);
}

TEST_F(Mishaps_Test, Table_Tools_Give_Twenty_Lines) {
    TFunction_Random first([](int) { return 0; });
    TRandom_Override use(first);
    EXPECT_EQ(Roll_Lost(Referee).Lines, std::vector<std::string>(20, "Walk in circles"));
    EXPECT_EQ(Roll_Plants(Referee).Lines, std::vector<std::string>(20, "A tree 10 m tall  Blisters."));
    EXPECT_EQ(Roll_Commando_Failure(Referee).Lines, std::vector<std::string>(20, "Alarm in <1D6> rounds."));
    EXPECT_EQ(Roll_Biologist_Failure(Referee).Lines, std::vector<std::string>(20, "Ouch; bitten for 4 hp."));
}

} // namespace
} // namespace Vexlor
