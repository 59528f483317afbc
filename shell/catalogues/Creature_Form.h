// The creature editor "Edit Creature": every property of a creature profile on five pages, the
// number appearing, levels and damages kept in order as low/high pairs.
#pragma once

#include "catalogues/Creature_Profile.h"
#include "catalogues/editing/Creature_Editing.h"
#include "shell/catalogues/Bound_Record_Edit.h"

#include <array>

class QButtonGroup;
class QListWidget;

namespace Vexlor {

using TCreature_Edit_Base =
    TBound_Record_Edit<TCreature_Editor_State, TCreature_Profile, &TCatalogues::Creatures>;

class TCreature_Edit : public TCreature_Edit_Base {
    Q_OBJECT

  public:
    explicit TCreature_Edit(TServices& services, QWidget* parent = nullptr);
    ~TCreature_Edit() override;

  protected:
    TCreature_Editor_State New_State() const override;
    TCreature_Editor_State Record_State(TCreature_Profile& record) const override;
    std::unique_ptr<TCreature_Profile> Build(const TCreature_Editor_State& state,
                                             const TCreature_Profile* original) const override;
    void Show(const TCreature_Editor_State& state) override;

  private:
    QWidget* Make_General_Page();
    QWidget* Make_Attack_Page();
    QWidget* Make_Habitat_Page();
    QWidget* Make_Abilities_Page();
    QWidget* Make_Frequency_Box();
    QListWidget* Choice_List(const char* object_name, const std::vector<std::string>& entries,
                             std::array<int, 2> TCreature_Editor_State::*field, int slot);
    void Update_Attack_Rows();

    QButtonGroup* Frequency = nullptr;
    QSpinBox* Attacks = nullptr;
    std::array<QWidget*, 10> Attack_Rows{};
};

} // namespace Vexlor
