// The program's side of the catalogue library's ownership rules, with the hand-over spelled out
// in the types: a record given to a registry is given up, and a character the library makes
// belongs to whoever asked for it.
#pragma once

#include "catalogues/Catalogue_Registry.h"
#include "characters/Characters.h"

#include <memory>

namespace Vexlor {

// Stores record in registry, which owns it from then on. A record of a name the registry already
// holds is taken into the record held, so the pointers the registry handed out stay good.
template <class T> void Add_Record(TCatalogue_Registry<T>& registry, std::unique_ptr<T> record) {
    registry.Add(record.release());
}

// A new character from the catalogue library (mode -1: at random; mode 2: by the installed
// interactive creator); null when none was made.
inline std::unique_ptr<TVexlor_Character> New_Character(int mode, const char* text1, int value,
                                                        const char* text2, TCharacter_Edit_Interface* edit) {
    return std::unique_ptr<TVexlor_Character>(::Create_Character(mode, text1, value, text2, edit));
}

} // namespace Vexlor
