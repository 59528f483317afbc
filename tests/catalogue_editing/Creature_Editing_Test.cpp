// The creature editor's state: the drop-down and list lines, a new creature, and the properties
// whose shown form differs from the stored one (treasure chances, poison types, habitats).
#include "catalogues/editing/Creature_Editing.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace Vexlor {
namespace {

TEST(Creature_Editing, ChoiceLinesStandForTheirValues) {
    const auto habitats = Habitat_Choices();
    ASSERT_EQ(habitats.size(), 21u);
    EXPECT_EQ(habitats[0], "Undefined");
    EXPECT_EQ(habitats[H_Any], "Any");
    EXPECT_EQ(habitats[H_Woodland], "Woodland");
    const auto climates = Climate_Choices();
    EXPECT_EQ(climates, (std::vector<std::string>{"Undefined", "Any", "Polar", "Temperate", "Tropical"}));
    EXPECT_EQ(Nature_Choices()[N_VeryAgressive], "Very Agreesive");
    EXPECT_EQ(Attack_Class_Choices()[AC_Other], "Other");
    const auto poisons = Poison_Type_Choices();
    ASSERT_EQ(poisons.size(), 31u);
    EXPECT_EQ(poisons.front(), "");
    EXPECT_EQ(poisons[2], "A");
    EXPECT_EQ(poisons.back(), "3");
}

TEST(Creature_Editing, ANewCreatureIsCommonAndMetOneAtATime) {
    const auto profile = Build_Creature(New_Creature_State(), nullptr);
    EXPECT_EQ(profile->Get_Frequency(), Frequency_Common);
    EXPECT_EQ(profile->Get_Number(), (TRange{1, 1}));
    EXPECT_EQ(profile->Get_Poison_Flesh(), No_Poison);
    EXPECT_EQ(profile->Get_Habitat(0), H_Unknown);
}

TEST(Creature_Editing, TreasureChancesShownAsDecimalCodes) {
    TCreature_Profile profile;
    profile.Set_Treasure_Type_Carried("JKQ");
    profile.Set_Treasure_Type_Carried_Percentages(std::string("\x32\0\x64", 3));
    const auto state = Creature_State(profile);
    EXPECT_EQ(state.Treasure_Carried, "JKQ");
    EXPECT_EQ(state.Carried_Chance, "50,0,100");
    EXPECT_EQ(state.Lair_Chance, "");

    auto typed = state;
    typed.Carried_Chance = " 25, 255,0 ";
    typed.Lair_Chance = "75";
    const auto built = Build_Creature(typed, &profile);
    EXPECT_EQ(built->Get_Treasure_Type_Carried_Percentages(), std::string("\x19\xff\0", 3));
    EXPECT_EQ(built->Get_Treasure_Type_In_Lair_Percentages(), "K");
    typed.Lair_Chance = " ";
    EXPECT_EQ(Build_Creature(typed, &profile)->Get_Treasure_Type_In_Lair_Percentages(), "");

    // A chance that would be stored as another number is refused, naming it.
    for (const char* refused : {"abc", "50,,100", "50,", "256", "-1", "25x", "99999999999"}) {
        typed.Lair_Chance = refused;
        try {
            (void)Build_Creature(typed, &profile);
            ADD_FAILURE() << refused;
        } catch (const std::invalid_argument& error) {
            EXPECT_EQ(error.what(), "The in-lair treasure chance \"" + std::string(refused) +
                                        "\" cannot be stored: chances are whole numbers from 0 to 255 "
                                        "separated by \",\".");
        }
    }
}

TEST(Creature_Editing, ShownFormsOfStoredValues) {
    TCreature_Profile profile;
    profile.Set_Poison_Flesh('*');
    profile.Set_Habitat(1, H_Tombs);
    profile.Set_Climate(1, HC_Tropical);
    profile.Set_Low_Level(3);
    profile.Set_Level(7);
    profile.Set_Survive_Vacuum(true);
    auto state = Creature_State(profile);
    EXPECT_EQ(state.Poison_Flesh, "*");
    EXPECT_EQ(state.Poison_Hide, "");
    EXPECT_EQ(Habitat_Choices()[state.Habitat[1]], "Tombs");
    EXPECT_EQ(Climate_Choices()[state.Climate[1]], "Tropical");
    EXPECT_EQ(state.Levels, (TRange{3, 7}));
    EXPECT_TRUE(state.Vacuum);

    state.Poison_Flesh = "";
    state.Poison_Hide = "QZ";
    state.Description = "Lives in tombs.\nAvoid at night.";
    const auto built = Build_Creature(state, &profile);
    EXPECT_EQ(built->Get_Poison_Flesh(), No_Poison);
    EXPECT_EQ(built->Get_Poison_Hide(), 'Q');
    EXPECT_STREQ(built->Get_Description(), "Lives in tombs. Avoid at night.");
}

} // namespace
} // namespace Vexlor
