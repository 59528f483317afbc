// The item template editor "Edit Item Template": every property of an item on six pages, the
// suggested cost and weight, and the roll for the intelligence of an armour.
#pragma once

#include "catalogues/Item_Template.h"
#include "catalogues/editing/Item_Editor.h"
#include "shell/catalogues/Bound_Record_Edit.h"

class QComboBox;
class QLabel;
class QListWidget;

namespace Vexlor {

using TArmor_Edit_Base = TBound_Record_Edit<TItem_Editor_State, TItem_Template, &TCatalogues::Items>;

class TArmor_Edit : public TArmor_Edit_Base {
    Q_OBJECT

  public:
    explicit TArmor_Edit(TServices& services, QWidget* parent = nullptr);
    ~TArmor_Edit() override;

    void Clear_Record() override;
    bool Fill_Record(const std::string& name) override;

  protected:
    TItem_Editor_State New_State() const override;
    TItem_Editor_State Record_State(TItem_Template& record) const override;
    std::unique_ptr<TItem_Template> Build(const TItem_Editor_State& state,
                                          const TItem_Template* original) const override;
    void Show(const TItem_Editor_State& state) override;

  private:
    QWidget* Make_General_Page();
    QWidget* Make_Weapon_Page();
    QWidget* Make_Intelligence_Page();
    QWidget* Make_Other_Page();
    QWidget* Make_Weapons_Page();
    // A spin box whose changes recompute the cost and weight.
    QSpinBox* Input_Spin(const char* object_name, int low, int high);
    // A number and a flag bound to the state whose changes recompute the cost and weight.
    QSpinBox* Number(const char* object_name, int TItem_Editor_State::*field, int low = INT_MIN,
                     int high = INT_MAX);
    QCheckBox* Flag(const char* object_name, const QString& caption, bool TItem_Editor_State::*field);
    // A "<" / ">" pair of lists bound to the state whose moves recompute the cost.
    QWidget* Costed_Dual_List(const char* chosen_name, const char* available_name, const char* add_name,
                              const char* remove_name, TName_Choice TItem_Editor_State::*field,
                              const QString& chosen_caption, const QString& available_caption);
    void Update_Cost();
    void Update_Weight();
    void Roll();

    QComboBox* Morphable = nullptr;
    QLabel* Armor_Cost = nullptr;
    QLabel* Item_Weight = nullptr;
};

} // namespace Vexlor
