// The referee's affliction tools: diseases by body area, the effects of the catalogue's poisons
// described in words, and creature venom by level. Each press gives its lines under its heading.
#pragma once

#include "catalogues/Effect_Template.h"
#include "referee/Referee.h"
#include "referee/Tool_Result.h"

#include <string>
#include <vector>

namespace Vexlor {

// Disease tab.

// How a victim's constitution score shifts the severity and chronicity rolls: +2 for 1 down to
// -5 for 12 and above. Scores below 1 count as 1.
int Constitution_Adjustment(int constitution);
// The ability that an endocrine disease drains: 1 "strength" to 6 "comeliness"; other numbers
// give the empty text.
std::string _Ability(int number);
// One disease of a body area for a victim of the given constitution: severity, chronicity and
// what follows from them. The empty text for an area the disease rules do not know.
std::string Set_Disease(const std::string& area, int constitution);
// The body areas the disease rules know, in their order.
std::vector<std::string> Disease_Area_Names();
// "Generate": 20 diseases of the area, or, when area is empty, of areas rolled on table 2; a roll
// giving an unknown area adds no line.
TRoll_Result Roll_Diseases(TReferee& referee, int constitution, const std::string& area = std::string());

// Poisoning tab.

// A span of seconds in words: "59 seconds", "1 hour, 1 minute, 40 seconds", "1 month".
std::string Standard_Time(int seconds);
// A change to a score in words followed by a blank ("Permanent Strength -2 "); empty when the
// amount is 0.
std::string Change(const std::string& name, const TAdjustment& adjustment);
// Adds word to a list of conditions joined by ", " when flag is set.
void Append_Bool(std::string& text, bool flag, const std::string& word);
// An effect rolled from the named template, described in words, with the effects that follow it.
// The empty text when the catalogue has no such template (or no effect catalogue is there). A
// formula of the template that gives a value beyond 32 bits raises std::overflow_error.
std::string Effect_To_String(TEffect_Registry* effects, const std::string& effect_name);
// The "Type:" list: "<Random>", then every poison of the catalogue in its order.
std::vector<std::string> Poison_Types(TPoison_Registry* poisons);
// "Roll": 20 poisonings by the chosen type (or by poisons drawn at random for "<Random>"), each
// with its miss effect on a line of its own before it. An effect whose formula gives a number
// beyond the whole numbers stops the rolls with its message.
TRoll_Result Roll_Poisoning(TReferee& referee, const std::string& poison_type);

// Venom tab.

// What a bite of a creature of the given level does: one line of the venom table.
std::string Venom_Line(int creature_level);
// "Roll": 20 venom lines, each followed by a line of dashes. A loss too large to hold stops the
// rolls with its message.
TRoll_Result Roll_Venom(TReferee& referee, int creature_level);

} // namespace Vexlor
