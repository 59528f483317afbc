// Opening the item list window over a catalogue of 10,000 item templates with "Show all" checked
// (the list filled afresh, the window shown and its events run, then hidden again), against
// listing the same catalogue's names alone, in one run. The window's widgets are real and shown on
// the offscreen platform; the catalogue is held in memory. Times in milliseconds per opening; the
// window's share is its time over the listing's.
#include "catalogues/Item_Template.h"
#include "referee/Output_File.h"
#include "referee/Tables.h"
#include "shell/catalogues/Catalogue_Choice_Dialog.h"
#include "tests/Memory_Registry.h"
#include "widgets/Help_System.h"
#include "widgets/User_Prompts.h"

#include "bench/gui/Window_Bench.h"

#include <QApplication>
#include <QCheckBox>

#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>

namespace {
using namespace Vexlor;

constexpr int Catalogue_Size = 10000;

// Half armour, half other items, as the catalogue of a long campaign holds them.
std::string Item_Lines() {
    std::string lines;
    for (int number = 0; number < Catalogue_Size; ++number)
        lines += "<#name=Item " + std::to_string(number) + "><#class=" + (number % 2 ? "Armor" : "Other") +
                 "><#damage=0-0><#weight=1>\n";
    return lines;
}

// The item list window over the catalogue, with every item shown.
class TItem_List {
  public:
    TItem_List()
        : Help(std::filesystem::temp_directory_path(), "Vexlor.hlp", Prompts),
          Services{{Help, Prompts}, TCatalogues{.Items = &Items}, Tables, Output},
          Window(Services, TCatalogue_Choice::Items) {
        Add_Records(Items, Item_Lines(), [](const TItem_Template&) { return true; });
        Window.findChild<QCheckBox*>(QStringLiteral("Show_All"))->setChecked(true);
    }

    TMemory_Registry<TItem_Template, TItem_Registry> Items;
    TTable Tables;
    TOutput_File Output{[](const std::string&) {}};
    TQt_User_Prompts Prompts;
    THelp_System Help;
    TServices Services;
    TCatalogue_Choice_Dialog Window;
};

TItem_List& List() {
    return Bench::Fixture<TItem_List>();
}

void Listing_Alone(benchmark::State& state) {
    TRegistry_List<TItem_Template> catalogue(List().Items, List().Services.Catalogues);
    for (auto _ : state)
        benchmark::DoNotOptimize(catalogue.Listed_Names(TList_Filter{}));
}

void Window_Opening(benchmark::State& state) {
    TCatalogue_Choice_Dialog& window = List().Window;
    for (auto _ : state) {
        Bench::Show_Prepared(window);
        window.hide();
    }
}

BENCHMARK(Listing_Alone)->Unit(benchmark::kMillisecond);
BENCHMARK(Window_Opening)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    return Vexlor::Bench::Run_Window_Benchmarks<TItem_List>(argc, argv);
}
