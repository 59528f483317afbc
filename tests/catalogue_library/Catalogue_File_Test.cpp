// The catalogue file: created and filled from the starter catalogue on first use, left untouched
// when it is not ours or cannot be written, damaged records skipped, two copies of the program
// writing at once, and failed writes reported.
#include "Test_Support.h"

#include <chrono>
#include <gmock/gmock.h>
#include <sys/stat.h>
#include <thread>

namespace Vexlor::Testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

class Catalogue_File_Test : public ::testing::Test {
  protected:
    void SetUp() override {
        Folder.Write("cards.txt", "<#value=2><#name=Knight>\r\n\r\n<#name=Ace><#value=1><#junk=x>\n  \n<#name=Ace><#value=11>");
        Folder.Write("spares.txt", "<#name=Joker>");
    }
    std::filesystem::path File() const { return Folder.Path / "Vexlor.catalogue"; }

    TTemporary_Folder Folder;
};

TEST_F(Catalogue_File_Test, FirstUseFillsTheFileFromTheStarterCatalogueInItsOwnForm) {
    {
        TCard_Library library(Folder.Path);
        EXPECT_THAT(Listing(library.Cards), ElementsAre("Ace=11", "Knight=2"));
        EXPECT_THAT(Listing(library.Spares), ElementsAre("Joker=0"));
        EXPECT_THAT(library.Set.Status(), IsEmpty());
        library.Cards.Delete("Ace");
        library.Spares.Delete("Joker");
    }
    TDirect_Connection file(File());
    EXPECT_EQ(file.Value("SELECT text FROM cards"), Card_Text("Knight", 2));
    // A catalogue emptied by the game master stays empty: the starter catalogue is used only once.
    TCard_Library again(Folder.Path);
    EXPECT_THAT(Listing(again.Cards), ElementsAre("Knight=2"));
    EXPECT_EQ(again.Spares.Count(), 0);
}

TEST_F(Catalogue_File_Test, MissingStarterFileIsReportedAndItsCatalogueStillStored) {
    std::filesystem::remove(Folder.Path / "spares.txt");
    {
        TCard_Library library(Folder.Path);
        EXPECT_THAT(library.Set.Status(), HasSubstr("\"spares.txt\" could not be read"));
        library.Spares.Add(new TCard("Joker", 3));
    }
    TCard_Library again(Folder.Path);
    EXPECT_THAT(Listing(again.Spares), ElementsAre("Joker=3"));
}

// A file that is not our catalogue file: the game master gets the starter catalogue to work with
// and the file is not written to, whatever he changes.
class Foreign_File_Test : public Catalogue_File_Test, public ::testing::WithParamInterface<std::string> {};

TEST_P(Foreign_File_Test, IsLeftUntouchedAndTheStarterCatalogueUsed) {
    if (GetParam() == "another program's database")
        TDirect_Connection(File()).Execute(
            "CREATE TABLE cards (name TEXT, text TEXT); INSERT INTO cards VALUES ('x', 'y')");
    else
        Folder.Write("Vexlor.catalogue", GetParam());
    const std::string bytes = Folder.Read("Vexlor.catalogue");
    {
        TCard_Library library(Folder.Path);
        EXPECT_THAT(Listing(library.Cards), ElementsAre("Ace=11", "Knight=2"));
        EXPECT_THAT(library.Set.Status(), HasSubstr("The catalogue file \"Vexlor.catalogue\" could not be used ("));
        library.Cards.Add(new TCard("Queen", 12));
        library.Cards.Delete("Ace");
        EXPECT_THAT(Listing(library.Cards), ElementsAre("Knight=2", "Queen=12"));
    }
    EXPECT_TRUE(Folder.Read("Vexlor.catalogue") == bytes) << "the file has changed";
    EXPECT_FALSE(std::filesystem::exists(Folder.Path / "Vexlor.catalogue-journal"));
}

INSTANTIATE_TEST_SUITE_P(Contents, Foreign_File_Test,
                         ::testing::Values("another program's database", "A party file, not a database\r\n",
                                           std::string("SQLite format 3\0 and a broken header", 36)));

