// What every catalogue of the library shares, whatever records it holds: its table and starter
// file, the catalogue file each change is written to, and the log of problems that the game
// master is shown.
#pragma once

#include "Catalogue_Store.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace Vexlor {

// Problems met since start-up, one line each, and the failure of the change being made.
class TProblem_Log {
  public:
    void Report(const std::string& problem) { Lines.append(problem).append("\n"); }
    const std::string& Text() const { return Lines; }

    // A change of a catalogue begins: the failure of the one before is forgotten.
    void Begin_Change() { Failure.clear(); }
    // The change could not be stored in the catalogue file; problem says which and why.
    void Change_Failed(const std::string& problem) { Failure = problem; }
    // Why the last change could not be stored; empty when it was.
    const std::string& Change_Failure() const { return Failure; }

  private:
    std::string Lines;
    std::string Failure;
};

struct TCatalogue_Names {
    std::string Table;        // its table in the catalogue file
    std::string Starter_File; // its file in the starter catalogue folder
    std::string Kind;         // what a report calls one of its records ("item", "QID plan")
};

// A record as it is stored: its name and its tagged text.
struct TRecord_Text {
    std::string Name;
    std::string Text;
};

// Listing order: by name without regard to case (letters A to Z folded, as everywhere in the
// game); names that differ only in case keep a fixed order among themselves.
bool Listing_Before(std::string_view a, std::string_view b);

// Lets a catalogue look a name up without copying it.
struct TName_Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
};

class TStored_Catalogue {
  public:
    explicit TStored_Catalogue(TCatalogue_Names names) : Names(std::move(names)) {}
    virtual ~TStored_Catalogue() = default;
    TStored_Catalogue(const TStored_Catalogue&) = delete;
    TStored_Catalogue& operator=(const TStored_Catalogue&) = delete;

    // A record's text read and written again: its name and the text its record writes.
    virtual TRecord_Text Canonical(const std::string& text) const = 0;
    // Takes a record read from the catalogue file or the starter catalogue, without storing it
    // again; false, taking nothing, when text does not read as a record called name.
    virtual bool Load(std::string_view name, const char* text) = 0;
    // Puts the records in listing order.
    virtual void Sort() = 0;
    // Whether a record of that name is held.
    virtual bool Holds(std::string_view name) const = 0;

    // From now on every change is written to store and its failure kept in log; with no store,
    // changes stay in memory.
    void Attach(TCatalogue_Store* store, TProblem_Log& log) {
        Store = store;
        Log = &log;
    }

    const TCatalogue_Names Names;

  protected:
    // What a change that could not be stored means for a record the caller changed in place.
    static constexpr const char* Lost_At_The_End = "The change lasts only until the program ends.";

    // Each change begins here, so that a failure told afterwards is its own.
    void Begin_Change();
    // Each writes one change to the catalogue file (with none, the change stays in memory). A
    // failure says what failed, why and what the catalogue holds now, and is kept in the log as
    // the change's failure: the caller then leaves the catalogue in memory as it was.
    TResult Save(const std::string& name, const std::string& text, const std::string& consequence);
    TResult Save_Renamed(const std::string& old_name, const std::string& name, const std::string& text);
    TResult Erase(const std::string& name);

  private:
    TResult Reported(const TResult& stored, const std::string& what, const std::string& consequence);

    TCatalogue_Store* Store = nullptr;
    TProblem_Log* Log = nullptr;
};

} // namespace Vexlor
