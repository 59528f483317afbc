#include "Dice_Odds.h"

#include "evaluator/Express.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>

namespace Vexlor {
namespace {

// Whole numbers read beyond this are left to the evaluator.
constexpr long long Largest_Number = 1'000'000'000'000'000LL;
// Multiplications worked out for one exact distribution: 100D100 takes about half of them.
constexpr double Most_Exact_Work = 1e8;
// Values one exact distribution holds: a single die of a hundred million sides would otherwise
// take gigabytes to list, for a chart of a few dozen bars.
constexpr double Most_Exact_Values = 1e6;
constexpr auto Longest_Sampling = std::chrono::seconds(2);
// Whole parts beyond this do not fit the whole numbers the tools take; such values count as failures.
constexpr long double Largest_Value = 9.2e18L;

bool Is_Digit(char c) {
    return c >= '0' && c <= '9';
}

// The digits at position, as a number up to limit; nothing when there is no digit or it is larger.
std::optional<long long> Read_Number(std::string_view text, std::size_t& position, long long limit) {
    const std::size_t start = position;
    long long value = 0;
    while (position < text.size() && Is_Digit(text[position])) {
        value = value * 10 + (text[position] - '0');
        if (value > limit)
            return std::nullopt;
        ++position;
    }
    if (position == start)
        return std::nullopt;
    return value;
}

// A distribution kept as the chance of each value from Low upwards.
struct TDense {
    long long Low = 0;
    std::vector<double> Chance{1.0};

