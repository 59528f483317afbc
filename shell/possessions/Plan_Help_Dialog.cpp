#include "shell/possessions/Plan_Help_Dialog.h"

#include "catalogues/Plan_Texts.h"
#include "widgets/Help_Contexts.h"
#include "widgets/Named_Controls.h"
#include "widgets/Text_Convert.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace Vexlor {

namespace {

class TPlan_Help_Dialog : public TKit_Dialog {
  public:
    TPlan_Help_Dialog(const TKit_Services& kit, const TPlan_Help& help, QWidget* parent)
        : TKit_Dialog(kit, Help_Plan_Help, parent) {
        setWindowTitle(To_QString(help.Caption));
        auto* layout = new QVBoxLayout(this);
        for (const auto& [name, text] :
             {std::pair{"Level_Label", &help.Level}, std::pair{"Time_Label", &help.Activation_Time},
              std::pair{"Duration_Label", &help.Duration}}) {
            auto* label = Make_Named<QLabel>(this, name, To_QString(*text));
            label->setVisible(!text->empty());
            layout->addWidget(label);
        }
        auto* description = Make_Named<QPlainTextEdit>(this, "Description", To_QString(help.Description));
        description->setReadOnly(true);
        layout->addWidget(description, 1);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
        buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("Close_Button"));
        buttons->button(QDialogButtonBox::Close)->setText(tr("&Close"));
        layout->addWidget(buttons);
        On(buttons, &QDialogButtonBox::rejected, [this] { reject(); });
        resize(360, 280);
    }
};

} // namespace

void Show_QID_Help(const TKit_Services& kit, const TQID_Plan& plan, QWidget* parent) {
    TPlan_Help_Dialog window(kit, QID_Help(plan), parent);
    window.exec();
}

void Show_Compound_Help(const TKit_Services& kit, const TCompound_Plan& plan, QWidget* parent) {
    TPlan_Help_Dialog window(kit, Compound_Help(plan), parent);
    window.exec();
}

} // namespace Vexlor
