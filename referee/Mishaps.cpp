#include "Mishaps.h"

namespace Vexlor {
namespace {

constexpr int Rolls_Per_Press = 20;
constexpr int Lost_Table = 5;
constexpr int Plants_Table = 8;
constexpr int Plant_Property_Table = 9;
constexpr int Plant_Poison_Table = 10;
constexpr int Commando_Failure_Table = 11;
constexpr int Biologist_Failure_Table = 12;
// A plant shows at most this many properties, so that tables whose entries all ask for one more
// property still give a line.
constexpr int Most_Plant_Properties = 8;

// The "*" that asks for one more property. A "*" inside a formula ("<2D6*10> m tall") multiplies
// and is passed over, so that a formula is never cut in two.
std::size_t Star(const std::string& text) {
    bool in_formula = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '<')
            in_formula = true;
        else if (text[i] == '>')
            in_formula = false;
        else if (text[i] == '*' && !in_formula)
            return i;
    }
    return std::string::npos;
}

bool Has_Star(const std::string& text) {
    return Star(text) != std::string::npos;
}

std::string Entry(TReferee& referee, int table) {
    return referee.Get_Tables().Generate_Entry(table, Table_File_Name);
}

template <class Roll> TRoll_Result Twenty(TReferee& referee, const std::string& heading, Roll roll) {
    return Roll_Lines(referee.Get_Output(), heading, Rolls_Per_Press,
                      [&roll](TResult_Lines& lines) { lines.Add(roll()); });
}

} // namespace

TRoll_Result Roll_Lost(TReferee& referee) {
    return Twenty(referee, "Lost", [&referee] {
        const std::string entry = Entry(referee, Lost_Table);
        return entry.substr(0, entry.find(';'));
    });
}

// A property ending in "*" asks for one more: a further roll is used only when it does not ask
// for yet another. "Poison" is replaced by a plant poison, which may itself ask for one more.
std::string Plant_Line(TReferee& referee) {
    const std::string plant = Entry(referee, Plants_Table);
    std::string line = TReferee::Evaluate(plant.substr(0, Star(plant)));
    if (!Has_Star(plant))
        return line;
    std::string property = referee.Generate(Plant_Property_Table);
    for (int shown = 0; shown < Most_Plant_Properties; ++shown) {
        property = TReferee::Evaluate(property);
        if (property == "Poison")
            property = Entry(referee, Plant_Poison_Table);
        line += "  " + property.substr(0, Star(property));
        if (!Has_Star(property))
            break;
        property = Entry(referee, Plant_Property_Table);
        if (Has_Star(property))
            break;
    }
    return line;
}

TRoll_Result Roll_Plants(TReferee& referee) {
    return Twenty(referee, "Plants", [&referee] { return Plant_Line(referee); });
}

TRoll_Result Roll_Commando_Failure(TReferee& referee) {
    return Twenty(referee, "Spy failure", [&referee] { return Entry(referee, Commando_Failure_Table); });
}

TRoll_Result Roll_Biologist_Failure(TReferee& referee) {
    return Twenty(referee, "Biologist failure",
                  [&referee] { return referee.Generate(Biologist_Failure_Table); });
}

} // namespace Vexlor
