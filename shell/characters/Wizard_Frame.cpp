#include "shell/characters/Wizard_Frame.h"

#include "roster/Wizard_Steps.h"
#include "widgets/Help_System.h"
#include "widgets/Keyboard.h"
#include "widgets/Named_Controls.h"
#include "widgets/User_Prompts.h"
#include "widgets/Window_Fit.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace Vexlor {

namespace {

// A page left behind goes once control is back in the event loop: it may be the sender of the
// handler that moved the frame on.
void Drop(std::unique_ptr<TWizard_Form> page) {
    if (!page)
        return;
    page->hide();
    page->On_Validation = nullptr;
    page.release()->deleteLater();
}

} // namespace

TWizard_Form::TWizard_Form(TServices& services, int help_context, QWidget* parent)
    : TKit_Page(services, help_context, parent), Services(services) {}

void TWizard_Form::Set_Character(TVexlor_Character* character) {
    _Character = character;
    Update_From_Character();
}

void TWizard_Form::Notify_Validation() {
    if (On_Validation)
        On_Validation();
}

TStep_Frame::TStep_Frame(TServices& services, int help_context, int finish_step, QWidget* parent)
    : TKit_Dialog(services, help_context, parent), Services(services), Finish_Step(finish_step) {
    auto* layout = new QVBoxLayout(this);
    Page_Area = new QVBoxLayout;
    Page_Area->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(Page_Area, 1);

    Buttons = Make_Named<QWidget>(this, "Button_Panel");
    auto* row = new QHBoxLayout(Buttons);
    row->setContentsMargins(0, 0, 0, 0);
    Back = Make_Button(Buttons, "Back_Button", tr("< &Back"));
    Next = Make_Button(Buttons, "Next_Button", tr("&Next >"));
    auto* cancel = Make_Button(Buttons, "Cancel_Button", tr("&Cancel"));
    auto* help = Make_Button(Buttons, "Help_Button", tr("&Help"));
    row->addStretch(1);
    row->addWidget(Back);
    row->addWidget(Next);
    row->addSpacing(12);
    row->addWidget(cancel);
    row->addWidget(help);
    layout->addWidget(Buttons);

    On(Back, &QPushButton::clicked, [this] { Move(-1); });
    On(Next, &QPushButton::clicked, [this] { Move(1); });
    On(cancel, &QPushButton::clicked, [this] { reject(); });
    On(help, &QPushButton::clicked, [this] { Open_Help(); });
    // The frame sees Enter before any of its controls.
    for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WindowShortcut);
        On(shortcut, &QShortcut::activated, [this] { Enter_Pressed(); });
    }
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    On(f1, &QShortcut::activated, [this] { Open_Help(); });
    Install_Context_Help(this, services.Help, [this](QWidget* widget, QPoint position) {
        return Current_Page ? Current_Page->Describe(widget, position) : std::nullopt;
    });
}

TStep_Frame::~TStep_Frame() = default;

void TStep_Frame::Set_Step(int n) {
    const int previous = Step;
    Drop(std::move(Current_Page));
    if (!Character) {
        Made_Character = std::make_unique<TVexlor_Character>();
        Character = Made_Character.get();
    }
    const bool forward = n > previous;
    std::unique_ptr<TWizard_Form> shown;
    const TStep_Landing landing = Land_On_Step(previous, n, Finish_Step, [&](int step) {
        std::unique_ptr<TWizard_Form> page = Enter_Step(step, forward);
        if (!page)
            return false;
        page->Set_Character(Character);
        if (!page->Applicable()) {
            Drop(std::move(page));
            return false;
        }
        shown = std::move(page);
        return true;
    });
    Step = landing.Step;
    Back->setEnabled(Step > 0);
    if (landing.Finished) {
        Character->Initialized = true;
        Finish();
        accept();
        return;
    }
    Show_Page(std::move(shown));
}

QWidget* TWizard_Form::Active_Control() {
    return Reading_Order_Chain(this).value(0, nullptr);
}

void TStep_Frame::Restart_At(int n) {
    Step = 0;
    Set_Step(n);
}

void TStep_Frame::Show_Page(std::unique_ptr<TWizard_Form> page) {
    const QRect before = frameGeometry();
    Current_Page = std::move(page);
    Current_Page->setParent(this);
    Page_Area->addWidget(Current_Page.get());
    Current_Page->setVisible(true);
    Current_Page->Update_From_Character();
    Grow_About_Centre(this, before);
    Next->setEnabled(Current_Page->Valid());
    Current_Page->On_Validation = [this] { Page_Validation(); };
    if (QWidget* control = Current_Page->Active_Control(); control && control->isEnabled())
        control->setFocus();
}

void TStep_Frame::Page_Validation() {
    if (Current_Page)
        Next->setEnabled(Current_Page->Valid());
}

void TStep_Frame::Move(int direction) {
    Leaving_Step(Step, direction > 0);
    Set_Step(Step + direction);
}

void TStep_Frame::Enter_Pressed() {
    if (Next->isEnabled())
        Next->click();
    else
        Prompts().Beep();
}

void TStep_Frame::Open_Help() {
    Services.Help.Context(Current_Page ? Current_Page->Help_Context() : Help_Context_Of(this));
}

} // namespace Vexlor
