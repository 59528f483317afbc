#include "referee/Parties.h"

#include "Referee_Test_Support.h"
#include "catalogues/Compounds.h"
#include "catalogues/Item_Template.h"
#include "catalogues/QID_Plan.h"
#include "foundations/Random.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace Vexlor {
namespace {

using TItems = TMemory_Registry<TItem_Template, TItem_Registry>;
using TQIDs = TMemory_Registry<TQID_Plan, TQID_Registry>;
using TCompounds = TMemory_Registry<TCompound_Plan, TCompound_Registry>;

template <class T> T* Record(const std::string& tagged_text) {
    auto* record = new T;
    record->Deserialize(tagged_text.c_str());
    return record;
}

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
    std::vector<std::string> pieces;
    std::size_t from = 0;
    for (auto end = text.find(separator); end != std::string::npos; end = text.find(separator, from)) {
        pieces.push_back(text.substr(from, end - from));
        from = end + separator.size();
    }
    pieces.push_back(text.substr(from));
    return pieces;
}

class Parties_Test : public testing::Test {
  protected:
    void SetUp() override {
        for (const char* item : {"<#name=Paper>", "<#name=PID>", "<#name=Credit>", "<#name=Medkit><#count=1>",
                                 "<#name=Laser Pistol><#class=Weapon><#damage=2-12>",
                                 "<#name=Vibroblade><#class=Weapon><#damage=1-8>",
                                 "<#name=Padded Jacket><#class=Armor><#armorbonus=10>",
                                 "<#name=Combat Mesh><#class=Armor><#armorbonus=20>"})
            Items.Add(Record<TItem_Template>(item));
        for (const std::string level : {"1", "2", "3"}) {
            QIDs.Add(Record<TQID_Plan>("<#name=Beam " + level + "><#level=" + level + ">"));
            Compounds.Add(Record<TCompound_Plan>("<#name=Gas " + level + "><#level=" + level + ">"));
        }
        Write_Tables({});
    }

    // The party tables with one entry each (rolling no die) unless a test gives a table of its own,
    // rolled with one die of as many sides as it has entries.
    void Write_Tables(std::map<int, std::vector<std::string>> tables) {
        tables.insert({{225, {"0"}},
                       {226, {"0"}},
                       {227, {"0"}},
                       {236, {"Laser Pistol"}},
                       {239, {"<3+4> credits in a pouch"}},
                       {240, {"@C2"}},
                       {242, {"Medkit"}}});
        std::string text = "Party tables for the tests\n\n";
        for (const auto& [number, entries] : tables) {
            text += std::to_string(number) + "\tTest table\n";
            text += entries.size() == 1 ? "1\n" : "1D" + std::to_string(entries.size()) + "\n";
            for (std::size_t i = 0; i < entries.size(); ++i)
                text += std::to_string(i + 1) + "\t" + entries[i] + "\n";
            text += "\n";
        }
        Campaign.Write(Table_File_Name, text);
        Tables.Done();
    }

    // A member of one class (or two) at level 1 in each.
    TVexlor_Character& Member(int class1, int class2 = -1) {
        TVexlor_Character& member = Party.Add_Member(&Items);
        for (int slot = 1; slot <= 6; ++slot)
            member.Set_Class(slot, slot == 1 ? class1 : slot == 2 ? class2 : -1);
        for (int slot = 1; slot <= member.Get_Classes(); ++slot)
            member.Set_Level(slot, 1);
        return member;
    }

    // The description's lines of a party of one.
    std::vector<std::string> Lines() { return Split(Party_Description(Referee, Party.Get_Party()), "\r\n"); }

    TCampaign_Folder Campaign;
    TTable Tables;
    TOutput_File Output{[](const std::string&) {}};
    TItems Items;
    TQIDs QIDs;
    TCompounds Compounds;
    TReferee Referee{Tables, TCatalogues{&Items, nullptr, &QIDs, &Compounds}, Output};
    TGenerated_Party Party;
};

struct TMember_Case {
    int class1, class2, member_level, chance_roll;
    std::vector<int> levels; // of slots 1 and 2 afterwards
    std::string possessions;
};

class Outfitted_Member : public Parties_Test, public testing::WithParamInterface<TMember_Case> {};

TEST_P(Outfitted_Member, Takes_Chances_Levels_Recipes_And_Plans) {
    const TMember_Case& given = GetParam();
    TVexlor_Character& member = Member(given.class1, given.class2);
    // Every die shows its lowest face; each chance to carry something is rolled as given.
    TFunction_Random dice([&given](int n) { return n == 100 ? given.chance_roll : 0; });
    TRandom_Override rolls(dice);
    Outfit_Member(Referee, member, given.member_level);
    EXPECT_EQ((std::vector<int>{member.Get_Level(1), member.Get_Level(2)}), given.levels);
    EXPECT_EQ(Lines()[1], given.possessions);
}

