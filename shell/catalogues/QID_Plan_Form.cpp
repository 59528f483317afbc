#include "shell/catalogues/QID_Plan_Form.h"

#include "widgets/Help_Contexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace Vexlor {
namespace {

using TState = TQID_Editor_State;

} // namespace

TQID_Edit::TQID_Edit(TServices& services, QWidget* parent)
    : TQID_Edit_Base(services, Help_QID_Edit, tr("Edit QID Plan"), "QID plan", parent) {
    setObjectName(QStringLiteral("TQID_Edit"));
    resize(560, 420);
    QVBoxLayout* layout = Make_Name_Layout("QID_Name");

    QPlainTextEdit* description = Memo("Description", &TState::Description);

    QTabWidget* pages = Make_Pages();
    pages->addTab(Make_General_Page(), tr("&General"));
    pages->addTab(Make_Area_Page(), tr("&Area"));
    pages->addTab(description, tr("&Description"));
    layout->addWidget(pages, 1);
    layout->addWidget(Make_Button_Row());
}

TQID_Edit::~TQID_Edit() = default;

QWidget* TQID_Edit::Make_General_Page() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout;
    int row = 0;
    Add_Labelled(grid, row++, 0, tr("Level:"), Number("Level", &TState::Level, 1, 10));
    Add_Labelled(grid, row++, 0, tr("Activation time:"), Number("Time", &TState::Time));
    Effect = Make_Combo("Effect", Choice_Entries(QID_Plan::Effect_String));
    Bindings.Choice_Index(Effect, &TState::Effect);
    On(Effect, &QComboBox::currentIndexChanged, [this] { Update_Area(); });
    Add_Labelled(grid, row++, 0, tr("Effect:"), Effect);
    QComboBox* specialist = Make_Combo("Specialist", Choice_Entries(Specialist_String));
    Bindings.Choice_Index(specialist, &TState::Specialist);
    Add_Labelled(grid, row++, 0, tr("Specialist:"), specialist);
    QComboBox* classification = Make_Combo("Classification", Choice_Entries(QID_Class_String));
    Bindings.Choice_Index(classification, &TState::Classification);
    Add_Labelled(grid, row++, 0, tr("Classification:"), classification);
    Add_Labelled(grid, row++, 0, tr("Range:"), Number("Range", &TState::Range));
    Add_Labelled(grid, row++, 0, tr("Range/level:"), Number("Level_Range", &TState::Level_Range));
    QSpinBox* miss = Number("Miss_Percent_Reduction", &TState::Miss_Percent_Reduction, 0, 100);
    miss->setSuffix(QStringLiteral(" %"));
    Add_Labelled(grid, row++, 0, tr("Miss reduction:"), miss);
    QCheckBox* no_miss = Make_Named<QCheckBox>(this, "No_Miss", tr("No miss"));
    Bindings.Flag(no_miss, &TState::No_Miss);
    grid->addWidget(no_miss, row++, 1);
    QCheckBox* sight = Make_Named<QCheckBox>(this, "Sight", tr("Sight"));
    Bindings.Flag(sight, &TState::Sight);
    grid->addWidget(sight, row++, 1);
    grid->setRowStretch(row, 1);

    auto* damage = new QGridLayout;
    Add_Labelled(damage, 0, 0, tr("Base:"), Range("AttackLow1", "AttackHigh1", &TState::Base_Damage));
    Add_Labelled(damage, 1, 0, tr("Per level:"), Range("AttackLow2", "AttackHigh2", &TState::Level_Damage));
    auto* duration = new QGridLayout;
    Add_Labelled(duration, 0, 0, tr("Base:"), Range("DurationLow1", "DurationHigh1", &TState::Duration));
    Add_Labelled(duration, 1, 0, tr("Per level:"),
                 Range("DurationLow2", "DurationHigh2", &TState::Duration_Level));
    QCheckBox* permanent = Make_Named<QCheckBox>(this, "Permanent", tr("Permanent"));
    Bindings.Flag(permanent, &TState::Permanent);
    duration->addWidget(permanent, 2, 1);

    auto* boxes = new QVBoxLayout;
    boxes->addWidget(Make_Group(tr("Damage"), page, damage));
    boxes->addWidget(Make_Group(tr("Duration"), page, duration));
    boxes->addStretch(1);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(grid, 1);
    layout->addLayout(boxes, 1);
    return page;
}

QWidget* TQID_Edit::Make_Area_Page() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout;
    Area = Number("Area", &TState::Area);
    Area_Level = Number("Area_Level", &TState::Area_Level);
    Add_Labelled(grid, 0, 0, tr("Area of effect:"), Area);
    Add_Labelled(grid, 1, 0, tr("Area of effect (per level):"), Area_Level);
    QComboBox* shape = Make_Combo("Shape", Choice_Entries(Effect_Shape_String));
    Bindings.Choice_Index(shape, &TState::Shape);
    Add_Labelled(grid, 2, 0, tr("Area shape:"), shape);

    auto* volume = new QGridLayout;
    Add_Labelled(volume, 0, 0, tr("Width:"), Number("Width", &TState::Width));
    Add_Labelled(volume, 1, 0, tr("Depth:"), Number("Depth", &TState::Depth));
    Add_Labelled(volume, 2, 0, tr("Height:"), Number("Height", &TState::Height));

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    layout->addWidget(Make_Group(tr("Volume"), page, volume));
    layout->addStretch(1);
    return page;
}

// The area boxes take input only for a QID whose effect is an area.
void TQID_Edit::Update_Area() {
    const bool area = Has_Area(static_cast<QID_Plan::TEffect>(Effect->currentIndex()));
    Area->setEnabled(area);
    Area_Level->setEnabled(area);
}

void TQID_Edit::Show(const TState& state) {
    TQID_Edit_Base::Show(state);
    Update_Area();
}

TState TQID_Edit::New_State() const {
    return {};
}

TState TQID_Edit::Record_State(TQID_Plan& record) const {
    return QID_Editor_State(record);
}

std::unique_ptr<TQID_Plan> TQID_Edit::Build(const TState& state, const TQID_Plan* original) const {
    return std::make_unique<TQID_Plan>(Build_QID_Plan(original ? *original : TQID_Plan{}, state));
}

} // namespace Vexlor
