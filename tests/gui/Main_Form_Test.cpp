#include "Gui_Test.h"
#include "Test_Services.h"

#include "shell/About_Box.h"
#include "shell/Startup.h"

#include <QAction>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

namespace Vexlor::Test {
namespace {

// Each menu as "menu: caption", then each item as "caption|hint|shortcut|on or off", "-" for a separator.
QStringList Describe(const QMenuBar& bar) {
    QStringList lines;
    for (const QAction* menu : bar.actions()) {
        lines << QStringLiteral("menu: ") + menu->text();
        for (const QAction* item : menu->menu()->actions())
            lines << (item->isSeparator() ? QStringLiteral("-")
                                          : QStringList{item->text(), item->statusTip(),
                                                        item->shortcut().toString(QKeySequence::PortableText),
                                                        QLatin1String(item->isEnabled() ? "on" : "off")}
                                                .join(u'|'));
    }
    return lines;
}

} // namespace

class TMain_Form_Test : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<TTest_Services> Services;
    std::unique_ptr<TMain_Form> Form;

    QString Status_Text() const { return Form->statusBar()->currentMessage(); }

    void Show_Active() {
        Form->show();
        QApplication::setActiveWindow(Form.get());
        QVERIFY(QTest::qWaitForWindowActive(Form.get()));
    }

    // Opens menu from the menu bar and moves the mouse onto item. The mouse starts away from the
    // menu, because a menu ignores a mouse that has not moved since it opened.
    void Point_At(QMenu* menu, const QString& item) {
        if (!menu->isVisible()) {
            QCursor::setPos(Form->mapToGlobal(QPoint(Form->width() - 1, Form->height() - 1)));
            Form->menuBar()->setActiveAction(menu->menuAction());
            QVERIFY(QTest::qWaitForWindowExposed(menu));
        }
        QTest::mouseMove(menu, menu->actionGeometry(Form->findChild<QAction*>(item)).center());
    }

  private slots:
    void init() {
        Services = std::make_unique<TTest_Services>();
        Form = Create_Windows(Services->Get());
    }
    void cleanup() {
        Form.reset();
        Services.reset();
    }

    void The_Window_And_Its_Menu() {
        QCOMPARE(Form->windowTitle(), QStringLiteral("Vexlor RPG Referee Assistant"));
        QCOMPARE(Form->size(), QSize(640, 480));
        QCOMPARE(Describe(*Form->menuBar()).join(u'\n'),
                 QStringLiteral("menu: &File\n&GM Helper...|||on\n-\nE&xit|Exit application|Alt+X|on\n"
                                "menu: &Edit\n&Parties...|Create/edit parties of characters||on\n"
                                "&Creatures...|||on\nCompound&s...|||on\n&Effects...|||on\n&Items...|||on\n"
                                "P&oisons...|||on\n&QIDs...|||on\n"
                                "menu: &Tools\n&Creature List...|||on\n"
                                "menu: &Help\n&Help|Application help||on\n-\n&About...|||on"));
    }

    void The_Status_Bar_Shows_The_Hint_Under_The_Mouse_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("with_hint");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("without_hint");
        QTest::newRow("File: Exit, then GM Helper")
            << QStringLiteral("File_Menu") << QStringLiteral("Exit_Item")
            << QStringLiteral("Exit application") << QStringLiteral("GM_Helper_Item");
        QTest::newRow("Edit: Parties, then Creatures")
            << QStringLiteral("Edit_Menu") << QStringLiteral("Parties_Item")
            << QStringLiteral("Create/edit parties of characters") << QStringLiteral("Creatures_Item");
        QTest::newRow("Help: Help, then About")
            << QStringLiteral("Help_Menu") << QStringLiteral("Help_Item")
            << QStringLiteral("Application help") << QStringLiteral("About_Item");
    }

    void The_Status_Bar_Shows_The_Hint_Under_The_Mouse() {
        QFETCH(QString, menu);
        QFETCH(QString, with_hint);
        QFETCH(QString, hint);
        QFETCH(QString, without_hint);
        Show_Active();
        auto* opened = Form->findChild<QMenu*>(menu);
        Point_At(opened, with_hint);
        QTRY_COMPARE(Status_Text(), hint);
        Point_At(opened, without_hint);
        QTRY_COMPARE(Status_Text(), QString());
        // Closing the menu over an item with a hint empties the status bar too.
        Point_At(opened, with_hint);
        QTRY_COMPARE(Status_Text(), hint);
        QTest::keyClick(opened, Qt::Key_Escape);
        QTRY_VERIFY(!opened->isVisible());
        QCOMPARE(Status_Text(), QString());
    }

    void Hints_Of_Controls_In_Other_Windows_Reach_The_Status_Bar() {
        QDialog dialog(Form.get());
        auto* button = new QPushButton(QStringLiteral("Roll"), &dialog);
        button->setStatusTip(QStringLiteral("Roll the dice formula"));
        dialog.show();
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(button->mapToGlobal(QPoint(1, 1))));
        QApplication::sendEvent(button, &enter);
        QCOMPARE(Status_Text(), QStringLiteral("Roll the dice formula"));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);
        QCOMPARE(Status_Text(), QString());
    }

    void Alt_X_Closes_The_Main_Window_And_Ends_The_Program() {
        Show_Active();
        QTimer::singleShot(0, Form.get(),
                           [this] { QTest::keyClick(Form.get(), Qt::Key_X, Qt::AltModifier); });
        // Should the program not end, this ends the event loop with a code the test rejects.
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        guard.start(5000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!Form->isVisible());
    }

    void The_About_Box_Shows_Name_And_Version() {
        bool seen = false;
        const auto about_box = Close_Next_Modal([&seen](QWidget* modal) {
            auto* about = qobject_cast<TAboutBox*>(modal);
            QVERIFY(about);
            QCOMPARE(about->windowTitle(), QStringLiteral("About"));
            QCOMPARE(about->findChild<QLabel*>(QStringLiteral("Product_Name"))->text(),
                     QStringLiteral("Vexlor Referee Assistant"));
            QCOMPARE(about->findChild<QLabel*>(QStringLiteral("Version"))->text(),
                     QStringLiteral("Version 1.0"));
            QCOMPARE(about->minimumSize(), about->maximumSize());
            // Centred on the screen, not on the main window; the frame may shift it a few pixels.
            const QPoint screen_centre = about->screen()->availableGeometry().center();
            QVERIFY((about->frameGeometry().center() - screen_centre).manhattanLength() <= 30);
            QVERIFY(about->findChild<QPushButton*>(QStringLiteral("OK_Button"))->isDefault());
            QTest::keyClick(about, Qt::Key_Return);
            seen = !about->isVisible();
        });
        Form->Action(TMenu_Command::About)->trigger();
        QTRY_VERIFY(about_box->Driven());
        QVERIFY(seen);
    }

    void An_Attached_Dialog_Opens_Modally_From_Its_Command() {
        auto* parties = new QDialog(Form.get());
        Form->Attach_Dialog(TMenu_Command::Parties, parties);
        QVERIFY(Form->Action(TMenu_Command::Parties)->isEnabled());
        QWidget* shown = nullptr;
        const auto opening = Close_Next_Modal([&shown](QWidget* modal) { shown = modal; });
        Form->Action(TMenu_Command::Parties)->trigger();
        QTRY_VERIFY(opening->Driven());
        QCOMPARE(shown, parties);
    }
};

namespace {
const TRegister_Gui_Test<TMain_Form_Test> registration;
}

} // namespace Vexlor::Test

#include "Main_Form_Test.moc"
