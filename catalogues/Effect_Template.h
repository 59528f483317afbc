// The effect template: what happens to the victim of a poison, venom, disease or similar agent
// (onset, duration and repetition as expressions, changes to scores and figures, conditions,
// senses, sub-effects, QID effects and affected body systems), and the concrete effect rolled from
// it when the referee needs one.
#pragma once

#include "catalogues/Tagged_Fields.h"
#include "foundations/Checked.h"

#include <memory>
#include <span>
#include <string>

namespace Vexlor {

class THTML_Parser;
struct TTag;

// The whole-number part of an expression's value, truncated toward zero; 0 when the text does
// not evaluate. A value outside 32 bits raises std::overflow_error.
int Calculate(const std::string& text);

// One generated change.
struct TAdjustment {
    int Amount = 0;
    bool Percentage = false;
    bool Permanent = false;
    bool Relative = false;
    int Limit = 0;
};

// A change to a score or figure: an expression for the amount (a trailing "%" makes it a
// percentage), whether it is permanent or relative, and a cap on the rolled amount (0: none).
class TAdjustment_Template {
  public:
    void Clear() { *this = TAdjustment_Template(); }
    // Whether the adjustment is as a new one: nothing to store.
    bool Is_Empty() const;
    const char* Serialize();
    // Clears, then reads the tags; never fails.
    void Deserialize(const char* text);
    // Rolls the amount. Base is accepted for callers that have one; no caller of the game does,
    // and the roll does not depend on it.
    TAdjustment Generate(int base) const;

    std::string Amount;
    bool Permanent = false;
    bool Relative = false;
    int Limit = 0;

  private:
    static std::span<const TFlag_Field<TAdjustment_Template>> Flag_Tags();
    bool Read_Tag(const TTag& tag);

    TSerialize_Buffer Temp_Serialize;
};

namespace Effect_Template {

// One effect rolled from a template; whoever asked for it owns it.
class TEffect {
  public:
    const char* Get_Name() const { return _Name.c_str(); }
    void Set_Name(const char* value) { _Name = Text_Of(value); }
    const char* Get_QIDs() const { return _QIDs.c_str(); }
    void Set_QIDs(const char* value) { _QIDs = Text_Of(value); }
    const char* Get_Effects() const { return _Effects.c_str(); }
    void Set_Effects(const char* value) { _Effects = Text_Of(value); }
    const char* Get_Diseases() const { return _Diseases.c_str(); }
    void Set_Diseases(const char* value) { _Diseases = Text_Of(value); }

    int Time = 0;
    int Duration = 0;
    int Repeat_Time = 0;
    TAdjustment Strength;
    TAdjustment Constitution;
    TAdjustment Dexterity;
    TAdjustment Cognitive;
    TAdjustment Perception;
    TAdjustment Wisdom;
    TAdjustment Charisma;
    TAdjustment Comeliness;
    TAdjustment Will;
    TAdjustment Level;
    TAdjustment Experience;
    TAdjustment HP;
    TAdjustment Armor_Bonus;
    TAdjustment Hit_Adjustment;
    bool Unconciousness = false;
    bool Sense_Lifeform = false;
    bool Sense_QIDs = false;
    bool Sense_Chemicals = false;
    bool Sense_Secret_Doors = false;
    int Speed = 0;
    bool Death = false;
    bool Dizziness = false;
    bool Helpless = false;
    bool Blind = false;
    bool Deaf = false;
    bool Sterility = false;
    bool Mild = false;
    bool Chain = false;
    bool Hair_Loss = false;
    bool Bleeding = false;
    bool Memory_Loss = false;
    bool Nausea = false;
    bool Hallucinations = false;

  private:
    std::string _Name;
    std::string _QIDs;
    std::string _Effects;
    std::string _Diseases;
};

} // namespace Effect_Template

class TEffect_Template {
  public:
    const char* Serialize();
    // Resets every property, then reads the tags; never fails.
    void Deserialize(const char* text);
    // Rolls every expression once: a new effect each call.
    std::unique_ptr<Effect_Template::TEffect> Generate() const;

