// The application object and the last safety net under every event handler: an exception that
// escapes a handler the windows did not guard is shown to the user and the program carries on
// with its data as it was. Windows guard their own handlers (the dialog kit's slot guard).
#pragma once

#include <QApplication>

namespace Vexlor {

inline constexpr char Application_Title[] = "Vexlor RPG Referee Assistant";
inline constexpr char Help_File_Name[] = "Vexlor.hlp";

class TUser_Prompts;

class TVexlor_Application : public QApplication {
    Q_OBJECT

  public:
    TVexlor_Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    void Set_Title(const QString& title);
    QString Title() const;
    // Where the safety net shows what went wrong; until set, it goes to the error output.
    void Set_Prompts(TUser_Prompts* prompts) { Prompts = prompts; }

  private:
    void Report_Error(const QString& text);

    TUser_Prompts* Prompts = nullptr;
    bool Reporting = false;
};

} // namespace Vexlor
