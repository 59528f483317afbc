// Everything a window asks of the user, behind one interface: the program answers with Qt's
// message boxes, input box and file dialogs; tests install a scripted fake that answers in order.
// No window opens a message box, input box or file dialog itself.
#pragma once

#include "widgets/File_Target_Rule.h"

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace Vexlor {

enum class TAnswer { Yes, No };
enum class TMessage_Kind { Information, Warning, Error };
enum class TFile_Mode { Open, Save };

struct TFile_Question {
    TFile_Mode Mode = TFile_Mode::Open;
    QString Title;
    QString Filters;        // "Rich text (*.rtf);;All files (*)"
    QString Default_Suffix; // "rtf": added when the chosen name has no extension
    QString Start;          // the file name or folder to start from
};

class TUser_Prompts {
  public:
    virtual ~TUser_Prompts() = default;

    // A Yes/No question; default_answer is the button Enter presses. "Really delete" questions
    // default to No.
    virtual bool Ask_Yes_No(const QString& caption, const QString& text, TAnswer default_answer) = 0;
    // A line of text; nothing when the user cancels.
    virtual std::optional<QString> Ask_Text(const QString& caption, const QString& prompt,
                                            const QString& default_text) = 0;
    // A file name, with the default suffix added when the chosen name has none; nothing when the
    // user cancels.
    virtual std::optional<QString> Ask_File_Name(const TFile_Question& question) = 0;
    virtual void Show_Message(TMessage_Kind kind, const QString& caption, const QString& text) = 0;
    virtual void Beep() = 0;
};

// The program's answers: Qt's standard dialogs over the active window.
class TQt_User_Prompts : public TUser_Prompts {
  public:
    bool Ask_Yes_No(const QString& caption, const QString& text, TAnswer default_answer) override;
    std::optional<QString> Ask_Text(const QString& caption, const QString& prompt,
                                    const QString& default_text) override;
    std::optional<QString> Ask_File_Name(const TFile_Question& question) override;
    void Show_Message(TMessage_Kind kind, const QString& caption, const QString& text) override;
    void Beep() override;
};

// The one check before a window writes a file whose name the user typed or picked (a save never
// asks in the file dialog itself): the campaign's own files and folders are refused with a message
// naming them, and an existing file is replaced only after a question naming it, No by default
// (Check_File_Target). True when the file may be written.
bool May_Write_File(TUser_Prompts& prompts, const QString& caption, const QString& file_name,
                    TWrite_Mode mode);

// name with "." and suffix added when its file part has no extension (and suffix is not empty).
QString With_Default_Suffix(const QString& name, const QString& suffix);

} // namespace Vexlor
