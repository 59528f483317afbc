// The random tables shipped with the program, rolled as the referee tools roll them.
#include "referee/Referee.h"

#include "Referee_Test_Support.h"
#include "foundations/CommonUt.h"

#include <gtest/gtest.h>

namespace Vexlor {
namespace {

class Shipped_Tables_Test : public testing::Test {
  protected:
    void SetUp() override {
        const auto shipped = Read_File(std::filesystem::path(VEXLOR_DATA_FOLDER) / "TABLES.TXT");
        ASSERT_TRUE(shipped.has_value());
        Campaign.Write("TABLES.TXT", *shipped);
        ASSERT_EQ(Load_Table_List("tables.txt", Headers), "");
    }
    TCampaign_Folder Campaign;
    std::vector<std::string> Headers;
    TTable Tables;
};

TEST_F(Shipped_Tables_Test, Every_Table_The_Tools_Read_Is_There) {
    std::vector<int> tool_tables{1,   2,   3,   5,   6,   7,   8,   9,   10,  11,  12,  200, 201, 202, 203,
                                 209, 210, 220, 224, 225, 226, 227, 236, 237, 238, 239, 240, 242, 251};
    for (int table = 91; table <= 112; ++table)
        tool_tables.push_back(table);
    for (int table = 213; table <= 218; ++table)
        tool_tables.push_back(table);
    for (const int table : tool_tables)
        EXPECT_NE(Tables.Find_Table(table, Table_File_Name), nullptr) << "table " << table;
}

// A roll that selects no entry shows as " ": twenty rolls of every table find a gap in its ranges.
TEST_F(Shipped_Tables_Test, Every_Table_Rolls_Whole_Results) {
    ASSERT_GT(Headers.size(), 60u);
    for (const std::string& header : Headers) {
        int number = 0;
        if (!Str_To_Int(header.substr(0, header.find('\t')), number))
            continue; // the remark block
        const TTable_Record* table = Tables.Find_Table(number, Table_File_Name);
        ASSERT_NE(table, nullptr) << header;
        for (int i = 0; i < 20; ++i)
            EXPECT_NE(Tables.Generate_Entry(number, Table_File_Name), " ") << header;
    }
}

} // namespace
} // namespace Vexlor
