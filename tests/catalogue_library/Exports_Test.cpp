// The catalogue library as the program loads it, each case in fresh processes working in a folder
// of their own: the starter catalogue stored and read back exactly, changes surviving a copy of
// the program killed while it writes, a corrupt or damaged catalogue file left as it was, and
// character creation.
#include "Test_Support.h"
#include "tests/Killed_Writer.h"

#include "characters/Characters.h"
#include "foundations/Random.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <gmock/gmock.h>
#include <numeric>
#include <random>
#include <thread>

namespace Vexlor::Testing {
namespace {

using ::testing::HasSubstr;
using ::testing::StrEq;

// The lines of a starter file that hold a record, sorted.
std::vector<std::string> Starter_Lines(const std::string& file_name) {
    std::vector<std::string> lines;
    std::istringstream text(Read_File(std::filesystem::path(VEXLOR_STARTER_FOLDER) / file_name).value_or(""));
    for (std::string line; std::getline(text, line);)
        if (line.find_first_not_of(" \t\r") != std::string::npos)
            lines.push_back(line.back() == '\r' ? line.substr(0, line.size() - 1) : line);
    std::sort(lines.begin(), lines.end());
    return lines;
}

template <class T> void Expect_Starter_Texts(TCatalogue_Registry<T>& registry, const std::string& file_name) {
    std::vector<std::string> texts;
    for (std::int32_t i = 0; i < registry.Count(); ++i)
        texts.push_back(registry.Get(i)->Serialize());
    std::sort(texts.begin(), texts.end());
    EXPECT_FALSE(texts.empty()) << file_name;
    EXPECT_EQ(texts, Starter_Lines(file_name)) << file_name;
}

void Enter(const TLibrary_Folder& folder) {
    ASSERT_EQ(::chdir(folder.Path.c_str()), 0);
}

TEST(Exports_Test, StarterCatalogueIsStoredAndReadBackExactly) {
    TLibrary_Folder folder;
    for (int start = 0; start < 2; ++start)
        Run_In_Child([&] {
            Enter(folder);
            EXPECT_THAT(Get_Catalogue_Status(), StrEq(""));
            Expect_Starter_Texts(*Get_Item_Registry(), "items.txt");
            Expect_Starter_Texts(*Get_Creature_Registry(), "creatures.txt");
            Expect_Starter_Texts(*Get_QID_Registry(), "qids.txt");
            Expect_Starter_Texts(*Get_Compound_Registry(), "compounds.txt");
            Expect_Starter_Texts(*Get_Effect_Registry(), "effects.txt");
            Expect_Starter_Texts(*Get_Poison_Registry(), "poisons.txt");
        });
    EXPECT_TRUE(std::filesystem::exists(folder.File()));
}

std::string Durable_Name(std::size_t round, int number) {
    return "Durable " + std::to_string(round) + "-" + std::to_string(number);
}

// Starts a copy that adds 1,000 QID plans, acknowledging each Add once it has returned, and
// kills it with SIGKILL a little while (delay) after kill_after acknowledgements, so that the kill
// lands anywhere in an Add. Returns how many Adds had returned.
int Write_And_Kill(const TLibrary_Folder& folder, std::size_t round, int kill_after,
                   std::chrono::microseconds delay) {
    return Testing::Write_And_Kill(
        [&](const std::function<void()>& acknowledge) {
            if (::chdir(folder.Path.c_str()) != 0)
                ::_exit(2);
            for (int number = 0; number < 1000; ++number) {
                Get_QID_Registry()->Add(Plan(Durable_Name(round, number), number % 10 + 1));
                acknowledge();
            }
        },
        kill_after, delay);
}

// Three copies in turn, each killed part-way through its writing (each after recovering from the
// one before); every Add that had returned is found afterwards, and the file is intact.
TEST(Exports_Test, EveryAddThatReturnedSurvivesAKilledProgram) {
    using namespace std::chrono_literals;
    TLibrary_Folder folder;
    std::vector<int> returned;
    for (const auto& [kill_after, delay] :
         {std::pair{400, 4000us}, std::pair{250, 9000us}, std::pair{100, 14000us}}) {
        returned.push_back(Write_And_Kill(folder, returned.size(), kill_after, delay));
        const bool mid_transaction = std::filesystem::exists(folder.Path / "Vexlor.catalogue-journal");
        std::cout << "killed after " << returned.back() << " returned Adds"
                  << (mid_transaction ? ", in the middle of a transaction\n" : "\n");
    }
    Run_In_Child([&] {
        Enter(folder);
        EXPECT_THAT(Get_Catalogue_Status(), StrEq(""));
        for (std::size_t round = 0; round < returned.size(); ++round)
            for (int number = 0; number < returned[round]; ++number) {
                const TQID_Plan* plan = Get_QID_Registry()->Get(Durable_Name(round, number).c_str());
                ASSERT_NE(plan, nullptr) << Durable_Name(round, number);
                EXPECT_EQ(plan->Get_Level(), number % 10 + 1);
            }
        const int acknowledged = std::accumulate(returned.begin(), returned.end(), 0);
        const int added = Get_QID_Registry()->Count() - static_cast<int>(Starter_Lines("qids.txt").size());
        // A killed copy may have committed one more Add without getting to acknowledge it.
        EXPECT_GE(added, acknowledged);
        EXPECT_LE(added, acknowledged + 3);
        std::cout << added << " added plans found, " << acknowledged << " acknowledged\n";
    });
    EXPECT_EQ(TDirect_Connection(folder.File()).Value("PRAGMA integrity_check"), "ok");
}

std::string Random_Bytes(std::size_t size, std::string start = "") {
    std::mt19937 generator(20240611);
    while (start.size() < size)
        start.push_back(static_cast<char>(generator() & 0xFF));
    return start;
}

// A catalogue file that is not ours: random bytes, random bytes after a database header, another
// program's database. The starter catalogue is in use and the file is not written to, whatever
// the game master changes.
class Corrupt_File_Test : public ::testing::TestWithParam<int> {};

TEST_P(Corrupt_File_Test, StarterCatalogueIsInUseAndTheFileUnchanged) {
    TLibrary_Folder folder;
    if (GetParam() == 2)
        TDirect_Connection(folder.File()).Execute("CREATE TABLE items (name TEXT, text TEXT)");
    else
        folder.Write("Vexlor.catalogue", GetParam() == 1
                                             ? Random_Bytes(8192, std::string("SQLite format 3", 16))
                                             : Random_Bytes(65536));
    const std::string bytes = folder.Read("Vexlor.catalogue");
    Run_In_Child([&] {
        Enter(folder);
        EXPECT_THAT(Get_Catalogue_Status(),
                    HasSubstr("The catalogue file \"Vexlor.catalogue\" could not be used ("));
        EXPECT_THAT(
            Get_Catalogue_Unkept_Reason(),
            HasSubstr("last only until the program ends: the catalogue file \"Vexlor.catalogue\" could not "
                      "be used ("));
        std::cout << Get_Catalogue_Status();
        Expect_Starter_Texts(*Get_Item_Registry(), "items.txt");
        Expect_Starter_Texts(*Get_Poison_Registry(), "poisons.txt");
        Get_Item_Registry()->Add(new TItem_Template);
        Get_Item_Registry()->Delete("Paper");
    });
    EXPECT_TRUE(folder.Read("Vexlor.catalogue") == bytes) << "the file has changed";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path),
                            std::filesystem::directory_iterator()),
              1);
}

