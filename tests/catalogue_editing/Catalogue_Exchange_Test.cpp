#include "catalogues/QID_Plan.h"
#include "catalogues/editing/Catalogue_Exchange.h"
#include "tests/Memory_Registry.h"

#include <gtest/gtest.h>

namespace Vexlor {
namespace {

TEST(Catalogue_Exchange, A_Catalogue_Is_Written_As_A_Header_And_One_Record_Per_Line_That_Read_Back) {
    TMemory_Registry<TQID_Plan, TQID_Registry> plans;
    std::string expected = "<#catalogue=qids><#version=1>\r\n";
    for (const char* name : {"Heal", "\"Lucky\" Fog"}) {
        auto* plan = new TQID_Plan;
        plan->Set_Name(name);
        plan->Set_Level(3);
        expected.append(plan->Serialize()).append("\r\n");
        plans.Add(plan);
    }
    TCatalogues catalogues;
    catalogues.QIDs = &plans;
    const std::string file = Exchange_File_Text(catalogues, TCatalogue_Kind::QIDs);
    EXPECT_EQ(file, expected);
    TExchange_Records records;
    ASSERT_TRUE(Read_Exchange_File(file, TCatalogue_Kind::QIDs, records).Ok());
    EXPECT_EQ(records.Texts.size(), 2u);
    EXPECT_TRUE(records.Damaged.empty());
    EXPECT_EQ(Held_Records(catalogues, TCatalogue_Kind::QIDs, records), 2);
}

struct TFile_Case {
    const char* Text;
    const char* Problem;
};

class Exchange_File_Refused : public testing::TestWithParam<TFile_Case> {};

TEST_P(Exchange_File_Refused, Says_Why_And_Gives_No_Record) {
    TExchange_Records records;
    const TResult read = Read_Exchange_File(std::string(GetParam().Text) + "\r\n<#name=Heal>\r\n",
                                            TCatalogue_Kind::QIDs, records);
    EXPECT_EQ(read.Problem(), GetParam().Problem);
    EXPECT_TRUE(records.Texts.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Headers, Exchange_File_Refused,
    testing::Values(
        TFile_Case{"", "It is not a catalogue exchange file: its first line does not name a catalogue."},
        TFile_Case{"<#name=Fog><#level=1>",
                   "It is not a catalogue exchange file: its first line does not name a catalogue."},
        TFile_Case{"<#catalogue=items><#version=1>", "It holds the catalogue \"items\", not qids."},
        TFile_Case{"<#catalogue=qids><#version=2>",
                   "Its format version \"2\" is not one this program reads (1 to 1)."},
        TFile_Case{"<#catalogue=qids>", "Its format version \"\" is not one this program reads (1 to 1)."}));

struct TLine_Case {
    const char* Line;
    const char* Reason;
};

class Exchange_Line : public testing::TestWithParam<TLine_Case> {};

TEST_P(Exchange_Line, Reads_Or_Says_Why_Not) {
    EXPECT_EQ(Record_Line_Problem(GetParam().Line, TCatalogue_Kind::QIDs), GetParam().Reason);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Exchange_Line,
    testing::Values(
        TLine_Case{"<#NAME=Heal><#Level=2><DESCRIPTION>Closes wounds.</description>", ""},
        TLine_Case{"<#name=Heal><#level=1", "a tag is not closed"},
        TLine_Case{"<#name=Heal><#level=<#time=1>", "a tag is not closed"},
        TLine_Case{"<#name=Heal><description>Closes wou", "the section <description> is not closed"},
        TLine_Case{"<#name=Heal></description>", "the end tag </description> ends no open section"},
        TLine_Case{"<#level=1><#name=Heal>", "it does not begin with the record's name tag <#name=...>"},
        TLine_Case{"<#name=  ><#level=1>", "it has no name"},
        TLine_Case{"<#name=Fire|Ice>",
                   "its name \"Fire|Ice\" cannot be stored (a name cannot hold |, < or >)"},
        TLine_Case{"<#name=Heal>\x1b[2J", "it holds a control character (code 27)"}));

} // namespace
} // namespace Vexlor
