// Any bytes as a formula. When it reads as dice and whole numbers, its exact odds must span what
// the sum says, add up to one, and hold every value the evaluator rolls for the same text: the
// reading of a dice sum and the evaluator's agree. The dice come from a fixed sequence, so that
// every find replays.
#include "evaluator/Dice_Odds.h"
#include "evaluator/Express.h"
#include "foundations/Random.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace Vexlor;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto sum = Read_Dice_Sum(text);
    if (!sum)
        return 0;
    const auto odds = Exact_Odds(*sum);
    if (!odds)
        return 0;
    double total = 0;
    for (const TOdds_Value& value : odds->Values)
        total += value.Chance;
    if (odds->Minimum() != sum->Minimum() || odds->Maximum() != sum->Maximum() || std::fabs(total - 1) > 1e-9)
        std::abort();
    std::minstd_rand engine(static_cast<std::uint32_t>(size));
    TFunction_Random dice(
        [&engine](int n) { return n > 1 ? static_cast<int>(engine() % static_cast<unsigned>(n)) : 0; });
    TRandom_Override use(dice);
    for (int roll = 0; roll < 4; ++roll) {
        long double value = 0, imaginary = 0;
        int position = 0, error = 0;
        Eval(text, value, imaginary, position, error);
        if (error != 0 || value < odds->Minimum() || value > odds->Maximum() ||
            odds->Chance(static_cast<long long>(value)) <= 0)
            std::abort();
    }
    return 0;
}
