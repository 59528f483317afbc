#include "foundations/CommonUt.h"
#include "foundations/UStrings.h"

#include <gtest/gtest.h>

namespace Vexlor {
namespace {

struct TEdit_Case {
    std::string Text;
    std::uint32_t Flags;
    std::string Expected;
};

class Edit_Test : public testing::TestWithParam<TEdit_Case> {};

TEST_P(Edit_Test, Gives_Expected_Text) {
    const auto& c = GetParam();
    EXPECT_EQ(Edit(c.Text, c.Flags), c.Expected) << "flags 0x" << std::hex << c.Flags;
}

INSTANTIATE_TEST_SUITE_P(
    Flags, Edit_Test,
    testing::Values(TEdit_Case{"  a  b  ", 0x88, "a  b"}, TEdit_Case{"  a  b  ", 0x10, " a b "},
                    TEdit_Case{"  a  b  ", 0x98, "a b"},
                    TEdit_Case{"ab \"c d\" [x]", 0x21FC, "AB \"c d\" (X)"}, TEdit_Case{"", Edit_All, ""},
                    TEdit_Case{"\xE9\x41", 0x1, "iA"}, TEdit_Case{"a\tb \t c", 0x2, "abc"},
                    TEdit_Case{"a\rb\nc\x7F\x0C", 0x4, "abc"}, TEdit_Case{"a\tb", 0x10, "a b"},
                    TEdit_Case{"\t \tx y", 0x8, "x y"}, TEdit_Case{"MiXeD", 0x20, "MIXED"},
                    TEdit_Case{"MiXeD", 0x200, "mixed"},
                    // Upper case wins over lower case.
                    TEdit_Case{"MiXeD", 0x220, "MIXED"},
                    // Without a code page only ASCII letters change case.
                    TEdit_Case{"\xE9", 0x20, "\xE9"}, TEdit_Case{"\xE9\xFF\x9A", 0x8020, "\xC9\x9F\x8A"},
                    TEdit_Case{"\xC9\x8C", 0x8200, "\xE9\x9C"}, TEdit_Case{"\x82\x87", 0x10020, "\x90\x80"},
                    // Both code pages together cancel each other.
                    TEdit_Case{"\xE9", 0x18020, "\xE9"}, TEdit_Case{"\xC0\xE9\xF1\xFD", 0x28000, "Aeny"},
                    TEdit_Case{"\x82\xA5", 0x30000, "eN"},
                    // Bracket mappings test the original character, so they swap rather than chain.
                    TEdit_Case{"[(x)]", 0x840, "([x])"}, TEdit_Case{"[]", 0x440, "()"},
                    TEdit_Case{"[]", 0x400, "{}"}, TEdit_Case{"()", 0x1800, "[]"},
                    TEdit_Case{"()", 0x1000, "{}"}, TEdit_Case{"{}", 0x6000, "()"},
                    TEdit_Case{"{}", 0x4000, "[]"},
                    // Quoted parts are copied unchanged, and trailing blanks inside an open quote stay.
                    TEdit_Case{"'a  b' c", 0x130, "'a  b' C"}, TEdit_Case{"x \"open  ", 0x1B0, "X \"open  "},
                    TEdit_Case{"\"q\"  ", 0x180, "\"q\""},
                    // No-break space counts as a blank in runs only with the Windows code page.
                    TEdit_Case{"a\xA0\xA0 b", 0x8010, "a b"}, TEdit_Case{"a\xA0 b", 0x10, "a\xA0 b"},
                    // Every flag: upper case, blanks gone, round brackets to square, quotes kept.
                    TEdit_Case{" f(x) 'q (r)' ", Edit_All, "F[X]'q (r)'"}));

TEST(Num1, Writes_Shortest_Plain_Decimal) {
    EXPECT_EQ(Num1(2.5), "2.5");
    EXPECT_EQ(Num1(3), "3");
    EXPECT_EQ(Num1(-0.25), "-0.25");
    EXPECT_EQ(Num1(0), "0");
    EXPECT_EQ(Num1(1e15), "1000000000000000");
    EXPECT_EQ(Num1(1.0L / 3.0L), "0.33333333333");
    EXPECT_EQ(Num1(0.000000000004), "0");
    EXPECT_EQ(Num1(-0.000000000004), "0");
}

TEST(Ert, Knows_Run_Time_And_File_Codes) {
    EXPECT_EQ(Ert(0), "Success");
    EXPECT_EQ(Ert(101), "Disk write error");
    EXPECT_EQ(Ert(106), "Invalid numeric format");
    EXPECT_EQ(Ert(162), "Hardware failure");
    EXPECT_EQ(Ert(215), "Arithmetic overflow");
    EXPECT_EQ(Ert(228), "Interface Cast Error");
    EXPECT_EQ(Ert(231), "Too many nested exceptions");
    EXPECT_EQ(Ert(5), "File access denied");
    EXPECT_EQ(Ert(9999), "Error 9999");
}

TEST(Extension_Pos, Looks_Only_In_The_Last_Component) {
    EXPECT_EQ(Extension_Pos("C:\\dir.x\\file"), 0);
    EXPECT_EQ(Extension_Pos("C:\\dir\\file.txt"), 12);
    EXPECT_EQ(Extension_Pos("/home/gm/party.v1/sheet"), 0);
    EXPECT_EQ(Extension_Pos("sheet.rtf"), 6);
    EXPECT_EQ(Extension_Pos(""), 0);
}

TEST(Instr, Searches_From_One_Based_Start) {
    EXPECT_EQ(Instr(3, "abcabc", "abc"), 4);
    EXPECT_EQ(Instr(5, "abcabc", "abc"), 0);
    EXPECT_EQ(Instr(-4, "abcabc", "abc"), 1);
    EXPECT_EQ(Instr(3, "abc", ""), 3);
    EXPECT_EQ(Instr(99, "abc", "c"), 0);
}

TEST(Replace, Never_Searches_Inserted_Text) {
    EXPECT_EQ(Replace("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(Replace("~Name~ of ~Name~", "~Name~", "Mara"), "Mara of Mara");
    EXPECT_EQ(Replace("abc", "x", "y"), "abc");
    EXPECT_EQ(Replace("abc", "b", "b"), "abc");
    EXPECT_EQ(Replace("abc", "", "y"), "abc");
    EXPECT_EQ(Replace("abab", "ab", ""), "");
}

TEST(Str_To_Int, Reads_Whole_Decimal_Or_Dollar_Hex) {
    int value = 7;
    EXPECT_TRUE(Str_To_Int("-2147483648", value));
    EXPECT_EQ(value, -2147483648);
    EXPECT_TRUE(Str_To_Int("$1F", value));
    EXPECT_EQ(value, 31);
    EXPECT_TRUE(Str_To_Int("+12", value));
    EXPECT_EQ(value, 12);
    value = 7;
    for (const char* bad : {"", "-", "$", "12 ", " 12", "2147483648", "1e3", "0x10", "12a"})
        EXPECT_FALSE(Str_To_Int(bad, value)) << bad;
    EXPECT_EQ(value, 7);
}

TEST(Split_Lines, Ends_Lines_At_LF_Or_CR_LF_And_Needs_No_Last_End) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"", {}},
        {"one", {"one"}},
        {"one\r\ntwo\nthree", {"one", "two", "three"}},
        {"one\r\n\r\n", {"one", ""}},
        {"\n\n", {"", ""}},
        {"a\rb\r\r\n", {"a\rb\r"}}, // only the CR before the LF belongs to the line end
    };
    for (const auto& [text, lines] : cases)
        EXPECT_EQ(Split_Lines(text), lines) << testing::PrintToString(text);
}

TEST(Trim_Quotes, Removes_Matching_Quotes_Only) {
    EXPECT_EQ(Trim_Quotes("\"Chemist\""), "Chemist");
    EXPECT_EQ(Trim_Quotes("'Chemist"), "Chemist");
    EXPECT_EQ(Trim_Quotes("\"Chemist'"), "Chemist'");
    EXPECT_EQ(Trim_Quotes("Chemist\""), "Chemist\"");
    EXPECT_EQ(Trim_Quotes("\""), "");
}

} // namespace
} // namespace Vexlor
