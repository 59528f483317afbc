// The starter catalogue that comes with the program: every line reads back to the same text, the
// catalogues hold what the referee tools, the wizard and the inventory look for, and their names
// refer to records that exist.
#include "catalogues/Compounds.h"
#include "catalogues/Creature_Profile.h"
#include "catalogues/Effect_Template.h"
#include "catalogues/Item_Template.h"
#include "catalogues/Poison_Template.h"
#include "catalogues/QID_Plan.h"
#include "evaluator/Express.h"
#include "foundations/CommonUt.h"
#include "foundations/Files.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <vector>

namespace Vexlor {
namespace {

std::vector<std::string> Lines(const std::string& file) {
    const auto text = Read_File(std::filesystem::path(VEXLOR_STARTER_CATALOGUE) / file);
    EXPECT_TRUE(text) << file;
    std::vector<std::string> lines = Split_Lines(text.value_or(""));
    std::erase(lines, std::string());
    return lines;
}

// Every record of a file, read from its line; each line must be exactly what the record writes.
template <class Record> std::vector<std::unique_ptr<Record>> Records(const std::string& file) {
    std::vector<std::unique_ptr<Record>> records;
    std::set<std::string> names;
    for (const std::string& line : Lines(file)) {
        auto record = std::make_unique<Record>();
        record->Deserialize(line.c_str());
        EXPECT_EQ(std::string(record->Serialize()), line) << file;
        EXPECT_TRUE(names.insert(record->Get_Name()).second)
            << "twice in " << file << ": " << record->Get_Name();
        records.push_back(std::move(record));
    }
    return records;
}

template <class Record> std::set<std::string> Names(const std::string& file) {
    std::set<std::string> names;
    for (const auto& record : Records<Record>(file))
        names.insert(record->Get_Name());
    return names;
}

// The names of a name list such as "Heal|Fog|".
std::vector<std::string> Listed(const std::string& list) {
    std::vector<std::string> names;
    std::size_t from = 0;
    for (auto bar = list.find('|'); bar != std::string::npos; from = bar + 1, bar = list.find('|', from))
        names.push_back(list.substr(from, bar - from));
    EXPECT_EQ(from, list.size()) << "a name list ends with |: " << list;
    return names;
}

void Expect_Known(const std::string& list, const std::set<std::string>& known, const std::string& where) {
    for (const std::string& name : Listed(list))
        EXPECT_TRUE(known.count(name)) << where << " names the unknown " << name;
}

// An expression the referee will roll: empty, or one that evaluates.
void Expect_Expression(std::string text, const std::string& where) {
    if (text.empty())
        return;
    if (text.back() == '%')
        text.pop_back();
    long double value = 0, imaginary = 0;
    int position = 0, error = 0;
    Eval(text, value, imaginary, position, error);
    EXPECT_EQ(error, 0) << where << ": " << text;
}

TEST(Starter_Catalogue, QIDPlans) {
    const auto plans = Records<TQID_Plan>("qids.txt");
    std::set<std::string> level_one;
    std::map<int, int> per_level;
    for (const auto& plan : plans) {
        ++per_level[plan->Get_Level()];
        if (plan->Get_Level() == 1)
            level_one.insert(plan->Get_Name());
    }
    const std::set<std::string> wizard_list = {"Bland",        "Change",        "Condense", "Detect Illusion",
                                               "Detect QID",   "Encouragement", "Endure",   "Energy",
                                               "Evaporate",    "Fear",          "Fog",      "Forecast",
                                               "Harm",         "Heal",          "Impede",   "Interfere",
                                               "Invisibility", "Knockout",      "Lock",     "Mend",
                                               "Message",      "Missile",       "Poison",   "Purify",
                                               "Push",         "Resize",        "Sleep",    "Tame"};
    EXPECT_EQ(level_one, wizard_list);
    for (int level = 2; level <= 10; ++level)
        EXPECT_GE(per_level[level], 3) << "QID level " << level;
}

TEST(Starter_Catalogue, CompoundPlans) {
    std::map<int, int> per_level;
    for (const auto& plan : Records<TCompound_Plan>("compounds.txt"))
        ++per_level[plan->Get_Level()];
    for (int level = 1; level <= 9; ++level)
        EXPECT_GE(per_level[level], 3) << "compound level " << level;
}

// Paper, PID and Credit are the items the referee tools and the inventory add by name.
TEST(Starter_Catalogue, ItemTemplates) {
    const auto plans = Names<TQID_Plan>("qids.txt");
    const auto items = Records<TItem_Template>("items.txt");
    std::map<std::string, const TItem_Template*> by_name;
    for (const auto& item : items)
        by_name[item->Get_Name()] = item.get();
    for (const char* needed : {"Paper", "PID", "Credit"})
        EXPECT_TRUE(by_name.count(needed)) << needed;
    EXPECT_GT(by_name["PID"]->Get_Capacity(), 0);
    for (const auto& item : items) {
        Expect_Known(item->Get_QIDs(), plans, item->Get_Name());
        for (const std::string& weapon : Listed(item->Get_Weapons()))
            EXPECT_TRUE(by_name.count(weapon) && by_name[weapon]->Get_Classification() == IC_Weapon)
                << weapon;
    }
}

// The encounter tables roll creatures of levels 1 to 12; every kind of creature can be generated.
TEST(Starter_Catalogue, CreatureProfiles) {
    std::set<int> levels;
    for (const auto& creature : Records<TCreature_Profile>("creatures.txt")) {
        for (int level = creature->Get_Low_Level(); level <= creature->Get_Level(); ++level)
            levels.insert(level);
        EXPECT_EQ(std::string(creature->Get_Treasure_Type_Carried()).size(),
                  creature->Get_Treasure_Type_Carried_Percentages().size());
        EXPECT_EQ(std::string(creature->Get_Treasure_Type_In_Lair()).size(),
                  creature->Get_Treasure_Type_In_Lair_Percentages().size());
        for (int kind = CK_Ordinary; kind <= CK_Young; ++kind)
            EXPECT_NO_THROW(creature->Generate(0, true, kind)) << creature->Get_Name();
    }
    for (int level = 1; level <= 12; ++level)
        EXPECT_TRUE(levels.count(level)) << "no creature of level " << level;
}

TEST(Starter_Catalogue, EffectAndPoisonTemplates) {
    const auto effects = Records<TEffect_Template>("effects.txt");
    const auto poisons = Records<TPoison_Template>("poisons.txt");
    const auto effect_names = Names<TEffect_Template>("effects.txt");
    const auto plans = Names<TQID_Plan>("qids.txt");
    for (const auto& effect : effects) {
        const std::string name = effect->Get_Name();
        Expect_Known(effect->Get_Effects(), effect_names, name);
        Expect_Known(effect->Get_QIDs(), plans, name);
        for (const char* text : {effect->Get_Time(), effect->Get_Duration(), effect->Get_Repeat_Time()})
            Expect_Expression(text, name);
        for (TAdjustment_Template* adjustment :
             {&effect->Get_Experience(), &effect->Get_Strength(), &effect->Get_Constitution(),
              &effect->Get_Dexterity(), &effect->Get_Cognitive(), &effect->Get_Perception(),
              &effect->Get_Wisdom(), &effect->Get_Charisma(), &effect->Get_Comeliness(), &effect->Get_Will(),
              &effect->Get_Level(), &effect->Get_HP(), &effect->Get_Armor_Bonus(),
              &effect->Get_Hit_Adjustment()})
            Expect_Expression(adjustment->Amount, name);
        EXPECT_NO_THROW(effect->Generate()) << name;
    }
    for (const auto& poison : poisons) {
        EXPECT_TRUE(effect_names.count(poison->Get_Effect())) << poison->Get_Name();
        if (*poison->Get_Effect_Miss() != '\0') {
            EXPECT_TRUE(effect_names.count(poison->Get_Effect_Miss())) << poison->Get_Name();
        }
    }
}

} // namespace
} // namespace Vexlor
