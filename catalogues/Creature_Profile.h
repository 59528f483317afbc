// The creature profile: the catalogue entry for one kind of creature (how often and in what
// numbers it is met, where it lives, its levels, hit points, attacks, defences, senses, traits,
// treasure and experience value), and the concrete creatures generated from it for encounters.
#pragma once

#include "catalogues/Tagged_Fields.h"
#include "foundations/Checked.h"
#include "foundations/Dice.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace Vexlor {

class THTML_Parser;
struct TTag;

enum THabitat : std::uint8_t {
    H_Unknown = 0,
    H_Any = 1,
    H_Aquatic = 2,
    H_Cave = 3,
    H_Cliff = 4,
    H_Desert = 5,
    H_Domestic = 6,
    H_Freshwater = 7,
    H_Forest = 8,
    H_Islands = 9,
    H_Plains = 10,
    H_Swamp = 11,
    H_Lake = 12,
    H_Land = 13,
    H_Mountains = 14,
    H_Ocean = 15,
    H_Polar = 16,
    H_River = 17,
    H_Tombs = 18,
    H_Underground = 19,
    H_Woodland = 20,
};
inline constexpr TChoice_Texts<20> Habitat_Strings{
    {"Unknown",    "Any",    "Aquatic", "Cave",   "Cliff", "Desert",      "Domestic",
     "Freshwater", "Forest", "Islands", "Plains", "Swamp", "Lake",        "Land",
     "Mountains",  "Ocean",  "Polar",   "River",  "Tombs", "Underground", "Woodland"}};

enum THabitat_Climate : std::uint8_t {
    HC_Unknown = 0,
    HC_Any = 1,
    HC_Polar = 2,
    HC_Temperate = 3,
    HC_Tropical = 4
};
inline constexpr TChoice_Texts<4> Habitat_Climate_Strings{
    {"Unknown", "Any", "Polar", "Temperate", "Tropical"}};

enum TAttack_Class : std::uint8_t {
    AC_Unknown = 0,
    AC_Bite = 1,
    AC_Claw = 2,
    AC_Crush = 3,
    AC_Gore = 4,
    AC_Grapple = 5,
    AC_Strike = 6,
    AC_Other = 7,
};
inline constexpr TChoice_Texts<7> Attack_Class_Strings{
    {"Unknown", "Bite", "Claw", "Crush", "Gore", "Grapple", "Strike", "Other"}};

enum TNature : std::uint8_t {
    N_Unknown = 0,
    N_Shy = 1,
    N_Timid = 2,
    N_Moderate = 3,
    N_Agressive = 4,
    N_VeryAgressive = 5,
    N_Varies = 6,
};
inline constexpr TChoice_Texts<6> Nature_Strings{
    {"Unknown", "Shy", "Timid", "Moderate", "Agressive", "VeryAgressive", "Varies"}};

// The size kinds a creature can be generated as; any other number counts as ordinary.
enum TCreature_Kind : int { CK_Ordinary = 0, CK_Giant = 1, CK_Huge = 2, CK_Pygmy = 3, CK_Young = 4 };

// The frequencies, from unique to common.
inline constexpr int Frequency_Unique = 1;
inline constexpr int Frequency_Extremely_Rare = 2;
inline constexpr int Frequency_Very_Rare = 3;
inline constexpr int Frequency_Rare = 4;
inline constexpr int Frequency_Uncommon = 5;
inline constexpr int Frequency_Common = 6;

using THabitats = TArray<THabitat, 0, 1>;
using TClimates = TArray<THabitat_Climate, 0, 1>;
using TAttack_Classes = TArray<TAttack_Class, 0, 9>;
using TAttack_Damages = TArray<TRange, 0, 9>;

// Treasure chances as the editor shows them: the chance codes as decimal numbers joined by ","
// (the codes 50, 0 and 100 are "50,0,100"), and back; a piece that is no number counts as 0 and
// one beyond the codes of a character as the nearest of 0 and 255.
std::string Chances_Text(const std::string& chances);
std::string Chances_Of(const std::string& text);

// The poison type of flesh or hide that has none.
inline constexpr char No_Poison = ' ';

