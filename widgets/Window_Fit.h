// Where the kit's windows land on the screen: fitted to the usable area, a long-lived window over
// the window that opened it and later where the user left it, a help window beside its dialog.
#pragma once

#include "widgets/Screen_Fit.h"

class QRect;
class QWidget;

namespace Vexlor {

// Moves window (and shrinks it where it is larger) so that it lies wholly on the available area of
// the screen under its centre, or of its own screen when none is. A window not shown yet is left
// alone: Place_Window fits it as it is shown.
void Fit_Window_To_Screen(QWidget* window);

// Lets window's layout grow it to what its controls now need (a wizard page wider than the last),
// about the centre of its frame as it stood before (before) rather than to the right and down,
// still fitted to the screen.
void Grow_About_Centre(QWidget* window, const QRect& before);

// Places window as it is about to be shown: where placement says, over the active window (the one
// that opens it) the first time. A window given a place of its own before its first showing (one
// read from a position file) keeps it, fitted to the screen.
void Place_Window(QWidget* window, TWindow_Placement& placement);
// Remembers where window is as it is closed, for its next showing.
void Remember_Place(const QWidget* window, TWindow_Placement& placement);

// Places window (about to be shown) beside dialog, on dialog's screen.
void Place_Beside(QWidget* window, const QWidget* dialog);

} // namespace Vexlor
