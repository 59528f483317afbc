// The files a campaign keeps in its folder and the program keeps beside itself: the random tables,
// the party file with its backup and lock, the catalogue file and its journal, the position file,
// the name files, the help and the lock a running copy of the program holds. No list, sheet or log
// the game master names may write over one of them.
#pragma once

#include <string_view>

namespace Vexlor {

// The lock a copy of the program holds in the campaign folder while it runs, so that a second copy
// started on the same folder can tell.
inline constexpr std::string_view Program_Lock_File_Name = "Vexlor.lock";

// What a copy of the program started while another runs on the same campaign folder says at start.
inline constexpr std::string_view Second_Copy_Note =
    "Another copy of the program is already running in this campaign folder. Both can be used: "
    "each change to the parties and the catalogues is written at once and none is lost, but a window "
    "shows what the other copy changed only when it is opened again.";

// Whether file_name (the last part of a path) names one of them, in any case.
bool Is_Campaign_File(std::string_view file_name);

} // namespace Vexlor
