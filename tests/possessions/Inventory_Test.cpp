#include "possessions/Inventory.h"

#include "catalogues/Compounds.h"
#include "catalogues/Item_Template.h"
#include "catalogues/QID_Plan.h"
#include "tests/Memory_Registry.h"

#include <gtest/gtest.h>

namespace Vexlor {
namespace {

template <class T, class Registry>
void Add(TMemory_Registry<T, Registry>& registry, const std::string& text) {
    Add_Records(registry, text, [](const T&) { return true; });
}

std::vector<std::string> Names(const TInventory_List& list) {
    std::vector<std::string> names;
    for (const auto& entry : list)
        names.push_back(entry.Name);
    return names;
}

int Depth(const TInventory_List& list) {
    int deepest = 0;
    for (const auto& entry : list)
        deepest = std::max(deepest, entry.Contents ? Depth(*entry.Contents) : 0);
    return deepest + 1;
}

class Inventory_Test : public testing::Test {
  protected:
    void SetUp() override {
        Add(Items, "<#name=Backpack><#capacity=40>\n<#name=Box><#capacity=10>\n<#name=Rope>\n"
                   "<#name=PID><#capacity=50>\n<#name=Laser Pistol><#class=Weapon>\n"
                   "<#name=Vibroblade><#class=Weapon><equip>hand</equip>\n"
                   "<#name=Combat Helmet><equip>head</equip>\n<#name=Ballistic Vest><equip>chest</equip>\n"
                   "<#name=Cloak><equip>back</equip>\n<#name=Combat Mesh><equip>torso</equip>\n"
                   "<#name=Atomic planer><description>Shaves hulls.</description>\n"
                   "<#name=Ghost plan><description>A blueprint prop.</description>\n");
        Add(QIDs, "<#name=Force Field><description>A shimmering wall.</description>\n<#name=Blink>\n");
        Add(Compounds, "<#name=Acid Spray><#description=Burns.>\n");
    }

    void Read(const std::string& text) { Inventory.Deserialize(text); }
    int Index_Of(const std::string& name) const {
        const auto names = Names(Inventory.Shown());
        return static_cast<int>(std::find(names.begin(), names.end(), name) - names.begin());
    }
    void Equip(const std::string& name) {
        ASSERT_TRUE(Inventory.Can_Equip(Index_Of(name))) << name;
        Inventory.Equip(Index_Of(name));
    }

