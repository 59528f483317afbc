// The records of an exchange file stored together: in one transaction, keeping or replacing the
// records of names the catalogue holds.
#include "Test_Support.h"

#include <gmock/gmock.h>

namespace Vexlor::Testing {
namespace {

using ::testing::ElementsAre;

class Import_Test : public ::testing::Test {
  protected:
    void SetUp() override {
        Folder.Write_Starter(Plan_Text("Heal", 1) + "\n" + Plan_Text("Fog", 2) + "\n");
        Catalogues = Folder.Open();
    }
    std::string Store(const std::vector<std::string>& texts, bool replace) {
        return Catalogues->Set.Store_Records("qids", texts, replace, Stored);
    }

    TLibrary_Folder Folder;
    std::unique_ptr<TVexlor_Catalogues> Catalogues;
    TRecords_Stored Stored;
};

TEST_F(Import_Test, Held_Names_Are_Kept_Or_Replaced_And_Every_Record_Is_Stored) {
    EXPECT_EQ(Store({Plan_Text("Fog", 5), Plan_Text("Zap", 3), Plan_Text("Zap", 4)}, false), "");
    EXPECT_EQ(std::tie(Stored.Added, Stored.Replaced, Stored.Kept), std::make_tuple(1, 0, 2));
    TQID_Plan* fog = Catalogues->QIDs.Get("Fog");
    EXPECT_EQ(Store({Plan_Text("Fog", 6), Plan_Text("Aura", 1)}, true), "");
    EXPECT_EQ(std::tie(Stored.Added, Stored.Replaced, Stored.Kept), std::make_tuple(1, 1, 0));
    EXPECT_EQ(Catalogues->QIDs.Get("Fog"), fog) << "a record handed out stays good";
    EXPECT_THAT(Listing(Catalogues->QIDs), ElementsAre("Aura=1", "Fog=6", "Heal=1", "Zap=3"));
    Catalogues = Folder.Open();
    EXPECT_THAT(Listing(Catalogues->QIDs), ElementsAre("Aura=1", "Fog=6", "Heal=1", "Zap=3"));
}

TEST_F(Import_Test, A_Record_That_Cannot_Be_Stored_Leaves_The_Catalogue_As_It_Was) {
    TDirect_Connection(Folder.File())
        .Execute("CREATE TRIGGER refuse BEFORE INSERT ON qids WHEN NEW.name = 'Bad' "
                 "BEGIN SELECT RAISE(ABORT, 'refused by the test'); END");
    const std::string problem =
        Store({Plan_Text("Aura", 1), Plan_Text("Bad", 1), Plan_Text("Zap", 1)}, false);
    EXPECT_EQ(problem, "The QID plans could not be stored in \"Vexlor.catalogue\" (refused by the test); "
                       "nothing was imported.");
    EXPECT_EQ(std::tie(Stored.Added, Stored.Replaced, Stored.Kept), std::make_tuple(0, 0, 0));
    EXPECT_THAT(Listing(Catalogues->QIDs), ElementsAre("Fog=2", "Heal=1"));
    EXPECT_EQ(TDirect_Connection(Folder.File()).Value("SELECT count(*) FROM qids"), "2");
    EXPECT_EQ(Store({Plan_Text("Aura", 1)}, false), "") << "the catalogue file is still in use";
    EXPECT_EQ(Catalogues->Set.Store_Records("spells", {}, false, Stored),
              "There is no catalogue called \"spells\".");
}

} // namespace
} // namespace Vexlor::Testing
