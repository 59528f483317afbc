#include "shell/Vexlor_Application.h"

#include "foundations/Files.h"
#include "shell/Text_Convert.h"

#include <QMessageBox>
#include <QScopedValueRollback>

#include <cstdio>
#include <exception>
#include <stdexcept>

namespace Vexlor {

TVexlor_Application::TVexlor_Application(int& argc, char** argv) : QApplication(argc, argv) {
    // Lets a desktop shell match the program's windows to its desktop entry.
    setDesktopFileName(QStringLiteral("vexlor"));
}

TVexlor_Application::~TVexlor_Application() = default;

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
    if (Reporting) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        return;
    }
    const QScopedValueRollback<bool> reporting(Reporting, true);
    QMessageBox::critical(activeWindow(), Title(), text);
}

void TVexlor_Application::Set_Title(const QString& title) {
    setApplicationName(title);
}

QString TVexlor_Application::Title() const {
    return applicationName();
}

void TVexlor_Application::Set_Help_File(const std::string& file_name) {
    Help_System = std::make_unique<THelp_System>(Program_Folder(), file_name);
}

THelp_System& TVexlor_Application::Help() {
    if (!Help_System)
        throw std::logic_error("The help file has not been set.");
    return *Help_System;
}

THelp_System& Application_Help() {
    auto* application = qobject_cast<TVexlor_Application*>(QCoreApplication::instance());
    if (!application)
        throw std::logic_error("The program's application object has not been created.");
    return application->Help();
}

} // namespace Vexlor
