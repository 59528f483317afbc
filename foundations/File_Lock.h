// A lock that copies of the program and its command-line companion take before they change a file
// they share, held through a lock file beside it. The operating system lets go of a lock when its
// holder ends in any way, killed included, so a lock is never left behind by a program that died:
// the lock file stays, but nobody holds it.
#pragma once

#include "Result.h"

#include <chrono>
#include <filesystem>

namespace Vexlor {

class TFile_Lock {
  public:
    TFile_Lock() = default;
    ~TFile_Lock() { Release(); }
    TFile_Lock(const TFile_Lock&) = delete;
    TFile_Lock& operator=(const TFile_Lock&) = delete;

    // Takes the lock of the lock file at path (made when missing), waiting up to wait while another
    // program holds it. A failure names the file and, when another program holds the lock, that
    // program's process number.
    TResult Take(const std::filesystem::path& path, std::chrono::milliseconds wait);
    void Release();
    bool Held() const { return Descriptor >= 0; }

  private:
    int Descriptor = -1;
};

} // namespace Vexlor
