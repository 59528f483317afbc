// Every window worked from the keyboard as the eye reads it: Tab visits the controls in reading
// order (rows top to bottom, each left to right, a group read through where it stands) and reaches
// every control it can stop at, every push button and tab page has an accelerator that no other
// control shown with it uses, menus share no accelerator, and Escape closes a dialog. One row a
// window: the main window, every long-lived dialog with each of its tabs, and each page of the
// character wizard and of the level-up dialog, the rogue page among them.
#include "Gui_Test.h"
#include "Test_Services.h"

#include "foundations/Random.h"
#include "referee/Tables.h"
#include "shell/Main_Form.h"
#include "shell/Startup.h"
#include "shell/characters/CWF.h"
#include "shell/characters/LUF.h"
#include "shell/characters/Wizard_Pages.h"
#include "shell/possessions/Plan_Help_Dialog.h"
#include "shell/referee/GM_Helper_Dialog.h"
#include "widgets/Keyboard.h"
#include "widgets/Kit_Dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include <algorithm>
#include <map>
#include <vector>

namespace Vexlor::Test {
namespace {

QString Name_Of(const QWidget* control) {
    for (const QWidget* named = control; named; named = named->parentWidget())
        if (!named->objectName().isEmpty() && !named->objectName().startsWith(QStringLiteral("qt_")))
            return named->objectName();
    return QString::fromLatin1(control->metaObject()->className());
}

// The letter after a single "&" in a caption; none when the caption has no accelerator.
QChar Accelerator_Of(const QString& caption) {
    for (qsizetype at = caption.indexOf(u'&'); at >= 0 && at + 1 < caption.size();
         at = caption.indexOf(u'&', at + 2))
        if (caption[at + 1] != u'&')
            return caption[at + 1].toUpper();
    return {};
}

bool Is_Tab_Stop(const QWidget* control) {
    return (control->focusPolicy() & Qt::TabFocus) && !control->focusProxy() && control->isEnabled() &&
           control->isVisible() && !qobject_cast<const QRadioButton*>(control);
}

// Where Tab goes from each control of the window, against where the eye reads on from it (the
// chain is read again at each step: focus may change what is shown or enabled): the first step
// that differs, or nothing. And every control Tab can stop at that the reading order leaves out
// (Tab would never reach it); a radio button is reached at the chosen one of its set.
QStringList Tab_Order_Faults(QWidget* window) {
    QStringList faults;
    QList<QWidget*> chain = Reading_Order_Chain(window);
    for (QWidget* control : window->findChildren<QWidget*>())
        if (control->window() == window && Is_Tab_Stop(control) && !chain.contains(control))
            faults << QStringLiteral("Tab never reaches %1").arg(Name_Of(control));
    if (chain.size() < 2)
        return faults;
    chain.front()->setFocus(Qt::TabFocusReason);
    for (qsizetype step = 0; step < chain.size(); ++step) {
        chain = Reading_Order_Chain(window);
        QWidget* from = QApplication::focusWidget();
        const qsizetype at = chain.indexOf(from);
        QTest::keyClick(from, Qt::Key_Tab);
        // A page of text with links (the help) takes Tab from link to link, then lets it go on.
        for (int link = 0;
             link < 500 && qobject_cast<QTextBrowser*>(from) && QApplication::focusWidget() == from &&
             static_cast<QTextBrowser*>(from)->textCursor().hasSelection();
             ++link)
            QTest::keyClick(from, Qt::Key_Tab);
        QWidget* reached = QApplication::focusWidget();
        const QString expected = at < 0 ? QStringLiteral("(none)") : Name_Of(chain[(at + 1) % chain.size()]);
        if (!reached || Name_Of(reached) != expected) {
            faults << QStringLiteral("Tab from %1 goes to %2, the eye reads on to %3")
                          .arg(Name_Of(from), reached ? Name_Of(reached) : QStringLiteral("(none)"),
                               expected);
            break;
        }
    }
    return faults;
}

// Accelerators that two items of one menu, or two menus of the bar, share. (Some items go without
// one, as their captions are given; the arrows reach them.)
QStringList Menu_Faults(const QMenuBar* bar) {
    QStringList faults;
    const auto check = [&faults](const QList<QAction*>& actions) {
        std::map<QChar, QStringList> owners;
        for (const QAction* action : actions)
            if (const QChar letter = Accelerator_Of(action->text()); !letter.isNull())
                owners[letter] << QString(action->text()).remove(u'&');
        for (const auto& [letter, captions] : owners)
            if (captions.size() > 1)
                faults << QStringLiteral("Alt+%1 on %2").arg(letter, captions.join(QStringLiteral(", ")));
    };
    check(bar->actions());
    for (const QAction* title : bar->actions())
        if (title->menu())
            check(title->menu()->actions());
    return faults;
}

// Push buttons (other than one with a key of its own) and pages without an accelerator, and
// accelerators that two controls shown together share. A button marked with a sign alone ("<", "+") goes
// without: it stands beside the control it works on (a list, where Enter does the same; a score).
QStringList Accelerator_Faults(QWidget* window) {
    std::map<QChar, QStringList> owners;
    QStringList faults;
    const auto take = [&](const QString& caption, bool needed) {
        const QChar letter = Accelerator_Of(caption);
        if (!letter.isNull())
            owners[letter] << QString(caption).remove(u'&');
        else if (needed &&
                 std::any_of(caption.begin(), caption.end(), [](QChar c) { return c.isLetterOrNumber(); }))
            faults << QStringLiteral("\"%1\" has no accelerator").arg(caption);
    };
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisible() || control->window() != window)
            continue;
        if (auto* tabs = qobject_cast<QTabBar*>(control))
            for (int tab = 0; tab < tabs->count(); ++tab)
                take(tabs->tabText(tab), true);
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            take(button->text(), (qobject_cast<QPushButton*>(button) || qobject_cast<QToolButton*>(button)) &&
                                     button->shortcut().isEmpty());
        else if (auto* label = qobject_cast<QLabel*>(control); label && label->buddy())
            take(label->text(), false);
        else if (auto* group = qobject_cast<QGroupBox*>(control))
            take(group->title(), false);
    }
    for (const auto& [letter, captions] : owners)
        if (captions.size() > 1)
            faults << QStringLiteral("Alt+%1 on %2").arg(letter, captions.join(QStringLiteral(", ")));
    return faults;
}

