// The cost of one Eval call on the formulas the referee tools use, next to muparser parsing and
// evaluating the same arithmetic from its text on every call (its parser object reused). Each of
// our benchmarks that has a muparser twin reports how many times faster it ran, as the counter
// "x_muparser" (processor time of the twin's run divided by ours).
#include "evaluator/Express.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <ctime>
#include <map>
#include <string>

namespace {

struct TFormula {
    const char* Ours;
    const char* Muparser; // nullptr where muparser has no such operation
};

constexpr TFormula Formulas[] = {
    {"42", "42"},
    {"2+3*4", "2+3*4"},
    {"(2+3)*4", "(2+3)*4"},
    {"2^10", "2^10"},
    {"LOG10(250)*2", "log10(250)*2"},
    {"ROOT(27,3)", nullptr},
    {"SIN(0)+2", "sin(0)+2"},
    {"((1+2)*(3+4))/(5-6)+7*8-9", "((1+2)*(3+4))/(5-6)+7*8-9"},
    {"3D6+2", nullptr},
};

double Thread_Seconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Processor seconds per call of the last muparser run of each formula.
std::map<std::string, double>& Muparser_Seconds() {
    static std::map<std::string, double> seconds;
    return seconds;
}

void Muparser_Eval(benchmark::State& state, const TFormula& formula) {
    mu::Parser parser;
    double sum = 0;
    const double start = Thread_Seconds();
    for (auto _ : state) {
        parser.SetExpr(formula.Muparser);
        sum += parser.Eval();
    }
    Muparser_Seconds()[formula.Ours] = (Thread_Seconds() - start) / static_cast<double>(state.iterations());
    benchmark::DoNotOptimize(sum);
}

void Vexlor_Eval(benchmark::State& state, const TFormula& formula) {
    const std::string text = formula.Ours;
    long double sum = 0;
    const double start = Thread_Seconds();
    for (auto _ : state) {
        long double value = 0, imaginary = 0;
        int position = 0, error = 0;
        Vexlor::Eval(text, value, imaginary, position, error);
        sum += value;
        if (error != 0)
            state.SkipWithError("evaluation failed");
    }
    const double seconds = (Thread_Seconds() - start) / static_cast<double>(state.iterations());
    if (const auto twin = Muparser_Seconds().find(formula.Ours); twin != Muparser_Seconds().end())
        state.counters["x_muparser"] = twin->second / seconds;
    benchmark::DoNotOptimize(sum);
}

int Register() {
    for (const TFormula& formula : Formulas) {
        if (formula.Muparser != nullptr)
            benchmark::RegisterBenchmark((std::string("muparser/") + formula.Ours).c_str(), Muparser_Eval,
                                         formula);
        benchmark::RegisterBenchmark((std::string("Vexlor/") + formula.Ours).c_str(), Vexlor_Eval, formula);
    }
    return 0;
}

const int Registered = Register();

} // namespace
