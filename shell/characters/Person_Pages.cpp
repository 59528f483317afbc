#include "roster/Character_Pages.h"
#include "shell/characters/Wizard_Pages.h"
#include "widgets/Help_Contexts.h"
#include "widgets/Named_Controls.h"
#include "widgets/Text_Convert.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <array>

namespace Vexlor {

namespace {

// Tries to draw a name of the wanted gender; each draw picks the gender at random.
constexpr int Name_Draws = 200;

QLabel* Value_Label(QWidget* parent, const QString& name) {
    auto* label = Make_Named<QLabel>(parent, name);
    label->setFrameShape(QFrame::StyledPanel);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace

// ---- Name page ----

TName_Dialog::TName_Dialog(TServices& services) : TWizard_Form(services, Help_Name_Page) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("What is the character's name?"), this));
    auto* name_row = new QHBoxLayout;
    Name_Edit = Make_Named<QLineEdit>(this, "Name_Edit");
    auto* pick = Make_Button(this, "Pick_Button", tr("&Pick one for me"));
    name_row->addWidget(Name_Edit, 1);
    name_row->addWidget(pick);
    layout->addLayout(name_row);
    Error_Label = Make_Named<QLabel>(this, "Error_Label");
    Error_Label->setStyleSheet(QStringLiteral("color: #b00000"));
    layout->addWidget(Error_Label);

    auto* gender = new QGroupBox(tr("Gender"), this);
    auto* gender_layout = new QHBoxLayout(gender);
    Male = Make_Named<QRadioButton>(gender, "Male", tr("Male"));
    Female = Make_Named<QRadioButton>(gender, "Female", tr("Female"));
    gender_layout->addWidget(Male);
    gender_layout->addWidget(Female);
    gender_layout->addStretch(1);
    layout->addWidget(gender);
    layout->addStretch(1);

    On(Name_Edit, &QLineEdit::textEdited, [this] { Name_Typed(); });
    On(pick, &QPushButton::clicked, [this] { Pick_Name(); });
    // Only a change of gender shifts scores: toggled fires for the button checked, never when the
    // checked button is clicked again, and filling the page keeps the handlers still.
    On(Male, &QRadioButton::toggled, [this](bool checked) {
        if (checked)
            Gender_Chosen(Gender_Male);
    });
    On(Female, &QRadioButton::toggled, [this](bool checked) {
        if (checked)
            Gender_Chosen(Gender_Female);
    });
}

void TName_Dialog::Update_From_Character() {
    auto fill = Begin_Fill();
    Name_Edit->setText(To_QString(_Character->_Get_Name()));
    (_Character->Get_Gender() == Gender_Male ? Male : Female)->setChecked(true);
}

// A name with letters the files cannot hold is refused with its note, like one with |, < or >.
bool TName_Dialog::Valid() {
    if (const QString unstorable = Unstorable_Note(Name_Edit->text()); !unstorable.isEmpty()) {
        Error_Label->setText(unstorable);
        return false;
    }
    const TName_Check check = Check_Name(From_QString(Name_Edit->text()), Names);
    Error_Label->setText(To_QString(Name_Check_Text(check)));
    return check == TName_Check::Valid;
}

QWidget* TName_Dialog::Active_Control() {
    return Name_Edit;
}

void TName_Dialog::Name_Typed() {
    Notify_Validation();
    if (Valid())
        _Character->_Set_Name(Name_To_Store(From_QString(Name_Edit->text())));
}

void TName_Dialog::Pick_Name() {
    const TGender wanted = Male->isChecked() ? Gender_Male : Gender_Female;
    for (int draw = 0; draw < Name_Draws; ++draw) {
        _Character->Choose_Name();
        if (_Character->Get_Gender() == wanted)
            break;
    }
    _Character->Set_Gender(wanted);
    Name_Edit->setText(To_QString(_Character->_Get_Name()));
    Notify_Validation();
}

void TName_Dialog::Gender_Chosen(TGender gender) {
    Change_Gender(*_Character, gender);
}

// ---- Ability page ----

