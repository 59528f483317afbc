// The effect editor "Edit Effect": onset, duration and repetition, the changes to abilities and
// figures, the conditions and senses, and the sub-effects, QID effects and body systems of an
// effect template.
#pragma once

#include "catalogues/Effect_Template.h"
#include "catalogues/editing/Effect_Editing.h"
#include "shell/Control_Bindings.h"
#include "shell/Record_Edit_Dialog.h"

#include <memory>
#include <optional>

namespace Vexlor {

class TEffect_Edit : public TRecord_Edit_Dialog {
    Q_OBJECT

  public:
    explicit TEffect_Edit(TServices& services, QWidget* parent = nullptr);
    ~TEffect_Edit() override;

    void Clear_Record() override;
    bool Fill_Record(const std::string& name) override;
    std::string Built_Name() const override;
    void Store_Built() override;

  protected:
    void Build_Record() override;

  private:
    QWidget* Make_General_Page();
    QWidget* Make_Conditions_Page();
    QWidget* Make_Lists_Page();
    QWidget* Make_Description_Page();
    QLineEdit* Text(const char* object_name, std::string TEffect_Editor_State::*field);
    QSpinBox* Number(const char* object_name, int TEffect_Editor_State::*field);
    QWidget* Make_Dual_List(const char* chosen_name, const char* available_name, const char* add_name,
                            const char* remove_name, TName_Choice TEffect_Editor_State::*field,
                            const QString& chosen_caption, const QString& available_caption);
    // The catalogue's effects with their sub-effects, and its QID plans, in catalogue order.
    std::vector<TEffect_Links> Effect_Links() const;
    std::vector<std::string> QID_Names() const;
    void Show(const TEffect_Editor_State& state);

    TControl_Bindings<TEffect_Editor_State> Bindings;
    TEffect_Editor_State Last_Shown;
    std::optional<TEffect_Template> Original;
    std::unique_ptr<TEffect_Template> Built;
};

} // namespace Vexlor
