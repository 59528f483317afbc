#include "widgets/Kit_Dialog.h"

#include "widgets/Context_Help.h"
#include "widgets/Keyboard.h"
#include "widgets/Window_Fit.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QTextEdit>

namespace Vexlor {

TKit_Dialog::TKit_Dialog(const TKit_Services& kit, int help_context, QWidget* parent)
    : QDialog(parent), TKit_Handlers(this, kit.Prompts), Kit_Help(kit.Help) {
    Set_Help_Context(this, help_context);
}

namespace {

// Tab moves on from a text box, as from every other control, instead of typing a tab into it.
void Tab_Leaves_Text_Boxes(QWidget* window) {
    for (auto* box : window->findChildren<QPlainTextEdit*>())
        box->setTabChangesFocus(true);
    for (auto* box : window->findChildren<QTextEdit*>())
        box->setTabChangesFocus(true);
}

bool Is_Enter(const QKeyEvent& event) {
    return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) &&
           (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

QPushButton* TKit_Dialog::Make_Help_Button() {
    return Vexlor::Make_Help_Button(this, Kit_Help);
}

bool TKit_Dialog::focusNextPrevChild(bool next) {
    return Focus_Next_In_Reading_Order(this, next) || QDialog::focusNextPrevChild(next);
}

void TKit_Dialog::keyPressEvent(QKeyEvent* event) {
    if (Is_Enter(*event) && Handle_Enter(this))
        return;
    QDialog::keyPressEvent(event);
}

void TKit_Dialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    Tab_Leaves_Text_Boxes(this);
    Place_Window(this, Placement);
}

void TKit_Dialog::hideEvent(QHideEvent* event) {
    if (!event->spontaneous())
        Remember_Place(this, Placement);
    QDialog::hideEvent(event);
}

TKit_Page::TKit_Page(const TKit_Services& kit, int help_context, QWidget* parent)
    : QWidget(parent), TKit_Handlers(this, kit.Prompts) {
    Set_Help_Context(this, help_context);
}

int TKit_Page::Help_Context() const {
    return Help_Context_Of(this);
}

void TKit_Page::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Tab_Leaves_Text_Boxes(this);
}

} // namespace Vexlor
