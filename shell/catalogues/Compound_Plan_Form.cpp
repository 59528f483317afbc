#include "shell/catalogues/Compound_Plan_Form.h"

#include "widgets/Help_Contexts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

#include <string>

namespace Vexlor {
namespace {

using TState = TCompound_Editor_State;

// Aging may run backwards; and no stored range is cut short when it is shown.
constexpr int Pair_Bound = 32767;

} // namespace

TCompound_Edit::TCompound_Edit(TServices& services, QWidget* parent)
    : TCompound_Edit_Base(services, Help_Compound_Edit, tr("Edit Compound Plan"), "compound plan", parent) {
    setObjectName(QStringLiteral("TCompound_Edit"));
    resize(600, 440);
    QVBoxLayout* layout = Make_Name_Layout("Compound_Name");

    QPlainTextEdit* description = Memo("Description", &TState::Description);

    QTabWidget* pages = Make_Pages();
    pages->addTab(Make_General_Page(), tr("&General"));
    pages->addTab(Make_Rounds_Page(), tr("&Multi-round damage"));
    pages->addTab(description, tr("&Description"));
    layout->addWidget(pages, 1);
    layout->addWidget(Make_Button_Row());
}

TCompound_Edit::~TCompound_Edit() = default;

QWidget* TCompound_Edit::Make_General_Page() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout;
    int row = 0;
    Add_Labelled(grid, row++, 0, tr("Level:"), Number("Level", &TState::Level, 1, 9));
    QComboBox* classification = Make_Combo("Classification", Choice_Entries(Compound_Class_String));
    Bindings.Choice_Index(classification, &TState::Classification);
    Add_Labelled(grid, row++, 0, tr("Classification:"), classification);
    Effect = Make_Combo("Effect", Choice_Entries(Compounds::Effect_String));
    Bindings.Choice_Index(Effect, &TState::Effect);
    On(Effect, &QComboBox::currentIndexChanged, [this] { Update_Area(); });
    Add_Labelled(grid, row++, 0, tr("Effect:"), Effect);
    Area = Number("Area", &TState::Area);
    Area_Level = Number("Area_Level", &TState::Area_Level);
    Add_Labelled(grid, row++, 0, tr("Area of effect:"), Area);
    Add_Labelled(grid, row++, 0, tr("Area of effect (per level):"), Area_Level);
    // A compound plan has no range: the box is shown with the others but takes no input.
    QSpinBox* range = Make_Spin("Range");
    range->setEnabled(false);
    range->setToolTip(tr("A compound has no range."));
    Add_Labelled(grid, row++, 0, tr("Range:"), range);
    const TPair_Controls age = Make_Pair("Age_Low", "Age_High", -Pair_Bound, Pair_Bound);
    Bindings.Range(age.Pair, &TState::Age);
    Add_Labelled(grid, row++, 0, tr("Aging Low:"), age.Low);
    Add_Labelled(grid, row++, 0, tr("Aging High:"), age.High);
    grid->setRowStretch(row, 1);

    auto* duration = new QGridLayout;
    Add_Labelled(duration, 0, 0, tr("Base:"), Range("Duration_Low", "Duration_High", &TState::Duration));
    Add_Labelled(duration, 1, 0, tr("Per level:"),
                 Range("Duration_Level_Low", "Duration_Level_High", &TState::Duration_Level));
    auto* damage = new QGridLayout;
    Add_Labelled(damage, 0, 0, tr("Base:"),
                 Range("Base_Damage_Low", "Base_Damage_High", &TState::Base_Damage));
    Add_Labelled(damage, 1, 0, tr("Per level:"),
                 Range("Level_Damage_Low", "Level_Damage_High", &TState::Level_Damage));
    auto* miss_row = new QHBoxLayout;
    QSpinBox* miss = Number("Miss", &TState::Miss, 0, 100);
    miss_row->addWidget(miss, 1);
    miss_row->addWidget(new QLabel(tr("% of damage"), page));
    auto* miss_label = new QLabel(tr("Miss: subtract"), page);
    miss_label->setBuddy(miss);
    damage->addWidget(miss_label, 2, 0);
    damage->addLayout(miss_row, 2, 1);

    auto* boxes = new QVBoxLayout;
    boxes->addWidget(Make_Group(tr("Duration"), page, duration));
    boxes->addWidget(Make_Group(tr("Damage"), page, damage));
    boxes->addStretch(1);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(grid, 1);
    layout->addLayout(boxes, 1);
    return page;
}

QWidget* TCompound_Edit::Make_Rounds_Page() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout;
    for (int round = TRound_Damage::Low_Index; round <= TRound_Damage::High_Index; ++round) {
        const std::string number = std::to_string(round);
        const std::string low_name = "Damage_Low_Round_" + number;
        const std::string high_name = "Damage_High_Round_" + number;
        const TPair_Controls pair = Make_Pair(low_name.c_str(), high_name.c_str(), -Pair_Bound, Pair_Bound);
        Bindings.Bind(
            [pair, round](const TState& state) {
                pair.Pair->Set({state.Round_Damage[round].Low, state.Round_Damage[round].High});
            },
            [pair, round](TState& state) {
                const TLow_High shown = pair.Pair->Get();
                state.Round_Damage[round] = {shown.Low, shown.High};
            });
        Add_Labelled(grid, round - 1, 0, tr("Round #%1").arg(round), Make_Pair_Row(pair));
    }
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Make_Group(tr("Multi-round damage"), page, grid));
    layout->addStretch(1);
    return page;
}

// The area boxes take input only for a compound whose effect is an area.
void TCompound_Edit::Update_Area() {
    const bool area = Has_Area(static_cast<Compounds::TEffect>(Effect->currentIndex()));
    Area->setEnabled(area);
    Area_Level->setEnabled(area);
}

void TCompound_Edit::Show(const TState& state) {
    TCompound_Edit_Base::Show(state);
    Update_Area();
}

TState TCompound_Edit::New_State() const {
    return {};
}

TState TCompound_Edit::Record_State(TCompound_Plan& record) const {
    return Compound_Editor_State(record);
}

std::unique_ptr<TCompound_Plan> TCompound_Edit::Build(const TState& state,
                                                      const TCompound_Plan* original) const {
    return std::make_unique<TCompound_Plan>(
        Build_Compound_Plan(original ? *original : TCompound_Plan{}, state));
}

} // namespace Vexlor
