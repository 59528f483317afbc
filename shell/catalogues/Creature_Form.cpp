#include "shell/catalogues/Creature_Form.h"

#include "widgets/Help_Contexts.h"
#include "widgets/Text_Convert.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>

namespace Vexlor {
namespace {

using TState = TCreature_Editor_State;

constexpr int Largest_Number = 32767;

QString Numbered(const char* prefix, int number) {
    return QString::fromLatin1(prefix) + QString::number(number);
}

} // namespace

TCreature_Edit::TCreature_Edit(TServices& services, QWidget* parent)
    : TCreature_Edit_Base(services, Help_Creature_Edit, tr("Edit Creature"), "creature profile", parent) {
    setObjectName(QStringLiteral("TCreature_Edit"));
    resize(640, 500);
    QVBoxLayout* layout = Make_Name_Layout("Creature_Name");

    QTabWidget* pages = Make_Pages();
    pages->addTab(Make_General_Page(), tr("&General"));
    pages->addTab(Make_Attack_Page(), tr("A&ttacks"));
    pages->addTab(Make_Habitat_Page(), tr("Ha&bitat && Treasure"));
    pages->addTab(Make_Abilities_Page(), tr("&Abilities"));
    pages->addTab(Memo("Description", &TState::Description), tr("&Description"));
    layout->addWidget(pages, 1);
    layout->addWidget(Make_Button_Row());
}

TCreature_Edit::~TCreature_Edit() = default;

QWidget* TCreature_Edit::Make_Frequency_Box() {
    auto* layout = new QGridLayout;
    Frequency = new QButtonGroup(this);
    int position = 0;
    for (const TFrequency_Choice& choice : Frequency_Choices) {
        auto* radio = new QRadioButton(To_QString(std::string(choice.Caption)), this);
        radio->setObjectName(
            To_QString(std::string(choice.Caption)).replace(QLatin1Char(' '), QLatin1Char('_')));
        Frequency->addButton(radio, choice.Frequency);
        layout->addWidget(radio, position / 2, position % 2);
        ++position;
    }
    // A stored frequency without a button checks none, and building keeps it.
    Bindings.Bind(
        [this](const TState& state) {
            Frequency->setExclusive(false);
            for (QAbstractButton* button : Frequency->buttons())
                button->setChecked(Frequency->id(button) == state.Frequency);
            Frequency->setExclusive(true);
        },
        [this](TState& state) {
            if (Frequency->checkedId() != -1)
                state.Frequency = Frequency->checkedId();
        });
    return Make_Group(tr("Frequency"), this, layout);
}

QWidget* TCreature_Edit::Make_General_Page() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout;
    int row = 0;
    Add_Labelled(grid, row++, 0, tr("Classification:"), Text("Classification", &TState::Classification));
    Add_Labelled(grid, row++, 0, tr("Number appearing:"),
                 Range("Number_Appearing_Low", "Number_Appearing_High", &TState::Number, 1, Largest_Number));
    Add_Labelled(grid, row++, 0, tr("Intelligence:"),
                 Range("Low_Intelligence", "High_Intelligence", &TState::Intelligence, 0, Largest_Number));
    const TPair_Controls levels =
        Make_Pair("Level", "High_Level", Lowest_Creature_Level, Highest_Creature_Level);
    Bindings.Range(levels.Pair, &TState::Levels);
    Add_Labelled(grid, row++, 0, tr("Level:"), levels.Low);
    Add_Labelled(grid, row++, 0, tr("High level:"), levels.High);
    Add_Labelled(grid, row++, 0, tr("Size:"), Number("Size", &TState::Size));
    Add_Labelled(grid, row++, 0, tr("Weight:"), Number("Weight", &TState::Weight));
    QSpinBox* lair = Number("In_Lair", &TState::In_Lair, 0, 100);
    Add_Labelled(grid, row++, 0, tr("% in lair:"), lair);
    Add_Labelled(grid, row++, 0, tr("Defensive bonus:"),
                 Number("Defensive_Bonus", &TState::Defensive_Bonus, 0, Largest_Number));
    Add_Labelled(grid, row++, 0, tr("Fixed hp:"), Number("Fixed_HP", &TState::Fixed_HP));
    Add_Labelled(grid, row++, 0, tr("Add. hp:"), Number("Add_HP", &TState::Add_HP));
    Add_Labelled(grid, row++, 0, tr("Experience:"), Number("Experience_Base", &TState::Experience_Base));
    Add_Labelled(grid, row++, 0, tr("Experience per hp:"), Number("Experience_HP", &TState::Experience_HP));
    QComboBox* nature = Make_Combo("Nature", Nature_Choices());
    Bindings.Choice_Index(nature, &TState::Nature);
    Add_Labelled(grid, row++, 0, tr("Nature:"), nature);
    grid->setRowStretch(row, 1);

