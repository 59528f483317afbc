#include "shell/catalogues/Catalogue_Choice_Dialog.h"

#include "catalogues/Compounds.h"
#include "catalogues/Creature_Profile.h"
#include "catalogues/Effect_Template.h"
#include "catalogues/Item_Template.h"
#include "catalogues/Poison_Template.h"
#include "catalogues/QID_Plan.h"
#include "shell/catalogues/Catalogue_Exchange_Actions.h"
#include "shell/catalogues/Record_Edit_Dialog.h"
#include "widgets/Context_Help.h"
#include "widgets/Help_Contexts.h"
#include "widgets/List_Widgets.h"
#include "widgets/Named_Controls.h"
#include "widgets/Text_Convert.h"
#include "widgets/User_Prompts.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include <stdexcept>

namespace Vexlor {
namespace {

template <class Record>
std::unique_ptr<TCatalogue_List> List_Of(TCatalogue_Registry<Record>* registry,
                                         const TCatalogues& catalogues) {
    if (!registry)
        throw std::logic_error("A catalogue list dialog was made without its catalogue");
    return std::make_unique<TRegistry_List<Record>>(*registry, catalogues);
}

// What differs between the six dialogs besides their texts: the window's name, its help topic and
// its catalogue.
struct TChoice_Dialog_Entry {
    const TCatalogue_List_Kind& Kind;
    const char* Class_Name;
    int Help_Context;
    std::unique_ptr<TCatalogue_List> (*Catalogue)(const TCatalogues& catalogues);
};

const TChoice_Dialog_Entry& Entry_Of(TCatalogue_Choice choice) {
    static const TChoice_Dialog_Entry entries[] = {
        {Item_List_Kind, "TArmor_Choice_Dialog", Help_Item_Choice,
         [](const TCatalogues& c) { return List_Of(c.Items, c); }},
        {Creature_List_Kind, "TCreature_Choice_Dialog", Help_Creature_Choice,
         [](const TCatalogues& c) { return List_Of(c.Creatures, c); }},
        {QID_List_Kind, "TQID_Choice_Dialog", Help_QID_Choice,
         [](const TCatalogues& c) { return List_Of(c.QIDs, c); }},
        {Compound_List_Kind, "TCompound_Choice_Dialog", Help_Compound_Choice,
         [](const TCatalogues& c) { return List_Of(c.Compounds, c); }},
        {Effect_List_Kind, "TEffect_Choice_Dialog", Help_Effect_Choice,
         [](const TCatalogues& c) { return List_Of(c.Effects, c); }},
        {Poison_List_Kind, "TPoison_Choice_Dialog", Help_Poison_Choice,
         [](const TCatalogues& c) { return List_Of(c.Poisons, c); }},
    };
    return entries[static_cast<int>(choice)];
}

QString Text(std::string_view text) {
    return To_QString(std::string(text));
}

} // namespace

TCatalogue_Choice_Dialog::TCatalogue_Choice_Dialog(TServices& services, TCatalogue_Choice choice,
                                                   QWidget* parent)
    : TKit_Dialog(services, Entry_Of(choice).Help_Context, parent), Catalogues(services.Catalogues),
      Choice(choice) {
    const TChoice_Dialog_Entry& entry = Entry_Of(choice);
    Catalogue = entry.Catalogue(services.Catalogues);
    Unkept_Reason = services.Catalogues.Unkept_Reason;
    setObjectName(QString::fromLatin1(entry.Class_Name));
    setWindowTitle(Text(entry.Kind.Caption));
    resize(440, 460);

    auto* list_column = new QVBoxLayout;
    Build_Filter(entry.Kind, list_column);
    List = new QListWidget(this);
    List->setObjectName(QStringLiteral("ListBox1"));
    List->setUniformItemSizes(true);
    List->installEventFilter(this);
    auto* label = new QLabel(Text(entry.Kind.List_Label), this);
    label->setBuddy(List);
    list_column->addWidget(label);
    list_column->addWidget(List, 1);

    // "C&reate Item...": the C belongs to "&Close".
    auto* create = Make_Button(this, "Create_Button", Text(entry.Kind.Create_Caption).insert(1, u'&'));
    Edit_Button = Make_Button(this, "Edit_Button", tr("&Edit"));
    Edit_Button->setEnabled(false);
    auto* export_button = Make_Button(this, "Export_Button", tr("E&xport..."));
    auto* import_button = Make_Button(this, "Import_Button", tr("&Import..."));
    for (QPushButton* exchange : {export_button, import_button})
        Set_Help_Context(exchange, Help_Catalogue_Exchange);
    auto* close = Make_Button(this, "Close_Button", tr("&Close"));
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {create, Edit_Button, export_button, import_button, Make_Help_Button(), close})
        buttons->addWidget(button);
    buttons->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(list_column, 1);
    layout->addLayout(buttons);

