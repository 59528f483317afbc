#include "Gui_Test.h"
#include "Test_Services.h"

#include "foundations/Files.h"
#include "foundations/Random.h"
#include "roster/Character_Pages.h"
#include "roster/Party_File.h"
#include "shell/characters/CWF.h"
#include "shell/characters/CharacterChoice.h"
#include "shell/characters/LUF.h"
#include "shell/possessions/Inventory_Dialog.h"
#include "widgets/Text_Convert.h"

#include <QApplication>
#include <QDir>
#include <QHelpEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include <algorithm>
#include <memory>

namespace Vexlor::Test {
namespace {

// The parties dialog over a temporary campaign folder as its working folder, with the inventory
// dialog it needs, shown as the main window shows it.
struct TShown_Parties {
    TShown_Parties() : Previous(QDir::currentPath()) {
        QDir::setCurrent(Folder.path());
        Dialog.Use_Inventory(Inventory);
    }
    ~TShown_Parties() { QDir::setCurrent(Previous); }

    std::string Party_File() const {
        return Read_File(QString_To_Path(Folder.path()) / "Characters.master").value_or("(missing)");
    }
    void Write_Party_File(const std::string& text) const {
        QVERIFY(Write_File_Atomic(QString_To_Path(Folder.path()) / "Characters.master", text).Ok());
    }
    void Prepare() {
        Dialog.Prepare();
        Dialog.show();
    }
    QListWidget* Parties() { return Find<QListWidget>(&Dialog, "Parties_List"); }
    QListWidget* Characters() { return Find<QListWidget>(&Dialog, "Characters_List"); }
    QPushButton* Button(const char* name) { return Find<QPushButton>(&Dialog, name); }
    QStringList Entries(QListWidget* list) {
        QStringList entries;
        for (int row = 0; row < list->count(); ++row)
            entries << list->item(row)->text();
        return entries;
    }
    bool Character_Buttons_Enabled() {
        return Button("Edit_Button")->isEnabled() && Button("Level_Up_Button")->isEnabled() &&
               Button("Save_To_RTF_Button")->isEnabled();
    }
    bool Character_Buttons_Disabled() {
        return !Button("Edit_Button")->isEnabled() && !Button("Level_Up_Button")->isEnabled() &&
               !Button("Save_To_RTF_Button")->isEnabled();
    }

