// The item template editor's controls as plain values, and the mapping between them and a
// template: filling the editor from a template and building a template from the editor.
#pragma once

#include "catalogues/Catalogue_Registry.h"
#include "catalogues/Item_Template.h"
#include "catalogues/editing/Editor_Texts.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace Vexlor {

// The lines of the equip list, in the order the editor shows them.
inline constexpr std::array<std::string_view, 18> Equip_Class_Words{
    "Head", "Neck", "Back",   "Chest", "Abdomen", "Torso", "Leg", "Arm", "Foot",
    "Hand", "Toe",  "Finger", "Tail",  "Wing",    "Face",  "Eye", "Ear", "All"};

// The intelligent classes the editor shows, by their class index.
inline constexpr int Linguist_Class = 12;
inline constexpr int Historian_Class = 11;

// What each control of the item editor shows.
struct TItem_Editor_State {
    std::string Name;
    // General
    TItem_Class Classification = IC_Other;
    bool Huge = false;
    int HP = 0;
    int Insulation = 0;
    int Count = 0;
    int Capacity = 0;
    int Base_Cost = 0;
    bool Cost_Per_HP = false;
    bool Cost_Per_Capacity = false;
    int Weight = 0;
    int Weight_Additional = 0;
    bool Weight_Per_Capacity = false;
    // Weapon
    int Hit_Adjustment = 0;
    int Time = 0;
    int Charges = 0;
    int Range = 0;
    TRange Damage;
    bool Per_KVA = false;
    TWeapon_Class Weapon_Class = WC_Energy;
    std::string Morphable;
    bool Self_Propelled = false;
    bool Surveillance = false;
    bool Sense_Lifeform = false;
    bool Sense_QIDs = false;
    bool Sense_Chemicals = false;
    bool Sense_Secret_Doors = false;
    // Intelligence
    int Languages_Known = 0;
    TIntelligence Intelligence;
    int Linguist_Level = 0;
    int Historian_Level = 0;
    // Other
    int Armor_Bonus = 0;
    int Duration = 0;
    int Strength = 0;
    int Max_Power_Packs = 0;
    bool Two_Hands = false;
    int Regeneration = 0;
    int Regeneration_Period = 0;
    int Speed = 0;
    bool Warp = false;
    std::vector<std::string> Equip_Classes; // the selected lines of the equip list
    TName_Choice QIDs;
    // Mounted weapons
    TName_Choice Weapons;
    // Description
    std::string Description;

    bool operator==(const TItem_Editor_State&) const = default;
};

// The names the editor offers: every QID plan, and every item template that is a weapon, in
// catalogue order. A missing catalogue offers none.
struct TItem_Choices {
    std::vector<std::string> QIDs;
    std::vector<std::string> Weapons;
};
TItem_Choices Item_Choices(TItem_Registry* items, TQID_Registry* qids);

// The editor for a new template: everything empty or 0, every QID and weapon available.
TItem_Editor_State New_Item_Editor_State(const TItem_Choices& choices);
// The editor filled from a template.
TItem_Editor_State Item_Editor_State(const TItem_Template& item, const TItem_Choices& choices);

// The template start with every property the editor shows overwritten from state. Editing passes
// a copy of the edited template, so what the editor does not show (the item's own cognitive,
// its resistances, intelligent classes other than Linguist and Historian) is kept; creating
// passes a new template. Raises std::invalid_argument when a class level needs a slot and all
// four are taken.
TItem_Template Build_Item_Template(const TItem_Template& start, const TItem_Editor_State& state);

} // namespace Vexlor
