// The pages of the character wizard (every page but the rogue page), the read-only tables they
// open, and the pick list. Each page is a thin form over the rules in roster/: it fills its
// controls from the character and writes the user's choices straight back into it.
#pragma once

#include "roster/Plan_Picks.h"
#include "shell/characters/Wizard_Frame.h"
#include "widgets/Control_Bindings.h"

#include <optional>
#include <string>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace Vexlor {

// Step 0: the name and the gender.
class TName_Dialog : public TWizard_Form {
    Q_OBJECT

  public:
    explicit TName_Dialog(TServices& services);
    void Update_From_Character() override;
    bool Valid() override;
    QWidget* Active_Control() override;

    // The other members of the party, as Enclosed_Names gives them.
    std::string Names;

  private:
    void Name_Typed();
    void Pick_Name();
    void Gender_Chosen(TGender gender);

    QLineEdit* Name_Edit;
    QRadioButton* Male;
    QRadioButton* Female;
    QLabel* Error_Label;
};

// Step 1: the nine scores, their group sums and the hit points.
class TAbility_Dialog : public TWizard_Form {
    Q_OBJECT

  public:
    explicit TAbility_Dialog(TServices& services);
    void Update_From_Character() override;
    // What the "Regenerate" button does: new scores, a first level, new hit points.
    void Regenerate();

  private:
    std::vector<QLabel*> Score_Labels;
    QLabel* Physical;
    QLabel* Intellect;
    QLabel* Influence;
    QLabel* Hit_Points;
    QPushButton* Regenerate_Button;
};

// The read-only bonus table of a character's scores, each label with its own help context.
class TBonus_Form : public TKit_Dialog {
    Q_OBJECT

  public:
    TBonus_Form(TServices& services, const TVexlor_Character& character, QWidget* parent);
};

// Step 2: the classes of slots 1 to 4 and the Biologist's specialty.
class TClass_Dialog : public TWizard_Form {
    Q_OBJECT

  public:
    // edit reaches the inventory ("Items..."); without one the button is hidden.
    TClass_Dialog(TServices& services, TCharacter_Edit_Interface* edit);
    void Update_From_Character() override;
    bool Valid() override;
    // Tells which classes were cleared since the page was last shown; empty: nothing to tell.
    void Show_Note(const std::string& note);

  private:
    void Class_Chosen(int slot, int row);

    TCharacter_Edit_Interface* Edit;
    QLabel* Note;
    std::vector<QListWidget*> Class_Lists;
    std::vector<QLabel*> Level_Labels;
    std::vector<std::vector<int>> Offered; // the class of each row, per slot
    QListWidget* Specialty;
};

// The read-only table of the character's vocational abilities.
class TClass_Abilities_Dialog : public TKit_Dialog {
    Q_OBJECT

  public:
    TClass_Abilities_Dialog(TServices& services, const TVexlor_Character& character, QWidget* parent);
};

// Step 4: a new engineer picks two level-1 QIDs. The picks live in the wizard, so that they
// survive the page when the user goes back and forth.
class TQID_Dialog : public TWizard_Form {
    Q_OBJECT

  public:
    TQID_Dialog(TServices& services, TQID_Picks& picks);
    bool Applicable() override;
    void Update_From_Character() override;
    bool Valid() override;
    std::optional<TPopup_Text> Describe(QWidget* widget, QPoint position) override;

  private:
    void Selection_Changed();
    void Show_Picks();

    TQID_Picks& Picks;
    QListWidget* QID_List;
};

// Step 5: a new Chemist picks a level-1 compound from the catalogue.
class TCompound_Pick_Dialog : public TWizard_Form {
    Q_OBJECT

  public:
    TCompound_Pick_Dialog(TServices& services, std::optional<std::string>& pick);
    bool Applicable() override;
    void Update_From_Character() override;
    bool Valid() override;

  private:
    std::optional<std::string>& Pick;
    QListWidget* Compound_List;
};

// Step 7: body size and the appearance kept in the character's VDNA.
class TAppearance_Dialog : public TWizard_Form {
    Q_OBJECT

  public:
    explicit TAppearance_Dialog(TServices& services);
    void Update_From_Character() override;

  private:
    void Bind_Controls();

    TControl_Bindings<TVexlor_Character> Bindings;
    QSpinBox* Weight;
    QSpinBox* Height;
    std::vector<QRadioButton*> Eye_Buttons;  // by TEye_Colour, None left out
    std::vector<QRadioButton*> Hair_Buttons; // by THair_Colour
    QSpinBox* Skin;
    QCheckBox* Earlobes;
    QCheckBox* Widows_Peak;
};

// A list to choose one entry from, with OK and Cancel; a double click chooses the entry.
class TPick_Dialog : public TKit_Dialog {
    Q_OBJECT

  public:
    TPick_Dialog(TServices& services, const QString& caption, const std::vector<std::string>& entries,
                 QWidget* parent);
    // The chosen entry (the dialog must have ended with OK); empty when none is chosen.
    std::string Chosen() const;

  private:
    QListWidget* Pick_List;
};

} // namespace Vexlor
