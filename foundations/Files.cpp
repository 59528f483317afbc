#include "Files.h"

#include "CommonUt.h"

#include <cerrno>
#include <cstdio>
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

int Write_File_Atomic(const fs::path& path, const std::string& bytes) {
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::string hidden_name(1, '.');
    hidden_name.append(path.filename().string()).append(".XXXXXX");
    std::string temporary = (folder / hidden_name).string();
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0)
        return IO_Error_Code(errno, true);
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
        return IO_Error_Code(error, true);
    }
    return 0;
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