INSTANTIATE_TEST_SUITE_P(
    Members, Outfitted_Member,
    testing::Values(
        // Each chance is taken when ten times the level reaches the roll, then draws once per five levels.
        TMember_Case{
            Class_Historian, -1, 4, 40, {4, 0}, "  Laser Pistol, Credit (7), Medkit (1), Gas 2 compound, "},
        TMember_Case{Class_Historian, -1, 4, 41, {4, 0}, "  "},
        TMember_Case{Class_Historian,
                     -1,
                     12,
                     99,
                     {12, 0},
                     "  Laser Pistol, Laser Pistol, Credit (14), Medkit (1), Medkit (1), Gas 2 compound, "
                     "Gas 2 compound, "},
        TMember_Case{Class_Historian, -1, -1, 0, {1, 0}, "  "},
        // The level is shared out over the classes when each gets more than 1.
        TMember_Case{Class_Historian, Class_Linguist, 9, 99, {4, 4}, "  "},
        TMember_Case{Class_Historian, Class_Linguist, 3, 99, {1, 1}, "  "},
        // A level 3 chemist knows a compound of level 3, one of level 2 and two of level 1; a level 3
        // engineer carries a QID of level 3, two of level 2 and four of level 1, with one plan each.
        TMember_Case{Class_Chemist, -1, 3, 99, {3, 0}, "  PID (Gas 3, Gas 2, Gas 1, Gas 1), "},
        TMember_Case{
            Class_General_Engineer,
            -1,
            3,
            99,
            {3, 0},
            "  PID (Beam 3, Beam 2, Beam 1), Beam 3 QID, Beam 2 QID, Beam 2 QID, Beam 1 QID, Beam 1 QID, "
            "Beam 1 QID, Beam 1 QID, "}));

TEST_F(Parties_Test, First_Armour_And_First_Weapon_Are_Worn) {
    Write_Tables({{236, {"Padded Jacket", "Combat Mesh", "Laser Pistol", "Vibroblade"}}});
    TVexlor_Character& fighter = Member(Class_Historian);
    int face = 0;
    TFunction_Random dice([&face](int n) { return n == 4 ? face++ % 4 : 0; });
    TRandom_Override rolls(dice);
    Outfit_Member(Referee, fighter, 20);
    const auto lines = Lines();
    EXPECT_NE(lines[0].find(", #AT: " + std::to_string(fighter.Get_Attacks()) +
                            ", Dmg: 2-12, AC: " + std::to_string(fighter.Get_AC() + 10) + ", "),
              std::string::npos)
        << lines[0];
    EXPECT_TRUE(lines[1].starts_with("  Padded Jacket, Combat Mesh, Laser Pistol, Vibroblade, Credit"))
        << lines[1];
}

TEST_F(Parties_Test, Equipment_Draw_Gives_Up_After_A_Hundred_Unknown_Names) {
    Write_Tables({{236, {"Hover Tank", "Star Yacht"}}});
    TVexlor_Character& member = Member(Class_Historian);
    int equipment_rolls = 0;
    TFunction_Random dice([&equipment_rolls](int n) {
        equipment_rolls += n == 2;
        return 0;
    });
    TRandom_Override rolls(dice);
    Outfit_Member(Referee, member, 10);
    EXPECT_EQ(equipment_rolls, 200); // two draws
    EXPECT_EQ(Lines()[1], "  Credit (14), Medkit (1), Medkit (1), Gas 2 compound, Gas 2 compound, ");
}

TEST_F(Parties_Test, Describes_Plans_On_Paper_And_Counts) {
    TVexlor_Item_Manager& items = *Member(Class_Historian).Item_Manager();
    items.Add(Item_Specification("P", "Force Field"));
    items.Add(Item_Specification("R", "Acid Spray"));
    items.Add("Paper");
    items.Get_Item(items.Add("Credit"))->Set_Count(250);
    EXPECT_EQ(Lines()[1], "  Force Field QID plan, Acid Spray compound recipe, Paper, Credit (250), ");
}

struct TParty_Case {
    int size;
    std::string size_change, level_change;
    int level;
    std::size_t members;
    int member_level;
};

class Party_Tables : public Parties_Test, public testing::WithParamInterface<TParty_Case> {};

