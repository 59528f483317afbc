#include "Item_Man.h"

#include <cstring>
#include <stdexcept>

namespace Vexlor {

std::string Item_Specification(std::string_view kind, std::string_view name) {
    std::string specification(kind);
    specification += Specification_Separator;
    specification += name;
    return specification;
}

TGeneral_Item::TGeneral_Item(const TItem_Template& item_template)
    : Armor_Bonus(item_template.Get_Armor_Bonus()), Capacity(item_template.Get_Capacity()),
      Charges(item_template.Get_Charges()), Cognitive(item_template.Get_Cognitive()),
      Damage(item_template.Get_Damage()), Duration(item_template.Get_Duration()),
      Hit_Adjustment(item_template.Get_Hit_Adjustment()), HP(item_template.Get_HP()),
      Huge(item_template.Get_Huge()), Insulation(item_template.Get_Insulation()),
      Intelligence(item_template.Get_Intelligence()), Languages_Known(item_template.Get_Languages_Known()),
      Max_Power_Packs(item_template.Get_Max_Power_Packs()), Morphable(item_template.Get_Morphable()),
      Range(item_template.Get_Range()), Regeneration(item_template.Get_Regeneration()),
      Regeneration_Period(item_template.Get_Regeneration_Period()),
      Resist_Acid(item_template.Get_Resist_Acid()), Resist_Cold(item_template.Get_Resist_Cold()),
      Resist_Electricity(item_template.Get_Resist_Electricity()), QIDs(item_template.Get_QIDs()),
      Self_Propelled(item_template.Get_Self_Propelled()), Sense_Lifeform(item_template.Get_Sense_Lifeform()),
      Sense_QIDs(item_template.Get_Sense_QIDs()), Sense_Chemicals(item_template.Get_Sense_Chemicals()),
      Sense_Secret_Doors(item_template.Get_Sense_Secret_Doors()), Speed(item_template.Get_Speed()),
      Strength(item_template.Get_Strength()), Surveillance(item_template.Get_Surveillance()),
      Time(item_template.Get_Time()), Two_Hands(item_template.Get_Two_Hands()),
      Warp(item_template.Get_Warp()), Weapon_Class(item_template.Get_Weapon_Class()),
      Weapons(item_template.Get_Weapons()), Weight(item_template.Get_Weight()) {
    for (long slot = TIntelligent_Classes::Low_Index; slot <= TIntelligent_Classes::High_Index; ++slot)
        Classes[slot] = item_template.Get_Classes(static_cast<int>(slot));
    Set_Count(item_template.Get_Count());
}

namespace Item_Man {

bool TQID_Plan::Is_Type(const char* kind) const {
    return kind && std::strcmp(kind, "qid") == 0;
}

} // namespace Item_Man

bool TCompound_Recipe::Is_Type(const char* kind) const {
    return kind && std::strcmp(kind, "compound") == 0;
}

std::size_t TVexlor_Item_Manager::Checked_Index(int index) const {
    if (index < 0 || index >= Count())
        throw std::out_of_range("Item index " + std::to_string(index) + " outside the " +
                                std::to_string(Count()) + " items");
    return static_cast<std::size_t>(index);
}

TVexlor_Item* TVexlor_Item_Manager::Get_Item(int index) const {
    return _Items[Checked_Index(index)].get();
}

void TVexlor_Item_Manager::Set_Item(int index, std::unique_ptr<TVexlor_Item> item) {
    _Items[Checked_Index(index)] = std::move(item);
}

int TVexlor_Item_Manager::Add(std::unique_ptr<TVexlor_Item> item) {
    _Items.push_back(std::move(item));
    return Count() - 1;
}

int TVexlor_Item_Manager::Add(std::string_view specification) {
    const auto separator = specification.find(Specification_Separator);
    // Without a kind the whole specification, as written, names a catalogue item.
    if (separator == std::string_view::npos || separator == 0)
        return Add_General(specification);
    const std::string_view kind = specification.substr(0, separator);
    const std::string name(specification.substr(separator + 1));
    if (kind == "Q") {
        auto device = std::make_unique<TQID_Device>();
        device->QID = name;
        return Add_Named(std::move(device), name);
    }
    if (kind == "C") {
        auto compound = std::make_unique<TCompound>();
        compound->Compound = name;
        return Add_Named(std::move(compound), name);
    }
    if (kind == "P")
        return Add_On_Paper(std::make_shared<Item_Man::TQID_Plan>(name));
    if (kind == "R")
        return Add_On_Paper(std::make_shared<TCompound_Recipe>(name));
    return -1;
}

int TVexlor_Item_Manager::Add_Named(std::unique_ptr<TVexlor_Item> item, const std::string& name) {
    item->Set_Name(name.c_str());
    return Add(std::move(item));
}

int TVexlor_Item_Manager::Add_General(std::string_view name) {
    const std::string key(name);
    const TItem_Template* item_template = Items ? Items->Get(key.c_str()) : nullptr;
    if (!item_template)
        return -1;
    return Add_Named(std::make_unique<TGeneral_Item>(*item_template), key);
}

int TVexlor_Item_Manager::Add_On_Paper(std::shared_ptr<TInformation> plan) {
    const int paper = Add_General(Paper_Name);
    if (paper < 0)
        return -1;
    auto information = std::make_unique<TInformation_Collection>();
    information->Add(std::move(plan));
    Get_Item(paper)->Set_Information(std::move(information));
    return paper;
}

} // namespace Vexlor
