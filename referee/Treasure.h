// Treasure: the letter types of the creature catalogue (coins, credits, gems and items drawn from
// the table file), the treasure tables, and artifacts with their powers.
#pragma once

#include "referee/Referee.h"
#include "referee/Tool_Result.h"

#include <string>
#include <vector>

namespace Vexlor {

// The choices of the "Type:" box.
extern const std::vector<std::string> Treasure_Types;

// The treasure of a string of treasure letters "A" to "Z"; a letter may come more than once and
// adds to the same total, any other character is passed over. Totals that overflow raise
// std::overflow_error, a gem base that is not a whole number TConversion_Error.
std::string Get_Treasure(TReferee& referee, const std::string& letters);

// An artifact's name and, unless it is a minor artifact of the item catalogue, its powers.
std::string Generate_Artifact(TReferee& referee);

// One treasure of a type of the "Type:" box; any other text is read as treasure letters.
std::string Treasure_Of_Type(TReferee& referee, const std::string& type);

// "Roll" on the "Treasure" tab: ten treasures of the type, each followed by a dashed line.
TRoll_Result Roll_Treasure(TReferee& referee, const std::string& type);

} // namespace Vexlor
