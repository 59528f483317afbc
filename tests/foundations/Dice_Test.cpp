#include "foundations/Checked.h"
#include "foundations/Dice.h"
#include "foundations/Random.h"

#include <gtest/gtest.h>

#include <set>

namespace Vexlor {
namespace {

struct TRange_Case {
    std::string Text;
    TRange Expected;
};

class String_To_Range_Test : public testing::TestWithParam<TRange_Case> {};

TEST_P(String_To_Range_Test, Reads_Tolerantly) {
    EXPECT_EQ(String_To_Range(GetParam().Text), GetParam().Expected) << GetParam().Text;
}

INSTANTIATE_TEST_SUITE_P(Texts, String_To_Range_Test,
                         testing::Values(TRange_Case{"3-8", {3, 8}}, TRange_Case{"5", {5, 5}},
                                         TRange_Case{"5-", {5, 5}}, TRange_Case{"8-3", {8, 8}},
                                         TRange_Case{"-4,2", {-4, 2}}, TRange_Case{"-4", {0, 0}},
                                         TRange_Case{"x", {0, 0}}, TRange_Case{"5-x", {5, 5}},
                                         TRange_Case{"", {0, 0}}, TRange_Case{"7-7", {7, 7}},
                                         TRange_Case{"1,2-3", {1, 1}}, TRange_Case{"99999999999-1", {0, 0}}));

TEST(Range_To_String, Always_Writes_Both_Ends) {
    EXPECT_EQ(Range_To_String(Create_Range(7, 7)), "7-7");
    EXPECT_EQ(Range_To_String(Create_Range(2, 12)), "2-12");
    EXPECT_EQ(String_To_Range(Range_To_String(Create_Range(7, 7))), Create_Range(7, 7));
}

TEST(Die, Rolls_Each_Die_From_One_To_Sides) {
    TScripted_Random script({5, 5, 5, 0});
    TRandom_Override use(script);
    EXPECT_EQ(Die(3, 6), 18);
    EXPECT_EQ(Die(1, 6), 1);
    EXPECT_EQ(Die(0, 6), 0);
    EXPECT_EQ(Die(-2, 6), 0);
    EXPECT_EQ(script.Requests(), (std::vector<int>{6, 6, 6, 6}));
}

TEST(Die, Stays_In_Range_With_The_Real_Source) {
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int roll = Die(2, 6);
        ASSERT_GE(roll, 2);
        ASSERT_LE(roll, 12);
        seen.insert(roll);
    }
    EXPECT_EQ(seen.size(), 11u);
    EXPECT_EQ(Die(3, 1), 3);
}

TEST(Do_Die, Reads_Count_D_Sides_Only) {
    TFunction_Random highest([](int n) { return n - 1; });
    TRandom_Override use(highest);
    EXPECT_EQ(Do_Die("3D6"), 18);
    EXPECT_EQ(Do_Die("3 d 6"), 18);
    EXPECT_EQ(Do_Die("D6"), -1);
    EXPECT_EQ(Do_Die("3D6+2"), -1);
    EXPECT_EQ(Do_Die("36"), -1);
    EXPECT_EQ(Do_Die(""), -1);
    EXPECT_EQ(Do_Die("0D6"), 0);
    // Too many dice, or a total beyond a whole number, do not read.
    EXPECT_EQ(Do_Die("2000000D1"), -1);
    EXPECT_EQ(Do_Die("1000D9999999"), -1);
}

TEST(Num, Ignores_Blanks_And_Rejects_Non_Numbers) {
    EXPECT_EQ(Num(" 1 2 "), 12);
    EXPECT_EQ(Num(""), 0);
    EXPECT_EQ(Num("\t-5"), -5);
    EXPECT_THROW(Num("12x"), std::invalid_argument);
}

TEST(Pack_Range, Puts_High_Above_Low) {
    EXPECT_EQ(Pack_Range(1, 6), 0x60001);
    EXPECT_EQ(Pack_Range(2, 24), (24 << 16) | 2);
}

TEST(Random, Script_Checks_The_Test_That_Wrote_It) {
    TScripted_Random script({3});
    TRandom_Override use(script);
    EXPECT_THROW(Random(3), std::logic_error);
    EXPECT_THROW(Random(3), std::logic_error);
}

TEST(Random, Reseeding_In_The_Same_Tick_Gives_New_Draws) {
    std::vector<int> first, second;
    Randomize();
    for (int i = 0; i < 8; ++i)
        first.push_back(Random(1000000));
    Randomize();
    for (int i = 0; i < 8; ++i)
        second.push_back(Random(1000000));
    EXPECT_NE(first, second);
    EXPECT_EQ(Random(1), 0);
    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(Random(-5), 0);
}

TEST(Random, A_Seed_Replays_Its_Draws_Whatever_The_Clock) {
    const auto draws = [](std::uint64_t seed) {
        TSeeded_Random seeded(seed);
        TRandom_Override use(seeded);
        std::vector<int> drawn;
        for (int i = 0; i < 8; ++i) {
            Randomize();
            drawn.push_back(Random(1000000));
        }
        return drawn;
    };
    EXPECT_EQ(draws(7), draws(7));
    EXPECT_NE(draws(7), draws(8));
}

TEST(Random, Draws_Are_Roughly_Uniform) {
    std::array<int, 6> counts{};
    for (int i = 0; i < 60000; ++i)
        ++counts[static_cast<std::size_t>(Random(6))];
    for (int count : counts)
        EXPECT_NEAR(count, 10000, 500);
}

TEST(Checked, Arithmetic_Raises_Instead_Of_Wrapping) {
    EXPECT_EQ(Checked_Add(2, 3), 5);
    EXPECT_THROW(Checked_Add(2147483647, 1), std::overflow_error);
    EXPECT_THROW(Checked_Sub(-2147483647 - 1, 1), std::overflow_error);
    EXPECT_THROW(Checked_Mul(65536, 65536), std::overflow_error);
}

TEST(Checked, Array_Is_Indexed_Within_Its_Bounds) {
    TArray<int, 1, 6> slots({10, 20, 30, 40, 50, 60});
    EXPECT_EQ(slots[1], 10);
    EXPECT_EQ(slots[6], 60);
    EXPECT_THROW(slots[0], std::out_of_range);
    EXPECT_THROW(slots[7], std::out_of_range);
    TArray<int, -3, 3> centred;
    centred[-3] = 4;
    EXPECT_EQ(centred[-3], 4);
}

} // namespace
} // namespace Vexlor
