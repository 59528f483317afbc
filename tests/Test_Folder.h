// Folders of their own for tests: every test works in a fresh temporary folder, never in the
// developer's own files, and the folder is removed afterwards.
#pragma once

#include "foundations/Files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

namespace Vexlor::Testing {

class TTemporary_Folder {
  public:
    TTemporary_Folder() {
        static int count = 0;
        Path = std::filesystem::temp_directory_path() /
               ("vexlor-test-" + std::to_string(::getpid()) + "-" + std::to_string(++count));
        std::filesystem::remove_all(Path);
        std::filesystem::create_directories(Path);
    }
    ~TTemporary_Folder() {
        std::error_code error;
        std::filesystem::remove_all(Path, error);
    }
    TTemporary_Folder(const TTemporary_Folder&) = delete;
    TTemporary_Folder& operator=(const TTemporary_Folder&) = delete;

    void Write(const std::string& name, const std::string& bytes) const {
        const TResult written = Write_File_Atomic(Path / name, bytes);
        ASSERT_TRUE(written.Ok()) << written.Problem();
    }
    std::string Read(const std::string& name) const { return Read_File(Path / name).value_or("(missing)"); }

    std::filesystem::path Path;
};

// A temporary folder that is the working folder while it lives, as the campaign folder is the
// program's working folder.
class TWorking_Folder : public TTemporary_Folder {
  public:
    TWorking_Folder() : Previous(std::filesystem::current_path()) { std::filesystem::current_path(Path); }
    ~TWorking_Folder() { std::filesystem::current_path(Previous); }

  private:
    std::filesystem::path Previous;
};

} // namespace Vexlor::Testing
