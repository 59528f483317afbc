// The parties and characters the parties dialog works on, and the party file behind them. Every
// change is written to the file at once, as one read-modify-write under the file's lock
// (Party_Changes.h), so nothing a game master does is lost when the program ends and nothing
// another copy of the program or the command-line companion stored meanwhile is lost either.
#pragma once

#include "Party_Changes.h"
#include "foundations/Result.h"

#include <filesystem>
#include <string>
#include <vector>

namespace Vexlor {

class TParty_Roster {
  public:
    // The party file at file; its backup copy is the same name with ".bak" added.
    explicit TParty_Roster(std::filesystem::path file = std::filesystem::path(Party_File_Name));

    // Reads the party file afresh (the dialog does on each showing), replacing the parties held,
    // selects the first party and loads its characters. A missing file gives "(default)" alone.
    // A file that exists but cannot be read whole is a failure to tell the user once; it is kept
    // until a copy of it is made.
    TResult Load();

    const TRoster_List& Parties() const { return Party_List; }
    const TRoster_List& Characters() const { return Character_List; }
    // Indices into the lists; the character is -1 when the selected party has none.
    int Selected_Party() const { return Party_Index; }
    int Selected_Character() const { return Character_Index; }

    // Selects a party and loads its characters, selecting the first.
    void Select_Party(int index);
    // Selects a character of the selected party, or none with -1.
    void Select_Character(int index);

    // The operations that change the parties apply their change to the party file as it stands
    // now and show the parties as they are then, changes of other programs included. A failure
    // tells the user that the file could not be written (the change is then kept here and written
    // with the next change that can be), or what the change had to say about a character another
    // program changed meanwhile.

    // Adds a party named answer (trimmed) unless one of that name exists, and selects it. An
    // answer that is blank after trimming does nothing.
    TResult New_Party(const std::string& answer);
    // Deletes the selected party with its characters and selects the party now at its place, or
    // the last. Deleting the only party brings back "(default)", so one is always selected.
    TResult Delete_Party();
    // Deletes the selected character and selects the one now at its place, or the last.
    TResult Delete_Character();
    // Adds a character to the selected party and selects the first entry of its display text.
    TResult Add_Character(std::string text, std::string stored);
    // Replaces the selected character and selects the first entry of its new display text.
    TResult Replace_Character(std::string text, std::string stored);

  private:
    // Writes change, after the changes not yet written, and shows the parties as they now stand.
    TResult Change(TParty_Change change);
    void Select_Party_Named(const std::string& name, int otherwise);

    std::filesystem::path File;
    TRoster_List Party_List;
    TRoster_List Character_List;
    int Party_Index = -1;
    int Character_Index = -1;
    std::vector<TParty_Change> Unwritten; // changes made here that the file could not take yet
};

} // namespace Vexlor
