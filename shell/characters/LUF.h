// The level-up dialog: the class to raise (or a new vocation), the rogue page for a rogue, and a
// summary of what the level changed.
//
// How the parties dialog runs it: make one TLevel_Up_Form on first use and keep it; for each
// level-up make a TVexlor_Character from the stored text and call Run(&character). On
// QDialog::Accepted the character holds the new level (and Initialized is set): store it. On
// Rejected the character is as it was.
#pragma once

#include "roster/Level_Up.h"
#include "shell/characters/Wizard_Frame.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QRadioButton;

namespace Vexlor {

// Step 0: which vocation goes up a level, or a new one.
class TClass_Up_Form : public TWizard_Form {
    Q_OBJECT

  public:
    // vocation_added is called once a new vocation was added: the frame moves on with it.
    TClass_Up_Form(TServices& services, std::function<void()> vocation_added);

    void Update_From_Character() override;
    bool Valid() override;
    QWidget* Active_Control() override;

    // The slot to raise: the new vocation's, or the checked one's; 0 when none.
    int Chosen_Slot() const;
    bool Added_Vocation = false;

    std::array<QRadioButton*, 6> CheckBoxes{}; // Class1 to Class6, by slot

  private:
    void Add_Vocation();

    std::function<void()> Vocation_Added;
    int Added_Slot = 0;
    QLabel* Header_Label;
    QLabel* Alternate_Header_Label;
    QWidget* Class_Panel;
    QWidget* Add_Vocation_Panel;
};

// Step 2: the class and its new level, and the figures that changed.
class TLevel_Up_Summary : public TWizard_Form {
    Q_OBJECT

  public:
    TLevel_Up_Summary(TServices& services, const std::string& class_and_level,
                      const std::vector<std::string>& lines, std::function<void()> ok);
};

class TLevel_Up_Form : public TStep_Frame {
    Q_OBJECT

  public:
    explicit TLevel_Up_Form(TServices& services, QWidget* parent = nullptr);

    // Runs the dialog over character (borrowed) from the class page; the dialog's result.
    int Run(TVexlor_Character* character);

    bool Adding_Vocation() const { return Level_Run.Adding_Vocation(); }
    int Class_To_Level() const { return Level_Run.Class_To_Level(); }

    // Cancel (or Escape) before the level is applied leaves the character as it was; on the
    // summary, where the level is applied and only OK is offered, Escape ends as OK does.
    void reject() override;

  protected:
    std::unique_ptr<TWizard_Form> Enter_Step(int step, bool forward) override;
    void Leaving_Step(int step, bool forward) override;

  private:
    TLevel_Up_Run Level_Run;
};

} // namespace Vexlor
