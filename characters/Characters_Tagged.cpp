// The character's tagged text: what the party file stores for each character.
#include "Characters.h"

#include "foundations/HTML.h"

#include <array>
#include <utility>
#include <variant>

namespace Vexlor {

// One attribute tag <#key=n> and the field it holds, in the order Serialize writes them.
struct TVexlor_Character::TAttribute_Tag {
    std::string_view Key;
    std::variant<int TVexlor_Character::*, TGender TVexlor_Character::*, TMarital_Status TVexlor_Character::*>
        Field;
};

namespace {

// Stored numbers of the two-valued fields: 0 is the first value, any other number the second.
void Store(int& field, int value) {
    field = value;
}
void Store(TGender& field, int value) {
    field = value == 0 ? Gender_Male : Gender_Female;
}
void Store(TMarital_Status& field, int value) {
    field = value == 0 ? Married : Unmarried;
}

// The slot 1..6 of a slot tag such as "<#class3" with the given prefix, or 0.
int Slot_Of(std::string_view name, std::string_view prefix) {
    if (name.size() != prefix.size() + 1 || name.substr(0, prefix.size()) != prefix)
        return 0;
    const char digit = name.back();
    return digit >= '1' && digit <= '6' ? digit - '0' : 0;
}

template <class Array> void Append_List(std::string& text, const Array& values) {
    bool first = true;
    for (const int value : values) {
        if (!first)
            text += ',';
        text += std::to_string(value);
        first = false;
    }
}

void Append_Attribute(std::string& text, std::string_view key, int value) {
    text.append("<#").append(key).append("=").append(std::to_string(value)).append(">");
}

} // namespace

const std::vector<TVexlor_Character::TAttribute_Tag>& TVexlor_Character::Attribute_Tags() {
    using C = TVexlor_Character;
    static const std::vector<TAttribute_Tag> tags = {
        {"strength", &C::Strength},
        {"constitution", &C::Constitution},
        {"dexterity", &C::Dexterity},
        {"cognitive", &C::Cognitive},
        {"perception", &C::Perception},
        {"wisdom", &C::Wisdom},
        {"charisma", &C::Charisma},
        {"comeliness", &C::Comeliness},
        {"will", &C::Will},
        {"gender", &C::_Gender},
        {"Age", &C::Age},
        {"height", &C::Height},
        {"weight", &C::Weight},
        {"child", &C::Child},
        {"siblings", &C::Siblings},
        {"parents", &C::Parents},
        {"hp", &C::Hit_Points},
        {"AC", &C::AC},
        {"specialty", &C::Specialty},
        {"credits", &C::Credits},
        {"points", &C::Rogue_Points},
        {"buildrobots", &C::Rogue_Build_Robots_Level},
        {"geneticengineering", &C::Rogue_Genetic_Engineering_Level},
        {"distinguishplants", &C::Rogue_Distinguish_Plants_Level},
        {"computerprogramming", &C::Rogue_Computer_Programming_Level},
        {"mercenarylevel", &C::Rogue_Mercenary_Level},
        {"weaponsspecialist", &C::Rogue_Weapons_Specialist_Level},
        {"languageinterpretation", &C::Rogue_Language_Interpretation_Level},
        {"openlock", &C::Rogue_Open_Lock},
        {"findtrap", &C::Rogue_Find_Trap},
        {"movesilent", &C::Rogue_Move_Silently},
        {"hide", &C::Rogue_Hide},
        {"hear", &C::Rogue_Hear_Noise},
        {"climb", &C::Rogue_Climb},
    };
    return tags;
}

// Names and their variants are escaped, so that a name holding "<" cannot end its section early
// and swallow the rest of the character. Reading keeps what does not decode, so a name stored
// unescaped, such as "Rex & Una", reads back as it was.
const char* TVexlor_Character::Serialize() {
    Temp.clear();
    Temp.append("<name>").append(To_HTML(_Name)).append("</name><allnames>");
    Temp.append(To_HTML(All_Names)).append("</allnames>");
    for (const TAttribute_Tag& tag : Attribute_Tags())
        std::visit([&](auto field) { Append_Attribute(Temp, tag.Key, static_cast<int>(this->*field)); },
                   tag.Field);
    for (int slot = TClass_Slots::Low_Index; slot <= TClass_Slots::High_Index; ++slot) {
        if (__Class[slot] < 0)
            continue;
        const std::string number = std::to_string(slot);
        Temp.append("<#class").append(number).append("=\"").append(Class_Name[__Class[slot]]);
        Temp.append("\"><#level").append(number).append("=").append(std::to_string(_Level[slot]));
        Temp.append("><#experience").append(number).append("=").append(std::to_string(_Experience[slot]));
        Temp.append(">");
    }
    Temp.append("<#maxqids=");
    Append_List(Temp, _Max_QIDS);
    Temp.append("><#maxcompounds=");
    Append_List(Temp, _Max_Compounds);
    Temp.append("><#personality=");
    Append_List(Temp, Personality);
    Temp.append("><#vdna=");
    Append_List(Temp, VDNA);
    Temp.append(">");
    return Temp.c_str();
}

void TVexlor_Character::Deserialize(const char* text) {
    Initialized = true;
    __Class.Fill(-1);
    Read_Tagged_Text(text ? text : "", TTag_Case::Lower,
                     [this](const TTag& tag, THTML_Parser& parser) { return Read_Tag(tag, parser); });
}

bool TVexlor_Character::Read_Tag(const TTag& tag, THTML_Parser& parser) {
    // The attribute tags as read ("<#age"), grouped by the length of the name: a lookup compares a
    // handful of names of the same length and hashes nothing.
    using TKeys = std::array<std::vector<std::pair<std::string, const TAttribute_Tag*>>, 32>;
    static const TKeys attributes = [] {
        TKeys keys;
        for (const TAttribute_Tag& attribute : Attribute_Tags()) {
            const std::string name = "<#" + Lower_Case(std::string(attribute.Key));
            keys.at(name.size()).emplace_back(name, &attribute);
        }
        return keys;
    }();
    const TAttribute_Tag* attribute = nullptr;
    if (tag.Name.size() < attributes.size())
        for (const auto& [name, candidate] : attributes[tag.Name.size()])
            if (name == tag.Name)
                attribute = candidate;

    if (attribute) {
        std::visit([&](auto field) { Store(this->*field, Get_Int(tag.Value)); }, attribute->Field);
    } else if (const int slot = Slot_Of(tag.Name, "<#class")) {
        __Class[slot] = Class_Index(Trim_Quotes(tag.Value));
    } else if (const int slot = Slot_Of(tag.Name, "<#level")) {
        _Level[slot] = Get_Int(tag.Value);
    } else if (const int slot = Slot_Of(tag.Name, "<#experience")) {
        _Experience[slot] = Get_Int(tag.Value);
    } else if (tag.Name == "<#maxqids") {
        Get_Int_List(tag.Value, _Max_QIDS.begin(), _Max_QIDS.end());
    } else if (tag.Name == "<#maxcompounds") {
        Get_Int_List(tag.Value, _Max_Compounds.begin(), _Max_Compounds.end());
    } else if (tag.Name == "<#personality") {
        Get_Int_List(tag.Value, Personality.begin(), Personality.end());
    } else if (tag.Name == "<#vdna") {
        Get_Int_List(tag.Value, VDNA.begin(), VDNA.end());
    } else if (tag.Name == "<name>") {
        _Name = From_HTML(Edit(parser.Get_Section("name"), Edit_Trim), Keep_Undecodable);
    } else if (tag.Name == "<allnames>") {
        All_Names = From_HTML(parser.Get_Section("allnames"), Keep_Undecodable);
    } else {
        return false;
    }
    return true;
}

} // namespace Vexlor
