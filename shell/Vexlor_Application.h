// The application object: the program's title, its help, and the safety net under every event
// handler. An exception that escapes a handler is shown to the user in a message box and the
// program carries on with its data as it was.
#pragma once

#include "shell/Help_System.h"

#include <QApplication>

#include <memory>
#include <string>

namespace Vexlor {

inline constexpr char Application_Title[] = "Vexlor RPG Referee Assistant";
inline constexpr char Help_File_Name[] = "Vexlor.hlp";

class TVexlor_Application : public QApplication {
    Q_OBJECT

  public:
    TVexlor_Application(int& argc, char** argv);
    ~TVexlor_Application() override;

    bool notify(QObject* receiver, QEvent* event) override;

    void Set_Title(const QString& title);
    QString Title() const;
    // The help document is looked up under file_name beside the program.
    void Set_Help_File(const std::string& file_name);
    THelp_System& Help();

  private:
    void Report_Error(const QString& text);

    std::unique_ptr<THelp_System> Help_System;
    bool Reporting = false;
};

// The help of the running program, for every window that offers help.
THelp_System& Application_Help();

} // namespace Vexlor
