// Writing and reading a fully filled character, next to the bare tag reader's token loop over the
// same text: how much the character's own reading rules cost on top of splitting the text.
#include "characters/Characters.h"
#include "foundations/HTML.h"
#include "foundations/Random.h"

#include <benchmark/benchmark.h>

namespace {
using namespace Vexlor;

// Every stored field set, all six class slots filled.
void Fill(TVexlor_Character& character) {
    TFunction_Random dice([](int) { return 0; });
    TRandom_Override override(dice);
    character.Set_Gender(Gender_Female);
    character._Set_Name("Mara Voss");
    character.All_Names = "Mara Marika Mariska";
    int value = 3;
    for (int* score : {&character.Strength,
                       &character.Constitution,
                       &character.Dexterity,
                       &character.Cognitive,
                       &character.Perception,
                       &character.Wisdom,
                       &character.Charisma,
                       &character.Comeliness,
                       &character.Will,
                       &character.Age,
                       &character.Height,
                       &character.Weight,
                       &character.Child,
                       &character.Siblings,
                       &character.Hit_Points,
                       &character.AC,
                       &character.Credits,
                       &character.Rogue_Points,
                       &character.Rogue_Build_Robots_Level,
                       &character.Rogue_Open_Lock,
                       &character.Rogue_Climb})
        *score = value++;
    const int classes[] = {Class_Chemist,   Class_Medic, Class_General_Engineer,
                           Class_Physicist, Class_Rogue, Class_Linguist};
    for (int slot = 1; slot <= 6; ++slot) {
        character.Set_Class(slot, classes[slot - 1]);
        character.Set_Level(slot, slot + 3);
    }
    for (int q = 1; q <= 10; ++q)
        character.Set_Max_QIDS(q, q);
    for (int c = 1; c <= 9; ++c)
        character.Set_Max_CompoundS(c, c);
    for (int p = 0; p <= 20; ++p)
        character.Personality[p] = p % 10 + 1;
    character.VDNA[0] = 305419903;
    character.VDNA[1] = -131071;
}

void Serialize_And_Deserialize(benchmark::State& state) {
    TVexlor_Character written;
    Fill(written);
    TVexlor_Character read;
    for (auto _ : state) {
        const char* text = written.Serialize();
        read.Deserialize(text);
        benchmark::DoNotOptimize(read.Strength);
    }
}

void Serialize(benchmark::State& state) {
    TVexlor_Character written;
    Fill(written);
    for (auto _ : state)
        benchmark::DoNotOptimize(written.Serialize());
}

void Deserialize(benchmark::State& state) {
    TVexlor_Character written;
    Fill(written);
    const std::string text = written.Serialize();
    TVexlor_Character read;
    for (auto _ : state) {
        read.Deserialize(text.c_str());
        benchmark::DoNotOptimize(read.Strength);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

// The bare reader: a parser made for the text and every token taken, as a record reader starts.
void Raw_Token_Loop(benchmark::State& state) {
    TVexlor_Character written;
    Fill(written);
    const std::string text = written.Serialize();
    for (auto _ : state) {
        THTML_Parser parser;
        parser.Set_Source(text);
        std::size_t tokens = 0;
        while (!parser.Token().empty())
            ++tokens;
        benchmark::DoNotOptimize(tokens);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

BENCHMARK(Raw_Token_Loop);
BENCHMARK(Deserialize);
BENCHMARK(Serialize);
BENCHMARK(Serialize_And_Deserialize);

} // namespace
