#include "widgets/Kit_Dialog.h"

#include "widgets/Context_Help.h"

namespace Vexlor {

TKit_Dialog::TKit_Dialog(const TKit_Services& kit, int help_context, QWidget* parent)
    : QDialog(parent), TKit_Handlers(this, kit.Prompts), Kit_Help(kit.Help) {
    Set_Help_Context(this, help_context);
}

QPushButton* TKit_Dialog::Make_Help_Button() {
    return Vexlor::Make_Help_Button(this, Kit_Help);
}

TKit_Page::TKit_Page(const TKit_Services& kit, int help_context, QWidget* parent)
    : QWidget(parent), TKit_Handlers(this, kit.Prompts) {
    Set_Help_Context(this, help_context);
}

int TKit_Page::Help_Context() const {
    return Help_Context_Of(this);
}

} // namespace Vexlor