TAbility_Dialog::TAbility_Dialog(TServices& services) : TWizard_Form(services, Help_Ability_Page) {
    static constexpr std::array<const char*, 9> names{"Strength",  "Constitution", "Dexterity",
                                                      "Cognitive", "Perception",   "Wisdom",
                                                      "Charisma",  "Comeliness",   "Will"};
    static constexpr std::array<const char*, 3> groups{"Physical", "Intellect", "Influence"};
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    std::array<QLabel**, 3> sums{&Physical, &Intellect, &Influence};
    for (int group = 0; group < 3; ++group) {
        auto* box = new QGroupBox(QString::fromLatin1(groups[static_cast<std::size_t>(group)]), this);
        auto* form = new QFormLayout(box);
        for (int i = 0; i < 3; ++i) {
            const char* name = names[static_cast<std::size_t>(group * 3 + i)];
            QLabel* value = Value_Label(box, QString::fromLatin1(name));
            Score_Labels.push_back(value);
            form->addRow(QString::fromLatin1(name) + QStringLiteral(":"), value);
        }
        *sums[static_cast<std::size_t>(group)] = Value_Label(
            box, QString::fromLatin1(groups[static_cast<std::size_t>(group)]) + QStringLiteral("_Total"));
        form->addRow(tr("Total:"), *sums[static_cast<std::size_t>(group)]);
        grid->addWidget(box, 0, group);
    }
    layout->addLayout(grid);
    auto* row = new QHBoxLayout;
    Hit_Points = Value_Label(this, QStringLiteral("Hit_Points"));
    row->addWidget(new QLabel(tr("Hit points:"), this));
    row->addWidget(Hit_Points);
    row->addStretch(1);
    Regenerate_Button = Make_Button(this, "Regenerate_Button", tr("&Regenerate"));
    auto* bonuses = Make_Button(this, "Bonuses_Button", tr("B&onuses"));
    row->addWidget(Regenerate_Button);
    row->addWidget(bonuses);
    layout->addLayout(row);
    layout->addStretch(1);

    On(Regenerate_Button, &QPushButton::clicked, [this] { Regenerate(); });
    On(bonuses, &QPushButton::clicked, [this] {
        TBonus_Form table(Services, *_Character, this);
        table.exec();
    });
}

void TAbility_Dialog::Update_From_Character() {
    auto fill = Begin_Fill();
    const TAbility_Display display = Ability_Display(*_Character);
    for (std::size_t i = 0; i < Score_Labels.size(); ++i)
        Score_Labels[i]->setNum(display.Scores[i]);
    Physical->setNum(display.Physical);
    Intellect->setNum(display.Intellect);
    Influence->setNum(display.Influence);
    Hit_Points->setNum(_Character->Hit_Points);
    Regenerate_Button->setVisible(!_Character->Initialized);
}

void TAbility_Dialog::Regenerate() {
    Regenerate_Scores(*_Character);
    Update_From_Character();
    Notify_Validation();
}

