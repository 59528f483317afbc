#include "referee/Parties.h"

#include "Referee_Test_Support.h"
#include "catalogues/Compounds.h"
#include "catalogues/Item_Template.h"
#include "catalogues/QID_Plan.h"
#include "foundations/Random.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>

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

// A table rolled with one die of as many sides as it has entries; one entry rolls no die at all.
std::string Table(int number, const std::vector<std::string>& entries) {
    std::string text = std::to_string(number) + "\tTest table\n";
    text += entries.size() == 1 ? "1\n" : "1D" + std::to_string(entries.size()) + "\n";
    for (std::size_t i = 0; i < entries.size(); ++i)
        text += std::to_string(i + 1) + "\t" + entries[i] + "\n";
    return text + "\n";
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

// Every die shows its lowest face, and each chance of a member to carry something is rolled as
// chance_roll.
class TChance_Dice : public TFunction_Random {
  public:
    explicit TChance_Dice(int chance_roll)
        : TFunction_Random([chance_roll](int n) { return n == 100 ? chance_roll : 0; }) {}
};

class Parties_Test : public testing::Test {
  protected:
    void SetUp() override {
        for (const char* item : {"<#name=Paper>", "<#name=PID>", "<#name=Credit>", "<#name=Medkit><#count=1>",
                                 "<#name=Laser Pistol><#class=Weapon><#damage=2-12>",
                                 "<#name=Vibroblade><#class=Weapon><#damage=1-8>",
                                 "<#name=Padded Jacket><#class=Armor><#armorbonus=10>",
                                 "<#name=Combat Mesh><#class=Armor><#armorbonus=20>"})
            Items.Add(Record<TItem_Template>(item));
        for (int level = 1; level <= 3; ++level) {
            const std::string number = std::to_string(level);
            QIDs.Add(Record<TQID_Plan>("<#name=Beam " + number + "><#level=" + number + ">"));
            Compounds.Add(Record<TCompound_Plan>("<#name=Gas " + number + "><#level=" + number + ">"));
        }
        Write_Tables({});
    }

    // The party tables, each with one entry unless a test gives others.
    void Write_Tables(std::map<int, std::vector<std::string>> tables) {
        const std::map<int, std::vector<std::string>> standard{{225, {"0"}},
                                                               {226, {"0"}},
                                                               {227, {"0"}},
                                                               {236, {"Laser Pistol"}},
                                                               {239, {"<3+4> credits in a pouch"}},
                                                               {240, {"@C2"}},
                                                               {242, {"Medkit"}}};
        tables.insert(standard.begin(), standard.end());
        std::string text = "Party tables for the tests\n\n";
        for (const auto& [number, entries] : tables)
            text += Table(number, entries);
        Campaign.Write(Table_File_Name, text);
        Tables.Done();
    }

    // A member with these classes and levels in slots 1 and 2 (class -1: none).
    TVexlor_Character& Member(int class1, int level1, int class2 = -1, int level2 = 0) {
        TVexlor_Character& member = Party.Add_Member(&Items);
        for (int slot = 1; slot <= 6; ++slot)
            member.Set_Class(slot, -1);
        member.Set_Class(1, class1);
        member.Set_Level(1, level1);
        if (class2 >= 0) {
            member.Set_Class(2, class2);
            member.Set_Level(2, level2);
        }
        return member;
    }

    std::string Possessions(const TVexlor_Character& member) const {
        return Split(Party_Description(Referee, TVexlor_Party{{const_cast<TVexlor_Character*>(&member)}}),
                     "\r\n")[1];
    }

    TCampaign_Folder Campaign;
    TTable Tables;
    TOutput_File Output{[](const std::string&) {}};
    TItems Items;
    TQIDs QIDs;
    TCompounds Compounds;
    TReferee Referee{Tables, TReferee_Catalogues{&Items, nullptr, &QIDs, &Compounds}, Output};
    TGenerated_Party Party;
};

struct TChance_Case {
    int level;
    int chance_roll;
    std::string possessions;
};

class Member_Chances : public Parties_Test, public testing::WithParamInterface<TChance_Case> {};

// Each of the four chances is taken when ten times the level reaches the roll of 0..99, and then
// draws once for every five levels.
TEST_P(Member_Chances, Are_Ten_Percent_A_Level_With_A_Draw_Per_Five_Levels) {
    TVexlor_Character& historian = Member(Class_Historian, 1);
    TChance_Dice dice(GetParam().chance_roll);
    TRandom_Override chances(dice);
    Outfit_Member(Referee, historian, GetParam().level);
    EXPECT_EQ(Possessions(historian), GetParam().possessions);
}

INSTANTIATE_TEST_SUITE_P(
    Levels, Member_Chances,
    testing::Values(TChance_Case{4, 40, "  Laser Pistol, Credit (7), Medkit (1), Gas 2 compound, "},
                    TChance_Case{4, 41, "  "},
                    TChance_Case{
                        12, 99,
                        "  Laser Pistol, Laser Pistol, Credit (14), Medkit (1), Medkit (1), Gas 2 compound, "
                        "Gas 2 compound, "},
                    TChance_Case{0, 0, "  Laser Pistol, Credit (7), Medkit (1), Gas 2 compound, "},
                    TChance_Case{-1, 0, "  "}));

struct TLevel_Case {
    int member_level;
    int class2;
    std::vector<int> levels; // slots 1 and 2 afterwards
};

class Member_Levels : public Parties_Test, public testing::WithParamInterface<TLevel_Case> {};

TEST_P(Member_Levels, Are_Shared_Out_Over_The_Classes_Above_One_Each) {
    TVexlor_Character& member = Member(Class_Historian, 1, GetParam().class2, GetParam().class2 >= 0 ? 2 : 0);
    TChance_Dice dice(99);
    TRandom_Override chances(dice);
    Outfit_Member(Referee, member, GetParam().member_level);
    EXPECT_EQ((std::vector<int>{member.Get_Level(1), member.Get_Level(2)}), GetParam().levels);
}

INSTANTIATE_TEST_SUITE_P(Levels, Member_Levels,
                         testing::Values(TLevel_Case{9, Class_Linguist, {4, 4}},
                                         TLevel_Case{3, Class_Linguist, {1, 2}},
                                         TLevel_Case{5, Class_Linguist, {2, 2}}, TLevel_Case{7, -1, {7, 0}},
                                         TLevel_Case{1, -1, {1, 0}}, TLevel_Case{-4, -1, {1, 0}}));

TEST_F(Parties_Test, First_Armour_And_First_Weapon_Are_Worn) {
    Write_Tables({{236, {"Padded Jacket", "Combat Mesh", "Laser Pistol", "Vibroblade"}}});
    TVexlor_Character& fighter = Member(Class_Historian, 1);
    int next_face = 0;
    TFunction_Random dice([&next_face](int n) { return n == 4 ? next_face++ % 4 : 0; });
    TRandom_Override rolls(dice);
    Outfit_Member(Referee, fighter, 20);

    const TVexlor_Item_Manager& items = *fighter.Item_Manager();
    ASSERT_GE(items.Count(), 4);
    std::vector<bool> equipped;
    for (int i = 0; i < 4; ++i)
        equipped.push_back(items.Get_Item(i)->Equipped);
    EXPECT_EQ(equipped, (std::vector<bool>{true, false, true, false}));
    const std::string figures = Split(Party_Description(Referee, Party.Get_Party()), "\r\n")[0];
    EXPECT_NE(figures.find(", #AT: " + std::to_string(fighter.Get_Attacks()) +
                           ", Dmg: 2-12, AC: " + std::to_string(fighter.Get_AC() + 10)),
              std::string::npos)
        << figures;
}

TEST_F(Parties_Test, Equipment_Draw_Gives_Up_After_A_Hundred_Unknown_Names) {
    Write_Tables({{236, {"Hover Tank", "Star Yacht"}}});
    TVexlor_Character& member = Member(Class_Historian, 1);
    int equipment_rolls = 0;
    TFunction_Random dice([&equipment_rolls](int n) {
        equipment_rolls += n == 2;
        return 0;
    });
    TRandom_Override rolls(dice);
    Outfit_Member(Referee, member, 10);
    // Two draws for level 10, each giving up after a hundred names.
    EXPECT_EQ(equipment_rolls, 200);
    EXPECT_EQ(Possessions(member), "  Credit (14), Medkit (1), Medkit (1), Gas 2 compound, Gas 2 compound, ");

    // A known name after some unknown ones ends the draw.
    Write_Tables({{236, {"Hover Tank", "Star Yacht", "Vibroblade"}}});
    TVexlor_Character& lucky = Member(Class_Historian, 1);
    int face = 0;
    TFunction_Random lucky_dice([&face](int n) { return n == 3 ? std::min(face++, 2) : 99 * (n == 100); });
    TRandom_Override lucky_rolls(lucky_dice);
    Outfit_Member(Referee, lucky, 10);
    EXPECT_EQ(Possessions(lucky),
              "  Vibroblade, Vibroblade, Credit (14), Medkit (1), Medkit (1), Gas 2 compound, "
              "Gas 2 compound, ");
}

TEST_F(Parties_Test, Chemist_Keeps_Recipes_Of_Every_Level_In_A_PID) {
    TVexlor_Character& chemist = Member(Class_Chemist, 3);
    TChance_Dice dice(99);
    TRandom_Override rolls(dice);
    Outfit_Member(Referee, chemist, 3);
    // A level 3 chemist knows one compound of level 3, one of level 2 and two of level 1.
    EXPECT_EQ(Possessions(chemist), "  PID (Gas 3, Gas 2, Gas 1, Gas 1), ");
}

TEST_F(Parties_Test, Engineer_Carries_QIDs_With_One_Plan_Each) {
    TVexlor_Character& engineer = Member(Class_General_Engineer, 3);
    TChance_Dice dice(99);
    TRandom_Override rolls(dice);
    Outfit_Member(Referee, engineer, 3);
    // A level 3 engineer carries one QID of level 3, two of level 2 and four of level 1.
    EXPECT_EQ(Possessions(engineer),
              "  PID (Beam 3, Beam 2, Beam 1), Beam 3 QID, Beam 2 QID, Beam 2 QID, Beam 1 QID, "
              "Beam 1 QID, Beam 1 QID, Beam 1 QID, ");
}

TEST_F(Parties_Test, Without_A_PID_No_Plans_Or_Recipes_Are_Kept) {
    TItems no_pid;
    no_pid.Add(Record<TItem_Template>("<#name=Paper>"));
    TReferee referee{Tables, TReferee_Catalogues{&no_pid, nullptr, &QIDs, &Compounds}, Output};
    TGenerated_Party party;
    TVexlor_Character& chemist = party.Add_Member(&no_pid);
    TVexlor_Character& engineer = party.Add_Member(&no_pid);
    for (TVexlor_Character* member : {&chemist, &engineer})
        for (int slot = 1; slot <= 6; ++slot)
            member->Set_Class(slot, -1);
    chemist.Set_Class(1, Class_Chemist);
    chemist.Set_Level(1, 3);
    engineer.Set_Class(1, Class_Electrical_Engineer);
    engineer.Set_Level(1, 1);
    TChance_Dice dice(99);
    TRandom_Override rolls(dice);
    Outfit_Member(referee, chemist, 3);
    Outfit_Member(referee, engineer, 1);
    const auto lines = Split(Party_Description(referee, party.Get_Party()), "\r\n");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "Character party:");
    EXPECT_EQ(lines[2], "  ");
    EXPECT_EQ(lines[4], "  Beam 1 QID, Beam 1 QID, Beam 1 QID, Beam 1 QID, ");
    EXPECT_EQ(lines[5], "");
}

