#include "Gui_Test.h"
#include "Test_Services.h"

#include "foundations/Files.h"
#include "foundations/Random.h"
#include "shell/characters/CWF.h"
#include "shell/characters/LUF.h"
#include "shell/characters/Rogue_Dialog.h"
#include "widgets/Help_Contexts.h"
#include "widgets/Help_Document.h"
#include "widgets/Text_Convert.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <algorithm>

namespace Vexlor::Test {
namespace {

// A character of one class with every score the same; Cognitive 1 leaves no room for a vocation.
struct TOne_Class : TVexlor_Character {
    TOne_Class(int class_index, int level, int score) {
        for (int slot = 1; slot <= 6; ++slot)
            Set_Class(slot, -1);
        for (int* s : {&Strength, &Constitution, &Dexterity, &Cognitive, &Perception, &Wisdom, &Charisma,
                       &Comeliness, &Will})
            *s = score;
        Set_Class(1, class_index);
        Set_Level(1, level);
        Hit_Points = 20;
        Initialized = true;
    }
};

// Pages left behind are deleted once the event loop runs again: tests look into the page shown.
QPushButton* Panel_Button(QWidget* window, const char* panel, const char* button) {
    auto* found = Find<TModifier_Panel>(window, panel);
    return found ? Find<QPushButton>(found, button) : nullptr;
}

QString Text_Of(QWidget* window, const char* label) {
    auto* found = Find<QLabel>(window, label);
    return found ? found->text() : QString();
}

} // namespace

class TLevel_Up_Dialog_Test : public QObject {
    Q_OBJECT

  private slots:
    void A_Non_Rogue_With_One_Class_Goes_From_The_Class_Page_To_The_Summary_And_OK_Accepts() {
        TTest_Services services;
        TLevel_Up_Form form(services.Get());
        TOne_Class character(Class_Mercenary, 5, 1);
        TFunction_Random dice([](int) { return 0; });
        TRandom_Override override(dice);
        const auto levelling = When_Modal([&](QWidget* modal) {
            QCOMPARE(modal, &form);
            QCOMPARE(form.windowTitle(), QStringLiteral("Level Up"));
            auto* alternate = Find<QLabel>(form.Current_Sheet(), "Alternate_Header_Label");
            QVERIFY(alternate->isVisible());
            QCOMPARE(alternate->text(), QStringLiteral("You are about to level up as a Mercenary"));
            QVERIFY(!Find<QWidget>(form.Current_Sheet(), "Class_Panel")->isVisible());
            QVERIFY(!Find<QWidget>(form.Current_Sheet(), "Add_Vocation_Panel")->isVisible());
            QVERIFY(Find<QPushButton>(&form, "Next_Button")->isEnabled());
            Find<QPushButton>(&form, "Next_Button")->click();
            QCOMPARE(form.Get_Step(), Level_Up_Summary_Step);
            QVERIFY(!Find<QWidget>(&form, "Button_Panel")->isVisible());
            QCOMPARE(Text_Of(form.Current_Sheet(), "Class_And_Level"), QStringLiteral("Mercenary 6"));
            const QStringList stats =
                Find<QPlainTextEdit>(form.Current_Sheet(), "Updated_Stats")->toPlainText().split(u'\n');
            QCOMPARE(stats.value(0), QStringLiteral("Hit points = 22 (+2)"));
            QVERIFY(stats.contains(QStringLiteral("Number of attacks per round = 2 (+1)")));
            QVERIFY(Unnamed_Controls(&form).isEmpty());
            QCoreApplication::processEvents();
            Save_Picture_If_Asked(&form, QStringLiteral("level_up_summary.png"));
            Find<QPushButton>(form.Current_Sheet(), "OK_Button")->click();
        });
        character.Initialized = false;
        QCOMPARE(form.Run(&character), int(QDialog::Accepted));
        QTRY_VERIFY(levelling->Driven());
        QCOMPARE(character.Get_Level(1), 6);
        QVERIFY(character.Initialized);
    }

