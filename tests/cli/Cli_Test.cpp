// vexlor-cli run as a process in a campaign folder of its own: its results, its exit statuses,
// and the files it changes as the program reads them.
#include "catalogues/library/Catalogue_Store.h"
#include "evaluator/Express.h"
#include "foundations/CommonUt.h"
#include "referee/Tables.h"
#include "roster/Party_Roster.h"
#include "tests/Test_Folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace Vexlor::Testing {
namespace {

struct TRun {
    int Status = -1; // the exit status; -1 when the process was killed
    std::string Out, Err;
};

// Starts vexlor-cli with arguments in folder; its output goes to files there.
pid_t Start(const std::filesystem::path& folder, const std::vector<std::string>& arguments) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::chdir(folder.c_str()) != 0)
            ::_exit(120);
        for (const auto& [descriptor, name] : {std::pair{1, ".out"}, std::pair{2, ".err"}}) {
            const int file = ::open(name, O_WRONLY | O_CREAT | O_TRUNC, 0600);
            ::dup2(file, descriptor);
            ::close(file);
        }
        std::vector<char*> argv{const_cast<char*>(VEXLOR_CLI)};
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        ::execv(VEXLOR_CLI, argv.data());
        ::_exit(121);
    }
    return child;
}

TRun Finish(const std::filesystem::path& folder, pid_t child) {
    int status = 0;
    ::waitpid(child, &status, 0);
    TRun run;
    run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.Out = Read_File(folder / ".out").value_or("");
    run.Err = Read_File(folder / ".err").value_or("");
    return run;
}

class Cli_Test : public ::testing::Test {
  protected:
    TRun Run(const std::vector<std::string>& arguments) {
        return Finish(Campaign.Path, Start(Campaign.Path, arguments));
    }
    void Use_Shipped_Tables() const {
        Campaign.Write("TABLES.TXT", Read_File(VEXLOR_DATA_FOLDER "/TABLES.TXT").value());
    }

    TTemporary_Folder Campaign;
};

std::vector<std::string> Lines(const std::string& text) {
    return Split_Lines(text.ends_with('\n') ? text.substr(0, text.size() - 1) : text);
}

TEST_F(Cli_Test, A_Seed_Rolls_The_Same_Values_Again) {
    const TRun first = Run({"roll", "--seed", "7", "3d6", "-n", "5"});
    const TRun second = Run({"roll", "--seed", "7", "3d6", "-n", "5"});
    ASSERT_EQ(first.Status, 0) << first.Err;
    EXPECT_EQ(first.Out, second.Out);
    const std::vector<std::string> values = Lines(first.Out);
    ASSERT_EQ(values.size(), 5u);
    for (const std::string& value : values)
        EXPECT_TRUE(std::stoi(value) >= 3 && std::stoi(value) <= 18) << value;
    EXPECT_NE(Run({"roll", "--seed", "8", "3d6", "-n", "5"}).Out, first.Out);
}

TEST_F(Cli_Test, A_Formula_The_Evaluator_Refuses_Is_Bad_Input_With_Its_Message) {
    for (const std::string formula : {"3x6", "2*(1d4", "1d6/0"}) {
        long double value, imaginary;
        int position, error;
        Eval(formula, value, imaginary, position, error);
        ASSERT_NE(error, 0) << formula;
        const TRun run = Run({"roll", formula});
        EXPECT_EQ(run.Status, 2) << formula;
        EXPECT_EQ(run.Out, "");
        EXPECT_EQ(run.Err, "vexlor-cli: " + EERT(error) + " at position " + std::to_string(position) +
                               " of \"" + formula + "\".\n");
    }
    EXPECT_EQ(Run({"roll"}).Status, 2);
    EXPECT_EQ(Run({"roll", "1d6", "-n", "0"}).Status, 2);
}