    On(create, &QPushButton::clicked, [this] { Create(); });
    On(Edit_Button, &QPushButton::clicked, [this] { Edit(); });
    On(List, &QListWidget::itemDoubleClicked, [this] { Edit(); });
    On(List, &QListWidget::itemSelectionChanged, [this] { Update_Edit_Button(); });
    On(export_button, &QPushButton::clicked, [this] { Export_Catalogue(Prompts(), Catalogues, Choice); });
    On(import_button, &QPushButton::clicked, [this] {
        if (Import_Catalogue(Prompts(), Catalogues, Choice))
            Rebuild();
    });
    On(close, &QPushButton::clicked, [this] { accept(); });
}

TCatalogue_Choice_Dialog::~TCatalogue_Choice_Dialog() = default;

void TCatalogue_Choice_Dialog::Build_Filter(const TCatalogue_List_Kind& kind, QBoxLayout* layout) {
    if (kind.Filter == TList_Filter_Kind::None)
        return;
    auto* row = new QHBoxLayout;
    layout->addLayout(row);
    if (kind.Filter == TList_Filter_Kind::Classification) {
        Classification = new QComboBox(this);
        Classification->setObjectName(QStringLiteral("Classification"));
        Fill_Combo(Classification, {Item_Class_String.begin(), Item_Class_String.end()});
        Classification->setCurrentText(Text(Item_Class_String[IC_Other]));
        Show_All = new QCheckBox(tr("Show &all"), this);
        Show_All->setObjectName(QStringLiteral("Show_All"));
        row->addWidget(Classification, 1);
        row->addWidget(Show_All);
        On(Classification, &QComboBox::currentIndexChanged, [this] { Rebuild(); });
        On(Show_All, &QCheckBox::toggled, [this] { Rebuild(); });
    } else {
        Level = new QSpinBox(this);
        Level->setObjectName(QStringLiteral("Level"));
        Level->setRange(1, kind.Highest_Level);
        All_Levels = new QCheckBox(tr("&All levels"), this);
        All_Levels->setObjectName(QStringLiteral("All_Levels"));
        auto* caption = new QLabel(tr("&Level:"), this);
        caption->setBuddy(Level);
        row->addWidget(caption);
        row->addWidget(Level);
        row->addWidget(All_Levels);
        row->addStretch(1);
        On(Level, &QSpinBox::valueChanged, [this] { Rebuild(); });
        On(All_Levels, &QCheckBox::toggled, [this](bool all) {
            Level->setEnabled(!all);
            Rebuild();
        });
    }
}

void TCatalogue_Choice_Dialog::Attach_Editor(TRecord_Editor* editor) {
    Editor = editor;
}

void TCatalogue_Choice_Dialog::Prepare() {
    Rebuild();
}

TList_Filter TCatalogue_Choice_Dialog::Filter() const {
    TList_Filter filter;
    if (Classification && !Show_All->isChecked())
        filter.Classification = From_QString(Classification->currentText());
    if (Level && !All_Levels->isChecked())
        filter.Level = Level->value();
    return filter;
}

void TCatalogue_Choice_Dialog::Rebuild() {
    {
        const TFill_Guard filling = Begin_Fill();
        Fill_List(List, Catalogue->Listed_Names(Filter()));
    }
    Update_Edit_Button();
}

void TCatalogue_Choice_Dialog::Select(const std::string& name) {
    const auto found = List->findItems(To_QString(name), Qt::MatchExactly);
    if (!found.isEmpty())
        List->setCurrentItem(found.front());
    Update_Edit_Button();
}

