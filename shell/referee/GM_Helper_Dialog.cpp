#include "shell/referee/GM_Helper_Dialog.h"

#include "referee/Afflictions.h"
#include "referee/Gems.h"
#include "referee/Mishaps.h"
#include "shell/referee/GM_Helper_Dialog_Controls.h"
#include "widgets/Help_Contexts.h"
#include "widgets/Keyboard.h"
#include "widgets/List_Widgets.h"
#include "widgets/Result_Views.h"
#include "widgets/Text_Convert.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTabWidget>
#include <QVBoxLayout>

namespace Vexlor {
namespace {

// The table list's header lines: the number, a tab, the title lined up at the stop.
constexpr int Table_List_Tab_Stop = 32;

// One result per line; a party's description keeps its own line breaks.
QString Memo_Text(const std::vector<std::string>& lines) {
    QStringList shown;
    for (const std::string& line : lines)
        shown << To_QString(line).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown.join(u'\n');
}

} // namespace

TGM_Helper_Form::TGM_Helper_Form(TServices& services, QWidget* parent)
    : TKit_Dialog(services, Help_GM_Helper, parent), Services(services),
      Referee(services.Tables, services.Catalogues, services.Output), Encounter_Tool(Referee) {
    setWindowTitle(tr("GM Helper"));
    Pages = new TTool_Pages(this);
    Pages->setObjectName(QStringLiteral("Tool_Pages"));
    Pages->addTab(Make_Dice_Tab(), tr("&Dice"));
    Pages->addTab(Make_Item_Vs_Effect_Tab(), tr("Item vs E&ffect"));
    Pages->addTab(Make_Disease_Tab(), tr("Dis&ease"));
    Pages->addTab(Make_Tables_Tab(), tr("Ta&bles"));
    Pages->addTab(Make_Ship_Combat_Tab(), tr("&Ship Combat"));
    Pages->addTab(Make_Nonlethal_Tab(), tr("&Nonlethal combat"));
    Pages->addTab(
        Make_Roll_Tab(tr("&Roll"), "Lost_Roll_Button", "Lost_List", [this] { return Roll_Lost(Referee); }),
        tr("&Lost"));
    Pages->addTab(Make_Roll_Tab(tr("&Roll"), "Jewelry_Roll_Button", "Jewelry_List",
                                [this] { return Roll_Jewelry(Referee); }),
                  tr("&Jewelry"));
    Pages->addTab(
        Make_Roll_Tab(tr("&Roll"), "Gems_Roll_Button", "Gems_List", [this] { return Roll_Gems(Referee); }),
        tr("&Gems"));
    Pages->addTab(Make_Roll_Tab(tr("&Rolls"), "Plants_Rolls_Button", "Plants_List",
                                [this] { return Roll_Plants(Referee); }),
                  tr("&Plants"));
    Pages->addTab(Make_Poisoning_Tab(), tr("Po&isoning"));
    Pages->addTab(Make_Roll_Tab(tr("&Roll"), "Commando_Failure_Roll_Button", "Commando_Failure_List",
                                [this] { return Roll_Commando_Failure(Referee); }),
                  tr("Co&mmando Failure"));
    Pages->addTab(Make_Roll_Tab(tr("&Roll"), "Biologist_Failure_Roll_Button", "Biologist_Failure_List",
                                [this] { return Roll_Biologist_Failure(Referee); }),
                  tr("Biologist Fail&ure"));
    Pages->addTab(Make_Encounters_Tab(), tr("En&counters"));
    Pages->addTab(Make_Treasure_Tab(), tr("Tre&asure"));
    Pages->addTab(Make_Venom_Tab(), tr("&Venom"));

    // Sixteen tabs leave no letter for Close: Escape is its key.
    auto* close = Make_Button(this, "Close_Button", tr("Close"));
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    On(close, &QPushButton::clicked, [this] { accept(); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Make_Help_Button());
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Pages, 1);
    layout->addWidget(Make_Output_Line());
    layout->addLayout(buttons);
    resize(980, 600);
}

QWidget* TGM_Helper_Form::Make_Output_Line() {
    auto* line = new QWidget(this);
    Output_Filename = new QLineEdit(line);
    Output_Filename->setObjectName(QStringLiteral("Output_Filename"));
    auto* browse = Make_Button(line, "Browse_Button", tr("Bro&wse..."));
    auto* row = new QHBoxLayout(line);
    row->setContentsMargins(0, 0, 0, 0);
    Add_Labelled(row, tr("Output file:"), Output_Filename);
    row->addWidget(browse);
    On(browse, &QPushButton::clicked, [this] { Browse(); });
    On(Output_Filename, &QLineEdit::editingFinished, [this] {
        if (!Output_Refused())
            Services.Output.Type_File_Name(QString_To_Path(Output_Filename->text()).string());
    });
    return line;
}

// The log is only ever appended to, so choosing an existing file asks nothing: the evening's
// results join the end of what is there.
void TGM_Helper_Form::Browse() {
    TFile_Question question;
    question.Mode = TFile_Mode::Save;
    question.Title = tr("Output file");
    question.Filters = tr("Text files (*.txt);;All files (*)");
    question.Default_Suffix = QStringLiteral("txt");
    question.Start = Output_Filename->text();
    const std::optional<QString> name = Prompts().Ask_File_Name(question);
    if (!name)
        return;
    Output_Filename->setText(*name);
    if (!Output_Refused())
        Services.Output.Set_File_Name(QString_To_Path(*name).string());
}

// The one file rule refuses one of the campaign's own files or a folder as the log: the box is
// emptied before the game master is told, so that no result lands there.
bool TGM_Helper_Form::Output_Refused() {
    const QString name = Output_Filename->text();
    if (name.isEmpty())
        return false;
    Output_Filename->clear();
    if (May_Write_File(Prompts(), tr("Output file"), name, TWrite_Mode::Append)) {
        Output_Filename->setText(name);
        return false;
    }
    Services.Output.Set_File_Name({});
    return true;
}

QWidget* TGM_Helper_Form::Make_Dice_Tab() {
    auto* tab = new QWidget(this);
    Die_Roll = new QLineEdit(QStringLiteral("1d6"), tab);
    Die_Roll->setObjectName(QStringLiteral("Die_Roll"));
    auto* roll = Make_Button(tab, "Dice_Roll_Button", tr("&Roll"));
    auto* row = Make_Labelled_Row(tr("Dice or range:"), Die_Roll, roll);
    row->insertWidget(row->count() - 1, Make_Odds_Button(tab));
    auto* results = new QWidget(tab);
    Dice_List = Make_Result_List(results, "Dice_List");
    auto* columns = new QHBoxLayout(results);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->addWidget(Dice_List, 1);
    columns->addWidget(Make_Odds_Panel(results), 4);
    Stack(tab, row, results);
    On(roll, &QPushButton::clicked, [this] { Roll_Dice(); });
    return tab;
}

void TGM_Helper_Form::Roll_Dice() {
    std::string die_roll = From_QString(Die_Roll->text());
    const std::optional<TRoll_Result> result = Referee.Roll(die_roll);
    if (!result)
        return;
    Die_Roll->setText(To_QString(die_roll));
    Show(Dice_List, *result);
}

QWidget* TGM_Helper_Form::Make_Tables_Tab() {
    auto* tab = new QWidget(this);
    Table = new QLineEdit(tab);
    Table->setObjectName(QStringLiteral("Table"));
    auto* generate = Make_Button(tab, "Table_Generate_Button", tr("Gene&rate"));
    Table_Results = Make_Result_Memo(tab, "Table_Results");
    // Room for a table check's report: a finding a line and the summary.
    Table_Results->setMaximumHeight(Table_Results->fontMetrics().lineSpacing() * 13);
    Table_List = Make_Result_List(tab, "Table_List");
    Set_Tab_Stops(Table_List, {Table_List_Tab_Stop});
    auto* row = Make_Labelled_Row(tr("&Table:"), Table, generate);
    row->insertWidget(row->count() - 1, Make_Check_Button(tab));
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(row);
    layout->addWidget(Table_Results);
    layout->addWidget(new QLabel(tr("Tables in the table file:"), tab));
    layout->addWidget(Table_List, 1);
    On(generate, &QPushButton::clicked, [this] { Generate_Table(); });
    On(Table_List, &QListWidget::currentTextChanged,
       [this](const QString& header) { Table->setText(header.section(u'\t', 0, 0)); });
    return tab;
}

void TGM_Helper_Form::Generate_Table() {
    if (const std::optional<TRoll_Result> result = Referee.Generate_Table(From_QString(Table->text())))
        Show(Table_Results, *result);
}

void TGM_Helper_Form::Prepare() {
    {
        const TFill_Guard filling = Begin_Fill();
        Fill_Combo(Creature_Combo, Creature_Choices(Services.Catalogues.Creatures));
        Fill_Combo(Poison_Type, Poison_Types(Services.Catalogues.Poisons));
        Creature_Combo->setCurrentIndex(0);
        Poison_Type->setCurrentIndex(0);
    }
    Fill_Table_List();
    // The game master types at once: the first box of the tab in view has the focus, not the tab
    // column.
    for (QWidget* child : Pages->currentWidget()->findChildren<QWidget*>())
        if ((child->focusPolicy() & Qt::TabFocus) && child->isEnabled()) {
            child->setFocus();
            break;
        }
}

void TGM_Helper_Form::Fill_Table_List() {
    std::vector<std::string> headers;
    const std::string error = Load_Table_List("tables.txt", headers);
    {
        const TFill_Guard filling = Begin_Fill();
        Fill_List(Table_List, headers);
    }
    if (!error.empty())
        Prompts().Show_Message(TMessage_Kind::Warning, windowTitle(), To_QString(error));
}

void TGM_Helper_Form::Show(QListWidget* list, const TRoll_Result& result) {
    Fill_List(list, result.Lines);
    Report(result);
}

void TGM_Helper_Form::Show(QPlainTextEdit* memo, const TRoll_Result& result) {
    memo->setPlainText(Memo_Text(result.Lines));
    Report(result);
}

void TGM_Helper_Form::Report(const TRoll_Result& result) {
    if (!result.Error.empty())
        Prompts().Show_Message(TMessage_Kind::Error, windowTitle(), To_QString(result.Error));
}

} // namespace Vexlor
