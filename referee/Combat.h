// The combat side-effect tools: whether objects survive an attack form, one shot between two
// ships, and the nonlethal fighting results (pummeling, grappling, overbearing).
#pragma once

#include "foundations/Checked.h"
#include "referee/Output_File.h"
#include "referee/Tables.h"
#include "referee/Tool_Result.h"

#include <string>

namespace Vexlor {

// Item vs Effect: the attack forms head the columns 1..8, the materials the rows 1..13.
inline constexpr int Attack_Form_Count = 8;
inline constexpr int Material_Count = 13;
inline constexpr TArray<const char*, 1, Attack_Form_Count> Attack_Forms{
    {"Acid", "Severe Blow", "Blow", "Disintegrate", "Hot fire", "Fire", "Extreme Cold", "Energy/Electr"}};
inline constexpr TArray<const char*, 1, Material_Count> Materials{
    {"Bone/ivory", "Ceramic", "Cloth", "Glass/crystal", "Leather", "Liquid", "Metal, hard", "Metal, soft",
     "Paper", "Polymer", "Stone/gem", "Wood/rope", "Other"}};

// A save number below 1 marks a cell that is never rolled.
inline constexpr int Always_Destroyed = -1;
inline constexpr int Never_Written = 0;
using TSave_Row = TArray<int, 1, Attack_Form_Count>;
extern const TArray<TSave_Row, 1, Material_Count> Item_Saves;

// The grid of the "Item vs Effect" tab: column 0 and row 0 hold the captions. Its results stay in
// the grid and never go to the output file.
class TItem_Vs_Effect {
  public:
    // The grid as the tab first shows it: the cells that can never survive read "Destroyed", and
    // so do Ceramic against a severe blow and against disintegration until the first roll.
    TItem_Vs_Effect();
    // "Roll vs effect": one 1d100 for the whole grid, and a 0..99 for each cell that fails it.
    void Roll();
    const std::string& Cell(int column, int row) const { return Results[row][column]; }

  private:
    TArray<TArray<std::string, 0, Attack_Form_Count>, 0, Material_Count> Results;
};

// Ship combat.
inline constexpr int Captain_Difference_Limit = 10;
inline constexpr int Maneuver_Difference_Limit = 6;
using TShip_Attack_Row = TArray<int, -Maneuver_Difference_Limit, Maneuver_Difference_Limit>;
// Indexed by the captain difference, then the maneuver difference: 10 - c - m, but at least 1.
extern const TArray<TShip_Attack_Row, -Captain_Difference_Limit, Captain_Difference_Limit> Ship_Attack;

// The values of one ship's boxes on the "Ship Combat" tab.
struct TShip {
    int Tonage = 1;
    int Power = 0;
    int MR = 0; // the maneuver rating
    int Captain = 0;
    bool Not_Moving = false;
};

// The maneuver rating a ship's tonnage and power give: power / tonnage, towards zero. The box
// allows no tonnage below 1; one below it counts as 1.
int Maneuver_Rating(int tonage, int power);

// One shot of attacker at target: "Hit: " and a result of table 1 (as written there), or "Miss".
// The text replaces the tab's result and is not written to the output file.
std::string Ship_Attack_Result(const TShip& attacker, const TShip& target, TTable& tables);

// Nonlethal combat: one line for a 0..99 roll r with strength bonus b.
std::string Pummeling_Line(int r, int bonus);
std::string Grappling_Line(int r, int bonus);
std::string Overbearing_Line(int r, int bonus);

struct TNonlethal_Results {
    TRoll_Result Pummeling, Grappling, Overbearing;
};

// "Roll" on the "Nonlethal combat" tab: 20 lines each of pummeling, grappling and overbearing,
// each block under its own heading in the output file. A bonus so large that the hit points
// cannot be held stops a block with its message.
TNonlethal_Results Roll_Nonlethal(TOutput_File& output, int bonus);

} // namespace Vexlor
