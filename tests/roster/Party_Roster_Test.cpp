#include "roster/Party_Roster.h"

#include "tests/Test_Folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

namespace Vexlor {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

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
    EXPECT_TRUE(Roster.Load().Ok());
    EXPECT_EQ(Texts(Roster.Parties()), "[(default)]");
    EXPECT_EQ(Roster.Selected_Party(), 0);
    EXPECT_EQ(Roster.Selected_Character(), -1);
    EXPECT_FALSE(std::filesystem::exists("Characters.master"));

    EXPECT_TRUE(Roster.Add_Character("Una", "<#name=Una>").Ok());
    EXPECT_EQ(File(), "<party=\"(default)\"><character=\"Una\"><#name=Una></character></party>\r\n");
    EXPECT_EQ(Roster.Selected_Character(), 0);
}

TEST_F(Party_Roster_Test, Showing_Again_Lists_Each_Party_Once_And_Characters_Sorted) {
    Folder.Write("Characters.master",
                 "<party=\"zeta\"></party>\r\n<party=\"Alpha\"><character=\"rex\"></character>"
                 "<character=\"Bo\"></character></party>\r\n");
    for (int showing = 0; showing < 2; ++showing) {
        EXPECT_TRUE(Roster.Load().Ok());
        EXPECT_EQ(Texts(Roster.Parties()), "[Alpha][zeta]");
        EXPECT_EQ(Texts(Roster.Characters()), "[Bo][rex]");
        EXPECT_EQ(Roster.Selected_Character(), 0);
    }
}

TEST_F(Party_Roster_Test, Every_Change_Rewrites_The_File_At_Once) {
    ASSERT_TRUE(Roster.Load().Ok());
    EXPECT_TRUE(Roster.New_Party("  Blue team \t").Ok());
    EXPECT_EQ(Texts(Roster.Parties()), "[(default)][Blue team]");
    EXPECT_EQ(Roster.Selected_Party(), 1);
    EXPECT_EQ(File(), "<party=\"(default)\"></party>\r\n<party=\"Blue team\"></party>\r\n");

    ASSERT_TRUE(Roster.Add_Character("Una", "u").Ok());
    ASSERT_TRUE(Roster.Add_Character("Ann", "a").Ok());
    ASSERT_TRUE(Roster.Add_Character("Zed", "z").Ok());
    Roster.Select_Character(1);
    EXPECT_TRUE(Roster.Delete_Character().Ok());
    EXPECT_EQ(Texts(Roster.Characters()), "[Ann][Zed]");
    EXPECT_EQ(Roster.Selected_Character(), 1); // the entry now at the same place
    ASSERT_TRUE(Roster.Delete_Character().Ok());
    EXPECT_EQ(Roster.Selected_Character(), 0); // the deleted one was last
    EXPECT_EQ(File(), "<party=\"(default)\"></party>\r\n<party=\"Blue team\"><character=\"Ann\">a</character>"
                      "</party>\r\n");

    Roster.Select_Party(0);
    EXPECT_TRUE(Roster.Delete_Party().Ok());
    EXPECT_EQ(File(), "<party=\"Blue team\"><character=\"Ann\">a</character></party>\r\n");
    EXPECT_EQ(Texts(Roster.Characters()), "[Ann]");
}

TEST_F(Party_Roster_Test, New_Party_Trims_Ignores_Blank_Answers_And_Matches_Without_Regard_To_Case) {
    Folder.Write("Characters.master",
                 "<party=\"Alpha\"></party>\r\n<party=\"Beta\"><character=\"B\"></character></party>\r\n");
    ASSERT_TRUE(Roster.Load().Ok());
    const auto before = File();
    EXPECT_TRUE(Roster.New_Party(" \t ").Ok());
    EXPECT_EQ(Roster.Selected_Party(), 0);
    EXPECT_TRUE(Roster.New_Party("  bETA ").Ok());
    EXPECT_EQ(Texts(Roster.Parties()), "[Alpha][Beta]");
    EXPECT_EQ(Roster.Selected_Party(), 1);
    EXPECT_EQ(Texts(Roster.Characters()), "[B]");
    EXPECT_EQ(File(), before);
}

TEST_F(Party_Roster_Test, Deleting_The_Last_Party_Selects_The_New_Last_And_The_Only_One_Brings_Back_Default) {
    Folder.Write("Characters.master",
                 "<party=\"A\"><character=\"x\"></character></party>\r\n<party=\"B\"></party>\r\n");
    ASSERT_TRUE(Roster.Load().Ok());
    Roster.Select_Party(1);
    ASSERT_TRUE(Roster.Delete_Party().Ok());
    EXPECT_EQ(Roster.Selected_Party(), 0);
    EXPECT_EQ(Texts(Roster.Characters()), "[x]");
    ASSERT_TRUE(Roster.Delete_Party().Ok());
    EXPECT_EQ(Texts(Roster.Parties()), "[(default)]");
    EXPECT_EQ(Roster.Selected_Party(), 0);
    EXPECT_EQ(File(), "<party=\"(default)\"></party>\r\n");
}

