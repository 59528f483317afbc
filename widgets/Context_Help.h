// Help in every window: a help context number on any widget, the Help button and F1 that open the
// window's topic, and the right click that pops up the help of the nearest widget that has a
// context, or the description of the entry under the mouse when the window offers one.
#pragma once

#include <QPoint>
#include <QString>

#include <functional>
#include <optional>

class QListWidget;
class QListWidgetItem;
class QPushButton;
class QWidget;

namespace Vexlor {

class THelp_System;

void Set_Help_Context(QWidget* widget, int context);
// The context of widget or of its nearest ancestor that has one; 0 when none has.
int Help_Context_Of(const QWidget* widget);

// A description to pop up for a right click at position (in widget's coordinates) on widget, or
// nothing to fall back on the help context.
struct TPopup_Text {
    QString Title;
    QString Text;
};
using TDescribe_Entry = std::function<std::optional<TPopup_Text>(QWidget* widget, QPoint position)>;

// From now on a right click on window or any widget inside it pops up help: describe's text
// when it gives one, else the nearest help context's paragraph. A right click on a list's entry
// only asks for help: the list's selection changes by a left click or the keyboard alone.
void Install_Context_Help(QWidget* window, THelp_System& help, TDescribe_Entry describe = {});

// From now on a right click on an entry of list first runs open with the entry; when open says it
// opened a window about the entry, no help pops up besides. Call it after Install_Context_Help.
void On_Entry_Right_Click(QListWidget* list, std::function<bool(QListWidgetItem*)> open);

// A "&Help" button (object name "Help_Button") that opens the topic of window's context, and F1
// on window doing the same.
QPushButton* Make_Help_Button(QWidget* window, THelp_System& help);

} // namespace Vexlor
