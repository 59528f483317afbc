#include "GM_Helper_Test_Base.h"
#include "Gui_Test.h"
#include "Test_Services.h"

#include "foundations/Files.h"
#include "referee/Tables.h"
#include "shell/referee/GM_Helper_Dialog.h"
#include "widgets/Context_Help.h"
#include "widgets/Help_Contexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace Vexlor::Test {
namespace {

QStringList Entries(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

QStringList Texts(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* text : texts)
        list << QString::fromLatin1(text);
    return list;
}

// One tool of the table of tools: its button, its results, how many lines and dashed lines.
void Tool_Row(const char* tab, const char* button, const char* results, int lines, int dashes) {
    QTest::newRow(tab) << QString::fromLatin1(button) << QString::fromLatin1(results) << lines << dashes;
}

QStringList Combo_Entries(const QComboBox* box) {
    QStringList texts;
    for (int index = 0; index < box->count(); ++index)
        texts << box->itemText(index);
    return texts;
}

// The output file's lines (each ends in CR LF).
QStringList File_Lines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("(missing)")};
    QString text = QString::fromLatin1(file.readAll());
    if (text.endsWith(QStringLiteral("\r\n")))
        text.chop(2);
    return text.split(QStringLiteral("\r\n"));
}

} // namespace

class TGM_Helper_Dialog_Test : public TGM_Helper_Test_Base {
    Q_OBJECT

  private:
    void Press(const char* button) { QTest::mouseClick(Control<QPushButton>(button), Qt::LeftButton); }
    QStringList Dice() { return Entries(Control<QListWidget>("Dice_List")); }
    void Type_Output(const QString& name) {
        auto* box = Control<QLineEdit>("Output_Filename");
        QTest::mouseClick(box, Qt::LeftButton);
        box->clear();
        QTest::keyClicks(box, name);
        QTest::keyClick(box, Qt::Key_Return);
    }
    void Roll_Dice(const char* dice) {
        Control<QLineEdit>("Die_Roll")->setText(QString::fromLatin1(dice));
        Press("Dice_Roll_Button");
    }
    void Show() {
        Form->Prepare();
        Form->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
    }

  private slots:
    // Each test in a campaign folder of its own holding the shipped table file, over the
    // starter catalogue.
    void init() {
        QFile shipped(QStringLiteral(VEXLOR_DATA_FOLDER "/TABLES.TXT"));
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        Open_Campaign(shipped.readAll(), true);
    }
    void cleanup() { Close_Campaign(); }

    void The_Window_Its_Tabs_And_Names() {
        Show();
        QCOMPARE(Form->windowTitle(), QStringLiteral("GM Helper"));
        auto* pages = Control<QTabWidget>("Tool_Pages");
        QStringList captions;
        for (int page = 0; page < pages->count(); ++page)
            captions << Shown_Caption(pages->tabText(page));
        QCOMPARE(captions,
                 Texts({"Dice", "Item vs Effect", "Disease", "Tables", "Ship Combat", "Nonlethal combat",
                        "Lost", "Jewelry", "Gems", "Plants", "Poisoning", "Commando Failure",
                        "Biologist Failure", "Encounters", "Treasure", "Venom"}));
        QCOMPARE(Unnamed_Controls(Form.get()), QStringList());
        QCOMPARE(Help_Context_Of(Form.get()), Help_GM_Helper);
        QCOMPARE(Control<QLineEdit>("Die_Roll")->text(), QStringLiteral("1d6"));
        QCOMPARE(Form->focusWidget(), Control<QLineEdit>("Die_Roll")); // ready for typing at once
        QCOMPARE(Control<QLineEdit>("Output_Filename")->text(), QString());
        QCOMPARE(Control<QSpinBox>("Disease_Constitution")->value(), 3);
        QCOMPARE(Control<QSpinBox>("Tonage1")->minimum(), 1);
        QCOMPARE(Control<QSpinBox>("Tonage2")->maximum(), 32767);
        QCOMPARE(Control<QComboBox>("Encounter_Habitat")->count(), 20);
        QCOMPARE(Control<QComboBox>("Encounter_Level")->itemText(10), QStringLiteral("10"));
        QCOMPARE(Control<QComboBox>("Treasure_Type")->itemText(27), QStringLiteral("Monetary"));
        // The grid as first shown: the cells that never survive, and Ceramic until the first roll.
        auto* grid = Control<QTableWidget>("Results");
        QCOMPARE(grid->item(0, 3)->text(), QStringLiteral("Destroyed")); // Bone/ivory, Disintegrate
        QCOMPARE(grid->item(1, 1)->text(), QStringLiteral("Destroyed")); // Ceramic, Severe Blow
        QCOMPARE(grid->item(3, 1)->text(), QString());                   // Glass/crystal, never written
        QVERIFY(Services->Prompts.Asked.empty());
    }

