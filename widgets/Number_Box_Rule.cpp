#include "widgets/Number_Box_Rule.h"

#include <algorithm>

namespace Vexlor {

TBox_Range Range_Holding(int value, int low, int high) {
    return {std::min(value, low), std::max(value, high)};
}

} // namespace Vexlor
