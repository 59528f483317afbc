// A catalogue as the program uses it: adding, replacing, finding, deleting and sorting records,
// each change still there when the catalogue file is opened again, and every record listed under
// the name it is stored under.
#include "Test_Support.h"
#include "catalogues/Catalogue_Ownership.h"

#include <gmock/gmock.h>

namespace Vexlor::Testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class Registry_Test : public ::testing::Test {
  protected:
    void SetUp() override {
        Folder.Write_Starter();
        Catalogues = Folder.Open();
    }
    void Reopen() {
        Catalogues.reset();
        Catalogues = Folder.Open();
    }
    TQID_Registry& Plans() { return Catalogues->QIDs; }

    TLibrary_Folder Folder;
    std::unique_ptr<TVexlor_Catalogues> Catalogues;
};

TEST_F(Registry_Test, ChangesAreMadeInPlaceFoundExactlyAndStored) {
    for (const char* name : {"Laser", "Blaster", "laser", "Aura", "Zap"})
        Plans().Add(Plan(name, 1));
    Plans().Add(Plan("Laser", 3));
    Plans().Delete(3);
    Plans().Delete("Zap");
    for (const std::int32_t index : {-1, 3})
        Plans().Delete(index);
    Plans().Delete("LASER");
    Plans().Delete(static_cast<const char*>(nullptr));
    Plans().Add(nullptr);
    EXPECT_THAT(Listing(Plans()), ElementsAre("Laser=3", "Blaster=1", "laser=1"));
    EXPECT_EQ(Plans().Get("laser")->Get_Level(), 1);
    for (const char* missing : {"LASER", "Laser ", "Aura"})
        EXPECT_EQ(Plans().Get(missing), nullptr) << missing;
    EXPECT_EQ(Plans().Get(static_cast<const char*>(nullptr)), nullptr);
    EXPECT_EQ(Plans().Get(-1), nullptr);
    EXPECT_EQ(Plans().Get(3), nullptr);
    Reopen();
    EXPECT_THAT(Listing(Plans()), ElementsAre("Blaster=1", "Laser=3", "laser=1"));
    EXPECT_THAT(Catalogues->Set.Status(), IsEmpty());
}

// A record handed back to Add after the caller changed it is stored as it now stands; a new name
// moves it and replaces any other record of that name, without freeing the record being added.
TEST_F(Registry_Test, ARecordAddedAgainIsStoredUnderItsNewName) {
    Plans().Add(Plan("Old", 1));
    Plans().Add(Plan("Other", 2));
    TQID_Plan* held = Plans().Get("Old");
    held->Set_Level(5);
    Plans().Add(held);
    held->Set_Name("Other");
    Plans().Add(held);
    EXPECT_EQ(Plans().Get("Old"), nullptr);
    EXPECT_EQ(Plans().Get("Other"), held);
    Reopen();
    EXPECT_THAT(Listing(Plans()), ElementsAre("Other=5"));
}

// A window may hold a record it was handed while another adds a record of the same name: the
// record held takes over the new properties, and one replaced by a renamed record stays readable
// (the sanitizer build reports any read of a freed record).
TEST_F(Registry_Test, PointersHandedOutOutliveAnAddOfTheSameName) {
    ASSERT_TRUE(Add_Record({}, Plans(), std::unique_ptr<TQID_Plan>(Plan("Laser", 1))).Ok());
    Plans().Add(Plan("Zap", 2));
    TQID_Plan* const laser = Plans().Get("Laser");
    ASSERT_TRUE(Add_Record({}, Plans(), std::unique_ptr<TQID_Plan>(Plan("Laser", 7))).Ok());
    EXPECT_EQ(Plans().Get("Laser"), laser);
    EXPECT_EQ(laser->Get_Level(), 7);
    TQID_Plan* const zap = Plans().Get("Zap");
    zap->Set_Name("Laser");
    Plans().Add(zap);
    EXPECT_STREQ(laser->Get_Name(), "Laser");
    EXPECT_EQ(laser->Get_Level(), 7);
    EXPECT_THAT(Listing(Plans()), ElementsAre("Laser=2"));
}

// Listing order folds letters to small ones and breaks ties by the exact text.
TEST_F(Registry_Test, SortListsByNameWithoutRegardToCase) {
    for (const char* name :
         {"beta", "Alpha", "laser", "Laser", "LASER", "Sword 2", "sword 10", "Sword_", "SWORD-", "[R]"})
        Plans().Add(Plan(name, 0));
    Plans().Sort();
    std::vector<std::string> listed;
    for (std::int32_t i = 0; i < Plans().Count(); ++i)
        listed.push_back(Plans().Get(i)->Get_Name());
    EXPECT_THAT(listed, ElementsAre("[R]", "Alpha", "beta", "LASER", "Laser", "laser", "sword 10", "Sword 2",
                                    "SWORD-", "Sword_"));
}

// A name, and whether the records keep it exactly: their reading rules drop surrounding quotes
// and blanks.
struct TName_Case {
    std::string Name;
    bool Kept_Exactly;
};
void PrintTo(const TName_Case& given, std::ostream* out) {
    *out << '"' << given.Name << '"';
}

class Name_Test : public Registry_Test, public ::testing::WithParamInterface<TName_Case> {
  protected:
    // Adds a record of the given name; the name it is listed under at once.
    template <class T> static std::string Add(TCatalogue_Registry<T>& registry, const std::string& name) {
        auto* record = new T;
        record->Set_Name(name.c_str());
        registry.Add(record);
        return registry.Get(record->Get_Name()) == record ? record->Get_Name() : "(not found)";
    }
    template <class T> static std::string Listed(TCatalogue_Registry<T>& registry) {
        return registry.Count() == 1 ? registry.Get(0)->Get_Name() : "(not one record)";
    }
};

// After the next start every record is found under the name it was listed under at once.
TEST_P(Name_Test, EveryRecordIsListedUnderTheNameItIsStoredUnder) {
    const std::string& name = GetParam().Name;
    TVexlor_Catalogues& c = *Catalogues;
    const std::vector<std::string> listed = {Add(c.Items, name),   Add(c.Creatures, name),
                                             Add(c.QIDs, name),    Add(c.Compounds, name),
                                             Add(c.Effects, name), Add(c.Poisons, name)};
    if (GetParam().Kept_Exactly) {
        EXPECT_THAT(listed, ::testing::Each(name));
    }
    Reopen();
    TVexlor_Catalogues& d = *Catalogues;
    EXPECT_THAT(d.Set.Status(), IsEmpty());
    EXPECT_THAT(listed, ElementsAre(Listed(d.Items), Listed(d.Creatures), Listed(d.QIDs), Listed(d.Compounds),
                                    Listed(d.Effects), Listed(d.Poisons)));
}

INSTANTIATE_TEST_SUITE_P(Names, Name_Test,
                         ::testing::Values(TName_Case{"Rock & <Roll>", true},
                                           TName_Case{"Line\r\nbreak", true},
                                           TName_Case{"Caf\xE9 \x80uro", true}, TName_Case{"", true},
                                           TName_Case{"<#name=x>", true}, TName_Case{"Mid \"quote\"", true},
                                           TName_Case{"\"Quoted\"", false}, TName_Case{"'Single'", false},
                                           TName_Case{"  Two  spaces  ", false}));

} // namespace
} // namespace Vexlor::Testing
