// The one rule for a file the user names for the program to write (a creature list, a sheet, the
// referee's log, an export): the campaign's own files are refused by name in any case, a folder is
// refused, and an existing file is replaced only after a question naming it (No by default). A log
// that is appended to is never replaced, so it asks nothing. What is there but is no plain file (a
// device such as /dev/full, a pipe) is never replaced: the new file would take its place.
#pragma once

#include <filesystem>
#include <string_view>

namespace Vexlor {

enum class TWrite_Mode { Replace, Append };

enum class TFile_Target { Write, Ask_Replace, Refuse_Own_File, Refuse_Folder, Refuse_Special };

TFile_Target Check_File_Target(const std::filesystem::path& path, TWrite_Mode mode);

// What the user is told or asked for each answer but Write; %1 stands for the file's name as given.
std::string_view File_Target_Text(TFile_Target target);

} // namespace Vexlor
