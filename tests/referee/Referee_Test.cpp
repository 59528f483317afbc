#include "referee/Referee.h"

#include "Referee_Test_Support.h"
#include "catalogues/Compounds.h"
#include "catalogues/Item_Template.h"
#include "catalogues/QID_Plan.h"
#include "foundations/Random.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace Vexlor {
namespace {

std::vector<std::string> File_Lines(const std::filesystem::path& path) {
    std::vector<std::string> lines;
    const std::string bytes = Read_File(path).value_or("");
    std::size_t from = 0;
    for (auto end = bytes.find("\r\n"); end != std::string::npos; end = bytes.find("\r\n", from)) {
        lines.push_back(bytes.substr(from, end - from));
        from = end + 2;
    }
    EXPECT_EQ(from, bytes.size()) << "every line ends in CR LF";
    return lines;
}

class Referee_Test : public testing::Test {
  protected:
    TCampaign_Folder Campaign;
    TTable Tables;
    std::vector<std::string> Errors;
    TOutput_File Output{[this](const std::string& message) { Errors.push_back(message); }};
    TReferee Referee{Tables, TCatalogues{}, Output};
};

TEST(Evaluate, Replaces_Bracketed_Expressions_By_Their_Values) {
    EXPECT_EQ(TReferee::Evaluate("Found <2*10> credits"), "Found 20 credits");
    EXPECT_EQ(TReferee::Evaluate("<1/3>"), "0.33333333333");
    EXPECT_EQ(TReferee::Evaluate("<5/2> and <1+1>"), "2.5 and 2");
    EXPECT_EQ(TReferee::Evaluate("<nonsense+>"), "0");
    EXPECT_EQ(TReferee::Evaluate("open <1+1"), "open <1+1");
    EXPECT_EQ(TReferee::Evaluate("a > b <3>"), "a > b 3");
    EXPECT_EQ(TReferee::Int_Eval("7/2"), 3);
    EXPECT_EQ(TReferee::Int_Eval("-7/2"), -3);
    EXPECT_EQ(TReferee::Int_Eval("1/0"), 0);
    EXPECT_EQ(TReferee::Int_Eval("10^20"), 0);
}

TEST(Range_To_Dice, Finds_Dice_With_Exactly_The_Range) {
    EXPECT_EQ(Range_To_Dice(3, 18), "3d6");
    EXPECT_EQ(Range_To_Dice(2, 20), "2d10");
    EXPECT_EQ(Range_To_Dice(4, 10), "3d3+1");
    EXPECT_EQ(Range_To_Dice(1, 7), "1d7");
    EXPECT_EQ(Range_To_Dice(2, 12), "2d6");
    EXPECT_EQ(Range_To_Dice(12, 2), "");
    EXPECT_EQ(Range_To_Dice(5, 5), "");
    // A range from 0 or below has no dice; it does nothing rather than divide by zero.
    EXPECT_EQ(Range_To_Dice(0, 5), "");
    for (int low = 1; low < 12; ++low)
        for (int high = low + 1; high < 40; ++high) {
            const std::string dice = Range_To_Dice(low, high);
            const auto d = dice.find('d'), plus = dice.find('+');
            const int count = std::stoi(dice.substr(0, d));
            const int sides = std::stoi(dice.substr(d + 1, plus - d - 1));
            const int bonus = plus == std::string::npos ? 0 : std::stoi(dice.substr(plus + 1));
            EXPECT_EQ(count + bonus, low) << dice;
            EXPECT_EQ(count * sides + bonus, high) << dice;
        }
}

// The dice of a range are the first of count = low, low - 1, ... whose sides come out whole, as a
// game master would try them by hand; the divisor search must find the same dice.
TEST(Range_To_Dice, Agrees_With_Trying_Every_Count_From_The_Low_Bound_Down) {
    const auto by_hand = [](int low, int high) {
        for (int r = 0;; ++r)
            if (low - r == 1 || (high - r) % (low - r) == 0) {
                const std::string dice =
                    std::to_string(low - r) + "d" + std::to_string((high - r) / (low - r));
                return r > 0 ? dice + "+" + std::to_string(r) : dice;
            }
    };
    for (int low = 1; low < 80; ++low)
        for (int high = low + 1; high < 400; ++high)
            ASSERT_EQ(Range_To_Dice(low, high), by_hand(low, high)) << low << "-" << high;
}

TEST(Range_To_Dice, Huge_Bounds_Come_Out_At_Once) {
    const struct {
        int Low, High;
        const char* Dice;
    } cases[] = {
        {2000000000, 2000000001, "1d2+1999999999"},
        {1, 2147483647, "1d2147483647"},
        {2000000000, 2147483647, "147483647d2+1852516353"},
        {65536, 65536 + 65536 * 3, "65536d4"},
        {1000000000, 2000000000, "1000000000d2"},
        {1000, 1000 + 999983, "1d999984+999"}, // a prime spread: one die
    };
    for (const auto& range : cases)
        EXPECT_EQ(Range_To_Dice(range.Low, range.High), range.Dice) << range.Low << "-" << range.High;
}

TEST_F(Referee_Test, Roll_Of_A_Huge_Range_Stays_In_It) {
    std::string die_roll = "2000000000-2000000001";
    const auto rolls = Referee.Roll(die_roll)->Lines;
    EXPECT_EQ(die_roll, "1d2+1999999999");
    ASSERT_EQ(rolls.size(), 20u);
    for (const auto& roll : rolls)
        EXPECT_TRUE(roll == "2000000000" || roll == "2000000001") << roll;
}

TEST_F(Referee_Test, Roll_Gives_Twenty_Results_In_Range) {
    std::string die_roll = "1d6";
    const auto rolls = Referee.Roll(die_roll)->Lines;
    ASSERT_EQ(rolls.size(), 20u);
    for (const auto& roll : rolls)
        EXPECT_TRUE(std::stoi(roll) >= 1 && std::stoi(roll) <= 6) << roll;
    die_roll = "3D6+2";
    const auto more = Referee.Roll(die_roll)->Lines;
    for (const auto& roll : more)
        EXPECT_TRUE(std::stoi(roll) >= 5 && std::stoi(roll) <= 20) << roll;
}

TEST_F(Referee_Test, Roll_Turns_A_Range_Into_Dice_And_Ignores_Other_Text) {
    std::string die_roll = "2-12";
    EXPECT_EQ(Referee.Roll(die_roll)->Lines.size(), 20u);
    EXPECT_EQ(die_roll, "2d6");
    for (const char* nothing : {"12-2", "5", "", "D6", "6D", "-", "x-y", "abc"}) {
        die_roll = nothing;
        EXPECT_FALSE(Referee.Roll(die_roll)) << nothing;
        EXPECT_EQ(die_roll, nothing);
    }
}

TEST_F(Referee_Test, Output_File_Writes_Heading_Block_Once_Per_Heading) {
    const auto log = Campaign.Path / "evening.txt";
    Output.Set_File_Name(log.string());
    std::string die_roll = "1d6";
    Referee.Roll(die_roll);
    Referee.Roll(die_roll);
    die_roll = "2d4";
    Referee.Roll(die_roll);
    auto lines = File_Lines(log);
    ASSERT_EQ(lines.size(), 3u + 40u + 3u + 20u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "1D6 Dice rolls");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[44], "2D4 Dice rolls");

