// Dice and RND with the random source scripted, so every roll is known.
#include "evaluator/Express.h"

#include "foundations/Random.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace Vexlor {
namespace {

long double Value_Of(const std::string& text, int* error = nullptr) {
    long double value = 0, imaginary = 0;
    int position = 0, code = 0;
    Eval(text, value, imaginary, position, code);
    if (error != nullptr)
        *error = code;
    else
        EXPECT_EQ(code, 0) << text;
    return value;
}

struct TDice_Case {
    const char* Text;
    std::vector<int> Draws;
    long double Value;
    std::vector<int> Sides_Asked; // the n of every Random(n) drawn
};

void PrintTo(const TDice_Case& c, std::ostream* os) {
    *os << '"' << c.Text << '"';
}

class Dice : public testing::TestWithParam<TDice_Case> {};

TEST_P(Dice, Roll_As_Scripted) {
    const TDice_Case& c = GetParam();
    TScripted_Random draws(c.Draws);
    TRandom_Override scripted(draws);
    EXPECT_EQ(Value_Of(c.Text), c.Value);
    EXPECT_EQ(draws.Requests(), c.Sides_Asked);
    EXPECT_EQ(draws.Remaining(), 0U);
}

INSTANTIATE_TEST_SUITE_P(
    Rolls, Dice,
    testing::Values(TDice_Case{"3D6", {5, 5, 5}, 18, {6, 6, 6}}, TDice_Case{"3d6", {0, 0, 0}, 3, {6, 6, 6}},
                    TDice_Case{"3D6+2", {0, 1, 2}, 8, {6, 6, 6}},
                    TDice_Case{"2.5D6", {0, 1, 2}, 6, {6, 6, 6}}, TDice_Case{"0D6", {}, 0, {}},
                    TDice_Case{"2D6", {0, 5}, 7, {6, 6}}, TDice_Case{"-2D6", {0, 5}, -7, {6, 6}},
                    TDice_Case{"(-2)D6", {0, 5}, -7, {6, 6}}, TDice_Case{"-2.5D6", {0, 1, 2}, -6, {6, 6, 6}},
                    TDice_Case{"10-1D6", {3}, 6, {6}}, TDice_Case{"-1D2*3", {1}, -6, {2}},
                    TDice_Case{"2D1", {}, 2, {}}, TDice_Case{"2D0", {}, 2, {}}, TDice_Case{"2D-6", {}, 2, {}},
                    TDice_Case{"1D6.9", {5}, 6, {6}}, TDice_Case{"2D(1D4+2)", {3, 5, 0}, 7, {4, 6, 6}},
                    TDice_Case{"(1D4+1)*10%", {2}, 0.4L, {4}},
                    TDice_Case{"1D1000000000", {999999999}, 1e9L, {1000000000}},
                    TDice_Case{"RND(10)", {7}, 7, {10}}, TDice_Case{"RND(1)", {}, 0, {}},
                    TDice_Case{"RND(-5)", {}, 0, {}}, TDice_Case{"(1D1+1) MIN 3", {}, 2, {}},
                    TDice_Case{"(1D1+1) MAX 3", {}, 3, {}}, TDice_Case{"3 MIN 1D6", {5}, 3, {6}},
                    TDice_Case{"1D1+", {}, 1, {}}));

TEST(Dice_Roll, D6_Without_A_Count_Is_No_Formula) {
    int error = 0;
    Value_Of("D6", &error);
    EXPECT_EQ(error, 2);
}

// "-1D6" is minus one die, whether or not the die is written in brackets.
TEST(Dice_Roll, Minus_One_Die_Shows_Each_Face_Negated) {
    std::vector<int> faces;
    for (int i = 0; i < 1000; ++i)
        faces.push_back((i * 7 + i / 6) % 6);
    for (const char* text : {"-1D6", "-(1D6)", "-1d6"}) {
        TScripted_Random draws(faces);
        TRandom_Override scripted(draws);
        std::set<long double> seen;
        for (const int face : faces) {
            const long double total = Value_Of(text);
            EXPECT_EQ(total, -(face + 1)) << text;
            seen.insert(total);
        }
        EXPECT_EQ(seen, (std::set<long double>{-6, -5, -4, -3, -2, -1})) << text;
    }
}

TEST(Dice_Roll, Stays_Within_Its_Faces_And_Differs_Between_Evaluations) {
    std::set<long double> seen;
    for (int i = 0; i < 200; ++i) {
        const long double total = Value_Of("3D6");
        EXPECT_GE(total, 3);
        EXPECT_LE(total, 18);
        seen.insert(total);
    }
    EXPECT_GT(seen.size(), 5U);
}

TEST(Dice_Roll, A_Million_Dice_Are_The_Most_One_Evaluation_Rolls) {
    TFunction_Random lowest([](int) { return 0; });
    TRandom_Override scripted(lowest);
    EXPECT_EQ(Value_Of("1000000D6"), 1000000);
    int error = 0;
    Value_Of("500000D6+500001D6", &error);
    EXPECT_EQ(error, 7);
    Value_Of("1E300D6", &error);
    EXPECT_EQ(error, 7);
}

// Counts the reseeds the evaluator asks for.
class TReseed_Counter : public TRandom_Source {
  public:
    int Next(int) override { return 0; }
    void Reseed() override { ++Reseeds; }
    int Reseeds = 0;
};

TEST(Reseeding, Every_Parsed_Evaluation_Reseeds_From_The_Clock_Once) {
    TReseed_Counter counter;
    TRandom_Override counted(counter);
    Value_Of("3D6+2");
    Value_Of("2*3");
    EXPECT_EQ(counter.Reseeds, 2);
    Value_Of("42"); // a plain number never reaches the parser
    EXPECT_EQ(counter.Reseeds, 2);
}

} // namespace
} // namespace Vexlor
