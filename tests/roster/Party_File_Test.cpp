#include "roster/Party_File.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace Vexlor {
namespace {

struct TRead_Case {
    std::string Label;
    std::string File_Text;
    TRoster_List Expected;
};

void Expect_Lists(const TRoster_List& actual, const TRoster_List& expected, const std::string& label) {
    ASSERT_EQ(actual.size(), expected.size()) << label;
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(actual[i].Text, expected[i].Text) << label << " #" << i;
        EXPECT_EQ(actual[i].Stored, expected[i].Stored) << label << " #" << i;
    }
}

TEST(Party_File, Reads_Parties_As_Written_By_Hand_Or_By_The_Program) {
    const TRead_Case cases[] = {
        {"one line",
         "<party=\"Alpha team\"><character=\"Rex\tCommando, Medic\"><#name=Rex></character></party>\r\n",
         {{"Alpha team", "<character=\"Rex\tCommando, Medic\"><#name=Rex></character>"}}},
        {"tags in any case keep the name's case",
         "<PARTY=\"Mixed Case\"></Party>\n<pArTy=\"b\"></PARTY>",
         {{"Mixed Case", ""}, {"b", ""}}},
        {"references decoded",
         "<party=\"A &amp; B\"></party><party=\"x&#34;y&gt;z\"></party>",
         {{"A & B", ""}, {"x\"y>z", ""}}},
        {"names trimmed of blanks and tabs", "<party=\" \t Spaced \t\"></party>", {{"Spaced", ""}}},
        {"a bare ampersand kept", "<party=\"Tom & Jerry\"></party>", {{"Tom & Jerry", ""}}},
        {"unknown tags skipped with their sections",
         "<#version=2><notes><party=\"Hidden\"></party></notes>text<party=\"Seen\"></party>",
         {{"Seen", ""}}},
        {"a stray end tag swallows nothing", "</party></notes><party=\"After\"></party>", {{"After", ""}}},
        {"whitespace inside stored text kept",
         "<party=\"P\">  <#a=1>\t<#b=2> </party>",
         {{"P", "  <#a=1>\t<#b=2> "}}},
        {"an unclosed party runs to the end, its characters closed",
         "<party=\"Open\"><character=\"A\">x",
         {{"Open", "<character=\"A\">x</character>"}}},
        {"an unclosed party of no name likewise, a tag cut in two left out",
         "<party=\"\"><character=\"A\">x<<",
         {{"", "<character=\"A\">x</character>"}}},
        {"an unclosed tag ends the file", "<party=\"Kept\"></party><party=\"cut", {{"Kept", ""}}},
        {"no party", "\r\n  \r\n<#x=1>", {}},
    };
    for (const auto& c : cases)
        Expect_Lists(Read_Parties(c.File_Text), c.Expected, c.Label);
}

TEST(Party_File, Reads_A_Partys_Characters_Like_Its_Parties) {
    const std::string party =
        "<CHARACTER=\"Una\"><#name=Una><items><item></item></items></CHARACTER>"
        "<character=\"Rex&#TAB;Medic\"></character><#junk><character=\" Zed \">z</character>";
    Expect_Lists(Read_Party_Members(party),
                 {{"Una", "<#name=Una><items><item></item></items>"}, {"Rex\tMedic", ""}, {"Zed", "z"}},
                 "members");
}

TEST(Party_File, Writes_One_CRLF_Line_Per_Party_With_Names_Encoded) {
    const TRoster_List characters = {{"Rex\tCommando", "<#name=Rex>"}, {"Una", ""}};
    const TRoster_List parties = {{"Team \"Alpha\" & <Co>", Party_Text(characters)}, {"empty", ""}};
    EXPECT_EQ(Party_File_Text(parties),
              "<party=\"Team &#34;Alpha&#34; &amp; &lt;Co&gt;\"><character=\"Rex&#TAB;Commando\"><#name=Rex>"
              "</character><character=\"Una\"></character></party>\r\n<party=\"empty\"></party>\r\n");
}

// Names with every character that matters to the file format: quotes of both kinds, '&', '<',
// '>', '=', tabs, line breaks, bytes above 127, and references written out literally.
std::string Random_Name(std::mt19937& engine) {
    static const std::string pieces[] = {"\"", "'",     "&",        "&amp;",  "<",    ">", "=",
                                         "\t", "\r\n",  "\xE9",     "\x93",   "\xFF", "a", "Z",
                                         " ",  "&#34;", "</party>", "<#x=1>", "Team"};
    std::uniform_int_distribution<std::size_t> piece(0, std::size(pieces) - 1), length(1, 12);
    std::string name = "N";
    for (std::size_t i = length(engine); i > 0; --i)
        name += pieces[piece(engine)];
    return name + "N"; // no leading or trailing blank: reading trims them
}

TEST(Party_File, Names_And_Display_Texts_Read_Back_Unchanged) {
    std::mt19937 engine(18);
    TRoster_List parties;
    for (int party = 0; party < 100; ++party) {
        TRoster_List characters;
        for (int character = 0; character < 10; ++character)
            characters.push_back({Random_Name(engine), "<#name=x><items></items>"});
        parties.push_back({Random_Name(engine), Party_Text(characters)});
    }
    parties.push_back({"Team \"Alpha\" One", ""});
    const TRoster_List read = Read_Parties(Party_File_Text(parties));
    Expect_Lists(read, parties, "parties");
    for (std::size_t i = 0; i + 1 < read.size(); ++i)
        EXPECT_EQ(Party_Text(Read_Party_Members(read[i].Stored)), parties[i].Stored) << i;
}

TEST(Party_File, Sorts_Without_Regard_To_Case_Keeping_Equal_Texts_In_Order) {
    TRoster_List list = {{"beta", "1"}, {"Alpha", "2"}, {"BETA", "3"}, {"alpha", "4"}, {"(default)", "5"}};
    Sort_Roster(list);
    std::string order;
    for (const auto& entry : list)
        order += entry.Stored;
    EXPECT_EQ(order, "52413");
    EXPECT_EQ(Find_Roster_Entry(list, "ALPHA"), 1);
    EXPECT_EQ(Find_Roster_Entry(list, "gamma"), -1);
}

TEST(Party_File, Display_Text_Is_Name_Tab_And_The_Classes_Of_Slots_One_To_Four) {
    TVexlor_Character character;
    character._Set_Name("Rex");
    for (int slot = 1; slot <= 6; ++slot)
        character.Set_Class(slot, -1);
    EXPECT_EQ(Character_Display_Text(character), "Rex\t");
    character.Set_Class(1, Class_Commando);
    character.Set_Class(3, Class_Computer_Scientist);
    character.Set_Class(5, Class_Medic);
    EXPECT_EQ(Character_Display_Text(character), "Rex\tCommando, C. Scientist");
    const TRoster_List party = {{"Rex\tCommando", ""}, {"Una", ""}, {"Zed\tMedic, Rogue", ""}};
    EXPECT_EQ(Member_Names(party, 1), (std::vector<std::string>{"Rex", "Zed"}));
    EXPECT_EQ(Member_Names(party, -1), (std::vector<std::string>{"Rex", "Una", "Zed"}));
    EXPECT_EQ(Sheet_File_Name(Display_Name("Zo\xEB \"Ace\" D/3\tMedic")), "Zo\xEB _Ace_ D_3.rtf");
}

} // namespace
} // namespace Vexlor
