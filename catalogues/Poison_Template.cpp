#include "Poison_Template.h"

#include "foundations/HTML.h"

namespace Vexlor {

namespace {
constexpr std::size_t Poison_Text_Length = 255;
}

std::span<const TNumber_Field<TPoison_Template>> TPoison_Template::Number_Tags() {
    using P = TPoison_Template;
    static const TNumber_Field<P> tags[] = {
        {"cost", &P::_Cost}, {"detect", &P::_Detect}, {"time", &P::_Time}};
    return tags;
}

// Everything but the name is written only when it differs from a new template.
const char* TPoison_Template::Serialize() {
    std::string& text = Temp_Serialize.Start();
    Append_Name(text, _Name);
    Append_Numbers(text, *this, Number_Tags());
    Append_Text_If_Set(text, "effect", _Effect);
    Append_Text_If_Set(text, "effectmiss", _Effect_Miss);
    Append_Section(text, "description", _Description);
    return Temp_Serialize.Get();
}

void TPoison_Template::Deserialize(const char* text) {
    *this = TPoison_Template();
    Read_Tagged_Text(Text_Of(text), TTag_Case::As_Is,
                     [this](const TTag& tag, THTML_Parser& parser) { return Read_Tag(tag, parser); });
}

bool TPoison_Template::Read_Tag(const TTag& tag, THTML_Parser& parser) {
    const std::string name = Lower_Case(tag.Name);
    if (name == "<#name")
        _Name = From_HTML(Trim_Quotes(tag.Value));
    else if (name == "<#effect")
        _Effect = From_HTML(tag.Value);
    else if (name == "<#effectmiss")
        _Effect_Miss = From_HTML(tag.Value);
    else if (name == "<description>")
        _Description = From_HTML(parser.Get_Section("description"));
    else
        return Read_Number_Field(name, tag.Value, *this, Number_Tags());
    return true;
}

TPoison TPoison_Template::Generate() const {
    TPoison poison;
    poison.Name = _Name.substr(0, Poison_Text_Length);
    poison.Cost = _Cost;
    poison.Detect = _Detect;
    poison.Time = _Time;
    poison.Effect = _Effect.substr(0, Poison_Text_Length);
    poison.Effect_Miss = _Effect_Miss.substr(0, Poison_Text_Length);
    return poison;
}

} // namespace Vexlor
