#include "Creature_Profile.h"

#include "foundations/HTML.h"
#include "foundations/Random.h"

#include <algorithm>

namespace Vexlor {

namespace {

constexpr std::string_view Habitat_Prefix = "<#habitat";
constexpr std::string_view Climate_Prefix = "<#climate";
constexpr std::string_view Attack_Class_Prefix = "<#attackclass";
constexpr std::string_view Damage_Prefix = "<#damage";

void Append_Poison(std::string& text, std::string_view key, char poison) {
    if (poison != No_Poison)
        Append_Text(text, key, std::string(1, poison));
}

char Poison_Of(const std::string& value) {
    const std::string decoded = From_HTML(value);
    return decoded.empty() ? No_Poison : decoded.front();
}

// The letters whose chance rolls succeed: working from the last chance to the first, a roll of
// 0..99 above the chance removes the letter at the same position, if there is one.
std::string Surviving_Letters(std::string letters, const std::string& chances) {
    for (std::size_t position = chances.size(); position >= 1; --position) {
        const int roll = Random(100);
        if (roll > static_cast<unsigned char>(chances[position - 1]) && position <= letters.size())
            letters.erase(position - 1, 1);
    }
    return letters;
}

int Kind_Level(int level, int kind) {
    switch (kind) {
    case CK_Giant:
        return Checked_Add(level, 1);
    case CK_Huge:
        return Checked_Add(level, 2);
    case CK_Pygmy:
        return Checked_Sub(level, 1);
    case CK_Young:
        return level / 2;
    default:
        return level;
    }
}

int Kind_Experience(int experience, int kind) {
    switch (kind) {
    case CK_Giant:
        return Checked_Add(experience, experience / 2);
    case CK_Huge:
        return Checked_Mul(experience, 2);
    case CK_Pygmy:
        return Checked_Sub(experience, experience / 4);
    case CK_Young:
        return experience / 2;
    default:
        return experience;
    }
}

// Size and weight by kind.
int Kind_Measure(int measure, int kind) {
    switch (kind) {
    case CK_Giant:
        return Checked_Mul(measure, 10);
    case CK_Huge:
        return Checked_Mul(measure, 100);
    case CK_Pygmy:
        return Checked_Sub(measure, measure / 4);
    case CK_Young:
        return measure / 2;
    default:
        return measure;
    }
}

} // namespace

std::string Chances_Text(const std::string& chances) {
    std::string text;
    for (const char code : chances) {
        if (!text.empty())
            text += ',';
        text += std::to_string(static_cast<unsigned char>(code));
    }
    return text;
}

std::string Chances_Of(const std::string& text) {
    std::string chances;
    if (text.empty())
        return chances;
    std::size_t from = 0;
    for (;;) {
        const auto comma = text.find(',', from);
        const int chance =
            Get_Int(text.substr(from, comma == std::string::npos ? std::string::npos : comma - from));
        chances += static_cast<char>(static_cast<unsigned char>(std::clamp(chance, 0, 255)));
        if (comma == std::string::npos)
            return chances;
        from = comma + 1;
    }
}

std::span<const TNumber_Field<TCreature_Profile>> TCreature_Profile::Number_Tags() {
    using P = TCreature_Profile;
    static const TNumber_Field<P> tags[] = {
        {"frequency", &P::_Frequency},
        {"defensivebonus", &P::_Defensive_Bonus},
        {"movementland", &P::_Movement_Land},
        {"movementfly", &P::_Movement_Fly},
        {"movementdive", &P::_Movement_Dive},
        {"movementswim", &P::_Movement_Swim},
        {"movementother", &P::_Movement_Other},
        {"attacks", &P::_Attacks},
        {"level", &P::_Level},
        {"lowlevel", &P::_Low_Level},
        {"fixedhp", &P::_Fixed_HP},
        {"addhp", &P::_Add_HP},
        {"inlair", &P::_In_Lair},
        {"size", &P::_Size},
        {"weight", &P::_Weight},
        {"experiencebase", &P::_Experience_Base},
        {"experienceperhp", &P::_Experience_Per_HP},
        {"regenerateamount", &P::_Regenerate_Amount},
        {"regeneraterate", &P::_Regenerate_Rate},
        {"reduceacid", &P::_Damage_Reduction_Acid},
        {"reducecold", &P::_Damage_Reduction_Cold},
        {"reducefire", &P::_Damage_Reduction_Fire},
        {"reducepoison", &P::_Damage_Reduction_Poison},
        {"reducegas", &P::_Damage_Reduction_Gas},
        {"reduceelectricity", &P::_Damage_Reduction_Electricity},
        {"reduceradiation", &P::_Damage_Reduction_Radiation},
        {"qidimmunity", &P::_QID_Immunity},
        {"infrared", &P::_Infrared},
        {"ultraviolet", &P::_Ultraviolet},
        {"swallowwhole", &P::_Swallow_Whole},
        {"caustichidelow", &P::_Caustic_Hide_Low},
        {"caustichidehigh", &P::_Caustic_Hide_High},
    };
    return tags;
}

std::span<const TFlag_Field<TCreature_Profile>> TCreature_Profile::Flag_Tags() {
    using P = TCreature_Profile;
    static const TFlag_Field<P> tags[] = {
        {"byweapon", &P::_By_Weapon},
        {"mountable", &P::_Mountable},
        {"nocturnal", &P::_Nocturnal},
        {"domesticate", &P::_Domesticate},
        {"breatheair", &P::_Breathe_Air},
        {"breathewater", &P::_Breathe_Water},
        {"sterile", &P::_Sterile},
        {"fisson", &P::_Fisson},
        {"parasite", &P::_Parasite},
        {"shapechange", &P::_Shape_Change},
        {"survivevacuum", &P::_Survive_Vacuum},
        {"chameleon", &P::_Chameleon},
    };
    return tags;
}

// Everything but the name is written only when it differs from a new profile.
const char* TCreature_Profile::Serialize() {
    std::string& text = Temp_Serialize.Start();
    Append_Name(text, _Name);
    Append_Text_If_Set(text, "classification", _Classification);
    Append_Numbers(text, *this, Number_Tags());
    Append_Range_If_Set(text, "number", _Number);
    Append_Range_If_Set(text, "intelligence", _Intelligence);
    Append_Choices(text);
    Append_Attacks(text);
    Append_Treasure(text);
    Append_Poison(text, "poisonflesh", _Poison_Flesh);
    Append_Poison(text, "poisonhide", _Poison_Hide);
    Append_Flags(text, *this, Flag_Tags());
    Append_Section(text, "description", _Description);
    return Temp_Serialize.Get();
}

void TCreature_Profile::Append_Choices(std::string& text) const {
    for (long slot = THabitats::Low_Index; slot <= THabitats::High_Index; ++slot)
        Append_Choice_If_Set(text, "habitat" + std::to_string(slot), Habitat_Strings, _Habitat[slot]);
    for (long slot = TClimates::Low_Index; slot <= TClimates::High_Index; ++slot)
        Append_Choice_If_Set(text, "climate" + std::to_string(slot), Habitat_Climate_Strings, _Climate[slot]);
    Append_Choice_If_Set(text, "nature", Nature_Strings, _Nature);
}

void TCreature_Profile::Append_Attacks(std::string& text) const {
    for (long slot = TAttack_Classes::Low_Index; slot <= TAttack_Classes::High_Index; ++slot) {
        const std::string number = std::to_string(slot);
        Append_Choice_If_Set(text, "attackclass" + number, Attack_Class_Strings, _Attack_Class[slot]);
        Append_Range_If_Set(text, "damage" + number, _Damage[slot]);
    }
}

void TCreature_Profile::Append_Treasure(std::string& text) const {
    Append_Text_If_Set(text, "treasurecarried", _Treasure_Type_Carried);
    Append_Text_If_Set(text, "treasurecarriedchances", Chances_Text(_Treasure_Type_Carried_Percentages));
    Append_Text_If_Set(text, "treasureinlair", _Treasure_Type_In_Lair);
    Append_Text_If_Set(text, "treasureinlairchances", Chances_Text(_Treasure_Type_In_Lair_Percentages));
}

void TCreature_Profile::Deserialize(const char* text) {
    *this = TCreature_Profile();
    Read_Tagged_Text(Text_Of(text), TTag_Case::As_Is,
                     [this](const TTag& tag, THTML_Parser& parser) { return Read_Tag(tag, parser); });
}

bool TCreature_Profile::Read_Tag(const TTag& tag, THTML_Parser& parser) {
    const std::string name = Lower_Case(tag.Name);
    const std::string& value = tag.Value;
    if (name == "<#name")
        _Name = From_HTML(Trim_Quotes(value));
    else if (name == "<#classification")
        _Classification = From_HTML(value);
    else if (name == "<#number")
        Read_Range(value, _Number);
    else if (name == "<#intelligence")
        Read_Range(value, _Intelligence);
    else if (name == "<#nature")
        Read_Choice(value, Nature_Strings, _Nature);
    else if (name == "<#treasurecarried")
        _Treasure_Type_Carried = From_HTML(value);
    else if (name == "<#treasurecarriedchances")
        _Treasure_Type_Carried_Percentages = Chances_Of(value);
    else if (name == "<#treasureinlair")
        _Treasure_Type_In_Lair = From_HTML(value);
    else if (name == "<#treasureinlairchances")
        _Treasure_Type_In_Lair_Percentages = Chances_Of(value);
    else if (name == "<#poisonflesh")
        _Poison_Flesh = Poison_Type(Poison_Of(value));
    else if (name == "<#poisonhide")
        _Poison_Hide = Poison_Type(Poison_Of(value));
    else if (name == "<description>")
        _Description = From_HTML(parser.Get_Section("description"));
    else
        return Read_Number_Field(name, value, *this, Number_Tags()) ||
               Read_Flag_Field(name, *this, Flag_Tags()) || Read_Slot(name, value);
    return true;
}

// "<#habitat1=Forest", "<#climate0=Polar", "<#attackclass4=Bite", "<#damage4=1-6"; slots outside
// their arrays are ignored.
bool TCreature_Profile::Read_Slot(const std::string& name, const std::string& value) {
    if (const auto slot = Slot_Number(name, Habitat_Prefix)) {
        if (THabitats::Contains(*slot))
            Read_Choice(value, Habitat_Strings, _Habitat[*slot]);
    } else if (const auto slot = Slot_Number(name, Climate_Prefix)) {
        if (TClimates::Contains(*slot))
            Read_Choice(value, Habitat_Climate_Strings, _Climate[*slot]);
    } else if (const auto slot = Slot_Number(name, Attack_Class_Prefix)) {
        if (TAttack_Classes::Contains(*slot))
            Read_Choice(value, Attack_Class_Strings, _Attack_Class[*slot]);
    } else if (const auto slot = Slot_Number(name, Damage_Prefix)) {
        if (TAttack_Damages::Contains(*slot))
            Read_Range(value, _Damage[*slot]);
    } else {
        return false;
    }
    return true;
}

// A profile of one level has that many hit dice whatever level is asked for, except that asking
// for any level (0) gives its own level rather than no hit dice at all. A profile with a range of
// levels rolls one of them when any level is asked for, and keeps the level within its range.
int TCreature_Profile::Hit_Dice(int level) const {
    if (_Level == _Low_Level)
        return level != 0 ? level : _Level;
    int dice = level;
    if (dice == 0)
        dice = Checked_Add(Random(Checked_Add(Checked_Sub(_Level, _Low_Level), 1)), _Low_Level);
    return std::min(std::max(dice, _Low_Level), _Level);
}

std::unique_ptr<TCreature> TCreature_Profile::Generate(int level, bool in_lair, int kind) const {
    if (kind < CK_Ordinary || kind > CK_Young)
        kind = CK_Ordinary;
    auto creature = std::make_unique<TCreature>();
    TCreature& made = *creature;
    const int hit_dice = Hit_Dice(level);
    made.Level = std::max(Kind_Level(_Level, kind), 1);
    made.HP = _Fixed_HP > 0 ? _Fixed_HP : Checked_Add(Die(hit_dice, 10), _Add_HP);
    made.Experience =
        Checked_Add(Kind_Experience(_Experience_Base, kind), Checked_Mul(_Experience_Per_HP, made.HP));
    made.Defensive_Bonus =
        kind == CK_Pygmy ? Checked_Sub(_Defensive_Bonus, _Defensive_Bonus / 4) : _Defensive_Bonus;
    made.Movement_Land = _Movement_Land;
    made.Movement_Fly = _Movement_Fly;
    made.Movement_Dive = _Movement_Dive;
    made.Movement_Swim = _Movement_Swim;
    made.Movement_Other = _Movement_Other;
    made.Attacks = _Attacks;
    made.Attack_Class = _Attack_Class;
    made.Damage = _Damage;
    made.Weight = Kind_Measure(_Weight, kind);
    made.Size = Kind_Measure(_Size, kind);
    made.Treasure_Type_Carried =
        Surviving_Letters(_Treasure_Type_Carried, _Treasure_Type_Carried_Percentages);
    made.Treasure_Type_In_Lair =
        Surviving_Letters(_Treasure_Type_In_Lair, _Treasure_Type_In_Lair_Percentages);
    made.Intelligence = _Intelligence;
    made.Poison_Flesh = _Poison_Flesh;
    made.Mountable = _Mountable;
    made.Nocturnal = _Nocturnal;
    made.Domesticate = _Domesticate;
    made.Regenerate_Amount = _Regenerate_Amount;
    made.Regenerate_Rate = _Regenerate_Rate;
    made.Damage_Reduction_Acid = _Damage_Reduction_Acid;
    made.Damage_Reduction_Cold = _Damage_Reduction_Cold;
    made.Damage_Reduction_Fire = _Damage_Reduction_Fire;
    made.Damage_Reduction_Poison = _Damage_Reduction_Poison;
    made.Damage_Reduction_Gas = _Damage_Reduction_Gas;
    made.Damage_Reduction_Electricity = _Damage_Reduction_Electricity;
    made.Damage_Reduction_Radiation = _Damage_Reduction_Radiation;
    made.QID_Immunity = _QID_Immunity;
    made.Infrared = _Infrared;
    made.Ultraviolet = _Ultraviolet;
    made.Nature = _Nature;
    made.Breathe_Air = _Breathe_Air;
    made.Breathe_Water = _Breathe_Water;
    made.Sterile = _Sterile;
    made.Fisson = _Fisson;
    made.Parasite = _Parasite;
    made.Swallow_Whole = _Swallow_Whole;
    made.Shape_Change = _Shape_Change;
    made.Survive_Vacuum = _Survive_Vacuum;
    made.Chameleon = _Chameleon;
    made.Poison_Hide = _Poison_Hide;
    made.Caustic_Hide_Low = _Caustic_Hide_Low;
    made.Caustic_Hide_High = _Caustic_Hide_High;
    made.In_Lair = in_lair && Random(100) <= _In_Lair;
    return creature;
}

} // namespace Vexlor
