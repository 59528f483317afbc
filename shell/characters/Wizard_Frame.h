// The step-by-step frame that the character wizard and the level-up dialog share, and the base of
// every page shown in it.
//
// How a page plugs in:
//  - Derive the page from TWizard_Form (a page of the kit: a borderless widget). Give its
//    constructor the services and the page's help context; build the controls in the constructor, naming each
//    control by its given name (setObjectName).
//  - Override Applicable (is the page shown for this character?), Update_From_Character (fill
//    the controls from _Character, inside `auto fill = Begin_Fill();`) and Valid (may the user
//    press "Next >"?). Write choices straight into *_Character.
//  - Connect handlers with On(sender, signal, handler): they run inside the kit's slot guard and
//    keep still while the page is being filled. Call Notify_Validation() whenever Valid may have
//    changed; the frame then enables or disables "Next >".
//  - Give controls their own help contexts with Set_Help_Context where they have one; a right
//    click pops up the nearest context. Override Describe to pop up a catalogue entry's
//    description instead.
//  - A frame derived from TStep_Frame creates the pages in Enter_Step (one page per step, made
//    anew each time the step is entered and dropped when it is left) and ends in Finish.
#pragma once

#include "characters/Characters.h"
#include "shell/Services.h"
#include "widgets/Context_Help.h"
#include "widgets/Kit_Dialog.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QPushButton;
class QVBoxLayout;

namespace Vexlor {

class TWizard_Form : public TKit_Page {
    Q_OBJECT

  public:
    TWizard_Form(TServices& services, int help_context, QWidget* parent = nullptr);

    // Whether the page applies to the character; the frame skips a page that does not.
    virtual bool Applicable() { return true; }
    // Fills the page's controls from _Character.
    virtual void Update_From_Character() {}
    // Whether the page's input allows going on.
    virtual bool Valid() { return true; }
    // A description to pop up for a right click on one of the page's entries; nothing falls back
    // on the nearest help context.
    virtual std::optional<TPopup_Text> Describe(QWidget* /*widget*/, QPoint /*position*/) {
        return std::nullopt;
    }
    // The control that takes the focus when the page is shown: by default the page's first control
    // in reading order, so that the game master can choose or type at once, without tabbing past
    // the frame's buttons.
    virtual QWidget* Active_Control();

    // Stores the character (borrowed) and fills the page from it.
    void Set_Character(TVexlor_Character* character);
    // Tells the frame that Valid may have changed.
    void Notify_Validation();

    TVexlor_Character* _Character = nullptr;
    std::function<void()> On_Validation;

  protected:
    TServices& Services;
};

// The frame: one page at a time over a button row of "< Back", "Next >", Cancel and Help. Enter
// presses "Next >" when it is enabled and beeps otherwise, whichever control has the focus.
class TStep_Frame : public TKit_Dialog {
    Q_OBJECT

  public:
    TStep_Frame(TServices& services, int help_context, int finish_step, QWidget* parent = nullptr);
    ~TStep_Frame() override;

    // The character worked on, borrowed; with none, the frame makes one when a step is shown.
    void Set_Character(TVexlor_Character* character) { Character = character; }
    TVexlor_Character* Get_Character() const { return Character; }

    // Shows step n: steps whose page does not apply are skipped in the direction of travel; a
    // step at or past the finish step ends the dialog with OK and marks the character Initialized.
    void Set_Step(int n);
    // Starts a new run at step n, as if coming from step 0.
    void Restart_At(int n);
    int Get_Step() const { return Step; }
    TWizard_Form* Current_Sheet() const { return Current_Page.get(); }

  protected:
    // Makes the page of a step (none for a step without one) and does the step's set-up; forward
    // tells the direction of travel. Called for every step passed, also those then skipped.
    virtual std::unique_ptr<TWizard_Form> Enter_Step(int step, bool forward) = 0;
    // Called once the last step is passed, before the dialog ends with OK.
    virtual void Finish() {}
    // Called when "Next >" or "< Back" is pressed, before the frame moves on.
    virtual void Leaving_Step(int /*step*/, bool /*forward*/) {}

    QWidget* Button_Panel() const { return Buttons; }
    QPushButton* Next_Button() const { return Next; }

    TServices& Services;

  private:
    void Show_Page(std::unique_ptr<TWizard_Form> page);
    void Page_Validation();
    void Move(int direction);
    void Enter_Pressed();
    void Open_Help();

    int Finish_Step;
    int Step = 0;
    TVexlor_Character* Character = nullptr;
    std::unique_ptr<TVexlor_Character> Made_Character;
    std::unique_ptr<TWizard_Form> Current_Page;
    QVBoxLayout* Page_Area = nullptr;
    QWidget* Buttons = nullptr;
    QPushButton* Back = nullptr;
    QPushButton* Next = nullptr;
};

} // namespace Vexlor
