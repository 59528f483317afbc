// The commands of the command-line companion, each added to the program's command line with its
// options and its help.
#pragma once

#include "Cli_Context.h"

namespace CLI {
class App;
}

namespace Vexlor {

// roll, table, check-tables, odds, encounter, treasure, gems, jewelry, disease, venom, party-npc.
void Add_Referee_Commands(CLI::App& app, TCli_Context& context);
// character, party.
void Add_Party_Commands(CLI::App& app, TCli_Context& context);
// catalogue.
void Add_Catalogue_Commands(CLI::App& app, TCli_Context& context);

} // namespace Vexlor
