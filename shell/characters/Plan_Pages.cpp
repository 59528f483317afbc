#include "catalogues/Compounds.h"
#include "catalogues/QID_Plan.h"
#include "shell/characters/Wizard_Pages.h"
#include "shell/possessions/Plan_Help_Dialog.h"
#include "widgets/Context_Help.h"
#include "widgets/Help_Contexts.h"
#include "widgets/List_Widgets.h"
#include "widgets/Named_Controls.h"
#include "widgets/Text_Convert.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace Vexlor {

// ---- QID page ----

TQID_Dialog::TQID_Dialog(TServices& services, TQID_Picks& picks)
    : TWizard_Form(services, Help_QID_Page), Picks(picks) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Choose the two QIDs the engineer starts with:"), this));
    QID_List = Make_Named<QListWidget>(this, "QID_List");
    for (const std::string_view name : First_Level_QIDs)
        QID_List->addItem(To_QString(std::string(name)));
    layout->addWidget(QID_List, 1);
    auto* clear = Make_Button(this, "Clear_Button", tr("C&lear choices"));
    layout->addWidget(clear, 0, Qt::AlignLeft);

    On(QID_List, &QListWidget::itemSelectionChanged, [this] { Selection_Changed(); });
    On(clear, &QPushButton::clicked, [this] {
        Picks.Clear();
        Show_Picks();
        Notify_Validation();
    });
}

bool TQID_Dialog::Applicable() {
    return Picks_QIDs(*_Character);
}

void TQID_Dialog::Update_From_Character() {
    Show_Picks();
}

bool TQID_Dialog::Valid() {
    return Picks.Locked();
}

std::optional<TPopup_Text> TQID_Dialog::Describe(QWidget* widget, QPoint position) {
    if (widget != QID_List->viewport() || !Services.Catalogues.QIDs)
        return std::nullopt;
    const QListWidgetItem* item = QID_List->itemAt(position);
    if (!item)
        return std::nullopt;
    const TQID_Plan* plan = Services.Catalogues.QIDs->Get(From_QString(item->text()).c_str());
    if (!plan || std::string(plan->Get_Description()).empty())
        return std::nullopt;
    return TPopup_Text{To_QString(plan->Get_Name()), To_QString(plan->Get_Description())};
}

void TQID_Dialog::Selection_Changed() {
    for (int row = 0; row < QID_List->count(); ++row)
        if (QID_List->item(row)->isSelected())
            Picks.Pick(row);
    Show_Picks();
    Notify_Validation();
}

// The picks shown as the list's selection; with two picked the list is locked.
void TQID_Dialog::Show_Picks() {
    auto fill = Begin_Fill();
    QID_List->setSelectionMode(QAbstractItemView::MultiSelection);
    QID_List->clearSelection();
    for (const int row : Picks.Get_Picked())
        QID_List->item(row)->setSelected(true);
    if (Picks.Locked())
        QID_List->setSelectionMode(QAbstractItemView::NoSelection);
}

// ---- Compound page ----

TCompound_Pick_Dialog::TCompound_Pick_Dialog(TServices& services, std::optional<std::string>& pick)
    : TWizard_Form(services, Help_Compound_Page), Pick(pick) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Choose the compound the chemist starts with:"), this));
    Compound_List = Make_Named<QListWidget>(this, "Compound_List");
    layout->addWidget(Compound_List, 1);

    On(Compound_List, &QListWidget::itemSelectionChanged, [this] {
        if (const int row = Chosen_Row(Compound_List); row >= 0)
            Pick = From_QString(Compound_List->item(row)->text());
        Notify_Validation();
    });
    // The compound help window holds the description, so a right click on a compound opens it
    // alone; the compound picked stays as it was.
    On_Entry_Right_Click(Compound_List, [this](QListWidgetItem* item) {
        const TCompound_Plan* plan =
            Services.Catalogues.Compounds
                ? Services.Catalogues.Compounds->Get(From_QString(item->text()).c_str())
                : nullptr;
        if (plan)
            Run_Guarded(Prompts(), [&] { Show_Compound_Help(Services, *plan, this); });
        return plan != nullptr;
    });
}

bool TCompound_Pick_Dialog::Applicable() {
    return Picks_Compound(*_Character);
}

void TCompound_Pick_Dialog::Update_From_Character() {
    auto fill = Begin_Fill();
    std::vector<std::string> names;
    if (Services.Catalogues.Compounds)
        names = First_Level_Compounds(*Services.Catalogues.Compounds);
    Fill_List(Compound_List, names);
    const auto picked = Pick ? std::find(names.begin(), names.end(), *Pick) : names.end();
    if (picked == names.end())
        Pick.reset();
    Compound_List->setCurrentRow(picked == names.end() ? -1 : static_cast<int>(picked - names.begin()));
}

bool TCompound_Pick_Dialog::Valid() {
    return Pick.has_value();
}

// ---- Pick dialog and help windows ----

TPick_Dialog::TPick_Dialog(TServices& services, const QString& caption,
                           const std::vector<std::string>& entries, QWidget* parent)
    : TKit_Dialog(services, Help_Pick_Dialog, parent) {
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    Pick_List = Make_Named<QListWidget>(this, "Pick_List");
    Fill_List(Pick_List, entries);
    layout->addWidget(Pick_List, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("OK_Button"));
    ok->setText(tr("&OK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("Cancel_Button"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("&Cancel"));
    ok->setEnabled(false);
    On(Pick_List, &QListWidget::itemSelectionChanged,
       [this, ok] { ok->setEnabled(Chosen_Row(Pick_List) >= 0); });
    On(Pick_List, &QListWidget::itemDoubleClicked, [this] { accept(); });
    On(buttons, &QDialogButtonBox::accepted, [this] { accept(); });
    On(buttons, &QDialogButtonBox::rejected, [this] { reject(); });
}

std::string TPick_Dialog::Chosen() const {
    return Chosen_Entry(Pick_List);
}

} // namespace Vexlor
