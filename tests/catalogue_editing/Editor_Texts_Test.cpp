// The text rules the catalogue editors share: record names, name lists, memo lines and the two
// lists of a "<" / ">" pair.
#include "catalogues/editing/Editor_Texts.h"

#include <gtest/gtest.h>

namespace Vexlor {
namespace {

TEST(Editor_Texts, RecordNames) {
    const std::pair<const char*, bool> cases[] = {
        {"Glass Rat", true},    {" Padded ", true},  {"\"Lucky\" Pete", true},
        {"A & B", true},        {"", false},         {"   ", false},
        {"\t", false},          {"Fog|Heal", false}, {"<b>", false},
        {"Less < more", false}, {"Arrow>", false},
    };
    for (const auto& [name, acceptable] : cases)
        EXPECT_EQ(Is_Acceptable_Record_Name(name), acceptable) << '"' << name << '"';
}

TEST(Editor_Texts, NameListsSplitAndJoin) {
    EXPECT_EQ(Split_Names("Heal|Fog|"), (std::vector<std::string>{"Heal", "Fog"}));
    EXPECT_EQ(Split_Names("Heal||Fog"), (std::vector<std::string>{"Heal", "Fog"}));
    EXPECT_TRUE(Split_Names("").empty());
    EXPECT_EQ(Join_Names({"Heal", "Fog"}), "Heal|Fog|");
    EXPECT_EQ(Join_Names({}), "");
}

TEST(Editor_Texts, MemoLinesJoinedWithOneBlank) {
    const std::pair<const char*, const char*> cases[] = {
        {"one line", "one line"},
        {"first\nsecond", "first second"},
        {"first\r\nsecond", "first second"},
        {"ends\n", "ends"},
        {"a\n\nb", "a  b"},
        {"", ""},
    };
    for (const auto& [memo, joined] : cases)
        EXPECT_EQ(Memo_Lines_Joined(memo), joined) << memo;
}

TEST(Editor_Texts, ChosenNamesKeepTheRecordsOrderAndEachNameOnce) {
    const auto choice = Choose_Names({"Fog", "Heal", "Light", "Mend"}, "Light|Gone|Fog|Light|");
    EXPECT_EQ(choice.Chosen, (std::vector<std::string>{"Light", "Fog"}));
    EXPECT_EQ(choice.Available, (std::vector<std::string>{"Heal", "Mend"}));
}

} // namespace
} // namespace Vexlor
