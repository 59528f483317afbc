// The creature editor "Edit Creature": every property of a creature profile on five pages, the
// number appearing, levels and damages kept in order as low/high pairs.
#pragma once

#include "catalogues/Creature_Profile.h"
#include "catalogues/editing/Creature_Editing.h"
#include "shell/Control_Bindings.h"
#include "shell/Record_Edit_Dialog.h"

#include <array>
#include <memory>
#include <optional>

class QButtonGroup;
class QListWidget;

namespace Vexlor {

class TCreature_Edit : public TRecord_Edit_Dialog {
    Q_OBJECT

  public:
    explicit TCreature_Edit(TServices& services, QWidget* parent = nullptr);
    ~TCreature_Edit() override;

    void Clear_Record() override;
    bool Fill_Record(const std::string& name) override;
    std::string Built_Name() const override;
    void Store_Built() override;

  protected:
    void Build_Record() override;

  private:
    QWidget* Make_General_Page();
    QWidget* Make_Attack_Page();
    QWidget* Make_Habitat_Page();
    QWidget* Make_Abilities_Page();
    QWidget* Make_Description_Page();
    QWidget* Make_Frequency_Box();
    QSpinBox* Number(const char* object_name, int TCreature_Editor_State::*field, int low = INT_MIN,
                     int high = INT_MAX);
    QCheckBox* Flag(const char* object_name, const QString& caption, bool TCreature_Editor_State::*field);
    QLineEdit* Text(const char* object_name, std::string TCreature_Editor_State::*field);
    QWidget* Range(const char* low_name, const char* high_name, TRange TCreature_Editor_State::*field,
                   int low, int high);
    QListWidget* Choice_List(const char* object_name, const std::vector<std::string>& entries,
                             std::array<int, 2> TCreature_Editor_State::*field, int slot);
    void Show(const TCreature_Editor_State& state);
    void Update_Attack_Rows();

    TControl_Bindings<TCreature_Editor_State> Bindings;
    TCreature_Editor_State Last_Shown;
    std::optional<TCreature_Profile> Original;
    std::unique_ptr<TCreature_Profile> Built;
    QButtonGroup* Frequency = nullptr;
    QSpinBox* Attacks = nullptr;
    std::array<QWidget*, 10> Attack_Rows{};
};

} // namespace Vexlor
