#include "Party_Changes.h"

#include "foundations/CommonUt.h"
#include "foundations/File_Lock.h"
#include "foundations/Files.h"

#include <algorithm>
#include <cerrno>
#include <optional>

namespace Vexlor {
namespace {

bool Holds_Only_Blanks(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

std::filesystem::path Backup_File(const std::filesystem::path& file) {
    return file.string() + ".bak";
}

// The file's bytes; nothing for a missing file; a problem for one that cannot be read.
struct TFile_Bytes {
    std::optional<std::string> Bytes;
    std::string Problem;
};

TFile_Bytes Read_Bytes(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return {};
    errno = 0;
    if (auto bytes = Read_File(file))
        return {std::move(bytes), {}};
    return {{}, File_Problem(errno != 0 ? errno : EIO, TFile_Action::Reading, file.filename())};
}

// What is wrong with a party file of these bytes; empty when it reads whole.
std::string Damage_Of(const TFile_Bytes& file, const TParties_Reading& read, const std::string& name) {
    if (!file.Problem.empty())
        return file.Problem;
    if (!file.Bytes)
        return {};
    if (read.Parties.empty() && !Holds_Only_Blanks(*file.Bytes))
        return "No party found while reading " + name;
    if (read.Cut_In)
        return name + " ends in the middle of " + *read.Cut_In + ": what could be read of it is shown";
    return {};
}

TParty_File_Reading Read(const std::filesystem::path& file, TFile_Bytes& bytes) {
    bytes = Read_Bytes(file);
    TParties_Reading read;
    if (bytes.Bytes)
        read = Read_Parties_Noting_Cut(*bytes.Bytes);
    const std::string name = file.filename().string();
    std::string damage = Damage_Of(bytes, read, name);
    TParty_File_Reading reading{std::move(read.Parties), std::move(damage)};
    if (!reading.Damage.empty())
        reading.Damage += ".\n" + name + " is kept as it is and copied to " +
                          Backup_File(file).filename().string() + " before it is written again.";
    if (reading.Parties.empty())
        reading.Parties.push_back({std::string(Default_Party_Name), {}});
    Sort_Roster(reading.Parties);
    return reading;
}

// Keeps a copy of a file that could not be read whole before it is written over.
TResult Keep_Damaged_File(const std::filesystem::path& file, const TFile_Bytes& bytes) {
    const std::string not_written = "; " + file.filename().string() + " was not written.";
    if (!bytes.Bytes)
        return TResult::Failure(bytes.Problem + " to copy it to " + Backup_File(file).filename().string() +
                                not_written);
    if (const TResult kept = Write_File_Atomic(Backup_File(file), *bytes.Bytes); !kept.Ok())
        return TResult::Failure(kept.Problem() + not_written);
    return {};
}

// The entry of list with the text and stored text given, exactly.
TRoster_List::iterator Find_Seen(TRoster_List& list, const TRoster_Entry& seen) {
    return std::find_if(list.begin(), list.end(), [&](const TRoster_Entry& entry) {
        return entry.Text == seen.Text && entry.Stored == seen.Stored;
    });
}

TRoster_List::iterator Find_Party(TRoster_List& parties, const std::string& name) {
    return std::find_if(parties.begin(), parties.end(),
                        [&](const TRoster_Entry& party) { return party.Text == name; });
}

// Changes the characters of the party called name, made when missing, and stores them sorted.
template <class Change>
std::string Change_Members(TRoster_List& parties, const std::string& name, Change change) {
    auto party = Find_Party(parties, name);
    if (party == parties.end())
        party = parties.insert(parties.end(), {name, {}});
    TRoster_List characters = Read_Party_Members(party->Stored);
    std::string note = change(characters);
    Sort_Roster(characters);
    party->Stored = Party_Text(characters);
    Sort_Roster(parties);
    return note;
}

std::string Changed_Meanwhile(const std::string& text) {
    return "\"" + Display_Name(text) + "\" was changed by another program since this window showed it";
}

} // namespace

std::filesystem::path Party_Lock_File(const std::filesystem::path& file) {
    return file.string() + ".lock";
}

TParty_File_Reading Read_Party_File(const std::filesystem::path& file) {
    TFile_Bytes bytes;
    return Read(file, bytes);
}

TParty_File_Change Change_Party_File(const std::filesystem::path& file,
                                     const std::vector<TParty_Change>& changes) {
    TFile_Lock lock;
    const TResult locked = lock.Take(Party_Lock_File(file), Party_Lock_Wait);
    TFile_Bytes bytes;
    TParty_File_Reading reading = Read(file, bytes);
    TParty_File_Change change{locked.Ok() ? TResult()
                                          : TResult::Failure(locked.Problem() + ": " +
                                                             file.filename().string() + " was not written."),
                              std::move(reading.Parties),
                              {}};
    for (const TParty_Change& each : changes)
        if (const std::string note = each(change.Parties); !note.empty())
            change.Notes += (change.Notes.empty() ? "" : "\n") + note;
    if (change.Written.Ok() && !reading.Damage.empty())
        change.Written = Keep_Damaged_File(file, bytes);
    if (change.Written.Ok())
        change.Written = Write_File_Atomic(file, Party_File_Text(change.Parties));
    return change;
}

TParty_Change Add_Party(const std::string& name) {
    return [name = Edit(name, Edit_Trim)](TRoster_List& parties) {
        if (!name.empty() && Find_Roster_Entry(parties, name) < 0) {
            parties.push_back({name, {}});
            Sort_Roster(parties);
        }
        return std::string();
    };
}

TParty_Change Delete_Party(const std::string& name, const std::string& seen_stored) {
    return [=](TRoster_List& parties) {
        const auto party = Find_Party(parties, name);
        if (party == parties.end())
            return std::string();
        if (party->Stored != seen_stored)
            return "The party " + Changed_Meanwhile(name) + ", and is not deleted.";
        parties.erase(party);
        if (parties.empty())
            parties.push_back({std::string(Default_Party_Name), {}});
        return std::string();
    };
}

TParty_Change Add_Character(const std::string& party, const TRoster_Entry& character) {
    return [=](TRoster_List& parties) {
        return Change_Members(parties, party, [&](TRoster_List& characters) {
            characters.push_back(character);
            return std::string();
        });
    };
}

TParty_Change Replace_Character(const std::string& party, const TRoster_Entry& seen,
                                const TRoster_Entry& character) {
    return [=](TRoster_List& parties) {
        return Change_Members(parties, party, [&](TRoster_List& characters) {
            const auto held = Find_Seen(characters, seen);
            if (held != characters.end()) {
                *held = character;
                return std::string();
            }
            characters.push_back(character);
            return Changed_Meanwhile(seen.Text) + " while you edited it: both are kept.";
        });
    };
}

TParty_Change Delete_Character(const std::string& party, const TRoster_Entry& seen) {
    return [=](TRoster_List& parties) {
        if (Find_Party(parties, party) == parties.end())
            return std::string();
        return Change_Members(parties, party, [&](TRoster_List& characters) {
            const auto held = Find_Seen(characters, seen);
            if (held != characters.end()) {
                characters.erase(held);
                return std::string();
            }
            const bool gone =
                std::none_of(characters.begin(), characters.end(), [&](const TRoster_Entry& held) {
                    return Same_Text(Display_Name(held.Text), Display_Name(seen.Text));
                });
            return gone ? std::string() : Changed_Meanwhile(seen.Text) + ", and is not deleted.";
        });
    };
}

} // namespace Vexlor
