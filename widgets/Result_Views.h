// The boxes a window shows its results in, made to be read and copied: a list whose long lines
// wrap onto as many lines as they need, and a read-only text box; in both the game master selects
// with the mouse or the keyboard and copies with Ctrl+C.
#pragma once

#include <QAnyStringView>

class QAbstractItemView;
class QListWidget;
class QPlainTextEdit;
class QWidget;

namespace Vexlor {

// A list of results named name: lines wrap at the list's width, one or several lines are selected
// (click, Shift, Ctrl, or the arrows with Shift) and Ctrl+C copies them, one per line.
QListWidget* Make_Result_List(QWidget* parent, QAnyStringView name);
// A read-only text box of results named name, selected with the mouse or the keyboard.
QPlainTextEdit* Make_Result_Memo(QWidget* parent, QAnyStringView name);
// Ctrl+C in view copies its selected cells: a row per line, the cells of a row joined by tabs.
void Copy_Selection_On_Ctrl_C(QAbstractItemView* view);

} // namespace Vexlor