TEST_F(Parties_Test, Plans_On_Paper_And_Counts_Are_Described) {
    TVexlor_Character& member = Member(Class_Historian, 1);
    TVexlor_Item_Manager& items = *member.Item_Manager();
    items.Add(Item_Specification("P", "Force Field"));
    items.Add(Item_Specification("R", "Acid Spray"));
    items.Add("Paper");
    items.Get_Item(items.Add("Credit"))->Set_Count(250);
    items.Add("Medkit");
    EXPECT_EQ(Possessions(member),
              "  Force Field QID plan, Acid Spray compound recipe, Paper, Credit (250), Medkit (1), ");
}

struct TSize_Case {
    int size;
    std::string change;
    std::size_t members;
};

class Party_Size : public Parties_Test, public testing::WithParamInterface<TSize_Case> {};

TEST_P(Party_Size, Counts_Six_Below_One_And_Keeps_At_Least_One_Member) {
    Write_Tables({{225, {GetParam().change}}});
    TFunction_Random dice([](int n) { return n / 2; });
    TRandom_Override rolls(dice);
    const TGenerated_Party party = Create_Party(Referee, GetParam().size, 1);
    EXPECT_EQ(party.Get_Party().Members.size(), GetParam().members);
    const std::string description = Party_Description(Referee, party.Get_Party());
    EXPECT_EQ(description.starts_with("Character party:\r\n"), GetParam().members >= 2);
    EXPECT_EQ(Split(description, "\r\n").size(), 2 * GetParam().members + (GetParam().members >= 2 ? 2 : 1));
}

