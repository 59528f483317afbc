#include "Item_Cost.h"

#include "catalogues/QID_Plan.h"
#include "foundations/Checked.h"
#include "foundations/Dice.h"
#include "foundations/Random.h"

#include <algorithm>
#include <stdexcept>

namespace Vexlor {

namespace {

int Sum(std::initializer_list<int> values) {
    int total = 0;
    for (const int value : values)
        total = Checked_Add(total, value);
    return total;
}

int Count_Of(const std::vector<std::string>& names) {
    return static_cast<int>(names.size());
}

// What intelligence, languages, class levels and QIDs add to the base cost of an armour or weapon.
int Intelligent_Cost(const TItem_Editor_State& state) {
    const TIntelligence& mind = state.Intelligence;
    return Sum({Checked_Mul(Sum({mind.Cognitive, mind.Perception, mind.Wisdom}), 100), state.Base_Cost,
                Checked_Mul(state.Languages_Known, 50),
                Checked_Mul(Sum({state.Linguist_Level, state.Historian_Level}), 50),
                Checked_Mul(Count_Of(state.QIDs.Chosen), 500)});
}

int Languages_Cost(int languages) {
    static constexpr int By_Count[] = {0, 100, 300, 600, 1000, 1500};
    return By_Count[std::clamp(languages, 0, 5)];
}

int Weapon_Cost(const TItem_Editor_State& state, TItem_Registry* items, TQID_Registry* qids) {
    int cost = Intelligent_Cost(state);
    if (!state.Morphable.empty()) {
        cost = Checked_Add(cost, 1000);
        const TItem_Template* form = items ? items->Get(state.Morphable.c_str()) : nullptr;
        if (form && form->Get_Classification() == IC_Weapon)
            cost = Checked_Add(cost, form->Get_Cost());
    }
    if (state.Surveillance)
        cost = Checked_Add(cost, 150);
    cost = Checked_Add(cost, Languages_Cost(state.Languages_Known));
    for (const auto& name : state.QIDs.Chosen)
        if (const TQID_Plan* plan = qids ? qids->Get(name.c_str()) : nullptr)
            cost = Checked_Add(cost, Checked_Mul(plan->Get_Level(), 1000));
    return cost;
}

int Cost_Before_HP(const TItem_Editor_State& state, TItem_Registry* items, TQID_Registry* qids) {
    switch (state.Classification) {
    case IC_Weapon:
        return Weapon_Cost(state, items, qids);
    case IC_Armor:
        return Intelligent_Cost(state);
    default:
        return state.Base_Cost;
    }
}

int Roll_d4(int count) {
    return Die(count, 4);
}

void Set_Mind(TItem_Editor_State& state, int cognitive, int perception, int wisdom) {
    state.Intelligence = {cognitive, perception, wisdom};
}

void Roll_Bright_Mind(TItem_Editor_State& state) {
    const int cognitive = Roll_d4(1) + 2;
    const int perception = Roll_d4(1) + 2;
    Set_Mind(state, cognitive, perception, Roll_d4(1) + 2);
}

// Moves count QIDs picked at random from the available list; it stops when none are left, since
// there is nothing to pick from an empty list.
void Take_Random_QIDs(TItem_Editor_State& state, int count) {
    auto& available = state.QIDs.Available;
    for (int i = 0; i < count && !available.empty(); ++i) {
        const auto taken = available.begin() + Random(static_cast<int>(available.size()));
        state.QIDs.Chosen.push_back(*taken);
        available.erase(taken);
    }
}

void Return_All_QIDs(TName_Choice& qids) {
    qids.Available.insert(qids.Available.end(), qids.Chosen.begin(), qids.Chosen.end());
    qids.Chosen.clear();
}

} // namespace

std::optional<int> Suggested_Cost(const TItem_Editor_State& state, TItem_Registry* items,
                                  TQID_Registry* qids) {
    try {
        const int cost = Cost_Before_HP(state, items, qids);
        return state.Cost_Per_HP ? Checked_Mul(cost, state.HP) : cost;
    } catch (const std::overflow_error&) {
        return std::nullopt;
    }
}

std::string Weight_Label(const TItem_Editor_State& state) {
    const long long weight = static_cast<long long>(state.Weight) + state.Weight_Additional;
    return std::to_string(state.Weight_Per_Capacity ? weight * state.Capacity : weight);
}

void Roll_Intelligence(TItem_Editor_State& state) {
    Set_Mind(state, 0, 0, 0);
    state.Languages_Known = 0;
    state.Linguist_Level = 0;
    state.Historian_Level = 0;
    Return_All_QIDs(state.QIDs);
    if (state.Classification != IC_Armor)
        return;
    const int band = Random(100);
    if (band == 0) {
        Set_Mind(state, 6, 6, 6);
        state.Languages_Known = Roll_d4(4);
        state.Linguist_Level = Roll_d4(2);
        state.Historian_Level = Roll_d4(2);
        Take_Random_QIDs(state, Roll_d4(1));
    } else if (band <= 75) {
        return;
    } else if (band <= 88) {
        const int cognitive = Die(1, 6);
        const int perception = Die(1, 6);
        Set_Mind(state, cognitive, perception, Die(1, 6));
    } else if (band <= 95) {
        Roll_Bright_Mind(state);
        state.Languages_Known = Roll_d4(1);
    } else if (band <= 98) {
        Roll_Bright_Mind(state);
        state.Languages_Known = Roll_d4(2);
        state.Linguist_Level = Roll_d4(1);
    } else {
        Roll_Bright_Mind(state);
        state.Languages_Known = Roll_d4(3) + 1;
        state.Linguist_Level = Roll_d4(2);
        state.Historian_Level = Roll_d4(1);
    }
}

} // namespace Vexlor
