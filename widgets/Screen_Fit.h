// Where a window lands on the screen, as rules on rectangles: a window never hangs off an edge of
// the usable area and is never larger than it; a long-lived window opens over the window that
// opened it and later where the user left it; a help window opens beside its dialog.
#pragma once

#include <optional>

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

// A window of window's size centred over owner, fitted to screen.
TScreen_Rect Centred_Over(const TScreen_Rect& window, const TScreen_Rect& owner, const TScreen_Rect& screen);

// The narrowest a window placed beside a dialog is made to keep it off the dialog.
inline constexpr int Least_Width_Beside = 320;

// A window of window's size beside dialog, its top level with the dialog's: right of it where the
// screen has room, else left of it; else on the roomier side, narrowed to that side's room when
// that is at least Least_Width_Beside, or against the screen's edge at its own width, so that it
// covers as little of the dialog as the screen allows.
TScreen_Rect Beside(const TScreen_Rect& window, const TScreen_Rect& dialog, const TScreen_Rect& screen);

// Where one long-lived window opens each time it is shown in this run: centred over the window
// that opens it the first time, where the user left it (place and size) every time after; always
// fitted to the screen.
class TWindow_Placement {
  public:
    // The frame for this showing; window is the frame the window has now (its size counts).
    TScreen_Rect Place(const TScreen_Rect& window, const TScreen_Rect& owner,
                       const TScreen_Rect& screen) const;
    // The frame the window had when it was closed (or was given before its first showing).
    void Left_At(const TScreen_Rect& frame) { Left = frame; }
    // Whether the window has a place of its own yet.
    bool Placed() const { return Left.has_value(); }

  private:
    std::optional<TScreen_Rect> Left;
};

} // namespace Vexlor
