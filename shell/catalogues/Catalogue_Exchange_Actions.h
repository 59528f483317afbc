// The catalogue list windows' "Export..." and "Import...": a catalogue written to an exchange file
// the user names, and an exchange file's records stored in the catalogue, through the kit's
// prompts. The file format and the rules live in catalogues/editing/Catalogue_Exchange.h.
#pragma once

#include "catalogues/editing/Catalogue_Exchange.h"
#include "widgets/User_Prompts.h"

namespace Vexlor {

// Asks for a file name and writes the catalogue to it; a file that cannot be written is reported.
void Export_Catalogue(TUser_Prompts& prompts, const TCatalogues& catalogues, TCatalogue_Kind kind);

// Asks for an exchange file and stores its records in one go, asking first (No by default)
// before records of names the catalogue holds are replaced; then says what was added, replaced,
// kept and skipped. True when records were stored.
bool Import_Catalogue(TUser_Prompts& prompts, const TCatalogues& catalogues, TCatalogue_Kind kind);

} // namespace Vexlor
