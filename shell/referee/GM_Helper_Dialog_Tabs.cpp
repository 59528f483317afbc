// The GM Helper window's tool tabs beyond the dice and the tables: combat, afflictions, mishaps,
// encounters and treasure.
#include "shell/referee/GM_Helper_Dialog.h"

#include "referee/Afflictions.h"
#include "referee/Gems.h"
#include "referee/Mishaps.h"
#include "referee/Treasure.h"
#include "shell/referee/GM_Helper_Dialog_Controls.h"
#include "widgets/Keyboard.h"
#include "widgets/List_Widgets.h"
#include "widgets/Result_Views.h"
#include "widgets/Text_Convert.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace Vexlor {
namespace {

constexpr int Largest_Number = 32767;

QStringList Captions(const auto& texts) {
    QStringList captions;
    for (const char* text : texts)
        captions << QString::fromLatin1(text);
    return captions;
}

} // namespace

QWidget* TGM_Helper_Form::Make_Roll_Tab(const QString& caption, const char* button_name,
                                        const char* list_name, std::function<TRoll_Result()> roll) {
    auto* tab = new QWidget(this);
    auto* button = Make_Button(tab, button_name, caption);
    QListWidget* list = Make_Result_List(tab, list_name);
    Stack(tab, Make_Row({button}), list);
    On(button, &QPushButton::clicked, [this, list, roll = std::move(roll)] { Show(list, roll()); });
    return tab;
}

QWidget* TGM_Helper_Form::Make_Item_Vs_Effect_Tab() {
    auto* tab = new QWidget(this);
    auto* adjustment = Make_Number_Box("Item_Roll_Adjustment", -100, 100, 0, tab);
    auto* roll = Make_Button(tab, "Roll_Vs_Effect_Button", tr("&Roll vs effect"));
    Results = new QTableWidget(Material_Count, Attack_Form_Count, tab);
    Results->setObjectName(QStringLiteral("Results"));
    Results->setHorizontalHeaderLabels(Captions(Attack_Forms));
    Results->setVerticalHeaderLabels(Captions(Materials));
    Results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Results->setSelectionMode(QAbstractItemView::ContiguousSelection);
    Results->setTabKeyNavigation(false);
    Copy_Selection_On_Ctrl_C(Results);
    Results->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Results->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Stack(tab, Make_Labelled_Row(tr("Item roll adjus&tment:"), adjustment, roll), Results);
    On(roll, &QPushButton::clicked, [this] {
        Item_Grid.Roll();
        Show_Grid();
    });
    Show_Grid();
    return tab;
}

void TGM_Helper_Form::Show_Grid() {
    for (int row = 1; row <= Material_Count; ++row)
        for (int column = 1; column <= Attack_Form_Count; ++column) {
            auto* cell = new QTableWidgetItem(To_QString(Item_Grid.Cell(column, row)));
            cell->setTextAlignment(Qt::AlignCenter);
            Results->setItem(row - 1, column - 1, cell);
        }
}

QWidget* TGM_Helper_Form::Make_Ship_Side(const QString& title, int ship, TShip_Boxes& boxes) {
    auto* side = new QGroupBox(title, this);
    const auto name = [ship](const char* box) { return (std::string(box) + std::to_string(ship)); };
    boxes.Tonage = Make_Number_Box(name("Tonage").c_str(), 1, Largest_Number, 1, side);
    boxes.Power = Make_Number_Box(name("Power").c_str(), 0, Largest_Number, 0, side);
    boxes.MR = Make_Number_Box(name("MR").c_str(), 0, Largest_Number, 0, side);
    boxes.Captain = Make_Number_Box(name("Captain").c_str(), 0, 100, 0, side);
    boxes.Not_Moving = new QCheckBox(tr("Not moving"), side);
    boxes.Not_Moving->setObjectName(To_QString(name("Not_Moving")));
    auto* form = new QFormLayout(side);
    form->addRow(tr("Tonage:"), boxes.Tonage);
    form->addRow(tr("Power:"), boxes.Power);
    form->addRow(tr("MR:"), boxes.MR);
    form->addRow(tr("Captain level:"), boxes.Captain);
    form->addRow(boxes.Not_Moving);
    const auto rate = [this, &boxes] {
        boxes.MR->setValue(Maneuver_Rating(boxes.Tonage->value(), boxes.Power->value()));
    };
    On(boxes.Tonage, &QSpinBox::valueChanged, rate);
    On(boxes.Power, &QSpinBox::valueChanged, rate);
    return side;
}

