// The item template editor "Edit Item Template": every property of an item on six pages, the
// suggested cost and weight, and the roll for the intelligence of an armour.
#pragma once

#include "catalogues/Item_Template.h"
#include "catalogues/editing/Item_Editor.h"
#include "shell/Control_Bindings.h"
#include "shell/Record_Edit_Dialog.h"

#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QListWidget;

namespace Vexlor {

class TArmor_Edit : public TRecord_Edit_Dialog {
    Q_OBJECT

  public:
    explicit TArmor_Edit(TServices& services, QWidget* parent = nullptr);
    ~TArmor_Edit() override;

    void Clear_Record() override;
    bool Fill_Record(const std::string& name) override;
    std::string Built_Name() const override;
    void Store_Built() override;

  protected:
    void Build_Record() override;

  private:
    QWidget* Make_General_Page();
    QWidget* Make_Weapon_Page();
    QWidget* Make_Intelligence_Page();
    QWidget* Make_Other_Page();
    QWidget* Make_Weapons_Page();
    QWidget* Make_Description_Page();
    // A spin box whose changes recompute the cost and weight.
    QSpinBox* Input_Spin(const char* object_name, int low, int high);
    QSpinBox* Number(const char* object_name, int TItem_Editor_State::*field, int low = INT_MIN,
                     int high = INT_MAX);
    QCheckBox* Flag(const char* object_name, const QString& caption, bool TItem_Editor_State::*field);
    QWidget* Make_Dual_List(const char* chosen_name, const char* available_name, const char* add_name,
                            const char* remove_name, TName_Choice TItem_Editor_State::*field,
                            const QString& chosen_caption, const QString& available_caption);
    void Show(const TItem_Editor_State& state);
    TItem_Editor_State Shown() const;
    void Update_Cost();
    void Update_Weight();
    void Roll();

    TControl_Bindings<TItem_Editor_State> Bindings;
    TItem_Editor_State Last_Shown;
    std::optional<TItem_Template> Original;
    std::unique_ptr<TItem_Template> Built;
    QComboBox* Morphable = nullptr;
    QLabel* Armor_Cost = nullptr;
    QLabel* Item_Weight = nullptr;
};

} // namespace Vexlor
