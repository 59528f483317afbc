#include "Parties.h"

#include "catalogues/Item_Template.h"
#include "foundations/Checked.h"
#include "foundations/CommonUt.h"
#include "foundations/Dice.h"
#include "foundations/Random.h"

#include <algorithm>
#include <set>

namespace Vexlor {
namespace {

constexpr int Party_Size_Change_Table = 225;
constexpr int Party_Level_Change_Table = 226;
constexpr int Member_Level_Change_Table = 227;
constexpr int Equipment_Table = 236;
constexpr int Money_Table = 239;
constexpr int Compound_Table = 240;
constexpr int Item_Table = 242;

constexpr int Default_Party_Size = 6;
// Members are rolled up with one die per ability score.
constexpr int Member_Rolling_Method = 0;
// A party or a level this large comes only from a broken table; holding the figures there keeps
// every press of the encounter tool short.
constexpr int Largest_Party = 100;
constexpr int Highest_Member_Level = 100;
// An equipment draw that keeps naming things the item catalogue does not know gives up.
constexpr int Most_Unknown_Equipment = 100;
// Each possession takes one draw for every five levels.
constexpr int Levels_Per_Draw = 5;

const std::string PID_Name = "PID";
const std::string Credit_Name = "Credit";

int Bounded(long long value, int lowest, int highest) {
    return static_cast<int>(std::clamp<long long>(value, lowest, highest));
}

// A table result read as a whole number; 0 when it is none.
int Whole_Number(const std::string& text) {
    int value = 0;
    return Str_To_Int(Edit(text, Edit_Trim), value) ? value : 0;
}

int Party_Level(TReferee& referee, int level) {
    const long long change = Whole_Number(referee.Generate(Party_Level_Change_Table));
    return Bounded(change + level, 1, Highest_Member_Level);
}

int Party_Size(TReferee& referee, int size) {
    std::string change = referee.Generate(Party_Size_Change_Table);
    // A ";" in the change stands for "+".
    if (const auto semicolon = change.find(';'); semicolon != std::string::npos)
        change[semicolon] = '+';
    const long long members = size < 1 ? Default_Party_Size : size;
    return Bounded(members + TReferee::Int_Eval(TReferee::Evaluate(change)), 1, Largest_Party);
}

int Member_Level(TReferee& referee, int party_level) {
    const long long change =
        TReferee::Int_Eval(TReferee::Evaluate(referee.Generate(Member_Level_Change_Table)));
    return Bounded(change + party_level, -Highest_Member_Level, Highest_Member_Level);
}

TVexlor_Item_Manager& Items_Of(const TVexlor_Character& member) {
    return *member.Item_Manager();
}

const TItem_Template* Template_Of(const TReferee& referee, const TVexlor_Item& item) {
    TItem_Registry* catalogue = referee.Get_Catalogues().Items;
    return catalogue ? catalogue->Get(item.Get_Name()) : nullptr;
}

// Draws from the equipment table until the item catalogue knows the name; the first armour and
// the first weapon a member gets are the ones it wears and holds.
class TEquipment_Draw {
  public:
    TEquipment_Draw(TReferee& referee, TVexlor_Item_Manager& items) : Referee(referee), Items(items) {}

    void Draw() {
        for (int unknown = 0; unknown < Most_Unknown_Equipment; ++unknown) {
            const int index = Items.Add(Referee.Generate(Equipment_Table));
            if (index >= 0) {
                Equip_If_First(*Items.Get_Item(index));
                return;
            }
        }
    }

  private:
    void Equip_If_First(TVexlor_Item& item) {
        const TItem_Template* item_template = Template_Of(Referee, item);
        if (!item_template)
            return;
        bool* taken = item_template->Get_Classification() == IC_Armor    ? &Armor_Taken
                      : item_template->Get_Classification() == IC_Weapon ? &Weapon_Taken
                                                                         : nullptr;
        if (taken && !*taken) {
            item.Equipped = true;
            *taken = true;
        }
    }

