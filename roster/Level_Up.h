// The rules of the level-up dialog: the class page's choices, the new vocation, the rogue points
// of the level, the character as it was before the level, and the summary of what changed.
#pragma once

#include "characters/Characters.h"
#include "roster/Rogue_Pool.h"

#include <string>
#include <vector>

namespace Vexlor {

// The steps of the level-up dialog.
inline constexpr int Level_Up_Class_Step = 0;
inline constexpr int Level_Up_Rogue_Step = 1;
inline constexpr int Level_Up_Summary_Step = 2;
inline constexpr int Level_Up_Finish = 3;

struct TClass_Up_Entry {
    int Slot = 0;
    std::string Name; // the full class name
};

// What the class page offers: the filled slots (there may be gaps between them), the slot checked
// at first (the first with the lowest level), and whether a new vocation may be added.
struct TClass_Up_Choices {
    std::vector<TClass_Up_Entry> Classes;
    int Preselected_Slot = 0; // 0 when the character has no class
    bool Can_Add_Vocation = false;
    // With one class at the lowest level and nothing to add, the page names that class instead of
    // offering a choice.
    bool Single_Choice = false;
    std::string Alternate_Header;
};

TClass_Up_Choices Class_Up_Choices(const TVexlor_Character& character);

// The classes a new vocation may be, in class order. A rogue adds none, and no one adds Rogue: a
// rogue has no other class.
std::vector<int> New_Vocation_Choices(const TVexlor_Character& character);

// Adds the class where Add_Vocation puts it and returns that slot, or 0 when the class cannot be
// added. The slot starts at level 0 with no experience, so the level of a class once held there
// does not carry over.
int Add_New_Vocation(TVexlor_Character& character, int class_index);

// The rogue points a level of the class in the slot gives: the new level.
int Level_Up_Rogue_Points(const TVexlor_Character& character, int slot);

// The character's figures before the level, taken once per run.
struct TLevel_Up_Snapshot {
    int Old_HP = 0;
    int Old_Open_Lock = 0;
    int Old_Find_Trap = 0;
    int Old_Move_Silently = 0;
    int Old_Hide = 0;
    int Old_Hear_Noise = 0;
    int Old_Climb = 0;
    int Old_Reprogramming = 0;
    int Old_Interpret = 0;
    int Old_Attacks = 0;
    int Old_Hand_Damage = 0;
    int Old_Build_Robots_Level = 0;
    int Old_Genetic_Engineering_Level = 0;
    int Old_Distinguish_Plants_Level = 0;
    int Old_Weapons_Specialist_Level = 0;
    int Old_Strength = 0;
    int Old_Constitution = 0;
    int Old_Dexterity = 0;
    int Old_Cognitive = 0;
    int Old_Perception = 0;
    int Old_Wisdom = 0;
    int Old_Charisma = 0;
    int Old_Comeliness = 0;
    int Old_Will = 0;
    int Old_Languages = 0;
    int Old_Vocations = 0;
    int Old_Attack_Bonus = 0;
    int Old_Offensive = 0;
    int Old_Defensive = 0;
    int Old_Shock = 0;
    int Old_Poison = 0;
    int Old_Regenerate = 0;
    int Old_Hit = 0;
    int Old_Damage = 0;
    int Old_Movement = 0;
    int Old_Weight = 0;
    int Old_Open = 0;
    TArray<int, 1, 10> Compound_Levels{};
    TArray<int, 1, 10> QIDS_Levels{};
};

TLevel_Up_Snapshot Take_Level_Up_Snapshot(const TVexlor_Character& character);

// What the level changed, one line each: the hit points and an empty line always, then every
// figure that changed.
std::vector<std::string> Level_Up_Summary(const TLevel_Up_Snapshot& before, const TVexlor_Character& after);

// "Rogue 3": the full class name of the slot and its level.
std::string Class_And_Level(const TVexlor_Character& character, int slot);

// One run of the level-up dialog over its steps, without the windows.
class TLevel_Up_Run {
  public:
    void Start();
    // Leaving the class page with "Next >": the slot it chose, and whether it added a vocation there.
    void Leave_Class_Page(int slot, bool added_vocation);
    // Entering the rogue step (shown or skipped): the snapshot on the first entry of the run, and
    // the rogue page's purchases of an earlier visit taken back.
    void Enter_Rogue_Step(TVexlor_Character& character);
    // "< Back" from the rogue step: a vocation the class page added is taken away again.
    void Back_To_Class_Page(TVexlor_Character& character);
    // Cancel before the level: the rogue page's purchases and an added vocation are taken back.
    void Cancel(TVexlor_Character& character);
    bool Rogue_Page_Shown(const TVexlor_Character& character) const;
    int Rogue_Points(const TVexlor_Character& character) const;
    // Raises the chosen class by a level and returns the summary lines.
    std::vector<std::string> Apply_Level(TVexlor_Character& character);

    int Class_To_Level() const { return Slot; }
    bool Adding_Vocation() const { return Added; }
    TRogue_Restore_Point& Rogue_Restore_Point() { return Restore; }

  private:
    void Take_Snapshot_Once(const TVexlor_Character& character);

    int Slot = 0;
    bool Added = false;
    bool Snapshot_Taken = false;
    TLevel_Up_Snapshot Snapshot;
    TRogue_Restore_Point Restore;
};

} // namespace Vexlor
