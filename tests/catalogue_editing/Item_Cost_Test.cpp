// The item editor's suggestions: the cost rule, the weight label and the intelligence roll.
#include "catalogues/QID_Plan.h"
#include "catalogues/editing/Item_Cost.h"
#include "foundations/Random.h"
#include "tests/Memory_Registry.h"

#include <gtest/gtest.h>

#include <climits>

namespace Vexlor {
namespace {

using TItems = TMemory_Registry<TItem_Template, TItem_Registry>;
using TQIDs = TMemory_Registry<TQID_Plan, TQID_Registry>;

class Item_Cost : public testing::Test {
  protected:
    Item_Cost() {
        Add_Records(items, "<#name=Vibroblade><#class=Weapon><#cost=700>\n<#name=Paper><#cost=1>\n",
                    [](const auto&) { return true; });
        Add_Records(qids, "<#name=Heal><#level=3>\n<#name=Fog><#level=1>\n",
                    [](const auto&) { return true; });
    }
    TItems items;
    TQIDs qids;
};

struct TCost_Case {
    const char* What;
    TItem_Editor_State State;
    std::optional<int> Cost;
};

TItem_Editor_State Item(TItem_Class classification, int base_cost) {
    TItem_Editor_State state;
    state.Classification = classification;
    state.Base_Cost = base_cost;
    return state;
}

template <class Change> TItem_Editor_State With(TItem_Editor_State state, Change change) {
    change(state);
    return state;
}

TEST_F(Item_Cost, FollowsTheRuleOfItsClassification) {
    const TCost_Case cases[] = {
        {"weapon with mind, languages and a QID",
         With(Item(IC_Weapon, 100),
              [](auto& s) {
                  s.Intelligence = {2, 3, 4};
                  s.Languages_Known = 2;
                  s.QIDs.Chosen = {"Heal"};
              }),
         4900},
        {"clothing per HP", With(Item(IC_Clothing, 40), [](auto& s) { s.HP = 5, s.Cost_Per_HP = true; }),
         200},
        {"armour: mind, languages, classes and QIDs, no weapon extras",
         With(Item(IC_Armor, 50),
              [](auto& s) {
                  s.Intelligence = {1, 1, 1};
                  s.Languages_Known = 2;
                  s.Linguist_Level = 1;
                  s.Historian_Level = 1;
                  s.QIDs.Chosen = {"Heal", "Fog"};
                  s.Surveillance = true;
              }),
         300 + 50 + 100 + 100 + 1000},
        {"morphable into a catalogue weapon",
         With(Item(IC_Weapon, 100), [](auto& s) { s.Morphable = "Vibroblade"; }), 100 + 1000 + 700},
        {"morphable into an item that is no weapon",
         With(Item(IC_Weapon, 100), [](auto& s) { s.Morphable = "Paper"; }), 1100},
        {"morphable into an unknown name",
         With(Item(IC_Weapon, 100), [](auto& s) { s.Morphable = "Nothing"; }), 1100},
        {"surveillance", With(Item(IC_Weapon, 0), [](auto& s) { s.Surveillance = true; }), 150},
        {"one language", With(Item(IC_Weapon, 0), [](auto& s) { s.Languages_Known = 1; }), 50 + 100},
        {"three languages", With(Item(IC_Weapon, 0), [](auto& s) { s.Languages_Known = 3; }), 150 + 600},
        {"four languages", With(Item(IC_Weapon, 0), [](auto& s) { s.Languages_Known = 4; }), 200 + 1000},
        {"seven languages", With(Item(IC_Weapon, 0), [](auto& s) { s.Languages_Known = 7; }), 350 + 1500},
        {"a QID the catalogue lacks counts without its level",
         With(Item(IC_Weapon, 0), [](auto& s) { s.QIDs.Chosen = {"Gone"}; }), 500},
        {"any other class costs its base cost",
         With(Item(IC_Vehicle, 10),
              [](auto& s) {
                  s.Intelligence = {5, 5, 5};
                  s.Surveillance = true;
              }),
         10},
        {"a sum past the largest whole number",
         With(Item(IC_Weapon, INT_MAX), [](auto& s) { s.Surveillance = true; }), std::nullopt},
        {"a product per HP past it",
         With(Item(IC_Other, 1 << 20), [](auto& s) { s.HP = 1 << 12, s.Cost_Per_HP = true; }), std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Suggested_Cost(c.State, &items, &qids), c.Cost) << c.What;
}

TEST_F(Item_Cost, WithoutCataloguesCountsNoCatalogueRecord) {
    const auto state = With(Item(IC_Weapon, 0), [](auto& s) {
        s.Morphable = "Vibroblade";
        s.QIDs.Chosen = {"Heal"};
    });
    EXPECT_EQ(Suggested_Cost(state, nullptr, nullptr), 1000 + 500);
}

TEST(Weight_Label, AddsAndMultipliesByCapacityWhenAsked) {
    struct TCase {
        int Weight, Additional, Capacity;
        bool Per_Capacity;
        const char* Label;
    };
    for (const auto& c : {TCase{12, 3, 4, true, "60"}, TCase{12, 3, 4, false, "15"},
                          TCase{5, 0, 0, true, "0"}, TCase{INT_MAX, INT_MAX, 2, true, "8589934588"}}) {
        TItem_Editor_State state;
        state.Weight = c.Weight;
        state.Weight_Additional = c.Additional;
        state.Capacity = c.Capacity;
        state.Weight_Per_Capacity = c.Per_Capacity;
        EXPECT_EQ(Weight_Label(state), c.Label) << c.Weight << " " << c.Additional << " " << c.Capacity;
    }
}

// An item with a mind, languages, classes and two QIDs, and three QIDs still available.
TItem_Editor_State Bright_Item(TItem_Class classification) {
    TItem_Editor_State state = Item(classification, 0);
    state.Intelligence = {3, 4, 5};
    state.Languages_Known = 2;
    state.Linguist_Level = 1;
    state.Historian_Level = 2;
    state.QIDs = {{"Heal", "Fog"}, {"Sleep"}};
    return state;
}

struct TRoll_Case {
    const char* What;
    std::vector<int> Draws; // the band (0..99), then the dice as drawn (a die of n shows draw + 1)
    TIntelligence Mind;
    int Languages, Linguist, Historian;
};

TEST(Roll_Intelligence, GivesAnArmourTheMindOfItsBand) {
    const TRoll_Case cases[] = {
        {"1 to 75: no mind", {50}, {0, 0, 0}, 0, 0, 0},
        {"75 is still none", {75}, {0, 0, 0}, 0, 0, 0},
        {"76 to 88: 1d6 each", {76, 0, 5, 2}, {1, 6, 3}, 0, 0, 0},
        {"89 to 95: 1d4+2 each, 1d4 languages", {95, 3, 0, 1, 2}, {6, 3, 4}, 3, 0, 0},
        {"96 to 98: 2d4 languages, 1d4 Linguist", {96, 0, 0, 0, 3, 3, 1}, {3, 3, 3}, 8, 2, 0},
        {"99: 3d4+1 languages, 2d4 Linguist, 1d4 Historian",
         {99, 1, 1, 1, 0, 0, 0, 3, 3, 2},
         {4, 4, 4},
         4,
         8,
         3},
    };
    for (const auto& c : cases) {
        TScripted_Random dice(c.Draws);
        const TRandom_Override scripted(dice);
        auto state = Bright_Item(IC_Armor);
        Roll_Intelligence(state);
        EXPECT_EQ(state.Intelligence, c.Mind) << c.What;
        EXPECT_EQ(state.Languages_Known, c.Languages) << c.What;
        EXPECT_EQ(state.Linguist_Level, c.Linguist) << c.What;
        EXPECT_EQ(state.Historian_Level, c.Historian) << c.What;
        EXPECT_TRUE(state.QIDs.Chosen.empty()) << c.What;
        EXPECT_EQ(state.QIDs.Available, (std::vector<std::string>{"Sleep", "Heal", "Fog"})) << c.What;
        EXPECT_EQ(dice.Remaining(), 0u) << c.What;
    }
}

TEST(Roll_Intelligence, TheBrightestArmourTakesQIDsUntilNoneAreLeft) {
    // Band 0; 4d4 languages, 2d4 Linguist, 2d4 Historian; 1d4 shows 4 QIDs to take; three are
    // left to take (the two returned and "Sleep"), picked at positions 1, 0, 0.
    TScripted_Random dice({0, 3, 3, 3, 3, 0, 1, 1, 1, 3, 1, 0, 0});
    const TRandom_Override scripted(dice);
    auto state = Bright_Item(IC_Armor);
    Roll_Intelligence(state);
    EXPECT_EQ(state.Intelligence, (TIntelligence{6, 6, 6}));
    EXPECT_EQ(state.Languages_Known, 16);
    EXPECT_EQ(state.Linguist_Level, 3);
    EXPECT_EQ(state.Historian_Level, 4);
    EXPECT_EQ(state.QIDs.Chosen, (std::vector<std::string>{"Heal", "Sleep", "Fog"}));
    EXPECT_TRUE(state.QIDs.Available.empty());
    EXPECT_EQ(dice.Remaining(), 0u);
    EXPECT_EQ(dice.Requests().back(), 1);
}

TEST(Roll_Intelligence, AnythingButAnArmourOnlyLosesItsMindAndQIDs) {
    TScripted_Random dice({});
    const TRandom_Override scripted(dice);
    auto state = Bright_Item(IC_Weapon);
    Roll_Intelligence(state);
    auto expected = Item(IC_Weapon, 0);
    expected.QIDs.Available = {"Sleep", "Heal", "Fog"};
    EXPECT_EQ(state, expected);
}

} // namespace
} // namespace Vexlor
