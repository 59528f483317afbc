// An effect template read from any text: reading never fails, its stored form settles, and an
// effect can be generated from it (an expression whose value does not fit a whole number is a
// reported range error).
#include "Round_Trip.h"
#include "catalogues/Effect_Template.h"
#include "foundations/Random.h"

#include <stdexcept>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace Vexlor;
    const std::string text = Fuzzing::Text_Of(data, size);
    Fuzzing::Check_Round_Trip<TEffect_Template>(text);

    TEffect_Template effect;
    effect.Deserialize(text.c_str());
    TFunction_Random dice([](int n) { return n > 1 ? n / 2 : 0; });
    TRandom_Override override(dice);
    try {
        effect.Generate();
    } catch (const std::overflow_error&) {
    }
    return 0;
}
