#include "shell/catalogues/Poison_Form.h"

#include "catalogues/Effect_Template.h"
#include "widgets/Help_Contexts.h"
#include "widgets/Text_Convert.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <tuple>

namespace Vexlor {
namespace {

using TState = TPoison_Editor_State;

} // namespace

TPoison_Edit::TPoison_Edit(TServices& services, QWidget* parent)
    : TPoison_Edit_Base(services, Help_Poison_Edit, tr("Edit Poison"), "poison template", parent) {
    setObjectName(QStringLiteral("TPoison_Edit"));
    resize(520, 420);
    QVBoxLayout* layout = Make_Name_Layout("Poison_Name");

    auto* numbers = new QGridLayout;
    const std::array<std::tuple<const char*, QString, int TState::*>, 3> spins{{
        {"Cost", tr("Cost:"), &TState::Cost},
        {"Detect", tr("Detect:"), &TState::Detect},
        {"Time", tr("Time:"), &TState::Time},
    }};
    for (int i = 0; i < static_cast<int>(spins.size()); ++i) {
        const auto& [name, caption, field] = spins[static_cast<std::size_t>(i)];
        Add_Labelled(numbers, 0, 2 * i, caption, Number(name, field));
    }
    layout->addLayout(numbers);

    auto* lists = new QGridLayout;
    lists->addWidget(new QLabel(tr("Effect:"), this), 0, 0);
    lists->addWidget(new QLabel(tr("Miss effect:"), this), 0, 1);
    lists->addWidget(Effect_List("Effects", &TState::Effect), 1, 0);
    lists->addWidget(Effect_List("Miss_Effects", &TState::Miss_Effect), 1, 1);
    layout->addLayout(lists, 2);

    QPlainTextEdit* description = Memo("Description", &TState::Description);
    layout->addWidget(new QLabel(tr("Description:"), this));
    layout->addWidget(description, 1);
    layout->addWidget(Make_Button_Row());
}

TPoison_Edit::~TPoison_Edit() = default;

// A list of the effects with an empty first line for none. A stored effect the list no longer
// holds selects no line, and building keeps it.
QListWidget* TPoison_Edit::Effect_List(const char* object_name, std::optional<std::string> TState::*field) {
    auto* list = new QListWidget(this);
    list->setObjectName(QString::fromLatin1(object_name));
    Bindings.Bind(
        [this, list, field](const TState& state) {
            Fill_List(list, Lines);
            list->setCurrentRow(-1);
            if (!(state.*field))
                return;
            const auto found = std::find(Lines.begin(), Lines.end(), *(state.*field));
            if (found == Lines.end())
                return;
            list->setCurrentRow(static_cast<int>(found - Lines.begin()));
            list->scrollToItem(list->currentItem());
        },
        [list, field](TState& state) {
            const QList<QListWidgetItem*> selected = list->selectedItems();
            state.*field =
                selected.isEmpty() ? std::nullopt : std::optional(From_QString(selected.front()->text()));
        });
    return list;
}

std::vector<std::string> TPoison_Edit::Effect_Names() const {
    std::vector<std::string> names;
    if (TEffect_Registry* effects = Services.Catalogues.Effects)
        for (std::int32_t index = 0; index < effects->Count(); ++index)
            if (const TEffect_Template* effect = effects->Get(index))
                names.emplace_back(effect->Get_Name());
    return names;
}

void TPoison_Edit::Show(const TState& state) {
    Lines = Poison_Effect_Lines(Effect_Names());
    TPoison_Edit_Base::Show(state);
}

TState TPoison_Edit::New_State() const {
    return {};
}

TState TPoison_Edit::Record_State(TPoison_Template& record) const {
    return Poison_State(record, Effect_Names());
}

std::unique_ptr<TPoison_Template> TPoison_Edit::Build(const TState& state,
                                                      const TPoison_Template* original) const {
    return Build_Poison(state, original);
}

} // namespace Vexlor
