#include "roster/Class_Page.h"

#include "foundations/Checked.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace Vexlor {

namespace {

bool Held_Elsewhere(const TVexlor_Character& character, int class_index, int slot) {
    for (int other = TClass_Slots::Low_Index; other <= TClass_Slots::High_Index; ++other)
        if (other != slot && character.Get_Class(other) == class_index)
            return true;
    return false;
}

bool Is_Last_Filled(const TVexlor_Character& character, int slot) {
    return character.Get_Class(slot) >= 0 &&
           (slot == TClass_Slots::High_Index || character.Get_Class(slot + 1) < 0);
}

// Whether the slot may hold the class in place of its own. For an empty slot this is the rule of
// a new vocation (Can_Add_Class).
bool May_Hold(const TVexlor_Character& character, int slot, int class_index) {
    if (class_index == Class_Rogue && slot != 1)
        return false;
    const int own = character.Get_Class(slot);
    if (own < 0)
        return character.Can_Add_Class(class_index);
    const int room = Checked_Add(character.Vocations_Left(), Class_Count[own]);
    return Class_Intellect[class_index] <= character.Get_Intellect() &&
           !Held_Elsewhere(character, class_index, slot) && Class_Count[class_index] <= room;
}

std::vector<int> Slot_Classes(const TVexlor_Character& character, int slot) {
    const int own = character.Get_Class(slot);
    std::vector<int> classes;
    if (slot > 1 && Is_Last_Filled(character, slot))
        classes.push_back(No_Class);
    for (int class_index = 0; class_index <= Max_Class_Offset; ++class_index)
        if (class_index == own || May_Hold(character, slot, class_index))
            classes.push_back(class_index);
    return classes;
}

std::string Percent(int value) {
    return std::to_string(value) + "%";
}

// The level of the slot holding the class (any engineer for "Engineer"), or 0.
int Level_As(const TVexlor_Character& character, std::string_view class_name) {
    const int slot = character.Is_Class(class_name);
    return slot > 0 ? character.Get_Level(slot) : 0;
}

int Rogue_Or_Class_Level(const TVexlor_Character& character, int rogue_level, std::string_view class_name) {
    const int from_rogue = character.Is_Class("Rogue") > 0 ? rogue_level : 0;
    return std::max(from_rogue, Level_As(character, class_name));
}

int Distinguish_Plants(const TVexlor_Character& character) {
    const int level = Rogue_Or_Class_Level(character, character.Rogue_Distinguish_Plants_Level,
                                           Class_Name[Class_Biologist]);
    if (level <= 0)
        return 0;
    int chance = 50 + 2 * level;
    if (character.Cognitive > 5)
        chance += 5 * (character.Cognitive - 5);
    if (character.Perception > 5)
        chance += 5 * (character.Perception - 5);
    return std::min(chance, 99);
}

std::string Hand_Damage_Text(int packed) {
    const int low = packed & 0xFFFF;
    const int high = (packed >> 16) & 0xFFFF;
    if (low == high)
        return std::to_string(low) + " hp";
    return std::to_string(low) + "-" + std::to_string(high) + " hp";
}

// Hours with two significant digits shown with two decimals and thousands separators.
std::string Hours_Text(int minutes) {
    const double hours = minutes / 60.0;
    const int magnitude = static_cast<int>(std::floor(std::log10(hours)));
    const double unit = std::pow(10.0, magnitude - 1);
    const double rounded = std::round(hours / unit) * unit;
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.2f", rounded);
    std::string text = digits;
    for (int at = static_cast<int>(text.find('.')) - 3; at > 0; at -= 3)
        text.insert(static_cast<std::size_t>(at), ",");
    return text + " hours";
}

void Add_Level_Rows(std::vector<TAbility_Row>& rows, const std::string& group, int levels, auto usable) {
    for (int level = 1; level <= levels; ++level)
        rows.push_back({group, "Level " + std::to_string(level) + ":", std::to_string(usable(level))});
}

} // namespace

void Keep_Rogue_Alone(TVexlor_Character& character) {
    if (character.Get_Class(1) != Class_Rogue)
        return;
    for (int slot = 2; slot <= Class_Page_Slots; ++slot)
        character.Set_Class(slot, -1);
}

