// The item template: one kind of equipment in the item catalogue (armour, weapon, clothing,
// vehicle, QID device, artifact ...) with its cost, weight, damage, protection and powers.
#pragma once

#include "catalogues/Tagged_Fields.h"
#include "characters/Characters.h"
#include "foundations/Checked.h"
#include "foundations/Dice.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace Vexlor {

class THTML_Parser;
struct TTag;

enum TItem_Class : std::uint8_t {
    IC_Other = 0,
    IC_Armor = 1,
    IC_Weapon = 2,
    IC_Clothing = 3,
    IC_Vehicle = 4,
    IC_QID_Device = 5,
    IC_Artifact = 6,
    IC_Minor_Artifact = 7,
};
inline constexpr TChoice_Texts<7> Item_Class_String{
    {"Other", "Armor", "Weapon", "Clothing", "Vehicle", "QID Device", "Artifact", "Minor Artifact"}};

enum TWeapon_Class : std::uint8_t { WC_Energy = 0, WC_Incindiary = 1, WC_Contact = 2, WC_Projectile = 3 };
inline constexpr TChoice_Texts<3> Weapon_Class_String{{"Energy", "Incindiary", "Contact", "Projectile"}};

// The body places where an item is worn; Equip_Class is their union.
inline constexpr int EC_None = 0;
inline constexpr int EC_Head = 0x1;
inline constexpr int EC_Neck = 0x2;
inline constexpr int EC_Back = 0x4;
inline constexpr int EC_Chest = 0x8;
inline constexpr int EC_Abdomen = 0x10;
inline constexpr int EC_Torso = EC_Back | EC_Chest | EC_Abdomen;
inline constexpr int EC_Leg = 0x20;
inline constexpr int EC_Arm = 0x40;
inline constexpr int EC_Foot = 0x80;
inline constexpr int EC_Hand = 0x100;
inline constexpr int EC_Toe = 0x200;
inline constexpr int EC_Finger = 0x400;
inline constexpr int EC_Tail = 0x800;
inline constexpr int EC_Wing = 0x1000;
inline constexpr int EC_Face = 0x2000;
inline constexpr int EC_Eye = 0x4000;
inline constexpr int EC_Ear = 0x8000;
inline constexpr int EC_All = -1;

// "torso" (or back, chest, abdomen), then head to ear, joined by ","; "all" for -1.
std::string EC_To_String(int flags);
// The union of the words of a ","-separated text; "all" in any case gives -1.
int String_To_EC(const std::string& text);

// A class and level an intelligent item has; class -1 is a free slot.
struct TIntelligent_Class {
    int _Class = -1;
    int Level = 0;
    bool operator==(const TIntelligent_Class&) const = default;
};

struct TIntelligence {
    int Cognitive = 0;
    int Perception = 0;
    int Wisdom = 0;
    bool operator==(const TIntelligence&) const = default;
};

using TIntelligent_Classes = TArray<TIntelligent_Class, 0, 3>;

class TItem_Template : public TInformation {
  public:
    const char* Serialize() override;
    // Resets every property, then reads the tags; never fails.
    void Deserialize(const char* text) override;
    bool Is_Type(const char* name) const override;

