// Helpers shared by the catalogue library tests: a folder of their own, a small card record
// standing in for the game's records, catalogues of cards brought up from a catalogue file, and
// direct access to that file to damage it or look at it.
#pragma once

#include "catalogues/Catalogue_Registry.h"
#include "catalogues/library/Catalogue_Set.h"
#include "catalogues/library/Record_Catalogue.h"
#include "foundations/Files.h"
#include "foundations/HTML.h"

#include <filesystem>
#include <cstdio>
#include <functional>
#include <iostream>
#include <gtest/gtest.h>
#include <memory>
#include <sqlite3.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace Vexlor::Testing {

// A folder of its own for one test, removed afterwards.
class TTemporary_Folder {
  public:
    TTemporary_Folder() {
        static int count = 0;
        Path = std::filesystem::temp_directory_path() /
               ("vexlor_catalogue_library_" + std::to_string(::getpid()) + "_" + std::to_string(++count));
        std::filesystem::create_directories(Path);
    }
    ~TTemporary_Folder() {
        std::error_code error;
        std::filesystem::remove_all(Path, error);
    }
    TTemporary_Folder(const TTemporary_Folder&) = delete;
    TTemporary_Folder& operator=(const TTemporary_Folder&) = delete;

    void Write(const std::string& name, const std::string& bytes) const {
        ASSERT_EQ(Write_File_Atomic(Path / name, bytes), 0);
    }
    std::string Read(const std::string& name) const { return Read_File(Path / name).value_or("(missing)"); }

    std::filesystem::path Path;
};

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

// A record with a name and a number, written "<#name=...><#value=...>".
class TCard {
  public:
    TCard() = default;
    TCard(std::string name, int value) : Name(std::move(name)), Value(value) {}

    const char* Get_Name() const { return Name.c_str(); }
    const char* Serialize() {
        Temp_Serialize = "<#name=" + To_HTML(Name) + "><#value=" + std::to_string(Value) + ">";
        return Temp_Serialize.c_str();
    }
    void Deserialize(const char* text) {
        Name.clear();
        Value = 0;
        Read_Tagged_Text(text, TTag_Case::As_Is, [this](const TTag& tag, THTML_Parser&) {
            if (Same_Text(tag.Name, "<#name"))
                Name = From_HTML(tag.Value);
            else if (Same_Text(tag.Name, "<#value"))
                Value = Get_Int(tag.Value);
            else
                return false;
            return true;
        });
    }

    std::string Name;
    int Value = 0;

  private:
    std::string Temp_Serialize;
};

inline std::string Card_Text(const std::string& name, int value) { return TCard(name, value).Serialize(); }

using TCard_Catalogue = TRecord_Catalogue<TCard, TCatalogue_Registry<TCard>>;

// Two catalogues of cards, "cards" and "spares", brought up from the file "Vexlor.catalogue" in
// folder with starter files "cards.txt" and "spares.txt" in the same folder.
struct TCard_Library {
    explicit TCard_Library(const std::filesystem::path& folder)
        : Set({&Cards, &Spares}, folder / "Vexlor.catalogue", folder) {}

    TCard_Catalogue Cards{TCatalogue_Names{"cards", "cards.txt", "card"}};
    TCard_Catalogue Spares{TCatalogue_Names{"spares", "spares.txt", "spare"}};
    TCatalogue_Set Set;
};

// "name=value" of every card in catalogue order.
inline std::vector<std::string> Listing(TCatalogue_Registry<TCard>& catalogue) {
    std::vector<std::string> listing;
    for (std::int32_t i = 0; i < catalogue.Count(); ++i)
        listing.push_back(catalogue.Get(i)->Name + "=" + std::to_string(catalogue.Get(i)->Value));
    return listing;
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
        char* error = nullptr;
        EXPECT_EQ(sqlite3_exec(Database, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK)
            << sql << ": " << (error ? error : "");
        sqlite3_free(error);
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

    sqlite3* Database = nullptr;
};

} // namespace Vexlor::Testing
