#include "widgets/Low_High_Rule.h"

namespace Vexlor {

TLow_High Set_Low(TLow_High pair, int low) {
    pair.Low = low;
    if (pair.High < low)
        pair.High = low;
    return pair;
}

TLow_High Set_High(TLow_High pair, int high) {
    pair.High = high;
    if (pair.Low > high)
        pair.Low = high;
    return pair;
}

} // namespace Vexlor
