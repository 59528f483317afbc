// The help windows of a QID plan and a compound plan: the plan's level, activation time (QIDs
// only), duration and description in a modal window captioned with the plan's name. The Items
// window opens them for the QIDs, plans, compounds and recipes a character carries, the character
// wizard for the compounds it offers.
#pragma once

#include "widgets/Kit_Dialog.h"

class QWidget;

namespace Vexlor {

class TQID_Plan;
class TCompound_Plan;

void Show_QID_Help(const TKit_Services& kit, const TQID_Plan& plan, QWidget* parent);
void Show_Compound_Help(const TKit_Services& kit, const TCompound_Plan& plan, QWidget* parent);

} // namespace Vexlor
