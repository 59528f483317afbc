#include "roster/Character_Pages.h"

#include "foundations/Checked.h"
#include "foundations/CommonUt.h"

#include <algorithm>
#include <cstdint>

namespace Vexlor {

namespace {

constexpr char Name_Mark = '\x01';

std::string Percent(int value) {
    return std::to_string(value) + "%";
}

// ---- VDNA bit fields ----

struct TBit_Field {
    int First;
    int Width;
};
constexpr TBit_Field Eye_Bits{0, 3};
constexpr TBit_Field Eye_Copy_Bits{3, 3};
constexpr TBit_Field Hair_Bits{6, 7};
constexpr TBit_Field Skin_Bits{13, 8};
constexpr TBit_Field Earlobe_Bit{21, 1};
constexpr TBit_Field Widows_Peak_Bit{22, 1};

std::uint32_t Field_Mask(TBit_Field field) {
    return ((1u << field.Width) - 1u) << field.First;
}

int Read_Field(const TVexlor_Character& character, TBit_Field field) {
    const auto bits = static_cast<std::uint32_t>(character.VDNA[0]);
    return static_cast<int>((bits & Field_Mask(field)) >> field.First);
}

void Write_Field(TVexlor_Character& character, TBit_Field field, int value) {
    const std::uint32_t mask = Field_Mask(field);
    const auto bits = static_cast<std::uint32_t>(character.VDNA[0]);
    const std::uint32_t placed = (static_cast<std::uint32_t>(value) << field.First) & mask;
    character.VDNA[0] = static_cast<int>((bits & ~mask) | placed);
}

} // namespace

// ---- Name page ----

std::string Enclosed_Names(const std::vector<std::string>& names) {
    std::string enclosed;
    for (const std::string& name : names)
        enclosed += Name_Mark + name + Name_Mark;
    return enclosed;
}

TName_Check Check_Name(const std::string& name, const std::string& other_names) {
    if (name.empty())
        return TName_Check::Empty;
    const std::string trimmed = Name_To_Store(name);
    if (trimmed.empty())
        return TName_Check::Blank;
    if (trimmed.find_first_of("<>|") != std::string::npos)
        return TName_Check::Forbidden_Character;
    const std::string enclosed = Name_Mark + Edit(trimmed, Edit_Upper) + Name_Mark;
    if (Edit(other_names, Edit_Upper).find(enclosed) != std::string::npos)
        return TName_Check::Taken;
    return TName_Check::Valid;
}

std::string Name_Check_Text(TName_Check check) {
    switch (check) {
    case TName_Check::Blank:
        return "A name needs more than blanks";
    case TName_Check::Forbidden_Character:
        return "A name cannot hold <, > or |";
    case TName_Check::Taken:
        return "Another character in the party already has this name";
    default:
        return "";
    }
}

std::string Name_To_Store(const std::string& typed) {
    return Edit(typed, Edit_Trim);
}

void Change_Gender(TVexlor_Character& character, TGender gender) {
    const TGender old_gender = character.Get_Gender();
    if (old_gender == gender)
        return;
    character.Set_Gender(gender);
    // The build of a character in the making was rolled from its gender's table before the wizard
    // ran; the player's own choices come later, on the appearance page.
    if (!character.Initialized && character.Weight != 0) {
        const TBuild from = Middle_Build(old_gender);
        const TBuild to = Middle_Build(gender);
        character.Weight = std::max(Checked_Add(character.Weight, to.Weight - from.Weight), Least_Body_Size);
        character.Height = std::max(Checked_Add(character.Height, to.Height - from.Height), Least_Body_Size);
    }
    // Rolled scores carry the gender's bonuses: a character in the making as much as a stored one.
    if (character.Cognitive == 0)
        return;
    const int shift = gender == Gender_Male ? 1 : -1;
    character.Strength = Checked_Add(character.Strength, shift);
    character.Constitution = Checked_Add(character.Constitution, shift);
    character.Dexterity = Checked_Sub(character.Dexterity, shift);
    character.Cognitive = Checked_Sub(character.Cognitive, shift);
}

// ---- Ability page ----

int Displayed_Score(int score) {
    return std::clamp(score, 1, 20);
}

TAbility_Display Ability_Display(const TVexlor_Character& character) {
    TAbility_Display display;
    const std::array<int, 9> scores{character.Strength,  character.Constitution, character.Dexterity,
                                    character.Cognitive, character.Perception,   character.Wisdom,
                                    character.Charisma,  character.Comeliness,   character.Will};
    std::transform(scores.begin(), scores.end(), display.Scores.begin(), Displayed_Score);
    display.Physical = display.Scores[0] + display.Scores[1] + display.Scores[2];
    display.Intellect = display.Scores[3] + display.Scores[4] + display.Scores[5];
    display.Influence = display.Scores[6] + display.Scores[7] + display.Scores[8];
    return display;
}

void Regenerate_Scores(TVexlor_Character& character) {
    character.Roll_Scores(0);
    if (character.Get_Level(1) == 0)
        character.Set_Level(1, 1);
    character.Calculate_HP();
}

std::string Hit_Points_Added(int constitution) {
    static constexpr std::array<const char*, 13> dice{"1",      "1d2",  "1d3",    "1d4",  "1d4+1",
                                                      "1d5",    "1d12", "1d12+1", "1d19", "1d20",
                                                      "1d20+1", "2d12", "2d12+1"};
    if (constitution <= 0)
        return "0";
    return dice[static_cast<std::size_t>(std::min(constitution, 13) - 1)];
}

std::string Open_Doors_Text(const TVexlor_Character& character) {
    if (character.Strength >= 1 && character.Strength <= 5)
        return std::to_string(character.Strength) + " in 6";
    return Percent(character.Get_Open());
}

std::vector<TBonus_Row> Bonus_Table(const TVexlor_Character& character) {
    const TVexlor_Character& c = character;
    return {
        {"Strength", "Hit Probability:", Percent(c.Get_Hit())},
        {"Strength", "Damage Adjustment:", std::to_string(c.Get_Damage())},
        {"Strength", "Movement Adjustment:", std::to_string(c.Get_Movement())},
        {"Strength", "Weight Capacity:", std::to_string(c.Get_Carry())},
        {"Strength", "Open Doors:", Open_Doors_Text(c)},
        {"Constitution", "Hit points added:", Hit_Points_Added(c.Constitution)},
        {"Constitution", "System shock survival:", Percent(c.Get_System_Shock())},
        {"Constitution", "Poison:", std::to_string(c.Get_Poison())},
        {"Constitution", "Regeneration:", std::to_string(c.Get_Regeneration())},
        {"Dexterity", "Offensive Adjustment:", Percent(c.Get_Offensive())},
        {"Dexterity", "Defensive Adjustment:", std::to_string(c.Get_Defensive())},
        {"Cognitive", "Attack Adjustment: ", Percent(c.Get_Attack_Adjustment())},
        {"Cognitive", "Maximum Vocations:", std::to_string(c.Get_Vocations())},
        {"Cognitive", "Total # Languages:", std::to_string(c.Get_Languages())},
        {"Wisdom", "Detect Lies:", std::to_string(c.Get_Detect_Lie())},
        {"Charisma", "Henchmen:", std::to_string(c.Get_Henchmen())},
    };
}

// ---- Appearance page ----

TEye_Colour Eye_Colour(const TVexlor_Character& character) {
    static constexpr std::array<TEye_Colour, 8> by_value{
        TEye_Colour::Pink,  TEye_Colour::Blue,  TEye_Colour::Green, TEye_Colour::Green,
        TEye_Colour::Hazel, TEye_Colour::Brown, TEye_Colour::Brown, TEye_Colour::None};
    return by_value[static_cast<std::size_t>(Read_Field(character, Eye_Bits))];
}

void Set_Eye_Colour(TVexlor_Character& character, TEye_Colour colour) {
    int value = 7;
    switch (colour) {
    case TEye_Colour::Pink:
        value = 0;
        break;
    case TEye_Colour::Blue:
        value = 1;
        break;
    case TEye_Colour::Green:
        value = 2;
        break;
    case TEye_Colour::Hazel:
        value = 4;
        break;
    case TEye_Colour::Brown:
        value = 5;
        break;
    case TEye_Colour::None:
        break;
    }
    Write_Field(character, Eye_Bits, value);
    Write_Field(character, Eye_Copy_Bits, value);
}

THair_Colour Hair_Colour(const TVexlor_Character& character) {
    const int hair = Read_Field(character, Hair_Bits);
    if (hair < 23)
        return THair_Colour::Blond;
    if (hair <= 44)
        return THair_Colour::Brown;
    if (hair <= 66)
        return THair_Colour::Auburn;
    if (hair <= 88)
        return THair_Colour::Red;
    if (hair <= 126)
        return THair_Colour::Black;
    return THair_Colour::White;
}

void Set_Hair_Colour(TVexlor_Character& character, THair_Colour colour) {
    static constexpr std::array<int, 6> by_colour{11, 34, 56, 78, 100, 127};
    Write_Field(character, Hair_Bits, by_colour[static_cast<std::size_t>(colour)]);
}

int Skin_Pigment(const TVexlor_Character& character) {
    return Read_Field(character, Skin_Bits);
}

void Set_Skin_Pigment(TVexlor_Character& character, int pigment) {
    Write_Field(character, Skin_Bits, std::clamp(pigment, 0, 255));
}

bool Attached_Earlobes(const TVexlor_Character& character) {
    return Read_Field(character, Earlobe_Bit) != 0;
}

void Set_Attached_Earlobes(TVexlor_Character& character, bool attached) {
    Write_Field(character, Earlobe_Bit, attached ? 1 : 0);
}

bool Widows_Peak(const TVexlor_Character& character) {
    return Read_Field(character, Widows_Peak_Bit) != 0;
}

void Set_Widows_Peak(TVexlor_Character& character, bool peak) {
    Write_Field(character, Widows_Peak_Bit, peak ? 1 : 0);
}

} // namespace Vexlor
