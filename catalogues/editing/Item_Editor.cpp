#include "Item_Editor.h"

#include "catalogues/QID_Plan.h"
#include "foundations/CommonUt.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace Vexlor {

namespace {

template <class Record, class Keep>
std::vector<std::string> Names_In(TCatalogue_Registry<Record>* registry, Keep keep) {
    std::vector<std::string> names;
    if (!registry)
        return names;
    const std::int32_t count = registry->Count();
    for (std::int32_t index = 0; index < count; ++index)
        if (const Record* record = registry->Get(index); record && keep(*record))
            names.emplace_back(record->Get_Name());
    return names;
}

// The equip list lines of a set of places: each word of its text with an upper-case first letter,
// when the list holds it ("torso" stands for back, chest and abdomen together).
std::vector<std::string> Equip_Lines(int equip_class) {
    std::vector<std::string> lines;
    const std::string words = EC_To_String(equip_class);
    for (std::size_t from = 0; from < words.size();) {
        const std::size_t comma = std::min(words.find(',', from), words.size());
        std::string word = words.substr(from, comma - from);
        from = comma + 1;
        if (word.empty())
            continue;
        word.front() = Upper_Char(word.front());
        if (std::find(Equip_Class_Words.begin(), Equip_Class_Words.end(), word) != Equip_Class_Words.end())
            lines.push_back(word);
    }
    return lines;
}

std::optional<int> Slot_Of_Class(const TItem_Template& item, int class_index) {
    for (int slot = 0; slot <= 3; ++slot)
        if (item.Get_Classes(slot)._Class == class_index)
            return slot;
    return std::nullopt;
}

int Class_Level(const TItem_Template& item, int class_index) {
    const auto slot = Slot_Of_Class(item, class_index);
    return slot ? item.Get_Classes(*slot).Level : 0;
}

// The class's level goes into the slot that holds the class already, else into the first free
// slot; a level of 0 frees the class's slot. Slots of other classes are left as they are.
void Set_Class_Level(TItem_Template& item, int class_index, int level, const std::string& class_name) {
    auto slot = Slot_Of_Class(item, class_index);
    if (!slot && level != 0) {
        slot = Slot_Of_Class(item, TIntelligent_Class{}._Class);
        if (!slot)
            throw std::invalid_argument("The item has no free class slot for its " + class_name +
                                        " level: it holds four other classes.");
    }
    if (slot)
        item.Set_Classes(*slot, level != 0 ? TIntelligent_Class{class_index, level} : TIntelligent_Class{});
}

std::string Joined(const std::vector<std::string>& pieces, char separator) {
    std::string text;
    for (const auto& piece : pieces) {
        if (!text.empty())
            text += separator;
        text += piece;
    }
    return text;
}

} // namespace

TItem_Choices Item_Choices(TItem_Registry* items, TQID_Registry* qids) {
    return {
        Names_In(qids, [](const TQID_Plan&) { return true; }),
        Names_In(items, [](const TItem_Template& item) { return item.Get_Classification() == IC_Weapon; })};
}

TItem_Editor_State New_Item_Editor_State(const TItem_Choices& choices) {
    TItem_Editor_State state;
    state.QIDs.Available = choices.QIDs;
    state.Weapons.Available = choices.Weapons;
    return state;
}

