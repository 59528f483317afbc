// The parties of the campaign's party file on the command line, and random characters added to
// them, through the same party file code as the parties window.
#include "Commands.h"
#include "Json.h"
#include "catalogues/Catalogue_Ownership.h"
#include "foundations/Code_Page.h"
#include "foundations/CommonUt.h"
#include "foundations/Files.h"
#include "possessions/Inventory.h"
#include "roster/Party_Changes.h"
#include "sheet/Character_RTF.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <memory>

namespace Vexlor {
namespace {

const std::filesystem::path Party_File{Party_File_Name};

// What could not be read of the party file ends the command once the results are shown.
void Tell_Damage(const TParty_File_Reading& reading) {
    if (!reading.Damage.empty())
        throw TCli_Failure(Exit_Findings, reading.Damage);
}

// Changes the party file as the parties window does: one read-modify-write under its lock. What
// the changes had to say goes to the error output.
void Change_Parties(const std::vector<TParty_Change>& changes) {
    const TParty_File_Change change = Change_Party_File(Party_File, changes);
    if (!change.Written.Ok())
        Refuse(change.Written.Problem());
    if (!change.Notes.empty())
        std::fputs(("vexlor-cli: " + Windows_1252_To_UTF8(change.Notes) + "\n").c_str(), stderr);
}

const TRoster_Entry& Party_Named(const TRoster_List& parties, const std::string& name) {
    const int found = Find_Roster_Entry(parties, name);
    if (found < 0)
        Refuse("There is no party \"" + name + "\" in " + Party_File.string() + ".");
    return parties[static_cast<std::size_t>(found)];
}

// The party a name given on the command line means: the one of that name in any case, else a new
// party of that name.
std::string Party_Of_Name(const std::string& name) {
    if (name.empty())
        return name;
    const TRoster_List parties = Read_Party_File(Party_File).Parties;
    const int held = Find_Roster_Entry(parties, name);
    return held < 0 ? name : parties[static_cast<std::size_t>(held)].Text;
}

// A character's name as the characters list shows it (its display text up to the tab) and its
// classes with their levels.
std::pair<std::string, std::string> Name_And_Classes(const TRoster_Entry& member) {
    TVexlor_Character character;
    character.Deserialize(member.Stored.c_str());
    return {member.Text.substr(0, member.Text.find('\t')), character.Class_Summary()};
}

void List_Parties(const TCli_Context& context) {
    context.Enter_Campaign();
    const TParty_File_Reading reading = Read_Party_File(Party_File);
    TJson json;
    json.Begin_Object().Key("parties").Begin_Array();
    for (const TRoster_Entry& party : reading.Parties) {
        const std::size_t members = Read_Party_Members(party.Stored).size();
        if (context.Json())
            json.Begin_Object()
                .Key("name")
                .Text(party.Text)
                .Key("characters")
                .Number(static_cast<long long>(members))
                .End_Object();
        else
            Print_Line(party.Text + " (" + std::to_string(members) +
                       (members == 1 ? " character)" : " characters)"));
    }
    if (context.Json())
        Print_Json(json.End_Array().End_Object());
    Tell_Damage(reading);
}

void Show_Party(const TCli_Context& context, const std::string& typed) {
    context.Enter_Campaign();
    const TParty_File_Reading reading = Read_Party_File(Party_File);
    const TRoster_Entry& party = Party_Named(reading.Parties, Game_Text(typed, "party name"));
    const TRoster_List members = Read_Party_Members(party.Stored);
    TJson json;
    json.Begin_Object().Key("party").Text(party.Text).Key("characters").Begin_Array();
    for (const TRoster_Entry& member : members) {
        const auto [name, classes] = Name_And_Classes(member);
        if (context.Json())
            json.Begin_Object().Key("name").Text(name).Key("classes").Text(classes).End_Object();
        else
            Print_Line(classes.empty() ? name : name + " (" + classes + ")");
    }
    if (context.Json())
        Print_Json(json.End_Array().End_Object());
    Tell_Damage(reading);
}

void Export_Party(const TCli_Context& context, const std::string& typed, const std::string& file,
                  bool force) {
    const std::filesystem::path path = context.User_Path(file);
    context.Enter_Campaign();
    const TParty_File_Reading reading = Read_Party_File(Party_File);
    const TRoster_Entry& party = Party_Named(reading.Parties, Game_Text(typed, "party name"));
    Write_User_File(path, Party_File_Text({party}), force);
    const std::size_t members = Read_Party_Members(party.Stored).size();
    if (context.Json()) {
        TJson json;
        Print_Json(json.Begin_Object()
                       .Key("party")
                       .Text(party.Text)
                       .Key("characters")
                       .Number(static_cast<long long>(members))
                       .End_Object());
    } else {
        Print_Line("The party \"" + party.Text + "\" with " + std::to_string(members) +
                   " characters was exported.");
    }
}

void Import_Parties(const TCli_Context& context, const std::string& file, bool replace) {
    const std::string text = Read_User_File(context.User_Path(file));
    const TRoster_List imported = Read_Parties(text);
    if (imported.empty())
        Refuse("No party found while reading " + file + ": nothing was imported.");
    context.Enter_Campaign();
    std::vector<std::string> added, replaced, kept;
    std::vector<TParty_Change> changes;
    for (const TRoster_Entry& party : imported)
        changes.push_back([&, party](TRoster_List& parties) {
            TRoster_List members = Read_Party_Members(party.Stored);
            Sort_Roster(members);
            const int held = Find_Roster_Entry(parties, party.Text);
            if (held < 0) {
                parties.push_back({party.Text, Party_Text(members)});
                added.push_back(party.Text);
            } else if (replace) {
                parties[static_cast<std::size_t>(held)].Stored = Party_Text(members);
                replaced.push_back(party.Text);
            } else {
                kept.push_back(party.Text);
            }
            Sort_Roster(parties);
            return std::string();
        });
    Change_Parties(changes);
    if (context.Json()) {
        TJson json;
        Print_Json(json.Begin_Object()
                       .Key("added")
                       .Texts(added)
                       .Key("replaced")
                       .Texts(replaced)
                       .Key("kept")
                       .Texts(kept)
                       .End_Object());
        return;
    }
    for (const std::string& name : added)
        Print_Line("The party \"" + name + "\" was added.");
    for (const std::string& name : replaced)
        Print_Line("The party \"" + name + "\" was replaced.");
    for (const std::string& name : kept)
        Print_Line("The party \"" + name +
                   "\" was kept as it was: a party of that name is there (--replace replaces it).");
}

// The character in a few lines: who, the classes, the nine scores, and the figures a game master
// asks for first.
std::vector<std::string> Short_Description(const TVexlor_Character& character) {
    const std::pair<const char*, int> scores[] = {{"Strength", character.Strength},
                                                  {"Constitution", character.Constitution},
                                                  {"Dexterity", character.Dexterity},
                                                  {"Cognitive", character.Cognitive},
                                                  {"Perception", character.Perception},
                                                  {"Wisdom", character.Wisdom},
                                                  {"Charisma", character.Charisma},
                                                  {"Comeliness", character.Comeliness},
                                                  {"Will", character.Will}};
    std::string score_line;
    for (const auto& [name, score] : scores)
        score_line += (score_line.empty() ? "" : ", ") + std::string(name) + " " + std::to_string(score);
    const std::string classes = character.Class_Summary();
    return {character._Get_Name() + " (" + (character.Get_Gender() == Gender_Male ? "male" : "female") +
                "), " + (classes.empty() ? "no class" : classes),
            score_line,
            std::to_string(character.Hit_Points) + " hit points, armor class " +
                std::to_string(character.Get_AC()) + ", age " + std::to_string(character.Age) + ", " +
                std::to_string(character.Credits) + " credits"};
}

struct TCharacter_Options {
    bool Random = false;
    int Method = 4;
    std::string Party;
    std::string Sheet;
    bool Force = false;
};

void Random_Character(const TCli_Context& context, const TCharacter_Options& options) {
    const std::optional<std::filesystem::path> sheet_path =
        options.Sheet.empty() ? std::nullopt : std::optional(context.User_Path(options.Sheet));
    const std::string typed_party =
        options.Party.empty() ? std::string() : Edit(Game_Text(options.Party, "party name"), Edit_Trim);
    if (!options.Party.empty() && typed_party.empty())
        Refuse("A party name cannot be blank.");
    context.Enter_Campaign();
    const std::string party = Party_Of_Name(typed_party);
    const std::unique_ptr<TVexlor_Character> character =
        New_Character(-1, std::to_string(options.Method).c_str(), 0, "", nullptr);
    if (!character)
        Refuse("The catalogue library made no character.");
    if (sheet_path) {
        const TCatalogues catalogues = context.Catalogues();
        std::string sheet;
        Character_RTF_String(*character, TInventory(catalogues), catalogues, sheet);
        Write_User_File(*sheet_path, sheet, options.Force);
    }
    if (!party.empty())
        Change_Parties({Add_Character(party, {Character_Display_Text(*character), character->Serialize()})});
    const std::vector<std::string> description = Short_Description(*character);
    if (context.Json()) {
        TJson json;
        json.Begin_Object()
            .Key("name")
            .Text(character->_Get_Name())
            .Key("classes")
            .Text(character->Class_Summary());
        json.Key("description").Texts(description);
        if (!party.empty())
            json.Key("party").Text(party);
        Print_Json(json.End_Object());
    } else {
        Print_Lines(description);
    }
}

} // namespace

void Add_Party_Commands(CLI::App& app, TCli_Context& context) {
    {
        auto* character = app.add_subcommand("character", "Makes a random character, as the parties window's "
                                                          "\"Create Random Character...\" does.");
        auto options = std::make_shared<TCharacter_Options>();
        character->add_flag("--random", options->Random, "Rolls the character at random (the only way here)")
            ->required();
        character
            ->add_option("--method", options->Method,
                         "How the scores are rolled: 0 one die each, 1 a spare die per group of three, "
                         "2 a spare set of three, 3 twelve dice less the three lowest, 4 (the default) six "
                         "dice per group of three, the three highest kept")
            ->check(CLI::Range(0, 4));
        character->add_option("--party", options->Party,
                              "Adds the character to this party (made when missing)");
        character->add_option("--rtf", options->Sheet, "Writes the character sheet to this RTF file");
        character->add_flag("--force", options->Force, "Replaces an existing RTF file");
        character->callback([&context, options] { Random_Character(context, *options); });
    }
    auto* party =
        app.add_subcommand("party", "Lists, shows, exports and imports the parties of the party file.");
    party->require_subcommand(1);
    party->add_subcommand("list", "Lists the parties with the number of their characters.")
        ->callback([&context] { List_Parties(context); });
    {
        auto* show = party->add_subcommand("show", "Lists a party's characters with their classes.");
        auto name = std::make_shared<std::string>();
        show->add_option("NAME", *name, "The party's name")->required();
        show->callback([&context, name] { Show_Party(context, *name); });
    }
    {
        auto* exported =
            party->add_subcommand("export", "Writes a party to a file in the party file's format.");
        auto name = std::make_shared<std::string>();
        auto file = std::make_shared<std::string>();
        auto force = std::make_shared<bool>(false);
        exported->add_option("NAME", *name, "The party's name")->required();
        exported->add_option("FILE", *file, "The file to write")->required();
        exported->add_flag("--force", *force, "Replaces an existing file");
        exported->callback([&context, name, file, force] { Export_Party(context, *name, *file, *force); });
    }
    {
        auto* imported =
            party->add_subcommand("import", "Adds the parties of a file in the party file's format.");
        auto file = std::make_shared<std::string>();
        auto replace = std::make_shared<bool>(false);
        imported->add_option("FILE", *file, "The file to read")->required();
        imported->add_flag("--replace", *replace,
                           "Replaces parties of the same name instead of keeping them");
        imported->callback([&context, file, replace] { Import_Parties(context, *file, *replace); });
    }
}

} // namespace Vexlor
