// The catalogue library with a catalogue of 10,000 item templates: bringing the catalogues up
// from the catalogue file at start-up, next to reading the same texts with no file at all; and
// finding a template by name, next to searching the list for it. Storing one change, committed
// to the disk, for scale.
#include "catalogues/library/Catalogue_Store.h"
#include "catalogues/library/Vexlor_Catalogues.h"
#include "foundations/Files.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstring>
#include <random>
#include <stdexcept>
#include <unistd.h>

namespace {
using namespace Vexlor;
namespace fs = std::filesystem;

constexpr int Catalogue_Size = 10000;

// Weapons, armour and containers with names, damage, costs and a description, as a large
// home-made catalogue holds them.
std::string Item_Text(int number) {
    static const char* const kinds[] = {"Laser Pistol", "Plate Armor", "Cargo Crate", "Stun Baton",
                                        "Med Kit"};
    TItem_Template item;
    item.Set_Name((std::string(kinds[number % 5]) + " Mk " + std::to_string(number)).c_str());
    item.Set_Classification(static_cast<TItem_Class>(number % 8));
    item.Set_Damage({1 + number % 4, 6 + number % 10});
    item.Set_Cost(100 + number);
    item.Set_Weight(5 + number % 300);
    item.Set_Range(number % 50);
    item.Set_Capacity(number % 7);
    item.Set_Equip_Class(number % 2 ? EC_Hand : EC_Torso);
    item.Set_Description("Standard issue of the outer colonies; rugged, repairable & cheap to run.");
    return item.Serialize();
}

// Setting the catalogue up must succeed, or nothing measured means anything.
void Must(const TResult& result) {
    if (!result.Ok())
        throw std::runtime_error(result.Problem());
}

// A folder with a catalogue file whose item catalogue holds the 10,000 templates and whose other
// catalogues are empty, removed at the end of the run.
class TLarge_Catalogue {
  public:
    TLarge_Catalogue()
        : Folder(fs::temp_directory_path() / ("vexlor_catalogue_bench_" + std::to_string(::getpid()))) {
        fs::create_directories(Folder);
        for (const char* name :
             {"items.txt", "creatures.txt", "qids.txt", "compounds.txt", "effects.txt", "poisons.txt"})
            Must(Write_File_Atomic(Folder / name, ""));
        { TVexlor_Catalogues first_use(File(), Folder); }
        std::string reason;
        const auto store = TCatalogue_Store::Open(File(), reason);
        Must(store->Begin_Writing());
        for (int number = 0; number < Catalogue_Size; ++number) {
            Texts.push_back(Item_Text(number));
            TItem_Template item;
            item.Deserialize(Texts.back().c_str());
            Names.push_back(item.Get_Name());
            Must(store->Put("items", Names.back(), Texts.back()));
        }
        Must(store->Commit());
        std::shuffle(Names.begin(), Names.end(), std::mt19937(7));
    }
    ~TLarge_Catalogue() { fs::remove_all(Folder); }

    static TLarge_Catalogue& Get() {
        static TLarge_Catalogue catalogue;
        return catalogue;
    }
    fs::path File() const { return Folder / "Vexlor.catalogue"; }

    const fs::path Folder;
    std::vector<std::string> Texts;
    std::vector<std::string> Names; // in random order
};

// The catalogue file opened, every record read and rebuilt, the catalogues sorted.
void Start_Up(benchmark::State& state) {
    const TLarge_Catalogue& large = TLarge_Catalogue::Get();
    for (auto _ : state) {
        TVexlor_Catalogues catalogues(large.File(), large.Folder);
        if (catalogues.Items.Count() != Catalogue_Size || !catalogues.Set.Status().empty())
            state.SkipWithError("the catalogue did not load whole");
    }
    state.SetItemsProcessed(state.iterations() * Catalogue_Size);
}

// The same records rebuilt from their texts in memory: what start-up costs without the file.
void Deserialize_Only(benchmark::State& state) {
    const TLarge_Catalogue& large = TLarge_Catalogue::Get();
    for (auto _ : state)
        for (const std::string& text : large.Texts) {
            TItem_Template item;
            item.Deserialize(text.c_str());
            benchmark::DoNotOptimize(item.Get_Name());
        }
    state.SetItemsProcessed(state.iterations() * Catalogue_Size);
}

TVexlor_Catalogues& Loaded() {
    static TVexlor_Catalogues catalogues(TLarge_Catalogue::Get().File(), TLarge_Catalogue::Get().Folder);
    return catalogues;
}

void Get_By_Name(benchmark::State& state) {
    const std::vector<std::string>& names = TLarge_Catalogue::Get().Names;
    TItem_Registry& items = Loaded().Items;
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(items.Get(names[next].c_str()));
        next = (next + 1) % names.size();
    }
}

// The peer: walking the list by index until the name matches.
void Search_By_Index(benchmark::State& state) {
    const std::vector<std::string>& names = TLarge_Catalogue::Get().Names;
    TItem_Registry& items = Loaded().Items;
    std::size_t next = 0;
    for (auto _ : state) {
        const char* name = names[next].c_str();
        TItem_Template* found = nullptr;
        for (std::int32_t i = 0; i < items.Count() && !found; ++i)
            if (std::strcmp(items.Get(i)->Get_Name(), name) == 0)
                found = items.Get(i);
        benchmark::DoNotOptimize(found);
        next = (next + 1) % names.size();
    }
}

// One edited template stored: a transaction committed to the disk before Add returns.
void Add_Replacing(benchmark::State& state) {
    const TLarge_Catalogue& large = TLarge_Catalogue::Get();
    TItem_Registry& items = Loaded().Items;
    int number = 0;
    for (auto _ : state) {
        auto* item = new TItem_Template;
        item->Deserialize(large.Texts[static_cast<std::size_t>(number++ % Catalogue_Size)].c_str());
        items.Add(item);
    }
}

BENCHMARK(Deserialize_Only)->Unit(benchmark::kMillisecond);
BENCHMARK(Start_Up)->Unit(benchmark::kMillisecond);
BENCHMARK(Search_By_Index)->Unit(benchmark::kMicrosecond);
BENCHMARK(Get_By_Name)->Unit(benchmark::kNanosecond);
BENCHMARK(Add_Replacing)->Unit(benchmark::kMillisecond)->Iterations(100);

} // namespace
