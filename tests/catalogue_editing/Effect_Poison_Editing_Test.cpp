// The effect and poison editors' states: amounts shown in text and spin boxes, what building keeps
// from the edited template, the three pairs of name lists, the sub-effect rule and the poison's
// effect lines.
#include "catalogues/editing/Effect_Editing.h"
#include "catalogues/editing/Poison_Editing.h"

#include <gtest/gtest.h>

namespace Vexlor {
namespace {

using TNames = std::vector<std::string>;

const std::vector<TEffect_Links> Catalogue{
    {"Numbness", ""},     {"Tremors", "Numbness|"}, {"Nerve Fire", "Tremors|"},
    {"Sleep Toxin", ""},  {"nerve  fire", ""},  // Nerve Fire's name spelt another way: a record of its own
    {"Fever", "Chills|"}, {"Chills", "Fever|"}, // a loop already in the catalogue
};

TEffect_Template Effect(const std::string& text) {
    TEffect_Template effect;
    effect.Deserialize(text.c_str());
    return effect;
}

TEST(Sub_Effects, NeitherItselfNorWhatLeadsBackToItIsOffered) {
    struct TCase {
        const char* Edited;
        TNames Offered;
    };
    const TCase cases[] = {
        {"Numbness", {"Sleep Toxin", "nerve  fire", "Fever", "Chills"}},
        {"NERVEFIRE", {"Numbness", "Tremors", "Sleep Toxin", "Fever", "Chills"}},
        {"Nerve Fire", {"Numbness", "Tremors", "Sleep Toxin", "Fever", "Chills"}},
        {"Fever", {"Numbness", "Tremors", "Nerve Fire", "Sleep Toxin", "nerve  fire"}},
        {"", {"Numbness", "Tremors", "Nerve Fire", "Sleep Toxin", "nerve  fire", "Fever", "Chills"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Offered_Sub_Effects(Catalogue, c.Edited), c.Offered) << c.Edited;
}

TEST(Sub_Effects, BuildingDropsTheEffectsOwnName) {
    auto effect = Effect("<#name=Tremors><effects>Numbness|</effects>");
    auto state = Effect_State(effect, Catalogue, {});
    EXPECT_EQ(state.Effects.Chosen, TNames{"Numbness"});
    state.Effects.Chosen.push_back("Sleep Toxin");
    state.Name = "sleep toxin";
    EXPECT_STREQ(Build_Effect(state, &effect)->Get_Effects(), "Numbness|");
}

// Opening and OK must not change an effect, so a sub-effect gone from the catalogue stays chosen;
// QIDs and body systems not offered are dropped as before.
TEST(Effect_Editing, FillingKeepsStoredSubEffectsAndOffersEveryOtherNameOnce) {
    auto effect = Effect("<#name=Tremors><effects>Sleep Toxin|Gone|</effects><qids>Fog|Heal|</qids>"
                         "<diseases>Skin|Lungs|Blood|</diseases>");
    const auto state = Effect_State(effect, Catalogue, {"Heal", "Light", "Fog"});
    EXPECT_EQ(state.Effects.Chosen, (TNames{"Sleep Toxin", "Gone"}));
    EXPECT_EQ(state.Effects.Available, (TNames{"Numbness", "nerve  fire", "Fever", "Chills"}));
    EXPECT_EQ(state.QIDs.Chosen, (TNames{"Fog", "Heal"}));
    EXPECT_EQ(state.QIDs.Available, TNames{"Light"});
    EXPECT_EQ(state.Diseases.Chosen, (TNames{"Skin", "Blood"}));
    EXPECT_EQ(state.Diseases.Available.size(), Body_Systems().size() - 2);
    const auto built = Build_Effect(state, &effect);
    EXPECT_STREQ(built->Get_QIDs(), "Fog|Heal|");
    EXPECT_STREQ(built->Get_Diseases(), "Skin|Blood|");
}

// A formula the dice cannot roll is named with its box; one that reads, even if some rolls of it
// fail, or an empty box, passes.
TEST(Effect_Editing, FormulasTheDiceCannotRollAreNamedWithTheirBox) {
    TEffect_Editor_State state;
    state.Time = "2d6";
    state.Duration = "1/(1d2-1)";
    state.Abilities[EA_Dexterity].Amount = " -(1d4)% ";
    state.HP = "10";
    EXPECT_FALSE(Unreadable_Formula(state));
    state.Abilities[EA_Will].Amount = "-(1d4";
    state.HP = "3d+";
    const auto will = Unreadable_Formula(state);
    ASSERT_TRUE(will);
    EXPECT_EQ(will->Control, "Will");
    EXPECT_EQ(will->Message, "Will \"-(1d4\" cannot be rolled: Missing right parenthesis at position 5.");
    state.Effect_Repeat = "2d+";
    const auto repeat = Unreadable_Formula(state);
    ASSERT_TRUE(repeat);
    EXPECT_EQ(repeat->Control, "Effect_Repeat");
    EXPECT_EQ(repeat->Message, "Repeat \"2d+\" cannot be rolled: Syntax error at position 3.");
}

// The HP text and its "Percent" box.
TEST(Effect_Editing, HitPointPercentages) {
    struct TCase {
        const char* Typed;
        bool Percent;
        const char* Stored;
    };
    const TCase cases[] = {
        {"10", true, "10%"},         {"10%", true, "10%"}, {"10", false, "10"},
        {"-(1d6)", true, "-(1d6)%"}, {"", false, ""},
    };
    for (const auto& c : cases) {
        TEffect_Editor_State state;
        state.HP = c.Typed;
        state.HP_Percent = c.Percent;
        auto built = Build_Effect(state, nullptr);
        EXPECT_EQ(built->Get_HP().Amount, c.Stored) << c.Typed;
        const auto shown = Effect_State(*built, {}, {});
        EXPECT_EQ(shown.HP_Percent, std::string(c.Stored).ends_with('%')) << c.Typed;
        EXPECT_EQ(shown.HP + (shown.HP_Percent ? "%" : ""), c.Stored) << c.Typed;
    }
}

// Amounts shown in spin boxes: a formula or an empty amount stays while the box is unchanged.
TEST(Effect_Editing, SpinBoxAmountsKeepFormulasUntilChanged) {
    struct TCase {
        const char* Stored;
        int Shown;
        int Set_To;
        const char* Built;
    };
    const TCase cases[] = {
        {"", 0, 0, ""},       {"", 0, 5, "5"},      {"-10", -10, -10, "-10"},
        {"-10", -10, 0, "0"}, {"1d4", 0, 0, "1d4"}, {"1d4", 0, 2, "2"},
    };
    for (const auto& c : cases) {
        auto effect = Effect(std::string("<armorbonus><#amount=") + c.Stored +
                             "></armorbonus><hitadjust><#amount=" + c.Stored +
                             "></hitadjust><level><#amount=" + c.Stored + "></level>");
        auto state = Effect_State(effect, {}, {});
        EXPECT_EQ(state.Armor_Bonus, c.Shown) << c.Stored;
        EXPECT_EQ(state.Level, c.Shown) << c.Stored;
        state.Armor_Bonus = state.Hit_Adjustment = state.Level = c.Set_To;
        auto built = Build_Effect(state, &effect);
        EXPECT_EQ(built->Get_Armor_Bonus().Amount, c.Built) << c.Stored << " set to " << c.Set_To;
        EXPECT_EQ(built->Get_Hit_Adjustment().Amount, c.Built);
        EXPECT_EQ(built->Get_Level().Amount, c.Built);
    }
}

TEST(Effect_Editing, BuildingKeepsWhatTheEditorDoesNotShow) {
    auto effect = Effect("<#name=Tremors><#minimumability=3><#mild><experience><#amount=-100></experience>"
                         "<dexterity><#amount=-(1d4)><#relative><#limit=-3></dexterity>");
    auto state = Effect_State(effect, Catalogue, {});
    EXPECT_TRUE(state.Flags[EF_Mild]);
    EXPECT_EQ(state.Abilities[EA_Dexterity].Amount, "-(1d4)");
    state.Abilities[EA_Dexterity] = {"-2", true};
    state.Flags[EF_Blind] = true;
    auto built = Build_Effect(state, &effect);
    EXPECT_EQ(built->Get_Minimum_Ability(), 3);
    EXPECT_TRUE(built->Get_Mild());
    EXPECT_TRUE(built->Get_Blind());
    EXPECT_EQ(built->Get_Experience().Amount, "-100");
    const auto& dexterity = built->Get_Dexterity();
    EXPECT_EQ(dexterity.Amount, "-2");
    EXPECT_TRUE(dexterity.Permanent);
    EXPECT_TRUE(dexterity.Relative);
    EXPECT_EQ(dexterity.Limit, -3);
}

TEST(Poison_Editing, EffectLinesAndWhatTheyStore) {
    const TNames effects{"Nerve Fire", "Numbness"};
    EXPECT_EQ(Poison_Effect_Lines(effects), (TNames{"", "Nerve Fire", "Numbness"}));

    TPoison_Template poison;
    poison.Deserialize("<#name=Old Venom><#cost=40><#effect=Deleted Effect><#effectmiss=Numbness>");
    auto state = Poison_State(poison, effects);
    EXPECT_FALSE(state.Effect) << "a name the list lacks selects no line";
    EXPECT_EQ(state.Miss_Effect, "Numbness");
    EXPECT_STREQ(Build_Poison(state, &poison)->Get_Effect(), "Deleted Effect");

    state.Effect = "Nerve Fire";
    state.Miss_Effect = "";
    const auto built = Build_Poison(state, &poison);
    EXPECT_STREQ(built->Get_Effect(), "Nerve Fire");
    EXPECT_STREQ(built->Get_Effect_Miss(), "");
}

TEST(Poison_Editing, ANewPoisonWithoutAMissEffectStoresNone) {
    TPoison_Editor_State state;
    state.Name = "Sleep Dart";
    state.Effect = "Sleep Toxin";
    state.Description = "Fired from a\nblowpipe.";
    const auto built = Build_Poison(state, nullptr);
    EXPECT_STREQ(built->Get_Effect_Miss(), "");
    EXPECT_STREQ(built->Serialize(),
                 "<#name=Sleep Dart><#effect=Sleep Toxin><description>Fired from a blowpipe.</description>");
}

} // namespace
} // namespace Vexlor
