// A hand-edited table file of any bytes, checked. Nothing may crash or hang, and every finding
// must name a line of the file, in the order of the lines. Sampled roll lines draw a few samples
// from a fixed sequence, so that every find replays.
#include "foundations/Random.h"
#include "referee/Table_Check.h"

#include <cstdint>
#include <cstdlib>
#include <random>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace Vexlor;
    std::minstd_rand engine(static_cast<std::uint32_t>(size));
    TFunction_Random dice(
        [&engine](int n) { return n > 1 ? static_cast<int>(engine() % static_cast<unsigned>(n)) : 0; });
    TRandom_Override use(dice);
    const TTable_Check check = Check_Tables(std::string_view(reinterpret_cast<const char*>(data), size), 16);
    int last_line = 1;
    for (const TTable_Finding& finding : check.Findings) {
        if (finding.Line < last_line || finding.Line > static_cast<int>(check.Lines.size()) ||
            finding.Text.empty())
            std::abort();
        last_line = finding.Line;
        Finding_Line(finding);
    }
    Check_Summary(check.Findings);
    return 0;
}
