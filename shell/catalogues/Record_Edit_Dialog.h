// The frame every catalogue record editor shares, and what the list dialogs need of an editor:
// clear it for a new record, fill it from a stored one, show it, and hand the record it built to
// the catalogue.
#pragma once

#include "catalogues/Tagged_Fields.h"
#include "foundations/Result.h"
#include "shell/Services.h"
#include "widgets/Kit_Dialog.h"
#include "widgets/List_Widgets.h"
#include "widgets/Named_Controls.h"

#include <climits>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace Vexlor {

// What a list dialog needs of the editor of its records.
class TRecord_Editor {
  public:
    // Empties the editor for a new record.
    virtual void Clear_Record() = 0;
    // Fills the editor from the catalogue's record of that name; false when there is none.
    virtual bool Fill_Record(const std::string& name) = 0;
    // Shows the editor modally as it stands; true when it was closed with OK, which built a record.
    virtual bool Run() = 0;
    virtual std::string Built_Name() const = 0;
    // Hands the built record to the catalogue, which owns it from then on; a failure says why
    // the catalogue could not store it.
    virtual TResult Store_Built() = 0;

  protected:
    ~TRecord_Editor() = default;
};

// The entries of a drop-down of choices, in the order of their numbers.
template <long High> std::vector<std::string> Choice_Entries(const TChoice_Texts<High>& texts) {
    return {texts.begin(), texts.end()};
}

// A record editor: the name box with a note when the name cannot be stored, OK (enabled only
// with a name that can be stored), Cancel and Help. The editor itself lays out its controls
// and builds its record on OK; an exception while building keeps it open.
class TRecord_Edit_Dialog : public TKit_Dialog, public TRecord_Editor {
    Q_OBJECT

  public:
    bool Run() override;

  protected:
    TRecord_Edit_Dialog(TServices& services, int help_context, const QString& caption, QWidget* parent);

    TServices& Services;

    // The record built from the controls on OK.
    virtual void Build_Record() = 0;

    // The row with "Name:", the name box called object_name and the note beside it.
    QWidget* Make_Name_Row(const char* object_name);
    QLineEdit* Name_Box() const { return Name_Edit; }
    // OK, Cancel and Help at the right of a row, after the extra buttons at its left.
    QWidget* Make_Button_Row(const std::vector<QPushButton*>& extra = {});
    // Enables OK and shows the note as the name stands; the editors call it after each fill.
    void Update_Name_State();

    // The tab widget that holds the editor's pages.
    QTabWidget* Make_Pages();
    QSpinBox* Make_Spin(const char* object_name, int low = INT_MIN, int high = INT_MAX);
    QComboBox* Make_Combo(const char* object_name, const std::vector<std::string>& entries);
    // A low and a high spin box kept in order by the pair rule.
    struct TPair_Controls {
        QSpinBox* Low;
        QSpinBox* High;
        TLow_High_Pair* Pair;
    };
    TPair_Controls Make_Pair(const char* low_name, const char* high_name, int low, int high);
    // The two boxes of a pair in a row, with "to" between them.
    QWidget* Make_Pair_Row(const TPair_Controls& pair);
    // A "<" / ">" pair of lists: the record's list at the left under chosen_caption, the other
    // names at the right under available_caption; "<" takes the selected lines into the record,
    // ">" gives them back.
    struct TDual_List_Controls {
        QWidget* Panel;
        QListWidget* Chosen;
        QListWidget* Available;
        TDual_List* Mover;
    };
    TDual_List_Controls Make_Dual_List(const char* chosen_name, const char* available_name,
                                       const char* add_name, const char* remove_name,
                                       const QString& chosen_caption, const QString& available_caption);

  private:
    QLineEdit* Name_Edit = nullptr;
    QLabel* Name_Note = nullptr;
    QPushButton* OK_Button = nullptr;
};

QGroupBox* Make_Group(const QString& caption, QWidget* parent, QLayout* layout);

// Adds a caption in column column and the control beside it, in row row of grid.
void Add_Labelled(QGridLayout* grid, int row, int column, const QString& caption, QWidget* control);

} // namespace Vexlor
