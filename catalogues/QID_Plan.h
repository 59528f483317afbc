// The QID plan: one of the game's devices of special power, with its level, whom it affects, its
// activation time, range, area, duration and damage, and the specialist who makes it.
#pragma once

#include "catalogues/Tagged_Fields.h"
#include "characters/Characters.h"
#include "foundations/Dice.h"

#include <cstdint>
#include <span>
#include <string>

namespace Vexlor {

class THTML_Parser;
struct TTag;

enum TQID_Class : std::uint8_t { QC_Other = 0, QC_Defensive = 1, QC_Offensive = 2 };
inline constexpr TChoice_Texts<2> QID_Class_String{{"Other", "Defensive", "Offensive"}};

namespace QID_Plan {
// What a QID affects.
enum TEffect : std::uint8_t {
    QE_None = 0,
    QE_Engineer = 1,
    QE_Individual = 2,
    QE_Group = 3,
    QE_Area = 4,
    QE_Special = 5,
    QE_Object = 6,
};
inline constexpr TChoice_Texts<6> Effect_String{
    {"None", "Engineer", "Individual", "Group", "Area", "Special", "Object"}};
} // namespace QID_Plan

// The kind of engineer who makes a QID.
enum TSpecialist : std::uint8_t {
    S_All = 0,
    S_General = 1,
    S_Planet = 2,
    S_Production = 3,
    S_Electrical = 4,
    S_Mechanical = 5,
};
inline constexpr TChoice_Texts<5> Specialist_String{
    {"All", "General", "Planet", "Production", "Electrical", "Mechanical"}};

enum TEffect_Shape : std::uint8_t {
    ES_Other = 0,
    ES_Circle = 1,
    ES_Hemisphere = 2,
    ES_Sphere = 3,
    ES_Square = 4,
    ES_Cube = 5,
    ES_Volume = 6,
    ES_Path = 7,
    ES_Weight = 8,
    ES_Column = 9,
};
inline constexpr TChoice_Texts<9> Effect_Shape_String{
    {"Other", "Circle", "Hemisphere", "Sphere", "Square", "Cube", "Volume", "Path", "Weight", "Column"}};

class TQID_Plan : public TInformation {
  public:
    const char* Serialize() override;
    // Reads the tags into the plan as it stands: a property whose tag is absent keeps its value.
    void Deserialize(const char* text) override;
    bool Is_Type(const char* name) const override;

    const char* Get_Name() const { return _Name.c_str(); }
    void Set_Name(const char* value) { _Name = Text_Of(value); }
    int Get_Level() const { return _Level; }
    void Set_Level(int value) { _Level = value; }
    TQID_Class Get_Classification() const { return _Classification; }
    void Set_Classification(TQID_Class value) { _Classification = value; }
    QID_Plan::TEffect Get_Effect() const { return _Effect; }
    void Set_Effect(QID_Plan::TEffect value) { _Effect = value; }
    int Get_Time() const { return _Time; }
    void Set_Time(int value) { _Time = value; }
    int Get_Area() const { return _Area; }
    void Set_Area(int value) { _Area = value; }
    // In tenths: 15 stands for 1.5.
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
    // A reduction of the miss chance in percent; -1 means "No miss".
    int Get_Miss_Percent_Reduction() const { return _Miss_Percent_Reduction; }
    void Set_Miss_Percent_Reduction(int value) { _Miss_Percent_Reduction = value; }
    const char* Get_Description() const { return _Description.c_str(); }
    void Set_Description(const char* value) { _Description = Text_Of(value); }
    int Get_Range() const { return _Range; }
    void Set_Range(int value) { _Range = value; }
    int Get_Level_Range() const { return _Level_Range; }
    void Set_Level_Range(int value) { _Level_Range = value; }
    TSpecialist Get_Specialist() const { return _Specialist; }
    void Set_Specialist(TSpecialist value) { _Specialist = value; }
    TRange Get_Age() const { return _Age; }
    void Set_Age(TRange value) { _Age = value; }
    bool Get_Permanent() const { return _Permanent; }
    void Set_Permanent(bool value) { _Permanent = value; }
    TEffect_Shape Get_Shape() const { return _Shape; }
    void Set_Shape(TEffect_Shape value) { _Shape = value; }
    int Get_Width() const { return _Width; }
    void Set_Width(int value) { _Width = value; }
    int Get_Depth() const { return _Depth; }
    void Set_Depth(int value) { _Depth = value; }
    int Get_Height() const { return _Height; }
    void Set_Height(int value) { _Height = value; }
    bool Get_Sight() const { return _Sight; }
    void Set_Sight(bool value) { _Sight = value; }

  private:
    static std::span<const TNumber_Field<TQID_Plan>> Number_Tags();
    static std::span<const TRange_Field<TQID_Plan>> Range_Tags();
    static std::span<const TChoice_Field<TQID_Plan>> Choice_Tags();
    static std::span<const TFlag_Field<TQID_Plan>> Flag_Tags();
    bool Read_Tag(const TTag& tag, THTML_Parser& parser);
    void Read_Area(const std::string& value);

    std::string _Name;
    int _Level = 0;
    TQID_Class _Classification = QC_Other;
    QID_Plan::TEffect _Effect = QID_Plan::QE_None;
    int _Time = 0;
    int _Area = 0;
    int _Area_Level = 0;
    TRange _Duration;
    TRange _Duration_Level;
    TRange _Base_Damage;
    TRange _Level_Damage;
    int _Miss_Percent_Reduction = 0;
    std::string _Description;
    int _Range = 0;
    int _Level_Range = 0;
    TSpecialist _Specialist = S_All;
    TRange _Age;
    bool _Permanent = false;
    TEffect_Shape _Shape = ES_Other;
    int _Width = 0;
    int _Depth = 0;
    int _Height = 0;
    bool _Sight = false;
    TSerialize_Buffer Temp_Serialize;
};

} // namespace Vexlor