TEST_F(Catalogue_File_Test, DamagedRowsAreSkippedAndReportedAndTheOthersLoad) {
    {
        TCard_Library first_use(Folder.Path);
        TDirect_Connection file(File());
        file.Execute("INSERT INTO cards VALUES ('Queen', '" + Card_Text("Jack", 11) + "')");
        file.Execute("INSERT INTO cards VALUES ('King', CAST('" + Card_Text("King", 13) + "' AS BLOB))");
        file.Execute("INSERT INTO cards VALUES ('Ten', '" + Card_Text("Ten", 10) + "' || char(0) || 'x')");
    }
    TCard_Library library(Folder.Path);
    EXPECT_THAT(Listing(library.Cards), ElementsAre("Ace=11", "Knight=2"));
    for (const char* name : {"Queen", "King", "Ten"})
        EXPECT_THAT(library.Set.Status(), HasSubstr(std::string("A damaged card record (stored as \"") + name +
                                                    "\") was skipped."));
    // The file stays in use: a damaged record is replaced by storing a sound one of its name.
    library.Cards.Add(new TCard("Queen", 12));
    TCard_Library again(Folder.Path);
    EXPECT_EQ(again.Cards.Get("Queen")->Value, 12);
}

TEST_F(Catalogue_File_Test, WriteProtectedFileIsReadAndNotWritten) {
    TCard_Library(Folder.Path).Cards.Add(new TCard("Queen", 12));
    ::chmod(File().c_str(), 0444);
    const std::string bytes = Folder.Read("Vexlor.catalogue");
    Run_In_Child([&] {
        // The superuser writes to write-protected files: its copy gives up its rights first.
        if (::geteuid() == 0) {
            ASSERT_EQ(::setuid(65534), 0);
        }
        TCard_Library library(Folder.Path);
        EXPECT_THAT(library.Set.Status(), HasSubstr("is write-protected: changes to the catalogues will not be saved"));
        EXPECT_THAT(Listing(library.Cards), ElementsAre("Ace=11", "Knight=2", "Queen=12"));
        library.Cards.Delete("Queen");
    });
    EXPECT_TRUE(Folder.Read("Vexlor.catalogue") == bytes) << "the file has changed";
}

TEST_F(Catalogue_File_Test, FailedWriteIsReported) {
    TCard_Library library(Folder.Path);
    TDirect_Connection(File()).Execute("DROP TABLE cards");
    library.Cards.Add(new TCard("Queen", 12));
    library.Cards.Delete("Ace");
    EXPECT_THAT(library.Set.Status(), HasSubstr("The card \"Queen\" could not be saved (no such table: cards)."));
    EXPECT_THAT(library.Set.Status(), HasSubstr("The deletion of the card \"Ace\" could not be saved ("));
    EXPECT_NE(library.Cards.Get("Queen"), nullptr);
}

// Two copies of the program on one file: each change of either is kept, and a change made while
// the other copy is writing waits for it instead of failing.
TEST_F(Catalogue_File_Test, TwoCopiesAtOnceLoseNoChange) {
    TCard_Library first(Folder.Path);
    TCard_Library second(Folder.Path);
    for (int i = 0; i < 20; ++i) {
        first.Cards.Add(new TCard("First " + std::to_string(i), i));
        second.Cards.Add(new TCard("Second " + std::to_string(i), i));
    }
    first.Cards.Delete("Ace");
    second.Cards.Add(new TCard("Knight", 3));
    {
        TDirect_Connection writer(File());
        writer.Execute("BEGIN IMMEDIATE");
        std::thread finish([&writer] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            writer.Execute("COMMIT");
        });
        first.Cards.Add(new TCard("Late", 1));
        finish.join();
    }
    EXPECT_THAT(first.Set.Status(), IsEmpty());
    EXPECT_THAT(second.Set.Status(), IsEmpty());
    TCard_Library third(Folder.Path);
    EXPECT_EQ(third.Cards.Count(), 42);
    EXPECT_EQ(third.Cards.Get("Ace"), nullptr);
    EXPECT_EQ(third.Cards.Get("Knight")->Value, 3);
    EXPECT_NE(third.Cards.Get("Late"), nullptr);
}

} // namespace
} // namespace Vexlor::Testing
