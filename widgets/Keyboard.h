// The keyboard rules of every window of the kit: Tab visits the controls in reading order, Enter
// in a tool's box presses the button that uses the box, and Enter on the line chosen in a list does
// what a double click on it does.
#pragma once

#include <QList>

class QAbstractButton;
class QWidget;

namespace Vexlor {

// The controls of window that Tab visits, in reading order (Visual_Order): the window's controls
// and groups of controls (group boxes, tab pages, panels) in rows, a group read through where it
// stands. Only controls shown and enabled count; of a set of radio buttons, only the chosen one.
QList<QWidget*> Reading_Order_Chain(QWidget* window);

// Moves the focus to the next (or, with next false, the previous) control of window's chain, from
// the last round to the first; false when window has no control to visit.
bool Focus_Next_In_Reading_Order(QWidget* window, bool next);

// From now on Enter in box (a text, number or choice box) presses button, when it is enabled.
void Enter_Presses(QWidget* box, QAbstractButton* button);

// What Enter does where the focus is in window: presses the button of the box with the focus, or
// does the double click of the line chosen in the list with the focus. False when neither applies,
// so that the window's own Enter goes on.
bool Handle_Enter(QWidget* window);

// Shows control to the user: the tab pages that hold it are brought forward, and it takes the
// focus with its text chosen, so that a refused value can be typed again at once.
void Point_At(QWidget* control);

} // namespace Vexlor
