// The level-up dialog's rules: class choices, the snapshot and the summary of a level.
#include "Level_Up.h"

#include "foundations/Checked.h"

#include <algorithm>
#include <span>

namespace Vexlor {

namespace {

using C = TVexlor_Character;
using S = TLevel_Up_Snapshot;
using TReader = int (*)(const TVexlor_Character&);

template <int (TVexlor_Character::*Get)() const> int Call(const TVexlor_Character& character) {
    return (character.*Get)();
}
template <int TVexlor_Character::*Field> int Field_Of(const TVexlor_Character& character) {
    return character.*Field;
}

// How a changed figure is written.
enum class TLine_Style {
    Plus,        // label new " (+" d ")"
    Percent,     // label new "% (+" d "%)"
    Hand_Damage, // label low "-" high
    Words,       // label new and the words after it
};

struct TFigure {
    const char* Label;
    int TLevel_Up_Snapshot::*Old;
    TReader Read;
    TLine_Style Style = TLine_Style::Plus;
    const char* After = "";
};

constexpr TFigure Scores[] = {
    {"Strength = ", &S::Old_Strength, Field_Of<&C::Strength>},
    {"Constitution = ", &S::Old_Constitution, Field_Of<&C::Constitution>},
    {"Dexterity = ", &S::Old_Dexterity, Field_Of<&C::Dexterity>},
    {"Cognitive = ", &S::Old_Cognitive, Field_Of<&C::Cognitive>},
    {"Perception = ", &S::Old_Perception, Field_Of<&C::Perception>},
    {"Wisdom = ", &S::Old_Wisdom, Field_Of<&C::Wisdom>},
    {"Charisma = ", &S::Old_Charisma, Field_Of<&C::Charisma>},
    {"Comeliness = ", &S::Old_Comeliness, Field_Of<&C::Comeliness>},
    {"Will = ", &S::Old_Will, Field_Of<&C::Will>},
};

constexpr TLine_Style Percent = TLine_Style::Percent;
constexpr TLine_Style Words = TLine_Style::Words;

// The figures after the QID and compound limits, in the order the summary lists them.
constexpr TFigure Other_Figures[] = {
    {"Open locks = ", &S::Old_Open_Lock, Call<&C::Get_Open_Locks>, Percent},
    {"Find/Remove/Set Traps = ", &S::Old_Find_Trap, Call<&C::Get_Find_Traps>, Percent},
    {"Move silently = ", &S::Old_Move_Silently, Call<&C::Get_Move_Silently>, Percent},
    {"Hide in shadows = ", &S::Old_Hide, Call<&C::Get_Hide>, Percent},
    {"Hear noise = ", &S::Old_Hear_Noise, Call<&C::Get_Hear_Noise>, Percent},
    {"Climb = ", &S::Old_Climb, Call<&C::Get_Climb_Walls>, Percent},
    {"Reprogram computers = ", &S::Old_Reprogramming, Call<&C::Get_Reprogram>, Percent},
    {"Interpret language = ", &S::Old_Interpret, Call<&C::Get_Interpretation>, Percent},
    {"Number of attacks per round = ", &S::Old_Attacks, Call<&C::Get_Attacks>},
    {"Hamd damage = ", &S::Old_Hand_Damage, Call<&C::Get_Hand_Damage>, TLine_Style::Hand_Damage},
    // Each rogue skill is written only when it changed itself.
    {"Build robots as level ", &S::Old_Build_Robots_Level, Field_Of<&C::Rogue_Build_Robots_Level>, Words,
     " engineer"},
    {"Genetic engineering as level ", &S::Old_Genetic_Engineering_Level,
     Field_Of<&C::Rogue_Genetic_Engineering_Level>, Words, " biologist"},
    {"Distinguish plants as level ", &S::Old_Distinguish_Plants_Level,
     Field_Of<&C::Rogue_Distinguish_Plants_Level>, Words, " biologist"},
    {"Skills as level ", &S::Old_Weapons_Specialist_Level, Field_Of<&C::Rogue_Weapons_Specialist_Level>,
     Words, " Weapons Specialist"},
    {"Max languages = ", &S::Old_Languages, Call<&C::Get_Languages>},
    {"Max vocations = ", &S::Old_Vocations, Call<&C::Get_Vocations>},
    {"Attack Adjustment = ", &S::Old_Attack_Bonus, Call<&C::Get_Attack_Adjustment>, Percent},
    {"Offensive Adjustment = ", &S::Old_Offensive, Call<&C::Get_Offensive>, Percent},
    {"Defensive Adjustment = ", &S::Old_Defensive, Call<&C::Get_Defensive>},
    {"System Shock Survival = ", &S::Old_Shock, Call<&C::Get_System_Shock>, Percent},
    {"Avoid poison on ", &S::Old_Poison, Call<&C::Get_Poison>, Words, " in 6"},
    {"Regenerate 1 hp/", &S::Old_Regenerate, Call<&C::Get_Regeneration>, Words, " minutes"},
    {"Hit probability adjustment = ", &S::Old_Hit, Call<&C::Get_Hit>},
    {"Damage adjustment = ", &S::Old_Damage, Call<&C::Get_Damage>},
    {"Movement = ", &S::Old_Movement, Call<&C::Get_Movement>},
    {"Carrying capacity = ", &S::Old_Weight, Call<&C::Get_Carry>},
    {"Open doors = ", &S::Old_Open, Call<&C::Get_Open>, Percent},
};

std::string Gain(const char* label, int now, int before, TLine_Style style = TLine_Style::Plus) {
    // A loss is written after the plus sign with its own minus sign: "(+-1)".
    const std::string difference = std::to_string(Checked_Sub(now, before));
    if (style == TLine_Style::Percent)
        return label + std::to_string(now) + "% (+" + difference + "%)";
    return label + std::to_string(now) + " (+" + difference + ")";
}

std::string Figure_Line(const TFigure& figure, int now, int before) {
    switch (figure.Style) {
    case TLine_Style::Hand_Damage:
        return figure.Label + std::to_string(now & 0xFFFF) + "-" + std::to_string((now >> 16) & 0xFFFF);
    case TLine_Style::Words:
        return figure.Label + std::to_string(now) + figure.After;
    default:
        return Gain(figure.Label, now, before, figure.Style);
    }
}

void Add_Changed(std::vector<std::string>& lines, std::span<const TFigure> figures,
                 const TLevel_Up_Snapshot& before, const TVexlor_Character& after) {
    for (const TFigure& figure : figures) {
        const int now = figure.Read(after);
        if (now != before.*figure.Old)
            lines.push_back(Figure_Line(figure, now, before.*figure.Old));
    }
}

void Add_Changed_Limits(std::vector<std::string>& lines, const char* what, const TArray<int, 1, 10>& before,
                        const TArray<int, 1, 10>& now) {
    for (int level = 1; level <= 10; ++level)
        if (now[level] != before[level]) {
            const std::string label = "Level " + std::to_string(level) + what;
            lines.push_back(Gain(label.c_str(), now[level], before[level]));
        }
}

TArray<int, 1, 10> Limits(const TVexlor_Character& character, int (TVexlor_Character::*get)(int) const) {
    TArray<int, 1, 10> limits{};
    for (int level = 1; level <= 10; ++level)
        limits[level] = (character.*get)(level);
    return limits;
}

// Stores a slot's level without the level change's hit-point roll and experience.
void Set_Level_Only(TVexlor_Character& character, int slot, int level) {
    const TStates previous = Current_State;
    Current_State = State_Experience;
    character.Set_Level(slot, level);
    Current_State = previous;
}

} // namespace

std::vector<int> New_Vocation_Choices(const TVexlor_Character& character) {
    std::vector<int> choices;
    if (character.Is_Class("Rogue") > 0)
        return choices;
    for (int class_index = 0; class_index <= Max_Class_Offset; ++class_index)
        if (class_index != Class_Rogue && character.Can_Add_Class(class_index))
            choices.push_back(class_index);
    return choices;
}

TClass_Up_Choices Class_Up_Choices(const TVexlor_Character& character) {
    TClass_Up_Choices choices;
    int lowest = 32767;
    for (int slot = 1; slot <= 6; ++slot) {
        const int class_index = character.Get_Class(slot);
        if (class_index < 0)
            continue;
        choices.Classes.push_back({slot, std::string(Class_Name[class_index])});
        lowest = std::min(lowest, character.Get_Level(slot));
    }
    int at_lowest = 0;
    for (const TClass_Up_Entry& entry : choices.Classes)
        if (character.Get_Level(entry.Slot) == lowest && at_lowest++ == 0)
            choices.Preselected_Slot = entry.Slot;
    // The vocation budget of Can_Add_Class decides, as on the wizard's class page.
    choices.Can_Add_Vocation = !New_Vocation_Choices(character).empty();
    choices.Single_Choice = at_lowest == 1 && !choices.Can_Add_Vocation;
    if (choices.Single_Choice)
        choices.Alternate_Header = "You are about to level up as a " +
                                   std::string(Class_Name[character.Get_Class(choices.Preselected_Slot)]);
    return choices;
}

int Add_New_Vocation(TVexlor_Character& character, int class_index) {
    const std::vector<int> choices = New_Vocation_Choices(character);
    if (std::find(choices.begin(), choices.end(), class_index) == choices.end())
        return 0;
    for (int slot = 1; slot <= 6; ++slot)
        if (character.Get_Class(slot) == -1) {
            Set_Level_Only(character, slot, 0);
            character.Set_Experience(slot, 0);
            character.Add_Vocation(class_index);
            return slot;
        }
    return 0;
}

int Level_Up_Rogue_Points(const TVexlor_Character& character, int slot) {
    return Checked_Add(character.Get_Level(slot), 1);
}

TLevel_Up_Snapshot Take_Level_Up_Snapshot(const TVexlor_Character& character) {
    TLevel_Up_Snapshot snapshot;
    snapshot.Old_HP = character.Hit_Points;
    snapshot.Compound_Levels = Limits(character, &C::Get_Max_CompoundS);
    snapshot.QIDS_Levels = Limits(character, &C::Get_Max_QIDS);
    for (const TFigure& figure : Scores)
        snapshot.*figure.Old = figure.Read(character);
    for (const TFigure& figure : Other_Figures)
        snapshot.*figure.Old = figure.Read(character);
    return snapshot;
}

std::vector<std::string> Level_Up_Summary(const TLevel_Up_Snapshot& before, const TVexlor_Character& after) {
    std::vector<std::string> lines{Gain("Hit points = ", after.Hit_Points, before.Old_HP), ""};
    Add_Changed(lines, Scores, before, after);
    Add_Changed_Limits(lines, " compounds = ", before.Compound_Levels, Limits(after, &C::Get_Max_CompoundS));
    Add_Changed_Limits(lines, " QIDs = ", before.QIDS_Levels, Limits(after, &C::Get_Max_QIDS));
    Add_Changed(lines, Other_Figures, before, after);
    return lines;
}

std::string Class_And_Level(const TVexlor_Character& character, int slot) {
    return std::string(Class_Name[character.Get_Class(slot)]) + " " +
           std::to_string(character.Get_Level(slot));
}

void TLevel_Up_Run::Start() {
    Slot = 0;
    Added = false;
    Snapshot_Taken = false;
    Restore.Forget();
}

void TLevel_Up_Run::Leave_Class_Page(int slot, bool added_vocation) {
    Slot = slot;
    Added = added_vocation;
}

void TLevel_Up_Run::Take_Snapshot_Once(const TVexlor_Character& character) {
    if (Snapshot_Taken)
        return;
    Snapshot = Take_Level_Up_Snapshot(character);
    Snapshot_Taken = true;
}

void TLevel_Up_Run::Enter_Rogue_Step(TVexlor_Character& character) {
    Restore.Enter(character);
    Take_Snapshot_Once(character);
}

void TLevel_Up_Run::Back_To_Class_Page(TVexlor_Character& character) {
    if (Added)
        character.Set_Class(Slot, -1);
    Added = false;
}

void TLevel_Up_Run::Cancel(TVexlor_Character& character) {
    Restore.Enter(character);
    Back_To_Class_Page(character);
}

bool TLevel_Up_Run::Rogue_Page_Shown(const TVexlor_Character& character) const {
    return TClass_Slots::Contains(Slot) && character.Get_Class(Slot) == Class_Rogue;
}

int TLevel_Up_Run::Rogue_Points(const TVexlor_Character& character) const {
    return Level_Up_Rogue_Points(character, Slot);
}

std::vector<std::string> TLevel_Up_Run::Apply_Level(TVexlor_Character& character) {
    Take_Snapshot_Once(character);
    character.Level_Up(Slot);
    return Level_Up_Summary(Snapshot, character);
}

} // namespace Vexlor
