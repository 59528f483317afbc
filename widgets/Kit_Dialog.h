// The base of the program's dialogs and of the pages shown inside them: guarded handlers that keep
// still while the window is being filled, a help context, and for a dialog the Help button, F1 and
// the hook the main window calls before each showing of a long-lived dialog. The kit asks the
// program for the user prompts and the help only; a window keeps whatever else it works with.
#pragma once

#include "widgets/Screen_Fit.h"
#include "widgets/Slot_Guard.h"

#include <QDialog>

#include <utility>

class QHideEvent;
class QKeyEvent;
class QPushButton;
class QShowEvent;

namespace Vexlor {

class THelp_System;
class TUser_Prompts;

// What every window of the kit needs from the program.
struct TKit_Services {
    THelp_System& Help;
    TUser_Prompts& Prompts;
};

// The handlers of one window (owner): each runs inside the slot guard, and none runs while the
// window is being filled.
class TKit_Handlers {
  public:
    TKit_Handlers(QObject* owner, TUser_Prompts& prompts) : Owner(owner), Kit_Prompts(prompts) {}
    TKit_Handlers(const TKit_Handlers&) = delete;
    TKit_Handlers& operator=(const TKit_Handlers&) = delete;

    TUser_Prompts& Prompts() const { return Kit_Prompts; }

  protected:
    ~TKit_Handlers() = default;

    // Connects signal to handler inside the slot guard; while the window is being filled the
    // handler does nothing. The connection ends with the window.
    template <class Sender, class Signal, class Handler>
    void On(Sender* sender, Signal signal, Handler handler) {
        Guarded_Connect(sender, signal, Owner, Kit_Prompts, &Fill, std::move(handler));
    }
    // While the returned guard lives, the window is being filled and its handlers keep still.
    [[nodiscard]] TFill_Guard Begin_Fill() { return TFill_Guard(Fill); }
    bool Filling() const { return Fill.Filling(); }

  private:
    QObject* Owner;
    TUser_Prompts& Kit_Prompts;
    TFill_State Fill;
};

class TKit_Dialog : public QDialog, public TKit_Handlers {
    Q_OBJECT

  public:
    // help_context is the dialog's topic in the help document (0: none).
    TKit_Dialog(const TKit_Services& kit, int help_context, QWidget* parent = nullptr);

    // Brings a long-lived dialog up to date before it is shown again (lists refilled from the
    // catalogues, the window fitted to the screen). The main window calls it before each exec().
    virtual void Prepare() {}

    THelp_System& Help() const { return Kit_Help; }

  protected:
    // The standard Help button, opening the dialog's topic (F1 does the same).
    QPushButton* Make_Help_Button();

    // The kit's keyboard (Keyboard.h): Tab in reading order; Enter presses the button of the box
    // with the focus or does the double click of the list line chosen, else the dialog's own.
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The dialog opens over the window that opens it, then where the user left it (Window_Fit.h).
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    THelp_System& Kit_Help;
    TWindow_Placement Placement;
};

// A page shown inside a kit dialog: a borderless widget with the dialog's kind of handlers and a
// help context of its own, which the right-click walk and the dialog's Help button find.
class TKit_Page : public QWidget, public TKit_Handlers {
    Q_OBJECT

  public:
    TKit_Page(const TKit_Services& kit, int help_context, QWidget* parent = nullptr);

    int Help_Context() const;

  protected:
    // Tab leaves the page's text boxes, as it leaves every other control.
    void showEvent(QShowEvent* event) override;
};

} // namespace Vexlor