INSTANTIATE_TEST_SUITE_P(Sizes, Party_Size,
                         testing::Values(TSize_Case{0, "0", 6}, TSize_Case{-3, "-2", 4},
                                         TSize_Case{2, "-10", 1}, TSize_Case{3, "1;2", 6},
                                         TSize_Case{1, "0", 1}, TSize_Case{4, "<1+1>", 6},
                                         TSize_Case{2, "nonsense", 2}, TSize_Case{5, "1D1000000000", 100}));

TEST_F(Parties_Test, Party_And_Member_Levels_Come_From_Their_Tables) {
    // The dice make every member a single-class Historian.
    TFunction_Random dice([](int n) { return n / 2; });
    TRandom_Override rolls(dice);
    const struct {
        std::string party_change, member_change;
        int level, member_level;
    } cases[] = {{"2", "0", 3, 5}, {"-5", "0", 2, 1}, {"0", "1D3+1", 4, 7}, {"junk", "-1", 4, 3}};
    for (const auto& level_case : cases) {
        Write_Tables({{225, {"-5"}}, {226, {level_case.party_change}}, {227, {level_case.member_change}}});
        const TGenerated_Party party = Create_Party(Referee, 1, level_case.level);
        const TVexlor_Character& member = *party.Get_Party().Get_Member(0);
        ASSERT_EQ(member.Get_Classes(), 1);
        EXPECT_EQ(member.Get_Level(1), level_case.member_level) << level_case.party_change;
    }
}

