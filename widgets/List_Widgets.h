// The list controls every window uses: lists and combo boxes filled from the game's text through
// the one text conversion, a list with tab stops in dialog units, a dual-list mover between an
// available and a chosen list, and a low/high pair of spin boxes with the pair rule.
#pragma once

#include "widgets/Low_High_Rule.h"
#include "widgets/Number_Box_Rule.h"

#include <QObject>

#include <string>
#include <vector>

class QAbstractButton;
class QComboBox;
class QListWidget;
class QSpinBox;
class QWidget;

namespace Vexlor {

void Fill_List(QListWidget* list, const std::vector<std::string>& entries);
void Fill_Combo(QComboBox* combo, const std::vector<std::string>& entries);
std::vector<std::string> List_Entries(const QListWidget* list);
// The row the user chose in list: its selected line, -1 when none. The line a list makes current
// when it takes the focus from the keyboard is only outlined and is no choice, so lists whose line
// is a choice follow the selection (itemSelectionChanged), not the current row.
int Chosen_Row(const QListWidget* list);
// The text of the chosen line of list, empty when none is chosen.
std::string Chosen_Entry(const QListWidget* list);

// Dialog units across, in the font of widget: a quarter of its average character width.
int Dialog_Units_To_Pixels(const QWidget* widget, int units);

// Entries of list are drawn in columns: the text after the n-th tab starts at the n-th stop,
// given in dialog units from the left of the entry.
void Set_Tab_Stops(QListWidget* list, const std::vector<int>& stops);
// Moves the first stop of a list with tab stops just past the widest first column of its entries,
// but never past the middle of the list, so the next column stays in sight: a first column wider
// than that is cut short with "..." and shows whole in a tool tip. Called after each filling.
void Fit_First_Column(QListWidget* list);

// Shows a stored value in a box that offers offered for new entries, widened to hold the value
// (Number_Box_Rule) and saying so in its tool tip.
void Show_Number(QSpinBox* box, int value, TBox_Range offered);

// ">" moves the selected entries of the available list to the chosen list, "<" moves them back;
// order is kept and nothing is ever doubled. A double click moves the entry clicked.
class TDual_List : public QObject {
    Q_OBJECT

  public:
    TDual_List(QListWidget* available, QListWidget* chosen, QAbstractButton* add, QAbstractButton* remove);

    void Set_Entries(const std::vector<std::string>& available, const std::vector<std::string>& chosen);
    std::vector<std::string> Chosen() const;

  signals:
    void Changed();

  private:
    void Move(QListWidget* from, QListWidget* to);

    QListWidget* Available;
    QListWidget* Chosen_List;
};

// A low and a high spin box kept in order by the pair rule: raising the low raises the high only
// when the high is lower; lowering the high lowers the low only when the low is higher. The rule
// runs when a box's editing finishes or it steps, never on a keystroke.
class TLow_High_Pair : public QObject {
    Q_OBJECT

  public:
    TLow_High_Pair(QSpinBox* low, QSpinBox* high);

    // Sets both without the rule (filling from a record), each box widened to hold its value.
    void Set(TLow_High pair);
    TLow_High Get() const;
    QSpinBox* Low_Box() const { return Low; }
    QSpinBox* High_Box() const { return High; }

  signals:
    // The user changed the pair (after the rule moved the other box where it had to).
    void Changed();

  private:
    void Show(TLow_High pair);

    QSpinBox* Low;
    QSpinBox* High;
    TBox_Range Low_Offered;
    TBox_Range High_Offered;
};

} // namespace Vexlor
