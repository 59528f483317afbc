#include "Plan_Editors.h"

#include "catalogues/editing/Editor_Texts.h"

namespace Vexlor {

TQID_Editor_State QID_Editor_State(const TQID_Plan& plan) {
    TQID_Editor_State state;
    state.Name = plan.Get_Name();
    state.Level = plan.Get_Level();
    state.Time = plan.Get_Time();
    state.Effect = plan.Get_Effect();
    state.Specialist = plan.Get_Specialist();
    state.Classification = plan.Get_Classification();
    state.Range = plan.Get_Range();
    state.Level_Range = plan.Get_Level_Range();
    state.No_Miss = plan.Get_Miss_Percent_Reduction() < 0;
    state.Miss_Percent_Reduction = state.No_Miss ? 0 : plan.Get_Miss_Percent_Reduction();
    state.Base_Damage = plan.Get_Base_Damage();
    state.Level_Damage = plan.Get_Level_Damage();
    state.Duration = plan.Get_Duration();
    state.Duration_Level = plan.Get_Duration_Level();
    state.Permanent = plan.Get_Permanent();
    state.Sight = plan.Get_Sight();
    state.Area = plan.Get_Area();
    state.Area_Level = plan.Get_Area_Level();
    state.Shape = plan.Get_Shape();
    state.Width = plan.Get_Width();
    state.Depth = plan.Get_Depth();
    state.Height = plan.Get_Height();
    state.Description = plan.Get_Description();
    return state;
}

TQID_Plan Build_QID_Plan(const TQID_Plan& start, const TQID_Editor_State& state) {
    TQID_Plan plan = start;
    plan.Set_Name(state.Name.c_str());
    plan.Set_Level(state.Level);
    plan.Set_Time(state.Time);
    plan.Set_Effect(state.Effect);
    plan.Set_Specialist(state.Specialist);
    plan.Set_Classification(state.Classification);
    plan.Set_Range(state.Range);
    plan.Set_Level_Range(state.Level_Range);
    plan.Set_Miss_Percent_Reduction(state.No_Miss ? -1 : state.Miss_Percent_Reduction);
    plan.Set_Base_Damage(state.Base_Damage);
    plan.Set_Level_Damage(state.Level_Damage);
    plan.Set_Duration(state.Duration);
    plan.Set_Duration_Level(state.Duration_Level);
    plan.Set_Permanent(state.Permanent);
    plan.Set_Sight(state.Sight);
    plan.Set_Area(state.Area);
    plan.Set_Area_Level(state.Area_Level);
    plan.Set_Shape(state.Shape);
    plan.Set_Width(state.Width);
    plan.Set_Depth(state.Depth);
    plan.Set_Height(state.Height);
    plan.Set_Description(state.Description.c_str());
    return plan;
}

bool Has_Area(QID_Plan::TEffect effect) {
    return effect == QID_Plan::QE_Area;
}

TCompound_Editor_State Compound_Editor_State(const TCompound_Plan& plan) {
    TCompound_Editor_State state;
    state.Name = plan.Get_Name();
    state.Level = plan.Get_Level();
    state.Classification = plan.Get_Classification();
    state.Effect = plan.Get_Effect();
    state.Area = plan.Get_Area();
    state.Area_Level = plan.Get_Area_Level();
    state.Age = plan.Get_Age();
    state.Duration = plan.Get_Duration();
    state.Duration_Level = plan.Get_Duration_Level();
    state.Base_Damage = plan.Get_Base_Damage();
    state.Level_Damage = plan.Get_Level_Damage();
    state.Miss = plan.Get_Miss();
    for (long round = TRound_Damage::Low_Index; round <= TRound_Damage::High_Index; ++round)
        state.Round_Damage[round] = plan.Get_Round_Damage(static_cast<int>(round));
    state.Description = plan.Get_Description();
    return state;
}

TCompound_Plan Build_Compound_Plan(const TCompound_Plan& start, const TCompound_Editor_State& state) {
    TCompound_Plan plan = start;
    plan.Set_Name(state.Name.c_str());
    plan.Set_Level(state.Level);
    plan.Set_Classification(state.Classification);
    plan.Set_Effect(state.Effect);
    plan.Set_Area(state.Area);
    plan.Set_Area_Level(state.Area_Level);
    plan.Set_Age(state.Age);
    plan.Set_Duration(state.Duration);
    plan.Set_Duration_Level(state.Duration_Level);
    plan.Set_Base_Damage(state.Base_Damage);
    plan.Set_Level_Damage(state.Level_Damage);
    plan.Set_Miss(state.Miss);
    for (long round = TRound_Damage::Low_Index; round <= TRound_Damage::High_Index; ++round)
        plan.Set_Round_Damage(static_cast<int>(round), state.Round_Damage[round]);
    plan.Set_Description(Memo_Lines_Joined(state.Description).c_str());
    return plan;
}

bool Has_Area(Compounds::TEffect effect) {
    return effect == Compounds::E_Area;
}

} // namespace Vexlor
