#include "Gui_Test.h"

#include "foundations/Random.h"
#include "shell/About_Box.h"
#include "shell/Startup.h"
#include "shell/Text_Convert.h"

#include <QAction>
#include <QApplication>
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

// A random source that only counts how often the program reseeds it.
class TReseed_Counter : public TRandom_Source {
  public:
    int Next(int) override { return 0; }
    void Reseed() override { ++Reseeds; }
    int Reseeds = 0;
};

TVexlor_Application& Application() {
    return *qobject_cast<TVexlor_Application*>(QCoreApplication::instance());
}

QString Status_Text(const TMain_Form& form) {
    return form.statusBar()->currentMessage();
}

} // namespace

class TMain_Form_Test : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<TMain_Form> Form;

    void Show_Active() {
        Form->show();
        QApplication::setActiveWindow(Form.get());
        QVERIFY(QTest::qWaitForWindowActive(Form.get()));
    }

    // Opens menu from the menu bar and moves the mouse onto item, as the user does. The mouse starts
    // away from the menu, because a menu ignores a mouse that has not moved since it opened.
    void Point_At(QMenu* menu, QAction* item) {
        if (!menu->isVisible()) {
            QCursor::setPos(Form->mapToGlobal(QPoint(Form->width() - 1, Form->height() - 1)));
            Form->menuBar()->setActiveAction(menu->menuAction());
            QVERIFY(QTest::qWaitForWindowExposed(menu));
        }
        QTest::mouseMove(menu, menu->actionGeometry(item).center());
    }

  private slots:
    void init() { Form = Create_Windows(Application()); }
    void cleanup() { Form.reset(); }

    void The_Window_Starts_As_Described() {
        QCOMPARE(Form->windowTitle(), QStringLiteral("Vexlor RPG Referee Assistant"));
        QCOMPARE(Form->size(), QSize(640, 480));
        QVERIFY(Form->findChild<QWidget*>(QStringLiteral("Tool_Panel")));
        QCOMPARE(Status_Text(*Form), QString());
        QCOMPARE(Application().applicationName(), QStringLiteral("Vexlor RPG Referee Assistant"));
    }

    void The_Menu_Has_Every_Item_In_Order() {
        // Menu, then per item: caption (or "-" for a separator), hint, shortcut, enabled now.
        struct TExpected {
            const char16_t* Caption;
            const char16_t* Hint;
            const char16_t* Shortcut;
            bool Enabled;
        };
        const std::vector<std::pair<QString, std::vector<TExpected>>> expected = {
            {QStringLiteral("&File"),
             {{u"GM Helper...", u"", u"", false},
              {u"-", u"", u"", false},
              {u"E&xit", u"Exit application", u"Alt+X", true}}},
            {QStringLiteral("&Edit"),
             {{u"&Parties...", u"Create/edit parties of characters", u"", false},
              {u"&Creatures...", u"", u"", false},
              {u"Compound&s...", u"", u"", false},
              {u"&Effects...", u"", u"", false},
              {u"&Items...", u"", u"", false},
              {u"Poisons...", u"", u"", false},
              {u"&QIDs...", u"", u"", false}}},
            {QStringLiteral("&Tools"), {{u"Creature List...", u"", u"", false}}},
            {QStringLiteral("&Help"),
             {{u"&Help", u"Application help", u"", true},
              {u"-", u"", u"", false},
              {u"&About...", u"", u"", true}}},
        };
        const QList<QAction*> menus = Form->menuBar()->actions();
        QCOMPARE(menus.size(), qsizetype(expected.size()));
        for (std::size_t m = 0; m < expected.size(); ++m) {
            const auto& [caption, items] = expected[m];
            QAction* menu_action = menus[static_cast<qsizetype>(m)];
            QCOMPARE(menu_action->text(), caption);
            const QList<QAction*> actions = menu_action->menu()->actions();
            QCOMPARE(actions.size(), qsizetype(items.size()));
            for (std::size_t i = 0; i < items.size(); ++i) {
                const QAction* action = actions[static_cast<qsizetype>(i)];
                const TExpected& item = items[i];
                if (QStringView(item.Caption) == u"-") {
                    QVERIFY2(action->isSeparator(), qPrintable(caption));
                    continue;
                }
                QCOMPARE(action->text(), QString::fromUtf16(item.Caption));
                QCOMPARE(action->statusTip(), QString::fromUtf16(item.Hint));
                QCOMPARE(action->shortcut().toString(QKeySequence::PortableText),
                         QString::fromUtf16(item.Shortcut));
                QCOMPARE(action->isEnabled(), item.Enabled);
            }
        }
    }

    void The_Status_Bar_Shows_The_Hint_Under_The_Mouse_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("with_hint");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("without_hint");
        QTest::newRow("File: Exit, then GM Helper (disabled)")
            << QStringLiteral("File_Menu") << QStringLiteral("Exit_Item")
            << QStringLiteral("Exit application") << QStringLiteral("GM_Helper_Item");
        QTest::newRow("Edit: Parties (disabled), then Creatures (disabled)")
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
        Point_At(opened, Form->findChild<QAction*>(with_hint));
        QTRY_COMPARE(Status_Text(*Form), hint);
        Point_At(opened, Form->findChild<QAction*>(without_hint));
        QTRY_COMPARE(Status_Text(*Form), QString());
        // Closing the menu over an item with a hint leaves the status bar empty too.
        Point_At(opened, Form->findChild<QAction*>(with_hint));
        QTRY_COMPARE(Status_Text(*Form), hint);
        QTest::keyClick(opened, Qt::Key_Escape);
        QTRY_VERIFY(!opened->isVisible());
        QCOMPARE(Status_Text(*Form), QString());
    }

    void Hints_Of_Controls_In_Other_Windows_Reach_The_Status_Bar() {
        Show_Active();
        QDialog dialog(Form.get());
        auto* button = new QPushButton(QStringLiteral("Roll"), &dialog);
        button->setStatusTip(QStringLiteral("Roll the dice formula"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QPointF centre = QRectF(button->rect()).center();
        QEnterEvent enter(centre, centre, QPointF(button->mapToGlobal(centre)));
        QApplication::sendEvent(button, &enter);
        QCOMPARE(Status_Text(*Form), QStringLiteral("Roll the dice formula"));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);
        QCOMPARE(Status_Text(*Form), QString());
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
        Show_Active();
        bool seen = false;
        Close_Next_Modal([&seen](QWidget* modal) {
            auto* about = qobject_cast<TAboutBox*>(modal);
            QVERIFY(about);
            seen = true;
            QCOMPARE(about->windowTitle(), QStringLiteral("About"));
            QCOMPARE(about->findChild<QLabel*>(QStringLiteral("Product_Name"))->text(),
                     QStringLiteral("Vexlor Referee Assistant"));
            QCOMPARE(about->findChild<QLabel*>(QStringLiteral("Version"))->text(),
                     QStringLiteral("Version 1.0"));
            auto* ok = about->findChild<QPushButton*>(QStringLiteral("OK_Button"));
            QVERIFY(ok->isDefault());
            QCOMPARE(about->minimumSize(), about->maximumSize());
            // Centred on the screen, not on the main window; the frame may shift it by a few pixels.
            const QPoint screen_centre = about->screen()->availableGeometry().center();
            QVERIFY((about->frameGeometry().center() - screen_centre).manhattanLength() <= 30);
            QTest::keyClick(about, Qt::Key_Return);
            QVERIFY(!about->isVisible());
        });
        Form->Action(TMenu_Command::About)->trigger();
        QVERIFY(seen);
    }

    void An_Attached_Dialog_Opens_Modally_From_Its_Command() {
        auto* parties = new QDialog(Form.get());
        QVERIFY(!Form->Action(TMenu_Command::Parties)->isEnabled());
        Form->Attach_Dialog(TMenu_Command::Parties, parties);
        QVERIFY(Form->Action(TMenu_Command::Parties)->isEnabled());
        QWidget* shown = nullptr;
        Close_Next_Modal([&shown](QWidget* modal) { shown = modal; });
        Form->Action(TMenu_Command::Parties)->trigger();
        QCOMPARE(shown, parties);
    }

    void Creating_The_Main_Window_Reseeds_The_Random_Generator() {
        TReseed_Counter counter;
        const TRandom_Override use_counter(counter);
        const TMain_Form form(Application().Help());
        QCOMPARE(counter.Reseeds, 1);
    }
};

namespace {
const TRegister_Gui_Test<TMain_Form_Test> registration;
}

} // namespace Vexlor::Test

#include "Main_Form_Test.moc"
