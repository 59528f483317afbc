// The odds of a dice formula worked out exactly, die by die, next to the same odds sampled from
// 100,000 evaluations, the way any other formula is measured. Each exact run reports how many
// times faster it was than its sampled twin, as the counter "x_sampled" (processor time of the
// twin's run divided by its own).
#include "evaluator/Dice_Odds.h"

#include <benchmark/benchmark.h>

#include <ctime>
#include <map>
#include <string>

namespace {
using namespace Vexlor;

constexpr const char* Formulas[] = {"3D6+2", "10D10", "2D10-1D4", "100D6"};

double Thread_Seconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Processor seconds per call of the last sampled run of each formula.
std::map<std::string, double>& Sampled_Seconds() {
    static std::map<std::string, double> seconds;
    return seconds;
}

void Sampled(benchmark::State& state, const std::string& formula) {
    double mean = 0;
    const double start = Thread_Seconds();
    for (auto _ : state)
        mean += Sampled_Odds(formula).Mean;
    Sampled_Seconds()[formula] = (Thread_Seconds() - start) / static_cast<double>(state.iterations());
    benchmark::DoNotOptimize(mean);
}

void Exact(benchmark::State& state, const std::string& formula) {
    const auto sum = Read_Dice_Sum(formula);
    if (!sum) {
        state.SkipWithError("not a dice sum");
        return;
    }
    double mean = 0;
    const double start = Thread_Seconds();
    for (auto _ : state)
        mean += Exact_Odds(*sum)->Mean;
    const double seconds = (Thread_Seconds() - start) / static_cast<double>(state.iterations());
    if (const auto twin = Sampled_Seconds().find(formula); twin != Sampled_Seconds().end())
        state.counters["x_sampled"] = twin->second / seconds;
    benchmark::DoNotOptimize(mean);
}

int Register() {
    for (const char* formula : Formulas) {
        benchmark::RegisterBenchmark((std::string("Sampled/") + formula).c_str(), Sampled, formula)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("Exact/") + formula).c_str(), Exact, formula)
            ->Unit(benchmark::kMicrosecond);
    }
    return 0;
}

const int Registered = Register();

} // namespace