// The faults of the window as it is shown now, and of each page of each set of tabs in it.
QStringList Keyboard_Faults(QWidget* window, const QString& where) {
    QStringList faults;
    const auto check = [&](const QString& place) {
        QCoreApplication::processEvents();
        for (const QString& fault : Tab_Order_Faults(window) + Accelerator_Faults(window))
            faults << place + QStringLiteral(": ") + fault;
    };
    check(where);
    for (QTabWidget* pages : window->findChildren<QTabWidget*>()) {
        if (!pages->isVisible())
            continue;
        const int shown = pages->currentIndex();
        for (int page = 0; page < pages->count(); ++page)
            if (page != shown) {
                pages->setCurrentIndex(page);
                check(where + QStringLiteral(" [") + QString(pages->tabText(page)).remove(u'&') +
                      QStringLiteral("]"));
            }
        pages->setCurrentIndex(shown);
    }
    return faults;
}

// Each fault on a line of its own: the test's message is cut short.
void Report(const QStringList& faults) {
    for (const QString& fault : faults)
        qInfo().noquote() << fault;
}

// The long-lived dialogs the main window owns, by caption, in the order they were made.
QList<QDialog*> Long_Lived_Dialogs(const TMain_Form& main_form) {
    QList<QDialog*> dialogs;
    for (QObject* child : main_form.children())
        if (auto* dialog = qobject_cast<QDialog*>(child); dialog && !dialog->windowTitle().isEmpty())
            dialogs << dialog;
    return dialogs;
}

// The dialog shown as its menu command shows it, walked, then Escape pressed where the focus is.
QStringList Dialog_Faults(QDialog* dialog) {
    if (auto* kit_dialog = qobject_cast<TKit_Dialog*>(dialog))
        kit_dialog->Prepare();
    dialog->show();
    dialog->activateWindow();
    if (!QTest::qWaitForWindowActive(dialog))
        return {QStringLiteral("never became the active window")};
    QStringList faults = Keyboard_Faults(dialog, dialog->windowTitle());
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus && focus->isVisible() ? focus : dialog, Qt::Key_Escape);
    // A button's own key presses it as a click is shown, a moment later.
    if (!QTest::qWaitFor([dialog] { return !dialog->isVisible(); })) {
        faults << dialog->windowTitle() + QStringLiteral(": Escape leaves it open");
        dialog->hide();
    }
    return faults;
}

