// The maths functions on their own, and the reading of literals.
#include "evaluator/Literals.h"
#include "evaluator/Maths.h"

#include <gtest/gtest.h>

#include <cmath>

namespace Vexlor {
namespace {

TEST(Power, Values_And_Errors) {
    struct TCase {
        double X, Y, Value;
        int Error;
    };
    const TCase cases[] = {{0, 0, 0, 0},     {0, -3, 0, 0},        {5, 0, 1, 0},      {2, 10, 1024, 0},
                           {-2, 3, -8, 0},   {10, -2, 0.01, 0},    {10, 28, 1e28, 0}, {10, 29, 0, 7},
                           {2, 32768, 0, 7}, {-8, 1.0 / 3, 0, 11}, {10, 38.5, 0, 12}, {9, 0.5, 3, 0}};
    for (const TCase& c : cases) {
        int error = -1;
        const double value = Power(c.X, c.Y, error);
        EXPECT_EQ(error, c.Error) << c.X << "^" << c.Y;
        if (c.Error == 0) {
            EXPECT_DOUBLE_EQ(value, c.Value) << c.X << "^" << c.Y;
        }
    }
}

TEST(Pwr, Gives_1_Once_An_Error_Is_Set) {
    int error = 7;
    EXPECT_EQ(Pwr(3, 4, error), 1);
    error = 0;
    EXPECT_EQ(Pwr(3, 4, error), 81);
}

TEST(Factorial, Values) {
    EXPECT_EQ(Factorial(5), 120);
    EXPECT_EQ(Factorial(3.5L), 13.125L);
    EXPECT_EQ(Factorial(2), 2);
    EXPECT_EQ(Factorial(1), 1);
    EXPECT_EQ(Factorial(0), 1);
    EXPECT_EQ(Factorial(0.5L), 0.5L);
    EXPECT_EQ(Factorial(-3), -3);
    EXPECT_FALSE(std::isfinite(Factorial(1e30L)));
}

TEST(Root, Bisects_From_1) {
    EXPECT_EQ(Root(27, 3), 3);
    EXPECT_EQ(Root(0.25L, 2), 1);
    EXPECT_EQ(Root(-8, 3), 1);
    EXPECT_NEAR(static_cast<double>(Root(2, 2)), std::sqrt(2.0), 1e-15);
    EXPECT_NEAR(static_cast<double>(Root(1e300L, 100)), 1e3, 1e-9);
}

TEST(Literals, Recognise_The_Longest_Number_At_The_Start) {
    struct TCase {
        const char* Text;
        std::size_t Length;
    };
    const TCase cases[] = {{"12", 2},  {"12.5", 4}, {"0.", 2},    {".", 0},    {"2D6", 1}, {"1E", 1},
                           {"1E-", 1}, {"1E-5", 4}, {"1E+5X", 4}, {"-3.5", 4}, {"E5", 0},  {"", 0}};
    for (const TCase& c : cases)
        EXPECT_EQ(Real_Prefix_Length(c.Text), c.Length) << c.Text;
    long double value = 0;
    EXPECT_FALSE(Text_To_Real("1E99999", value));
    EXPECT_TRUE(Text_To_Real("1E-99999", value));
    EXPECT_EQ(value, 0);
    EXPECT_TRUE(Text_To_Real("12.5E-3", value));
    EXPECT_EQ(value, 0.0125L);
}

} // namespace
} // namespace Vexlor
