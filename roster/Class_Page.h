// The rules of the character wizard's class page: which classes each of the four class slots
// offers, which slots the vocation budget opens, and the table of vocational abilities.
#pragma once

#include "characters/Characters.h"

#include <array>
#include <string>
#include <vector>

namespace Vexlor {

inline constexpr int Class_Page_Slots = 4;
// The entry of a slot's list that takes the slot's class away again.
inline constexpr int No_Class = -1;

struct TClass_Slot_Choice {
    bool Enabled = false;
    std::vector<int> Classes; // class indexes in list order; No_Class for "no class"
    int Selected = No_Class;  // the slot's class
};

struct TClass_Page_Choices {
    std::array<TClass_Slot_Choice, Class_Page_Slots> Slots;
    bool Specialty_Enabled = false; // a Biologist chooses a specialty
};

// A rogue has no other class: a character with Rogue in slot 1 loses the classes of slots 2 to 4.
void Keep_Rogue_Alone(TVexlor_Character& character);

// What the four slots offer. Each lists, in class order, the classes the slot may hold instead of
// its own: the character's Intellect allows them, no other slot holds them, and the vocations left
// (Vocations_Left, with the slot's own class given up) make room for them, so an empty slot offers
// exactly the classes Can_Add_Class allows, as the level-up's new vocation does. The slot's own
// class always stays in its list, even when the Intellect has dropped below it, so that an edit
// can keep it. Rogue is offered in slot 1 only. The last filled slot from slot 2 on also offers
// No_Class, so that a class chosen by mistake can be taken away. A slot with a class is open; the
// first empty slot is open while a vocation is left, later slots are closed.
TClass_Page_Choices Class_Page_Choices(const TVexlor_Character& character);

// Puts the class (No_Class: none) into the slot, as choosing it on the class page does. A stored
// character being edited that takes a class into a slot without a level starts it at level 1.
void Choose_Slot_Class(TVexlor_Character& character, int slot, int class_index);

// Raises a filled slot below level 1 to level 1 with what level 1 grants (a Mercenary's armour
// class). Setting a level rolls the hit points anew from slot 1, so the hit points the player
// already has stay, unless slot 1 itself only now gets its level.
void Start_At_Level_One(TVexlor_Character& character, int slot);

// Clears the classes of a character in the making that its scores no longer allow: a class above
// its Intellect, or one the vocations its Cognitive allows have no room for (slots counted in
// order). The classes kept move up to fill the slots from slot 1. Returns the note the class page
// shows, empty when every class stays. A stored character being edited keeps its classes.
std::string Clear_Unqualified_Classes(TVexlor_Character& character);

// The level read-out of a slot: "Level " and the level, "Level 1" while the slot has none.
std::string Slot_Level_Text(const TVexlor_Character& character, int slot);

// The Biologist's specialties, by Specialty value.
inline constexpr std::array<const char*, 2> Specialty_Names{"Botanist", "Zoologist"};

// One line of the vocational abilities table: its group, label and value.
struct TAbility_Row {
    std::string Group;
    std::string Label;
    std::string Value;
};

// The language interpretation time: "1 hour" for 60 minutes, hours with two decimals beyond an
// hour ("1.50 hours"), otherwise minutes ("45 min").
std::string Interpretation_Time_Text(int minutes);
// The largest bomb the character can make: a Physicist's by level, else a Chemist's, else "n/a".
std::string Bomb_Size_Text(const TVexlor_Character& character);
// Every vocational ability of the character, group by group.
std::vector<TAbility_Row> Class_Abilities(const TVexlor_Character& character);

} // namespace Vexlor
