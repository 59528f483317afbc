#include "catalogues/editing/Effect_Editing.h"

#include "catalogues/Poison_Template.h"
#include "evaluator/Express.h"
#include "foundations/CommonUt.h"

#include <algorithm>
#include <map>
#include <set>

namespace Vexlor {

namespace {

using TAdjustment_Getter = TAdjustment_Template& (TEffect_Template::*)();
using TFlag_Getter = bool (TEffect_Template::*)() const;
using TFlag_Setter = void (TEffect_Template::*)(bool);

constexpr std::array<TAdjustment_Getter, EA_Count> Ability_Adjustments{
    &TEffect_Template::Get_Strength,  &TEffect_Template::Get_Constitution, &TEffect_Template::Get_Dexterity,
    &TEffect_Template::Get_Cognitive, &TEffect_Template::Get_Perception,   &TEffect_Template::Get_Wisdom,
    &TEffect_Template::Get_Charisma,  &TEffect_Template::Get_Comeliness,   &TEffect_Template::Get_Will};

struct TFlag_Property {
    TFlag_Getter Get;
    TFlag_Setter Set;
};
constexpr std::array<TFlag_Property, EF_Count> Flag_Properties{{
    {&TEffect_Template::Get_Unconciousness, &TEffect_Template::Set_Unconciousness},
    {&TEffect_Template::Get_Death, &TEffect_Template::Set_Death},
    {&TEffect_Template::Get_Helpless, &TEffect_Template::Set_Helpless},
    {&TEffect_Template::Get_Dizziness, &TEffect_Template::Set_Dizziness},
    {&TEffect_Template::Get_Blind, &TEffect_Template::Set_Blind},
    {&TEffect_Template::Get_Deaf, &TEffect_Template::Set_Deaf},
    {&TEffect_Template::Get_Sterility, &TEffect_Template::Set_Sterility},
    {&TEffect_Template::Get_Chain, &TEffect_Template::Set_Chain},
    {&TEffect_Template::Get_Bleeding, &TEffect_Template::Set_Bleeding},
    {&TEffect_Template::Get_Hair_Loss, &TEffect_Template::Set_Hair_Loss},
    {&TEffect_Template::Get_Memory_Loss, &TEffect_Template::Set_Memory_Loss},
    {&TEffect_Template::Get_Nausea, &TEffect_Template::Set_Nausea},
    {&TEffect_Template::Get_Hallucinations, &TEffect_Template::Set_Hallucinations},
    {&TEffect_Template::Get_Sense_Lifeform, &TEffect_Template::Set_Sense_Lifeform},
    {&TEffect_Template::Get_Sense_QIDs, &TEffect_Template::Set_Sense_QIDs},
    {&TEffect_Template::Get_Sense_Chemicals, &TEffect_Template::Set_Sense_Chemicals},
    {&TEffect_Template::Get_Sense_Secret_Doors, &TEffect_Template::Set_Sense_Secret_Doors},
    {&TEffect_Template::Get_Mild, &TEffect_Template::Set_Mild},
}};

std::string Effect_Key(const std::string& name) {
    return Edit(name, Edit_Upper | Edit_Remove_Blanks);
}

// What a spin box shows of an amount: the amount when it is a whole number, else 0.
int Shown_Number(const std::string& amount) {
    int number = 0;
    return Str_To_Int(amount, number) ? number : 0;
}

// An amount shown in a spin box is written back as the decimal number only when the number was
// changed: an amount written as a formula such as "1d4", or not written at all, stays as it was
// while the box still shows what it was filled with.
void Store_Shown_Number(TAdjustment_Template& adjustment, int shown) {
    if (shown != Shown_Number(adjustment.Amount))
        adjustment.Amount = std::to_string(shown);
}

// The effects whose chain of sub-effects leads to edited. Sub-effects are found by their exact
// names, as the referee tools look them up; only the edited effect itself is known under any
// spelling of its name.
std::set<std::string> Leading_To(const std::vector<TEffect_Links>& effects, const std::string& edited) {
    std::map<std::string, std::vector<std::string>> parents;
    for (const auto& effect : effects)
        for (const auto& sub_effect : Split_Names(effect.Effects))
            parents[sub_effect].push_back(effect.Name);
    std::set<std::string> leading;
    std::vector<std::string> unvisited;
    for (const auto& [sub_effect, holders] : parents)
        if (Same_Effect(sub_effect, edited))
            unvisited.push_back(sub_effect);
    while (!unvisited.empty()) {
        const std::string name = unvisited.back();
        unvisited.pop_back();
        for (const auto& parent : parents[name])
            if (leading.insert(parent).second)
                unvisited.push_back(parent);
    }
    return leading;
}

// The chain of sub-effects from the effect named edited, through its stored sub-effect first, back
// to edited, by the effects' names; empty when first does not lead back.
std::vector<std::string> Chain_Back(const std::vector<TEffect_Links>& effects, const std::string& edited,
                                    const std::string& first) {
    std::map<std::string, std::vector<std::string>> children;
    for (const auto& effect : effects)
        children[effect.Name] = Split_Names(effect.Effects);
    // Depth first along unvisited names; path holds the chain walked so far.
    std::vector<std::string> path{edited, first};
    std::vector<std::size_t> next{0};
    std::set<std::string> seen{first};
    while (!next.empty()) {
        if (Same_Effect(path.back(), edited))
            return path;
        const std::vector<std::string>& subs = children[path.back()];
        std::size_t& index = next.back();
        while (index < subs.size() && seen.contains(subs[index]))
            ++index;
        if (index == subs.size()) {
            path.pop_back();
            next.pop_back();
            continue;
        }
        seen.insert(subs[index]);
        path.push_back(subs[index++]);
        next.push_back(0);
    }
    return {};
}

// The note of an effect whose stored sub-effects lead back to itself, naming the chain.
std::string Cycle_Note(const std::vector<TEffect_Links>& effects, const std::string& edited,
                       const std::vector<std::string>& stored) {
    for (const auto& sub_effect : stored)
        if (const auto chain = Chain_Back(effects, edited, sub_effect); !chain.empty()) {
            std::string names;
            for (const auto& name : chain)
                names += (names.empty() ? "" : ", then ") + name;
            return "Its sub-effects come round to it again: " + names +
                   ". They are kept as stored unless you change the list.";
        }
    return {};
}

} // namespace

const std::vector<std::string>& Body_Systems() {
    static const std::vector<std::string> systems{
        "Bladder",        "Blood",         "Bones",        "Brain",        "Circulatory",   "Ears",
        "Endocrine",      "Eyes",          "Digestive",    "Heart",        "Immune system", "Intestine",
        "Joints",         "Kidney",        "Liver",        "Mouth/tongue", "Mucousa",       "Muscles",
        "Nervous system", "Nose/Throat",   "Reproductive", "Respiratory",  "Skin",          "Spine",
        "Stomach",        "Urinary system"};
    return systems;
}

bool Same_Effect(const std::string& a, const std::string& b) {
    return Effect_Key(a) == Effect_Key(b);
}

std::vector<std::string> Offered_Sub_Effects(const std::vector<TEffect_Links>& effects,
                                             const std::string& edited) {
    const std::set<std::string> leading = Leading_To(effects, edited);
    std::vector<std::string> offered;
    for (const auto& effect : effects)
        if (!Same_Effect(effect.Name, edited) && !leading.contains(effect.Name))
            offered.push_back(effect.Name);
    return offered;
}

TEffect_Editor_State New_Effect_State(const std::vector<TEffect_Links>& effects,
                                      const std::vector<std::string>& qid_plans) {
    TEffect_Template blank;
    return Effect_State(blank, effects, qid_plans);
}

TEffect_Editor_State Effect_State(TEffect_Template& effect, const std::vector<TEffect_Links>& effects,
                                  const std::vector<std::string>& qid_plans) {
    TEffect_Editor_State state;
    state.Name = effect.Get_Name();
    state.Time = effect.Get_Time();
    state.Duration = effect.Get_Duration();
    state.Effect_Repeat = effect.Get_Repeat_Time();
    for (int ability = 0; ability < EA_Count; ++ability) {
        const TAdjustment_Template& adjustment = (effect.*Ability_Adjustments[ability])();
        state.Abilities[ability] = {adjustment.Amount, adjustment.Permanent};
    }
    state.HP = effect.Get_HP().Amount;
    state.HP_Percent = state.HP.ends_with('%');
    if (state.HP_Percent)
        state.HP.pop_back();
    state.HP_Permanent = effect.Get_HP().Permanent;
    state.Armor_Bonus = Shown_Number(effect.Get_Armor_Bonus().Amount);
    state.Hit_Adjustment = Shown_Number(effect.Get_Hit_Adjustment().Amount);
    state.Level = Shown_Number(effect.Get_Level().Amount);
    state.Speed = effect.Get_Speed();
    for (int flag = 0; flag < EF_Count; ++flag)
        state.Flags[flag] = (effect.*Flag_Properties[flag].Get)();
    // Every stored sub-effect is kept, one that comes round to the effect again included: the
    // editor offers no such effect, but opening the effect and pressing OK must not drop it.
    const std::vector<std::string> stored = Split_Names(effect.Get_Effects());
    state.Effects.Chosen = stored;
    for (const auto& offered : Offered_Sub_Effects(effects, effect.Get_Name()))
        if (std::find(stored.begin(), stored.end(), offered) == stored.end())
            state.Effects.Available.push_back(offered);
    state.Cycle_Note = Cycle_Note(effects, effect.Get_Name(), stored);
    state.QIDs = Choose_Names(qid_plans, effect.Get_QIDs());
    state.Diseases = Choose_Names(Body_Systems(), effect.Get_Diseases());
    state.Description = effect.Get_Description();
    return state;
}

std::optional<TFormula_Problem> Unreadable_Formula(const TEffect_Editor_State& state) {
    struct TFormula_Box {
        std::string_view Control;
        std::string_view Caption;
        const std::string& Text;
    };
    std::vector<TFormula_Box> boxes{{"Time", "Onset time", state.Time},
                                    {"Duration", "Duration", state.Duration},
                                    {"Effect_Repeat", "Repeat", state.Effect_Repeat}};
    for (int ability = 0; ability < EA_Count; ++ability)
        boxes.push_back(
            {Ability_Controls[ability], Ability_Controls[ability], state.Abilities[ability].Amount});
    boxes.push_back({"HP", "Hit Points", state.HP});
    for (const TFormula_Box& box : boxes) {
        const std::string typed = Edit(box.Text, Edit_Trim);
        // An amount may end in "%", which rolling takes off before it evaluates the rest.
        const std::string formula = typed.ends_with('%') ? typed.substr(0, typed.size() - 1) : typed;
        if (formula.empty())
            continue;
        if (const auto problem = Formula_Reading_Problem(formula))
            return TFormula_Problem{std::string(box.Control), std::string(box.Caption) + " \"" + typed +
                                                                  "\" cannot be rolled: " + *problem + "."};
    }
    return std::nullopt;
}

// Kept from the edited template, as the editor does not show them: the experience adjustment, the
// minimum ability, and each adjustment's "relative" flag and limit.
std::unique_ptr<TEffect_Template> Build_Effect(const TEffect_Editor_State& state,
                                               const TEffect_Template* edited) {
    auto effect = edited ? std::make_unique<TEffect_Template>(*edited) : std::make_unique<TEffect_Template>();
    effect->Set_Name(state.Name.c_str());
    effect->Set_Time(state.Time.c_str());
    effect->Set_Duration(state.Duration.c_str());
    effect->Set_Repeat_Time(state.Effect_Repeat.c_str());
    for (int ability = 0; ability < EA_Count; ++ability) {
        TAdjustment_Template& adjustment = ((*effect).*Ability_Adjustments[ability])();
        adjustment.Amount = state.Abilities[ability].Amount;
        adjustment.Permanent = state.Abilities[ability].Permanent;
    }
    // A percentage typed with its "%" while "Percent" is checked is stored with one "%".
    effect->Get_HP().Amount = state.HP_Percent && !state.HP.ends_with('%') ? state.HP + "%" : state.HP;
    effect->Get_HP().Permanent = state.HP_Permanent;
    Store_Shown_Number(effect->Get_Armor_Bonus(), state.Armor_Bonus);
    Store_Shown_Number(effect->Get_Hit_Adjustment(), state.Hit_Adjustment);
    Store_Shown_Number(effect->Get_Level(), state.Level);
    effect->Set_Speed(state.Speed);
    for (int flag = 0; flag < EF_Count; ++flag)
        ((*effect).*Flag_Properties[flag].Set)(state.Flags[flag]);
    // An effect never lists itself as a sub-effect, also after it is renamed to one of them.
    std::vector<std::string> sub_effects;
    for (const auto& sub_effect : state.Effects.Chosen)
        if (!Same_Effect(sub_effect, state.Name))
            sub_effects.push_back(sub_effect);
    effect->Set_Effects(Join_Names(sub_effects).c_str());
    effect->Set_QIDs(Join_Names(state.QIDs.Chosen).c_str());
    effect->Set_Diseases(Join_Names(state.Diseases.Chosen).c_str());
    effect->Set_Description(state.Description.c_str());
    return effect;
}

std::vector<std::string> Effect_Users(const TCatalogues& catalogues, const std::string& name) {
    std::vector<std::string> users;
    if (catalogues.Poisons)
        for (std::int32_t index = 0; index < catalogues.Poisons->Count(); ++index)
            if (const TPoison_Template* poison = catalogues.Poisons->Get(index);
                poison && (poison->Get_Effect() == name || poison->Get_Effect_Miss() == name))
                users.push_back("the poison \"" + std::string(poison->Get_Name()) + "\"");
    if (catalogues.Effects)
        for (std::int32_t index = 0; index < catalogues.Effects->Count(); ++index) {
            const TEffect_Template* effect = catalogues.Effects->Get(index);
            if (!effect)
                continue;
            const std::vector<std::string> subs = Split_Names(effect->Get_Effects());
            if (std::find(subs.begin(), subs.end(), name) != subs.end())
                users.push_back("the effect \"" + std::string(effect->Get_Name()) + "\"");
        }
    return users;
}

} // namespace Vexlor