TClass_Page_Choices Class_Page_Choices(const TVexlor_Character& character) {
    TClass_Page_Choices choices;
    bool past_first_empty = false;
    for (int slot = 1; slot <= Class_Page_Slots; ++slot) {
        TClass_Slot_Choice& choice = choices.Slots[static_cast<std::size_t>(slot - 1)];
        choice.Selected = character.Get_Class(slot);
        if (past_first_empty)
            continue;
        choice.Enabled = choice.Selected >= 0 || character.Vocations_Left() > 0;
        past_first_empty = choice.Selected < 0;
    }
    const bool rogue = character.Get_Class(1) == Class_Rogue;
    for (int slot = 1; slot <= Class_Page_Slots; ++slot) {
        TClass_Slot_Choice& choice = choices.Slots[static_cast<std::size_t>(slot - 1)];
        if (rogue && slot > 1) {
            choice.Enabled = false;
            continue;
        }
        choice.Classes = Slot_Classes(character, slot);
        if (choice.Selected == Class_Biologist)
            choices.Specialty_Enabled = true;
    }
    return choices;
}

void Choose_Slot_Class(TVexlor_Character& character, int slot, int class_index) {
    character.Set_Class(slot, class_index);
    // A character in the making gets its levels when the wizard finishes.
    if (class_index >= 0 && character.Initialized)
        Start_At_Level_One(character, slot);
}

void Start_At_Level_One(TVexlor_Character& character, int slot) {
    if (character.Get_Class(slot) < 0 || character.Get_Level(slot) >= 1)
        return;
    const bool keep_hit_points = slot != 1 && character.Get_Level(1) >= 1;
    const int hit_points = character.Hit_Points;
    character.Set_Level(slot, 1);
    if (keep_hit_points)
        character.Hit_Points = hit_points;
    character.Check_Classes();
}

std::string Clear_Unqualified_Classes(TVexlor_Character& character) {
    if (character.Initialized)
        return "";
    std::vector<int> kept;
    std::string cleared;
    int vocations_left = character.Get_Vocations();
    for (int slot = TClass_Slots::Low_Index; slot <= TClass_Slots::High_Index; ++slot) {
        const int class_index = character.Get_Class(slot);
        if (class_index < 0)
            continue;
        if (Class_Intellect[class_index] <= character.Get_Intellect() &&
            Class_Count[class_index] <= vocations_left) {
            kept.push_back(class_index);
            vocations_left -= Class_Count[class_index];
        } else {
            cleared += (cleared.empty() ? "" : ", ") + std::string(Class_Name[class_index]);
        }
    }
    if (cleared.empty())
        return "";
    for (int slot = TClass_Slots::Low_Index; slot <= TClass_Slots::High_Index; ++slot) {
        const auto index = static_cast<std::size_t>(slot - 1);
        character.Set_Class(slot, index < kept.size() ? kept[index] : -1);
    }
    return "The scores no longer allow " + cleared + ": choose again.";
}

std::string Slot_Level_Text(const TVexlor_Character& character, int slot) {
    return "Level " + std::to_string(std::max(character.Get_Level(slot), 1));
}

std::string Interpretation_Time_Text(int minutes) {
    if (minutes == 60)
        return "1 hour";
    if (minutes > 59)
        return Hours_Text(minutes);
    return std::to_string(minutes) + " min";
}

std::string Bomb_Size_Text(const TVexlor_Character& character) {
    static constexpr std::array<const char*, 7> atomic{"1K ton atomic",  "10K ton atomic", "100K ton atomic",
                                                       "1M ton atomic",  "10M ton fusion", "100M ton fusion",
                                                       "500M ton fusion"};
    static constexpr std::array<const char*, 14> chemical{
        "1 lbs",  "2 lbs",  "3 lbs",   "6 lbs",   "9 lbs",   "18 lbs",    "25 lbs",
        "50 lbs", "75 lbs", "150 lbs", "250 lbs", "500 lbs", "1,000 lbs", "1,500 lbs"};
    if (character.Is_Class("Physicist") > 0) {
        const int level = Level_As(character, "Physicist");
        if (level <= 6)
            return "n/a";
        return atomic[static_cast<std::size_t>(std::min(level, 13) - 7)];
    }
    const int chemist = Level_As(character, "Chemist");
    if (chemist >= 1)
        return chemical[static_cast<std::size_t>(std::min(chemist, 14) - 1)];
    return "n/a";
}