    void Dice_Roll_Ranges_And_Text_That_Does_Nothing() {
        Show();
        Press("Dice_Roll_Button");
        QCOMPARE(Dice().size(), 20);
        for (const QString& roll : Dice())
            QVERIFY2(roll.toInt() >= 1 && roll.toInt() <= 6, qPrintable(roll));
        Roll_Dice("2-12");
        QCOMPARE(Control<QLineEdit>("Die_Roll")->text(), QStringLiteral("2d6"));
        QCOMPARE(Dice().size(), 20);
        for (const QString& roll : Dice())
            QVERIFY2(roll.toInt() >= 2 && roll.toInt() <= 12, qPrintable(roll));
        const QStringList shown = Dice();
        for (const char* nothing : {"12-2", "5", "", "abc", "99999999999-99999999999"}) {
            Roll_Dice(nothing);
            QCOMPARE(Control<QLineEdit>("Die_Roll")->text(), QString::fromLatin1(nothing));
            QCOMPARE(Dice(), shown);
        }
        // Enter in the box rolls; a huge range becomes dice at once.
        auto* box = Control<QLineEdit>("Die_Roll");
        box->setText(QStringLiteral("2000000000-2000000001"));
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(box->text(), QStringLiteral("1d2+1999999999"));
        QCOMPARE(Dice().size(), 20);
        QVERIFY(Services->Prompts.Asked.empty());
    }

    void Table_List_Fills_The_Table_Box_And_Generate_Shows_One_Raw_Line() {
        Show();
        auto* list = Control<QListWidget>("Table_List");
        QVERIFY(list->count() > 60);
        const QList<QListWidgetItem*> gems = list->findItems(QStringLiteral("7\t"), Qt::MatchStartsWith);
        QVERIFY(!gems.isEmpty());
        list->setCurrentItem(gems.front());
        QCOMPARE(Control<QLineEdit>("Table")->text(), QStringLiteral("7"));
        Press("Table_Generate_Button");
        const QString result = Control<QPlainTextEdit>("Table_Results")->toPlainText();
        QVERIFY(!result.isEmpty());
        QVERIFY(!result.contains(u'\n'));
        // A number that does not read does nothing.
        Control<QLineEdit>("Table")->setText(QStringLiteral("seven"));
        Press("Table_Generate_Button");
        QCOMPARE(Control<QPlainTextEdit>("Table_Results")->toPlainText(), result);
        // Showing the window again refills the list without doubling it.
        const int count = list->count();
        Form->Prepare();
        QCOMPARE(list->count(), count);
    }

    void A_Missing_Table_File_Is_Reported_When_Shown() {
        QVERIFY(QFile::remove(Path("TABLES.TXT")));
        Show();
        QCOMPARE(Services->Prompts.Messages(),
                 QStringList{QStringLiteral("File not found while opening tables.txt")});
        QCOMPARE(Control<QListWidget>("Table_List")->count(), 0);
        // Every table tool still runs, with blank results.
        Press("Lost_Roll_Button");
        QCOMPARE(Control<QListWidget>("Lost_List")->count(), 20);
        // A folder of that name is no table file either; an empty file is a file without tables.
        QVERIFY(QDir(Campaign->path()).mkdir(QStringLiteral("TABLES.TXT")));
        Form->Prepare();
        QCOMPARE(Services->Prompts.Messages().size(), 2);
        QVERIFY(QDir(Campaign->path()).rmdir(QStringLiteral("TABLES.TXT")));
        QFile empty(Path("TABLES.TXT"));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        Form->Prepare();
        QCOMPARE(Services->Prompts.Messages().size(), 2);
        QCOMPARE(Control<QListWidget>("Table_List")->count(), 0);
    }

