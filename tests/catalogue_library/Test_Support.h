// Helpers shared by the catalogue library tests: a folder of their own, the catalogues brought up
// from a catalogue file in it, QID plans to fill them with, fresh processes, and direct access to
// the catalogue file to damage it or look into it.
#pragma once

#include "catalogues/library/Vexlor_Catalogues.h"
#include "foundations/Files.h"
#include "tests/Test_Folder.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>
#include <sqlite3.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace Vexlor::Testing {

// A folder of its own for one test, holding its catalogue file and starter catalogue.
class TLibrary_Folder : public TTemporary_Folder {
  public:
    // A starter catalogue with these QID plans and nothing else.
    void Write_Starter(const std::string& qids = "") const {
        for (const char* name : {"items.txt", "creatures.txt", "compounds.txt", "effects.txt", "poisons.txt"})
            Write(name, "");
        Write("qids.txt", qids);
    }
    std::filesystem::path File() const { return Path / "Vexlor.catalogue"; }
    // The catalogues from the catalogue file here, with the starter catalogue from here too.
    std::unique_ptr<TVexlor_Catalogues> Open() const {
        return std::make_unique<TVexlor_Catalogues>(File(), Path);
    }
};

inline TQID_Plan* Plan(const std::string& name, int level) {
    auto* plan = new TQID_Plan;
    plan->Set_Name(name.c_str());
    plan->Set_Level(level);
    return plan;
}
inline std::string Plan_Text(const std::string& name, int level) {
    return std::unique_ptr<TQID_Plan>(Plan(name, level))->Serialize();
}

// "name=level" of every plan in catalogue order.
inline std::vector<std::string> Listing(TQID_Registry& plans) {
    std::vector<std::string> listing;
    for (std::int32_t i = 0; i < plans.Count(); ++i)
        listing.push_back(std::string(plans.Get(i)->Get_Name()) + "=" +
                          std::to_string(plans.Get(i)->Get_Level()));
    return listing;
}

// Runs body in a child process, as a fresh copy of the program would run, and expects it to end
// without a failed expectation.
inline void Run_In_Child(const std::function<void()>& body) {
    std::cout.flush(); // or the child would print what the parent has not printed yet
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        body();
        std::cout.flush();
        std::fflush(stdout);
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child process failed: " << status;
}

// A connection of its own to a catalogue file, as another program would hold it.
class TDirect_Connection {
  public:
    explicit TDirect_Connection(const std::filesystem::path& path) {
        EXPECT_EQ(sqlite3_open(path.c_str(), &Database), SQLITE_OK);
        sqlite3_busy_timeout(Database, 10000);
    }
    ~TDirect_Connection() { sqlite3_close(Database); }
    TDirect_Connection(const TDirect_Connection&) = delete;
    TDirect_Connection& operator=(const TDirect_Connection&) = delete;

    void Execute(const std::string& sql) {
        EXPECT_EQ(sqlite3_exec(Database, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK)
            << sql << ": " << sqlite3_errmsg(Database);
    }
    // The first column of the first row, as text.
    std::string Value(const std::string& sql) {
        sqlite3_stmt* statement = nullptr;
        std::string value = "(error)";
        if (sqlite3_prepare_v2(Database, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW)
            value = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        sqlite3_finalize(statement);
        return value;
    }

  private:
    sqlite3* Database = nullptr;
};

} // namespace Vexlor::Testing
