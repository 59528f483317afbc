// The game's numbers: inclusive ranges with their text form, dice, and tolerant number reading.
#pragma once

#include <cstdint>
#include <string>

namespace Vexlor {

// An inclusive range of whole numbers, written as "Low-High".
struct TRange {
    std::int32_t Low = 0;
    std::int32_t High = 0;
    bool operator==(const TRange&) const = default;
};

TRange Create_Range(std::int32_t low, std::int32_t high);

// Always "Low-High", also when both are equal ("5-5").
std::string Range_To_String(const TRange& range);

// Reads "3-8", "5", "-4,2" and the like; never fails, and High is never below Low.
TRange String_To_Range(const std::string& text);

// The sum of count rolls of a die with the given number of sides; 0 when count <= 0.
int Die(int count, int sides);

// A number typed into a dialog field: blanks and control characters are ignored, an empty text
// is 0, and anything else that is not a whole number raises std::invalid_argument.
int Num(const std::string& text);

// Low in the low 16 bits and High in the high 16 bits, for small non-negative values.
int Pack_Range(int low, int high);

// The dice of the random tables, count "D" sides ("3D6", "3 d 6"); -1 when the text does not read.
int Do_Die(const std::string& text);

} // namespace Vexlor
