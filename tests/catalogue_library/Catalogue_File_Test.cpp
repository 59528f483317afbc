// The catalogue file: created and filled from the starter catalogue on first use, damaged records
// skipped, a write-protected file left untouched, failed writes reported, and two copies of the
// program writing at once.
#include "Test_Support.h"

#include <chrono>
#include <gmock/gmock.h>
#include <sys/stat.h>
#include <thread>

namespace Vexlor::Testing {
namespace {

using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

class Catalogue_File_Test : public ::testing::Test {
  protected:
    void SetUp() override {
        Folder.Write_Starter(
            "<#level=2><#name=Knight>\r\n\r\n<#name=Ace><#level=1><#junk=x>\n  \n<#name=Ace><#level=11>");
    }
    TLibrary_Folder Folder;
};

TEST_F(Catalogue_File_Test, FirstUseFillsTheFileFromTheStarterCatalogueInItsOwnForm) {
    Folder.Open()->QIDs.Delete("Ace");
    EXPECT_EQ(TDirect_Connection(Folder.File()).Value("SELECT text FROM qids"), Plan_Text("Knight", 2));
    // A plan deleted by the game master stays deleted: the starter catalogue is used only once.
    const auto again = Folder.Open();
    EXPECT_THAT(Listing(again->QIDs), ElementsAre("Knight=2"));
    EXPECT_THAT(again->Set.Status(), IsEmpty());
}

TEST_F(Catalogue_File_Test, DamagedRowsAreSkippedAndReportedAndTheOthersLoad) {
    {
        Folder.Open();
        TDirect_Connection file(Folder.File());
        file.Execute("INSERT INTO qids VALUES ('Queen', '" + Plan_Text("Jack", 11) + "')");
        file.Execute("INSERT INTO qids VALUES ('King', CAST('" + Plan_Text("King", 13) + "' AS BLOB))");
        file.Execute("INSERT INTO qids VALUES ('Ten', '" + Plan_Text("Ten", 10) + "' || char(0) || 'x')");
    }
    const auto catalogues = Folder.Open();
    EXPECT_THAT(Listing(catalogues->QIDs), ElementsAre("Ace=11", "Knight=2"));
    for (const char* name : {"Queen", "King", "Ten"})
        EXPECT_THAT(
            catalogues->Set.Status(),
            HasSubstr(std::string("A damaged QID plan record (stored as \"") + name + "\") was skipped."));
    // The file stays in use: a damaged record is replaced by storing a sound one of its name.
    catalogues->QIDs.Add(Plan("Queen", 12));
    EXPECT_EQ(Folder.Open()->QIDs.Get("Queen")->Get_Level(), 12);
}

TEST_F(Catalogue_File_Test, WriteProtectedFileIsReadAndNotWritten) {
    Folder.Open()->QIDs.Add(Plan("Queen", 12));
    ::chmod(Folder.File().c_str(), 0444);
    const std::string bytes = Folder.Read("Vexlor.catalogue");
    Run_In_Child([&] {
        // The superuser writes to write-protected files: its copy gives up its rights first.
        if (::geteuid() == 0) {
            ASSERT_EQ(::setuid(65534), 0);
        }
        const auto catalogues = Folder.Open();
        EXPECT_THAT(catalogues->Set.Status(),
                    HasSubstr("is write-protected: changes to the catalogues will not be saved"));
        EXPECT_EQ(catalogues->Set.Unkept_Reason(),
                  "Changes to the catalogues last only until the program ends: "
                  "the catalogue file \"Vexlor.catalogue\" is write-protected.");
        EXPECT_THAT(Listing(catalogues->QIDs), ElementsAre("Ace=11", "Knight=2", "Queen=12"));
        catalogues->QIDs.Delete("Queen");
    });
    EXPECT_TRUE(Folder.Read("Vexlor.catalogue") == bytes) << "the file has changed";
}

// Each change's failure is told for that change alone, naming the record, the cause and what the
// catalogue holds now: a change the file did not take is not made in memory either.
TEST_F(Catalogue_File_Test, FailedWriteIsReportedAndLeavesTheCatalogueAsItWas) {
    const auto catalogues = Folder.Open();
    TDirect_Connection(Folder.File()).Execute("DROP TABLE qids");
    catalogues->QIDs.Add(Plan("Queen", 12));
    EXPECT_EQ(catalogues->Set.Change_Failure(),
              "The QID plan \"Queen\" could not be saved: no such table: qids. It is not in the catalogue.");
    EXPECT_EQ(catalogues->QIDs.Get("Queen"), nullptr);
    catalogues->QIDs.Add(Plan("Ace", 4));
    EXPECT_THAT(catalogues->Set.Change_Failure(), EndsWith(" The catalogue keeps the one stored before."));
    catalogues->QIDs.Delete("Ace");
    EXPECT_EQ(
        catalogues->Set.Change_Failure(),
        "The QID plan \"Ace\" could not be deleted: no such table: qids. It is still in the catalogue.");
    EXPECT_THAT(Listing(catalogues->QIDs), ElementsAre("Ace=11", "Knight=2"));
    auto* rope = new TItem_Template;
    rope->Set_Name("Rope");
    catalogues->Items.Add(rope);
    EXPECT_THAT(catalogues->Set.Change_Failure(), IsEmpty());
    EXPECT_THAT(catalogues->Set.Status(), IsEmpty());
    EXPECT_THAT(catalogues->Set.Unkept_Reason(), IsEmpty());
}

// Two copies of the program on one file: each change of either is kept, and a change made while
// another program is writing waits for it instead of failing.
TEST_F(Catalogue_File_Test, TwoCopiesAtOnceLoseNoChange) {
    const auto first = Folder.Open();
    const auto second = Folder.Open();
    for (int i = 0; i < 20; ++i) {
        first->QIDs.Add(Plan("First " + std::to_string(i), i));
        second->QIDs.Add(Plan("Second " + std::to_string(i), i));
    }
    first->QIDs.Delete("Ace");
    second->QIDs.Add(Plan("Knight", 3));
    {
        TDirect_Connection writer(Folder.File());
        writer.Execute("BEGIN IMMEDIATE");
        std::thread finish([&writer] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            writer.Execute("COMMIT");
        });
        first->QIDs.Add(Plan("Late", 1));
        finish.join();
    }
    EXPECT_THAT(first->Set.Status(), IsEmpty());
    EXPECT_THAT(second->Set.Status(), IsEmpty());
    const auto third = Folder.Open();
    EXPECT_EQ(third->QIDs.Count(), 42);
    EXPECT_EQ(third->QIDs.Get("Ace"), nullptr);
    EXPECT_EQ(third->QIDs.Get("Knight")->Get_Level(), 3);
    EXPECT_NE(third->QIDs.Get("Late"), nullptr);
}

} // namespace
} // namespace Vexlor::Testing
