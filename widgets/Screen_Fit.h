// Fitting a window to the screen it lands on, as a rule on rectangles: a window never hangs off
// an edge of the usable area and is never larger than it.
#pragma once

namespace Vexlor {

struct TScreen_Rect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    bool operator==(const TScreen_Rect&) const = default;
};

// window moved (and shrunk only where it is larger than the screen) so that it lies wholly inside
// screen: a window wider or taller than the screen takes the screen's width or height, one past
// the right or bottom edge moves back inside, one left of or above the screen moves onto it.
// Screens may lie at negative positions (a second monitor left of the first).
TScreen_Rect Fit_To_Screen(TScreen_Rect window, const TScreen_Rect& screen);

} // namespace Vexlor
