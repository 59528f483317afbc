// What every window of the program works with, built once at start-up and handed to each
// window's constructor: the catalogues, the random tables, the referee's output file, the help and
// the user prompts. No window reaches a global or the application object for these.
#pragma once

#include "catalogues/Catalogue_Registry.h"

namespace Vexlor {

class TTable;
class TOutput_File;
class THelp_System;
class TUser_Prompts;

struct TServices {
    TCatalogues Catalogues;
    TTable& Tables;
    TOutput_File& Output;
    THelp_System& Help;
    TUser_Prompts& Prompts;
};

} // namespace Vexlor
