// What the effect editor shows of an effect template, and the template it builds from that, with
// the rule that keeps an effect from being its own sub-effect, directly or through a chain.
#pragma once

#include "catalogues/Catalogue_Registry.h"
#include "catalogues/Effect_Template.h"
#include "catalogues/editing/Editor_Texts.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Vexlor {

// The body systems a disease can affect, as the editor offers them.
const std::vector<std::string>& Body_Systems();

// An ability's text of its amount (an expression such as "-(1d4)") and its "Permanent" box.
struct TAmount_Controls {
    std::string Amount;
    bool Permanent = false;
};

// The nine abilities in the editor's order; Ability_Controls gives each its control name.
enum TEffect_Ability : int {
    EA_Strength,
    EA_Constitution,
    EA_Dexterity,
    EA_Cognitive,
    EA_Perception,
    EA_Wisdom,
    EA_Charisma,
    EA_Comeliness,
    EA_Will,
    EA_Count
};
inline constexpr std::array<std::string_view, EA_Count> Ability_Controls{
    "Strength", "Constitution", "Dexterity",  "Cognitive", "Perception",
    "Wisdom",   "Charisma",     "Comeliness", "Will"};

// The condition and sense check boxes, each with its control name. "Mild" has a box of its own in
// the editor, so it is shown and stored like the other conditions.
enum TEffect_Flag : int {
    EF_Unconciousness,
    EF_Death,
    EF_Helpless,
    EF_Dizziness,
    EF_Blind,
    EF_Deaf,
    EF_Sterility,
    EF_Chain,
    EF_Bleeding,
    EF_Hair_Loss,
    EF_Memory_Loss,
    EF_Nausea,
    EF_Hallucinations,
    EF_Sense_Lifeform,
    EF_Sense_QIDs,
    EF_Sense_Chemicals,
    EF_Sense_Secret_Doors,
    EF_Mild,
    EF_Count
};
inline constexpr std::array<std::string_view, EF_Count> Flag_Controls{"Unconciousness",
                                                                      "Death",
                                                                      "Helpless",
                                                                      "Dizziness",
                                                                      "Blind",
                                                                      "Deaf",
                                                                      "Sterility",
                                                                      "Chain",
                                                                      "Bleeding",
                                                                      "Hair_Loss",
                                                                      "Memory_Loss",
                                                                      "Nausea",
                                                                      "Hallucinations",
                                                                      "Sense_Lifeform",
                                                                      "Sense_QIDs",
                                                                      "Sense_Chemicals",
                                                                      "Sense_Secret_Doors",
                                                                      "Mild"};

struct TEffect_Editor_State {
    std::string Name;
    std::string Time;
    std::string Duration;
    std::string Effect_Repeat;
    std::array<TAmount_Controls, EA_Count> Abilities;
    std::string HP; // the amount without its "%"
    bool HP_Permanent = false;
    bool HP_Percent = false;
    int Armor_Bonus = 0;
    int Hit_Adjustment = 0;
    int Level = 0;
    int Speed = 0;
    std::array<bool, EF_Count> Flags{};
    TName_Choice Effects;   // sub-effects and the effects still available
    std::string Cycle_Note; // shown when the stored sub-effects come round to the effect again
    TName_Choice QIDs;      // QID effects and the QID plans still available
    TName_Choice Diseases;  // affected body systems and the others
    std::string Description;
};

// An effect template's name and its sub-effects, as the catalogue holds them.
struct TEffect_Links {
    std::string Name;
    std::string Effects; // a name list
};

// Whether two effect names are the same effect: compared in upper case with every blank removed.
bool Same_Effect(const std::string& a, const std::string& b);

// The effects that the effect named edited may take as sub-effects, in catalogue order: neither
// itself nor any effect whose chain of sub-effects leads back to it, so that rolling an effect
// never comes round to the same effect again.
std::vector<std::string> Offered_Sub_Effects(const std::vector<TEffect_Links>& effects,
                                             const std::string& edited);

// What uses the effect called name, as the question before deleting it names them: the poisons
// whose effect or miss effect it is and the effects that have it as a sub-effect, each as
// 'the poison "Ember Sting"', in catalogue order.
std::vector<std::string> Effect_Users(const TCatalogues& catalogues, const std::string& name);

// The state of a cleared editor: every effect and QID plan offered.
TEffect_Editor_State New_Effect_State(const std::vector<TEffect_Links>& effects,
                                      const std::vector<std::string>& qid_plans);

TEffect_Editor_State Effect_State(TEffect_Template& effect, const std::vector<TEffect_Links>& effects,
                                  const std::vector<std::string>& qid_plans);

// A formula box of the effect editor whose text the dice cannot roll: the box's control name, and
// what the game master is told, such as: Onset time "2d+" cannot be rolled: Syntax error at
// position 3.
struct TFormula_Problem {
    std::string Control;
    std::string Message;
};
// The first such box in the editor's order (onset time, duration, repeat, the nine abilities, hit
// points); nothing when every box is empty or reads. A formula that cannot be read would otherwise
// be stored and do nothing at the table, without a word.
std::optional<TFormula_Problem> Unreadable_Formula(const TEffect_Editor_State& state);

// The template the editor builds: a copy of the edited one (null for a new effect) with what the
// editor shows overwritten from state.
std::unique_ptr<TEffect_Template> Build_Effect(const TEffect_Editor_State& state,
                                               const TEffect_Template* edited);

} // namespace Vexlor
