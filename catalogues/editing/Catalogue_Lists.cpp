#include "Catalogue_Lists.h"

#include "catalogues/Compounds.h"
#include "catalogues/Item_Template.h"
#include "catalogues/QID_Plan.h"

namespace Vexlor {

bool Is_Listed(const TItem_Template& item, const TList_Filter& filter) {
    return !filter.Classification || Item_Class_String[item.Get_Classification()] == *filter.Classification;
}

bool Is_Listed(const TQID_Plan& plan, const TList_Filter& filter) {
    return !filter.Level || plan.Get_Level() == *filter.Level;
}

bool Is_Listed(const TCompound_Plan& plan, const TList_Filter& filter) {
    return !filter.Level || plan.Get_Level() == *filter.Level;
}

namespace {

template <class Plan>
TList_Filter Level_Showing(const Plan& plan, const TList_Filter& current, int highest_level) {
    if (Is_Listed(plan, current))
        return current;
    const int level = plan.Get_Level();
    return level >= 1 && level <= highest_level ? TList_Filter{{}, level} : TList_Filter{};
}

} // namespace

TList_Filter Filter_Showing(const TItem_Template& item, const TList_Filter& current, int) {
    if (Is_Listed(item, current))
        return current;
    return {std::string(Item_Class_String[item.Get_Classification()]), {}};
}

TList_Filter Filter_Showing(const TQID_Plan& plan, const TList_Filter& current, int highest_level) {
    return Level_Showing(plan, current, highest_level);
}

TList_Filter Filter_Showing(const TCompound_Plan& plan, const TList_Filter& current, int highest_level) {
    return Level_Showing(plan, current, highest_level);
}

int Selection_After_Delete(int deleted, int remaining) {
    return deleted < remaining ? deleted : remaining - 1;
}

std::string Delete_Question(const std::string& name, const std::vector<std::string>& users) {
    std::string question = "Do you really want to delete " + name + "?";
    if (users.empty())
        return question;
    question += "\n\nIt is used by ";
    for (std::size_t index = 0; index < users.size(); ++index)
        question += (index == 0 ? "" : index + 1 == users.size() ? " and " : ", ") + users[index];
    return question + ", which will miss it.";
}

std::string Name_Clash_Question(const std::string& name) {
    return "There is already an entry named " + name + ". Do you want to replace it?";
}

bool Replaces_Another(TCatalogue_List& catalogue, const std::optional<std::string>& edited_name,
                      const std::string& new_name) {
    return new_name != edited_name && catalogue.Contains(new_name);
}

} // namespace Vexlor
