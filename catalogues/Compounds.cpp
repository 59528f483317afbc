#include "Compounds.h"

#include "foundations/HTML.h"

namespace Vexlor {

namespace {
constexpr std::string_view Round_Damage_Prefix = "<#rounddamage";
}

const char* TCompound_Plan::Serialize() {
    std::string& text = Temp_Serialize.Start();
    Append_Name(text, _Name);
    Append_Number(text, "level", _Level);
    Append_Choice(text, "class", Compound_Class_String, _Classification);
    Append_Choice(text, "effect", Compounds::Effect_String, _Effect);
    Append_Number(text, "area", _Area);
    Append_Range(text, "duration", _Duration);
    Append_Range(text, "durationlevel", _Duration_Level);
    Append_Range(text, "basedamage", _Base_Damage);
    Append_Range(text, "leveldamage", _Level_Damage);
    Append_Number(text, "arealevel", _Area_Level);
    for (long round = TRound_Damage::Low_Index; round <= TRound_Damage::High_Index; ++round)
        Append_Range_If_Set(text, "rounddamage" + std::to_string(round), _Round_Damage[round]);
    Append_Text_If_Set(text, "description", _Description);
    Append_Range_If_Set(text, "age", _Age);
    Append_Number_If_Set(text, "miss", _Miss);
    return Temp_Serialize.Get();
}

void TCompound_Plan::Deserialize(const char* text) {
    Read_Tagged_Text(Text_Of(text), TTag_Case::As_Is,
                     [this](const TTag& tag, THTML_Parser&) { return Read_Tag(tag); });
}

std::span<const TNumber_Field<TCompound_Plan>> TCompound_Plan::Number_Tags() {
    using C = TCompound_Plan;
    static const TNumber_Field<C> tags[] = {
        {"level", &C::_Level}, {"area", &C::_Area}, {"arealevel", &C::_Area_Level}, {"miss", &C::_Miss}};
    return tags;
}

std::span<const TRange_Field<TCompound_Plan>> TCompound_Plan::Range_Tags() {
    using C = TCompound_Plan;
    static const TRange_Field<C> tags[] = {{"duration", &C::_Duration},
                                           {"durationlevel", &C::_Duration_Level},
                                           {"basedamage", &C::_Base_Damage},
                                           {"leveldamage", &C::_Level_Damage},
                                           {"age", &C::_Age}};
    return tags;
}

std::span<const TChoice_Field<TCompound_Plan>> TCompound_Plan::Choice_Tags() {
    using C = TCompound_Plan;
    static const TChoice_Field<C> tags[] = {
        {"class",
         [](const std::string& v, C& c) { return Read_Choice(v, Compound_Class_String, c._Classification); }},
        {"effect",
         [](const std::string& v, C& c) { return Read_Choice(v, Compounds::Effect_String, c._Effect); }}};
    return tags;
}

bool TCompound_Plan::Read_Tag(const TTag& tag) {
    const std::string name = Lower_Case(tag.Name);
    const std::string& value = tag.Value;
    if (name == "<#name")
        _Name = From_HTML(Trim_Quotes(value));
    else if (name == "<#description")
        _Description = From_HTML(value);
    else if (name.starts_with(Round_Damage_Prefix))
        Read_Round_Damage(name, value);
    else
        return Read_Number_Field(name, value, *this, Number_Tags()) ||
               Read_Range_Field(name, value, *this, Range_Tags()) ||
               Read_Choice_Field(name, value, *this, Choice_Tags());
    return true;
}

// "<#rounddamage3=2-4": rounds outside 1..9 and values that are not ranges are ignored.
void TCompound_Plan::Read_Round_Damage(const std::string& name, const std::string& value) {
    int round = 0;
    if (Str_To_Int(std::string_view(name).substr(Round_Damage_Prefix.size()), round) &&
        TRound_Damage::Contains(round))
        Read_Range(value, _Round_Damage[round]);
}

} // namespace Vexlor