    // A newly chosen file starts with its heading block, even under the same heading.
    Output.Set_File_Name(log.string());
    Referee.Roll(die_roll);
    lines = File_Lines(log);
    ASSERT_EQ(lines.size(), 66u + 23u);
    EXPECT_EQ(lines[67], "2D4 Dice rolls");
    EXPECT_TRUE(Errors.empty());
}

TEST_F(Referee_Test, Output_File_Errors_Are_Reported_Once_Per_Block) {
    Output.Set_File_Name((Campaign.Path / "no such folder" / "log.txt").string());
    std::string die_roll = "1d6";
    EXPECT_EQ(Referee.Roll(die_roll)->Lines.size(), 20u);
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0], "Path not found while writing " +
                             (Campaign.Path / "no such folder" / "log.txt").string() + " (the folder " +
                             (Campaign.Path / "no such folder").string() + " does not exist)");
    Referee.Roll(die_roll);
    EXPECT_EQ(Errors.size(), 1u);
    die_roll = "1d8";
    Referee.Roll(die_roll);
    EXPECT_EQ(Errors.size(), 2u);
}

TEST_F(Referee_Test, Heading_Reaches_A_Log_That_Could_Not_Be_Opened_At_First) {
    const auto folder = Campaign.Path / "later";
    Output.Set_File_Name((folder / "log.txt").string());
    TResult_Lines lines(Output, "1D6 Dice rolls");
    lines.Add("3");
    std::filesystem::create_directory(folder);
    lines.Add("4");
    EXPECT_EQ(Errors.size(), 1u);
    EXPECT_EQ(File_Lines(folder / "log.txt"), (std::vector<std::string>{"", "1D6 Dice rolls", "", "4"}));
}

TEST_F(Referee_Test, A_Typed_Name_Starts_A_Block_Only_For_Another_File) {
    const auto first = (Campaign.Path / "first.txt").string(),
               second = (Campaign.Path / "second.txt").string();
    Output.Type_File_Name(first);
    std::string die_roll = "1d6";
    Referee.Roll(die_roll);
    Output.Type_File_Name(first); // leaving the box unchanged
    Referee.Roll(die_roll);
    EXPECT_EQ(File_Lines(first).size(), 3u + 40u);
    Output.Type_File_Name(second);
    Referee.Roll(die_roll);
    const auto lines = File_Lines(second);
    ASSERT_EQ(lines.size(), 3u + 20u);
    EXPECT_EQ(lines[1], "1D6 Dice rolls");
}

