#include "sheet/Character_RTF.h"

#include "catalogues/Compounds.h"
#include "catalogues/Item_Template.h"
#include "catalogues/QID_Plan.h"
#include "foundations/Files.h"
#include "foundations/Random.h"
#include "tests/Memory_Registry.h"
#include "tests/Test_Folder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>

namespace Vexlor {
namespace {

// A character with every score set and no class, as a game master types one in.
std::unique_ptr<TVexlor_Character> Plain_Character(const std::string& name) {
    auto made = std::make_unique<TVexlor_Character>();
    TVexlor_Character& character = *made;
    character._Set_Name(name);
    character.Strength = 12;
    character.Constitution = 14;
    character.Dexterity = 11;
    character.Cognitive = 9;
    character.Perception = 8;
    character.Wisdom = 10;
    character.Charisma = 13;
    character.Comeliness = 7;
    character.Will = 15;
    character.Age = 27;
    character.Height = 70;
    character.Weight = 168;
    character.Hit_Points = 23;
    character.Credits = 450;
    character.Siblings = 5;
    character.Child = 3;
    for (int slot = 1; slot <= 6; ++slot)
        character.Set_Class(slot, -1);
    return made;
}

std::string Sheet(const TVexlor_Character& character, const TInventory& inventory = TInventory(),
                  const TCatalogues& catalogues = {}) {
    std::string text;
    Character_RTF_String(character, inventory, catalogues, text);
    return text;
}

// The text between a label and the end of its table cell.
std::string Cell(const std::string& sheet, const std::string& label) {
    const auto start = sheet.find(label);
    if (start == std::string::npos)
        return "<no " + label + ">";
    const auto from = start + label.size();
    return sheet.substr(from, sheet.find("\\cell", from) - from);
}

// The cells of the count rows that follow the row whose first cell is head.
std::vector<std::vector<std::string>> Rows_After(const std::string& sheet, const std::string& head,
                                                 int count) {
    const std::string cell_start = "\\pard\\intbl\\plain\\f1\\fs20 ";
    std::vector<std::vector<std::string>> rows;
    for (auto row = sheet.find("\\trowd"); row != std::string::npos; row = sheet.find("\\trowd", row + 1)) {
        const auto end = sheet.find("\\row", row + 1);
        std::vector<std::string> cells;
        for (auto cell = sheet.find(cell_start, row); cell < end; cell = sheet.find(cell_start, cell + 1)) {
            const auto from = cell + cell_start.size();
            cells.push_back(sheet.substr(from, sheet.find("\\cell", from) - from));
        }
        rows.push_back(cells);
    }
    const auto found =
        std::find_if(rows.begin(), rows.end(), [&](const auto& cells) { return cells[0] == head; });
    if (found == rows.end() || rows.end() - found <= count)
        return {};
    return {found + 1, found + 1 + count};
}

using TRows = std::vector<std::vector<std::string>>;

class Sheet_Test : public testing::Test {
  protected:
    TFunction_Random Lowest{[](int) { return 0; }};
    TRandom_Override Dice{Lowest};
};

// The starter catalogue shipped with the program, held in memory.
class Possessions_Test : public Sheet_Test {
  protected:
    void SetUp() override {
        const std::filesystem::path folder(VEXLOR_STARTER_CATALOGUE);
        const auto all = [](const auto&) { return true; };
        Add_Records(Items, Read_File(folder / "items.txt").value_or(""), all);
        Add_Records(QIDs, Read_File(folder / "qids.txt").value_or(""), all);
        Add_Records(Compounds, Read_File(folder / "compounds.txt").value_or(""), all);
        ASSERT_NE(Items.Get("Laser Pistol"), nullptr);
        Catalogues.Items = &Items;
        Catalogues.QIDs = &QIDs;
        Catalogues.Compounds = &Compounds;
    }

    TInventory Inventory_Of(const std::string& stored) {
        TInventory inventory(Catalogues);
        inventory.Deserialize(stored);
        return inventory;
    }

