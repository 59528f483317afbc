// The program's start-up: the application object, the random generator, the title and help file,
// the long-lived windows created once each in a fixed order, and the event loop.
#pragma once

#include "shell/Main_Form.h"
#include "shell/Vexlor_Application.h"

#include <memory>

namespace Vexlor {

// Creates the long-lived windows, once each and in order; the first is the main window, which
// owns the others and opens them from its menu. The title and help file must be set already.
std::unique_ptr<TMain_Form> Create_Windows(TVexlor_Application& application);

// Runs the program until the main window closes; the result is the process's exit status.
int Run_Vexlor(int argc, char* argv[]);

} // namespace Vexlor
