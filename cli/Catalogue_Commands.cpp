// The catalogues of the campaign's catalogue file on the command line: listed, exported to and
// imported from catalogue exchange files.
#include "Commands.h"
#include "Json.h"
#include "catalogues/editing/Catalogue_Exchange.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <memory>

namespace Vexlor {
namespace {

TCatalogue_Kind Kind_Of(const std::string& typed) {
    if (const auto kind = Kind_Named(typed))
        return *kind;
    Refuse("Unknown catalogue \"" + Game_Text(typed, "catalogue") +
           "\"; choose one of items, creatures, qids, compounds, effects, poisons.");
}

// The catalogues of the campaign, and what went wrong in bringing them up (a catalogue file that
// could not be used, damaged records skipped) on the error output.
TCatalogues Campaign_Catalogues(const TCli_Context& context) {
    context.Enter_Campaign();
    const TCatalogues catalogues = context.Catalogues();
    if (const std::string status = Get_Catalogue_Status(); !status.empty())
        std::fputs(("vexlor-cli: " + status).c_str(), stderr);
    return catalogues;
}

void List(const TCli_Context& context, const std::string& typed) {
    const TCatalogue_Kind kind = Kind_Of(typed);
    const std::vector<std::string> names = Catalogue_Names(Campaign_Catalogues(context), kind);
    if (context.Json()) {
        TJson json;
        Print_Json(json.Begin_Object()
                       .Key("catalogue")
                       .Text(Kind_Name(kind))
                       .Key("names")
                       .Texts(names)
                       .End_Object());
    } else {
        Print_Lines(names);
    }
}

void Export(const TCli_Context& context, const std::string& typed, const std::string& file, bool force) {
    const TCatalogue_Kind kind = Kind_Of(typed);
    const std::optional<std::filesystem::path> path =
        file.empty() ? std::nullopt : std::optional(context.User_Path(file));
    const TCatalogues catalogues = Campaign_Catalogues(context);
    const std::string text = Exchange_File_Text(catalogues, kind);
    if (!path) {
        Print_Bytes(text);
        return;
    }
    Write_User_File(*path, text, force);
    const std::size_t records = Catalogue_Names(catalogues, kind).size();
    if (context.Json()) {
        TJson json;
        Print_Json(json.Begin_Object()
                       .Key("catalogue")
                       .Text(Kind_Name(kind))
                       .Key("records")
                       .Number(static_cast<long long>(records))
                       .End_Object());
    } else {
        Print_Line(Records_Counted(kind, static_cast<int>(records)) + " exported.");
    }
}

void Import(const TCli_Context& context, const std::string& typed, const std::string& file, bool replace) {
    const TCatalogue_Kind kind = Kind_Of(typed);
    const std::string text = Read_User_File(context.User_Path(file));
    TExchange_Records records;
    if (const TResult read = Read_Exchange_File(text, kind, records); !read.Ok())
        Refuse(Game_Text(file, "file name") + ": " + read.Problem() + " Nothing was imported.");
    const TCatalogues catalogues = Campaign_Catalogues(context);
    TRecords_Stored stored;
    if (const TResult imported = Import_Records(catalogues, kind, records, replace, stored); !imported.Ok())
        Refuse(imported.Problem());
    if (context.Json()) {
        TJson json;
        json.Begin_Object().Key("catalogue").Text(Kind_Name(kind)).Key("added").Number(stored.Added);
        json.Key("replaced")
            .Number(stored.Replaced)
            .Key("kept")
            .Number(stored.Kept)
            .Key("skipped")
            .Begin_Array();
        for (const TDamaged_Line& damaged : records.Damaged)
            json.Begin_Object()
                .Key("line")
                .Number(damaged.Line)
                .Key("reason")
                .Text(damaged.Reason)
                .End_Object();
        Print_Json(json.End_Array().End_Object());
    } else {
        Print_Line(Import_Report(kind, records, stored));
    }
    if (!records.Damaged.empty())
        throw TCli_Failure(Exit_Findings,
                           std::to_string(records.Damaged.size()) + " lines of " +
                               Game_Text(file, "file name") +
                               " could not be read and were skipped; the others were imported.");
}

} // namespace

void Add_Catalogue_Commands(CLI::App& app, TCli_Context& context) {
    auto* catalogue =
        app.add_subcommand("catalogue", "Lists, exports and imports the records of a catalogue: items, "
                                        "creatures, qids, compounds, effects or poisons.");
    catalogue->require_subcommand(1);
    {
        auto* list = catalogue->add_subcommand("list", "Lists the names of a catalogue's records.");
        auto kind = std::make_shared<std::string>();
        list->add_option("KIND", *kind, "items, creatures, qids, compounds, effects or poisons")->required();
        list->callback([&context, kind] { List(context, *kind); });
    }
    {
        auto* exported =
            catalogue->add_subcommand("export", "Writes a catalogue as an exchange file: a first line "
                                                "naming it, then one record per line.");
        auto kind = std::make_shared<std::string>();
        auto file = std::make_shared<std::string>();
        auto force = std::make_shared<bool>(false);
        exported->add_option("KIND", *kind, "items, creatures, qids, compounds, effects or poisons")
            ->required();
        exported->add_option("FILE", *file, "The file to write; the standard output when not given");
        exported->add_flag("--force", *force, "Replaces an existing file");
        exported->callback([&context, kind, file, force] { Export(context, *kind, *file, *force); });
    }
    {
        auto* imported =
            catalogue->add_subcommand("import", "Stores the records of an exchange file in one go: "
                                                "all of them or, on a failure, none.");
        auto kind = std::make_shared<std::string>();
        auto file = std::make_shared<std::string>();
        auto replace = std::make_shared<bool>(false);
        imported->add_option("KIND", *kind, "items, creatures, qids, compounds, effects or poisons")
            ->required();
        imported->add_option("FILE", *file, "The exchange file")->required();
        imported->add_flag("--replace", *replace,
                           "Replaces records of the same name instead of keeping them");
        imported->callback([&context, kind, file, replace] { Import(context, *kind, *file, *replace); });
    }
}

} // namespace Vexlor
