#include "Files.h"

#include "CommonUt.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Vexlor {
namespace fs = std::filesystem;

std::optional<std::string> Read_File(const fs::path& path) {
    const TFile file = Open_File(path, "rb");
    if (!file)
        return std::nullopt;
    std::string bytes;
    char buffer[65536];
    std::size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        bytes.append(buffer, count);
    if (std::ferror(file.get()))
        return std::nullopt;
    return bytes;
}

int IO_Error_Code(int error_number, bool writing) {
    switch (error_number) {
    case ENOENT:
        return 2;
    case ENOTDIR:
        return 3;
    case EMFILE:
    case ENFILE:
        return 4;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return 5;
    default:
        return writing ? 101 : 100;
    }
}

namespace {

fs::path Folder_Of(const fs::path& path) {
    return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

bool Folder_Missing(const fs::path& path) {
    std::error_code error;
    return !fs::exists(Folder_Of(path), error) && !error;
}

// The cause in plain words where the error text alone would mislead or say too little; empty
// where it says enough.
std::string Cause(int error_number, const fs::path& path) {
    switch (error_number) {
    case 0:
    case EACCES:
    case EPERM:
    case EMFILE:
    case ENFILE:
        return {};
    case ENOENT:
        return Folder_Missing(path) ? "the folder " + Folder_Of(path).string() + " does not exist" : "";
    case ENOTDIR:
        return "a file stands where a folder should be";
    case ENOSPC:
        return "the disk is full";
    case EDQUOT:
        return "the disk quota is used up";
    case EROFS:
        return "the disk is read-only";
    case EISDIR:
        return "a folder has that name";
    default:
        return std::strerror(error_number);
    }
}

bool Write_All(int descriptor, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(descriptor, bytes.data() + written, bytes.size() - written);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        written += static_cast<std::size_t>(count);
    }
    return true;
}

} // namespace

std::string File_Problem(int error_number, TFile_Action action, const fs::path& path) {
    const bool writing = action == TFile_Action::Writing;
    const int code =
        error_number == ENOENT && Folder_Missing(path) ? 3 : IO_Error_Code(error_number, writing);
    std::string text = Ert(code) + (writing ? " while writing " : " while reading ") + path.string();
    const std::string cause = Cause(error_number, path);
    return cause.empty() ? text : text + " (" + cause + ")";
}

TResult Write_File_Atomic(const fs::path& path, const std::string& bytes) {
    std::string hidden_name(1, '.');
    hidden_name.append(path.filename().string()).append(".XXXXXX");
    std::string temporary = (Folder_Of(path) / hidden_name).string();
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0)
        return TResult::Failure(File_Problem(errno, TFile_Action::Writing, path));
    // Keep the permissions of the file being replaced, so a saved party stays readable as before.
    struct stat old_status;
    if (::stat(path.c_str(), &old_status) == 0)
        ::fchmod(descriptor, old_status.st_mode & 07777);
    else
        ::fchmod(descriptor, 0644);
    int error = 0;
    if (!Write_All(descriptor, bytes) || ::fsync(descriptor) != 0)
        error = errno;
    if (::close(descriptor) != 0 && error == 0)
        error = errno;
    if (error == 0 && std::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return TResult::Failure(File_Problem(error, TFile_Action::Writing, path));
    }
    return {};
}

TResult Append_File(const fs::path& path, const std::string& bytes) {
    TFile file = Open_File(path, "ab");
    if (!file)
        return TResult::Failure(File_Problem(errno, TFile_Action::Writing, path));
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    const int write_error = errno;
    if (!Close_File(std::move(file)) || !written)
        return TResult::Failure(File_Problem(written ? errno : write_error, TFile_Action::Writing, path));
    return {};
}

std::optional<fs::path> Find_File(const fs::path& folder, const std::string& name) {
    std::error_code error;
    const fs::path exact = folder / name;
    if (fs::is_regular_file(exact, error))
        return exact;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error))
        if (Same_Text(entry->path().filename().string(), name) && entry->is_regular_file(error))
            return entry->path();
    return std::nullopt;
}

fs::path Program_Folder() {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::current_path() : program.parent_path();
}

} // namespace Vexlor
