// The random tables: numbered tables of ranged entries in the game master's "TABLES.TXT", read
// on demand, kept in a cache, rolled, with references from one table to another resolved.
#pragma once

#include <list>
#include <string>
#include <unordered_map>
#include <vector>

namespace Vexlor {

inline const std::string Table_File_Name = "TABLES.TXT";
inline const std::string Standard_Encounter_Text = "use Standard Encounter Tables";

struct TTable_Entry {
    int Low = 0;
    int High = 0;
    std::string Text; // at most 255 characters, as written after the tab
};

struct TTable_Record {
    int Number = 0;
    std::string Roll; // the roll line, upper case without blanks; empty for an alias
    int Alias = 0;    // the table rolled instead of this one; 0 for a table of its own
    std::vector<TTable_Entry> Entries;
};

class TTable {
  public:
    TTable() = default;
    virtual ~TTable() = default;
    TTable(const TTable&) = delete;
    TTable& operator=(const TTable&) = delete;

    // The table numbered number, read from file_name (in the working folder, whatever the case of
    // its name) unless already in the cache; null when the file has no such table.
    virtual const TTable_Record* Find_Table(int number, const std::string& file_name);
    // The result of a given roll on a table, references resolved; " " when nothing is selected.
    virtual std::string Get_Entry(int number, int roll, const std::string& file_name);
    // Rolls a table's roll line and returns that entry; the empty text when there is no table.
    virtual std::string Generate_Entry(int number, const std::string& file_name);
    // Forgets the oldest table read.
    virtual void Free_Memory();

    void Init();
    void Done();
    int Cached_Tables() const { return static_cast<int>(Records.size()); }

  private:
    std::string Resolve_References(const std::string& text, const std::string& file_name);
    // A roll asked for from outside starts with the whole budget of tables.
    void Start_Roll();
    bool Reference_Allowed();

    std::list<TTable_Record> Records; // in the order the tables were read
    std::unordered_map<int, TTable_Record*> By_Number;
    int Depth = 0;       // references being followed right now
    int Budget_Used = 0; // tables rolled for the current top-level roll
};

// Joins results with ", "; a result that would pass 255 characters becomes "...".
void Append_String(std::string& text, const std::string& item);

// The header lines ("number<TAB>title") of every table in the file, for the table list. Returns
// the empty text, or, when the file cannot be read, the message for the game master (the file
// error, " while opening " and the file name) with the list left empty.
std::string Load_Table_List(const std::string& file_name, std::vector<std::string>& headers);

// The program's one table reader.
extern TTable Master_Table;

} // namespace Vexlor