    void A_Rogues_Back_And_Next_Leave_The_Pool_And_The_Character_As_They_Were() {
        TTest_Services services;
        TLevel_Up_Form form(services.Get());
        TOne_Class character(Class_Rogue, 2, 1);
        TFunction_Random dice([](int) { return 0; });
        TRandom_Override override(dice);
        const auto spending = When_Modal([&](QWidget*) {
            QPushButton* next = Find<QPushButton>(&form, "Next_Button");
            next->click();
            QCOMPARE(form.Get_Step(), Level_Up_Rogue_Step);
            QCOMPARE(Text_Of(form.Current_Sheet(), "Points_Label"), QStringLiteral("Rogue points: 3/3"));
            QVERIFY(!next->isEnabled());
            Panel_Button(form.Current_Sheet(), "Strength_Panel", "Increase_Button")->click();
            QCOMPARE(Text_Of(form.Current_Sheet(), "Points_Label"), QStringLiteral("Rogue points: 1/3"));
            QVERIFY(next->isEnabled());
            QCOMPARE(character.Strength, 2);
            Panel_Button(form.Current_Sheet(), "Strength_Panel", "Decrease_Button")->click();
            QCOMPARE(Text_Of(form.Current_Sheet(), "Points_Label"), QStringLiteral("Rogue points: 3/3"));
            QVERIFY(!Panel_Button(form.Current_Sheet(), "Strength_Panel", "Decrease_Button")->isEnabled());
            Panel_Button(form.Current_Sheet(), "Strength_Panel", "Increase_Button")->click();
            Find<QPushButton>(&form, "Back_Button")->click();
            QCOMPARE(form.Get_Step(), Level_Up_Class_Step);
            next->click();
            QCOMPARE(Text_Of(form.Current_Sheet(), "Points_Label"), QStringLiteral("Rogue points: 3/3"));
            QCOMPARE(character.Strength, 1);
            Panel_Button(form.Current_Sheet(), "Build_Robots_Panel", "Increase_Button")->click();
            Panel_Button(form.Current_Sheet(), "Build_Robots_Panel", "Increase_Button")->click();
            QCOMPARE(Text_Of(form.Current_Sheet(), "Points_Label"), QStringLiteral("Rogue points: 1/3"));
            QVERIFY(Unnamed_Controls(&form).isEmpty());
            Save_Picture_If_Asked(&form, QStringLiteral("rogue_page.png"));
            auto* sheets = Find<QTabWidget>(form.Current_Sheet(), "Sheets");
            for (const int sheet : {1, 2, 4}) {
                sheets->setCurrentIndex(sheet);
                Save_Picture_If_Asked(&form, QStringLiteral("rogue_page_%1.png").arg(sheet));
            }
            next->click();
            const QString stats = Find<QPlainTextEdit>(form.Current_Sheet(), "Updated_Stats")->toPlainText();
            QVERIFY(stats.contains(QStringLiteral("Build robots as level 2 engineer")));
            QVERIFY(!stats.contains(QStringLiteral("Strength")));
            Find<QPushButton>(form.Current_Sheet(), "OK_Button")->click();
        });
        QCOMPARE(form.Run(&character), int(QDialog::Accepted));
        QTRY_VERIFY(spending->Driven());
        QCOMPARE(character.Get_Level(1), 3);
        QCOMPARE(character.Rogue_Build_Robots_Level, 2);
    }

    void Cancel_On_The_Rogue_Page_Takes_Back_Its_Purchases() {
        TTest_Services services;
        TLevel_Up_Form form(services.Get());
        TOne_Class character(Class_Rogue, 1, 1);
        const auto cancelling = When_Modal([&](QWidget*) {
            Find<QPushButton>(&form, "Next_Button")->click();
            Panel_Button(form.Current_Sheet(), "Genetic_Engineering_Panel", "Increase_Button")->click();
            QCOMPARE(character.Rogue_Genetic_Engineering_Level, 1);
            Find<QPushButton>(&form, "Cancel_Button")->click();
        });
        QCOMPARE(form.Run(&character), int(QDialog::Rejected));
        QTRY_VERIFY(cancelling->Driven());
        QCOMPARE(character.Rogue_Genetic_Engineering_Level, 0);
        QCOMPARE(character.Get_Level(1), 1);
    }

    void The_Wizard_Shows_An_Existing_Rogue_The_Page_With_Nothing_To_Spend() {
        TTest_Services services;
        TCharacter_Wizard_Form wizard(services.Get());
        TOne_Class character(Class_Rogue, 4, 1);
        const auto looking = When_Modal([&](QWidget*) {
            QCOMPARE(wizard.Get_Step(), 3);
            QCOMPARE(Text_Of(wizard.Current_Sheet(), "Points_Label"), QStringLiteral("Rogue points: 0/0"));
            QVERIFY(Find<QPushButton>(&wizard, "Next_Button")->isEnabled());
            QVERIFY(!Find<QAbstractButton>(wizard.Current_Sheet(), "Increase_Hit_Points")->isEnabled());
            QVERIFY(
                !Panel_Button(wizard.Current_Sheet(), "Build_Robots_Panel", "Increase_Button")->isEnabled());
            wizard.reject();
        });
        QCOMPARE(wizard.Run(&character, 3), int(QDialog::Rejected));
        QTRY_VERIFY(looking->Driven());
    }