    TMemory_Registry<TItem_Template, TItem_Registry> Items;
    TMemory_Registry<TQID_Plan, TQID_Registry> QIDs;
    TMemory_Registry<TCompound_Plan, TCompound_Registry> Compounds;
    TInventory Inventory{{.Items = &Items, .QIDs = &QIDs, .Compounds = &Compounds}};
};

constexpr const char* Empty_Inventory = "<items></items><equip></equip>";

TEST_F(Inventory_Test, Reads_Stored_Texts_And_Writes_Each_Level_Sorted) {
    const std::pair<std::string, std::string> cases[] = {
        {"<items><item>Backpack<item>Rope</item><item>Box</item></item></items><equip>Rope</equip>",
         "<items><item>Backpack<item>Box</item><item>Rope</item></item></items><equip>Rope</equip>"},
        {"<items><item>rope</item><item>Box<item>Rope</item><item>belt<item>Knife</item></item></item>"
         "<item>Zzyzx Gizmo</item></items><equip>Zzyzx Gizmo|Combat Helmet|Laser Pistol</equip>",
         "<items><item>Box<item>belt<item>Knife</item></item><item>Rope</item></item><item>rope</item>"
         "<item>Zzyzx Gizmo</item></items><equip>Combat Helmet|Laser Pistol|Zzyzx Gizmo</equip>"},
        // Inside a character's stored text, with line breaks and capitals as a hand edit leaves them.
        {"<#name=Mara><name>Mara Voss</name><ITEMS>\r\n<Item>Box</ITEM><item=2>  padded </item></ITEMS>"
         "<EQUIP>Cloak</EQUIP><#credits=5>",
         "<items><item>  padded </item><item>Box</item></items><equip>Cloak</equip>"},
        // Every save writes <equip></equip>: it equips nothing.
        {Empty_Inventory, Empty_Inventory},
        {"<items><item><item>Rope</item></item></items><items><item>A</item></items><equip>|B||</equip>",
         "<items><item><item>Rope</item></item><item>A</item></items><equip>B</equip>"},
        {"<items>loose<#count=3><item>Box<note>a<item>Hidden</item></note><item>Rope</item>x</item></items>",
         "<items><item>Box<item>Rope</item></item></items><equip></equip>"},
        // An end tag that opens nothing takes the rest of its section with it, as in every record.
        {"<items><item>A</item></foo><item>B</item></items><equip>X</equip>",
         "<items><item>A</item></items><equip>X</equip>"},
        {"<items><item>Backpack<item>Rope",
         "<items><item>Backpack<item>Rope</item></item></items><equip></equip>"},
        {"<items><item>A|B</item></items><equip>C|D</equip>",
         "<items><item>A|B</item></items><equip>C|D</equip>"},
        // A name ends at its first "<", held or equipped.
        {"<equip>Rope<b>x</b>|<i>|a<equip>b</equip>", "<items></items><equip>a|Rope</equip>"},
        {"<name>Mara</name><#strength=12>", Empty_Inventory},
        {"just words, no tags", Empty_Inventory},
        {"", Empty_Inventory},
    };
    for (const auto& [text, written] : cases) {
        Read(text);
        EXPECT_EQ(Inventory.Serialize(), written) << text;
        Read(written);
        EXPECT_EQ(Inventory.Serialize(), written) << "again: " << written;
    }
}

TEST_F(Inventory_Test, Hostile_Texts_Read_Quickly_Into_A_Usable_Inventory) {
    std::string nested = "<#name=Mara><items>";
    for (int i = 0; i < 100'000; ++i)
        nested += "<item>Box";
    for (int i = 0; i < 100'000; ++i)
        nested += "</item>";
    Read(nested + "<item>After</item></items><equip>Cloak</equip>");
    EXPECT_EQ(Depth(Inventory.Items()), Deepest_Level);
    EXPECT_EQ(Names(Inventory.Items()), (std::vector<std::string>{"After", "Box"}));
    EXPECT_EQ(Inventory.Equipped(), std::vector<std::string>{"Cloak"});

    Read(std::string(1'000'000, 'x'));
    EXPECT_EQ(Inventory.Serialize(), Empty_Inventory);
    Read("<items>" + std::string(100'000, '<'));
    EXPECT_TRUE(Inventory.Items().empty());
}

TEST_F(Inventory_Test, Equipping_Makes_Room_For_One_Weapon_And_One_Item_Per_Body_Place) {
    Read(
        "<items><item>Laser Pistol</item><item>Vibroblade</item><item>Cloak</item><item>Ballistic Vest</item>"
        "<item>Combat Helmet</item><item>Combat "
        "Mesh</item><item>Backpack</item><item>Mystery</item></items>");
    Equip("Laser Pistol");
    Equip("Vibroblade");
    EXPECT_EQ(Inventory.Equipped(), std::vector<std::string>{"Vibroblade"});

    Equip("Cloak");
    Equip("Combat Helmet");
    Equip("Ballistic Vest");
    // The mesh covers back, chest and abdomen: only the first equipped entry in its way goes.
    Equip("Combat Mesh");
    EXPECT_EQ(Inventory.Equipped(),
              (std::vector<std::string>{"Cloak", "Combat Helmet", "Combat Mesh", "Vibroblade"}));

    for (const char* name : {"Combat Helmet", "Backpack", "Mystery"})
        EXPECT_FALSE(Inventory.Can_Equip(Index_Of(name))) << name;
    Inventory.Nest(Index_Of("Backpack"));
    Inventory.Create_Item("Laser Pistol");
    EXPECT_FALSE(Inventory.Can_Equip(0)) << "only at the top level";

    Inventory.Back();
    Inventory.Delete(Index_Of("Cloak"));
    EXPECT_EQ(Inventory.Equipped().front(), "Cloak") << "deleting a held entry leaves the equipped list";
    Inventory.Unequip(0);
    EXPECT_EQ(Inventory.Equipped(), (std::vector<std::string>{"Combat Helmet", "Combat Mesh", "Vibroblade"}));
    EXPECT_THROW(Inventory.Unequip(3), std::out_of_range);
}

TEST_F(Inventory_Test, QIDs_And_Compounds_Go_To_The_Top_Level_With_Their_Plans_In_One_PID) {
    Inventory.Add_QIDs("");
    EXPECT_TRUE(Inventory.Items().empty());
    Inventory.Add_QIDs("Force Field|Blink|");
    Inventory.Add_Compounds("Acid Spray|");
    EXPECT_EQ(Names(Inventory.Items()),
              (std::vector<std::string>{"Acid Spray compound", "Blink QID", "Force Field QID", "PID"}));
    EXPECT_EQ(Names(*Inventory.Items().back().Contents),
              (std::vector<std::string>{"Acid Spray recipe", "Blink plan", "Force Field plan"}));
}

TEST_F(Inventory_Test, Containers_Open_Level_By_Level_And_Back_Returns_To_The_Top) {
    Read("<items><item>Backpack<item>Box</item></item><item>Rope</item><item>Mystery</item><item>PID</item>"
         "</items>");
    for (const char* name : {"Rope", "Mystery"})
        EXPECT_FALSE(Inventory.Can_Open(Index_Of(name))) << name;
    Inventory.Nest(Index_Of("Backpack"));
    Inventory.Nest(Index_Of("Box"));
    Inventory.Add_From_Catalogue(Page_Plans, "Force Field");
    EXPECT_EQ(Inventory.Nest_Level(), "Backpack > Box");
    EXPECT_FALSE(Inventory.In_PID());
    Inventory.Back();
    EXPECT_EQ(Inventory.Nest_Level(), "Backpack");
    Inventory.Back();
    EXPECT_EQ(Inventory.Nest_Level(), "");
    EXPECT_FALSE(Inventory.Can_Go_Back());
    EXPECT_EQ(Inventory.Serialize(),
              "<items><item>Backpack<item>Box<item>Force Field QID plan</item></item></item>"
              "<item>Mystery</item><item>PID</item><item>Rope</item></items><equip></equip>");

    ASSERT_TRUE(Inventory.Can_Open(Index_Of("PID")));
    Inventory.Nest(Index_Of("PID"));
    EXPECT_TRUE(Inventory.In_PID());
    Inventory.Back();
    EXPECT_FALSE(Inventory.In_PID());

    // No container opens whose contents a stored text could not hold.
    for (int level = 1; level < Deepest_Level; ++level) {
        Inventory.Create_Item("Backpack");
        ASSERT_TRUE(Inventory.Can_Open(Index_Of("Backpack"))) << level;
        Inventory.Nest(Index_Of("Backpack"));
    }
    Inventory.Create_Item("Backpack");
    EXPECT_FALSE(Inventory.Can_Open(0));
    Read(Inventory.Serialize());
    EXPECT_EQ(Depth(Inventory.Items()), Deepest_Level);
}

TEST_F(Inventory_Test, Help_Follows_The_Ending_Of_A_Held_Name_And_The_Page_Of_A_Catalogue_Name) {
    const std::pair<std::string, THelp_Kind> held[] = {{"Force Field QID plan", Help_QID_Plan},
                                                       {"Force Field plan", Help_QID_Plan},
                                                       {"Force Field QID", Help_QID_Plan},
                                                       {"Acid Spray compound recipe", Help_Compound_Plan},
                                                       {"Acid Spray recipe", Help_Compound_Plan},
                                                       {"Acid Spray compound", Help_Compound_Plan},
                                                       {"Atomic planer", Help_Item},
                                                       {"Ghost plan", Help_Item},
                                                       {"Blink QID", Help_None},
                                                       {"Mystery", Help_None}};
    for (const auto& [name, kind] : held)
        EXPECT_EQ(Inventory.Held_Help(name).Kind, kind) << name;
    const TInventory_Help help = Inventory.Held_Help("Force Field plan");
    EXPECT_EQ(help.Title, "Force Field");
    EXPECT_EQ(help.Text, "A shimmering wall.");

    EXPECT_EQ(Inventory.Catalogue_Help(Page_Plans, "Force Field").Kind, Help_QID_Plan);
    EXPECT_EQ(Inventory.Catalogue_Help(Page_Recipes, "Acid Spray").Kind, Help_Compound_Plan);
    EXPECT_EQ(Inventory.Catalogue_Help(Page_Items, "Force Field").Kind, Help_None);
    EXPECT_EQ(Inventory.Catalogue_Names(Page_Recipes), std::vector<std::string>{"Acid Spray"});
    EXPECT_TRUE(TInventory().Catalogue_Names(Page_Items).empty());
}

} // namespace
} // namespace Vexlor
