// The random tables: numbered tables of ranged entries in the game master's "TABLES.TXT", read
// on demand, kept in a cache, rolled, with references from one table to another resolved.
#pragma once

#include <cstddef>
#include <list>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
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
    // Tables read from the file each call names: the game master's own table file.
    TTable() = default;
    // Tables read from text whatever file a call names: a table file already in memory.
    explicit TTable(std::string text) : Text(std::move(text)) {}
    virtual ~TTable() = default;
    TTable(const TTable&) = delete;
    TTable& operator=(const TTable&) = delete;

    // The table numbered number, read from the text held or else from file_name (in the working
    // folder, whatever the case of its name) unless already in the cache; null when there is no
    // such table.
    virtual const TTable_Record* Find_Table(int number, const std::string& file_name);
    // The result of a given roll on a table, references resolved; " " when nothing is selected.
    virtual std::string Get_Entry(int number, int roll, const std::string& file_name);
    // Rolls a table's roll line and returns that entry; the empty text when there is no table.
    virtual std::string Generate_Entry(int number, const std::string& file_name);
    // Forgets the oldest table read.
    virtual void Free_Memory();

    // Takes one more table of the current roll's budget; false once it is spent. Within a shared
    // roll (TShared_Roll) a referee tool expanding a result into further tables takes them here,
    // so that a table whose result expands into itself twice ends in a moment instead of doubling
    // its work at every step.
    bool Take_Table();

    void Init();
    void Done();
    int Cached_Tables() const { return static_cast<int>(Records.size()); }

  private:
    friend class TShared_Roll;
    // From Begin_Shared_Roll to its End_Shared_Roll, the rolls asked for from outside share the
    // budget of tables of one roll.
    void Begin_Shared_Roll();
    void End_Shared_Roll();

    std::string Resolve_References(const std::string& text, const std::string& file_name);
    // A roll asked for from outside starts with the whole budget of tables.
    void Start_Roll();
    bool Reference_Allowed();

    std::optional<std::string> Text;  // the table file when it is held in memory
    std::list<TTable_Record> Records; // in the order the tables were read
    std::unordered_map<int, TTable_Record*> By_Number;
    int Depth = 0;        // references being followed right now
    int Budget_Used = 0;  // tables rolled for the current top-level roll
    int Shared_Rolls = 0; // shared rolls begun and not yet ended
};

// While it lives, the rolls asked of tables share the budget of one roll (Begin_Shared_Roll).
class TShared_Roll {
  public:
    explicit TShared_Roll(TTable& tables) : Tables(tables) { Tables.Begin_Shared_Roll(); }
    ~TShared_Roll() { Tables.End_Shared_Roll(); }
    TShared_Roll(const TShared_Roll&) = delete;
    TShared_Roll& operator=(const TShared_Roll&) = delete;

  private:
    TTable& Tables;
};

// The whole table file from the working folder, whatever the case of its name. Nothing when it
// cannot be read, and then message tells the game master why (the file error, " while opening "
// and the file name); otherwise message is empty.
std::optional<std::string> Read_Table_File(const std::string& file_name, std::string& message);

// Every line of the file is read up to this many characters.
inline constexpr std::size_t Longest_Table_Line = 255;

// One entry line: the range before the first tab (a high of 0 read with a 1 in front, so 91-00 is
// 91..100 and 0 alone is 0..10) and the text after it.
TTable_Entry Read_Table_Entry(const std::string& line);

// The line after a table's header: "@N" makes the table an alias of table N and returns true (no
// entries are read after it); anything else is the roll, kept upper case without blanks.
bool Read_Roll_Line(const std::string& line, TTable_Record& table);

// A reference at the front of an entry text: "@N" rolls table N once, "@NxDICE" as many times as
// DICE (count, "D", sides) rolls.
struct TTable_Reference {
    int Table = 0;
    std::optional<std::string> Times; // the DICE of @NxDICE; nothing for once
};

// The references an entry text starts with, taken one comma-separated piece at a time up to the
// first piece that does not start with "@"; rest is that piece and what follows. A piece that
// reads as neither kind of reference (@12abc) is dropped.
std::vector<TTable_Reference> Read_References(const std::string& text, std::string& rest);

// Joins results with ", "; a result that would pass 255 characters becomes "...".
void Append_String(std::string& text, const std::string& item);

// The header lines ("number<TAB>title") of every table in a table file's text.
std::vector<std::string> Table_Headers(std::string_view text);
// The header lines of every table in the file named file_name, for the table list. Returns
// the empty text, or, when the file cannot be read, the message for the game master (the file
// error, " while opening " and the file name) with the list left empty.
std::string Load_Table_List(const std::string& file_name, std::vector<std::string>& headers);

// The program's one table reader.
extern TTable Master_Table;

} // namespace Vexlor
