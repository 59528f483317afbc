#include "roster/New_Character.h"

#include "roster/Class_Page.h"

namespace Vexlor {

namespace {

// The picks whose class the character still has.
bool Keeps_QIDs(const TVexlor_Character& character) {
    return character.Is_Class("Engineer") > 0;
}

bool Keeps_Compound(const TVexlor_Character& character) {
    return character.Is_Class("Chemist") > 0;
}

} // namespace

void Roll_Before_Wizard(TVexlor_Character& character) {
    character.AC = 1;
    character.Roll_Personality();
    character.Roll_VDNA();
    character.Roll_Build();
    character.Roll_Family();
    character.Roll_Credits();
}

std::string Check_New_Character(TVexlor_Character& character, TQID_Picks& qids,
                                std::optional<std::string>& compound) {
    std::string note = Clear_Unqualified_Classes(character);
    if (!Keeps_QIDs(character))
        qids.Clear();
    if (!Keeps_Compound(character))
        compound.reset();
    return note;
}

void Finish_New_Character(TVexlor_Character& character, const TQID_Picks& qids,
                          const std::optional<std::string>& compound, TCharacter_Edit_Interface* edit) {
    for (int slot = TClass_Slots::Low_Index; slot <= TClass_Slots::High_Index; ++slot)
        Start_At_Level_One(character, slot);
    character.Roll_Age();
    if (!edit)
        return;
    if (Keeps_QIDs(character) && !qids.Get_Picked().empty())
        edit->QIDs(qids.Inventory_Text().c_str());
    if (Keeps_Compound(character) && compound && !compound->empty())
        edit->Compounds(compound->c_str());
}

} // namespace Vexlor
