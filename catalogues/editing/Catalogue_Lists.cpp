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

int Selection_After_Delete(int deleted, int remaining) {
    return deleted < remaining ? deleted : remaining - 1;
}

std::string Delete_Question(const std::string& name) {
    return "Do you really want to delete " + name + "?";
}

std::string Name_Clash_Question(const std::string& name) {
    return "There is already an entry named " + name + ". Do you want to replace it?";
}

bool Replaces_Another(TCatalogue_List& catalogue, const std::optional<std::string>& edited_name,
                      const std::string& new_name) {
    return new_name != edited_name && catalogue.Contains(new_name);
}

} // namespace Vexlor