TItem_Editor_State Item_Editor_State(const TItem_Template& item, const TItem_Choices& choices) {
    TItem_Editor_State state;
    state.Name = item.Get_Name();
    state.Classification = item.Get_Classification();
    state.Huge = item.Get_Huge();
    state.HP = item.Get_HP();
    state.Insulation = item.Get_Insulation();
    state.Count = item.Get_Count();
    state.Capacity = item.Get_Capacity();
    state.Base_Cost = item.Get_Cost();
    state.Cost_Per_HP = item.Get_Cost_Per_HP();
    state.Cost_Per_Capacity = item.Get_Cost_Per_Capacity();
    state.Weight = item.Get_Weight();
    state.Weight_Additional = item.Get_Weight_Additional();
    state.Weight_Per_Capacity = item.Get_Weight_Per_Capacity();
    state.Hit_Adjustment = item.Get_Hit_Adjustment();
    state.Time = item.Get_Time();
    state.Charges = item.Get_Charges();
    state.Range = item.Get_Range();
    state.Damage = item.Get_Damage();
    state.Per_KVA = item.Get_Damage_Per_KVA();
    state.Weapon_Class = item.Get_Weapon_Class();
    state.Morphable = item.Get_Morphable();
    state.Self_Propelled = item.Get_Self_Propelled();
    state.Surveillance = item.Get_Surveillance();
    state.Sense_Lifeform = item.Get_Sense_Lifeform();
    state.Sense_QIDs = item.Get_Sense_QIDs();
    state.Sense_Chemicals = item.Get_Sense_Chemicals();
    state.Sense_Secret_Doors = item.Get_Sense_Secret_Doors();
    state.Languages_Known = item.Get_Languages_Known();
    state.Intelligence = item.Get_Intelligence();
    state.Linguist_Level = Class_Level(item, Linguist_Class);
    state.Historian_Level = Class_Level(item, Historian_Class);
    state.Armor_Bonus = item.Get_Armor_Bonus();
    state.Duration = item.Get_Duration();
    state.Strength = item.Get_Strength();
    state.Max_Power_Packs = item.Get_Max_Power_Packs();
    state.Two_Hands = item.Get_Two_Hands();
    state.Regeneration = item.Get_Regeneration();
    state.Regeneration_Period = item.Get_Regeneration_Period();
    state.Speed = item.Get_Speed();
    state.Warp = item.Get_Warp();
    state.Equip_Classes = Equip_Lines(item.Get_Equip_Class());
    state.QIDs = Choose_Names(choices.QIDs, item.Get_QIDs());
    state.Weapons = Choose_Names(choices.Weapons, item.Get_Weapons());
    state.Description = item.Get_Description();
    return state;
}

TItem_Template Build_Item_Template(const TItem_Template& start, const TItem_Editor_State& state) {
    TItem_Template item = start;
    item.Set_Name(state.Name.c_str());
    item.Set_Classification(state.Classification);
    item.Set_Huge(state.Huge);
    item.Set_HP(state.HP);
    item.Set_Insulation(state.Insulation);
    // Count, Capacity and the cost's "Per capacity" have controls, so they are carried: leaving
    // them out would turn a container such as a backpack into one that holds nothing.
    item.Set_Count(state.Count);
    item.Set_Capacity(state.Capacity);
    item.Set_Cost(state.Base_Cost);
    item.Set_Cost_Per_HP(state.Cost_Per_HP);
    item.Set_Cost_Per_Capacity(state.Cost_Per_Capacity);
    item.Set_Weight(state.Weight);
    item.Set_Weight_Additional(state.Weight_Additional);
    item.Set_Weight_Per_Capacity(state.Weight_Per_Capacity);
    item.Set_Hit_Adjustment(state.Hit_Adjustment);
    item.Set_Time(state.Time);
    item.Set_Charges(state.Charges);
    item.Set_Range(state.Range);
    item.Set_Damage(state.Damage);
    item.Set_Damage_Per_KVA(state.Per_KVA);
    item.Set_Weapon_Class(state.Weapon_Class);
    item.Set_Morphable(state.Morphable.c_str());
    item.Set_Self_Propelled(state.Self_Propelled);
    item.Set_Surveillance(state.Surveillance);
    item.Set_Sense_Lifeform(state.Sense_Lifeform);
    item.Set_Sense_QIDs(state.Sense_QIDs);
    item.Set_Sense_Chemicals(state.Sense_Chemicals);
    item.Set_Sense_Secret_Doors(state.Sense_Secret_Doors);
    item.Set_Languages_Known(state.Languages_Known);
    item.Set_Intelligence(state.Intelligence);
    Set_Class_Level(item, Linguist_Class, state.Linguist_Level, "Linguist");
    Set_Class_Level(item, Historian_Class, state.Historian_Level, "Historian");
    item.Set_Armor_Bonus(state.Armor_Bonus);
    item.Set_Duration(state.Duration);
    item.Set_Strength(state.Strength);
    item.Set_Max_Power_Packs(state.Max_Power_Packs);
    item.Set_Two_Hands(state.Two_Hands);
    item.Set_Regeneration(state.Regeneration);
    item.Set_Regeneration_Period(state.Regeneration_Period);
    item.Set_Speed(state.Speed);
    item.Set_Warp(state.Warp);
    item.Set_Equip_Class(String_To_EC(Joined(state.Equip_Classes, ',')));
    item.Set_QIDs(Join_Names(state.QIDs.Chosen).c_str());
    item.Set_Weapons(Join_Names(state.Weapons.Chosen).c_str());
    item.Set_Description(state.Description.c_str());
    return item;
}

} // namespace Vexlor