// One creature generated from a profile; whoever asked for it owns it.
class TCreature {
  public:
    std::string Name;
    std::string Classification;
    int Defensive_Bonus = 0;
    int Movement_Land = 0;
    int Movement_Fly = 0;
    int Movement_Dive = 0;
    int Movement_Swim = 0;
    int Movement_Other = 0;
    int Attacks = 0;
    TAttack_Classes Attack_Class{};
    TAttack_Damages Damage{};
    bool By_Weapon = false;
    int Level = 0;
    int HP = 0;
    bool In_Lair = false; // met in its lair
    int Size = 0;
    int Weight = 0;
    TRange Intelligence;
    int Experience = 0;
    std::string Treasure_Type_Carried; // the letters that survived their chance rolls
    std::string Treasure_Type_In_Lair;
    char Poison_Flesh = No_Poison;
    bool Mountable = false;
    bool Nocturnal = false;
    bool Domesticate = false;
    int Regenerate_Amount = 0;
    int Regenerate_Rate = 0;
    int Damage_Reduction_Acid = 0;
    int Damage_Reduction_Cold = 0;
    int Damage_Reduction_Fire = 0;
    int Damage_Reduction_Poison = 0;
    int Damage_Reduction_Gas = 0;
    int Damage_Reduction_Electricity = 0;
    int Damage_Reduction_Radiation = 0;
    int QID_Immunity = 0;
    int Infrared = 0;
    int Ultraviolet = 0;
    TNature Nature = N_Unknown;
    bool Breathe_Air = false;
    bool Breathe_Water = false;
    bool Sterile = false;
    bool Fisson = false;
    bool Parasite = false;
    int Swallow_Whole = 0;
    bool Shape_Change = false;
    bool Survive_Vacuum = false;
    bool Chameleon = false;
    char Poison_Hide = No_Poison;
    int Caustic_Hide_Low = 0;
    int Caustic_Hide_High = 0;
};

class TCreature_Profile {
  public:
    const char* Serialize();
    // Resets every property, then reads the tags; never fails.
    void Deserialize(const char* text);

    // A creature of this kind. level is the level asked for (0: any), in_lair asks for the lair
    // roll, kind is one of TCreature_Kind. Sums and products that overflow raise
    // std::overflow_error.
    std::unique_ptr<TCreature> Generate(int level, bool in_lair, int kind) const;

