// Every creature, effect and poison of the starter catalogue, filled into its editor and built
// back untouched, gives exactly its stored text: a property the editor loses or changes shows here.
#include "catalogues/QID_Plan.h"
#include "catalogues/editing/Creature_Editing.h"
#include "catalogues/editing/Effect_Editing.h"
#include "catalogues/editing/Poison_Editing.h"
#include "foundations/CommonUt.h"
#include "foundations/Files.h"

#include <gtest/gtest.h>

namespace Vexlor {
namespace {

std::vector<std::string> Lines(const std::string& file) {
    const auto text = Read_File(std::filesystem::path(VEXLOR_STARTER_CATALOGUE) / file);
    EXPECT_TRUE(text) << file;
    std::vector<std::string> lines = Split_Lines(text.value_or(""));
    std::erase(lines, std::string());
    return lines;
}

template <class Record> Record Read(const std::string& line) {
    Record record;
    record.Deserialize(line.c_str());
    return record;
}

std::vector<TEffect_Links> Effect_Links() {
    std::vector<TEffect_Links> links;
    for (const auto& line : Lines("effects.txt")) {
        auto effect = Read<TEffect_Template>(line);
        links.push_back({effect.Get_Name(), effect.Get_Effects()});
    }
    return links;
}

std::vector<std::string> QID_Names() {
    std::vector<std::string> names;
    for (const auto& line : Lines("qids.txt"))
        names.push_back(Read<TQID_Plan>(line).Get_Name());
    return names;
}

// What the effect editor keeps from the edited template without showing it, taken away: the
// experience, the minimum ability, each adjustment's "relative" flag and limit, and the
// "permanent" flags of the adjustments shown in spin boxes.
TEffect_Template Without_Unshown(TEffect_Template effect) {
    effect.Set_Experience(TAdjustment_Template());
    effect.Set_Minimum_Ability(0);
    for (auto* adjustment :
         {&effect.Get_Strength(), &effect.Get_Constitution(), &effect.Get_Dexterity(),
          &effect.Get_Cognitive(), &effect.Get_Perception(), &effect.Get_Wisdom(), &effect.Get_Charisma(),
          &effect.Get_Comeliness(), &effect.Get_Will(), &effect.Get_HP(), &effect.Get_Level(),
          &effect.Get_Armor_Bonus(), &effect.Get_Hit_Adjustment()}) {
        adjustment->Relative = false;
        adjustment->Limit = 0;
    }
    for (auto* adjustment : {&effect.Get_Level(), &effect.Get_Armor_Bonus(), &effect.Get_Hit_Adjustment()})
        adjustment->Permanent = false;
    return effect;
}

// The creature editor shows every property, so a profile built on nothing is the stored one too.
TEST(Starter_Round_Trip, EveryCreatureComesBackAsStored) {
    const auto lines = Lines("creatures.txt");
    ASSERT_FALSE(lines.empty());
    for (const auto& line : lines) {
        const auto profile = Read<TCreature_Profile>(line);
        const auto state = Creature_State(profile);
        EXPECT_EQ(Build_Creature(state, &profile)->Serialize(), line);
        EXPECT_EQ(Build_Creature(state, nullptr)->Serialize(), line);
    }
}

TEST(Starter_Round_Trip, EveryEffectComesBackAsStored) {
    const auto links = Effect_Links();
    const auto qids = QID_Names();
    ASSERT_FALSE(links.empty());
    for (const auto& line : Lines("effects.txt")) {
        auto effect = Read<TEffect_Template>(line);
        const auto state = Effect_State(effect, links, qids);
        EXPECT_EQ(Build_Effect(state, &effect)->Serialize(), line);
        EXPECT_EQ(std::string(Build_Effect(state, nullptr)->Serialize()),
                  Without_Unshown(effect).Serialize());
    }
}

TEST(Starter_Round_Trip, EveryPoisonComesBackAsStored) {
    std::vector<std::string> effect_names;
    for (const auto& link : Effect_Links())
        effect_names.push_back(link.Name);
    const auto lines = Lines("poisons.txt");
    ASSERT_FALSE(lines.empty());
    for (const auto& line : lines) {
        const auto poison = Read<TPoison_Template>(line);
        const auto state = Poison_State(poison, effect_names);
        EXPECT_TRUE(state.Effect && state.Miss_Effect) << line;
        EXPECT_EQ(Build_Poison(state, nullptr)->Serialize(), line);
    }
}

} // namespace
} // namespace Vexlor