// A character of the classes given, each at level 1, with the best scores the dice give (the
// dice of the caller always show their highest face), so that every class stays allowed.
void Make_Character(TVexlor_Character& character, const std::vector<int>& classes) {
    character.Roll_Scores(0);
    for (int slot = 1; slot <= 6; ++slot) {
        const auto at = static_cast<std::size_t>(slot - 1);
        character.Set_Class(slot, at < classes.size() ? classes[at] : -1);
        character.Set_Level(slot, 1);
    }
}

// The page of a step frame, as the faults name it.
QString Page_Name(const TStep_Frame& frame) {
    return QStringLiteral("%1, step %2 (%3)")
        .arg(frame.windowTitle())
        .arg(frame.Get_Step())
        .arg(QString::fromLatin1(frame.Current_Sheet()->metaObject()->className()));
}

QStringList Wizard_Faults(TServices& services) {
    TFunction_Random best([](int n) { return n - 1; });
    const TRandom_Override dice(best);
    TVexlor_Character character;
    Make_Character(character, {Class_General_Engineer, Class_Chemist, Class_Rogue});
    QStringList faults;
    TCharacter_Wizard_Form wizard(services);
    wizard.Set_Character(&character);
    wizard.Restart_At(0);
    wizard.show();
    if (!QTest::qWaitForWindowExposed(&wizard))
        return {QStringLiteral("wizard never shown")};
    for (int step = 0; wizard.isVisible() && wizard.Current_Sheet() && step < 20; ++step) {
        faults << Keyboard_Faults(&wizard, Page_Name(wizard));
        const int before = wizard.Get_Step();
        wizard.Set_Step(before + 1);
        if (wizard.Get_Step() <= before)
            break;
    }
    return faults;
}

QStringList Level_Up_Faults(TServices& services) {
    TFunction_Random best([](int n) { return n - 1; });
    const TRandom_Override dice(best);
    // The rogue class first: the level-up dialog raises the first class unless told otherwise.
    TVexlor_Character character;
    Make_Character(character, {Class_Rogue, Class_General_Engineer});
    character.Initialized = true;
    QStringList faults;
    TLevel_Up_Form level_up(services);
    const auto walking = When_Modal([&faults](QWidget* window) {
        auto* form = static_cast<TLevel_Up_Form*>(window);
        for (int step = 0; form->isVisible() && step < 5; ++step) {
            faults << Keyboard_Faults(form, Page_Name(*form));
            // The rogue class chosen on the class page and Next pressed; the rogue points left
            // unspent (Next waits for them), the step after it shown.
            const int before = form->Get_Step();
            if (auto* rogue = form->findChild<QRadioButton*>(QStringLiteral("Class1")))
                QTest::mouseClick(rogue, Qt::LeftButton);
            if (auto* next = Find<QPushButton>(form, "Next_Button"); next->isEnabled())
                QTest::mouseClick(next, Qt::LeftButton);
            else
                form->Set_Step(before + 1);
            QCoreApplication::processEvents();
            if (form->Get_Step() <= before)
                break;
        }
        if (form->isVisible())
            form->reject();
    });
    level_up.Run(&character);
    if (!QTest::qWaitFor([&walking] { return walking->Driven(); }))
        faults << QStringLiteral("Level Up never shown");
    return faults;
}

// The help window at its contents.
QStringList Help_Window_Faults(TServices& services) {
    services.Help.Contents();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QStringLiteral("Help_Window") && window->isVisible())
            if (auto* dialog = qobject_cast<QDialog*>(window))
                return Dialog_Faults(dialog);
    return {QStringLiteral("no help window")};
}

// The read-only tables the ability and class pages open, of a rolled character.
template <class TTable_Dialog> QStringList Table_Faults(TServices& services, QWidget* parent) {
    TFunction_Random best([](int n) { return n - 1; });
    const TRandom_Override dice(best);
    TVexlor_Character character;
    Make_Character(character, {Class_General_Engineer, Class_Chemist, Class_Rogue});
    TTable_Dialog table(services, character, parent);
    return Dialog_Faults(&table);
}

// The list a new vocation is chosen from.
QStringList Pick_Faults(TServices& services, QWidget* parent) {
    TPick_Dialog pick(services, QStringLiteral("Choose a new vocation"), {"Chemist", "Rogue"}, parent);
    return Dialog_Faults(&pick);
}

