// The possessions of a generated character: QID devices, compounds and catalogue items, with the
// QID plans and compound recipes written on paper or kept in a PID. The referee tools fill a
// manager from random-table results through item specifications and describe what it holds.
#pragma once

#include "catalogues/Catalogue_Registry.h"
#include "catalogues/Item_Template.h"
#include "characters/Characters.h"
#include "foundations/Dice.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace Vexlor {

enum TItem_Type : std::uint8_t { IT_QID = 0, IT_Compound = 1, IT_General = 2 };

// An item specification is a kind, this character and a name: "Q" a QID device, "C" a compound,
// "P" a QID plan on paper, "R" a compound recipe on paper; without a kind, a catalogue item.
inline constexpr char Specification_Separator = '\xFF';
// The specification of something of a kind: kind + separator + name.
std::string Item_Specification(std::string_view kind, std::string_view name);

inline constexpr std::string_view Paper_Name = "Paper";

class TVexlor_Item : public TItem {
  public:
    int Get_Count() const override { return _Count; }
    const char* Get_Name() const override { return _Name.c_str(); }
    void Set_Count(int count) override { _Count = count; }
    void Set_Name(const char* name) override { _Name = name ? name : ""; }
    const char* Get_Given_Name() const override { return _Given_Name.c_str(); }
    void Set_Given_Name(const char* name) override { _Given_Name = name ? name : ""; }
    TInformation_Collection* Get_Information() const override { return _Information.get(); }
    void Set_Information(std::unique_ptr<TInformation_Collection> information) override {
        _Information = std::move(information);
    }
    virtual TItem_Type Item_Type() const { return IT_General; }

    // Worn or held ready: a generated character's first armour and first weapon.
    bool Equipped = false;

  private:
    std::string _Name;
    std::string _Given_Name;
    int _Count = 0;
    std::unique_ptr<TInformation_Collection> _Information;
};

class TQID_Device : public TVexlor_Item {
  public:
    TItem_Type Item_Type() const override { return IT_QID; }

    int Level = 0;
    std::string QID; // the QID's name
};

class TCompound : public TVexlor_Item {
  public:
    TItem_Type Item_Type() const override { return IT_Compound; }

    int Level = 0;
    std::string Compound; // the compound's name
};

// A catalogue item: the attributes of its item template as they were when it was made.
class TGeneral_Item : public TVexlor_Item {
  public:
    // Copies the template's attributes and takes its count.
    explicit TGeneral_Item(const TItem_Template& item_template);

    int Armor_Bonus = 0;
    int Capacity = 0;
    TIntelligent_Classes Classes{};
    int Charges = 0;
    int Cognitive = 0;
    TRange Damage;
    int KVA = 0;
    int Duration = 0;
    int Hit_Adjustment = 0;
    int HP = 0;
    bool Huge = false;
    int Insulation = 0;
    TIntelligence Intelligence;
    int Languages_Known = 0;
    int Max_Power_Packs = 0;
    std::string Morphable;
    int Range = 0;
    int Regeneration = 0;
    int Regeneration_Period = 0;
    int Resist_Acid = 0;
    int Resist_Cold = 0;
    int Resist_Electricity = 0;
    std::string QIDs;
    bool Self_Propelled = false;
    bool Sense_Lifeform = false;
    bool Sense_QIDs = false;
    bool Sense_Chemicals = false;
    bool Sense_Secret_Doors = false;
    int Speed = 0;
    int Strength = 0;
    bool Surveillance = false;
    int Time = 0;
    bool Two_Hands = false;
    bool Warp = false;
    TWeapon_Class Weapon_Class = WC_Energy;
    std::string Weapons;
    int Weight = 0;
};

namespace Item_Man {

// What an item carries written down: the name of a QID plan or a compound recipe.
class TPlan_Reference : public TInformation {
  public:
    explicit TPlan_Reference(std::string name) : _Name(std::move(name)) {}
    const std::string& Get_Name() const { return _Name; }

  private:
    std::string _Name;
};

// A QID plan: its kind answers "qid".
class TQID_Plan : public TPlan_Reference {
  public:
    using TPlan_Reference::TPlan_Reference;
    bool Is_Type(const char* kind) const override;
};

} // namespace Item_Man

// A compound recipe: its kind answers "compound".
class TCompound_Recipe : public Item_Man::TPlan_Reference {
  public:
    using TPlan_Reference::TPlan_Reference;
    bool Is_Type(const char* kind) const override;
};

// The item list as the character knows it; its operations keep this order.
class TItem_Manager : public TCommon_COM_Interface {
  public:
    virtual int Count() const = 0;
    virtual TVexlor_Item* Get_Item(int index) const = 0;
    virtual void Set_Item(int index, std::unique_ptr<TVexlor_Item> item) = 0;
    virtual int Add(std::unique_ptr<TVexlor_Item> item) = 0;
    virtual int Add(std::string_view specification) = 0;
    virtual const char* Serialize() = 0;
    virtual void Deserialize(const char* text) = 0;
};

// A generated character's possessions. The manager owns its items and frees them with itself.
class TVexlor_Item_Manager : public TItem_Manager {
  public:
    // Catalogue items are looked up in items; without a registry none can be added.
    explicit TVexlor_Item_Manager(TItem_Registry* items) : Items(items) {}

    int Count() const override { return static_cast<int>(_Items.size()); }
    // The item at a 0-based index; an index outside the list raises std::out_of_range.
    TVexlor_Item* Get_Item(int index) const override;
    // Replaces (and frees) the item at an index; an index outside the list raises std::out_of_range.
    void Set_Item(int index, std::unique_ptr<TVexlor_Item> item) override;
    // Appends the item and returns its index.
    int Add(std::unique_ptr<TVexlor_Item> item) override;
    // Builds an item from a specification (see Specification_Separator) and appends it; returns
    // its index, or -1 when the catalogue has no such item (or no "Paper" to write a plan on) or
    // the kind is unknown. A plan or recipe on paper is the index of the paper.
    int Add(std::string_view specification) override;
    // A generated character's possessions are never stored: always the empty text.
    const char* Serialize() override { return ""; }
    void Deserialize(const char* /*text*/) override {}

  private:
    std::size_t Checked_Index(int index) const;
    int Add_Named(std::unique_ptr<TVexlor_Item> item, const std::string& name);
    int Add_General(std::string_view name);
    int Add_On_Paper(std::shared_ptr<TInformation> plan);

    TItem_Registry* Items;
    std::vector<std::unique_ptr<TVexlor_Item>> _Items;
};

} // namespace Vexlor
