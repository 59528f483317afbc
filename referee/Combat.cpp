#include "Combat.h"

#include "foundations/Random.h"

#include <algorithm>
#include <cstdint>

namespace Vexlor {
namespace {

constexpr int D = Always_Destroyed;
constexpr int N = Never_Written;
constexpr int Lines_Per_Block = 20;
constexpr int Ship_Hit_Table = 1;

// A whole number from 0 to 99, the nonlethal and item-damage roll.
int Percentile() {
    return Random(100);
}

int Clamp(std::int64_t value, int limit) {
    return static_cast<int>(std::clamp<std::int64_t>(value, -limit, limit));
}

// Hit points with the damage they really do: hp / divisor, but at least 1.
std::string Damage_Text(int hp, int divisor) {
    return std::to_string(hp) + " hp (" + std::to_string(std::max(hp / divisor, 1)) + " actual)";
}

// The hit points of a grappling or overbearing roll: the bonus added to the step whose rolls
// reach r; a roll of 0 counts as the best step.
struct THP_Step {
    int Highest_Roll;
    int Damage;
};

template <std::size_t Count> int Step_Damage(const THP_Step (&steps)[Count], int r) {
    for (const THP_Step& step : steps)
        if (r <= step.Highest_Roll)
            return step.Damage;
    return steps[Count - 1].Damage;
}

std::string Held_Line(int hp, int divisor) {
    return hp > 0 ? Damage_Text(hp, divisor) : std::to_string(hp) + " hp";
}

template <class Line> TRoll_Result Roll_Block(TOutput_File& output, const char* heading, Line line) {
    return Roll_Lines(output, heading, Lines_Per_Block,
                      [&line](TResult_Lines& lines) { lines.Add(line(Percentile())); });
}

} // namespace

const TArray<TSave_Row, 1, Material_Count> Item_Saves{{
    TSave_Row{{40, 20, 50, D, 55, 85, 90, 95}},  // Bone/ivory
    TSave_Row{{90, 10, 40, 5, 85, 90, 75, 95}},  // Ceramic
    TSave_Row{{40, 80, 85, D, 20, 35, 95, 95}},  // Cloth
    TSave_Row{{60, N, 25, N, 65, 80, 70, 95}},   // Glass/crystal
    TSave_Row{{50, 65, 90, D, 70, 80, 85, 95}},  // Leather
    TSave_Row{{25, 99, 99, D, 30, 35, 40, 25}},  // Liquid
    TSave_Row{{65, 14, 90, 15, 90, 95, 95, 95}}, // Metal, hard
    TSave_Row{{35, 30, 55, 5, 35, 75, 95, 95}},  // Metal, soft
    TSave_Row{{20, 45, 80, D, D, 10, 90, 95}},   // Paper
    TSave_Row{{50, 60, 80, 15, 5, 25, 99, 80}},  // Polymer
    TSave_Row{{65, 15, 75, 10, 85, 90, 95, 90}}, // Stone/gem
    TSave_Row{{55, 35, 70, D, 45, 55, 95, 95}},  // Wood/rope
    TSave_Row{{60, 50, 85, 5, 65, 75, 95, 95}},  // Other
}};

TItem_Vs_Effect::TItem_Vs_Effect() {
    constexpr int ceramic = 2, severe_blow = 2, disintegrate = 4;
    for (int column = 1; column <= Attack_Form_Count; ++column)
        Results[0][column] = Attack_Forms[column];
    for (int row = 1; row <= Material_Count; ++row) {
        Results[row][0] = Materials[row];
        for (int column = 1; column <= Attack_Form_Count; ++column)
            if (Item_Saves[row][column] == Always_Destroyed)
                Results[row][column] = "Destroyed";
    }
    Results[ceramic][severe_blow] = "Destroyed";
    Results[ceramic][disintegrate] = "Destroyed";
}

// The cells are rolled material by material, each row from left to right.
void TItem_Vs_Effect::Roll() {
    const int roll = Percentile() + 1;
    for (int row = 1; row <= Material_Count; ++row)
        for (int column = 1; column <= Attack_Form_Count; ++column) {
            const int save = Item_Saves[row][column];
            if (save < 1)
                continue;
            if (roll < save)
                Results[row][column] = "Safe";
            else
                Results[row][column] = Percentile() > save ? "Destroyed" : "Damaged";
        }
}

const TArray<TShip_Attack_Row, -Captain_Difference_Limit, Captain_Difference_Limit> Ship_Attack = [] {
    TArray<TShip_Attack_Row, -Captain_Difference_Limit, Captain_Difference_Limit> table;
    for (int c = -Captain_Difference_Limit; c <= Captain_Difference_Limit; ++c)
        for (int m = -Maneuver_Difference_Limit; m <= Maneuver_Difference_Limit; ++m)
            table[c][m] = std::max(10 - c - m, 1);
    return table;
}();

int Maneuver_Rating(int tonage, int power) {
    return power / std::max(tonage, 1);
}

std::string Ship_Attack_Result(const TShip& attacker, const TShip& target, TTable& tables) {
    const int attacker_mr = attacker.Not_Moving ? 0 : attacker.MR;
    const int target_mr = target.Not_Moving ? 0 : target.MR;
    const int c = Clamp(std::int64_t{attacker.Captain} - target.Captain, Captain_Difference_Limit);
    const int m = Clamp(std::int64_t{attacker_mr} - target_mr, Maneuver_Difference_Limit);
    if (Random(20) < Ship_Attack[c][m])
        return "Hit: " + tables.Generate_Entry(Ship_Hit_Table, Table_File_Name);
    return "Miss";
}

std::string Pummeling_Line(int r, int bonus) {
    struct TBlow {
        int Highest_Roll;
        const char* Text;
        int Damage; // added to the bonus; 0 for a blow that does none
    };
    static constexpr TBlow blows[] = {
        {0, "Severe blow.  Opponent stunned 1 round.", 10},
        {20, "Ineffective, get second attempt", 0},
        {40, "Glancing blow", 2},
        {60, "Glancing blow, get second attempt", 4},
        {80, "Solid punch", 6},
        {99, "Solid punch, get second attempt", 8},
    };
    const TBlow* blow = std::find_if(std::begin(blows), std::end(blows) - 1,
                                     [r](const TBlow& b) { return r <= b.Highest_Roll; });
    const int hp = blow->Damage == 0 ? 0 : Checked_Add(bonus, blow->Damage);
    return hp > 0 ? std::string(blow->Text) + "  " + Damage_Text(hp, 4) : std::string(blow->Text);
}

std::string Grappling_Line(int r, int bonus) {
    static constexpr THP_Step steps[] = {{0, 6},  {20, 0}, {40, 1}, {55, 2},
                                         {70, 3}, {85, 4}, {95, 5}, {99, 6}};
    const int step = Step_Damage(steps, r);
    return Held_Line(step == 0 ? 0 : Checked_Add(bonus, step), 4);
}

std::string Overbearing_Line(int r, int bonus) {
    static constexpr THP_Step steps[] = {{0, 5}, {20, 0}, {40, 1}, {60, 2}, {80, 3}, {90, 4}, {99, 5}};
    const int step = Step_Damage(steps, r);
    return Held_Line(step == 0 ? 0 : Checked_Add(bonus, step), 2);
}

TNonlethal_Results Roll_Nonlethal(TOutput_File& output, int bonus) {
    TNonlethal_Results results;
    results.Pummeling = Roll_Block(output, "Pummeling", [bonus](int r) { return Pummeling_Line(r, bonus); });
    results.Grappling = Roll_Block(output, "Grappling", [bonus](int r) { return Grappling_Line(r, bonus); });
    results.Overbearing =
        Roll_Block(output, "Overbearing", [bonus](int r) { return Overbearing_Line(r, bonus); });
    return results;
}

} // namespace Vexlor