std::string Contents_Name(const ::testing::TestParamInfo<int>& contents) {
    const char* const names[] = {"RandomBytes", "AfterAHeader", "OtherDatabase"};
    return names[contents.param];
}
INSTANTIATE_TEST_SUITE_P(Contents, Corrupt_File_Test, ::testing::Values(0, 1, 2), Contents_Name);

// Pages of our own catalogue file overwritten: the records that can still be read are in use,
// the damage is reported, and the file is left as it is for the game master to rescue.
TEST(Exports_Test, DamagedCatalogueFileIsReportedAndLeftAsItIs) {
    TLibrary_Folder folder;
    Run_In_Child([&] {
        Enter(folder);
        Get_Item_Registry();
    });
    {
        TDirect_Connection file(folder.File());
        file.Execute("BEGIN");
        for (int number = 0; number < 400; ++number) {
            TItem_Template item;
            item.Set_Name(("Crate " + std::to_string(number)).c_str());
            item.Set_Description(std::string(200, 'x').c_str());
            file.Execute("INSERT INTO items VALUES ('" + std::string(item.Get_Name()) + "', '" +
                         item.Serialize() + "')");
        }
        file.Execute("COMMIT");
    }
    std::string bytes = folder.Read("Vexlor.catalogue");
    ASSERT_GT(bytes.size(), 40000u);
    bytes.replace(bytes.size() - 20000, 8192, Random_Bytes(8192));
    folder.Write("Vexlor.catalogue", bytes);
    Run_In_Child([&] {
        Enter(folder);
        EXPECT_THAT(Get_Catalogue_Status(), HasSubstr("is damaged"));
        std::cout << Get_Catalogue_Status();
        Get_Item_Registry()->Delete("Crate 1");
    });
    EXPECT_TRUE(folder.Read("Vexlor.catalogue") == bytes) << "the file has changed";
}

