// A hand-edited table file and hand-made catalogue records, of any bytes, rolled by the encounter,
// treasure, gem, jewellery and party tools. The input is the table file, then the creature
// profiles, item templates, QID plans and compound plans, one record a line, the five parts
// separated by NUL bytes. Nothing may crash, hang or recurse without end; the dice are drawn from
// a fixed sequence so that every find replays. The tables are read from the input in memory, as
// from the file, so no input waits on the disk.
#include "catalogues/Compounds.h"
#include "catalogues/Item_Template.h"
#include "catalogues/QID_Plan.h"
#include "foundations/Random.h"
#include "referee/Encounters.h"
#include "referee/Gems.h"
#include "referee/Parties.h"
#include "referee/Treasure.h"
#include "tests/Memory_Registry.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <random>

namespace {
using namespace Vexlor;

// Levels beyond any game's, which would only make generation roll hit dice for a long time.
constexpr long long Most_Level = 1000;

bool Playable(const TCreature_Profile& profile) {
    return std::llabs(profile.Get_Level()) <= Most_Level && std::llabs(profile.Get_Low_Level()) <= Most_Level;
}

// The five parts; the last takes the rest of the input.
std::vector<std::string> Parts_Of(const std::string& input) {
    std::vector<std::string> parts(5);
    std::size_t from = 0;
    for (std::size_t part = 0; part < parts.size() && from <= input.size(); ++part) {
        const auto end = part + 1 < parts.size() ? input.find('\0', from) : std::string::npos;
        parts[part] = input.substr(from, end == std::string::npos ? std::string::npos : end - from);
        from = end == std::string::npos ? input.size() + 1 : end + 1;
    }
    return parts;
}

const auto Any = [](const auto&) { return true; };

// The failures a tool reports to the game master: a table result that is not a whole number, and
// a sum too large for the game's numbers.
template <class Call> void Reporting_Failures(Call call) {
    try {
        call();
    } catch (const TConversion_Error&) {
    } catch (const std::overflow_error&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> parts = Parts_Of(std::string(reinterpret_cast<const char*>(data), size));
    TMemory_Registry<TCreature_Profile, TCreature_Registry> creatures;
    TMemory_Registry<TItem_Template, TItem_Registry> items;
    TMemory_Registry<TQID_Plan, TQID_Registry> qids;
    TMemory_Registry<TCompound_Plan, TCompound_Registry> compounds;
    Add_Records(creatures, parts[1], Playable);
    Add_Records(items, parts[2], Any);
    Add_Records(qids, parts[3], Any);
    Add_Records(compounds, parts[4], Any);

    std::minstd_rand engine(static_cast<std::uint32_t>(size));
    TFunction_Random dice(
        [&engine](int n) { return n > 1 ? static_cast<int>(engine() % static_cast<unsigned>(n)) : 0; });
    TRandom_Override use(dice);
    TTable tables(parts[0]);
    TOutput_File output([](const std::string&) {});
    TReferee referee(tables, TCatalogues{&items, &creatures, &qids, &compounds}, output);

    TEncounters encounters(referee);
    encounters.Roll(TEncounter_Choices{.Party_Size = 3});
    const std::string first_creature =
        creatures.Count() > 0 ? creatures.Get(0)->Get_Name() : "Character Party";
    encounters.Roll(TEncounter_Choices{.Level = static_cast<int>(size % 12),
                                       .Creature = first_creature,
                                       .Habitat = "Cave",
                                       .Climate = "Polar"});
    for (const char* type : {"<Random>", "Combined", "Artifact"})
        Roll_Treasure(referee, type);
    Roll_Gems(referee);
    Roll_Jewelry(referee);
    // Every kind of treasure letter once (the gem letters share one rule; M is the cheapest).
    Reporting_Failures([&referee] { Get_Treasure(referee, "ABCDEFGHIJKLMSTUVWXYZ"); });
    Reporting_Failures([&referee, size] {
        const TGenerated_Party party = Create_Party(referee, 2, static_cast<int>(size % 7));
        Party_Description(referee, party.Get_Party());
    });
    return 0;
}
