#include "roster/Class_Page.h"
#include "shell/characters/Wizard_Pages.h"
#include "widgets/Help_Contexts.h"
#include "widgets/List_Widgets.h"
#include "widgets/Named_Controls.h"
#include "widgets/Text_Convert.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace Vexlor {

namespace {

QString Class_Entry(int class_index) {
    return class_index == No_Class ? QObject::tr("(no class)")
                                   : To_QString(std::string(Class_Name[class_index]));
}

} // namespace

TClass_Dialog::TClass_Dialog(TServices& services, TCharacter_Edit_Interface* edit)
    : TWizard_Form(services, Help_Class_Page), Edit(edit), Offered(Class_Page_Slots) {
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    for (int slot = 1; slot <= Class_Page_Slots; ++slot) {
        auto* heading = new QLabel(tr("Class %1").arg(slot), this);
        auto* list = Make_Named<QListWidget>(this, QStringLiteral("Class%1").arg(slot));
        list->setMinimumWidth(
            list->fontMetrics().horizontalAdvance(QStringLiteral("Communications Specialist")) + 32);
        auto* level = Make_Named<QLabel>(this, QStringLiteral("Level%1").arg(slot));
        grid->addWidget(heading, 0, slot - 1);
        grid->addWidget(list, 1, slot - 1);
        grid->addWidget(level, 2, slot - 1);
        Class_Lists.push_back(list);
        Level_Labels.push_back(level);
        On(list, &QListWidget::itemSelectionChanged,
           [this, slot, list] { Class_Chosen(slot, Chosen_Row(list)); });
    }
    layout->addLayout(grid, 1);
    Note = Make_Named<QLabel>(this, "Class_Note");
    Note->setStyleSheet(QStringLiteral("color: #b00000"));
    Note->setVisible(false);
    layout->addWidget(Note);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("Specialty:"), this));
    Specialty = Make_Named<QListWidget>(this, "Specialty");
    for (const char* name : Specialty_Names)
        Specialty->addItem(QString::fromLatin1(name));
    Specialty->setMaximumHeight(Specialty->sizeHintForRow(0) * 2 + 2 * Specialty->frameWidth() + 4);
    row->addWidget(Specialty);
    row->addStretch(1);
    auto* abilities = Make_Button(this, "Abilities_Button", tr("&Vocational Abilities"));
    // The inventory of the character is reached from here while the character is made.
    auto* items = Make_Button(this, "Items_Button", tr("&Items..."));
    items->setVisible(Edit != nullptr);
    for (QPushButton* button : {abilities, items})
        row->addWidget(button, 0, Qt::AlignTop);
    layout->addLayout(row);

    On(Specialty, &QListWidget::currentRowChanged, [this](int row) {
        if (row >= 0)
            _Character->Specialty = row;
    });
    On(abilities, &QPushButton::clicked, [this] {
        TClass_Abilities_Dialog table(Services, *_Character, this);
        table.exec();
    });
    On(items, &QPushButton::clicked, [this] { Edit->Items(); });
}

void TClass_Dialog::Update_From_Character() {
    auto fill = Begin_Fill();
    Specialty->setEnabled(false);
    Specialty->setCurrentRow(-1);
    Keep_Rogue_Alone(*_Character);
    const TClass_Page_Choices choices = Class_Page_Choices(*_Character);
    for (int slot = 1; slot <= Class_Page_Slots; ++slot) {
        const auto index = static_cast<std::size_t>(slot - 1);
        const TClass_Slot_Choice& choice = choices.Slots[index];
        QListWidget* list = Class_Lists[index];
        list->clear();
        for (const int class_index : choice.Classes)
            list->addItem(Class_Entry(class_index));
        Offered[index] = choice.Classes;
        const auto selected = std::find(choice.Classes.begin(), choice.Classes.end(), choice.Selected);
        list->setCurrentRow(choice.Selected >= 0 && selected != choice.Classes.end()
                                ? static_cast<int>(selected - choice.Classes.begin())
                                : -1);
        list->setEnabled(choice.Enabled);
        Level_Labels[index]->setText(To_QString(Slot_Level_Text(*_Character, slot)));
    }
    if (choices.Specialty_Enabled) {
        Specialty->setEnabled(true);
        Specialty->setCurrentRow(std::clamp(_Character->Specialty, 0, 1));
    }
}

bool TClass_Dialog::Valid() {
    return _Character->Get_Class(1) >= 0;
}

void TClass_Dialog::Show_Note(const std::string& note) {
    Note->setText(To_QString(note));
    Note->setVisible(!note.empty());
}

void TClass_Dialog::Class_Chosen(int slot, int row) {
    const std::vector<int>& classes = Offered[static_cast<std::size_t>(slot - 1)];
    if (row < 0 || row >= static_cast<int>(classes.size()))
        return;
    Choose_Slot_Class(*_Character, slot, classes[static_cast<std::size_t>(row)]);
    Show_Note("");
    Notify_Validation();
    // The lists are refilled once the click that chose the class is over: refilling the clicked
    // list under the mouse would leave its old row highlighted.
    QTimer::singleShot(0, this, [this] { Run_Guarded(Prompts(), [this] { Update_From_Character(); }); });
}

TClass_Abilities_Dialog::TClass_Abilities_Dialog(TServices& services, const TVexlor_Character& character,
                                                 QWidget* parent)
    : TKit_Dialog(services, Help_Class_Abilities, parent) {
    setWindowTitle(tr("Class Abilities"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    QGroupBox* box = nullptr;
    QFormLayout* form = nullptr;
    int boxes = 0;
    constexpr int columns = 3;
    for (const TAbility_Row& row : Class_Abilities(character)) {
        if (!box || box->title() != To_QString(row.Group)) {
            box = new QGroupBox(To_QString(row.Group), this);
            form = new QFormLayout(box);
            form->setVerticalSpacing(1);
            grid->addWidget(box, boxes / columns, boxes % columns, Qt::AlignTop);
            ++boxes;
        }
        form->addRow(To_QString(row.Label), new QLabel(To_QString(row.Value), box));
    }
    layout->addLayout(grid);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("Close_Button"));
    buttons->button(QDialogButtonBox::Close)->setText(tr("&Close"));
    buttons->addButton(Make_Help_Button(), QDialogButtonBox::HelpRole);
    layout->addWidget(buttons);
    On(buttons, &QDialogButtonBox::rejected, [this] { reject(); });
    Install_Context_Help(this, services.Help);
}

} // namespace Vexlor
