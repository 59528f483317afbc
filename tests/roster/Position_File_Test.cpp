#include "roster/Position_File.h"
#include "widgets/Screen_Fit.h"

#include <gtest/gtest.h>

namespace Vexlor {
namespace {

TEST(Position_File, Is_Named_After_The_Program_File_Alone) {
    EXPECT_EQ(Position_File_Path("/usr/lib/vexlor/vexlor.exe"), "/usr/lib/vexlor/vexlor.cfg");
    EXPECT_EQ(Position_File_Path("/usr/lib/vexlor/vexlor"), "cfg");
    EXPECT_EQ(Position_File_Path("/home/gm/campaign.d/vexlor"), "cfg");
    EXPECT_EQ(Position_File_Path("C:\\Games.old\\Vexlor.EXE"), "C:\\Games.old\\Vexlor.cfg");
}

TEST(Position_File, Reads_Back_What_It_Writes) {
    const TWindow_Bounds written{-12, 40, 784, 480};
    EXPECT_EQ(Position_File_Text(written),
              "<vexlor><header>V1.0</header><body><#position=-12,40,784,480></body></vexlor>\r\n");
    TWindow_Bounds read;
    Read_Position_File(Position_File_Text(written), read, 100, 100);
    EXPECT_EQ(read, written);
    EXPECT_EQ(Remembered_Party(Position_File_Text(written)), "");

    // The party selected last rides beside the position, written as the party file writes names.
    const std::string with_party = Position_File_Text(written, "Team \"A\" <one> & two");
    EXPECT_EQ(with_party, "<vexlor><header>V1.0</header><body><#position=-12,40,784,480><#party=\"Team "
                          "&#34;A&#34; &lt;one&gt; &amp; two\"></body></vexlor>\r\n");
    EXPECT_EQ(Remembered_Party(with_party), "Team \"A\" <one> & two");
    Read_Position_File(with_party, read, 100, 100);
    EXPECT_EQ(read, written);
}

struct TPosition_Case {
    std::string Text;
    TWindow_Bounds Expected; // read over {1, 2, 300, 400} with a smallest size of 200 by 150
};

TEST(Position_File, Applies_Values_In_Order_Up_To_The_First_Bad_One) {
    const TPosition_Case cases[] = {
        {"<VEXLOR><HEADER>V9</HEADER><BODY><#POSITION=5,6,700,500></BODY></VEXLOR>", {5, 6, 700, 500}},
        {"<vexlor><body><#position=5,x,700,500></body></vexlor>", {5, 2, 300, 400}},
        {"<vexlor><body><#position=5,6,700></body></vexlor>", {5, 6, 700, 400}},
        {"<vexlor><body><#position=5,6,,500></body></vexlor>", {5, 6, 300, 400}},
        {"<vexlor><body><#position=5,6,99999999999,500></body></vexlor>", {5, 6, 300, 400}},
        {"<vexlor><body><#position=5,6,20,10,7></body></vexlor>",
         {5, 6, 300, 400}}, // below the smallest size
        {"<vexlor><body><#other=1><notes><#position=9,9,900,900></notes><#position=7,8,250,160></body></"
         "vexlor>",
         {7, 8, 250, 160}},
        {"<vexlor><#position=5,6,700,500></vexlor>", {1, 2, 300, 400}},
        {"<body><#position=5,6,700,500></body>", {1, 2, 300, 400}},
        {"<vexlor><body><#position=></body></vexlor>", {1, 2, 300, 400}},
        {"", {1, 2, 300, 400}},
    };
    for (const auto& c : cases) {
        TWindow_Bounds bounds{1, 2, 300, 400};
        Read_Position_File(c.Text, bounds, 200, 150);
        EXPECT_EQ(bounds, c.Expected) << c.Text;
    }
}

// The bounds read, then fitted to the available area of a 1280 by 1000 screen whose task bar
// takes the bottom 40 pixels.
TEST(Position_File, A_Window_Stored_Off_Screen_Or_Larger_Than_The_Screen_Is_Pulled_Inside) {
    const std::pair<std::string, TScreen_Rect> cases[] = {
        {"-50,-20,600,400", {0, 0, 600, 400}},
        {"1000,900,600,400", {680, 560, 600, 400}},
        {"10,10,5000,3000", {0, 0, 1280, 960}},
        {"2147483647,2147483647,2147483647,2147483647", {0, 0, 1280, 960}},
        {"-2147483648,5,600,400", {0, 5, 600, 400}},
    };
    for (const auto& [position, expected] : cases) {
        TWindow_Bounds bounds{1, 2, 300, 200};
        Read_Position_File("<vexlor><body><#position=" + position + "></body></vexlor>", bounds, 200, 150);
        EXPECT_EQ(Fit_To_Screen({bounds.Left, bounds.Top, bounds.Width, bounds.Height}, {0, 0, 1280, 960}),
                  expected)
            << position;
    }
}

} // namespace
} // namespace Vexlor
