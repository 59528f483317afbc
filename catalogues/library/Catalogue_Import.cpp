// The records of a catalogue exchange file stored in one transaction: a file is imported whole or
// not at all, even when the program is killed half way or the disk fills.
#include "Catalogue_Set.h"

#include "foundations/CommonUt.h"

#include <algorithm>
#include <exception>
#include <set>

namespace Vexlor {

std::string TCatalogue_Set::Store_Records(const std::string& table, const std::vector<std::string>& texts,
                                          bool replace, TRecords_Stored& stored) {
    stored = {};
    const auto found =
        std::find_if(Catalogues.begin(), Catalogues.end(),
                     [&](const TStored_Catalogue* catalogue) { return catalogue->Names.Table == table; });
    if (found == Catalogues.end())
        return "There is no catalogue called \"" + table + "\".";
    TStored_Catalogue& catalogue = **found;
    const std::string nothing = "; nothing was imported.";
    if (!Store)
        return "The catalogue file \"" + File_Name + "\" cannot be written" + nothing;

    TRecords_Stored counts;
    std::vector<TRecord_Text> chosen;
    std::set<std::string, std::less<>> named; // the names this call stores
    for (const std::string& text : texts) {
        TRecord_Text record;
        try {
            record = catalogue.Canonical(text);
        } catch (const std::exception& error) {
            return "A " + catalogue.Names.Kind + " does not read (" + error.what() + ")" + nothing;
        }
        if (Edit(record.Name, Edit_Trim).empty())
            return "A " + catalogue.Names.Kind + " has no name" + nothing;
        const bool held = catalogue.Holds(record.Name) || named.contains(record.Name);
        if (held && !replace) {
            ++counts.Kept;
            continue;
        }
        ++(held ? counts.Replaced : counts.Added);
        named.insert(record.Name);
        chosen.push_back(std::move(record));
    }

    TResult result = Store->Begin_Writing();
    for (auto record = chosen.begin(); result.Ok() && record != chosen.end(); ++record)
        result = Store->Put(table, record->Name, record->Text);
    if (result.Ok())
        result = Store->Commit();
    if (!result.Ok()) {
        Store->Roll_Back();
        return "The " + catalogue.Names.Kind + "s could not be stored in \"" + File_Name + "\" (" +
               result.Problem() + ")" + nothing;
    }
    for (const TRecord_Text& record : chosen)
        if (!catalogue.Load(record.Name, record.Text.c_str()))
            Log.Report("The " + catalogue.Names.Kind + " \"" + record.Name +
                       "\" was stored but does not read back as it is written.");
    catalogue.Sort();
    stored = counts;
    return {};
}

} // namespace Vexlor
