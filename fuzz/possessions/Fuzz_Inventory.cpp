// An inventory read from any text: reading never fails, no container lies deeper than a stored
// text can hold, every container opens and closes again, and the text written settles at once:
// reading it back and writing it again gives the same text.
#include "possessions/Inventory.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {
using namespace Vexlor;

int Depth(const TInventory_List& list) {
    int deepest = 0;
    for (const TInventory_Entry& entry : list)
        if (entry.Contents)
            deepest = std::max(deepest, Depth(*entry.Contents));
    return deepest + 1;
}

// Opens the first container of each level as deep as it goes, then goes back to the top.
void Walk_Down_And_Back(TInventory& inventory) {
    int opened = 0;
    while (!inventory.Shown().empty() && opened + 1 < Deepest_Level) {
        inventory.Nest(0);
        ++opened;
    }
    for (; opened > 0; --opened)
        inventory.Back();
    if (inventory.Can_Go_Back() || !inventory.Nest_Level().empty())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    TInventory inventory;
    inventory.Deserialize(text);
    if (Depth(inventory.Items()) > Deepest_Level)
        std::abort();
    const std::string written = inventory.Serialize();
    Walk_Down_And_Back(inventory);
    if (inventory.Serialize() != written)
        std::abort();
    inventory.Deserialize(written);
    if (inventory.Serialize() != written)
        std::abort();
    return 0;
}
