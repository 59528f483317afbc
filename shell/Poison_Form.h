// The poison editor "Edit Poison": cost, detection and time of a poison, and the effects that
// apply on a hit and on a miss.
#pragma once

#include "catalogues/Poison_Template.h"
#include "catalogues/editing/Poison_Editing.h"
#include "shell/Control_Bindings.h"
#include "shell/Record_Edit_Dialog.h"

#include <memory>
#include <optional>

class QListWidget;

namespace Vexlor {

class TPoison_Edit : public TRecord_Edit_Dialog {
    Q_OBJECT

  public:
    explicit TPoison_Edit(TServices& services, QWidget* parent = nullptr);
    ~TPoison_Edit() override;

    void Clear_Record() override;
    bool Fill_Record(const std::string& name) override;
    std::string Built_Name() const override;
    void Store_Built() override;

  protected:
    void Build_Record() override;

  private:
    QListWidget* Effect_List(const char* object_name,
                             std::optional<std::string> TPoison_Editor_State::*field);
    // The effect names of the catalogue, in catalogue order.
    std::vector<std::string> Effect_Names() const;
    void Show(const TPoison_Editor_State& state);

    TControl_Bindings<TPoison_Editor_State> Bindings;
    TPoison_Editor_State Last_Shown;
    std::optional<TPoison_Template> Original;
    std::unique_ptr<TPoison_Template> Built;
    std::vector<std::string> Lines; // the lines of both effect lists
};

} // namespace Vexlor
