#include "Dice.h"

#include "Checked.h"
#include "CommonUt.h"
#include "Random.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace Vexlor {

namespace {
constexpr int Most_Dice_Rolled = 1'000'000;
}

TRange Create_Range(std::int32_t low, std::int32_t high) {
    return TRange{low, high};
}

std::string Range_To_String(const TRange& range) {
    return std::to_string(range.Low) + "-" + std::to_string(range.High);
}

TRange String_To_Range(const std::string& text) {
    const char separator = text.find(',') != std::string::npos ? ',' : '-';
    const auto found = text.find(separator);
    const std::size_t p = found == std::string::npos ? text.size() : found; // 0-based separator position
    TRange range;
    // A piece that does not read stops the reading; what was read before it stays.
    if (Str_To_Int(text.substr(0, p), range.Low)) {
        if (text.size() > p + 1) {
            range.High = 0;
            Str_To_Int(text.substr(p + 1), range.High);
        } else {
            range.High = range.Low;
        }
    }
    if (range.High < range.Low)
        range.High = range.Low;
    return range;
}

int Die(int count, int sides) {
    int total = 0;
    for (int i = 0; i < count; ++i)
        total = Checked_Add(total, Random(sides) + 1);
    return total;
}

int Num(const std::string& text) {
    const std::string edited = Edit(text, Edit_All);
    if (edited.empty())
        return 0;
    int value = 0;
    if (!Str_To_Int(edited, value))
        throw std::invalid_argument("'" + edited + "' is not a valid integer value");
    return value;
}

int Pack_Range(int low, int high) {
    return static_cast<int>(static_cast<std::uint32_t>(low) | (static_cast<std::uint32_t>(high) << 16));
}

int Do_Die(const std::string& text) {
    const std::string edited = Edit(text, Edit_All);
    const auto d = edited.find('D');
    if (d == std::string::npos)
        return -1;
    int count = 0, sides = 0;
    if (!Str_To_Int(edited.substr(0, d), count) || !Str_To_Int(edited.substr(d + 1), sides))
        return -1;
    // Dice whose total could not be held as a whole number, or so many dice that rolling them
    // would freeze the table, do not read either: a mistyped table never overflows or hangs.
    const long long highest = static_cast<long long>(count) * std::max(sides, 1);
    if (count > Most_Dice_Rolled || highest > std::numeric_limits<int>::max())
        return -1;
    return Die(count, sides);
}

} // namespace Vexlor
