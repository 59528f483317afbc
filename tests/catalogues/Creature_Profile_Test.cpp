// Creature profiles: their stored form, and the creatures generated from them with scripted dice.
#include "catalogues/Creature_Profile.h"
#include "foundations/Random.h"

#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>

namespace Vexlor {
namespace {

// Every property holds a value of its own; the whole numbers count up in the order they are written.
TCreature_Profile Full_Profile() {
    using P = TCreature_Profile;
    TCreature_Profile p;
    p.Set_Name("Glass <Viper>");
    p.Set_Classification("Serpent & kin");
    int value = 1;
    for (auto set : {&P::Set_Frequency,
                     &P::Set_Defensive_Bonus,
                     &P::Set_Movement_Land,
                     &P::Set_Movement_Fly,
                     &P::Set_Movement_Dive,
                     &P::Set_Movement_Swim,
                     &P::Set_Movement_Other,
                     &P::Set_Attacks,
                     &P::Set_Level,
                     &P::Set_Low_Level,
                     &P::Set_Fixed_HP,
                     &P::Set_Add_HP,
                     &P::Set_In_Lair,
                     &P::Set_Size,
                     &P::Set_Weight,
                     &P::Set_Experience_Base,
                     &P::Set_Experience_Per_HP,
                     &P::Set_Regenerate_Amount,
                     &P::Set_Regenerate_Rate,
                     &P::Set_Damage_Reduction_Acid,
                     &P::Set_Damage_Reduction_Cold,
                     &P::Set_Damage_Reduction_Fire,
                     &P::Set_Damage_Reduction_Poison,
                     &P::Set_Damage_Reduction_Gas,
                     &P::Set_Damage_Reduction_Electricity,
                     &P::Set_Damage_Reduction_Radiation,
                     &P::Set_QID_Immunity,
                     &P::Set_Infrared,
                     &P::Set_Ultraviolet,
                     &P::Set_Swallow_Whole,
                     &P::Set_Caustic_Hide_Low,
                     &P::Set_Caustic_Hide_High})
        (p.*set)(value++);
    p.Set_Damage_Reduction_Radiation(-26);
    p.Set_Number({2, 5});
    p.Set_Intelligence({1, 3});
    p.Set_Habitat(0, H_Desert);
    p.Set_Habitat(1, H_Woodland);
    p.Set_Climate(1, HC_Tropical);
    p.Set_Nature(N_VeryAgressive);
    p.Set_Attack_Class(0, AC_Bite);
    p.Set_Damage(0, {1, 6});
    p.Set_Damage(5, {-1, 2});
    p.Set_Attack_Class(9, AC_Other);
    p.Set_Treasure_Type_Carried("AB");
    p.Set_Treasure_Type_Carried_Percentages(std::string("\0\xff", 2));
    p.Set_Treasure_Type_In_Lair("Q");
    p.Set_Treasure_Type_In_Lair_Percentages("2");
    p.Set_Poison_Flesh('*');
    p.Set_Poison_Hide('<');
    for (auto set : {&P::Set_By_Weapon, &P::Set_Mountable, &P::Set_Nocturnal, &P::Set_Domesticate,
                     &P::Set_Breathe_Air, &P::Set_Breathe_Water, &P::Set_Sterile, &P::Set_Fisson,
                     &P::Set_Parasite, &P::Set_Shape_Change, &P::Set_Survive_Vacuum, &P::Set_Chameleon})
        (p.*set)(true);
    p.Set_Description("Clear as glass.");
    return p;
}

const std::string Full_Profile_Text =
    "<#name=Glass &lt;Viper&gt;><#classification=Serpent &amp; kin><#frequency=1><#defensivebonus=2>"
    "<#movementland=3><#movementfly=4><#movementdive=5><#movementswim=6><#movementother=7><#attacks=8>"
    "<#level=9><#lowlevel=10><#fixedhp=11><#addhp=12><#inlair=13><#size=14><#weight=15><#experiencebase=16>"
    "<#experienceperhp=17><#regenerateamount=18><#regeneraterate=19><#reduceacid=20><#reducecold=21>"
    "<#reducefire=22><#reducepoison=23><#reducegas=24><#reduceelectricity=25><#reduceradiation=-26>"
    "<#qidimmunity=27><#infrared=28><#ultraviolet=29><#swallowwhole=30><#caustichidelow=31>"
    "<#caustichidehigh=32><#number=2-5><#intelligence=1-3><#habitat0=Desert><#habitat1=Woodland>"
    "<#climate1=Tropical><#nature=VeryAgressive><#attackclass0=Bite><#damage0=1-6><#damage5=-1,2>"
    "<#attackclass9=Other><#treasurecarried=AB><#treasurecarriedchances=0,255><#treasureinlair=Q>"
    "<#treasureinlairchances=50><#poisonflesh=*><#poisonhide=&lt;><#byweapon><#mountable><#nocturnal>"
    "<#domesticate><#breatheair><#breathewater><#sterile><#fisson><#parasite><#shapechange>"
    "<#survivevacuum><#chameleon><description>Clear as glass.</description>";

TEST(Creature_Profile, StoredForm) {
    TCreature_Profile profile = Full_Profile();
    EXPECT_EQ(std::string(profile.Serialize()), Full_Profile_Text);
    TCreature_Profile again;
    again.Deserialize(Full_Profile_Text.c_str());
    EXPECT_EQ(std::string(again.Serialize()), Full_Profile_Text);
    EXPECT_EQ(again.Get_Treasure_Type_Carried_Percentages(), std::string("\0\xff", 2));
    EXPECT_EQ(again.Get_Damage(5), (TRange{-1, 2}));
    EXPECT_THROW(again.Get_Habitat(2), std::out_of_range);
    // A new profile writes only its name; a control character is no poison type.
    TCreature_Profile plain;
    plain.Set_Poison_Flesh('\0');
    EXPECT_STREQ(plain.Serialize(), "<#name=>");
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
    EXPECT_EQ(creature->Name, "");
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
    TFunction_Random fours(Fours);
    TRandom_Override four(fours);
    EXPECT_EQ(Levels(2, 5).Generate(1, false, CK_Ordinary)->HP, 8); // raised to the lowest level
}

// A profile of one level rolls the hit dice of the level asked for; asked for any level, its own.
// Fixed hit points do not depend on level or kind.
TEST(Creature_Generate, OneLevelProfilesAndFixedHitPoints) {
    TFunction_Random dice(Fours);
    TRandom_Override override(dice);
    EXPECT_EQ(Levels(3, 3).Generate(6, false, CK_Ordinary)->HP, 24);
    EXPECT_EQ(Levels(3, 3).Generate(0, false, CK_Ordinary)->HP, 12);
    EXPECT_EQ(Levels(1, 1).Generate(1, false, CK_Young)->Level, 1);
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

TEST(Creature_Generate, OverflowIsReported) {
    TCreature_Profile profile = Levels(1, 1);
    profile.Set_Fixed_HP(10);
    profile.Set_Experience_Per_HP(INT_MAX);
    EXPECT_THROW(profile.Generate(1, false, CK_Ordinary), std::overflow_error);
    profile.Set_Experience_Per_HP(0);
    profile.Set_Size(INT_MAX / 50);
    EXPECT_THROW(profile.Generate(1, false, CK_Huge), std::overflow_error);
}

// Anything an aggregate's member can be made from: counting how many of them an aggregate takes
// counts its members.
struct TAny_Member {
    template <class T> operator T() const;
};

template <class T, class... Members> constexpr std::size_t Member_Count() {
    if constexpr (requires { T{Members{}..., TAny_Member{}}; })
        return Member_Count<T, Members..., TAny_Member>();
    else
        return sizeof...(Members);
}

// Every property of the profile that a creature takes over arrives in it. A member added to
// TCreature changes the count below: give it a value in Full_Profile and check it here, so that a
// property the generation forgets to copy cannot go unnoticed.
TEST(Creature_Generate, CopiesEveryPropertyOfTheProfile) {
    static_assert(Member_Count<TCreature>() == 50);
    TCreature_Profile profile = Full_Profile();
    profile.Set_In_Lair(100);
    profile.Set_Treasure_Type_Carried_Percentages("");
    profile.Set_Treasure_Type_In_Lair_Percentages("");
    const auto made = profile.Generate(9, true, CK_Ordinary);
    // Name, classification and the weapon flag are the encounter's to fill in.
    EXPECT_EQ(made->Name, "");
    EXPECT_EQ(made->Classification, "");
    EXPECT_FALSE(made->By_Weapon);
    const std::pair<int, int> numbers[] = {
        {made->Defensive_Bonus, 2},
        {made->Movement_Land, 3},
        {made->Movement_Fly, 4},
        {made->Movement_Dive, 5},
        {made->Movement_Swim, 6},
        {made->Movement_Other, 7},
        {made->Attacks, 8},
        {made->Level, 9},
        {made->HP, 11},
        {made->Size, 14},
        {made->Weight, 15},
        {made->Experience, 16 + 17 * 11},
        {made->Regenerate_Amount, 18},
        {made->Regenerate_Rate, 19},
        {made->Damage_Reduction_Acid, 20},
        {made->Damage_Reduction_Cold, 21},
        {made->Damage_Reduction_Fire, 22},
        {made->Damage_Reduction_Poison, 23},
        {made->Damage_Reduction_Gas, 24},
        {made->Damage_Reduction_Electricity, 25},
        {made->Damage_Reduction_Radiation, -26},
        {made->QID_Immunity, 27},
        {made->Infrared, 28},
        {made->Ultraviolet, 29},
        {made->Swallow_Whole, 30},
        {made->Caustic_Hide_Low, 31},
        {made->Caustic_Hide_High, 32},
    };
    for (std::size_t i = 0; i < std::size(numbers); ++i)
        EXPECT_EQ(numbers[i].first, numbers[i].second) << "number " << i;
    for (const bool flag : {made->In_Lair, made->Mountable, made->Nocturnal, made->Domesticate,
                            made->Breathe_Air, made->Breathe_Water, made->Sterile, made->Fisson,
                            made->Parasite, made->Shape_Change, made->Survive_Vacuum, made->Chameleon})
        EXPECT_TRUE(flag);
    for (long slot = TAttack_Classes::Low_Index; slot <= TAttack_Classes::High_Index; ++slot) {
        EXPECT_EQ(made->Attack_Class[slot], profile.Get_Attack_Class(static_cast<int>(slot)));
        EXPECT_EQ(made->Damage[slot], profile.Get_Damage(static_cast<int>(slot)));
    }
    EXPECT_EQ(made->Intelligence, (TRange{1, 3}));
    EXPECT_EQ(made->Treasure_Type_Carried, "AB");
    EXPECT_EQ(made->Treasure_Type_In_Lair, "Q");
    EXPECT_EQ(made->Poison_Flesh, '*');
    EXPECT_EQ(made->Poison_Hide, '<');
    EXPECT_EQ(made->Nature, N_VeryAgressive);
}

} // namespace
} // namespace Vexlor
