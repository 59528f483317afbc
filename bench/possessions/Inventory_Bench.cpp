// Reading and writing the inventory of a well-equipped character (2,000 entries, containers three
// levels deep), next to the bare tag reader taking every token of the same text once. The
// inventory's run reports how many times the bare reader's time it took, as the counter "x_raw".
#include "possessions/Inventory.h"

#include "foundations/HTML.h"

#include <benchmark/benchmark.h>

#include <ctime>
#include <string>

namespace {
using namespace Vexlor;

double Thread_Seconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// 20 packs, each holding 9 cases, each holding 10 items: 2,000 entries, written the way a save
// writes them (each level sorted), with a few equipped items.
const std::string& Inventory_Text() {
    static const std::string text = [] {
        const char* goods[] = {"Ammo Clip",  "Flare",   "Goggles", "Laser Pistol", "Medkit",
                               "Power Cell", "Rations", "Rope",    "Scanner",      "Tool Kit"};
        std::string written = "<items>";
        for (int pack = 10; pack < 30; ++pack) {
            written += "<item>Backpack " + std::to_string(pack);
            for (int box = 1; box <= 9; ++box) {
                written += "<item>Case " + std::to_string(box);
                for (const char* good : goods)
                    written += "<item>" + std::string(good) + "</item>";
                written += "</item>";
            }
            written += "</item>";
        }
        return written + "</items><equip>Ballistic Vest|Combat Helmet|Laser Pistol</equip>";
    }();
    return text;
}

double& Raw_Seconds() {
    static double seconds = 0;
    return seconds;
}

// The tag reader as every record reader drives it: each token of the text taken once.
void Raw_Tag_Reader(benchmark::State& state) {
    const std::string& text = Inventory_Text();
    const double start = Thread_Seconds();
    for (auto _ : state) {
        THTML_Parser parser;
        parser.Set_Preserve_Whitespace(true);
        parser.Set_Source_View(text);
        std::string token;
        std::size_t tokens = 0;
        while (parser.Token_Into(token))
            ++tokens;
        benchmark::DoNotOptimize(tokens);
    }
    Raw_Seconds() = (Thread_Seconds() - start) / static_cast<double>(state.iterations());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void Inventory_Deserialize_And_Serialize(benchmark::State& state) {
    const std::string& text = Inventory_Text();
    TInventory inventory;
    const double start = Thread_Seconds();
    for (auto _ : state) {
        inventory.Deserialize(text);
        benchmark::DoNotOptimize(inventory.Serialize());
    }
    const double seconds = (Thread_Seconds() - start) / static_cast<double>(state.iterations());
    if (Raw_Seconds() > 0)
        state.counters["x_raw"] = seconds / Raw_Seconds();
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

BENCHMARK(Raw_Tag_Reader);
BENCHMARK(Inventory_Deserialize_And_Serialize);

} // namespace