    QTemporaryDir Folder;
    QString Previous;
    TTest_Services Services;
    TInventory_Dialog Inventory{Services.Get()};
    TCharacter_Choice_Dialog Dialog{Services.Get()};
};

// A control of the page the wizard shows, or of the wizard itself.
template <class T> T* Page_Control(QWidget* wizard, const char* name) {
    if (const QWidget* page = qobject_cast<TCharacter_Wizard_Form*>(wizard)->Current_Sheet())
        if (T* control = page->findChild<T*>(QString::fromLatin1(name)))
            return control;
    return Find<T>(wizard, name);
}

// Clicks the entry of list that reads text.
void Pick(QListWidget* list, const QString& text) {
    const QRect entry = list->visualItemRect(list->findItems(text, Qt::MatchExactly).value(0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
}

const std::string Two_Parties =
    "<party=\"Alpha team\"><character=\"Rex\tCommando, "
    "Medic\"><name>Rex</name><#class1=\"Commando\"><#class2=\"Medic\">"
    "</character><character=\"Una\"><name>Una</name></character></party>\r\n"
    "<party=\"Beta team\"><character=\"Zed\"><name>Zed</name></character></party>\r\n"
    "<party=\"Empty\"></party>\r\n";

} // namespace

class TCharacter_Choice_Test : public QObject {
    Q_OBJECT

  private slots:
    void First_Run_Shows_Default_And_A_Random_Character_Writes_One_Line() {
        TShown_Parties shown;
        shown.Prepare();
        QCOMPARE(shown.Dialog.windowTitle(), QStringLiteral("Create/Edit Character V1.1"));
        QCOMPARE(shown.Entries(shown.Parties()), QStringList{QStringLiteral("(default)")});
        QCOMPARE(shown.Characters()->count(), 0);
        QVERIFY(shown.Character_Buttons_Disabled());
        QCOMPARE(shown.Party_File(), std::string("(missing)"));
        QCOMPARE(Unnamed_Controls(&shown.Dialog), QStringList());

        shown.Button("Create_Random_Character_Button")->click();
        const TRoster_List parties = Read_Parties(shown.Party_File());
        QCOMPARE(parties.size(), std::size_t(1));
        QCOMPARE(parties[0].Text, std::string(Default_Party_Name));
        QVERIFY(shown.Party_File().ends_with("</party>\r\n"));
        QCOMPARE(shown.Party_File().find("\r\n"), shown.Party_File().size() - 2);
        QCOMPARE(shown.Characters()->count(), 1);
        QCOMPARE(shown.Characters()->currentRow(), 0);
        QCOMPARE(From_QString(shown.Characters()->currentItem()->text()),
                 Read_Party_Members(parties[0].Stored)[0].Text);
        // The new character's classes show at once, after its name and a tab.
        QVERIFY(!shown.Characters()->currentItem()->text().section(QLatin1Char('\t'), 1).isEmpty());
        QVERIFY(shown.Character_Buttons_Enabled());

        // Shown again, the file is read afresh: each party once.
        shown.Dialog.accept();
        shown.Prepare();
        QCOMPARE(shown.Entries(shown.Parties()), QStringList{QStringLiteral("(default)")});
        QCOMPARE(shown.Characters()->count(), 1);
    }

    void The_Character_Buttons_Follow_The_Selection() {
        TShown_Parties shown;
        shown.Write_Party_File(Two_Parties);
        shown.Prepare();
        QCOMPARE(shown.Entries(shown.Parties()),
                 (QStringList{QStringLiteral("Alpha team"), QStringLiteral("Beta team"),
                              QStringLiteral("Empty")}));
        QCOMPARE(shown.Entries(shown.Characters()),
                 (QStringList{QStringLiteral("Rex\tCommando, Medic"), QStringLiteral("Una")}));
        QVERIFY(shown.Character_Buttons_Enabled());
        shown.Parties()->setCurrentRow(2);
        QCOMPARE(shown.Characters()->count(), 0);
        QVERIFY(shown.Character_Buttons_Disabled());
        shown.Parties()->setCurrentRow(1);
        QCOMPARE(shown.Entries(shown.Characters()), QStringList{QStringLiteral("Zed")});
        QVERIFY(shown.Character_Buttons_Enabled());
        shown.Characters()->setCurrentRow(-1);
        QVERIFY(shown.Character_Buttons_Disabled());
        // Nothing selected: a double click elsewhere or a key finds nothing to work on.
        QTest::keyClick(shown.Characters(), Qt::Key_Delete);
        QCOMPARE(shown.Services.Prompts.Asked.size(), std::size_t(0));
    }

    void Delete_Asks_With_No_As_Default_And_Rewrites_The_File_On_Yes() {
        TShown_Parties shown;
        shown.Write_Party_File(Two_Parties);
        shown.Prepare();
        auto& prompts = shown.Services.Prompts;
        prompts.Answer_Yes_No(false);
        QTest::keyClick(shown.Characters(), Qt::Key_Delete);
        QCOMPARE(prompts.Asked.back().Caption, QStringLiteral("Really delete"));
        QCOMPARE(prompts.Asked.back().Text, QStringLiteral("Do you really want to delete Rex?"));
        QCOMPARE(prompts.Asked.back().Default_Answer, TAnswer::No);
        QCOMPARE(shown.Characters()->count(), 2);
        QCOMPARE(shown.Party_File(), Two_Parties);

        prompts.Answer_Yes_No(true);
        QTest::keyClick(shown.Characters(), Qt::Key_Delete);
        QCOMPARE(shown.Entries(shown.Characters()), QStringList{QStringLiteral("Una")});
        QCOMPARE(shown.Characters()->currentRow(), 0);
        QCOMPARE(Read_Party_Members(Read_Parties(shown.Party_File())[0].Stored).size(), std::size_t(1));

        shown.Parties()->setCurrentRow(2);
        prompts.Answer_Yes_No(true);
        QTest::keyClick(shown.Parties(), Qt::Key_Delete);
        QCOMPARE(prompts.Asked.back().Text,
                 QStringLiteral("Do you really want to delete Empty, and all characters in it?"));
        QCOMPARE(prompts.Asked.back().Default_Answer, TAnswer::No);
        QCOMPARE(shown.Entries(shown.Parties()),
                 (QStringList{QStringLiteral("Alpha team"), QStringLiteral("Beta team")}));
        QCOMPARE(shown.Parties()->currentRow(), 1);
        QCOMPARE(shown.Entries(shown.Characters()), QStringList{QStringLiteral("Zed")});
        QCOMPARE(Read_Parties(shown.Party_File()).size(), std::size_t(2));
        QVERIFY(prompts.All_Answered());
    }

    // A party another program stored while the window was open is listed after the window's next
    // change, which reads the file afresh.
    void A_Party_Stored_Meanwhile_Is_Listed_After_The_Next_Change() {
        TShown_Parties shown;
        shown.Write_Party_File(Two_Parties);
        shown.Prepare();
        shown.Write_Party_File(Two_Parties + "<party=\"Zulu\"></party>\r\n");
        shown.Services.Prompts.Answer_Yes_No(true);
        QTest::keyClick(shown.Characters(), Qt::Key_Delete);
        QCOMPARE(shown.Entries(shown.Parties()),
                 (QStringList{QStringLiteral("Alpha team"), QStringLiteral("Beta team"),
                              QStringLiteral("Empty"), QStringLiteral("Zulu")}));
        QCOMPARE(shown.Parties()->currentRow(), 0);
        QCOMPARE(shown.Entries(shown.Characters()), QStringList{QStringLiteral("Una")});
    }

    void Insert_Opens_New_Party() {
        TShown_Parties shown;
        shown.Prepare();
        auto& prompts = shown.Services.Prompts;
        prompts.Answer_Text(QStringLiteral("  Team \"Alpha\" One "));
        QTest::keyClick(shown.Parties(), Qt::Key_Insert);
        QCOMPARE(prompts.Asked.back().Caption, QStringLiteral("New Party"));
        QCOMPARE(prompts.Asked.back().Text, QStringLiteral("What is the name of your new Party"));
        QCOMPARE(shown.Entries(shown.Parties()),
                 (QStringList{QStringLiteral("(default)"), QStringLiteral("Team \"Alpha\" One")}));
        QCOMPARE(shown.Parties()->currentRow(), 1);
        QCOMPARE(Read_Parties(shown.Party_File())[1].Text, std::string("Team \"Alpha\" One"));
        prompts.Answer_Text(std::nullopt);
        shown.Button("New_Party_Button")->click();
        QCOMPARE(shown.Parties()->count(), 2);
        // A name the party file cannot hold is refused with a note, never stored as "?ód? Crew", and
        // asked for again with what was typed.
        prompts.Answer_Text(QStringLiteral("Łódź Crew"));
        prompts.Answer_Text(std::nullopt);
        shown.Button("New_Party_Button")->click();
        QCOMPARE(prompts.Messages(),
                 QStringList{QStringLiteral(
                     "Ł, ź cannot be stored: the game's files hold Western European letters only.")});
        QCOMPARE(prompts.Asked.back().Default_Text, QStringLiteral("Łódź Crew"));
        QCOMPARE(shown.Parties()->count(), 2);
        QCOMPARE(Read_Parties(shown.Party_File()).size(), std::size_t{2});
    }

    // A damaged party file is told once, over the parties window on the screen, not before it
    // shows over the main window; showing it again without loading again says nothing more.
    void A_Damaged_Party_File_Is_Told_Once_The_Window_Shows() {
        TShown_Parties shown;
        shown.Write_Party_File(Two_Parties + "<party=\"Gamma\"><character=\"Zed\"><name>Z");
        auto& prompts = shown.Services.Prompts;
        shown.Dialog.Prepare();
        QVERIFY(prompts.Messages().isEmpty());
        shown.Dialog.show();
        QTRY_COMPARE(prompts.Messages().size(), 1);
        QVERIFY(shown.Dialog.isVisible());
        QVERIFY(prompts.Messages()[0].startsWith(QStringLiteral(
            "Characters.master ends in the middle of the character \"Zed\" of the party \"Gamma\"")));
        shown.Dialog.hide();
        shown.Dialog.show();
        QCoreApplication::processEvents();
        QCOMPARE(prompts.Messages().size(), 1);
    }

    void Save_To_RTF_Writes_The_Sheet_And_Reports_An_Unwritable_Target() {
        TShown_Parties shown;
        shown.Write_Party_File(Two_Parties);
        shown.Prepare();
        auto& prompts = shown.Services.Prompts;
        prompts.Answer_File_Name(shown.Folder.filePath(QStringLiteral("rex")));
        shown.Button("Save_To_RTF_Button")->click();
        QCOMPARE(prompts.Asked.back().File.Title, QStringLiteral("Save character to file"));
        QCOMPARE(prompts.Asked.back().File.Start, shown.Folder.filePath(QStringLiteral("Rex.rtf")));
        const std::string sheet =
            Read_File(QString_To_Path(shown.Folder.filePath(QStringLiteral("rex.rtf")))).value_or("");
        QVERIFY(sheet.starts_with("{\\rtf"));
        QVERIFY(sheet.find("Rex") != std::string::npos);
        QVERIFY(prompts.Messages().isEmpty());

        prompts.Answer_File_Name(shown.Folder.filePath(QStringLiteral("no such folder/rex.rtf")));
        shown.Button("Save_To_RTF_Button")->click();
        QCOMPARE(prompts.Asked.back().Caption, QStringLiteral("Save to RTF"));
        QCOMPARE(prompts.Messages().size(), 1);
        QVERIFY(prompts.Messages()[0].startsWith(
            QStringLiteral("Path not found while writing ") +
            shown.Folder.filePath(QStringLiteral("no such folder/rex.rtf"))));

        // The name proposed keeps the character's letters: the party file holds "é" as one byte.
        shown.Write_Party_File("<party=\"Alpha team\"><character=\"Ren\xE9"
                               "e\"><name>Ren\xE9"
                               "e</name></character></party>\r\n");
        shown.Prepare();
        prompts.Answer_File_Name(std::nullopt);
        shown.Button("Save_To_RTF_Button")->click();
        QCOMPARE(prompts.Asked.back().File.Start, shown.Folder.filePath(QStringLiteral("Renée.rtf")));
    }

    void Create_Character_Runs_The_Wizard_With_An_Empty_Inventory() {
        TFunction_Random dice([](int n) { return n - 1; });
        TRandom_Override override(dice);
        TShown_Parties shown;
        shown.Services.Catalogues.Load_Starter();
        shown.Write_Party_File(Two_Parties);
        shown.Prepare();
        shown.Inventory.Deserialize("<items><item>Old Rope</item></items><equip></equip>");
        const auto creating = When_Modal([&](QWidget* window) {
            auto* wizard = qobject_cast<TCharacter_Wizard_Form*>(window);
            QVERIFY(wizard);
            QCOMPARE(wizard->Names, Enclosed_Names({"Rex", "Una"}));
            QCOMPARE(shown.Inventory.Serialize().find("Old Rope"), std::string::npos);
            QTest::keyClicks(Page_Control<QLineEdit>(wizard, "Name_Edit"), QStringLiteral("Ann"));
            auto* next = Find<QPushButton>(wizard, "Next_Button");
            next->click();
            next->click();
            Pick(Page_Control<QListWidget>(wizard, "Class1"), QStringLiteral("Chemist"));
            // A chemist picks a compound; every other page may be passed as it is.
            for (int press = 0; press < 12 && wizard->isVisible(); ++press) {
                if (qobject_cast<TCharacter_Wizard_Form*>(wizard)->Get_Step() == 5)
                    Pick(Page_Control<QListWidget>(wizard, "Compound_List"), QStringLiteral("Acid Flask"));
                next->click();
            }
            if (wizard->isVisible())
                Find<QPushButton>(wizard, "Cancel_Button")->click();
        });
        shown.Button("Create_Character_Button")->click();
        QTRY_VERIFY(creating->Driven());
        QCOMPARE(shown.Entries(shown.Characters()),
                 (QStringList{QStringLiteral("Ann\tChemist"), QStringLiteral("Rex\tCommando, Medic"),
                              QStringLiteral("Una")}));
        QCOMPARE(shown.Characters()->currentRow(), 0);
        const std::string stored = Read_Party_Members(Read_Parties(shown.Party_File())[0].Stored)[0].Stored;
        QVERIFY(stored.starts_with("<name>Ann</name>"));
        QVERIFY(stored.find("<items>") != std::string::npos);
        QCOMPARE(stored.find("Old Rope"), std::string::npos);
    }

    void Edit_Through_The_Wizard_Shows_Name_Tab_And_Classes() {
        TShown_Parties shown;
        shown.Services.Catalogues.Load_Starter();
        shown.Write_Party_File(
            "<party=\"P\"><character=\"Ann\"><name>Ann</name><#class1=\"Chemist\"><#level1=2></character>"
            "<character=\"Una\"><name>Una</name></character></party>\r\n");
        shown.Prepare();
        QCOMPARE(shown.Characters()->currentRow(), 0);
        const auto editing = When_Modal([&](QWidget* wizard) {
            QCOMPARE(qobject_cast<TCharacter_Wizard_Form*>(wizard)->Names, Enclosed_Names({"Una"}));
            for (int press = 0; press < 12 && wizard->isVisible(); ++press)
                Find<QPushButton>(wizard, "Next_Button")->click();
            if (wizard->isVisible())
                Find<QPushButton>(wizard, "Cancel_Button")->click();
        });
        shown.Button("Edit_Button")->click();
        QTRY_VERIFY(editing->Driven());
        QCOMPARE(shown.Entries(shown.Characters()),
                 (QStringList{QStringLiteral("Ann\tChemist"), QStringLiteral("Una")}));
        QCOMPARE(shown.Characters()->currentRow(), 0);
        const TRoster_List members = Read_Party_Members(Read_Parties(shown.Party_File())[0].Stored);
        QCOMPARE(members[0].Text, std::string("Ann\tChemist"));
        QVERIFY(members[0].Stored.find("<items>") != std::string::npos);
    }

    void Level_Up_Stores_The_New_Level_And_Shows_The_Classes() {
        TFunction_Random dice([](int) { return 0; });
        TRandom_Override override(dice);
        TShown_Parties shown;
        shown.Write_Party_File("<party=\"P\"><character=\"Max\"><name>Max</name><#cognitive=1><#hp=20>"
                               "<#class1=\"Mercenary\"><#level1=5></character></party>\r\n");
        shown.Prepare();
        const auto levelling = When_Modal([&](QWidget* window) {
            auto* form = qobject_cast<TLevel_Up_Form*>(window);
            QVERIFY(form);
            Find<QPushButton>(form, "Next_Button")->click();
            if (form->Current_Sheet())
                Find<QPushButton>(form->Current_Sheet(), "OK_Button")->click();
            if (form->isVisible())
                Find<QPushButton>(form, "Cancel_Button")->click();
        });
        shown.Button("Level_Up_Button")->click();
        QTRY_VERIFY(levelling->Driven());
        QCOMPARE(shown.Entries(shown.Characters()), QStringList{QStringLiteral("Max\tMercenary")});
        const std::string stored = Read_Party_Members(Read_Parties(shown.Party_File())[0].Stored)[0].Stored;
        QVERIFY(stored.find("<#level1=6>") != std::string::npos);
    }

    // Tab goes down the parties column, the characters list and the column of buttons, as the
    // columns stand from left to right; every button has its accelerator; Enter on a character
    // edits it; the party chosen last is chosen again when the window opens.
    void The_Window_Works_By_Keyboard_And_Opens_On_The_Last_Party() {
        TShown_Parties shown;
        shown.Write_Party_File(Two_Parties);
        shown.Prepare();
        QVERIFY(QTest::qWaitForWindowExposed(&shown.Dialog));
        QList<QWidget*> controls;
        for (QWidget* control : shown.Dialog.findChildren<QWidget*>())
            if ((control->focusPolicy() & Qt::TabFocus) && control->isVisible() && control->isEnabled() &&
                !control->focusProxy())
                controls << control;
        std::sort(controls.begin(), controls.end(), [](const QWidget* a, const QWidget* b) {
            const QPoint pa = a->mapTo(a->window(), QPoint()), pb = b->mapTo(b->window(), QPoint());
            return std::pair(pa.x(), pa.y()) < std::pair(pb.x(), pb.y());
        });
        QStringList by_place, by_tab;
        for (const QWidget* control : controls)
            by_place << control->objectName();
        shown.Parties()->setFocus(Qt::TabFocusReason);
        for (qsizetype step = 0; step < controls.size(); ++step) {
            by_tab << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(by_tab, by_place);
        QCOMPARE(by_place.first(), QStringLiteral("Parties_List"));
        QCOMPARE(by_place[1], QStringLiteral("New_Party_Button"));
        QSet<QChar> accelerators;
        for (QPushButton* button : shown.Dialog.findChildren<QPushButton*>()) {
            const qsizetype at = button->text().indexOf(QLatin1Char('&'));
            QVERIFY2(at >= 0, qPrintable(button->text()));
            accelerators << button->text()[at + 1].toUpper();
        }
        QCOMPARE(accelerators.size(), shown.Dialog.findChildren<QPushButton*>().size());

        shown.Characters()->setFocus();
        const auto editing = When_Modal([](QWidget* window) {
            QVERIFY(qobject_cast<TCharacter_Wizard_Form*>(window));
            Find<QPushButton>(window, "Cancel_Button")->click();
        });
        QTest::keyClick(shown.Characters(), Qt::Key_Return);
        QTRY_VERIFY(editing->Driven());

        Pick(shown.Parties(), QStringLiteral("Beta team"));
        shown.Dialog.accept();
        shown.Prepare();
        QCOMPARE(shown.Parties()->currentItem()->text(), QStringLiteral("Beta team"));
        QCOMPARE(shown.Entries(shown.Characters()), QStringList{QStringLiteral("Zed")});
    }

    // A name shows whole as far as the middle of the list, with the classes just past the
    // longest one; a longer name, or classes too many for their column, are cut short and show
    // whole in the line's tool tip.
    void A_Name_Too_Long_For_Its_Column_Shows_Whole_In_A_Tool_Tip() {
        TShown_Parties shown;
        const std::string long_name = "Zo\xEB \"Ace\" Delacroix-Montgomery of the Outer Rim Freight Guild";
        const std::string short_name = "Zo\xEB \"Ace\" Dune";
        const std::string many_classes = "Physicist, Weapons Spc., E. Engineer, Biologist";
        shown.Write_Party_File(
            Party_File_Text({{"P", Party_Text({{long_name + "\tChemist", "<name>" + long_name + "</name>"},
                                               {short_name + "\tMedic", "<name>" + short_name + "</name>"},
                                               {"Ace\t" + many_classes, "<name>Ace</name>"}})}}));
        shown.Prepare();
        QVERIFY(QTest::qWaitForWindowExposed(&shown.Dialog));
        QListWidget* list = shown.Characters();
        const auto tip = [list](int row) {
            const QPoint at = list->visualItemRect(list->item(row)).center();
            QHelpEvent help(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
            QApplication::sendEvent(list->viewport(), &help);
            return help.isAccepted() ? QToolTip::text() : QString();
        };
        QCOMPARE(list->item(2)->text(), QStringLiteral("Zo\u00EB \"Ace\" Dune\tMedic"));
        QCOMPARE(tip(2), QString());
        QCOMPARE(tip(1), To_QString(long_name));
        QCOMPARE(tip(0), To_QString(many_classes));
        Save_Picture_If_Asked(&shown.Dialog, QStringLiteral("Parties_Long_Name.png"));
    }

    // A party of a long campaign: 10,000 characters with inventories.
    void A_Party_Of_Ten_Thousand_Characters_Is_Shown() {
        TShown_Parties shown;
        TRoster_List characters;
        for (int number = 0; number < 10000; ++number) {
            const std::string name = "Mara Voss " + std::to_string(number);
            std::string stored =
                "<name>" + name + "</name><#strength=12><#class1=\"Chemist\"><#level1=3><items>";
            for (int item = 0; item < 40; ++item)
                stored += "<item>Laser Pistol Mk " + std::to_string(item) + "</item>";
            characters.push_back({name + "\tChemist", stored + "</items><equip>Laser Pistol Mk 1</equip>"});
        }
        shown.Write_Party_File(Party_File_Text({{"Alpha team", Party_Text(characters)}}));
        shown.Dialog.Prepare();
        QCOMPARE(shown.Characters()->count(), 10000);
    }

    void Picture_Of_Two_Parties_And_Three_Characters() {
        TShown_Parties shown;
        shown.Write_Party_File(Two_Parties.substr(0, Two_Parties.find("<party=\"Empty")));
        shown.Prepare();
        QCOMPARE(shown.Parties()->count(), 2);
        Save_Picture_If_Asked(&shown.Dialog, QStringLiteral("Parties.png"));
    }
};

namespace {
const TRegister_Gui_Test<TCharacter_Choice_Test> registration;
}

} // namespace Vexlor::Test

#include "Character_Choice_Test.moc"
