// What the window benchmarks share: the window and what it needs are made on first use, since
// widgets need the application, and go before the application does; the benchmarks run on the
// offscreen platform.
#pragma once

#include "foundations/Files.h"

#include <QApplication>

#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace Vexlor::Bench {

template <class T> std::unique_ptr<T>& Made_Once() {
    static std::unique_ptr<T> made;
    return made;
}

// A campaign folder of the benchmark named bench in the temporary folder, made the working folder,
// holding file_name with bytes; it is removed with everything in it when it goes.
class TCampaign_Folder {
  public:
    TCampaign_Folder(const std::string& bench, const std::filesystem::path& file_name,
                     const std::string& bytes)
        : Path(std::filesystem::temp_directory_path() /
               ("vexlor_" + bench + "_bench_" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(Path);
        if (const TResult written = Write_File_Atomic(Path / file_name, bytes); !written.Ok())
            throw std::runtime_error(written.Problem());
        std::filesystem::current_path(Path);
    }
    ~TCampaign_Folder() {
        std::filesystem::current_path(std::filesystem::temp_directory_path());
        std::filesystem::remove_all(Path);
    }
    TCampaign_Folder(const TCampaign_Folder&) = delete;
    TCampaign_Folder& operator=(const TCampaign_Folder&) = delete;

    const std::filesystem::path Path;
};

// Shows window as the main window does: brought up to date, shown, and its first paint done.
template <class W> void Show_Prepared(W& window) {
    window.Prepare();
    window.show();
    QApplication::processEvents();
}

// The benchmarks' window with what it needs, made on first use.
template <class T> T& Fixture() {
    std::unique_ptr<T>& made = Made_Once<T>();
    if (!made)
        made = std::make_unique<T>();
    return *made;
}

// Runs the benchmarks the command line names with an offscreen application, then lets the
// fixture go before the application does.
template <class T> int Run_Window_Benchmarks(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Made_Once<T>().reset();
    return 0;
}

} // namespace Vexlor::Bench
