// Copies of the program on one party file: a copy killed with SIGKILL while it rewrites the file
// leaves it whole, the old file or the new one, never a mix of both and never empty, and never
// blocks the next copy; copies writing at the same time lose none of each other's changes.
#include "roster/Party_Roster.h"

#include "foundations/File_Lock.h"
#include "foundations/Files.h"
#include "tests/Killed_Writer.h"
#include "tests/Test_Folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace Vexlor {
namespace {

std::string Character_Name(int number) {
    return "Character " + std::to_string(number);
}

// A large stored text, so that each rewrite takes long enough for a kill to land inside it.
std::string Stored_Text(const std::string& name) {
    std::string text = "<#name=" + name + "><items>";
    while (text.size() < 40000)
        text += "<item>" + name + " gear</item>";
    return text + "</items>";
}

// Starts a copy that adds characters one by one to the party file in the working folder,
// acknowledging each once its rewrite has returned, and kills it with SIGKILL a while (delay)
// after kill_after acknowledgements. Returns how many rewrites had returned.
int Write_And_Kill(int first_number, int kill_after, std::chrono::microseconds delay) {
    return Testing::Write_And_Kill(
        [&](const std::function<void()>& acknowledge) {
            TParty_Roster roster;
            if (!roster.Load().Ok())
                ::_exit(2);
            for (int number = first_number;; ++number) {
                const std::string name = Character_Name(number);
                if (!roster.Add_Character(name, Stored_Text(name)).Ok())
                    ::_exit(2);
                acknowledge();
            }
        },
        kill_after, delay);
}

// Whether the killed copy left its temporary file behind: then the kill landed inside the writing
// of the file. The leftover is removed, so that the next copy is judged alone.
bool Killed_Inside_A_Write(const std::filesystem::path& folder) {
    bool left_behind = false;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename().string().starts_with(".Characters.master.")) {
            left_behind = true;
            std::filesystem::remove(entry.path());
        }
    return left_behind;
}

TEST(Party_File_Durability, A_Writer_Killed_While_Rewriting_Leaves_The_Old_Or_The_New_File) {
    Testing::TWorking_Folder folder;
    int acknowledged = 0, inside_a_write = 0;
    // Kills at different delays land in different parts of a rewrite: building the text, writing
    // the temporary file, flushing it, renaming it.
    for (int round = 0; round < 16; ++round) {
        acknowledged += Write_And_Kill(acknowledged, 2, std::chrono::microseconds(250 * round));
        inside_a_write += Killed_Inside_A_Write(folder.Path);
        // The killed copy may have finished one more rewrite without acknowledging it; the next
        // copy goes on from what the file holds.
        const std::string bytes = folder.Read("Characters.master");
        const TRoster_List parties = Read_Parties(bytes);
        ASSERT_EQ(parties.size(), 1u);
        const TRoster_List characters = Read_Party_Members(parties[0].Stored);
        ASSERT_GE(static_cast<int>(characters.size()), acknowledged);
        ASSERT_LE(static_cast<int>(characters.size()), acknowledged + 1);
        acknowledged = static_cast<int>(characters.size());
        for (const auto& character : characters)
            EXPECT_EQ(character.Stored, Stored_Text(character.Text));
        EXPECT_EQ(Party_File_Text(parties), bytes) << "the file is not one whole rewrite";
    }
    std::cout << "16 copies killed, " << inside_a_write << " of them while writing the file; " << acknowledged
              << " characters in the file afterwards\n";
}

// A copy killed while it holds the party file's lock holds nothing: the next change takes the lock
// at once, without waiting for it.
TEST(Party_File_Durability, A_Writer_Killed_Holding_The_Lock_Does_Not_Block_The_Next) {
    Testing::TWorking_Folder folder;
    const auto lock_file = Party_Lock_File(Party_File_Name);
    const int held = Testing::Write_And_Kill(
        [&](const std::function<void()>& acknowledge) {
            TFile_Lock lock;
            if (!lock.Take(lock_file, std::chrono::milliseconds(0)).Ok())
                ::_exit(2);
            acknowledge();
            for (;;)
                ::pause();
        },
        1, std::chrono::microseconds(0));
    ASSERT_EQ(held, 1);
    EXPECT_TRUE(std::filesystem::exists(lock_file));
    TFile_Lock lock;
    EXPECT_TRUE(lock.Take(lock_file, std::chrono::milliseconds(0)).Ok());
    // While it is held, another program is told who holds it.
    const pid_t holder = ::getpid();
    Testing::Write_And_Kill(
        [&](const std::function<void()>& acknowledge) {
            TFile_Lock second;
            const TResult taken = second.Take(lock_file, std::chrono::milliseconds(0));
            if (taken.Problem() !=
                "Characters.master.lock is held by another program (process " + std::to_string(holder) + ")")
                ::_exit(2);
            acknowledge();
            for (;;)
                ::pause();
        },
        1, std::chrono::microseconds(0));
    lock.Release();
    TParty_Roster roster;
    ASSERT_TRUE(roster.Load().Ok());
    EXPECT_TRUE(roster.Add_Character("Una", "u").Ok());
}

// Two copies adding characters to the same party at the same time, each from what it read when it
// started: every character of both is in the file afterwards.
TEST(Party_File_Durability, Two_Copies_Writing_At_Once_Lose_Nothing) {
    Testing::TWorking_Folder folder;
    constexpr int Each = 40;
    pid_t copies[2];
    for (int copy = 0; copy < 2; ++copy) {
        copies[copy] = ::fork();
        if (copies[copy] == 0) {
            TParty_Roster roster;
            if (!roster.Load().Ok())
                ::_exit(2);
            for (int number = 0; number < Each; ++number) {
                const std::string name = Character_Name(copy * 1000 + number);
                if (!roster.Add_Character(name, "<#name=" + name + ">").Ok())
                    ::_exit(3);
            }
            ::_exit(0);
        }
    }
    for (const pid_t copy : copies) {
        int status = 0;
        ASSERT_EQ(::waitpid(copy, &status, 0), copy);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    const TRoster_List parties = Read_Parties(folder.Read("Characters.master"));
    ASSERT_EQ(parties.size(), 1u);
    EXPECT_EQ(Read_Party_Members(parties[0].Stored).size(), 2u * Each);
}

} // namespace
} // namespace Vexlor
