#include "referee/Gems.h"
#include "referee/Treasure.h"

#include "Referee_Test_Support.h"
#include "catalogues/Item_Template.h"
#include "foundations/Random.h"

#include <gtest/gtest.h>

namespace Vexlor {
namespace {

const std::string Treasure_Tables = "3\tJewelry\n1D2\n1\tA ring;2D6*10\n2\tA stone\n\n"
                                    "6\tGem base\n1D7\n1\t10\n2\t1000000\n3\t<3*5>\n4\tabc\n5-7\t10\n\n"
                                    "7\tGem step\n1D9\n1\t+\n2\t-\n3\t*2\n4-9\t*1\n\n"
                                    "251\tGem kind\n1D1\n1\tjade\n\n";

class Treasure_Test : public testing::Test {
  protected:
    void SetUp() override {
        Campaign.Write("TABLES.TXT", Treasure_Tables + Item_Tables());
        auto* minor = new TItem_Template;
        minor->Set_Name("Whisper Stone");
        minor->Set_Classification(IC_Minor_Artifact);
        Items.Add(minor);
    }
    static std::string Item_Tables() {
        std::string text;
        for (const int table : {200, 201, 202, 203, 209, 237, 238})
            text += std::to_string(table) + "\tItems\n1D1\n1\tfrom " + std::to_string(table) + "\n\n";
        return text + "210\tArtifact\n1D2\n1\tWhisper Stone\n2\tThe Silent Bell\n\n"
                      "213\tPowers\n1D2\n1\t:\n2\tGlows.\n\n"
                      "214\tPowers\n1D1\n1\t:\n\n";
    }
    TCampaign_Folder Campaign;
    TTable Tables;
    TOutput_File Output{[](const std::string&) {}};
    TMemory_Registry<TItem_Template, TItem_Registry> Items;
    TReferee Referee{Tables, TCatalogues{.Items = &Items}, Output};
};

TEST(Value_Index, Finds_The_Highest_Rung_Not_Above_The_Value) {
    const std::pair<double, int> cases[] = {{-3, 0},   {0.1, 0}, {0.49, 0},    {0.5, 1},  {1, 2},
                                            {9.99, 4}, {10, 5},  {999999, 16}, {1e6, 17}, {5e9, 17}};
    for (const auto& [value, index] : cases)
        EXPECT_EQ(Value_Index(value), index) << value;
}

// Table 6 (1D7): 10, 1000000, <3*5>, abc, 10... Table 7 (1D9): +, -, *2, *1...
TEST_F(Treasure_Test, Gem_Climbs_And_Falls_The_Ladder) {
    const std::pair<std::vector<int>, std::int64_t> cases[] = {
        {{0, 0, 0, 2}, 200},        // 10, up to 50, up to 100, times 2
        {{1, 0}, 1000000},          // a "+" at the top leaves the value
        {{1, 1, 2}, 1000000},       // 500000 times 2
        {{2, 1, 3}, 5},             // 15 moves down from the rung of 10
        {{2, 0, 3}, 50},            // and up from it
        {{0, 1, 1, 1, 1, 1, 1}, 0}, // 5, 2, 1, 0.5, 0.1, and a "-" at the bottom
    };
    for (const auto& [draws, value] : cases) {
        TScripted_Random dice(draws);
        TRandom_Override use(dice);
        EXPECT_EQ(Generate_Gem(Referee), value);
        EXPECT_EQ(dice.Remaining(), 0u);
    }
}

TEST_F(Treasure_Test, Gems_Stop_At_A_Base_That_Is_Not_A_Number) {
    TScripted_Random dice({0, 3, 3}); // table 251 rolls 1D1, which draws nothing
    TRandom_Override use(dice);
    const TRoll_Result gems = Roll_Gems(Referee);
    EXPECT_EQ(gems.Lines, std::vector<std::string>{"10 cr jade"});
    EXPECT_EQ(gems.Error, "Table 6 of TABLES.TXT: 'abc' is not a valid integer value");
}

TEST_F(Treasure_Test, Jewelry_Is_Described_And_Priced) {
    TFunction_Random dice([](int n) { return n - 1; });
    TRandom_Override use(dice);
    EXPECT_EQ(Roll_Jewelry(Referee).Lines, std::vector<std::string>(20, "A stone, 0 cr"));
    TFunction_Random low([](int) { return 0; });
    TRandom_Override use_low(low);
    EXPECT_EQ(Roll_Jewelry(Referee).Lines[0], "A ring, 20 cr");
}

struct TLetter_Case {
    char Letter;
    const char* Highest; // every die at its highest face
    const char* Lowest;
};

class Treasure_Letter : public Treasure_Test, public testing::WithParamInterface<TLetter_Case> {};

std::string Gems_Of_10(int count) {
    std::string text = std::to_string(count) + " gems: ";
    for (int i = 0; i < count; ++i)
        text += (i ? ", " : "") + std::string("10 cr");
    return text + " (Total=" + std::to_string(10 * count) + ")";
}

// Gems: base 10 (table 6 at its lowest) then *1 (table 7 at its highest).
TEST_P(Treasure_Letter, Adds_Its_Roll) {
    const std::string letters(1, GetParam().Letter);
    const auto roll = [&](bool highest) {
        TFunction_Random dice([&](int n) { return n == 9 ? 8 : n == 7 || !highest ? 0 : n - 1; });
        TRandom_Override use(dice);
        return Get_Treasure(Referee, letters);
    };
    EXPECT_EQ(roll(true), GetParam().Highest);
    EXPECT_EQ(roll(false), GetParam().Lowest);
}

const std::string Gems_8 = Gems_Of_10(8), Gems_2 = Gems_Of_10(2);

INSTANTIATE_TEST_SUITE_P(
    Every_Letter, Treasure_Letter,
    testing::Values(
        TLetter_Case{'A', "40 pounds of copper.  ", "4 pounds of copper.  "},
        TLetter_Case{'B', "24 pounds of silver.  ", "3 pounds of silver.  "},
        TLetter_Case{'C', "18 pounds of gold.  ", "3 pounds of gold.  "},
        TLetter_Case{'D', "4 pounds of platinum.  ", "1 pounds of platinum.  "},
        TLetter_Case{'E', "4000 pounds of copper.  ", "400 pounds of copper.  "},
        TLetter_Case{'F', "2400 pounds of silver.  ", "300 pounds of silver.  "},
        TLetter_Case{'G', "600 pounds of gold.  ", "200 pounds of gold.  "},
        TLetter_Case{'H', "400 pounds of platinum.  ", "100 pounds of platinum.  "},
        TLetter_Case{'I', "40000 pounds of copper.  ", "4000 pounds of copper.  "},
        TLetter_Case{'J', "24000 pounds of silver.  ", "3000 pounds of silver.  "},
        TLetter_Case{'K', "3600 pounds of gold.  ", "600 pounds of gold.  "},
        TLetter_Case{'L', "800 pounds of platinum.  ", "80 pounds of platinum.  "},
        TLetter_Case{'M', Gems_8.c_str(), Gems_2.c_str()}, TLetter_Case{'S', "4 credits.  ", "1 credits.  "},
        TLetter_Case{'T', "8 credits.  ", "1 credits.  "}, TLetter_Case{'U', "12 credits.  ", "1 credits.  "},
        TLetter_Case{'V', "  from 200.  ", "  from 200.  "},
        TLetter_Case{'W', "  from 201.  ", "  from 201.  "},
        TLetter_Case{'X', "  from 202.  ", "  from 202.  "},
        TLetter_Case{'Y', "  from 203.  ", "  from 203.  "},
        TLetter_Case{'Z', "  The Silent Bell.  ", "  Whisper Stone.  "}, TLetter_Case{'a', "", ""}));

TEST_F(Treasure_Test, Gem_Counts_And_Order_Of_The_Parts) {
    TFunction_Random dice([](int n) { return n == 7 ? 0 : n == 9 ? 2 : n - 1; }); // gems of 10 times 2
    TRandom_Override use(dice);
    for (const auto& [letter, count] :
         std::vector<std::pair<char, int>>{{'N', 18}, {'O', 32}, {'P', 50}, {'Q', 72}, {'R', 200}}) {
        const std::string gems = Get_Treasure(Referee, std::string(1, letter));
        EXPECT_TRUE(gems.starts_with(std::to_string(count) + " gems: 20 cr, ")) << gems;
        EXPECT_TRUE(gems.ends_with(", 20 cr (Total=" + std::to_string(20 * count) + ")")) << gems;
    }
    // A letter twice adds both rolls into one total; other characters are passed over.
    EXPECT_EQ(Get_Treasure(Referee, "Z?SAVA-"),
              "80 pounds of copper.  4 credits.    from 200.    The Silent Bell.  ");
}

TEST_F(Treasure_Test, Artifact_Powers_Unless_A_Minor_Artifact) {
    TFunction_Random highest([](int n) { return n - 1; });
    TRandom_Override use(highest);
    // Ten powers from each table; a power already there (and ":", no power) is not repeated.
    EXPECT_EQ(Generate_Artifact(Referee), "The Silent Bell:  Glows.");
    TFunction_Random lowest([](int) { return 0; });
    TRandom_Override use_lowest(lowest);
    EXPECT_EQ(Generate_Artifact(Referee), "Whisper Stone");
    TReferee without_items(Tables, TCatalogues{}, Output);
    EXPECT_EQ(Generate_Artifact(without_items), "Whisper Stone: ");
}

TEST_F(Treasure_Test, Types_Roll_Their_Tables) {
    ASSERT_EQ(Treasure_Types.size(), 34u);
    EXPECT_EQ(Treasure_Types[1], "A");
    const std::pair<const char*, const char*> cases[] = {
        {"<Random>", "from 200"},   {"Monetary", "from 201"}, {"Other", "from 202"}, {"Combined", "from 203"},
        {"QID Device", "from 209"}, {"Weapon", "from 237"},   {"Armor", "from 238"}, {"W", "  from 201.  "}};
    for (const auto& [type, treasure] : cases) {
        const TRoll_Result result = Roll_Treasure(Referee, type);
        ASSERT_EQ(result.Lines.size(), 20u);
        EXPECT_EQ(result.Lines[18], treasure);
        EXPECT_EQ(result.Lines[19], "----------");
    }
}

} // namespace
} // namespace Vexlor
