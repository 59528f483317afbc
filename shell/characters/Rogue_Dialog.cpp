#include "shell/characters/Rogue_Dialog.h"

#include "widgets/Help_Contexts.h"
#include "widgets/Named_Controls.h"
#include "widgets/Text_Convert.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace Vexlor {

namespace {

constexpr std::array<TRogue_Sheet, 5> Panel_Sheets{TRogue_Sheet::Abilities, TRogue_Sheet::Misc,
                                                   TRogue_Sheet::QIDs, TRogue_Sheet::Compounds,
                                                   TRogue_Sheet::Commando};

QPushButton* Step_Button(const QString& text, const char* name, QWidget* parent) {
    QPushButton* button = Make_Button(parent, name, text);
    button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("MM")) + 12);
    return button;
}

void Set_Hint(QPushButton* button, const std::string& hint) {
    button->setToolTip(To_QString(hint));
    button->setStatusTip(To_QString(hint));
}

} // namespace

TModifier_Panel::TModifier_Panel(const TRogue_Panel_Kind& kind, QWidget* parent)
    : QWidget(parent), Increase_Button(Step_Button(QStringLiteral("+"), "Increase_Button", this)),
      Decrease_Button(Step_Button(QStringLiteral("-"), "Decrease_Button", this)),
      Caption_Label(new QLabel(this)) {
    setObjectName(To_QString(kind.Name + "_Panel"));
    Caption_Label->setObjectName(QStringLiteral("Caption_Label"));
    // The score captions pad their names so that the values line up, as in a table.
    if (kind.Sheet == TRogue_Sheet::Abilities)
        Caption_Label->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Set_Help_Context(this, kind.Help_Context);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(Caption_Label, 1);
    row->addWidget(Increase_Button);
    row->addWidget(Decrease_Button);
}

void TModifier_Panel::Show(const TRogue_Pool& pool, int panel) {
    Caption_Label->setText(To_QString(pool.Caption(panel)));
    Increase_Button->setEnabled(pool.Can_Increase(panel));
    Decrease_Button->setEnabled(pool.Can_Decrease(panel));
    Set_Hint(Increase_Button, pool.Increase_Hint(panel));
    Set_Hint(Decrease_Button, pool.Decrease_Hint(panel));
}

