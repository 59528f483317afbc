// The game's six catalogues as the catalogue library keeps them, brought up together from one
// catalogue file, with the starter catalogue to fill it on first use.
#pragma once

#include "catalogues/Catalogue_Registry.h"
#include "catalogues/Compounds.h"
#include "catalogues/Creature_Profile.h"
#include "catalogues/Effect_Template.h"
#include "catalogues/Item_Template.h"
#include "catalogues/Poison_Template.h"
#include "catalogues/QID_Plan.h"
#include "catalogues/library/Catalogue_Set.h"
#include "catalogues/library/Record_Catalogue.h"

#include <filesystem>

namespace Vexlor {

struct TVexlor_Catalogues {
    TVexlor_Catalogues(const std::filesystem::path& database, const std::filesystem::path& starter_folder)
        : Set({&Items, &Creatures, &QIDs, &Compounds, &Effects, &Poisons}, database, starter_folder) {}

    TRecord_Catalogue<TItem_Template, TItem_Registry> Items{{"items", "items.txt", "item"}};
    TRecord_Catalogue<TCreature_Profile, TCreature_Registry> Creatures{
        {"creatures", "creatures.txt", "creature"}};
    TRecord_Catalogue<TQID_Plan, TQID_Registry> QIDs{{"qids", "qids.txt", "QID plan"}};
    TRecord_Catalogue<TCompound_Plan, TCompound_Registry> Compounds{
        {"compounds", "compounds.txt", "compound plan"}};
    TRecord_Catalogue<TEffect_Template, TEffect_Registry> Effects{{"effects", "effects.txt", "effect"}};
    TRecord_Catalogue<TPoison_Template, TPoison_Registry> Poisons{{"poisons", "poisons.txt", "poison"}};
    // Brought up last, once every catalogue exists.
    TCatalogue_Set Set;
};

} // namespace Vexlor