    void Output_File_Heading_Blocks() {
        Show();
        const QString log = Path("evening.txt");
        Type_Output(log);
        Press("Dice_Roll_Button");
        Press("Dice_Roll_Button");
        QStringList lines = File_Lines(log);
        QCOMPARE(lines.size(), 3 + 40);
        QCOMPARE(lines.mid(0, 3), Texts({"", "1D6 Dice rolls", ""}));
        QCOMPARE(lines.mid(23), Dice());
        Roll_Dice("2d4");
        lines = File_Lines(log);
        QCOMPARE(lines.size(), 43 + 23);
        QCOMPARE(lines[44], QStringLiteral("2D4 Dice rolls"));

        // "Browse..." picks the same file: no overwrite question, and a new block starts.
        Services->Prompts.Answer_File_Name(log);
        Press("Browse_Button");
        QCOMPARE(Services->Prompts.Asked.back().File.Title, QStringLiteral("Output file"));
        QCOMPARE(Control<QLineEdit>("Output_Filename")->text(), log);
        Press("Dice_Roll_Button");
        lines = File_Lines(log);
        QCOMPARE(lines.size(), 66 + 23);
        QCOMPARE(lines[67], QStringLiteral("2D4 Dice rolls"));

        // A typed name starts a block too; leaving the box unchanged does not.
        const QString second = Path("second.txt");
        Type_Output(second);
        Press("Dice_Roll_Button");
        emit Control<QLineEdit>("Output_Filename")->editingFinished();
        Press("Dice_Roll_Button");
        lines = File_Lines(second);
        QCOMPARE(lines.size(), 3 + 40);
        QCOMPARE(lines[1], QStringLiteral("2D4 Dice rolls"));
        QCOMPARE(File_Lines(log).size(), 89);
        QVERIFY(Services->Prompts.All_Answered());

        // The campaign's own files are never a log: the box empties and nothing is written there.
        QFile tables(Path("TABLES.TXT"));
        QVERIFY(tables.open(QIODevice::WriteOnly));
        tables.close();
        Type_Output(Path("tables.txt"));
        QCOMPARE(Services->Prompts.Messages().back(),
                 Path("tables.txt") +
                     QStringLiteral(" is one of the campaign's own files and is never written over. "
                                    "Choose another name."));
        QCOMPARE(Control<QLineEdit>("Output_Filename")->text(), QString());
        Press("Dice_Roll_Button");
        QCOMPARE(QFileInfo(Path("TABLES.TXT")).size(), 0);
    }

    void An_Unwritable_Output_File_Gives_One_Message_Per_Block() {
        Show();
        const QString log = Path("no such folder/evening.txt");
        Type_Output(log);
        Press("Dice_Roll_Button");
        Press("Dice_Roll_Button");
        QCOMPARE(Dice().size(), 20); // the results still appear
        QCOMPARE(Services->Prompts.Messages().size(), 1);
        QVERIFY(Services->Prompts.Messages()[0].startsWith(QStringLiteral("Path not found while writing ") +
                                                           log));
        Roll_Dice("1d8");
        QCOMPARE(Services->Prompts.Messages().size(), 2);
        Press("Nonlethal_Roll_Button"); // three blocks
        QCOMPARE(Services->Prompts.Messages().size(), 5);
        // Once the folder is there, the block's heading goes in with its first line.
        QVERIFY(QDir(Campaign->path()).mkdir(QStringLiteral("no such folder")));
        Press("Lost_Roll_Button");
        QCOMPARE(File_Lines(log).mid(0, 3), Texts({"", "Lost", ""}));
        QCOMPARE(Services->Prompts.Messages().size(), 5);
        // A full disk: told once for the block, every result still shown.
        if (QFile::exists(QStringLiteral("/dev/full"))) {
            Type_Output(QStringLiteral("/dev/full"));
            Press("Gems_Roll_Button");
            QCOMPARE(Control<QListWidget>("Gems_List")->count(), 20);
            QCOMPARE(Services->Prompts.Messages().size(), 6);
            QCOMPARE(Services->Prompts.Messages().back(),
                     QStringLiteral("Disk write error while writing /dev/full (the disk is full)"));
        }
    }

