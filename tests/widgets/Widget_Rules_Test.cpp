#include "tests/Test_Folder.h"
#include "widgets/Dual_List_Rule.h"
#include "widgets/File_Target_Rule.h"
#include "widgets/Low_High_Rule.h"
#include "widgets/Screen_Fit.h"
#include "widgets/Visual_Order.h"

#include <gtest/gtest.h>

namespace Vexlor {
namespace {

TEST(Screen_Fit, Windows_End_Up_Wholly_On_The_Screen) {
    const TScreen_Rect screen{0, 0, 1024, 768};
    const TScreen_Rect left_screen{-1280, 0, 1280, 1024};
    struct TCase {
        TScreen_Rect Window, Screen, Expected;
    };
    const std::vector<TCase> cases = {
        {{100, 100, 400, 300}, screen, {100, 100, 400, 300}},        // already inside
        {{-50, -20, 400, 300}, screen, {0, 0, 400, 300}},            // left of and above the screen
        {{900, 700, 400, 300}, screen, {624, 468, 400, 300}},        // past the right and bottom edges
        {{10, 10, 2000, 300}, screen, {0, 10, 1024, 300}},           // wider than the screen
        {{10, 10, 300, 5000}, screen, {10, 0, 300, 768}},            // taller than the screen
        {{-1000, 50, 400, 300}, left_screen, {-1000, 50, 400, 300}}, // on a screen left of the first
        {{100, 50, 400, 300}, left_screen, {-400, 50, 400, 300}},    // off that screen's right edge
        {{2147483000, 2147483000, 400, 300}, screen, {624, 468, 400, 300}}}; // a position from a broken file
    for (const TCase& fit : cases)
        EXPECT_EQ(Fit_To_Screen(fit.Window, fit.Screen), fit.Expected)
            << fit.Window.Left << "," << fit.Window.Top << " " << fit.Window.Width << "x"
            << fit.Window.Height;
}

TEST(Screen_Fit, A_Long_Lived_Window_Opens_Over_Its_Opener_Then_Where_It_Was_Left) {
    const TScreen_Rect screen{0, 0, 1024, 768};
    const TScreen_Rect main_window{100, 100, 640, 480};
    TWindow_Placement placement;
    EXPECT_EQ(placement.Place({0, 0, 400, 300}, main_window, screen), (TScreen_Rect{220, 190, 400, 300}));
    EXPECT_EQ(placement.Place({0, 0, 800, 700}, {600, 500, 300, 200}, screen),
              (TScreen_Rect{224, 68, 800, 700}));
    placement.Left_At({700, 20, 500, 350}); // moved and widened by the user, partly off the screen
    EXPECT_EQ(placement.Place({0, 0, 400, 300}, main_window, screen), (TScreen_Rect{524, 20, 500, 350}));
    EXPECT_EQ(placement.Place({0, 0, 400, 300}, main_window, {0, 0, 1920, 1080}),
              (TScreen_Rect{700, 20, 500, 350}));
}

TEST(Screen_Fit, Help_Opens_Beside_Its_Dialog) {
    const TScreen_Rect screen{0, 0, 1920, 1080};
    const TScreen_Rect help{0, 0, 600, 500};
    EXPECT_EQ(Beside(help, {200, 100, 500, 400}, screen), (TScreen_Rect{700, 100, 600, 500}));  // right
    EXPECT_EQ(Beside(help, {1100, 100, 500, 400}, screen), (TScreen_Rect{500, 100, 600, 500})); // left
    EXPECT_EQ(Beside(help, {400, 700, 1000, 400}, screen),
              (TScreen_Rect{1400, 580, 520, 500})); // roomier right, narrowed, pushed up
    EXPECT_EQ(Beside(help, {500, 0, 1000, 400}, {0, 0, 1024, 768}),
              (TScreen_Rect{0, 0, 500, 500})); // roomier left, narrowed
    EXPECT_EQ(Beside(help, {200, 100, 1600, 400}, screen),
              (TScreen_Rect{0, 100, 600, 500})); // no side readable: roomier left, over the dialog
}

// A label-less picture of a dialog: a tall list with its buttons column beside it, a row of a box
// and a button whose tops differ by a few pixels, two columns of boxes, and a last row.
TEST(Visual_Order, Rows_Top_To_Bottom_Each_Left_To_Right) {
    const std::vector<TScreen_Rect> controls = {
        {300, 200, 80, 30},  // 0: second row, right: the button, a little taller
        {10, 203, 200, 24},  // 1: second row, left: the box
        {10, 10, 200, 150},  // 2: first row: the list
        {400, 10, 200, 150}, // 3: first row: the other list
        {250, 40, 40, 25},   // 4: between the lists, upper button
        {250, 70, 40, 25},   // 5: between the lists, lower button
        {10, 300, 80, 24},   // 6: third row, left column
        {10, 330, 80, 24},   // 7: fourth row, left column
        {200, 330, 80, 24},  // 8: fourth row, right column
        {200, 300, 80, 24},  // 9: third row, right column
    };
    EXPECT_EQ(Visual_Order(controls), (std::vector<std::size_t>{2, 4, 5, 3, 1, 0, 6, 9, 7, 8}));
    EXPECT_TRUE(Visual_Order({}).empty());
}

TEST(Low_High_Rule, Each_Side_Moves_The_Other_Only_When_It_Must) {
    EXPECT_EQ(Set_Low({2, 8}, 3), (TLow_High{3, 8}));
    EXPECT_EQ(Set_Low({2, 8}, 10), (TLow_High{10, 10}));
    EXPECT_EQ(Set_Low({2, 8}, 1), (TLow_High{1, 8}));
    EXPECT_EQ(Set_High({3, 10}, 5), (TLow_High{3, 5}));
    EXPECT_EQ(Set_High({3, 10}, 2), (TLow_High{2, 2}));
    EXPECT_EQ(Set_High({3, 10}, 12), (TLow_High{3, 12}));
}

TEST(Dual_List_Rule, Moves_Keep_Order_And_Never_Double) {
    std::vector<std::string> from = {"Acid", "Blind", "Cold", "Daze"};
    std::vector<std::string> to = {"Cold"};
    Move_Entries(from, to, {3, 1, 2, 2, 9, -1});
    EXPECT_EQ(from, (std::vector<std::string>{"Acid"}));
    EXPECT_EQ(to, (std::vector<std::string>{"Cold", "Blind", "Daze"}));
    Move_Entries(from, to, {});
    EXPECT_EQ(from, (std::vector<std::string>{"Acid"}));
}

// A file the user names: the campaign's own files are refused in any case and behind a link, a
// folder is refused, an existing file is asked about unless it is only appended to.
TEST(File_Target_Rule, Own_Files_Are_Refused_And_Existing_Ones_Asked_About) {
    Testing::TTemporary_Folder folder;
    folder.Write("notes.txt", "kept");
    std::filesystem::create_symlink(folder.Path / "Characters.master", folder.Path / "party.txt");
    for (const char* own : {"TABLES.TXT", "tables.txt", "Vexlor.catalogue", "characters.MASTER.bak", "cfg",
                            "MALE.NAM", "Vexlor.hlp", "party.txt"})
        EXPECT_EQ(Check_File_Target(folder.Path / own, TWrite_Mode::Replace), TFile_Target::Refuse_Own_File)
            << own;
    EXPECT_EQ(Check_File_Target(folder.Path / "TABLES.TXT", TWrite_Mode::Append),
              TFile_Target::Refuse_Own_File);
    EXPECT_EQ(Check_File_Target(folder.Path / "notes.txt", TWrite_Mode::Replace), TFile_Target::Ask_Replace);
    EXPECT_EQ(Check_File_Target(folder.Path / "notes.txt", TWrite_Mode::Append), TFile_Target::Write);
    EXPECT_EQ(Check_File_Target(folder.Path / "new.txt", TWrite_Mode::Replace), TFile_Target::Write);
    EXPECT_EQ(Check_File_Target(folder.Path, TWrite_Mode::Replace), TFile_Target::Refuse_Folder);
    EXPECT_EQ(Check_File_Target(folder.Path / "sub" / "", TWrite_Mode::Append), TFile_Target::Refuse_Folder);
    EXPECT_EQ(Check_File_Target("/dev/full", TWrite_Mode::Replace), TFile_Target::Refuse_Special);
    EXPECT_EQ(Check_File_Target("/dev/full", TWrite_Mode::Append), TFile_Target::Write);
}

} // namespace
} // namespace Vexlor
