#include "shell/catalogues/Catalogue_Exchange_Actions.h"

#include "foundations/Files.h"
#include "widgets/Text_Convert.h"

#include <QObject>

#include <cerrno>
#include <filesystem>

namespace Vexlor {
namespace {

TFile_Question Exchange_File_Question(TFile_Mode mode, const QString& title, TCatalogue_Kind kind) {
    TFile_Question question;
    question.Mode = mode;
    question.Title = title;
    question.Filters = QObject::tr("Catalogue exchange files (*.txt);;All files (*)");
    question.Default_Suffix = QStringLiteral("txt");
    // The campaign folder is the working folder.
    question.Start =
        Path_To_QString(std::filesystem::current_path() / (std::string(Kind_Name(kind)) + ".txt"));
    return question;
}

} // namespace

void Export_Catalogue(TUser_Prompts& prompts, const TCatalogues& catalogues, TCatalogue_Kind kind) {
    const QString caption = QObject::tr("Export catalogue");
    const auto name = prompts.Ask_File_Name(Exchange_File_Question(TFile_Mode::Save, caption, kind));
    if (!name || !May_Write_File(prompts, caption, *name, TWrite_Mode::Replace))
        return;
    if (const TResult written =
            Write_File_Atomic(QString_To_Path(*name), Exchange_File_Text(catalogues, kind));
        !written.Ok())
        prompts.Show_Message(TMessage_Kind::Error, caption, To_QString(written.Problem()));
}

bool Import_Catalogue(TUser_Prompts& prompts, const TCatalogues& catalogues, TCatalogue_Kind kind) {
    const QString caption = QObject::tr("Import catalogue");
    const auto name = prompts.Ask_File_Name(Exchange_File_Question(TFile_Mode::Open, caption, kind));
    if (!name)
        return false;
    const std::filesystem::path path = QString_To_Path(*name);
    errno = 0;
    const auto text = Read_File(path);
    if (!text) {
        prompts.Show_Message(TMessage_Kind::Error, caption,
                             To_QString(File_Problem(errno != 0 ? errno : EIO, TFile_Action::Reading, path)));
        return false;
    }
    TExchange_Records records;
    if (const TResult read = Read_Exchange_File(*text, kind, records); !read.Ok()) {
        prompts.Show_Message(TMessage_Kind::Error, caption,
                             Path_To_QString(path.filename()) + QStringLiteral(": ") +
                                 To_QString(read.Problem() + " Nothing was imported."));
        return false;
    }
    const int held = Held_Records(catalogues, kind, records);
    const bool replace =
        held > 0 && prompts.Ask_Yes_No(caption, To_QString(Replace_Question(kind, held)), TAnswer::No);
    TRecords_Stored stored;
    if (const TResult imported = Import_Records(catalogues, kind, records, replace, stored); !imported.Ok()) {
        prompts.Show_Message(TMessage_Kind::Error, caption, To_QString(imported.Problem()));
        return false;
    }
    prompts.Show_Message(records.Damaged.empty() ? TMessage_Kind::Information : TMessage_Kind::Warning,
                         caption, To_QString(Import_Report(kind, records, stored)));
    return true;
}

} // namespace Vexlor
