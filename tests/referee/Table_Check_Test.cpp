#include "referee/Table_Check.h"

#include "Referee_Test_Support.h"
#include "referee/Tables.h"

#include <gtest/gtest.h>

namespace Vexlor {
namespace {

// A finding as "kind line table", for comparing whole reports at a glance.
struct TSeen {
    TFinding_Kind Kind;
    int Line;
    int Table;
    bool operator==(const TSeen&) const = default;
};

void PrintTo(const TSeen& seen, std::ostream* os) {
    *os << "{kind " << seen.Kind << ", line " << seen.Line << ", table " << seen.Table << "}";
}

// Sampled roll lines take fewer samples here: enough to see every face of a die.
TTable_Check Checked(const std::string& text) {
    return Check_Tables(text, 2000);
}

std::vector<TSeen> Seen(const TTable_Check& check) {
    std::vector<TSeen> seen;
    for (const TTable_Finding& finding : check.Findings)
        seen.push_back({finding.Kind, finding.Line, finding.Table.value_or(-1)});
    return seen;
}

TTable_Finding Only(const TTable_Check& check) {
    EXPECT_EQ(check.Findings.size(), 1u);
    return check.Findings.empty() ? TTable_Finding{} : check.Findings.front();
}

TEST(Table_Check, Tables_Without_Entries) {
    const auto check = Checked("7\tWeather\n1D6\n\n8\tSky\n\n9\tWind\n@0\n");
    EXPECT_EQ(Seen(check), (std::vector<TSeen>{{Finding_No_Entries, 1, 7}, {Finding_No_Entries, 4, 8}}));
    EXPECT_TRUE(check.Findings[0].Error);
    EXPECT_EQ(check.Findings[0].Text,
              "table 7 has no entries: every roll gives \"use Standard Encounter Tables\"");
}

TEST(Table_Check, A_Roll_Line_That_Does_Not_Evaluate) {
    const TTable_Finding finding = Only(Checked("Remarks\n\n7\tWeather\n(1d6\n1-6\tRain\n"));
    EXPECT_EQ(finding.Kind, Finding_Roll_Not_Evaluated);
    EXPECT_EQ(finding.Line, 4);
    EXPECT_TRUE(finding.Error);
    EXPECT_EQ(finding.Text,
              "the roll line \"(1d6\" does not evaluate (Missing right parenthesis): every roll gives 0");
}

TEST(Table_Check, Overlapping_Ranges) {
    const TTable_Finding finding = Only(Checked("7\tWeather\n1D6\n1-4\tRain\n4-6\tFog\n"));
    EXPECT_EQ(finding.Kind, Finding_Overlap);
    EXPECT_EQ(finding.Line, 4);
    EXPECT_FALSE(finding.Error);
    EXPECT_EQ(finding.Text, "entry 4-6 overlaps entry 1-4 on line 3: a roll in both selects the earlier one");
}

TEST(Table_Check, Rolls_No_Entry_Covers) {
    const TTable_Finding finding = Only(Checked("7\tWeather\n2d6\n2-6\tRain\n9-00\tFog\n"));
    EXPECT_EQ(finding.Kind, Finding_Gap);
    EXPECT_EQ(finding.Line, 2);
    EXPECT_TRUE(finding.Error);
    EXPECT_EQ(finding.Text, "rolls 7-8 select no entry and give a blank result (the roll 2d6 gives 2 to 12)");
}

TEST(Table_Check, Entries_The_Roll_Never_Reaches) {
    const auto check = Checked("7\tWeather\n1D6\n1-6\tRain\n7-9\tFog\n3\tSnow\n");
    EXPECT_EQ(Seen(check),
              (std::vector<TSeen>{
                  {Finding_Unreachable, 4, 7}, {Finding_Overlap, 5, 7}, {Finding_Unreachable, 5, 7}}));
    EXPECT_EQ(check.Findings[0].Text, "entry 7-9 is never selected: the roll 1D6 gives 1 to 6");
    EXPECT_EQ(check.Findings[2].Text, "entry 3 is never selected: earlier entries take all of its rolls");
}

// A roll line beyond dice and whole numbers is sampled, and the findings say so.
TEST(Table_Check, Sampled_Roll_Lines) {
    const auto check = Checked("7\tWeather\n(1D6)\n1-5\tRain\n7\tFog\n");
    EXPECT_EQ(Seen(check), (std::vector<TSeen>{{Finding_Gap, 2, 7}, {Finding_Unreachable, 4, 7}}));
    EXPECT_EQ(check.Findings[0].Text,
              "roll 6 selects no entry and gives a blank result (in 2,000 sampled rolls of (1D6))");
    EXPECT_EQ(check.Findings[1].Text, "entry 7 was never selected in 2,000 sampled rolls of (1D6)");
}

TEST(Table_Check, References_And_Aliases_To_Missing_Tables) {
    const auto check = Checked("7\tWeather\n1D10\n"
                               "1\t@8,@9,with rain\n"
                               "2\t@9x1D2\n"
                               "3\t@8x3,@8abc\n"
                               "4\t@0\n"
                               "5\t@12;@Q3;a gold ring\n"
                               "6-10\t@W\n"
                               "\n8\tSky\n1D1\n1\tgrey\n"
                               "\n11\tAlias\n@99\n");
    EXPECT_EQ(Seen(check), (std::vector<TSeen>{{Finding_Missing_Table, 3, 7},
                                               {Finding_Missing_Table, 4, 7},
                                               {Finding_Missing_Table, 7, 7},
                                               {Finding_Missing_Table, 8, 7},
                                               {Finding_Missing_Table, 15, 11}}));
    EXPECT_EQ(check.Findings[0].Text, "@9 rolls on table 9, which is not in the file");
    EXPECT_EQ(check.Findings[1].Text, "@9x1D2 rolls on table 9, which is not in the file");
    EXPECT_EQ(check.Findings[3].Text, "@W rolls on table 220, which is not in the file");
    EXPECT_EQ(check.Findings[4].Text, "table 11 is an alias of table 99, which is not in the file");
}

TEST(Table_Check, References_That_Lead_Back) {
    const auto check = Checked("1\tOne\n1D2\n1\tplain\n2\t@2\n"
                               "\n2\tTwo\n1D1\n1\t@3;@1\n"
                               "\n3\tThree\n1D1\n1\tend\n"
                               "\n4\tFour\n1D1\n1\t@4x1D2,@1\n"
                               "\n5\tFive\n@5\n");
    EXPECT_EQ(Seen(check),
              (std::vector<TSeen>{{Finding_Cycle, 4, 1}, {Finding_Cycle, 16, 4}, {Finding_Cycle, 19, 5}}));
    EXPECT_EQ(
        check.Findings[0].Text,
        "@2 can lead back to table 1 (1 -> 2 -> 1): the tools stop following references after a fixed depth");
    EXPECT_EQ(check.Findings[2].Text.substr(0, 36), "@5 can lead back to table 5 (5 -> 5)");
}

TEST(Table_Check, A_Table_Defined_Twice) {
    const TTable_Finding finding =
        Only(Checked("7\tWeather\n1D1\n1\tRain\n\n7\tMore weather\n1D1\n1\tFog\n"));
    EXPECT_EQ(finding.Kind, Finding_Defined_Twice);
    EXPECT_EQ(finding.Line, 5);
    EXPECT_EQ(finding.Text, "table 7 is defined on line 1 already: this one is never read");
}

TEST(Table_Check, Lines_Cut_At_255_Characters) {
    const TTable_Finding finding =
        Only(Checked("7\tWeather\n1D2\n1\tRain\n2\t" + std::string(298, 'x') + "\n"));
    EXPECT_EQ(finding.Kind, Finding_Line_Cut);
    EXPECT_EQ(finding.Line, 4);
    EXPECT_EQ(finding.Text, "the line is 300 characters long; only the first 255 are read");
}

TEST(Table_Check, Lines_Without_A_Tab) {
    const auto check = Checked("A remark block\nof two lines\n\n"
                               "7 Weather\n1D1\n1\tRain\n"
                               "\n8\tSky\n1D2\n1\tgrey\n2 blue\n   \n");
    // The line of blanks is an entry 0-1 as the engine reads it.
    EXPECT_EQ(Seen(check), (std::vector<TSeen>{{Finding_No_Tab, 4, 7},
                                               {Finding_No_Tab, 11, 8},
                                               {Finding_No_Tab, 12, 8},
                                               {Finding_Overlap, 12, 8},
                                               {Finding_Unreachable, 12, 8}}));
    EXPECT_EQ(
        check.Findings[0].Text,
        "a table's number must start the line and be followed directly by a tab: this table is never found");
    EXPECT_EQ(check.Findings[2].Text,
              "the line holds only blanks, so it is read as an entry instead of ending the table");
}

TEST(Table_Check, Report_Lines_Under_Their_Heading) {
    TCampaign_Folder campaign;
    TOutput_File output([](const std::string&) {});
    TTable_Check check;
    const TRoll_Result missing = Check_Report(output, Table_File_Name, check);
    EXPECT_EQ(missing.Error.substr(0, 14), "File not found");
    EXPECT_TRUE(missing.Lines.empty());
    campaign.Write("tables.txt", "7\tWeather\r\n1D6\r\n1-4\tRain\r\n4-5\tFog\r\n");
    const TRoll_Result report = Check_Report(output, Table_File_Name, check);
    EXPECT_EQ(output.Get_Heading(), "Table check");
    ASSERT_EQ(report.Lines.size(), 3u);
    EXPECT_EQ(report.Lines[0],
              "Error in line 2 (table 7): roll 6 selects no entry and gives a blank result (the "
              "roll 1D6 gives 1 to 6)");
    EXPECT_EQ(report.Lines[1].substr(0, 35), "Warning in line 4 (table 7): entry ");
    EXPECT_EQ(report.Lines[2], "1 error, 1 warning");
    EXPECT_EQ(Check_Summary({}), "No errors or warnings");
    EXPECT_EQ(Finding_Source(check, check.Findings[1]), "Line 4: 4-5[tab]Fog");
}

TEST(Table_Check, The_Shipped_Tables_Have_No_Errors) {
    TCampaign_Folder campaign;
    const auto shipped = Read_File(std::filesystem::path(VEXLOR_DATA_FOLDER) / "TABLES.TXT");
    ASSERT_TRUE(shipped.has_value());
    campaign.Write("tables.txt", *shipped);
    TTable_Check check;
    ASSERT_EQ(Check_Table_File(Table_File_Name, check), "");
    ASSERT_GT(check.Lines.size(), 1000u);
    for (const TTable_Finding& finding : check.Findings)
        EXPECT_FALSE(finding.Error) << Finding_Line(finding);
}

} // namespace
} // namespace Vexlor
