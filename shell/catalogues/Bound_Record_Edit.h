// A record editor whose controls are bound to a plain state of its record: one list of bindings
// shows a state and reads the controls back, the stored record the editor was filled from is kept
// as the start of the record built on OK, and the built record goes to the catalogue's registry.
// Each editor lays out its controls and says how a state is made and how a record is built.
#pragma once

#include "catalogues/Catalogue_Ownership.h"
#include "catalogues/editing/Editor_Texts.h"
#include "shell/catalogues/Record_Edit_Dialog.h"
#include "widgets/Control_Bindings.h"
#include "widgets/Storable_Text.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include <climits>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace Vexlor {

// Registry is the member of TCatalogues that holds the records' registry.
template <class TState, class TRecord, auto Registry> class TBound_Record_Edit : public TRecord_Edit_Dialog {
  public:
    void Clear_Record() override {
        Original.reset();
        Show(New_State());
    }

    bool Fill_Record(const std::string& name) override {
        TCatalogue_Registry<TRecord>* registry = Services.Catalogues.*Registry;
        const TRecord* record = registry ? registry->Get(name.c_str()) : nullptr;
        if (!record)
            return false;
        // A copy: building starts from it, so what no control shows is kept.
        Original = *record;
        Show(Record_State(*Original));
        return true;
    }

    std::string Built_Name() const override { return Built ? Built->Get_Name() : std::string(); }

    TResult Store_Built() override {
        TCatalogue_Registry<TRecord>* registry = Services.Catalogues.*Registry;
        if (!registry || !Built)
            throw std::logic_error("No " + std::string(Record_Kind) + " to store");
        return Add_Record(Services.Catalogues, *registry, std::move(Built));
    }

  protected:
    // record_kind names the record in the error raised when there is nothing to store.
    TBound_Record_Edit(TServices& services, int help_context, const QString& caption, const char* record_kind,
                       QWidget* parent)
        : TRecord_Edit_Dialog(services, help_context, caption, parent), Record_Kind(record_kind) {}

    // The state a new record starts from, and the state of the editor's copy of a stored record.
    virtual TState New_State() const = 0;
    virtual TState Record_State(TRecord& record) const = 0;
    // The record the state describes, built over the stored record when there is one.
    virtual std::unique_ptr<TRecord> Build(const TState& state, const TRecord* original) const = 0;

    void Build_Record() override { Built = Build(Shown(), Original ? &*Original : nullptr); }

    // Shows state in the controls without firing their rules; editors add what follows from it.
    virtual void Show(const TState& state) {
        {
            const TFill_Guard filling = Begin_Fill();
            Bindings.Show(state);
            Last_Shown = state;
        }
        Update_Name_State();
    }

    // The editor's layout, with the name row at its top: the name box is called name_box.
    QVBoxLayout* Make_Name_Layout(const char* name_box) {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(Make_Name_Row(name_box));
        Bindings.Text(Name_Box(), &TState::Name);
        return layout;
    }

    // What the controls show, read over the state last shown (which keeps what no control shows).
    TState Shown() const { return Bindings.Read(Last_Shown); }

    QSpinBox* Number(const char* object_name, int TState::*field, int low = INT_MIN, int high = INT_MAX) {
        QSpinBox* spin = Make_Spin(object_name, low, high);
        Bind_Number(spin, field);
        return spin;
    }

    // Ties spin to field. The range spin offers now is for new entries; a stored value outside it
    // widens the box (Show_Number), so that opening a record and pressing OK never changes it.
    void Bind_Number(QSpinBox* spin, int TState::*field) {
        Bindings.Bind([spin, field, offered = TBox_Range{spin->minimum(), spin->maximum()}](
                          const TState& state) { Show_Number(spin, state.*field, offered); },
                      [spin, field](TState& state) {
                          spin->interpretText(); // digits still being typed count as typed
                          state.*field = spin->value();
                      });
    }

    QCheckBox* Flag(const char* object_name, const QString& caption, bool TState::*field) {
        QCheckBox* check = Make_Named<QCheckBox>(this, object_name, caption);
        Bindings.Flag(check, field);
        return check;
    }

    QLineEdit* Text(const char* object_name, std::string TState::*field) {
        auto* edit = Make_Named<QLineEdit>(this, object_name);
        Refuse_Unstorable(edit);
        Bindings.Text(edit, field);
        return edit;
    }

    QPlainTextEdit* Memo(const char* object_name, std::string TState::*field) {
        auto* memo = Make_Named<QPlainTextEdit>(this, object_name);
        Refuse_Unstorable(memo);
        Bindings.Memo(memo, field);
        return memo;
    }

    // A low and a high box kept in order, in a row; by default wide enough for any stored range.
    QWidget* Range(const char* low_name, const char* high_name, TRange TState::*field,
                   int low = -Largest_Range, int high = Largest_Range) {
        const TPair_Controls pair = Make_Pair(low_name, high_name, low, high);
        Bindings.Range(pair.Pair, field);
        return Make_Pair_Row(pair);
    }

    TDual_List_Controls Dual_List(const char* chosen_name, const char* available_name, const char* add_name,
                                  const char* remove_name, TName_Choice TState::*field,
                                  const QString& chosen_caption, const QString& available_caption) {
        const TDual_List_Controls lists = Make_Dual_List(chosen_name, available_name, add_name, remove_name,
                                                         chosen_caption, available_caption);
        Bindings.Bind(
            [mover = lists.Mover, field](const TState& state) {
                mover->Set_Entries((state.*field).Available, (state.*field).Chosen);
            },
            [chosen = lists.Chosen, available = lists.Available, field](TState& state) {
                state.*field = {List_Entries(chosen), List_Entries(available)};
            });
        return lists;
    }

    TControl_Bindings<TState> Bindings;
    TState Last_Shown;

  private:
    static constexpr int Largest_Range = 32767;

    const char* Record_Kind;
    std::optional<TRecord> Original;
    std::unique_ptr<TRecord> Built;
};

} // namespace Vexlor
