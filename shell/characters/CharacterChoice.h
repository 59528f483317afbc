// The parties dialog: the parties of player characters kept in the party file, and the characters
// of the selected party, created (interactively or at random), edited, levelled up, deleted and
// written out as a character sheet. Created once at start-up and shown again on each "&Parties...".
#pragma once

#include "catalogues/Catalogue_Registry.h"
#include "roster/Party_Roster.h"
#include "shell/Services.h"
#include "widgets/Kit_Dialog.h"

#include <memory>
#include <string>

class QListWidget;
class QPushButton;

namespace Vexlor {

class TInventory_Dialog;
class TCharacter_Wizard_Form;
class TLevel_Up_Form;

// What the catalogue library's character creator and the wizard's class page may do with the
// inventory dialog while a character is created or edited.
class TVexlor_Character_Edit_Interface final : public TCharacter_Edit_Interface {
  public:
    explicit TVexlor_Character_Edit_Interface(TInventory_Dialog& inventory) : Inventory(inventory) {}

    // Shows the inventory dialog; unless it ends with OK, it is read back from _Image.
    void Items() override;
    void QIDs(const char* text) override;
    void Compounds(const char* text) override;

  private:
    TInventory_Dialog& Inventory;
};

class TCharacter_Choice_Dialog : public TKit_Dialog {
    Q_OBJECT

  public:
    explicit TCharacter_Choice_Dialog(TServices& services, QWidget* parent = nullptr);
    ~TCharacter_Choice_Dialog() override;

    // The long-lived inventory dialog, made later at start-up; needed before the dialog is shown.
    void Use_Inventory(TInventory_Dialog& inventory);

    // Rereads the party file and the position file, and fits the window to the screen.
    void Prepare() override;
    // Writes the position file whenever the dialog closes.
    void done(int result) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // What was wrong with the party file is told once the window is on the screen, over it.
    void showEvent(QShowEvent* event) override;

  private:
    TServices& Services;
    // What loading the party file found wrong, told at the next showing.
    std::string Load_Problem;

    void Build_Layout();
    void Connect_Handlers();

    void Show_Parties();
    void Show_Characters();
    void Update_Buttons();
    void Tell_Problem(const std::string& problem);

    void New_Party();
    void Delete_Party();
    void Delete_Character();
    void Create_Interactively();
    void Create_At_Random();
    void Edit_Character();
    void Level_Up_Character();
    void Save_To_RTF();

    // The selected character made from its stored text, with the inventory loaded from it too.
    std::unique_ptr<TVexlor_Character> Load_Selected();
    // Stores the edited character back over the selected entry.
    void Store_Edited(TVexlor_Character& character);
    TCharacter_Wizard_Form& Wizard();
    TLevel_Up_Form& Level_Up_Form();
    TInventory_Dialog& Inventory_Dialog();

    void Read_Position();
    void Write_Position() const;

    TParty_Roster Roster;
    TInventory_Dialog* Inventory = nullptr;
    std::unique_ptr<TVexlor_Character_Edit_Interface> Edit_Interface;
    TCharacter_Wizard_Form* Wizard_Form = nullptr;
    TLevel_Up_Form* Level_Up = nullptr;

    QListWidget* Parties_List;
    QListWidget* Characters_List;
    QPushButton* New_Party_Button;
    QPushButton* Create_Button;
    QPushButton* Create_Random_Button;
    QPushButton* Edit_Button;
    QPushButton* Level_Up_Button;
    QPushButton* Save_Button;
    QPushButton* Close_Button;
};

} // namespace Vexlor
