// The poison template: the effect templates that apply on a hit and on a miss, with the poison's
// cost, chance of detection and time.
#pragma once

#include "catalogues/Tagged_Fields.h"

#include <span>
#include <string>

namespace Vexlor {

class THTML_Parser;
struct TTag;

// A poison as the referee tools use it; its texts hold at most 255 characters.
struct TPoison {
    std::string Name;
    int Cost = 0;
    int Detect = 0;
    int Time = 0;
    std::string Effect;
    std::string Effect_Miss;
};

class TPoison_Template {
  public:
    const char* Serialize();
    // Resets every property, then reads the tags; never fails.
    void Deserialize(const char* text);
    // A copy of the template's poison; longer texts are cut to 255 characters.
    TPoison Generate() const;

    const char* Get_Name() const { return _Name.c_str(); }
    void Set_Name(const char* value) { _Name = Text_Of(value); }
    int Get_Cost() const { return _Cost; }
    void Set_Cost(int value) { _Cost = value; }
    int Get_Detect() const { return _Detect; }
    void Set_Detect(int value) { _Detect = value; }
    int Get_Time() const { return _Time; }
    void Set_Time(int value) { _Time = value; }
    // The effect template that applies on a hit.
    const char* Get_Effect() const { return _Effect.c_str(); }
    void Set_Effect(const char* value) { _Effect = Text_Of(value); }
    // The effect template that applies on a miss; empty for none.
    const char* Get_Effect_Miss() const { return _Effect_Miss.c_str(); }
    void Set_Effect_Miss(const char* value) { _Effect_Miss = Text_Of(value); }
    const char* Get_Description() const { return _Description.c_str(); }
    void Set_Description(const char* value) { _Description = Text_Of(value); }

  private:
    static std::span<const TNumber_Field<TPoison_Template>> Number_Tags();
    bool Read_Tag(const TTag& tag, THTML_Parser& parser);

    std::string _Name;
    int _Cost = 0;
    int _Detect = 0;
    int _Time = 0;
    std::string _Effect;
    std::string _Effect_Miss;
    std::string _Description;
    TSerialize_Buffer Temp_Serialize;
};

} // namespace Vexlor
