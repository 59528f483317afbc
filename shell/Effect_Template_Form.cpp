#include "shell/Effect_Template_Form.h"

#include "catalogues/QID_Plan.h"
#include "widgets/Help_Contexts.h"
#include "widgets/Text_Convert.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <stdexcept>

namespace Vexlor {
namespace {

using TState = TEffect_Editor_State;

} // namespace

TEffect_Edit::TEffect_Edit(TServices& services, QWidget* parent)
    : TRecord_Edit_Dialog(services, Help_Effect_Edit, tr("Edit Effect"), parent) {
    setObjectName(QStringLiteral("TEffect_Edit"));
    resize(640, 500);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Make_Name_Row("Armor_Name"));
    Bindings.Text(Name_Box(), &TState::Name);

    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("Pages"));
    pages->addTab(Make_General_Page(), tr("General"));
    pages->addTab(Make_Conditions_Page(), tr("Conditions"));
    pages->addTab(Make_Lists_Page(), tr("Sub-effects && QIDs"));
    pages->addTab(Make_Dual_List("Disease_List", "Available_Disease_List", "Disease_Add_Button",
                                 "Disease_Remove_Button", &TState::Diseases, tr("Disease:"),
                                 tr("Body systems:")),
                  tr("Disease"));
    pages->addTab(Make_Description_Page(), tr("Description"));
    layout->addWidget(pages, 1);
    layout->addWidget(Make_Button_Row());
}

TEffect_Edit::~TEffect_Edit() = default;

QLineEdit* TEffect_Edit::Text(const char* object_name, std::string TState::*field) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(object_name));
    Bindings.Text(edit, field);
    return edit;
}

QSpinBox* TEffect_Edit::Number(const char* object_name, int TState::*field) {
    QSpinBox* spin = Make_Spin(object_name);
    Bindings.Number(spin, field);
    return spin;
}

QWidget* TEffect_Edit::Make_General_Page() {
    auto* page = new QWidget(this);
    auto* timing = new QGridLayout;
    Add_Labelled(timing, 0, 0, tr("Onset time"), Text("Time", &TState::Time));
    Add_Labelled(timing, 1, 0, tr("Duration:"), Text("Duration", &TState::Duration));
    Add_Labelled(timing, 2, 0, tr("Repeat:"), Text("Effect_Repeat", &TState::Effect_Repeat));
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
    QCheckBox* hp_permanent = Make_Check("HP_Permanent", tr("Permanent"));
    Bindings.Flag(hp_permanent, &TState::HP_Permanent);
    QCheckBox* hp_percent = Make_Check("HP_Percent", tr("Percent"));
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
        QCheckBox* permanent = Make_Check((name + "_Permanent").c_str(), tr("Permanent"));
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
        QCheckBox* check = Make_Check(std::string(Flag_Controls[index]).c_str(), tr(captions[index]));
        Bindings.Bind([check, flag](const TState& state) { check->setChecked(state.Flags[flag]); },
                      [check, flag](TState& state) { state.Flags[flag] = check->isChecked(); });
        grid->addWidget(check, flag % 7, flag / 7);
    }
    // Insanity has no place in an effect template: the box is shown but takes no input.
    QCheckBox* insanity = Make_Check("Insanity", tr("Insanity"));
    insanity->setEnabled(false);
    insanity->setToolTip(tr("Effect templates do not store insanity."));
    grid->addWidget(insanity, EF_Count % 7, EF_Count / 7);
    grid->setRowStretch(7, 1);
    return page;
}

QWidget* TEffect_Edit::Make_Lists_Page() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Make_Dual_List("Effects", "Available_Effects", "Effect_Add_Button",
                                     "Effect_Remove_Button", &TState::Effects, tr("Sub-effects:"),
                                     tr("Other effects:")));
    layout->addWidget(Make_Dual_List("Armor_QID_List", "Armor_Complete_QID_List", "QID_Add_Button",
                                     "QID_Remove_Button", &TState::QIDs, tr("QID effects:"),
                                     tr("Other QIDs:")));
    return page;
}

QWidget* TEffect_Edit::Make_Description_Page() {
    auto* memo = new QPlainTextEdit(this);
    memo->setObjectName(QStringLiteral("Description"));
    Bindings.Memo(memo, &TState::Description);
    return memo;
}

// The effect's list at the left, "<" and ">" between, the others at the right: "<" takes the
// selected lines into the effect, ">" gives them back.
QWidget* TEffect_Edit::Make_Dual_List(const char* chosen_name, const char* available_name,
                                      const char* add_name, const char* remove_name,
                                      TName_Choice TState::*field, const QString& chosen_caption,
                                      const QString& available_caption) {
    auto* panel = new QWidget(this);
    auto* chosen = new QListWidget(panel);
    chosen->setObjectName(QString::fromLatin1(chosen_name));
    auto* available = new QListWidget(panel);
    available->setObjectName(QString::fromLatin1(available_name));
    QPushButton* add = Make_Button(add_name, QStringLiteral("<"));
    QPushButton* remove = Make_Button(remove_name, QStringLiteral(">"));
    auto* mover = new TDual_List(available, chosen, add, remove);
    Bindings.Bind(
        [mover, field](const TState& state) {
            mover->Set_Entries((state.*field).Available, (state.*field).Chosen);
        },
        [chosen, available, field](TState& state) {
            state.*field = {List_Entries(chosen), List_Entries(available)};
        });

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
    return panel;
}

std::vector<TEffect_Links> TEffect_Edit::Effect_Links() const {
    std::vector<TEffect_Links> links;
    if (TEffect_Registry* effects = Services().Catalogues.Effects)
        for (std::int32_t index = 0; index < effects->Count(); ++index)
            if (const TEffect_Template* effect = effects->Get(index))
                links.push_back({effect->Get_Name(), effect->Get_Effects()});
    return links;
}

std::vector<std::string> TEffect_Edit::QID_Names() const {
    std::vector<std::string> names;
    if (TQID_Registry* qids = Services().Catalogues.QIDs)
        for (std::int32_t index = 0; index < qids->Count(); ++index)
            if (const TQID_Plan* plan = qids->Get(index))
                names.emplace_back(plan->Get_Name());
    return names;
}

void TEffect_Edit::Show(const TEffect_Editor_State& state) {
    {
        const TFill_Guard filling = Begin_Fill();
        Bindings.Show(state);
    }
    Last_Shown = state;
    Update_Name_State();
}

void TEffect_Edit::Clear_Record() {
    Original.reset();
    Show(New_Effect_State(Effect_Links(), QID_Names()));
}

bool TEffect_Edit::Fill_Record(const std::string& name) {
    TEffect_Registry* effects = Services().Catalogues.Effects;
    const TEffect_Template* effect = effects ? effects->Get(name.c_str()) : nullptr;
    if (!effect)
        return false;
    Original = *effect;
    Show(Effect_State(*Original, Effect_Links(), QID_Names()));
    return true;
}

void TEffect_Edit::Build_Record() {
    Built = Build_Effect(Bindings.Read(Last_Shown), Original ? &*Original : nullptr);
}

std::string TEffect_Edit::Built_Name() const {
    return Built ? Built->Get_Name() : std::string();
}

void TEffect_Edit::Store_Built() {
    TEffect_Registry* effects = Services().Catalogues.Effects;
    if (!effects || !Built)
        throw std::logic_error("No effect template to store");
    effects->Add(Built.release());
}

} // namespace Vexlor
