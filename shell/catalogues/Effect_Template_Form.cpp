#include "shell/catalogues/Effect_Template_Form.h"

#include "catalogues/QID_Plan.h"
#include "widgets/Help_Contexts.h"
#include "widgets/Keyboard.h"
#include "widgets/Storable_Text.h"
#include "widgets/Text_Convert.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <stdexcept>

namespace Vexlor {
namespace {

using TState = TEffect_Editor_State;

} // namespace

TEffect_Edit::TEffect_Edit(TServices& services, QWidget* parent)
    : TEffect_Edit_Base(services, Help_Effect_Edit, tr("Edit Effect"), "effect template", parent) {
    setObjectName(QStringLiteral("TEffect_Edit"));
    resize(640, 500);
    QVBoxLayout* layout = Make_Name_Layout("Armor_Name");

    QTabWidget* pages = Make_Pages();
    pages->addTab(Make_General_Page(), tr("&General"));
    pages->addTab(Make_Conditions_Page(), tr("Condi&tions"));
    pages->addTab(Make_Lists_Page(), tr("&Sub-effects && QIDs"));
    pages->addTab(Dual_List("Disease_List", "Available_Disease_List", "Disease_Add_Button",
                            "Disease_Remove_Button", &TState::Diseases, tr("Disease:"), tr("Body systems:"))
                      .Panel,
                  tr("D&isease"));
    pages->addTab(Memo("Description", &TState::Description), tr("&Description"));
    layout->addWidget(pages, 1);
    layout->addWidget(Make_Button_Row());
}

TEffect_Edit::~TEffect_Edit() = default;

QWidget* TEffect_Edit::Make_General_Page() {
    auto* page = new QWidget(this);
    auto* timing = new QGridLayout;
    Add_Labelled(timing, 0, 0, tr("Onset time"), Text("Time", &TState::Time));
    Add_Labelled(timing, 1, 0, tr("Duration:"), Text("Duration", &TState::Duration));
    Add_Labelled(timing, 2, 0, tr("Repeat:"), Text("Effect_Repeat", &TState::Effect_Repeat));
    // The three times are formulas of seconds.
    for (int row = 0; row <= 2; ++row)
        timing->addWidget(new QLabel(tr("seconds"), page), row, 2);
    QSpinBox* armor = Number("Armor_Bonus", &TState::Armor_Bonus);
    armor->setSuffix(QStringLiteral(" %"));
    Add_Labelled(timing, 3, 0, tr("Armor bonus:"), armor);
    QSpinBox* hit = Number("Hit_Adjustment", &TState::Hit_Adjustment);
    hit->setSuffix(QStringLiteral(" %"));
    Add_Labelled(timing, 4, 0, tr("Hit adjustment:"), hit);
    Add_Labelled(timing, 5, 0, tr("Speed:"), Number("Speed", &TState::Speed));
    Add_Labelled(timing, 6, 0, tr("Level:"), Number("Level", &TState::Level));

    auto* hit_points = new QGridLayout;
    hit_points->addWidget(Text("HP", &TState::HP), 0, 0, 1, 2);
    QCheckBox* hp_permanent = Make_Named<QCheckBox>(this, "HP_Permanent", tr("Permanent"));
    Bindings.Flag(hp_permanent, &TState::HP_Permanent);
    QCheckBox* hp_percent = Make_Named<QCheckBox>(this, "HP_Percent", tr("Percent"));
    Bindings.Flag(hp_percent, &TState::HP_Percent);
    hit_points->addWidget(hp_permanent, 1, 0);
    hit_points->addWidget(hp_percent, 1, 1);

    auto* left = new QVBoxLayout;
    left->addLayout(timing);
    left->addWidget(Make_Group(tr("Hit Points"), page, hit_points));
    left->addStretch(1);

    // Each ability: its amount, an expression such as "-(1d4)", and whether the change lasts.
    auto* abilities = new QGridLayout;
    for (int ability = 0; ability < EA_Count; ++ability) {
        const std::string name(Ability_Controls[static_cast<std::size_t>(ability)]);
        auto* amount = new QLineEdit(page);
        amount->setObjectName(To_QString(name));
        Refuse_Unstorable(amount);
        QCheckBox* permanent = Make_Named<QCheckBox>(this, (name + "_Permanent").c_str(), tr("Permanent"));
        Bindings.Bind(
            [amount, permanent, ability](const TState& state) {
                amount->setText(To_QString(state.Abilities[ability].Amount));
                permanent->setChecked(state.Abilities[ability].Permanent);
            },
            [amount, permanent, ability](TState& state) {
                state.Abilities[ability] = {From_QString(amount->text()), permanent->isChecked()};
            });
        Add_Labelled(abilities, ability, 0, To_QString(name + ":"), amount);
        abilities->addWidget(permanent, ability, 2);
    }

    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left, 1);
    layout->addWidget(Make_Group(tr("Abilities"), page, abilities), 1);
    return page;
}

