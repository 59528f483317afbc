// "Complete Creature List": writes the printed bestiary of the whole creature catalogue, listed by
// level, by frequency and by habitat, to a text file the user names.
#pragma once

#include "foundations/Result.h"
#include "shell/Services.h"
#include "widgets/Kit_Dialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace Vexlor {

class TGenerate_Creatures_Form : public TKit_Dialog {
    Q_OBJECT

  public:
    explicit TGenerate_Creatures_Form(TServices& services, QWidget* parent = nullptr);

    void Prepare() override;

  private:
    TServices& Services;

    void Browse();
    void Generate();
    TResult Writing(TCreature_Registry& creatures);
    void Update_Generate_Button();

    QLineEdit* Output_Filename = nullptr;
    QPushButton* Generate_Button = nullptr;
    QPushButton* Close_Button = nullptr;
    QLabel* Status = nullptr;
};

} // namespace Vexlor