TEST_F(Cli_Test, A_Table_Of_The_Shipped_File_Gives_Its_Entries) {
    Use_Shipped_Tables();
    TTable tables;
    const TTable_Record* areas = tables.Find_Table(2, (Campaign.Path / "TABLES.TXT").string());
    ASSERT_NE(areas, nullptr);
    const TRun run = Run({"table", "2", "--raw", "-n", "30"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    const std::vector<std::string> results = Lines(run.Out);
    EXPECT_EQ(results.size(), 30u);
    for (const std::string& result : results)
        EXPECT_TRUE(std::any_of(areas->Entries.begin(), areas->Entries.end(), [&](const TTable_Entry& entry) {
            return entry.Text == result;
        })) << result;
    const TRun missing = Run({"table", "9999"});
    EXPECT_EQ(missing.Status, 2);
    EXPECT_EQ(missing.Err, "vexlor-cli: Table 9999 is not in TABLES.TXT.\n");
}

TEST_F(Cli_Test, A_Random_Character_Joins_The_Party_The_Parties_Window_Reads) {
    const TRun made = Run({"character", "--random", "--party", "Night Watch", "--json"});
    ASSERT_EQ(made.Status, 0) << made.Err;
    Run({"character", "--random", "--party", "Night Watch"});
    TParty_Roster roster(Campaign.Path / "Characters.master");
    ASSERT_TRUE(roster.Load().Ok());
    const int party = Find_Roster_Entry(roster.Parties(), "Night Watch");
    ASSERT_GE(party, 0);
    EXPECT_EQ(roster.Parties()[static_cast<std::size_t>(party)].Text, "Night Watch");
    roster.Select_Party(party);
    ASSERT_EQ(roster.Characters().size(), 2u);
    const std::string name = made.Out.substr(9, made.Out.find('"', 9) - 9); // {"name":"...
    const TRun refused = Run({"character", "--random", "--party", "\u0141\u00F3d\u017A Crew"});
    EXPECT_EQ(refused.Status, 2);
    EXPECT_EQ(refused.Err,
              "vexlor-cli: In the party name, \u0141, \u017A cannot be stored: the game's files hold "
              "Western European letters only.\n");
    const std::vector<std::string> names = Member_Names(roster.Characters(), -1);
    EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << made.Out;
    // The list shows such a character as it shows one the parties window made: name, tab, classes.
    TVexlor_Character character;
    character.Deserialize(roster.Characters()[0].Stored.c_str());
    EXPECT_EQ(roster.Characters()[0].Text, Character_Display_Text(character));
    EXPECT_NE(roster.Characters()[0].Text.find('\t'), std::string::npos);
}

// A campaign whose catalogue file holds the six catalogues, all empty.
void Write_Empty_Catalogues(const std::filesystem::path& folder) {
    std::string reason;
    const auto store = TCatalogue_Store::Open(folder / "Vexlor.catalogue", reason);
    ASSERT_TRUE(store) << reason;
    for (const char* table : {"items", "creatures", "qids", "compounds", "effects", "poisons"})
        ASSERT_TRUE(store->Create_Table(table).Ok());
}

TEST_F(Cli_Test, The_Whole_Starter_Catalogue_Comes_Back_Identical_Through_Its_Exchange_Files) {
    TTemporary_Folder other;
    Write_Empty_Catalogues(other.Path);
    for (const std::string kind : {"items", "creatures", "qids", "compounds", "effects", "poisons"}) {
        const TRun exported = Run({"catalogue", "export", kind, kind + ".txt"});
        ASSERT_EQ(exported.Status, 0) << exported.Err;
        const std::string file = Campaign.Read(kind + ".txt");
        const std::size_t records = Lines(file).size() - 1;
        EXPECT_GT(records, 3u) << kind;
        const TRun imported =
            Finish(other.Path, Start(other.Path, {"catalogue", "import", kind,
                                                  (Campaign.Path / (kind + ".txt")).string(), "--json"}));
        ASSERT_EQ(imported.Status, 0) << imported.Err;
        EXPECT_EQ(imported.Out, "{\"catalogue\":\"" + kind + "\",\"added\":" + std::to_string(records) +
                                    ",\"replaced\":0,\"kept\":0,\"skipped\":[]}\n");
        const TRun again = Finish(other.Path, Start(other.Path, {"catalogue", "export", kind}));
        EXPECT_EQ(again.Out, file) << kind;
    }
}

TEST_F(Cli_Test, Damaged_Lines_Are_Reported_And_The_Rest_Imported) {
    Campaign.Write("plans.txt", "<#catalogue=qids><#version=1>\r\n"
                                "<#name=Spark><#level=2>\r\n"
                                "<#name=Cut Short><#level=3><description>cut off\r\n"
                                "level=4>\r\n"
                                "\r\n"
                                "<#name=Hail><#level=5>\r\n");
    const TRun run = Run({"catalogue", "import", "qids", "plans.txt", "--json"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Out,
              "{\"catalogue\":\"qids\",\"added\":2,\"replaced\":0,\"kept\":0,\"skipped\":["
              "{\"line\":3,\"reason\":\"the section <description> is not closed\"},"
              "{\"line\":4,\"reason\":\"it does not begin with the record's name tag <#name=...>\"}]}\n");
    EXPECT_EQ(run.Err, "vexlor-cli: 2 lines of plans.txt could not be read and were skipped; the others were "
                       "imported.\n");
    const std::vector<std::string> names = Lines(Run({"catalogue", "list", "qids"}).Out);
    EXPECT_EQ(
        std::count(names.begin(), names.end(), "Spark") + std::count(names.begin(), names.end(), "Hail"), 2);
    EXPECT_EQ(std::count(names.begin(), names.end(), "Cut Short"), 0);
}

// How many QID plans of the catalogue file have a name starting "Imported ".
int Imported_Plans(const std::filesystem::path& file) {
    sqlite3* database = nullptr;
    EXPECT_EQ(sqlite3_open(file.c_str(), &database), SQLITE_OK);
    sqlite3_stmt* count = nullptr;
    int imported = -1;
    if (sqlite3_prepare_v2(database, "SELECT count(*) FROM qids WHERE name LIKE 'Imported %'", -1, &count,
                           nullptr) == SQLITE_OK &&
        sqlite3_step(count) == SQLITE_ROW)
        imported = sqlite3_column_int(count, 0);
    sqlite3_finalize(count);
    sqlite3_close(database);
    return imported;
}

TEST_F(Cli_Test, An_Import_Killed_At_Any_Moment_Leaves_All_Of_The_File_Or_None) {
    constexpr int Records = 3000;
    std::string file = "<#catalogue=qids><#version=1>\r\n";
    for (int i = 0; i < Records; ++i)
        file += "<#name=Imported " + std::to_string(i) + "><#level=" + std::to_string(1 + i % 10) +
                "><description>A plan brought in from another campaign.</description>\r\n";
    Campaign.Write("many.txt", file);
    ASSERT_EQ(Run({"catalogue", "list", "qids"}).Status, 0); // the catalogue file exists before the kills
    const auto started = std::chrono::steady_clock::now();
    TTemporary_Folder whole;
    whole.Write("Vexlor.catalogue", Campaign.Read("Vexlor.catalogue"));
    ASSERT_EQ(Finish(whole.Path, Start(whole.Path, {"catalogue", "import", "qids",
                                                    (Campaign.Path / "many.txt").string()}))
                  .Status,
              0);
    const auto duration = std::chrono::steady_clock::now() - started;
    ASSERT_EQ(Imported_Plans(whole.Path / "Vexlor.catalogue"), Records);

    int killed = 0;
    for (int tenth = 1; tenth <= 9; ++tenth) {
        const pid_t child = Start(Campaign.Path, {"catalogue", "import", "qids", "many.txt"});
        std::this_thread::sleep_for(duration * tenth / 10);
        ::kill(child, SIGKILL);
        killed += Finish(Campaign.Path, child).Status == -1 ? 1 : 0;
        const int imported = Imported_Plans(Campaign.Path / "Vexlor.catalogue");
        EXPECT_TRUE(imported == 0 || imported == Records)
            << imported << " plans after a kill at " << tenth << "/10";
        if (imported == Records)
            break;
    }
    EXPECT_GT(killed, 0);
}

} // namespace
} // namespace Vexlor::Testing