QWidget* TEffect_Edit::Make_Conditions_Page() {
    static const std::array<const char*, EF_Count> captions{
        "Unconciousness", "Death",          "Helpless",   "Dizziness",       "Blindness",          "Deafness",
        "Sterility",      "Chain",          "Bleeding",   "Hair loss",       "Memory loss",        "Nausea",
        "Hallucinations", "Sense lifeform", "Sense QIDs", "Sense chemicals", "Sense secret doors", "Mild"};
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    for (int flag = 0; flag < EF_Count; ++flag) {
        const auto index = static_cast<std::size_t>(flag);
        QCheckBox* check =
            Make_Named<QCheckBox>(this, std::string(Flag_Controls[index]).c_str(), tr(captions[index]));
        Bindings.Bind([check, flag](const TState& state) { check->setChecked(state.Flags[flag]); },
                      [check, flag](TState& state) { state.Flags[flag] = check->isChecked(); });
        grid->addWidget(check, flag % 7, flag / 7);
    }
    // Insanity has no place in an effect template: the box is shown but takes no input.
    QCheckBox* insanity = Make_Named<QCheckBox>(this, "Insanity", tr("Insanity"));
    insanity->setEnabled(false);
    insanity->setToolTip(tr("Effect templates do not store insanity."));
    grid->addWidget(insanity, EF_Count % 7, EF_Count / 7);
    grid->setRowStretch(7, 1);
    return page;
}

QWidget* TEffect_Edit::Make_Lists_Page() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Dual_List("Effects", "Available_Effects", "Effect_Add_Button", "Effect_Remove_Button",
                                &TState::Effects, tr("Sub-effects:"), tr("Other effects:"))
                          .Panel);
    QLabel* cycle = Make_Named<QLabel>(page, "Cycle_Note");
    cycle->setWordWrap(true);
    Bindings.Bind(
        [cycle](const TState& state) {
            cycle->setText(To_QString(state.Cycle_Note));
            cycle->setVisible(!state.Cycle_Note.empty());
        },
        [](TState&) {});
    layout->addWidget(cycle);
    layout->addWidget(Dual_List("Armor_QID_List", "Armor_Complete_QID_List", "QID_Add_Button",
                                "QID_Remove_Button", &TState::QIDs, tr("QID effects:"), tr("Other QIDs:"))
                          .Panel);
    return page;
}

std::vector<TEffect_Links> TEffect_Edit::Effect_Links() const {
    std::vector<TEffect_Links> links;
    if (TEffect_Registry* effects = Services.Catalogues.Effects)
        for (std::int32_t index = 0; index < effects->Count(); ++index)
            if (const TEffect_Template* effect = effects->Get(index))
                links.push_back({effect->Get_Name(), effect->Get_Effects()});
    return links;
}

std::vector<std::string> TEffect_Edit::QID_Names() const {
    std::vector<std::string> names;
    if (TQID_Registry* qids = Services.Catalogues.QIDs)
        for (std::int32_t index = 0; index < qids->Count(); ++index)
            if (const TQID_Plan* plan = qids->Get(index))
                names.emplace_back(plan->Get_Name());
    return names;
}

TState TEffect_Edit::New_State() const {
    return New_Effect_State(Effect_Links(), QID_Names());
}

TState TEffect_Edit::Record_State(TEffect_Template& record) const {
    return Effect_State(record, Effect_Links(), QID_Names());
}

// A formula the dice cannot roll keeps the editor open on its box, with a message that says why.
std::unique_ptr<TEffect_Template> TEffect_Edit::Build(const TState& state,
                                                      const TEffect_Template* original) const {
    if (const auto problem = Unreadable_Formula(state)) {
        if (auto* box = findChild<QLineEdit*>(To_QString(problem->Control)))
            Point_At(box);
        throw std::invalid_argument(problem->Message);
    }
    return Build_Effect(state, original);
}

} // namespace Vexlor
