// The Dice tab's "Odds": the chances of the formula in the dice box as the bars of a chart, with
// the figures shown beside it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace Vexlor {

struct TOdds_Bar {
    std::string Label;   // "12", or "10-12" for a bar of several values
    double Exactly = 0;  // the chance of a value of the bar
    double At_Least = 0; // the chance of the bar's lowest value or more
};

struct TOdds_Report {
    std::vector<TOdds_Bar> Bars; // ascending
    // How the odds were found, minimum, maximum, mean, standard deviation, and what the bars leave
    // out; or, when the formula never evaluates, why.
    std::vector<std::string> Figures;
    // A heading, then one line a bar: its label, the chance of exactly it and of at least it,
    // joined by tabs.
    std::vector<std::string> Value_Lines;
};

// Bars shown at most: more values than this are grouped, and values in the far tails, together
// less than one in two thousand, are left out of the bars.
inline constexpr std::size_t Most_Odds_Bars = 48;

// The odds of formula, written as "Roll" rolls it (upper case, no blanks).
TOdds_Report Odds_Report(const std::string& formula);

// What the figures list shows: the figures, then, after an empty line, the line of each bar.
std::vector<std::string> Odds_Lines(const TOdds_Report& report);

// A chance as a percentage with at most two decimals: "11.57%", "100%", "<0.01%".
std::string Percent_Text(double chance);

} // namespace Vexlor