    // Adds one die whose faces are the sides consecutive values from first.
    void Add_Uniform(long long first, long long sides) {
        const std::size_t faces = static_cast<std::size_t>(sides);
        std::vector<double> next(Chance.size() + faces - 1, 0.0);
        const double share = 1.0 / static_cast<double>(sides);
        for (std::size_t from = 0; from < Chance.size(); ++from) {
            const double part = Chance[from] * share;
            double* to = next.data() + from;
            for (std::size_t face = 0; face < faces; ++face)
                to[face] += part;
        }
        Chance = std::move(next);
        Low += first;
    }
};

void Set_Moments(TDice_Odds& odds) {
    if (odds.Values.empty())
        return;
    // Measured from the lowest value, so that large constants lose no precision.
    const long long base = odds.Values.front().Value;
    long double mean = 0;
    for (const TOdds_Value& value : odds.Values)
        mean += static_cast<long double>(value.Value - base) * value.Chance;
    long double variance = 0;
    for (const TOdds_Value& value : odds.Values) {
        const long double away = static_cast<long double>(value.Value - base) - mean;
        variance += away * away * value.Chance;
    }
    odds.Mean = static_cast<double>(base + mean);
    odds.Standard_Deviation = static_cast<double>(std::sqrt(variance));
}

// At_Least from the top down, so that the smallest chances are added first.
void Set_At_Least(TDice_Odds& odds) {
    double above = 0;
    for (auto value = odds.Values.rbegin(); value != odds.Values.rend(); ++value) {
        above += value->Chance;
        value->At_Least = std::min(above, 1.0);
    }
}

} // namespace

long long TDice_Sum::Minimum() const {
    long long lowest = Constant;
    for (const TDice& dice : Dice)
        lowest += dice.Count > 0 ? dice.Count : dice.Count * dice.Sides;
    return lowest;
}

long long TDice_Sum::Maximum() const {
    long long highest = Constant;
    for (const TDice& dice : Dice)
        highest += dice.Count > 0 ? dice.Count * dice.Sides : dice.Count;
    return highest;
}

std::optional<TDice_Sum> Read_Dice_Sum(std::string_view formula) {
    if (formula.size() > TExpression_Evaluator::Longest_Formula)
        return std::nullopt;
    TDice_Sum sum;
    long long dice_rolled = 0;
    std::size_t position = 0;
    do {
        // A binary + or - and any signs of the operand after it: the evaluator gives the same
        // value for -(N dice) and (-N) dice.
        bool negative = false;
        while (position < formula.size() && (formula[position] == '+' || formula[position] == '-')) {
            negative = negative != (formula[position] == '-');
            ++position;
        }
        const auto number = Read_Number(formula, position, Largest_Number);
        if (!number)
            return std::nullopt;
        const long long sign = negative ? -1 : 1;
        if (position == formula.size() || (formula[position] != 'D' && formula[position] != 'd')) {
            sum.Constant += sign * *number;
            continue;
        }
        ++position;
        const auto sides = Read_Number(formula, position, INT_MAX);
        if (!sides)
            return std::nullopt;
        dice_rolled += *number;
        if (dice_rolled > TExpression_Evaluator::Most_Dice)
            return std::nullopt;
        if (*sides < 2)
            sum.Constant += sign * *number;
        else if (*number > 0)
            sum.Dice.push_back({sign * *number, *sides});
    } while (position < formula.size() && (formula[position] == '+' || formula[position] == '-'));
    if (position != formula.size())
        return std::nullopt;
    return sum;
}

double TDice_Odds::Chance(long long value) const {
    const auto found = std::lower_bound(Values.begin(), Values.end(), value,
                                        [](const TOdds_Value& odds, long long v) { return odds.Value < v; });
    return found != Values.end() && found->Value == value ? found->Chance : 0.0;
}

double TDice_Odds::Chance_At_Least(long long value) const {
    const auto found = std::lower_bound(Values.begin(), Values.end(), value,
                                        [](const TOdds_Value& odds, long long v) { return odds.Value < v; });
    return found != Values.end() ? found->At_Least : 0.0;
}

std::optional<TDice_Odds> Exact_Odds(const TDice_Sum& sum) {
    double work = 0;
    double size = 1;
    for (const TDice_Sum::TDice& dice : sum.Dice) {
        const double count = static_cast<double>(std::llabs(dice.Count));
        const double sides = static_cast<double>(dice.Sides);
        // Each die costs the size so far times its sides, and the size grows by sides - 1 a die.
        work += sides * (count * size + (sides - 1) * count * (count - 1) / 2);
        size += count * (sides - 1);
        if (work > Most_Exact_Work || size > Most_Exact_Values)
            return std::nullopt;
    }
    TDense dense;
    dense.Low = sum.Constant;
    for (const TDice_Sum::TDice& dice : sum.Dice)
        for (long long die = 0; die < std::llabs(dice.Count); ++die)
            dense.Add_Uniform(dice.Count > 0 ? 1 : -dice.Sides, dice.Sides);
    TDice_Odds odds;
    odds.Exact = true;
    odds.Values.reserve(dense.Chance.size());
    for (std::size_t i = 0; i < dense.Chance.size(); ++i)
        odds.Values.push_back({dense.Low + static_cast<long long>(i), dense.Chance[i], 0.0});
    Set_At_Least(odds);
    Set_Moments(odds);
    return odds;
}

TDice_Odds Sampled_Odds(const std::string& formula, int samples) {
    TDice_Odds odds;
    TExpression_Evaluator evaluator;
    std::vector<long long> drawn;
    drawn.reserve(static_cast<std::size_t>(std::max(samples, 0)));
    const auto deadline = std::chrono::steady_clock::now() + Longest_Sampling;
    for (; odds.Samples < samples; ++odds.Samples) {
        if (odds.Samples % 256 == 255 && std::chrono::steady_clock::now() > deadline)
            break;
        const bool evaluated = evaluator.Evaluate(formula);
        const long double value = evaluator.Get_Result();
        if (evaluated && std::fabs(value) < Largest_Value) {
            drawn.push_back(static_cast<long long>(value));
        } else {
            ++odds.Failures;
            odds.Last_Error = evaluated ? Error_Floating_point_error : evaluator.Last_Error();
        }
    }
    std::sort(drawn.begin(), drawn.end());
    for (auto run = drawn.begin(); run != drawn.end();) {
        const auto end = std::upper_bound(run, drawn.end(), *run);
        odds.Values.push_back(
            {*run, static_cast<double>(end - run) / static_cast<double>(drawn.size()), 0.0});
        run = end;
    }
    Set_At_Least(odds);
    Set_Moments(odds);
    return odds;
}

TDice_Odds Formula_Odds(const std::string& formula) {
    if (const auto sum = Read_Dice_Sum(formula))
        if (auto odds = Exact_Odds(*sum))
            return std::move(*odds);
    return Sampled_Odds(formula);
}

} // namespace Vexlor
