// The affliction and mishap tools rolled on the shipped random tables and starter catalogue.
#include "catalogues/Poison_Template.h"
#include "referee/Afflictions.h"
#include "referee/Mishaps.h"

#include "Referee_Test_Support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace Vexlor {
namespace {

class Shipped_Afflictions_Test : public testing::Test {
  protected:
    void SetUp() override {
        const std::filesystem::path data(VEXLOR_DATA_FOLDER);
        Campaign.Write("TABLES.TXT", Read_File(data / "TABLES.TXT").value_or(""));
        Load_Catalogue_File(Effects, data / "catalogues" / "effects.txt");
        Load_Catalogue_File(Poisons, data / "catalogues" / "poisons.txt");
        ASSERT_GT(Poisons.Count(), 0);
    }
    std::vector<std::string> Entries(int table) {
        std::vector<std::string> texts;
        for (const TTable_Entry& entry : Tables.Find_Table(table, Table_File_Name)->Entries)
            texts.push_back(entry.Text);
        return texts;
    }
    TCampaign_Folder Campaign;
    TMemory_Registry<TEffect_Template, TEffect_Registry> Effects;
    TMemory_Registry<TPoison_Template, TPoison_Registry> Poisons;
    TTable Tables;
    TOutput_File Output{[](const std::string& message) { ADD_FAILURE() << message; }};
    TReferee Referee{Tables, TCatalogues{nullptr, nullptr, nullptr, nullptr, &Effects, &Poisons}, Output};
};

bool Contains_Any(const std::string& line, const char* characters) {
    return line.find_first_of(characters) != std::string::npos;
}

// Severity, chronicity, one of the areas and " disease.", then nothing or further sentences.
bool Is_Disease(const std::string& line, const std::vector<std::string>& areas) {
    for (const char* severity : {"Mild ", "Severe ", "Terminal "})
        for (const char* chronicity : {"acute ", "chronic "})
            for (const std::string& area : areas) {
                const std::string start = severity + std::string(chronicity) + area + " disease.";
                if (line.starts_with(start) &&
                    (line.size() == start.size() || line.substr(start.size(), 2) == "  "))
                    return !Contains_Any(line, "<>@");
            }
    return false;
}

TEST_F(Shipped_Afflictions_Test, Every_Tool_Gives_Its_Lines_Under_Its_Heading) {
    Output.Set_File_Name((Campaign.Path / "evening.txt").string());
    const std::vector<std::pair<std::string, std::vector<std::string>>> blocks{
        {"Diseases", Roll_Diseases(Referee, 3).Lines},
        {"Poison", Roll_Poisoning(Referee, Random_Choice).Lines},
        {"Creature venom", Roll_Venom(Referee, 4).Lines},
        {"Lost", Roll_Lost(Referee).Lines},
        {"Plants", Roll_Plants(Referee).Lines},
        {"Spy failure", Roll_Commando_Failure(Referee).Lines},
        {"Biologist failure", Roll_Biologist_Failure(Referee).Lines}};
    std::string expected;
    for (const auto& [heading, lines] : blocks) {
        expected += "\r\n" + heading + "\r\n\r\n";
        for (const std::string& line : lines)
            expected += line + "\r\n";
    }
    EXPECT_EQ(Read_File(Campaign.Path / "evening.txt").value_or(""), expected);

    // Every area of table 2 is one the disease rules know.
    const auto areas = Entries(2);
    ASSERT_EQ(blocks[0].second.size(), 20u);
    for (const std::string& line : blocks[0].second)
        EXPECT_TRUE(Is_Disease(line, areas)) << line;
    for (const std::string& area : areas)
        EXPECT_FALSE(Set_Disease(area, 3).empty()) << area;

    ASSERT_EQ(blocks[2].second.size(), 40u);
    for (std::size_t i = 1; i < 40; i += 2)
        EXPECT_EQ(blocks[2].second[i], "----------");
    for (std::size_t tool = 3; tool < blocks.size(); ++tool)
        EXPECT_EQ(blocks[tool].second.size(), 20u) << blocks[tool].first;
    const auto lost = Entries(5), commando = Entries(11);
    for (const std::string& line : blocks[3].second)
        EXPECT_NE(std::find(lost.begin(), lost.end(), line), lost.end()) << line;
    for (const std::string& line : blocks[4].second)
        EXPECT_FALSE(line.empty() || Contains_Any(line, "*<>@;")) << line;
    for (const std::string& line : blocks[5].second)
        EXPECT_NE(std::find(commando.begin(), commando.end(), line), commando.end()) << line;
    for (const std::string& line : blocks[6].second)
        EXPECT_FALSE(line.empty() || Contains_Any(line, "<>@")) << line;
}

// Each poison of the starter catalogue names effects the catalogue holds: a miss line when it has
// a miss effect, then the hit line, each describing its effect from its onset or duration on.
TEST_F(Shipped_Afflictions_Test, Every_Starter_Poison_Is_Described) {
    for (std::int32_t i = 0; i < Poisons.Count(); ++i) {
        const TPoison_Template& poison = *Poisons.Get(i);
        const std::string type = poison.Get_Name();
        const bool misses = *poison.Get_Effect_Miss() != '\0';
        const auto lines = Roll_Poisoning(Referee, type).Lines;
        ASSERT_EQ(lines.size(), misses ? 40u : 20u) << type;
        for (std::size_t j = 0; j < lines.size(); ++j) {
            const std::string start = "Type " + type + ": " + (misses && j % 2 == 0 ? "Miss: " : "");
            EXPECT_TRUE(lines[j].starts_with(start + "Onset time ") ||
                        lines[j].starts_with(start + "Lasting "))
                << lines[j];
        }
    }
}

} // namespace
} // namespace Vexlor
