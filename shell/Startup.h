// The program's start-up: the application object, the random generator, the title, the services
// every window shares, the long-lived windows created once each in a fixed order, and the event
// loop.
#pragma once

#include "shell/Main_Form.h"
#include "shell/Services.h"
#include "widgets/Help_System.h"

#include "referee/Output_File.h"

#include <filesystem>
#include <memory>

namespace Vexlor {

// What the windows share for the whole run, built once: the help over the document in
// help_folder, the referee's output file reporting through prompts, the random tables, and the
// catalogues given.
class TProgram_Services {
  public:
    TProgram_Services(TUser_Prompts& prompts, const TCatalogues& catalogues,
                      const std::filesystem::path& help_folder);
    TProgram_Services(const TProgram_Services&) = delete;
    TProgram_Services& operator=(const TProgram_Services&) = delete;

    TServices& Get() { return Shared; }

  private:
    THelp_System Help;
    TOutput_File Output;
    TServices Shared;
};

// The six registries of the catalogue library; the first call brings the catalogues up from
// "Vexlor.catalogue" in the working folder.
TCatalogues Library_Catalogues();

// Creates the long-lived windows, once each and in order; the first is the main window, which
// owns the others and opens them from its menu.
std::unique_ptr<TMain_Form> Create_Windows(TServices& services);

// Runs the program until the main window closes; the result is the process's exit status.
int Run_Vexlor(int argc, char* argv[]);

} // namespace Vexlor
