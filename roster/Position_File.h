// The position file: where the parties dialog was on the screen and how large, kept beside the
// program and read back each time the dialog is shown.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace Vexlor {

struct TWindow_Bounds {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    friend bool operator==(const TWindow_Bounds&, const TWindow_Bounds&) = default;
};

// The program's path with the extension of its file name replaced by "cfg". A program file
// without an extension (as programs are on Linux) gives "cfg" in the working folder, which is
// the campaign folder; a dot in a folder name above the program never counts.
std::filesystem::path Position_File_Path(const std::string& program_path);

// The file's one line: <vexlor><header>V1.0</header><body><#position=L,T,W,H></body></vexlor>.
// The party selected last follows the position as <#party="name">, its name written as the party
// file writes it, so the dialog opens on it again; with no party the tag is left out.
std::string Position_File_Text(const TWindow_Bounds& bounds, std::string_view party = {});

// Applies the stored position to bounds in the order Left, Top, Width, Height, stopping silently
// at the first value that is not a whole number; values already applied stay. A width or height
// below the smallest the dialog allows is passed over. Text that holds no position changes nothing.
void Read_Position_File(std::string_view text, TWindow_Bounds& bounds, int minimum_width, int minimum_height);

// The party the file remembers; empty when it names none.
std::string Remembered_Party(std::string_view text);

} // namespace Vexlor
