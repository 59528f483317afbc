#include "widgets/Dual_List_Rule.h"

#include <algorithm>

namespace Vexlor {

void Move_Entries(std::vector<std::string>& from, std::vector<std::string>& to, std::vector<int> positions) {
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    std::vector<std::string> kept;
    std::size_t next = 0;
    for (std::size_t index = 0; index < from.size(); ++index) {
        while (next < positions.size() && positions[next] < static_cast<int>(index))
            ++next;
        const bool moved = next < positions.size() && positions[next] == static_cast<int>(index);
        if (!moved)
            kept.push_back(from[index]);
        else if (std::find(to.begin(), to.end(), from[index]) == to.end())
            to.push_back(from[index]);
    }
    from = std::move(kept);
}

} // namespace Vexlor
