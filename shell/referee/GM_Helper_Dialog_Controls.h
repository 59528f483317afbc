// The controls the GM Helper window's tabs are built from beside the kit's named buttons and result
// boxes: number boxes and choice boxes, rows of labelled controls, and the tool bar of tabs down
// the window's left side.
#pragma once

#include "widgets/Named_Controls.h"

#include <QString>
#include <QTabWidget>

#include <initializer_list>
#include <string>
#include <vector>

class QAbstractButton;
class QComboBox;
class QHBoxLayout;
class QLayout;
class QPushButton;
class QSpinBox;
class QWidget;

namespace Vexlor {

QSpinBox* Make_Number_Box(const char* name, int low, int high, int value, QWidget* parent);
QComboBox* Make_Choice_Box(const char* name, const std::vector<std::string>& entries, QWidget* parent);

// A label followed by its control, the label's accelerator moving to the control.
void Add_Labelled(QHBoxLayout* row, const QString& caption, QWidget* control);
// A row of a tab's controls, left-aligned.
QHBoxLayout* Make_Row(std::initializer_list<QWidget*> controls);
// A row of a labelled input and the button that uses it, left-aligned; Enter in the input presses
// the button.
QHBoxLayout* Make_Labelled_Row(const QString& caption, QWidget* input, QAbstractButton* button);
// A tab of a row of controls over the results.
void Stack(QWidget* tab, QHBoxLayout* row, QWidget* results);

// Tabs stacked down the left side with their captions written across, so that every tool's tab
// is in sight at once and reads at a glance.
class TTool_Pages : public QTabWidget {
  public:
    explicit TTool_Pages(QWidget* parent);
};

} // namespace Vexlor
