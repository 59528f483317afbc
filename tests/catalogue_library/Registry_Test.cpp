// A catalogue as the program uses it: adding, replacing, finding, deleting and sorting records,
// and every change still there when the catalogue file is opened again.
#include "Test_Support.h"

#include <gmock/gmock.h>

namespace Vexlor::Testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class Registry_Test : public ::testing::Test {
  protected:
    void SetUp() override {
        Folder.Write("cards.txt", "");
        Folder.Write("spares.txt", "");
        Library = std::make_unique<TCard_Library>(Folder.Path);
    }
    void Reopen() {
        Library.reset();
        Library = std::make_unique<TCard_Library>(Folder.Path);
    }
    TCard_Catalogue& Cards() { return Library->Cards; }
    void Add(const std::string& name, int value) { Cards().Add(new TCard(name, value)); }

    TTemporary_Folder Folder;
    std::unique_ptr<TCard_Library> Library;
};

TEST_F(Registry_Test, AddOfAKnownNameReplacesTheEntryInItsPlace) {
    Add("Laser", 1);
    Add("Blaster", 2);
    Add("Laser", 3);
    EXPECT_THAT(Listing(Cards()), ElementsAre("Laser=3", "Blaster=2"));
    Reopen();
    EXPECT_THAT(Listing(Cards()), ElementsAre("Blaster=2", "Laser=3"));
    EXPECT_THAT(Library->Set.Status(), IsEmpty());
}

TEST_F(Registry_Test, NamesAreFoundExactlyAndIndexesOnlyInRange) {
    Add("Laser", 1);
    Add("laser", 2);
    EXPECT_EQ(Cards().Get("laser")->Value, 2);
    EXPECT_EQ(Cards().Get("Laser")->Value, 1);
    EXPECT_EQ(Cards().Get("LASER"), nullptr);
    EXPECT_EQ(Cards().Get("Laser "), nullptr);
    EXPECT_EQ(Cards().Get(static_cast<const char*>(nullptr)), nullptr);
    EXPECT_EQ(Cards().Get(-1), nullptr);
    EXPECT_EQ(Cards().Get(2), nullptr);
    Cards().Delete(2);
    Cards().Delete(-1);
    Cards().Delete("LASER");
    Cards().Delete(static_cast<const char*>(nullptr));
    Cards().Add(nullptr);
    EXPECT_EQ(Cards().Count(), 2);
}

TEST_F(Registry_Test, DeletionsByIndexAndByNameAreStored) {
    for (const char* name : {"A", "B", "C", "D"})
        Add(name, 0);
    Cards().Delete(1);
    Cards().Delete("D");
    EXPECT_THAT(Listing(Cards()), ElementsAre("A=0", "C=0"));
    EXPECT_EQ(Cards().Get("B"), nullptr);
    Reopen();
    EXPECT_THAT(Listing(Cards()), ElementsAre("A=0", "C=0"));
}

// A record handed back to Add after the caller changed it is stored as it now stands; a new name
// moves it and replaces any other record of that name, without freeing the record being added.
TEST_F(Registry_Test, ARecordAddedAgainIsStoredUnderItsNewName) {
    Add("Old", 1);
    Add("Other", 2);
    TCard* held = Cards().Get("Old");
    held->Value = 5;
    Cards().Add(held);
    held->Name = "Other";
    Cards().Add(held);
    EXPECT_EQ(Cards().Get("Old"), nullptr);
    EXPECT_EQ(Cards().Get("Other"), held);
    EXPECT_THAT(Listing(Cards()), ElementsAre("Other=5"));
    Reopen();
    EXPECT_THAT(Listing(Cards()), ElementsAre("Other=5"));
}

TEST_F(Registry_Test, CatalogueFileTakesAnyNameAndText) {
    const std::string awkward = "Rock'n\"roll <&> caf\xE9;\t--";
    Add(awkward, -7);
    Add("", 1);
    Reopen();
    ASSERT_NE(Cards().Get(awkward.c_str()), nullptr);
    EXPECT_EQ(Cards().Get(awkward.c_str())->Value, -7);
    EXPECT_NE(Cards().Get(""), nullptr);
    EXPECT_THAT(Library->Set.Status(), IsEmpty());
}

struct TSort_Case {
    std::vector<std::string> Added;
    std::vector<std::string> Listed;
};

class Sort_Test : public Registry_Test, public ::testing::WithParamInterface<TSort_Case> {};

TEST_P(Sort_Test, SortListsByNameWithoutRegardToCase) {
    for (const std::string& name : GetParam().Added)
        Add(name, 0);
    Cards().Sort();
    std::vector<std::string> listed;
    for (std::int32_t i = 0; i < Cards().Count(); ++i)
        listed.push_back(Cards().Get(i)->Name);
    EXPECT_EQ(listed, GetParam().Listed);
    for (const std::string& name : GetParam().Added)
        EXPECT_EQ(Cards().Get(name.c_str())->Name, name);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, Sort_Test,
    ::testing::Values(TSort_Case{{"beta", "Alpha", "gamma", "Delta"}, {"Alpha", "beta", "Delta", "gamma"}},
                      TSort_Case{{"laser", "Laser", "LASER"}, {"LASER", "Laser", "laser"}},
                      TSort_Case{{"Sword 2", "Sword", "sword 10", "Sword_", "SWORD-"},
                                 {"Sword", "sword 10", "Sword 2", "SWORD-", "Sword_"}},
                      TSort_Case{{"Zed", "[Bracket]", "Zap", "ab"}, {"[Bracket]", "ab", "Zap", "Zed"}}));

} // namespace
} // namespace Vexlor::Testing
