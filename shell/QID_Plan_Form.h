// The QID plan editor "Edit QID Plan": level, effect, specialist, range, miss, damage, duration,
// area and description of a QID.
#pragma once

#include "catalogues/QID_Plan.h"
#include "catalogues/editing/Plan_Editors.h"
#include "shell/Control_Bindings.h"
#include "shell/Record_Edit_Dialog.h"

#include <memory>
#include <optional>

namespace Vexlor {

class TQID_Edit : public TRecord_Edit_Dialog {
    Q_OBJECT

  public:
    explicit TQID_Edit(TServices& services, QWidget* parent = nullptr);
    ~TQID_Edit() override;

    void Clear_Record() override;
    bool Fill_Record(const std::string& name) override;
    std::string Built_Name() const override;
    void Store_Built() override;

  protected:
    void Build_Record() override;

  private:
    QWidget* Make_General_Page();
    QWidget* Make_Area_Page();
    QSpinBox* Number(const char* object_name, int TQID_Editor_State::*field, int low = INT_MIN,
                     int high = INT_MAX);
    QWidget* Range(const char* low_name, const char* high_name, TRange TQID_Editor_State::*field);
    void Show(const TQID_Editor_State& state);
    void Update_Area();

    TControl_Bindings<TQID_Editor_State> Bindings;
    std::optional<TQID_Plan> Original;
    std::unique_ptr<TQID_Plan> Built;
    QComboBox* Effect = nullptr;
    QSpinBox* Area = nullptr;
    QSpinBox* Area_Level = nullptr;
};

} // namespace Vexlor