// Follows the selection after every change of it, a rebuild and a delete included.
void TCatalogue_Choice_Dialog::Update_Edit_Button() {
    Edit_Button->setEnabled(Selected_Name().has_value());
}

std::optional<std::string> TCatalogue_Choice_Dialog::Selected_Name() const {
    const QListWidgetItem* item = List->currentItem();
    if (!item || !item->isSelected())
        return std::nullopt;
    return From_QString(item->text());
}

void TCatalogue_Choice_Dialog::Create() {
    if (!Editor)
        return;
    Tell_Unkept();
    Editor->Clear_Record();
    Run_Editor(std::nullopt);
}

void TCatalogue_Choice_Dialog::Edit() {
    const auto name = Selected_Name();
    if (!Editor || !name)
        return;
    Tell_Unkept();
    if (!Editor->Fill_Record(*name)) {
        Rebuild();
        return;
    }
    Run_Editor(name);
}

// Stores what the editor built unless it was cancelled. A name another record has asks first:
// Yes replaces that record, No goes back to the editor as the user left it; so does a record the
// catalogue could not store, once the game master has been told why. A stored record is shown and
// selected, the filter switched to one that lists it when it would hide it.
void TCatalogue_Choice_Dialog::Run_Editor(const std::optional<std::string>& edited_name) {
    while (Editor->Run()) {
        const std::string name = Editor->Built_Name();
        if (Replaces_Another(*Catalogue, edited_name, name) &&
            !Prompts().Ask_Yes_No(Text(Name_Clash_Caption), To_QString(Name_Clash_Question(name)),
                                  TAnswer::No))
            continue;
        if (const TResult stored = Editor->Store_Built(); !stored.Ok()) {
            Rebuild();
            Tell_Failure(stored);
            continue;
        }
        Show_Filter(Catalogue->Filter_Showing(name, Filter(), Level ? Level->maximum() : 0));
        Rebuild();
        Select(name);
        return;
    }
}

void TCatalogue_Choice_Dialog::Delete_Selected() {
    const auto name = Selected_Name();
    if (!name)
        return;
    Tell_Unkept();
    if (!Prompts().Ask_Yes_No(Text(Delete_Caption),
                              To_QString(Delete_Question(*name, Catalogue->Users(*name))), TAnswer::No))
        return;
    const int row = List->currentRow();
    if (const TResult deleted = Catalogue->Delete(*name); !deleted.Ok()) {
        Rebuild();
        Tell_Failure(deleted);
        return;
    }
    {
        const TFill_Guard filling = Begin_Fill();
        delete List->takeItem(row);
        List->setCurrentRow(Selection_After_Delete(row, List->count()));
    }
    Update_Edit_Button();
}

// Sets the filter controls to filter without their handlers; the caller rebuilds the list.
void TCatalogue_Choice_Dialog::Show_Filter(const TList_Filter& filter) {
    const TFill_Guard filling = Begin_Fill();
    if (Classification) {
        Show_All->setChecked(!filter.Classification);
        if (filter.Classification)
            Classification->setCurrentText(Text(*filter.Classification));
    }
    if (Level) {
        All_Levels->setChecked(!filter.Level);
        Level->setEnabled(!filter.Level);
        if (filter.Level)
            Level->setValue(*filter.Level);
    }
}

// Changes to a catalogue that cannot keep them are made only after the game master has heard so.
void TCatalogue_Choice_Dialog::Tell_Unkept() {
    if (Unkept_Told || Unkept_Reason.empty())
        return;
    Unkept_Told = true;
    Prompts().Show_Message(TMessage_Kind::Warning, windowTitle(), To_QString(Unkept_Reason));
}

void TCatalogue_Choice_Dialog::Tell_Failure(const TResult& result) {
    if (!result.Ok())
        Prompts().Show_Message(TMessage_Kind::Error, windowTitle(), To_QString(result.Problem()));
}

bool TCatalogue_Choice_Dialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == List && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        Run_Guarded(Prompts(), [this] { Delete_Selected(); });
        return true;
    }
    return TKit_Dialog::eventFilter(watched, event);
}

} // namespace Vexlor
