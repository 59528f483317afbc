#include "foundations/HTML.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <vector>

namespace Vexlor {
namespace {

std::vector<std::string> All_Tokens(THTML_Parser& parser) {
    std::vector<std::string> tokens;
    for (std::string token = parser.Token(); !token.empty(); token = parser.Token())
        tokens.push_back(token);
    return tokens;
}

TEST(Entities, Keep_Their_Stored_Quirks) {
    const auto& entities = Entities();
    EXPECT_EQ(entities[147], "quot");
    EXPECT_EQ(entities[34], "\"");
    EXPECT_EQ(entities[39], "'");
    EXPECT_EQ(entities[132], "dbquo");
    EXPECT_EQ(entities[185], "supl");
    EXPECT_EQ(entities[235], "emul");
    EXPECT_EQ(entities[240], std::string(1, '\xF0'));
    EXPECT_EQ(entities[135], "Dagger");
    int named = 0;
    for (const auto& entity : entities)
        named += entity.size() > 1;
    EXPECT_EQ(named, 116);
}

TEST(To_HTML, Escapes_Named_Characters) {
    EXPECT_EQ(To_HTML("a<b & c>d"), "a&lt;b &amp; c&gt;d");
    EXPECT_EQ(To_HTML("\t\n\r"), "&#TAB;&#RS;&#RE;");
    EXPECT_EQ(To_HTML("\xE9\xEB\"'"), "&eacute;&emul;\"'");
    EXPECT_EQ(To_HTML(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(From_HTML, Decodes_And_Drops_As_Stored_Texts_Expect) {
    EXPECT_EQ(From_HTML("&#65;&#TAB;&Amp;&spades;x"), "A\t&x");
    EXPECT_EQ(From_HTML("a & b"), "a ");
    EXPECT_EQ(From_HTML("&zz;q"), "q");
    EXPECT_EQ(From_HTML("&zz;q", Keep_Undecodable), "&zz;q");
    EXPECT_EQ(From_HTML("a & b", Keep_Undecodable), "a & b");
    EXPECT_EQ(From_HTML("&;&a;b"), "b");
    EXPECT_EQ(From_HTML("&;&a;b", Keep_Undecodable), "&;&a;b");
    EXPECT_EQ(From_HTML("&#$41;&#321;&#-1;"), "AA\xFF");
    // Names are searched as written first, then folded to lower case.
    EXPECT_EQ(From_HTML("&Dagger;&dagger;&DAGGER;&EACUTE;"), "\x87\x86\x86\xE9");
    EXPECT_EQ(From_HTML("&#99999999999;x"), "x");
}

TEST(From_HTML, Undoes_To_HTML_For_Every_Character) {
    std::string all;
    for (int code = 0; code < 256; ++code)
        all += static_cast<char>(code);
    EXPECT_EQ(From_HTML(To_HTML(all)), all);
}

TEST(Tag_Tokenizer, Splits_Tags_And_Text_Runs) {
    THTML_Parser parser;
    parser.Set_Source("<#strength=12>\r\n  <name>  Mara\t\tVoss </name>tail<open");
    EXPECT_EQ(All_Tokens(parser), (std::vector<std::string>{"<#strength=12>", " ", "<name>", " Mara Voss ",
                                                            "</name>", "tail", "<open"}));
}

TEST(Tag_Tokenizer, Preserves_Whitespace_On_Request_But_Not_Line_Breaks) {
    THTML_Parser parser;
    parser.Set_Preserve_Whitespace(true);
    parser.Set_Source("<a>x  \r\ny</a>");
    EXPECT_EQ(All_Tokens(parser), (std::vector<std::string>{"<a>", "x    y", "</a>"}));
}

// The tokenizer as the format defines it, one plain step after another.
std::vector<std::string> Reference_Tokens(std::string source, bool preserve) {
    std::vector<std::string> tokens;
    while (!source.empty()) {
        std::size_t p = source.find('<');
        if (p == 0)
            p = source.find('>') == std::string::npos ? source.size() : source.find('>') + 1;
        if (p == std::string::npos)
            p = source.size();
        std::string token = source.substr(0, p);
        source.erase(0, p);
        for (char& c : token)
            if (c == '\r' || c == '\n')
                c = ' ';
        tokens.push_back(preserve ? token : Edit(token, Edit_Reduce_Blanks));
    }
    return tokens;
}

TEST(Tag_Tokenizer, Agrees_With_Plain_Definition_On_Random_Texts) {
    // Whitespace at every offset, so runs that straddle the reader's 16-character steps are met.
    const std::string alphabet = "<>  \t\r\nab=\xA0";
    std::uint32_t seed = 12345;
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const int length = static_cast<int>(seed % 90);
        for (int i = 0; i < length; ++i) {
            seed = seed * 1103515245u + 12345u;
            text += alphabet[(seed >> 16) % alphabet.size()];
        }
        for (const bool preserve : {false, true}) {
            THTML_Parser parser;
            parser.Set_Preserve_Whitespace(preserve);
            parser.Set_Source(text);
            ASSERT_EQ(All_Tokens(parser), Reference_Tokens(text, preserve)) << testing::PrintToString(text);
        }
    }
}

// The reader looks at sixteen characters at a time: two blanks on either side of a step are two
// in a row all the same, in a text run and in a tag.
TEST(Tag_Tokenizer, Reduces_Two_Blanks_Across_A_Sixteen_Character_Step) {
    for (std::size_t before = 13; before <= 17; ++before) {
        const std::string word(before, 'a'), tail(32, 'b');
        THTML_Parser parser;
        parser.Set_Source(word + "  " + tail + "<" + word + "  " + tail + ">");
        EXPECT_EQ(All_Tokens(parser),
                  (std::vector<std::string>{word + " " + tail, "<" + word + " " + tail + ">"}))
            << before;
    }
}

TEST(Tag_Tokenizer, Empty_Source_Gives_Empty_Token_At_Once) {
    THTML_Parser parser;
    EXPECT_EQ(parser.Token(), "");
    parser.Set_Source("");
    EXPECT_EQ(parser.Token(), "");
}

TEST(Get_Section, Reads_Content_Up_To_Matching_End) {
    THTML_Parser parser;
    parser.Set_Source("<name>  Mara\r\n Voss </name><#age=20>");
    parser.Token();
    EXPECT_EQ(parser.Get_Section("name"), " Mara Voss ");
    EXPECT_EQ(parser.Token(), "<#age=20>");
}

TEST(Get_Section, Returns_Nested_Sections_Of_Same_Name_Whole) {
    THTML_Parser parser;
    parser.Set_Source("a<item>b</item>c</item>d");
    EXPECT_EQ(parser.Get_Section("<item>"), "a<item>b</item>c");
    EXPECT_EQ(parser.Token(), "d");

    parser.Set_Source("<ITEM=3>x</Item></item>rest");
    EXPECT_EQ(parser.Get_Section("item"), "<ITEM=3>x</Item>");
    EXPECT_EQ(parser.Token(), "rest");

    // A longer tag name that only begins like the section's does not nest.
    parser.Set_Source("<items>x</items></item>");
    EXPECT_EQ(parser.Get_Section("item"), "<items>x</items>");
}

TEST(Get_Section, Unclosed_Section_Runs_To_End) {
    THTML_Parser parser;
    parser.Set_Source("x<b>y");
    EXPECT_EQ(parser.Get_Section("name"), "x<b>y");
    EXPECT_EQ(parser.Token(), "");
}

TEST(Get_Section, Xml_Form_Ends_At_Self_Closing_Tag) {
    THTML_Parser parser;
    parser.Set_Source("a</vexlor>b<vexlor/>c");
    EXPECT_EQ(parser._Get_Section("<vexlor=1>", true), "a</vexlor>b");
    EXPECT_EQ(parser.Token(), "c");
}

TEST(Split_Tag, Cuts_At_First_Equals_And_Drops_Closing) {
    const TTag attribute = Split_Tag("<#note=a=b>");
    EXPECT_EQ(attribute.Name, "<#note");
    EXPECT_EQ(attribute.Value, "a=b");
    const TTag section = Split_Tag("<name>");
    EXPECT_EQ(section.Name, "<name>");
    EXPECT_EQ(section.Value, "");
}

TEST(Get_Int, Trims_And_Falls_Back_To_Zero) {
    EXPECT_EQ(Get_Int(" 42 "), 42);
    EXPECT_EQ(Get_Int("$ff"), 255);
    EXPECT_EQ(Get_Int("-7"), -7);
    EXPECT_EQ(Get_Int("4 2"), 0);
    EXPECT_EQ(Get_Int("99999999999"), 0);
    EXPECT_EQ(Get_Int(""), 0);
}

TEST(Get_Int_List, Fills_Slots_From_The_Left) {
    std::array<int, 3> slots{9, 9, 9};
    Get_Int_List("3,7", slots.begin(), slots.end());
    EXPECT_EQ(slots, (std::array<int, 3>{3, 7, 9}));
    Get_Int_List("1,x,,5,6", slots.begin(), slots.end());
    EXPECT_EQ(slots, (std::array<int, 3>{1, 0, 0}));
    slots = {9, 9, 9};
    Get_Int_List("", slots.begin(), slots.end());
    Get_Int_List("4,", slots.begin(), slots.end());
    EXPECT_EQ(slots, (std::array<int, 3>{4, 9, 9}));
}

TEST(Read_Tagged_Text, Dispatches_Known_Tags_And_Skips_The_Rest) {
    std::map<std::string, std::string> seen;
    Read_Tagged_Text("junk<#Strength=12><#unknown=1><Name>Mara &amp; Co</name><odd><name>x</name></odd>"
                     "<#age=20><lonely>",
                     TTag_Case::Lower, [&](const TTag& tag, THTML_Parser& parser) {
                         if (tag.Name == "<#strength" || tag.Name == "<#age") {
                             seen[tag.Name] = tag.Value;
                             return true;
                         }
                         if (tag.Name == "<name>") {
                             seen[tag.Name] = From_HTML(parser.Get_Section("name"));
                             return true;
                         }
                         return false;
                     });
    EXPECT_EQ(seen, (std::map<std::string, std::string>{
                        {"<#strength", "12"}, {"<name>", "Mara & Co"}, {"<#age", "20"}}));
}

// The line tokenizer reading lines from a list, as a concrete user of it would.
class TLine_Parser : public TSParser {
  public:
    explicit TLine_Parser(std::vector<std::string> lines) : Lines(std::move(lines)) {}
    bool Read_Next_Line() override {
        if (Next >= Lines.size()) {
            Command.clear();
            return false;
        }
        Command = Lines[Next++];
        return true;
    }

  private:
    std::vector<std::string> Lines;
    std::size_t Next = 0;
};

std::vector<std::string> All_Tokens(TSParser& parser) {
    std::vector<std::string> tokens;
    for (std::string token = parser.Token(); !token.empty(); token = parser.Token())
        tokens.push_back(token);
    return tokens;
}

TEST(Line_Tokenizer, Splits_Words_Numbers_And_Characters) {
    TLine_Parser parser({"abc+12", "", "  f(x) ", "'Quoted  Text' y"});
    EXPECT_EQ(All_Tokens(parser),
              (std::vector<std::string>{"ABC", "+", "12", "F", "[", "X", "]", "'Quoted  Text'", "Y"}));
    EXPECT_EQ(parser.Get_Current_Line(), 4);
}

TEST(Line_Tokenizer, Reports_Unterminated_Literal) {
    TLine_Parser parser({"x \"open end"});
    EXPECT_EQ(parser.Token(), "X");
    EXPECT_EQ(parser.Token(), "\"open end");
    EXPECT_EQ(parser.Token_Error, ParserErr_Unterminated_Literal);
    EXPECT_EQ(parser.Token(), "");
    EXPECT_EQ(parser.Token_Error, ParserErr_Success);
}

TEST(Line_Tokenizer, Case_Sensitive_Lines_Keep_Case_But_Tokens_Fold) {
    TLine_Parser parser({"Ab"});
    parser.Case_Sensitive = true;
    // "A" is a word character; lower-case letters are not, so each stands alone.
    EXPECT_EQ(All_Tokens(parser), (std::vector<std::string>{"A", "B"}));
}

TEST(Line_Tokenizer, Hands_Back_Pushed_Tokens) {
    TSParser parser;
    parser.Put_Token("2*(3+4)");
    EXPECT_EQ(All_Tokens(parser), (std::vector<std::string>{"2", "*", "[", "3", "+", "4", "]"}));

    TLine_Parser lines({"a b", "c"});
    EXPECT_EQ(lines.Token(), "A");
    lines.Put_Token("Q");
    EXPECT_EQ(lines.Command, "Q B");
    EXPECT_EQ(lines.Token(), "Q");
    EXPECT_EQ(lines.Returned_Tokens, 0);
    EXPECT_EQ(lines.Token_Line, 1);
    EXPECT_EQ(lines.Grab_Line(), " B");
    EXPECT_EQ(lines.Line_Text(), "C");
    EXPECT_EQ(lines.Line_Text(), "C");
    EXPECT_FALSE(lines.Token_EOL());
    EXPECT_EQ(lines.Token(), "C");
    EXPECT_TRUE(lines.Token_EOL());
}

TEST(Line_Tokenizer, Joins_Special_Tokens) {
    TLine_Parser parser({"a<=b ** c <> d"});
    parser.Tokens = {"<=", "**", "<>"};
    EXPECT_EQ(All_Tokens(parser), (std::vector<std::string>{"A", "<=", "B", "**", "C", "<>", "D"}));
}

} // namespace
} // namespace Vexlor
