#include "catalogues/editing/Poison_Editing.h"

#include "catalogues/editing/Editor_Texts.h"

#include <algorithm>

namespace Vexlor {

namespace {

// The line that shows a stored effect name: none when the effect list no longer holds it.
std::optional<std::string> Line_Of(const std::string& name, const std::vector<std::string>& lines) {
    if (std::find(lines.begin(), lines.end(), name) == lines.end())
        return std::nullopt;
    return name;
}

} // namespace

std::vector<std::string> Poison_Effect_Lines(const std::vector<std::string>& effect_names) {
    std::vector<std::string> lines{std::string()};
    lines.insert(lines.end(), effect_names.begin(), effect_names.end());
    return lines;
}

TPoison_Editor_State Poison_State(const TPoison_Template& poison,
                                  const std::vector<std::string>& effect_names) {
    const std::vector<std::string> lines = Poison_Effect_Lines(effect_names);
    return {poison.Get_Name(),
            poison.Get_Cost(),
            poison.Get_Detect(),
            poison.Get_Time(),
            Line_Of(poison.Get_Effect(), lines),
            Line_Of(poison.Get_Effect_Miss(), lines),
            poison.Get_Description()};
}

// A poison whose effect was deleted or renamed keeps the name it stores while the user selects no
// other line: the list cannot show it, and losing it silently would leave the poison harmless.
std::unique_ptr<TPoison_Template> Build_Poison(const TPoison_Editor_State& state,
                                               const TPoison_Template* edited) {
    auto poison = edited ? std::make_unique<TPoison_Template>(*edited) : std::make_unique<TPoison_Template>();
    poison->Set_Name(state.Name.c_str());
    poison->Set_Cost(state.Cost);
    poison->Set_Detect(state.Detect);
    poison->Set_Time(state.Time);
    if (state.Effect)
        poison->Set_Effect(state.Effect->c_str());
    if (state.Miss_Effect)
        poison->Set_Effect_Miss(state.Miss_Effect->c_str());
    poison->Set_Description(Memo_Lines_Joined(state.Description).c_str());
    return poison;
}

} // namespace Vexlor
