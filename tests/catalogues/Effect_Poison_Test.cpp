// Effect and poison templates: their stored forms, the adjustments' rolls and limits, and the
// effects and poisons generated from them.
#include "catalogues/Effect_Template.h"
#include "catalogues/Poison_Template.h"
#include "foundations/Random.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace Vexlor {
namespace {

TAdjustment_Template Adjustment(const std::string& amount, int limit = 0) {
    TAdjustment_Template adjustment;
    adjustment.Amount = amount;
    adjustment.Limit = limit;
    return adjustment;
}

TEST(Calculate, TakesTheWholePartTowardZero) {
    EXPECT_EQ(Calculate("7/2"), 3);
    EXPECT_EQ(Calculate("-7/2"), -3);
    EXPECT_EQ(Calculate("(((1"), 0);
    EXPECT_THROW(Calculate("3000000000"), std::overflow_error);
    EXPECT_THROW(Calculate("-2147483649"), std::overflow_error);
    EXPECT_EQ(Calculate("-2147483648"), -2147483647 - 1);
}

TEST(Adjustment_Template, PercentageOfTwoDice) {
    TScripted_Random dice({2, 4, 0, 0});
    TRandom_Override override(dice);
    TAdjustment_Template adjustment = Adjustment("2d6%");
    adjustment.Permanent = true;
    const TAdjustment made = adjustment.Generate(0);
    EXPECT_EQ(made.Amount, 8);
    EXPECT_TRUE(made.Percentage);
    EXPECT_TRUE(made.Permanent);
    EXPECT_FALSE(made.Relative);
    EXPECT_EQ(dice.Requests(), (std::vector<int>{6, 6}));
    EXPECT_EQ(adjustment.Generate(0).Amount, 2); // every roll is a new one
}

struct TLimit_Case {
    const char* Amount;
    int Limit;
    int Result;
};
class Adjustment_Limit : public testing::TestWithParam<TLimit_Case> {};

// The side of the cap depends on the sign of the rolled amount only; an amount that is not an
// expression is 0.
TEST_P(Adjustment_Limit, CapsTheAmount) {
    const TAdjustment made = Adjustment(GetParam().Amount, GetParam().Limit).Generate(0);
    EXPECT_EQ(made.Amount, GetParam().Result);
    EXPECT_EQ(made.Limit, GetParam().Limit);
}

INSTANTIATE_TEST_SUITE_P(Limits, Adjustment_Limit,
                         testing::Values(TLimit_Case{"9", 5, 5}, TLimit_Case{"3", 5, 3},
                                         TLimit_Case{"-9", -5, -5}, TLimit_Case{"-3", -5, -3},
                                         TLimit_Case{"-9", 5, 5}, TLimit_Case{"3", -5, -5},
                                         TLimit_Case{"0", -5, -5}, TLimit_Case{"9", 0, 9},
                                         TLimit_Case{"9%", 5, 5}));

TEffect_Template Full_Effect() {
    TEffect_Template effect;
    effect.Set_Name("Nerve Fire");
    effect.Set_Time("1d4*60");
    effect.Set_Duration("2d6*600");
    effect.Set_Repeat_Time("600");
    effect.Set_QIDs("Fear|");
    effect.Set_Effects("Tremors|");
    effect.Set_Diseases("Nervous system|Mouth/tongue|");
    effect.Set_Description("Burns <inside>.");
    effect.Set_Minimum_Ability(3);
    effect.Set_Speed(-6);
    effect.Set_Strength(Adjustment("-1d3", -3));
    effect.Get_Experience().Amount = "-100";
    effect.Get_Hit_Adjustment().Relative = true;
    effect.Get_HP().Amount = "10%";
    for (auto flag :
         {&TEffect_Template::Set_Unconciousness, &TEffect_Template::Set_Sense_Lifeform,
          &TEffect_Template::Set_Sense_QIDs, &TEffect_Template::Set_Sense_Chemicals,
          &TEffect_Template::Set_Sense_Secret_Doors, &TEffect_Template::Set_Death,
          &TEffect_Template::Set_Dizziness, &TEffect_Template::Set_Helpless, &TEffect_Template::Set_Blind,
          &TEffect_Template::Set_Deaf, &TEffect_Template::Set_Sterility, &TEffect_Template::Set_Mild,
          &TEffect_Template::Set_Chain, &TEffect_Template::Set_Hair_Loss, &TEffect_Template::Set_Bleeding,
          &TEffect_Template::Set_Memory_Loss, &TEffect_Template::Set_Nausea,
          &TEffect_Template::Set_Hallucinations})
        (effect.*flag)(true);
    return effect;
}

const std::string Full_Effect_Text =
    "<#name=Nerve Fire><#time=1d4*60><#duration=2d6*600><#repeattime=600><#minimumability=3><#speed=-6>"
    "<#unconciousness><#senselife><#senseqids><#sensechemicals><#sensesecret><#death><#dizziness><#helpless>"
    "<#blind><#deaf><#sterility><#mild><#chain><#hairloss><#bleeding><#memoryloss><#nausea><#hallucinations>"
    "<experience><#amount=-100></experience><strength><#amount=-1d3><#limit=-3></strength><hp><#amount=10%></"
    "hp>"
    "<hitadjust><#relative></hitadjust><qids>Fear|</qids><effects>Tremors|</effects>"
    "<diseases>Nervous system|Mouth/tongue|</diseases><description>Burns &lt;inside&gt;.</description>";

TEST(Effect_Template, WritesEveryTagInItsOrder) {
    TEffect_Template effect = Full_Effect();
    EXPECT_EQ(std::string(effect.Serialize()), Full_Effect_Text);
    TEffect_Template again;
    again.Deserialize(Full_Effect_Text.c_str());
    EXPECT_EQ(std::string(again.Serialize()), Full_Effect_Text);
    EXPECT_EQ(again.Get_Strength().Limit, -3);
    EXPECT_STREQ(again.Get_Description(), "Burns <inside>.");
}

TEST(Effect_Template, ReadingStartsFromANewTemplate) {
    TEffect_Template effect = Full_Effect();
    effect.Deserialize(
        "<#name=Itch><wisdom><#amount=1><#Permanent></wisdom><#blind=yes><unknown><#death></unknown>");
    EXPECT_STREQ(effect.Serialize(), "<#name=Itch><wisdom><#amount=1><#permanent></wisdom>");
}

// Onset and duration first, then the adjustments in the order of the scores, level, experience,
// armour bonus, hit points and hit adjustment, then the repetition.
// Every property of the template arrives in the effect: each adjustment with an amount and a
// limit of its own, the texts and every flag. An effect has private members, so its size stands
// guard instead of a count of its members: a member added to it changes the size below, and then
// belongs in this test.
TEST(Effect_Template, GenerateCopiesEveryProperty) {
    EXPECT_EQ(sizeof(Effect_Template::TEffect), 336u) << "a member was added: check its copy here";
    using T = TEffect_Template;
    TEffect_Template effect = Full_Effect();
    effect.Set_Time("11");
    effect.Set_Duration("12");
    effect.Set_Repeat_Time("13");
    constexpr TAdjustment_Template& (T::*adjustments[])() = {
        &T::Get_Strength,    &T::Get_Constitution,  &T::Get_Dexterity,  &T::Get_Cognitive,
        &T::Get_Perception,  &T::Get_Wisdom,        &T::Get_Charisma,   &T::Get_Comeliness,
        &T::Get_Will,        &T::Get_Level,         &T::Get_Experience, &T::Get_HP,
        &T::Get_Armor_Bonus, &T::Get_Hit_Adjustment};
    int amount = 20;
    for (auto adjustment : adjustments) {
        (effect.*adjustment)() = Adjustment(std::to_string(amount), 100 + amount);
        (effect.*adjustment)().Permanent = amount % 2 == 0;
        (effect.*adjustment)().Relative = amount % 2 == 1;
        ++amount;
    }
    const auto made = effect.Generate();
    EXPECT_STREQ(made->Get_Name(), "Nerve Fire");
    EXPECT_STREQ(made->Get_QIDs(), "Fear|");
    EXPECT_STREQ(made->Get_Effects(), "Tremors|");
    EXPECT_STREQ(made->Get_Diseases(), "Nervous system|Mouth/tongue|");
    EXPECT_EQ(made->Time, 11);
    EXPECT_EQ(made->Duration, 12);
    EXPECT_EQ(made->Repeat_Time, 13);
    EXPECT_EQ(made->Speed, -6);
    const TAdjustment* made_adjustments[] = {
        &made->Strength,   &made->Constitution, &made->Dexterity,   &made->Cognitive,     &made->Perception,
        &made->Wisdom,     &made->Charisma,     &made->Comeliness,  &made->Will,          &made->Level,
        &made->Experience, &made->HP,           &made->Armor_Bonus, &made->Hit_Adjustment};
    amount = 20;
    for (const TAdjustment* adjustment : made_adjustments) {
        EXPECT_EQ(adjustment->Amount, amount);
        EXPECT_EQ(adjustment->Limit, 100 + amount);
        EXPECT_EQ(adjustment->Permanent, amount % 2 == 0);
        EXPECT_EQ(adjustment->Relative, amount % 2 == 1);
        ++amount;
    }
    for (const bool flag :
         {made->Unconciousness, made->Sense_Lifeform, made->Sense_QIDs, made->Sense_Chemicals,
          made->Sense_Secret_Doors, made->Death, made->Dizziness, made->Helpless, made->Blind, made->Deaf,
          made->Sterility, made->Mild, made->Chain, made->Hair_Loss, made->Bleeding, made->Memory_Loss,
          made->Nausea, made->Hallucinations})
        EXPECT_TRUE(flag);
}

TEST(Effect_Template, GenerateRollsInItsOrder) {
    TEffect_Template effect;
    effect.Set_Name("Order");
    effect.Set_Time("1d2");
    effect.Set_Duration("1d3");
    effect.Set_Repeat_Time("1d30");
    int sides = 4;
    for (auto adjustment :
         {&TEffect_Template::Get_Experience, &TEffect_Template::Get_Strength,
          &TEffect_Template::Get_Constitution, &TEffect_Template::Get_Dexterity,
          &TEffect_Template::Get_Cognitive, &TEffect_Template::Get_Perception, &TEffect_Template::Get_Wisdom,
          &TEffect_Template::Get_Charisma, &TEffect_Template::Get_Comeliness, &TEffect_Template::Get_Will,
          &TEffect_Template::Get_Level, &TEffect_Template::Get_HP, &TEffect_Template::Get_Armor_Bonus,
          &TEffect_Template::Get_Hit_Adjustment})
        (effect.*adjustment)().Amount = "1d" + std::to_string(sides++);
    std::vector<int> asked;
    TFunction_Random recorder([&asked](int n) {
        asked.push_back(n);
        return n - 1;
    });
    TRandom_Override record(recorder);
    const auto made = effect.Generate();
    EXPECT_EQ(asked, (std::vector<int>{2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 4, 16, 15, 17, 30}));
    EXPECT_STREQ(made->Get_Name(), "Order");
    EXPECT_EQ(made->Time, 2);
    EXPECT_EQ(made->Duration, 3);
    EXPECT_EQ(made->Repeat_Time, 30);
    EXPECT_EQ(made->Experience.Amount, 4);
    EXPECT_EQ(made->Hit_Adjustment.Amount, 17);
}

TEST(Poison_Template, StoredFormAndGenerate) {
    TPoison_Template poison;
    EXPECT_STREQ(poison.Serialize(), "<#name=>");
    poison.Set_Name("Glass Viper Venom");
    poison.Set_Cost(400);
    poison.Set_Detect(-35);
    poison.Set_Time(60);
    poison.Set_Effect("Nerve Fire");
    poison.Set_Effect_Miss("Numb & Cold");
    poison.Set_Description("Milked <live>.");
    const std::string text = poison.Serialize();
    EXPECT_EQ(text, "<#name=Glass Viper Venom><#cost=400><#detect=-35><#time=60><#effect=Nerve Fire>"
                    "<#effectmiss=Numb &amp; Cold><description>Milked &lt;live&gt;.</description>");
    TPoison_Template again;
    again.Set_Effect_Miss("Old");
    again.Deserialize(text.c_str());
    EXPECT_EQ(std::string(again.Serialize()), text);
    again.Deserialize("<#name=Plain><#cost=x>");
    EXPECT_STREQ(again.Serialize(), "<#name=Plain>");

    poison.Set_Name(std::string(300, 'n').c_str());
    const TPoison made = poison.Generate();
    EXPECT_EQ(made.Name, std::string(255, 'n'));
    EXPECT_EQ(made.Effect_Miss, "Numb & Cold");
    EXPECT_EQ(made.Detect, -35);
}

} // namespace
} // namespace Vexlor
