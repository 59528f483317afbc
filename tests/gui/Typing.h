// Typing as a person types: any letter of any script key by key, and every low/high pair of a
// window typed into digit by digit, then left.
#pragma once

#include "widgets/List_Widgets.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>

namespace Vexlor::Test {

// Types text into widget one character at a time, as a keyboard of any language sends it (Qt Test's
// own typing knows the Latin-1 letters only).
inline void Type_Characters(QWidget* widget, const QString& text) {
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &release);
    }
}

// Brings the page of a tabbed window that holds widget to the front.
inline void Show_Page_Of(QWidget* widget) {
    for (QWidget* page = widget; page && page->parentWidget(); page = page->parentWidget())
        if (auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget()))
            if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget()))
                tabs->setCurrentWidget(page);
}

// Types "12" key by key into the high box of every enabled pair of window, shown and active,
// standing at 3-3, then leaves the box with Tab: the low box stays at 3 while the digits come and
// after, and the high box holds 12. typed counts the pairs typed into.
inline void Type_Twelve_Into_Every_High_Box(QWidget* window, int& typed) {
    typed = 0;
    for (TLow_High_Pair* pair : window->findChildren<TLow_High_Pair*>()) {
        QSpinBox* low = pair->Low_Box();
        QSpinBox* high = pair->High_Box();
        if (!high->isEnabled() || high->maximum() < 12 || low->minimum() > 3)
            continue;
        pair->Set({3, 3});
        Show_Page_Of(high);
        high->setFocus(Qt::TabFocusReason);
        QVERIFY2(high->hasFocus(), qPrintable(high->objectName()));
        high->selectAll();
        QTest::keyClick(high, Qt::Key_1);
        QCOMPARE(low->value(), 3);
        QTest::keyClick(high, Qt::Key_2);
        QCOMPARE(low->value(), 3);
        QTest::keyClick(high, Qt::Key_Tab);
        QVERIFY2(!high->hasFocus(), qPrintable(high->objectName()));
        QCOMPARE(high->value(), 12);
        QCOMPARE(low->value(), 3);
        ++typed;
    }
}

} // namespace Vexlor::Test
