#include "foundations/CommonUt.h"
#include "foundations/Files.h"
#include "tests/Test_Folder.h"

#include <gtest/gtest.h>

#include <cerrno>
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
    ASSERT_TRUE(Write_File_Atomic(file, "the party").Ok());
    TResult written;
    {
        TFile_Size_Limit disk_full(16);
        written = Write_File_Atomic(file, std::string(4096, 'x'));
    }
    EXPECT_EQ(written.Problem(), "Disk write error while writing " + file.string() + " (File too large)");
    EXPECT_EQ(Read_File(file), "the party");
    EXPECT_EQ(Entries(), 1u);
}

// Each failure names the file and its real cause, and leaves nothing behind.
TEST_F(Files_Test, Failed_Write_Names_The_File_And_The_Cause) {
    // A folder standing where the file should go cannot be replaced by a file.
    fs::create_directories(Folder / "sheet.rtf" / "inside");
    EXPECT_EQ(Write_File_Atomic(Folder / "sheet.rtf", "{\\rtf1}").Problem(),
              "File access denied while writing " + (Folder / "sheet.rtf").string() +
                  " (a folder has that name)");
    EXPECT_TRUE(fs::is_directory(Folder / "sheet.rtf"));
    EXPECT_EQ(Entries(), 1u);
    EXPECT_EQ(Write_File_Atomic(Folder / "missing" / "x.txt", "x").Problem(),
              "Path not found while writing " + (Folder / "missing" / "x.txt").string() + " (the folder " +
                  (Folder / "missing").string() + " does not exist)");
    EXPECT_EQ(Append_File("/dev/full", "x").Problem(),
              "Disk write error while writing /dev/full (the disk is full)");
    EXPECT_EQ(File_Problem(ENOENT, TFile_Action::Reading, Folder / "TABLES.TXT"),
              "File not found while reading " + (Folder / "TABLES.TXT").string());
}

TEST_F(Files_Test, Keeps_Permissions_Of_Replaced_File) {
    const fs::path file = Folder / "party";
    ASSERT_TRUE(Write_File_Atomic(file, "a").Ok());
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(Write_File_Atomic(file, "b").Ok());
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
