// What the poison editor shows of a poison template, and the template it builds from that.
#pragma once

#include "catalogues/Poison_Template.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Vexlor {

struct TPoison_Editor_State {
    std::string Name;
    int Cost = 0;
    int Detect = 0;
    int Time = 0;
    // The selected lines of the two effect lists: the empty first line is the explicit "none";
    // nothing selected keeps the stored name.
    std::optional<std::string> Effect = std::string();
    std::optional<std::string> Miss_Effect = std::string();
    std::string Description; // the memo's text
};

// The lines of either effect list: an empty first line, then every effect name in catalogue order.
std::vector<std::string> Poison_Effect_Lines(const std::vector<std::string>& effect_names);

TPoison_Editor_State Poison_State(const TPoison_Template& poison,
                                  const std::vector<std::string>& effect_names);

// The template the editor builds: a copy of the edited one (null for a new poison) with what the
// editor shows overwritten from state.
std::unique_ptr<TPoison_Template> Build_Poison(const TPoison_Editor_State& state,
                                               const TPoison_Template* edited);

} // namespace Vexlor
