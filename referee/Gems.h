// Gems and jewellery: a gem's value climbs or falls along a fixed ladder of values from a base
// rolled on the table file; jewellery is described and priced by its table.
#pragma once

#include "foundations/Checked.h"
#include "referee/Referee.h"
#include "referee/Tool_Result.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Vexlor {

inline constexpr int Top_Gem_Index = 17;
inline constexpr TArray<double, 0, Top_Gem_Index> Gem_Base_Values{
    {0.1, 0.5, 1, 2, 5, 10, 50, 100, 500, 1000, 5000, 10000, 25000, 50000, 100000, 250000, 500000, 1000000}};

// The ladder index of a value: the highest rung not above it (0 below the rung at index 1).
int Value_Index(double x);

// One gem's value in credits: a base from table 6, moved up ("+") or down ("-") the ladder while
// table 7 says so, then changed by table 7's last result (a modifier such as *2). A base that is
// not a whole number raises TConversion_Error; a value too large to hold, std::overflow_error.
std::int64_t Generate_Gem(TReferee& referee);

// "Roll" on the "Gems" tab: 20 lines of a value in credits and the kind of gem.
TRoll_Result Roll_Gems(TReferee& referee);

// "Roll" on the "Jewelry" tab: 20 pieces, each with its value in credits.
TRoll_Result Roll_Jewelry(TReferee& referee);

} // namespace Vexlor
