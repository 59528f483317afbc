#include "foundations/Code_Page.h"

#include <gtest/gtest.h>

namespace Vexlor {
namespace {

TEST(Code_Page, Every_Code_Survives_The_Way_Through_UTF8) {
    std::string all;
    for (int code = 0; code < 256; ++code)
        all += static_cast<char>(code);
    EXPECT_EQ(UTF8_To_Windows_1252(Windows_1252_To_UTF8(all)), all);
    EXPECT_EQ(Windows_1252_To_UTF8("\x80 caf\xE9"), "\u20AC caf\u00E9");
}

TEST(Code_Page, Text_The_Code_Page_Cannot_Hold_Or_That_Is_Not_UTF8_Is_Refused) {
    for (const char* text :
         {"\u0141ukasz", "\u03A9mega", "\U0001F3B2", "caf\xE9", "\xC0\xAF", "\xE2\x82", "\xED\xA0\x80"})
        EXPECT_EQ(UTF8_To_Windows_1252(text), std::nullopt) << text;
}

TEST(Code_Page, Characters_A_Stored_Text_Cannot_Hold_Are_Named_Once_In_Order) {
    EXPECT_EQ(Unstorable_Characters(U"\u0141ukasz \u017B\u00F3\u0142\u0107 \u0141"),
              U"\u0141\u017B\u0142\u0107");
    EXPECT_EQ(Unstorable_Characters(U"Zo\u00EB \u20AC5\ttab\nline"), U"");
    EXPECT_EQ(Unstorable_Characters(U"\U0001F3B2 \u03A9"), U"\U0001F3B2\u03A9");
    EXPECT_EQ(Unstorable_UTF8_Characters("\u0141\u00F3d\u017A \u0141 \U0001F3B2"),
              "\u0141, \u017A, \U0001F3B2");
    EXPECT_EQ(Unstorable_UTF8_Characters("caf\u00E9"), "");
    EXPECT_EQ(Unstorable_UTF8_Characters("caf\xE9"), std::nullopt);
}

} // namespace
} // namespace Vexlor
