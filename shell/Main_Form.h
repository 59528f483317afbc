// The main window: the menu from which every tool of the program is opened, an empty tool panel,
// and a status bar that shows the hint of the menu item or control under the mouse.
#pragma once

#include "shell/Main_Menu.h"

#include <QMainWindow>
#include <QPointer>

#include <map>

class QAction;
class QDialog;
class QMouseEvent;

namespace Vexlor {

struct TServices;

class TMain_Form : public QMainWindow {
    Q_OBJECT

  public:
    explicit TMain_Form(TServices& services, QWidget* parent = nullptr);

    // From now on command shows dialog modally, brought up to date first when it is one of the
    // program's dialogs. Commands whose dialog has not been attached stay disabled.
    void Attach_Dialog(TMenu_Command command, QDialog* dialog);
    QAction* Action(TMenu_Command command) const;

  protected:
    // The program's hint handler: the hint of any item or control under the mouse, in any of the
    // program's windows, goes to the status bar; an item without a hint empties it.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Build_Menu();
    void Run_Command(TMenu_Command command);
    void Show_Disabled_Item_Hint(QObject* watched, const QMouseEvent& event);

    TServices& Services;
    std::map<TMenu_Command, QAction*> Actions;
    std::map<TMenu_Command, QPointer<QDialog>> Dialogs;
};

} // namespace Vexlor