    void Every_Tool_Gives_Its_Lines_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("results");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("dashes");
        Tool_Row("Disease", "Disease_Generate_Button", "Disease_List", 20, 0);
        Tool_Row("Lost", "Lost_Roll_Button", "Lost_List", 20, 0);
        Tool_Row("Jewelry", "Jewelry_Roll_Button", "Jewelry_List", 20, 0);
        Tool_Row("Gems", "Gems_Roll_Button", "Gems_List", 20, 0);
        Tool_Row("Plants", "Plants_Rolls_Button", "Plants_List", 20, 0);
        Tool_Row("Commando Failure", "Commando_Failure_Roll_Button", "Commando_Failure_List", 20, 0);
        Tool_Row("Biologist Failure", "Biologist_Failure_Roll_Button", "Biologist_Failure_List", 20, 0);
        Tool_Row("Venom", "Venom_Roll_Button", "Venom_Memo", 40, 20);
        Tool_Row("Treasure", "Treasure_Roll_Button", "Treasure_List", -1, 10);
        Tool_Row("Encounters", "Encounters_Roll_Button", "Encounters", -1, 10);
        Tool_Row("Poisoning", "Poisoning_Roll_Button", "Poisoning_List", -1, 0);
        Tool_Row("Nonlethal", "Nonlethal_Roll_Button", "Pummeling_List", 20, 0);
    }

    // Each tab's button with the shipped table file and the starter catalogue: its count of lines
    // (-1: at least 20 for the poisons, whose miss effects add lines; any for memos that end each
    // result with a dashed line), all of them in the output file under the tab's heading.
    void Every_Tool_Gives_Its_Lines() {
        QFETCH(QString, button);
        QFETCH(QString, results);
        QFETCH(int, lines);
        QFETCH(int, dashes);
        Show();
        const QString log = Path("evening.txt");
        Type_Output(log);
        Press(qPrintable(button));
        QStringList shown;
        // A list's lines are never blank; a memo may hold a party of characters, whose
        // description ends in a line break of its own.
        if (auto* list = Form->findChild<QListWidget*>(results)) {
            shown = Entries(list);
            for (const QString& line : shown)
                QVERIFY2(!line.trimmed().isEmpty(), qPrintable(results));
        } else {
            shown = Control<QPlainTextEdit>(qPrintable(results))->toPlainText().split(u'\n');
        }
        if (lines >= 0)
            QCOMPARE(shown.size(), lines);
        else if (dashes == 0)
            QVERIFY(shown.size() >= 20);
        QCOMPARE(shown.count(QStringLiteral("----------")), dashes);
        QVERIFY(File_Lines(log).size() > 3);
        QVERIFY(Services->Prompts.Asked.empty());
    }

    void Nonlethal_Gives_Three_Blocks_And_Item_Grid_Rolls() {
        Show();
        Control<QSpinBox>("Nonlethal_Bonus")->setValue(-3);
        Press("Nonlethal_Roll_Button");
        for (const char* list : {"Pummeling_List", "Grappling_List", "Overbearing_List"})
            QCOMPARE(Control<QListWidget>(list)->count(), 20);
        Press("Roll_Vs_Effect_Button");
        auto* grid = Control<QTableWidget>("Results");
        QCOMPARE(grid->rowCount(), 13);
        QCOMPARE(grid->columnCount(), 8);
        QCOMPARE(grid->horizontalHeaderItem(7)->text(), QStringLiteral("Energy/Electr"));
        QCOMPARE(grid->verticalHeaderItem(12)->text(), QStringLiteral("Other"));
        const QStringList outcomes = Texts({"Safe", "Damaged", "Destroyed"});
        QVERIFY(outcomes.contains(grid->item(1, 1)->text())); // Ceramic is rolled from now on
        QCOMPARE(grid->item(3, 3)->text(), QString());
    }

    void The_Ship_Result_Stays_Out_Of_The_Output_File() {
        Show();
        const QString log = Path("evening.txt");
        Type_Output(log);
        Control<QSpinBox>("Tonage1")->setValue(10);
        Control<QSpinBox>("Power1")->setValue(95);
        QCOMPARE(Control<QSpinBox>("MR1")->value(), 9);
        Control<QCheckBox>("Not_Moving2")->setChecked(true);
        Press("Attack_Right_Button");
        const QString result = Control<QPlainTextEdit>("Ship_Result")->toPlainText();
        QVERIFY2(result == QStringLiteral("Miss") || result.startsWith(QStringLiteral("Hit: ")),
                 qPrintable(result));
        Press("Attack_Left_Button");
        QVERIFY(!QFile::exists(log));
    }

    // Pictures of the tabs with the most on them, after a press, to look at.
    void Pictures_Of_The_Busiest_Tabs() {
        Show();
        auto* pages = Control<QTabWidget>("Tool_Pages");
        Press("Dice_Roll_Button");
        Save_Picture_If_Asked(Form.get(), QStringLiteral("GM_Helper_Dice.png"));
        pages->setCurrentIndex(1);
        Press("Roll_Vs_Effect_Button");
        Save_Picture_If_Asked(Form.get(), QStringLiteral("GM_Helper_Item_Vs_Effect.png"));
        pages->setCurrentIndex(13);
        Control<QComboBox>("Encounter_Level")->setCurrentIndex(5);
        Press("Encounters_Roll_Button");
        Save_Picture_If_Asked(Form.get(), QStringLiteral("GM_Helper_Encounters.png"));
        for (const int page : {3, 4, 5, 15}) {
            pages->setCurrentIndex(page);
            Save_Picture_If_Asked(Form.get(), QStringLiteral("GM_Helper_Page_%1.png").arg(page));
        }
    }

    void Creature_And_Poison_Lists_Start_With_Random() {
        Show();
        auto* creatures = Control<QComboBox>("Creature_Combo");
        auto* poisons = Control<QComboBox>("Poison_Type");
        QCOMPARE(creatures->currentText(), QStringLiteral("<Random>"));
        QCOMPARE(poisons->currentText(), QStringLiteral("<Random>"));
        QCOMPARE(creatures->count(), 1 + Services->Catalogues.Creatures.Count());
        QCOMPARE(poisons->count(), 1 + Services->Catalogues.Poisons.Count());
        QCOMPARE(creatures->itemText(1),
                 QString::fromLatin1(Services->Catalogues.Creatures.Get(0)->Get_Name()));
        // A creature chosen by name is met in every encounter.
        creatures->setCurrentIndex(1);
        Control<QComboBox>("Encounter_Level")->setCurrentIndex(5);
        Press("Encounters_Roll_Button");
        QCOMPARE(Control<QPlainTextEdit>("Encounters")->toPlainText().count(creatures->itemText(1)) >= 10,
                 true);
        // The next showing picks "<Random>" again.
        poisons->setCurrentIndex(1);
        Form->Prepare();
        QCOMPARE(creatures->currentIndex(), 0);
        QCOMPARE(poisons->currentIndex(), 0);
        QCOMPARE(Combo_Entries(poisons).count(QStringLiteral("<Random>")), 1);
    }
};

const TRegister_Gui_Test<TGM_Helper_Dialog_Test> registration;

} // namespace Vexlor::Test

#include "GM_Helper_Dialog_Test.moc"
