// The rules of the character wizard's QID and compound pages: who picks and what is offered. The
// picks reach the inventory when a new character is finished (New_Character.h).
#pragma once

#include "catalogues/Catalogue_Registry.h"
#include "characters/Characters.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Vexlor {

// The level-1 QIDs a new engineer picks two of.
inline constexpr std::array<std::string_view, 28> First_Level_QIDs{
    "Bland",        "Change",        "Condense", "Detect Illusion",
    "Detect QID",   "Encouragement", "Endure",   "Energy",
    "Evaporate",    "Fear",          "Fog",      "Forecast",
    "Harm",         "Heal",          "Impede",   "Interfere",
    "Invisibility", "Knockout",      "Lock",     "Mend",
    "Message",      "Missile",       "Poison",   "Purify",
    "Push",         "Resize",        "Sleep",    "Tame"};

inline constexpr int QIDs_To_Pick = 2;

// A new character who is an engineer of any kind picks QIDs; a new Chemist picks a compound.
bool Picks_QIDs(const TVexlor_Character& character);
bool Picks_Compound(const TVexlor_Character& character);

// The QIDs picked so far, as indexes into First_Level_QIDs in the order picked. Once two are
// picked the choice is locked until it is cleared.
class TQID_Picks {
  public:
    // Adds the QID unless the choice is locked or holds it already; false when nothing changed.
    bool Pick(int index);
    void Clear() { Picked.clear(); }
    bool Locked() const { return static_cast<int>(Picked.size()) == QIDs_To_Pick; }
    const std::vector<int>& Get_Picked() const { return Picked; }
    // The picked names as the inventory takes them: separated by "|".
    std::string Inventory_Text() const;

  private:
    std::vector<int> Picked;
};

// The names of the level-1 compound plans of the catalogue, in listing order.
std::vector<std::string> First_Level_Compounds(TCompound_Registry& compounds);

} // namespace Vexlor
