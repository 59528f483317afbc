#include "Item_Template.h"

#include "foundations/HTML.h"

#include <algorithm>
#include <cstring>
#include <variant>

namespace Vexlor {

namespace {

struct TEquip_Word {
    int Bits;
    std::string_view Word;
};

// The single body places in the order EC_To_String writes them; the first three make up the torso.
constexpr TEquip_Word Place_Words[] = {
    {EC_Back, "back"}, {EC_Chest, "chest"}, {EC_Abdomen, "abdomen"}, {EC_Head, "head"},
    {EC_Neck, "neck"}, {EC_Leg, "leg"},     {EC_Arm, "arm"},         {EC_Foot, "foot"},
    {EC_Hand, "hand"}, {EC_Toe, "toe"},     {EC_Finger, "finger"},   {EC_Tail, "tail"},
    {EC_Wing, "wing"}, {EC_Face, "face"},   {EC_Eye, "eye"},         {EC_Ear, "ear"}};
constexpr std::size_t Torso_Places = 3;

void Append_Word(std::string& text, std::string_view word) {
    if (!text.empty())
        text += ',';
    text += word;
}

// The stored weight in tenths as the decimal number it stands for: 125 is "12.5", 30 is "3".
std::string Weight_Text(int tenths) {
    const long long value = tenths;
    const long long magnitude = value < 0 ? -value : value;
    std::string text = (value < 0 ? "-" : "") + std::to_string(magnitude / 10);
    if (magnitude % 10 != 0)
        text.append(".").append(std::to_string(magnitude % 10));
    return text;
}

constexpr std::string_view Class_Slot_Prefix = "<#class";
constexpr std::string_view Level_Slot_Prefix = "<#level";

} // namespace

std::string EC_To_String(int flags) {
    if (flags == EC_All)
        return "all";
    std::string text;
    const bool torso = (flags & EC_Torso) == EC_Torso;
    if (torso)
        Append_Word(text, "torso");
    for (std::size_t place = torso ? Torso_Places : 0; place < std::size(Place_Words); ++place)
        if (flags & Place_Words[place].Bits)
            Append_Word(text, Place_Words[place].Word);
    return text;
}

int String_To_EC(const std::string& text) {
    int flags = EC_None;
    std::size_t from = 0;
    while (from <= text.size()) {
        const auto comma = std::min(text.find(',', from), text.size());
        const std::string_view piece = std::string_view(text).substr(from, comma - from);
        from = comma + 1;
        if (Same_Text(piece, "all"))
            flags = EC_All;
        else if (Same_Text(piece, "torso"))
            flags |= EC_Torso;
        for (const TEquip_Word& word : Place_Words)
            if (Same_Text(piece, word.Word))
                flags |= word.Bits;
    }
    return flags;
}

// An integer property and its tag; three of them live in the item's intelligence.
struct TItem_Template::TNumber_Tag {
    std::string_view Key;
    std::variant<int TItem_Template::*, int TIntelligence::*> Field;

