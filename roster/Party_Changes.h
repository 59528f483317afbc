// Every change to the party file, whoever makes it (the parties window, a second copy of the
// program, the command-line companion), is one read-modify-write under the party file's lock: take
// the lock, read the file afresh, apply the change, write atomically, let go. A change another
// writer stored meanwhile is therefore never lost.
#pragma once

#include "Party_File.h"
#include "foundations/Result.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace Vexlor {

// The lock file of the party file: the same name with ".lock" added, beside it.
std::filesystem::path Party_Lock_File(const std::filesystem::path& file);
// How long a change waits while another program changes the party file.
inline constexpr std::chrono::milliseconds Party_Lock_Wait{10000};

// The party file as it stands: its parties sorted by name, "(default)" alone when it holds none,
// and what to tell the game master once when it exists but cannot be read whole (unreadable,
// holding no party, cut short), with the promise that it is copied to ".bak" before it is written
// again. A missing file is no problem: the game master has made no party yet.
struct TParty_File_Reading {
    TRoster_List Parties;
    std::string Damage;
};
TParty_File_Reading Read_Party_File(const std::filesystem::path& file);

// One change of the parties as the file holds them. It returns what the game master should hear
// besides the change itself (a character another program changed meanwhile is left alone, and
// the change says so), or an empty text.
using TParty_Change = std::function<std::string(TRoster_List& parties)>;

// What Change_Party_File did: whether the file was written, the parties after the changes (in
// the file when it was written), and what the changes had to say.
struct [[nodiscard]] TParty_File_Change {
    TResult Written;
    TRoster_List Parties;
    std::string Notes;
};

// The one way to change the party file at file: under its lock, reads the file, applies changes in
// order, copies a file that could not be read whole to ".bak" before writing over it (a file that
// cannot even be copied is never written), writes the parties atomically and lets the lock go.
TParty_File_Change Change_Party_File(const std::filesystem::path& file,
                                     const std::vector<TParty_Change>& changes);

// The changes the parties window makes; the command-line companion makes the same. A party is
// named by its name, a character by its display text and stored text as the window showed it.
// Every change keeps the parties and each party's characters sorted by name.

// Adds a party of that name (trimmed) unless it is blank or a party of that name, in any case,
// exists.
TParty_Change Add_Party(const std::string& name);
// Deletes the party unless another program changed it since it was seen with seen_stored; the
// last party gone, "(default)" comes back.
TParty_Change Delete_Party(const std::string& name, const std::string& seen_stored);
// Adds a character to the party, which is made again when another program deleted it meanwhile.
TParty_Change Add_Character(const std::string& party, const TRoster_Entry& character);
// Puts character in the place of seen; when another program changed or deleted seen meanwhile,
// both are kept.
TParty_Change Replace_Character(const std::string& party, const TRoster_Entry& seen,
                                const TRoster_Entry& character);
// Deletes seen from the party unless another program changed it meanwhile.
TParty_Change Delete_Character(const std::string& party, const TRoster_Entry& seen);

} // namespace Vexlor