    const char* Get_Name() const { return _Name.c_str(); }
    void Set_Name(const char* value) { _Name = Text_Of(value); }
    int Get_Armor_Bonus() const { return _Armor_Bonus; }
    void Set_Armor_Bonus(int value) { _Armor_Bonus = value; }
    int Get_Capacity() const { return _Capacity; }
    void Set_Capacity(int value) { _Capacity = value; }
    TItem_Class Get_Classification() const { return _Classification; }
    void Set_Classification(TItem_Class value) { _Classification = value; }
    // Slots 0..3; any other index raises std::out_of_range.
    TIntelligent_Class Get_Classes(int index) const { return _Classes[index]; }
    void Set_Classes(int index, TIntelligent_Class value) { _Classes[index] = value; }
    int Get_Charges() const { return _Charges; }
    void Set_Charges(int value) { _Charges = value; }
    int Get_Cognitive() const { return _Cognitive; }
    void Set_Cognitive(int value) { _Cognitive = value; }
    int Get_Cost() const { return _Cost; }
    void Set_Cost(int value) { _Cost = value; }
    bool Get_Cost_Per_Capacity() const { return _Cost_Per_Capacity; }
    void Set_Cost_Per_Capacity(bool value) { _Cost_Per_Capacity = value; }
    int Get_Count() const { return _Count; }
    void Set_Count(int value) { _Count = value; }
    TRange Get_Damage() const { return _Damage; }
    void Set_Damage(TRange value) { _Damage = value; }
    bool Get_Damage_Per_KVA() const { return _Damage_Per_KVA; }
    void Set_Damage_Per_KVA(bool value) { _Damage_Per_KVA = value; }
    bool Get_Cost_Per_HP() const { return _Cost_Per_HP; }
    void Set_Cost_Per_HP(bool value) { _Cost_Per_HP = value; }
    const char* Get_Description() const { return _Description.c_str(); }
    void Set_Description(const char* value) { _Description = Text_Of(value); }
    int Get_Duration() const { return _Duration; }
    void Set_Duration(int value) { _Duration = value; }
    int Get_Equip_Class() const { return _Equip_Class; }
    void Set_Equip_Class(int value) { _Equip_Class = value; }
    int Get_Hit_Adjustment() const { return _Hit_Adjustment; }
    void Set_Hit_Adjustment(int value) { _Hit_Adjustment = value; }
    int Get_HP() const { return _HP; }
    void Set_HP(int value) { _HP = value; }
    bool Get_Huge() const { return _Huge; }
    void Set_Huge(bool value) { _Huge = value; }
    int Get_Insulation() const { return _Insulation; }
    void Set_Insulation(int value) { _Insulation = value; }
    TIntelligence Get_Intelligence() const { return _Intelligence; }
    void Set_Intelligence(TIntelligence value) { _Intelligence = value; }
    int Get_Languages_Known() const { return _Languages_Known; }
    void Set_Languages_Known(int value) { _Languages_Known = value; }
    int Get_Max_Power_Packs() const { return _Max_Power_Packs; }
    void Set_Max_Power_Packs(int value) { _Max_Power_Packs = value; }
    const char* Get_Morphable() const { return _Morphable.c_str(); }
    void Set_Morphable(const char* value) { _Morphable = Text_Of(value); }
    int Get_Range() const { return _Range; }
    void Set_Range(int value) { _Range = value; }
    int Get_Regeneration() const { return _Regeneration; }
    void Set_Regeneration(int value) { _Regeneration = value; }
    int Get_Regeneration_Period() const { return _Regeneration_Period; }
    void Set_Regeneration_Period(int value) { _Regeneration_Period = value; }
    int Get_Resist_Acid() const { return _Resist_Acid; }
    void Set_Resist_Acid(int value) { _Resist_Acid = value; }
    int Get_Resist_Cold() const { return _Resist_Cold; }
    void Set_Resist_Cold(int value) { _Resist_Cold = value; }
    int Get_Resist_Electricity() const { return _Resist_Electricity; }
    void Set_Resist_Electricity(int value) { _Resist_Electricity = value; }
    const char* Get_QIDs() const { return _QIDs.c_str(); }
    void Set_QIDs(const char* value) { _QIDs = Text_Of(value); }
    bool Get_Self_Propelled() const { return _Self_Propelled; }
    void Set_Self_Propelled(bool value) { _Self_Propelled = value; }
    bool Get_Sense_Lifeform() const { return _Sense_Lifeform; }
    void Set_Sense_Lifeform(bool value) { _Sense_Lifeform = value; }
    bool Get_Sense_QIDs() const { return _Sense_QIDs; }
    void Set_Sense_QIDs(bool value) { _Sense_QIDs = value; }
    bool Get_Sense_Chemicals() const { return _Sense_Chemicals; }
    void Set_Sense_Chemicals(bool value) { _Sense_Chemicals = value; }
    bool Get_Sense_Secret_Doors() const { return _Sense_Secret_Doors; }
    void Set_Sense_Secret_Doors(bool value) { _Sense_Secret_Doors = value; }
    int Get_Speed() const { return _Speed; }
    void Set_Speed(int value) { _Speed = value; }
    int Get_Strength() const { return _Strength; }
    void Set_Strength(int value) { _Strength = value; }
    bool Get_Surveillance() const { return _Surveillance; }
    void Set_Surveillance(bool value) { _Surveillance = value; }
    int Get_Time() const { return _Time; }
    void Set_Time(int value) { _Time = value; }
    bool Get_Two_Hands() const { return _Two_Hands; }
    void Set_Two_Hands(bool value) { _Two_Hands = value; }
    bool Get_Warp() const { return _Warp; }
    void Set_Warp(bool value) { _Warp = value; }
    TWeapon_Class Get_Weapon_Class() const { return _Weapon_Class; }
    void Set_Weapon_Class(TWeapon_Class value) { _Weapon_Class = value; }
    const char* Get_Weapons() const { return _Weapons.c_str(); }
    void Set_Weapons(const char* value) { _Weapons = Text_Of(value); }
    int Get_Weight() const { return _Weight; }
    void Set_Weight(int value) { _Weight = value; }
    int Get_Weight_Additional() const { return _Weight_Additional; }
    void Set_Weight_Additional(int value) { _Weight_Additional = value; }
    bool Get_Weight_Per_Capacity() const { return _Weight_Per_Capacity; }
    void Set_Weight_Per_Capacity(bool value) { _Weight_Per_Capacity = value; }

