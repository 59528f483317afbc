#include "Character_RTF.h"

#include <cstddef>
#include <map>

namespace Vexlor {

extern const char Character_Sheet_Bytes[];
extern const std::size_t Character_Sheet_Bytes_Size;

namespace {

// The sheet has five QID rows; selected QIDs and compounds fill the first four.
constexpr int QID_Rows = 5;
constexpr int Weapon_Rows = 5;
constexpr int Armor_Rows = 2;

using TValues = std::map<std::string, std::string, std::less<>>;

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
        experience.push_back("1");
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

// Selected compounds (for a Chemist) and then QIDs (for an Engineer) fill the QID rows.
void Add_QID_Rows(const TVexlor_Character& character, const TSheet_Selections& selections, TValues& values) {
    const bool chemist = character.Is_Class("Chemist"), engineer = character.Is_Class("Engineer");
    int row = 1;
    const auto fill = [&](const TSelection_List& list, int level) {
        for (const auto& entry : list) {
            if (row >= QID_Rows)
                return;
            if (!entry.Selected)
                continue;
            const std::string n = std::to_string(row++);
            values["~QID" + n + "~"] = entry.Text;
            values["~Level" + n + "~"] = std::to_string(level);
        }
    };
    if (chemist)
        for (int level = 1; level <= 9; ++level)
            fill(selections.Compounds[level], level);
    if (engineer)
        for (int level = 1; level <= 10; ++level)
            fill(selections.QIDs[level], level);
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
TValues Sheet_Values(const TVexlor_Character& character, std::string_view header_font,
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
    values["~HP~"] = number(character.Get_Constitution_Bonus());
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
    for (int n = 1; n <= Weapon_Rows; ++n)
        for (const char* column : {"Weapon Name", "Fire Rate", "Range", "Damage", "Rounds", "Enhancements"})
            values["~" + std::string(column) + std::to_string(n) + "~"] = "";
    for (int n = 1; n <= Armor_Rows; ++n)
        for (const char* column : {"Armor", "Armor Adj", "Armor Enhancements"})
            values["~" + std::string(column) + std::to_string(n) + "~"] = "";
    Add_QID_Rows(character, selections, values);
    for (int n = 1; n <= QID_Rows; ++n)
        for (const char* column : {"QID", "Level", "Duration", "Activation"})
            values.try_emplace("~" + std::string(column) + std::to_string(n) + "~", "");
    for (auto& [placeholder, value] : values)
        value = RTF_Escape(value);
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
void Character_RTF_String(const TVexlor_Character& character, std::string& text, std::string_view header_font,
                          const TSheet_Selections& selections) {
    const TValues values = Sheet_Values(character, header_font, selections);
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
