#include "Character_RTF.h"

#include "catalogues/Compounds.h"
#include "catalogues/Item_Template.h"
#include "catalogues/Plan_Texts.h"
#include "catalogues/QID_Plan.h"

#include <cstddef>
#include <initializer_list>
#include <map>
#include <optional>
#include <set>

namespace Vexlor {

extern const char Character_Sheet_Bytes[];
extern const std::size_t Character_Sheet_Bytes_Size;

namespace {

// The sheet has five QID rows; selected QIDs and compounds fill the first four.
constexpr int QID_Rows = 5;
constexpr int Weapon_Rows = 5;
constexpr int Armor_Rows = 2;

// A name wraps inside its cell. A name longer than Long_Name characters is set smaller, in half
// points, so that even 300 of the widest letters leave the sheet one page long.
constexpr std::size_t Long_Name = 100;
constexpr int Long_Name_Half_Points = 14;

using TValues = std::map<std::string, std::string, std::less<>>;

// The cells of one row of a table of the sheet, in the order of the table's columns; cells left
// out are empty.
using TSheet_Row = std::vector<std::string>;

std::string Join(const std::vector<std::string>& parts, const char* separator) {
    std::string joined;
    for (const auto& part : parts) {
        if (!joined.empty())
            joined += separator;
        joined += part;
    }
    return joined;
}

// Level, experience and vocation texts of the first four class slots.
void Add_Class_Values(const TVexlor_Character& character, TValues& values) {
    std::vector<std::string> levels, experience, vocations;
    for (int slot = 1; slot <= 4; ++slot) {
        const int class_index = character.Get_Class(slot);
        if (class_index < 0)
            continue;
        levels.push_back(std::to_string(character.Get_Level(slot)));
        experience.push_back(std::to_string(character.Get_Experience(slot)));
        vocations.emplace_back(Class_Name[class_index]);
    }
    std::string vocation = Join(vocations, "/");
    if (character.Is_Class("Biologist"))
        vocation += character.Specialty == 0 ? " (Botany)" : " (Zoology)";
    values["~Level~"] = Join(levels, "/");
    values["~Experience~"] = Join(experience, "/");
    values["~Vocation~"] = vocation;
}

std::string Family_Text(const TVexlor_Character& character) {
    if (character.Siblings < 2)
        return "Only child";
    return Ordinal(character.Child) + " child of " + std::to_string(character.Siblings) + " children";
}

// Selected compounds (for a Chemist) and then QIDs (for an Engineer), four rows at most.
std::vector<TSheet_Row> Selection_Rows(const TVexlor_Character& character,
                                       const TSheet_Selections& selections) {
    std::vector<TSheet_Row> rows;
    const auto add = [&](const TSelection_List& list, int level) {
        for (const auto& entry : list)
            if (entry.Selected && static_cast<int>(rows.size()) < QID_Rows - 1)
                rows.push_back({entry.Text, std::to_string(level)});
    };
    if (character.Is_Class("Chemist"))
        for (int level = 1; level <= 9; ++level)
            add(selections.Compounds[level], level);
    if (character.Is_Class("Engineer"))
        for (int level = 1; level <= 10; ++level)
            add(selections.QIDs[level], level);
    return rows;
}

const TItem_Template* Template_Of(const TCatalogues& catalogues, const std::string& name) {
    return catalogues.Items ? catalogues.Items->Get(name.c_str()) : nullptr;
}

bool Is_Weapon(const TItem_Template* item) {
    return item && item->Get_Classification() == IC_Weapon;
}

// The enhancements an item template has, named as the item editor names them.
std::string Enhancements(const TItem_Template& item) {
    static constexpr std::pair<bool (TItem_Template::*)() const, const char*> Flags[] = {
        {&TItem_Template::Get_Self_Propelled, "Self propelled"},
        {&TItem_Template::Get_Surveillance, "Surveillance"},
        {&TItem_Template::Get_Sense_Lifeform, "Sense lifeform"},
        {&TItem_Template::Get_Sense_QIDs, "Sense QIDs"},
        {&TItem_Template::Get_Sense_Chemicals, "Sense chemicals"},
        {&TItem_Template::Get_Sense_Secret_Doors, "Sense secret doors"}};
    std::vector<std::string> names;
    if (*item.Get_Morphable())
        names.push_back(std::string("Morphable: ") + item.Get_Morphable());
    for (const auto& [flag, name] : Flags)
        if ((item.*flag)())
            names.emplace_back(name);
    return Join(names, ", ");
}

// What the character wears: every equipped item that is not a weapon and is worn on a body
// place, in equipped order. An equipped name the catalogue no longer knows is shown by its name.
std::vector<TSheet_Row> Armor_Rows_Of(const TInventory& inventory, const TCatalogues& catalogues) {
    std::vector<TSheet_Row> rows;
    for (const std::string& name : inventory.Equipped()) {
        const TItem_Template* item = Template_Of(catalogues, name);
        if (!item)
            rows.push_back({name});
        else if (!Is_Weapon(item) && item->Get_Equip_Class() != EC_None)
            rows.push_back({name, std::to_string(item->Get_Armor_Bonus()) + "%", Enhancements(*item)});
    }
    return rows;
}

// The weapons held at this level and inside its containers, in held order, each once.
void Add_Held_Weapons(const TInventory_List& list, const TCatalogues& catalogues, std::set<std::string>& seen,
                      std::vector<const TItem_Template*>& weapons) {
    for (const TInventory_Entry& entry : list) {
        const TItem_Template* item = Template_Of(catalogues, entry.Name);
        if (Is_Weapon(item) && seen.insert(entry.Name).second)
            weapons.push_back(item);
        if (entry.Contents)
            Add_Held_Weapons(*entry.Contents, catalogues, seen, weapons);
    }
}

// The weapon the character wields first, then the other weapons it holds.
std::vector<TSheet_Row> Weapon_Rows_Of(const TInventory& inventory, const TCatalogues& catalogues) {
    std::set<std::string> seen;
    std::vector<const TItem_Template*> weapons;
    for (const std::string& name : inventory.Equipped())
        if (const TItem_Template* item = Template_Of(catalogues, name); Is_Weapon(item)) {
            seen.insert(name);
            weapons.push_back(item);
            break;
        }
    Add_Held_Weapons(inventory.Items(), catalogues, seen, weapons);
    std::vector<TSheet_Row> rows;
    for (const TItem_Template* weapon : weapons)
        rows.push_back({weapon->Get_Name(), std::to_string(weapon->Get_Time()),
                        std::to_string(weapon->Get_Range()), Range_To_String(weapon->Get_Damage()),
                        std::to_string(weapon->Get_Charges()), Enhancements(*weapon)});
    return rows;
}

// The row of a held QID, compound, plan or recipe, with its plan's level, duration and activation
// time in the words of the plan's help; only the name when the catalogue does not have the plan.
// None for any other held name, and for an item whose name only ends like a plan.
std::optional<TSheet_Row> Carried_Row(const std::string& name, const TCatalogues& catalogues) {
    const TCarried_Plan carried = Carried_Plan(name);
    if (carried.Kind == Help_QID_Plan && catalogues.QIDs)
        if (const TQID_Plan* plan = catalogues.QIDs->Get(carried.Plan.c_str()))
            return TSheet_Row{name, std::to_string(plan->Get_Level()), Duration_Text(*plan),
                              std::to_string(plan->Get_Time())};
    if (carried.Kind == Help_Compound_Plan && catalogues.Compounds)
        if (const TCompound_Plan* plan = catalogues.Compounds->Get(carried.Plan.c_str()))
            return TSheet_Row{name, std::to_string(plan->Get_Level()), Duration_Text(*plan)};
    if (carried.Kind == Help_None || Template_Of(catalogues, name))
        return std::nullopt;
    return TSheet_Row{name};
}

// Whether a held name is the QID or compound itself rather than its plan or recipe.
bool Is_Device(std::string_view name) {
    return name.ends_with(" QID") || name.ends_with(" compound");
}

// The QIDs and compounds held at this level and inside its containers (the "PID" among them), in
// held order, one row each: a QID carried with its plan is one row, named after the QID, since
// both give the same level, duration and activation; a plan or recipe carried alone has its own.
void Add_Carried_Rows(const TInventory_List& list, const TCatalogues& catalogues,
                      std::map<std::pair<int, std::string>, std::size_t>& row_of_plan,
                      std::vector<TSheet_Row>& rows) {
    for (const TInventory_Entry& entry : list) {
        if (auto row = Carried_Row(entry.Name, catalogues)) {
            const TCarried_Plan carried = Carried_Plan(entry.Name);
            const auto [held, added] = row_of_plan.try_emplace({carried.Kind, carried.Plan}, rows.size());
            if (added)
                rows.push_back(std::move(*row));
            else if (Is_Device(entry.Name))
                rows[held->second][0] = entry.Name;
        }
        if (entry.Contents)
            Add_Carried_Rows(*entry.Contents, catalogues, row_of_plan, rows);
    }
}

// The placeholders of a table's rows 1..row_count from its rows; columns are the placeholders'
// names without the row number. When there are more rows than the table holds, its last row says
// how many more there are.
void Fill_Table(std::vector<TSheet_Row> rows, std::initializer_list<const char*> columns, int row_count,
                TValues& values) {
    const auto count = static_cast<std::size_t>(row_count);
    if (rows.size() > count)
        rows[count - 1][0] += " (+" + std::to_string(rows.size() - count) + " more)";
    rows.resize(count);
    for (std::size_t n = 1; n <= count; ++n) {
        std::size_t cell = 0;
        for (const char* column : columns) {
            const TSheet_Row& row = rows[n - 1];
            values["~" + std::string(column) + std::to_string(n) + "~"] = cell < row.size() ? row[cell] : "";
            ++cell;
        }
    }
}

// The armour, weapon and QID rows.
void Add_Possessions(const TVexlor_Character& character, const TInventory& inventory,
                     const TCatalogues& catalogues, const TSheet_Selections& selections, TValues& values) {
    Fill_Table(Armor_Rows_Of(inventory, catalogues), {"Armor", "Armor Adj", "Armor Enhancements"}, Armor_Rows,
               values);
    Fill_Table(Weapon_Rows_Of(inventory, catalogues),
               {"Weapon Name", "Fire Rate", "Range", "Damage", "Rounds", "Enhancements"}, Weapon_Rows,
               values);
    std::vector<TSheet_Row> qids = Selection_Rows(character, selections);
    std::map<std::pair<int, std::string>, std::size_t> row_of_plan;
    Add_Carried_Rows(inventory.Items(), catalogues, row_of_plan, qids);
    Fill_Table(std::move(qids), {"QID", "Level", "Duration", "Activation"}, QID_Rows, values);
}

// The title's face in the font table, and the bold that any face but Impact is asked for in.
// A semicolon would end the font table entry, so it is left out; a name with nothing else in it
// keeps Impact.
void Add_Header_Font(std::string_view header_font, TValues& values) {
    std::string face;
    for (const char c : header_font)
        if (c != ';')
            face += c;
    if (face.empty())
        face = Default_Header_Font;
    values["~Header Weight~"] = face == Default_Header_Font ? "" : "\\b";
    values["~Header Font~"] = RTF_Escape(face);
}

// Every placeholder of the sheet with its RTF text, in the order the values are worked out.
TValues Sheet_Values(const TVexlor_Character& character, const TInventory& inventory,
                     const TCatalogues& catalogues, std::string_view header_font,
                     const TSheet_Selections& selections) {
    TValues values;
    const auto number = [](int value) { return std::to_string(value); };
    values["~Name~"] = character._Get_Name();
    values["~Age~"] = number(character.Age);
    values["~Gender~"] = character.Get_Gender() == 0 ? "M" : "F";
    values["~Weight~"] = number(character.Weight);
    values["~Height~"] = number(character.Height) + "\"";
    values["~Physical~"] = number(character.Get_Physical());
    values["~Constitution~"] = number(character.Constitution);
    values["~Dexterity~"] = number(character.Dexterity);
    values["~Strength~"] = number(character.Strength);
    values["~Intellect~"] = number(character.Get_Intellect());
    values["~Cognitive~"] = number(character.Cognitive);
    values["~Perception~"] = number(character.Perception);
    values["~Wisdom~"] = number(character.Wisdom);
    values["~Influence~"] = number(character.Get_Influence());
    values["~Comeliness~"] = number(character.Comeliness);
    values["~Charisma~"] = number(character.Charisma);
    values["~Will~"] = number(character.Will);
    values["~Hit Points~"] = number(character.Hit_Points);
    Add_Class_Values(character, values);
    values["~Hit~"] = number(character.Get_Hit());
    values["~Damage~"] = number(character.Get_Damage());
    values["~Movement~"] = number(character.Get_Movement());
    values["~Weight Cap~"] = number(character.Get_Carry());
    values["~Open Doors~"] = number(character.Get_Open());
    values["~HP~"] = Constitution_Bonus_Text(character.Constitution);
    values["~System Shock~"] = number(character.Get_System_Shock());
    values["~Poison~"] = number(character.Get_Poison());
    values["~Regeneration~"] = number(character.Get_Regeneration());
    values["~Offensive~"] = number(character.Get_Offensive());
    values["~Defensive~"] = number(character.Get_Defensive());
    values["~Attack Adj~"] = number(character.Get_Attack_Adjustment());
    values["~Vocations~"] = number(character.Get_Vocations());
    values["~Languages~"] = number(character.Get_Languages());
    values["~Detect Lies~"] = number(character.Get_Detect_Lie());
    values["~Henchmen~"] = number(character.Get_Henchmen());
    values["~Family~"] = Family_Text(character);
    values["~Funds~"] = number(character.Credits);
    values["~Description~"] = "";
    values["~Treasure~"] = "";
    Add_Possessions(character, inventory, catalogues, selections, values);
    for (auto& [placeholder, value] : values)
        value = RTF_Escape(value);
    if (character._Get_Name().size() > Long_Name)
        values["~Name~"] = "{\\fs" + std::to_string(Long_Name_Half_Points) + " " + values["~Name~"] + "}";
    Add_Header_Font(header_font, values);
    return values;
}

} // namespace

std::string_view Character_Sheet_Template() {
    return {Character_Sheet_Bytes, Character_Sheet_Bytes_Size};
}

std::string RTF_Escape(std::string_view value) {
    static constexpr char Hex[] = "0123456789abcdef";
    std::string escaped;
    escaped.reserve(value.size());
    for (const char c : value) {
        const auto code = static_cast<unsigned char>(c);
        if (c == '\\' || c == '{' || c == '}') {
            escaped += '\\';
            escaped += c;
        } else if (code > 127) {
            escaped += "\\'";
            escaped += Hex[code >> 4];
            escaped += Hex[code & 15];
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string Ordinal(int number) {
    if (number < 0)
        return std::string();
    const char* suffix = "th";
    if ((number / 10) % 10 != 1) {
        switch (number % 10) {
        case 1:
            suffix = "st";
            break;
        case 2:
            suffix = "nd";
            break;
        case 3:
            suffix = "rd";
            break;
        default:
            break;
        }
    }
    return std::to_string(number) + suffix;
}

// Each placeholder is replaced where it stands, left to right in one pass, so a value is never
// searched again: a name such as "~Age~" prints as typed.
void Character_RTF_String(const TVexlor_Character& character, const TInventory& inventory,
                          const TCatalogues& catalogues, std::string& text, std::string_view header_font,
                          const TSheet_Selections& selections) {
    const TValues values = Sheet_Values(character, inventory, catalogues, header_font, selections);
    const std::string_view sheet = Character_Sheet_Template();
    text.clear();
    text.reserve(sheet.size() + 1024);
    std::size_t position = 0;
    while (position < sheet.size()) {
        const auto open = sheet.find('~', position);
        const auto close = open == std::string_view::npos ? open : sheet.find('~', open + 1);
        if (close == std::string_view::npos) {
            text += sheet.substr(position);
            break;
        }
        const auto found = values.find(sheet.substr(open, close - open + 1));
        if (found == values.end()) {
            text += sheet.substr(position, open + 1 - position);
            position = open + 1;
            continue;
        }
        text += sheet.substr(position, open - position);
        text += found->second;
        position = close + 1;
    }
}

} // namespace Vexlor
