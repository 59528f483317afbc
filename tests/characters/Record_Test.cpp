// The character record: its tagged form, the reading rules, names and copying.
#include "Test_Support.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <sstream>

namespace Vexlor {
namespace {

using Testing::Give_Class;
using Testing::TTemporary_Folder;

// The fields that Assign leaves alone: the rogue's levels and points.
std::vector<int*> Rogue_Fields(TVexlor_Character& c) {
    return {&c.Rogue_Points,
            &c.Rogue_Build_Robots_Level,
            &c.Rogue_Genetic_Engineering_Level,
            &c.Rogue_Distinguish_Plants_Level,
            &c.Rogue_Computer_Programming_Level,
            &c.Rogue_Mercenary_Level,
            &c.Rogue_Weapons_Specialist_Level,
            &c.Rogue_Language_Interpretation_Level,
            &c.Rogue_Open_Lock,
            &c.Rogue_Find_Trap,
            &c.Rogue_Move_Silently,
            &c.Rogue_Hide,
            &c.Rogue_Hear_Noise,
            &c.Rogue_Climb};
}

// Every stored field holds a value of its own; slots 1 and 3 are filled and slot 2 is empty.
void Fill(TVexlor_Character& c) {
    c.Set_Gender(Gender_Female);
    c._Set_Name("Mara Voss");
    std::vector<int*> fields{&c.Strength, &c.Constitution, &c.Dexterity,  &c.Cognitive, &c.Perception,
                             &c.Wisdom,   &c.Charisma,     &c.Comeliness, &c.Will,      &c.Age,
                             &c.Height,   &c.Weight,       &c.Child,      &c.Siblings,  &c.Hit_Points,
                             &c.AC,       &c.Specialty,    &c.Credits};
    for (int* rogue : Rogue_Fields(c))
        fields.push_back(rogue);
    int value = 1;
    for (int* field : fields)
        *field = value++;
    c.Parents = Unmarried;
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
    c.VDNA[1] = INT_MAX;
}

TEST(Tagged_Form, Serialize_Writes_Every_Tag_In_Order_And_Skips_Empty_Slots) {
    TTemporary_Folder no_names;
    TVexlor_Character character;
    character.Set_Name_Folder(no_names.Path);
    Fill(character);
    EXPECT_EQ(
        std::string(character.Serialize()),
        "<name>Mara Voss</name><allnames></allnames><#strength=1><#constitution=2><#dexterity=3>"
        "<#cognitive=4><#perception=5><#wisdom=6><#charisma=7><#comeliness=8><#will=9><#gender=1><#Age=10>"
        "<#height=11><#weight=12><#child=13><#siblings=14><#parents=1><#hp=15><#AC=16><#specialty=17>"
        "<#credits=18><#points=19><#buildrobots=20><#geneticengineering=21><#distinguishplants=22>"
        "<#computerprogramming=23><#mercenarylevel=24><#weaponsspecialist=25><#languageinterpretation=26>"
        "<#openlock=27><#findtrap=28><#movesilent=29><#hide=30><#hear=31><#climb=32><#class1=\"Chemist\">"
        "<#level1=3><#experience1=4001><#class3=\"Medic\"><#level3=2><#experience3=1001>"
        "<#maxqids=1,2,3,4,5,6,7,8,9,10><#maxcompounds=11,12,13,14,15,16,17,18,19><#personality=100,101,"
        "102,103,104,105,106,107,108,109,110,111,112,113,114,115,116,117,118,119,120><#vdna=-5,2147483647>");
}

TEST(Tagged_Form, Round_Trip_Keeps_Every_Field_The_Gaps_Between_Slots_And_Tag_Characters_In_Names) {
    TTemporary_Folder no_names;
    for (const std::string name : {"Mara Voss", "Rex <the> Bold", "Una & Co", "Ix &amp; Ox"}) {
        TVexlor_Character written, read;
        written.Set_Name_Folder(no_names.Path);
        Fill(written);
        written._Set_Name(name);
        written.All_Names = name;
        written.Strength = INT_MIN;
        const std::string text = written.Serialize();
        read.Deserialize(text.c_str());
        EXPECT_EQ(std::string(read.Serialize()), text);
        EXPECT_EQ(read._Get_Name(), name);
        EXPECT_EQ(read.All_Names, name);
        EXPECT_EQ(read.Get_Class(2), -1);
        EXPECT_EQ(read.Get_Classes(), 2);
        EXPECT_EQ(read.Personality, written.Personality);
        EXPECT_TRUE(read.Initialized);
    }
}

TEST(Tagged_Form, Reading_Resets_Only_The_Classes_And_Keeps_Unescaped_Names) {
    TVexlor_Character character;
    Fill(character);
    character.Deserialize(nullptr);
    EXPECT_EQ(character.Get_Classes(), 0);
    EXPECT_EQ(character.Name_Matches(nullptr), character.Name_Match(""));
    character.Deserialize("<name>  Rex & Una\r\n Voss </name><#wisdom=3>");
    EXPECT_EQ(character._Get_Name(), "Rex & Una Voss");
    EXPECT_EQ(character.Get_Classes(), 0);
    EXPECT_EQ(character.Get_Level(1), 3);
    EXPECT_EQ(character.Wisdom, 3);
    EXPECT_EQ(character.Strength, 1);
}

struct TReading_Case {
    const char* Text;
    std::function<int(const TVexlor_Character&)> Field;
    int Expected;
};

class Reading_Rule : public ::testing::TestWithParam<TReading_Case> {};

// Each case starts from a character whose fields hold 77 and whose slots hold Chemist.
TEST_P(Reading_Rule, Stores_The_Value_By_The_Rule) {
    TVexlor_Character character;
    character.Strength = character.Wisdom = 77;
    for (int slot = 1; slot <= 6; ++slot) {
        character.Set_Class(slot, Class_Chemist);
        character.Set_Experience(slot, 77);
    }
    character._Max_QIDS.Fill(77);
    character.Deserialize(GetParam().Text);
    EXPECT_EQ(GetParam().Field(character), GetParam().Expected) << GetParam().Text;
}

const auto Strength = [](const TVexlor_Character& c) { return c.Strength; };
const auto Wisdom = [](const TVexlor_Character& c) { return c.Wisdom; };
const auto Gender = [](const TVexlor_Character& c) { return static_cast<int>(c.Get_Gender()); };
const auto Parents = [](const TVexlor_Character& c) { return static_cast<int>(c.Parents); };
const auto Slot = [](int slot) { return [slot](const TVexlor_Character& c) { return c.Get_Class(slot); }; };
const auto Experience = [](int s) { return [s](const TVexlor_Character& c) { return c.Get_Experience(s); }; };
const auto Max_QIDS = [](int q) { return [q](const TVexlor_Character& c) { return c._Max_QIDS[q]; }; };
const auto Personality_20 = [](const TVexlor_Character& c) { return c.Personality[20]; };

INSTANTIATE_TEST_SUITE_P(
    Rules, Reading_Rule,
    ::testing::Values(
        TReading_Case{"<#Strength=12>", Strength, 12}, TReading_Case{"<#STRENGTH= 12 >", Strength, 12},
        TReading_Case{"<#strength=x>", Strength, 0}, TReading_Case{"<#strength=$1F>", Strength, 31},
        TReading_Case{"<#strength=99999999999>", Strength, 0}, TReading_Case{"<#strength=5", Strength, 0},
        TReading_Case{"<#gender=2>", Gender, Gender_Female},
        TReading_Case{"<#parents=-1>", Parents, Unmarried},
        TReading_Case{"<#class2=\"chemist\">", Slot(2), Class_Chemist}, TReading_Case{"", Slot(1), -1},
        TReading_Case{"<#CLASS1=ENGINEER, PLANET>", Slot(1), Class_Planet_Engineer},
        TReading_Case{"<#class1='Medic'>", Slot(1), Class_Medic},
        TReading_Case{"<#class1=\"Wizard\">", Slot(1), -1},
        TReading_Case{"<#class7=\"Medic\"><#class0=\"Medic\">", Slot(6), -1},
        TReading_Case{"<#experience6=12><#experience10=5>", Experience(6), 12},
        TReading_Case{"<#experience10=5>", Experience(1), 77},
        TReading_Case{"<#maxqids=1,2>", Max_QIDS(3), 77}, TReading_Case{"<#maxqids=1,,3>", Max_QIDS(2), 0},
        TReading_Case{"<#maxqids=1,2,3,4,5,6,7,8,9,10,11>", Max_QIDS(10), 10},
        TReading_Case{"<#personality=0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21>",
                      Personality_20, 20},
        TReading_Case{"<#unknown=5><#wisdom=4>", Wisdom, 4},
        TReading_Case{"<notes><notes>x</notes><#strength=5></notes><#wisdom=4>", Strength, 77},
        TReading_Case{"<notes><#strength=5></notes><#wisdom=4>", Wisdom, 4},
        TReading_Case{"<notes>never closed<#strength=5>", Strength, 77}));

TEST(Names, Set_Name_Collects_The_Lines_Holding_The_Name_And_Name_Match_Compares) {
    TTemporary_Folder names;
    names.Write("female.nam", "Ann Anna Annie\r\nAnnabel\r\nNan Ann\r\n");
    names.Write("MALE.NAM", "Ann Arno\n");
    TVexlor_Character character;
    character.Set_Name_Folder(names.Path);
    character.Set_Gender(Gender_Female);
    character._Set_Name("Ann");
    EXPECT_EQ(character.All_Names, "Ann Anna Annie Nan Ann");
    EXPECT_TRUE(character.Name_Match("aNN"));
    EXPECT_FALSE(character.Name_Match("Anna")); // the file spells its variants in mixed case
    character.All_Names = "ANN ANNA";
    EXPECT_TRUE(character.Name_Matches("Anna"));
    character._Set_Name("ann");
    EXPECT_EQ(character.All_Names, "");
    character.Set_Gender(Gender_Male);
    character._Set_Name("Ann");
    EXPECT_EQ(character.All_Names, "Ann Arno");
    character.Set_Name_Folder(names.Path / "missing");
    character._Set_Name("Ann");
    EXPECT_EQ(character.All_Names, "");
}

TEST(Names, The_Shipped_Name_Files_Hold_At_Least_150_Groups_Of_Capitalised_Words) {
    for (const char* file : {"MALE.NAM", "FEMALE.NAM"}) {
        std::ifstream in(Program_Folder() / file);
        int lines = 0, groups = 0;
        for (std::string line; std::getline(in, line); ++lines) {
            groups += line.find(' ') != std::string::npos;
            std::istringstream words(line);
            std::string rebuilt;
            for (std::string word; words >> word;) {
                // Generation lower-cases the line and capitalises the word it picks: it must come back.
                std::string picked = Lower_Case(word);
                picked[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(picked[0])));
                EXPECT_EQ(picked, word);
                rebuilt += (rebuilt.empty() ? "" : " ") + word;
            }
            EXPECT_EQ(rebuilt, line) << "blanks in " << file;
        }
        EXPECT_GE(lines, 150) << file;
        EXPECT_GE(groups, 100) << file;
    }
}

TEST(Copying, Assign_Copies_The_Person_And_Classes_But_Not_Limits_Rogue_Skills_Or_Links) {
    TTemporary_Folder names;
    names.Write("FEMALE.NAM", "Mara Marika\n");
    TVexlor_Character source, copy;
    source.Set_Name_Folder(names.Path);
    Fill(source);
    source._Set_Name("Mara");
    source.Proficient_Weapons = {"Needler"};
    source.Pending_Experience = 900;
    source.Set_Bitmap(std::make_shared<const std::string>("portrait"));
    copy.Set_Name_Folder(names.Path);
    copy.Assign(source);
    EXPECT_EQ(copy.All_Names, "Mara Marika"); // looked up as the female the copy has become
    EXPECT_EQ(copy.Proficient_Weapons, source.Proficient_Weapons);
    EXPECT_EQ(copy.Pending_Experience, 0);
    EXPECT_EQ(copy.Get_Bitmap(), nullptr);
    EXPECT_FALSE(copy.Initialized);
    for (int* rogue : Rogue_Fields(source))
        *rogue = 0;
    source._Max_QIDS.Fill(0);
    source._Max_Compounds.Fill(0);
    source.VDNA.Fill(0);
    EXPECT_EQ(std::string(copy.Serialize()), std::string(source.Serialize()));
}

TEST(Record, Description_Status_Slot_Checks_And_The_Catalogue_Bases) {
    TVexlor_Character character;
    EXPECT_EQ(character.Get_Classes(), 6); // a new character's slots hold class 0
    Testing::Clear_Classes(character);
    EXPECT_STREQ(character.Description(), "");
    Give_Class(character, 2, Class_Chemist, 3);
    Give_Class(character, 5, Class_Planet_Engineer, 12);
    EXPECT_STREQ(character.Description(), "Chemist 3/Engineer, Planet 12");
    character.Serialize();
    EXPECT_STREQ(character.Status(), "");
    EXPECT_THROW(character.Get_Class(0), std::out_of_range);
    EXPECT_THROW(character.Set_Experience(7, 0), std::out_of_range);
    EXPECT_THROW(character.Set_Class(1, Max_Classes), std::out_of_range);

    TInformation_Collection list, copy;
    auto a = std::make_shared<TInformation>(), b = std::make_shared<TInformation>();
    EXPECT_EQ(list.Add(b), 0);
    list.Insert(0, a);
    copy.Assign(list);
    EXPECT_EQ(list.Remove(a.get()), 0);
    EXPECT_EQ(list.IndexOf(b.get()), 0);
    EXPECT_EQ(copy.Get_Index(1), b.get());
    EXPECT_THROW(list.Get_Index(1), std::out_of_range);
    TVexlor_Party party;
    party.Members = {&character};
    EXPECT_THROW(party.Get_Member(1), std::out_of_range);
}

} // namespace
} // namespace Vexlor
