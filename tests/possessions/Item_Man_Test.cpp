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
                               "<#morphable=Laser Rifle><#class0=Physicist><#level0=4>"));
    }
    TItems Catalogue;
    TVexlor_Item_Manager Manager{&Catalogue};
};

TEST_F(Item_Manager_Test, Builds_Each_Kind_Of_Item_From_Its_Specification) {
    EXPECT_EQ(Manager.Add(Item_Specification("Q", "Tractor Beam")), 0);
    EXPECT_EQ(Manager.Add(Item_Specification("C", "Knockout Gas")), 1);
    EXPECT_EQ(Manager.Add("Laser Pistol"), 2);
    EXPECT_EQ(Manager.Add(Item_Specification("P", "Force Field")), 3);
    EXPECT_EQ(Manager.Add(Item_Specification("R", "Acid Spray")), 4);
    ASSERT_EQ(Manager.Count(), 5);
    const std::pair<TItem_Type, std::string> expected[] = {{IT_QID, "Tractor Beam"},
                                                           {IT_Compound, "Knockout Gas"},
                                                           {IT_General, "Laser Pistol"},
                                                           {IT_General, "Paper"},
                                                           {IT_General, "Paper"}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Manager.Get_Item(i)->Item_Type(), expected[i].first);
        EXPECT_EQ(Manager.Get_Item(i)->Get_Name(), expected[i].second);
        EXPECT_FALSE(Manager.Get_Item(i)->Equipped);
    }
    EXPECT_EQ(dynamic_cast<TQID_Device&>(*Manager.Get_Item(0)).QID, "Tractor Beam");
    EXPECT_EQ(dynamic_cast<TCompound&>(*Manager.Get_Item(1)).Compound, "Knockout Gas");

    const auto& pistol = dynamic_cast<TGeneral_Item&>(*Manager.Get_Item(2));
    EXPECT_EQ(pistol.Get_Count(), 3);
    EXPECT_EQ(pistol.Damage, (TRange{2, 12}));
    EXPECT_EQ(pistol.Weight, 15);
    EXPECT_EQ(pistol.Morphable, "Laser Rifle");
    EXPECT_EQ(pistol.Classes[0], (TIntelligent_Class{Class_Physicist, 4}));
    EXPECT_EQ(pistol.Classes[3], (TIntelligent_Class{-1, 0}));

    // Each plan or recipe is written on a paper of its own; its kind is compared exactly.
    for (const int paper : {3, 4}) {
        const TInformation_Collection* information = Manager.Get_Item(paper)->Get_Information();
        ASSERT_TRUE(information && information->Count() == 1);
        const auto& plan = dynamic_cast<const Item_Man::TPlan_Reference&>(*information->Get_Index(0));
        EXPECT_EQ(plan.Get_Name(), paper == 3 ? "Force Field" : "Acid Spray");
        EXPECT_EQ(plan.Is_Type("qid"), paper == 3);
        EXPECT_EQ(plan.Is_Type("compound"), paper == 4);
        EXPECT_FALSE(plan.Is_Type("QID") || plan.Is_Type("Compound") || plan.Is_Type(nullptr));
    }
    EXPECT_STREQ(Manager.Serialize(), "");
    EXPECT_THROW(Manager.Get_Item(5), std::out_of_range);
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
                                         // Without a kind the separator is part of the looked-up name.
                                         Item_Specification("", "Laser Pistol")));

TEST(Item_Manager, Plans_Need_Paper_And_Items_Need_A_Catalogue) {
    TItems no_paper;
    no_paper.Add(Template("<#name=Rope>"));
    TVexlor_Item_Manager manager(&no_paper), without_catalogue(nullptr);
    EXPECT_EQ(manager.Add(Item_Specification("P", "Force Field")), -1);
    EXPECT_EQ(manager.Add(Item_Specification("R", "Acid Spray")), -1);
    EXPECT_EQ(manager.Count(), 0);
    EXPECT_EQ(without_catalogue.Add("Rope"), -1);
    EXPECT_EQ(without_catalogue.Add(Item_Specification("Q", "Tractor Beam")), 0);
}