TEST_F(Referee_Test, Full_Disk_Is_Reported_As_Write_Error) {
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    Output.Set_File_Name("/dev/full");
    std::string die_roll = "1d6";
    Referee.Roll(die_roll);
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0], "Disk write error while writing /dev/full (the disk is full)");
}

TEST_F(Referee_Test, Table_Tab_Shows_Raw_Results_And_Expansion_Follows_Codes) {
    Campaign.Write("TABLES.TXT", "5\tLoot\n1D1\n1\t@6;a gold ring <2*3> times\n\n"
                                 "6\tCoins\n1D1\n1\t<10*10> credits\n\n"
                                 "7\tNumbers\n1D1\n1\t@x;@;@Q;plain\n\n"
                                 "8\tLoop\n1D1\n1\t@8;again\n\n"
                                 "9\tTwice\n1D1\n1\t@9;@9;x\n");
    EXPECT_EQ(Referee.Generate_Table(" 5 ")->Lines, (std::vector<std::string>{"@6;a gold ring <2*3> times"}));
    EXPECT_FALSE(Referee.Generate_Table("five"));
    EXPECT_EQ(Referee.Generate(5), "100 credits; a gold ring 6 times");
    // Codes that do not read add nothing, so no separator is needed before the plain text.
    EXPECT_EQ(Referee.Generate(7), "plain");
    // A table that expands into itself stops after a bounded depth.
    const std::string loop = Referee.Generate(8);
    EXPECT_EQ(loop.substr(loop.size() - 5), "again");
    // One that expands into itself twice would double its work at every step down: the whole
    // result shares the tables of one roll instead, so it ends after at most that many.
    const std::string twice = Referee.Generate(9);
    const auto expanded = std::count(twice.begin(), twice.end(), 'x');
    EXPECT_GT(expanded, 64);
    EXPECT_LE(expanded, 10001);
    EXPECT_EQ(Referee.Generate(99), "");
}

template <class T> T* Record(const char* name, int level) {
    auto* record = new T;
    record->Set_Name(name);
    record->Set_Level(level);
    return record;
}

TItem_Template* Item(const char* name, TItem_Class classification) {
    auto* item = new TItem_Template;
    item->Set_Name(name);
    item->Set_Classification(classification);
    return item;
}

class Referee_Catalogue_Test : public Referee_Test {
  protected:
    void SetUp() override {
        QIDs.Add(Record<TQID_Plan>("Force Field", 3));
        QIDs.Add(Record<TQID_Plan>("Phase Step", 3));
        QIDs.Add(Record<TQID_Plan>("Light", 1));
        Compounds.Add(Record<TCompound_Plan>("Stimulant", 2));
        Items.Add(Item("Laser Pistol", static_cast<TItem_Class>(2)));
        Items.Add(Item("Medkit", static_cast<TItem_Class>(0)));
        Campaign.Write("TABLES.TXT", "5\tLoot\n1D1\n1\t@Q3;@P1;@C2;@R2;@6;a gold ring\n\n"
                                     "6\tCoins\n1D1\n1\t<10*10> credits\n\n"
                                     "7\tArmed\n1D1\n1\t@W\n\n"
                                     "220\tWeapon detail\n1D1\n1\t (charged)\n");
    }
    TMemory_Registry<TQID_Plan, TQID_Registry> QIDs;
    TMemory_Registry<TCompound_Plan, TCompound_Registry> Compounds;
    TMemory_Registry<TItem_Template, TItem_Registry> Items;
    TReferee Stocked{Tables, TCatalogues{&Items, nullptr, &QIDs, &Compounds, nullptr, nullptr}, Output};
};

TEST_F(Referee_Catalogue_Test, Random_Plans_Come_From_The_Level_Asked) {
    TScripted_Random draws({1, 0, 0});
    TRandom_Override use(draws);
    EXPECT_EQ(Stocked.Random_QID(3), "Phase Step");
    EXPECT_EQ(Stocked.Random_QID(1), "Light");
    EXPECT_EQ(Stocked.Random_Compound(2), "Stimulant");
    EXPECT_EQ(Stocked.Random_QID(7), "");
    EXPECT_EQ(Stocked.Random_Compound(1), "");
    EXPECT_EQ(draws.Requests(), (std::vector<int>{2, 1, 1}));
}

TEST_F(Referee_Catalogue_Test, Codes_Expand_Into_Catalogue_Names_And_Tables) {
    TFunction_Random first([](int) { return 0; });
    TRandom_Override use(first);
    EXPECT_EQ(
        Stocked.Generate(5),
        "Force Field QID; Light QID plan; Stimulant; Stimulant compound recipe; 100 credits; a gold ring");
    EXPECT_EQ(Stocked.Generate(7), "Laser Pistol (charged)");
}

} // namespace
} // namespace Vexlor