std::vector<TAbility_Row> Class_Abilities(const TVexlor_Character& character) {
    const TVexlor_Character& c = character;
    const bool rogue = c.Is_Class("Rogue") > 0;
    const bool biologist = c.Is_Class("Biologist") > 0;
    const bool chemist = c.Is_Class("Chemist") > 0;
    const bool engineer = c.Is_Class("Engineer") > 0;
    const bool historian = c.Is_Class("Historian") > 0;
    const bool medic = c.Is_Class("Medic") > 0;

    const int genetic = Rogue_Or_Class_Level(c, c.Rogue_Genetic_Engineering_Level, "Biologist");
    const bool animals_first = !biologist || c.Specialty != 0;
    const int main_level = genetic;
    const int other_level = std::max(genetic - 7, 0);

    std::vector<TAbility_Row> rows{
        {"Biology", "Distinguish edible plants:", Percent(Distinguish_Plants(c))},
        {"Biology", "Single-cell level:", std::to_string(genetic)},
        {"Biology", "Plant level:", std::to_string(animals_first ? other_level : main_level)},
        {"Biology", "Animal level:", std::to_string(animals_first ? main_level : other_level)},
    };
    Add_Level_Rows(rows, "Compounds usable", 9, [&](int level) {
        const int from_class = chemist ? c.Get_Max_CompoundS(level) : 0;
        return rogue ? std::max(from_class, c._Max_Compounds[level]) : from_class;
    });
    const std::vector<TAbility_Row> commando{
        {"Commando", "Open Lock:", Percent(c.Get_Open_Locks())},
        {"Commando", "Find Trap:", Percent(c.Get_Find_Traps())},
        {"Commando", "Move Silently:", Percent(c.Get_Move_Silently())},
        {"Commando", "Hide in shadows:", Percent(c.Get_Hide())},
        {"Commando", "Hear Noise:", Percent(c.Get_Hear_Noise())},
        {"Commando", "Climb:", Percent(c.Get_Climb_Walls())},
        {"Commando", "Reprogram computers:", Percent(c.Get_Reprogram())},
    };
    rows.insert(rows.end(), commando.begin(), commando.end());
    Add_Level_Rows(rows, "QIDs usable", 10, [&](int level) {
        const int from_class = engineer ? c.Get_Max_QIDS(level) : 0;
        return rogue ? std::max(from_class, c._Max_QIDS[level]) : from_class;
    });

    const int history = historian ? Level_As(c, "Historian") : 0;
    const int engineering = Level_As(c, "Engineer");
    const int weapons = Level_As(c, "Weapons Specialist");
    const int medicine = medic ? Level_As(c, "Medic") : 0;
    const auto historian_chance = [&](int chance, int most) {
        return Percent(historian ? std::min(chance, most) : 0);
    };
    const std::vector<TAbility_Row> rest{
        {"Historian", "Recognize QID effect:", historian_chance(5 * (history + engineering), 90)},
        {"Historian", "Identify Normal Item:", historian_chance(10 * (history + weapons), 99)},
        {"Historian", "Identify QID Device:", historian_chance(4 * (history + engineering), 95)},
        {"Historian", "Identify Artifact:", historian_chance(history, 85)},
        {"Interpret language", "Chance:", Percent(c.Get_Interpretation())},
        {"Interpret language", "Time:", Interpretation_Time_Text(c.Get_Interpretation_Time())},
        {"Medic", "Diagnose:", Percent(std::min(5 * medicine, 99))},
        {"Medic", "Treat:", Percent(10 * medicine)},
        {"Hand to hand", "Attacks:", std::to_string(c.Get_Attacks())},
        {"Hand to hand", "Damage:", Hand_Damage_Text(c.Get_Hand_Damage())},
        {"Chemistry", "Max bomb manufacture size:", Bomb_Size_Text(c)},
        {"Chemistry", "Create ingestive poison:", Percent(c.Get_Make_Ingestive_Poison())},
        {"Chemistry", "Create insinuative poison:", Percent(c.Get_Make_Insinuative_Poison())},
        {"Chemistry", "Create antidote:", Percent(c.Get_Antidote())},
        {"Chemistry", "Antidote time:",
         c.Get_Antidote_Time() == 0 ? std::string("n/a") : std::to_string(c.Get_Antidote_Time()) + " min"},
    };
    rows.insert(rows.end(), rest.begin(), rest.end());
    return rows;
}

} // namespace Vexlor
