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

long long Right(const TScreen_Rect& rect) {
    return static_cast<long long>(rect.Left) + rect.Width;
}

} // namespace

TScreen_Rect Fit_To_Screen(TScreen_Rect window, const TScreen_Rect& screen) {
    Fit_Axis(window.Left, window.Width, screen.Left, screen.Width);
    Fit_Axis(window.Top, window.Height, screen.Top, screen.Height);
    return window;
}

TScreen_Rect Centred_Over(const TScreen_Rect& window, const TScreen_Rect& owner, const TScreen_Rect& screen) {
    const auto centre = [](int start, int length, int inner) {
        return static_cast<int>(static_cast<long long>(start) + (static_cast<long long>(length) - inner) / 2);
    };
    return Fit_To_Screen({centre(owner.Left, owner.Width, window.Width),
                          centre(owner.Top, owner.Height, window.Height), window.Width, window.Height},
                         screen);
}

TScreen_Rect Beside(const TScreen_Rect& window, const TScreen_Rect& dialog, const TScreen_Rect& screen) {
    const long long room_right = Right(screen) - Right(dialog);
    const long long room_left = static_cast<long long>(dialog.Left) - screen.Left;
    const bool right = room_right >= window.Width || (room_left < window.Width && room_right >= room_left);
    TScreen_Rect placed = window;
    // Where neither side holds the whole window, it is narrowed to the roomier side when that
    // still leaves it readable, rather than laid over the dialog.
    const long long room = right ? room_right : room_left;
    if (room < window.Width && room >= std::min(window.Width, Least_Width_Beside))
        placed.Width = static_cast<int>(room);
    const long long left = right ? Right(dialog) : static_cast<long long>(dialog.Left) - placed.Width;
    placed.Left = static_cast<int>(std::clamp<long long>(left, screen.Left, Right(screen)));
    placed.Top = dialog.Top;
    return Fit_To_Screen(placed, screen);
}

TScreen_Rect TWindow_Placement::Place(const TScreen_Rect& window, const TScreen_Rect& owner,
                                      const TScreen_Rect& screen) const {
    return Left ? Fit_To_Screen(*Left, screen) : Centred_Over(window, owner, screen);
}

} // namespace Vexlor