    auto* movement = new QGridLayout;
    Add_Labelled(movement, 0, 0, tr("Land:"), Number("Move_Land", &TState::Move_Land));
    Add_Labelled(movement, 1, 0, tr("Fly:"), Number("Move_Fly", &TState::Move_Fly));
    Add_Labelled(movement, 2, 0, tr("Swim:"), Number("Move_Swim", &TState::Move_Swim));
    Add_Labelled(movement, 3, 0, tr("Dive:"), Number("Move_Dive", &TState::Move_Dive));
    Add_Labelled(movement, 4, 0, tr("Other:"), Number("Move_Other", &TState::Move_Other));

    auto* side = new QVBoxLayout;
    side->addWidget(Make_Frequency_Box());
    side->addWidget(Make_Group(tr("Movement"), page, movement));
    side->addStretch(1);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(grid, 3);
    layout->addLayout(side, 2);
    return page;
}

QWidget* TCreature_Edit::Make_Attack_Page() {
    auto* page = new QWidget(this);
    auto* top = new QGridLayout;
    Attacks = Number("Attacks", &TState::Attacks, 0, static_cast<int>(Attack_Rows.size()));
    On(Attacks, &QSpinBox::valueChanged, [this] { Update_Attack_Rows(); });
    Add_Labelled(top, 0, 0, tr("Number of attacks:"), Attacks);
    top->addWidget(Flag("Allow_Weapon", tr("Attacks with a weapon"), &TState::Allow_Weapon), 0, 2);
    top->setColumnStretch(3, 1);

    auto* rows = new QGridLayout;
    for (int slot = 0; slot < static_cast<int>(Attack_Rows.size()); ++slot) {
        const int number = slot + 1;
        auto* row = new QWidget(page);
        auto* attack_class = new QComboBox(row);
        attack_class->setObjectName(Numbered("Attack_Class_", number));
        Fill_Combo(attack_class, Attack_Class_Choices());
        const TPair_Controls damage =
            Make_Pair(Numbered("AttackLow", number).toLatin1().constData(),
                      Numbered("AttackHigh", number).toLatin1().constData(), 0, Largest_Number);
        Bindings.Bind(
            [attack_class, damage, slot](const TState& state) {
                attack_class->setCurrentIndex(state.Attack[slot].Attack_Class);
                damage.Pair->Set({state.Attack[slot].Damage.Low, state.Attack[slot].Damage.High});
            },
            [attack_class, damage, slot](TState& state) {
                const TLow_High shown = damage.Pair->Get();
                state.Attack[slot] = {attack_class->currentIndex(), {shown.Low, shown.High}};
            });
        auto* layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* label = new QLabel(tr("#%1").arg(number), row);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(tr("#%1").arg(Attack_Rows.size())));
        layout->addWidget(label);
        layout->addWidget(attack_class, 1);
        layout->addWidget(new QLabel(tr("Damage:"), row));
        layout->addWidget(Make_Pair_Row(damage), 2);
        // Numbered across, two to a row, in the order Tab reads them.
        rows->addWidget(row, slot / 2, slot % 2);
        Attack_Rows[static_cast<std::size_t>(slot)] = row;
    }

    auto* defences = new QGridLayout;
    Add_Labelled(defences, 0, 0, tr("Caustic hide:"),
                 Range("Caustic_Low", "Caustic_High", &TState::Caustic_Hide, 0, Largest_Number));
    QComboBox* flesh = Make_Combo("Poison_Flesh", Poison_Type_Choices());
    // A poison type the list does not hold is shown as it is stored, and kept.
    Bindings.Bind(
        [flesh](const TState& state) {
            std::vector<std::string> choices = Poison_Type_Choices();
            if (std::find(choices.begin(), choices.end(), state.Poison_Flesh) == choices.end())
                choices.push_back(state.Poison_Flesh);
            Fill_Combo(flesh, choices);
            flesh->setCurrentIndex(flesh->findText(To_QString(state.Poison_Flesh)));
        },
        [flesh](TState& state) { state.Poison_Flesh = From_QString(flesh->currentText()); });
    Add_Labelled(defences, 1, 0, tr("Poison flesh:"), flesh);
    QLineEdit* hide = Text("Poison_Hide", &TState::Poison_Hide);
    hide->setMaxLength(1);
    Add_Labelled(defences, 2, 0, tr("Poison hide:"), hide);
    defences->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(Make_Group(tr("Attacks"), page, rows));
    layout->addWidget(Make_Group(tr("Defences"), page, defences));
    layout->addStretch(1);
    return page;
}

