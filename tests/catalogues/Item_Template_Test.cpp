// Item templates: the tag order of the stored form, the reading rules and the equip classes.
#include "catalogues/Item_Template.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace Vexlor {
namespace {

std::string Written(TItem_Template& item) {
    return item.Serialize();
}

TItem_Template Read(const std::string& text) {
    TItem_Template item;
    item.Deserialize(text.c_str());
    return item;
}

// Every property holds a value of its own; the whole numbers count up in the order they are written.
TItem_Template Full_Weapon() {
    using I = TItem_Template;
    TItem_Template item;
    item.Set_Name("Arc <Lance> & Co");
    item.Set_Classification(IC_Weapon);
    item.Set_Damage({2, 12});
    item.Set_Weight(125);
    int value = 1;
    for (auto set : {&I::Set_Hit_Adjustment, &I::Set_Cost, &I::Set_Range, &I::Set_Charges, &I::Set_Time,
                     &I::Set_Languages_Known})
        (item.*set)(value++);
    item.Set_Intelligence({7, 9, 8});
    value = 10;
    for (auto set :
         {&I::Set_Armor_Bonus, &I::Set_Count, &I::Set_Duration, &I::Set_Insulation, &I::Set_Capacity,
          &I::Set_Speed, &I::Set_Weight_Additional, &I::Set_Strength, &I::Set_Cognitive,
          &I::Set_Max_Power_Packs, &I::Set_Regeneration, &I::Set_Regeneration_Period, &I::Set_Resist_Acid,
          &I::Set_Resist_Cold, &I::Set_Resist_Electricity, &I::Set_HP})
        (item.*set)(value++);
    for (auto set : {&I::Set_Two_Hands, &I::Set_Warp, &I::Set_Huge, &I::Set_Self_Propelled,
                     &I::Set_Sense_Lifeform, &I::Set_Sense_QIDs, &I::Set_Sense_Chemicals,
                     &I::Set_Sense_Secret_Doors, &I::Set_Surveillance, &I::Set_Damage_Per_KVA,
                     &I::Set_Cost_Per_HP, &I::Set_Weight_Per_Capacity, &I::Set_Cost_Per_Capacity})
        (item.*set)(true);
    item.Set_Equip_Class(EC_Hand | EC_Torso);
    item.Set_Description("Hums.");
    item.Set_Weapon_Class(WC_Projectile);
    item.Set_Morphable("Arc Pistol");
    item.Set_QIDs("Heal|Fog|");
    item.Set_Weapons("Arc Pistol|");
    item.Set_Classes(0, {Class_Linguist, 3});
    item.Set_Classes(2, {Class_Historian, 1});
    return item;
}

const std::string Full_Weapon_Text =
    "<#name=Arc &lt;Lance&gt; &amp; Co><#class=Weapon><#damage=2-12><#weight=12.5><#hitadjust=1><#cost=2>"
    "<#range=3><#charges=4><#time=5><#languages=6><#intcognitive=7><#wisdom=8><#perception=9><#armorbonus=10>"
    "<#count=11><#duration=12><#insulation=13><#capacity=14><#speed=15><#additionalweight=16><#strength=17>"
    "<#cognitive=18><#maxpowerpacks=19><#regeneration=20><#regenerationperiod=21><#resistacid=22>"
    "<#resistcold=23><#resistelectricity=24><#hp=25><equip>torso,hand</equip><description>Hums.</description>"
    "<#twohands><#warp><#weaponclass=Projectile><#morphable=Arc Pistol><#huge><#selfpropelled><#senselife>"
    "<#senseqids><#sensechemicals><#sensesecret><#surveillance><#damageperkva><#costperhp>"
    "<#weightpercapacity><#costpercapacity><qids>Heal|Fog|</qids><weapons>Arc Pistol|</weapons>"
    "<#class0=Linguist><#level0=3><#class2=Historian><#level2=1>";

TEST(Item_Template, StoredForm) {
    TItem_Template full = Full_Weapon();
    EXPECT_EQ(Written(full), Full_Weapon_Text);
    TItem_Template item = Read(Full_Weapon_Text);
    EXPECT_EQ(Written(item), Full_Weapon_Text);
    EXPECT_STREQ(item.Get_Name(), "Arc <Lance> & Co");
    EXPECT_EQ(item.Get_Intelligence(), (TIntelligence{7, 9, 8}));
    EXPECT_EQ(item.Get_Cognitive(), 18);
    EXPECT_EQ(item.Get_HP(), 25);
    EXPECT_EQ(item.Get_Classes(2), (TIntelligent_Class{Class_Historian, 1}));
    EXPECT_EQ(item.Get_Classes(1), TIntelligent_Class{});
}

// Nothing set writes four tags; a zero is never written and a negative number keeps its sign; only a
// weapon writes its weapon class.
TEST(Item_Template, WhatIsWritten) {
    TItem_Template item;
    EXPECT_EQ(Written(item), "<#name=><#class=Other><#damage=0-0><#weight=0>");
    item.Set_Strength(-3);
    item.Set_Weight(-3);
    item.Set_Weapon_Class(WC_Contact);
    item.Set_Classification(IC_Armor);
    EXPECT_EQ(Written(item), "<#name=><#class=Armor><#damage=0-0><#weight=-0.3><#strength=-3>");
    EXPECT_EQ(Read(Written(item)).Get_Weight(), -3);
    item.Set_Classification(IC_Weapon);
    EXPECT_NE(Written(item).find("<#weaponclass=Contact>"), std::string::npos);
}

// The item's own cognitive and its intelligence's cognitive are stored apart; older texts that
// hold only "cognitive" read it into the item's own.
TEST(Item_Template, CognitiveValuesStayApart) {
    TItem_Template item;
    item.Set_Cognitive(2);
    item.Set_Intelligence({7, 0, 0});
    const TItem_Template again = Read(Written(item));
    EXPECT_EQ(again.Get_Cognitive(), 2);
    EXPECT_EQ(again.Get_Intelligence().Cognitive, 7);

    const TItem_Template old = Read("<#name=Old><#cognitive=7><#cognitive=2>");
    EXPECT_EQ(old.Get_Cognitive(), 2);
    EXPECT_EQ(old.Get_Intelligence().Cognitive, 0);
}

struct TWeight_Case {
    const char* Value;
    int Weight;
};
class Item_Weight : public testing::TestWithParam<TWeight_Case> {};

// A weight that does not read leaves the weight read before it (2.5 here).
TEST_P(Item_Weight, ReadsTenthsTruncated) {
    const TItem_Template item = Read(std::string("<#weight=2.5><#weight=") + GetParam().Value + ">");
    EXPECT_EQ(item.Get_Weight(), GetParam().Weight);
}

INSTANTIATE_TEST_SUITE_P(Values, Item_Weight,
                         testing::Values(TWeight_Case{"1.25", 12}, TWeight_Case{"-0.35", -3},
                                         TWeight_Case{"7", 70}, TWeight_Case{".5", 5}, TWeight_Case{"3.", 30},
                                         TWeight_Case{"12.5", 125}, TWeight_Case{"214748364.7", 2147483647},
                                         TWeight_Case{"x", 25}, TWeight_Case{"", 25},
                                         TWeight_Case{"1.2.3", 25}, TWeight_Case{"1e3", 25},
                                         TWeight_Case{"214748364.8", 25},
                                         TWeight_Case{"99999999999999999999", 25}));

TEST(Item_Template, ReadingRules) {
    // "<#class" is the classification; longer names are class slots, of which there are four.
    const TItem_Template item =
        Read("junk<#CLASS=armor><#class1=medic><#Level1=4><#class7=Medic><#level9=2>"
             "<#cost=5><#cost=x><#range=3><#range=4><#bogus=1><unknown><#time=9></unknown>"
             "<#twohands=1><#WARP><#damage=x><#name=\"Vest\">");
    EXPECT_EQ(item.Get_HP(), 0);
    EXPECT_EQ(item.Get_Classification(), IC_Armor);
    EXPECT_EQ(item.Get_Classes(1), (TIntelligent_Class{Class_Medic, 4}));
    for (int slot : {0, 2, 3})
        EXPECT_EQ(item.Get_Classes(slot), TIntelligent_Class{});
    EXPECT_EQ(item.Get_Cost(), 5);  // a value that does not read changes nothing
    EXPECT_EQ(item.Get_Range(), 4); // the later of two tags wins
    EXPECT_EQ(item.Get_Time(), 0);  // inside a skipped section
    EXPECT_FALSE(item.Get_Two_Hands());
    EXPECT_TRUE(item.Get_Warp());
    EXPECT_EQ(item.Get_Damage(), TRange{});
    EXPECT_STREQ(item.Get_Name(), "Vest");
}

TEST(Item_Template, TypeWordAndSlotsAreExact) {
    TItem_Template item;
    EXPECT_TRUE(item.Is_Type("item template"));
    EXPECT_FALSE(item.Is_Type("Item template"));
    EXPECT_FALSE(item.Is_Type(nullptr));
    EXPECT_THROW(item.Get_Classes(4), std::out_of_range);
}

struct TEquip_Case {
    int Flags;
    const char* Text;
};
class Equip_To_String : public testing::TestWithParam<TEquip_Case> {};

TEST_P(Equip_To_String, WritesTheWords) {
    EXPECT_EQ(EC_To_String(GetParam().Flags), GetParam().Text);
}

INSTANTIATE_TEST_SUITE_P(Flags, Equip_To_String,
                         testing::Values(TEquip_Case{0x1C, "torso"}, TEquip_Case{0x0C, "back,chest"},
                                         TEquip_Case{-1, "all"}, TEquip_Case{0, ""},
                                         TEquip_Case{EC_Ear | EC_Head | EC_Abdomen, "abdomen,head,ear"},
                                         TEquip_Case{0xFFFF,
                                                     "torso,head,neck,leg,arm,foot,hand,toe,finger,tail,"
                                                     "wing,face,eye,ear"}));

class Equip_From_String : public testing::TestWithParam<TEquip_Case> {};

TEST_P(Equip_From_String, AddsTheBits) {
    EXPECT_EQ(String_To_EC(GetParam().Text), GetParam().Flags);
}

INSTANTIATE_TEST_SUITE_P(Texts, Equip_From_String,
                         testing::Values(TEquip_Case{0x31, "head,abdomen,leg"},
                                         TEquip_Case{-1, "leg,All,head"}, TEquip_Case{0x1C, "Torso,back"},
                                         TEquip_Case{0x1, "head,,bogus, neck"}, TEquip_Case{0, ""},
                                         TEquip_Case{0x8400, "FINGER,ear"}));

} // namespace
} // namespace Vexlor
