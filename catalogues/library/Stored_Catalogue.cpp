#include "Stored_Catalogue.h"

#include "foundations/CommonUt.h"

#include <algorithm>

namespace Vexlor {

bool Listing_Before(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(Lower_Char(a[i]));
        const auto y = static_cast<unsigned char>(Lower_Char(b[i]));
        if (x != y)
            return x < y;
    }
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

void TStored_Catalogue::Begin_Change() {
    if (Log)
        Log->Begin_Change();
}

void TStored_Catalogue::Save(const std::string& name, const std::string& text) {
    if (Store)
        Report_Failure(Store->Put(Names.Table, name, text),
                       "The " + Names.Kind + " \"" + name + "\" could not be saved");
}

void TStored_Catalogue::Save_Renamed(const std::string& old_name, const std::string& name,
                                     const std::string& text) {
    if (Store)
        Report_Failure(Store->Rename(Names.Table, old_name, name, text), "The " + Names.Kind + " \"" +
                                                                             old_name + "\" renamed \"" +
                                                                             name + "\" could not be saved");
}

void TStored_Catalogue::Erase(const std::string& name) {
    if (Store)
        Report_Failure(Store->Remove(Names.Table, name),
                       "The deletion of the " + Names.Kind + " \"" + name + "\" could not be saved");
}

void TStored_Catalogue::Report_Failure(const TResult& stored, const std::string& what) {
    if (!stored.Ok() && Log)
        Log->Change_Failed(what + ": " + stored.Problem() + ".");
}

} // namespace Vexlor