QListWidget* TCreature_Edit::Choice_List(const char* object_name, const std::vector<std::string>& entries,
                                         std::array<int, 2> TState::*field, int slot) {
    auto* list = new QListWidget(this);
    list->setObjectName(QString::fromLatin1(object_name));
    Fill_List(list, entries);
    const auto index = static_cast<std::size_t>(slot);
    Bindings.Bind(
        [list, field, index](const TState& state) { list->setCurrentRow((state.*field)[index]); },
        [list, field, index](TState& state) { (state.*field)[index] = std::max(list->currentRow(), 0); });
    return list;
}

QWidget* TCreature_Edit::Make_Habitat_Page() {
    auto* page = new QWidget(this);
    auto* places = new QGridLayout;
    places->addWidget(new QLabel(tr("Habitat:"), page), 0, 0);
    places->addWidget(new QLabel(tr("Climate:"), page), 0, 1);
    places->addWidget(new QLabel(tr("Second habitat:"), page), 0, 2);
    places->addWidget(new QLabel(tr("Climate:"), page), 0, 3);
    places->addWidget(Choice_List("Habitat1", Habitat_Choices(), &TState::Habitat, 0), 1, 0);
    places->addWidget(Choice_List("Climate1", Climate_Choices(), &TState::Climate, 0), 1, 1);
    places->addWidget(Choice_List("Habitat2", Habitat_Choices(), &TState::Habitat, 1), 1, 2);
    places->addWidget(Choice_List("Climate2", Climate_Choices(), &TState::Climate, 1), 1, 3);

    auto* treasure = new QGridLayout;
    Add_Labelled(treasure, 0, 0, tr("Carried:"), Text("Treasure_Carried", &TState::Treasure_Carried));
    Add_Labelled(treasure, 0, 2, tr("Chance:"), Text("Carried_Chance", &TState::Carried_Chance));
    Add_Labelled(treasure, 1, 0, tr("In lair:"), Text("Treasure_In_Lair", &TState::Treasure_In_Lair));
    Add_Labelled(treasure, 1, 2, tr("Chance:"), Text("Lair_Chance", &TState::Lair_Chance));
    treasure->addWidget(
        new QLabel(tr("One letter per treasure type; chances in percent, separated by \",\"."), page), 2, 0,
        1, 4);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(places, 1);
    layout->addWidget(Make_Group(tr("Treasure"), page, treasure));
    return page;
}

