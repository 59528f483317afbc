// The main window's menu as data: every menu, its items in order, their captions with accelerator
// markers, shortcuts and hints, and the command each item gives. The main window builds its menu
// bar from this table and nothing else.
#pragma once

#include <string>
#include <vector>

namespace Vexlor {

enum class TMenu_Command {
    Separator,
    GM_Helper,
    Exit,
    Parties,
    Creatures,
    Compounds,
    Effects,
    Items,
    Poisons,
    QIDs,
    Creature_List,
    Help_Contents,
    About,
};

struct TMenu_Item {
    TMenu_Command Command = TMenu_Command::Separator;
    std::string Name;     // the item's object name, so tests and later windows find it
    std::string Caption;  // with "&" before the accelerator letter
    std::string Hint;     // shown in the status bar while the mouse is over the item; may be empty
    std::string Shortcut; // key sequence in portable text ("Alt+X"); may be empty
};

struct TMenu {
    std::string Name;
    std::string Caption;
    std::vector<TMenu_Item> Items;
};

const std::vector<TMenu>& Main_Menu();

} // namespace Vexlor
