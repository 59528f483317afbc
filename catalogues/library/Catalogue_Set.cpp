#include "Catalogue_Set.h"

#include "foundations/CommonUt.h"
#include "foundations/Files.h"

#include <exception>
#include <optional>

namespace Vexlor {
namespace {

bool Blank(std::string_view line) {
    return line.find_first_not_of(" \t\r") == std::string::npos;
}

} // namespace

TCatalogue_Set::TCatalogue_Set(std::vector<TStored_Catalogue*> catalogues,
                               const std::filesystem::path& database, std::filesystem::path starter_folder)
    : Catalogues(std::move(catalogues)), File_Name(database.filename().string()),
      Starter_Folder(std::move(starter_folder)) {
    std::string reason;
    Store = TCatalogue_Store::Open(database, reason);
    std::string unusable; // why the file cannot take changes
    if (!Store) {
        Log.Report("The catalogue file \"" + File_Name + "\" could not be used (" + reason +
                   "). It is left as it was; the starter catalogue is in use and changes to the catalogues "
                   "will not be saved.");
        unusable = "could not be used (" + reason + ")";
        for (TStored_Catalogue* catalogue : Catalogues)
            Load_Starter(*catalogue);
    } else {
        if (Store->Read_Only()) {
            Log.Report("The catalogue file \"" + File_Name +
                       "\" is write-protected: changes to the catalogues will not be saved.");
            unusable = "is write-protected";
        } else if (!Fill_Missing_Tables()) {
            unusable = "could not be prepared";
        }
        if (!Read_Tables())
            unusable = "is damaged";
        if (!unusable.empty())
            Store.reset();
    }
    if (!unusable.empty())
        Unkept = "Changes to the catalogues last only until the program ends: the catalogue file \"" +
                 File_Name + "\" " + unusable + ".";
    for (TStored_Catalogue* catalogue : Catalogues) {
        catalogue->Sort();
        catalogue->Attach(Store.get(), Log);
    }
}

// Creates the table of every catalogue the file lacks (all of them in a new file) and fills it
// from the starter catalogue, in one transaction: a second copy of the program starting at the
// same moment waits and then finds the file complete.
bool TCatalogue_Set::Fill_Missing_Tables() {
    TResult filled = Store->Begin_Writing();
    for (auto catalogue = Catalogues.begin(); filled.Ok() && catalogue != Catalogues.end(); ++catalogue)
        if (!Store->Has_Table((*catalogue)->Names.Table))
            filled = Fill_Table(**catalogue);
    if (filled.Ok())
        filled = Store->Commit();
    if (filled.Ok())
        return true;
    Store->Roll_Back();
    Log.Report("The catalogue file \"" + File_Name + "\" could not be prepared (" + filled.Problem() +
               "): changes to the catalogues will not be saved.");
    return false;
}

TResult TCatalogue_Set::Fill_Table(const TStored_Catalogue& catalogue) {
    TResult filled = Store->Create_Table(catalogue.Names.Table);
    for (const TRecord_Text& record : Starter_Records(catalogue)) {
        if (!filled.Ok())
            break;
        filled = Store->Put(catalogue.Names.Table, record.Name, record.Text);
    }
    return filled;
}

// Reads every catalogue in one read transaction, so that all six come from the same moment;
// false when a table could not be read to its end.
bool TCatalogue_Set::Read_Tables() {
    Store->Begin_Reading();
    bool intact = true;
    for (TStored_Catalogue* catalogue : Catalogues) {
        if (!Store->Has_Table(catalogue->Names.Table))
            Load_Starter(*catalogue);
        else if (!Read_Table(*catalogue))
            intact = false;
    }
    Store->Roll_Back();
    return intact;
}

// A damaged row is skipped and reported and the others load. When the table itself cannot be
// read to its end, the records read so far stay.
bool TCatalogue_Set::Read_Table(TStored_Catalogue& catalogue) {
    const std::string& kind = catalogue.Names.Kind;
    int count = 0;
    const TResult read = Store->Read_Rows(catalogue.Names.Table, [&](const TStored_Row& row) {
        if (row.Readable && catalogue.Load(row.Name, row.Text.data()))
            ++count;
        else
            Log.Report("A damaged " + kind + " record (stored as \"" + std::string(row.Name) +
                       "\") was skipped.");
    });
    if (read.Ok())
        return true;
    Log.Report("The " + kind + " catalogue in \"" + File_Name + "\" is damaged (" + read.Problem() + "); " +
               std::to_string(count) +
               " records could be read. The file is left as it was and changes to the catalogues will not be "
               "saved.");
    return false;
}

void TCatalogue_Set::Load_Starter(TStored_Catalogue& catalogue) {
    for (const TRecord_Text& record : Starter_Records(catalogue))
        if (!catalogue.Load(record.Name, record.Text.c_str()))
            Log.Report("The starter " + catalogue.Names.Kind + " \"" + record.Name +
                       "\" does not read back as it is written and was left out.");
}

// The starter records of a catalogue, one for each line of its starter file that is not blank,
// in the form their record writes them.
std::vector<TRecord_Text> TCatalogue_Set::Starter_Records(const TStored_Catalogue& catalogue) {
    const std::string& file_name = catalogue.Names.Starter_File;
    const std::optional<std::filesystem::path> path = Find_File(Starter_Folder, file_name);
    const std::optional<std::string> text = path ? Read_File(*path) : std::nullopt;
    if (!text) {
        Log.Report("The starter catalogue file \"" + file_name + "\" could not be read from \"" +
                   Starter_Folder.string() + "\".");
        return {};
    }
    std::vector<TRecord_Text> records;
    TLine_Reader lines(*text);
    std::string_view line;
    for (int number = 1; lines.Next(line); ++number) {
        if (Blank(line))
            continue;
        try {
            records.push_back(catalogue.Canonical(std::string(line)));
        } catch (const std::exception& error) {
            Log.Report("Line " + std::to_string(number) + " of the starter catalogue file \"" + file_name +
                       "\" could not be read (" + error.what() + ").");
        }
    }
    return records;
}

} // namespace Vexlor
