#include "widgets/User_Prompts.h"

#include "widgets/Text_Convert.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>

namespace Vexlor {
namespace {

QWidget* Owner() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

// A message box wide enough for its whole caption, in the title bar's bold type with room for the
// window's own buttons: a window manager cuts a caption that does not fit ("Com... e List").
int Run_Box(QMessageBox::Icon icon, const QString& caption, const QString& text,
            QMessageBox::StandardButtons buttons, QMessageBox::StandardButton default_button) {
    QMessageBox box(icon, caption, text, buttons, Owner());
    box.setDefaultButton(default_button);
    QFont title = box.font();
    title.setBold(true);
    const int width = QFontMetrics(title).horizontalAdvance(caption) + 160;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(),
                      0, 1, grid->columnCount());
    return box.exec();
}

} // namespace

bool TQt_User_Prompts::Ask_Yes_No(const QString& caption, const QString& text, TAnswer default_answer) {
    const auto default_button = default_answer == TAnswer::Yes ? QMessageBox::Yes : QMessageBox::No;
    return Run_Box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                   default_button) == QMessageBox::Yes;
}

std::optional<QString> TQt_User_Prompts::Ask_Text(const QString& caption, const QString& prompt,
                                                  const QString& default_text) {
    bool accepted = false;
    const QString text =
        QInputDialog::getText(Owner(), caption, prompt, QLineEdit::Normal, default_text, &accepted);
    if (!accepted)
        return std::nullopt;
    return text;
}

std::optional<QString> TQt_User_Prompts::Ask_File_Name(const TFile_Question& question) {
    QFileDialog dialog(Owner(), question.Title, question.Start, question.Filters);
    dialog.setAcceptMode(question.Mode == TFile_Mode::Save ? QFileDialog::AcceptSave
                                                           : QFileDialog::AcceptOpen);
    dialog.setFileMode(question.Mode == TFile_Mode::Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(question.Default_Suffix);
    // Whether an existing file may be replaced is asked once, by May_Write_File, for a picked name
    // as for a typed one.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return With_Default_Suffix(dialog.selectedFiles().constFirst(), question.Default_Suffix);
}

void TQt_User_Prompts::Show_Message(TMessage_Kind kind, const QString& caption, const QString& text) {
    const QMessageBox::Icon icon = kind == TMessage_Kind::Information ? QMessageBox::Information
                                   : kind == TMessage_Kind::Warning   ? QMessageBox::Warning
                                                                      : QMessageBox::Critical;
    Run_Box(icon, caption, text, QMessageBox::Ok, QMessageBox::Ok);
}

void TQt_User_Prompts::Beep() {
    QApplication::beep();
}

bool May_Write_File(TUser_Prompts& prompts, const QString& caption, const QString& file_name,
                    TWrite_Mode mode) {
    const TFile_Target target = Check_File_Target(QString_To_Path(file_name), mode);
    if (target == TFile_Target::Write)
        return true;
    const QString text = To_QString(std::string(File_Target_Text(target))).arg(file_name);
    if (target == TFile_Target::Ask_Replace)
        return prompts.Ask_Yes_No(caption, text, TAnswer::No);
    prompts.Show_Message(TMessage_Kind::Error, caption, text);
    return false;
}

QString With_Default_Suffix(const QString& name, const QString& suffix) {
    if (suffix.isEmpty() || name.isEmpty() || !QFileInfo(name).suffix().isEmpty())
        return name;
    return name + QLatin1Char('.') + suffix;
}

} // namespace Vexlor
