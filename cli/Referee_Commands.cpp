// The referee's tools on the command line: dice formulas, the random tables, and the GM Helper's
// tools, each giving the lines the GM Helper shows for the same inputs.
#include "Commands.h"
#include "Json.h"
#include "evaluator/Dice_Odds.h"
#include "evaluator/Express.h"
#include "foundations/CommonUt.h"
#include "referee/Afflictions.h"
#include "referee/Encounters.h"
#include "referee/Gems.h"
#include "referee/Odds_Report.h"
#include "referee/Table_Check.h"
#include "referee/Treasure.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

namespace Vexlor {
namespace {

// The referee as the GM Helper has it, without an output file: the results go to the standard
// output instead.
class TReferee_Session {
  public:
    explicit TReferee_Session(const TCli_Context& context)
        : Referee(Master_Table, Catalogues_Of(context), Output) {}

    TReferee& Get() { return Referee; }

  private:
    // The catalogues, brought up once the campaign's table file is known to be readable.
    static TCatalogues Catalogues_Of(const TCli_Context& context) {
        context.Enter_Campaign();
        std::vector<std::string> headers;
        if (const std::string problem = Load_Table_List(Table_File_Name, headers); !problem.empty())
            Refuse(problem);
        return context.Catalogues();
    }

    TOutput_File Output{[](const std::string&) {}};
    TReferee Referee;
};

// A tool's lines; a roll that went wrong half way ends the command with its message after the
// lines it gave.
void Show(const TCli_Context& context, const TRoll_Result& result) {
    if (context.Json()) {
        TJson json;
        json.Begin_Object().Key("lines").Texts(result.Lines);
        if (!result.Error.empty())
            json.Key("error").Text(result.Error);
        Print_Json(json.End_Object());
    } else {
        Print_Lines(result.Lines);
    }
    if (!result.Error.empty())
        throw TCli_Failure(Exit_Findings, result.Error);
}

// The entry of choices that typed names without regard to case; none refuses it.
std::string Choice(const std::vector<std::string>& choices, const std::string& typed, std::string_view what) {
    for (const std::string& choice : choices)
        if (Same_Text(choice, typed))
            return choice;
    std::string known;
    for (const std::string& choice : choices)
        if (choice != Random_Choice)
            known += (known.empty() ? "" : ", ") + choice;
    Refuse("Unknown " + std::string(what) + " \"" + typed + "\"; choose one of " + known + ".");
}

// A value as the referee writes numbers; whole values, which dice give, without a fraction.
std::string Value_Text(long double value) {
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e18L)
        return std::to_string(static_cast<long long>(value));
    return Num1(value);
}

// Evaluates formula count times, handing each value's text to take. A formula the evaluator
// refuses is bad input, reported with the evaluator's message and where it stopped reading.
template <class Take> void Evaluate_Rolls(const std::string& formula, long count, Take take) {
    for (long i = 0; i < count; ++i) {
        long double value, imaginary;
        int position, error;
        Eval(formula, value, imaginary, position, error);
        if (error != 0)
            Refuse(EERT(error) + " at position " + std::to_string(position) + " of \"" + formula + "\".");
        take(value);
    }
}

void Roll(const TCli_Context& context, const std::string& typed, long count) {
    const std::string formula = Game_Text(typed, "formula");
    if (context.Json()) {
        TJson json;
        json.Begin_Object().Key("formula").Text(formula).Key("values").Begin_Array();
        Evaluate_Rolls(formula, count, [&json](long double value) {
            if (std::isfinite(value))
                json.Number_Text(Value_Text(value));
            else
                json.Text(Value_Text(value));
        });
        Print_Json(json.End_Array().End_Object());
        return;
    }
    // A million values are written in large blocks rather than line by line.
    constexpr std::size_t Block = 1 << 16;
    std::string block;
    block.reserve(Block + 64);
    Evaluate_Rolls(formula, count, [&block](long double value) {
        block += Value_Text(value);
        block += '\n';
        if (block.size() >= Block) {
            Print_Bytes(block);
            block.clear();
        }
    });
    Print_Bytes(block);
}

void Table(const TCli_Context& context, int number, long count, bool raw) {
    TReferee_Session session(context);
    TReferee& referee = session.Get();
    if (!referee.Get_Tables().Find_Table(number, Table_File_Name))
        Refuse("Table " + std::to_string(number) + " is not in " + Table_File_Name + ".");
    std::vector<std::string> results;
    for (long i = 0; i < count; ++i)
        results.push_back(raw ? referee.Generate_Table(std::to_string(number))->Lines.front()
                              : referee.Generate(number));
    if (context.Json()) {
        TJson json;
        Print_Json(
            json.Begin_Object().Key("table").Number(number).Key("results").Texts(results).End_Object());
    } else {
        Print_Lines(results);
    }
}

// The Tables tab's "Check": a line a finding and the summary, on the campaign's table file or the
// one named. A file with errors ends the command with the findings status.
void Check_Tables_Command(const TCli_Context& context, const std::string& file) {
    const std::string file_name = file.empty() ? Table_File_Name : context.User_Path(file).string();
    context.Enter_Campaign();
    TOutput_File no_output([](const std::string&) {});
    TTable_Check check;
    const TRoll_Result report = Check_Report(no_output, file_name, check);
    if (!report.Error.empty())
        Refuse(report.Error);
    if (context.Json()) {
        TJson json;
        json.Begin_Object()
            .Key("file")
            .Text(file.empty() ? Table_File_Name : file)
            .Key("findings")
            .Begin_Array();
        for (const TTable_Finding& finding : check.Findings) {
            json.Begin_Object().Key("line").Number(finding.Line);
            if (finding.Table)
                json.Key("table").Number(*finding.Table);
            json.Key("error").Flag(finding.Error).Key("text").Text(finding.Text).End_Object();
        }
        Print_Json(json.End_Array().Key("summary").Text(Check_Summary(check.Findings)).End_Object());
    } else {
        Print_Lines(report.Lines);
    }
    if (std::any_of(check.Findings.begin(), check.Findings.end(),
                    [](const TTable_Finding& f) { return f.Error; }))
        throw TCli_Failure(Exit_Findings, (file.empty() ? Table_File_Name : file) + ": " +
                                              Check_Summary(check.Findings) + ".");
}

std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// The Dice tab's "Odds" as lines, or as every value's chances in JSON. A range such as 3-18 is
// read as the dice box reads it.
void Odds(const TCli_Context& context, const std::string& typed) {
    std::string die_roll = Game_Text(typed, "formula");
    const std::optional<std::string> formula = Dice_Formula(die_roll);
    if (!formula)
        Refuse("\"" + die_roll + "\" holds no dice and is no range such as 3-18.");
    Evaluate_Rolls(*formula, 1, [](long double) {});
    if (!context.Json()) {
        Print_Lines(Odds_Lines(Odds_Report(*formula)));
        return;
    }
    const TDice_Odds odds = Formula_Odds(*formula);
    TJson json;
    json.Begin_Object().Key("formula").Text(*formula).Key("exact").Flag(odds.Exact);
    json.Key("samples").Number(odds.Samples).Key("failures").Number(odds.Failures);
    json.Key("minimum").Number(odds.Minimum()).Key("maximum").Number(odds.Maximum());
    json.Key("mean").Number_Text(Fixed(odds.Mean, 6));
    json.Key("standard_deviation").Number_Text(Fixed(odds.Standard_Deviation, 6)).Key("values").Begin_Array();
    for (const TOdds_Value& value : odds.Values)
        json.Begin_Object()
            .Key("value")
            .Number(value.Value)
            .Key("chance")
            .Number_Text(Fixed(value.Chance, 8))
            .Key("at_least")
            .Number_Text(Fixed(value.At_Least, 8))
            .End_Object();
    Print_Json(json.End_Array().End_Object());
}

struct TEncounter_Options {
    int Level = 0;
    std::string Creature, Habitat, Climate;
    int Party_Size = 6;
};

void Encounter(const TCli_Context& context, const TEncounter_Options& options) {
    TReferee_Session session(context);
    TEncounter_Choices choices;
    choices.Level = options.Level;
    if (!options.Creature.empty())
        choices.Creature = Choice(Creature_Choices(session.Get().Get_Catalogues().Creatures),
                                  Game_Text(options.Creature, "creature"), "creature");
    if (!options.Habitat.empty())
        choices.Habitat = Choice(Encounter_Habitats, Game_Text(options.Habitat, "habitat"), "habitat");
    if (!options.Climate.empty())
        choices.Climate = Choice(Encounter_Climates, Game_Text(options.Climate, "climate"), "climate");
    choices.Party_Size = options.Party_Size;
    Show(context, TEncounters(session.Get()).Roll(choices));
}

// A type of the "Type:" box, or treasure letters A to Z (typed in either case).
std::string Treasure_Type(const std::string& typed) {
    const std::string text = Game_Text(typed, "treasure type");
    for (const std::string& type : Treasure_Types)
        if (type != Random_Choice && Same_Text(type, text))
            return type;
    const std::string letters = Edit(text, Edit_Upper);
    if (letters.empty() || letters.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") != std::string::npos)
        Refuse("\"" + text +
               "\" is neither treasure letters A to Z nor a treasure type (Monetary, Other, "
               "Combined, QID Device, Artifact, Weapon, Armor).");
    return letters;
}

void Disease(const TCli_Context& context, const std::string& area, int constitution) {
    TReferee_Session session(context);
    const std::string chosen =
        area.empty() ? area : Choice(Disease_Area_Names(), Game_Text(area, "body area"), "body area");
    Show(context, Roll_Diseases(session.Get(), constitution, chosen));
}

void Party_NPC(const TCli_Context& context, int level, int size) {
    TReferee_Session session(context);
    TEncounters encounters(session.Get());
    const std::string party =
        encounters.Character_Party(size, level > 0 ? level : encounters.Encounter_Level(0));
    Show(context, TRoll_Result{{party}, {}});
}

CLI::App* Command(CLI::App& app, const char* name, const char* description) {
    return app.add_subcommand(name, description);
}

} // namespace

void Add_Referee_Commands(CLI::App& app, TCli_Context& context) {
    {
        auto* roll = Command(app, "roll", "Rolls a dice formula (3d6+2, (1d4+1)*10%) and prints each value.");
        auto formula = std::make_shared<std::string>();
        auto count = std::make_shared<long>(1);
        roll->add_option("FORMULA", *formula, "The formula, as the GM Helper's dice box takes it")
            ->required();
        roll->add_option("-n,--count", *count, "How many rolls")->check(CLI::Range(1L, 100'000'000L));
        roll->callback([&context, formula, count] { Roll(context, *formula, *count); });
    }
    {
        auto* table = Command(app, "table", "Rolls a random table of TABLES.TXT and prints the result.");
        auto number = std::make_shared<int>();
        auto count = std::make_shared<long>(1);
        auto raw = std::make_shared<bool>(false);
        table->add_option("N", *number, "The table's number")->required();
        table->add_option("-n,--count", *count, "How many rolls")->check(CLI::Range(1L, 100'000L));
        table->add_flag("--raw", *raw,
                        "The entry as the table file holds it, its codes (@Q3, @W) not expanded");
        table->callback([&context, number, count, raw] { Table(context, *number, *count, *raw); });
    }
    {
        auto* check = Command(app, "check-tables",
                              "Checks a table file as the table engine reads it: every error "
                              "and warning with its line and table.");
        auto file = std::make_shared<std::string>();
        check->add_option("FILE", *file, "The table file; the campaign's TABLES.TXT when not given");
        check->callback([&context, file] { Check_Tables_Command(context, *file); });
    }
    {
        auto* odds = Command(app, "odds",
                             "Shows how likely each value of a formula is: exactly for dice and whole "
                             "numbers joined by + and -, else from sampled rolls.");
        auto formula = std::make_shared<std::string>();
        odds->add_option("FORMULA", *formula, "The formula (3d6+2, 2d10-1d4)")->required();
        odds->callback([&context, formula] { Odds(context, *formula); });
    }
    {
        auto* encounter =
            Command(app, "encounter", "Rolls ten encounters, as the GM Helper's Encounters tab.");
        auto options = std::make_shared<TEncounter_Options>();
        encounter->add_option("--level", options->Level, "The party's level, 1 to 10; rolled when not given")
            ->check(CLI::Range(1, 10));
        encounter->add_option("--creature", options->Creature,
                              "A creature of the catalogue; rolled when not given");
        encounter->add_option("--habitat", options->Habitat,
                              "Any, Aquatic, Cave, ... Woodland; any when not given");
        encounter->add_option("--climate", options->Climate,
                              "Polar, Temperate or Tropical; any when not given");
        encounter->add_option("--party-size", options->Party_Size, "The size of a party of characters met")
            ->check(CLI::Range(1, 100));
        encounter->callback([&context, options] { Encounter(context, *options); });
    }
    {
        auto* treasure = Command(app, "treasure", "Rolls ten treasures, as the GM Helper's Treasure tab.");
        auto type = std::make_shared<std::string>();
        treasure->add_option("LETTERS", *type, "Treasure letters (CD) or a type (Monetary, Artifact, ...)")
            ->required();
        treasure->callback([&context, type] {
            const std::string letters = Treasure_Type(*type);
            TReferee_Session session(context);
            Show(context, Roll_Treasure(session.Get(), letters));
        });
    }
    Command(app, "gems", "Rolls 20 gems with their values, as the GM Helper's Gems tab.")
        ->callback([&context] {
            TReferee_Session session(context);
            Show(context, Roll_Gems(session.Get()));
        });
    Command(app, "jewelry", "Rolls 20 pieces of jewelry, as the GM Helper's Jewelry tab.")
        ->callback([&context] {
            TReferee_Session session(context);
            Show(context, Roll_Jewelry(session.Get()));
        });
    {
        auto* disease = Command(app, "disease", "Rolls 20 diseases, as the GM Helper's Disease tab.");
        auto area = std::make_shared<std::string>();
        auto constitution = std::make_shared<int>(3);
        disease->add_option("AREA", *area,
                            "The body area (blood, heart, ...); rolled on table 2 when not given");
        disease->add_option("--constitution", *constitution, "The victim's constitution")
            ->check(CLI::Range(1, 100));
        disease->callback([&context, area, constitution] { Disease(context, *area, *constitution); });
    }
    {
        auto* venom = Command(app, "venom", "Rolls 20 venomous bites, as the GM Helper's Venom tab.");
        auto level = std::make_shared<int>();
        venom->add_option("LEVEL", *level, "The creature's level")->required()->check(CLI::Range(0, 100));
        venom->callback([&context, level] {
            TReferee_Session session(context);
            Show(context, Roll_Venom(session.Get(), *level));
        });
    }
    {
        auto* party = Command(app, "party-npc",
                              "Generates a party of non-player characters, as an encounter with a "
                              "character party shows it.");
        auto level = std::make_shared<int>(0);
        auto size = std::make_shared<int>(6);
        party
            ->add_option("--level", *level,
                         "The encounter level; rolled as for a random party level when not given")
            ->check(CLI::Range(1, 100));
        party->add_option("--size", *size, "The party size before the tables change it")
            ->check(CLI::Range(1, 100));
        party->callback([&context, level, size] { Party_NPC(context, *level, *size); });
    }
}

} // namespace Vexlor
