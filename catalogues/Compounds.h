// The compound plan: one chemical compound that characters make and use, with its level, whom it
// affects, its area, duration and damage, the damage it goes on doing over up to nine further
// rounds, its aging and the share of damage that still applies on a miss.
#pragma once

#include "catalogues/Tagged_Fields.h"
#include "characters/Characters.h"
#include "foundations/Checked.h"
#include "foundations/Dice.h"

#include <cstdint>
#include <span>
#include <string>

namespace Vexlor {

class THTML_Parser;
struct TTag;

enum TCompound_Class : std::uint8_t { CC_Other = 0, CC_Defensive = 1, CC_Offensive = 2 };
inline constexpr TChoice_Texts<2> Compound_Class_String{{"Other", "Defensive", "Offensive"}};

namespace Compounds {
// Whom a compound affects.
enum TEffect : std::uint8_t {
    E_None = 0,
    E_User = 1,
    E_Individual = 2,
    E_Group = 3,
    E_Area = 4,
    E_Special = 5
};
inline constexpr TChoice_Texts<5> Effect_String{{"None", "User", "Individual", "Group", "Area", "Special"}};
} // namespace Compounds

// Damage in rounds 1 to 9 after the first.
using TRound_Damage = TArray<TRange, 1, 9>;

// Keeps the inherited Is_Type, which answers false for every name.
class TCompound_Plan : public TInformation {
  public:
    const char* Serialize() override;
    // Reads the tags into the plan as it stands: a property whose tag is absent keeps its value.
    void Deserialize(const char* text) override;

    const char* Get_Name() const { return _Name.c_str(); }
    void Set_Name(const char* value) { _Name = Text_Of(value); }
    int Get_Level() const { return _Level; }
    void Set_Level(int value) { _Level = value; }
    TCompound_Class Get_Classification() const { return _Classification; }
    void Set_Classification(TCompound_Class value) { _Classification = value; }
    Compounds::TEffect Get_Effect() const { return _Effect; }
    void Set_Effect(Compounds::TEffect value) { _Effect = value; }
    int Get_Area() const { return _Area; }
    void Set_Area(int value) { _Area = value; }
    int Get_Area_Level() const { return _Area_Level; }
    void Set_Area_Level(int value) { _Area_Level = value; }
    TRange Get_Duration() const { return _Duration; }
    void Set_Duration(TRange value) { _Duration = value; }
    TRange Get_Duration_Level() const { return _Duration_Level; }
    void Set_Duration_Level(TRange value) { _Duration_Level = value; }
    TRange Get_Base_Damage() const { return _Base_Damage; }
    void Set_Base_Damage(TRange value) { _Base_Damage = value; }
    TRange Get_Level_Damage() const { return _Level_Damage; }
    void Set_Level_Damage(TRange value) { _Level_Damage = value; }
    const char* Get_Description() const { return _Description.c_str(); }
    void Set_Description(const char* value) { _Description = Text_Of(value); }
    TRange Get_Age() const { return _Age; }
    void Set_Age(TRange value) { _Age = value; }
    // On a miss, this percentage of the damage is subtracted.
    int Get_Miss() const { return _Miss; }
    void Set_Miss(int value) { _Miss = value; }
    // Rounds 1..9; any other round raises std::out_of_range.
    TRange Get_Round_Damage(int round) const { return _Round_Damage[round]; }
    void Set_Round_Damage(int round, TRange value) { _Round_Damage[round] = value; }

  private:
    static std::span<const TNumber_Field<TCompound_Plan>> Number_Tags();
    static std::span<const TRange_Field<TCompound_Plan>> Range_Tags();
    static std::span<const TChoice_Field<TCompound_Plan>> Choice_Tags();
    bool Read_Tag(const TTag& tag);
    void Read_Round_Damage(const std::string& name, const std::string& value);

    std::string _Name;
    int _Level = 0;
    TCompound_Class _Classification = CC_Other;
    Compounds::TEffect _Effect = Compounds::E_None;
    int _Area = 0;
    int _Area_Level = 0;
    TRange _Duration;
    TRange _Duration_Level;
    TRange _Base_Damage;
    TRange _Level_Damage;
    std::string _Description;
    TRange _Age;
    int _Miss = 0;
    TRound_Damage _Round_Damage{};
    TSerialize_Buffer Temp_Serialize;
};

} // namespace Vexlor