    TMemory_Registry<TItem_Template, TItem_Registry> Items;
    TMemory_Registry<TQID_Plan, TQID_Registry> QIDs;
    TMemory_Registry<TCompound_Plan, TCompound_Registry> Compounds;
    TCatalogues Catalogues;
};

TEST_F(Sheet_Test, Template_Has_Landscape_Page_Fonts_And_Every_Placeholder) {
    const std::string_view sheet = Character_Sheet_Template();
    for (const char* part :
         {"\\ansicpg1252", "\\paperw15840", "\\paperh12240", "\\margl101", "\\margr720", "\\margt360",
          "\\margb360", "Times New Roman;", "Arial;", "Symbol;", "Wingdings;", "V  E  X  L  O  R",
          "C H A R A C T E R   S H E E T", "~Armor Adj1~", "~Weapon Name3~", "~Activation5~",
          "~Enhancements5~", "~Armor Enhancements2~"})
        EXPECT_NE(sheet.find(part), std::string_view::npos) << part;
    EXPECT_EQ(std::count(sheet.begin(), sheet.end(), '~') / 2, 101);
    EXPECT_NE(sheet.find("~Hit Points~", sheet.find("~Hit Points~") + 1), std::string_view::npos);
}

TEST_F(Sheet_Test, Fills_Scores_Family_And_Leaves_No_Placeholder) {
    const auto made = Plain_Character("Mara Voss");
    TVexlor_Character& character = *made;
    const std::string sheet = Sheet(character);
    EXPECT_EQ(sheet.find('~'), std::string::npos);
    EXPECT_EQ(Cell(sheet, "Name: "), "Mara Voss");
    EXPECT_EQ(Cell(sheet, "Age: "), "27");
    EXPECT_EQ(Cell(sheet, "Gender: "), "M");
    EXPECT_EQ(Cell(sheet, "Height: "), "70\"");
    EXPECT_EQ(Cell(sheet, "Strength: "), "12");
    EXPECT_EQ(Cell(sheet, "Physical: "), std::to_string(character.Get_Physical()));
    EXPECT_EQ(Cell(sheet, "Intellect: "), std::to_string(character.Get_Intellect()));
    EXPECT_EQ(Cell(sheet, "Weight Cap: "), std::to_string(character.Get_Carry()));
    EXPECT_EQ(Cell(sheet, "Detect Lies: "), std::to_string(character.Get_Detect_Lie()));
    EXPECT_EQ(Cell(sheet, "Base Hit Points: "), "23");
    EXPECT_EQ(Cell(sheet, "Current Hit Points: "), "23");
    EXPECT_EQ(Cell(sheet, "Family & Background: "), "3rd child of 5 children");
    EXPECT_EQ(Cell(sheet, "Funds: "), "450");
    EXPECT_EQ(Cell(sheet, "Level: "), "");
    EXPECT_EQ(Cell(sheet, "Experience Points: "), "");
    EXPECT_EQ(Cell(sheet, "20 Vocations: "), "");
    EXPECT_EQ(Cell(sheet, "Description: "), "");
}

TEST_F(Sheet_Test, Class_Slots_Join_Levels_Experience_And_Vocations) {
    const auto made = Plain_Character("Ines Quell");
    TVexlor_Character& character = *made;
    character.Set_Gender(Gender_Female);
    character.Siblings = 1;
    character.Set_Class(1, Class_Biologist);
    character.Set_Level(1, 3);
    character.Set_Class(2, Class_Medic);
    character.Set_Level(2, 2);
    character.Set_Experience(1, 1200);
    character.Set_Experience(2, 3000);
    const std::string sheet = Sheet(character);
    EXPECT_EQ(Cell(sheet, "20 Vocations: "), "Biologist/Medic (Botany)");
    EXPECT_EQ(Cell(sheet, "Level: "), "3/2");
    EXPECT_EQ(Cell(sheet, "Experience Points: "), "1200/3000");
    EXPECT_EQ(Cell(sheet, "Gender: "), "F");
    EXPECT_EQ(Cell(sheet, "Family & Background: "), "Only child");

    character.Specialty = 1;
    EXPECT_EQ(Cell(Sheet(character), "20 Vocations: "), "Biologist/Medic (Zoology)");
}

TEST_F(Sheet_Test, Every_Class_Fills_Its_Vocation_And_Leaves_No_Placeholder) {
    for (int class_index = 0; class_index < Max_Classes; ++class_index) {
        const auto made = Plain_Character("Any");
        made->Set_Class(1, class_index);
        made->Set_Level(1, 2);
        const std::string sheet = Sheet(*made);
        EXPECT_EQ(sheet.find('~'), std::string::npos) << Class_Name[class_index];
        EXPECT_EQ(Cell(sheet, "20 Vocations: ").substr(0, Class_Name[class_index].size()),
                  Class_Name[class_index]);
    }
}

TEST_F(Sheet_Test, Values_Are_Escaped_And_Never_Searched_Again) {
    const auto made = Plain_Character("~Name~ ~Age~ Rex {the} \\ \xC9lodie");
    TVexlor_Character& character = *made;
    const std::string sheet = Sheet(character);
    EXPECT_EQ(Cell(sheet, "Name: "), "~Name~ ~Age~ Rex \\{the\\} \\\\ \\'c9lodie");
    EXPECT_EQ(Cell(sheet, "Age: "), "27");
}

// A long name wraps inside its cell; past 100 characters it is set smaller so that the sheet stays
// one page long.
TEST_F(Sheet_Test, A_Name_Of_300_Characters_Stays_Whole_In_Its_Cell) {
    std::string name;
    while (name.size() < 300)
        name += "Aldebaran {Quell} Voss of the Seven Moons ";
    name.resize(300);
    EXPECT_EQ(Cell(Sheet(*Plain_Character(name)), "Name: "), "{\\fs14 " + RTF_Escape(name) + "}");
    name.resize(100);
    EXPECT_EQ(Cell(Sheet(*Plain_Character(name)), "Name: "), RTF_Escape(name));
}

// Hit points added are the Constitution table's dice, so the same character gives the same sheet.
TEST_F(Sheet_Test, Printing_Twice_Gives_The_Same_Sheet_Without_Rolling) {
    int draws = 0;
    TFunction_Random counting([&](int n) { return ++draws % n; });
    TRandom_Override count(counting);
    const auto made = Plain_Character("Mara Voss");
    const std::string first = Sheet(*made);
    EXPECT_EQ(Sheet(*made), first);
    EXPECT_EQ(draws, 0);
    EXPECT_EQ(Cell(first, "Hit Points Added: "), "2D12+1");
}

TEST(Ordinal, Follows_English_Endings) {
    const std::pair<int, const char*> cases[] = {
        {0, "0th"},     {1, "1st"},     {2, "2nd"},     {3, "3rd"},     {4, "4th"},
        {11, "11th"},   {12, "12th"},   {13, "13th"},   {21, "21st"},   {22, "22nd"},
        {100, "100th"}, {111, "111th"}, {112, "112th"}, {123, "123rd"}, {-1, ""}};
    for (const auto& [number, text] : cases)
        EXPECT_EQ(Ordinal(number), text) << number;
}

TEST_F(Sheet_Test, Selected_Compounds_Then_QIDs_Fill_Four_Rows_At_Most) {
    const auto made = Plain_Character("Oren Tal");
    TVexlor_Character& character = *made;
    character.Set_Class(1, Class_Chemist);
    character.Set_Class(2, Class_General_Engineer);
    TSheet_Selections selections;
    selections.Compounds[1] = {{"Stimulant", true}, {"Sedative", false}, {"Blight", true}};
    selections.Compounds[3] = {{"Acid Mist", true}};
    selections.QIDs[2] = {{"Force Field", true}, {"Phase Step", true}};
    std::string sheet;
    Character_RTF_String(character, TInventory(), {}, sheet, Default_Header_Font, selections);
    EXPECT_EQ(sheet.find('~'), std::string::npos);
    for (const char* text : {"Stimulant", "Blight", "Acid Mist", "Force Field"})
        EXPECT_NE(sheet.find(std::string(" ") + text + "\\cell"), std::string::npos) << text;
    EXPECT_EQ(sheet.find("Sedative"), std::string::npos);
    EXPECT_EQ(sheet.find("Phase Step"), std::string::npos);

    // Neither chemist nor engineer: the lists are not read.
    character.Set_Class(1, Class_Historian);
    character.Set_Class(2, -1);
    Character_RTF_String(character, TInventory(), {}, sheet, Default_Header_Font, selections);
    EXPECT_EQ(sheet.find("Stimulant"), std::string::npos);
}

// The font table names the title's face; Impact keeps the title as it always was, any other
// face is asked for in bold.
TEST_F(Sheet_Test, Title_Face_Is_Named_In_The_Font_Table) {
    struct TCase {
        const char* Given;
        const char* Font_Entry;
        const char* Title_Weight;
    };
    const TCase cases[] = {{"Impact", "Impact", ""},
                           {"DejaVu Sans Condensed", "DejaVu Sans Condensed", "\\b"},
                           {"Liberation Sans Narrow", "Liberation Sans Narrow", "\\b"},
                           {"Odd;Face {x}", "OddFace \\{x\\}", "\\b"},
                           {";", "Impact", ""},
                           {"", "Impact", ""}};
    const auto made = Plain_Character("Mara Voss");
    for (const auto& [given, font_entry, weight] : cases) {
        std::string sheet;
        Character_RTF_String(*made, TInventory(), {}, sheet, given);
        EXPECT_NE(sheet.find(std::string("{\\f2\\fswiss\\fcharset0\\fprq2 ") + font_entry + ";}"),
                  std::string::npos)
            << given;
        EXPECT_NE(sheet.find(std::string("\\qc\\f2\\fs36\\i") + weight + " V  E  X  L  O  R\\par"),
                  std::string::npos)
            << given;
        EXPECT_NE(sheet.find(std::string("\\qc\\f2\\fs26") + weight + " C H A R A C T E R   S H E E T\\par"),
                  std::string::npos)
            << given;
        EXPECT_EQ(sheet.find('~'), std::string::npos) << given;
    }
    std::string impact;
    Character_RTF_String(*made, TInventory(), {}, impact, "Impact");
    EXPECT_EQ(Sheet(*made), impact);
}

// Runs a command and returns what it printed.
std::string Output_Of(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    std::string output;
    std::array<char, 4096> buffer;
    std::size_t count;
    while (pipe && (count = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0)
        output.append(buffer.data(), count);
    return output;
}

TEST_F(Sheet_Test, Reads_In_A_Real_RTF_Reader) {
    const auto made = Plain_Character("Rex {the} \\ Bold \xC9lodie");
    TVexlor_Character& character = *made;
    character.Set_Class(1, Class_Commando);
    character.Set_Level(1, 4);
    character.Hit_Points = 23;
    const Testing::TTemporary_Folder folder;
    const auto file = folder.Path / "sheet.rtf";
    ASSERT_TRUE(Write_File_Atomic(file, Sheet(character)).Ok());
    // unrtf writes the text in the sheet's own code page, so the accented letter comes back as one byte.
    const std::string text = Output_Of("unrtf --text '" + file.string() + "' 2>/dev/null");
    for (const std::string expected :
         {"Name: Rex {the} \\ Bold \xC9lodie", "Race: Human", "Age: 27", "Strength: 12",
          "Vocations: Commando", "Level: 4", "Family & Background: 3rd child of 5 children", "Funds: 450",
          "QIDS & Compounds:", "Charges/Rounds:", "Base Hit Points: 23"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    EXPECT_EQ(text.find('~'), std::string::npos);
}

// The armour worn, the weapon wielded and then those held (a container's too), with the
// catalogue's values; an equipped name the catalogue lost keeps its row with the name alone.
TEST_F(Possessions_Test, Armour_And_Weapons_Come_From_The_Inventory_And_The_Catalogue) {
    const auto made = Plain_Character("Mara Voss");
    const TInventory inventory = Inventory_Of(
        "<items><item>Backpack<item>Scattergun</item><item>Rope</item></item><item>Ballistic Vest</item>"
        "<item>Laser Pistol</item><item>Slug Pistol</item></items><equip>Laser Pistol|Ballistic Vest|Ghost "
        "Cloak</equip>");
    const std::string sheet = Sheet(*made, inventory, Catalogues);
    EXPECT_EQ(Rows_After(sheet, "\\b Armor:\\b0 ", 2),
              (TRows{{"Ballistic Vest", "20%", ""}, {"Ghost Cloak", "", ""}}));
    EXPECT_EQ(Rows_After(sheet, "\\b Weapons:\\b0 ", 5),
              (TRows{{"Laser Pistol", "2", "100", "1-8", "1", "", ""},
                     {"Scattergun", "1", "30", "2-16", "1", "", ""},
                     {"Slug Pistol", "2", "60", "1-8", "1", "", ""},
                     {"", "", "", "", "", "", ""},
                     {"", "", "", "", "", "", ""}}));
    EXPECT_EQ(sheet.find('~'), std::string::npos);

    Items.Get("Slug Pistol")->Set_Morphable("Vibroblade");
    Items.Get("Slug Pistol")->Set_Surveillance(true);
    Items.Get("Slug Pistol")->Set_Sense_QIDs(true);
    EXPECT_EQ(Rows_After(Sheet(*made, inventory, Catalogues), "\\b Weapons:\\b0 ", 3)[2][6],
              "Morphable: Vibroblade, Surveillance, Sense QIDs");
}

// The QIDs and compounds carried, in the "PID" too, one row each with the catalogue's level,
// duration and activation time: a QID and its plan make one row named after the QID, a plan
// carried alone a row of its own; a QID the catalogue lacks shows its name; a sixth QID is counted
// in the last row.
TEST_F(Possessions_Test, Carried_QIDs_And_Compounds_Fill_Five_Rows_And_Count_The_Rest) {
    const auto made = Plain_Character("Oren Tal");
    TInventory inventory = Inventory_Of("<items><item>Heal QID plan</item></items>");
    inventory.Add_QIDs("Sleep");
    inventory.Add_Compounds("Smoke Pellet");
    const std::string head = "\\b QIDS & Compounds:\\b0 ";
    EXPECT_EQ(Rows_After(Sheet(*made, inventory, Catalogues), head, 5),
              (TRows{{"Heal QID plan", "1", "Instantaneous", "1"},
                     {"Sleep QID", "1", "5 + 1/level", "1"},
                     {"Smoke Pellet compound", "1", "3-6 + 1/level", ""},
                     {"", "", "", ""},
                     {"", "", "", ""}}));

    const TInventory six =
        Inventory_Of("<items><item>Sleep QID</item><item>Heal QID</item><item>Aether QID</item>"
                     "<item>Fog QID</item><item>Missile QID</item><item>Harm QID</item></items>");
    EXPECT_EQ(Rows_After(Sheet(*made, six, Catalogues), head, 5),
              (TRows{{"Aether QID", "", "", ""},
                     {"Fog QID", "1", "5-10 + 2/level", "1"},
                     {"Harm QID", "1", "Instantaneous", "1"},
                     {"Heal QID", "1", "Instantaneous", "1"},
                     {"Missile QID (+1 more)", "1", "Instantaneous", "1"}}));
}

} // namespace
} // namespace Vexlor