// The help window of the first QID plan of the catalogue, a modal window.
QStringList Plan_Help_Faults(TServices& services, QWidget* parent) {
    QStringList faults;
    const auto walking = When_Modal([&faults](QWidget* window) {
        faults << Keyboard_Faults(window, window->windowTitle());
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key_Escape);
    });
    Show_QID_Help(services, *services.Catalogues.QIDs->Get(0), parent);
    if (!QTest::qWaitFor([&walking] { return walking->Driven(); }))
        faults << QStringLiteral("the plan's help never shown");
    return faults;
}

const QString Main_Window_Row = QStringLiteral("Main window");
const QString Pick_Row = QStringLiteral("Choose a new vocation");
const QString Plan_Help_Row = QStringLiteral("QID plan help");
const QString Help_Row = QStringLiteral("Help window");
const QString Bonuses_Row = QStringLiteral("Bonuses");
const QString Class_Abilities_Row = QStringLiteral("Class Abilities");
const QString Wizard_Row = QStringLiteral("Character wizard with the rogue page");
const QString Level_Up_Row = QStringLiteral("Level Up with the rogue page");

} // namespace

class TKeyboard_Test : public QObject {
    Q_OBJECT

  private slots:
    // One row a window of the program: the main window, each long-lived dialog (the parties
    // window, the inventory, every catalogue list and editor, the creature list, the GM Helper
    // with each of its tabs, the About box), each page of the character wizard and of the
    // level-up dialog, the rogue page among them, the tables of bonuses and class abilities, the
    // list a new vocation is picked from, a plan's help window, and the help window.
    void Every_Window_Reads_In_Order_With_Its_Own_Accelerators_data() {
        QTest::addColumn<QString>("window");
        TTest_Services services;
        services.Catalogues.Load_Starter();
        const std::unique_ptr<TMain_Form> main_form = Create_Windows(services.Get());
        QStringList rows{Main_Window_Row};
        for (const QDialog* dialog : Long_Lived_Dialogs(*main_form))
            rows << dialog->windowTitle();
        rows << Wizard_Row << Level_Up_Row << Bonuses_Row << Class_Abilities_Row << Pick_Row << Plan_Help_Row
             << Help_Row;
        for (const QString& row : rows)
            QTest::newRow(qPrintable(row)) << row;
    }

    void Every_Window_Reads_In_Order_With_Its_Own_Accelerators() {
        QFETCH(const QString, window);
        TTest_Services services;
        services.Catalogues.Load_Starter();
        const std::unique_ptr<TMain_Form> main_form = Create_Windows(services.Get());
        main_form->show();
        QVERIFY(QTest::qWaitForWindowActive(main_form.get()));
        QStringList faults;
        if (window == Main_Window_Row) {
            faults << Keyboard_Faults(main_form.get(), window) + Menu_Faults(main_form->menuBar());
        } else if (window == Wizard_Row) {
            faults << Wizard_Faults(services.Get());
        } else if (window == Level_Up_Row) {
            faults << Level_Up_Faults(services.Get());
        } else if (window == Bonuses_Row) {
            faults << Table_Faults<TBonus_Form>(services.Get(), main_form.get());
        } else if (window == Class_Abilities_Row) {
            faults << Table_Faults<TClass_Abilities_Dialog>(services.Get(), main_form.get());
        } else if (window == Pick_Row) {
            faults << Pick_Faults(services.Get(), main_form.get());
        } else if (window == Plan_Help_Row) {
            faults << Plan_Help_Faults(services.Get(), main_form.get());
        } else if (window == Help_Row) {
            faults << Help_Window_Faults(services.Get());
        } else {
            const QList<QDialog*> dialogs = Long_Lived_Dialogs(*main_form);
            const auto dialog = std::find_if(dialogs.begin(), dialogs.end(), [&window](const QDialog* d) {
                return d->windowTitle() == window;
            });
            QVERIFY(dialog != dialogs.end());
            faults << Dialog_Faults(*dialog);
        }
        Report(faults);
        QVERIFY2(faults.isEmpty(), qPrintable(QString::number(faults.size()) + QStringLiteral(" faults")));
    }

    // Enter on the line chosen with the arrows in a catalogue list opens it, as a double click does.
    void Enter_On_A_Catalogue_Line_Opens_Its_Editor() {
        TTest_Services services;
        services.Catalogues.Load_Starter();
        const std::unique_ptr<TMain_Form> main_form = Create_Windows(services.Get());
        const QList<QDialog*> dialogs = Long_Lived_Dialogs(*main_form);
        const auto items = std::find_if(dialogs.begin(), dialogs.end(), [](const QDialog* dialog) {
            return dialog->windowTitle() == QStringLiteral("Create/Edit Items");
        });
        QVERIFY(items != dialogs.end());
        qobject_cast<TKit_Dialog*>(*items)->Prepare();
        (*items)->show();
        auto* list = Find<QListWidget>(*items, "ListBox1");
        list->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        const QString chosen = list->currentItem()->text();
        QString opened;
        const auto editing = Close_Next_Modal(
            [&opened](QWidget* editor) { opened = Find<QLineEdit>(editor, "Armor_Name")->text(); });
        QTest::keyClick(list, Qt::Key_Return);
        QTRY_VERIFY(editing->Driven());
        QCOMPARE(opened, chosen);
        (*items)->hide();
    }

