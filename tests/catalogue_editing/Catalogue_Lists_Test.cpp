// The list dialogs' rules: the filters of every catalogue and the line selected after a delete.
#include "catalogues/Compounds.h"
#include "catalogues/Creature_Profile.h"
#include "catalogues/Item_Template.h"
#include "catalogues/QID_Plan.h"
#include "catalogues/editing/Catalogue_Lists.h"
#include "tests/Memory_Registry.h"

#include <gtest/gtest.h>

namespace Vexlor {
namespace {

using TNames = std::vector<std::string>;

template <class Record, class Registry>
void Fill(TMemory_Registry<Record, Registry>& registry, const char* lines) {
    Add_Records(registry, lines, [](const auto&) { return true; });
}

TEST(List_Filter, ItemsByClassificationTextUnlessShowAll) {
    TMemory_Registry<TItem_Template, TItem_Registry> items;
    Fill(items, "<#name=Laser><#class=Weapon>\n<#name=Vest><#class=Armor>\n<#name=Rope>\n<#name=Shield><#"
                "class=Armor>\n");
    TRegistry_List list(items, {});
    EXPECT_EQ(list.Listed_Names({"Armor", {}}), (TNames{"Vest", "Shield"}));
    EXPECT_EQ(list.Listed_Names({"Other", {}}), (TNames{"Rope"}));
    EXPECT_EQ(list.Listed_Names({"armor", {}}), TNames{}) << "the text must match exactly";
    EXPECT_EQ(list.Listed_Names({}), (TNames{"Laser", "Vest", "Rope", "Shield"}));
}

TEST(List_Filter, PlansByLevelUnlessAllLevels) {
    TMemory_Registry<TQID_Plan, TQID_Registry> qids;
    Fill(qids, "<#name=Fog><#level=3>\n<#name=Heal><#level=1>\n<#name=Sleep><#level=3>\n");
    TMemory_Registry<TCompound_Plan, TCompound_Registry> compounds;
    Fill(compounds, "<#name=Acid><#level=2>\n<#name=Salve><#level=9>\n");
    TRegistry_List qid_list(qids, {});
    TRegistry_List compound_list(compounds, {});
    EXPECT_EQ(qid_list.Listed_Names({{}, 3}), (TNames{"Fog", "Sleep"}));
    EXPECT_EQ(qid_list.Listed_Names({{}, 2}), TNames{});
    EXPECT_EQ(qid_list.Listed_Names({}), (TNames{"Fog", "Heal", "Sleep"}));
    EXPECT_EQ(compound_list.Listed_Names({{}, 9}), (TNames{"Salve"}));
    EXPECT_EQ(compound_list.Listed_Names({}), (TNames{"Acid", "Salve"}));
}

TEST(List_Filter, CataloguesWithoutAFilterListEverything) {
    TMemory_Registry<TCreature_Profile, TCreature_Registry> creatures;
    Fill(creatures, "<#name=Grell><#level=4>\n<#name=Vorn>\n");
    TRegistry_List list(creatures, {});
    EXPECT_EQ(list.Listed_Names({"Armor", 3}), (TNames{"Grell", "Vorn"}));
    EXPECT_TRUE(list.Contains("Vorn"));
    EXPECT_FALSE(list.Contains("vorn"));
}

TEST(List_Filter, ARecordTheFilterHidesGetsAFilterThatShowsIt) {
    TMemory_Registry<TItem_Template, TItem_Registry> items;
    Fill(items, "<#name=Laser><#class=Weapon>\n");
    TMemory_Registry<TQID_Plan, TQID_Registry> qids;
    Fill(qids, "<#name=Fog><#level=3>\n<#name=Rift><#level=12>\n");
    TRegistry_List item_list(items, {});
    TRegistry_List qid_list(qids, {});
    EXPECT_EQ(item_list.Filter_Showing("Laser", {"Other", {}}, 0).Classification, "Weapon");
    EXPECT_EQ(qid_list.Filter_Showing("Fog", {{}, 1}, 10).Level, 3);
    EXPECT_EQ(qid_list.Filter_Showing("Fog", {{}, 3}, 10).Level, 3);
    EXPECT_FALSE(qid_list.Filter_Showing("Rift", {{}, 3}, 10).Level) << "past the level box: every level";
}

TEST(Selection_After_Delete, SamePositionElseTheNewLastElseNone) {
    struct TCase {
        const char* What;
        int Deleted, Remaining, Selected;
    };
    for (const auto& c :
         {TCase{"middle", 1, 2, 1}, TCase{"first", 0, 2, 0}, TCase{"last", 2, 2, 1}, TCase{"only", 0, 0, -1}})
        EXPECT_EQ(Selection_After_Delete(c.Deleted, c.Remaining), c.Selected) << c.What;
}

} // namespace
} // namespace Vexlor
