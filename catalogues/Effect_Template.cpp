#include "Effect_Template.h"

#include "evaluator/Express.h"
#include "foundations/HTML.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace Vexlor {

int Calculate(const std::string& text) {
    long double value = 0, imaginary = 0;
    int position = 0, error = 0;
    Eval(text, value, imaginary, position, error);
    if (error != 0)
        return 0;
    const long double whole = std::trunc(value);
    if (!(whole >= std::numeric_limits<int>::min() && whole <= std::numeric_limits<int>::max()))
        throw std::overflow_error("Range check error: " + text + " gives " + Num1(value) +
                                  ", outside the whole numbers of 32 bits");
    return static_cast<int>(whole);
}

std::span<const TFlag_Field<TAdjustment_Template>> TAdjustment_Template::Flag_Tags() {
    using A = TAdjustment_Template;
    static const TFlag_Field<A> tags[] = {{"permanent", &A::Permanent}, {"relative", &A::Relative}};
    return tags;
}

bool TAdjustment_Template::Is_Empty() const {
    return Amount.empty() && !Permanent && !Relative && Limit == 0;
}

const char* TAdjustment_Template::Serialize() {
    std::string& text = Temp_Serialize.Start();
    Append_Text_If_Set(text, "amount", Amount);
    Append_Number_If_Set(text, "limit", Limit);
    Append_Flags(text, *this, Flag_Tags());
    return Temp_Serialize.Get();
}

void TAdjustment_Template::Deserialize(const char* text) {
    Clear();
    Read_Tagged_Text(Text_Of(text), TTag_Case::As_Is,
                     [this](const TTag& tag, THTML_Parser&) { return Read_Tag(tag); });
}

bool TAdjustment_Template::Read_Tag(const TTag& tag) {
    const std::string name = Lower_Case(tag.Name);
    if (name == "<#amount")
        Amount = From_HTML(tag.Value);
    else if (name == "<#limit")
        Read_Number(tag.Value, Limit);
    else
        return Read_Flag_Field(name, *this, Flag_Tags());
    return true;
}

// The limit caps the amount on the side of its own sign: a rolled amount of 0 or more above the
// limit, or a negative one below it, becomes the limit.
TAdjustment TAdjustment_Template::Generate(int) const {
    TAdjustment result;
    std::string amount = Amount;
    result.Percentage = amount.ends_with('%');
    if (result.Percentage)
        amount.pop_back();
    int value = Calculate(amount);
    if (Limit != 0 && ((value >= 0 && value > Limit) || (value < 0 && value < Limit)))
        value = Limit;
    result.Amount = value;
    result.Permanent = Permanent;
    result.Relative = Relative;
    result.Limit = Limit;
    return result;
}

// An adjustment and the section it is stored in.
struct TEffect_Template::TAdjustment_Tag {
    std::string_view Key;
    TAdjustment_Template TEffect_Template::*Field;
};

std::span<const TEffect_Template::TAdjustment_Tag> TEffect_Template::Adjustment_Tags() {
    using E = TEffect_Template;
    static const TAdjustment_Tag tags[] = {
        {"experience", &E::_Experience},
        {"strength", &E::_Strength},
        {"constitution", &E::_Constitution},
        {"dexterity", &E::_Dexterity},
        {"cognitive", &E::_Cognitive},
        {"perception", &E::_Perception},
        {"wisdom", &E::_Wisdom},
        {"charisma", &E::_Charisma},
        {"comeliness", &E::_Comeliness},
        {"will", &E::_Will},
        {"level", &E::_Level},
        {"hp", &E::_HP},
        {"armorbonus", &E::_Armor_Bonus},
        {"hitadjust", &E::_Hit_Adjustment},
    };
    return tags;
}

std::span<const TNumber_Field<TEffect_Template>> TEffect_Template::Number_Tags() {
    using E = TEffect_Template;
    static const TNumber_Field<E> tags[] = {{"minimumability", &E::_Minimum_Ability}, {"speed", &E::_Speed}};
    return tags;
}

std::span<const TFlag_Field<TEffect_Template>> TEffect_Template::Flag_Tags() {
    using E = TEffect_Template;
    static const TFlag_Field<E> tags[] = {
        {"unconciousness", &E::_Unconciousness},
        {"senselife", &E::_Sense_Lifeform},
        {"senseqids", &E::_Sense_QIDs},
        {"sensechemicals", &E::_Sense_Chemicals},
        {"sensesecret", &E::_Sense_Secret_Doors},
        {"death", &E::_Death},
        {"dizziness", &E::_Dizziness},
        {"helpless", &E::_Helpless},
        {"blind", &E::_Blind},
        {"deaf", &E::_Deaf},
        {"sterility", &E::_Sterility},
        {"mild", &E::_Mild},
        {"chain", &E::_Chain},
        {"hairloss", &E::_Hair_Loss},
        {"bleeding", &E::_Bleeding},
        {"memoryloss", &E::_Memory_Loss},
        {"nausea", &E::_Nausea},
        {"hallucinations", &E::_Hallucinations},
    };
    return tags;
}

