// Helpers shared by the character tests: a temporary folder for name files, and characters
// set up with classes without rolling hit points.
#pragma once

#include "characters/Characters.h"
#include "foundations/Files.h"
#include "foundations/CommonUt.h"
#include "foundations/Random.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace Vexlor::Testing {

// A folder of its own for one test, removed afterwards.
class TTemporary_Folder {
  public:
    TTemporary_Folder() {
        static int count = 0;
        Path = std::filesystem::temp_directory_path() /
               ("vexlor_characters_" + std::to_string(::getpid()) + "_" + std::to_string(++count));
        std::filesystem::create_directories(Path);
    }
    ~TTemporary_Folder() {
        std::error_code error;
        std::filesystem::remove_all(Path, error);
    }
    TTemporary_Folder(const TTemporary_Folder&) = delete;
    TTemporary_Folder& operator=(const TTemporary_Folder&) = delete;

    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(Path / name, std::ios::binary) << bytes;
    }

    std::filesystem::path Path;
};

// Puts classes and levels into slots as a stored character holds them; hit points and
// experience are rolled and set by the level change and then put back.
inline void Give_Class(TVexlor_Character& character, int slot, int class_index, int level) {
    TFunction_Random dice([](int) { return 0; });
    TRandom_Override override(dice);
    const int hit_points = character.Hit_Points;
    character.Set_Class(slot, class_index);
    character.Set_Level(slot, level);
    character.Hit_Points = hit_points;
}

// A character with no class at all.
inline void Clear_Classes(TVexlor_Character& character) {
    for (int slot = 1; slot <= 6; ++slot)
        character.Set_Class(slot, -1);
}

} // namespace Vexlor::Testing
