#include "Party_Roster.h"

#include "foundations/CommonUt.h"
#include "foundations/Files.h"

#include <algorithm>
#include <cerrno>

namespace Vexlor {
namespace {

// The whole file, or the operating-system error number of the failure.
std::optional<std::string> Read_Whole_File(const std::filesystem::path& path, int& error_number) {
    errno = 0;
    auto bytes = Read_File(path);
    if (!bytes)
        error_number = errno != 0 ? errno : EIO;
    return bytes;
}

bool Holds_Only_Blanks(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

} // namespace

TParty_Roster::TParty_Roster(std::filesystem::path file)
    : File(std::move(file)), Backup(File.string() + ".bak") {}

TResult TParty_Roster::Load() {
    Party_List.clear();
    Backup_Needed = false;
    std::string problem;
    std::error_code error;
    if (std::filesystem::exists(File, error)) {
        int error_number = 0;
        if (const auto text = Read_Whole_File(File, error_number)) {
            Party_List = Read_Parties(*text);
            if (Party_List.empty() && !Holds_Only_Blanks(*text))
                problem = "No party found while reading " + File.filename().string();
        } else {
            problem = File_Problem(error_number, TFile_Action::Reading, File.filename());
        }
    }
    if (!problem.empty()) {
        Backup_Needed = true;
        problem += "\n" + File.filename().string() + " is kept as it is and copied to " +
                   Backup.filename().string() + " before it is written again.";
    }
    if (Party_List.empty())
        Party_List.push_back({std::string(Default_Party_Name), {}});
    Sort_Roster(Party_List);
    Select_Party(0);
    return problem.empty() ? TResult() : TResult::Failure(problem);
}

void TParty_Roster::Select_Party(int index) {
    Character_List.clear();
    Character_Index = -1;
    Party_Index = index >= 0 && index < static_cast<int>(Party_List.size()) ? index : -1;
    if (Party_Index < 0)
        return;
    Character_List = Read_Party_Members(Party_List[Party_Index].Stored);
    Sort_Roster(Character_List);
    Character_Index = Character_List.empty() ? -1 : 0;
}

void TParty_Roster::Select_Character(int index) {
    Character_Index = index >= 0 && index < static_cast<int>(Character_List.size()) ? index : -1;
}

void TParty_Roster::Select_Character_Text(const std::string& text) {
    Character_Index = Find_Roster_Entry(Character_List, text);
}

TResult TParty_Roster::New_Party(const std::string& answer) {
    const std::string name = Edit(answer, Edit_Trim);
    if (name.empty())
        return {};
    if (const int existing = Find_Roster_Entry(Party_List, name); existing >= 0) {
        Select_Party(existing);
        return {};
    }
    Party_List.push_back({name, {}});
    Sort_Roster(Party_List);
    Select_Party(Find_Roster_Entry(Party_List, name));
    return Persist();
}

TResult TParty_Roster::Delete_Party() {
    if (Party_Index < 0)
        return {};
    Party_List.erase(Party_List.begin() + Party_Index);
    if (Party_List.empty())
        Party_List.push_back({std::string(Default_Party_Name), {}});
    Select_Party(std::min(Party_Index, static_cast<int>(Party_List.size()) - 1));
    return Persist();
}

TResult TParty_Roster::Delete_Character() {
    if (Character_Index < 0)
        return {};
    Character_List.erase(Character_List.begin() + Character_Index);
    Character_Index = std::min(Character_Index, static_cast<int>(Character_List.size()) - 1);
    return Persist();
}

TResult TParty_Roster::Add_Character(std::string text, std::string stored) {
    if (Party_Index < 0)
        return {};
    const std::string selected = text;
    Character_List.push_back({std::move(text), std::move(stored)});
    Sort_Roster(Character_List);
    Select_Character_Text(selected);
    return Persist();
}

TResult TParty_Roster::Replace_Character(std::string text, std::string stored) {
    if (Character_Index < 0)
        return {};
    const std::string selected = text;
    Character_List[Character_Index] = {std::move(text), std::move(stored)};
    Sort_Roster(Character_List);
    Select_Character_Text(selected);
    return Persist();
}

TResult TParty_Roster::Persist() {
    Party_List[Party_Index].Stored = Party_Text(Character_List);
    if (Backup_Needed)
        if (TResult kept = Keep_Unreadable_File(); !kept.Ok())
            return kept;
    return Write_File_Atomic(File, Party_File_Text(Party_List));
}

TResult TParty_Roster::Keep_Unreadable_File() {
    const std::string not_written = "; " + File.filename().string() + " was not written.";
    int error_number = 0;
    const auto bytes = Read_Whole_File(File, error_number);
    if (!bytes && error_number == ENOENT) { // the file has gone since: there is nothing left to keep
        Backup_Needed = false;
        return {};
    }
    if (!bytes)
        return TResult::Failure(File_Problem(error_number, TFile_Action::Reading, File.filename()) +
                                " to copy it to " + Backup.filename().string() + not_written);
    if (const TResult copied = Write_File_Atomic(Backup, *bytes); !copied.Ok())
        return TResult::Failure(copied.Problem() + not_written);
    Backup_Needed = false;
    return {};
}

} // namespace Vexlor
