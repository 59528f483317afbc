// The editors' mappings: every record of the starter catalogue goes through its editor unchanged,
// editing keeps what the editor does not show, and the controls that map in a way of their own.
#include "catalogues/editing/Item_Editor.h"
#include "catalogues/editing/Plan_Editors.h"
#include "foundations/Files.h"
#include "tests/Memory_Registry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

namespace Vexlor {
namespace {

using TNames = std::vector<std::string>;
using TItems = TMemory_Registry<TItem_Template, TItem_Registry>;
using TQIDs = TMemory_Registry<TQID_Plan, TQID_Registry>;
using TCompounds = TMemory_Registry<TCompound_Plan, TCompound_Registry>;

template <class Record, class Registry>
void Load(TMemory_Registry<Record, Registry>& registry, const char* file) {
    const auto text = Read_File(std::filesystem::path(VEXLOR_STARTER_CATALOGUE) / file);
    ASSERT_TRUE(text) << file;
    Add_Records(registry, *text, [](const auto&) { return true; });
    ASSERT_GT(registry.Count(), 0) << file;
}

// Filled into its editor and built back unchanged, each record gives exactly its stored text.
// Building once more from a new record and filling the editor from that must show the same: a
// property the build forgets would otherwise hide behind the copy of the edited record.
template <class Record, class Registry, class Fill, class Build>
void Expect_Round_Trip(TMemory_Registry<Record, Registry>& registry, Fill fill, Build build) {
    for (std::int32_t index = 0; index < registry.Count(); ++index) {
        Record& record = *registry.Get(index);
        const std::string stored = record.Serialize();
        const auto state = fill(record);
        Record edited = build(record, state);
        EXPECT_EQ(edited.Serialize(), stored);
        EXPECT_EQ(fill(build(Record{}, state)), state) << stored;
    }
}

TEST(Starter_Catalogue, EveryRecordGoesThroughItsEditorUnchanged) {
    TItems items;
    TQIDs qids;
    TCompounds compounds;
    Load(items, "items.txt");
    Load(qids, "qids.txt");
    Load(compounds, "compounds.txt");
    const auto choices = Item_Choices(&items, &qids);
    Expect_Round_Trip(
        items, [&](const TItem_Template& item) { return Item_Editor_State(item, choices); },
        Build_Item_Template);
    Expect_Round_Trip(qids, QID_Editor_State, Build_QID_Plan);
    Expect_Round_Trip(compounds, Compound_Editor_State, Build_Compound_Plan);
}

TItem_Template Item_With_Hidden_Properties() {
    TItem_Template item;
    item.Deserialize("<#name=Sentinel Plate><#class=Armor><#capacity=4><#count=1><#cognitive=7>"
                     "<#resistacid=3><#resistcold=2><#resistelectricity=1><#costpercapacity>"
                     "<#class0=Rogue><#level0=5><#class2=Historian><#level2=4>");
    return item;
}

TEST(Item_Editor, EditingKeepsWhatTheEditorDoesNotShow) {
    const TItem_Template stored = Item_With_Hidden_Properties();
    auto state = Item_Editor_State(stored, {});
    state.Name = "Sentinel Plate II";
    const TItem_Template edited = Build_Item_Template(stored, state);
    EXPECT_EQ(edited.Get_Cognitive(), 7);
    EXPECT_EQ(edited.Get_Resist_Acid(), 3);
    EXPECT_EQ(edited.Get_Resist_Electricity(), 1);
    EXPECT_EQ(edited.Get_Classes(0), (TIntelligent_Class{Class_Index("Rogue"), 5}));
    EXPECT_EQ(edited.Get_Classes(2), (TIntelligent_Class{Historian_Class, 4}));
    EXPECT_EQ(edited.Get_Capacity(), 4);
    EXPECT_TRUE(edited.Get_Cost_Per_Capacity());

    const TItem_Template created = Build_Item_Template(TItem_Template{}, state);
    EXPECT_EQ(created.Get_Cognitive(), 0);
    EXPECT_EQ(created.Get_Classes(0), (TIntelligent_Class{Historian_Class, 4}));
}

TEST(Item_Editor, ClassLevelsKeepTheirSlotsAndTakeFreeOnes) {
    struct TCase {
        const char* What;
        const char* Stored;
        int Linguist, Historian;
        TIntelligent_Classes Slots;
    };
    const TIntelligent_Class free{};
    const int rogue = Class_Index("Rogue");
    const TCase cases[] = {
        {"a new item: Linguist in slot 0, Historian next", "", 2, 3,
         std::array{TIntelligent_Class{Linguist_Class, 2}, TIntelligent_Class{Historian_Class, 3}, free,
                    free}},
        {"Historian alone takes slot 0", "", 0, 3,
         std::array{TIntelligent_Class{Historian_Class, 3}, free, free, free}},
        {"a level changes in its own slot", "<#class3=Linguist><#level3=1>", 4, 0,
         std::array{free, free, free, TIntelligent_Class{Linguist_Class, 4}}},
        {"level 0 frees the slot", "<#class1=Historian><#level1=2><#class2=Rogue><#level2=6>", 0, 0,
         std::array{free, free, TIntelligent_Class{rogue, 6}, free}},
        {"other classes keep their slots", "<#class0=Rogue><#level0=6>", 1, 0,
         std::array{TIntelligent_Class{rogue, 6}, TIntelligent_Class{Linguist_Class, 1}, free, free}},
    };
    for (const auto& c : cases) {
        TItem_Template stored;
        stored.Deserialize(c.Stored);
        auto state = Item_Editor_State(stored, {});
        state.Linguist_Level = c.Linguist;
        state.Historian_Level = c.Historian;
        const auto built = Build_Item_Template(stored, state);
        for (int slot = 0; slot <= 3; ++slot)
            EXPECT_EQ(built.Get_Classes(slot), c.Slots[slot]) << c.What << ", slot " << slot;
    }
}

TEST(Item_Editor, AClassLevelWithoutAFreeSlotIsRefused) {
    TItem_Template stored;
    stored.Deserialize("<#class0=Rogue><#level0=1><#class1=Rogue><#level1=1>"
                       "<#class2=Rogue><#level2=1><#class3=Rogue><#level3=1>");
    auto state = Item_Editor_State(stored, {});
    EXPECT_NO_THROW(Build_Item_Template(stored, state));
    state.Historian_Level = 2;
    EXPECT_THROW(Build_Item_Template(stored, state), std::invalid_argument);
}

TEST(Item_Editor, EquipListLinesAndNameLists) {
    TItem_Template stored;
    stored.Deserialize(
        "<equip>back,chest,abdomen,toe</equip><qids>Fog|Gone|Heal|</qids><weapons>Laser|</weapons>");
    const auto state = Item_Editor_State(stored, {{"Heal", "Sleep", "Fog"}, {"Laser", "Rifle"}});
    EXPECT_EQ(state.Equip_Classes, (TNames{"Torso", "Toe"}));
    EXPECT_EQ(state.QIDs, (TName_Choice{{"Fog", "Heal"}, {"Sleep"}}));
    EXPECT_EQ(state.Weapons, (TName_Choice{{"Laser"}, {"Rifle"}}));

    auto chosen = New_Item_Editor_State({{"Heal"}, {}});
    EXPECT_EQ(chosen.QIDs, (TName_Choice{{}, {"Heal"}}));
    chosen.Equip_Classes = {"Toe", "Hand"};
    EXPECT_EQ(Build_Item_Template(TItem_Template{}, chosen).Get_Equip_Class(), EC_Toe | EC_Hand);
    chosen.Equip_Classes = {"Head", "All"};
    EXPECT_EQ(Build_Item_Template(TItem_Template{}, chosen).Get_Equip_Class(), EC_All);
    EXPECT_EQ(Item_Editor_State(Build_Item_Template(TItem_Template{}, chosen), {}).Equip_Classes,
              (TNames{"All"}));
}

TEST(QID_Editor, NoMissAndTheAgeWithoutAControl) {
    TQID_Plan stored;
    stored.Deserialize("<#name=Fog><#age=2-5>");
    auto state = QID_Editor_State(stored);
    EXPECT_FALSE(state.No_Miss);
    EXPECT_EQ(Build_QID_Plan(stored, state).Get_Miss_Percent_Reduction(), 0);

    state.Miss_Percent_Reduction = 40;
    state.No_Miss = true;
    const auto no_miss = Build_QID_Plan(stored, state);
    EXPECT_EQ(no_miss.Get_Miss_Percent_Reduction(), -1);
    EXPECT_EQ(no_miss.Get_Age(), (TRange{2, 5}));
    EXPECT_EQ(Build_QID_Plan(TQID_Plan{}, state).Get_Age(), (TRange{0, 0}));

    const auto shown = QID_Editor_State(no_miss);
    EXPECT_TRUE(shown.No_Miss);
    EXPECT_EQ(shown.Miss_Percent_Reduction, 0);
}

} // namespace
} // namespace Vexlor