bool Take(std::string_view& rest, std::string_view literal) {
    if (!rest.starts_with(literal))
        return false;
    rest.remove_prefix(literal.size());
    return true;
}

// A whole number, with a sign when it has one.
bool Take_Number(std::string_view& rest) {
    const std::size_t sign = rest.starts_with('+') || rest.starts_with('-') ? 1 : 0;
    std::size_t end = sign;
    while (end < rest.size() && std::isdigit(static_cast<unsigned char>(rest[end])))
        ++end;
    if (end == sign)
        return false;
    rest.remove_prefix(end);
    return true;
}

// "Chemist 3/Medic 2": full class names with their levels.
bool Is_Class_Summary(const std::string& summary) {
    for (const std::string& entry : Split(summary, "/")) {
        const auto blank = entry.rfind(' ');
        std::string_view level = std::string_view(entry).substr(blank + 1);
        if (blank == std::string::npos || Class_Index(entry.substr(0, blank)) < 0 || !Take_Number(level) ||
            !level.empty())
            return false;
    }
    return true;
}

// Name (classes), hp, #AT: attacks[, Dmg: low-high], AC: ac[, regenerate n][, hit n][, defense n][, offense
// n]
bool Is_Figure_Line(const std::string& line) {
    const auto open = line.find(" ("), close = line.find("), ");
    if (open == 0 || open == std::string::npos || close == std::string::npos ||
        !Is_Class_Summary(line.substr(open + 2, close - open - 2)))
        return false;
    std::string_view rest = std::string_view(line).substr(close + 3);
    if (!Take_Number(rest) || !Take(rest, " hp, #AT: ") || !Take_Number(rest))
        return false;
    if (Take(rest, ", Dmg: ") && !(Take_Number(rest) && Take(rest, "-") && Take_Number(rest)))
        return false;
    if (!Take(rest, ", AC: ") || !Take_Number(rest))
        return false;
    for (const char* adjustment : {", regenerate ", ", hit ", ", defense ", ", offense "})
        if (Take(rest, adjustment) && !Take_Number(rest))
            return false;
    return rest.empty();
}

