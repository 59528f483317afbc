#include "referee/Odds_Report.h"

#include "referee/Referee.h"

#include <gtest/gtest.h>

namespace Vexlor {
namespace {

TEST(Odds_Report, A_Bar_For_Each_Value_Of_A_Few_Dice) {
    const TOdds_Report report = Odds_Report("3D6+2");
    EXPECT_EQ(report.Figures, (std::vector<std::string>{"3D6+2: exact odds", "Minimum 5", "Maximum 20",
                                                        "Mean 12.5", "Standard deviation 2.96"}));
    ASSERT_EQ(report.Bars.size(), 16u);
    EXPECT_EQ(report.Bars.front().Label, "5");
    EXPECT_EQ(report.Bars.back().Label, "20");
    EXPECT_NEAR(report.Bars[7].Exactly, 27 / 216.0, 1e-12); // 12
    EXPECT_NEAR(report.Bars[8].At_Least, 0.5, 1e-12);       // 13 or more
    EXPECT_EQ(report.Value_Lines[0], "Value\tExactly\tAt least");
    EXPECT_EQ(report.Value_Lines[1], "5\t0.46%\t100%");
    EXPECT_EQ(report.Value_Lines[9], "13\t12.5%\t50%");
}

// 100D6 spans 100 to 600, but nearly all of it lies within a hundred of 350.
TEST(Odds_Report, Many_Values_Share_Bars_And_The_Far_Tails_Are_Left_Out) {
    const TOdds_Report report = Odds_Report("100D6");
    ASSERT_EQ(report.Figures.size(), 7u);
    EXPECT_EQ(report.Figures[5].substr(0, 15), "The bars show 2");
    EXPECT_EQ(report.Figures[6], "Each bar holds 3 values");
    EXPECT_LE(report.Bars.size(), Most_Odds_Bars);
    double shown = 0;
    for (const TOdds_Bar& bar : report.Bars)
        shown += bar.Exactly;
    EXPECT_GT(shown, 0.9995);
    EXPECT_GT(report.Bars.front().At_Least, 0.9997);
}

TEST(Odds_Report, Sampled_And_Failing_Formulas) {
    const TOdds_Report sampled = Odds_Report("RND(4)");
    EXPECT_EQ(sampled.Figures[0], "RND(4): sampled from 100,000 rolls");
    ASSERT_EQ(sampled.Bars.size(), 4u);
    EXPECT_EQ(sampled.Bars[3].Label, "3");
    const TOdds_Report failing = Odds_Report("1D6/0");
    EXPECT_EQ(failing.Figures, std::vector<std::string>{"1D6/0 does not evaluate (Division by zero)"});
    EXPECT_TRUE(failing.Bars.empty());
}

TEST(Odds_Report, Percentages) {
    EXPECT_EQ(Percent_Text(1), "100%");
    EXPECT_EQ(Percent_Text(0), "0%");
    EXPECT_EQ(Percent_Text(1 / 36.0), "2.78%");
    EXPECT_EQ(Percent_Text(1e-9), "<0.01%");
}

// The dice box's text as "Roll" and "Odds" read it.
TEST(Dice_Formula, Dice_Ranges_And_Other_Text) {
    std::string dice = "3 d6+2";
    EXPECT_EQ(Dice_Formula(dice), "3D6+2");
    std::string range = "4-10";
    EXPECT_EQ(Dice_Formula(range), "3D3+1");
    EXPECT_EQ(range, "3d3+1");
    std::string other = "12";
    EXPECT_EQ(Dice_Formula(other), std::nullopt);
}

} // namespace
} // namespace Vexlor
