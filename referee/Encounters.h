// Encounters: what the party meets, by encounter level, habitat and climate, with the creatures
// of each group generated from the creature catalogue and described, or a party of characters.
#pragma once

#include "catalogues/Creature_Profile.h"
#include "referee/Referee.h"
#include "referee/Tool_Result.h"

#include <string>
#include <vector>

namespace Vexlor {

// The choices of the "Habitat:" and "Climate:" boxes.
extern const std::vector<std::string> Encounter_Habitats;
extern const std::vector<std::string> Encounter_Climates;

// The "Creature:" list: "<Random>", then every creature profile of the catalogue in its order.
std::vector<std::string> Creature_Choices(TCreature_Registry* creatures);

// The values of the "Encounters" tab's boxes.
struct TEncounter_Choices {
    int Level = 0;                        // "Level:" 1 to 10; 0 for "<Random>"
    std::string Creature = Random_Choice; // a creature profile's name or "<Random>"
    std::string Habitat = Random_Choice;
    std::string Climate = Random_Choice;
    int Party_Size = 0;
};

enum TState_Detail { State_Short, State_Full };

class TEncounters {
  public:
    explicit TEncounters(TReferee& referee) : Referee(referee) {}

    // "Roll": ten encounters, each ended by a dashed line.
    TRoll_Result Roll(const TEncounter_Choices& choices);

    // The encounter level for a party of level party_level (1 to 10; 0 rolls it): table 90 plus
    // the party level.
    int Encounter_Level(int party_level);
    // An encounter with a party of characters at encounter level level: who they are (table 224)
    // and the party described.
    std::string Character_Party(int party_size, int level);

    // The profile for an encounter entry at encounter level level: by name, else by
    // classification, else, for a name starting "Giant ", "Huge ", "Pygmy " or "Young ", the same
    // without that word, with size set to the kind (TCreature_Kind). name becomes the name of the
    // profile a classification chose. habitat and climate are THabitat and THabitat_Climate codes,
    // 0 for any.
    const TCreature_Profile* Get_Creature(std::string& name, int level, int& size, int climate, int habitat);
    const TCreature_Profile* _Get_Creature(std::string& name, int level, int climate, int habitat);
    // Whether a profile suits the level, habitat and climate.
    static bool Try_Creature(const TCreature_Profile& profile, int level, int climate, int habitat);

    // A generated creature described: in short (hit points, experience, treasure carried) or in
    // full (attacks, damage and every trait that applies).
    std::string Creature_States(const TCreature& creature, TState_Detail detail);

  private:
    void Add_Encounter(TResult_Lines& lines, const TEncounter_Choices& choices);
    void Add_Creatures(TResult_Lines& lines, const TCreature_Profile& profile, int level, int count,
                       int kind);
    std::string Full_State(const TCreature& creature);

    TReferee& Referee;
};

// The habitat and climate codes of a choice of the boxes; 0 for "<Random>" or any other text.
int Habitat_Code(const std::string& choice);
int Climate_Code(const std::string& choice);

} // namespace Vexlor
