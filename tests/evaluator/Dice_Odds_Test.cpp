#include "evaluator/Dice_Odds.h"

#include "evaluator/Express.h"

#include <gtest/gtest.h>

#include <cmath>

namespace Vexlor {
namespace {

struct TSum_Case {
    const char* Formula;
    long long Minimum;
    long long Maximum;
};

void PrintTo(const TSum_Case& c, std::ostream* os) {
    *os << '"' << c.Formula << '"';
}

class Dice_Sum : public testing::TestWithParam<TSum_Case> {};

TEST_P(Dice_Sum, Spans_What_The_Evaluator_Rolls) {
    const auto sum = Read_Dice_Sum(GetParam().Formula);
    ASSERT_TRUE(sum.has_value());
    EXPECT_EQ(sum->Minimum(), GetParam().Minimum);
    EXPECT_EQ(sum->Maximum(), GetParam().Maximum);
    for (int roll = 0; roll < 50; ++roll) {
        long double value = 0, imaginary = 0;
        int position = 0, error = 0;
        Eval(GetParam().Formula, value, imaginary, position, error);
        EXPECT_EQ(error, 0);
        EXPECT_GE(value, sum->Minimum());
        EXPECT_LE(value, sum->Maximum());
    }
}

INSTANTIATE_TEST_SUITE_P(Formulas, Dice_Sum,
                         testing::Values(TSum_Case{"3D6+2", 5, 20}, TSum_Case{"3d6+2", 5, 20},
                                         TSum_Case{"2D10-1D4", -2, 19}, TSum_Case{"-1D6", -6, -1},
                                         TSum_Case{"--1D6", 1, 6}, TSum_Case{"1D6+-2", -1, 4},
                                         TSum_Case{"2D1+3", 5, 5}, TSum_Case{"2D0", 2, 2},
                                         TSum_Case{"0D6+1", 1, 1}, TSum_Case{"42", 42, 42},
                                         TSum_Case{"1000000D2", 1000000, 2000000}));

TEST(Dice_Sum, Anything_But_Dice_And_Whole_Numbers_Is_Left_To_Sampling) {
    for (const char* formula : {"", "2D6*2", "(1D6)", "1D6D6", "1.5D6", "D6", "1D", "1D6+", "1 D6", "2D-6",
                                "RND(6)", "1000001D2", "500000D6+500001D6", "1D3000000000"})
        EXPECT_FALSE(Read_Dice_Sum(formula).has_value()) << formula;
}

TEST(Exact_Odds, Two_Dice_Rise_To_Seven_And_Fall_Again) {
    const auto odds = Exact_Odds(*Read_Dice_Sum("2D6"));
    ASSERT_TRUE(odds.has_value());
    EXPECT_TRUE(odds->Exact);
    ASSERT_EQ(odds->Values.size(), 11u);
    for (long long total = 2; total <= 12; ++total)
        EXPECT_NEAR(odds->Chance(total), (6 - std::llabs(total - 7)) / 36.0, 1e-15) << total;
    EXPECT_NEAR(odds->Chance_At_Least(2), 1.0, 1e-15);
    EXPECT_NEAR(odds->Chance_At_Least(11), 3 / 36.0, 1e-15);
    EXPECT_EQ(odds->Chance(13), 0.0);
    EXPECT_EQ(odds->Chance_At_Least(13), 0.0);
}

TEST(Exact_Odds, Three_Dice_And_Two_Average_Twelve_And_A_Half) {
    const auto odds = Exact_Odds(*Read_Dice_Sum("3D6+2"));
    ASSERT_TRUE(odds.has_value());
    EXPECT_EQ(odds->Minimum(), 5);
    EXPECT_EQ(odds->Maximum(), 20);
    EXPECT_NEAR(odds->Mean, 12.5, 1e-12);
    EXPECT_NEAR(odds->Standard_Deviation, std::sqrt(3 * 35 / 12.0), 1e-12);
    EXPECT_NEAR(odds->Chance(5), 1 / 216.0, 1e-15);
    EXPECT_NEAR(odds->Chance(12), 27 / 216.0, 1e-15);
}

TEST(Exact_Odds, Dice_Taken_Away_Mirror_Their_Faces) {
    const auto minus_one = Exact_Odds(*Read_Dice_Sum("-1D6"));
    ASSERT_TRUE(minus_one.has_value());
    ASSERT_EQ(minus_one->Values.size(), 6u);
    for (long long face = -6; face <= -1; ++face)
        EXPECT_NEAR(minus_one->Chance(face), 1 / 6.0, 1e-15) << face;
    const auto difference = Exact_Odds(*Read_Dice_Sum("2D10-1D4"));
    ASSERT_TRUE(difference.has_value());
    EXPECT_NEAR(difference->Chance(-2), 1 / 400.0, 1e-15);
    EXPECT_NEAR(difference->Chance(19), 1 / 400.0, 1e-15);
    EXPECT_NEAR(difference->Mean, 11 - 2.5, 1e-12);
}

// Far tails keep their own small chances instead of the rounding left of larger ones.
TEST(Exact_Odds, Hundred_Dice_Keep_Their_Tails) {
    const auto odds = Exact_Odds(*Read_Dice_Sum("100D6"));
    ASSERT_TRUE(odds.has_value());
    EXPECT_NEAR(odds->Chance(100) / std::pow(6.0, -100), 1.0, 1e-9);
    EXPECT_NEAR(odds->Chance_At_Least(600) / std::pow(6.0, -100), 1.0, 1e-9);
    EXPECT_NEAR(odds->Mean, 350, 1e-9);
}

TEST(Exact_Odds, Too_Many_Dice_To_Work_Out_Are_Refused) {
    EXPECT_FALSE(Exact_Odds(*Read_Dice_Sum("100000D100")).has_value());
    EXPECT_TRUE(Exact_Odds(*Read_Dice_Sum("1000000D1+5")).has_value()); // a constant
    // One huge die: few multiplications, but a list of values too long to hold.
    EXPECT_TRUE(Exact_Odds(*Read_Dice_Sum("1D999999")).has_value());
    EXPECT_FALSE(Exact_Odds(*Read_Dice_Sum("1D100000000")).has_value());
}

// Twice one die: mean 7, standard deviation 2 * 1.7078; the sample mean lies within five
// standard errors of 7 but for a chance of about one in two million.
TEST(Sampled_Odds, Mean_Lies_Within_Its_Expected_Error) {
    const TDice_Odds odds = Formula_Odds("(1D6)*2");
    EXPECT_FALSE(odds.Exact);
    ASSERT_GT(odds.Samples, 1000);
    EXPECT_EQ(odds.Failures, 0);
    const double standard_error = 2 * std::sqrt(35 / 12.0) / std::sqrt(odds.Samples);
    EXPECT_NEAR(odds.Mean, 7.0, 5 * standard_error);
    EXPECT_NEAR(odds.Standard_Deviation, 2 * std::sqrt(35 / 12.0), 0.05);
    ASSERT_EQ(odds.Values.size(), 6u);
    EXPECT_EQ(odds.Minimum(), 2);
    EXPECT_EQ(odds.Maximum(), 12);
    EXPECT_NEAR(odds.Chance_At_Least(2), 1.0, 1e-12);
}

TEST(Sampled_Odds, Failed_Evaluations_Count_Apart) {
    const TDice_Odds sometimes = Sampled_Odds("1/(1D2-1)", 2000);
    EXPECT_EQ(sometimes.Samples, 2000);
    EXPECT_GT(sometimes.Failures, 800);
    EXPECT_LT(sometimes.Failures, 1200);
    EXPECT_EQ(sometimes.Last_Error, 5);
    ASSERT_EQ(sometimes.Values.size(), 1u);
    EXPECT_DOUBLE_EQ(sometimes.Chance(1), 1.0);
    const TDice_Odds never = Sampled_Odds("(1D6", 10);
    EXPECT_EQ(never.Failures, 10);
    EXPECT_EQ(never.Last_Error, 13);
    EXPECT_TRUE(never.Values.empty());
}

// The whole part towards zero, as the dice box and the tables take a value.
TEST(Sampled_Odds, Values_Are_Whole_Parts) {
    const TDice_Odds odds = Sampled_Odds("0-1D2/2", 500);
    EXPECT_EQ(odds.Minimum(), -1);
    EXPECT_EQ(odds.Maximum(), 0);
}

} // namespace
} // namespace Vexlor