TBonus_Form::TBonus_Form(TServices& services, const TVexlor_Character& character, QWidget* parent)
    : TKit_Dialog(services, Help_Bonus_Table, parent) {
    setWindowTitle(tr("Bonuses"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    QGroupBox* box = nullptr;
    QFormLayout* form = nullptr;
    int boxes = 0;
    int context = Help_Bonus_First;
    for (const TBonus_Row& row : Bonus_Table(character)) {
        if (!box || box->title() != To_QString(row.Group)) {
            box = new QGroupBox(To_QString(row.Group), this);
            form = new QFormLayout(box);
            grid->addWidget(box, boxes / 2, boxes % 2);
            ++boxes;
        }
        auto* label = new QLabel(To_QString(row.Label), box);
        auto* value = new QLabel(To_QString(row.Value), box);
        Set_Help_Context(label, context);
        Set_Help_Context(value, context);
        ++context;
        form->addRow(label, value);
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

// ---- Appearance page ----

TAppearance_Dialog::TAppearance_Dialog(TServices& services) : TWizard_Form(services, Help_Appearance_Page) {
    auto* layout = new QGridLayout(this);
    auto* body = new QGroupBox(tr("Body"), this);
    auto* body_form = new QFormLayout(body);
    Weight = Make_Named<QSpinBox>(body, "Weight_Edit");
    Height = Make_Named<QSpinBox>(body, "Height_Edit");
    for (QSpinBox* box : {Weight, Height})
        box->setRange(Least_Body_Size, Most_Body_Size);
    Weight->setSuffix(tr(" lbs"));
    Height->setSuffix(tr(" in"));
    body_form->addRow(tr("Weight:"), Weight);
    body_form->addRow(tr("Height:"), Height);
    Skin = Make_Named<QSpinBox>(body, "Skin_Edit");
    Skin->setRange(0, 255);
    body_form->addRow(tr("Skin pigment:"), Skin);
    Earlobes = Make_Named<QCheckBox>(body, "Earlobes_Check", tr("Attached earlobes"));
    Widows_Peak = Make_Named<QCheckBox>(body, "Widows_Peak_Check", tr("Widow's peak"));
    body_form->addRow(Earlobes);
    body_form->addRow(Widows_Peak);
    layout->addWidget(body, 0, 0);

    const auto radio_group = [this](const QString& title, const std::vector<const char*>& names,
                                    const QString& prefix, std::vector<QRadioButton*>& buttons) {
        auto* box = new QGroupBox(title, this);
        auto* column = new QVBoxLayout(box);
        for (const char* name : names) {
            auto* button =
                Make_Named<QRadioButton>(box, prefix + QString::fromLatin1(name), QString::fromLatin1(name));
            buttons.push_back(button);
            column->addWidget(button);
        }
        column->addStretch(1);
        return box;
    };
    layout->addWidget(radio_group(tr("Natural eye colour"), {"Pink", "Blue", "Green", "Hazel", "Brown"},
                                  QStringLiteral("Eye_"), Eye_Buttons),
                      0, 1);
    layout->addWidget(radio_group(tr("Natural hair colour"),
                                  {"Blond", "Brown", "Auburn", "Red", "Black", "White"},
                                  QStringLiteral("Hair_"), Hair_Buttons),
                      0, 2);
    layout->setRowStretch(1, 1);

    Bind_Controls();
    // Any change on the page writes what the page shows into the character.
    const auto store = [this] { Bindings.Read_Into(*_Character); };
    for (QSpinBox* box : {Weight, Height, Skin})
        On(box, &QSpinBox::valueChanged, store);
    for (QCheckBox* box : {Earlobes, Widows_Peak})
        On(box, &QCheckBox::toggled, store);
    for (const std::vector<QRadioButton*>* buttons : {&Eye_Buttons, &Hair_Buttons})
        for (QRadioButton* button : *buttons)
            On(button, &QRadioButton::toggled, [store](bool on) {
                if (on)
                    store();
            });
}

void TAppearance_Dialog::Bind_Controls() {
    Bindings.Number(Weight, &TVexlor_Character::Weight);
    Bindings.Number(Height, &TVexlor_Character::Height);
    Bindings.Bind([this](const TVexlor_Character& character) { Skin->setValue(Skin_Pigment(character)); },
                  [this](TVexlor_Character& character) { Set_Skin_Pigment(character, Skin->value()); });
    Bindings.Bind(
        [this](const TVexlor_Character& character) { Earlobes->setChecked(Attached_Earlobes(character)); },
        [this](TVexlor_Character& character) { Set_Attached_Earlobes(character, Earlobes->isChecked()); });
    Bindings.Bind(
        [this](const TVexlor_Character& character) {
            Widows_Peak->setChecked(Vexlor::Widows_Peak(character));
        },
        [this](TVexlor_Character& character) { Set_Widows_Peak(character, Widows_Peak->isChecked()); });
    // With no eye colour stored none of the buttons is checked, and none checked keeps it so.
    Bindings.Bind(
        [this](const TVexlor_Character& character) {
            const auto eyes = static_cast<std::size_t>(Eye_Colour(character));
            for (QRadioButton* button : Eye_Buttons)
                button->setAutoExclusive(false);
            for (std::size_t i = 0; i < Eye_Buttons.size(); ++i)
                Eye_Buttons[i]->setChecked(eyes == i + 1);
            for (QRadioButton* button : Eye_Buttons)
                button->setAutoExclusive(true);
        },
        [this](TVexlor_Character& character) {
            for (std::size_t i = 0; i < Eye_Buttons.size(); ++i)
                if (Eye_Buttons[i]->isChecked())
                    Set_Eye_Colour(character, static_cast<TEye_Colour>(i + 1));
        });
    Bindings.Bind(
        [this](const TVexlor_Character& character) {
            Hair_Buttons[static_cast<std::size_t>(Hair_Colour(character))]->setChecked(true);
        },
        [this](TVexlor_Character& character) {
            for (std::size_t i = 0; i < Hair_Buttons.size(); ++i)
                if (Hair_Buttons[i]->isChecked())
                    Set_Hair_Colour(character, static_cast<THair_Colour>(i));
        });
}

// The character keeps what the page shows: a build outside the boxes' range is stored as the
// boxes show it.
void TAppearance_Dialog::Update_From_Character() {
    auto fill = Begin_Fill();
    Bindings.Show(*_Character);
    Bindings.Read_Into(*_Character);
}

} // namespace Vexlor
