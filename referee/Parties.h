// Parties of non-player characters that an encounter turns up: generated members with their
// levels, equipment, money, items, compounds, QID plans and compound recipes, and the text that
// describes them for the game master.
#pragma once

#include "characters/Characters.h"
#include "possessions/Item_Man.h"
#include "referee/Referee.h"

#include <memory>
#include <string>
#include <vector>

namespace Vexlor {

// A generated party. Its members and their possessions belong to it and go with it.
class TGenerated_Party {
  public:
    // The members in party order.
    const TVexlor_Party& Get_Party() const { return Party; }
    // A new member with an empty item manager of its own that looks items up in items.
    TVexlor_Character& Add_Member(TItem_Registry* items);

  private:
    struct TMember {
        std::unique_ptr<TVexlor_Item_Manager> Items;
        std::unique_ptr<TVexlor_Character> Character;
    };
    std::vector<TMember> Members;
    TVexlor_Party Party;
};

// The line break inside a party's description.
inline constexpr std::string_view Party_Line_Break = "\r\n";

// A party of generated characters for an encounter of level level. size is the party size the
// game master set (6 when it is below 1); tables 225 to 227 change size and levels, and tables
// 236, 239, 240 and 242 give the members' possessions.
TGenerated_Party Create_Party(TReferee& referee, int size, int level);

// What a generated member of level member_level carries and the levels it reaches: equipment,
// money, items and compounds each on a chance of member_level in ten, class levels, and a PID
// with recipes for a chemist and with plans (and QID devices) for an engineer. The member's item
// manager must be set.
void Outfit_Member(TReferee& referee, TVexlor_Character& member, int member_level);

// "Character party:" over a party of two or more; then for every member a line of figures
// (class summary, hit points, attacks, weapon damage, armour class, adjustments) and a line of
// possessions. It changes nothing.
std::string Party_Description(const TReferee& referee, const TVexlor_Party& party);

} // namespace Vexlor
