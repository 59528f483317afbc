#include "shell/Main_Menu.h"

namespace Vexlor {

// Every command has its letter, so a game master reaches each one by keyboard: Alt and the menu's
// letter, then the command's.
const std::vector<TMenu>& Main_Menu() {
    using enum TMenu_Command;
    static const std::vector<TMenu> menu = {
        {"File_Menu",
         "&File",
         {
             {GM_Helper, "GM_Helper_Item", "&GM Helper...", "", ""},
             {Separator, "", "", "", ""},
             {Exit, "Exit_Item", "E&xit", "Exit application", "Alt+X"},
         }},
        {"Edit_Menu",
         "&Edit",
         {
             {Parties, "Parties_Item", "&Parties...", "Create/edit parties of characters", ""},
             {Creatures, "Creatures_Item", "&Creatures...", "", ""},
             {Compounds, "Compounds_Item", "Compound&s...", "", ""},
             {Effects, "Effects_Item", "&Effects...", "", ""},
             {Items, "Items_Item", "&Items...", "", ""},
             {Poisons, "Poisons_Item", "P&oisons...", "", ""},
             {QIDs, "QIDs_Item", "&QIDs...", "", ""},
         }},
        {"Tools_Menu",
         "&Tools",
         {
             {Creature_List, "Creature_List_Item", "&Creature List...", "", ""},
         }},
        {"Help_Menu",
         "&Help",
         {
             {Help_Contents, "Help_Item", "&Help", "Application help", ""},
             {Separator, "", "", "", ""},
             {About, "About_Item", "&About...", "", ""},
         }},
    };
    return menu;
}

} // namespace Vexlor