    // The field in item, const when item is.
    template <class Item> auto& Of(Item& item) const {
        if (const auto field = std::get_if<int TItem_Template::*>(&Field))
            return item.**field;
        return item._Intelligence.*std::get<int TIntelligence::*>(Field);
    }
};

// The whole-number tags in the order they are written. The intelligence's cognitive has a tag of
// its own, "intcognitive", so that it no longer overwrites the item's own "cognitive" on reading;
// a text with only "cognitive" tags reads them into the item's own cognitive, as it always did.
// Hit points are stored too: without them a per-hit-point cost is lost on reloading.
std::span<const TItem_Template::TNumber_Tag> TItem_Template::Number_Tags() {
    using I = TItem_Template;
    static const TNumber_Tag tags[] = {
        {"hitadjust", &I::_Hit_Adjustment},
        {"cost", &I::_Cost},
        {"range", &I::_Range},
        {"charges", &I::_Charges},
        {"time", &I::_Time},
        {"languages", &I::_Languages_Known},
        {"intcognitive", &TIntelligence::Cognitive},
        {"wisdom", &TIntelligence::Wisdom},
        {"perception", &TIntelligence::Perception},
        {"armorbonus", &I::_Armor_Bonus},
        {"count", &I::_Count},
        {"duration", &I::_Duration},
        {"insulation", &I::_Insulation},
        {"capacity", &I::_Capacity},
        {"speed", &I::_Speed},
        {"additionalweight", &I::_Weight_Additional},
        {"strength", &I::_Strength},
        {"cognitive", &I::_Cognitive},
        {"maxpowerpacks", &I::_Max_Power_Packs},
        {"regeneration", &I::_Regeneration},
        {"regenerationperiod", &I::_Regeneration_Period},
        {"resistacid", &I::_Resist_Acid},
        {"resistcold", &I::_Resist_Cold},
        {"resistelectricity", &I::_Resist_Electricity},
        {"hp", &I::_HP},
    };
    return tags;
}

// The flags: the first two are written before the weapon class, the others after the morphable.
std::span<const TFlag_Field<TItem_Template>> TItem_Template::Flag_Tags() {
    using I = TItem_Template;
    static const TFlag_Field<I> tags[] = {
        {"twohands", &I::_Two_Hands},
        {"warp", &I::_Warp},
        {"huge", &I::_Huge},
        {"selfpropelled", &I::_Self_Propelled},
        {"senselife", &I::_Sense_Lifeform},
        {"senseqids", &I::_Sense_QIDs},
        {"sensechemicals", &I::_Sense_Chemicals},
        {"sensesecret", &I::_Sense_Secret_Doors},
        {"surveillance", &I::_Surveillance},
        {"damageperkva", &I::_Damage_Per_KVA},
        {"costperhp", &I::_Cost_Per_HP},
        {"weightpercapacity", &I::_Weight_Per_Capacity},
        {"costpercapacity", &I::_Cost_Per_Capacity},
    };
    return tags;
}

const char* TItem_Template::Serialize() {
    constexpr std::size_t Handling_Flags = 2; // two hands, warp
    std::string& text = Temp_Serialize.Start();
    Append_Name(text, _Name);
    Append_Choice(text, "class", Item_Class_String, _Classification);
    Append_Range(text, "damage", _Damage);
    text.append("<#weight=").append(Weight_Text(_Weight)).append(">");
    for (const TNumber_Tag& tag : Number_Tags())
        Append_Number_If_Set(text, tag.Key, tag.Of(*this));
    if (_Equip_Class != EC_None)
        text.append("<equip>").append(EC_To_String(_Equip_Class)).append("</equip>");
    Append_Section(text, "description", _Description);
    Append_Flags(text, *this, Flag_Tags().first(Handling_Flags));
    if (_Classification == IC_Weapon)
        Append_Choice(text, "weaponclass", Weapon_Class_String, _Weapon_Class);
    Append_Text_If_Set(text, "morphable", _Morphable);
    Append_Flags(text, *this, Flag_Tags().subspan(Handling_Flags));
    Append_Section(text, "qids", _QIDs);
    Append_Section(text, "weapons", _Weapons);
    Append_Classes(text);
    return Temp_Serialize.Get();
}

void TItem_Template::Append_Classes(std::string& text) const {
    for (long slot = TIntelligent_Classes::Low_Index; slot <= TIntelligent_Classes::High_Index; ++slot) {
        const TIntelligent_Class& held = _Classes[slot];
        if (held._Class == -1)
            continue;
        const std::string number = std::to_string(slot);
        text.append("<#class").append(number).append("=").append(Class_Name[held._Class]);
        text.append("><#level").append(number).append("=").append(std::to_string(held.Level)).append(">");
    }
}

void TItem_Template::Deserialize(const char* text) {
    *this = TItem_Template();
    Read_Tagged_Text(Text_Of(text), TTag_Case::As_Is,
                     [this](const TTag& tag, THTML_Parser& parser) { return Read_Tag(tag, parser); });
}

// The tags are tried in a fixed order and the first that matches reads the value, so "<#class"
// itself is the classification and only longer names are class slots.
bool TItem_Template::Read_Tag(const TTag& tag, THTML_Parser& parser) {
    const std::string name = Lower_Case(tag.Name);
    if (name == "<#name")
        _Name = From_HTML(Trim_Quotes(tag.Value));
    else if (name == "<#class")
        Read_Choice(tag.Value, Item_Class_String, _Classification);
    else if (name == "<equip>")
        _Equip_Class = String_To_EC(parser.Get_Section("equip"));
    else if (name == "<#weaponclass")
        Read_Choice(tag.Value, Weapon_Class_String, _Weapon_Class);
    else if (name == "<#damage")
        Read_Range(tag.Value, _Damage);
    else if (name == "<description>")
        _Description = From_HTML(parser.Get_Section("description"));
    else if (name == "<qids>")
        _QIDs = From_HTML(parser.Get_Section("qids"));
    else if (name == "<weapons>")
        _Weapons = From_HTML(parser.Get_Section("weapons"));
    else if (name == "<#morphable")
        _Morphable = From_HTML(tag.Value);
    else if (name == "<#weight")
        Read_Tenths(tag.Value, _Weight);
    else
        return Read_Number_Tag(name, tag.Value) || Read_Flag_Field(name, *this, Flag_Tags()) ||
               Read_Class_Slot(name, tag.Value);
    return true;
}

bool TItem_Template::Read_Number_Tag(const std::string& name, const std::string& value) {
    for (const TNumber_Tag& tag : Number_Tags())
        if (Is_Attribute(name, tag.Key)) {
            Read_Number(value, tag.Of(*this));
            return true;
        }
    return false;
}

// "<#class2=Linguist" and "<#level2=3"; slots outside 0..3 are ignored.
bool TItem_Template::Read_Class_Slot(const std::string& name, const std::string& value) {
    const bool class_tag = name.starts_with(Class_Slot_Prefix);
    if (!class_tag && !name.starts_with(Level_Slot_Prefix))
        return false;
    const auto slot = Slot_Number(name, class_tag ? Class_Slot_Prefix : Level_Slot_Prefix);
    if (!slot || !TIntelligent_Classes::Contains(*slot))
        return true;
    if (class_tag)
        _Classes[*slot]._Class = Class_Index(value);
    else
        Read_Number(value, _Classes[*slot].Level);
    return true;
}

bool TItem_Template::Is_Type(const char* name) const {
    return name && std::strcmp(name, "item template") == 0;
}

} // namespace Vexlor
