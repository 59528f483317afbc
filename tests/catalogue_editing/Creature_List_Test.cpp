// The complete creature list: which listings a profile gives, how the three lists are ordered and
// headed, the exact report of a small catalogue, and how a failed write is reported.
#include "catalogues/editing/Creature_List.h"

#include "catalogues/Creature_Profile.h"
#include "tests/Memory_Registry.h"
#include "tests/Test_Folder.h"

#include <gtest/gtest.h>

namespace Vexlor {
namespace {

using TCreatures = TMemory_Registry<TCreature_Profile, TCreature_Registry>;

TCreature_Profile Profile(const std::string& name, int frequency, int low, int high) {
    TCreature_Profile profile;
    profile.Set_Name(name.c_str());
    profile.Set_Frequency(frequency);
    profile.Set_Low_Level(low);
    profile.Set_Level(high);
    return profile;
}

TCreature_Profile Living(TCreature_Profile profile, THabitat habitat, THabitat_Climate climate) {
    profile.Set_Habitat(0, habitat);
    profile.Set_Climate(0, climate);
    return profile;
}

TCreature_List List_Of(std::initializer_list<TCreature_Profile> profiles) {
    TCreature_List list;
    for (const auto& profile : profiles)
        Add_Listings(list, profile);
    Sort_Listings(list);
    return list;
}

// "name at level with word", as a listing reads.
std::vector<std::string> Entries(const std::vector<TCreature_Listing>& listings) {
    std::vector<std::string> entries;
    for (const auto& listing : listings)
        entries.push_back(
            listing.Name + " " + std::to_string(listing.Level) + " " +
            std::string(Frequency_Word(listing.Frequency)) +
            (listing.Habitat == H_Unknown ? "" : " in " + Place_Text(listing.Climate, listing.Habitat)));
    return entries;
}

using Entries_Are = std::vector<std::string>;

TEST(Creature_List, EveryLevelOfARangeOnceAndNoVariants) {
    const auto list = List_Of({Profile("Sand Crawler", Frequency_Rare, 3, 5)});
    const Entries_Are expected{"Sand Crawler 3 Rare     ", "Sand Crawler 4 Rare     ",
                               "Sand Crawler 5 Rare     "};
    EXPECT_EQ(Entries(list.By_Level), expected);
    EXPECT_EQ(Entries(list.By_Frequency), expected);
    EXPECT_TRUE(list.By_Habitat.empty());
}

// The variants of a creature of one fixed level, by frequency.
TEST(Creature_List, VariantsOfAFixedLevel) {
    struct TCase {
        int Frequency;
        int Level;
        Entries_Are Expected; // in level order
    };
    const TCase cases[] = {
        {Frequency_Unique, 4, {"Young Wyrm 3 Unique   ", "Wyrm 4 Unique   "}},
        {Frequency_Extremely_Rare,
         4,
         {"Young Wyrm 3 Extr rare", "Wyrm 4 Extr rare", "Giant Wyrm 5 Unique   "}},
        {Frequency_Common,
         2,
         {"Young Wyrm 1 Common   ", "Pygmy Wyrm 1 Rare     ", "Wyrm 2 Common   ", "Giant Wyrm 3 Uncommon ",
          "Huge Wyrm 4 Rare     "}},
        {Frequency_Very_Rare, 1, {"Wyrm 1 Very rare", "Giant Wyrm 2 Extr rare", "Huge Wyrm 3 Unique   "}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Entries(List_Of({Profile("Wyrm", c.Frequency, c.Level, c.Level)}).By_Level), c.Expected)
            << c.Frequency << " at " << c.Level;
}

TEST(Creature_List, HabitatListTakesSlotsWithBothHabitatAndClimate) {
    auto both = Profile("Reed Cat", Frequency_Common, 2, 3);
    both.Set_Habitat(0, H_Swamp);
    both.Set_Climate(0, HC_Tropical);
    both.Set_Habitat(1, H_Underground);
    both.Set_Climate(1, HC_Temperate);
    auto half = Profile("Half Known", Frequency_Common, 2, 2);
    half.Set_Habitat(0, H_Cave);
    half.Set_Climate(1, HC_Polar);
    const auto list = List_Of({both, half, Profile("Nowhere", Frequency_Rare, 1, 1)});
    EXPECT_EQ(Entries(list.By_Habitat), (Entries_Are{"Reed Cat 2 Common    in Temperate Underground ",
                                                     "Reed Cat 3 Common    in Temperate Underground ",
                                                     "Reed Cat 2 Common    in Tropical Swamp        ",
                                                     "Reed Cat 3 Common    in Tropical Swamp        "}));
    // Half Known and Nowhere are listed by level with their variants all the same.
    EXPECT_EQ(list.By_Level.size(), 2u + 5u + 3u);
}

// Profiles that cannot be listed are left out whole, without stopping the list.
TEST(Creature_List, ProfilesThatCannotBeListedAreSkipped) {
    auto strange_habitat =
        Living(Profile("Odd Place", Frequency_Common, 1, 1), static_cast<THabitat>(40), HC_Any);
    const auto list =
        List_Of({Profile("No Frequency", 0, 1, 2), Profile("Too Common", 7, 3, 3),
                 Profile("Ancient", Frequency_Rare, 98, 100), Profile("Below", Frequency_Rare, -1, 2),
                 strange_habitat, Profile("Kept", Frequency_Rare, 5, 5)});
    EXPECT_EQ(Entries(list.By_Level),
              (Entries_Are{"Pygmy Kept 4 Extr rare", "Young Kept 4 Rare     ", "Kept 5 Rare     ",
                           "Giant Kept 6 Very rare", "Huge Kept 7 Extr rare"}));
}

// Each list is ordered by its leading field, then by the rest of its line; names without regard
// to case.
TEST(Creature_List, ListsSortByTheirLeadingFieldThenText) {
    const auto list =
        List_Of({Profile("Zebu", Frequency_Unique, 10, 10), Profile("Yak", Frequency_Unique, 9, 9),
                 Living(Profile("beetle", Frequency_Unique, 1, 1), H_Cave, HC_Any),
                 Living(Profile("Crab", Frequency_Unique, 1, 1), H_Aquatic, HC_Any),
                 Living(Profile("Ant", Frequency_Unique, 1, 1), H_Cave, HC_Any),
                 Profile("Mole", Frequency_Rare, 1, 1)});
    const auto names = [](const std::vector<TCreature_Listing>& listings) {
        std::string names;
        for (const auto& listing : listings)
            names += listing.Name + "/" + std::to_string(listing.Level) + " ";
        return names;
    };
    EXPECT_EQ(
        names(list.By_Level),
        "Mole/1 Ant/1 beetle/1 Crab/1 Giant Mole/2 Huge Mole/3 Young Yak/8 Yak/9 Young Zebu/9 Zebu/10 ");
    EXPECT_EQ(
        names(list.By_Frequency),
        "Huge Mole/3 Mole/1 Ant/1 beetle/1 Crab/1 Young Yak/8 Yak/9 Young Zebu/9 Zebu/10 Giant Mole/2 ");
    EXPECT_EQ(names(list.By_Habitat), "Crab/1 Ant/1 beetle/1 ");
}

TEST(Creature_List, ReportOfASmallCatalogue) {
    TCreatures creatures;
    auto rat = Living(Profile("Glass Rat", Frequency_Common, 1, 1), H_Domestic, HC_Any);
    auto viper = Living(Profile("Glass Viper", Frequency_Very_Rare, 9, 10), H_Desert, HC_Tropical);
    viper.Set_Habitat(1, H_Cave);
    viper.Set_Climate(1, HC_Any);
    for (const auto& profile : {viper, rat, Profile("Lonely", Frequency_Unique, 1, 1)})
        creatures.Add(new TCreature_Profile(profile));
    const std::string expected = "Creatures Listed by Level\r\n"
                                 "\r\n"
                                 "LEVEL  1\r\n"
                                 "Glass Rat    Common\r\n"
                                 "Lonely    Unique\r\n"
                                 "\r\n"
                                 "LEVEL  2\r\n"
                                 "Giant Glass Rat    Uncommon\r\n"
                                 "\r\n"
                                 "LEVEL  3\r\n"
                                 "Huge Glass Rat    Rare\r\n"
                                 "\r\n"
                                 "LEVEL  9\r\n"
                                 "Glass Viper    Very rare\r\n"
                                 "\r\n"
                                 "LEVEL 10\r\n"
                                 "Glass Viper    Very rare\r\n"
                                 "\r\n"
                                 "\r\n"
                                 "Creatures Listed by Frequency\r\n"
                                 "\r\n"
                                 "Common   \r\n"
                                 "Glass Rat     1\r\n"
                                 "\r\n"
                                 "Rare     \r\n"
                                 "Huge Glass Rat     3\r\n"
                                 "\r\n"
                                 "Uncommon \r\n"
                                 "Giant Glass Rat     2\r\n"
                                 "\r\n"
                                 "Unique   \r\n"
                                 "Lonely     1\r\n"
                                 "\r\n"
                                 "Very rare\r\n"
                                 "Glass Viper     9\r\n"
                                 "Glass Viper    10\r\n"
                                 "\r\n"
                                 "Creatures Listed by Habitat\r\n"
                                 "\r\n"
                                 "Any Cave             \r\n"
                                 "Glass Viper    Very rare     9\r\n"
                                 "Glass Viper    Very rare    10\r\n"
                                 "\r\n"
                                 "Any Domestic         \r\n"
                                 "Glass Rat    Common        1\r\n"
                                 "Giant Glass Rat    Uncommon      2\r\n"
                                 "Huge Glass Rat    Rare          3\r\n"
                                 "\r\n"
                                 "Tropical Desert      \r\n"
                                 "Glass Viper    Very rare     9\r\n"
                                 "Glass Viper    Very rare    10\r\n";
    Testing::TTemporary_Folder folder;
    ASSERT_TRUE(Write_Creature_List(creatures, folder.Path / "bestiary.txt").Ok());
    EXPECT_EQ(folder.Read("bestiary.txt"), expected);
}

TEST(Creature_List, LevelsOfThreeDigitsGetTheirOwnHeading) {
    const auto text = Creature_List_Text(List_Of({Profile("Elder", Frequency_Common, 99, 99)}));
    EXPECT_NE(
        text.find("LEVEL 99\r\nElder    Common\r\n\r\nLEVEL 100\r\nGiant Elder    Uncommon\r\n\r\nLEVEL "
                  "101\r\nHuge Elder    Rare\r\n"),
        std::string::npos)
        << text;
}

TEST(Creature_List, AFailedWriteSaysWhy) {
    TCreatures creatures;
    creatures.Add(new TCreature_Profile(Profile("Glass Rat", Frequency_Common, 1, 1)));
    Testing::TTemporary_Folder folder;
    const TResult written = Write_Creature_List(creatures, folder.Path / "missing folder" / "bestiary.txt");
    EXPECT_EQ(written.Problem(),
              "Path not found while writing " + (folder.Path / "missing folder" / "bestiary.txt").string() +
                  " (the folder " + (folder.Path / "missing folder").string() + " does not exist)");
    EXPECT_FALSE(std::filesystem::exists(folder.Path / "missing folder"));
}

TEST(Creature_List, TenThousandProfilesAreWrittenWhole) {
    TCreatures creatures;
    for (int i = 0; i < 10000; ++i) {
        auto profile = Profile("Creature " + std::to_string(i * 7919 % 10000), 1 + i % 6, 1 + i % 20,
                               1 + i % 20 + (i % 3 == 0 ? 0 : i % 4));
        profile.Set_Habitat(0, static_cast<THabitat>(i % 21));
        profile.Set_Climate(0, static_cast<THabitat_Climate>(i % 5));
        profile.Set_Habitat(1, static_cast<THabitat>((i + 7) % 21));
        profile.Set_Climate(1, static_cast<THabitat_Climate>((i + 2) % 5));
        creatures.Add(new TCreature_Profile(profile));
    }
    Testing::TTemporary_Folder folder;
    ASSERT_TRUE(Write_Creature_List(creatures, folder.Path / "bestiary.txt").Ok());
    EXPECT_EQ(folder.Read("bestiary.txt"), Creature_List_Text(Creature_List_Of(creatures)));
}

} // namespace
} // namespace Vexlor
