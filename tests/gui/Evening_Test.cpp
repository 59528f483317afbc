// One evening of a game master, through the program's own start-up in a fresh campaign folder
// with the real catalogue library: a party and its characters, the GM Helper, the catalogues and
// the creature list; then the program starts again from the same folder and finds every change.
#include "Gui_Test.h"
#include "Scripted_Prompts.h"

#include "foundations/Files.h"
#include "foundations/Random.h"
#include "roster/Party_File.h"
#include "shell/Startup.h"
#include "widgets/Text_Convert.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include <memory>

namespace Vexlor::Test {
namespace {

// The long-lived windows in the order start-up creates them, by caption.
const QStringList Window_Order = {
    QStringLiteral("About"),
    QStringLiteral("Create/Edit Character V1.1"),
    QStringLiteral("Create/Edit Creature"),
    QStringLiteral("Create/Edit Compound"),
    QStringLiteral("Create/Edit QID"),
    QStringLiteral("Edit Creature"),
    QStringLiteral("Edit Compound Plan"),
    QStringLiteral("Edit QID Plan"),
    QStringLiteral("GM Helper"),
    QStringLiteral("Create/Edit Items"),
    QStringLiteral("Edit Item Template"),
    QStringLiteral("Create/Edit Effects"),
    QStringLiteral("Edit Effect"),
    QStringLiteral("Create/Edit Poisons"),
    QStringLiteral("Edit Poison"),
    QStringLiteral("Complete Creature List"),
    QStringLiteral("Items..."),
};

const TMenu_Command Every_Command[] = {
    TMenu_Command::GM_Helper,     TMenu_Command::Exit,          TMenu_Command::Parties,
    TMenu_Command::Creatures,     TMenu_Command::Compounds,     TMenu_Command::Effects,
    TMenu_Command::Items,         TMenu_Command::Poisons,       TMenu_Command::QIDs,
    TMenu_Command::Creature_List, TMenu_Command::Help_Contents, TMenu_Command::About};

// Buttons, boxes, lists, edits and tab bars: the controls a user works.
bool Worked_By_The_User(const QWidget* control) {
    return qobject_cast<const QAbstractButton*>(control) || qobject_cast<const QAbstractSpinBox*>(control) ||
           qobject_cast<const QComboBox*>(control) || qobject_cast<const QLineEdit*>(control) ||
           qobject_cast<const QAbstractItemView*>(control) || qobject_cast<const QTabBar*>(control) ||
           qobject_cast<const QPlainTextEdit*>(control);
}

QStringList Entries(const QListWidget* list) {
    QStringList entries;
    for (int row = 0; row < list->count(); ++row)
        entries << list->item(row)->text();
    return entries;
}

// Selects the entry of a list with this text, as a click does.
void Choose(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(text));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.front()).center());
    QCoreApplication::processEvents();
}

