#include "Gui_Test.h"
#include "Test_Services.h"

#include "shell/possessions/Inventory_Dialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace Vexlor::Test {
namespace {

// The dialog over the starter catalogue, loaded from a stored text and shown as before an edit.
struct TShown_Inventory {
    explicit TShown_Inventory(const std::string& stored_text) {
        Services.Catalogues.Load_Starter();
        Dialog.Deserialize(stored_text);
        Dialog.Prepare();
        Dialog.show();
        static_cast<void>(QTest::qWaitForWindowExposed(&Dialog));
    }

    QListWidget* List(const char* name) { return Find<QListWidget>(&Dialog, name); }
    QPushButton* Button(const char* name) { return Find<QPushButton>(&Dialog, name); }
    QRect Entry_Area(QListWidget* list, const char* text) {
        const QList<QListWidgetItem*> found = list->findItems(QString::fromLatin1(text), Qt::MatchExactly);
        if (found.isEmpty())
            Report_Missing(text);
        return found.isEmpty() ? QRect() : list->visualItemRect(found.front());
    }
    void Click(const char* list, const char* text) {
        QListWidget* widget = List(list);
        QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, Entry_Area(widget, text).center());
    }
    // What a real double click delivers: press, release, double click, release.
    void Double_Click(const char* list, const char* text) {
        QListWidget* widget = List(list);
        const QPoint centre = Entry_Area(widget, text).center();
        QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(widget->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseRelease(widget->viewport(), Qt::LeftButton, {}, centre);
    }
    QStringList Entries(const char* list) {
        QStringList texts;
        for (int row = 0; row < List(list)->count(); ++row)
            texts << List(list)->item(row)->text();
        return texts;
    }
    QString Breadcrumb() { return Find<QLabel>(&Dialog, "Nest_Level")->text(); }

    TTest_Services Services;
    TInventory_Dialog Dialog{Services.Get()};
};

} // namespace

class TInventory_Dialog_Test : public QObject {
    Q_OBJECT

  private slots:
    void A_Double_Click_On_A_Catalogue_Page_Adds_Inside_The_Open_Container() {
        TShown_Inventory shown(
            "<#name=Mara><items><item>Backpack<item>Belt Pouch</item></item></items><equip></equip>");
        QVERIFY(!shown.Button("Back_Button")->isEnabled());
        shown.Double_Click("Held_List", "Backpack");
        shown.Double_Click("Held_List", "Belt Pouch");
        QCOMPARE(shown.Breadcrumb(), QStringLiteral("Backpack > Belt Pouch"));
        shown.Double_Click("Items_List", "Rope");
        shown.List("Compounds_List")->setCurrentRow(0);
        QTest::keyClick(shown.List("Compounds_List"), Qt::Key_Return);
        QVERIFY(shown.Dialog.isVisible());
        QCOMPARE(shown.Entries("Held_List"),
                 (QStringList{QStringLiteral("Acid Flask compound"), QStringLiteral("Rope")}));
        // An entry that is no container opens nothing.
        shown.Double_Click("Held_List", "Acid Flask compound");
        QCOMPARE(shown.Breadcrumb(), QStringLiteral("Backpack > Belt Pouch"));
        QCOMPARE(shown.Dialog.Serialize(),
                 std::string("<items><item>Backpack<item>Belt Pouch<item>Acid Flask compound</item>"
                             "<item>Rope</item></item></item></items><equip></equip>"));
        shown.Button("Back_Button")->click();
        shown.Button("Back_Button")->click();
        QCOMPARE(shown.Breadcrumb(), QString());
        QCOMPARE(shown.Entries("Held_List"), QStringList{QStringLiteral("Backpack")});
        QVERIFY(!shown.Button("Back_Button")->isEnabled());
    }

    void Delete_And_Equip_Follow_The_Selection() {
        TShown_Inventory shown("<items><item>Laser Pistol</item><item>Vibroblade</item><item>Backpack</item>"
                               "<item>Combat Helmet</item></items><equip>Combat Helmet</equip>");
        QPushButton* remove = shown.Button("Delete_Button");
        QPushButton* equip = shown.Button("Equip_Button");
        QVERIFY(!remove->isEnabled() && !equip->isEnabled());
        shown.Click("Held_List", "Backpack");
        QVERIFY(remove->isEnabled() && !equip->isEnabled());
        shown.Click("Held_List", "Combat Helmet");
        QVERIFY(!equip->isEnabled());
        shown.Click("Held_List", "Laser Pistol");
        QVERIFY(equip->isEnabled());
        equip->click();
        QVERIFY(!equip->isEnabled());
        shown.Click("Held_List", "Vibroblade");
        equip->click();
        QCOMPARE(shown.Entries("Equipped_List"),
                 (QStringList{QStringLiteral("Combat Helmet"), QStringLiteral("Vibroblade")}));

        // Selecting an equipped entry leaves no held entry selected: Delete unequips it.
        shown.Click("Equipped_List", "Combat Helmet");
        QVERIFY(shown.List("Held_List")->selectedItems().isEmpty());
        QVERIFY(remove->isEnabled() && !equip->isEnabled());
        remove->click();
        QCOMPARE(shown.Entries("Equipped_List"), QStringList{QStringLiteral("Vibroblade")});
        QCOMPARE(shown.Entries("Held_List").size(), 4);
        QVERIFY(!remove->isEnabled());

        shown.Click("Held_List", "Vibroblade");
        remove->click();
        QCOMPARE(shown.Entries("Held_List").size(), 3);
        QCOMPARE(shown.Entries("Equipped_List"), QStringList{QStringLiteral("Vibroblade")});
    }

