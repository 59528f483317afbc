// The order in which a person reads the controls of a window: rows from top to bottom, each row
// from left to right. Tab follows it.
#pragma once

#include "widgets/Screen_Fit.h"

#include <cstddef>
#include <vector>

namespace Vexlor {

// The positions of controls (their rectangles in one container) in reading order. A control
// whose top lies above the middle of a row's first (topmost) control belongs to that row: the
// controls of one row of a layout are centred on each other, and a tall list takes the column of
// buttons beside it into its row. Within a row, left to right, and a column top to bottom.
std::vector<std::size_t> Visual_Order(const std::vector<TScreen_Rect>& controls);

} // namespace Vexlor
