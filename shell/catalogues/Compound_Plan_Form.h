// The compound plan editor "Edit Compound Plan": level, effect, area, aging, duration, damage with
// the share kept on a miss, the damage of up to nine further rounds, and the description.
#pragma once

#include "catalogues/Compounds.h"
#include "catalogues/editing/Plan_Editors.h"
#include "shell/catalogues/Bound_Record_Edit.h"

namespace Vexlor {

using TCompound_Edit_Base =
    TBound_Record_Edit<TCompound_Editor_State, TCompound_Plan, &TCatalogues::Compounds>;

class TCompound_Edit : public TCompound_Edit_Base {
    Q_OBJECT

  public:
    explicit TCompound_Edit(TServices& services, QWidget* parent = nullptr);
    ~TCompound_Edit() override;

  protected:
    TCompound_Editor_State New_State() const override;
    TCompound_Editor_State Record_State(TCompound_Plan& record) const override;
    std::unique_ptr<TCompound_Plan> Build(const TCompound_Editor_State& state,
                                          const TCompound_Plan* original) const override;
    void Show(const TCompound_Editor_State& state) override;

  private:
    QWidget* Make_General_Page();
    QWidget* Make_Rounds_Page();
    void Update_Area();

    QComboBox* Effect = nullptr;
    QSpinBox* Area = nullptr;
    QSpinBox* Area_Level = nullptr;
};

} // namespace Vexlor