    const char* Get_Name() const { return _Name.c_str(); }
    void Set_Name(const char* value) { _Name = Text_Of(value); }
    const char* Get_Classification() const { return _Classification.c_str(); }
    void Set_Classification(const char* value) { _Classification = Text_Of(value); }
    int Get_Frequency() const { return _Frequency; }
    void Set_Frequency(int value) { _Frequency = value; }
    TRange Get_Number() const { return _Number; }
    void Set_Number(TRange value) { _Number = value; }
    int Get_Defensive_Bonus() const { return _Defensive_Bonus; }
    void Set_Defensive_Bonus(int value) { _Defensive_Bonus = value; }
    int Get_Movement_Land() const { return _Movement_Land; }
    void Set_Movement_Land(int value) { _Movement_Land = value; }
    int Get_Movement_Fly() const { return _Movement_Fly; }
    void Set_Movement_Fly(int value) { _Movement_Fly = value; }
    int Get_Movement_Dive() const { return _Movement_Dive; }
    void Set_Movement_Dive(int value) { _Movement_Dive = value; }
    int Get_Movement_Swim() const { return _Movement_Swim; }
    void Set_Movement_Swim(int value) { _Movement_Swim = value; }
    int Get_Movement_Other() const { return _Movement_Other; }
    void Set_Movement_Other(int value) { _Movement_Other = value; }
    // Habitats and climates 0..1, attack classes and damages 0..9; any other index raises
    // std::out_of_range.
    THabitat Get_Habitat(int index) const { return _Habitat[index]; }
    void Set_Habitat(int index, THabitat value) { _Habitat[index] = value; }
    THabitat_Climate Get_Climate(int index) const { return _Climate[index]; }
    void Set_Climate(int index, THabitat_Climate value) { _Climate[index] = value; }
    int Get_Attacks() const { return _Attacks; }
    void Set_Attacks(int value) { _Attacks = value; }
    TAttack_Class Get_Attack_Class(int index) const { return _Attack_Class[index]; }
    void Set_Attack_Class(int index, TAttack_Class value) { _Attack_Class[index] = value; }
    TRange Get_Damage(int index) const { return _Damage[index]; }
    void Set_Damage(int index, TRange value) { _Damage[index] = value; }
    const char* Get_Description() const { return _Description.c_str(); }
    void Set_Description(const char* value) { _Description = Text_Of(value); }
    bool Get_By_Weapon() const { return _By_Weapon; }
    void Set_By_Weapon(bool value) { _By_Weapon = value; }
    // The highest level.
    int Get_Level() const { return _Level; }
    void Set_Level(int value) { _Level = value; }
    int Get_Low_Level() const { return _Low_Level; }
    void Set_Low_Level(int value) { _Low_Level = value; }
    int Get_Fixed_HP() const { return _Fixed_HP; }
    void Set_Fixed_HP(int value) { _Fixed_HP = value; }
    int Get_Add_HP() const { return _Add_HP; }
    void Set_Add_HP(int value) { _Add_HP = value; }
    int Get_In_Lair() const { return _In_Lair; }
    void Set_In_Lair(int value) { _In_Lair = value; }
    int Get_Size() const { return _Size; }
    void Set_Size(int value) { _Size = value; }
    int Get_Weight() const { return _Weight; }
    void Set_Weight(int value) { _Weight = value; }
    TRange Get_Intelligence() const { return _Intelligence; }
    void Set_Intelligence(TRange value) { _Intelligence = value; }
    int Get_Experience_Base() const { return _Experience_Base; }
    void Set_Experience_Base(int value) { _Experience_Base = value; }
    int Get_Experience_Per_HP() const { return _Experience_Per_HP; }
    void Set_Experience_Per_HP(int value) { _Experience_Per_HP = value; }
    const char* Get_Treasure_Type_Carried() const { return _Treasure_Type_Carried.c_str(); }
    void Set_Treasure_Type_Carried(const char* value) { _Treasure_Type_Carried = Text_Of(value); }
    // The chances hold one character per treasure letter whose code is the chance in percent.
    // A chance of 0 is the character code 0, so they cross as strings of their own length rather
    // than as zero-terminated texts.
    const std::string& Get_Treasure_Type_Carried_Percentages() const {
        return _Treasure_Type_Carried_Percentages;
    }
    void Set_Treasure_Type_Carried_Percentages(std::string value) {
        _Treasure_Type_Carried_Percentages = std::move(value);
    }
    const char* Get_Treasure_Type_In_Lair() const { return _Treasure_Type_In_Lair.c_str(); }
    void Set_Treasure_Type_In_Lair(const char* value) { _Treasure_Type_In_Lair = Text_Of(value); }
    const std::string& Get_Treasure_Type_In_Lair_Percentages() const {
        return _Treasure_Type_In_Lair_Percentages;
    }
    void Set_Treasure_Type_In_Lair_Percentages(std::string value) {
        _Treasure_Type_In_Lair_Percentages = std::move(value);
    }
    // A blank is no poison; a control character is stored as a blank.
    char Get_Poison_Flesh() const { return _Poison_Flesh; }
    void Set_Poison_Flesh(char value) { _Poison_Flesh = Poison_Type(value); }
    bool Get_Mountable() const { return _Mountable; }
    void Set_Mountable(bool value) { _Mountable = value; }
    bool Get_Nocturnal() const { return _Nocturnal; }
    void Set_Nocturnal(bool value) { _Nocturnal = value; }
    bool Get_Domesticate() const { return _Domesticate; }
    void Set_Domesticate(bool value) { _Domesticate = value; }
    int Get_Regenerate_Amount() const { return _Regenerate_Amount; }
    void Set_Regenerate_Amount(int value) { _Regenerate_Amount = value; }
    int Get_Regenerate_Rate() const { return _Regenerate_Rate; }
    void Set_Regenerate_Rate(int value) { _Regenerate_Rate = value; }
    int Get_Damage_Reduction_Acid() const { return _Damage_Reduction_Acid; }
    void Set_Damage_Reduction_Acid(int value) { _Damage_Reduction_Acid = value; }
    int Get_Damage_Reduction_Cold() const { return _Damage_Reduction_Cold; }
    void Set_Damage_Reduction_Cold(int value) { _Damage_Reduction_Cold = value; }
    int Get_Damage_Reduction_Fire() const { return _Damage_Reduction_Fire; }
    void Set_Damage_Reduction_Fire(int value) { _Damage_Reduction_Fire = value; }
    int Get_Damage_Reduction_Poison() const { return _Damage_Reduction_Poison; }
    void Set_Damage_Reduction_Poison(int value) { _Damage_Reduction_Poison = value; }
    int Get_Damage_Reduction_Gas() const { return _Damage_Reduction_Gas; }
    void Set_Damage_Reduction_Gas(int value) { _Damage_Reduction_Gas = value; }
    int Get_Damage_Reduction_Electricity() const { return _Damage_Reduction_Electricity; }
    void Set_Damage_Reduction_Electricity(int value) { _Damage_Reduction_Electricity = value; }
    int Get_Damage_Reduction_Radiation() const { return _Damage_Reduction_Radiation; }
    void Set_Damage_Reduction_Radiation(int value) { _Damage_Reduction_Radiation = value; }
    int Get_QID_Immunity() const { return _QID_Immunity; }
    void Set_QID_Immunity(int value) { _QID_Immunity = value; }
    int Get_Infrared() const { return _Infrared; }
    void Set_Infrared(int value) { _Infrared = value; }
    int Get_Ultraviolet() const { return _Ultraviolet; }
    void Set_Ultraviolet(int value) { _Ultraviolet = value; }
    TNature Get_Nature() const { return _Nature; }
    void Set_Nature(TNature value) { _Nature = value; }
    bool Get_Breathe_Air() const { return _Breathe_Air; }
    void Set_Breathe_Air(bool value) { _Breathe_Air = value; }
    bool Get_Breathe_Water() const { return _Breathe_Water; }
    void Set_Breathe_Water(bool value) { _Breathe_Water = value; }
    bool Get_Sterile() const { return _Sterile; }
    void Set_Sterile(bool value) { _Sterile = value; }
    bool Get_Fisson() const { return _Fisson; }
    void Set_Fisson(bool value) { _Fisson = value; }
    bool Get_Parasite() const { return _Parasite; }
    void Set_Parasite(bool value) { _Parasite = value; }
    int Get_Swallow_Whole() const { return _Swallow_Whole; }
    void Set_Swallow_Whole(int value) { _Swallow_Whole = value; }
    bool Get_Shape_Change() const { return _Shape_Change; }
    void Set_Shape_Change(bool value) { _Shape_Change = value; }
    bool Get_Survive_Vacuum() const { return _Survive_Vacuum; }
    void Set_Survive_Vacuum(bool value) { _Survive_Vacuum = value; }
    bool Get_Chameleon() const { return _Chameleon; }
    void Set_Chameleon(bool value) { _Chameleon = value; }
    char Get_Poison_Hide() const { return _Poison_Hide; }
    void Set_Poison_Hide(char value) { _Poison_Hide = Poison_Type(value); }
    int Get_Caustic_Hide_Low() const { return _Caustic_Hide_Low; }
    void Set_Caustic_Hide_Low(int value) { _Caustic_Hide_Low = value; }
    int Get_Caustic_Hide_High() const { return _Caustic_Hide_High; }
    void Set_Caustic_Hide_High(int value) { _Caustic_Hide_High = value; }

