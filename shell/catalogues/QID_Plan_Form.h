// The QID plan editor "Edit QID Plan": level, effect, specialist, range, miss, damage, duration,
// area and description of a QID.
#pragma once

#include "catalogues/QID_Plan.h"
#include "catalogues/editing/Plan_Editors.h"
#include "shell/catalogues/Bound_Record_Edit.h"

namespace Vexlor {

using TQID_Edit_Base = TBound_Record_Edit<TQID_Editor_State, TQID_Plan, &TCatalogues::QIDs>;

class TQID_Edit : public TQID_Edit_Base {
    Q_OBJECT

  public:
    explicit TQID_Edit(TServices& services, QWidget* parent = nullptr);
    ~TQID_Edit() override;

  protected:
    TQID_Editor_State New_State() const override;
    TQID_Editor_State Record_State(TQID_Plan& record) const override;
    std::unique_ptr<TQID_Plan> Build(const TQID_Editor_State& state,
                                     const TQID_Plan* original) const override;
    void Show(const TQID_Editor_State& state) override;

  private:
    QWidget* Make_General_Page();
    QWidget* Make_Area_Page();
    void Update_Area();

    QComboBox* Effect = nullptr;
    QSpinBox* Area = nullptr;
    QSpinBox* Area_Level = nullptr;
};

} // namespace Vexlor
