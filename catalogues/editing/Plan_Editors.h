// The QID and compound plan editors' controls as plain values, and the mapping between them and a
// plan: filling an editor from a plan and building a plan from an editor.
#pragma once

#include "catalogues/Compounds.h"
#include "catalogues/QID_Plan.h"

#include <string>

namespace Vexlor {

// What each control of the QID plan editor shows. A new plan starts at level 1: at level 0 it
// would hide under the list's level filter, whose lowest level is 1.
struct TQID_Editor_State {
    std::string Name;
    int Level = 1;
    int Time = 0;
    QID_Plan::TEffect Effect = QID_Plan::QE_None;
    TSpecialist Specialist = S_All;
    TQID_Class Classification = QC_Other;
    int Range = 0;
    int Level_Range = 0;
    int Miss_Percent_Reduction = 0;
    bool No_Miss = false;
    TRange Base_Damage;
    TRange Level_Damage;
    TRange Duration;
    TRange Duration_Level;
    bool Permanent = false;
    bool Sight = false;
    int Area = 0;
    int Area_Level = 0;
    TEffect_Shape Shape = ES_Other;
    int Width = 0;
    int Depth = 0;
    int Height = 0;
    std::string Description;

    bool operator==(const TQID_Editor_State&) const = default;
};

TQID_Editor_State QID_Editor_State(const TQID_Plan& plan);
// The plan start with every property the editor shows overwritten; editing passes a copy of the
// edited plan, so its age (which has no control) is kept.
TQID_Plan Build_QID_Plan(const TQID_Plan& start, const TQID_Editor_State& state);
// Whether the area boxes take input: only for a QID whose effect is an area.
bool Has_Area(QID_Plan::TEffect effect);

// What each control of the compound plan editor shows; a new plan starts at level 1.
struct TCompound_Editor_State {
    std::string Name;
    int Level = 1;
    TCompound_Class Classification = CC_Other;
    Compounds::TEffect Effect = Compounds::E_None;
    int Area = 0;
    int Area_Level = 0;
    TRange Age;
    TRange Duration;
    TRange Duration_Level;
    TRange Base_Damage;
    TRange Level_Damage;
    int Miss = 0;
    TRound_Damage Round_Damage{};
    std::string Description; // the memo's text; stored as its lines joined with one blank

    bool operator==(const TCompound_Editor_State&) const = default;
};

TCompound_Editor_State Compound_Editor_State(const TCompound_Plan& plan);
TCompound_Plan Build_Compound_Plan(const TCompound_Plan& start, const TCompound_Editor_State& state);
bool Has_Area(Compounds::TEffect effect);

} // namespace Vexlor
