// Creature profiles: their stored form, and the creatures generated from them with scripted dice.
#include "catalogues/Creature_Profile.h"
#include "foundations/Random.h"

#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>

namespace Vexlor {
namespace {

TCreature_Profile Full_Profile() {
    TCreature_Profile p;
    p.Set_Name("Glass <Viper>");
    p.Set_Classification("Serpent & kin");
    p.Set_Frequency(Frequency_Rare);
    p.Set_Number({2, 5});
    p.Set_Defensive_Bonus(1);
    p.Set_Movement_Land(2);
    p.Set_Movement_Fly(3);
    p.Set_Movement_Dive(4);
    p.Set_Movement_Swim(5);
    p.Set_Movement_Other(6);
    p.Set_Habitat(0, H_Desert);
    p.Set_Habitat(1, H_Woodland);
    p.Set_Climate(1, HC_Tropical);
    p.Set_Attacks(2);
    p.Set_Attack_Class(0, AC_Bite);
    p.Set_Damage(0, {1, 6});
    p.Set_Attack_Class(9, AC_Other);
    p.Set_Damage(5, {-1, 2});
    p.Set_Description("Clear as glass.");
    p.Set_By_Weapon(true);
    p.Set_Level(5);
    p.Set_Low_Level(3);
    p.Set_Fixed_HP(7);
    p.Set_Add_HP(8);
    p.Set_In_Lair(9);
    p.Set_Size(10);
    p.Set_Weight(11);
    p.Set_Intelligence({1, 3});
    p.Set_Experience_Base(12);
    p.Set_Experience_Per_HP(13);
    p.Set_Treasure_Type_Carried("AB");
    p.Set_Treasure_Type_Carried_Percentages(std::string("\0\xff", 2));
    p.Set_Treasure_Type_In_Lair("Q");
    p.Set_Treasure_Type_In_Lair_Percentages("2");
    p.Set_Poison_Flesh('*');
    p.Set_Mountable(true);
    p.Set_Nocturnal(true);
    p.Set_Domesticate(true);
    p.Set_Regenerate_Amount(14);
    p.Set_Regenerate_Rate(15);
    p.Set_Damage_Reduction_Acid(16);
    p.Set_Damage_Reduction_Cold(17);
    p.Set_Damage_Reduction_Fire(18);
    p.Set_Damage_Reduction_Poison(19);
    p.Set_Damage_Reduction_Gas(20);
    p.Set_Damage_Reduction_Electricity(21);
    p.Set_Damage_Reduction_Radiation(-22);
    p.Set_QID_Immunity(23);
    p.Set_Infrared(24);
    p.Set_Ultraviolet(25);
    p.Set_Nature(N_VeryAgressive);
    p.Set_Breathe_Air(true);
    p.Set_Breathe_Water(true);
    p.Set_Sterile(true);
    p.Set_Fisson(true);
    p.Set_Parasite(true);
    p.Set_Swallow_Whole(26);
    p.Set_Shape_Change(true);
    p.Set_Survive_Vacuum(true);
    p.Set_Chameleon(true);
    p.Set_Poison_Hide('<');
    p.Set_Caustic_Hide_Low(27);
    p.Set_Caustic_Hide_High(28);
    return p;
}

const std::string Full_Profile_Text =
    "<#name=Glass &lt;Viper&gt;><#classification=Serpent &amp; kin><#frequency=4><#defensivebonus=1>"
    "<#movementland=2><#movementfly=3><#movementdive=4><#movementswim=5><#movementother=6><#attacks=2>"
    "<#level=5><#lowlevel=3><#fixedhp=7><#addhp=8><#inlair=9><#size=10><#weight=11><#experiencebase=12>"
    "<#experienceperhp=13><#regenerateamount=14><#regeneraterate=15><#reduceacid=16><#reducecold=17>"
    "<#reducefire=18><#reducepoison=19><#reducegas=20><#reduceelectricity=21><#reduceradiation=-22>"
    "<#qidimmunity=23><#infrared=24><#ultraviolet=25><#swallowwhole=26><#caustichidelow=27>"
    "<#caustichidehigh=28><#number=2-5><#intelligence=1-3><#habitat0=Desert><#habitat1=Woodland>"
    "<#climate1=Tropical><#nature=VeryAgressive><#attackclass0=Bite><#damage0=1-6><#damage5=-1,2>"
    "<#attackclass9=Other><#treasurecarried=AB><#treasurecarriedchances=0,255><#treasureinlair=Q>"
    "<#treasureinlairchances=50><#poisonflesh=*><#poisonhide=&lt;><#byweapon><#mountable><#nocturnal>"
    "<#domesticate><#breatheair><#breathewater><#sterile><#fisson><#parasite><#shapechange>"
    "<#survivevacuum><#chameleon><description>Clear as glass.</description>";

TEST(Creature_Profile, WritesEveryTagInItsOrder) {
    TCreature_Profile profile = Full_Profile();
    EXPECT_EQ(std::string(profile.Serialize()), Full_Profile_Text);
}

TEST(Creature_Profile, ReadsBackWhatItWrote) {
    TCreature_Profile profile;
    profile.Deserialize(Full_Profile_Text.c_str());
    EXPECT_EQ(std::string(profile.Serialize()), Full_Profile_Text);
    EXPECT_EQ(profile.Get_Treasure_Type_Carried_Percentages(), std::string("\0\xff", 2));
    EXPECT_EQ(profile.Get_Poison_Hide(), '<');
    EXPECT_EQ(profile.Get_Damage(5), (TRange{-1, 2}));
    EXPECT_EQ(profile.Get_Climate(0), HC_Unknown);
}

TEST(Creature_Profile, NewProfileWritesOnlyItsName) {
    TCreature_Profile profile;
    EXPECT_STREQ(profile.Serialize(), "<#name=>");
    EXPECT_EQ(profile.Get_Poison_Flesh(), No_Poison);
    profile.Set_Poison_Flesh('\0');
    EXPECT_STREQ(profile.Serialize(), "<#name=>");
}

TEST(Creature_Profile, ReadingStartsFromANewProfileAndSkipsWhatItDoesNotKnow) {
    TCreature_Profile profile = Full_Profile();
    profile.Deserialize("<#name=Moth><#habitat2=Cave><#damage10=1-2><#attackclass0=Sting><#nature=timid>"
                        "<#treasurecarriedchances=x,300,-4,><#frequency=often><notes><#size=3></notes>");
    EXPECT_STREQ(profile.Get_Name(), "Moth");
    EXPECT_EQ(profile.Get_Attack_Class(0), AC_Unknown);
    EXPECT_EQ(profile.Get_Nature(), N_Timid);
    EXPECT_EQ(profile.Get_Treasure_Type_Carried_Percentages(), std::string("\0\xff\0\0", 4));
    EXPECT_EQ(profile.Get_Frequency(), 0);
    EXPECT_EQ(profile.Get_Size(), 0);
    EXPECT_EQ(profile.Get_Level(), 0);
}

TEST(Creature_Profile, SlotsAreChecked) {
    TCreature_Profile profile;
    EXPECT_THROW(profile.Get_Habitat(2), std::out_of_range);
    EXPECT_THROW(profile.Set_Climate(-1, HC_Any), std::out_of_range);
    EXPECT_THROW(profile.Get_Attack_Class(10), std::out_of_range);
    EXPECT_THROW(profile.Set_Damage(10, {}), std::out_of_range);
}

// Dice that always show 4 and lair and treasure rolls of 0 unless scripted otherwise.
int Fours(int n) {
    return n == 10 ? 3 : 0;
}

TCreature_Profile Levels(int low, int high) {
    TCreature_Profile profile;
    profile.Set_Low_Level(low);
    profile.Set_Level(high);
    return profile;
}

struct TKind_Case {
    int Kind;
    int Level;
    int Experience; // from a base of 100 and 1 per hit point
    int Size;       // from 10
    int Weight;     // from 40
    int Defense;    // from 8
};
class Creature_Kind : public testing::TestWithParam<TKind_Case> {};

// Levels 2 to 5 asked for level 9: five hit dice of 4 whatever the kind.
TEST_P(Creature_Kind, ScalesLevelExperienceSizeAndWeight) {
    TFunction_Random dice(Fours);
    TRandom_Override override(dice);
    TCreature_Profile profile = Levels(2, 5);
    profile.Set_Experience_Base(100);
    profile.Set_Experience_Per_HP(1);
    profile.Set_Size(10);
    profile.Set_Weight(40);
    profile.Set_Defensive_Bonus(8);
    const auto creature = profile.Generate(9, false, GetParam().Kind);
    EXPECT_EQ(creature->HP, 20);
    EXPECT_EQ(creature->Level, GetParam().Level);
    EXPECT_EQ(creature->Experience, GetParam().Experience + 20);
    EXPECT_EQ(creature->Size, GetParam().Size);
    EXPECT_EQ(creature->Weight, GetParam().Weight);
    EXPECT_EQ(creature->Defensive_Bonus, GetParam().Defense);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, Creature_Kind,
    testing::Values(TKind_Case{CK_Ordinary, 5, 100, 10, 40, 8}, TKind_Case{CK_Giant, 6, 150, 100, 400, 8},
                    TKind_Case{CK_Huge, 7, 200, 1000, 4000, 8}, TKind_Case{CK_Pygmy, 4, 75, 8, 30, 6},
                    TKind_Case{CK_Young, 2, 50, 5, 20, 8}, TKind_Case{7, 5, 100, 10, 40, 8}));

TEST(Creature_Generate, AnyLevelRollsWithinTheProfilesLevels) {
    // Levels 2 to 5, any level: a draw of 0..3 picks 2 + draw hit dice.
    TScripted_Random draws({1, 9, 9, 9});
    TRandom_Override override(draws);
    const auto creature = Levels(2, 5).Generate(0, false, CK_Ordinary);
    EXPECT_EQ(draws.Requests(), (std::vector<int>{4, 10, 10, 10}));
    EXPECT_EQ(creature->HP, 30);
    EXPECT_EQ(creature->Level, 5);
}

TEST(Creature_Generate, LevelIsKeptWithinTheProfilesLevels) {
    TFunction_Random dice(Fours);
    TRandom_Override override(dice);
    EXPECT_EQ(Levels(2, 5).Generate(1, false, CK_Ordinary)->HP, 8);
    EXPECT_EQ(Levels(2, 5).Generate(-3, false, CK_Ordinary)->HP, 8);
}

// A profile of one level rolls the hit dice of the level asked for; asked for any level, its own.
TEST(Creature_Generate, OneLevelProfiles) {
    TFunction_Random dice(Fours);
    TRandom_Override override(dice);
    EXPECT_EQ(Levels(3, 3).Generate(6, false, CK_Ordinary)->HP, 24);
    EXPECT_EQ(Levels(3, 3).Generate(0, false, CK_Ordinary)->HP, 12);
    EXPECT_EQ(Levels(1, 1).Generate(1, false, CK_Young)->Level, 1);
}

TEST(Creature_Generate, FixedHitPointsWhateverLevelAndKind) {
    TFunction_Random dice(Fours);
    TRandom_Override override(dice);
    TCreature_Profile profile = Levels(2, 5);
    profile.Set_Fixed_HP(12);
    profile.Set_Add_HP(50);
    for (int kind = CK_Ordinary; kind <= CK_Young; ++kind)
        for (int level : {0, 3, 9})
            EXPECT_EQ(profile.Generate(level, false, kind)->HP, 12);
}

// Chances are rolled from the last letter to the first; a roll above the chance removes the letter.
TEST(Creature_Generate, TreasureLettersSurviveTheirChances) {
    TCreature_Profile profile = Levels(1, 1);
    profile.Set_Fixed_HP(1);
    profile.Set_Treasure_Type_Carried("ABC");
    profile.Set_Treasure_Type_Carried_Percentages(std::string("\0\x64\x32\x05", 4)); // 0, 100, 50, 5
    profile.Set_Treasure_Type_In_Lair("XY");
    profile.Set_Treasure_Type_In_Lair_Percentages(std::string("\x0a", 1));
    TScripted_Random draws({99, 51, 99, 0, 11, 40});
    TRandom_Override override(draws);
    const auto creature = profile.Generate(1, true, CK_Ordinary);
    EXPECT_EQ(creature->Treasure_Type_Carried, "AB");
    EXPECT_EQ(creature->Treasure_Type_In_Lair, "Y");
    EXPECT_FALSE(creature->In_Lair); // 40 is above the lair chance of 0
    EXPECT_EQ(draws.Remaining(), 0u);
}

TEST(Creature_Generate, LairRollOnlyWhenAskedFor) {
    TCreature_Profile profile = Levels(1, 1);
    profile.Set_Fixed_HP(1);
    profile.Set_In_Lair(30);
    TScripted_Random draws({30});
    TRandom_Override override(draws);
    EXPECT_FALSE(profile.Generate(0, false, CK_Ordinary)->In_Lair);
    EXPECT_TRUE(profile.Generate(0, true, CK_Ordinary)->In_Lair);
    EXPECT_EQ(draws.Remaining(), 0u);
}

TEST(Creature_Generate, CopiesTheTraitsButNotTheName) {
    TFunction_Random dice(Fours);
    TRandom_Override override(dice);
    const auto creature = Full_Profile().Generate(4, false, CK_Ordinary);
    EXPECT_EQ(creature->Name, "");
    EXPECT_EQ(creature->Classification, "");
    EXPECT_FALSE(creature->By_Weapon);
    EXPECT_EQ(creature->Attack_Class[9], AC_Other);
    EXPECT_EQ(creature->Damage[5], (TRange{-1, 2}));
    EXPECT_EQ(creature->Damage_Reduction_Radiation, -22);
    EXPECT_EQ(creature->Poison_Hide, '<');
    EXPECT_EQ(creature->Caustic_Hide_High, 28);
    EXPECT_TRUE(creature->Chameleon);
}

TEST(Creature_Generate, OverflowIsReported) {
    TCreature_Profile profile = Levels(1, 1);
    profile.Set_Fixed_HP(10);
    profile.Set_Experience_Per_HP(INT_MAX);
    EXPECT_THROW(profile.Generate(1, false, CK_Ordinary), std::overflow_error);
    profile.Set_Experience_Per_HP(0);
    profile.Set_Size(INT_MAX / 50);
    EXPECT_THROW(profile.Generate(1, false, CK_Huge), std::overflow_error);
}

} // namespace
} // namespace Vexlor
