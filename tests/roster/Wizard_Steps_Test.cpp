#include "roster/Wizard_Steps.h"

#include <gtest/gtest.h>

#include <set>

namespace Vexlor {
namespace {

struct TStep_Case {
    std::set<int> Pages; // the steps whose page shows
    int Finish;
    int Previous;
    int Requested;
    TStep_Landing Expected;
};

TEST(Wizard_Steps, Moves_Skip_Steps_Without_A_Page_In_The_Direction_Of_Travel) {
    const std::set<int> wizard{0, 1, 2, 4, 5, 7}; // no rogue page
    const std::set<int> level_up{0, 2};           // no rogue page
    const TStep_Case cases[] = {
        {wizard, 10, 0, 0, {0, false}}, // a new run shows the name page
        {wizard, 10, 0, 1, {1, false}}, // an edit starts on the abilities
        {wizard, 10, 2, 3, {4, false}}, // forward past the rogue step
        {wizard, 10, 4, 3, {2, false}}, // back past it
        {wizard, 10, 5, 6, {7, false}}, // forward past the empty step 6
        {wizard, 10, 7, 6, {5, false}},
        {wizard, 10, 7, 8, {10, true}}, // steps 8 and 9 have no page: finished
        {wizard, 10, 9, 10, {10, true}},
        {wizard, 10, 0, -1, {0, false}}, // back from the first page stays on it
        {{2, 5}, 10, 3, 1, {2, false}},  // nothing below: turns round to the first page
        {{}, 10, 0, 1, {10, true}},      // no page at all finishes
        {level_up, 3, 0, 1, {2, false}}, // a non-rogue goes straight to the summary
        {level_up, 3, 2, 1, {0, false}},
        {level_up, 3, 2, 3, {3, true}},
    };
    for (const TStep_Case& c : cases) {
        const auto shows = [&](int step) { return c.Pages.count(step) > 0; };
        EXPECT_EQ(Land_On_Step(c.Previous, c.Requested, c.Finish, shows), c.Expected)
            << "from " << c.Previous << " to " << c.Requested;
    }
}

TEST(Wizard_Steps, Character_Wizard_Has_Its_Pages_At_Their_Steps) {
    const TWizard_Page expected[] = {TWizard_Page::Name,  TWizard_Page::Abilities,  TWizard_Page::Classes,
                                     TWizard_Page::Rogue, TWizard_Page::QIDs,       TWizard_Page::Compounds,
                                     TWizard_Page::None,  TWizard_Page::Appearance, TWizard_Page::None,
                                     TWizard_Page::None,  TWizard_Page::None};
    for (int step = 0; step <= Character_Wizard_Finish; ++step)
        EXPECT_EQ(Character_Wizard_Page(step), expected[step]) << step;
}

} // namespace
} // namespace Vexlor
