// A number box holds every value its field can store. The range a box offers for new entries (a
// level of 1 to 10, a percentage) is widened to hold a stored value outside it, so that opening a
// record and pressing OK never changes the value, and the box says so beside it.
#pragma once

#include <string_view>

namespace Vexlor {

struct TBox_Range {
    int Low = 0;
    int High = 0;
    bool operator==(const TBox_Range&) const = default;
};

// The range offered for new entries (low to high), widened as far as value needs.
TBox_Range Range_Holding(int value, int low, int high);

// What a widened box says; %1 is the value, %2 and %3 the range offered for new entries.
inline constexpr std::string_view Outside_Range_Note =
    "%1 lies outside the usual %2 to %3 and is kept as it is.";

} // namespace Vexlor