  private:
    static std::span<const TNumber_Field<TCreature_Profile>> Number_Tags();
    static std::span<const TFlag_Field<TCreature_Profile>> Flag_Tags();
    static char Poison_Type(char value) {
        return static_cast<unsigned char>(value) < ' ' ? No_Poison : value;
    }
    void Append_Choices(std::string& text) const;
    void Append_Attacks(std::string& text) const;
    void Append_Treasure(std::string& text) const;
    bool Read_Tag(const TTag& tag, THTML_Parser& parser);
    bool Read_Slot(const std::string& name, const std::string& value);
    int Hit_Dice(int level) const;
    void Roll_Treasure(TCreature& creature) const;

    std::string _Name;
    std::string _Classification;
    int _Frequency = 0;
    TRange _Number;
    int _Defensive_Bonus = 0;
    int _Movement_Land = 0;
    int _Movement_Fly = 0;
    int _Movement_Dive = 0;
    int _Movement_Swim = 0;
    int _Movement_Other = 0;
    THabitats _Habitat{};
    TClimates _Climate{};
    int _Attacks = 0;
    TAttack_Classes _Attack_Class{};
    TAttack_Damages _Damage{};
    std::string _Description;
    bool _By_Weapon = false;
    int _Level = 0;
    int _Low_Level = 0;
    int _Fixed_HP = 0;
    int _Add_HP = 0;
    int _In_Lair = 0;
    int _Size = 0;
    int _Weight = 0;
    TRange _Intelligence;
    int _Experience_Base = 0;
    int _Experience_Per_HP = 0;
    std::string _Treasure_Type_Carried;
    std::string _Treasure_Type_Carried_Percentages;
    std::string _Treasure_Type_In_Lair;
    std::string _Treasure_Type_In_Lair_Percentages;
    char _Poison_Flesh = No_Poison;
    bool _Mountable = false;
    bool _Nocturnal = false;
    bool _Domesticate = false;
    int _Regenerate_Amount = 0;
    int _Regenerate_Rate = 0;
    int _Damage_Reduction_Acid = 0;
    int _Damage_Reduction_Cold = 0;
    int _Damage_Reduction_Fire = 0;
    int _Damage_Reduction_Poison = 0;
    int _Damage_Reduction_Gas = 0;
    int _Damage_Reduction_Electricity = 0;
    int _Damage_Reduction_Radiation = 0;
    int _QID_Immunity = 0;
    int _Infrared = 0;
    int _Ultraviolet = 0;
    TNature _Nature = N_Unknown;
    bool _Breathe_Air = false;
    bool _Breathe_Water = false;
    bool _Sterile = false;
    bool _Fisson = false;
    bool _Parasite = false;
    int _Swallow_Whole = 0;
    bool _Shape_Change = false;
    bool _Survive_Vacuum = false;
    bool _Chameleon = false;
    char _Poison_Hide = No_Poison;
    int _Caustic_Hide_Low = 0;
    int _Caustic_Hide_High = 0;
    TSerialize_Buffer Temp_Serialize;
};

} // namespace Vexlor
