// Every control of a window set to a value of its own, and what the window's controls show, so that
// an editor's round trip is checked on every field it shows, not only on the fields a sample record
// happens to set.
#pragma once

#include "Gui_Test.h"
#include "Memory_Registry.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <string>
#include <string_view>

namespace Vexlor::Test {

// Sets every spin box to a value of its own (rising in the order they were made, so a low box stays
// below its high box), checks every check box and radio button (the last of each group wins) and
// picks an entry of every drop-down other than the first, as a person may; the window's rules then
// move what they must.
inline void Set_Every_Control(QWidget* window) {
    int value = 2;
    for (QSpinBox* box : window->findChildren<QSpinBox*>())
        box->setValue(std::clamp(value++, box->minimum(), box->maximum()));
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button))
            button->setChecked(true);
    for (QComboBox* combo : window->findChildren<QComboBox*>())
        if (combo->count() > 1)
            combo->setCurrentIndex(1 + value++ % (combo->count() - 1));
}

// What every named box, button, drop-down, edit and list of window shows, one line each, but the
// controls named in left_out (those the record does not keep).
inline QStringList Snapshot(const QWidget* window, const QStringList& left_out = {}) {
    QStringList shown;
    const auto add = [&](const QObject* control, const QString& value) {
        const QString name = control->objectName();
        if (!name.isEmpty() && !name.startsWith(QStringLiteral("qt_")) && !left_out.contains(name))
            shown << control->objectName() + QStringLiteral(" = ") + value;
    };
    for (const QSpinBox* box : window->findChildren<QSpinBox*>())
        add(box, QString::number(box->value()));
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->isCheckable())
            add(button, button->isChecked() ? QStringLiteral("on") : QStringLiteral("off"));
    for (const QComboBox* combo : window->findChildren<QComboBox*>())
        add(combo, combo->currentText());
    for (const QLineEdit* edit : window->findChildren<QLineEdit*>())
        add(edit, edit->text());
    for (const QPlainTextEdit* memo : window->findChildren<QPlainTextEdit*>())
        add(memo, memo->toPlainText());
    for (const QListWidget* list : window->findChildren<QListWidget*>()) {
        QStringList entries;
        for (int row = 0; row < list->count(); ++row)
            entries << list->item(row)->text() +
                           (list->item(row)->isSelected() ? QStringLiteral("*") : QString());
        add(list, entries.join(QStringLiteral("|")));
    }
    shown.sort();
    return shown;
}

// Whether text is a whole number, with an optional minus.
inline bool Is_Whole_Number(std::string_view text) {
    if (text.starts_with('-'))
        text.remove_prefix(1);
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// A record's tagged text with the value of every tag that is a whole number set to value, and of
// every range ("low-high", "low,high") to value-value when ranges is set: values past every box's
// range, as a file written elsewhere may hold them.
inline std::string Every_Number_Set(const std::string& text, const std::string& value, bool ranges) {
    std::string out;
    std::size_t at = 0;
    for (std::size_t tag = text.find("<#"); tag != std::string::npos; tag = text.find("<#", at)) {
        const std::size_t end = text.find('>', tag);
        const std::size_t equals = text.find('=', tag);
        if (end == std::string::npos)
            break;
        if (equals > end) {
            out += text.substr(at, end + 1 - at);
            at = end + 1;
            continue;
        }
        const std::string_view old(text.data() + equals + 1, end - equals - 1);
        const std::size_t split = old.find_first_of("-,", 1);
        const bool range = split != std::string_view::npos && Is_Whole_Number(old.substr(0, split)) &&
                           Is_Whole_Number(old.substr(split + 1));
        out += text.substr(at, equals + 1 - at);
        out += Is_Whole_Number(old) ? value : ranges && range ? value + "-" + value : std::string(old);
        out += '>';
        at = end + 1;
    }
    return out + text.substr(at);
}

// The lines of one snapshot that the other does not hold: what a round trip changed.
inline QStringList Changed_Lines(const QStringList& before, const QStringList& after) {
    QStringList changed;
    for (const QString& line : before)
        if (!after.contains(line))
            changed << line;
    return changed;
}

// The starter records with every whole number of their tags set to value (and every range to
// value-value when ranges is set), as a file edited elsewhere may hold them.
template <class Registry> void Push_Every_Number(Registry& registry, const std::string& value, bool ranges) {
    std::string lines;
    for (int index = 0; index < registry.Count(); ++index)
        lines += std::string(registry.Get(index)->Serialize()) + "\n";
    while (registry.Count() > 0)
        registry.Delete(0);
    lines = Every_Number_Set(lines, value, ranges);
    Add_Records(registry, lines, [](const auto&) { return true; });
}

// Every control set to a value of its own, stored, and the record opened again: each control shows
// what it showed before OK, but those in left_out, which the record does not keep.
template <class Editor>
void Expect_Every_Control_Kept(Editor& editor, const char* name_box, const QStringList& left_out = {}) {
    editor.Clear_Record();
    editor.show();
    Set_Every_Control(&editor);
    Find<QLineEdit>(&editor, name_box)->setText(QStringLiteral("Every Field"));
    const QStringList before = Snapshot(&editor, left_out);
    Find<QPushButton>(&editor, "OK_Button")->click();
    QVERIFY(editor.Store_Built().Ok());
    editor.Clear_Record();
    QVERIFY(editor.Fill_Record("Every Field"));
    QCOMPARE(Changed_Lines(before, Snapshot(&editor, left_out)).join(QStringLiteral("; ")), QString());
}

} // namespace Vexlor::Test
