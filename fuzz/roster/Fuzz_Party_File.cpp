// A party file of any bytes: reading never fails, every party name and display text it yields is
// written so that it reads back the same, and the parties read, written back, read back as they
// are: none of them takes in the parties written after it.
#include "roster/Party_File.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {
using namespace Vexlor;

// The list with its texts alone, written and read back, must keep every text.
void Check_Texts_Round_Trip(const TRoster_List& list) {
    TRoster_List texts;
    for (const auto& entry : list)
        texts.push_back({entry.Text, {}});
    const TRoster_List read = Read_Parties(Party_File_Text(texts));
    if (read.size() != texts.size())
        std::abort();
    for (std::size_t i = 0; i < read.size(); ++i)
        if (read[i].Text != texts[i].Text)
            std::abort();
}

void Check_Parties_Round_Trip(const TRoster_List& parties) {
    const TRoster_List read = Read_Parties(Party_File_Text(parties));
    if (read.size() != parties.size())
        std::abort();
    for (std::size_t i = 0; i < read.size(); ++i)
        if (read[i].Text != parties[i].Text || read[i].Stored != parties[i].Stored)
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TRoster_List parties = Read_Parties(text);
    Check_Texts_Round_Trip(parties);
    Check_Parties_Round_Trip(parties);
    for (const auto& party : parties)
        Check_Texts_Round_Trip(Read_Party_Members(party.Stored));
    Check_Texts_Round_Trip(Read_Party_Members(text));
    return 0;
}