QWidget* TGM_Helper_Form::Make_Ship_Combat_Tab() {
    auto* tab = new QWidget(this);
    auto* ships = new QHBoxLayout;
    ships->addWidget(Make_Ship_Side(tr("Ship 1"), 1, Ship1));
    auto* attacks = new QVBoxLayout;
    auto* right = Make_Button(tab, "Attack_Right_Button", tr("A&ttack ->"));
    auto* left = Make_Button(tab, "Attack_Left_Button", tr("<- Attac&k"));
    attacks->addStretch(1);
    attacks->addWidget(right);
    attacks->addWidget(left);
    attacks->addStretch(1);
    ships->addLayout(attacks);
    ships->addWidget(Make_Ship_Side(tr("Ship 2"), 2, Ship2));
    ships->addStretch(1);
    // One shot's result: a line or two of table 1.
    Ship_Result = Make_Result_Memo(tab, "Ship_Result");
    Ship_Result->setMaximumHeight(Ship_Result->fontMetrics().lineSpacing() * 4);
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(ships);
    layout->addWidget(Ship_Result);
    layout->addStretch(1);
    On(right, &QPushButton::clicked, [this] { Attack(Ship1, Ship2); });
    On(left, &QPushButton::clicked, [this] { Attack(Ship2, Ship1); });
    // Enter in a ship's boxes fires that ship.
    for (const auto& [ship, fire] : {std::pair{&Ship1, right}, std::pair{&Ship2, left}})
        for (QWidget* box :
             std::initializer_list<QWidget*>{ship->Tonage, ship->Power, ship->MR, ship->Captain})
            Enter_Presses(box, fire);
    return tab;
}

TShip TGM_Helper_Form::Ship_Of(const TShip_Boxes& boxes) const {
    return TShip{boxes.Tonage->value(), boxes.Power->value(), boxes.MR->value(), boxes.Captain->value(),
                 boxes.Not_Moving->isChecked()};
}

// The shot's result stays on the tab alone: it is not part of the evening's log.
void TGM_Helper_Form::Attack(const TShip_Boxes& attacker, const TShip_Boxes& target) {
    Ship_Result->setPlainText(
        To_QString(Ship_Attack_Result(Ship_Of(attacker), Ship_Of(target), Services.Tables)));
}

QWidget* TGM_Helper_Form::Make_Nonlethal_Tab() {
    auto* tab = new QWidget(this);
    Nonlethal_Bonus = Make_Number_Box("Nonlethal_Bonus", -100, 100, 0, tab);
    auto* roll = Make_Button(tab, "Nonlethal_Roll_Button", tr("&Roll"));
    auto* row = new QHBoxLayout;
    Add_Labelled(row, tr("S&trength bonus:"), Nonlethal_Bonus);
    Enter_Presses(Nonlethal_Bonus, roll);
    row->addWidget(roll);
    row->addStretch(1);
    auto* lists = new QHBoxLayout;
    const auto add_list = [&](const QString& caption, const char* name, int stretch) {
        QListWidget* list = Make_Result_List(tab, name);
        auto* column = new QVBoxLayout;
        column->addWidget(new QLabel(caption, tab));
        column->addWidget(list, 1);
        lists->addLayout(column, stretch);
        return list;
    };
    Pummeling_List = add_list(tr("Pummeling"), "Pummeling_List", 2);
    Grappling_List = add_list(tr("Grappling"), "Grappling_List", 1);
    Overbearing_List = add_list(tr("Overbearing"), "Overbearing_List", 1);
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(row);
    layout->addLayout(lists, 1);
    On(roll, &QPushButton::clicked, [this] {
        const TNonlethal_Results results = Roll_Nonlethal(Services.Output, Nonlethal_Bonus->value());
        Show(Pummeling_List, results.Pummeling);
        Show(Grappling_List, results.Grappling);
        Show(Overbearing_List, results.Overbearing);
    });
    return tab;
}

QWidget* TGM_Helper_Form::Make_Disease_Tab() {
    auto* tab = new QWidget(this);
    Disease_Constitution = Make_Number_Box("Disease_Constitution", 1, 100, 3, tab);
    auto* generate = Make_Button(tab, "Disease_Generate_Button", tr("Gene&rate"));
    Disease_List = Make_Result_List(tab, "Disease_List");
    Stack(tab, Make_Labelled_Row(tr("Constitu&tion:"), Disease_Constitution, generate), Disease_List);
    On(generate, &QPushButton::clicked,
       [this] { Show(Disease_List, Roll_Diseases(Referee, Disease_Constitution->value())); });
    return tab;
}

