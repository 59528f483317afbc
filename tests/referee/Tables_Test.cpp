#include "referee/Tables.h"

#include "Referee_Test_Support.h"
#include "foundations/Random.h"

#include <gtest/gtest.h>

namespace Vexlor {
namespace {

const std::string Weather_File = "Remarks on this file\r\n"
                                 "are a block of their own\r\n"
                                 "\r\n"
                                 "7\tWeather\r\n"
                                 "1 d 6\r\n"
                                 "1-3\tRain\r\n"
                                 "4-5\tFog\r\n"
                                 "6\tSnow\r\n"
                                 "\r\n"
                                 "\r\n"
                                 "8\tSky\n"
                                 "1D1\n"
                                 "1\tgrey\n"
                                 "\n"
                                 "9\tWind\n"
                                 "1D1\n"
                                 "1\tgusty\n"
                                 "\n"
                                 "10\tCombined\n"
                                 "1D10\n"
                                 "1\t@8,@9,with rain\n"
                                 "2\t@8x2D1\n"
                                 "3\t@8x3\n"
                                 "4\t@8 and more\n"
                                 "5\t@0\n"
                                 "6\t@12abc,tail\n"
                                 "7\t@8,@99\n"
                                 "91-00\tpercentile\n"
                                 "\n"
                                 "11\tAlias of sky\n"
                                 "@8\n"
                                 "\n"
                                 "12\tNothing at all\n"
                                 "1D6\n"
                                 "\n"
                                 "13\tPercent\n"
                                 "1D100\n"
                                 "00\twhole range\n"
                                 "\n"
                                 "14\tTen\n"
                                 "1D10\n"
                                 "0\tzero to ten\n"
                                 "\n"
                                 "15\tLoop\n"
                                 "1D1\n"
                                 "1\t@15,@15\n"
                                 "\n"
                                 "16\tLong\n"
                                 "1D1\n"
                                 "1\t@17x40D1\n"
                                 "\n"
                                 "17\tWord\n"
                                 "1D1\n"
                                 "1\ttwelve chars\n"
                                 "\n"
                                 "7 \tBlank instead of tab\n"
                                 "1D1\n"
                                 "1\twrong\n"
                                 "\n"
                                 "07\tLeading zero\n"
                                 "1D1\n"
                                 "1\twrong\n";

class Tables_Test : public testing::Test {
  protected:
    void SetUp() override { Campaign.Write("tables.txt", Weather_File); }
    TCampaign_Folder Campaign;
    TTable Tables;
};

TEST_F(Tables_Test, Rolls_And_Looks_Up_Entries_By_Range) {
    const std::string result = Tables.Generate_Entry(7, Table_File_Name);
    EXPECT_TRUE(result == "Rain" || result == "Fog" || result == "Snow") << result;
    EXPECT_EQ(Tables.Get_Entry(7, 4, Table_File_Name), "Fog");
    EXPECT_EQ(Tables.Get_Entry(7, 6, Table_File_Name), "Snow");
    EXPECT_EQ(Tables.Get_Entry(7, 9, Table_File_Name), " ");
    const TTable_Record* weather = Tables.Find_Table(7, Table_File_Name);
    ASSERT_NE(weather, nullptr);
    EXPECT_EQ(weather->Roll, "1D6");
}

TEST_F(Tables_Test, Percentile_Ranges_Read_Zero_High_As_Hundred_Or_Ten) {
    EXPECT_EQ(Tables.Get_Entry(10, 100, Table_File_Name), "percentile");
    EXPECT_EQ(Tables.Get_Entry(10, 91, Table_File_Name), "percentile");
    EXPECT_EQ(Tables.Get_Entry(13, 0, Table_File_Name), "whole range");
    EXPECT_EQ(Tables.Get_Entry(13, 100, Table_File_Name), "whole range");
    EXPECT_EQ(Tables.Get_Entry(14, 10, Table_File_Name), "zero to ten");
    EXPECT_EQ(Tables.Get_Entry(14, 11, Table_File_Name), " ");
}

TEST_F(Tables_Test, Resolves_References_And_Keeps_Unreadable_Ones_As_Written) {
    EXPECT_EQ(Tables.Get_Entry(10, 1, Table_File_Name), "grey, gusty, with rain");
    EXPECT_EQ(Tables.Get_Entry(10, 2, Table_File_Name), "grey, grey");
    EXPECT_EQ(Tables.Get_Entry(10, 3, Table_File_Name), "@8x3");
    EXPECT_EQ(Tables.Get_Entry(10, 4, Table_File_Name), "@8 and more");
    EXPECT_EQ(Tables.Get_Entry(10, 5, Table_File_Name), Standard_Encounter_Text);
    EXPECT_EQ(Tables.Get_Entry(10, 6, Table_File_Name), "tail");
    // A reference to a table that is not there adds nothing.
    EXPECT_EQ(Tables.Get_Entry(10, 7, Table_File_Name), "grey");
    EXPECT_EQ(Tables.Generate_Entry(11, Table_File_Name), "grey");
    EXPECT_EQ(Tables.Generate_Entry(12, Table_File_Name), Standard_Encounter_Text);
}

TEST_F(Tables_Test, Headers_Need_The_Exact_Number_And_A_Tab) {
    EXPECT_EQ(Tables.Find_Table(99, Table_File_Name), nullptr);
    EXPECT_EQ(Tables.Generate_Entry(99, Table_File_Name), "");
    EXPECT_EQ(Tables.Get_Entry(99, 1, Table_File_Name), " ");
    // "7 " and "07" are not table 7; table 7 itself is found past the remark block.
    TTable fresh;
    EXPECT_EQ(fresh.Get_Entry(7, 1, Table_File_Name), "Rain");
    EXPECT_EQ(fresh.Get_Entry(8, 1, Table_File_Name), "grey");
}

TEST_F(Tables_Test, Self_Reference_Ends_With_A_Finite_Result) {
    const std::string result = Tables.Generate_Entry(15, Table_File_Name);
    EXPECT_LE(result.size(), 258u);
    EXPECT_EQ(Tables.Generate_Entry(15, Table_File_Name), result);
}

TEST_F(Tables_Test, Long_Results_End_In_Ellipsis) {
    const std::string result = Tables.Generate_Entry(16, Table_File_Name);
    EXPECT_EQ(result.substr(result.size() - 3), "...");
    EXPECT_LT(result.size(), 256u);
    EXPECT_EQ(result.find("...") + 3, result.size());
}

TEST_F(Tables_Test, Cache_Keeps_Tables_Until_Forgotten) {
    ASSERT_NE(Tables.Find_Table(7, Table_File_Name), nullptr);
    Campaign.Write("tables.txt", "7\tChanged\n1D1\n1\tHail\n");
    EXPECT_EQ(Tables.Get_Entry(7, 1, Table_File_Name), "Rain");
    Tables.Free_Memory();
    EXPECT_EQ(Tables.Get_Entry(7, 1, Table_File_Name), "Hail");
    Tables.Done();
    EXPECT_EQ(Tables.Cached_Tables(), 0);
}

TEST_F(Tables_Test, Missing_File_Gives_No_Tables) {
    std::filesystem::remove(Campaign.Path / "tables.txt");
    EXPECT_EQ(Tables.Generate_Entry(7, Table_File_Name), "");
    std::vector<std::string> headers{"old"};
    EXPECT_EQ(Load_Table_List("tables.txt", headers), "File not found while opening tables.txt");
    EXPECT_TRUE(headers.empty());
    // A folder of that name is no table file.
    std::filesystem::create_directory(Campaign.Path / "TABLES.TXT");
    headers = {"old"};
    EXPECT_EQ(Load_Table_List("tables.txt", headers), "File not found while opening tables.txt");
    EXPECT_TRUE(headers.empty());
}

TEST_F(Tables_Test, Table_List_Holds_Every_Header_Line) {
    std::vector<std::string> headers;
    ASSERT_EQ(Load_Table_List("tables.txt", headers), "");
    ASSERT_EQ(headers.size(), 14u);
    EXPECT_EQ(headers[0], "Remarks on this file");
    EXPECT_EQ(headers[1], "7\tWeather");
    EXPECT_EQ(headers.back(), "07\tLeading zero");
}

TEST_F(Tables_Test, A_Table_File_Held_In_Memory_Reads_As_The_File_Whatever_File_Is_Named) {
    std::filesystem::remove(Campaign.Path / "tables.txt");
    TTable held(Weather_File);
    EXPECT_EQ(held.Get_Entry(7, 1, Table_File_Name), "Rain");
    EXPECT_EQ(held.Get_Entry(10, 1, "elsewhere.txt"), "grey, gusty, with rain");
    EXPECT_EQ(held.Find_Table(99, Table_File_Name), nullptr);
    const std::vector<std::string> headers = Table_Headers(Weather_File);
    ASSERT_EQ(headers.size(), 14u);
    EXPECT_EQ(headers[1], "7\tWeather");
}

TEST(Append_String, Joins_And_Stops_At_255_Characters) {
    std::string text;
    Append_String(text, "   ");
    EXPECT_EQ(text, "");
    Append_String(text, "a");
    Append_String(text, "b");
    EXPECT_EQ(text, "a, b");
    // The separator is not counted, so a joined text may reach 257 characters.
    text = std::string(250, 'x');
    Append_String(text, "12345");
    EXPECT_EQ(text.size(), 257u);
    Append_String(text, "y");
    EXPECT_EQ(text.size(), 257u);
    text = std::string(249, 'x');
    Append_String(text, "1234567");
    Append_String(text, "1234567");
    EXPECT_EQ(text, std::string(249, 'x') + "......");
}

TEST_F(Tables_Test, Long_Lines_Are_Cut_At_255) {
    Campaign.Write("TABLES.TXT", "20\tLong\n1D1\n1\t" + std::string(400, 'z') + "\n");
    std::filesystem::remove(Campaign.Path / "tables.txt");
    EXPECT_EQ(Tables.Get_Entry(20, 1, Table_File_Name), std::string(253, 'z'));
}

} // namespace
} // namespace Vexlor
