#include "widgets/Visual_Order.h"

#include <algorithm>
#include <numeric>

namespace Vexlor {

std::vector<std::size_t> Visual_Order(const std::vector<TScreen_Rect>& controls) {
    std::vector<std::size_t> by_top(controls.size());
    std::iota(by_top.begin(), by_top.end(), std::size_t{0});
    const auto reading = [&controls](std::size_t a, std::size_t b) {
        const TScreen_Rect &first = controls[a], &second = controls[b];
        return first.Top != second.Top ? first.Top < second.Top : first.Left < second.Left;
    };
    std::stable_sort(by_top.begin(), by_top.end(), reading);
    const auto across = [&controls](std::size_t a, std::size_t b) {
        const TScreen_Rect &first = controls[a], &second = controls[b];
        return first.Left != second.Left ? first.Left < second.Left : first.Top < second.Top;
    };
    std::vector<std::size_t> order;
    for (auto row = by_top.begin(); row != by_top.end();) {
        const TScreen_Rect& head = controls[*row];
        const long long middle = static_cast<long long>(head.Top) + head.Height / 2;
        const auto end = std::find_if(row + 1, by_top.end(),
                                      [&](std::size_t control) { return controls[control].Top >= middle; });
        std::vector<std::size_t> members(row, end);
        std::stable_sort(members.begin(), members.end(), across);
        order.insert(order.end(), members.begin(), members.end());
        row = end;
    }
    return order;
}

} // namespace Vexlor
