// Helpers shared by the character tests: a temporary folder for name files, and characters
// set up with classes without rolling hit points.
#pragma once

#include "characters/Characters.h"
#include "foundations/CommonUt.h"
#include "foundations/Files.h"
#include "foundations/Random.h"
#include "tests/Test_Folder.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace Vexlor::Testing {

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