void Double_Click(QListWidget* list, int row) {
    const QPoint centre = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

// A control of the wizard or level-up page shown now: pages left behind go only once the event
// loop runs, so the visible one is searched first.
template <class T> T* Shown(QWidget* window, const char* name) {
    for (T* control : window->findChildren<T*>(QString::fromLatin1(name)))
        if (control->isVisible())
            return control;
    return Find<T>(window, name);
}

// The text of a program that reads a file, or "" when it cannot run.
QString Output_Of(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// How many rows of the catalogue database's tables hold a record of this name, and what
// integrity_check says of the file.
struct TDatabase_Look {
    int Rows = 0;
    std::string Integrity;
    std::string Text; // the stored text of the last row found
};

TDatabase_Look Look_Into(const std::string& file, const std::string& name) {
    TDatabase_Look look;
    sqlite3* database = nullptr;
    if (sqlite3_open_v2(file.c_str(), &database, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(database);
        return look;
    }
    auto each_row = [database](const std::string& sql, const std::function<void(sqlite3_stmt*)>& take) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(database, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK)
            while (sqlite3_step(statement) == SQLITE_ROW)
                take(statement);
        sqlite3_finalize(statement);
    };
    auto text = [](sqlite3_stmt* statement, int column) {
        const unsigned char* value = sqlite3_column_text(statement, column);
        return value ? std::string(reinterpret_cast<const char*>(value)) : std::string();
    };
    each_row("PRAGMA integrity_check", [&](sqlite3_stmt* row) { look.Integrity += text(row, 0); });
    std::vector<std::string> tables;
    each_row("SELECT name FROM sqlite_master WHERE type = 'table'",
             [&](sqlite3_stmt* row) { tables.push_back(text(row, 0)); });
    for (const std::string& table : tables)
        each_row("SELECT text FROM \"" + table + "\" WHERE name = '" + name + "'", [&](sqlite3_stmt* row) {
            ++look.Rows;
            look.Text = text(row, 0);
        });
    sqlite3_close(database);
    return look;
}

} // namespace

class TEvening_Test : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir Campaign;
    QString Previous_Folder;
    TScripted_Prompts Prompts;
    std::unique_ptr<TProgram_Services> Services;
    std::unique_ptr<TMain_Form> Main;

    QString Path(const char* name) const { return Campaign.filePath(QString::fromLatin1(name)); }
    std::string Party_File() const {
        return Read_File(QString_To_Path(Path("Characters.master"))).value_or(std::string());
    }
    void Start() {
        Main = Create_Windows(Services->Get());
        Main->show();
        QVERIFY(QTest::qWaitForWindowExposed(Main.get()));
    }
    // Runs a menu command; drive works the modal window it opens, which is closed afterwards.
    void Run(TMenu_Command command, const std::function<void(QWidget*)>& drive) {
        const auto running = When_Modal([&drive](QWidget* window) {
            drive(window);
            if (window->isVisible())
                window->close();
        });
        Main->Action(command)->trigger();
        QTRY_VERIFY(running->Driven());
    }
    // In a catalogue list: Create opens the editor, which gets a name and OK.
    void Create_Record(QWidget* list, const char* name_edit, const QString& name) {
        const auto creating = When_Modal([&](QWidget* editor) {
            auto* name_box = Find<QLineEdit>(editor, name_edit);
            name_box->selectAll();
            QTest::keyClicks(name_box, name);
            Find<QPushButton>(editor, "OK_Button")->click();
        });
        Find<QPushButton>(list, "Create_Button")->click();
        QTRY_VERIFY(creating->Driven());
        QCOMPARE(Find<QListWidget>(list, "ListBox1")->currentItem()->text(), name);
    }
    // In a catalogue list: Edit opens the selected record, whose description gets a line.
    void Describe_Selected(QWidget* list, const QString& description) {
        const auto describing = When_Modal([&](QWidget* editor) {
            Find<QPlainTextEdit>(editor, "Description")->setPlainText(description);
            Find<QPushButton>(editor, "OK_Button")->click();
        });
        Find<QPushButton>(list, "Edit_Button")->click();
        QTRY_VERIFY(describing->Driven());
    }

  private slots:
    void initTestCase() {
        QVERIFY(Campaign.isValid());
        QVERIFY(QFile::copy(QStringLiteral(VEXLOR_DATA_FOLDER "/TABLES.TXT"), Path("TABLES.TXT")));
        Previous_Folder = QDir::currentPath();
        QDir::setCurrent(Campaign.path());
        Services = std::make_unique<TProgram_Services>(Prompts, Library_Catalogues(), Program_Folder());
        Start();
    }
    void cleanupTestCase() {
        Main.reset();
        Services.reset();
        QDir::setCurrent(Previous_Folder);
    }
    void cleanup() {
        QVERIFY2(Prompts.All_Answered(), "a scripted answer was left over");
        QVERIFY2(Prompts.Messages().isEmpty(), qPrintable(Prompts.Messages().join(u'\n')));
        Prompts.Clear();
    }

    void Start_Up_Makes_Every_Window_In_Order_And_Enables_Every_Command() {
        QCOMPARE(Main->windowTitle(), QStringLiteral("Vexlor RPG Referee Assistant"));
        QStringList captions;
        for (const QObject* child : Main->children())
            if (const auto* dialog = qobject_cast<const QDialog*>(child);
                dialog && !dialog->windowTitle().isEmpty())
                captions << dialog->windowTitle();
        QCOMPARE(captions.join(QStringLiteral(", ")), Window_Order.join(QStringLiteral(", ")));
        for (const TMenu_Command command : Every_Command)
            QVERIFY2(Main->Action(command)->isEnabled(), qPrintable(Main->Action(command)->text()));
    }

    void Every_Window_Can_Be_Worked_With_The_Keyboard() {
        // Every control a user works, in every long-lived window, is reached with Tab.
        QStringList unreachable;
        int controls = 0;
        for (QObject* child : Main->children()) {
            auto* dialog = qobject_cast<QDialog*>(child);
            if (!dialog || dialog->windowTitle().isEmpty())
                continue;
            dialog->show();
            QCoreApplication::processEvents();
            for (QWidget* control : dialog->findChildren<QWidget*>()) {
                if (!Worked_By_The_User(control) || !control->isVisible() || !control->isEnabled())
                    continue;
                ++controls;
                if (!(control->focusPolicy() & Qt::TabFocus))
                    unreachable << dialog->windowTitle() + QStringLiteral(": ") + control->objectName();
            }
            dialog->hide();
        }
        QCOMPARE(unreachable.join(QStringLiteral(", ")), QString());
        QVERIFY2(controls > 100, qPrintable(QString::number(controls)));
    }

    void A_Party_With_A_Random_And_A_Created_Character() {
        Run(TMenu_Command::Parties, [this](QWidget* parties) {
            Prompts.Answer_Text(QStringLiteral("Friday group"));
            Find<QPushButton>(parties, "New_Party_Button")->click();
            QCOMPARE(Find<QListWidget>(parties, "Parties_List")->currentItem()->text(),
                     QStringLiteral("Friday group"));
            Find<QPushButton>(parties, "Create_Random_Character_Button")->click();
            QCOMPARE(Find<QListWidget>(parties, "Characters_List")->count(), 1);

            // Every roll at its best, so the wizard's character may take any vocation.
            TFunction_Random dice([](int n) { return n - 1; });
            const TRandom_Override best(dice);
            const auto creating = When_Modal([](QWidget* wizard) {
                auto* next = Find<QPushButton>(wizard, "Next_Button");
                QTest::keyClicks(Shown<QLineEdit>(wizard, "Name_Edit"), QStringLiteral("Zed"));
                next->click();
                next->click();
                Choose(Shown<QListWidget>(wizard, "Class1"), QStringLiteral("Engineer, General"));
                Choose(Shown<QListWidget>(wizard, "Class2"), QStringLiteral("Chemist"));
                // Items... on the vocations page: the first two items of the catalogue.
                const auto choosing = When_Modal([](QWidget* inventory) {
                    auto* catalogue = Find<QListWidget>(inventory, "Items_List");
                    Double_Click(catalogue, 0);
                    Double_Click(catalogue, 1);
                    QCOMPARE(Find<QListWidget>(inventory, "Held_List")->count(), 2);
                    Find<QPushButton>(inventory, "OK_Button")->click();
                });
                Shown<QPushButton>(wizard, "Items_Button")->click();
                QTRY_VERIFY(choosing->Driven());
                next->click();
                Choose(Shown<QListWidget>(wizard, "QID_List"), QStringLiteral("Heal"));
                Choose(Shown<QListWidget>(wizard, "QID_List"), QStringLiteral("Fog"));
                next->click();
                Choose(Shown<QListWidget>(wizard, "Compound_List"), QStringLiteral("Acid Flask"));
                for (int press = 0; press < 4 && wizard->isVisible(); ++press)
                    next->click();
                QVERIFY(!wizard->isVisible());
            });
            Find<QPushButton>(parties, "Create_Character_Button")->click();
            QTRY_VERIFY(creating->Driven());
            QCOMPARE(Find<QListWidget>(parties, "Characters_List")->count(), 2);
        });
        const TRoster_List parties = Read_Parties(Party_File());
        QCOMPARE(parties.size(), std::size_t(2));
        QCOMPARE(parties[1].Text, std::string("Friday group"));
        const std::string members = parties[1].Stored;
        for (const char* held : {"<name>Zed</name>", "Heal", "Fog", "Acid Flask"})
            QVERIFY2(members.find(held) != std::string::npos, held);
    }

    void The_Character_Edited_Levelled_Up_And_Written_As_A_Sheet() {
        Run(TMenu_Command::Parties, [this](QWidget* parties) {
            auto* characters = Find<QListWidget>(parties, "Characters_List");
            Find<QListWidget>(parties, "Parties_List")->setCurrentRow(1);
            const QList<QListWidgetItem*> zed =
                characters->findItems(QStringLiteral("Zed"), Qt::MatchStartsWith);
            QCOMPARE(zed.size(), 1);
            characters->setCurrentItem(zed.front());

            // Edit: back to the name page for a new name, then through every page.
            const auto editing = When_Modal([](QWidget* wizard) {
                Find<QPushButton>(wizard, "Back_Button")->click();
                auto* name = Shown<QLineEdit>(wizard, "Name_Edit");
                name->selectAll();
                QTest::keyClicks(name, QStringLiteral("Zed Prime"));
                for (int press = 0; press < 12 && wizard->isVisible(); ++press)
                    Find<QPushButton>(wizard, "Next_Button")->click();
                QVERIFY(!wizard->isVisible());
            });
            Find<QPushButton>(parties, "Edit_Button")->click();
            QTRY_VERIFY(editing->Driven());
            QVERIFY(characters->currentItem()->text().startsWith(QStringLiteral("Zed Prime\t")));

            // Level up the first vocation offered.
            const auto levelling = When_Modal([](QWidget* level_up) {
                for (int press = 0; press < 6 && level_up->isVisible(); ++press) {
                    if (auto* ok = level_up->findChild<QPushButton*>(QStringLiteral("OK_Button"));
                        ok && ok->isVisible()) {
                        ok->click();
                        break;
                    }
                    auto* next = Find<QPushButton>(level_up, "Next_Button");
                    if (!next->isEnabled())
                        for (QAbstractButton* choice : level_up->findChildren<QAbstractButton*>())
                            if (choice->isVisible() && choice->isCheckable() && choice->isEnabled() &&
                                !next->isEnabled())
                                choice->click();
                    next->click();
                }
                QVERIFY(!level_up->isVisible());
            });
            Find<QPushButton>(parties, "Level_Up_Button")->click();
            QTRY_VERIFY(levelling->Driven());

            Prompts.Answer_File_Name(Path("zed"));
            Find<QPushButton>(parties, "Save_To_RTF_Button")->click();
        });
        const std::string members = Read_Parties(Party_File())[1].Stored;
        QVERIFY(members.find("<name>Zed Prime</name>") != std::string::npos);
        QVERIFY(members.find("<#level1=2>") != std::string::npos); // the first vocation one level up
        const QString sheet = Output_Of(QStringLiteral("unrtf"), {QStringLiteral("--text"), Path("zed.rtf")});
        QVERIFY2(sheet.contains(QStringLiteral("Zed Prime")), qPrintable(sheet.left(2000)));
        QVERIFY(sheet.contains(QStringLiteral("Engineer")));
        // The QIDs and the compound picked in the wizard fill the sheet's QID rows.
        for (const char* carried : {"Acid Flask compound", "Fog QID", "Heal QID"})
            QVERIFY2(sheet.contains(QLatin1String(carried)), carried);
    }

    void The_GM_Helper_Writes_Every_Tab_To_Its_Output_File() {
        Run(TMenu_Command::GM_Helper, [this](QWidget* helper) {
            auto* output = Find<QLineEdit>(helper, "Output_Filename");
            QTest::keyClicks(output, Path("evening.txt"));
            QTest::keyClick(output, Qt::Key_Return);
            auto* pages = Find<QTabWidget>(helper, "Tool_Pages");
            QVERIFY(pages);
            for (int page = 0; page < pages->count(); ++page) {
                pages->setCurrentIndex(page);
                for (QPushButton* button : pages->widget(page)->findChildren<QPushButton*>())
                    if (button->isEnabled() && button->objectName() != QStringLiteral("Browse_Button"))
                        QTest::mouseClick(button, Qt::LeftButton);
            }
        });
        const std::string log = Read_File(QString_To_Path(Path("evening.txt"))).value_or(std::string());
        for (const char* heading :
             {"Dice rolls", "Diseases", "Lost", "Creature venom", "Treasure", "Encounters"})
            QVERIFY2(log.find(heading) != std::string::npos, heading);
    }

    void Catalogue_Records_Created_And_Edited() {
        Run(TMenu_Command::Items, [this](QWidget* list) {
            Find<QCheckBox>(list, "Show_All")->setChecked(true);
            Create_Record(list, "Armor_Name", QStringLiteral("Evening Lamp"));
            Describe_Selected(list, QStringLiteral("Lit at dusk"));
        });
        Run(TMenu_Command::QIDs, [this](QWidget* list) {
            Create_Record(list, "QID_Name", QStringLiteral("Evening Zap"));
            Describe_Selected(list, QStringLiteral("A spark at dusk"));
        });
        Run(TMenu_Command::Creatures, [this](QWidget* list) {
            Create_Record(list, "Creature_Name", QStringLiteral("Evening Moth"));
            Describe_Selected(list, QStringLiteral("Flies at dusk"));
        });
    }

    void The_Complete_Creature_List() {
        Run(TMenu_Command::Creature_List, [this](QWidget* form) {
            Find<QLineEdit>(form, "Output_Filename")->setText(Path("creatures.txt"));
            Find<QPushButton>(form, "Generate_Button")->click();
        });
        const std::string list = Read_File(QString_To_Path(Path("creatures.txt"))).value_or(std::string());
        QVERIFY(list.find("Evening Moth") != std::string::npos);
    }

    void Started_Again_The_Program_Finds_Every_Change() {
        Main.reset();
        Start();
        Run(TMenu_Command::Parties, [](QWidget* parties) {
            QCOMPARE(Entries(Find<QListWidget>(parties, "Parties_List")),
                     (QStringList{QStringLiteral("(default)"), QStringLiteral("Friday group")}));
            Find<QListWidget>(parties, "Parties_List")->setCurrentRow(1);
            const QStringList characters = Entries(Find<QListWidget>(parties, "Characters_List"));
            QCOMPARE(characters.size(), 2);
            QVERIFY(characters.filter(QStringLiteral("Zed Prime\t")).size() == 1);
        });
        const std::string database = QString_To_Path(Path("Vexlor.catalogue")).string();
        for (const auto& [name, description] : {std::pair{"Evening Lamp", "Lit at dusk"},
                                                {"Evening Zap", "A spark at dusk"},
                                                {"Evening Moth", "Flies at dusk"}}) {
            const TDatabase_Look look = Look_Into(database, name);
            QCOMPARE(look.Integrity, std::string("ok"));
            QCOMPARE(look.Rows, 1);
            QVERIFY2(look.Text.find(description) != std::string::npos, look.Text.c_str());
        }
    }
};

namespace {
const TRegister_Gui_Test<TEvening_Test> registration;
}

} // namespace Vexlor::Test

#include "Evening_Test.moc"
