// The cost of one Eval call on the formulas the referee tools use, next to muparser parsing and
// evaluating the same arithmetic from its text on every call (its parser object reused).
#include "evaluator/Express.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

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

void Vexlor_Eval(benchmark::State& state, const TFormula& formula) {
    const std::string text = formula.Ours;
    long double sum = 0;
    for (auto _ : state) {
        long double value = 0, imaginary = 0;
        int position = 0, error = 0;
        Vexlor::Eval(text, value, imaginary, position, error);
        sum += value;
        if (error != 0)
            state.SkipWithError("evaluation failed");
    }
    benchmark::DoNotOptimize(sum);
}

void Muparser_Eval(benchmark::State& state, const TFormula& formula) {
    mu::Parser parser;
    double sum = 0;
    for (auto _ : state) {
        parser.SetExpr(formula.Muparser);
        sum += parser.Eval();
    }
    benchmark::DoNotOptimize(sum);
}

int Register() {
    for (const TFormula& formula : Formulas) {
        benchmark::RegisterBenchmark((std::string("Vexlor/") + formula.Ours).c_str(), Vexlor_Eval, formula);
        if (formula.Muparser != nullptr)
            benchmark::RegisterBenchmark((std::string("muparser/") + formula.Ours).c_str(), Muparser_Eval, formula);
    }
    return 0;
}

const int Registered = Register();

} // namespace
