// A character made in the character wizard, kept as complete and valid as a random one: what the
// pages do not set is rolled as for a random character, every step checks the classes against the
// scores, and the finishing touches give the classes their levels and the inventory the picks.
#pragma once

#include "catalogues/Catalogue_Registry.h"
#include "characters/Characters.h"
#include "roster/Plan_Picks.h"

#include <optional>
#include <string>

namespace Vexlor {

// Before the wizard runs over a new character: armour class 1, the personality, the VDNA pair
// (so the appearance page shows rolled eye and hair colours), the build of the character's gender,
// the family and the credits, each rolled as a random character's. The pages' values stay the
// player's. The age depends on the classes the player chooses, so it is rolled on finishing.
void Roll_Before_Wizard(TVexlor_Character& character);

// What every step of the wizard checks when it is entered, for a character in the making: the
// classes its scores no longer allow are cleared (Clear_Unqualified_Classes), and so are the picks
// whose class is gone (QIDs without an engineer, the compound without a Chemist). Returns the note
// for the class page, empty when no class was cleared.
std::string Check_New_Character(TVexlor_Character& character, TQID_Picks& qids,
                                std::optional<std::string>& compound);

// The finishing touches of a new character: every filled class slot starts at level 1 with what
// level 1 grants (keeping the hit points already rolled for slot 1), the age is rolled for the
// classes chosen, and the picks whose class is still there go once into the inventory (only here,
// so that moving back and forth between the pages never adds them twice).
void Finish_New_Character(TVexlor_Character& character, const TQID_Picks& qids,
                          const std::optional<std::string>& compound, TCharacter_Edit_Interface* edit);

} // namespace Vexlor
