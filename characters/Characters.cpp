#include "Characters.h"

#include <stdexcept>

namespace Vexlor {
namespace {

// Position i of a list of size entries, or std::out_of_range.
std::size_t Checked_Index(int i, std::size_t size) {
    if (i < 0 || static_cast<std::size_t>(i) >= size)
        throw std::out_of_range("List index out of bounds (" + std::to_string(i) + ")");
    return static_cast<std::size_t>(i);
}

} // namespace

TVexlor_Character::TVexlor_Character() = default;

TBitmap_Handle TVexlor_Character::Get_Bitmap() const {
    return _Bitmap ? _Bitmap->Get_Handle() : nullptr;
}

void TVexlor_Character::Set_Bitmap(TBitmap_Handle handle) {
    _Set_Bitmap(std::make_unique<TPicture>(std::move(handle)));
}

void TVexlor_Character::_Set_Bitmap(std::unique_ptr<TPicture> picture) {
    _Bitmap = std::move(picture);
}

void TVexlor_Character::Assign(const TCharacter& source) {
    const auto* other = dynamic_cast<const TVexlor_Character*>(&source);
    if (!other)
        throw std::invalid_argument("Only a Vexlor character can be assigned to a Vexlor character");
    // The gender comes before the name, so that the name's variants are looked up in the name
    // file of the gender the character is getting.
    _Gender = source.Get_Gender();
    _Set_Name(other->_Name);
    Strength = other->Strength;
    Constitution = other->Constitution;
    Dexterity = other->Dexterity;
    Cognitive = other->Cognitive;
    Perception = other->Perception;
    Wisdom = other->Wisdom;
    Charisma = other->Charisma;
    Comeliness = other->Comeliness;
    Will = other->Will;
    Age = other->Age;
    Height = other->Height;
    Weight = other->Weight;
    Child = other->Child;
    Siblings = other->Siblings;
    Parents = other->Parents;
    Hit_Points = other->Hit_Points;
    AC = other->AC;
    __Class = other->__Class;
    _Level = other->_Level;
    Specialty = other->Specialty;
    Credits = other->Credits;
    Proficient_Weapons = other->Proficient_Weapons;
    _Experience = other->_Experience;
    Personality = other->Personality;
}

std::string TVexlor_Character::Class_Summary() const {
    std::string summary;
    for (int slot = TClass_Slots::Low_Index; slot <= TClass_Slots::High_Index; ++slot) {
        if (__Class[slot] < 0)
            continue;
        if (!summary.empty())
            summary += '/';
        summary.append(Class_Name[__Class[slot]]).append(" ").append(std::to_string(_Level[slot]));
    }
    return summary;
}

const char* TVexlor_Character::Description() {
    Description_Temp = Class_Summary();
    return Description_Temp.c_str();
}

const char* TVexlor_Character::Status() {
    Temp.clear();
    return Temp.c_str();
}

int TVexlor_Character::Get_Classes() const {
    int filled = 0;
    for (const int class_index : __Class)
        if (class_index >= 0)
            ++filled;
    return filled;
}

int TVexlor_Character::Get_Class(int slot) const {
    return __Class[slot];
}

void TVexlor_Character::Set_Class(int slot, int class_index) {
    if (class_index < -1 || class_index > Max_Class_Offset)
        throw std::out_of_range("Range check error: class " + std::to_string(class_index));
    __Class[slot] = class_index;
}

int TVexlor_Character::Get_Level(int slot) const {
    return _Level[slot];
}

int TVexlor_Character::Get_Experience(int slot) const {
    return _Experience[slot];
}

void TVexlor_Character::Set_Experience(int slot, int points) {
    _Experience[slot] = points;
}

void TVexlor_Character::Set_Max_QIDS(int qid_level, int count) {
    _Max_QIDS[qid_level] = count;
}

void TVexlor_Character::Set_Max_CompoundS(int compound_level, int count) {
    _Max_Compounds[compound_level] = count;
}

TVexlor_Character* TVexlor_Party::Get_Member(int index) const {
    if (index < 0)
        throw std::out_of_range("Range check error: party member " + std::to_string(index));
    return Members.at(static_cast<std::size_t>(index));
}

TInformation* TInformation_Collection::Get_Index(int i) const {
    return Items[Checked_Index(i, Items.size())].get();
}

void TInformation_Collection::Set_Index(int i, std::shared_ptr<TInformation> item) {
    Items[Checked_Index(i, Items.size())] = std::move(item);
}

int TInformation_Collection::Add(std::shared_ptr<TInformation> item) {
    Items.push_back(std::move(item));
    return Count() - 1;
}

void TInformation_Collection::Insert(int i, std::shared_ptr<TInformation> item) {
    const std::size_t at = Checked_Index(i, Items.size() + 1);
    Items.insert(Items.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
}

int TInformation_Collection::IndexOf(const TInformation* item) const {
    for (std::size_t i = 0; i < Items.size(); ++i)
        if (Items[i].get() == item)
            return static_cast<int>(i);
    return -1;
}

int TInformation_Collection::Remove(const TInformation* item) {
    const int index = IndexOf(item);
    if (index >= 0)
        Items.erase(Items.begin() + index);
    return index;
}

void TInformation_Collection::Assign(const TInformation_Collection& source) {
    Items = source.Items;
}

} // namespace Vexlor