TEST_F(Party_Roster_Test, An_Update_Selects_The_First_Entry_Of_Its_Display_Text) {
    ASSERT_TRUE(Roster.Load().Ok());
    ASSERT_TRUE(Roster.Add_Character("Twin", "1").Ok());
    ASSERT_TRUE(Roster.Add_Character("Other", "2").Ok());
    ASSERT_TRUE(Roster.Add_Character("twin", "3").Ok());
    EXPECT_EQ(Roster.Selected_Character(), 1);
    Roster.Select_Character(0);
    EXPECT_TRUE(Roster.Replace_Character("Twin\tMedic", "4").Ok());
    EXPECT_EQ(Texts(Roster.Characters()), "[Twin][twin][Twin\tMedic]");
    EXPECT_EQ(Roster.Selected_Character(), 2);
    Roster.Select_Character(-1);
    EXPECT_TRUE(Roster.Replace_Character("Nobody", "5").Ok());
    EXPECT_TRUE(Roster.Delete_Character().Ok());
    EXPECT_EQ(Roster.Characters().size(), 3u);
}

TEST_F(Party_Roster_Test, A_File_Holding_No_Party_Is_Reported_And_Copied_Before_Its_First_Rewrite) {
    using namespace std::string_literals;
    const std::string garbage = "\x00\x01 binary \xFF<party"s;
    Folder.Write("Characters.master", garbage);
    EXPECT_EQ(Roster.Load().Problem(),
              "No party found while reading Characters.master.\nCharacters.master is kept as it is "
              "and copied to Characters.master.bak before it is written again.");
    EXPECT_EQ(Texts(Roster.Parties()), "[(default)]");
    EXPECT_EQ(File(), garbage);
    EXPECT_TRUE(Roster.Add_Character("Una", "u").Ok());
    EXPECT_EQ(Folder.Read("Characters.master.bak"), garbage);
    EXPECT_EQ(File(), "<party=\"(default)\"><character=\"Una\">u</character></party>\r\n");
    Folder.Write("Characters.master.bak", "kept");
    ASSERT_TRUE(Roster.Add_Character("Ann", "a").Ok()); // copied once only
    EXPECT_EQ(Folder.Read("Characters.master.bak"), "kept");
}

TEST_F(Party_Roster_Test, An_Unreadable_File_Is_Never_Overwritten_When_It_Cannot_Be_Copied) {
    std::filesystem::create_directory("Characters.master");
    const std::string problem = Roster.Load().Problem();
    EXPECT_EQ(problem.substr(0, problem.find('\n')),
              "File access denied while reading Characters.master (a folder has that name).");
    EXPECT_EQ(Texts(Roster.Parties()), "[(default)]");
    EXPECT_THAT(Roster.Add_Character("Una", "u").Problem(),
                StartsWith("File access denied while reading Characters.master (a folder has that name) to "
                           "copy it to Characters.master.bak; Characters.master was not written.\n"));
    EXPECT_EQ(Texts(Roster.Characters()), "[Una]"); // kept in memory
    EXPECT_TRUE(std::filesystem::is_directory("Characters.master"));
    EXPECT_FALSE(std::filesystem::exists("Characters.master.bak"));
}

// A change that cannot be written stays in sight and is written with the next one that can be.
TEST_F(Party_Roster_Test, A_Failed_Save_Is_Reported_And_Kept_Until_The_File_Can_Be_Written) {
    const auto folder = Folder.Path / "no such folder";
    TParty_Roster roster(folder / "Characters.master");
    EXPECT_TRUE(roster.Load().Ok());
    const std::string problem =
        "Path not found while writing " + (folder / "Characters.master.lock").string() + " (the folder " +
        folder.string() + " does not exist): Characters.master was not written.\nThe change is kept";
    EXPECT_THAT(roster.New_Party("Red").Problem(), StartsWith(problem));
    EXPECT_THAT(roster.Add_Character("Una", "u").Problem(), StartsWith(problem));
    EXPECT_EQ(Texts(roster.Parties()), "[(default)][Red]");
    EXPECT_EQ(Texts(roster.Characters()), "[Una]");
    ASSERT_TRUE(roster.Load().Ok());
    EXPECT_EQ(Texts(roster.Parties()), "[(default)][Red]");
    std::filesystem::create_directory(folder);
    roster.Select_Party(1);
    EXPECT_TRUE(roster.Add_Character("Ann", "a").Ok());
    EXPECT_EQ(Read_File(folder / "Characters.master"),
              "<party=\"(default)\"></party>\r\n<party=\"Red\"><character=\"Ann\">a</character>"
              "<character=\"Una\">u</character></party>\r\n");
}

