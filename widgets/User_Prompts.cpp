#include "widgets/User_Prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>

namespace Vexlor {
namespace {

QWidget* Owner() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

} // namespace

bool TQt_User_Prompts::Ask_Yes_No(const QString& caption, const QString& text, TAnswer default_answer) {
    const auto default_button = default_answer == TAnswer::Yes ? QMessageBox::Yes : QMessageBox::No;
    return QMessageBox::question(Owner(), caption, text, QMessageBox::Yes | QMessageBox::No,
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
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !question.Ask_Overwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return With_Default_Suffix(dialog.selectedFiles().constFirst(), question.Default_Suffix);
}

void TQt_User_Prompts::Show_Message(TMessage_Kind kind, const QString& caption, const QString& text) {
    switch (kind) {
    case TMessage_Kind::Information:
        QMessageBox::information(Owner(), caption, text);
        return;
    case TMessage_Kind::Warning:
        QMessageBox::warning(Owner(), caption, text);
        return;
    case TMessage_Kind::Error:
        QMessageBox::critical(Owner(), caption, text);
        return;
    }
}

void TQt_User_Prompts::Beep() {
    QApplication::beep();
}

QString With_Default_Suffix(const QString& name, const QString& suffix) {
    if (suffix.isEmpty() || name.isEmpty() || !QFileInfo(name).suffix().isEmpty())
        return name;
    return name + QLatin1Char('.') + suffix;
}

} // namespace Vexlor