    void The_PID_Allows_Only_Plans_Until_Back() {
        TShown_Inventory shown{std::string()};
        shown.Dialog.Add_QIDs("Bland|Change|");
        QCOMPARE(
            shown.Entries("Held_List"),
            (QStringList{QStringLiteral("Bland QID"), QStringLiteral("Change QID"), QStringLiteral("PID")}));
        auto* pages = Find<QTabWidget>(&shown.Dialog, "Catalogue_Pages");
        shown.Double_Click("Held_List", "PID");
        QCOMPARE(Shown_Caption(pages->tabText(pages->currentIndex())), QStringLiteral("Plans"));
        for (int page = 0; page < pages->count(); ++page)
            QCOMPARE(pages->isTabEnabled(page), page == pages->currentIndex());
        shown.Double_Click("Plans_List", "Condense");
        QCOMPARE(shown.Entries("Held_List"),
                 (QStringList{QStringLiteral("Bland plan"), QStringLiteral("Change plan"),
                              QStringLiteral("Condense QID plan")}));
        shown.Button("Back_Button")->click();
        for (int page = 0; page < pages->count(); ++page)
            QVERIFY(pages->isTabEnabled(page));
    }

    // A right click on a QID carried opens the QID's help window, and leaves the selection as it was.
    void A_Right_Click_On_A_Carried_QID_Opens_Its_Help_Window() {
        TShown_Inventory shown{std::string()};
        shown.Dialog.Add_QIDs("Heal|");
        shown.Click("Held_List", "PID");
        QListWidget* held = shown.List("Held_List");
        const auto help = When_Modal([](QWidget* window) {
            QCOMPARE(window->windowTitle(), QStringLiteral("Heal"));
            QCOMPARE(Find<QLabel>(window, "Level_Label")->text(), QStringLiteral("Level: 1"));
            QCOMPARE(Find<QLabel>(window, "Time_Label")->text(), QStringLiteral("Activation time: 1"));
            QCOMPARE(Find<QLabel>(window, "Duration_Label")->text(),
                     QStringLiteral("Duration: Instantaneous"));
            window->close();
        });
        Right_Click(held->viewport(), shown.Entry_Area(held, "Heal QID").center());
        QTRY_VERIFY(help->Driven());
        QCOMPARE(held->currentItem()->text(), QStringLiteral("PID"));
        QVERIFY(shown.Services.Prompts.Messages().isEmpty());
    }

    void OK_And_Cancel_Give_Their_Results() {
        TShown_Inventory shown("<items><item>Rope</item></items>");
        shown.Dialog.hide();
        for (const auto& [button, result] :
             {std::pair{"OK_Button", QDialog::Accepted}, std::pair{"Cancel_Button", QDialog::Rejected}}) {
            const auto pressing = When_Modal([&shown, button = button](QWidget* modal) {
                QCOMPARE(modal, &shown.Dialog);
                shown.Button(button)->click();
            });
            QCOMPARE(shown.Dialog.exec(), int(result));
            QTRY_VERIFY(pressing->Driven());
        }
        QVERIFY(shown.Services.Prompts.All_Answered());
    }

    void Every_Control_Is_Named_And_The_Open_Container_Can_Be_Pictured() {
        TShown_Inventory shown(
            "<items><item>Backpack<item>Rope</item><item>Medkit</item><item>Belt Pouch"
            "<item>Credit</item></item></item><item>Laser Pistol</item><item>PID<item>Bland plan"
            "</item></item><item>Bland QID</item></items><equip>Laser Pistol</equip>");
        QCOMPARE(Unnamed_Controls(&shown.Dialog), QStringList());
        QVERIFY(QTest::qWaitForWindowExposed(&shown.Dialog));
        shown.Double_Click("Held_List", "Backpack");
        shown.Click("Held_List", "Rope");
        Save_Picture_If_Asked(&shown.Dialog, QStringLiteral("Inventory_Dialog.png"));
    }
};

namespace {
const TRegister_Gui_Test<TInventory_Dialog_Test> registration;
}

} // namespace Vexlor::Test

#include "Inventory_Dialog_Test.moc"