// Everything but the name is written only when it differs from a new template.
const char* TEffect_Template::Serialize() {
    std::string& text = Temp_Serialize.Start();
    Append_Name(text, _Name);
    Append_Text_If_Set(text, "time", _Time);
    Append_Text_If_Set(text, "duration", _Duration);
    Append_Text_If_Set(text, "repeattime", _Repeat_Time);
    Append_Numbers(text, *this, Number_Tags());
    Append_Flags(text, *this, Flag_Tags());
    for (const TAdjustment_Tag& tag : Adjustment_Tags()) {
        TAdjustment_Template& adjustment = this->*tag.Field;
        if (adjustment.Is_Empty())
            continue;
        text.append("<").append(tag.Key).append(">").append(adjustment.Serialize());
        text.append("</").append(tag.Key).append(">");
    }
    Append_Section(text, "qids", _QIDs);
    Append_Section(text, "effects", _Effects);
    Append_Section(text, "diseases", _Diseases);
    Append_Section(text, "description", _Description);
    return Temp_Serialize.Get();
}

void TEffect_Template::Deserialize(const char* text) {
    *this = TEffect_Template();
    Read_Tagged_Text(Text_Of(text), TTag_Case::As_Is,
                     [this](const TTag& tag, THTML_Parser& parser) { return Read_Tag(tag, parser); });
}

bool TEffect_Template::Read_Tag(const TTag& tag, THTML_Parser& parser) {
    const std::string name = Lower_Case(tag.Name);
    if (name == "<#name")
        _Name = From_HTML(Trim_Quotes(tag.Value));
    else if (name == "<#time")
        _Time = From_HTML(tag.Value);
    else if (name == "<#duration")
        _Duration = From_HTML(tag.Value);
    else if (name == "<#repeattime")
        _Repeat_Time = From_HTML(tag.Value);
    else if (name == "<qids>")
        _QIDs = From_HTML(parser.Get_Section("qids"));
    else if (name == "<effects>")
        _Effects = From_HTML(parser.Get_Section("effects"));
    else if (name == "<diseases>")
        _Diseases = From_HTML(parser.Get_Section("diseases"));
    else if (name == "<description>")
        _Description = From_HTML(parser.Get_Section("description"));
    else
        return Read_Number_Field(name, tag.Value, *this, Number_Tags()) ||
               Read_Flag_Field(name, *this, Flag_Tags()) || Read_Adjustment(name, parser);
    return true;
}

bool TEffect_Template::Read_Adjustment(const std::string& name, THTML_Parser& parser) {
    for (const TAdjustment_Tag& tag : Adjustment_Tags())
        if (Is_Section(name, tag.Key)) {
            (this->*tag.Field).Deserialize(parser.Get_Section(std::string(tag.Key)).c_str());
            return true;
        }
    return false;
}

// The adjustments are rolled in the order of the ability scores, then level, experience, armour
// bonus, hit points and hit adjustment: dice expressions draw their numbers in this sequence.
std::unique_ptr<Effect_Template::TEffect> TEffect_Template::Generate() const {
    auto effect = std::make_unique<Effect_Template::TEffect>();
    Effect_Template::TEffect& made = *effect;
    made.Set_Name(_Name.c_str());
    made.Set_QIDs(_QIDs.c_str());
    made.Set_Effects(_Effects.c_str());
    made.Set_Diseases(_Diseases.c_str());
    made.Time = Calculate(_Time);
    made.Duration = Calculate(_Duration);
    made.Strength = _Strength.Generate(0);
    made.Constitution = _Constitution.Generate(0);
    made.Dexterity = _Dexterity.Generate(0);
    made.Cognitive = _Cognitive.Generate(0);
    made.Perception = _Perception.Generate(0);
    made.Wisdom = _Wisdom.Generate(0);
    made.Charisma = _Charisma.Generate(0);
    made.Comeliness = _Comeliness.Generate(0);
    made.Will = _Will.Generate(0);
    made.Level = _Level.Generate(0);
    made.Experience = _Experience.Generate(0);
    made.Armor_Bonus = _Armor_Bonus.Generate(0);
    made.HP = _HP.Generate(0);
    made.Hit_Adjustment = _Hit_Adjustment.Generate(0);
    made.Repeat_Time = Calculate(_Repeat_Time);
    made.Unconciousness = _Unconciousness;
    made.Sense_Lifeform = _Sense_Lifeform;
    made.Sense_QIDs = _Sense_QIDs;
    made.Sense_Chemicals = _Sense_Chemicals;
    made.Sense_Secret_Doors = _Sense_Secret_Doors;
    made.Speed = _Speed;
    made.Death = _Death;
    made.Dizziness = _Dizziness;
    made.Helpless = _Helpless;
    made.Blind = _Blind;
    made.Deaf = _Deaf;
    made.Sterility = _Sterility;
    made.Mild = _Mild;
    made.Chain = _Chain;
    made.Hair_Loss = _Hair_Loss;
    made.Bleeding = _Bleeding;
    made.Memory_Loss = _Memory_Loss;
    made.Nausea = _Nausea;
    made.Hallucinations = _Hallucinations;
    return effect;
}

} // namespace Vexlor
