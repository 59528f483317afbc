// The file in which the catalogue library keeps the game master's catalogues: an SQLite database
// with one table per catalogue and one row per record, holding the record's name and its tagged
// text. Every change is its own transaction, committed before the call returns, so a program
// that is killed or a machine that loses power never leaves a half-written catalogue behind.
#pragma once

#include "foundations/Result.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

struct sqlite3;

namespace Vexlor {

// One row as it is stored. Name and Text are valid only during the call that hands them over;
// Text is followed by a NUL. A row whose name or text is not plain text is not Readable.
struct TStored_Row {
    std::string_view Name;
    std::string_view Text;
    bool Readable = true;
};

class TCatalogue_Store {
  public:
    // How long a change waits while another copy of the program is writing to the same file.
    static constexpr int Busy_Timeout_Milliseconds = 10000;

    // Opens our database at path; a missing file becomes a new, empty database. When the file
    // cannot be opened or holds something other than catalogues, the result is null, reason says
    // why, and the file has not been written to.
    static std::unique_ptr<TCatalogue_Store> Open(const std::filesystem::path& path, std::string& reason);
    ~TCatalogue_Store();
    TCatalogue_Store(const TCatalogue_Store&) = delete;
    TCatalogue_Store& operator=(const TCatalogue_Store&) = delete;

    // The file can be read but not written.
    bool Read_Only() const;

    // Several steps made one transaction: Begin_Writing waits for other copies of the program to
    // finish their changes and keeps them out until Commit; Begin_Reading gives a view of all
    // tables as they stood at one moment, until Roll_Back. A failure of Begin_Writing or Commit
    // gives the reason; Roll_Back ends an open transaction, undoing its changes.
    TResult Begin_Writing();
    void Begin_Reading();
    TResult Commit();
    void Roll_Back();

    bool Has_Table(const std::string& table);
    // Creates an empty table and marks the file as a catalogue database.
    TResult Create_Table(const std::string& table);
    // Hands every row of table to take; a failure gives the reason the reading stopped early.
    TResult Read_Rows(const std::string& table, const std::function<void(const TStored_Row&)>& take);

    // The changes: each is one transaction committed before it returns, or part of the
    // transaction the caller has begun. A failure gives the reason the change was not stored.
    TResult Put(const std::string& table, std::string_view name, std::string_view text);
    TResult Remove(const std::string& table, std::string_view name);
    // Stores a record that was stored under old_name under its new name, in one transaction.
    TResult Rename(const std::string& table, std::string_view old_name, std::string_view name,
                   std::string_view text);

  private:
    explicit TCatalogue_Store(sqlite3* database) : Database(database) {}
    TResult Identify();
    TResult Execute(const char* sql);
    TResult Error() const;

    sqlite3* Database;
};

} // namespace Vexlor
