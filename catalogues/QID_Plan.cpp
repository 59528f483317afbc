#include "QID_Plan.h"

#include "foundations/HTML.h"

#include <cstring>

namespace Vexlor {

namespace {

// Tenths written with a point before the last digit: 15 is "1.5", 5 is ".5", -5 is "-.5", 120 is
// "12.0".
std::string Area_Level_Text(int tenths) {
    const long long value = tenths;
    const std::string digits = std::to_string(value < 0 ? -value : value);
    return (value < 0 ? "-" : "") + digits.substr(0, digits.size() - 1) + "." + digits.back();
}

} // namespace

const char* TQID_Plan::Serialize() {
    std::string& text = Temp_Serialize.Start();
    Append_Name(text, _Name);
    Append_Number(text, "level", _Level);
    Append_Choice(text, "class", QID_Class_String, _Classification);
    Append_Choice(text, "effect", QID_Plan::Effect_String, _Effect);
    Append_Range(text, "durationlevel", _Duration_Level);
    Append_Range(text, "basedamage", _Base_Damage);
    Append_Range(text, "leveldamage", _Level_Damage);
    Append_Choice(text, "specialist", Specialist_String, _Specialist);
    Append_Number(text, "range", _Range);
    Append_Number(text, "rangelevel", _Level_Range);
    Append_Choice(text, "shape", Effect_Shape_String, _Shape);
    if (_Shape == ES_Volume)
        text.append("<#area=").append(std::to_string(_Width) + "," + std::to_string(_Depth) + "," +
                                      std::to_string(_Height) + ">");
    else
        Append_Number(text, "area", _Area);
    if (_Area_Level != 0)
        text.append("<#arealevel=").append(Area_Level_Text(_Area_Level)).append(">");
    if (_Miss_Percent_Reduction < 0)
        text.append("<#miss=no>");
    else
        Append_Number_If_Set(text, "miss", _Miss_Percent_Reduction);
    Append_Flag(text, "sight", _Sight);
    if (_Permanent)
        text.append("<#duration=permanent>");
    else
        Append_Range(text, "duration", _Duration);
    Append_Section(text, "description", _Description);
    Append_Range_If_Set(text, "age", _Age);
    Append_Number_If_Set(text, "time", _Time);
    return Temp_Serialize.Get();
}

void TQID_Plan::Deserialize(const char* text) {
    Read_Tagged_Text(Text_Of(text), TTag_Case::As_Is,
                     [this](const TTag& tag, THTML_Parser& parser) { return Read_Tag(tag, parser); });
}

std::span<const TNumber_Field<TQID_Plan>> TQID_Plan::Number_Tags() {
    using Q = TQID_Plan;
    static const TNumber_Field<Q> tags[] = {{"level", &Q::_Level},
                                            {"time", &Q::_Time},
                                            {"range", &Q::_Range},
                                            {"rangelevel", &Q::_Level_Range},
                                            {"miss", &Q::_Miss_Percent_Reduction}};
    return tags;
}

std::span<const TRange_Field<TQID_Plan>> TQID_Plan::Range_Tags() {
    using Q = TQID_Plan;
    static const TRange_Field<Q> tags[] = {{"duration", &Q::_Duration},
                                           {"durationlevel", &Q::_Duration_Level},
                                           {"basedamage", &Q::_Base_Damage},
                                           {"leveldamage", &Q::_Level_Damage},
                                           {"age", &Q::_Age}};
    return tags;
}

std::span<const TChoice_Field<TQID_Plan>> TQID_Plan::Choice_Tags() {
    using Q = TQID_Plan;
    static const TChoice_Field<Q> tags[] = {
        {"class",
         [](const std::string& v, Q& q) { return Read_Choice(v, QID_Class_String, q._Classification); }},
        {"effect",
         [](const std::string& v, Q& q) { return Read_Choice(v, QID_Plan::Effect_String, q._Effect); }},
        {"specialist",
         [](const std::string& v, Q& q) { return Read_Choice(v, Specialist_String, q._Specialist); }},
        {"shape", [](const std::string& v, Q& q) { return Read_Choice(v, Effect_Shape_String, q._Shape); }}};
    return tags;
}

std::span<const TFlag_Field<TQID_Plan>> TQID_Plan::Flag_Tags() {
    using Q = TQID_Plan;
    static const TFlag_Field<Q> tags[] = {{"sight", &Q::_Sight}};
    return tags;
}

// A "permanent" duration and "no" miss stand for the permanent flag and the -1 of "No miss"; the
// area may be a volume, the area level is in tenths.
bool TQID_Plan::Read_Tag(const TTag& tag, THTML_Parser& parser) {
    const std::string name = Lower_Case(tag.Name);
    const std::string& value = tag.Value;
    if (name == "<#name")
        _Name = From_HTML(Trim_Quotes(value));
    else if (name == "<#area")
        Read_Area(value);
    else if (name == "<#arealevel")
        Read_Tenths(value, _Area_Level);
    else if (name == "<#duration" && Same_Text(value, "permanent"))
        _Permanent = true;
    else if (name == "<#miss" && Same_Text(value, "no"))
        _Miss_Percent_Reduction = -1;
    else if (name == "<description>")
        _Description = From_HTML(parser.Get_Section("description"));
    else
        return Read_Number_Field(name, value, *this, Number_Tags()) ||
               Read_Range_Field(name, value, *this, Range_Tags()) ||
               Read_Choice_Field(name, value, *this, Choice_Tags()) ||
               Read_Flag_Field(name, *this, Flag_Tags());
    return true;
}

// One number is the area; three numbers joined by "," are the width, depth and height of a volume.
// A piece that is not a number leaves its measure as it was.
void TQID_Plan::Read_Area(const std::string& value) {
    if (value.find(',') == std::string::npos) {
        Read_Number(value, _Area);
        return;
    }
    int* const measures[] = {&_Width, &_Depth, &_Height};
    std::size_t from = 0;
    for (int* measure : measures) {
        if (from > value.size())
            break;
        const auto comma = value.find(',', from);
        Read_Number(value.substr(from, comma == std::string::npos ? std::string::npos : comma - from),
                    *measure);
        from = comma == std::string::npos ? value.size() + 1 : comma + 1;
    }
}

bool TQID_Plan::Is_Type(const char* name) const {
    return name && std::strcmp(name, "qid plan") == 0;
}

} // namespace Vexlor
