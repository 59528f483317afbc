// What every window of the program works with, built once at start-up and handed to each
// window's constructor: the catalogues, the random tables, the referee's output file, and what the
// dialog kit needs (the help and the user prompts). No window reaches a global or the application
// object for these.
#pragma once

#include "catalogues/Catalogue_Registry.h"
#include "widgets/Kit_Dialog.h"

namespace Vexlor {

class TTable;
class TOutput_File;

struct TServices : TKit_Services {
    TCatalogues Catalogues;
    TTable& Tables;
    TOutput_File& Output;
};

} // namespace Vexlor
