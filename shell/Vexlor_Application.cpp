#include "shell/Vexlor_Application.h"

#include "widgets/Text_Convert.h"
#include "widgets/User_Prompts.h"

#include <QScopedValueRollback>

#include <cstdio>
#include <exception>

namespace Vexlor {

TVexlor_Application::TVexlor_Application(int& argc, char** argv) : QApplication(argc, argv) {
    // Lets a desktop shell match the program's windows to its desktop entry.
    setDesktopFileName(QStringLiteral("vexlor"));
}

bool TVexlor_Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        Report_Error(To_QString(error.what()));
    } catch (...) {
        Report_Error(tr("An unexpected error occurred."));
    }
    return false;
}

void TVexlor_Application::Report_Error(const QString& text) {
    // A handler that keeps failing while its message is on screen (a repaint, say) must not stack
    // up message boxes: further errors go to the error output until the box is closed.
    if (Reporting || !Prompts) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        return;
    }
    const QScopedValueRollback<bool> reporting(Reporting, true);
    Prompts->Show_Message(TMessage_Kind::Error, Title(), text);
}

void TVexlor_Application::Set_Title(const QString& title) {
    setApplicationName(title);
}

QString TVexlor_Application::Title() const {
    return applicationName();
}

} // namespace Vexlor