QWidget* TCreature_Edit::Make_Abilities_Page() {
    auto* page = new QWidget(this);
    auto* flags = new QGridLayout;
    const std::array<QCheckBox*, 11> checks{
        Flag("Nocturnal", tr("Nocturnal"), &TState::Nocturnal),
        Flag("Mountable", tr("Mountable"), &TState::Mountable),
        Flag("Domesticate", tr("Domesticatable"), &TState::Domesticate),
        Flag("Breathe_Air", tr("Breathe air"), &TState::Breathe_Air),
        Flag("Breathe_Water", tr("Breathe water"), &TState::Breathe_Water),
        Flag("Sterile", tr("Sterile"), &TState::Sterile),
        Flag("Parasite", tr("Parasite"), &TState::Parasite),
        Flag("Fisson", tr("Fisson"), &TState::Fisson),
        Flag("Shape_Change", tr("Shape change"), &TState::Shape_Change),
        Flag("Vacuum", tr("Survive in Vacuum"), &TState::Vacuum),
        Flag("Chameleon", tr("Chameleon"), &TState::Chameleon)};
    for (std::size_t i = 0; i < checks.size(); ++i)
        flags->addWidget(checks[i], static_cast<int>(i / 3), static_cast<int>(i % 3));

    auto* regenerate = new QHBoxLayout;
    regenerate->addWidget(new QLabel(tr("Regenerate"), page));
    regenerate->addWidget(Number("Regenerate_Amount", &TState::Regenerate_Amount));
    regenerate->addWidget(new QLabel(tr("hp every "), page));
    regenerate->addWidget(Number("Regenerate_Rate", &TState::Regenerate_Rate));
    regenerate->addWidget(new QLabel(tr("rounds"), page));
    regenerate->addStretch(1);

    // A reduction below 0 is a weakness: the starter security robot takes half as much again from
    // electricity (-50 %).
    auto* reductions = new QGridLayout;
    const std::array<std::tuple<const char*, QString, int TState::*>, 7> kinds{{
        {"DR_Acid", tr("Acid:"), &TState::DR_Acid},
        {"DR_Cold", tr("Cold:"), &TState::DR_Cold},
        {"DR_Fire", tr("Fire:"), &TState::DR_Fire},
        {"DR_Poison", tr("Poison:"), &TState::DR_Poison},
        {"DR_Gas", tr("Gas:"), &TState::DR_Gas},
        {"DR_Electric", tr("Electricity:"), &TState::DR_Electric},
        {"DR_Radiation", tr("Radiation:"), &TState::DR_Radiation},
    }};
    for (int i = 0; i < static_cast<int>(kinds.size()); ++i) {
        const auto& [name, caption, field] = kinds[static_cast<std::size_t>(i)];
        QSpinBox* spin = Number(name, field, -Largest_Number, 100);
        spin->setSuffix(QStringLiteral(" %"));
        Add_Labelled(reductions, i / 2, 2 * (i % 2), caption, spin);
    }

    auto* senses = new QGridLayout;
    QSpinBox* immunity = Number("QID_Immunity", &TState::QID_Immunity, 0, 100);
    Add_Labelled(senses, 0, 0, tr("QID immunity %:"), immunity);
    Add_Labelled(senses, 0, 2, tr("Swallow Whole %"),
                 Number("Swallow_Whole", &TState::Swallow_Whole, 0, 100));
    Add_Labelled(senses, 1, 0, tr("Infrared:"), Number("Infrared", &TState::Infrared));
    Add_Labelled(senses, 1, 2, tr("Ultraviolet:"), Number("Ultraviolet", &TState::Ultraviolet));

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(flags);
    layout->addLayout(regenerate);
    layout->addWidget(Make_Group(tr("Damage reduction"), page, reductions));
    layout->addLayout(senses);
    layout->addStretch(1);
    return page;
}

// The rows past the number of attacks are greyed; what they hold is kept.
void TCreature_Edit::Update_Attack_Rows() {
    for (int slot = 0; slot < static_cast<int>(Attack_Rows.size()); ++slot)
        Attack_Rows[static_cast<std::size_t>(slot)]->setEnabled(slot < Attacks->value());
}

void TCreature_Edit::Show(const TState& state) {
    TCreature_Edit_Base::Show(state);
    Update_Attack_Rows();
}

TState TCreature_Edit::New_State() const {
    return New_Creature_State();
}

TState TCreature_Edit::Record_State(TCreature_Profile& record) const {
    return Creature_State(record);
}

std::unique_ptr<TCreature_Profile> TCreature_Edit::Build(const TState& state,
                                                         const TCreature_Profile* original) const {
    return Build_Creature(state, original);
}

} // namespace Vexlor
