// The combat, encounter, treasure, gem and jewellery tools rolled on the shipped random tables
// and starter catalogue.
#include "catalogues/Compounds.h"
#include "catalogues/Item_Template.h"
#include "catalogues/QID_Plan.h"
#include "referee/Combat.h"
#include "referee/Encounters.h"
#include "referee/Gems.h"
#include "referee/Treasure.h"

#include "Referee_Test_Support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace Vexlor {
namespace {

class Shipped_Encounters_Test : public testing::Test {
  protected:
    void SetUp() override {
        const std::filesystem::path data(VEXLOR_DATA_FOLDER);
        Campaign.Write("TABLES.TXT", Read_File(data / "TABLES.TXT").value_or(""));
        Load_Catalogue_File(Items, data / "catalogues" / "items.txt");
        Load_Catalogue_File(Creatures, data / "catalogues" / "creatures.txt");
        Load_Catalogue_File(QIDs, data / "catalogues" / "qids.txt");
        Load_Catalogue_File(Compounds, data / "catalogues" / "compounds.txt");
        ASSERT_GT(Creatures.Count(), 40);
        Output.Set_File_Name((Campaign.Path / "evening.txt").string());
    }
    std::vector<std::string> Entries(int table) {
        std::vector<std::string> texts;
        for (const TTable_Entry& entry : Tables.Find_Table(table, Table_File_Name)->Entries)
            texts.push_back(entry.Text);
        return texts;
    }
    bool Is_Entry_Of(int table, const std::string& text) {
        const auto entries = Entries(table);
        return std::find(entries.begin(), entries.end(), text) != entries.end();
    }
    TCampaign_Folder Campaign;
    TMemory_Registry<TItem_Template, TItem_Registry> Items;
    TMemory_Registry<TCreature_Profile, TCreature_Registry> Creatures;
    TMemory_Registry<TQID_Plan, TQID_Registry> QIDs;
    TMemory_Registry<TCompound_Plan, TCompound_Registry> Compounds;
    TTable Tables;
    TOutput_File Output{[](const std::string& message) { ADD_FAILURE() << message; }};
    TReferee Referee{Tables, TCatalogues{&Items, &Creatures, &QIDs, &Compounds}, Output};
    TEncounters Encounters{Referee};
};

bool Is_Number(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "12 hp, 30 Exp", then perhaps "  Treasure: " and the treasure.
bool Is_Short_State(const std::string& state) {
    const auto hp = state.find(" hp, "), exp = state.find(" Exp");
    return hp != std::string::npos && exp != std::string::npos && Is_Number(state.substr(0, hp)) &&
           Is_Number(state.substr(hp + 5, exp - hp - 5)) &&
           (exp + 4 == state.size() || state.substr(exp + 4, 12) == "  Treasure: ");
}

// Coins, gems, credits or items as the single letter asks.
bool Has_Letter_Shape(char letter, const std::string& treasure) {
    if (letter >= 'A' && letter <= 'L')
        return Is_Number(treasure.substr(0, treasure.find(" pounds of "))) && treasure.ends_with(".  ");
    if (letter >= 'M' && letter <= 'R')
        return treasure.find(" gems: ") != std::string::npos && treasure.ends_with(")");
    if (letter >= 'S' && letter <= 'U')
        return Is_Number(treasure.substr(0, treasure.find(" credits.  ")));
    if (letter >= 'V' && letter <= 'Z')
        return treasure.starts_with("  ") && treasure.ends_with(".  ");
    return true;
}

// Whatever habitat and climate the game master chooses, every creature entry of every encounter
// level finds a profile that lives there (never the first of its kind from elsewhere), and the
// tables meet at least five different creatures in each.
TEST_F(Shipped_Encounters_Test, Every_Habitat_And_Climate_Meets_Creatures_That_Live_There) {
    for (const std::string& habitat_choice : Encounter_Habitats)
        for (const std::string& climate_choice : Encounter_Climates) {
            const int habitat = Habitat_Code(habitat_choice), climate = Climate_Code(climate_choice);
            std::set<std::string> met;
            for (int level = 1; level <= 12; ++level)
                for (const std::string& entry : Entries(100 + level)) {
                    std::string name = entry.substr(0, entry.find(';'));
                    if (name == "Character Party")
                        continue;
                    int size = 0;
                    const TCreature_Profile* profile =
                        Encounters.Get_Creature(name, level, size, climate, habitat);
                    ASSERT_TRUE(profile) << "table " << 100 + level << ": " << entry;
                    EXPECT_TRUE(TEncounters::Try_Creature(*profile, level, climate, habitat))
                        << habitat_choice << ", " << climate_choice << ", level " << level << ": " << entry
                        << " gives " << profile->Get_Name();
                    met.insert(profile->Get_Name());
                }
            EXPECT_GE(met.size(), 5u) << habitat_choice << ", " << climate_choice;
        }
}

TEST_F(Shipped_Encounters_Test, Minor_Artifacts_Are_In_The_Item_Catalogue) {
    int minor_artifacts = 0;
    for (const std::string& artifact : Entries(210)) {
        const TItem_Template* item = Items.Get(artifact.c_str());
        minor_artifacts += item && item->Get_Classification() == IC_Minor_Artifact;
    }
    EXPECT_EQ(minor_artifacts, 8);
}

// A block is a party line, or a name line with the full state of the last creature and the short
// states of the group.
TEST_F(Shipped_Encounters_Test, Ten_Encounters_At_Every_Level) {
    for (int level = 0; level <= 10; ++level) {
        const TRoll_Result result = Encounters.Roll(TEncounter_Choices{.Level = level, .Party_Size = 4});
        EXPECT_EQ(result.Error, "");
        EXPECT_EQ(std::count(result.Lines.begin(), result.Lines.end(), "----------"), 10);
        std::vector<std::string> block;
        for (const std::string& line : result.Lines) {
            if (line != "----------") {
                block.push_back(line);
                continue;
            }
            if (block.size() == 1) {
                EXPECT_TRUE(Is_Entry_Of(224, block[0].substr(0, block[0].find('.') + 1))) << block[0];
                EXPECT_NE(block[0].find(" hp, #AT: "), std::string::npos) << block[0];
            } else {
                ASSERT_EQ(block.size(), 3u) << block[0];
                std::string name = block[0].substr(0, block[0].find(" ("));
                int size = 0;
                EXPECT_TRUE(Encounters.Get_Creature(name, 1, size, 0, 0)) << block[0];
                EXPECT_TRUE(block[1].starts_with("#AT ")) << block[1];
                EXPECT_NE(block[1].find("  Movement "), std::string::npos) << block[1];
                std::string group = block[2] + "; \r\n";
                for (auto end = group.find("; \r\n"); end != std::string::npos; end = group.find("; \r\n")) {
                    EXPECT_TRUE(Is_Short_State(group.substr(0, end))) << block[2];
                    group.erase(0, end + 4);
                }
            }
            block.clear();
        }
    }
    const std::string log = Read_File(Campaign.Path / "evening.txt").value_or("");
    EXPECT_TRUE(log.starts_with("\r\nEncounters\r\n\r\n"));
}

TEST_F(Shipped_Encounters_Test, Ten_Treasures_Of_Every_Type) {
    for (const std::string& type : Treasure_Types) {
        const TRoll_Result result = Roll_Treasure(Referee, type);
        EXPECT_EQ(result.Error, "");
        ASSERT_EQ(result.Lines.size(), 20u);
        for (std::size_t i = 0; i < 20; i += 2) {
            const std::string& treasure = result.Lines[i];
            EXPECT_EQ(result.Lines[i + 1], "----------");
            EXPECT_FALSE(treasure.empty() || treasure.find_first_of("<>@") != std::string::npos) << type;
            EXPECT_TRUE(Has_Letter_Shape(type.size() == 1 ? type[0] : ' ', treasure)) << treasure;
        }
    }
}

TEST_F(Shipped_Encounters_Test, Gems_Jewelry_And_A_Ship_Hit) {
    const TRoll_Result gems = Roll_Gems(Referee);
    EXPECT_EQ(gems.Error, "");
    ASSERT_EQ(gems.Lines.size(), 20u);
    for (const std::string& gem : gems.Lines) {
        const auto cr = gem.find(" cr ");
        EXPECT_TRUE(Is_Number(gem.substr(0, cr)) && Is_Entry_Of(251, gem.substr(cr + 4))) << gem;
    }
    const auto jewelry = Roll_Jewelry(Referee).Lines;
    ASSERT_EQ(jewelry.size(), 20u);
    for (const std::string& piece : jewelry) {
        const auto comma = piece.rfind(", ");
        EXPECT_TRUE(piece.ends_with(" cr") && Is_Number(piece.substr(comma + 2, piece.size() - comma - 5)))
            << piece;
        EXPECT_EQ(piece.find_first_of("<>;"), std::string::npos) << piece;
    }
    const std::string log = Read_File(Campaign.Path / "evening.txt").value_or("");
    EXPECT_NE(log.find("\r\nGems\r\n\r\n"), std::string::npos);
    EXPECT_NE(log.find("\r\nJewelry\r\n\r\n"), std::string::npos);
    const std::string hit = Ship_Attack_Result(TShip{.Captain = -30}, TShip{.MR = 9}, Tables);
    EXPECT_TRUE(hit.starts_with("Hit: ") && Is_Entry_Of(1, hit.substr(5))) << hit;
}

} // namespace
} // namespace Vexlor
