// One press of a button of the GM Helper window against the same tool called alone, in one run:
// "Roll" on the Dice tab (20 results of 1d6), "Roll" on Encounters at level 5 and "Roll" on
// Treasure of the type "Combined", on the shipped random tables and the starter catalogue. The
// window's widgets are real and shown on the offscreen platform. Times in microseconds per press;
// the window's share is its time over the tool's.
#include "catalogues/library/Vexlor_Catalogues.h"
#include "foundations/Files.h"
#include "referee/Encounters.h"
#include "referee/Treasure.h"
#include "shell/referee/GM_Helper_Dialog.h"
#include "widgets/Help_System.h"
#include "widgets/User_Prompts.h"

#include "bench/gui/Window_Bench.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>

#include <benchmark/benchmark.h>
#include <memory>

namespace {
using namespace Vexlor;
namespace fs = std::filesystem;

// A campaign folder holding the shipped table file, the working folder for the whole run, with
// the catalogues filled from the starter catalogue, and the window over them, shown.
class TCampaign {
  public:
    TCampaign()
        : Folder("gm_helper", Table_File_Name,
                 Read_File(fs::path(VEXLOR_DATA_FOLDER) / Table_File_Name).value_or("")),
          Catalogues(Folder.Path / "Vexlor.catalogue", fs::path(VEXLOR_DATA_FOLDER) / "catalogues"),
          Registries{&Catalogues.Items,     &Catalogues.Creatures, &Catalogues.QIDs,
                     &Catalogues.Compounds, &Catalogues.Effects,   &Catalogues.Poisons},
          Help(Folder.Path, "Vexlor.hlp", Prompts), Services{{Help, Prompts}, Registries, Tables, Output},
          Referee(Tables, Registries, Output), Window(Services) {
        Bench::Show_Prepared(Window);
    }

    void Press(const char* button) { Window.findChild<QPushButton*>(QString::fromLatin1(button))->click(); }
    void Choose(const char* box, const char* choice) {
        auto* combo = Window.findChild<QComboBox*>(QString::fromLatin1(box));
        combo->setCurrentIndex(combo->findText(QString::fromLatin1(choice)));
    }

    const Bench::TCampaign_Folder Folder;
    TVexlor_Catalogues Catalogues;
    TCatalogues Registries;
    TTable Tables;
    TOutput_File Output{[](const std::string&) {}};
    TQt_User_Prompts Prompts;
    THelp_System Help;
    TServices Services;
    TReferee Referee;
    TGM_Helper_Form Window;
};

TCampaign& Campaign() {
    return Bench::Fixture<TCampaign>();
}

void Dice_Tool(benchmark::State& state) {
    for (auto _ : state) {
        std::string die_roll = "1d6";
        benchmark::DoNotOptimize(Campaign().Referee.Roll(die_roll));
    }
}
void Dice_Window(benchmark::State& state) {
    for (auto _ : state)
        Campaign().Press("Dice_Roll_Button");
}

void Encounters_Tool(benchmark::State& state) {
    TEncounters encounters(Campaign().Referee);
    for (auto _ : state)
        benchmark::DoNotOptimize(encounters.Roll(TEncounter_Choices{.Level = 5}));
}
void Encounters_Window(benchmark::State& state) {
    Campaign().Choose("Encounter_Level", "5");
    for (auto _ : state)
        Campaign().Press("Encounters_Roll_Button");
}

void Treasure_Tool(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(Roll_Treasure(Campaign().Referee, "Combined"));
}
void Treasure_Window(benchmark::State& state) {
    Campaign().Choose("Treasure_Type", "Combined");
    for (auto _ : state)
        Campaign().Press("Treasure_Roll_Button");
}

BENCHMARK(Dice_Tool)->Unit(benchmark::kMicrosecond);
BENCHMARK(Dice_Window)->Unit(benchmark::kMicrosecond);
BENCHMARK(Encounters_Tool)->Unit(benchmark::kMicrosecond)->MinTime(2);
BENCHMARK(Encounters_Window)->Unit(benchmark::kMicrosecond)->MinTime(2);
BENCHMARK(Treasure_Tool)->Unit(benchmark::kMicrosecond)->MinTime(2);
BENCHMARK(Treasure_Window)->Unit(benchmark::kMicrosecond)->MinTime(2);

} // namespace

int main(int argc, char* argv[]) {
    return Vexlor::Bench::Run_Window_Benchmarks<TCampaign>(argc, argv);
}
