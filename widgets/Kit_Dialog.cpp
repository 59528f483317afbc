#include "widgets/Kit_Dialog.h"

#include "widgets/Context_Help.h"

namespace Vexlor {

TKit_Dialog::TKit_Dialog(TServices& services, int help_context, QWidget* parent)
    : QDialog(parent), Kit_Services(services) {
    Set_Help_Context(this, help_context);
}

QPushButton* TKit_Dialog::Make_Help_Button() {
    return Vexlor::Make_Help_Button(this, Kit_Services.Help);
}

} // namespace Vexlor
