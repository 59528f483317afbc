// The catalogue library's exports. The catalogues are brought up at the first call, from the
// catalogue file "Vexlor.catalogue" in the working folder; a new file is filled from the starter
// catalogue in the folder "catalogues" beside this library.
#include "catalogues/library/Vexlor_Catalogues.h"
#include "characters/Characters.h"
#include "foundations/CommonUt.h"
#include "foundations/Files.h"

#include <dlfcn.h>
#include <memory>

namespace Vexlor {
namespace {

// A random character is rolled with method 4: for each group of three scores six dice, of which
// the three highest are kept. A character handed to a player ready-made should be fit to play.
constexpr int Random_Character_Method = 4;
constexpr int Highest_Rolling_Method = 4;

std::filesystem::path Library_Folder() {
    static const char marker = 0;
    Dl_info info;
    if (::dladdr(&marker, &info) != 0 && info.dli_fname)
        return std::filesystem::path(info.dli_fname).parent_path();
    return Program_Folder();
}

TVexlor_Catalogues& Catalogues() {
    static TVexlor_Catalogues catalogues("Vexlor.catalogue", Library_Folder() / "catalogues");
    return catalogues;
}

TCharacter_Creator Installed_Creator = nullptr;

} // namespace
} // namespace Vexlor

using namespace Vexlor;

extern "C" {

TItem_Registry* Get_Item_Registry() {
    return &Catalogues().Items;
}
TCreature_Registry* Get_Creature_Registry() {
    return &Catalogues().Creatures;
}
TQID_Registry* Get_QID_Registry() {
    return &Catalogues().QIDs;
}
TCompound_Registry* Get_Compound_Registry() {
    return &Catalogues().Compounds;
}
TEffect_Registry* Get_Effect_Registry() {
    return &Catalogues().Effects;
}
TPoison_Registry* Get_Poison_Registry() {
    return &Catalogues().Poisons;
}

// Other modes make nothing.
TVexlor_Character* Create_Character(int mode, const char* text1, int value, const char* text2,
                                    TCharacter_Edit_Interface* edit) {
    if (mode == -1) {
        int method = Random_Character_Method;
        if (text1 && *text1 && (!Str_To_Int(text1, method) || method < 0 || method > Highest_Rolling_Method))
            return nullptr;
        auto character = std::make_unique<TVexlor_Character>();
        character->Generate(method);
        return character.release();
    }
    if (mode == 2 && Installed_Creator)
        return Installed_Creator(text1, value, text2, edit);
    return nullptr;
}

void Install_Character_Creator(TCharacter_Creator creator) {
    Installed_Creator = creator;
}

const char* Get_Catalogue_Status() {
    return Catalogues().Set.Status().c_str();
}

const char* Get_Catalogue_Change_Failure() {
    return Catalogues().Set.Change_Failure().c_str();
}

const char* Get_Catalogue_Unkept_Reason() {
    return Catalogues().Set.Unkept_Reason().c_str();
}

const char* Store_Catalogue_Records(const char* catalogue, const char* const* texts, std::int32_t count,
                                    int replace, TRecords_Stored* stored) {
    static std::string problem;
    std::vector<std::string> records;
    for (std::int32_t i = 0; i < count; ++i)
        records.emplace_back(texts && texts[i] ? texts[i] : "");
    TRecords_Stored counts;
    problem = Catalogues().Set.Store_Records(catalogue ? catalogue : "", records, replace != 0, counts);
    if (stored)
        *stored = counts;
    return problem.c_str();
}
}
