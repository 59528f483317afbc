#include "Odds_Report.h"

#include "evaluator/Dice_Odds.h"
#include "evaluator/Express.h"
#include "foundations/CommonUt.h"

#include <cmath>

namespace Vexlor {
namespace {

// The far tails left out of the bars, each at most this likely.
constexpr double Tail = 0.00025;

std::string Hundredths(double value) {
    return Num1(std::round(value * 100) / 100);
}

std::string Grouped(long long number) {
    std::string digits = std::to_string(number);
    for (auto at = static_cast<long long>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return digits;
}

std::string How_Found(const std::string& formula, const TDice_Odds& odds) {
    if (odds.Exact)
        return formula + ": exact odds";
    std::string how = formula + ": sampled from " + Grouped(odds.Samples) + " rolls";
    if (odds.Failures > 0)
        how += ", " + Grouped(odds.Failures) + " of them failed";
    return how;
}

// The values the bars show: all of them, or, when there are more than the bars hold, all but the
// far tails.
void Shown_Values(const std::vector<TOdds_Value>& values, std::size_t& first, std::size_t& last) {
    first = 0;
    last = values.size() - 1;
    if (values.size() <= Most_Odds_Bars)
        return;
    for (double below = values[first].Chance; below <= Tail && first < last; below += values[first].Chance)
        ++first;
    for (double above = values[last].Chance; above <= Tail && last > first; above += values[last].Chance)
        --last;
}

} // namespace

std::vector<std::string> Odds_Lines(const TOdds_Report& report) {
    std::vector<std::string> lines = report.Figures;
    if (!report.Value_Lines.empty())
        lines.emplace_back();
    lines.insert(lines.end(), report.Value_Lines.begin(), report.Value_Lines.end());
    return lines;
}

std::string Percent_Text(double chance) {
    if (chance > 0 && chance < 0.00005)
        return "<0.01%";
    return Hundredths(chance * 100) + "%";
}

TOdds_Report Odds_Report(const std::string& formula) {
    const TDice_Odds odds = Formula_Odds(formula);
    TOdds_Report report;
    if (odds.Values.empty()) {
        const std::string reason = EERT(odds.Last_Error);
        report.Figures.push_back(formula + " does not evaluate" +
                                 (reason.empty() ? "" : " (" + reason + ")"));
        return report;
    }
    report.Figures = {How_Found(formula, odds), "Minimum " + std::to_string(odds.Minimum()),
                      "Maximum " + std::to_string(odds.Maximum()), "Mean " + Hundredths(odds.Mean),
                      "Standard deviation " + Hundredths(odds.Standard_Deviation)};
    std::size_t first, last;
    Shown_Values(odds.Values, first, last);
    const long long low = odds.Values[first].Value;
    const long long high = odds.Values[last].Value;
    // Counted without sign, so that values far apart on both sides of zero never overflow.
    const unsigned long long span =
        static_cast<unsigned long long>(high) - static_cast<unsigned long long>(low);
    const unsigned long long width = span / Most_Odds_Bars + 1;
    if (first > 0 || last + 1 < odds.Values.size())
        report.Figures.push_back("The bars show " + std::to_string(low) + " to " + std::to_string(high) +
                                 "; all other values together: under " + Percent_Text(2 * Tail));
    if (width > 1)
        report.Figures.push_back("Each bar holds " + std::to_string(width) + " values");
    report.Value_Lines.push_back("Value\tExactly\tAt least");
    std::size_t value = first;
    for (unsigned long long offset = 0;; offset += width) {
        const bool final_bar = span - offset < width;
        const auto bar_low = static_cast<long long>(static_cast<unsigned long long>(low) + offset);
        const long long bar_high =
            final_bar ? high : static_cast<long long>(static_cast<unsigned long long>(bar_low) + width - 1);
        TOdds_Bar bar;
        bar.Label = bar_low == bar_high ? std::to_string(bar_low)
                                        : std::to_string(bar_low) + "-" + std::to_string(bar_high);
        bar.At_Least = odds.Chance_At_Least(bar_low);
        for (; value <= last && odds.Values[value].Value <= bar_high; ++value)
            bar.Exactly += odds.Values[value].Chance;
        report.Value_Lines.push_back(bar.Label + "\t" + Percent_Text(bar.Exactly) + "\t" +
                                     Percent_Text(bar.At_Least));
        report.Bars.push_back(std::move(bar));
        if (final_bar)
            break;
    }
    return report;
}

} // namespace Vexlor
