// Catalogue exchange files: the records of one catalogue as a text file that game masters read,
// edit and hand on. The first line names the catalogue and the format version
// ("<#catalogue=qids><#version=1>"); every further line is one record in the catalogues' tagged
// text; lines end with CR LF. The catalogue list dialogs and the command-line companion export
// and import them through these.
#pragma once

#include "catalogues/Catalogue_Registry.h"
#include "foundations/Result.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Vexlor {

enum class TCatalogue_Kind { Items, Creatures, QIDs, Compounds, Effects, Poisons };

inline constexpr TCatalogue_Kind Catalogue_Kinds[] = {TCatalogue_Kind::Items,   TCatalogue_Kind::Creatures,
                                                      TCatalogue_Kind::QIDs,    TCatalogue_Kind::Compounds,
                                                      TCatalogue_Kind::Effects, TCatalogue_Kind::Poisons};

// The name an exchange file and the command line give a catalogue: "items", "creatures", "qids",
// "compounds", "effects", "poisons" (its table in the catalogue file).
std::string_view Kind_Name(TCatalogue_Kind kind);
// The catalogue of a name, without regard to case.
std::optional<TCatalogue_Kind> Kind_Named(std::string_view name);

inline constexpr int Exchange_Format_Version = 1;

// The names of the catalogue's records in listing order.
std::vector<std::string> Catalogue_Names(const TCatalogues& catalogues, TCatalogue_Kind kind);

// The exchange file of the catalogue: its records in listing order.
std::string Exchange_File_Text(const TCatalogues& catalogues, TCatalogue_Kind kind);

// A line of an exchange file that does not read as a record: its number (the first line is 1)
// and why.
struct TDamaged_Line {
    int Line = 0;
    std::string Reason;
};

struct TExchange_Records {
    std::vector<std::string> Texts;     // the lines that read as records, in file order
    std::vector<TDamaged_Line> Damaged; // the lines that do not, skipped
};

// The records of an exchange file of the catalogue kind; empty lines are passed over. A text that
// is not an exchange file of that catalogue in a format this program reads gives no record and a
// failure saying why.
TResult Read_Exchange_File(std::string_view text, TCatalogue_Kind kind, TExchange_Records& records);

// Why a line does not read as a record of the kind (a tag or section left open, no name tag
// first, a name that cannot be stored, a character no stored text holds); empty when it reads.
std::string Record_Line_Problem(std::string_view line, TCatalogue_Kind kind);

// How many of the records have a name that the catalogue holds.
int Held_Records(const TCatalogues& catalogues, TCatalogue_Kind kind, const TExchange_Records& records);

// Stores the records in the catalogue in one transaction (TCatalogues::Store_Records): all of
// them or, on a failure, none. A record whose name the catalogue holds replaces that record with
// replace, and leaves it as it is without.
TResult Import_Records(const TCatalogues& catalogues, TCatalogue_Kind kind, const TExchange_Records& records,
                       bool replace, TRecords_Stored& stored);

// The question before an import replaces records: "2 QID plans of the file have names the
// catalogue holds. Replace them with the file's?"
std::string Replace_Question(TCatalogue_Kind kind, int held);

// "57 QID plans", "1 item".
std::string Records_Counted(TCatalogue_Kind kind, int count);

// What an import did, for the game master: "3 QID plans added, 1 replaced, 2 kept (their names are
// in the catalogue)." and a line for each line of the file that was skipped.
std::string Import_Report(TCatalogue_Kind kind, const TExchange_Records& records,
                          const TRecords_Stored& stored);

} // namespace Vexlor
