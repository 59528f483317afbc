#include "Catalogue_Exchange.h"

#include "catalogues/Compounds.h"
#include "catalogues/Creature_Profile.h"
#include "catalogues/Effect_Template.h"
#include "catalogues/Item_Template.h"
#include "catalogues/Poison_Template.h"
#include "catalogues/QID_Plan.h"
#include "catalogues/editing/Editor_Texts.h"
#include "foundations/CommonUt.h"
#include "foundations/HTML.h"

#include <exception>
#include <stdexcept>
#include <type_traits>

namespace Vexlor {
namespace {

struct TKind_Names {
    TCatalogue_Kind Kind;
    std::string_view Name;   // in files and on the command line
    std::string_view Record; // what a message calls one record
};

constexpr TKind_Names Kind_Names[] = {
    {TCatalogue_Kind::Items, "items", "item"},
    {TCatalogue_Kind::Creatures, "creatures", "creature"},
    {TCatalogue_Kind::QIDs, "qids", "QID plan"},
    {TCatalogue_Kind::Compounds, "compounds", "compound plan"},
    {TCatalogue_Kind::Effects, "effects", "effect"},
    {TCatalogue_Kind::Poisons, "poisons", "poison"},
};

const TKind_Names& Names_Of(TCatalogue_Kind kind) {
    for (const TKind_Names& names : Kind_Names)
        if (names.Kind == kind)
            return names;
    throw std::logic_error("A catalogue without a name");
}

// Calls act with the record class of the catalogue kind.
template <class Act> decltype(auto) With_Record_Type(TCatalogue_Kind kind, Act&& act) {
    switch (kind) {
    case TCatalogue_Kind::Items:
        return act(std::type_identity<TItem_Template>{});
    case TCatalogue_Kind::Creatures:
        return act(std::type_identity<TCreature_Profile>{});
    case TCatalogue_Kind::QIDs:
        return act(std::type_identity<TQID_Plan>{});
    case TCatalogue_Kind::Compounds:
        return act(std::type_identity<TCompound_Plan>{});
    case TCatalogue_Kind::Effects:
        return act(std::type_identity<TEffect_Template>{});
    case TCatalogue_Kind::Poisons:
        break;
    }
    return act(std::type_identity<TPoison_Template>{});
}

TCatalogue_Registry<TItem_Template>* Registry_Of(const TCatalogues& c, std::type_identity<TItem_Template>) {
    return c.Items;
}
TCatalogue_Registry<TCreature_Profile>* Registry_Of(const TCatalogues& c,
                                                    std::type_identity<TCreature_Profile>) {
    return c.Creatures;
}
TCatalogue_Registry<TQID_Plan>* Registry_Of(const TCatalogues& c, std::type_identity<TQID_Plan>) {
    return c.QIDs;
}
TCatalogue_Registry<TCompound_Plan>* Registry_Of(const TCatalogues& c, std::type_identity<TCompound_Plan>) {
    return c.Compounds;
}
TCatalogue_Registry<TEffect_Template>* Registry_Of(const TCatalogues& c,
                                                   std::type_identity<TEffect_Template>) {
    return c.Effects;
}
TCatalogue_Registry<TPoison_Template>* Registry_Of(const TCatalogues& c,
                                                   std::type_identity<TPoison_Template>) {
    return c.Poisons;
}

// Calls act with the registry of the catalogue kind, sorted into listing order.
template <class Act>
decltype(auto) With_Registry(const TCatalogues& catalogues, TCatalogue_Kind kind, Act&& act) {
    return With_Record_Type(kind, [&](auto type) -> decltype(auto) {
        auto* registry = Registry_Of(catalogues, type);
        if (!registry)
            throw std::logic_error("The " + std::string(Names_Of(kind).Name) + " catalogue is not there");
        registry->Sort();
        return act(*registry);
    });
}

std::string Header_Line(TCatalogue_Kind kind) {
    return "<#catalogue=" + std::string(Kind_Name(kind)) +
           "><#version=" + std::to_string(Exchange_Format_Version) + ">\r\n";
}

// Why the tags of a line do not nest: a tag without its ">", an end tag that ends no open
// section, a section left open; empty when they nest.
std::string Tag_Problem(std::string_view line) {
    std::vector<std::string> open;
    for (std::size_t at = line.find('<'); at != std::string_view::npos; at = line.find('<', at)) {
        const auto close = line.find('>', at);
        const auto next = line.find('<', at + 1);
        if (close == std::string_view::npos || next < close)
            return "a tag is not closed";
        const std::string tag = Lower_Case(std::string(line.substr(at + 1, close - at - 1)));
        at = close + 1;
        if (tag.empty() || tag.front() == '#' || tag.back() == '/')
            continue;
        if (tag.front() != '/') {
            open.push_back(tag);
        } else if (!open.empty() && open.back() == tag.substr(1)) {
            open.pop_back();
        } else {
            return "the end tag <" + tag + "> ends no open section";
        }
    }
    return open.empty() ? std::string() : "the section <" + open.back() + "> is not closed";
}

template <class T> std::string Record_Problem(const std::string& line) {
    T record;
    try {
        record.Deserialize(line.c_str());
    } catch (const std::exception& error) {
        return std::string("it does not read (") + error.what() + ")";
    }
    const std::string name = record.Get_Name();
    if (Edit(name, Edit_Trim).empty())
        return "it has no name";
    if (!Is_Acceptable_Record_Name(name))
        return "its name \"" + name + "\" cannot be stored (a name cannot hold |, < or >)";
    return {};
}

} // namespace

std::string_view Kind_Name(TCatalogue_Kind kind) {
    return Names_Of(kind).Name;
}

std::optional<TCatalogue_Kind> Kind_Named(std::string_view name) {
    for (const TKind_Names& names : Kind_Names)
        if (Same_Text(names.Name, name))
            return names.Kind;
    return std::nullopt;
}

std::vector<std::string> Catalogue_Names(const TCatalogues& catalogues, TCatalogue_Kind kind) {
    return With_Registry(catalogues, kind, [](auto& registry) {
        std::vector<std::string> names;
        for (std::int32_t index = 0; index < registry.Count(); ++index)
            if (auto* record = registry.Get(index))
                names.emplace_back(record->Get_Name());
        return names;
    });
}

std::string Exchange_File_Text(const TCatalogues& catalogues, TCatalogue_Kind kind) {
    return With_Registry(catalogues, kind, [kind](auto& registry) {
        std::string text = Header_Line(kind);
        for (std::int32_t index = 0; index < registry.Count(); ++index)
            if (auto* record = registry.Get(index))
                text.append(record->Serialize()).append("\r\n");
        return text;
    });
}

TResult Read_Exchange_File(std::string_view text, TCatalogue_Kind kind, TExchange_Records& records) {
    records = {};
    TLine_Reader lines(text);
    std::string_view header;
    lines.Next(header);
    std::string catalogue, version;
    Read_Tagged_Text(std::string(header), TTag_Case::Lower, [&](const TTag& tag, THTML_Parser&) {
        if (tag.Name == "<#catalogue")
            catalogue = tag.Value;
        else if (tag.Name == "<#version")
            version = tag.Value;
        return true;
    });
    if (catalogue.empty())
        return TResult::Failure(
            "It is not a catalogue exchange file: its first line does not name a catalogue.");
    if (Kind_Named(catalogue) != kind)
        return TResult::Failure("It holds the catalogue \"" + catalogue + "\", not " +
                                std::string(Kind_Name(kind)) + ".");
    int number = 0;
    if (!Str_To_Int(Edit(version, Edit_Trim), number) || number < 1 || number > Exchange_Format_Version)
        return TResult::Failure("Its format version \"" + version +
                                "\" is not one this program reads (1 to " +
                                std::to_string(Exchange_Format_Version) + ").");
    std::string_view line;
    for (int line_number = 2; lines.Next(line); ++line_number) {
        if (line.find_first_not_of(" \t") == std::string_view::npos)
            continue;
        if (std::string problem = Record_Line_Problem(line, kind); !problem.empty())
            records.Damaged.push_back({line_number, std::move(problem)});
        else
            records.Texts.emplace_back(line);
    }
    return {};
}

std::string Record_Line_Problem(std::string_view line, TCatalogue_Kind kind) {
    for (const char c : line)
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t')
            return "it holds a control character (code " + std::to_string(static_cast<int>(c)) + ")";
    if (line.size() < 7 || !Same_Text(line.substr(0, 7), "<#name="))
        return "it does not begin with the record's name tag <#name=...>";
    if (std::string problem = Tag_Problem(line); !problem.empty())
        return problem;
    return With_Record_Type(
        kind, [&](auto type) { return Record_Problem<typename decltype(type)::type>(std::string(line)); });
}

int Held_Records(const TCatalogues& catalogues, TCatalogue_Kind kind, const TExchange_Records& records) {
    return With_Record_Type(kind, [&](auto type) {
        using T = typename decltype(type)::type;
        auto* registry = Registry_Of(catalogues, type);
        int held = 0;
        for (const std::string& text : records.Texts) {
            T record;
            record.Deserialize(text.c_str());
            if (registry && registry->Get(record.Get_Name()))
                ++held;
        }
        return held;
    });
}

TResult Import_Records(const TCatalogues& catalogues, TCatalogue_Kind kind, const TExchange_Records& records,
                       bool replace, TRecords_Stored& stored) {
    stored = {};
    if (!catalogues.Store_Records)
        return TResult::Failure("These catalogues take no imports.");
    const std::string problem =
        catalogues.Store_Records(std::string(Kind_Name(kind)), records.Texts, replace, stored);
    return problem.empty() ? TResult() : TResult::Failure(problem);
}

std::string Replace_Question(TCatalogue_Kind kind, int held) {
    return Records_Counted(kind, held) + " of the file " + (held == 1 ? "has a name" : "have names") +
           " the catalogue holds. Replace " + (held == 1 ? "it" : "them") + " with the file's?";
}

std::string Records_Counted(TCatalogue_Kind kind, int count) {
    return std::to_string(count) + " " + std::string(Names_Of(kind).Record) + (count == 1 ? "" : "s");
}

std::string Import_Report(TCatalogue_Kind kind, const TExchange_Records& records,
                          const TRecords_Stored& stored) {
    std::string report = Records_Counted(kind, stored.Added) + " added, " + std::to_string(stored.Replaced) +
                         " replaced, " + std::to_string(stored.Kept) + " kept";
    if (stored.Kept > 0)
        report += " (their names are in the catalogue)";
    report += ".";
    for (const TDamaged_Line& damaged : records.Damaged)
        report += "\nLine " + std::to_string(damaged.Line) + " was skipped: " + damaged.Reason + ".";
    return report;
}

} // namespace Vexlor