TRogue_Dialog::TRogue_Dialog(TServices& services, TRogue_Restore_Point& restore, int total_points)
    : TWizard_Form(services, Help_Rogue_Page), Total_Points(total_points), Restore(restore),
      Points_Label(new QLabel(this)), Sheets(new QTabWidget(this)) {
    Points_Label->setObjectName(QStringLiteral("Points_Label"));
    Sheets->setObjectName(QStringLiteral("Sheets"));
    for (int panel = 0; panel < Rogue_Panels::Count; ++panel)
        Panels.push_back(new TModifier_Panel(Rogue_Panel_Kind(panel), this));
    const std::array<const char*, 5> titles{"&Abilities", "&Misc", "&QIDs", "C&ompounds", "Comman&do"};
    for (std::size_t i = 0; i < Panel_Sheets.size(); ++i) {
        const bool two_columns =
            Panel_Sheets[i] == TRogue_Sheet::QIDs || Panel_Sheets[i] == TRogue_Sheet::Compounds;
        Sheets->addTab(Make_Sheet(Panel_Sheets[i], two_columns ? 2 : 1), tr(titles[i]));
    }
    Sheets->addTab(Make_Hit_Point_Sheet(), tr("Hit &points"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Points_Label);
    layout->addWidget(Sheets, 1);

    for (int panel = 0; panel < Rogue_Panels::Count; ++panel) {
        On(Panels[static_cast<std::size_t>(panel)]->Increase_Button, &QPushButton::clicked, [this, panel] {
            Pool->Increase(panel);
            Show_Pool();
        });
        On(Panels[static_cast<std::size_t>(panel)]->Decrease_Button, &QPushButton::clicked, [this, panel] {
            Pool->Decrease(panel);
            Show_Pool();
        });
    }
    On(Hit_Point_Box, &QCheckBox::toggled, [this](bool chosen) { Choose_Hit_Point(chosen); });
}

QWidget* TRogue_Dialog::Make_Sheet(TRogue_Sheet sheet, int columns) {
    auto* page = new QWidget(Sheets);
    auto* grid = new QGridLayout(page);
    grid->setHorizontalSpacing(24);
    std::vector<int> on_sheet;
    for (int panel = 0; panel < Rogue_Panels::Count; ++panel)
        if (Rogue_Panel_Kind(panel).Sheet == sheet)
            on_sheet.push_back(panel);
    const int rows = (static_cast<int>(on_sheet.size()) + columns - 1) / columns;
    for (int placed = 0; placed < static_cast<int>(on_sheet.size()); ++placed)
        grid->addWidget(Panels[static_cast<std::size_t>(on_sheet[static_cast<std::size_t>(placed)])],
                        placed / columns, placed % columns);
    if (sheet == TRogue_Sheet::Abilities) {
        const std::array<const char*, 3> names{"Physical_Label", "Intellect_Label", "Influence_Label"};
        auto* totals = new QHBoxLayout;
        for (std::size_t group = 0; group < Total_Labels.size(); ++group) {
            Total_Labels[group] = new QLabel(page);
            Total_Labels[group]->setObjectName(QString::fromLatin1(names[group]));
            totals->addWidget(Total_Labels[group]);
        }
        grid->addLayout(totals, rows, 0);
    }
    grid->setRowStretch(grid->rowCount(), 1);
    return page;
}

QWidget* TRogue_Dialog::Make_Hit_Point_Sheet() {
    auto* page = new QWidget(Sheets);
    Set_Help_Context(page, Help_Rogue_Page);
    Hit_Point_Box = new QCheckBox(page);
    Hit_Point_Box->setObjectName(QStringLiteral("Increase_Hit_Points"));
    auto* note =
        new QLabel(tr("This option is exclusive of all other options.  Choosing this will cancel all "
                      "points assigned to other items."),
                   page);
    note->setObjectName(QStringLiteral("Note_Label"));
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Hit_Point_Box);
    layout->addWidget(note);
    layout->addStretch(1);
    return page;
}

bool TRogue_Dialog::Applicable() {
    return _Character && _Character->Is_Class("Rogue") > 0;
}

void TRogue_Dialog::Update_From_Character() {
    if (!_Character)
        return;
    const TFill_Guard filling = Begin_Fill();
    Rogue_Index = _Character->Is_Class("Rogue");
    Restore.Enter(*_Character);
    Pool = std::make_unique<TRogue_Pool>(*_Character, Total_Points);
    Hit_Point_Box->setChecked(false);
    for (int sheet = 0; sheet < Sheets->count(); ++sheet)
        Sheets->setTabVisible(sheet, true);
    Show_Pool();
}

bool TRogue_Dialog::Valid() {
    return !Pool || Pool->Valid();
}

void TRogue_Dialog::Show_Pool() {
    for (int panel = 0; panel < Rogue_Panels::Count; ++panel)
        Panels[static_cast<std::size_t>(panel)]->Show(*Pool, panel);
    Points_Label->setText(To_QString(Pool->Points_Caption()));
    for (std::size_t group = 0; group < Total_Labels.size(); ++group)
        Total_Labels[group]->setText(To_QString(Pool->Total_Caption(static_cast<TScore_Group>(group))));
    Hit_Point_Box->setText(To_QString(Pool->Hit_Point_Caption()));
    Hit_Point_Box->setEnabled(Pool->Hit_Point_Option_Available());
    Restore.Record(*_Character);
    Notify_Validation();
}

void TRogue_Dialog::Choose_Hit_Point(bool chosen) {
    Pool->Set_Hit_Point_Option(chosen);
    // The extra hit point is bought with the whole pool: the sheets it cancels are put away.
    for (std::size_t sheet = 0; sheet < Panel_Sheets.size(); ++sheet)
        if (Panel_Sheets[sheet] != TRogue_Sheet::Commando)
            Sheets->setTabVisible(static_cast<int>(sheet), !chosen);
    Show_Pool();
}

} // namespace Vexlor
