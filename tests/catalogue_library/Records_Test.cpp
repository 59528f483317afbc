// The game's six records through the catalogue file: whatever name the game master gives a
// record, it is found under that name when the catalogues are opened again.
#include "Test_Support.h"

#include "catalogues/library/Vexlor_Catalogues.h"

#include <gmock/gmock.h>

namespace Vexlor::Testing {
namespace {

// A name, and whether every record keeps it exactly: surrounding quotes and blanks are not kept
// by the records' reading rules.
struct TName_Case {
    std::string Name;
    bool Kept_Exactly;
};
void PrintTo(const TName_Case& given, std::ostream* out) { *out << '"' << given.Name << '"'; }

class Records_Test : public ::testing::TestWithParam<TName_Case> {
  protected:
    void SetUp() override {
        for (const char* name : {"items.txt", "creatures.txt", "qids.txt", "compounds.txt", "effects.txt", "poisons.txt"})
            Folder.Write(name, "");
    }
    std::unique_ptr<TVexlor_Catalogues> Open() {
        return std::make_unique<TVexlor_Catalogues>(Folder.Path / "Vexlor.catalogue", Folder.Path);
    }

    // Adds a record of the given name and returns the name it is listed under at once.
    template <class T> static std::string Add(TCatalogue_Registry<T>& registry, const std::string& name) {
        auto* record = new T;
        record->Set_Name(name.c_str());
        registry.Add(record);
        const std::string listed = registry.Get(0)->Get_Name();
        EXPECT_EQ(registry.Get(listed.c_str()), record);
        return listed;
    }
    // After the next start the record is found under the name it was listed under.
    template <class T> static void Expect_Listed(TCatalogue_Registry<T>& registry, const std::string& listed) {
        ASSERT_EQ(registry.Count(), 1);
        EXPECT_EQ(registry.Get(0)->Get_Name(), listed);
        EXPECT_NE(registry.Get(listed.c_str()), nullptr);
    }

    TTemporary_Folder Folder;
};

TEST_P(Records_Test, EveryRecordIsListedUnderTheNameItIsStoredUnder) {
    const TName_Case& given = GetParam();
    std::vector<std::string> listed;
    {
        const auto catalogues = Open();
        listed = {Add(catalogues->Items, given.Name),     Add(catalogues->Creatures, given.Name),
                  Add(catalogues->QIDs, given.Name),      Add(catalogues->Compounds, given.Name),
                  Add(catalogues->Effects, given.Name),   Add(catalogues->Poisons, given.Name)};
    }
    if (given.Kept_Exactly) {
        EXPECT_THAT(listed, ::testing::Each(given.Name));
    }
    const auto catalogues = Open();
    EXPECT_THAT(catalogues->Set.Status(), ::testing::IsEmpty());
    Expect_Listed(catalogues->Items, listed[0]);
    Expect_Listed(catalogues->Creatures, listed[1]);
    Expect_Listed(catalogues->QIDs, listed[2]);
    Expect_Listed(catalogues->Compounds, listed[3]);
    Expect_Listed(catalogues->Effects, listed[4]);
    Expect_Listed(catalogues->Poisons, listed[5]);
}

INSTANTIATE_TEST_SUITE_P(Names, Records_Test,
                         ::testing::Values(TName_Case{"Laser Rifle", true}, TName_Case{"Rock & <Roll>", true},
                                           TName_Case{"Line\r\nbreak", true}, TName_Case{"Caf\xE9 \x80uro", true},
                                           TName_Case{"", true}, TName_Case{"<#name=x>", true},
                                           TName_Case{"Mid \"quote\"", true}, TName_Case{"\"Quoted\"", false},
                                           TName_Case{"'Single'", false}, TName_Case{"  Two  spaces  ", false}));

} // namespace
} // namespace Vexlor::Testing
