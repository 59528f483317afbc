#include "roster/Plan_Picks.h"

#include "catalogues/Compounds.h"

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

} // namespace Vexlor
