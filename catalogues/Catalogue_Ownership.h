// The program's side of the catalogue library's ownership rules, with the hand-over spelled out
// in the types: a record given to a registry is given up, and a character the library makes
// belongs to whoever asked for it.
#pragma once

#include "catalogues/Catalogue_Registry.h"
#include "characters/Characters.h"
#include "foundations/Result.h"

#include <memory>
#include <string>
#include <vector>

namespace Vexlor {

// What the last change of one of the catalogues came to: the failure they reported, or success.
inline TResult Change_Result(const TCatalogues& catalogues) {
    const std::string failure = catalogues.Change_Failure ? catalogues.Change_Failure() : std::string();
    return failure.empty() ? TResult() : TResult::Failure(failure);
}

// Stores record in registry, one of catalogues, which owns it from then on. A record of a name
// the registry already holds is taken into the record held, so the pointers the registry handed
// out stay good.
template <class T>
TResult Add_Record(const TCatalogues& catalogues, TCatalogue_Registry<T>& registry,
                   std::unique_ptr<T> record) {
    registry.Add(record.release());
    return Change_Result(catalogues);
}

// Deletes the record called name from registry, one of catalogues.
template <class T>
TResult Delete_Record(const TCatalogues& catalogues, TCatalogue_Registry<T>& registry,
                      const std::string& name) {
    registry.Delete(name.c_str());
    return Change_Result(catalogues);
}

// The catalogue library's Store_Catalogue_Records, for TCatalogues::Store_Records.
inline std::string Library_Store_Records(const std::string& catalogue, const std::vector<std::string>& texts,
                                         bool replace, TRecords_Stored& stored) {
    std::vector<const char*> pointers;
    pointers.reserve(texts.size());
    for (const std::string& text : texts)
        pointers.push_back(text.c_str());
    return ::Store_Catalogue_Records(catalogue.c_str(), pointers.data(),
                                     static_cast<std::int32_t>(pointers.size()), replace ? 1 : 0, &stored);
}

// A new character from the catalogue library (mode -1: at random; mode 2: by the installed
// interactive creator); null when none was made.
inline std::unique_ptr<TVexlor_Character> New_Character(int mode, const char* text1, int value,
                                                        const char* text2, TCharacter_Edit_Interface* edit) {
    return std::unique_ptr<TVexlor_Character>(::Create_Character(mode, text1, value, text2, edit));
}

} // namespace Vexlor