// The possessions of a line, each ended by ", " (a PID lists its plans inside its brackets).
std::vector<std::string> Possession_List(std::string_view line) {
    std::vector<std::string> possessions;
    std::string current;
    int depth = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        depth += line[i] == '(' ? 1 : line[i] == ')' ? -1 : 0;
        if (depth == 0 && line.substr(i).starts_with(", ")) {
            possessions.push_back(current);
            current.clear();
            ++i;
        } else {
            current += line[i];
        }
    }
    EXPECT_EQ(current, "") << "every possession ends with \", \"";
    return possessions;
}

// Ten parties from the shipped tables and catalogue, as ten "CHARACTER PARTY" encounters give them.
TEST(Parties_Shipped, Ten_Parties_From_The_Shipped_Tables_And_Catalogue) {
    TCampaign_Folder campaign;
    const std::filesystem::path data(VEXLOR_DATA_FOLDER);
    campaign.Write(Table_File_Name, Read_File(data / "TABLES.TXT").value_or(""));
    TItems items;
    TQIDs qids;
    TCompounds compounds;
    const auto catalogues = data / "catalogues";
    ASSERT_TRUE(std::filesystem::exists(catalogues / "items.txt")) << "the starter catalogue";
    Load_Catalogue_File(items, catalogues / "items.txt");
    Load_Catalogue_File(qids, catalogues / "qids.txt");
    Load_Catalogue_File(compounds, catalogues / "compounds.txt");
    TTable tables;
    TOutput_File output{[](const std::string&) {}};
    TReferee referee{tables, TReferee_Catalogues{&items, nullptr, &qids, &compounds}, output};

    const auto known = [&](const std::string& possession) {
        const std::string name = possession.substr(0, possession.find(" ("));
        const auto named = [&name](const std::string& suffix, auto& catalogue) {
            return name.ends_with(suffix) &&
                   catalogue.Get(name.substr(0, name.size() - suffix.size()).c_str()) != nullptr;
        };
        return items.Get(name.c_str()) || named(" QID plan", qids) || named(" QID", qids) ||
               named(" compound recipe", compounds) || named(" compound", compounds);
    };
    for (int level = 1; level <= 10; ++level) {
        const TGenerated_Party party = Create_Party(referee, 0, level);
        const std::size_t members = party.Get_Party().Members.size();
        // Six members, changed by -2 to 2D4.
        EXPECT_TRUE(members >= 4 && members <= 14) << members;
        const auto lines = Split(Party_Description(referee, party.Get_Party()), "\r\n");
        ASSERT_EQ(lines.size(), 2 * members + 2);
        EXPECT_EQ(lines.front(), "Character party:");
        EXPECT_EQ(lines.back(), "");
        for (std::size_t i = 0; i < members; ++i) {
            EXPECT_TRUE(Is_Figure_Line(lines[1 + 2 * i])) << lines[1 + 2 * i];
            const std::string& possessions = lines[2 + 2 * i];
            ASSERT_TRUE(possessions.starts_with("  ")) << possessions;
            for (const std::string& possession : Possession_List(std::string_view(possessions).substr(2)))
                EXPECT_TRUE(known(possession)) << possession << " in " << possessions;
        }
    }
}

} // namespace
} // namespace Vexlor
