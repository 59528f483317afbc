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

// Every property holds a value of its own.
TItem_Template Full_Weapon() {
    TItem_Template item;
    item.Set_Name("Arc <Lance> & Co");
    item.Set_Classification(IC_Weapon);
    item.Set_Damage({2, 12});
    item.Set_Weight(125);
    item.Set_Hit_Adjustment(-5);
    item.Set_Cost(900);
    item.Set_Range(30);
    item.Set_Charges(2);
    item.Set_Time(3);
    item.Set_Languages_Known(1);
    item.Set_Intelligence({4, 5, 6});
    item.Set_Armor_Bonus(7);
    item.Set_Count(8);
    item.Set_Duration(9);
    item.Set_Insulation(10);
    item.Set_Capacity(11);
    item.Set_Speed(12);
    item.Set_Weight_Additional(13);
    item.Set_Strength(14);
    item.Set_Cognitive(15);
    item.Set_Max_Power_Packs(16);
    item.Set_Regeneration(17);
    item.Set_Regeneration_Period(18);
    item.Set_Resist_Acid(19);
    item.Set_Resist_Cold(20);
    item.Set_Resist_Electricity(21);
    item.Set_HP(22);
    item.Set_Equip_Class(EC_Hand | EC_Torso);
    item.Set_Description("Hums.");
    item.Set_Two_Hands(true);
    item.Set_Warp(true);
    item.Set_Weapon_Class(WC_Projectile);
    item.Set_Morphable("Arc Pistol");
    item.Set_Huge(true);
    item.Set_Self_Propelled(true);
    item.Set_Sense_Lifeform(true);
    item.Set_Sense_QIDs(true);
    item.Set_Sense_Chemicals(true);
    item.Set_Sense_Secret_Doors(true);
    item.Set_Surveillance(true);
    item.Set_Damage_Per_KVA(true);
    item.Set_Cost_Per_HP(true);
    item.Set_Weight_Per_Capacity(true);
    item.Set_Cost_Per_Capacity(true);
    item.Set_QIDs("Heal|Fog|");
    item.Set_Weapons("Arc Pistol|");
    item.Set_Classes(0, {Class_Linguist, 3});
    item.Set_Classes(2, {Class_Historian, 1});
    return item;
}

const std::string Full_Weapon_Text =
    "<#name=Arc &lt;Lance&gt; &amp; Co><#class=Weapon><#damage=2-12><#weight=12.5><#hitadjust=-5><#cost=900>"
    "<#range=30><#charges=2><#time=3><#languages=1><#intcognitive=4><#wisdom=6><#perception=5><#armorbonus=7>"
    "<#count=8><#duration=9><#insulation=10><#capacity=11><#speed=12><#additionalweight=13><#strength=14>"
    "<#cognitive=15><#maxpowerpacks=16><#regeneration=17><#regenerationperiod=18><#resistacid=19>"
    "<#resistcold=20><#resistelectricity=21><#hp=22><equip>torso,hand</equip><description>Hums.</description>"
    "<#twohands><#warp><#weaponclass=Projectile><#morphable=Arc Pistol><#huge><#selfpropelled><#senselife>"
    "<#senseqids><#sensechemicals><#sensesecret><#surveillance><#damageperkva><#costperhp>"
    "<#weightpercapacity><#costpercapacity><qids>Heal|Fog|</qids><weapons>Arc Pistol|</weapons>"
    "<#class0=Linguist><#level0=3><#class2=Historian><#level2=1>";

TEST(Item_Template, WritesEveryTagInItsOrder) {
    TItem_Template item = Full_Weapon();
    EXPECT_EQ(Written(item), Full_Weapon_Text);
}

TEST(Item_Template, ReadsBackWhatItWrote) {
    TItem_Template item = Read(Full_Weapon_Text);
    EXPECT_EQ(Written(item), Full_Weapon_Text);
    EXPECT_STREQ(item.Get_Name(), "Arc <Lance> & Co");
    EXPECT_EQ(item.Get_Intelligence(), (TIntelligence{4, 5, 6}));
    EXPECT_EQ(item.Get_Cognitive(), 15);
    EXPECT_EQ(item.Get_HP(), 22);
    EXPECT_EQ(item.Get_Classes(2), (TIntelligent_Class{Class_Historian, 1}));
    EXPECT_EQ(item.Get_Classes(1), TIntelligent_Class{});
}

TEST(Item_Template, NothingSetIsFourTags) {
    TItem_Template item;
    EXPECT_EQ(Written(item), "<#name=><#class=Other><#damage=0-0><#weight=0>");
}

TEST(Item_Template, OnlyWeaponsWriteTheirWeaponClass) {
    TItem_Template item;
    item.Set_Weapon_Class(WC_Contact);
    item.Set_Classification(IC_Armor);
    EXPECT_EQ(Written(item).find("weaponclass"), std::string::npos);
    item.Set_Classification(IC_Weapon);
    EXPECT_NE(Written(item).find("<#weaponclass=Contact>"), std::string::npos);
}

TEST(Item_Template, NegativeNumbersKeepTheirSignAndZeroIsNotWritten) {
    TItem_Template item;
    item.Set_Strength(-3);
    item.Set_Weight(-3);
    EXPECT_EQ(Written(item), "<#name=><#class=Other><#damage=0-0><#weight=-0.3><#strength=-3>");
    EXPECT_EQ(Read(Written(item)).Get_Weight(), -3);
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

TEST(Item_Template, ReadingStartsFromANewTemplate) {
    TItem_Template item = Full_Weapon();
    item.Deserialize("<#name=Plain>");
    TItem_Template plain;
    plain.Set_Name("Plain");
    EXPECT_EQ(Written(item), Written(plain));
}

// A damage range with a negative low end is written so that it reads back.
TEST(Item_Template, NegativeDamageReadsBack) {
    TItem_Template item;
    item.Set_Damage({-4, 2});
    EXPECT_EQ(Read(Written(item)).Get_Damage(), (TRange{-4, 2}));
}

TEST(Item_Template, ClassSlotsAreChecked) {
    TItem_Template item;
    EXPECT_THROW(item.Get_Classes(4), std::out_of_range);
    EXPECT_THROW(item.Set_Classes(-1, {}), std::out_of_range);
}

TEST(Item_Template, TypeWordIsExact) {
    TItem_Template item;
    EXPECT_TRUE(item.Is_Type("item template"));
    EXPECT_FALSE(item.Is_Type("Item template"));
    EXPECT_FALSE(item.Is_Type(nullptr));
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
