// The rules of the rogue page: a pool of rogue points spent on improvements of a rogue, each
// improvement a panel with its own price, step and ceiling. Every purchase is written into the
// character at once, and every purchase can be taken back in order at the price it was bought.
#pragma once

#include "characters/Characters.h"

#include <array>
#include <string>
#include <vector>

namespace Vexlor {

// The sheets the page groups its panels on.
enum class TRogue_Sheet { Abilities, Misc, QIDs, Compounds, Commando };

// How the price of a panel's next step is worked out.
enum class TRogue_Price {
    Flat,       // the panel's increment, every step
    Score,      // an ability score: 2, 4, 8, 16, 32 at scores 1 to 5
    Escalating, // one step at a time; each purchase raises the price by 2 for the next
};

// What a panel changes in the character.
enum class TRogue_Target { Field, QIDs, Compounds, Commando_Points };

struct TRogue_Panel_Kind {
    std::string Name;    // the panel's control name, after its caption
    std::string Caption; // "$" stands for the value
    std::string Hint;    // "$" stands for the value after the step
    int Increment = 0;   // the price of one step (the first step of an escalating panel)
    int Multiplier = 0;  // what one step adds to the value
    int Max = 0;         // the highest value a step may reach
    bool One_Shot = false;
    TRogue_Price Price = TRogue_Price::Flat;
    TRogue_Sheet Sheet = TRogue_Sheet::Misc;
    TRogue_Target Target = TRogue_Target::Field;
    int TVexlor_Character::*Field = nullptr; // for TRogue_Target::Field
    int Level = 0;                           // the QID or compound level
    int Help_Context = 0;
    bool Paid_By_Commando_Points = false; // the thief skills
};

// The panels in page order, found by these numbers.
namespace Rogue_Panels {
inline constexpr int Strength = 0; // the nine scores in the character's order
inline constexpr int Program_Computers = 9;
inline constexpr int Language_Interpretation = 10;
inline constexpr int Distinguish_Plants = 11;
inline constexpr int Build_Robots = 12;
inline constexpr int Weapons_Specialist = 13;
inline constexpr int Mercenary = 14;
inline constexpr int Genetic_Engineering = 15;
inline constexpr int First_QID = 16;      // QID levels 1 to 10
inline constexpr int First_Compound = 26; // compound levels 1 to 9
inline constexpr int Commando_Points = 35;
inline constexpr int Open_Lock = 36; // the six thief skills, open lock to climb
inline constexpr int Count = 42;
} // namespace Rogue_Panels

const TRogue_Panel_Kind& Rogue_Panel_Kind(int panel);

// Rogue points of the character wizard: a new rogue gets its level in slot 1 plus 1. A character
// that already exists gets none: opening it to correct a typo must not force spending points.
int Wizard_Rogue_Points(const TVexlor_Character& character);

// The ability score groups whose totals the page shows.
enum class TScore_Group { Physical, Intellect, Influence };

class TRogue_Pool {
  public:
    // Reads the panels' values from the character, which the pool then keeps up to date.
    TRogue_Pool(TVexlor_Character& character, int total_points);

    int Value(int panel) const;
    // The caption with the value and the price, such as "Level 2 QIDs: 1 (cost:2)".
    std::string Caption(int panel) const;
    std::string Increase_Hint(int panel) const;
    std::string Decrease_Hint(int panel) const;
    bool Can_Increase(int panel) const;
    bool Can_Decrease(int panel) const;
    // A step up or back; nothing happens when the step is not allowed.
    void Increase(int panel);
    void Decrease(int panel);

    int Total_Points() const { return Total; }
    int Points_Left() const;
    // Commando points bought and not yet spent on the thief skills.
    int Unassigned_Commando_Points() const;
    std::string Points_Caption() const; // "Rogue points: 3/4"
    std::string Total_Caption(TScore_Group group) const;

    // "Increase maximum hit points": exclusive of every other purchase. Only offered while there
    // are points to give up for it.
    bool Hit_Point_Option_Available() const { return Total > 0; }
    bool Hit_Point_Option() const { return Extra_Hit_Point; }
    void Set_Hit_Point_Option(bool chosen);
    std::string Hit_Point_Caption() const;

    // At most one point left and every commando point spent on a thief skill.
    bool Valid() const;

  private:
    struct TPurchase {
        int Previous;
        int Price;
    };
    struct TPanel_State {
        int Base = 0;     // what the character had when the page opened
        int Original = 0; // the stored field behind the base (QID and compound limits)
        int Value = 0;
        std::vector<TPurchase> Bought;
    };

    int Next_Price(int panel) const; // 0 when no further step has a price
    std::string Price_Text(int panel) const;
    bool Level_Open(int panel) const;
    bool Opens_Next_Level(int panel, int value) const;
    int Stored(int panel, int value) const;
    int Spent_Rogue_Points() const;
    int Spent_Commando_Points() const;
    void Write_Into_Character() const;
    void Write_Panel(int panel) const;

    TVexlor_Character& Character;
    int Total;
    int Rogue_Level;
    int Original_Hit_Points;
    bool Extra_Hit_Point = false;
    std::array<TPanel_State, Rogue_Panels::Count> Panels;
};

// Takes back what the rogue page bought on an earlier visit of the same run, so that "< Back" and
// "Next >" never hand out the pool twice. The frame keeps one for the run and forgets it when a run
// starts; the page calls Enter before it reads the character and Record after every purchase.
// Only what the page itself changed is taken back: a change another page made in between stays.
class TRogue_Restore_Point {
  public:
    void Forget() { Visited = false; }
    void Enter(TVexlor_Character& character);
    void Record(const TVexlor_Character& character);

  private:
    using TFields = std::vector<int>;
    static TFields Read(const TVexlor_Character& character);
    static void Write(TVexlor_Character& character, const TFields& fields);

    bool Visited = false;
    TFields On_Entry;
    TFields Left_Behind;
};

} // namespace Vexlor
