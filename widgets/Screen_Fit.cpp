#include "widgets/Screen_Fit.h"

#include <algorithm>

namespace Vexlor {
namespace {

// One axis of the fit: the window's start and length inside the screen's.
void Fit_Axis(int& start, int& length, int screen_start, int screen_length) {
    length = std::clamp(length, 0, std::max(screen_length, 0));
    // Computed in 64 bits: a stored position may be anything a file held.
    const long long last_start = static_cast<long long>(screen_start) + screen_length - length;
    start = static_cast<int>(
        std::clamp<long long>(start, screen_start, std::max<long long>(last_start, screen_start)));
}

} // namespace

TScreen_Rect Fit_To_Screen(TScreen_Rect window, const TScreen_Rect& screen) {
    Fit_Axis(window.Left, window.Width, screen.Left, screen.Width);
    Fit_Axis(window.Top, window.Height, screen.Top, screen.Height);
    return window;
}

} // namespace Vexlor
