#include "Party_Roster.h"

#include "foundations/CommonUt.h"
#include "foundations/Files.h"

#include <algorithm>
#include <cerrno>

namespace Vexlor {
namespace {

// The whole file, or the input/output error code of the failure.
std::optional<std::string> Read_Whole_File(const std::filesystem::path& path, int& code) {
    errno = 0;
    auto bytes = Read_File(path);
    if (!bytes)
        code = IO_Error_Code(errno != 0 ? errno : EIO, false);
    return bytes;
}

bool Holds_Only_Blanks(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

} // namespace

TParty_Roster::TParty_Roster(std::filesystem::path file)
    : File(std::move(file)), Backup(File.string() + ".bak") {}

std::string TParty_Roster::Load() {
    Party_List.clear();
    Backup_Needed = false;
    std::string problem;
    std::error_code error;
    if (std::filesystem::exists(File, error)) {
        int code = 0;
        if (const auto text = Read_Whole_File(File, code)) {
            Party_List = Read_Parties(*text);
            if (Party_List.empty() && !Holds_Only_Blanks(*text))
                problem = "No party found while reading " + File.filename().string();
        } else {
            problem = Ert(code) + " while reading " + File.filename().string();
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
    return problem;
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

std::string TParty_Roster::New_Party(const std::string& answer) {
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

std::string TParty_Roster::Delete_Party() {
    if (Party_Index < 0)
        return {};
    Party_List.erase(Party_List.begin() + Party_Index);
    if (Party_List.empty())
        Party_List.push_back({std::string(Default_Party_Name), {}});
    Select_Party(std::min(Party_Index, static_cast<int>(Party_List.size()) - 1));
    return Persist();
}

std::string TParty_Roster::Delete_Character() {
    if (Character_Index < 0)
        return {};
    Character_List.erase(Character_List.begin() + Character_Index);
    Character_Index = std::min(Character_Index, static_cast<int>(Character_List.size()) - 1);
    return Persist();
}

std::string TParty_Roster::Add_Character(std::string text, std::string stored) {
    if (Party_Index < 0)
        return {};
    const std::string selected = text;
    Character_List.push_back({std::move(text), std::move(stored)});
    Sort_Roster(Character_List);
    Select_Character_Text(selected);
    return Persist();
}

std::string TParty_Roster::Replace_Character(std::string text, std::string stored) {
    if (Character_Index < 0)
        return {};
    const std::string selected = text;
    Character_List[Character_Index] = {std::move(text), std::move(stored)};
    Sort_Roster(Character_List);
    Select_Character_Text(selected);
    return Persist();
}

std::string TParty_Roster::Persist() {
    Party_List[Party_Index].Stored = Party_Text(Character_List);
    if (Backup_Needed)
        if (std::string problem = Keep_Unreadable_File(); !problem.empty())
            return problem;
    const int code = Write_File_Atomic(File, Party_File_Text(Party_List));
    return code == 0 ? std::string() : Ert(code) + " while writing " + File.filename().string();
}

std::string TParty_Roster::Keep_Unreadable_File() {
    const std::string not_written = "; " + File.filename().string() + " was not written.";
    int code = 0;
    const auto bytes = Read_Whole_File(File, code);
    if (!bytes && code == 2) { // the file has gone since: there is nothing left to keep
        Backup_Needed = false;
        return {};
    }
    if (!bytes)
        return Ert(code) + " while copying " + File.filename().string() + " to " +
               Backup.filename().string() + not_written;
    if (const int write_code = Write_File_Atomic(Backup, *bytes); write_code != 0)
        return Ert(write_code) + " while writing " + Backup.filename().string() + not_written;
    Backup_Needed = false;
    return {};
}

} // namespace Vexlor
