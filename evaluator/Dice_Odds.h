// The odds of a formula: how likely each whole value is, as the dice box and the random tables
// take a formula's value (its whole part). Dice and whole numbers joined by + and - are worked out
// exactly, die by die; any other formula is sampled through the evaluator.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Vexlor {

// Dice and whole numbers joined by + and -, such as 3D6+2, 2D10-1D4 or -1D6, read as the evaluator
// reads them: a count below zero rolls that many dice and takes their sum away, a die of fewer
// than two sides always shows 1.
struct TDice_Sum {
    struct TDice {
        long long Count = 0; // below zero: the dice are taken away
        long long Sides = 0; // at least 2
    };
    std::vector<TDice> Dice;
    long long Constant = 0; // the whole numbers, and the dice that always show 1

    long long Minimum() const;
    long long Maximum() const;
};

// The formula as a dice sum; nothing when it is anything else (brackets, other operators, blanks,
// fractions) or when the evaluator would refuse it (more dice than it rolls in one evaluation).
std::optional<TDice_Sum> Read_Dice_Sum(std::string_view formula);

struct TOdds_Value {
    long long Value = 0;
    double Chance = 0;   // of exactly this value
    double At_Least = 0; // of this value or more
};

struct TDice_Odds {
    bool Exact = false;
    int Samples = 0;    // evaluations drawn for a sampled distribution; 0 when exact
    int Failures = 0;   // of those, evaluations that failed; they count towards no value
    int Last_Error = 0; // the evaluator's error code of the last failure
    // Ascending: every value the formula can give (exact) or gave (sampled).
    std::vector<TOdds_Value> Values;
    double Mean = 0;
    double Standard_Deviation = 0;

    long long Minimum() const { return Values.empty() ? 0 : Values.front().Value; }
    long long Maximum() const { return Values.empty() ? 0 : Values.back().Value; }
    double Chance(long long value) const;
    double Chance_At_Least(long long value) const;
};

// Evaluations drawn when a formula is sampled.
inline constexpr int Odds_Samples = 100'000;

// The exact distribution of a dice sum; nothing when working it out would take more than a
// moment (tens of thousands of dice) or it would hold more than a million values (1D2000000).
std::optional<TDice_Odds> Exact_Odds(const TDice_Sum& sum);

// The distribution of samples evaluations of formula. Sampling stops early, with fewer samples,
// when the evaluations take more than a couple of seconds (a formula rolling a million dice).
TDice_Odds Sampled_Odds(const std::string& formula, int samples = Odds_Samples);

// Exact when the formula is a dice sum that can be worked out, sampled otherwise.
TDice_Odds Formula_Odds(const std::string& formula);

} // namespace Vexlor