TEST_P(Party_Tables, Change_Size_And_Level) {
    const TParty_Case& given = GetParam();
    Write_Tables({{225, {given.size_change}}, {226, {given.level_change}}});
    // Every member is a single-class Historian.
    TFunction_Random dice([](int n) { return n / 2; });
    TRandom_Override rolls(dice);
    const TGenerated_Party party = Create_Party(Referee, given.size, given.level);
    EXPECT_EQ(party.Get_Party().Members.size(), given.members);
    EXPECT_EQ(party.Get_Party().Get_Member(0)->Get_Level(1), given.member_level);
    EXPECT_EQ(Party_Description(Referee, party.Get_Party()).starts_with("Character party:\r\n"),
              given.members >= 2);
}

INSTANTIATE_TEST_SUITE_P(Parties, Party_Tables,
                         testing::Values(TParty_Case{0, "0", "2", 3, 6, 5},
                                         TParty_Case{-3, "-2", "-5", 2, 4, 1},
                                         TParty_Case{2, "-10", "junk", 4, 1, 4},
                                         TParty_Case{3, "1;2", "0", 1, 6, 1},
                                         TParty_Case{4, "<1+1>", "0", 1, 6, 1},
                                         TParty_Case{5, "1D1000000000", "1000000000", 1, 100, 100}));

// Ten parties from the shipped tables and starter catalogue, as ten "CHARACTER PARTY" encounters.
TEST(Parties_Shipped, Ten_Parties_From_The_Shipped_Tables_And_Catalogue) {
    TCampaign_Folder campaign;
    const std::filesystem::path data(VEXLOR_DATA_FOLDER);
    campaign.Write(Table_File_Name, Read_File(data / "TABLES.TXT").value_or(""));
    TItems items;
    TQIDs qids;
    TCompounds compounds;
    Load_Catalogue_File(items, data / "catalogues" / "items.txt");
    Load_Catalogue_File(qids, data / "catalogues" / "qids.txt");
    Load_Catalogue_File(compounds, data / "catalogues" / "compounds.txt");
    ASSERT_GT(items.Count(), 0);
    TTable tables;
    TOutput_File output{[](const std::string&) {}};
    TReferee referee{tables, TCatalogues{&items, nullptr, &qids, &compounds}, output};
    // Every name a possession may have: catalogue items, QIDs, compounds, plans and recipes.
    std::set<std::string> known;
    const auto know = [&known](auto& catalogue, std::initializer_list<const char*> kinds) {
        for (int i = 0; i < catalogue.Count(); ++i)
            for (const char* kind : kinds)
                known.insert(catalogue.Get(i)->Get_Name() + std::string(kind));
    };
    know(items, {""});
    know(qids, {" QID", " QID plan"});
    know(compounds, {" compound", " compound recipe"});
    for (int level = 1; level <= 10; ++level) {
        const TGenerated_Party party = Create_Party(referee, 0, level);
        const std::size_t members = party.Get_Party().Members.size();
        EXPECT_TRUE(members >= 4 && members <= 14) << members; // six, changed by -2 to 2D4
        const auto lines = Split(Party_Description(referee, party.Get_Party()), "\r\n");
        ASSERT_EQ(lines.size(), 2 * members + 2);
        EXPECT_EQ(lines.front(), "Character party:");
        EXPECT_EQ(lines.back(), "");
        for (std::size_t i = 0; i < members; ++i) {
            TVexlor_Character& member = *party.Get_Party().Get_Member(static_cast<int>(i));
            const std::string& figures = lines[1 + 2 * i];
            EXPECT_TRUE(figures.starts_with(member._Get_Name() + " (" + member.Description() + "), " +
                                            std::to_string(member.Hit_Points) + " hp, #AT: "))
                << figures;
            EXPECT_NE(figures.find(", AC: "), std::string::npos) << figures;
            const std::string& possessions = lines[2 + 2 * i];
            ASSERT_TRUE(possessions.starts_with("  ")) << possessions;
            // The possessions, each ended by ", " (a PID lists its plans in brackets).
            std::string possession;
            int depth = 0;
            for (const char c : possessions.substr(2)) {
                depth += c == '(' ? 1 : c == ')' ? -1 : 0;
                possession += c;
                if (depth == 0 && possession.ends_with(", ")) {
                    EXPECT_TRUE(known.contains(
                        possession.substr(0, std::min(possession.find(" ("), possession.size() - 2))))
                        << possession << " in " << possessions;
                    possession.clear();
                }
            }
            EXPECT_EQ(possession, "") << possessions;
        }
    }
}

} // namespace
} // namespace Vexlor
