#include "shell/characters/LUF.h"

#include "shell/characters/Rogue_Dialog.h"
#include "shell/characters/Wizard_Pages.h"
#include "widgets/Help_Contexts.h"
#include "widgets/Named_Controls.h"
#include "widgets/Text_Convert.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace Vexlor {

namespace {

QLabel* Bold_Label(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

TClass_Up_Form::TClass_Up_Form(TServices& services, std::function<void()> vocation_added)
    : TWizard_Form(services, Help_Class_Up), Vocation_Added(std::move(vocation_added)),
      Header_Label(
          Make_Named<QLabel>(this, "Header_Label", tr("Choose which vocation you wish to level up:"))),
      Alternate_Header_Label(Make_Named<QLabel>(this, "Alternate_Header_Label")),
      Class_Panel(Make_Named<QWidget>(this, "Class_Panel")),
      Add_Vocation_Panel(Make_Named<QWidget>(this, "Add_Vocation_Panel")) {
    auto* radios = new QVBoxLayout(Class_Panel);
    for (std::size_t i = 0; i < CheckBoxes.size(); ++i) {
        CheckBoxes[i] = Make_Named<QRadioButton>(Class_Panel, QStringLiteral("Class%1").arg(i + 1));
        radios->addWidget(CheckBoxes[i]);
        On(CheckBoxes[i], &QRadioButton::toggled, [this] { Notify_Validation(); });
    }
    auto* add = Make_Button(Add_Vocation_Panel, "Add_Vocation_Button", tr("&Add a new vocation..."));
    auto* add_row = new QHBoxLayout(Add_Vocation_Panel);
    add_row->setContentsMargins(0, 0, 0, 0);
    add_row->addWidget(add);
    add_row->addStretch(1);
    On(add, &QPushButton::clicked, [this] { Add_Vocation(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Header_Label);
    layout->addWidget(Alternate_Header_Label);
    layout->addWidget(Class_Panel);
    layout->addWidget(Add_Vocation_Panel);
    layout->addStretch(1);
}

void TClass_Up_Form::Update_From_Character() {
    if (!_Character)
        return;
    const TFill_Guard filling = Begin_Fill();
    const TClass_Up_Choices choices = Class_Up_Choices(*_Character);
    Added_Vocation = false;
    Added_Slot = 0;
    // Slots may have gaps: each filled slot keeps the button of its own number.
    for (QRadioButton* radio : CheckBoxes) {
        radio->setVisible(false);
        radio->setAutoExclusive(false);
        radio->setChecked(false);
        radio->setAutoExclusive(true);
    }
    for (const TClass_Up_Entry& entry : choices.Classes) {
        QRadioButton* radio = CheckBoxes[static_cast<std::size_t>(entry.Slot - 1)];
        radio->setText(To_QString(entry.Name));
        radio->setVisible(true);
        radio->setChecked(entry.Slot == choices.Preselected_Slot);
    }
    Add_Vocation_Panel->setVisible(choices.Can_Add_Vocation);
    Header_Label->setVisible(!choices.Single_Choice);
    Class_Panel->setVisible(!choices.Single_Choice);
    Alternate_Header_Label->setVisible(choices.Single_Choice);
    Alternate_Header_Label->setText(To_QString(choices.Alternate_Header));
}

bool TClass_Up_Form::Valid() {
    return Chosen_Slot() > 0;
}

QWidget* TClass_Up_Form::Active_Control() {
    for (QRadioButton* radio : CheckBoxes)
        if (radio->isChecked() && radio->isVisibleTo(this))
            return radio;
    return TWizard_Form::Active_Control();
}

int TClass_Up_Form::Chosen_Slot() const {
    if (Added_Vocation)
        return Added_Slot;
    for (std::size_t i = 0; i < CheckBoxes.size(); ++i)
        if (CheckBoxes[i]->isChecked())
            return static_cast<int>(i) + 1;
    return 0;
}

void TClass_Up_Form::Add_Vocation() {
    std::vector<std::string> names;
    for (const int class_index : New_Vocation_Choices(*_Character))
        names.emplace_back(Class_Name[class_index]);
    TPick_Dialog pick(Services, tr("Choose a new vocation"), names, this);
    if (pick.exec() != QDialog::Accepted || pick.Chosen().empty())
        return;
    const int slot = Add_New_Vocation(*_Character, Class_Index(pick.Chosen()));
    if (slot == 0)
        return;
    Added_Vocation = true;
    Added_Slot = slot;
    Notify_Validation();
    Vocation_Added();
}

TLevel_Up_Summary::TLevel_Up_Summary(TServices& services, const std::string& class_and_level,
                                     const std::vector<std::string>& lines, std::function<void()> ok)
    : TWizard_Form(services, Help_Level_Up_Summary) {
    // The caption shows one ampersand.
    auto* class_heading = Bold_Label(tr("New class & Level:"), this);
    class_heading->setObjectName(QStringLiteral("Class_Heading_Label"));
    auto* class_and_level_label = Make_Named<QLabel>(this, "Class_And_Level", To_QString(class_and_level));
    auto* stats_heading = Bold_Label(tr("Updated Stats:"), this);
    stats_heading->setObjectName(QStringLiteral("Stats_Heading_Label"));
    auto* stats = Make_Named<QPlainTextEdit>(this, "Updated_Stats");
    stats->setReadOnly(true);
    stats->setFrameShape(QFrame::NoFrame);
    QPalette plain = stats->palette(); // borderless text on the page's own background
    plain.setColor(QPalette::Base, plain.color(QPalette::Window));
    stats->setPalette(plain);
    QString text;
    for (const std::string& line : lines)
        text += To_QString(line) + QLatin1Char('\n');
    stats->setPlainText(text);
    auto* ok_button = Make_Button(this, "OK_Button", tr("&OK"));
    On(ok_button, &QPushButton::clicked, [ok = std::move(ok)] { ok(); });

    auto* heading_row = new QHBoxLayout;
    heading_row->addWidget(class_heading);
    heading_row->addWidget(class_and_level_label, 1);
    auto* button_row = new QHBoxLayout;
    button_row->addStretch(1);
    button_row->addWidget(ok_button);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(heading_row);
    layout->addWidget(stats_heading);
    layout->addWidget(stats, 1);
    layout->addLayout(button_row);
}

TLevel_Up_Form::TLevel_Up_Form(TServices& services, QWidget* parent)
    : TStep_Frame(services, Help_Level_Up, Level_Up_Finish, parent) {
    setWindowTitle(tr("Level Up"));
    resize(640, 460);
}

int TLevel_Up_Form::Run(TVexlor_Character* character) {
    Level_Run.Start();
    setResult(QDialog::Rejected);
    Set_Character(character);
    Restart_At(Level_Up_Class_Step);
    return exec();
}

std::unique_ptr<TWizard_Form> TLevel_Up_Form::Enter_Step(int step, bool /*forward*/) {
    // The caption stays "Level Up" on every step.
    setWindowTitle(tr("Level Up"));
    Button_Panel()->setVisible(true);
    TVexlor_Character& character = *Get_Character();
    switch (step) {
    case Level_Up_Class_Step:
        return std::make_unique<TClass_Up_Form>(Services, [this] { Next_Button()->click(); });
    case Level_Up_Rogue_Step:
        Level_Run.Enter_Rogue_Step(character);
        if (!Level_Run.Rogue_Page_Shown(character))
            return nullptr;
        return std::make_unique<TRogue_Dialog>(Services, Level_Run.Rogue_Restore_Point(),
                                               Level_Run.Rogue_Points(character));
    case Level_Up_Summary_Step: {
        const std::vector<std::string> lines = Level_Run.Apply_Level(character);
        Button_Panel()->setVisible(false);
        return std::make_unique<TLevel_Up_Summary>(Services, Class_And_Level(character, Class_To_Level()),
                                                   lines, [this] { Set_Step(Level_Up_Finish); });
    }
    default:
        return nullptr;
    }
}

void TLevel_Up_Form::reject() {
    if (Get_Step() == Level_Up_Summary_Step) {
        Set_Step(Level_Up_Finish);
        return;
    }
    if (Get_Character())
        Level_Run.Cancel(*Get_Character());
    TStep_Frame::reject();
}

void TLevel_Up_Form::Leaving_Step(int step, bool forward) {
    if (step == Level_Up_Class_Step && forward)
        if (const auto* page = dynamic_cast<const TClass_Up_Form*>(Current_Sheet()))
            Level_Run.Leave_Class_Page(page->Chosen_Slot(), page->Added_Vocation);
    if (step == Level_Up_Rogue_Step && !forward)
        Level_Run.Back_To_Class_Page(*Get_Character());
}

} // namespace Vexlor
