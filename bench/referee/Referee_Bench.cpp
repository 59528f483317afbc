// One press of "Roll" on the referee window's busiest tabs, on the shipped random tables and the
// starter catalogue as the catalogue library brings it up: ten encounters with every creature of
// each group generated and described (and now and then a party of characters), and ten treasures
// of the type "Combined". Times in microseconds per press.
#include "catalogues/library/Vexlor_Catalogues.h"
#include "foundations/Files.h"
#include "referee/Encounters.h"
#include "referee/Treasure.h"

#include <benchmark/benchmark.h>
#include <stdexcept>
#include <unistd.h>

namespace {
using namespace Vexlor;
namespace fs = std::filesystem;

// A campaign folder holding the shipped table file, the working folder for the whole run, with
// the catalogues filled from the starter catalogue on their first use there.
class TCampaign {
  public:
    TCampaign()
        : Folder(Make_Folder()),
          Catalogues(Folder / "Vexlor.catalogue", fs::path(VEXLOR_DATA_FOLDER) / "catalogues"),
          Referee(Tables,
                  TCatalogues{&Catalogues.Items, &Catalogues.Creatures, &Catalogues.QIDs,
                              &Catalogues.Compounds, &Catalogues.Effects, &Catalogues.Poisons},
                  Output) {}
    ~TCampaign() {
        fs::current_path(fs::temp_directory_path());
        fs::remove_all(Folder);
    }

    fs::path Folder;
    TVexlor_Catalogues Catalogues;
    TTable Tables;
    TOutput_File Output{[](const std::string&) {}};
    TReferee Referee;

  private:
    static fs::path Make_Folder() {
        const fs::path folder =
            fs::temp_directory_path() / ("vexlor_referee_bench_" + std::to_string(::getpid()));
        fs::create_directories(folder);
        if (const TResult written =
                Write_File_Atomic(folder / Table_File_Name,
                                  Read_File(fs::path(VEXLOR_DATA_FOLDER) / Table_File_Name).value_or(""));
            !written.Ok())
            throw std::runtime_error(written.Problem());
        fs::current_path(folder);
        return folder;
    }
};

TCampaign& Campaign() {
    static TCampaign campaign;
    return campaign;
}

void Encounters_Roll(benchmark::State& state) {
    TEncounters encounters(Campaign().Referee);
    const TEncounter_Choices choices{.Level = static_cast<int>(state.range(0))};
    std::size_t lines = 0;
    for (auto _ : state)
        lines += encounters.Roll(choices).Lines.size();
    state.counters["lines"] =
        benchmark::Counter(static_cast<double>(lines), benchmark::Counter::kAvgIterations);
}
// Level 0 is "<Random>".
BENCHMARK(Encounters_Roll)->Arg(0)->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);

void Treasure_Roll_Combined(benchmark::State& state) {
    std::size_t characters = 0;
    for (auto _ : state)
        for (const std::string& line : Roll_Treasure(Campaign().Referee, "Combined").Lines)
            characters += line.size();
    state.counters["characters"] =
        benchmark::Counter(static_cast<double>(characters), benchmark::Counter::kAvgIterations);
}
BENCHMARK(Treasure_Roll_Combined)->Unit(benchmark::kMicrosecond);

} // namespace
