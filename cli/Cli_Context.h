// What every command of the command-line companion shares: the options given before or after
// the command, its exit statuses, the crossing between the terminal's UTF-8 and the game's
// Windows-1252 text, and the files it writes for the game master.
#pragma once

#include "foundations/Code_Page.h"

#include "catalogues/Catalogue_Registry.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace Vexlor {

class TJson;

// The exit statuses besides 0 (done).
inline constexpr int Exit_Findings = 1;  // done, but a check found errors or input lines were skipped
inline constexpr int Exit_Bad_Input = 2; // nothing done: bad input, or a file that could not be used

// Ends a command with its status and a one-line message for the error output. The message is
// game text (Windows-1252), or UTF-8 when it quotes what the user typed that the game's text
// cannot hold; what() gives it in UTF-8, as the terminal takes it.
class TCli_Failure : public std::runtime_error {
  public:
    struct TUTF8 {};
    static constexpr TUTF8 In_UTF8{};
    TCli_Failure(int status, const std::string& message)
        : TCli_Failure(status, Windows_1252_To_UTF8(message), In_UTF8) {}
    TCli_Failure(int status, const std::string& utf8_message, TUTF8)
        : std::runtime_error(utf8_message), Status(status) {}
    const int Status;
};

// A command's bad input: nothing was done.
[[noreturn]] void Refuse(const std::string& message);

struct TCli_Options {
    std::string Campaign; // the campaign folder; empty for the working folder
    std::optional<std::uint64_t> Seed;
    bool Json = false;
    std::filesystem::path Start_Folder; // where the command was started, for the files it names
};

class TCli_Context {
  public:
    explicit TCli_Context(TCli_Options& options) : Options(options) {}

    bool Json() const { return Options.Json; }

    // Makes the campaign folder the working folder, where the table file, the party file and the
    // catalogue file are found. A folder that is not there is bad input.
    void Enter_Campaign() const;
    // A file named on the command line, relative to the folder the command was started in.
    std::filesystem::path User_Path(const std::string& argument) const;
    // The six catalogues of the catalogue library, brought up from the campaign's catalogue file.
    TCatalogues Catalogues() const;

    TCli_Options& Options;
};

// An argument that is game text (a name, a formula) as Windows-1252; one the code page cannot
// hold is refused, naming what it is.
std::string Game_Text(const std::string& argument, std::string_view what);

// Game text on the standard output as UTF-8, each line ended by a line break; a CR LF inside a
// line (a party's description) becomes a line break, one at its end is dropped.
void Print_Line(std::string_view text);
void Print_Lines(const std::vector<std::string>& lines);
void Print_Json(const TJson& json);
// Bytes on the standard output as they are (an exchange file).
void Print_Bytes(std::string_view bytes);

// Writes a file the game master named, atomically. The campaign's own files are refused by name;
// an existing file is replaced only with force. A failed write is reported and changes nothing.
void Write_User_File(const std::filesystem::path& path, const std::string& bytes, bool force);

// The whole of a file the game master named; one that cannot be read is bad input.
std::string Read_User_File(const std::filesystem::path& path);

} // namespace Vexlor
