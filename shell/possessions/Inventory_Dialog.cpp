#include "shell/possessions/Inventory_Dialog.h"

#include "shell/possessions/Plan_Help_Dialog.h"
#include "widgets/Help_Contexts.h"
#include "widgets/List_Widgets.h"
#include "widgets/Named_Controls.h"
#include "widgets/Text_Convert.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace Vexlor {
namespace {

struct TPage_Control {
    const char* Caption;
    const char* List_Name;
};
// In the order of Catalogue_Pages.
constexpr TPage_Control Page_Controls[] = {{QT_TR_NOOP("&Items"), "Items_List"},
                                           {QT_TR_NOOP("&QIDs"), "QIDs_List"},
                                           {QT_TR_NOOP("Co&mpounds"), "Compounds_List"},
                                           {QT_TR_NOOP("&Plans"), "Plans_List"},
                                           {QT_TR_NOOP("&Recipes"), "Recipes_List"}};

std::vector<std::string> Names_Of(const TInventory_List& list) {
    std::vector<std::string> names;
    names.reserve(list.size());
    for (const TInventory_Entry& entry : list)
        names.push_back(entry.Name);
    return names;
}

int Selected_Row(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
}

} // namespace

TInventory_Dialog::TInventory_Dialog(TServices& services, QWidget* parent)
    : TKit_Dialog(services, Help_Inventory, parent), Services(services), Model(services.Catalogues) {
    setWindowTitle(tr("Items..."));
    auto* columns = new QHBoxLayout;
    columns->addWidget(Make_Held_Side(), 3);
    columns->addWidget(Make_Catalogue_Side(), 2);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OK_Button"));
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&OK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("Cancel_Button"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("&Cancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);
    On(buttons, &QDialogButtonBox::accepted, [this] { accept(); });
    On(buttons, &QDialogButtonBox::rejected, [this] { reject(); });
    Connect_Handlers();
    Install_Context_Help(this, services.Help,
                         [this](QWidget* widget, QPoint position) { return Describe(widget, position); });
    for (QListWidget* list : All_Lists())
        On_Entry_Right_Click(list,
                             [this, list](QListWidgetItem* item) { return Open_Plan_Help(list, item); });
    resize(760, 460);
    Show_Level();
    Show_Equipped();
}

QListWidget* TInventory_Dialog::Make_List(const char* name) {
    auto* list = new QListWidget(this);
    list->setObjectName(QString::fromLatin1(name));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->installEventFilter(this);
    return list;
}

QWidget* TInventory_Dialog::Make_Held_Side() {
    auto* side = new QWidget(this);
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* heading = new QHBoxLayout;
    heading->addWidget(new QLabel(tr("Held items:"), side));
    Nest_Level = new QLabel(side);
    Nest_Level->setObjectName(QStringLiteral("Nest_Level"));
    heading->addWidget(Nest_Level, 1);
    layout->addLayout(heading);

    auto* lists = new QHBoxLayout;
    Held_List = Make_List("Held_List");
    lists->addWidget(Held_List, 1);
    auto* equipped = new QVBoxLayout;
    equipped->addWidget(new QLabel(tr("Equipped:"), side));
    Equipped_List = Make_List("Equipped_List");
    equipped->addWidget(Equipped_List, 1);
    lists->addLayout(equipped, 1);
    layout->addLayout(lists, 1);

    auto* actions = new QHBoxLayout;
    Back_Button = Make_Button(side, "Back_Button", tr("< &Back"));
    Delete_Button = Make_Button(side, "Delete_Button", tr("&Delete"));
    Equip_Button = Make_Button(side, "Equip_Button", tr("&Equip"));
    for (QPushButton* button : {Back_Button, Delete_Button, Equip_Button})
        actions->addWidget(button);
    actions->addStretch(1);
    layout->addLayout(actions);
    return side;
}

QWidget* TInventory_Dialog::Make_Catalogue_Side() {
    Pages = new QTabWidget(this);
    Pages->setObjectName(QStringLiteral("Catalogue_Pages"));
    // Every page's tab stays in sight: the window is never narrower than the five of them.
    Pages->setUsesScrollButtons(false);
    for (const TCatalogue_Page page : Catalogue_Pages) {
        Page_Lists[page] = Make_List(Page_Controls[page].List_Name);
        Pages->addTab(Page_Lists[page], tr(Page_Controls[page].Caption));
    }
    return Pages;
}

void TInventory_Dialog::Connect_Handlers() {
    On(Held_List, &QListWidget::itemActivated,
       [this](QListWidgetItem* item) { Open_Held(Held_List->row(item)); });
    On(Equipped_List, &QListWidget::itemSelectionChanged, [this] {
        if (Equipped_Row() >= 0) {
            const TFill_Guard filling = Begin_Fill();
            Held_List->clearSelection();
        }
        Update_Buttons();
    });
    On(Held_List, &QListWidget::itemSelectionChanged, [this] {
        if (Held_Row() >= 0) {
            const TFill_Guard filling = Begin_Fill();
            Equipped_List->clearSelection();
        }
        Update_Buttons();
    });
    On(Back_Button, &QPushButton::clicked, [this] { Back(); });
    On(Delete_Button, &QPushButton::clicked, [this] { Delete_Selected(); });
    On(Equip_Button, &QPushButton::clicked, [this] { Equip_Selected(); });
    for (const TCatalogue_Page page : Catalogue_Pages)
        On(Page_Lists[page], &QListWidget::itemActivated,
           [this, page](QListWidgetItem* item) { Add_From_Page(page, Page_Lists[page]->row(item)); });
}

void TInventory_Dialog::Deserialize(std::string_view text) {
    Model.Deserialize(text);
    Show_Level();
    Show_Equipped();
    Show_Pages();
}

void TInventory_Dialog::Add_QIDs(std::string_view list) {
    Model.Add_QIDs(list);
    Show_Level();
}

void TInventory_Dialog::Add_Compounds(std::string_view list) {
    Model.Add_Compounds(list);
    Show_Level();
}

void TInventory_Dialog::Prepare() {
    {
        const TFill_Guard filling = Begin_Fill();
        for (const TCatalogue_Page page : Catalogue_Pages)
            Fill_List(Page_Lists[page], Model.Catalogue_Names(page));
    }
    Show_Level();
    Show_Equipped();
    Show_Pages();
}

void TInventory_Dialog::Show_Level() {
    {
        const TFill_Guard filling = Begin_Fill();
        Fill_List(Held_List, Names_Of(Model.Shown()));
    }
    Nest_Level->setText(To_QString(Model.Nest_Level()));
    Back_Button->setEnabled(Model.Can_Go_Back());
    Update_Buttons();
}

void TInventory_Dialog::Show_Equipped() {
    {
        const TFill_Guard filling = Begin_Fill();
        Fill_List(Equipped_List, Model.Equipped());
    }
    Update_Buttons();
}

// While the "PID" is open only plans can be put in it: the "Plans" page alone stays enabled.
void TInventory_Dialog::Show_Pages() {
    const bool in_pid = Model.In_PID();
    for (const TCatalogue_Page page : Catalogue_Pages)
        Pages->setTabEnabled(page, !in_pid || page == Page_Plans);
}

void TInventory_Dialog::Update_Buttons() {
    const int held = Held_Row();
    Delete_Button->setEnabled(held >= 0 || Equipped_Row() >= 0);
    Equip_Button->setEnabled(held >= 0 && Model.Can_Equip(held));
}

int TInventory_Dialog::Held_Row() const {
    return Selected_Row(Held_List);
}

int TInventory_Dialog::Equipped_Row() const {
    return Selected_Row(Equipped_List);
}

void TInventory_Dialog::Open_Held(int row) {
    if (!Model.Can_Open(row))
        return;
    Model.Nest(row);
    Show_Level();
    Show_Pages();
    if (Model.In_PID())
        Pages->setCurrentIndex(Page_Plans);
}

void TInventory_Dialog::Back() {
    Model.Back();
    Show_Level();
    Show_Pages();
}

void TInventory_Dialog::Add_From_Page(TCatalogue_Page page, int row) {
    Model.Add_From_Catalogue(page, From_QString(Page_Lists[page]->item(row)->text()));
    Show_Level();
}

// With an equipped entry selected, Delete takes it off the equipped list (the character stops
// wearing or wielding it and still holds it). A held entry is deleted from the level shown; the
// equipped list stays as it is.
void TInventory_Dialog::Delete_Selected() {
    if (const int equipped = Equipped_Row(); equipped >= 0) {
        Model.Unequip(equipped);
        Show_Equipped();
    } else if (const int held = Held_Row(); held >= 0) {
        Model.Delete(held);
        Show_Level();
    }
}

void TInventory_Dialog::Equip_Selected() {
    const int held = Held_Row();
    if (held < 0 || !Model.Can_Equip(held))
        return;
    Model.Equip(held);
    Show_Equipped();
}

// Enter on an entry does what a double click does; it never reaches the OK button.
bool TInventory_Dialog::eventFilter(QObject* watched, QEvent* event) {
    auto* list = qobject_cast<QListWidget*>(watched);
    if (list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (QListWidgetItem* item = list->currentItem(); item && item->isSelected())
                emit list->itemActivated(item);
            return true;
        }
    }
    return TKit_Dialog::eventFilter(watched, event);
}

// A right click on an entry explains it: held and equipped entries by their names' endings, the
// entries of a catalogue page as records of that page's catalogue.
TInventory_Help TInventory_Dialog::Entry_Help(const QListWidget* list, const QListWidgetItem* item) const {
    const std::string name = From_QString(item->text());
    if (list == Held_List || list == Equipped_List)
        return Model.Held_Help(name);
    for (const TCatalogue_Page page : Catalogue_Pages)
        if (list == Page_Lists[page])
            return Model.Catalogue_Help(page, name);
    return {};
}

// An item template's description pops up; a plan's help window is opened before (Open_Plan_Help).
std::optional<TPopup_Text> TInventory_Dialog::Describe(QWidget* widget, QPoint position) const {
    for (const QListWidget* list : All_Lists())
        if (widget == list->viewport())
            if (const QListWidgetItem* item = list->itemAt(position))
                if (const TInventory_Help help = Entry_Help(list, item); help.Kind != Help_None)
                    return TPopup_Text{To_QString(help.Title), To_QString(help.Text)};
    return std::nullopt;
}

std::vector<QListWidget*> TInventory_Dialog::All_Lists() const {
    std::vector<QListWidget*> lists{Held_List, Equipped_List};
    lists.insert(lists.end(), Page_Lists.begin(), Page_Lists.end());
    return lists;
}

// The QIDs, plans, compounds and recipes carried show the plan's level, activation time and
// duration besides its description, as the character wizard's help windows do.
bool TInventory_Dialog::Open_Plan_Help(const QListWidget* list, const QListWidgetItem* item) {
    const TInventory_Help help = Entry_Help(list, item);
    const TKit_Services kit{Help(), Prompts()};
    if (help.Kind == Help_QID_Plan && Services.Catalogues.QIDs)
        if (const TQID_Plan* plan = Services.Catalogues.QIDs->Get(help.Title.c_str())) {
            Run_Guarded(Prompts(), [&] { Show_QID_Help(kit, *plan, this); });
            return true;
        }
    if (help.Kind == Help_Compound_Plan && Services.Catalogues.Compounds)
        if (const TCompound_Plan* plan = Services.Catalogues.Compounds->Get(help.Title.c_str())) {
            Run_Guarded(Prompts(), [&] { Show_Compound_Help(kit, *plan, this); });
            return true;
        }
    return false;
}

} // namespace Vexlor
