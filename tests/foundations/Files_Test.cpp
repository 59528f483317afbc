#include "foundations/CommonUt.h"
#include "foundations/Files.h"
#include "tests/Test_Folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sys/resource.h>

namespace Vexlor {
namespace {
namespace fs = std::filesystem;

class Files_Test : public testing::Test {
  protected:
    std::size_t Entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(Folder), {}));
    }
    Testing::TTemporary_Folder Temporary;
    const fs::path& Folder = Temporary.Path;
};

// A disk that fills up half-way through a save, as a file size limit makes it for any user.
class TFile_Size_Limit {
  public:
    explicit TFile_Size_Limit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &Saved);
        Old_Handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = Saved;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~TFile_Size_Limit() {
        ::setrlimit(RLIMIT_FSIZE, &Saved);
        std::signal(SIGXFSZ, Old_Handler);
    }

  private:
    rlimit Saved{};
    void (*Old_Handler)(int);
};

TEST_F(Files_Test, Failed_Write_Leaves_Old_File_Untouched) {
    const fs::path file = Folder / "Characters.master";
    ASSERT_EQ(Write_File_Atomic(file, "the party"), 0);
    int code;
    {
        TFile_Size_Limit disk_full(16);
        code = Write_File_Atomic(file, std::string(4096, 'x'));
    }
    EXPECT_EQ(code, 101);
    EXPECT_EQ(Ert(code), "Disk write error");
    EXPECT_EQ(Read_File(file), "the party");
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(Files_Test, Failed_Write_Reports_And_Leaves_Nothing_Behind) {
    // A folder standing where the file should go cannot be replaced by a file.
    fs::create_directories(Folder / "sheet.rtf" / "inside");
    const int code = Write_File_Atomic(Folder / "sheet.rtf", "{\\rtf1}");
    EXPECT_NE(code, 0);
    EXPECT_NE(Ert(code), "Success");
    EXPECT_TRUE(fs::is_directory(Folder / "sheet.rtf"));
    EXPECT_EQ(Entries(), 1u);
    EXPECT_EQ(Write_File_Atomic(Folder / "missing" / "x.txt", "x"), 2);
}

TEST_F(Files_Test, Keeps_Permissions_Of_Replaced_File) {
    const fs::path file = Folder / "party";
    ASSERT_EQ(Write_File_Atomic(file, "a"), 0);
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_EQ(Write_File_Atomic(file, "b"), 0);
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(Files_Test, Finds_Names_Whatever_Their_Case) {
    std::ofstream(Folder / "tables.txt") << "x";
    EXPECT_EQ(Find_File(Folder, "TABLES.TXT"), Folder / "tables.txt");
    EXPECT_EQ(Find_File(Folder, "tables.txt"), Folder / "tables.txt");
    EXPECT_FALSE(Find_File(Folder, "MALE.NAM").has_value());
    EXPECT_FALSE(Find_File(Folder / "nowhere", "MALE.NAM").has_value());
    fs::create_directories(Folder / "Male.Nam");
    EXPECT_FALSE(Find_File(Folder, "MALE.NAM").has_value());
    EXPECT_FALSE(Read_File(Folder / "none").has_value());
}

} // namespace
} // namespace Vexlor
