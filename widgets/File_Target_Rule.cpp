#include "widgets/File_Target_Rule.h"

#include "foundations/Campaign_Files.h"

namespace Vexlor {
namespace fs = std::filesystem;

namespace {

// The last part of a path, also when it ends with a separator ("notes/" names "notes").
std::string Last_Part(const fs::path& path) {
    const fs::path normal = path.lexically_normal();
    return normal.has_filename() ? normal.filename().string() : normal.parent_path().filename().string();
}

// Whether path, or a file a chain of links from it leads to (there yet or not), is one of the
// campaign's own files: appending through a link writes its target.
bool Leads_To_Campaign_File(fs::path path) {
    std::error_code error;
    for (int link = 0; link < 40; ++link) {
        if (Is_Campaign_File(Last_Part(path)))
            return true;
        if (!fs::is_symlink(path, error))
            return false;
        const fs::path target = fs::read_symlink(path, error);
        if (error)
            return false;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return false;
}

} // namespace

TFile_Target Check_File_Target(const fs::path& path, TWrite_Mode mode) {
    std::error_code error;
    if (Leads_To_Campaign_File(path))
        return TFile_Target::Refuse_Own_File;
    if (fs::is_directory(path, error) || !path.has_filename())
        return TFile_Target::Refuse_Folder;
    if (mode == TWrite_Mode::Replace && fs::exists(path, error))
        return fs::is_regular_file(path, error) ? TFile_Target::Ask_Replace : TFile_Target::Refuse_Special;
    return TFile_Target::Write;
}

std::string_view File_Target_Text(TFile_Target target) {
    switch (target) {
    case TFile_Target::Ask_Replace:
        return "%1 already exists. Do you want to replace it?";
    case TFile_Target::Refuse_Own_File:
        return "%1 is one of the campaign's own files and is never written over. Choose another name.";
    case TFile_Target::Refuse_Folder:
        return "%1 is a folder. Type the name of a file in it.";
    case TFile_Target::Refuse_Special:
        return "%1 is a device or a pipe, not a file, and is never replaced. Choose another name.";
    case TFile_Target::Write:
        break;
    }
    return {};
}

} // namespace Vexlor
