// Classes, levels and experience, and the QIDs and compounds a class grants.
#include "Characters.h"

#include "foundations/CommonUt.h"
#include "foundations/Dice.h"

#include <algorithm>

namespace Vexlor {

TStates Current_State = State_Null;

namespace {

// The experience thresholds of levels 1..11 (index = level - 1).
constexpr TArray<int, 0, 10> __Experience{
    {-1, 1000, 2000, 4000, 8000, 16000, 32000, 64000, 128000, 250000, 500000}};

// QIDs an engineer may use, by engineer level 1..20 and QID level 1..10.
constexpr TArray<TArray<int, 1, 10>, 1, 20> QIDs{{{
    {{{4, 0, 0, 0, 0, 0, 0, 0, 0, 0}}}, {{{4, 1, 0, 0, 0, 0, 0, 0, 0, 0}}},
    {{{4, 2, 1, 0, 0, 0, 0, 0, 0, 0}}}, {{{4, 3, 2, 1, 0, 0, 0, 0, 0, 0}}},
    {{{5, 4, 3, 2, 1, 0, 0, 0, 0, 0}}}, {{{6, 5, 4, 3, 2, 1, 0, 0, 0, 0}}},
    {{{7, 6, 5, 4, 3, 2, 1, 0, 0, 0}}}, {{{8, 7, 6, 5, 4, 3, 2, 1, 0, 0}}},
    {{{9, 8, 7, 6, 5, 4, 3, 2, 1, 0}}}, {{{9, 9, 8, 7, 6, 5, 4, 3, 2, 1}}},
    {{{9, 9, 9, 8, 7, 6, 5, 4, 3, 2}}}, {{{9, 9, 9, 9, 8, 7, 6, 5, 4, 3}}},
    {{{9, 9, 9, 9, 9, 8, 7, 6, 5, 4}}}, {{{9, 9, 9, 9, 9, 9, 8, 7, 6, 5}}},
    {{{9, 9, 9, 9, 9, 9, 9, 7, 6, 6}}}, {{{9, 9, 9, 9, 9, 9, 9, 8, 7, 6}}},
    {{{9, 9, 9, 9, 9, 9, 9, 8, 7, 7}}}, {{{9, 9, 9, 9, 9, 9, 9, 9, 8, 7}}},
    {{{9, 9, 9, 9, 9, 9, 9, 9, 8, 8}}}, {{{9, 9, 9, 9, 9, 9, 9, 9, 9, 9}}},
}}};

// Compounds a chemist may use, by chemist level 1..20 and compound level 1..9.
constexpr TArray<TArray<int, 1, 9>, 1, 20> Compounds{{{
    {{{2, 0, 0, 0, 0, 0, 0, 0, 0}}}, {{{2, 1, 0, 0, 0, 0, 0, 0, 0}}}, {{{2, 1, 1, 0, 0, 0, 0, 0, 0}}},
    {{{2, 1, 1, 1, 0, 0, 0, 0, 0}}}, {{{2, 2, 1, 1, 1, 0, 0, 0, 0}}}, {{{3, 2, 2, 1, 1, 1, 0, 0, 0}}},
    {{{3, 3, 2, 2, 1, 1, 1, 0, 0}}}, {{{4, 3, 3, 2, 2, 1, 1, 1, 0}}}, {{{4, 4, 3, 3, 2, 2, 1, 1, 1}}},
    {{{4, 4, 4, 3, 3, 2, 2, 1, 1}}}, {{{5, 5, 4, 4, 3, 3, 2, 2, 1}}}, {{{5, 5, 5, 4, 4, 3, 3, 2, 2}}},
    {{{5, 5, 5, 4, 4, 4, 3, 3, 2}}}, {{{6, 6, 6, 5, 5, 4, 4, 3, 3}}}, {{{6, 6, 6, 5, 5, 5, 4, 3, 3}}},
    {{{6, 6, 6, 6, 6, 6, 5, 4, 4}}}, {{{7, 7, 6, 6, 6, 6, 5, 5, 5}}}, {{{7, 7, 7, 7, 7, 7, 6, 6, 6}}},
    {{{7, 7, 7, 7, 7, 7, 7, 7, 7}}}, {{{8, 8, 8, 8, 8, 8, 8, 8, 8}}},
}}};

// Sets Current_State to State_Level for the length of a level change, and back to State_Null
// afterwards, also when the change fails.
class TLevel_State {
  public:
    TLevel_State() { Current_State = State_Level; }
    ~TLevel_State() { Current_State = State_Null; }
    TLevel_State(const TLevel_State&) = delete;
    TLevel_State& operator=(const TLevel_State&) = delete;
};

// The level a class grants its table entries at: levels above 20 count as 20, and a level of
// 0 or below grants nothing (0).
int Table_Level(int level) {
    return level <= 0 ? 0 : std::min(level, 20);
}

} // namespace

int Class_Index(std::string_view name) {
    for (int index = 0; index <= Max_Class_Offset; ++index)
        if (Same_Text(Class_Name[index], name))
            return index;
    return -1;
}

int TVexlor_Character::Is_Class(std::string_view name) const {
    const bool any_engineer = Same_Text(name, "Engineer");
    for (int slot = TClass_Slots::Low_Index; slot <= TClass_Slots::High_Index; ++slot) {
        const int class_index = __Class[slot];
        if (class_index < 0)
            continue;
        if (Same_Text(Class_Name[class_index], name) || (any_engineer && Is_Engineer_Class(class_index)))
            return slot;
    }
    return 0;
}

int Experience_From_Level(int level) {
    if (level >= 1 && level <= 10)
        return __Experience[level - 1] + 1;
    // Past level 8598 the threshold no longer fits a whole number of the game: an overflow error.
    if (level >= 11 && level <= 32767)
        return Checked_Add(Checked_Mul(level - 11, 250000), 500001);
    return -1000;
}

void TVexlor_Character::Set_Level(int slot, int level) {
    if (!TClass_Slots::Contains(slot))
        return;
    _Level[slot] = level;
    if (Current_State == State_Experience)
        return;
    const TLevel_State state;
    Calculate_HP();
    _Experience[slot] = Get_Classes() < slot ? 0 : Experience_From_Level(Get_Level(slot));
}

void TVexlor_Character::Level_Up(int slot) {
    // Only a filled slot goes up. Slots may have gaps (a class taken away in the middle), so a
    // filled slot past the number of classes goes up too.
    if (!TClass_Slots::Contains(slot) || __Class[slot] < 0)
        return;
    _Level[slot] = Checked_Add(_Level[slot], 1);
    const TLevel_State state;
    const int die = Die(1, 6);
    const int bonus = Get_Constitution_Bonus();
    Hit_Points = Checked_Add(Hit_Points, Checked_Add(die, bonus));
    const int reached = Experience_From_Level(_Level[slot]);
    Pending_Experience = Checked_Sub(Pending_Experience, Checked_Sub(reached, _Experience[slot]));
    _Experience[slot] = reached;
}

int TVexlor_Character::Get_Max_QIDS(int qid_level) const {
    if (!TArray<int, 1, 10>::Contains(qid_level))
        return 0;
    int value = _Max_QIDS[qid_level];
    const int slot = Is_Class("Engineer");
    const int level = slot > 0 ? Table_Level(Get_Level(slot)) : 0;
    if (level > 0) {
        const int granted = QIDs[level][qid_level] + (Is_Class("Physicist") > 0 ? 1 : 0);
        value = std::max(value, granted);
    }
    return value;
}

int TVexlor_Character::Get_Max_CompoundS(int compound_level) const {
    if (!TArray<int, 1, 9>::Contains(compound_level))
        return 0;
    int value = _Max_Compounds[compound_level];
    const int slot = Is_Class("Chemist");
    const int level = slot > 0 ? Table_Level(Get_Level(slot)) : 0;
    if (level > 0)
        value = std::max(value, Compounds[level][compound_level]);
    return value;
}

} // namespace Vexlor
