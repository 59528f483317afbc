// The party file of a long campaign: one party of 10,000 characters with their inventories, about
// 20 MB. Reading it as the parties dialog does on each showing (the file read, the parties split
// off, the first party's characters listed and sorted) and writing it back after a change (the
// characters folded into their party, the file's text built and written), each next to a raw read
// or write of the same bytes in the same run. The write is measured without the flush to the disk,
// which costs the same whatever writes the bytes; a complete atomic rewrite is measured for scale.
#include "characters/Characters.h"
#include "foundations/Files.h"
#include "roster/Party_File.h"
#include "roster/Party_Roster.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <unistd.h>

namespace {
using namespace Vexlor;
namespace fs = std::filesystem;

constexpr int Party_Size = 10000;

// A character with scores, classes and a name, and an inventory of weapons, armour and a pack of
// gear, as a character who has played for months carries.
std::string Stored_Text(int number) {
    TVexlor_Character character;
    character._Set_Name("Mara Voss " + std::to_string(number));
    character.Strength = 3 + number % 16;
    character.Hit_Points = 20 + number % 50;
    character.Credits = 1000 + number;
    character.Set_Class(1, number % Max_Classes);
    character.Set_Level(1, 1 + number % 9);
    std::string text = character.Serialize();
    text += "<items>";
    for (int item = 0; item < 16; ++item)
        text +=
            "<item>Laser Pistol Mk " + std::to_string(item) + "</item><item>Plate Armor &amp; Helmet</item>";
    text += "<item>Backpack<item>Rope</item><item>Rations</item><item>Med Kit</item></item>";
    text += "<item>PID<item>Heal plan</item><item>Stun recipe</item></item></items>";
    text += "<equip>Laser Pistol Mk 1|Plate Armor &amp; Helmet</equip>";
    return text;
}

class TLarge_Party {
  public:
    TLarge_Party()
        : Folder(fs::temp_directory_path() / ("vexlor_roster_bench_" + std::to_string(::getpid()))) {
        fs::create_directories(Folder);
        TRoster_List characters;
        for (int number = 0; number < Party_Size; ++number) {
            TVexlor_Character character;
            character.Deserialize(Stored_Text(number).c_str());
            characters.push_back({Character_Display_Text(character), Stored_Text(number)});
        }
        Parties = {{"Alpha team", Party_Text(characters)}, {"Beta team", ""}};
        Bytes = Party_File_Text(Parties);
        if (const TResult written = Write_File_Atomic(File(), Bytes); !written.Ok())
            throw std::runtime_error(written.Problem());
    }
    ~TLarge_Party() { fs::remove_all(Folder); }

    static TLarge_Party& Get() {
        static TLarge_Party party;
        return party;
    }
    fs::path File() const { return Folder / "Characters.master"; }

    const fs::path Folder;
    TRoster_List Parties;
    std::string Bytes;
};

void Write_Plain(const fs::path& path, const std::string& bytes) {
    if (const TFile file = Open_File(path, "wb"))
        std::fwrite(bytes.data(), 1, bytes.size(), file.get());
}

void Set_Bytes(benchmark::State& state) {
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(TLarge_Party::Get().Bytes.size()));
}

void Raw_Read(benchmark::State& state) {
    const TLarge_Party& party = TLarge_Party::Get();
    for (auto _ : state)
        benchmark::DoNotOptimize(Read_File(party.File()));
    Set_Bytes(state);
}

void Read_Parties_And_Characters(benchmark::State& state) {
    const TLarge_Party& party = TLarge_Party::Get();
    TParty_Roster roster(party.File());
    for (auto _ : state) {
        if (const TResult loaded = roster.Load(); !loaded.Ok())
            state.SkipWithError(loaded.Problem().c_str());
        benchmark::DoNotOptimize(roster.Characters().data());
    }
    state.counters["characters"] = static_cast<double>(roster.Characters().size());
    Set_Bytes(state);
}

void Raw_Write(benchmark::State& state) {
    const TLarge_Party& party = TLarge_Party::Get();
    for (auto _ : state)
        Write_Plain(party.Folder / "raw", party.Bytes);
    Set_Bytes(state);
}

void Fold_And_Write(benchmark::State& state) {
    const TLarge_Party& party = TLarge_Party::Get();
    TRoster_List parties = party.Parties;
    const TRoster_List characters = Read_Party_Members(parties[0].Stored);
    for (auto _ : state) {
        parties[0].Stored = Party_Text(characters);
        Write_Plain(party.Folder / "written", Party_File_Text(parties));
    }
    Set_Bytes(state);
}

void Atomic_Rewrite_After_A_Change(benchmark::State& state) {
    const TLarge_Party& party = TLarge_Party::Get();
    fs::copy_file(party.File(), party.Folder / "changed", fs::copy_options::overwrite_existing);
    TParty_Roster roster(party.Folder / "changed");
    if (const TResult loaded = roster.Load(); !loaded.Ok())
        state.SkipWithError(loaded.Problem().c_str());
    for (auto _ : state)
        if (const TResult written =
                roster.Replace_Character(roster.Characters()[0].Text, roster.Characters()[0].Stored);
            !written.Ok())
            state.SkipWithError(written.Problem().c_str());
    Set_Bytes(state);
}

BENCHMARK(Raw_Read)->Unit(benchmark::kMillisecond);
BENCHMARK(Read_Parties_And_Characters)->Unit(benchmark::kMillisecond);
BENCHMARK(Raw_Write)->Unit(benchmark::kMillisecond);
BENCHMARK(Fold_And_Write)->Unit(benchmark::kMillisecond);
BENCHMARK(Atomic_Rewrite_After_A_Change)->Unit(benchmark::kMillisecond);

} // namespace
