#include "roster/Plan_Picks.h"

#include "catalogues/Compounds.h"
#include "catalogues/Plan_Texts.h"
#include "catalogues/QID_Plan.h"

#include <algorithm>

namespace Vexlor {

bool Picks_QIDs(const TVexlor_Character& character) {
    return !character.Initialized && character.Is_Class("Engineer") > 0;
}

bool Picks_Compound(const TVexlor_Character& character) {
    return !character.Initialized && character.Is_Class("Chemist") > 0;
}

bool TQID_Picks::Pick(int index) {
    const bool known = index >= 0 && index < static_cast<int>(First_Level_QIDs.size());
    if (!known || Locked() || std::find(Picked.begin(), Picked.end(), index) != Picked.end())
        return false;
    Picked.push_back(index);
    return true;
}

std::string TQID_Picks::Inventory_Text() const {
    std::string text;
    for (const int index : Picked) {
        if (!text.empty())
            text += '|';
        text += First_Level_QIDs[static_cast<std::size_t>(index)];
    }
    return text;
}

std::vector<std::string> First_Level_Compounds(TCompound_Registry& compounds) {
    compounds.Sort();
    std::vector<std::string> names;
    for (std::int32_t index = 0; index < compounds.Count(); ++index) {
        const TCompound_Plan* plan = compounds.Get(index);
        if (plan && plan->Get_Level() == 1)
            names.emplace_back(plan->Get_Name());
    }
    return names;
}

void Finish_New_Character(TVexlor_Character& character, const TQID_Picks& qids,
                          const std::optional<std::string>& compound, TCharacter_Edit_Interface* edit) {
    // Setting a level rolls the hit points anew, and they depend on slot 1 alone: the player keeps
    // the hit points shown on the ability page unless slot 1 itself only now gets its level.
    const bool keep_hit_points = character.Get_Level(1) >= 1;
    const int hit_points = character.Hit_Points;
    for (int slot = TClass_Slots::Low_Index; slot <= TClass_Slots::High_Index; ++slot)
        if (character.Get_Class(slot) >= 0 && character.Get_Level(slot) < 1)
            character.Set_Level(slot, 1);
    if (keep_hit_points)
        character.Hit_Points = hit_points;
    if (!edit)
        return;
    if (!qids.Get_Picked().empty())
        edit->QIDs(qids.Inventory_Text().c_str());
    if (compound && !compound->empty())
        edit->Compounds(compound->c_str());
}

TPlan_Help QID_Help(const TQID_Plan& plan) {
    return {plan.Get_Name(), "Level: " + std::to_string(plan.Get_Level()),
            "Activation time: " + std::to_string(plan.Get_Time()), "Duration: " + Duration_Text(plan),
            plan.Get_Description()};
}

TPlan_Help Compound_Help(const TCompound_Plan& plan) {
    return {plan.Get_Name(), "Level: " + std::to_string(plan.Get_Level()), "",
            "Duration: " + Duration_Text(plan), plan.Get_Description()};
}

} // namespace Vexlor
