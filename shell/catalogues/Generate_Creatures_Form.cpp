#include "shell/catalogues/Generate_Creatures_Form.h"

#include "catalogues/editing/Creature_List.h"
#include "foundations/CommonUt.h"
#include "widgets/Help_Contexts.h"
#include "widgets/Text_Convert.h"
#include "widgets/User_Prompts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <stdexcept>

namespace Vexlor {

TGenerate_Creatures_Form::TGenerate_Creatures_Form(TServices& services, QWidget* parent)
    : TKit_Dialog(services, Help_Creature_List, parent), Services(services) {
    setObjectName(QStringLiteral("TGenerate_Creatures_Form"));
    setWindowTitle(tr("Complete Creature List"));
    resize(460, 140);

    Output_Filename = new QLineEdit(this);
    Output_Filename->setObjectName(QStringLiteral("Output_Filename"));
    auto* browse = new QPushButton(tr("&Browse..."), this);
    browse->setObjectName(QStringLiteral("Browse_Button"));
    browse->setAutoDefault(false);
    auto* caption = new QLabel(tr("&Output file:"), this);
    caption->setBuddy(Output_Filename);
    auto* file_row = new QHBoxLayout;
    file_row->addWidget(caption);
    file_row->addWidget(Output_Filename, 1);
    file_row->addWidget(browse);

    Status = new QLabel(this);
    Status->setObjectName(QStringLiteral("Status_Label"));

    Generate_Button = new QPushButton(tr("&Generate"), this);
    Generate_Button->setObjectName(QStringLiteral("Generate_Button"));
    Generate_Button->setDefault(true);
    Close_Button = new QPushButton(tr("&Close"), this);
    Close_Button->setObjectName(QStringLiteral("Close_Button"));
    Close_Button->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Generate_Button);
    buttons->addWidget(Close_Button);
    buttons->addWidget(Make_Help_Button());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(file_row);
    layout->addWidget(Status);
    layout->addStretch(1);
    layout->addLayout(buttons);

    On(Output_Filename, &QLineEdit::textChanged, [this] { Update_Generate_Button(); });
    On(browse, &QPushButton::clicked, [this] { Browse(); });
    On(Generate_Button, &QPushButton::clicked, [this] { Generate(); });
    On(Close_Button, &QPushButton::clicked, [this] { accept(); });
    Update_Generate_Button();
}

void TGenerate_Creatures_Form::Prepare() {
    Status->clear();
}

// Writes the list with the close button disabled meanwhile.
TResult TGenerate_Creatures_Form::Writing(TCreature_Registry& creatures) {
    struct TClose_Disabled {
        QPushButton* Button;
        explicit TClose_Disabled(QPushButton* button) : Button(button) { Button->setEnabled(false); }
        ~TClose_Disabled() { Button->setEnabled(true); }
    } const close_disabled(Close_Button);
    return Write_Creature_List(creatures, QString_To_Path(Output_Filename->text()));
}

void TGenerate_Creatures_Form::Update_Generate_Button() {
    Generate_Button->setEnabled(!Output_Filename->text().isEmpty());
}

void TGenerate_Creatures_Form::Browse() {
    TFile_Question question;
    question.Mode = TFile_Mode::Save;
    question.Title = tr("Save the creature list");
    question.Filters = tr("Text files (*.txt);;All files (*)");
    question.Default_Suffix = QStringLiteral("txt");
    question.Start = Output_Filename->text();
    if (const auto name = Prompts().Ask_File_Name(question))
        Output_Filename->setText(*name);
}

// The typed or picked name goes through the one file rule first: the campaign's own files are
// refused, an existing file is replaced only on Yes. A list that cannot be written is reported with
// the reason, as a sheet that cannot be saved is; the file that was there is left as it was.
void TGenerate_Creatures_Form::Generate() {
    TCreature_Registry* creatures = Services.Catalogues.Creatures;
    if (!creatures)
        throw std::runtime_error("The creature catalogue is not available");
    Status->clear();
    if (!May_Write_File(Prompts(), windowTitle(), Output_Filename->text(), TWrite_Mode::Replace))
        return;
    if (const TResult written = Writing(*creatures); !written.Ok()) {
        Prompts().Show_Message(TMessage_Kind::Error, windowTitle(), To_QString(written.Problem()));
        return;
    }
    Status->setText(tr("The creature list was written to %1.").arg(Output_Filename->text()));
}

} // namespace Vexlor
