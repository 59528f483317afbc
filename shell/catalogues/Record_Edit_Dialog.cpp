#include "shell/catalogues/Record_Edit_Dialog.h"

#include "catalogues/editing/Catalogue_Lists.h"
#include "catalogues/editing/Editor_Texts.h"
#include "widgets/List_Widgets.h"
#include "widgets/Text_Convert.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace Vexlor {

TRecord_Edit_Dialog::TRecord_Edit_Dialog(TServices& services, int help_context, const QString& caption,
                                         QWidget* parent)
    : TKit_Dialog(services, help_context, parent), Services(services) {
    setWindowTitle(caption);
}

bool TRecord_Edit_Dialog::Run() {
    return exec() == QDialog::Accepted;
}

QWidget* TRecord_Edit_Dialog::Make_Name_Row(const char* object_name) {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    Name_Edit = new QLineEdit(row);
    Name_Edit->setObjectName(QString::fromLatin1(object_name));
    Name_Note = new QLabel(row);
    Name_Note->setObjectName(QStringLiteral("Name_Note"));
    Name_Note->setText(To_QString(std::string(Record_Name_Note)));
    Name_Note->setVisible(false);
    auto* caption = new QLabel(tr("&Name:"), row);
    caption->setBuddy(Name_Edit);
    layout->addWidget(caption);
    layout->addWidget(Name_Edit, 1);
    layout->addWidget(Name_Note);
    On(Name_Edit, &QLineEdit::textChanged, [this] { Update_Name_State(); });
    return row;
}

QWidget* TRecord_Edit_Dialog::Make_Button_Row(const std::vector<QPushButton*>& extra) {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* button : extra)
        layout->addWidget(button);
    layout->addStretch(1);
    OK_Button = Make_Button(this, "OK_Button", tr("&OK"));
    OK_Button->setDefault(true);
    OK_Button->setEnabled(false);
    QPushButton* cancel = Make_Button(this, "Cancel_Button", tr("&Cancel"));
    On(OK_Button, &QPushButton::clicked, [this] {
        Build_Record();
        accept();
    });
    On(cancel, &QPushButton::clicked, [this] { reject(); });
    layout->addWidget(OK_Button);
    layout->addWidget(cancel);
    layout->addWidget(Make_Help_Button());
    return row;
}

// A name with letters the files cannot hold is refused as one with |, < or >: its note names them.
void TRecord_Edit_Dialog::Update_Name_State() {
    const QString unstorable = Unstorable_Note(Name_Edit->text());
    const std::string name = From_QString(Name_Edit->text());
    const bool acceptable = unstorable.isEmpty() && Is_Acceptable_Record_Name(name);
    OK_Button->setEnabled(acceptable);
    Name_Note->setText(unstorable.isEmpty() ? To_QString(std::string(Record_Name_Note)) : unstorable);
    // An empty box needs no note: it is how every new record starts.
    Name_Note->setVisible(!acceptable && !name.empty());
}

QTabWidget* TRecord_Edit_Dialog::Make_Pages() {
    return Make_Named<QTabWidget>(this, "Pages");
}

QSpinBox* TRecord_Edit_Dialog::Make_Spin(const char* object_name, int low, int high) {
    auto* spin = Make_Named<QSpinBox>(this, object_name);
    spin->setRange(low, high);
    return spin;
}

QComboBox* TRecord_Edit_Dialog::Make_Combo(const char* object_name, const std::vector<std::string>& entries) {
    auto* combo = Make_Named<QComboBox>(this, object_name);
    Fill_Combo(combo, entries);
    return combo;
}

TRecord_Edit_Dialog::TPair_Controls TRecord_Edit_Dialog::Make_Pair(const char* low_name,
                                                                   const char* high_name, int low, int high) {
    QSpinBox* low_box = Make_Spin(low_name, low, high);
    QSpinBox* high_box = Make_Spin(high_name, low, high);
    return {low_box, high_box, new TLow_High_Pair(low_box, high_box)};
}

QWidget* TRecord_Edit_Dialog::Make_Pair_Row(const TPair_Controls& pair) {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pair.Low, 1);
    layout->addWidget(new QLabel(tr("to"), row));
    layout->addWidget(pair.High, 1);
    return row;
}

TRecord_Edit_Dialog::TDual_List_Controls
TRecord_Edit_Dialog::Make_Dual_List(const char* chosen_name, const char* available_name, const char* add_name,
                                    const char* remove_name, const QString& chosen_caption,
                                    const QString& available_caption) {
    auto* panel = new QWidget(this);
    auto* chosen = new QListWidget(panel);
    chosen->setObjectName(QString::fromLatin1(chosen_name));
    auto* available = new QListWidget(panel);
    available->setObjectName(QString::fromLatin1(available_name));
    QPushButton* add = Make_Button(this, add_name, QStringLiteral("<"));
    QPushButton* remove = Make_Button(this, remove_name, QStringLiteral(">"));
    auto* mover = new TDual_List(available, chosen, add, remove);

    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(chosen_caption, panel), 0, 0);
    grid->addWidget(new QLabel(available_caption, panel), 0, 2);
    grid->addWidget(chosen, 1, 0);
    auto* buttons = new QVBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    grid->addLayout(buttons, 1, 1);
    grid->addWidget(available, 1, 2);
    return {panel, chosen, available, mover};
}

QGroupBox* Make_Group(const QString& caption, QWidget* parent, QLayout* layout) {
    auto* group = new QGroupBox(caption, parent);
    group->setLayout(layout);
    return group;
}

void Add_Labelled(QGridLayout* grid, int row, int column, const QString& caption, QWidget* control) {
    auto* label = new QLabel(caption, control->parentWidget());
    label->setBuddy(control);
    grid->addWidget(label, row, column);
    grid->addWidget(control, row, column + 1);
}

} // namespace Vexlor