    const char* Get_Name() const { return _Name.c_str(); }
    void Set_Name(const char* value) { _Name = Text_Of(value); }
    const char* Get_Time() const { return _Time.c_str(); }
    void Set_Time(const char* value) { _Time = Text_Of(value); }
    const char* Get_Duration() const { return _Duration.c_str(); }
    void Set_Duration(const char* value) { _Duration = Text_Of(value); }
    const char* Get_QIDs() const { return _QIDs.c_str(); }
    void Set_QIDs(const char* value) { _QIDs = Text_Of(value); }
    const char* Get_Effects() const { return _Effects.c_str(); }
    void Set_Effects(const char* value) { _Effects = Text_Of(value); }
    const char* Get_Diseases() const { return _Diseases.c_str(); }
    void Set_Diseases(const char* value) { _Diseases = Text_Of(value); }
    const char* Get_Description() const { return _Description.c_str(); }
    void Set_Description(const char* value) { _Description = Text_Of(value); }
    // The fourteen adjustments belong to the template; a setter stores a copy of the given one.
    TAdjustment_Template& Get_Experience() { return _Experience; }
    void Set_Experience(const TAdjustment_Template& value) { _Experience = value; }
    TAdjustment_Template& Get_Strength() { return _Strength; }
    void Set_Strength(const TAdjustment_Template& value) { _Strength = value; }
    TAdjustment_Template& Get_Constitution() { return _Constitution; }
    void Set_Constitution(const TAdjustment_Template& value) { _Constitution = value; }
    TAdjustment_Template& Get_Dexterity() { return _Dexterity; }
    void Set_Dexterity(const TAdjustment_Template& value) { _Dexterity = value; }
    TAdjustment_Template& Get_Cognitive() { return _Cognitive; }
    void Set_Cognitive(const TAdjustment_Template& value) { _Cognitive = value; }
    TAdjustment_Template& Get_Perception() { return _Perception; }
    void Set_Perception(const TAdjustment_Template& value) { _Perception = value; }
    TAdjustment_Template& Get_Wisdom() { return _Wisdom; }
    void Set_Wisdom(const TAdjustment_Template& value) { _Wisdom = value; }
    TAdjustment_Template& Get_Charisma() { return _Charisma; }
    void Set_Charisma(const TAdjustment_Template& value) { _Charisma = value; }
    TAdjustment_Template& Get_Comeliness() { return _Comeliness; }
    void Set_Comeliness(const TAdjustment_Template& value) { _Comeliness = value; }
    TAdjustment_Template& Get_Will() { return _Will; }
    void Set_Will(const TAdjustment_Template& value) { _Will = value; }
    TAdjustment_Template& Get_Level() { return _Level; }
    void Set_Level(const TAdjustment_Template& value) { _Level = value; }
    TAdjustment_Template& Get_HP() { return _HP; }
    void Set_HP(const TAdjustment_Template& value) { _HP = value; }
    TAdjustment_Template& Get_Armor_Bonus() { return _Armor_Bonus; }
    void Set_Armor_Bonus(const TAdjustment_Template& value) { _Armor_Bonus = value; }
    TAdjustment_Template& Get_Hit_Adjustment() { return _Hit_Adjustment; }
    void Set_Hit_Adjustment(const TAdjustment_Template& value) { _Hit_Adjustment = value; }
    int Get_Minimum_Ability() const { return _Minimum_Ability; }
    void Set_Minimum_Ability(int value) { _Minimum_Ability = value; }
    const char* Get_Repeat_Time() const { return _Repeat_Time.c_str(); }
    void Set_Repeat_Time(const char* value) { _Repeat_Time = Text_Of(value); }
    bool Get_Unconciousness() const { return _Unconciousness; }
    void Set_Unconciousness(bool value) { _Unconciousness = value; }
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
    bool Get_Death() const { return _Death; }
    void Set_Death(bool value) { _Death = value; }
    bool Get_Dizziness() const { return _Dizziness; }
    void Set_Dizziness(bool value) { _Dizziness = value; }
    bool Get_Helpless() const { return _Helpless; }
    void Set_Helpless(bool value) { _Helpless = value; }
    bool Get_Blind() const { return _Blind; }
    void Set_Blind(bool value) { _Blind = value; }
    bool Get_Deaf() const { return _Deaf; }
    void Set_Deaf(bool value) { _Deaf = value; }
    bool Get_Sterility() const { return _Sterility; }
    void Set_Sterility(bool value) { _Sterility = value; }
    bool Get_Mild() const { return _Mild; }
    void Set_Mild(bool value) { _Mild = value; }
    bool Get_Chain() const { return _Chain; }
    void Set_Chain(bool value) { _Chain = value; }
    bool Get_Hair_Loss() const { return _Hair_Loss; }
    void Set_Hair_Loss(bool value) { _Hair_Loss = value; }
    bool Get_Bleeding() const { return _Bleeding; }
    void Set_Bleeding(bool value) { _Bleeding = value; }
    bool Get_Memory_Loss() const { return _Memory_Loss; }
    void Set_Memory_Loss(bool value) { _Memory_Loss = value; }
    bool Get_Nausea() const { return _Nausea; }
    void Set_Nausea(bool value) { _Nausea = value; }
    bool Get_Hallucinations() const { return _Hallucinations; }
    void Set_Hallucinations(bool value) { _Hallucinations = value; }

  private:
    struct TAdjustment_Tag;
    static std::span<const TAdjustment_Tag> Adjustment_Tags();
    static std::span<const TNumber_Field<TEffect_Template>> Number_Tags();
    static std::span<const TFlag_Field<TEffect_Template>> Flag_Tags();
    bool Read_Tag(const TTag& tag, THTML_Parser& parser);
    bool Read_Adjustment(const std::string& name, THTML_Parser& parser);

    std::string _Name;
    std::string _Time;
    std::string _Duration;
    std::string _QIDs;
    std::string _Effects;
    std::string _Diseases;
    std::string _Description;
    TAdjustment_Template _Experience;
    TAdjustment_Template _Strength;
    TAdjustment_Template _Constitution;
    TAdjustment_Template _Dexterity;
    TAdjustment_Template _Cognitive;
    TAdjustment_Template _Perception;
    TAdjustment_Template _Wisdom;
    TAdjustment_Template _Charisma;
    TAdjustment_Template _Comeliness;
    TAdjustment_Template _Will;
    TAdjustment_Template _Level;
    TAdjustment_Template _HP;
    TAdjustment_Template _Armor_Bonus;
    TAdjustment_Template _Hit_Adjustment;
    int _Minimum_Ability = 0;
    std::string _Repeat_Time;
    bool _Unconciousness = false;
    bool _Sense_Lifeform = false;
    bool _Sense_QIDs = false;
    bool _Sense_Chemicals = false;
    bool _Sense_Secret_Doors = false;
    int _Speed = 0;
    bool _Death = false;
    bool _Dizziness = false;
    bool _Helpless = false;
    bool _Blind = false;
    bool _Deaf = false;
    bool _Sterility = false;
    bool _Mild = false;
    bool _Chain = false;
    bool _Hair_Loss = false;
    bool _Bleeding = false;
    bool _Memory_Loss = false;
    bool _Nausea = false;
    bool _Hallucinations = false;
    TSerialize_Buffer Temp_Serialize;
};

} // namespace Vexlor
