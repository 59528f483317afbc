// Ties the controls of a window to the fields of the plain state it shows (a record editor's
// state, a wizard page's character): one list of bindings shows a state in the controls and reads
// the controls back into a state, so no field is shown by one function and forgotten by the other.
#pragma once

#include "foundations/Dice.h"
#include "widgets/List_Widgets.h"
#include "widgets/Text_Convert.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>

#include <functional>
#include <string>
#include <vector>

namespace Vexlor {

template <class State> class TControl_Bindings {
  public:
    // Any field: how to show it and how to read it back.
    void Bind(std::function<void(const State&)> show, std::function<void(State&)> read) {
        Shows.push_back(std::move(show));
        Reads.push_back(std::move(read));
    }

    void Number(QSpinBox* box, int State::*field) {
        Bind([box, field](const State& state) { box->setValue(state.*field); },
             [box, field](State& state) {
                 box->interpretText(); // digits still being typed count as typed
                 state.*field = box->value();
             });
    }
    void Flag(QAbstractButton* box, bool State::*field) {
        Bind([box, field](const State& state) { box->setChecked(state.*field); },
             [box, field](State& state) { state.*field = box->isChecked(); });
    }
    void Text(QLineEdit* edit, std::string State::*field) {
        Bind([edit, field](const State& state) { edit->setText(To_QString(state.*field)); },
             [edit, field](State& state) { state.*field = From_QString(edit->text()); });
    }
    void Memo(QPlainTextEdit* memo, std::string State::*field) {
        Bind([memo, field](const State& state) { memo->setPlainText(To_QString(state.*field)); },
             [memo, field](State& state) { state.*field = From_QString(memo->toPlainText()); });
    }
    // A drop-down whose entries are the choices in order: the entry's index is the choice. A stored
    // choice the drop-down does not offer shows no entry and stays as it was unless one is picked.
    template <class Choice> void Choice_Index(QComboBox* combo, Choice State::*field) {
        Bind([combo, field](const State& state) { combo->setCurrentIndex(static_cast<int>(state.*field)); },
             [combo, field](State& state) {
                 if (combo->currentIndex() >= 0)
                     state.*field = static_cast<Choice>(combo->currentIndex());
             });
    }
    void Range(TLow_High_Pair* pair, TRange State::*field) {
        Bind(
            [pair, field](const State& state) {
                pair->Set({(state.*field).Low, (state.*field).High});
            },
            [pair, field](State& state) {
                const TLow_High shown = pair->Get();
                state.*field = {shown.Low, shown.High};
            });
    }

    void Show(const State& state) const {
        for (const auto& show : Shows)
            show(state);
    }
    // The state the controls show, read over start (which keeps what no control shows).
    State Read(State start) const {
        Read_Into(start);
        return start;
    }
    // Writes what the controls show into state, leaving what no control shows.
    void Read_Into(State& state) const {
        for (const auto& read : Reads)
            read(state);
    }

  private:
    std::vector<std::function<void(const State&)>> Shows;
    std::vector<std::function<void(State&)>> Reads;
};

} // namespace Vexlor
