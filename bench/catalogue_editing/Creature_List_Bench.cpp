// The complete creature list of a catalogue of 10,000 creature profiles with level ranges, two
// habitats each and every frequency: the report built (listings gathered, sorted and set as text)
// against the same report written to a file atomically, in one run. Times in milliseconds per
// list; the file's share is the write's time over the building's.
#include "catalogues/editing/Creature_List.h"
#include "tests/Memory_Registry.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <stdexcept>
#include <unistd.h>

namespace {
using namespace Vexlor;
namespace fs = std::filesystem;

using TCreatures = TMemory_Registry<TCreature_Profile, TCreature_Registry>;

constexpr int Catalogue_Size = 10000;

TCreatures& Creatures() {
    static TCreatures creatures;
    for (int i = creatures.Count(); i < Catalogue_Size; ++i) {
        auto* profile = new TCreature_Profile;
        profile->Set_Name(("Creature " + std::to_string(i * 7919 % Catalogue_Size)).c_str());
        profile->Set_Frequency(1 + i % 6);
        profile->Set_Low_Level(1 + i % 20);
        profile->Set_Level(1 + i % 20 + (i % 3 == 0 ? 0 : i % 4));
        profile->Set_Habitat(0, static_cast<THabitat>(i % 21));
        profile->Set_Climate(0, static_cast<THabitat_Climate>(i % 5));
        profile->Set_Habitat(1, static_cast<THabitat>((i + 7) % 21));
        profile->Set_Climate(1, static_cast<THabitat_Climate>((i + 2) % 5));
        creatures.Add(profile);
    }
    return creatures;
}

void Report_Built(benchmark::State& state) {
    TCreatures& creatures = Creatures();
    for (auto _ : state)
        benchmark::DoNotOptimize(Creature_List_Text(Creature_List_Of(creatures)));
}

void Report_Written(benchmark::State& state) {
    const fs::path folder =
        fs::temp_directory_path() / ("vexlor_creature_list_bench_" + std::to_string(::getpid()));
    fs::create_directories(folder);
    TCreatures& creatures = Creatures();
    for (auto _ : state)
        if (const TResult written = Write_Creature_List(creatures, folder / "bestiary.txt"); !written.Ok())
            throw std::runtime_error(written.Problem());
    fs::remove_all(folder);
}

BENCHMARK(Report_Built)->Unit(benchmark::kMillisecond);
BENCHMARK(Report_Written)->Unit(benchmark::kMillisecond);

} // namespace