// A catalogue item takes over every attribute of its template as it is when the item is made: each
// whole number its own value, every flag set, the texts, classes and intelligence; KVA is not a
// template attribute and stays 0. A general item has a base class, so its size stands guard
// instead of a count of its members: a member added to it changes the size below, and then
// belongs in this test.
TEST(General_Item, Copies_Every_Attribute_Of_Its_Template) {
    EXPECT_EQ(sizeof(TGeneral_Item) - sizeof(TVexlor_Item), 264u)
        << "a member was added: check its copy here";
    using I = TItem_Template;
    TItem_Template item_template;
    int value = 1;
    const auto numbers = {&I::Set_Armor_Bonus,
                          &I::Set_Capacity,
                          &I::Set_Charges,
                          &I::Set_Cognitive,
                          &I::Set_Duration,
                          &I::Set_Hit_Adjustment,
                          &I::Set_HP,
                          &I::Set_Insulation,
                          &I::Set_Languages_Known,
                          &I::Set_Max_Power_Packs,
                          &I::Set_Range,
                          &I::Set_Regeneration,
                          &I::Set_Regeneration_Period,
                          &I::Set_Resist_Acid,
                          &I::Set_Resist_Cold,
                          &I::Set_Resist_Electricity,
                          &I::Set_Speed,
                          &I::Set_Strength,
                          &I::Set_Time,
                          &I::Set_Weight,
                          &I::Set_Count};
    for (auto set : numbers)
        (item_template.*set)(value++);
    for (auto set : {&I::Set_Huge, &I::Set_Self_Propelled, &I::Set_Sense_Lifeform, &I::Set_Sense_QIDs,
                     &I::Set_Sense_Chemicals, &I::Set_Sense_Secret_Doors, &I::Set_Surveillance,
                     &I::Set_Two_Hands, &I::Set_Warp, &I::Set_Damage_Per_KVA})
        (item_template.*set)(true);
    item_template.Set_Damage({3, 18});
    item_template.Set_Intelligence({7, 9, 8});
    item_template.Set_Morphable("Laser Rifle");
    item_template.Set_QIDs("Blink|");
    item_template.Set_Weapons("Sling|");
    item_template.Set_Weapon_Class(WC_Projectile);
    for (int slot = 0; slot <= 3; ++slot)
        item_template.Set_Classes(slot, {slot + 1, 10 + slot});

    const TGeneral_Item item(item_template);
    const int copied[] = {item.Armor_Bonus,
                          item.Capacity,
                          item.Charges,
                          item.Cognitive,
                          item.Duration,
                          item.Hit_Adjustment,
                          item.HP,
                          item.Insulation,
                          item.Languages_Known,
                          item.Max_Power_Packs,
                          item.Range,
                          item.Regeneration,
                          item.Regeneration_Period,
                          item.Resist_Acid,
                          item.Resist_Cold,
                          item.Resist_Electricity,
                          item.Speed,
                          item.Strength,
                          item.Time,
                          item.Weight,
                          item.Get_Count()};
    for (int i = 0; i < static_cast<int>(std::size(copied)); ++i)
        EXPECT_EQ(copied[i], i + 1) << "number " << i;
    for (const bool flag :
         {item.Huge, item.Self_Propelled, item.Sense_Lifeform, item.Sense_QIDs, item.Sense_Chemicals,
          item.Sense_Secret_Doors, item.Surveillance, item.Two_Hands, item.Warp})
        EXPECT_TRUE(flag);
    EXPECT_EQ(item.KVA, 0);
    EXPECT_EQ(item.Damage, (TRange{3, 18}));
    EXPECT_EQ(item.Intelligence, (TIntelligence{7, 9, 8}));
    EXPECT_EQ(item.Morphable, "Laser Rifle");
    EXPECT_EQ(item.QIDs, "Blink|");
    EXPECT_EQ(item.Weapons, "Sling|");
    EXPECT_EQ(item.Weapon_Class, WC_Projectile);
    for (int slot = 0; slot <= 3; ++slot)
        EXPECT_EQ(item.Classes[slot], (TIntelligent_Class{slot + 1, 10 + slot}));
}

} // namespace
} // namespace Vexlor
