// The step sequence of the step-by-step dialogs (the character wizard and the level-up dialog):
// which step a move lands on when steps without a page for the character are skipped, and the
// pages of the character wizard's steps.
#pragma once

#include <functional>

namespace Vexlor {

// Where a move to a step ends: the step whose page is shown, or past the last step (finished).
struct TStep_Landing {
    int Step = 0;
    bool Finished = false;
    bool operator==(const TStep_Landing&) const = default;
};

// Moves from step `previous` to step `requested`. A step whose page does not show (no page, or
// a page not applicable to the character) is skipped in the direction of travel: onwards when
// the requested step is above the previous one, back otherwise. A step at or past `finish_step`
// finishes. Going back below step 0 turns round, so the first shown step is found instead of
// running off the start.
TStep_Landing Land_On_Step(int previous, int requested, int finish_step,
                           const std::function<bool(int)>& shows_page);

// The pages of the character wizard, by step.
enum class TWizard_Page { None, Name, Abilities, Classes, Rogue, QIDs, Compounds, Appearance };

inline constexpr int Character_Wizard_Finish = 10;

// The page of a character wizard step; None for the steps that have no page.
TWizard_Page Character_Wizard_Page(int step);

} // namespace Vexlor
