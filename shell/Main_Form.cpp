#include "shell/Main_Form.h"

#include "shell/Services.h"
#include "shell/Vexlor_Application.h"
#include "widgets/Help_Contexts.h"
#include "widgets/Help_System.h"
#include "widgets/Kit_Dialog.h"
#include "widgets/Slot_Guard.h"
#include "widgets/Text_Convert.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QShortcut>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QVBoxLayout>

namespace Vexlor {
namespace {

constexpr int Tool_Panel_Height = 32;

} // namespace

TMain_Form::TMain_Form(TServices& services, QWidget* parent) : QMainWindow(parent), Services(services) {
    setObjectName(QStringLiteral("Main_Form"));
    setWindowTitle(To_QString(Application_Title));
    resize(640, 480);

    auto* client = new QWidget(this);
    auto* tool_panel = new QFrame(client);
    tool_panel->setObjectName(QStringLiteral("Tool_Panel"));
    tool_panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    tool_panel->setFixedHeight(Tool_Panel_Height);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tool_panel);
    layout->addStretch();
    setCentralWidget(client);

    statusBar()->setObjectName(QStringLiteral("Status_Bar"));
    statusBar()->setSizeGripEnabled(true);
    Build_Menu();

    auto* help_key = new QShortcut(QKeySequence::HelpContents, this);
    Guarded_Connect(help_key, &QShortcut::activated, this, Services.Prompts, nullptr,
                    [this] { Services.Help.Context(Help_Main_Window); });

    QApplication::instance()->installEventFilter(this);
}

void TMain_Form::Build_Menu() {
    for (const TMenu& menu_entry : Main_Menu()) {
        QMenu* menu = menuBar()->addMenu(To_QString(menu_entry.Caption));
        menu->setObjectName(To_QString(menu_entry.Name));
        for (const TMenu_Item& item : menu_entry.Items) {
            if (item.Command == TMenu_Command::Separator) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(To_QString(item.Caption));
            action->setObjectName(To_QString(item.Name));
            action->setStatusTip(To_QString(item.Hint));
            action->setShortcut(QKeySequence(To_QString(item.Shortcut), QKeySequence::PortableText));
            Guarded_Connect(action, &QAction::triggered, this, Services.Prompts, nullptr,
                            [this, command = item.Command] { Run_Command(command); });
            Actions[item.Command] = action;
        }
    }
    for (const auto& [command, action] : Actions)
        action->setEnabled(command == TMenu_Command::Exit || command == TMenu_Command::Help_Contents);
}

void TMain_Form::Attach_Dialog(TMenu_Command command, QDialog* dialog) {
    Dialogs[command] = dialog;
    Actions.at(command)->setEnabled(true);
}

QAction* TMain_Form::Action(TMenu_Command command) const {
    return Actions.at(command);
}

void TMain_Form::Run_Command(TMenu_Command command) {
    switch (command) {
    case TMenu_Command::Exit:
        close();
        return;
    case TMenu_Command::Help_Contents:
        Services.Help.Contents();
        return;
    default:
        QDialog* dialog = Dialogs.at(command);
        if (!dialog)
            return;
        if (auto* kit_dialog = qobject_cast<TKit_Dialog*>(dialog))
            kit_dialog->Prepare();
        dialog->exec();
    }
}

bool TMain_Form::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::StatusTip)
        statusBar()->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
    else if (event->type() == QEvent::MouseMove)
        Show_Disabled_Item_Hint(watched, *static_cast<QMouseEvent*>(event));
    return QMainWindow::eventFilter(watched, event);
}

void TMain_Form::Show_Disabled_Item_Hint(QObject* watched, const QMouseEvent& event) {
    // A menu does not select a disabled item, so it never reports its hint; the item's hint
    // still tells the user what the command is.
    auto* menu = qobject_cast<QMenu*>(watched);
    if (!menu)
        return;
    const QAction* item = menu->actionAt(event.position().toPoint());
    if (item && !item->isEnabled())
        statusBar()->showMessage(item->statusTip());
}

} // namespace Vexlor
