// The base of the program's dialogs: the services it was built with, guarded handlers that keep
// still while the dialog is being filled, its help context with the Help button and F1, and the
// hook the main window calls before each showing of a long-lived dialog.
#pragma once

#include "widgets/Services.h"
#include "widgets/Slot_Guard.h"

#include <QDialog>

class QPushButton;

namespace Vexlor {

class TKit_Dialog : public QDialog {
    Q_OBJECT

  public:
    // help_context is the dialog's topic in the help document (0: none).
    TKit_Dialog(TServices& services, int help_context, QWidget* parent = nullptr);

    // Brings a long-lived dialog up to date before it is shown again (lists refilled from the
    // catalogues, the window fitted to the screen). The main window calls it before each exec().
    virtual void Prepare() {}

    TServices& Services() const { return Kit_Services; }
    TUser_Prompts& Prompts() const { return Kit_Services.Prompts; }

  protected:
    // Connects signal to handler inside the slot guard; while the dialog is being filled the
    // handler does nothing.
    template <class Sender, class Signal, class Handler>
    void On(Sender* sender, Signal signal, Handler handler) {
        Guarded_Connect(sender, signal, this, Kit_Services.Prompts, &Fill, std::move(handler));
    }
    // While the returned guard lives, the dialog is being filled and its handlers keep still.
    [[nodiscard]] TFill_Guard Begin_Fill() { return TFill_Guard(Fill); }
    bool Filling() const { return Fill.Filling(); }

    // The standard Help button, opening the dialog's topic (F1 does the same).
    QPushButton* Make_Help_Button();

  private:
    TServices& Kit_Services;
    TFill_State Fill;
};

} // namespace Vexlor
