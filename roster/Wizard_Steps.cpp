#include "roster/Wizard_Steps.h"

namespace Vexlor {

TStep_Landing Land_On_Step(int previous, int requested, int finish_step,
                           const std::function<bool(int)>& shows_page) {
    int direction = requested > previous ? 1 : -1;
    int step = requested;
    for (;;) {
        if (step >= finish_step)
            return {finish_step, true};
        if (step < 0) {
            step = 0;
            direction = 1;
        }
        if (shows_page(step))
            return {step, false};
        step += direction;
    }
}

TWizard_Page Character_Wizard_Page(int step) {
    switch (step) {
    case 0:
        return TWizard_Page::Name;
    case 1:
        return TWizard_Page::Abilities;
    case 2:
        return TWizard_Page::Classes;
    case 3:
        return TWizard_Page::Rogue;
    case 4:
        return TWizard_Page::QIDs;
    case 5:
        return TWizard_Page::Compounds;
    case 7:
        return TWizard_Page::Appearance;
    default:
        return TWizard_Page::None;
    }
}

} // namespace Vexlor
