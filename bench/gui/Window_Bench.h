// What the window benchmarks share: the window and what it needs are made on first use, since
// widgets need the application, and go before the application does; the benchmarks run on the
// offscreen platform.
#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>
#include <memory>

namespace Vexlor::Bench {

template <class T> std::unique_ptr<T>& Made_Once() {
    static std::unique_ptr<T> made;
    return made;
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
