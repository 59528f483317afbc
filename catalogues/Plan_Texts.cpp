#include "Plan_Texts.h"

#include "Compounds.h"
#include "QID_Plan.h"

namespace Vexlor {
namespace {

std::string Duration_Range_Text(const TRange& range) {
    if (range.Low == range.High)
        return std::to_string(range.Low);
    return std::to_string(range.Low) + "-" + std::to_string(range.High);
}

bool Is_Nothing(const TRange& range) {
    return range.Low == 0 && range.High == 0;
}

} // namespace

std::string Duration_Text(const TRange& duration, const TRange& per_level) {
    if (Is_Nothing(duration) && Is_Nothing(per_level))
        return "Instantaneous";
    const bool levelled = per_level.Low != 0 && per_level.High != 0;
    if (!levelled)
        return Duration_Range_Text(duration);
    const std::string level_part = Duration_Range_Text(per_level) + "/level";
    return Is_Nothing(duration) ? level_part : Duration_Range_Text(duration) + " + " + level_part;
}

std::string Duration_Text(const TQID_Plan& plan) {
    return plan.Get_Permanent() ? "Permanent" : Duration_Text(plan.Get_Duration(), plan.Get_Duration_Level());
}

std::string Duration_Text(const TCompound_Plan& plan) {
    return Duration_Text(plan.Get_Duration(), plan.Get_Duration_Level());
}

TPlan_Help QID_Help(const TQID_Plan& plan) {
    return {plan.Get_Name(), "Level: " + std::to_string(plan.Get_Level()),
            "Activation time: " + std::to_string(plan.Get_Time()), "Duration: " + Duration_Text(plan),
            plan.Get_Description()};
}

TPlan_Help Compound_Help(const TCompound_Plan& plan) {
    return {plan.Get_Name(), "Level: " + std::to_string(plan.Get_Level()), "",
            "Duration: " + Duration_Text(plan), plan.Get_Description()};
}

} // namespace Vexlor
