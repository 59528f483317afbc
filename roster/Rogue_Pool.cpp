// The rogue point pool and its panels.
#include "Rogue_Pool.h"

#include "foundations/Checked.h"

#include <numeric>
#include <string_view>

namespace Vexlor {

namespace {

using TField = int TVexlor_Character::*;

constexpr int Score_Max = 6;

TRogue_Panel_Kind Score_Panel(std::string_view name, std::string_view hint_name, TField field, int help) {
    std::string caption = std::string(name) + ":";
    caption.resize(18, ' '); // the values line up under one another
    TRogue_Panel_Kind kind;
    kind.Name = name;
    kind.Caption = caption + "$";
    kind.Hint = std::string(hint_name) + " score to $";
    kind.Increment = 2;
    kind.Multiplier = 1;
    kind.Max = Score_Max;
    kind.Price = TRogue_Price::Score;
    kind.Sheet = TRogue_Sheet::Abilities;
    kind.Field = field;
    kind.Help_Context = help;
    return kind;
}

// How often a panel's step may be bought.
enum class TSteps { Repeatable, Once, Escalating };

TRogue_Panel_Kind Field_Panel(std::string name, std::string caption, std::string hint, int increment,
                              int multiplier, int max, TSteps steps, TField field, int help) {
    TRogue_Panel_Kind kind;
    kind.Name = std::move(name);
    kind.Caption = std::move(caption);
    kind.Hint = std::move(hint);
    kind.Increment = increment;
    kind.Multiplier = multiplier;
    kind.Max = max;
    kind.One_Shot = steps != TSteps::Repeatable;
    kind.Price = steps == TSteps::Escalating ? TRogue_Price::Escalating : TRogue_Price::Flat;
    kind.Field = field;
    kind.Help_Context = help;
    return kind;
}

TRogue_Panel_Kind Limit_Panel(TRogue_Target target, int level) {
    const bool qids = target == TRogue_Target::QIDs;
    TRogue_Panel_Kind kind;
    kind.Name = "Level_" + std::to_string(level) + (qids ? "_QIDs" : "_Compounds");
    kind.Caption = "Level " + std::to_string(level) + (qids ? " QIDs: $" : " Compounds: $");
    kind.Hint = qids ? "ability to have $ simultaneously prepared QIDs"
                     : "ability to have $ simultaneously prepared compounds";
    kind.Increment = level;
    kind.Multiplier = 1;
    kind.Max = 10;
    kind.One_Shot = true;
    kind.Sheet = qids ? TRogue_Sheet::QIDs : TRogue_Sheet::Compounds;
    kind.Target = target;
    kind.Level = level;
    kind.Help_Context = qids ? 1020 : 1030;
    return kind;
}

TRogue_Panel_Kind Thief_Panel(std::string name, std::string caption, std::string hint, TField field,
                              int help) {
    TRogue_Panel_Kind kind = Field_Panel(std::move(name), std::move(caption), std::move(hint), 1, 1, 100,
                                         TSteps::Repeatable, field, help);
    kind.Sheet = TRogue_Sheet::Commando;
    kind.Paid_By_Commando_Points = true;
    return kind;
}

std::vector<TRogue_Panel_Kind> Build_Panels() {
    using C = TVexlor_Character;
    using enum TSteps;
    std::vector<TRogue_Panel_Kind> panels{
        Score_Panel("Strength", "strength", &C::Strength, 1001),
        Score_Panel("Constitution", "constitution", &C::Constitution, 1002),
        Score_Panel("Dexterity", "dexterity", &C::Dexterity, 1003),
        Score_Panel("Cognitive", "cognitive", &C::Cognitive, 1004),
        Score_Panel("Perception", "perception", &C::Perception, 1005),
        Score_Panel("Wisdom", "wisdom", &C::Wisdom, 1006),
        Score_Panel("Charisma", "charisma", &C::Charisma, 1007),
        Score_Panel("Comeliness", "comeliness", &C::Comeliness, 1008),
        Score_Panel("Will", "willpower", &C::Will, 1009),
        Field_Panel("Program_Computers", "Program computers: $%", "chance to program computers to $%", 1, 5,
                    99, Repeatable, &C::Rogue_Computer_Programming_Level, 1011),
        Field_Panel("Language_Interpretation", "Language interpretation: $%",
                    "chance to interpret languages to $%", 2, 1, 32767, Repeatable,
                    &C::Rogue_Language_Interpretation_Level, 1012),
        Field_Panel("Distinguish_Plants", "Distinguish edible plants: $%",
                    "chance to distinguish edible plants to $%", 1, 5, 99, Repeatable,
                    &C::Rogue_Distinguish_Plants_Level, 1013),
        Field_Panel("Build_Robots", "Build robots as per Level $ engineer",
                    "ability to build robots to that of level $ engineer", 1, 1, 32767, Repeatable,
                    &C::Rogue_Build_Robots_Level, 1014),
        Field_Panel("Weapons_Specialist", "Use weapons as per Level $ weapons specialist",
                    "ability to use weapons to that of level $ weapons specialist", 2, 1, 32767, Escalating,
                    &C::Rogue_Weapons_Specialist_Level, 1015),
        Field_Panel("Mercenary", "Attack as per Level $ mercenary",
                    "ability to attack as a level $ mercenary", 2, 1, 32767, Escalating,
                    &C::Rogue_Mercenary_Level, 1016),
        Field_Panel("Genetic_Engineering", "Genetic engineering as per Level $ Biologist",
                    "ability to genetically engineer creatures as level $ biologist", 2, 1, 32767, Once,
                    &C::Rogue_Genetic_Engineering_Level, 1017),
    };
    for (int level = 1; level <= 10; ++level)
        panels.push_back(Limit_Panel(TRogue_Target::QIDs, level));
    for (int level = 1; level <= 9; ++level)
        panels.push_back(Limit_Panel(TRogue_Target::Compounds, level));
    TRogue_Panel_Kind commando;
    commando.Name = "Commando_Points";
    commando.Caption = "Commando points: $";
    commando.Hint = "amount of commando points to $";
    commando.Increment = 1;
    commando.Multiplier = 20;
    commando.Max = 32767;
    commando.Sheet = TRogue_Sheet::Commando;
    commando.Target = TRogue_Target::Commando_Points;
    commando.Help_Context = 1041;
    panels.push_back(commando);
    panels.push_back(
        Thief_Panel("Open_Lock", "Open lock: $%", "chance to open locks to $%", &C::Rogue_Open_Lock, 1042));
    panels.push_back(
        Thief_Panel("Find_Traps", "Find traps: $%", "chance to find traps to $%", &C::Rogue_Find_Trap, 1043));
    panels.push_back(Thief_Panel("Move_Silently", "Move silently: $%", "chance to move silently to $%",
                                 &C::Rogue_Move_Silently, 1044));
    panels.push_back(
        Thief_Panel("Hide", "Hide: $%", "chance to hide in shadows to $%", &C::Rogue_Hide, 1045));
    panels.push_back(Thief_Panel("Hear_Noise", "Hear Noise: $%", "chance to hear noise to $%",
                                 &C::Rogue_Hear_Noise, 1046));
    panels.push_back(Thief_Panel("Climb", "Climb: $%", "chance to climb to $%", &C::Rogue_Climb, 1047));
    return panels;
}

const std::vector<TRogue_Panel_Kind>& Panel_Kinds() {
    static const std::vector<TRogue_Panel_Kind> panels = Build_Panels();
    return panels;
}

std::string With_Value(const std::string& text, int value) {
    std::string result;
    for (const char c : text)
        result += c == '$' ? std::to_string(value) : std::string(1, c);
    return result;
}

int Read_Base(const TVexlor_Character& character, const TRogue_Panel_Kind& kind) {
    switch (kind.Target) {
    case TRogue_Target::Field:
        return character.*kind.Field;
    case TRogue_Target::QIDs:
        return character.Get_Max_QIDS(kind.Level);
    case TRogue_Target::Compounds:
        return character.Get_Max_CompoundS(kind.Level);
    case TRogue_Target::Commando_Points:
        break;
    }
    return 0; // commando points are bought afresh on every visit and spent before leaving
}

int Read_Stored(const TVexlor_Character& character, const TRogue_Panel_Kind& kind) {
    switch (kind.Target) {
    case TRogue_Target::QIDs:
        return character._Max_QIDS[kind.Level];
    case TRogue_Target::Compounds:
        return character._Max_Compounds[kind.Level];
    default:
        return Read_Base(character, kind);
    }
}

bool Is_Level_Limit(const TRogue_Panel_Kind& kind) {
    return kind.Target == TRogue_Target::QIDs || kind.Target == TRogue_Target::Compounds;
}

// The limit panel of the next level in the same family, or -1 after the last level.
int Next_Level_Panel(int panel) {
    const int next = panel + 1;
    if (next >= Rogue_Panels::Count || Rogue_Panel_Kind(next).Target != Rogue_Panel_Kind(panel).Target)
        return -1;
    return next;
}

} // namespace

const TRogue_Panel_Kind& Rogue_Panel_Kind(int panel) {
    return Panel_Kinds().at(static_cast<std::size_t>(panel));
}

int Wizard_Rogue_Points(const TVexlor_Character& character) {
    return character.Initialized ? 0 : Checked_Add(character.Get_Level(1), 1);
}

TRogue_Pool::TRogue_Pool(TVexlor_Character& character, int total_points)
    : Character(character), Total(total_points), Original_Hit_Points(character.Hit_Points) {
    const int rogue_slot = character.Is_Class("Rogue");
    Rogue_Level = rogue_slot > 0 ? character.Get_Level(rogue_slot) : 0;
    for (int panel = 0; panel < Rogue_Panels::Count; ++panel) {
        TPanel_State& state = Panels[static_cast<std::size_t>(panel)];
        state.Base = Read_Base(character, Rogue_Panel_Kind(panel));
        state.Original = Read_Stored(character, Rogue_Panel_Kind(panel));
        state.Value = state.Base;
    }
}

int TRogue_Pool::Value(int panel) const {
    const int value = Panels.at(static_cast<std::size_t>(panel)).Value;
    if (panel == Rogue_Panels::Commando_Points)
        return value - Spent_Commando_Points();
    return value;
}

int TRogue_Pool::Next_Price(int panel) const {
    const TRogue_Panel_Kind& kind = Rogue_Panel_Kind(panel);
    const TPanel_State& state = Panels.at(static_cast<std::size_t>(panel));
    switch (kind.Price) {
    case TRogue_Price::Flat:
        return kind.Increment;
    case TRogue_Price::Score:
        // The ladder doubles with every point of the score; a score of 6 or more has no next step.
        if (state.Value >= Score_Max)
            return 0;
        return 1 << std::max(state.Value, 1);
    case TRogue_Price::Escalating:
        return kind.Increment + 2 * static_cast<int>(state.Bought.size());
    }
    return 0;
}

std::string TRogue_Pool::Price_Text(int panel) const {
    const int price = Next_Price(panel);
    return price == 0 ? "n/a" : std::to_string(price);
}

std::string TRogue_Pool::Caption(int panel) const {
    const TRogue_Panel_Kind& kind = Rogue_Panel_Kind(panel);
    std::string caption = With_Value(kind.Caption, Value(panel));
    if (kind.Caption.find('%') != std::string::npos)
        return caption + " (cost:" + std::to_string(kind.Increment) + "/" + std::to_string(kind.Multiplier) +
               "%)";
    // The ability panels read like one-shot panels: their price changes with every step.
    if (kind.One_Shot || kind.Price == TRogue_Price::Score)
        return caption + " (cost:" + Price_Text(panel) + ")";
    return caption + " (cost:" + std::to_string(kind.Increment) + "/level)";
}

std::string TRogue_Pool::Increase_Hint(int panel) const {
    const TRogue_Panel_Kind& kind = Rogue_Panel_Kind(panel);
    return "Increase " + With_Value(kind.Hint, Value(panel) + kind.Multiplier);
}

std::string TRogue_Pool::Decrease_Hint(int panel) const {
    const TRogue_Panel_Kind& kind = Rogue_Panel_Kind(panel);
    const TPanel_State& state = Panels.at(static_cast<std::size_t>(panel));
    const bool is_commando = panel == Rogue_Panels::Commando_Points;
    const int previous =
        state.Bought.empty() || is_commando ? Value(panel) - kind.Multiplier : state.Bought.back().Previous;
    return "Decrease " + With_Value(kind.Hint, previous);
}

int TRogue_Pool::Stored(int panel, int value) const {
    const TPanel_State& state = Panels.at(static_cast<std::size_t>(panel));
    return value == state.Base ? state.Original : value;
}

// A level's limit opens the next level once the character has at least one there and the
// stored limit is not zero.
bool TRogue_Pool::Opens_Next_Level(int panel, int value) const {
    return value >= 1 && Stored(panel, value) != 0;
}

bool TRogue_Pool::Level_Open(int panel) const {
    const TRogue_Panel_Kind& kind = Rogue_Panel_Kind(panel);
    if (!Is_Level_Limit(kind))
        return true;
    if (Rogue_Level < kind.Level)
        return false;
    return kind.Level == 1 || Opens_Next_Level(panel - 1, Value(panel - 1));
}

bool TRogue_Pool::Can_Increase(int panel) const {
    const TRogue_Panel_Kind& kind = Rogue_Panel_Kind(panel);
    const TPanel_State& state = Panels.at(static_cast<std::size_t>(panel));
    const int price = Next_Price(panel);
    if (price == 0 || state.Value + kind.Multiplier > kind.Max || !Level_Open(panel))
        return false;
    if (kind.One_Shot && kind.Price == TRogue_Price::Flat && !state.Bought.empty())
        return false;
    const int funds = kind.Paid_By_Commando_Points ? Unassigned_Commando_Points() : Points_Left();
    return funds >= price;
}

bool TRogue_Pool::Can_Decrease(int panel) const {
    const TRogue_Panel_Kind& kind = Rogue_Panel_Kind(panel);
    const TPanel_State& state = Panels.at(static_cast<std::size_t>(panel));
    if (state.Bought.empty())
        return false;
    // Commando points already spent on thief skills cannot be sold back.
    if (panel == Rogue_Panels::Commando_Points)
        return Unassigned_Commando_Points() >= kind.Multiplier;
    // A level that opened a purchase on the next level stays open while that purchase stands.
    if (Is_Level_Limit(kind)) {
        const int next = Next_Level_Panel(panel);
        if (next >= 0 && !Panels.at(static_cast<std::size_t>(next)).Bought.empty())
            return Opens_Next_Level(panel, state.Bought.back().Previous);
    }
    return true;
}

void TRogue_Pool::Increase(int panel) {
    if (!Can_Increase(panel))
        return;
    TPanel_State& state = Panels.at(static_cast<std::size_t>(panel));
    state.Bought.push_back({state.Value, Next_Price(panel)});
    state.Value = Checked_Add(state.Value, Rogue_Panel_Kind(panel).Multiplier);
    Write_Panel(panel);
}

void TRogue_Pool::Decrease(int panel) {
    if (!Can_Decrease(panel))
        return;
    TPanel_State& state = Panels.at(static_cast<std::size_t>(panel));
    state.Value = state.Bought.back().Previous;
    state.Bought.pop_back();
    Write_Panel(panel);
}

int TRogue_Pool::Spent_Rogue_Points() const {
    int spent = 0;
    for (int panel = 0; panel < Rogue_Panels::Count; ++panel)
        if (!Rogue_Panel_Kind(panel).Paid_By_Commando_Points)
            for (const TPurchase& purchase : Panels[static_cast<std::size_t>(panel)].Bought)
                spent += purchase.Price;
    return spent;
}

int TRogue_Pool::Spent_Commando_Points() const {
    int spent = 0;
    for (int panel = 0; panel < Rogue_Panels::Count; ++panel)
        if (Rogue_Panel_Kind(panel).Paid_By_Commando_Points)
            for (const TPurchase& purchase : Panels[static_cast<std::size_t>(panel)].Bought)
                spent += purchase.Price;
    return spent;
}

int TRogue_Pool::Points_Left() const {
    return Extra_Hit_Point ? 0 : Total - Spent_Rogue_Points();
}

int TRogue_Pool::Unassigned_Commando_Points() const {
    return Value(Rogue_Panels::Commando_Points);
}

std::string TRogue_Pool::Points_Caption() const {
    return "Rogue points: " + std::to_string(Points_Left()) + "/" + std::to_string(Total);
}

std::string TRogue_Pool::Total_Caption(TScore_Group group) const {
    static constexpr std::array<const char*, 3> labels{
        "Total physical: ", "Total intellect: ", "Total influence: "};
    const int first = Rogue_Panels::Strength + 3 * static_cast<int>(group);
    const int total = Value(first) + Value(first + 1) + Value(first + 2);
    return labels[static_cast<std::size_t>(group)] + std::to_string(total);
}

void TRogue_Pool::Set_Hit_Point_Option(bool chosen) {
    if (chosen && !Hit_Point_Option_Available())
        return;
    Extra_Hit_Point = chosen;
    if (chosen)
        for (TPanel_State& state : Panels) {
            state.Value = state.Base;
            state.Bought.clear();
        }
    Write_Into_Character();
}

std::string TRogue_Pool::Hit_Point_Caption() const {
    if (Extra_Hit_Point)
        return "Increase maximum hit points (" + std::to_string(Character.Hit_Points) + ")";
    return "Increase maximum hit points to " + std::to_string(Checked_Add(Character.Hit_Points, 1));
}

bool TRogue_Pool::Valid() const {
    return Points_Left() <= 1 && Unassigned_Commando_Points() == 0;
}

void TRogue_Pool::Write_Panel(int panel) const {
    const TRogue_Panel_Kind& kind = Rogue_Panel_Kind(panel);
    const int value = Panels.at(static_cast<std::size_t>(panel)).Value;
    switch (kind.Target) {
    case TRogue_Target::Field:
        Character.*kind.Field = value;
        break;
    case TRogue_Target::QIDs:
        Character.Set_Max_QIDS(kind.Level, Stored(panel, value));
        break;
    case TRogue_Target::Compounds:
        Character.Set_Max_CompoundS(kind.Level, Stored(panel, value));
        break;
    case TRogue_Target::Commando_Points:
        break;
    }
}

void TRogue_Pool::Write_Into_Character() const {
    for (int panel = 0; panel < Rogue_Panels::Count; ++panel)
        Write_Panel(panel);
    Character.Hit_Points = Checked_Add(Original_Hit_Points, Extra_Hit_Point ? 1 : 0);
}

TRogue_Restore_Point::TFields TRogue_Restore_Point::Read(const TVexlor_Character& character) {
    TFields fields;
    for (int panel = 0; panel < Rogue_Panels::Count; ++panel)
        if (Rogue_Panel_Kind(panel).Field)
            fields.push_back(character.*Rogue_Panel_Kind(panel).Field);
    fields.insert(fields.end(), character._Max_QIDS.begin(), character._Max_QIDS.end());
    fields.insert(fields.end(), character._Max_Compounds.begin(), character._Max_Compounds.end());
    fields.push_back(character.Hit_Points);
    return fields;
}

void TRogue_Restore_Point::Write(TVexlor_Character& character, const TFields& fields) {
    auto next = fields.begin();
    for (int panel = 0; panel < Rogue_Panels::Count; ++panel)
        if (Rogue_Panel_Kind(panel).Field)
            character.*Rogue_Panel_Kind(panel).Field = *next++;
    for (int& limit : character._Max_QIDS)
        limit = *next++;
    for (int& limit : character._Max_Compounds)
        limit = *next++;
    character.Hit_Points = *next;
}

void TRogue_Restore_Point::Enter(TVexlor_Character& character) {
    TFields current = Read(character);
    if (Visited) {
        for (std::size_t i = 0; i < current.size(); ++i)
            if (Left_Behind[i] != On_Entry[i] && current[i] == Left_Behind[i])
                current[i] = On_Entry[i];
        Write(character, current);
    }
    On_Entry = current;
    Left_Behind = current;
    Visited = true;
}

void TRogue_Restore_Point::Record(const TVexlor_Character& character) {
    Left_Behind = Read(character);
}

} // namespace Vexlor
