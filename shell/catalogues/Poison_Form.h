// The poison editor "Edit Poison": cost, detection and time of a poison, and the effects that
// apply on a hit and on a miss.
#pragma once

#include "catalogues/Poison_Template.h"
#include "catalogues/editing/Poison_Editing.h"
#include "shell/catalogues/Bound_Record_Edit.h"

#include <optional>
#include <string>
#include <vector>

class QListWidget;

namespace Vexlor {

using TPoison_Edit_Base = TBound_Record_Edit<TPoison_Editor_State, TPoison_Template, &TCatalogues::Poisons>;

class TPoison_Edit : public TPoison_Edit_Base {
    Q_OBJECT

  public:
    explicit TPoison_Edit(TServices& services, QWidget* parent = nullptr);
    ~TPoison_Edit() override;

  protected:
    TPoison_Editor_State New_State() const override;
    TPoison_Editor_State Record_State(TPoison_Template& record) const override;
    std::unique_ptr<TPoison_Template> Build(const TPoison_Editor_State& state,
                                            const TPoison_Template* original) const override;
    void Show(const TPoison_Editor_State& state) override;

  private:
    QListWidget* Effect_List(const char* object_name,
                             std::optional<std::string> TPoison_Editor_State::*field);
    // The effect names of the catalogue, in catalogue order.
    std::vector<std::string> Effect_Names() const;

    std::vector<std::string> Lines; // the lines of both effect lists
};

} // namespace Vexlor
