// The numbered help contexts of the program's windows. Each one has a topic in the help document
// (an anchor named after the number); a window opens its topic with Help_Context.
#pragma once

#include <array>

namespace Vexlor {

inline constexpr int Help_Main_Window = 1;
inline constexpr int Help_Inventory = 500;
inline constexpr int Help_Parties = 100;
inline constexpr int Help_GM_Helper = 400;
// The GM Helper's check of the table file and odds of a dice formula.
inline constexpr int Help_Table_Check = 401;
inline constexpr int Help_Dice_Odds = 402;

// The character wizard, its pages and the windows they open.
inline constexpr int Help_Character_Wizard = 1100;
inline constexpr int Help_Name_Page = 1101;
inline constexpr int Help_Ability_Page = 1102;
inline constexpr int Help_Bonus_Table = 1103;
inline constexpr int Help_Class_Page = 1104;
inline constexpr int Help_Class_Abilities = 1105;
inline constexpr int Help_QID_Page = 1106;
inline constexpr int Help_Compound_Page = 1107;
inline constexpr int Help_Appearance_Page = 1108;
inline constexpr int Help_Pick_Dialog = 1109;
inline constexpr int Help_Plan_Help = 1110;
// One context for each line of the bonus table, in its order (16 lines).
inline constexpr int Help_Bonus_First = 1120;

// The rogue page and its panels: 1001 to 1009 the scores, 1011 to 1017 the skills, 1020 the QIDs,
// 1030 the compounds, 1041 to 1047 the commando points and thief skills.
inline constexpr int Help_Rogue_Page = 1000;
inline constexpr std::array Help_Rogue_Panels = {1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009,
                                                 1011, 1012, 1013, 1014, 1015, 1016, 1017, 1020, 1030,
                                                 1041, 1042, 1043, 1044, 1045, 1046, 1047};
// The level-up dialog and its class and summary pages.
inline constexpr int Help_Level_Up = 1200;
inline constexpr int Help_Class_Up = 1201;
inline constexpr int Help_Level_Up_Summary = 1202;

// The catalogue list dialogs and the record editors they open.
inline constexpr int Help_Item_Choice = 300;
inline constexpr int Help_Creature_Choice = 301;
inline constexpr int Help_QID_Choice = 302;
inline constexpr int Help_Compound_Choice = 303;
inline constexpr int Help_Effect_Choice = 304;
inline constexpr int Help_Poison_Choice = 305;
// Export... and Import... of every catalogue list.
inline constexpr int Help_Catalogue_Exchange = 306;
inline constexpr int Help_Item_Edit = 310;
inline constexpr int Help_QID_Edit = 311;
inline constexpr int Help_Compound_Edit = 312;
inline constexpr int Help_Creature_Edit = 313;
inline constexpr int Help_Effect_Edit = 314;
inline constexpr int Help_Poison_Edit = 315;
inline constexpr int Help_Creature_List = 316;

// Every context the program opens, so the help document can be checked against them.
inline constexpr std::array Help_Contexts = {
    Help_Main_Window,      Help_Parties,          Help_Inventory,         Help_Character_Wizard,
    Help_Name_Page,        Help_Ability_Page,     Help_Bonus_Table,       Help_Class_Page,
    Help_Class_Abilities,  Help_QID_Page,         Help_Compound_Page,     Help_Appearance_Page,
    Help_Pick_Dialog,      Help_Plan_Help,        Help_Bonus_First + 0,   Help_Bonus_First + 1,
    Help_Bonus_First + 2,  Help_Bonus_First + 3,  Help_Bonus_First + 4,   Help_Bonus_First + 5,
    Help_Bonus_First + 6,  Help_Bonus_First + 7,  Help_Bonus_First + 8,   Help_Bonus_First + 9,
    Help_Bonus_First + 10, Help_Bonus_First + 11, Help_Bonus_First + 12,  Help_Bonus_First + 13,
    Help_Bonus_First + 14, Help_Bonus_First + 15, Help_Rogue_Page,        Help_Level_Up,
    Help_Class_Up,         Help_Level_Up_Summary, Help_Item_Choice,       Help_Creature_Choice,
    Help_QID_Choice,       Help_Compound_Choice,  Help_Effect_Choice,     Help_Poison_Choice,
    Help_Item_Edit,        Help_QID_Edit,         Help_Compound_Edit,     Help_Creature_Edit,
    Help_Effect_Edit,      Help_Poison_Edit,      Help_Creature_List,     Help_GM_Helper,
    Help_Table_Check,      Help_Dice_Odds,        Help_Catalogue_Exchange};

} // namespace Vexlor
