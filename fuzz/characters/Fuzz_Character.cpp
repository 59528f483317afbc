// A character read from any text: reading never fails, every figure of the sheet can be worked out
// (checked arithmetic may report an overflow, nothing may index outside a table), and the text it
// writes reads back to the same text once names have been trimmed.
#include "characters/Characters.h"
#include "foundations/Random.h"

#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace {
using namespace Vexlor;

using TFigure = int (TVexlor_Character::*)() const;
constexpr TFigure Figures[] = {&TVexlor_Character::Get_Physical,
                               &TVexlor_Character::Get_Intellect,
                               &TVexlor_Character::Get_Influence,
                               &TVexlor_Character::Get_System_Shock,
                               &TVexlor_Character::Get_Poison,
                               &TVexlor_Character::Get_Regeneration,
                               &TVexlor_Character::Get_Hit,
                               &TVexlor_Character::Get_Damage,
                               &TVexlor_Character::Get_Movement,
                               &TVexlor_Character::Get_Open,
                               &TVexlor_Character::Get_Carry,
                               &TVexlor_Character::Get_Offensive,
                               &TVexlor_Character::Get_Defensive,
                               &TVexlor_Character::Get_Languages,
                               &TVexlor_Character::Get_Classes,
                               &TVexlor_Character::Get_Henchmen,
                               &TVexlor_Character::Get_Open_Locks,
                               &TVexlor_Character::Get_Find_Traps,
                               &TVexlor_Character::Get_Move_Silently,
                               &TVexlor_Character::Get_Hide,
                               &TVexlor_Character::Get_Hear_Noise,
                               &TVexlor_Character::Get_Climb_Walls,
                               &TVexlor_Character::Get_Reprogram,
                               &TVexlor_Character::Get_Interpretation,
                               &TVexlor_Character::Get_Interpretation_Time,
                               &TVexlor_Character::Get_Attacks,
                               &TVexlor_Character::Get_Hand_Damage,
                               &TVexlor_Character::Get_Antidote,
                               &TVexlor_Character::Get_Make_Ingestive_Poison,
                               &TVexlor_Character::Get_Make_Insinuative_Poison,
                               &TVexlor_Character::Get_Antidote_Time,
                               &TVexlor_Character::Get_Vocations,
                               &TVexlor_Character::Get_Attack_Adjustment,
                               &TVexlor_Character::Get_Detect_Lie,
                               &TVexlor_Character::Get_Constitution_Bonus};

// Works out a figure; an overflow of checked arithmetic on absurd stored values is a reported
// error, not a fault.
template <class Work> void Figure(Work work) {
    try {
        work();
    } catch (const std::overflow_error&) {
    }
}

std::string Read_And_Write(const std::string& text) {
    TVexlor_Character character;
    character.Deserialize(text.c_str());
    return character.Serialize();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    TFunction_Random dice([](int n) { return n > 1 ? n / 2 : 0; });
    TRandom_Override override(dice);

    TVexlor_Character character;
    character.Deserialize(text.c_str());
    for (const TFigure figure : Figures)
        Figure([&] { (character.*figure)(); });
    for (int level = 0; level <= 11; ++level) {
        Figure([&] { character.Get_Max_QIDS(level); });
        Figure([&] { character.Get_Max_CompoundS(level); });
    }
    character.Description();
    for (int slot = 1; slot <= 6; ++slot)
        Figure([&] { character.Level_Up(slot); });

    const std::string written = Read_And_Write(text);
    const std::string again = Read_And_Write(written);
    if (Read_And_Write(again) != again)
        std::abort();
    return 0;
}
