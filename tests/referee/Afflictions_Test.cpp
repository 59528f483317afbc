#include "referee/Afflictions.h"

#include "Referee_Test_Support.h"
#include "catalogues/Poison_Template.h"
#include "foundations/Random.h"

#include <gtest/gtest.h>

#include <climits>

namespace Vexlor {
namespace {

// A disease whose severity and chronicity dice show the given faces; every later draw shows its
// highest face (no chance event happens, every death roll is the longest).
std::string Disease_With(const std::string& area, int constitution, int severity_face, int chronicity_face) {
    int draw = 0;
    TFunction_Random dice([&](int n) {
        return ++draw == 1 ? severity_face - 1 : draw == 2 ? chronicity_face - 1 : n - 1;
    });
    TRandom_Override use(dice);
    return Set_Disease(area, constitution);
}

// The first two words of a disease that reaches the value v on the severity (or chronicity) roll:
// constitution 1 adds 2 to a die, constitution 3 nothing.
std::string Words_At(const std::string& area, int v, bool chronicity) {
    const int constitution = v > 8 ? 1 : 3, face = v > 8 ? v - 2 : v;
    const std::string line =
        chronicity ? Disease_With(area, constitution, 1, face) : Disease_With(area, constitution, face, 1);
    const auto blank = line.find(' ');
    return chronicity ? line.substr(blank + 1, line.find(' ', blank + 1) - blank - 1) : line.substr(0, blank);
}

struct TArea_Case {
    const char* Area;
    int Chronic, Severe, Terminal;
    const char* Terminal_Line; // with every die at its highest face and constitution 1
};

class Disease_Area : public testing::TestWithParam<TArea_Case> {};

TEST_P(Disease_Area, Thresholds_And_Terminal_Outcome) {
    const TArea_Case& c = GetParam();
    EXPECT_EQ(Words_At(c.Area, c.Severe - 1, false), "Mild");
    EXPECT_EQ(Words_At(c.Area, c.Severe, false), "Severe");
    EXPECT_EQ(Words_At(c.Area, c.Terminal - 1, false), c.Terminal - 1 < c.Severe ? "Mild" : "Severe");
    EXPECT_EQ(Words_At(c.Area, c.Terminal, false), "Terminal");
    EXPECT_EQ(Words_At(c.Area, c.Chronic - 1, true), "acute");
    EXPECT_EQ(Words_At(c.Area, c.Chronic, true), "chronic");
    EXPECT_EQ(Disease_With(c.Area, 1, 8, 8),
              std::string("Terminal chronic ") + c.Area + " disease." + c.Terminal_Line);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Every_Area, Disease_Area, testing::Values(
    TArea_Case{"bladder", 7, 6, 8, "  Death in 12 weeks"},
    TArea_Case{"blood", 4, 3, 6, "  Death in 12 weeks"},
    TArea_Case{"bones", 2, 2, 4, "  Death in 10 weeks  Lose 1 point of strength and constitution per week."},
    TArea_Case{"circulatory", 4, 3, 5, "  Death in 12 days  Lose 1 point of strength and constitution per week."},
    TArea_Case{"brain", 3, 2, 4, "  Death in 12 hours  Lose 1 point of cognitive, perception, and dexterity per week."},
    TArea_Case{"ears", 8, 7, 8, "  Permanent loss of hearing in one ear."},
    TArea_Case{"endocrine", 5, 3, 8, "  Death in 12 months"},
    TArea_Case{"eyes", 8, 6, 8, "  Permanent loss of sight in one eye."},
    TArea_Case{"digestive", 7, 6, 8, "  Death in 12 weeks  Permanent loss of 1 point of strength and constitution."},
    TArea_Case{"heart", 4, 2, 5, "  Death in 10 days  Lose 1 point of strength and constitution per week."},
    TArea_Case{"immune system", 2, 2, 4, "  Death in 20 months  Permanent loss of 1 point of constitution."},
    TArea_Case{"intestine", 7, 6, 8, "  Death in 12 weeks  Permanent loss of 1 point of strength and constitution."},
    TArea_Case{"joints", 5, 7, 9, "  Death in 0   Permanent loss of 1 point of dexterity."},
    TArea_Case{"kidney", 7, 6, 8, "  Death in 6 weeks"},
    TArea_Case{"liver", 3, 3, 7, "  Death in 20 days"},
    TArea_Case{"mouth/tongue", 8, 4, 8, "  Death in 12 months"},
    TArea_Case{"mucousa", 8, 7, 9, "  Death in 0   Permanent loss of 1 point of constitution."},
    // 99 on the percentile dice is above 24: the muscles' loss is not permanent.
    TArea_Case{"muscles", 6, 6, 8, "  Death in 12 months  Loss of 1 point of strength and dexterity."},
    TArea_Case{"nervous system", 7, 3, 6, "  Death in 12   Lose 1 point of strength, perception, and dexterity per week."},
    TArea_Case{"nose/throat", 7, 7, 9, "  Death in 0 "},
    TArea_Case{"reproductive", 3, 4, 8, "  Permanent sterility."},
    TArea_Case{"respiratory", 7, 6, 8, "  Death in 12 weeks"},
    TArea_Case{"skin", 6, 6, 8, "  Death in 40 months"},
    TArea_Case{"spine", 5, 2, 5, "  Death in 12 hours  Lose 1 point of strength and dexterity per week."},
    TArea_Case{"stomach", 7, 6, 8, "  Death in 12 weeks  Permanent loss of 1 point of strength and constitution."},
    TArea_Case{"urinary system", 7, 7, 8, "  Death in 12 weeks"}));
// clang-format on

// A disease with every draw scripted: the script must be used up exactly.
struct TDisease_Case {
    const char* Area;
    int Constitution;
    std::vector<int> Draws; // as Random gives them: a die's face minus one
    const char* Line;
};

class Disease_Rule : public testing::TestWithParam<TDisease_Case> {};

TEST_P(Disease_Rule, Gives_The_Line) {
    const TDisease_Case& c = GetParam();
    TScripted_Random draws(c.Draws);
    TRandom_Override use(draws);
    EXPECT_EQ(Set_Disease(c.Area, c.Constitution), c.Line);
    EXPECT_EQ(draws.Remaining(), 0u);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rules, Disease_Rule, testing::Values(
    TDisease_Case{"joints", 1, {7, 0}, "Terminal acute joints disease.  Death in 0 "},
    TDisease_Case{"skin", 3, {0, 0, 1}, "Mild acute skin disease.  Recovery in 2 weeks."},
    TDisease_Case{"skin", 3, {5, 5, 9, 9, 0, 0, 0}, "Severe chronic skin disease.  Lose 1 point of charisma and comeliness.  Permanently lose 1 point of constitution.  Recovery in 2 weeks."},
    TDisease_Case{"skin", 3, {5, 0, 9, 10, 1, 1, 1}, "Severe acute skin disease.  Lose 1 point of charisma.  Recovery in 4 weeks."},
    TDisease_Case{"bladder", 3, {5, 6, 19, 0, 0}, "Severe chronic bladder disease.  Lose 1 point of strength and dexterity.  Recovery in 2 weeks."},
    TDisease_Case{"bladder", 3, {5, 6, 20, 0, 0}, "Severe chronic bladder disease.  Recovery in 2 weeks."},
    TDisease_Case{"bladder", 3, {5, 5, 0, 0}, "Severe acute bladder disease.  Recovery in 2 weeks."},
    TDisease_Case{"blood", 3, {2, 0, 0, 1}, "Severe acute blood disease.  Lose 1 point of strength and constitution.  Recovery in 3 weeks."},
    TDisease_Case{"endocrine", 3, {2, 0, 6, 1, 1, 0, 0}, "Severe acute endocrine disease.  Lose 2 points of dexterity and dexterity.  Recovery in 2 weeks."},
    TDisease_Case{"endocrine", 3, {2, 0, 6, 0, 5, 0, 0}, "Severe acute endocrine disease.  Lose 1 point of strength and comeliness.  Recovery in 2 weeks."},
    TDisease_Case{"endocrine", 3, {2, 0, 4, 0, 0}, "Severe acute endocrine disease.  Lose 1 point of intellect.  Recovery in 2 weeks."},
    TDisease_Case{"endocrine", 3, {2, 0, 7, 0, 0}, "Severe acute endocrine disease.  Recovery in 2 weeks."},
    TDisease_Case{"kidney", 3, {5, 6, 0, 0, 0}, "Severe chronic kidney disease.  Lose 1 point of dexterity and strength.  Recovery in 2 weeks."},
    TDisease_Case{"liver", 3, {2, 2, 19, 0, 0}, "Severe chronic liver disease.  Lose 1 point of dexterity and strength.  Comeliness reduced by 1 during duration of attack.  Recovery in 2 weeks."},
    TDisease_Case{"mouth/tongue", 3, {3, 7, 0, 0}, "Severe chronic mouth/tongue disease.  Lose 1 point of strength.  Recovery in 2 weeks."},
    TDisease_Case{"reproductive", 3, {3, 2, 0, 0}, "Severe chronic reproductive disease.  Lose 1 point of strength and constitution.  Recovery in 2 weeks."},
    TDisease_Case{"urinary system", 3, {6, 6, 19, 0, 0}, "Severe chronic urinary system disease.  Lose 1 point of dexterity and strength.  Recovery in 2 weeks."},
    TDisease_Case{"digestive", 3, {0, 6, 2}, "Mild chronic digestive disease.  Loss of 1 point of strength and constitution.  Recovery in 3 weeks."},
    TDisease_Case{"muscles", 3, {0, 5, 0}, "Mild chronic muscles disease.  Loss of 1 point of strength and dexterity.  Recovery in 1 weeks."},
    TDisease_Case{"muscles", 3, {5, 5, 24, 0, 0}, "Severe chronic muscles disease.  Permanent loss of 1 point of strength and dexterity.  Recovery in 2 weeks."},
    TDisease_Case{"nose/throat", 3, {0, 6, 9, 0}, "Mild chronic nose/throat disease.  Lose 1 point of strength.  Recovery in 1 weeks."},
    TDisease_Case{"respiratory", 3, {0, 6, 0, 0, 0}, "Mild chronic respiratory disease.  Lose 1 point of strength and constitution.  Recovery in 1 weeks."},
    TDisease_Case{"respiratory", 3, {0, 6, 50, 3, 0}, "Mild chronic respiratory disease.  Lose 1 point of constitution.  Recovery in 1 weeks."},
    TDisease_Case{"Skin", 3, {}, ""}, TDisease_Case{" ", 3, {}, ""}));
// clang-format on

TEST(Constitution_Adjustment, Follows_The_Score) {
    const std::vector<std::pair<int, int>> cases{{0, 2},   {1, 2},   {2, 1},   {3, 0},   {4, -1},
                                                 {5, -1},  {6, -2},  {7, -2},  {8, -3},  {9, -3},
                                                 {10, -4}, {11, -4}, {12, -5}, {100, -5}};
    for (const auto& [score, adjustment] : cases)
        EXPECT_EQ(Constitution_Adjustment(score), adjustment) << score;
    EXPECT_EQ(_Ability(0), "");
    EXPECT_EQ(_Ability(7), "");
}

TEST(Standard_Time, Writes_Every_Unit_Largest_First) {
    // clang-format off
    const std::vector<std::pair<int, std::string>> cases{
        {0, "0 seconds"}, {1, "1 seconds"}, {59, "59 seconds"}, {60, "1 minute"}, {61, "1 minute, 1 second"},
        {3700, "1 hour, 1 minute, 40 seconds"}, {86400, "1 day"}, {7 * 86400, "1 week"}, {28 * 86400, "1 month"},
        {12 * 28 * 86400, "1 year"}, {2 * 12 * 28 * 86400 + 2 * 3600, "2 years, 2 hours"},
        {INT_MAX, "73 years, 11 months, 2 weeks, 5 days, 3 hours, 14 minutes, 7 seconds"}};
    // clang-format on
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(Standard_Time(seconds), text) << seconds;
}

TEST(Change, Writes_Sign_Permanence_And_Percentage) {
    EXPECT_EQ(Change("Strength", {-2, false, true, false, 0}), "Permanent Strength -2 ");
    EXPECT_EQ(Change("HP", {15, true, false, true, 0}), "HP +15% ");
    EXPECT_EQ(Change("Will", {INT_MIN, false, false, false, 0}), "Will -2147483648 ");
    EXPECT_EQ(Change("Level", {0, true, true, false, 0}), "");
}

class Poisoning_Test : public testing::Test {
  protected:
    static TEffect_Template* Effect(const char* name) {
        auto* effect = new TEffect_Template;
        effect->Set_Name(name);
        return effect;
    }
    static TAdjustment_Template Amount(const char* amount, bool permanent = false) {
        TAdjustment_Template adjustment;
        adjustment.Amount = amount;
        adjustment.Permanent = permanent;
        return adjustment;
    }
    void Add_Poison(const char* name, const char* hit, const char* miss) {
        auto* poison = new TPoison_Template;
        poison->Set_Name(name);
        poison->Set_Effect(hit);
        poison->Set_Effect_Miss(miss);
        Poisons.Add(poison);
    }
    TMemory_Registry<TEffect_Template, TEffect_Registry> Effects;
    TMemory_Registry<TPoison_Template, TPoison_Registry> Poisons;
    TTable Tables;
    TOutput_File Output{[](const std::string&) {}};
    TReferee Referee{Tables, TCatalogues{nullptr, nullptr, nullptr, nullptr, &Effects, &Poisons}, Output};
};

TEST_F(Poisoning_Test, Effect_Describes_Every_Part_In_Order) {
    TEffect_Template* effect = Effect("Wasting");
    effect->Set_Time("3700");
    effect->Set_Duration("1D6*60");
    effect->Set_Death(true);
    effect->Set_Strength(Amount("-(1D4)", true)); // "-1D4" would roll -1 dice: 0
    effect->Set_HP(Amount("2D6%"));
    effect->Set_Repeat_Time("3600");
    effect->Set_Armor_Bonus(Amount("-2"));
    effect->Set_Experience(Amount("100"));
    effect->Set_Speed(-3);
    for (auto set : {&TEffect_Template::Set_Unconciousness, &TEffect_Template::Set_Blind,
                     &TEffect_Template::Set_Sense_Secret_Doors, &TEffect_Template::Set_Mild})
        (effect->*set)(true);
    Effects.Add(effect);
    // Dice in template order: duration, strength, then hit points.
    TScripted_Random draws({1, 2, 5, 4});
    TRandom_Override use(draws);
    EXPECT_EQ(
        Effect_To_String(&Effects, "Wasting"),
        "Onset time 1 hour, 1 minute, 40 seconds.  Death in 2 minutes.  Permanent Strength -3 HP +11%  every "
        "1 hour.  Armor Bonus -2 Experience +100 Max speed -3.  unconscious, blind, sense hidden doors.  ");
    EXPECT_EQ(draws.Remaining(), 0u);
    EXPECT_EQ(Effect_To_String(&Effects, "Nothing known"), "");
    EXPECT_EQ(Effect_To_String(nullptr, "Wasting"), "");
}

TEST_F(Poisoning_Test, Following_Effects_Chain_And_Loops_End) {
    TEffect_Template* sting = Effect("Sting");
    sting->Set_Duration("30");
    sting->Set_Effects("Swelling|Unknown|");
    sting->Set_Chain(true);
    TEffect_Template* swelling = Effect("Swelling");
    swelling->Set_Repeat_Time("60");
    swelling->Set_Effects("Sting|Numb|");
    TEffect_Template* numb = Effect("Numb");
    numb->Set_Dizziness(true);
    Effects.Add(sting);
    Effects.Add(swelling);
    Effects.Add(numb);
    EXPECT_EQ(Effect_To_String(&Effects, "Sting"),
              "Lasting 30 seconds.  Followed by  every 1 minute.  dizzy.  ");
    EXPECT_EQ(Effect_To_String(&Effects, "Swelling"), " every 1 minute.  Lasting 30 seconds.  dizzy.  ");
}

TEST_F(Poisoning_Test, Roll_Adds_Miss_Line_Before_Hit_Line) {
    Effects.Add(Effect("Sleep"));
    Effects.Get("Sleep")->Set_Unconciousness(true);
    Effects.Add(Effect("Drowsy"));
    Effects.Get("Drowsy")->Set_Dizziness(true);
    Add_Poison("Dreamleaf", "Sleep", "Drowsy");
    Add_Poison("Grey Dust", "Lost effect", "");
    EXPECT_EQ(Poison_Types(&Poisons), (std::vector<std::string>{"<Random>", "Dreamleaf", "Grey Dust"}));
    const auto dreamleaf = Roll_Poisoning(Referee, "Dreamleaf").Lines;
    ASSERT_EQ(dreamleaf.size(), 40u);
    EXPECT_EQ(dreamleaf[0], "Type Dreamleaf: Miss: dizzy.  ");
    EXPECT_EQ(dreamleaf[1], "Type Dreamleaf: unconscious.  ");
    EXPECT_EQ(Roll_Poisoning(Referee, "Nightshade").Lines, std::vector<std::string>(20, "Type Nightshade: "));

    std::vector<int> picks(20, 1);
    picks[0] = 0;
    TScripted_Random draws(picks);
    TRandom_Override use(draws);
    const auto random = Roll_Poisoning(Referee, "<Random>").Lines;
    ASSERT_EQ(random.size(), 21u);
    EXPECT_EQ(random[1], "Type Dreamleaf: unconscious.  ");
    EXPECT_EQ(random[2], "Type Grey Dust: effect \"Lost effect\" is not in the catalogue");
}

TEST_F(Poisoning_Test, Effect_Beyond_Whole_Numbers_Stops_The_Roll) {
    Effects.Add(Effect("Coma"));
    Effects.Get("Coma")->Set_Duration("10^12");
    Add_Poison("Deep Sleep", "Coma", "");
    const TRoll_Result result = Roll_Poisoning(Referee, "Deep Sleep");
    EXPECT_TRUE(result.Lines.empty());
    EXPECT_TRUE(result.Error.starts_with("Range check error")) << result.Error;
}

TEST(Poisoning, Random_Poison_From_An_Empty_Catalogue_Gives_No_Lines) {
    TTable tables;
    TOutput_File output{[](const std::string&) {}};
    TReferee referee{tables, TCatalogues{}, output};
    EXPECT_TRUE(Roll_Poisoning(referee, "<Random>").Lines.empty());
    EXPECT_EQ(Roll_Poisoning(referee, "Dreamleaf").Lines.size(), 20u);
    EXPECT_EQ(Poison_Types(nullptr), std::vector<std::string>{"<Random>"});
    // A level too high to add a die to stops the venom rolls instead of wrapping round.
    const TRoll_Result venom = Roll_Venom(referee, INT_MAX);
    EXPECT_TRUE(venom.Lines.empty());
    EXPECT_EQ(venom.Error, "Arithmetic overflow");
}

TEST(Venom, Each_Line_Of_The_Table) {
    const std::vector<std::tuple<int, std::vector<int>, std::string>> cases{
        {0, {0, 3}, "Blindness lasting 4 rounds"},
        {-10, {5, 0}, "Blindness lasting 1 rounds"},
        {1, {0}, "Nausea: character suffers -10% to offense."},
        {1, {1, 1}, "Lose 2 hp."},
        {1, {2, 5}, "Lose 1 strength for 6 rounds, but strength does not go below 1."},
        {2,
         {2, 0},
         "Fumblin lasting 1 rounds.  .  Each round, the character must roll higher than his dexterity or "
         "else he drops his weapon and must spend the round recovering it."},
        {2, {3, 1}, "Nausea: character is helpless for 2 rounds."},
        {2, {4, 2}, "Hallucinations: character is helpless for 3 rounds."},
        {3, {4, 4}, "Paralysis lasting 5 rounds."},
        {3, {5}, "Permanent blindess."},
        {4, {5, 2}, "Lose 12 hp"},
        {20, {0, 5}, "Lose 120 hp"}};
    for (const auto& [level, faces, line] : cases) {
        TScripted_Random draws(faces);
        TRandom_Override use(draws);
        EXPECT_EQ(Venom_Line(level), line) << level;
        EXPECT_EQ(draws.Remaining(), 0u) << line;
    }
}

} // namespace
} // namespace Vexlor
