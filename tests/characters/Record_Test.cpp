// The character record: its tagged form, the reading rules, names and copying.
#include "Test_Support.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

namespace Vexlor {
namespace {

using Testing::Give_Class;
using Testing::TTemporary_Folder;

// Every stored field set to a value of its own; slots 1 and 3 filled, slot 2 left empty.
void Fill(TVexlor_Character& c) {
    c.Set_Gender(Gender_Female);
    c._Set_Name("Mara Voss");
    c.Strength = 12, c.Constitution = 9, c.Dexterity = 10, c.Cognitive = 11, c.Perception = 8;
    c.Wisdom = 7, c.Charisma = 6, c.Comeliness = 5, c.Will = 4;
    c.Age = 23, c.Height = 66, c.Weight = 130, c.Child = 2, c.Siblings = 3, c.Parents = Unmarried;
    c.Hit_Points = 14, c.AC = 3, c.Specialty = 1, c.Credits = 140;
    c.Rogue_Points = 5, c.Rogue_Build_Robots_Level = 1, c.Rogue_Genetic_Engineering_Level = 2;
    c.Rogue_Distinguish_Plants_Level = 3, c.Rogue_Computer_Programming_Level = 4, c.Rogue_Mercenary_Level = 5;
    c.Rogue_Weapons_Specialist_Level = 6, c.Rogue_Language_Interpretation_Level = 7, c.Rogue_Open_Lock = 8;
    c.Rogue_Find_Trap = 9, c.Rogue_Move_Silently = 10, c.Rogue_Hide = 11, c.Rogue_Hear_Noise = 12;
    c.Rogue_Climb = 13;
    Testing::Clear_Classes(c);
    Give_Class(c, 1, Class_Chemist, 3);
    Give_Class(c, 3, Class_Medic, 2);
    c.Set_Experience(1, 4001);
    c.Set_Experience(3, 1001);
    for (int q = 1; q <= 10; ++q)
        c.Set_Max_QIDS(q, q);
    for (int k = 1; k <= 9; ++k)
        c.Set_Max_CompoundS(k, 10 + k);
    for (int p = 0; p <= 20; ++p)
        c.Personality[p] = 100 + p;
    c.VDNA[0] = -5;
    c.VDNA[1] = 123456;
}

class Character_Record : public ::testing::Test {
  protected:
    void SetUp() override {
        Written.Set_Name_Folder(Names.Path);
        Read.Set_Name_Folder(Names.Path);
    }
    TTemporary_Folder Names;
    TVexlor_Character Written;
    TVexlor_Character Read;
};

TEST_F(Character_Record, Serialize_Writes_Every_Tag_In_Order) {
    Fill(Written);
    EXPECT_EQ(std::string(Written.Serialize()),
              "<name>Mara Voss</name><allnames></allnames><#strength=12><#constitution=9><#dexterity=10>"
              "<#cognitive=11><#perception=8><#wisdom=7><#charisma=6><#comeliness=5><#will=4><#gender=1>"
              "<#Age=23><#height=66><#weight=130><#child=2><#siblings=3><#parents=1><#hp=14><#AC=3>"
              "<#specialty=1><#credits=140><#points=5><#buildrobots=1><#geneticengineering=2>"
              "<#distinguishplants=3><#computerprogramming=4><#mercenarylevel=5><#weaponsspecialist=6>"
              "<#languageinterpretation=7><#openlock=8><#findtrap=9><#movesilent=10><#hide=11><#hear=12>"
              "<#climb=13><#class1=\"Chemist\"><#level1=3><#experience1=4001><#class3=\"Medic\"><#level3=2>"
              "<#experience3=1001><#maxqids=1,2,3,4,5,6,7,8,9,10><#maxcompounds=11,12,13,14,15,16,17,18,19>"
              "<#personality=100,101,102,103,104,105,106,107,108,109,110,111,112,113,114,115,116,117,118,119,"
              "120><#vdna=-5,123456>");
}

TEST_F(Character_Record, Round_Trip_Keeps_Every_Stored_Field_And_The_Gaps_Between_Slots) {
    Fill(Written);
    const std::string text = Written.Serialize();
    Read.Deserialize(text.c_str());
    EXPECT_EQ(std::string(Read.Serialize()), text);
    EXPECT_TRUE(Read.Initialized);
    EXPECT_EQ(Read._Get_Name(), "Mara Voss");
    EXPECT_EQ(Read.Get_Gender(), Gender_Female);
    EXPECT_EQ(Read.Parents, Unmarried);
    EXPECT_EQ(Read.Get_Class(1), Class_Chemist);
    EXPECT_EQ(Read.Get_Class(2), -1);
    EXPECT_EQ(Read.Get_Class(3), Class_Medic);
    EXPECT_EQ(Read.Get_Classes(), 2);
    EXPECT_EQ(Read.Get_Level(3), 2);
    EXPECT_EQ(Read.Get_Experience(3), 1001);
    EXPECT_EQ(Read.Personality, Written.Personality);
    EXPECT_EQ(Read._Max_QIDS, Written._Max_QIDS);
    EXPECT_EQ(Read._Max_Compounds, Written._Max_Compounds);
    EXPECT_EQ(Read.VDNA, Written.VDNA);
}

TEST_F(Character_Record, Round_Trip_Keeps_The_Extremes_Of_Whole_Numbers) {
    Written.Strength = INT_MIN;
    Written.Credits = INT_MAX;
    Written.Personality[20] = INT_MIN;
    Written.VDNA[1] = INT_MAX;
    Read.Deserialize(Written.Serialize());
    EXPECT_EQ(Read.Strength, INT_MIN);
    EXPECT_EQ(Read.Credits, INT_MAX);
    EXPECT_EQ(Read.Personality[20], INT_MIN);
    EXPECT_EQ(Read.VDNA[1], INT_MAX);
}

TEST_F(Character_Record, Names_With_Tag_Characters_Survive_The_Round_Trip) {
    for (const std::string name : {"Rex <the> Bold", "Una & Co", "Ix &amp; Ox", "\"Doc\" Vell"}) {
        Written._Set_Name(name);
        Written.All_Names = name;
        Written.Strength = 17;
        Read.Deserialize(Written.Serialize());
        EXPECT_EQ(Read._Get_Name(), name);
        EXPECT_EQ(Read.All_Names, name);
        EXPECT_EQ(Read.Strength, 17);
    }
}

TEST_F(Character_Record, Names_Stored_Unescaped_Read_As_They_Were) {
    Read.Deserialize("<name>  Rex & Una\r\n Voss </name><allnames>REX UNA</allnames>");
    EXPECT_EQ(Read._Get_Name(), "Rex & Una Voss");
    EXPECT_EQ(Read.All_Names, "REX UNA");
}

TEST_F(Character_Record, Reading_Resets_The_Classes_And_Nothing_Else) {
    Fill(Read);
    Read.Deserialize("<#wisdom=3>");
    EXPECT_EQ(Read.Get_Classes(), 0);
    EXPECT_EQ(Read.Get_Level(1), 3);
    EXPECT_EQ(Read.Wisdom, 3);
    EXPECT_EQ(Read.Strength, 12);
    EXPECT_EQ(Read._Get_Name(), "Mara Voss");
}

struct TReading_Case {
    const char* Text;
    std::function<int(const TVexlor_Character&)> Field;
    int Expected;
};

class Character_Reading : public ::testing::TestWithParam<TReading_Case> {};

// Each case starts from a character whose fields all hold 77 and whose slots hold Chemist 77.
TEST_P(Character_Reading, Stores_The_Value_By_The_Reading_Rules) {
    TVexlor_Character character;
    character.Strength = character.Wisdom = character.Will = 77;
    character.Set_Gender(Gender_Male);
    for (int slot = 1; slot <= 6; ++slot) {
        character.Set_Class(slot, Class_Chemist);
        character.Set_Experience(slot, 77);
    }
    character._Max_QIDS.Fill(77);
    character.Personality.Fill(77);
    character.Deserialize(GetParam().Text);
    EXPECT_EQ(GetParam().Field(character), GetParam().Expected) << GetParam().Text;
}

const auto Strength = [](const TVexlor_Character& c) { return c.Strength; };
const auto Wisdom = [](const TVexlor_Character& c) { return c.Wisdom; };
const auto Will = [](const TVexlor_Character& c) { return c.Will; };
const auto Gender = [](const TVexlor_Character& c) { return static_cast<int>(c.Get_Gender()); };
const auto Parents = [](const TVexlor_Character& c) { return static_cast<int>(c.Parents); };
const auto Slot = [](int slot) { return [slot](const TVexlor_Character& c) { return c.Get_Class(slot); }; };
const auto Experience = [](int slot) {
    return [slot](const TVexlor_Character& c) { return c.Get_Experience(slot); };
};
const auto Max_QIDS = [](int q) { return [q](const TVexlor_Character& c) { return c._Max_QIDS[q]; }; };
const auto Personality = [](int p) { return [p](const TVexlor_Character& c) { return c.Personality[p]; }; };

INSTANTIATE_TEST_SUITE_P(
    Rules, Character_Reading,
    ::testing::Values(TReading_Case{"<#strength=12>", Strength, 12}, TReading_Case{"<#Strength=12>", Strength, 12},
                      TReading_Case{"<#STRENGTH= 12 >", Strength, 12}, TReading_Case{"<#strength=x>", Strength, 0},
                      TReading_Case{"<#strength=>", Strength, 0}, TReading_Case{"<#strength=$1F>", Strength, 31},
                      TReading_Case{"<#strength=99999999999>", Strength, 0},
                      TReading_Case{"<#strength=-8>trailing text", Strength, -8},
                      TReading_Case{"<#gender=2>", Gender, Gender_Female},
                      TReading_Case{"<#gender=0>", Gender, Gender_Male},
                      TReading_Case{"<#gender=x>", Gender, Gender_Male},
                      TReading_Case{"<#parents=-1>", Parents, Unmarried},
                      TReading_Case{"<#class2=\"chemist\">", Slot(2), Class_Chemist},
                      TReading_Case{"<#class2=\"chemist\">", Slot(1), -1},
                      TReading_Case{"<#CLASS1=ENGINEER, PLANET>", Slot(1), Class_Planet_Engineer},
                      TReading_Case{"<#class1='Medic'>", Slot(1), Class_Medic},
                      TReading_Case{"<#class1=\"Wizard\">", Slot(1), -1},
                      TReading_Case{"<#class7=\"Medic\"><#class0=\"Medic\">", Slot(6), -1},
                      TReading_Case{"<#experience6=12><#experience7=5>", Experience(6), 12},
                      TReading_Case{"<#experience10=5>", Experience(1), 77},
                      TReading_Case{"<#maxqids=1,2>", Max_QIDS(2), 2}, TReading_Case{"<#maxqids=1,2>", Max_QIDS(3), 77},
                      TReading_Case{"<#maxqids=1,,3>", Max_QIDS(2), 0},
                      TReading_Case{"<#maxqids=1,2,3,4,5,6,7,8,9,10,11>", Max_QIDS(10), 10},
                      TReading_Case{"<#personality=0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21>",
                                    Personality(20), 20},
                      TReading_Case{"<#unknown=5><#will=3>", Will, 3},
                      TReading_Case{"<notes>text<#strength=5></notes><#wisdom=4>", Strength, 77},
                      TReading_Case{"<notes>text<#strength=5></notes><#wisdom=4>", Wisdom, 4},
                      TReading_Case{"<notes><notes>x</notes><#strength=5></notes><#will=4>", Strength, 77},
                      TReading_Case{"<notes>never closed<#strength=5>", Strength, 77},
                      TReading_Case{"<#strength=5", Strength, 0}, TReading_Case{"", Slot(4), -1}));

TEST(Character_Name, Name_Match_Compares_The_Name_Without_Case_And_Upper_Case_Variants) {
    TVexlor_Character character;
    character.Set_Name_Folder("/nonexistent");
    character._Set_Name("Mara Voss");
    EXPECT_TRUE(character.Name_Match("mara voss"));
    EXPECT_TRUE(character.Name_Matches("MARA VOSS"));
    EXPECT_FALSE(character.Name_Match("Mara"));
    character.All_Names = "MARA MARISKA";
    EXPECT_TRUE(character.Name_Match("Mariska"));
    character.All_Names = "Mara Mariska";
    EXPECT_FALSE(character.Name_Match("Mariska"));
}

TEST(Character_Name, Set_Name_Collects_Every_Line_Holding_The_Name_From_The_Gender_File) {
    TTemporary_Folder names;
    names.Write("female.nam", "Ann Anna Annie\r\nAnnabel\r\nNan Ann\r\nAnnie Nan\r\n");
    names.Write("MALE.NAM", "Ann Arno\n");
    TVexlor_Character character;
    character.Set_Name_Folder(names.Path);
    character.Set_Gender(Gender_Female);
    character._Set_Name("Ann");
    EXPECT_EQ(character._Get_Name(), "Ann");
    EXPECT_EQ(character.All_Names, "Ann Anna Annie Nan Ann");
    character._Set_Name("ann");
    EXPECT_EQ(character.All_Names, "");
    character.Set_Gender(Gender_Male);
    character._Set_Name("Ann");
    EXPECT_EQ(character.All_Names, "Ann Arno");
    character.Set_Name_Folder(names.Path / "missing");
    character._Set_Name("Ann");
    EXPECT_EQ(character._Get_Name(), "Ann");
    EXPECT_EQ(character.All_Names, "");
}

TEST(Character_Name, The_Shipped_Name_Files_Hold_Groups_Of_Capitalised_Variants) {
    for (const char* file : {"MALE.NAM", "FEMALE.NAM"}) {
        std::ifstream in(Program_Folder() / file);
        ASSERT_TRUE(in) << file;
        int lines = 0;
        int groups = 0;
        for (std::string line; std::getline(in, line); ++lines) {
            ASSERT_FALSE(line.empty()) << file;
            ASSERT_EQ(line.find("  "), std::string::npos) << line;
            ASSERT_NE(line.front(), ' ') << line;
            ASSERT_NE(line.back(), ' ') << line;
            groups += line.find(' ') != std::string::npos;
            // Generation lower-cases a line and capitalises the chosen word: the word must come back.
            for (std::size_t start = 0; start <= line.size();) {
                auto end = std::min(line.find(' ', start), line.size());
                const std::string word = line.substr(start, end - start);
                ASSERT_TRUE(std::isupper(static_cast<unsigned char>(word[0]))) << word;
                for (std::size_t i = 1; i < word.size(); ++i)
                    ASSERT_TRUE(std::islower(static_cast<unsigned char>(word[i]))) << word;
                start = end + 1;
            }
        }
        EXPECT_GE(lines, 150) << file;
        EXPECT_GE(groups, 100) << file;
    }
}

TEST(Character_Copy, Assign_Copies_The_Person_And_Classes_But_Not_Limits_Rogue_Skills_Or_Links) {
    TTemporary_Folder names;
    names.Write("FEMALE.NAM", "Mara Marika\n");
    TVexlor_Character source;
    source.Set_Name_Folder(names.Path);
    Fill(source);
    source._Set_Name("Mara");
    source.Proficient_Weapons = {"Needler", "Arc blade"};
    source.Pending_Experience = 900;
    source.Set_Bitmap(std::make_shared<const std::string>("portrait"));
    source.Initialized = true;

    TVexlor_Character copy;
    copy.Set_Name_Folder(names.Path);
    copy.Set_Gender(Gender_Male);
    copy.Assign(source);
    // The variants come from the file of the gender the copy takes on.
    EXPECT_EQ(copy.All_Names, "Mara Marika");
    EXPECT_EQ(copy.Proficient_Weapons, source.Proficient_Weapons);
    EXPECT_EQ(copy.Pending_Experience, 0);
    EXPECT_EQ(copy.Get_Bitmap(), nullptr);
    EXPECT_FALSE(copy.Initialized);
    const std::string copied = copy.Serialize();
    for (const char* untouched : {"<#points=0><#buildrobots=0>", "<#climb=0>", "<#maxqids=0,0,0,0,0,0,0,0,0,0>",
                                  "<#maxcompounds=0,0,0,0,0,0,0,0,0>", "<#vdna=0,0>"})
        EXPECT_NE(copied.find(untouched), std::string::npos) << untouched;

    // Everything else is the source's.
    TVexlor_Character rest;
    rest.Deserialize(source.Serialize());
    rest.Rogue_Points = rest.Rogue_Build_Robots_Level = rest.Rogue_Genetic_Engineering_Level = 0;
    rest.Rogue_Distinguish_Plants_Level = rest.Rogue_Computer_Programming_Level = rest.Rogue_Mercenary_Level = 0;
    rest.Rogue_Weapons_Specialist_Level = rest.Rogue_Language_Interpretation_Level = rest.Rogue_Open_Lock = 0;
    rest.Rogue_Find_Trap = rest.Rogue_Move_Silently = rest.Rogue_Hide = rest.Rogue_Hear_Noise = 0;
    rest.Rogue_Climb = 0;
    rest._Max_QIDS.Fill(0);
    rest._Max_Compounds.Fill(0);
    rest.VDNA.Fill(0);
    EXPECT_EQ(copied, std::string(rest.Serialize()));
}

TEST(Character_Record_Texts, Description_Lists_Filled_Slots_And_Status_Is_Empty) {
    TVexlor_Character character;
    Testing::Clear_Classes(character);
    EXPECT_STREQ(character.Description(), "");
    Give_Class(character, 2, Class_Chemist, 3);
    Give_Class(character, 5, Class_Planet_Engineer, 12);
    EXPECT_STREQ(character.Description(), "Chemist 3/Engineer, Planet 12");
    character.Serialize();
    EXPECT_STREQ(character.Status(), "");
}

TEST(Character_Record_Texts, A_New_Character_Holds_Architect_Slots_Of_Level_0) {
    TVexlor_Character character;
    EXPECT_EQ(character.Get_Classes(), 6);
    EXPECT_STREQ(character.Description(), "Architect 0/Architect 0/Architect 0/Architect 0/Architect 0/Architect 0");
    EXPECT_THROW(character.Get_Class(0), std::out_of_range);
    EXPECT_THROW(character.Get_Level(7), std::out_of_range);
    EXPECT_THROW(character.Set_Experience(-1, 0), std::out_of_range);
    EXPECT_THROW(character.Set_Class(1, Max_Classes), std::out_of_range);
}

TEST(Character_Portrait, Setting_A_Portrait_Replaces_The_Old_One) {
    TVexlor_Character character;
    EXPECT_EQ(character.Get_Bitmap(), nullptr);
    const auto first = std::make_shared<const std::string>("first");
    character.Set_Bitmap(first);
    EXPECT_EQ(character.Get_Bitmap(), first);
    character._Set_Bitmap(std::make_unique<TPicture>(nullptr));
    EXPECT_EQ(character.Get_Bitmap(), nullptr);
    EXPECT_EQ(first.use_count(), 1);
}

TEST(Information_Collection, Entries_Are_Added_Inserted_Found_And_Removed_By_Index) {
    TInformation_Collection list;
    auto a = std::make_shared<TInformation>();
    auto b = std::make_shared<TInformation>();
    auto c = std::make_shared<TInformation>();
    EXPECT_EQ(list.Add(a), 0);
    EXPECT_EQ(list.Add(c), 1);
    list.Insert(1, b);
    EXPECT_EQ(list.IndexOf(b.get()), 1);
    EXPECT_EQ(list.Get_Index(2), c.get());
    TInformation_Collection copy;
    copy.Assign(list);
    EXPECT_EQ(list.Remove(a.get()), 0);
    EXPECT_EQ(list.Remove(a.get()), -1);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(copy.Count(), 3);
    EXPECT_THROW(list.Get_Index(2), std::out_of_range);
    EXPECT_THROW(list.Insert(3, a), std::out_of_range);
    EXPECT_STREQ(a->Serialize(), "");
    EXPECT_FALSE(a->Is_Type("qid"));
}

TEST(Party, Members_Are_Found_By_Index) {
    TVexlor_Character first, second;
    TVexlor_Party party;
    party.Members = {&first, &second};
    EXPECT_EQ(party.Get_Member(1), &second);
    EXPECT_THROW(party.Get_Member(2), std::out_of_range);
    EXPECT_THROW(party.Get_Member(-1), std::out_of_range);
}

} // namespace
} // namespace Vexlor
