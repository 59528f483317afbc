// The one rule of every low/high pair of numbers in the program's windows (damage 2-8, levels
// 3-10): the low never passes the high, and changing one moves the other only when it must.
#pragma once

namespace Vexlor {

struct TLow_High {
    int Low = 0;
    int High = 0;

    bool operator==(const TLow_High&) const = default;
};

// The low was set to low: the high rises to it only when it is lower (2-8 with a low of 3 stays
// 3-8; with a low of 10 it becomes 10-10).
TLow_High Set_Low(TLow_High pair, int low);
// The high was set to high: the low falls to it only when it is higher.
TLow_High Set_High(TLow_High pair, int high);

} // namespace Vexlor