QWidget* TGM_Helper_Form::Make_Poisoning_Tab() {
    auto* tab = new QWidget(this);
    Poison_Type = Make_Choice_Box("Poison_Type", {Random_Choice}, tab);
    auto* roll = Make_Button(tab, "Poisoning_Roll_Button", tr("&Roll"));
    Poisoning_List = Make_Result_List(tab, "Poisoning_List");
    Stack(tab, Make_Labelled_Row(tr("&Type:"), Poison_Type, roll), Poisoning_List);
    On(roll, &QPushButton::clicked,
       [this] { Show(Poisoning_List, Roll_Poisoning(Referee, From_QString(Poison_Type->currentText()))); });
    return tab;
}

QWidget* TGM_Helper_Form::Make_Venom_Tab() {
    auto* tab = new QWidget(this);
    Creature_Venom_Level = Make_Number_Box("Creature_Venom_Level", 0, 100, 1, tab);
    auto* roll = Make_Button(tab, "Venom_Roll_Button", tr("&Roll"));
    Venom_Memo = Make_Result_Memo(tab, "Venom_Memo");
    Stack(tab, Make_Labelled_Row(tr("Crea&ture level:"), Creature_Venom_Level, roll), Venom_Memo);
    On(roll, &QPushButton::clicked,
       [this] { Show(Venom_Memo, Roll_Venom(Referee, Creature_Venom_Level->value())); });
    return tab;
}

QWidget* TGM_Helper_Form::Make_Encounters_Tab() {
    auto* tab = new QWidget(this);
    std::vector<std::string> levels{Random_Choice};
    for (int level = 1; level <= 10; ++level)
        levels.push_back(std::to_string(level));
    Encounter_Level = Make_Choice_Box("Encounter_Level", levels, tab);
    Creature_Combo = Make_Choice_Box("Creature_Combo", {Random_Choice}, tab);
    Encounter_Habitat = Make_Choice_Box("Encounter_Habitat", Encounter_Habitats, tab);
    Encounter_Climate = Make_Choice_Box("Encounter_Climate", Encounter_Climates, tab);
    Party_Size = Make_Number_Box("Party_Size", 1, 100, 6, tab);
    auto* roll = Make_Button(tab, "Encounters_Roll_Button", tr("&Roll"));
    Encounters = Make_Result_Memo(tab, "Encounters");
    for (QWidget* box : std::initializer_list<QWidget*>{Encounter_Level, Creature_Combo, Encounter_Habitat,
                                                        Encounter_Climate, Party_Size})
        Enter_Presses(box, roll);
    auto* first = new QHBoxLayout;
    Add_Labelled(first, tr("Level:"), Encounter_Level);
    Add_Labelled(first, tr("Crea&ture:"), Creature_Combo);
    first->addStretch(1);
    auto* second = new QHBoxLayout;
    Add_Labelled(second, tr("Habitat:"), Encounter_Habitat);
    Add_Labelled(second, tr("Climate:"), Encounter_Climate);
    Add_Labelled(second, tr("Part&y size:"), Party_Size);
    second->addWidget(roll);
    second->addStretch(1);
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(first);
    layout->addLayout(second);
    layout->addWidget(Encounters, 1);
    On(roll, &QPushButton::clicked, [this] { Roll_Encounters(); });
    return tab;
}

// The "Level:" box lists "<Random>" and then the levels 1 to 10, so its position is the level
// (0 leaves it to the dice). Habitat and climate go by their names.
void TGM_Helper_Form::Roll_Encounters() {
    TEncounter_Choices choices;
    choices.Level = Encounter_Level->currentIndex();
    choices.Creature = From_QString(Creature_Combo->currentText());
    choices.Habitat = From_QString(Encounter_Habitat->currentText());
    choices.Climate = From_QString(Encounter_Climate->currentText());
    choices.Party_Size = Party_Size->value();
    Show(Encounters, Encounter_Tool.Roll(choices));
}

QWidget* TGM_Helper_Form::Make_Treasure_Tab() {
    auto* tab = new QWidget(this);
    Treasure_Type = Make_Choice_Box("Treasure_Type", Treasure_Types, tab);
    auto* roll = Make_Button(tab, "Treasure_Roll_Button", tr("&Roll"));
    Treasure_List = Make_Result_Memo(tab, "Treasure_List");
    Stack(tab, Make_Labelled_Row(tr("&Type:"), Treasure_Type, roll), Treasure_List);
    On(roll, &QPushButton::clicked,
       [this] { Show(Treasure_List, Roll_Treasure(Referee, From_QString(Treasure_Type->currentText()))); });
    return tab;
}

} // namespace Vexlor
