#include "shell/characters/CWF.h"

#include "roster/Wizard_Steps.h"
#include "shell/characters/Rogue_Dialog.h"
#include "shell/characters/Wizard_Pages.h"
#include "widgets/Help_Contexts.h"
#include "widgets/Text_Convert.h"

#include <QPointer>

#include <utility>

namespace Vexlor {

namespace {

QPointer<TCharacter_Wizard_Form> Installed_Wizard;

// The interactive creator the catalogue library calls for Create_Character mode 2; the texts and
// the number of that call carry nothing for it.
TVexlor_Character* Create_With_Wizard(const char* /*text1*/, int /*value*/, const char* /*text2*/,
                                      TCharacter_Edit_Interface* edit) {
    if (!Installed_Wizard)
        return nullptr;
    return Installed_Wizard->Create(edit).release();
}

} // namespace

TCharacter_Wizard_Form::TCharacter_Wizard_Form(TServices& services, QWidget* parent)
    : TStep_Frame(services, Help_Character_Wizard, Character_Wizard_Finish, parent) {
    setWindowTitle(tr("Create Vexlor character"));
    resize(640, 420);
}

TCharacter_Wizard_Form::~TCharacter_Wizard_Form() {
    if (Installed_Wizard == this)
        Install_Character_Wizard(nullptr);
}

int TCharacter_Wizard_Form::Run(TVexlor_Character* character, int first_step) {
    // Step 1 names the window after the character; every run starts with the wizard's own name.
    setWindowTitle(tr("Create Vexlor character"));
    New_Character = !character->Initialized;
    Class_Note.clear();
    QID_Picks.Clear();
    Compound_Pick.reset();
    Rogue_Restore.Forget();
    setResult(QDialog::Rejected);
    Set_Character(character);
    Restart_At(first_step);
    return Get_Step() >= Character_Wizard_Finish ? result() : exec();
}

std::unique_ptr<TVexlor_Character> TCharacter_Wizard_Form::Create(TCharacter_Edit_Interface* edit) {
    auto character = std::make_unique<TVexlor_Character>();
    for (int slot = TClass_Slots::Low_Index; slot <= TClass_Slots::High_Index; ++slot)
        character->Set_Class(slot, -1);
    Roll_Before_Wizard(*character);
    CEI = edit;
    if (Run(character.get(), 0) != QDialog::Accepted)
        return nullptr;
    return character;
}

std::unique_ptr<TWizard_Form> TCharacter_Wizard_Form::Enter_Step(int step, bool forward) {
    TVexlor_Character* character = Get_Character();
    // Back, Regenerate or a change of gender may have taken away what a class needs.
    if (!character->Initialized)
        if (std::string note = Check_New_Character(*character, QID_Picks, Compound_Pick); !note.empty())
            Class_Note = std::move(note);
    switch (Character_Wizard_Page(step)) {
    case TWizard_Page::Name: {
        auto page = std::make_unique<TName_Dialog>(Services);
        page->Names = Names;
        return page;
    }
    case TWizard_Page::Abilities: {
        auto page = std::make_unique<TAbility_Dialog>(Services);
        if (forward && character->Get_Class(1) == -1) {
            setWindowTitle(To_QString(character->_Get_Name()));
            page->Set_Character(character);
            page->Regenerate();
        }
        return page;
    }
    case TWizard_Page::Classes: {
        auto page = std::make_unique<TClass_Dialog>(Services, CEI);
        page->Show_Note(std::exchange(Class_Note, {}));
        return page;
    }
    case TWizard_Page::QIDs:
        return std::make_unique<TQID_Dialog>(Services, QID_Picks);
    case TWizard_Page::Compounds:
        return std::make_unique<TCompound_Pick_Dialog>(Services, Compound_Pick);
    case TWizard_Page::Appearance:
        return std::make_unique<TAppearance_Dialog>(Services);
    case TWizard_Page::Rogue:
        // Also when the page is then skipped: purchases of an earlier visit are taken back.
        Rogue_Restore.Enter(*character);
        return std::make_unique<TRogue_Dialog>(Services, Rogue_Restore, Wizard_Rogue_Points(*character));
    case TWizard_Page::None:
        break;
    }
    return nullptr;
}

void TCharacter_Wizard_Form::Finish() {
    if (New_Character)
        Finish_New_Character(*Get_Character(), QID_Picks, Compound_Pick, CEI);
}

void Install_Character_Wizard(TCharacter_Wizard_Form* wizard) {
    Installed_Wizard = wizard;
    Install_Character_Creator(wizard ? &Create_With_Wizard : nullptr);
}

} // namespace Vexlor
