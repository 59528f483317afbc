// The effect editor "Edit Effect": onset, duration and repetition, the changes to abilities and
// figures, the conditions and senses, and the sub-effects, QID effects and body systems of an
// effect template.
#pragma once

#include "catalogues/Effect_Template.h"
#include "catalogues/editing/Effect_Editing.h"
#include "shell/catalogues/Bound_Record_Edit.h"

namespace Vexlor {

using TEffect_Edit_Base = TBound_Record_Edit<TEffect_Editor_State, TEffect_Template, &TCatalogues::Effects>;

class TEffect_Edit : public TEffect_Edit_Base {
    Q_OBJECT

  public:
    explicit TEffect_Edit(TServices& services, QWidget* parent = nullptr);
    ~TEffect_Edit() override;

  protected:
    TEffect_Editor_State New_State() const override;
    TEffect_Editor_State Record_State(TEffect_Template& record) const override;
    std::unique_ptr<TEffect_Template> Build(const TEffect_Editor_State& state,
                                            const TEffect_Template* original) const override;

  private:
    QWidget* Make_General_Page();
    QWidget* Make_Conditions_Page();
    QWidget* Make_Lists_Page();
    // The catalogue's effects with their sub-effects, and its QID plans, in catalogue order.
    std::vector<TEffect_Links> Effect_Links() const;
    std::vector<std::string> QID_Names() const;
};

} // namespace Vexlor
