#include "possessions/Item_Man.h"

#include "tests/referee/Referee_Test_Support.h"

#include <gtest/gtest.h>

namespace Vexlor {
namespace {

using TItems = TMemory_Registry<TItem_Template, TItem_Registry>;

TItem_Template* Template(const char* tagged_text) {
    auto* item_template = new TItem_Template;
    item_template->Deserialize(tagged_text);
    return item_template;
}

class Item_Manager_Test : public testing::Test {
  protected:
    void SetUp() override {
        Catalogue.Add(Template("<#name=Paper><#count=1>"));
        Catalogue.Add(Template("<#name=Laser Pistol><#class=Weapon><#damage=2-12><#count=3><#weight=1.5>"
                               "<#morphable=Laser Rifle><#class0=Physicist><#level0=4><#hp=7>"));
    }
    TItems Catalogue;
    TVexlor_Item_Manager Manager{&Catalogue};
};

TEST_F(Item_Manager_Test, QIDs_And_Compounds_Are_Named_After_What_They_Hold) {
    ASSERT_EQ(Manager.Add(Item_Specification("Q", "Tractor Beam")), 0);
    ASSERT_EQ(Manager.Add(Item_Specification("C", "Knockout Gas")), 1);
    const auto* device = dynamic_cast<TQID_Device*>(Manager.Get_Item(0));
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(device->Item_Type(), IT_QID);
    EXPECT_STREQ(device->Get_Name(), "Tractor Beam");
    EXPECT_EQ(device->QID, "Tractor Beam");
    EXPECT_EQ(device->Get_Count(), 0);
    const auto* compound = dynamic_cast<TCompound*>(Manager.Get_Item(1));
    ASSERT_NE(compound, nullptr);
    EXPECT_EQ(compound->Item_Type(), IT_Compound);
    EXPECT_STREQ(compound->Get_Name(), "Knockout Gas");
    EXPECT_EQ(compound->Compound, "Knockout Gas");
    EXPECT_FALSE(compound->Equipped);
}

TEST_F(Item_Manager_Test, Catalogue_Item_Copies_Its_Template) {
    ASSERT_EQ(Manager.Add("Laser Pistol"), 0);
    const auto* item = dynamic_cast<TGeneral_Item*>(Manager.Get_Item(0));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->Item_Type(), IT_General);
    EXPECT_STREQ(item->Get_Name(), "Laser Pistol");
    EXPECT_EQ(item->Get_Count(), 3);
    EXPECT_EQ(item->Damage, (TRange{2, 12}));
    EXPECT_EQ(item->Weight, 15);
    EXPECT_EQ(item->Morphable, "Laser Rifle");
    EXPECT_EQ(item->HP, 7);
    EXPECT_EQ(item->Classes[0], (TIntelligent_Class{Class_Physicist, 4}));
    EXPECT_EQ(item->Classes[3], (TIntelligent_Class{-1, 0}));
    EXPECT_EQ(item->KVA, 0);
    EXPECT_EQ(item->Get_Information(), nullptr);
}

TEST_F(Item_Manager_Test, Plans_And_Recipes_Are_Written_On_One_Paper_Each) {
    ASSERT_EQ(Manager.Add(Item_Specification("P", "Force Field")), 0);
    ASSERT_EQ(Manager.Add(Item_Specification("R", "Acid Spray")), 1);
    ASSERT_EQ(Manager.Count(), 2);
    const struct {
        const char* name;
        bool qid;
    } expected[] = {{"Force Field", true}, {"Acid Spray", false}};
    for (int i = 0; i < 2; ++i) {
        const TVexlor_Item* paper = Manager.Get_Item(i);
        EXPECT_STREQ(paper->Get_Name(), "Paper");
        EXPECT_EQ(paper->Get_Count(), 1);
        const TInformation_Collection* information = paper->Get_Information();
        ASSERT_NE(information, nullptr);
        ASSERT_EQ(information->Count(), 1);
        const auto* plan = dynamic_cast<const Item_Man::TPlan_Reference*>(information->Get_Index(0));
        ASSERT_NE(plan, nullptr);
        EXPECT_EQ(plan->Get_Name(), expected[i].name);
        EXPECT_EQ(plan->Is_Type("qid"), expected[i].qid);
        EXPECT_EQ(plan->Is_Type("compound"), !expected[i].qid);
        // The kind is compared exactly.
        EXPECT_FALSE(plan->Is_Type("QID"));
        EXPECT_FALSE(plan->Is_Type("Compound"));
        EXPECT_FALSE(plan->Is_Type(nullptr));
    }
}

class Item_Manager_Refuses : public Item_Manager_Test, public testing::WithParamInterface<std::string> {};

TEST_P(Item_Manager_Refuses, What_It_Cannot_Build_And_Leaves_The_List_Alone) {
    Manager.Add(Item_Specification("Q", "Tractor Beam"));
    EXPECT_EQ(Manager.Add(GetParam()), -1);
    EXPECT_EQ(Manager.Count(), 1);
}

INSTANTIATE_TEST_SUITE_P(Specifications, Item_Manager_Refuses,
                         testing::Values("Hover Tank", "laser pistol", "",
                                         Item_Specification("X", "Laser Pistol"),
                                         Item_Specification("q", "Tractor Beam"),
                                         Item_Specification("QQ", "Tractor Beam"),
                                         // Without a kind the separator is part of the looked-up name.
                                         Item_Specification("", "Laser Pistol")));

TEST(Item_Manager, Plans_Need_Paper_And_Items_Need_A_Catalogue) {
    TItems no_paper;
    no_paper.Add(Template("<#name=Rope>"));
    TVexlor_Item_Manager manager(&no_paper);
    EXPECT_EQ(manager.Add(Item_Specification("P", "Force Field")), -1);
    EXPECT_EQ(manager.Add(Item_Specification("R", "Acid Spray")), -1);
    EXPECT_EQ(manager.Count(), 0);

    TVexlor_Item_Manager without_catalogue(nullptr);
    EXPECT_EQ(without_catalogue.Add("Rope"), -1);
    EXPECT_EQ(without_catalogue.Add(Item_Specification("P", "Force Field")), -1);
    EXPECT_EQ(without_catalogue.Add(Item_Specification("Q", "Tractor Beam")), 0);
}

TEST_F(Item_Manager_Test, Holds_Its_Items_And_Is_Never_Stored) {
    Manager.Add("Laser Pistol");
    Manager.Add(Item_Specification("P", "Force Field"));
    EXPECT_STREQ(Manager.Serialize(), "");
    Manager.Deserialize("<items><item>Rope</item></items>");
    EXPECT_EQ(Manager.Count(), 2);

    auto replacement = std::make_unique<TCompound>();
    replacement->Set_Name("Knockout Gas");
    Manager.Set_Item(0, std::move(replacement));
    EXPECT_EQ(Manager.Get_Item(0)->Item_Type(), IT_Compound);
    EXPECT_THROW(Manager.Get_Item(2), std::out_of_range);
    EXPECT_THROW(Manager.Get_Item(-1), std::out_of_range);
    EXPECT_THROW(Manager.Set_Item(2, std::make_unique<TQID_Device>()), std::out_of_range);
}

} // namespace
} // namespace Vexlor
