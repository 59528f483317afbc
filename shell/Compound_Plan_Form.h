// The compound plan editor "Edit Compound Plan": level, effect, area, aging, duration, damage with
// the share kept on a miss, the damage of up to nine further rounds, and the description.
#pragma once

#include "catalogues/Compounds.h"
#include "catalogues/editing/Plan_Editors.h"
#include "shell/Control_Bindings.h"
#include "shell/Record_Edit_Dialog.h"

#include <memory>
#include <optional>

namespace Vexlor {

class TCompound_Edit : public TRecord_Edit_Dialog {
    Q_OBJECT

  public:
    explicit TCompound_Edit(TServices& services, QWidget* parent = nullptr);
    ~TCompound_Edit() override;

    void Clear_Record() override;
    bool Fill_Record(const std::string& name) override;
    std::string Built_Name() const override;
    void Store_Built() override;

  protected:
    void Build_Record() override;

  private:
    QWidget* Make_General_Page();
    QWidget* Make_Rounds_Page();
    QSpinBox* Number(const char* object_name, int TCompound_Editor_State::*field, int low = INT_MIN,
                     int high = INT_MAX);
    QWidget* Range(const char* low_name, const char* high_name, TRange TCompound_Editor_State::*field);
    void Show(const TCompound_Editor_State& state);
    void Update_Area();

    TControl_Bindings<TCompound_Editor_State> Bindings;
    std::optional<TCompound_Plan> Original;
    std::unique_ptr<TCompound_Plan> Built;
    QComboBox* Effect = nullptr;
    QSpinBox* Area = nullptr;
    QSpinBox* Area_Level = nullptr;
};

} // namespace Vexlor
