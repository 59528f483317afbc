#include "Cli_Context.h"

#include "Json.h"
#include "catalogues/Catalogue_Ownership.h"
#include "foundations/Code_Page.h"
#include "foundations/Files.h"
#include "foundations/UStrings.h"

#include <cerrno>
#include <cstdio>

namespace Vexlor {
namespace {

// A path inside a message, which is game text.
std::string Path_Text(const std::filesystem::path& path) {
    return UTF8_To_Windows_1252(path.string()).value_or(path.string());
}

void Write_Out(std::string_view bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size())
        throw TCli_Failure(Exit_Bad_Input, "The results could not be written to the standard output.");
}

} // namespace

void Refuse(const std::string& message) {
    throw TCli_Failure(Exit_Bad_Input, message);
}

void TCli_Context::Enter_Campaign() const {
    if (Options.Campaign.empty())
        return;
    const std::filesystem::path folder = User_Path(Options.Campaign);
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        Refuse("The campaign folder " + Path_Text(folder) + " does not exist.");
    std::filesystem::current_path(folder, error);
    if (error)
        Refuse("The campaign folder " + Path_Text(folder) + " cannot be used (" + error.message() + ").");
}

std::filesystem::path TCli_Context::User_Path(const std::string& argument) const {
    const std::filesystem::path path(argument);
    return path.is_absolute() ? path : Options.Start_Folder / path;
}

TCatalogues TCli_Context::Catalogues() const {
    return {Get_Item_Registry(),
            Get_Creature_Registry(),
            Get_QID_Registry(),
            Get_Compound_Registry(),
            Get_Effect_Registry(),
            Get_Poison_Registry(),
            [] { return std::string(Get_Catalogue_Change_Failure()); },
            Get_Catalogue_Unkept_Reason(),
            Library_Store_Records};
}

std::string Game_Text(const std::string& argument, std::string_view what) {
    if (auto text = UTF8_To_Windows_1252(argument))
        return *std::move(text);
    // The letters are named as the windows name them, so the game master knows which to mend.
    if (const auto unstorable = Unstorable_UTF8_Characters(argument); unstorable && !unstorable->empty())
        throw TCli_Failure(Exit_Bad_Input,
                           "In the " + std::string(what) + ", " +
                               Replace(std::string(Unstorable_Note_Text), "%1", *unstorable),
                           TCli_Failure::In_UTF8);
    Refuse("The " + std::string(what) + " holds a character that the game's files cannot hold.");
}

void Print_Line(std::string_view text) {
    if (text.ends_with("\r\n"))
        text.remove_suffix(2);
    std::string line = Windows_1252_To_UTF8(text);
    for (auto found = line.find("\r\n"); found != std::string::npos; found = line.find("\r\n", found))
        line.erase(found, 1);
    line += '\n';
    Write_Out(line);
}

void Print_Lines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        Print_Line(line);
}

void Print_Json(const TJson& json) {
    Write_Out(json.Document());
}

void Print_Bytes(std::string_view bytes) {
    Write_Out(bytes);
}

void Write_User_File(const std::filesystem::path& path, const std::string& bytes, bool force) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        Refuse(Path_Text(path) + " is a folder.");
    if (!force && std::filesystem::exists(path, error))
        Refuse(Path_Text(path) + " exists: add --force to replace it.");
    if (const TResult written = Write_File_Atomic(path, bytes); !written.Ok())
        Refuse(written.Problem());
}

std::string Read_User_File(const std::filesystem::path& path) {
    errno = 0;
    if (auto bytes = Read_File(path))
        return *std::move(bytes);
    Refuse(File_Problem(errno != 0 ? errno : EIO, TFile_Action::Reading, path));
}

} // namespace Vexlor