    // At the table, in a campaign folder of the shipped table file: a tab is chosen by its
    // accelerator, Enter in the tab's box rolls, a long Plants line wraps instead of ending in
    // "...", and Ctrl+C copies the line chosen.
    void At_The_Table_Enter_Rolls_And_Ctrl_C_Copies_A_Plants_Line() {
        QTemporaryDir campaign;
        const QString previous = QDir::currentPath();
        QVERIFY(QFile::copy(QStringLiteral(VEXLOR_DATA_FOLDER "/TABLES.TXT"),
                            campaign.filePath(QStringLiteral("TABLES.TXT"))));
        QVERIFY(QDir::setCurrent(campaign.path()));
        Master_Table.Done();
        {
            TTest_Services services;
            services.Catalogues.Load_Starter();
            TGM_Helper_Form form(services.Get());
            form.Prepare();
            form.resize(640, 480);
            form.show();
            form.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&form));
            auto* pages = Find<QTabWidget>(&form, "Tool_Pages");

            // Each box is reached by its label's accelerator and typed into where the focus is.
            const auto type_and_enter = [&form](Qt::Key accelerator, const QString& number) {
                QTest::keyClick(&form, accelerator, Qt::AltModifier);
                QWidget* box = QApplication::focusWidget();
                QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(box, number);
                QTest::keyClick(box, Qt::Key_Return);
                return Name_Of(box);
            };
            QTest::keyClick(&form, Qt::Key_V, Qt::AltModifier);
            QCOMPARE(pages->tabText(pages->currentIndex()), QStringLiteral("&Venom"));
            QCOMPARE(type_and_enter(Qt::Key_T, QStringLiteral("4")), QStringLiteral("Creature_Venom_Level"));
            QCOMPARE(Find<QSpinBox>(&form, "Creature_Venom_Level")->value(), 4);
            QVERIFY(Find<QPlainTextEdit>(&form, "Venom_Memo")
                        ->toPlainText()
                        .contains(QStringLiteral("----------")));

            QTest::keyClick(&form, Qt::Key_C, Qt::AltModifier);
            QCOMPARE(type_and_enter(Qt::Key_Y, QStringLiteral("3")), QStringLiteral("Party_Size"));
            QCOMPARE(
                Find<QPlainTextEdit>(&form, "Encounters")->toPlainText().count(QStringLiteral("----------")),
                10);

            QTest::keyClick(&form, Qt::Key_P, Qt::AltModifier);
            QTest::keyClick(&form, Qt::Key_R, Qt::AltModifier);
            auto* plants = Find<QListWidget>(&form, "Plants_List");
            QTRY_COMPARE(plants->count(), 20);
            int longest = 0;
            for (int row = 1; row < plants->count(); ++row)
                if (plants->item(row)->text().size() > plants->item(longest)->text().size())
                    longest = row;
            // The longest line, too wide for one line of the list, takes two or more.
            const QString text = plants->item(longest)->text();
            const QFontMetrics metrics = plants->fontMetrics();
            QVERIFY2(metrics.horizontalAdvance(text) > plants->viewport()->width(), qPrintable(text));
            const QRect line = plants->visualItemRect(plants->item(longest));
            QVERIFY2(line.height() > metrics.height() * 3 / 2, qPrintable(text));
            QVERIFY(line.width() <= plants->viewport()->width());
            plants->setFocus();
            plants->setCurrentRow(longest);
            QTest::keyClick(plants, Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QGuiApplication::clipboard()->text(), plants->item(longest)->text());
            Save_Picture_If_Asked(&form, QStringLiteral("GM_Helper_Plants.png"));
        }
        Master_Table.Done();
        QDir::setCurrent(previous);
    }
};

namespace {
const TRegister_Gui_Test<TKeyboard_Test> Registered;
} // namespace

} // namespace Vexlor::Test

#include "Keyboard_Test.moc"
