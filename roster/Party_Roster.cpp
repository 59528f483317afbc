#include "Party_Roster.h"

#include "foundations/CommonUt.h"

#include <algorithm>

namespace Vexlor {

TParty_Roster::TParty_Roster(std::filesystem::path file) : File(std::move(file)) {}

// Changes that could not be written yet stay in sight, so the window shows what will be written.
TResult TParty_Roster::Load() {
    TParty_File_Reading reading = Read_Party_File(File);
    Party_List = std::move(reading.Parties);
    for (const TParty_Change& change : Unwritten)
        change(Party_List);
    Select_Party(0);
    return reading.Damage.empty() ? TResult() : TResult::Failure(reading.Damage);
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

// A party of that exact name, else the one of that name in another case, else the one at otherwise
// (or the last).
void TParty_Roster::Select_Party_Named(const std::string& name, int otherwise) {
    const auto exact = std::find_if(Party_List.begin(), Party_List.end(),
                                    [&](const TRoster_Entry& party) { return party.Text == name; });
    int index = exact != Party_List.end() ? static_cast<int>(exact - Party_List.begin())
                                          : Find_Roster_Entry(Party_List, name);
    if (index < 0)
        index = std::min(otherwise, static_cast<int>(Party_List.size()) - 1);
    Select_Party(index);
}

TResult TParty_Roster::Change(TParty_Change change) {
    Unwritten.push_back(std::move(change));
    TParty_File_Change changed = Change_Party_File(File, Unwritten);
    Party_List = std::move(changed.Parties);
    if (!changed.Written.Ok())
        return TResult::Failure(changed.Written.Problem() +
                                "\nThe change is kept in this window and written with the next change that "
                                "can be written; it is lost if the program ends before that.");
    Unwritten.clear();
    return changed.Notes.empty() ? TResult() : TResult::Failure(changed.Notes);
}

TResult TParty_Roster::New_Party(const std::string& answer) {
    const std::string name = Edit(answer, Edit_Trim);
    if (name.empty())
        return {};
    if (const int existing = Find_Roster_Entry(Party_List, name); existing >= 0) {
        Select_Party(existing);
        return {};
    }
    TResult result = Change(Add_Party(name));
    Select_Party_Named(name, 0);
    return result;
}

TResult TParty_Roster::Delete_Party() {
    if (Party_Index < 0)
        return {};
    const TRoster_Entry party = Party_List[Party_Index];
    TResult result = Change(Vexlor::Delete_Party(party.Text, party.Stored));
    Select_Party_Named(party.Text, Party_Index);
    return result;
}

TResult TParty_Roster::Delete_Character() {
    if (Party_Index < 0 || Character_Index < 0)
        return {};
    const std::string party = Party_List[Party_Index].Text;
    const int place = Character_Index;
    TResult result = Change(Vexlor::Delete_Character(party, Character_List[Character_Index]));
    Select_Party_Named(party, Party_Index);
    Select_Character(std::min(place, static_cast<int>(Character_List.size()) - 1));
    return result;
}

TResult TParty_Roster::Add_Character(std::string text, std::string stored) {
    if (Party_Index < 0)
        return {};
    const std::string party = Party_List[Party_Index].Text;
    TResult result = Change(Vexlor::Add_Character(party, {text, std::move(stored)}));
    Select_Party_Named(party, Party_Index);
    Character_Index = Find_Roster_Entry(Character_List, text);
    return result;
}

TResult TParty_Roster::Replace_Character(std::string text, std::string stored) {
    if (Party_Index < 0 || Character_Index < 0)
        return {};
    const std::string party = Party_List[Party_Index].Text;
    TResult result =
        Change(Vexlor::Replace_Character(party, Character_List[Character_Index], {text, std::move(stored)}));
    Select_Party_Named(party, Party_Index);
    Character_Index = Find_Roster_Entry(Character_List, text);
    return result;
}

} // namespace Vexlor
