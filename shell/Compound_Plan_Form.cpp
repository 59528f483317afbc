#include "shell/Compound_Plan_Form.h"

#include "widgets/Help_Contexts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

#include <stdexcept>
#include <string>

namespace Vexlor {
namespace {

using TState = TCompound_Editor_State;

// Aging may run backwards; and no stored range is cut short when it is shown.
constexpr int Pair_Bound = 32767;

} // namespace

TCompound_Edit::TCompound_Edit(TServices& services, QWidget* parent)
    : TRecord_Edit_Dialog(services, Help_Compound_Edit, tr("Edit Compound Plan"), parent) {
    setObjectName(QStringLiteral("TCompound_Edit"));
    resize(600, 440);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Make_Name_Row("Compound_Name"));
    Bindings.Text(Name_Box(), &TState::Name);

    auto* description = new QPlainTextEdit(this);
    description->setObjectName(QStringLiteral("Description"));
    Bindings.Memo(description, &TState::Description);

    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("Pages"));
    pages->addTab(Make_General_Page(), tr("General"));
    pages->addTab(Make_Rounds_Page(), tr("Multi-round damage"));
    pages->addTab(description, tr("Description"));
    layout->addWidget(pages, 1);
    layout->addWidget(Make_Button_Row());
}

TCompound_Edit::~TCompound_Edit() = default;

QSpinBox* TCompound_Edit::Number(const char* object_name, int TState::*field, int low, int high) {
    QSpinBox* spin = Make_Spin(object_name, low, high);
    Bindings.Number(spin, field);
    return spin;
}

QWidget* TCompound_Edit::Range(const char* low_name, const char* high_name, TRange TState::*field) {
    const TPair_Controls pair = Make_Pair(low_name, high_name, -Pair_Bound, Pair_Bound);
    Bindings.Range(pair.Pair, field);
    return Make_Pair_Row(pair);
}

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

void TCompound_Edit::Show(const TCompound_Editor_State& state) {
    {
        const TFill_Guard filling = Begin_Fill();
        Bindings.Show(state);
    }
    Update_Area();
    Update_Name_State();
}

void TCompound_Edit::Clear_Record() {
    Original.reset();
    Show(TCompound_Editor_State{});
}

bool TCompound_Edit::Fill_Record(const std::string& name) {
    TCompound_Registry* compounds = Services().Catalogues.Compounds;
    const TCompound_Plan* plan = compounds ? compounds->Get(name.c_str()) : nullptr;
    if (!plan)
        return false;
    Original = *plan;
    Show(Compound_Editor_State(*Original));
    return true;
}

void TCompound_Edit::Build_Record() {
    Built = std::make_unique<TCompound_Plan>(Build_Compound_Plan(Original ? *Original : TCompound_Plan{},
                                                                 Bindings.Read(TCompound_Editor_State{})));
}

std::string TCompound_Edit::Built_Name() const {
    return Built ? Built->Get_Name() : std::string();
}

void TCompound_Edit::Store_Built() {
    TCompound_Registry* compounds = Services().Catalogues.Compounds;
    if (!compounds || !Built)
        throw std::logic_error("No compound plan to store");
    compounds->Add(Built.release());
}

} // namespace Vexlor
