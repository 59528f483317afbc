#include "File_Lock.h"

#include "Files.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace Vexlor {
namespace {

// How often a waiting program looks whether the lock has come free.
constexpr std::chrono::milliseconds Poll_Interval(20);

// The process number the holder wrote into the lock file; empty when it cannot be read.
std::string Holder_Of(const std::filesystem::path& path) {
    std::string text = Read_File(path).value_or("");
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text.find_first_not_of("0123456789") == std::string::npos ? text : std::string();
}

} // namespace

TResult TFile_Lock::Take(const std::filesystem::path& path, std::chrono::milliseconds wait) {
    Release();
    const int descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (descriptor < 0)
        return TResult::Failure(File_Problem(errno, TFile_Action::Writing, path));
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (error == EINTR)
            continue;
        if (error != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) {
            ::close(descriptor);
            if (error != EWOULDBLOCK)
                return TResult::Failure(File_Problem(error, TFile_Action::Writing, path));
            const std::string holder = Holder_Of(path);
            return TResult::Failure(path.filename().string() + " is held by another program" +
                                    (holder.empty() ? std::string() : " (process " + holder + ")"));
        }
        std::this_thread::sleep_for(Poll_Interval);
    }
    Descriptor = descriptor;
    // Who holds it, for the message of a program that waits in vain; the lock does not depend on it.
    const std::string holder = std::to_string(::getpid()) + "\n";
    [[maybe_unused]] const bool noted =
        ::ftruncate(Descriptor, 0) == 0 &&
        ::pwrite(Descriptor, holder.data(), holder.size(), 0) == static_cast<ssize_t>(holder.size());
    return {};
}

void TFile_Lock::Release() {
    if (Descriptor < 0)
        return;
    [[maybe_unused]] const int emptied = ::ftruncate(Descriptor, 0);
    ::close(Descriptor);
    Descriptor = -1;
}

} // namespace Vexlor
