// The referee's mishap tools: what happens to a lost party, what the plants they find are good
// or bad for, and what goes wrong when a Commando or a Biologist fails. Each press gives 20 lines
// rolled on the random tables, under its heading.
#pragma once

#include "referee/Referee.h"
#include "referee/Tool_Result.h"

#include <string>

namespace Vexlor {

// "Roll" of the Lost tab: table 5, each result up to its first ";".
TRoll_Result Roll_Lost(TReferee& referee);
// One plant of table 8 with its properties from tables 9 and 10.
std::string Plant_Line(TReferee& referee);
// "Rolls" of the Plants tab.
TRoll_Result Roll_Plants(TReferee& referee);
// "Roll" of the Commando Failure tab: table 11 as written.
TRoll_Result Roll_Commando_Failure(TReferee& referee);
// "Roll" of the Biologist Failure tab: table 12 with its codes expanded.
TRoll_Result Roll_Biologist_Failure(TReferee& referee);

} // namespace Vexlor