    void Every_Rogue_Panel_Has_A_Help_Topic() {
        const THelp_Document document(Read_File(VEXLOR_SHIPPED_HELP).value_or(std::string()));
        for (int panel = 0; panel < Rogue_Panels::Count; ++panel) {
            const int context = Rogue_Panel_Kind(panel).Help_Context;
            QVERIFY(std::count(Help_Rogue_Panels.begin(), Help_Rogue_Panels.end(), context) == 1);
        }
        for (const int context : Help_Rogue_Panels)
            QVERIFY2(document.Topic(context) && !document.Topic(context)->Paragraph.empty(),
                     qPrintable(QString::number(context)));
    }

    void The_Hit_Point_Option_Takes_The_Whole_Pool() {
        TTest_Services services;
        TOne_Class character(Class_Rogue, 1, 1);
        TRogue_Restore_Point restore;
        TRogue_Dialog page(services.Get(), restore, 2);
        page.Set_Character(&character);
        Panel_Button(&page, "Genetic_Engineering_Panel", "Increase_Button")->click();
        QVERIFY(page.Valid());
        auto* option = Find<QAbstractButton>(&page, "Increase_Hit_Points");
        QCOMPARE(option->text(), QStringLiteral("Increase maximum hit points to 21"));
        option->click();
        QCOMPARE(option->text(), QStringLiteral("Increase maximum hit points (21)"));
        QCOMPARE(character.Rogue_Genetic_Engineering_Level, 0);
        QCOMPARE(Text_Of(&page, "Points_Label"), QStringLiteral("Rogue points: 0/2"));
        auto* sheets = Find<QTabWidget>(&page, "Sheets");
        QVERIFY(!sheets->isTabVisible(0) && !sheets->isTabVisible(3) && sheets->isTabVisible(4));
        option->click();
        QCOMPARE(character.Hit_Points, 20);
        QCOMPARE(Text_Of(&page, "Points_Label"), QStringLiteral("Rogue points: 2/2"));
        QVERIFY(sheets->isTabVisible(0));
    }

    void A_New_Vocation_Is_Picked_Added_And_Levelled() {
        TTest_Services services;
        TLevel_Up_Form form(services.Get());
        TOne_Class character(Class_Chemist, 3, 6);
        TFunction_Random dice([](int) { return 0; });
        TRandom_Override override(dice);
        const auto adding = When_Modal([&](QWidget*) {
            QVERIFY(Find<QRadioButton>(form.Current_Sheet(), "Class1")->isChecked());
            QCoreApplication::processEvents();
            Save_Picture_If_Asked(&form, QStringLiteral("class_up_page.png"));
            const auto picking = When_Modal([](QWidget* pick) {
                QCOMPARE(pick->windowTitle(), QStringLiteral("Choose a new vocation"));
                auto* list = Find<QListWidget>(pick, "Pick_List");
                QVERIFY(list->findItems(QStringLiteral("Rogue"), Qt::MatchExactly).isEmpty());
                list->setCurrentItem(list->findItems(QStringLiteral("Architect"), Qt::MatchExactly).value(0));
                qobject_cast<QDialog*>(pick)->accept();
            });
            Find<QPushButton>(form.Current_Sheet(), "Add_Vocation_Button")->click();
            QTRY_VERIFY(picking->Driven());
            QCOMPARE(form.Get_Step(), Level_Up_Summary_Step);
            QVERIFY(form.Adding_Vocation());
            QCOMPARE(Text_Of(form.Current_Sheet(), "Class_And_Level"), QStringLiteral("Architect 1"));
            Find<QPushButton>(form.Current_Sheet(), "OK_Button")->click();
        });
        QCOMPARE(form.Run(&character), int(QDialog::Accepted));
        QTRY_VERIFY(adding->Driven());
        QCOMPARE(QString::fromLatin1(character.Description()), QStringLiteral("Chemist 3/Architect 1"));
    }
};

namespace {
const TRegister_Gui_Test<TLevel_Up_Dialog_Test> registration;
}

} // namespace Vexlor::Test

#include "Level_Up_Dialog_Test.moc"