TEST(Exports_Test, CharactersAreMadeAtRandomOrByTheInstalledCreator) {
    std::unique_ptr<TVexlor_Character> rolled(Create_Character(-1, "", 0, "", nullptr));
    ASSERT_NE(rolled, nullptr);
    EXPECT_NE(rolled->Get_Class(1), -1);
    EXPECT_STRNE(rolled->Get_Name(), "");
    for (const int mode : {0, 1, 2, 3})
        EXPECT_EQ(Create_Character(mode, "", 0, "", nullptr), nullptr) << mode;
    static std::string passed;
    Install_Character_Creator([](const char* text1, int value, const char* text2,
                                 TCharacter_Edit_Interface* edit) {
        passed = std::string(text1) + "|" + std::to_string(value) + "|" + text2 + (edit ? "|edit" : "|none");
        return value == 1 ? new TVexlor_Character : nullptr;
    });
    EXPECT_NE(std::unique_ptr<TVexlor_Character>(Create_Character(2, "a", 1, "b", nullptr)), nullptr);
    EXPECT_EQ(passed, "a|1|b|none");
    EXPECT_EQ(Create_Character(2, "", 0, "", nullptr), nullptr);
    Install_Character_Creator(nullptr);
    EXPECT_EQ(Create_Character(2, "", 1, "", nullptr), nullptr);
}

TEST(Exports_Test, ScriptedDiceReachTheRandomCharacterOfTheLoadedLibrary) {
    // The library shares the program's core, so the dice a test scripts are the dice it rolls: the
    // character it makes, with the rolling method named or the library's own, is exactly the one
    // the same dice give here, down to the last field.
    // A fixed stream of draws, started afresh for each character.
    std::mt19937 engine;
    int draws = 0;
    TFunction_Random scripted_dice([&](int n) {
        ++draws;
        return static_cast<int>(engine() % static_cast<unsigned>(n));
    });
    const TRandom_Override scripted(scripted_dice);
    for (const auto& [method_text, method] : {std::pair{"", 4}, std::pair{"0", 0}, std::pair{"3", 3}}) {
        engine.seed();
        draws = 0;
        const std::unique_ptr<TVexlor_Character> rolled(Create_Character(-1, method_text, 0, "", nullptr));
        ASSERT_NE(rolled, nullptr);
        const int library_draws = draws;
        EXPECT_GT(library_draws, 0);
        engine.seed();
        draws = 0;
        TVexlor_Character expected;
        expected.Generate(method);
        EXPECT_EQ(draws, library_draws) << method;
        EXPECT_STREQ(rolled->Serialize(), expected.Serialize()) << method;
    }
    for (const char* unknown_method : {"5", "-1", "four"})
        EXPECT_EQ(Create_Character(-1, unknown_method, 0, "", nullptr), nullptr) << unknown_method;
}

} // namespace
} // namespace Vexlor::Testing