  private:
    struct TNumber_Tag;
    static std::span<const TNumber_Tag> Number_Tags();
    static std::span<const TFlag_Field<TItem_Template>> Flag_Tags();
    void Append_Classes(std::string& text) const;
    bool Read_Tag(const TTag& tag, THTML_Parser& parser);
    bool Read_Number_Tag(const std::string& name, const std::string& value);
    bool Read_Class_Slot(const std::string& name, const std::string& value);

    std::string _Name;
    int _Armor_Bonus = 0;
    int _Capacity = 0;
    TItem_Class _Classification = IC_Other;
    TIntelligent_Classes _Classes{};
    int _Charges = 0;
    int _Cognitive = 0;
    int _Cost = 0;
    bool _Cost_Per_Capacity = false;
    int _Count = 0;
    TRange _Damage;
    bool _Damage_Per_KVA = false;
    bool _Cost_Per_HP = false;
    std::string _Description;
    int _Duration = 0;
    int _Equip_Class = 0;
    int _Hit_Adjustment = 0;
    int _HP = 0;
    bool _Huge = false;
    int _Insulation = 0;
    TIntelligence _Intelligence;
    int _Languages_Known = 0;
    int _Max_Power_Packs = 0;
    std::string _Morphable;
    int _Range = 0;
    int _Regeneration = 0;
    int _Regeneration_Period = 0;
    int _Resist_Acid = 0;
    int _Resist_Cold = 0;
    int _Resist_Electricity = 0;
    std::string _QIDs;
    bool _Self_Propelled = false;
    bool _Sense_Lifeform = false;
    bool _Sense_QIDs = false;
    bool _Sense_Chemicals = false;
    bool _Sense_Secret_Doors = false;
    int _Speed = 0;
    int _Strength = 0;
    bool _Surveillance = false;
    int _Time = 0;
    bool _Two_Hands = false;
    bool _Warp = false;
    TWeapon_Class _Weapon_Class = WC_Energy;
    std::string _Weapons;
    int _Weight = 0;
    int _Weight_Additional = 0;
    bool _Weight_Per_Capacity = false;
    TSerialize_Buffer Temp_Serialize;
};

} // namespace Vexlor
