#include "Treasure.h"

#include "catalogues/Item_Template.h"
#include "foundations/Checked.h"
#include "foundations/Dice.h"
#include "referee/Gems.h"

#include <cstdint>

namespace Vexlor {
namespace {

constexpr int Treasures_Per_Press = 10;
constexpr int Artifact_Table = 210;
constexpr int First_Power_Table = 213;
constexpr int Last_Power_Table = 218;

enum TTreasure_Kind { Copper, Silver, Gold, Platinum, Credits, Gems };

// What the letters A to U add: dice, times a multiplier, to one kind of total.
struct TLetter_Roll {
    TTreasure_Kind Kind;
    int Count, Sides, Times;
};
constexpr TLetter_Roll Letter_Rolls[] = {
    {Copper, 4, 10, 1},    {Silver, 3, 8, 1},    {Gold, 3, 6, 1},     {Platinum, 1, 4, 1},   // A-D
    {Copper, 1, 10, 400},  {Silver, 3, 8, 100},  {Gold, 2, 3, 100},   {Platinum, 1, 4, 100}, // E-H
    {Copper, 1, 10, 4000}, {Silver, 3, 8, 1000}, {Gold, 1, 6, 600},   {Platinum, 1, 10, 80}, // I-L
    {Gems, 2, 4, 1},       {Gems, 3, 6, 1},      {Gems, 4, 8, 1},     {Gems, 5, 10, 1},      // M-P
    {Gems, 6, 12, 1},      {Gems, 10, 20, 1},                                                // Q-R
    {Credits, 1, 4, 1},    {Credits, 1, 8, 1},   {Credits, 1, 12, 1},                        // S-U
};
constexpr char First_Item_Letter = 'V';
// The tables of one item each for the letters V to Z.
constexpr int Item_Tables[] = {200, 201, 202, 203, Artifact_Table};

constexpr const char* Total_Texts[] = {" pounds of copper.  ", " pounds of silver.  ", " pounds of gold.  ",
                                       " pounds of platinum.  ", " credits.  "};

struct TTreasure_Totals {
    std::int64_t Kinds[Gems + 1] = {};
    int Items[std::size(Item_Tables)] = {};
};

TTreasure_Totals Roll_Letters(const std::string& letters) {
    TTreasure_Totals totals;
    for (const char letter : letters) {
        if (letter >= 'A' && letter < First_Item_Letter) {
            const TLetter_Roll& roll = Letter_Rolls[letter - 'A'];
            std::int64_t& total = totals.Kinds[roll.Kind];
            total = Checked_Add<std::int64_t>(total, std::int64_t{Die(roll.Count, roll.Sides)} * roll.Times);
        } else if (letter >= First_Item_Letter && letter <= 'Z')
            ++totals.Items[letter - First_Item_Letter];
    }
    return totals;
}

std::string Gem_List(TReferee& referee, std::int64_t count) {
    std::string text = std::to_string(count) + " gems: ";
    std::int64_t sum = 0;
    for (std::int64_t i = 0; i < count; ++i) {
        const std::int64_t value = Generate_Gem(referee);
        sum = Checked_Add(sum, value);
        text += (i > 0 ? ", " : "") + std::to_string(value) + " cr";
    }
    return text + " (Total=" + std::to_string(sum) + ")";
}

} // namespace

const std::vector<std::string> Treasure_Types = [] {
    std::vector<std::string> types{Random_Choice};
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        types.emplace_back(1, letter);
    for (const char* type : {"Monetary", "Other", "Combined", "QID Device", "Artifact", "Weapon", "Armor"})
        types.emplace_back(type);
    return types;
}();

std::string Get_Treasure(TReferee& referee, const std::string& letters) {
    const TTreasure_Totals totals = Roll_Letters(letters);
    std::string text;
    for (int kind = Copper; kind <= Credits; ++kind)
        if (totals.Kinds[kind] > 0)
            text += std::to_string(totals.Kinds[kind]) + Total_Texts[kind];
    for (std::size_t item = 0; item < std::size(Item_Tables); ++item)
        for (int i = 0; i < totals.Items[item]; ++i)
            text += "  " + referee.Generate(Item_Tables[item]) + ".  ";
    if (totals.Kinds[Gems] > 0)
        text += Gem_List(referee, totals.Kinds[Gems]);
    return text;
}

std::string Generate_Artifact(TReferee& referee) {
    std::string name = referee.Generate(Artifact_Table);
    TItem_Registry* items = referee.Get_Catalogues().Items;
    const TItem_Template* known = items ? items->Get(name.c_str()) : nullptr;
    if (known && known->Get_Classification() == IC_Minor_Artifact)
        return name;
    name += ": ";
    // A power already written (and the table's ":" for no power) is not written again.
    for (int table = First_Power_Table; table <= Last_Power_Table; ++table)
        for (int powers = Die(2, 6) - 2; powers > 0; --powers)
            if (const std::string power = referee.Generate(table); name.find(power) == std::string::npos)
                name += " " + power;
    return name;
}

std::string Treasure_Of_Type(TReferee& referee, const std::string& type) {
    static const std::pair<const char*, int> type_tables[] = {
        {Random_Choice.c_str(), 200}, {"Monetary", 201}, {"Other", 202}, {"Combined", 203},
        {"QID Device", 209},          {"Weapon", 237},   {"Armor", 238}};
    for (const auto& [name, table] : type_tables)
        if (type == name)
            return referee.Generate(table);
    if (type == "Artifact")
        return Generate_Artifact(referee);
    return Get_Treasure(referee, type);
}

TRoll_Result Roll_Treasure(TReferee& referee, const std::string& type) {
    return Roll_Lines(referee.Get_Output(), "Treasure", Treasures_Per_Press,
                      [&referee, &type](TResult_Lines& lines) {
                          lines.Add(Treasure_Of_Type(referee, type));
                          lines.Add("----------");
                      });
}

} // namespace Vexlor
