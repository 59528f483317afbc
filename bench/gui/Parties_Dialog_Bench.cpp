// The parties window over the party file of a long campaign: one party of 10,000 characters with
// their inventories (about 20 MB) beside a party of one. Showing the window (the party file read,
// the large party's characters listed with their names' column fitted) and selecting the large
// party from the small one, each next to the bare read of the same file in the same run. The
// window's widgets are real and shown on the offscreen platform; times in milliseconds.
#include "foundations/Files.h"
#include "referee/Output_File.h"
#include "referee/Tables.h"
#include "roster/Party_File.h"
#include "shell/characters/CharacterChoice.h"
#include "widgets/Help_System.h"
#include "widgets/User_Prompts.h"

#include "bench/gui/Window_Bench.h"

#include <QApplication>
#include <QListWidget>

#include <benchmark/benchmark.h>
#include <memory>

namespace {
using namespace Vexlor;
namespace fs = std::filesystem;

constexpr int Party_Size = 10000;

// A character who has played for months: scores, a class, and a pack of weapons, armour and gear.
std::string Stored_Text(int number) {
    std::string text = "<name>Mara Voss " + std::to_string(number) +
                       "</name><#strength=" + std::to_string(3 + number % 16) + "><#class1=\"" +
                       std::string(Class_Name[number % Max_Classes]) +
                       "\"><#level1=" + std::to_string(1 + number % 9) + "><items>";
    for (int item = 0; item < 16; ++item)
        text +=
            "<item>Laser Pistol Mk " + std::to_string(item) + "</item><item>Plate Armor &amp; Helmet</item>";
    return text + "<item>PID<item>Heal plan</item></item></items><equip>Laser Pistol Mk 1</equip>";
}

// The campaign folder, the working folder of the whole run, with its party file, and the window
// over it, shown.
class TCampaign {
  public:
    TCampaign()
        : Folder("parties", Party_File_Name, Party_File_Contents()),
          Help(Folder.Path, "Vexlor.hlp", Prompts), Services{{Help, Prompts}, TCatalogues{}, Tables, Output},
          Window(Services) {
        Bench::Show_Prepared(Window);
    }

    QListWidget* List(const char* name) { return Window.findChild<QListWidget*>(QString::fromLatin1(name)); }

    const Bench::TCampaign_Folder Folder;
    TTable Tables;
    TOutput_File Output{[](const std::string&) {}};
    TQt_User_Prompts Prompts;
    THelp_System Help;
    TServices Services;
    TCharacter_Choice_Dialog Window;

  private:
    static std::string Party_File_Contents() {
        TRoster_List characters;
        for (int number = 0; number < Party_Size; ++number) {
            TVexlor_Character character;
            character.Deserialize(Stored_Text(number).c_str());
            characters.push_back({Character_Display_Text(character), Stored_Text(number)});
        }
        const TRoster_List parties{{"Alpha team", Party_Text(characters)},
                                   {"Beta team", Party_Text({characters.front()})}};
        return Party_File_Text(parties);
    }
};

TCampaign& Campaign() {
    return Bench::Fixture<TCampaign>();
}

void Party_File_Read(benchmark::State& state) {
    const fs::path file = Campaign().Folder.Path / Party_File_Name;
    for (auto _ : state)
        benchmark::DoNotOptimize(Read_File(file));
}

void Show_Parties_Window(benchmark::State& state) {
    for (auto _ : state) {
        Campaign().Window.Prepare();
        QApplication::processEvents();
    }
    state.counters["characters"] = Campaign().List("Characters_List")->count();
}

void Select_Large_Party(benchmark::State& state) {
    QListWidget* parties = Campaign().List("Parties_List");
    for (auto _ : state) {
        state.PauseTiming();
        parties->setCurrentRow(1);
        QApplication::processEvents();
        state.ResumeTiming();
        parties->setCurrentRow(0);
        QApplication::processEvents();
    }
    state.counters["characters"] = Campaign().List("Characters_List")->count();
}

BENCHMARK(Party_File_Read)->Unit(benchmark::kMillisecond);
BENCHMARK(Show_Parties_Window)->Unit(benchmark::kMillisecond);
BENCHMARK(Select_Large_Party)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    return Vexlor::Bench::Run_Window_Benchmarks<TCampaign>(argc, argv);
}
