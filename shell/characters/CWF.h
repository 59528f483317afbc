// The character wizard: name, abilities, classes, rogue points, QIDs, compounds and appearance,
// one page at a time, over a character handed in by the parties dialog or made new by the
// interactive creator.
//
// How the parties dialog runs it:
//  - Create: set Names (the other members, Enclosed_Names) and call the catalogue library's
//    Create_Character(2, "", 0, "", &edit_interface). The creator installed by
//    Install_Character_Wizard runs this wizard from step 0 over a new character and returns it
//    (the caller frees it), or null on Cancel. Its picked QIDs and compound have gone through
//    the interface's QIDs and Compounds by then.
//  - Edit: set Names and CEI, then Run(&character, 1); the character is changed in place and the
//    result is QDialog::Accepted or Rejected.
#pragma once

#include "roster/New_Character.h"
#include "roster/Rogue_Pool.h"
#include "shell/characters/Wizard_Frame.h"

#include <memory>
#include <optional>
#include <string>

namespace Vexlor {

class TCharacter_Wizard_Form : public TStep_Frame {
    Q_OBJECT

  public:
    explicit TCharacter_Wizard_Form(TServices& services, QWidget* parent = nullptr);
    ~TCharacter_Wizard_Form() override;

    // Runs the wizard over character (borrowed) from first_step; the dialog's result.
    int Run(TVexlor_Character* character, int first_step);
    // Runs the wizard over a new character from step 0 with the given edit interface; the
    // character when the user finished it, null on Cancel.
    std::unique_ptr<TVexlor_Character> Create(TCharacter_Edit_Interface* edit);

    std::string Names;                        // handed to the name page
    TCharacter_Edit_Interface* CEI = nullptr; // handed to the class page

  protected:
    std::unique_ptr<TWizard_Form> Enter_Step(int step, bool forward) override;
    void Finish() override;

  private:
    bool New_Character = false;
    std::string Class_Note; // classes the scores took away, told on the class page
    TQID_Picks QID_Picks;
    std::optional<std::string> Compound_Pick;
    TRogue_Restore_Point Rogue_Restore; // Back and Next never hand out the rogue points twice
};

// Makes wizard the one that Create_Character's interactive mode runs (null: none).
void Install_Character_Wizard(TCharacter_Wizard_Form* wizard);

} // namespace Vexlor
