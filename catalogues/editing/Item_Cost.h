// The item editor's suggestions: the cost of an item from its intelligence, powers and QIDs, its
// weight, and the roll for the intelligence of an armour.
#pragma once

#include "catalogues/Catalogue_Registry.h"
#include "catalogues/editing/Item_Editor.h"

#include <optional>
#include <string>

namespace Vexlor {

// The suggested cost of the item the editor shows. A weapon adds its intelligence, languages,
// class levels and QIDs, a morphable form (with the cost of the catalogue weapon it turns into),
// surveillance, and 1000 for each level of the QIDs the catalogue holds; an armour adds its
// intelligence, languages, class levels and QIDs; anything else costs its base cost. "Per HP"
// multiplies by the hit points. None when a sum does not fit a whole number.
std::optional<int> Suggested_Cost(const TItem_Editor_State& state, TItem_Registry* items,
                                  TQID_Registry* qids);

// The weight label: base plus additional weight, times the capacity when the weight is per
// capacity.
std::string Weight_Label(const TItem_Editor_State& state);

// Rolls the intelligence of an armour into the editor: intelligence, languages and class levels
// start from 0 and every QID goes back to the available list; an armour then rolls which band of
// intelligence it has, and the brightest take up to four QIDs from the available list at random
// (fewer when fewer are left).
void Roll_Intelligence(TItem_Editor_State& state);

} // namespace Vexlor
