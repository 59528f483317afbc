// Fitting a window to the usable area of the screen it lands on.
#pragma once

class QWidget;

namespace Vexlor {

// Moves window (and shrinks it where it is larger) so that it lies wholly on the available area of
// the screen under its centre, or of its own screen when none is.
void Fit_Window_To_Screen(QWidget* window);

} // namespace Vexlor
