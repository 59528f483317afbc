// A creature profile read from any text: reading never fails, its stored form settles, and
// creatures of every kind can be generated from it (checked arithmetic may report an overflow).
#include "Round_Trip.h"
#include "catalogues/Creature_Profile.h"
#include "foundations/Random.h"

#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace {

// Levels beyond any game's, which would only make generation roll dice for a long time.
constexpr int Most_Level = 1000;

bool Playable(const Vexlor::TCreature_Profile& profile) {
    return std::abs(static_cast<long long>(profile.Get_Level())) <= Most_Level &&
           std::abs(static_cast<long long>(profile.Get_Low_Level())) <= Most_Level;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace Vexlor;
    const std::string text = Fuzzing::Text_Of(data, size);
    Fuzzing::Check_Round_Trip<TCreature_Profile>(text);

    TCreature_Profile profile;
    profile.Deserialize(text.c_str());
    if (!Playable(profile))
        return 0;
    TFunction_Random dice([](int n) { return n > 1 ? n - 1 : 0; });
    TRandom_Override override(dice);
    for (int kind = CK_Ordinary; kind <= CK_Young + 1; ++kind)
        for (int level : {0, 1, 7}) {
            try {
                const auto creature = profile.Generate(level, true, kind);
                if (creature->Level < 1 ||
                    creature->Treasure_Type_Carried.size() > std::strlen(profile.Get_Treasure_Type_Carried()))
                    std::abort();
            } catch (const std::overflow_error&) {
            }
        }
    return 0;
}
