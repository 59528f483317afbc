// Random creation with scripted dice: the five rolling methods, names, classes, hit points and the
// whole generation in its order.
#include "Test_Support.h"

#include <gtest/gtest.h>

namespace Vexlor {
namespace {

using Testing::Give_Class;
using Testing::TTemporary_Folder;

struct TBlank : TVexlor_Character {
    TBlank() { Testing::Clear_Classes(*this); }
};

// Draws for dice showing the given faces.
std::vector<int> Faces(std::initializer_list<int> faces) {
    std::vector<int> draws;
    for (const int face : faces)
        draws.push_back(face - 1);
    return draws;
}

std::vector<int> Scores(const TVexlor_Character& c) {
    return {c.Strength, c.Constitution, c.Dexterity,  c.Cognitive, c.Perception,
            c.Wisdom,   c.Charisma,     c.Comeliness, c.Will};
}

TEST(Rolling_Methods, Scripted_Dice_Give_The_Scores_Of_Each_Method) {
    struct TCase {
        int Method;
        TGender Gender;
        std::vector<int> Draws;
        std::vector<int> Expected; // Strength .. Will
    };
    const std::vector<TCase> cases{
        {0, Gender_Male, Faces({6, 6, 6, 6, 6, 6, 6, 6, 6}), {7, 7, 6, 6, 6, 6, 6, 6, 6}},
        {0, Gender_Female, Faces({1, 2, 3, 4, 5, 6, 1, 2, 3}), {1, 2, 4, 5, 5, 6, 1, 2, 3}},
        // Three dice and a spare per group: 2 5 3 | 4 gives 4 5 3.
        {1, Gender_Female, Faces({2, 5, 3, 4, 1, 1, 1, 6, 6, 5, 4, 1}), {4, 5, 4, 7, 1, 1, 6, 5, 4}},
        // Sets 1 2 3 | 6 6 6 | 1 1 2 and the spare 4 4 1: the first group swaps, then the third.
        {2, Gender_Male, Faces({1, 2, 3, 6, 6, 6, 1, 1, 2, 4, 4, 1}), {5, 5, 1, 6, 6, 6, 1, 2, 3}},
        // Twelve dice; the three lowest (1 1 2) are pushed to the end and dropped.
        {3, Gender_Male, Faces({1, 6, 2, 5, 3, 4, 6, 1, 2, 5, 3, 4}), {6, 7, 4, 5, 3, 4, 6, 3, 2}},
        // Six dice per group; the three highest, in the order the swaps leave them.
        {4,
         Gender_Female,
         Faces({1, 2, 3, 4, 5, 6, 3, 3, 3, 3, 3, 3, 6, 1, 1, 2, 2, 6}),
         {6, 5, 5, 4, 3, 3, 6, 6, 2}}};
    for (const TCase& test : cases) {
        TBlank character;
        character.Set_Gender(test.Gender);
        TScripted_Random dice(test.Draws);
        TRandom_Override override(dice);
        character.Roll_Scores(test.Method);
        EXPECT_EQ(Scores(character), test.Expected) << "method " << test.Method;
        EXPECT_EQ(dice.Requests(), std::vector<int>(test.Draws.size(), 6)) << "method " << test.Method;
    }
    TBlank character;
    EXPECT_THROW(character.Roll_Scores(5), std::out_of_range);
}

TEST(Class_Roll, Every_Band_Single_Rolls_Dual_Rolls_And_Restarts) {
    const int highest[] = {3, 6, 9, 13, 16, 24, 29, 33, 36, 38, 42, 55, 61, 65, 67, 74, 83, 94};
    struct TCase {
        int Intellect;
        std::vector<int> Draws;
        int First, Second;
    };
    std::vector<TCase> cases;
    for (int roll = 1, class_index = 0; roll <= 94; ++roll) {
        cases.push_back({20, {roll - 1}, class_index, -1});
        class_index += roll == highest[class_index];
    }
    const std::vector<TCase> special{
        {4, {6, 0}, Class_Architect, -1},        // a Chemist needs 5
        {11, {36, 65, 67}, Class_Mercenary, -1}, // Planet and Medic need 12
        {10, {94, 12, 13}, Class_Commando, Class_Communications_Specialist},
        {10, {99, 50, 54}, Class_Historian, Class_Historian},      // the same class twice
        {10, {96, 97, 0, 1, 20}, Class_Computer_Scientist, -1},    // the first part was two classes
        {10, {95, 0, 98, 3, 4, 2}, Class_Architect, -1},           // the second part was two classes
        {4, {94, 8, 4, 15, 70}, Class_Biologist, Class_Mercenary}, // each part rolls again for Intellect
        {2, {}, -1, -1}};                                          // no class takes an Intellect below 3
    cases.insert(cases.end(), special.begin(), special.end());
    for (const TCase& test : cases) {
        TBlank character;
        character.Cognitive = test.Intellect;
        TScripted_Random dice(test.Draws);
        TRandom_Override override(dice);
        int c1, c2, c3, c4;
        character.Generate_Class(c1, c2, c3, c4);
        EXPECT_EQ(std::vector<int>({c1, c2, c3, c4}), std::vector<int>({test.First, test.Second, -1, -1}))
            << "first draw " << (test.Draws.empty() ? -1 : test.Draws[0]);
        EXPECT_EQ(dice.Remaining(), 0u);
    }
    // Every roll a roll of two classes: the nesting stops past the fourth class slot, with no class.
    TBlank character;
    character.Cognitive = 20;
    int draws = 0;
    TFunction_Random every_roll_highest([&draws](int n) { return ++draws, n - 1; });
    TRandom_Override override(every_roll_highest);
    int c1, c2, c3, c4;
    character.Generate_Class(c1, c2, c3, c4);
    EXPECT_EQ(std::vector<int>({c1, c2, c3, c4}), std::vector<int>({-1, -1, -1, -1}));
    EXPECT_EQ(draws, 4); // the fourth nested roll of two classes would need a fifth slot
}

TEST(Vocations, Can_Add_Class_And_Add_Vocation) {
    TBlank character;
    character.Cognitive = 3; // two vocations
    character.Perception = 9;
    Give_Class(character, 1, Class_Chemist, 1);
    EXPECT_FALSE(character.Can_Add_Class(Class_Chemist));
    EXPECT_FALSE(character.Can_Add_Class(Class_Medic)); // takes two free vocations
    EXPECT_TRUE(character.Can_Add_Class(Class_Historian));
    character.Cognitive = 7; // four vocations
    character.Perception = 5;
    EXPECT_TRUE(character.Can_Add_Class(Class_Planet_Engineer));
    character.Perception = 4; // Intellect 11
    EXPECT_FALSE(character.Can_Add_Class(Class_Medic));
    Give_Class(character, 3, Class_Linguist, 2);
    character.Set_Class(3, -1);
    character.Add_Vocation(Class_Historian);
    character.Add_Vocation(Class_Chemist);
    character.Add_Vocation(Class_Physicist);
    EXPECT_STREQ(character.Description(), "Chemist 1/Historian 0/Physicist 2");

    TVexlor_Character fresh; // every slot holds Architect until classes are read or rolled
    fresh.Cognitive = 10;
    fresh.Add_Vocation(Class_Historian);
    EXPECT_EQ(fresh.Is_Class("Historian"), 0);
}

TEST(Classes, Choose_Class_Hit_Points_And_The_Mercenary_Armour) {
    TBlank character;
    character.Specialty = 1;
    character.Constitution = 12;
    TScripted_Random dice({0, 0, 5, 0, 2, 11, 0});
    TRandom_Override override(dice);
    character.Choose_Class(1, Class_Biologist);
    EXPECT_EQ(character.Specialty, 0);
    EXPECT_STREQ(character.Description(), "Biologist 1");
    EXPECT_EQ(character.Hit_Points, 6 + 2);
    Give_Class(character, 1, Class_Mercenary, 4); // dice never run out: Give_Class scripts its own
    character.Calculate_HP();                     // three dice, then the bonus times the level
    EXPECT_EQ(character.Hit_Points, 5 + 6 + 1 + 3 + (11 + 0 + 2) * 4);
    for (const auto& [level, armour] : std::vector<std::pair<int, int>>{{1, 1}, {20, 20}, {21, 3}, {0, 3}}) {
        Give_Class(character, 1, Class_Mercenary, level);
        character.AC = 3;
        character.Check_Classes();
        EXPECT_EQ(character.AC, armour) << level;
    }
}

TEST(Names, Choose_Name_Picks_A_Line_And_A_Variant) {
    TTemporary_Folder names;
    names.Write("male.nam", "Ann Anna Annie\r\nBob Bobby\r\nCarl\r\n");
    TVexlor_Character character;
    character.Set_Name_Folder(names.Path);
    const std::vector<std::pair<std::vector<int>, std::string>> cases{
        {{10, 0, 0}, "Ann"}, {{10, 0, 1}, "Anna"}, {{49, 0, 2}, "Annie"}, {{0, 1}, "Bob"}, {{0, 2}, "Carl"}};
    for (const auto& [draws, name] : cases) {
        TScripted_Random dice(draws);
        TRandom_Override override(dice);
        character.Choose_Name();
        EXPECT_EQ(character._Get_Name(), name);
        EXPECT_EQ(character.Get_Gender(), Gender_Male);
        EXPECT_EQ(dice.Remaining(), 0u) << name;
    }
    EXPECT_EQ(character.All_Names, "Carl");
    TScripted_Random female({50});
    TRandom_Override override(female);
    character.Choose_Name(); // there is no female name file
    EXPECT_EQ(character.Get_Gender(), Gender_Female);
    EXPECT_EQ(character._Get_Name(), "");
}

TEST(Generate, Every_Step_In_Its_Order_With_Scripted_Dice) {
    TTemporary_Folder no_names;
    TVexlor_Character character;
    character.Set_Name_Folder(no_names.Path);
    character.Proficient_Weapons = {"Needler"};
    character.Rogue_Hide = 7;
    character.Specialty = 1;
    std::vector<int> draws{60};                               // female
    for (const int draw : Faces({4, 6, 2, 3, 5, 1, 6, 2, 3})) // method 0
        draws.push_back(draw);
    for (int p = 0; p <= 20; ++p) // personality
        draws.push_back(p % 10);
    draws.insert(draws.end(), {0x1234, 0x5678, 65534, 1,       // the VDNA pair
                               10,     3,      1,     2,       // a slight build
                               19,     99,     80,             // family
                               3,      0,                      // level 1 hit points, twice
                               0,      0,      0,     0, 0, 0, // the six slots emptied
                               74,     5,                      // Physicist and its hit points
                               2,      5,      5,     0, 2});  // age and credits
    TScripted_Random dice(draws);
    TRandom_Override override(dice);
    character.Generate(0);
    EXPECT_EQ(dice.Remaining(), 0u);
    EXPECT_EQ(character.Get_Gender(), Gender_Female);
    EXPECT_EQ(Scores(character), (std::vector<int>{4, 6, 3, 4, 5, 1, 6, 2, 3}));
    EXPECT_EQ(character.Personality[19], 10);
    EXPECT_EQ(character.VDNA[0], 0x1234567F);
    EXPECT_EQ(character.VDNA[1], -131071);
    EXPECT_EQ(std::vector<int>({character.Weight, character.Height, character.Child, character.Siblings}),
              std::vector<int>({126, 61, 2, 12}));
    EXPECT_EQ(character.Parents, Unmarried);
    EXPECT_EQ(character.Hit_Points, 7);
    EXPECT_EQ(character.AC, 1);
    EXPECT_STREQ(character.Description(), "Physicist 1");
    EXPECT_EQ(character.Get_Experience(2), 0);
    EXPECT_EQ(character.Age, 20);
    EXPECT_EQ(character.Credits, 160);
    EXPECT_TRUE(character.Proficient_Weapons.empty());
    EXPECT_EQ(character.Rogue_Hide, 7);
    EXPECT_EQ(character.Specialty, 1);
}

// Many characters from the real generator and the shipped name files: the rules hold every time.
TEST(Generate, Generated_Characters_Keep_The_Rules_For_Every_Method) {
    for (int method = 0; method <= 4; ++method)
        for (int round = 0; round < 200; ++round) {
            TVexlor_Character character;
            character.Generate(method);
            ASSERT_NE((" " + character.All_Names + " ").find(" " + character._Get_Name() + " "),
                      std::string::npos);
            for (const int score : Scores(character))
                ASSERT_TRUE(score >= 1 && score <= 7) << score;
            int class_years = 0;
            for (int slot = 1; slot <= 6; ++slot) {
                const int class_index = character.Get_Class(slot);
                class_years += Class_Age[class_index];
                ASSERT_TRUE(character.Get_Intellect() >= 12 ||
                            (class_index != Class_Planet_Engineer && class_index != Class_Medic));
                ASSERT_EQ(character.Get_Level(slot), class_index >= 0 ? 1 : 0);
            }
            ASSERT_TRUE(character.Get_Class(1) >= 0 && character.Get_Class(1) != Class_Rogue);
            ASSERT_LE(character.Get_Classes(), 2);
            ASSERT_TRUE(character.Age - class_years >= 16 && character.Age - class_years <= 19);
            ASSERT_TRUE(character.Credits % 10 == 0 && character.Credits >= 40 && character.Credits <= 240);
            ASSERT_LE(character.Child, character.Siblings);
            ASSERT_GE(character.Hit_Points, 6);
        }
}

} // namespace
} // namespace Vexlor
