// The tag reader over a 10 MB party-like text, next to a plain std::string::find scan that
// splits the same text into the same tokens.
#include "foundations/HTML.h"

#include <benchmark/benchmark.h>

namespace {
using namespace Vexlor;

// Parties of characters as the party file holds them: attribute tags, sections with free text,
// nested item sections, line breaks between some tags as a hand edit leaves them.
const std::string& Party_Text() {
    static const std::string text = [] {
        std::string party;
        for (int n = 0; party.size() < 10'000'000; ++n) {
            party += "<character><name>Mara  Voss " + std::to_string(n) + "</name>";
            for (const char* score : {"strength", "dexterity", "constitution", "cognitive", "wisdom"})
                party += "<#" + std::string(score) + "=" + std::to_string(3 + n % 16) + ">";
            party += "<#class1=\"Chemist\"><#level1=4><#experience1=12000><#vdna=3,7>\r\n";
            party += "<description>Tall, scarred &amp; patient; speaks softly.</description>";
            party += "<items><item><#name=Laser Pistol><item><#name=Power Cell></item></item>"
                     "<item><#name=Medkit></item></items><equip><#hand=1></equip></character>\r\n";
        }
        return party;
    }();
    return text;
}

// Reads the text with the loop every record reader shares: every token once, attribute values
// converted, and sections (with the items nested inside the inventory) taken whole.
void Tag_Reader(benchmark::State& state) {
    const std::string& text = Party_Text();
    for (auto _ : state) {
        std::size_t sections = 0;
        long long values = 0;
        Read_Tagged_Text(text, TTag_Case::Lower, [&](const TTag& tag, THTML_Parser& parser) {
            if (tag.Name.compare(0, 2, "<#") == 0) {
                values += Get_Int(tag.Value);
                return true;
            }
            if (tag.Name == "<name>" || tag.Name == "<description>" || tag.Name == "<items>" ||
                tag.Name == "<equip>") {
                sections += parser.Get_Section(tag.Name).size();
                return true;
            }
            return tag.Name == "<character>" || tag.Name == "</character>";
        });
        benchmark::DoNotOptimize(sections);
        benchmark::DoNotOptimize(values);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void Find_Scan(benchmark::State& state) {
    const std::string& text = Party_Text();
    for (auto _ : state) {
        std::size_t tokens = 0, position = 0;
        while (position < text.size()) {
            const auto end = text[position] == '<' ? text.find('>', position) : text.find('<', position);
            position = end == std::string::npos ? text.size() : end + (text[position] == '<');
            ++tokens;
        }
        benchmark::DoNotOptimize(tokens);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

BENCHMARK(Find_Scan)->Unit(benchmark::kMillisecond);
BENCHMARK(Tag_Reader)->Unit(benchmark::kMillisecond);

} // namespace
