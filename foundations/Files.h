// Files as the game keeps them: read whole as bytes, written atomically so that a failed write
// never leaves a half-written party or catalogue behind, and found whatever the case of the name.
#pragma once

#include "Result.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace Vexlor {

// An open C stream that is closed when it goes out of scope. A writer that must know whether the
// close succeeded closes it itself with Close_File.
struct TFile_Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using TFile = std::unique_ptr<std::FILE, TFile_Closer>;

// fopen's stream for path in mode; null when the file cannot be opened (errno says why).
inline TFile Open_File(const std::filesystem::path& path, const char* mode) {
    return TFile(std::fopen(path.c_str(), mode));
}
// Closes the stream; false when the close failed, losing buffered data.
inline bool Close_File(TFile file) {
    return std::fclose(file.release()) == 0;
}

// The whole file as bytes, or nothing when it cannot be read.
std::optional<std::string> Read_File(const std::filesystem::path& path);

// Writes bytes to a temporary file beside path, flushes it and renames it over path. On failure
// the old file is untouched and no temporary file is left behind.
TResult Write_File_Atomic(const std::filesystem::path& path, const std::string& bytes);

// Appends bytes to the file at path, which is made when it does not exist yet.
TResult Append_File(const std::filesystem::path& path, const std::string& bytes);

// The file called name in folder, matched exactly first and then without regard to case.
std::optional<std::filesystem::path> Find_File(const std::filesystem::path& folder, const std::string& name);

// The folder of the running program, where its name files and help live.
std::filesystem::path Program_Folder();

// The input/output error code (as Ert knows them) of an operating-system error number.
int IO_Error_Code(int error_number, bool writing);

enum class TFile_Action { Reading, Writing };

// What the game master is told when path could not be read or written: the error text (Ert) of
// the cause, what was being done, the file, and the cause in plain words where the error text
// alone would mislead: "Path not found while writing notes/list.txt (the folder notes does not
// exist)", "Disk write error while writing list.txt (the disk is full)".
std::string File_Problem(int error_number, TFile_Action action, const std::filesystem::path& path);

} // namespace Vexlor
