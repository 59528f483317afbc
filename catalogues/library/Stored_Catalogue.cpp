#include "Stored_Catalogue.h"

#include "foundations/CommonUt.h"

#include <algorithm>

namespace Vexlor {

bool Listing_Before(std::string_view a, std::string_view b) {
    const auto folded_less = [](char x, char y) {
        return static_cast<unsigned char>(Lower_Char(x)) < static_cast<unsigned char>(Lower_Char(y));
    };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), folded_less))
        return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), folded_less))
        return false;
    return a < b;
}

void TStored_Catalogue::Save(const std::string& name, const std::string& text) {
    if (Store)
        Report_Failure(Store->Put(Names.Table, name, text), "The " + Names.Kind + " \"" + name + "\" could not be saved");
}

void TStored_Catalogue::Save_Renamed(const std::string& old_name, const std::string& name, const std::string& text) {
    if (Store)
        Report_Failure(Store->Rename(Names.Table, old_name, name, text),
                       "The " + Names.Kind + " \"" + old_name + "\" renamed \"" + name + "\" could not be saved");
}

void TStored_Catalogue::Erase(const std::string& name) {
    if (Store)
        Report_Failure(Store->Remove(Names.Table, name),
                       "The deletion of the " + Names.Kind + " \"" + name + "\" could not be saved");
}

void TStored_Catalogue::Report_Failure(const std::string& error, const std::string& what) {
    if (!error.empty() && Log)
        Log->Report(what + " (" + error + ").");
}

} // namespace Vexlor
