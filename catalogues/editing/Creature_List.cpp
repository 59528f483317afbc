#include "catalogues/editing/Creature_List.h"

#include "catalogues/editing/Creature_Editing.h"
#include "foundations/CommonUt.h"
#include "foundations/Files.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <type_traits>

namespace Vexlor {

namespace {

constexpr std::array<std::string_view, 6> Frequency_Words{"Unique   ", "Extr rare", "Very rare",
                                                          "Rare     ", "Uncommon ", "Common   "};
constexpr std::size_t Place_Width = 22;
constexpr std::size_t Place_Heading_Width = 21;
constexpr std::string_view Gap = "    ";

// Text order as the catalogues list names: letters compared without regard to case, texts that
// differ only in case in a fixed order.
int Compare_Text(std::string_view a, std::string_view b) {
    const std::size_t length = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < length; ++i) {
        const auto x = static_cast<unsigned char>(Lower_Char(a[i]));
        const auto y = static_cast<unsigned char>(Lower_Char(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

// The place of each word, and of each climate and habitat, in text order: the lists sort by these
// numbers instead of comparing the same few texts again and again.
class TSort_Ranks {
  public:
    TSort_Ranks() {
        std::array<int, Frequency_Words.size()> frequencies{1, 2, 3, 4, 5, 6};
        std::sort(frequencies.begin(), frequencies.end(),
                  [](int a, int b) { return Compare_Text(Frequency_Word(a), Frequency_Word(b)) < 0; });
        for (std::size_t rank = 0; rank < frequencies.size(); ++rank)
            Word[static_cast<std::size_t>(frequencies[rank])] = static_cast<int>(rank);
        std::vector<std::pair<std::string, std::size_t>> places;
        for (std::size_t climate = 0; climate < Climates; ++climate)
            for (std::size_t habitat = 0; habitat < Habitats; ++habitat)
                places.emplace_back(
                    Place_Text(static_cast<THabitat_Climate>(climate), static_cast<THabitat>(habitat)),
                    climate * Habitats + habitat);
        std::sort(places.begin(), places.end(),
                  [](const auto& a, const auto& b) { return Compare_Text(a.first, b.first) < 0; });
        for (std::size_t rank = 0; rank < places.size(); ++rank)
            Place[places[rank].second] = static_cast<int>(rank);
    }

    int Word_Rank(const TCreature_Listing& listing) const {
        return Word[static_cast<std::size_t>(listing.Frequency)];
    }
    int Place_Rank(const TCreature_Listing& listing) const {
        return Place[listing.Climate * Habitats + listing.Habitat];
    }

  private:
    static constexpr std::size_t Climates = std::remove_cvref_t<decltype(Habitat_Climate_Strings)>::Count;
    static constexpr std::size_t Habitats = std::remove_cvref_t<decltype(Habitat_Strings)>::Count;
    std::array<int, Frequency_Words.size() + 1> Word{};
    std::array<int, Climates * Habitats> Place{};
};

const TSort_Ranks& Ranks() {
    static const TSort_Ranks ranks;
    return ranks;
}

// Orders by the numbers first, then by the names.
bool Before(int a, int b, const TCreature_Listing& x, const TCreature_Listing& y) {
    return a != b ? a < b : Compare_Text(x.Name, y.Name) < 0;
}

bool Level_Before(const TCreature_Listing& a, const TCreature_Listing& b) {
    const auto& ranks = Ranks();
    if (a.Level != b.Level)
        return a.Level < b.Level;
    return Before(ranks.Word_Rank(a), ranks.Word_Rank(b), a, b);
}

bool Frequency_Before(const TCreature_Listing& a, const TCreature_Listing& b) {
    const auto& ranks = Ranks();
    if (a.Frequency != b.Frequency)
        return ranks.Word_Rank(a) < ranks.Word_Rank(b);
    return Before(a.Level, b.Level, a, b);
}

bool Habitat_Before(const TCreature_Listing& a, const TCreature_Listing& b) {
    const auto& ranks = Ranks();
    if (ranks.Place_Rank(a) != ranks.Place_Rank(b))
        return ranks.Place_Rank(a) < ranks.Place_Rank(b);
    if (a.Level != b.Level)
        return a.Level < b.Level;
    return Before(ranks.Word_Rank(a), ranks.Word_Rank(b), a, b);
}

// A level in the two characters a report line gives it, right-aligned.
std::string Level_Text(int level) {
    std::string text = std::to_string(level);
    return text.size() < 2 ? std::string(2 - text.size(), ' ') + text : text;
}

std::string_view Without_Trailing_Blanks(std::string_view text) {
    return text.substr(0, text.find_last_not_of(' ') + 1);
}

void List(TCreature_List& list, const TCreature_Profile& profile, const std::string& name, int level,
          int frequency) {
    Frequency_Word(frequency); // raises for a frequency without a word
    const TCreature_Listing listing{level, frequency, name};
    list.By_Level.push_back(listing);
    list.By_Frequency.push_back(listing);
    for (int slot = 0; slot < 2; ++slot)
        if (profile.Get_Habitat(slot) != H_Unknown && profile.Get_Climate(slot) != HC_Unknown) {
            Place_Text(profile.Get_Climate(slot), profile.Get_Habitat(slot)); // raises for one without a text
            list.By_Habitat.push_back(listing);
            list.By_Habitat.back().Climate = profile.Get_Climate(slot);
            list.By_Habitat.back().Habitat = profile.Get_Habitat(slot);
        }
}

// The variants of a creature met at one fixed level: bigger ones are rarer, and a pygmy is as
// rare as a huge one.
void List_Variants(TCreature_List& list, const TCreature_Profile& profile, int level, int frequency) {
    const std::string name = profile.Get_Name();
    if (frequency > 1)
        List(list, profile, "Giant " + name, level + 1, frequency - 1);
    if (frequency > 2)
        List(list, profile, "Huge " + name, level + 2, frequency - 2);
    if (level > 1) {
        if (frequency > 2)
            List(list, profile, "Pygmy " + name, level - 1, frequency - 2);
        List(list, profile, "Young " + name, level - 1, frequency);
    }
}

bool Has_Listed_Levels(const TCreature_Profile& profile) {
    const auto listed = [](int level) {
        return level >= Lowest_Creature_Level && level <= Highest_Creature_Level;
    };
    return listed(profile.Get_Low_Level()) && listed(profile.Get_Level());
}

void Append_Line(std::string& text, std::initializer_list<std::string_view> pieces) {
    for (const auto piece : pieces)
        text.append(piece);
    text.append("\r\n");
}

void Append_Level_Section(std::string& text, const std::vector<TCreature_Listing>& listings) {
    Append_Line(text, {"Creatures Listed by Level"});
    for (std::size_t i = 0; i < listings.size(); ++i) {
        const auto& listing = listings[i];
        if (i == 0 || listing.Level != listings[i - 1].Level) {
            Append_Line(text, {});
            Append_Line(text, {"LEVEL ", Level_Text(listing.Level)});
        }
        Append_Line(text, {listing.Name, Gap, Without_Trailing_Blanks(Frequency_Word(listing.Frequency))});
    }
}

void Append_Frequency_Section(std::string& text, const std::vector<TCreature_Listing>& listings) {
    Append_Line(text, {"Creatures Listed by Frequency"});
    for (std::size_t i = 0; i < listings.size(); ++i) {
        const auto& listing = listings[i];
        if (i == 0 || listing.Frequency != listings[i - 1].Frequency) {
            Append_Line(text, {});
            Append_Line(text, {Frequency_Word(listing.Frequency)});
        }
        Append_Line(text, {listing.Name, Gap, Level_Text(listing.Level)});
    }
}

void Append_Habitat_Section(std::string& text, const std::vector<TCreature_Listing>& listings) {
    Append_Line(text, {"Creatures Listed by Habitat"});
    std::string previous;
    for (const auto& listing : listings) {
        const std::string heading =
            Place_Text(listing.Climate, listing.Habitat).substr(0, Place_Heading_Width);
        if (heading != previous) {
            Append_Line(text, {});
            Append_Line(text, {heading});
            previous = heading;
        }
        Append_Line(text,
                    {listing.Name, Gap, Frequency_Word(listing.Frequency), Gap, Level_Text(listing.Level)});
    }
}

void Append_All(std::vector<TCreature_Listing>& to, std::vector<TCreature_Listing>& from) {
    to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
}

} // namespace

std::string_view Frequency_Word(int frequency) {
    if (frequency < 1 || frequency > static_cast<int>(Frequency_Words.size()))
        throw std::out_of_range("frequency " + std::to_string(frequency) + " has no word");
    return Frequency_Words[static_cast<std::size_t>(frequency - 1)];
}

std::string Place_Text(THabitat_Climate climate, THabitat habitat) {
    std::string place;
    place.append(Habitat_Climate_Strings[climate]).append(" ").append(Habitat_Strings[habitat]);
    place.resize(std::max(place.size(), Place_Width), ' ');
    return place;
}

// Levels are listed only from 0 to 99, the levels the editor offers: a level of three digits
// has no room in the report's two-character level field, and a stored range of millions of levels
// would never finish listing.
void Add_Listings(TCreature_List& list, const TCreature_Profile& profile) {
    if (!Has_Listed_Levels(profile))
        return;
    TCreature_List own;
    try {
        const std::string name = profile.Get_Name();
        const int frequency = profile.Get_Frequency();
        for (int level = profile.Get_Low_Level(); level <= profile.Get_Level(); ++level)
            List(own, profile, name, level, frequency);
        if (profile.Get_Low_Level() == profile.Get_Level())
            List_Variants(own, profile, profile.Get_Level(), frequency);
    } catch (const std::out_of_range&) {
        return;
    }
    Append_All(list.By_Level, own.By_Level);
    Append_All(list.By_Frequency, own.By_Frequency);
    Append_All(list.By_Habitat, own.By_Habitat);
}

void Sort_Listings(TCreature_List& list) {
    std::sort(list.By_Level.begin(), list.By_Level.end(), Level_Before);
    std::sort(list.By_Frequency.begin(), list.By_Frequency.end(), Frequency_Before);
    std::sort(list.By_Habitat.begin(), list.By_Habitat.end(), Habitat_Before);
}

TCreature_List Creature_List_Of(TCreature_Registry& creatures) {
    TCreature_List list;
    creatures.Sort();
    for (std::int32_t index = 0; index < creatures.Count(); ++index)
        if (const TCreature_Profile* profile = creatures.Get(index))
            Add_Listings(list, *profile);
    Sort_Listings(list);
    return list;
}

std::string Creature_List_Text(const TCreature_List& list) {
    std::string text;
    Append_Level_Section(text, list.By_Level);
    Append_Line(text, {});
    Append_Line(text, {});
    Append_Frequency_Section(text, list.By_Frequency);
    Append_Line(text, {});
    Append_Habitat_Section(text, list.By_Habitat);
    return text;
}

TResult Write_Creature_List(TCreature_Registry& creatures, const std::filesystem::path& path) {
    return Write_File_Atomic(path, Creature_List_Text(Creature_List_Of(creatures)));
}

} // namespace Vexlor
