// Numeric literals of formulas: recognising them and reading them.
#pragma once

#include <cstddef>
#include <string_view>

namespace Vexlor {

// The length of the longest start of text that reads as a real number: an optional sign, digits
// with an optional point and fraction digits (at least one digit in all), then an optional
// exponent ("E" or "e", an optional sign, at least one digit). 0 when no start reads.
std::size_t Real_Prefix_Length(std::string_view text);

// The whole text reads as a real number.
bool Is_Real_Text(std::string_view text);

// Reads a text that Is_Real_Text accepts, rounded correctly to the nearest real. False when the
// number is too large for a real.
bool Text_To_Real(std::string_view text, long double& value);

} // namespace Vexlor
