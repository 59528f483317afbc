// The GM Helper's "Odds" on the Dice tab and "Check" on the Tables tab, as a person uses them.
#include "GM_Helper_Test_Base.h"
#include "Gui_Test.h"
#include "Test_Services.h"

#include "referee/Tables.h"
#include "shell/referee/GM_Helper_Dialog.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include <memory>

namespace Vexlor::Test {
namespace {

// A table file with one mistake of each kind the check finds, one table each.
const char* const Mistakes_File =
    "Tables with one mistake of each kind\r\n"
    "\r\n"
    "1\tWeather (no entries)\r\n"
    "1D6\r\n"
    "\r\n"
    "2\tWind (a roll line that does not evaluate)\r\n"
    "(1D6\r\n"
    "1-6\tcalm\r\n"
    "\r\n"
    "3\tSky (overlapping ranges)\r\n"
    "1D6\r\n"
    "1-4\tgrey\r\n"
    "4-6\tblue\r\n"
    "\r\n"
    "4\tRain (rolls 7 and 8 select no entry)\r\n"
    "2D6\r\n"
    "2-6\tdrizzle\r\n"
    "9-12\tdownpour\r\n"
    "\r\n"
    "5\tFog (an entry the roll never reaches)\r\n"
    "1D6\r\n"
    "1-6\tthin\r\n"
    "7-9\tthick\r\n"
    "\r\n"
    "6\tTravel (a reference to a missing table)\r\n"
    "1D6\r\n"
    "1-3\t@99\r\n"
    "4-6\ton the road\r\n"
    "\r\n"
    "7\tLoop (leads to table 8, which leads back here)\r\n"
    "1D2\r\n"
    "1\t@8\r\n"
    "2\tquiet\r\n"
    "\r\n"
    "8\tBack\r\n"
    "1D1\r\n"
    "1\t@7\r\n"
    "\r\n"
    "3\tSky again (a table number defined twice)\r\n"
    "1D1\r\n"
    "1\twhite\r\n"
    "\r\n"
    "9\tLong line (cut at 255 characters)\r\n"
    "1D1\r\n"
    "1\tThe storm goes on and on, and on and on, through the night and the next day, over the "
    "hills and the plains, past the river and the old mill, until the whole valley is "
    "white and still and the party has no choice but to wait it out in the shelter of "
    "the pass\r\n"
    "\r\n"
    "10 Snow (a blank instead of the tab after the number)\r\n"
    "1D1\r\n"
    "1\tflakes\r\n"
    "\r\n"
    "11\tHail (an entry without its tab)\r\n"
    "1D2\r\n"
    "1\tsmall\r\n"
    "2 large\r\n";

} // namespace

class TGM_Helper_Odds_Check_Test : public TGM_Helper_Test_Base {
    Q_OBJECT