// Two windows (two copies of the program, or the program and the command-line companion) on one
// campaign folder, each changing what it read before the other wrote: nothing either stored is lost.
TEST_F(Party_Roster_Test, Two_Writers_Keep_Each_Others_Changes) {
    TParty_Roster first, second;
    ASSERT_TRUE(first.Load().Ok());
    ASSERT_TRUE(second.Load().Ok());
    EXPECT_TRUE(first.New_Party("Alpha Team").Ok());
    EXPECT_TRUE(second.New_Party("Beta Team").Ok());
    EXPECT_EQ(Texts(second.Parties()), "[(default)][Alpha Team][Beta Team]");
    EXPECT_EQ(Texts(Read_Parties(File())), "[(default)][Alpha Team][Beta Team]");

    first.Select_Party(1);
    EXPECT_TRUE(first.Add_Character("Rex", "r1").Ok());
    second.Select_Party(1);
    EXPECT_TRUE(second.Add_Character("Una", "u").Ok());
    EXPECT_EQ(Texts(second.Characters()), "[Rex][Una]");

    // Each edits, deletes or drops what the other changed meanwhile: the other's change is kept.
    EXPECT_TRUE(first.Replace_Character("Rex\tMedic", "r2").Ok());
    second.Select_Character(0);
    EXPECT_EQ(
        second.Replace_Character("Rex\tCommando", "r3").Problem(),
        "\"Rex\" was changed by another program since this window showed it while you edited it: both are "
        "kept.");
    EXPECT_EQ(Texts(second.Characters()), "[Rex\tCommando][Rex\tMedic][Una]");
    first.Select_Character(1);
    ASSERT_EQ(first.Characters()[1].Text, "Una");
    EXPECT_TRUE(first.Replace_Character("Una\tMedic", "u2").Ok());
    second.Select_Character(2);
    EXPECT_EQ(second.Delete_Character().Problem(),
              "\"Una\" was changed by another program since this window showed it, and is not deleted.");
    EXPECT_TRUE(first.Add_Character("Zed", "z").Ok());
    EXPECT_EQ(
        second.Delete_Party().Problem(),
        "The party \"Alpha Team\" was changed by another program since this window showed it, and is not "
        "deleted.");
    EXPECT_EQ(Texts(Read_Party_Members(Read_Parties(File())[1].Stored)),
              "[Rex\tCommando][Rex\tMedic][Una\tMedic][Zed]");
}

// A file whose last line was cut short (a full disk, an editor): the parties that can be read load,
// the game master hears which character was cut, and the file is kept before it is written again.
TEST_F(Party_Roster_Test, A_File_Cut_Short_Loads_What_It_Can_And_Is_Kept) {
    const std::string cut =
        "<party=\"Alpha\"><character=\"Rex\">r</character></party>\r\n"
        "<party=\"Beta\"><character=\"Bo\">b</character><character=\"Una\tMedic\"><name>U";
    Folder.Write("Characters.master", cut);
    EXPECT_EQ(
        Roster.Load().Problem(),
        "Characters.master ends in the middle of the character \"Una\" of the party \"Beta\": what could "
        "be read of it is shown.\nCharacters.master is kept as it is and copied to Characters.master.bak "
        "before it is written again.");
    EXPECT_EQ(Texts(Roster.Parties()), "[Alpha][Beta]");
    Roster.Select_Party(1);
    EXPECT_EQ(Texts(Roster.Characters()), "[Bo][Una\tMedic]");
    EXPECT_TRUE(Roster.Delete_Character().Ok());
    EXPECT_EQ(Folder.Read("Characters.master.bak"), cut);
    EXPECT_TRUE(Roster.Load().Ok());
    // Where the cut fell names no more than the file holds whole: a name cut in two is not shown.
    const std::pair<const char*, const char*> places[] = {
        {"<party=\"Gam", "a party"},
        {"<party=\"Gamma\"><character=\"Zed\"></character>", "the party \"Gamma\""},
        {"<party=\"Gamma\"><character=\"Ze", "a character of the party \"Gamma\""}};
    for (const auto& [end, place] : places) {
        Folder.Write("Characters.master", "<party=\"Alpha\"></party>\r\n" + std::string(end));
        EXPECT_THAT(Roster.Load().Problem(),
                    HasSubstr("Characters.master ends in the middle of " + std::string(place) + ":"));
        EXPECT_THAT(Roster.Parties().front().Text, "Alpha");
    }
}

// A file cut inside a tag is written back whole at the next change: the tag cut in two would
// otherwise take in the end tags written after it, and the parties after it would be lost.
TEST_F(Party_Roster_Test, A_Party_Cut_Inside_A_Tag_Is_Written_Back_Whole) {
    const std::pair<const char*, const char*> cuts[] = {{"<character=\"Una\tMe", "[Bo]"},
                                                        {"<character=\"Una\"><name>U", "[Bo][Una]"},
                                                        {"<character=\"Una\"><name>Una</na", "[Bo][Una]"}};
    for (const auto& [end, kept] : cuts) {
        Folder.Write("Characters.master",
                     "<party=\"Alpha\"></party>\r\n<party=\"Beta\"><character=\"Bo\">b</character>" +
                         std::string(end));
        EXPECT_FALSE(Roster.Load().Ok());
        EXPECT_TRUE(Roster.New_Party("Gamma").Ok());
        EXPECT_TRUE(Roster.Load().Ok()) << end;
        EXPECT_EQ(Texts(Roster.Parties()), "[Alpha][Beta][Gamma]") << end;
        Roster.Select_Party(1);
        EXPECT_EQ(Texts(Roster.Characters()), kept) << end;
    }
}

} // namespace
} // namespace Vexlor
