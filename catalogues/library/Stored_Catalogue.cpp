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

TResult TStored_Catalogue::Save(const std::string& name, const std::string& text,
                                const std::string& consequence) {
    if (!Store)
        return {};
    return Reported(Store->Put(Names.Table, name, text),
                    "The " + Names.Kind + " \"" + name + "\" could not be saved: ", consequence);
}

TResult TStored_Catalogue::Save_Renamed(const std::string& old_name, const std::string& name,
                                        const std::string& text) {
    if (!Store)
        return {};
    return Reported(Store->Rename(Names.Table, old_name, name, text),
                    "The " + Names.Kind + " \"" + old_name + "\" could not be saved as \"" + name + "\": ",
                    Lost_At_The_End);
}

TResult TStored_Catalogue::Erase(const std::string& name) {
    if (!Store)
        return {};
    return Reported(
        Store->Remove(Names.Table, name),
        "The " + Names.Kind + " \"" + name + "\" could not be deleted: ", "It is still in the catalogue.");
}

// The game master hears what failed, why, and what the catalogue holds now.
TResult TStored_Catalogue::Reported(const TResult& stored, const std::string& what,
                                    const std::string& consequence) {
    if (stored.Ok())
        return stored;
    TResult failure = TResult::Failure(what + stored.Problem() + ". " + consequence);
    if (Log)
        Log->Change_Failed(failure.Problem());
    return failure;
}

} // namespace Vexlor
