// A temporary campaign folder for one test: the working directory while the test runs.
#pragma once

#include "foundations/Files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace Vexlor {

class TCampaign_Folder {
  public:
    TCampaign_Folder() {
        Previous = std::filesystem::current_path();
        Folder = std::filesystem::temp_directory_path() /
                 ("vexlor-referee-" + std::to_string(::getpid()) + "-" +
                  testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(Folder);
        std::filesystem::create_directories(Folder);
        std::filesystem::current_path(Folder);
    }
    ~TCampaign_Folder() {
        std::filesystem::current_path(Previous);
        std::filesystem::remove_all(Folder);
    }
    void Write(const std::string& name, const std::string& text) const {
        ASSERT_EQ(Write_File_Atomic(Folder / name, text), 0);
    }
    std::filesystem::path Folder, Previous;
};

} // namespace Vexlor
