#include "catalogues/editing/Creature_Editing.h"

#include "catalogues/editing/Editor_Texts.h"
#include "foundations/CommonUt.h"

#include <charconv>
#include <stdexcept>

namespace Vexlor {

namespace {

using TState = TCreature_Editor_State;
using TProfile = TCreature_Profile;

// A control that shows one property as it is: a number or a check box.
template <class Value> struct TPlain_Control {
    Value TState::*Control;
    Value (TProfile::*Get)() const;
    void (TProfile::*Set)(Value);
};

constexpr TPlain_Control<int> Number_Controls[] = {
    {&TState::Frequency, &TProfile::Get_Frequency, &TProfile::Set_Frequency},
    {&TState::Size, &TProfile::Get_Size, &TProfile::Set_Size},
    {&TState::Weight, &TProfile::Get_Weight, &TProfile::Set_Weight},
    {&TState::In_Lair, &TProfile::Get_In_Lair, &TProfile::Set_In_Lair},
    {&TState::Defensive_Bonus, &TProfile::Get_Defensive_Bonus, &TProfile::Set_Defensive_Bonus},
    {&TState::Fixed_HP, &TProfile::Get_Fixed_HP, &TProfile::Set_Fixed_HP},
    {&TState::Add_HP, &TProfile::Get_Add_HP, &TProfile::Set_Add_HP},
    {&TState::Move_Land, &TProfile::Get_Movement_Land, &TProfile::Set_Movement_Land},
    {&TState::Move_Fly, &TProfile::Get_Movement_Fly, &TProfile::Set_Movement_Fly},
    {&TState::Move_Swim, &TProfile::Get_Movement_Swim, &TProfile::Set_Movement_Swim},
    {&TState::Move_Dive, &TProfile::Get_Movement_Dive, &TProfile::Set_Movement_Dive},
    {&TState::Move_Other, &TProfile::Get_Movement_Other, &TProfile::Set_Movement_Other},
    {&TState::Experience_Base, &TProfile::Get_Experience_Base, &TProfile::Set_Experience_Base},
    {&TState::Experience_HP, &TProfile::Get_Experience_Per_HP, &TProfile::Set_Experience_Per_HP},
    {&TState::Attacks, &TProfile::Get_Attacks, &TProfile::Set_Attacks},
    {&TState::Regenerate_Amount, &TProfile::Get_Regenerate_Amount, &TProfile::Set_Regenerate_Amount},
    {&TState::Regenerate_Rate, &TProfile::Get_Regenerate_Rate, &TProfile::Set_Regenerate_Rate},
    {&TState::DR_Acid, &TProfile::Get_Damage_Reduction_Acid, &TProfile::Set_Damage_Reduction_Acid},
    {&TState::DR_Cold, &TProfile::Get_Damage_Reduction_Cold, &TProfile::Set_Damage_Reduction_Cold},
    {&TState::DR_Fire, &TProfile::Get_Damage_Reduction_Fire, &TProfile::Set_Damage_Reduction_Fire},
    {&TState::DR_Poison, &TProfile::Get_Damage_Reduction_Poison, &TProfile::Set_Damage_Reduction_Poison},
    {&TState::DR_Gas, &TProfile::Get_Damage_Reduction_Gas, &TProfile::Set_Damage_Reduction_Gas},
    {&TState::DR_Electric, &TProfile::Get_Damage_Reduction_Electricity,
     &TProfile::Set_Damage_Reduction_Electricity},
    {&TState::DR_Radiation, &TProfile::Get_Damage_Reduction_Radiation,
     &TProfile::Set_Damage_Reduction_Radiation},
    {&TState::QID_Immunity, &TProfile::Get_QID_Immunity, &TProfile::Set_QID_Immunity},
    {&TState::Infrared, &TProfile::Get_Infrared, &TProfile::Set_Infrared},
    {&TState::Ultraviolet, &TProfile::Get_Ultraviolet, &TProfile::Set_Ultraviolet},
    {&TState::Swallow_Whole, &TProfile::Get_Swallow_Whole, &TProfile::Set_Swallow_Whole},
};

constexpr TPlain_Control<bool> Check_Boxes[] = {
    {&TState::Nocturnal, &TProfile::Get_Nocturnal, &TProfile::Set_Nocturnal},
    {&TState::Mountable, &TProfile::Get_Mountable, &TProfile::Set_Mountable},
    {&TState::Domesticate, &TProfile::Get_Domesticate, &TProfile::Set_Domesticate},
    {&TState::Allow_Weapon, &TProfile::Get_By_Weapon, &TProfile::Set_By_Weapon},
    {&TState::Breathe_Air, &TProfile::Get_Breathe_Air, &TProfile::Set_Breathe_Air},
    {&TState::Breathe_Water, &TProfile::Get_Breathe_Water, &TProfile::Set_Breathe_Water},
    {&TState::Sterile, &TProfile::Get_Sterile, &TProfile::Set_Sterile},
    {&TState::Parasite, &TProfile::Get_Parasite, &TProfile::Set_Parasite},
    {&TState::Fisson, &TProfile::Get_Fisson, &TProfile::Set_Fisson},
    {&TState::Shape_Change, &TProfile::Get_Shape_Change, &TProfile::Set_Shape_Change},
    {&TState::Vacuum, &TProfile::Get_Survive_Vacuum, &TProfile::Set_Survive_Vacuum},
    {&TState::Chameleon, &TProfile::Get_Chameleon, &TProfile::Set_Chameleon},
};

template <long High> std::vector<std::string> Lines_Of(const TChoice_Texts<High>& texts, long from) {
    std::vector<std::string> lines;
    for (long i = from; i <= High; ++i)
        lines.emplace_back(texts[i]);
    return lines;
}

std::vector<std::string> Undefined_Then(std::vector<std::string> lines) {
    lines.insert(lines.begin(), "Undefined");
    return lines;
}

std::string Poison_Text(char poison) {
    return poison == No_Poison ? std::string() : std::string(1, poison);
}

char Poison_Of(const std::string& text) {
    return text.empty() ? No_Poison : text.front();
}

void Show_Slots(TState& state, const TProfile& profile) {
    for (int slot = 0; slot < 2; ++slot) {
        state.Habitat[slot] = profile.Get_Habitat(slot);
        state.Climate[slot] = profile.Get_Climate(slot);
    }
    for (int slot = 0; slot < 10; ++slot)
        state.Attack[slot] = {profile.Get_Attack_Class(slot), profile.Get_Damage(slot)};
}

void Store_Slots(const TState& state, TProfile& profile) {
    for (int slot = 0; slot < 2; ++slot) {
        profile.Set_Habitat(slot, static_cast<THabitat>(state.Habitat[slot]));
        profile.Set_Climate(slot, static_cast<THabitat_Climate>(state.Climate[slot]));
    }
    for (int slot = 0; slot < 10; ++slot) {
        profile.Set_Attack_Class(slot, static_cast<TAttack_Class>(state.Attack[slot].Attack_Class));
        profile.Set_Damage(slot, state.Attack[slot].Damage);
    }
}

// Whether every piece of a chance text between its commas is a whole number a chance code holds;
// blanks around a number do not count.
bool Chances_Readable(const std::string& text) {
    std::size_t from = 0;
    for (;;) {
        const auto comma = text.find(',', from);
        const std::string piece =
            Edit(text.substr(from, comma == std::string::npos ? std::string::npos : comma - from), Edit_Trim);
        int chance = 0;
        const auto [end, error] = std::from_chars(piece.data(), piece.data() + piece.size(), chance);
        if (piece.empty() || error != std::errc() || end != piece.data() + piece.size() || chance < 0 ||
            chance > 255)
            return false;
        if (comma == std::string::npos)
            return true;
        from = comma + 1;
    }
}

// The chance codes of a chance text; a blank text holds no chance at all.
std::string Checked_Chances(const std::string& typed, const char* which) {
    const std::string text = Edit(typed, Edit_Trim);
    if (!text.empty() && !Chances_Readable(text))
        throw std::invalid_argument("The " + std::string(which) + " treasure chance \"" + text +
                                    "\" cannot be stored: chances are whole numbers from 0 to 255 "
                                    "separated by \",\".");
    return Chances_Of(text);
}

} // namespace

std::vector<std::string> Poison_Type_Choices() {
    std::vector<std::string> lines{"", "*"};
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        lines.emplace_back(1, letter);
    for (const char* digit : {"1", "2", "3"})
        lines.emplace_back(digit);
    return lines;
}

// The editor spells two natures its own way; the stored texts stay those of the catalogue.
std::vector<std::string> Nature_Choices() {
    return {"Unknown", "Shy", "Timid", "Moderate", "Agressive", "Very Agreesive", "Varies"};
}

std::vector<std::string> Attack_Class_Choices() {
    return Lines_Of(Attack_Class_Strings, 0);
}

std::vector<std::string> Habitat_Choices() {
    return Undefined_Then(Lines_Of(Habitat_Strings, H_Any));
}

std::vector<std::string> Climate_Choices() {
    return Undefined_Then(Lines_Of(Habitat_Climate_Strings, HC_Any));
}

TCreature_Editor_State New_Creature_State() {
    return TCreature_Editor_State();
}

TCreature_Editor_State Creature_State(const TCreature_Profile& profile) {
    TState state;
    for (const auto& control : Number_Controls)
        state.*control.Control = (profile.*control.Get)();
    for (const auto& control : Check_Boxes)
        state.*control.Control = (profile.*control.Get)();
    state.Name = profile.Get_Name();
    state.Classification = profile.Get_Classification();
    state.Number = profile.Get_Number();
    state.Intelligence = profile.Get_Intelligence();
    state.Levels = {profile.Get_Low_Level(), profile.Get_Level()};
    state.Caustic_Hide = {profile.Get_Caustic_Hide_Low(), profile.Get_Caustic_Hide_High()};
    state.Poison_Flesh = Poison_Text(profile.Get_Poison_Flesh());
    state.Poison_Hide = Poison_Text(profile.Get_Poison_Hide());
    state.Nature = profile.Get_Nature();
    state.Treasure_Carried = profile.Get_Treasure_Type_Carried();
    state.Carried_Chance = Chances_Text(profile.Get_Treasure_Type_Carried_Percentages());
    state.Treasure_In_Lair = profile.Get_Treasure_Type_In_Lair();
    state.Lair_Chance = Chances_Text(profile.Get_Treasure_Type_In_Lair_Percentages());
    state.Description = profile.Get_Description();
    Show_Slots(state, profile);
    return state;
}

std::unique_ptr<TCreature_Profile> Build_Creature(const TCreature_Editor_State& state,
                                                  const TCreature_Profile* edited) {
    auto profile = edited ? std::make_unique<TProfile>(*edited) : std::make_unique<TProfile>();
    for (const auto& control : Number_Controls)
        ((*profile).*control.Set)(state.*control.Control);
    for (const auto& control : Check_Boxes)
        ((*profile).*control.Set)(state.*control.Control);
    profile->Set_Name(state.Name.c_str());
    profile->Set_Classification(state.Classification.c_str());
    profile->Set_Number(state.Number);
    profile->Set_Intelligence(state.Intelligence);
    profile->Set_Low_Level(state.Levels.Low);
    profile->Set_Level(state.Levels.High);
    profile->Set_Caustic_Hide_Low(state.Caustic_Hide.Low);
    profile->Set_Caustic_Hide_High(state.Caustic_Hide.High);
    profile->Set_Poison_Flesh(Poison_Of(state.Poison_Flesh));
    profile->Set_Poison_Hide(Poison_Of(state.Poison_Hide));
    profile->Set_Nature(static_cast<TNature>(state.Nature));
    profile->Set_Treasure_Type_Carried(state.Treasure_Carried.c_str());
    profile->Set_Treasure_Type_Carried_Percentages(Checked_Chances(state.Carried_Chance, "carried"));
    profile->Set_Treasure_Type_In_Lair(state.Treasure_In_Lair.c_str());
    profile->Set_Treasure_Type_In_Lair_Percentages(Checked_Chances(state.Lair_Chance, "in-lair"));
    profile->Set_Description(Memo_Lines_Joined(state.Description).c_str());
    Store_Slots(state, *profile);
    return profile;
}

} // namespace Vexlor