    TReferee& Referee;
    TVexlor_Item_Manager& Items;
    bool Armor_Taken = false;
    bool Weapon_Taken = false;
};

void Add_Money(TReferee& referee, TVexlor_Item_Manager& items, int draws) {
    int credits = 0;
    for (int i = 0; i < draws; ++i) {
        const std::string money = referee.Generate(Money_Table);
        credits = Checked_Add(credits, Whole_Number(money.substr(0, money.find(' '))));
    }
    if (const int credit = items.Add(Credit_Name); credit >= 0)
        items.Get_Item(credit)->Set_Count(credits);
}

// A name drawn from an empty part of a catalogue (no plan of that level) adds nothing.
void Add_Named(TVexlor_Item_Manager& items, std::string_view kind, const std::string& name) {
    if (!name.empty())
        items.Add(Item_Specification(kind, name));
}

// The chances of a member of the level to carry possessions, each drawn once for every five
// levels (at least once): equipment, money, items and compounds.
void Draw_Possessions(TReferee& referee, TVexlor_Item_Manager& items, int member_level) {
    const int draws = std::max(member_level / Levels_Per_Draw, 1);
    const auto chance = [member_level] { return member_level * 10 >= Random(100); };
    if (chance()) {
        TEquipment_Draw equipment(referee, items);
        for (int i = 0; i < draws; ++i)
            equipment.Draw();
    }
    if (chance())
        Add_Money(referee, items, draws);
    if (chance())
        for (int i = 0; i < draws; ++i)
            items.Add(referee.Generate(Item_Table));
    if (chance())
        for (int i = 0; i < draws; ++i)
            Add_Named(items, "C", referee.Generate(Compound_Table));
}

// The member's level shared out over its classes; a share of 1 or less leaves the levels alone.
void Share_Levels(TVexlor_Character& member, int member_level) {
    const int classes = member.Get_Classes();
    if (classes < 1 || member_level / classes <= 1)
        return;
    for (int slot = TClass_Slots::Low_Index; slot <= TClass_Slots::High_Index; ++slot)
        if (member.Get_Class(slot) >= 0)
            member.Set_Level(slot, member_level / classes);
}

// A new PID for the member's plans and recipes; null when the item catalogue has no PID.
TInformation_Collection* Add_PID(TVexlor_Item_Manager& items) {
    const int pid = items.Add(PID_Name);
    if (pid < 0)
        return nullptr;
    items.Get_Item(pid)->Set_Information(std::make_unique<TInformation_Collection>());
    return items.Get_Item(pid)->Get_Information();
}

// A chemist keeps in a PID as many recipes of each compound level up to the chemist's level as
// the level allows.
void Add_Chemist_Recipes(TReferee& referee, TVexlor_Character& member) {
    const int slot = member.Is_Class(Class_Name[Class_Chemist]);
    if (slot == 0)
        return;
    TInformation_Collection* recipes = Add_PID(Items_Of(member));
    if (!recipes)
        return;
    for (int level = member.Get_Level(slot); level >= 1; --level)
        for (int i = 0; i < member.Get_Max_CompoundS(level); ++i)
            if (const std::string name = referee.Random_Compound(level); !name.empty())
                recipes->Add(std::make_shared<TCompound_Recipe>(name));
}

// An engineer carries as many QID devices of each QID level up to the engineer's level as the
// level allows, and keeps the plan of each different QID in a PID. Without a PID in the item
// catalogue the engineer still carries the devices, only without plans.
void Add_Engineer_QIDs(TReferee& referee, TVexlor_Character& member) {
    const int slot = member.Is_Class("Engineer");
    if (slot == 0)
        return;
    TVexlor_Item_Manager& items = Items_Of(member);
    TInformation_Collection* plans = Add_PID(items);
    std::set<std::string> planned;
    for (int level = member.Get_Level(slot); level >= 1; --level)
        for (int i = 0; i < member.Get_Max_QIDS(level); ++i) {
            const std::string name = referee.Random_QID(level);
            if (name.empty())
                continue;
            items.Add(Item_Specification("Q", name));
            if (plans && planned.insert(name).second)
                plans->Add(std::make_shared<Item_Man::TQID_Plan>(name));
        }
}

std::string Signed_Adjustment(const std::string& label, int value) {
    if (value == 0)
        return std::string();
    return ", " + label + (value > 0 ? " +" : " ") + std::to_string(value);
}

const Item_Man::TPlan_Reference* Plan_At(const TInformation_Collection& information, int index) {
    return dynamic_cast<const Item_Man::TPlan_Reference*>(information.Get_Index(index));
}

std::string Plan_Kind(const Item_Man::TPlan_Reference& plan) {
    if (plan.Is_Type("qid"))
        return " QID plan";
    if (plan.Is_Type("compound"))
        return " compound recipe";
    return std::string();
}

std::string Item_Description(const TVexlor_Item& item) {
    const TInformation_Collection* information = item.Get_Information();
    const bool written_on = information && information->Count() > 0;
    std::string text;
    if (item.Get_Name() == Paper_Name && written_on) {
        if (const auto* plan = Plan_At(*information, 0))
            text = plan->Get_Name() + Plan_Kind(*plan);
    } else {
        text = item.Get_Name();
        if (item.Item_Type() == IT_QID)
            text += " QID";
        else if (item.Item_Type() == IT_Compound)
            text += " compound";
    }
    if (item.Get_Count() > 0)
        text += " (" + std::to_string(item.Get_Count()) + ")";
    if (item.Get_Name() == PID_Name && information) {
        std::string names;
        for (int i = 0; i < information->Count(); ++i)
            if (const auto* plan = Plan_At(*information, i))
                names += (names.empty() ? "" : ", ") + plan->Get_Name();
        text += " (" + names + ")";
    }
    return text + ", ";
}

std::string Member_Description(const TReferee& referee, const TVexlor_Character& member) {
    int armour_class = member.Get_AC();
    std::string weapons;
    const TVexlor_Item_Manager* items = member.Item_Manager();
    const int count = items ? items->Count() : 0;
    for (int i = 0; i < count; ++i) {
        const TVexlor_Item& item = *items->Get_Item(i);
        const TItem_Template* item_template = item.Equipped ? Template_Of(referee, item) : nullptr;
        if (!item_template)
            continue;
        if (item_template->Get_Classification() == IC_Armor)
            armour_class = Checked_Add(armour_class, item_template->Get_Armor_Bonus());
        else
            weapons += ", Dmg: " + Range_To_String(item_template->Get_Damage());
    }
    std::string text = member._Get_Name() + " (" + member.Class_Summary() + "), " +
                       std::to_string(member.Hit_Points) +
                       " hp, #AT: " + std::to_string(member.Get_Attacks()) + weapons +
                       ", AC: " + std::to_string(armour_class);
    if (member.Get_Regeneration() != 0)
        text += ", regenerate " + std::to_string(member.Get_Regeneration());
    text += Signed_Adjustment("hit", member.Get_Hit());
    text += Signed_Adjustment("defense", member.Get_Defensive());
    text += Signed_Adjustment("offense", member.Get_Offensive());
    text += Party_Line_Break;
    text += "  ";
    for (int i = 0; i < count; ++i)
        text += Item_Description(*items->Get_Item(i));
    text += Party_Line_Break;
    return text;
}

} // namespace

TVexlor_Character& TGenerated_Party::Add_Member(TItem_Registry* items) {
    TMember member{std::make_unique<TVexlor_Item_Manager>(items), std::make_unique<TVexlor_Character>()};
    member.Character->Set_Item_Manager(member.Items.get());
    Party.Members.push_back(member.Character.get());
    Members.push_back(std::move(member));
    return *Members.back().Character;
}

void Outfit_Member(TReferee& referee, TVexlor_Character& member, int member_level) {
    Draw_Possessions(referee, Items_Of(member), member_level);
    Share_Levels(member, member_level);
    Add_Chemist_Recipes(referee, member);
    Add_Engineer_QIDs(referee, member);
}

TGenerated_Party Create_Party(TReferee& referee, int size, int level) {
    const int party_level = Party_Level(referee, level);
    const int members = Party_Size(referee, size);
    TGenerated_Party party;
    for (int i = 0; i < members; ++i) {
        TVexlor_Character& member = party.Add_Member(referee.Get_Catalogues().Items);
        member.Generate(Member_Rolling_Method);
        Outfit_Member(referee, member, Member_Level(referee, party_level));
    }
    return party;
}

std::string Party_Description(const TReferee& referee, const TVexlor_Party& party) {
    std::string text;
    if (party.Members.size() >= 2) {
        text = "Character party:";
        text += Party_Line_Break;
    }
    for (const TVexlor_Character* member : party.Members)
        text += Member_Description(referee, *member);
    return text;
}

} // namespace Vexlor
