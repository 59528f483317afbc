// Controls made with their object name, the name tests and people find them by.
#pragma once

#include <QAnyStringView>
#include <QPushButton>
#include <QWidget>

#include <utility>

namespace Vexlor {

// A new Control named name: made from arguments (a caption, a range, ...) and parent, in the order
// of Control's own constructor.
template <class Control, class... Arguments>
Control* Make_Named(QWidget* parent, QAnyStringView name, Arguments&&... arguments) {
    auto* control = new Control(std::forward<Arguments>(arguments)..., parent);
    control->setObjectName(name);
    return control;
}

// A push button named name showing caption. Enter pressed in another control never presses it:
// a window chooses itself which button Enter presses.
QPushButton* Make_Button(QWidget* parent, QAnyStringView name, const QString& caption);

} // namespace Vexlor
