#include "roster/Party_Roster.h"

#include "tests/Test_Folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace Vexlor {
namespace {

std::string Texts(const TRoster_List& list) {
    std::string texts;
    for (const auto& entry : list)
        texts += "[" + entry.Text + "]";
    return texts;
}

class Party_Roster_Test : public testing::Test {
  protected:
    Testing::TWorking_Folder Folder;
    TParty_Roster Roster;

    std::string File() const { return Folder.Read("Characters.master"); }
};

TEST_F(Party_Roster_Test, First_Run_Starts_With_Default_And_Writes_Only_When_A_Character_Comes) {
    EXPECT_EQ(Roster.Load(), "");
    EXPECT_EQ(Texts(Roster.Parties()), "[(default)]");
    EXPECT_EQ(Roster.Selected_Party(), 0);
    EXPECT_EQ(Roster.Selected_Character(), -1);
    EXPECT_FALSE(std::filesystem::exists("Characters.master"));

    EXPECT_EQ(Roster.Add_Character("Una", "<#name=Una>"), "");
    EXPECT_EQ(File(), "<party=\"(default)\"><character=\"Una\"><#name=Una></character></party>\r\n");
    EXPECT_EQ(Roster.Selected_Character(), 0);
}

TEST_F(Party_Roster_Test, Showing_Again_Lists_Each_Party_Once_And_Characters_Sorted) {
    Folder.Write("Characters.master",
                 "<party=\"zeta\"></party>\r\n<party=\"Alpha\"><character=\"rex\"></character>"
                 "<character=\"Bo\"></character></party>\r\n");
    for (int showing = 0; showing < 2; ++showing) {
        EXPECT_EQ(Roster.Load(), "");
        EXPECT_EQ(Texts(Roster.Parties()), "[Alpha][zeta]");
        EXPECT_EQ(Texts(Roster.Characters()), "[Bo][rex]");
        EXPECT_EQ(Roster.Selected_Character(), 0);
    }
}

TEST_F(Party_Roster_Test, Every_Change_Rewrites_The_File_At_Once) {
    Roster.Load();
    EXPECT_EQ(Roster.New_Party("  Blue team \t"), "");
    EXPECT_EQ(Texts(Roster.Parties()), "[(default)][Blue team]");
    EXPECT_EQ(Roster.Selected_Party(), 1);
    EXPECT_EQ(File(), "<party=\"(default)\"></party>\r\n<party=\"Blue team\"></party>\r\n");

    Roster.Add_Character("Una", "u");
    Roster.Add_Character("Ann", "a");
    Roster.Add_Character("Zed", "z");
    Roster.Select_Character(1);
    EXPECT_EQ(Roster.Delete_Character(), "");
    EXPECT_EQ(Texts(Roster.Characters()), "[Ann][Zed]");
    EXPECT_EQ(Roster.Selected_Character(), 1); // the entry now at the same place
    Roster.Delete_Character();
    EXPECT_EQ(Roster.Selected_Character(), 0); // the deleted one was last
    EXPECT_EQ(File(), "<party=\"(default)\"></party>\r\n<party=\"Blue team\"><character=\"Ann\">a</character>"
                      "</party>\r\n");

    Roster.Select_Party(0);
    EXPECT_EQ(Roster.Delete_Party(), "");
    EXPECT_EQ(File(), "<party=\"Blue team\"><character=\"Ann\">a</character></party>\r\n");
    EXPECT_EQ(Texts(Roster.Characters()), "[Ann]");
}

TEST_F(Party_Roster_Test, New_Party_Trims_Ignores_Blank_Answers_And_Matches_Without_Regard_To_Case) {
    Folder.Write("Characters.master",
                 "<party=\"Alpha\"></party>\r\n<party=\"Beta\"><character=\"B\"></character></party>\r\n");
    Roster.Load();
    const auto before = File();
    EXPECT_EQ(Roster.New_Party(" \t "), "");
    EXPECT_EQ(Roster.Selected_Party(), 0);
    EXPECT_EQ(Roster.New_Party("  bETA "), "");
    EXPECT_EQ(Texts(Roster.Parties()), "[Alpha][Beta]");
    EXPECT_EQ(Roster.Selected_Party(), 1);
    EXPECT_EQ(Texts(Roster.Characters()), "[B]");
    EXPECT_EQ(File(), before);
}

TEST_F(Party_Roster_Test, Deleting_The_Last_Party_Selects_The_New_Last_And_The_Only_One_Brings_Back_Default) {
    Folder.Write("Characters.master",
                 "<party=\"A\"><character=\"x\"></character></party>\r\n<party=\"B\"></party>\r\n");
    Roster.Load();
    Roster.Select_Party(1);
    Roster.Delete_Party();
    EXPECT_EQ(Roster.Selected_Party(), 0);
    EXPECT_EQ(Texts(Roster.Characters()), "[x]");
    Roster.Delete_Party();
    EXPECT_EQ(Texts(Roster.Parties()), "[(default)]");
    EXPECT_EQ(Roster.Selected_Party(), 0);
    EXPECT_EQ(File(), "<party=\"(default)\"></party>\r\n");
}

TEST_F(Party_Roster_Test, An_Update_Selects_The_First_Entry_Of_Its_Display_Text) {
    Roster.Load();
    Roster.Add_Character("Twin", "1");
    Roster.Add_Character("Other", "2");
    Roster.Add_Character("twin", "3");
    EXPECT_EQ(Roster.Selected_Character(), 1);
    Roster.Select_Character(0);
    EXPECT_EQ(Roster.Replace_Character("Twin\tMedic", "4"), "");
    EXPECT_EQ(Texts(Roster.Characters()), "[Twin][twin][Twin\tMedic]");
    EXPECT_EQ(Roster.Selected_Character(), 2);
    Roster.Select_Character(-1);
    EXPECT_EQ(Roster.Replace_Character("Nobody", "5"), "");
    EXPECT_EQ(Roster.Delete_Character(), "");
    EXPECT_EQ(Roster.Characters().size(), 3u);
}

TEST_F(Party_Roster_Test, A_File_Holding_No_Party_Is_Reported_And_Copied_Before_Its_First_Rewrite) {
    using namespace std::string_literals;
    const std::string garbage = "\x00\x01 binary \xFF<party"s;
    Folder.Write("Characters.master", garbage);
    EXPECT_EQ(Roster.Load(),
              "No party found while reading Characters.master\nCharacters.master is kept as it is "
              "and copied to Characters.master.bak before it is written again.");
    EXPECT_EQ(Texts(Roster.Parties()), "[(default)]");
    EXPECT_EQ(File(), garbage);
    EXPECT_EQ(Roster.Add_Character("Una", "u"), "");
    EXPECT_EQ(Folder.Read("Characters.master.bak"), garbage);
    EXPECT_EQ(File(), "<party=\"(default)\"><character=\"Una\">u</character></party>\r\n");
    Folder.Write("Characters.master.bak", "kept");
    Roster.Add_Character("Ann", "a"); // copied once only
    EXPECT_EQ(Folder.Read("Characters.master.bak"), "kept");
}

TEST_F(Party_Roster_Test, An_Unreadable_File_Is_Never_Overwritten_When_It_Cannot_Be_Copied) {
    std::filesystem::create_directory("Characters.master");
    const std::string problem = Roster.Load();
    EXPECT_EQ(problem.substr(0, problem.find('\n')), "File access denied while reading Characters.master");
    EXPECT_EQ(Texts(Roster.Parties()), "[(default)]");
    EXPECT_EQ(Roster.Add_Character("Una", "u"), "File access denied while copying Characters.master to "
                                                "Characters.master.bak; Characters.master was not written.");
    EXPECT_EQ(Texts(Roster.Characters()), "[Una]"); // kept in memory
    EXPECT_TRUE(std::filesystem::is_directory("Characters.master"));
    EXPECT_FALSE(std::filesystem::exists("Characters.master.bak"));
}

TEST_F(Party_Roster_Test, A_Failed_Save_Is_Reported_And_The_Lists_Keep_The_Change) {
    TParty_Roster roster(Folder.Path / "no such folder" / "Characters.master");
    EXPECT_EQ(roster.Load(), "");
    EXPECT_EQ(roster.New_Party("Red"), "File not found while writing Characters.master");
    EXPECT_EQ(roster.Add_Character("Una", "u"), "File not found while writing Characters.master");
    EXPECT_EQ(Texts(roster.Parties()), "[(default)][Red]");
    EXPECT_EQ(Texts(roster.Characters()), "[Una]");
}

} // namespace
} // namespace Vexlor
