// Every window worked from the keyboard as the eye reads it: Tab visits the controls in reading
// order (rows top to bottom, each left to right, a group read through where it stands), every push
// button and tab page has an accelerator that no other control shown with it uses, and Escape
// closes the window. Walked over every long-lived window of the program with each of its pages,
// the character wizard's pages and the level-up dialog's.
#include "Gui_Test.h"
#include "Test_Services.h"

#include "foundations/Random.h"
#include "referee/Tables.h"
#include "shell/Main_Form.h"
#include "shell/Startup.h"
#include "shell/characters/CWF.h"
#include "shell/characters/LUF.h"
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
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <map>

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

// Where Tab goes from each control of the window, against where the eye reads on from it (the
// chain is read again at each step: focus may change what is shown or enabled): the first step
// that differs, or nothing.
QString Tab_Order_Fault(QWidget* window) {
    QList<QWidget*> chain = Reading_Order_Chain(window);
    if (chain.size() < 2)
        return QString();
    chain.front()->setFocus(Qt::TabFocusReason);
    for (qsizetype step = 0; step < chain.size(); ++step) {
        chain = Reading_Order_Chain(window);
        QWidget* from = QApplication::focusWidget();
        const qsizetype at = chain.indexOf(from);
        QTest::keyClick(from, Qt::Key_Tab);
        QWidget* reached = QApplication::focusWidget();
        const QString expected = at < 0 ? QStringLiteral("(none)") : Name_Of(chain[(at + 1) % chain.size()]);
        if (!reached || Name_Of(reached) != expected)
            return QStringLiteral("Tab from %1 goes to %2, the eye reads on to %3")
                .arg(Name_Of(from), reached ? Name_Of(reached) : QStringLiteral("(none)"), expected);
    }
    return QString();
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
        if (const QString fault = Tab_Order_Fault(window); !fault.isEmpty())
            faults << place + QStringLiteral(": ") + fault;
        for (const QString& fault : Accelerator_Faults(window))
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

} // namespace

class TKeyboard_Test : public QObject {
    Q_OBJECT

  private slots:
    void Every_Long_Lived_Window_Reads_In_Order_With_Its_Own_Accelerators_And_Closes_On_Escape() {
        TTest_Services services;
        services.Catalogues.Load_Starter();
        const std::unique_ptr<TMain_Form> main_form = Create_Windows(services.Get());
        main_form->show();
        QStringList faults;
        int windows = 0;
        for (QObject* child : main_form->children()) {
            auto* dialog = qobject_cast<QDialog*>(child);
            if (!dialog || dialog->windowTitle().isEmpty())
                continue;
            ++windows;
            if (auto* kit_dialog = qobject_cast<TKit_Dialog*>(dialog))
                kit_dialog->Prepare();
            dialog->show();
            dialog->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            faults << Keyboard_Faults(dialog, dialog->windowTitle());
            QWidget* focus = QApplication::focusWidget();
            if (auto* c = dialog->findChild<QPushButton*>(QStringLiteral("Close_Button"))) {
                qInfo() << "DEBUG" << dialog->windowTitle() << c->shortcut() << c->isVisible()
                        << (focus ? focus->metaObject()->className() : "") << QApplication::activeWindow();
                QObject::connect(c, &QPushButton::clicked, [] { qInfo() << "DEBUG clicked"; });
            }
            QTest::keyClick(focus && focus->isVisible() ? focus : dialog, Qt::Key_Escape);
            // A button's own key presses it as a click is shown, a moment later.
            if (!QTest::qWaitFor([dialog] { return !dialog->isVisible(); })) {
                faults << dialog->windowTitle() + QStringLiteral(": Escape leaves it open");
                dialog->hide();
            }
        }
        QCOMPARE(windows, 17);
        Report(faults);
        QVERIFY2(faults.isEmpty(), qPrintable(QString::number(faults.size()) + QStringLiteral(" faults")));
    }

    void The_Wizard_And_Level_Up_Pages_Read_In_Order_With_Their_Own_Accelerators() {
        TTest_Services services;
        services.Catalogues.Load_Starter();
        TFunction_Random best([](int n) { return n - 1; });
        const TRandom_Override dice(best);
        TVexlor_Character character;
        const int classes[] = {Class_General_Engineer, Class_Chemist, Class_Rogue};
        for (int slot = 1; slot <= 6; ++slot) {
            character.Set_Class(slot, slot <= 3 ? classes[slot - 1] : -1);
            character.Set_Level(slot, 1);
        }
        QStringList faults;
        TCharacter_Wizard_Form wizard(services.Get());
        wizard.Set_Character(&character);
        wizard.Restart_At(0);
        wizard.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wizard));
        for (int step = 0; wizard.isVisible() && wizard.Current_Sheet() && step < 20; ++step) {
            faults << Keyboard_Faults(&wizard, QStringLiteral("Wizard step %1").arg(wizard.Get_Step()));
            const int before = wizard.Get_Step();
            wizard.Set_Step(before + 1);
            if (wizard.Get_Step() <= before)
                break;
        }
        wizard.hide();

        TLevel_Up_Form level_up(services.Get());
        const auto walking = When_Modal([&faults](QWidget* window) {
            auto* form = static_cast<TLevel_Up_Form*>(window);
            for (int step = 0; form->isVisible() && step < 5; ++step) {
                faults << Keyboard_Faults(form, QStringLiteral("Level up step %1").arg(form->Get_Step()));
                Find<QPushButton>(form, "Next_Button")->click();
                QCoreApplication::processEvents();
            }
            if (form->isVisible())
                form->reject();
        });
        character.Initialized = true;
        level_up.Run(&character);
        QVERIFY(walking->Driven());
        Report(faults);
        QVERIFY2(faults.isEmpty(), qPrintable(QString::number(faults.size()) + QStringLiteral(" faults")));
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

            QTest::keyClick(&form, Qt::Key_V, Qt::AltModifier);
            QCOMPARE(pages->tabText(pages->currentIndex()), QStringLiteral("&Venom"));
            auto* level = Find<QSpinBox>(&form, "Creature_Venom_Level");
            level->setFocus();
            level->selectAll();
            QTest::keyClicks(level, QStringLiteral("4"));
            QTest::keyClick(level, Qt::Key_Return);
            QVERIFY(Find<QPlainTextEdit>(&form, "Venom_Memo")
                        ->toPlainText()
                        .contains(QStringLiteral("----------")));

            QTest::keyClick(&form, Qt::Key_C, Qt::AltModifier);
            auto* party = Find<QSpinBox>(&form, "Party_Size");
            party->setFocus();
            party->selectAll();
            QTest::keyClicks(party, QStringLiteral("3"));
            QTest::keyClick(party, Qt::Key_Return);
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
            const QRect line = plants->visualItemRect(plants->item(longest));
            QVERIFY2(line.height() > 2 * plants->fontMetrics().height(),
                     qPrintable(plants->item(longest)->text()));
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
