// The GM Helper's odds of the dice box's formula on the Dice tab and the check of the table file on
// the Tables tab.
#include "shell/referee/GM_Helper_Dialog.h"

#include "shell/referee/GM_Helper_Dialog_Controls.h"
#include "widgets/Context_Help.h"
#include "widgets/Help_Contexts.h"
#include "widgets/List_Widgets.h"
#include "widgets/Named_Controls.h"
#include "widgets/Result_Views.h"
#include "widgets/Text_Convert.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace Vexlor {
namespace {

// The figures' columns: a bar's values, the chance of exactly them, the chance of at least them.
const std::vector<int> Figure_Tab_Stops = {44, 88};
// More bars than this have their labels written upwards, so that labels wider than their bars do
// not run into each other.
constexpr qsizetype Most_Level_Labels = 8;

} // namespace

QPushButton* TGM_Helper_Form::Make_Odds_Button(QWidget* tab) {
    auto* odds = Make_Button(tab, "Dice_Odds_Button", tr("&Odds"));
    Set_Help_Context(odds, Help_Dice_Odds);
    On(odds, &QPushButton::clicked, [this] { Show_Odds(); });
    return odds;
}

QWidget* TGM_Helper_Form::Make_Odds_Panel(QWidget* parent) {
    auto* panel = new QWidget(parent);
    Set_Help_Context(panel, Help_Dice_Odds);
    // The chart is made on the first Odds: making the first chart of a run takes longer than the
    // rest of the GM Helper, and the window is made when the program starts.
    Odds_Chart_Place = new QWidget(panel);
    Odds_Chart_Place->setMinimumSize(360, 240);
    new QVBoxLayout(Odds_Chart_Place);
    Odds_Chart_Place->layout()->setContentsMargins(0, 0, 0, 0);
    auto* exactly = Make_Named<QRadioButton>(panel, "Odds_Exactly", tr("e&xactly"));
    exactly->setChecked(true);
    Odds_At_Least = Make_Named<QRadioButton>(panel, "Odds_At_Least", tr("a&t least"));
    Odds_Figures = Make_Result_List(panel, "Odds_Figures");
    Set_Tab_Stops(Odds_Figures, Figure_Tab_Stops);

    auto* chart_column = new QVBoxLayout;
    chart_column->addWidget(Odds_Chart_Place, 1);
    chart_column->addLayout(Make_Row({exactly, Odds_At_Least}));
    auto* columns = new QHBoxLayout(panel);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->addLayout(chart_column, 3);
    columns->addWidget(Odds_Figures, 2);
    On(Odds_At_Least, &QRadioButton::toggled, [this] { Draw_Odds(); });
    return panel;
}

void TGM_Helper_Form::Show_Odds() {
    std::string die_roll = From_QString(Die_Roll->text());
    const std::optional<std::string> formula = Dice_Formula(die_roll);
    if (!formula)
        return;
    Die_Roll->setText(To_QString(die_roll));
    Odds = Odds_Report(*formula);
    Fill_List(Odds_Figures, Odds_Lines(Odds));
    Draw_Odds();
}

// The bars of the last odds, of exactly each value or of at least it, in percent.
QChart* TGM_Helper_Form::Odds_Chart() {
    if (!Odds_Chart_View) {
        Odds_Chart_View = Make_Named<QChartView>(Odds_Chart_Place, "Odds_Chart");
        Odds_Chart_View->setFocusPolicy(Qt::NoFocus);
        Odds_Chart_View->setRenderHint(QPainter::Antialiasing);
        Odds_Chart_View->chart()->legend()->hide();
        Odds_Chart_Place->layout()->addWidget(Odds_Chart_View);
    }
    return Odds_Chart_View->chart();
}

void TGM_Helper_Form::Draw_Odds() {
    if (Odds.Bars.empty() && !Odds_Chart_View)
        return;
    QChart* chart = Odds_Chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    if (Odds.Bars.empty())
        return;
    const bool at_least = Odds_At_Least->isChecked();
    auto* bars = new QBarSet(at_least ? tr("at least") : tr("exactly"));
    QStringList labels;
    double highest = 0;
    for (const TOdds_Bar& bar : Odds.Bars) {
        const double percent = 100 * (at_least ? bar.At_Least : bar.Exactly);
        bars->append(percent);
        labels << To_QString(bar.Label);
        highest = std::max(highest, percent);
    }
    auto* series = new QBarSeries;
    series->append(bars);
    series->setBarWidth(0.9);
    chart->addSeries(series);
    auto* values = new QBarCategoryAxis;
    values->append(labels);
    values->setTruncateLabels(false);
    if (labels.size() > Most_Level_Labels)
        values->setLabelsAngle(-90);
    auto* chances = new QValueAxis;
    chances->setRange(0, at_least ? 100 : std::min(100.0, highest * 1.1));
    chances->applyNiceNumbers(); // ticks at round chances: 0%, 5%, 10%, not 3.44%, 6.88%
    chances->setLabelFormat(QStringLiteral("%.3g%%"));
    chart->addAxis(values, Qt::AlignBottom);
    chart->addAxis(chances, Qt::AlignLeft);
    series->attachAxis(values);
    series->attachAxis(chances);
}

QPushButton* TGM_Helper_Form::Make_Check_Button(QWidget* tab) {
    auto* check = Make_Button(tab, "Table_Check_Button", tr("Chec&k"));
    Set_Help_Context(check, Help_Table_Check);
    On(check, &QPushButton::clicked, [this] { Run_Table_Check(); });
    Table_Results->installEventFilter(this);
    Table_Results->viewport()->installEventFilter(this);
    return check;
}

void TGM_Helper_Form::Run_Table_Check() {
    Show(Table_Results, Check_Report(Services.Output, Table_File_Name, Last_Check));
}

// A line of Table_Results that is a finding of the last check (the findings come first, in
// order, then the summary; a table's result shown since is none).
void TGM_Helper_Form::Show_Finding(int result_line) {
    if (result_line < 0 || static_cast<std::size_t>(result_line) >= Last_Check.Findings.size())
        return;
    const TTable_Finding& finding = Last_Check.Findings[static_cast<std::size_t>(result_line)];
    const QString line = To_QString(Finding_Line(finding));
    if (Table_Results->document()->findBlockByNumber(result_line).text() != line)
        return;
    Prompts().Show_Message(TMessage_Kind::Information, tr("Table check"),
                           line + QStringLiteral("\n\n") + To_QString(Finding_Source(Last_Check, finding)));
}

bool TGM_Helper_Form::eventFilter(QObject* watched, QEvent* event) {
    if (Table_Results && watched == Table_Results->viewport() &&
        event->type() == QEvent::MouseButtonDblClick) {
        const QPoint position = static_cast<QMouseEvent*>(event)->position().toPoint();
        const int line = Table_Results->cursorForPosition(position).blockNumber();
        Run_Guarded(Prompts(), [this, line] { Show_Finding(line); });
        return true;
    }
    if (Table_Results && watched == Table_Results && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const int line = Table_Results->textCursor().blockNumber();
            Run_Guarded(Prompts(), [this, line] { Show_Finding(line); });
            return true;
        }
    }
    return TKit_Dialog::eventFilter(watched, event);
}

} // namespace Vexlor