  private:
    void Click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }
    void Type_Dice(const char* dice) {
        auto* box = Control<QLineEdit>("Die_Roll");
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QString::fromLatin1(dice));
    }
    // The heights of the chart's bars, in percent.
    QList<qreal> Bars() {
        const QList<QAbstractSeries*> series = Control<QChartView>("Odds_Chart")->chart()->series();
        if (series.size() != 1)
            return {};
        const QBarSet* bars = static_cast<QBarSeries*>(series.front())->barSets().front();
        QList<qreal> heights;
        for (int bar = 0; bar < bars->count(); ++bar)
            heights << bars->at(bar);
        return heights;
    }
    // Double-clicks line (from 0) of the memo where it is drawn.
    void Double_Click_Line(QPlainTextEdit* memo, int line) {
        QTextCursor cursor(memo->document()->findBlockByNumber(line));
        memo->setTextCursor(cursor);
        memo->ensureCursorVisible(); // scrolled to, as a person scrolls
        QTest::mouseDClick(memo->viewport(), Qt::LeftButton, {}, memo->cursorRect(cursor).center());
    }

  private slots:
    void init() {
        Open_Campaign(Mistakes_File, false);
        Form->Prepare();
        Form->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
    }
    void cleanup() { Close_Campaign(); }

    void Odds_Draw_The_Dice_Box_Exactly_Or_At_Least() {
        QVERIFY(!Form->findChild<QChartView*>()); // made on the first Odds, not at start
        Type_Dice("3d6+2");
        Click(Control<QPushButton>("Dice_Odds_Button"));
        const QList<qreal> exactly = Bars();
        QCOMPARE(exactly.size(), 16);
        QVERIFY(qAbs(exactly[7] - 12.5) < 1e-9); // 12
        auto* figures = Control<QListWidget>("Odds_Figures");
        QCOMPARE(figures->item(0)->text(), QStringLiteral("3D6+2: exact odds"));
        QCOMPARE(figures->item(3)->text(), QStringLiteral("Mean 12.5"));
        QVERIFY(!figures->findItems(QStringLiteral("13\t12.5%\t50%"), Qt::MatchExactly).isEmpty());
        QCOMPARE(Control<QListWidget>("Dice_List")->count(), 0); // odds roll nothing

        Click(Control<QRadioButton>("Odds_At_Least"));
        QCOMPARE(Bars().front(), 100.0);
        QVERIFY(qAbs(Bars()[8] - 50) < 1e-9); // 13 or more
        QCoreApplication::processEvents();    // the chart lays its axes out
        Save_Picture_If_Asked(Form.get(), QStringLiteral("GM_Helper_Odds.png"));

        Type_Dice("3-18"); // a range becomes dice, as for Roll
        Click(Control<QPushButton>("Dice_Odds_Button"));
        QCOMPARE(Control<QLineEdit>("Die_Roll")->text(), QStringLiteral("3d6"));
        QCOMPARE(Bars().size(), 16);
        Click(Control<QRadioButton>("Odds_Exactly"));
        QVERIFY(qAbs(Bars()[0] - 100 / 216.0) < 1e-9);
    }

    void Check_Lists_The_Findings_And_Shows_Their_Lines() {
        auto* pages = Control<QTabWidget>("Tool_Pages");
        pages->setCurrentIndex(3);
        QCOMPARE(pages->tabText(3).remove(u'&'), QStringLiteral("Tables"));
        Click(Control<QPushButton>("Table_Check_Button"));
        auto* results = Control<QPlainTextEdit>("Table_Results");
        const QStringList lines = results->toPlainText().split(u'\n');
        QCOMPARE(lines.size(), 12);
        QCOMPARE(lines[0],
                 QStringLiteral("Error in line 3 (table 1): table 1 has no entries: every roll gives \"use "
                                "Standard Encounter Tables\""));
        QCOMPARE(lines[11], QStringLiteral("7 errors, 4 warnings"));
        Save_Picture_If_Asked(Form.get(), QStringLiteral("GM_Helper_Check.png"));

        Double_Click_Line(results, 2);
        QCOMPARE(Services->Prompts.Messages().size(), 1);
        QVERIFY(Services->Prompts.Messages().back().endsWith(QStringLiteral("\n\nLine 13: 4-6[tab]blue")));
        results->setFocus();
        QTest::keyClick(results, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(results, Qt::Key_Up);
        QTest::keyClick(results, Qt::Key_Return); // the last finding: the entry without its tab
        QCOMPARE(Services->Prompts.Messages().size(), 2);
        QVERIFY(Services->Prompts.Messages().back().endsWith(QStringLiteral("\n\nLine 54: 2 large")));
        Double_Click_Line(results, 11); // the summary has no line of the file
        QCOMPARE(Services->Prompts.Messages().size(), 2);

        QTest::keyClicks(Control<QLineEdit>("Table"), QStringLiteral("3"));
        Click(Control<QPushButton>("Table_Generate_Button"));
        Double_Click_Line(results, 0); // a table's result is no finding
        QCOMPARE(Services->Prompts.Messages().size(), 2);
    }
};

const TRegister_Gui_Test<TGM_Helper_Odds_Check_Test> registration;

} // namespace Vexlor::Test

#include "GM_Helper_Odds_Check_Test.moc"
