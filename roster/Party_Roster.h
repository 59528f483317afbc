// The parties and characters the parties dialog works on, and the party file behind them. Every
// change is written to the file at once, so nothing a game master does is lost when the program
// ends; a file that could not be read is never overwritten without a copy being kept first.
#pragma once

#include "Party_File.h"
#include "foundations/Result.h"

#include <filesystem>
#include <string>

namespace Vexlor {

class TParty_Roster {
  public:
    // The party file at file; its backup copy is the same name with ".bak" added.
    explicit TParty_Roster(std::filesystem::path file = std::filesystem::path(Party_File_Name));

    // Reads the party file afresh (the dialog does on each showing), replacing the parties held,
    // selects the first party and loads its characters. A missing file gives "(default)" alone.
    // A file that exists but cannot be read, or that holds text but no party, is a failure to
    // tell the user once; it is kept until a copy of it is made.
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

    // The operations that change the parties write the whole file at once. A failure says what
    // to tell the user when it could not be written (the lists keep the change).

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
    // Folds the characters into the selected party and writes the file.
    TResult Persist();
    // Copies a file that could not be read to the backup before its first rewrite.
    TResult Keep_Unreadable_File();
    void Select_Character_Text(const std::string& text);

    std::filesystem::path File;
    std::filesystem::path Backup;
    TRoster_List Party_List;
    TRoster_List Character_List;
    int Party_Index = -1;
    int Character_Index = -1;
    bool Backup_Needed = false; // the file on disk is not what the lists hold and no copy exists
};

} // namespace Vexlor
