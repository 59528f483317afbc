// The words in which a QID plan or a compound plan is shown to the players: its duration as the
// plan's help window and the character sheet write it, and the lines of the help window, which the
// character wizard and the inventory open.
#pragma once

#include "foundations/Dice.h"

#include <string>

namespace Vexlor {

class TQID_Plan;
class TCompound_Plan;

// A duration range and a per-level duration range as one text: "Instantaneous" when both are
// nothing, else the base ("5" or "2-8") and, when both bounds of the per-level range are set,
// " + " and that range with "/level"; a base of nothing is left out before a per-level range.
std::string Duration_Text(const TRange& duration, const TRange& per_level);
// A permanent QID lasts for good ("Permanent"); its duration ranges are not used.
std::string Duration_Text(const TQID_Plan& plan);
std::string Duration_Text(const TCompound_Plan& plan);

// What the help window of a plan shows.
struct TPlan_Help {
    std::string Caption; // the plan's name
    std::string Level;
    std::string Activation_Time; // empty for a compound: the line is hidden
    std::string Duration;
    std::string Description;
};

TPlan_Help QID_Help(const TQID_Plan& plan);
TPlan_Help Compound_Help(const TCompound_Plan& plan);

} // namespace Vexlor
