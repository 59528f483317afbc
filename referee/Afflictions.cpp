#include "Afflictions.h"

#include "catalogues/Poison_Template.h"
#include "foundations/Checked.h"
#include "foundations/CommonUt.h"
#include "foundations/Dice.h"
#include "foundations/Random.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace Vexlor {
namespace {

constexpr int Rolls_Per_Press = 20;

// ---------------------------------------------------------------------------------------------
// Diseases

// A body area: the rolls at or above which a disease of it is chronic, severe or terminal, and
// how soon a terminal case dies (count dice of sides, in the period; no dice for a terminal case
// that does not kill).
struct TDisease_Area {
    std::string_view Area;
    int Chronic;
    int Severe;
    int Terminal;
    int Death_Dice;
    int Death_Sides;
    std::string_view Period;
};

constexpr std::array<TDisease_Area, 26> Disease_Areas{{
    {"bladder", 7, 6, 8, 1, 12, "weeks"},
    {"blood", 4, 3, 6, 1, 12, "weeks"},
    {"bones", 2, 2, 4, 1, 10, "weeks"},
    {"circulatory", 4, 3, 5, 1, 12, "days"},
    {"brain", 3, 2, 4, 1, 12, "hours"},
    {"ears", 8, 7, 8, 4, 10, "hours"},
    {"endocrine", 5, 3, 8, 1, 12, "months"},
    {"eyes", 8, 6, 8, 4, 10, "hours"},
    {"digestive", 7, 6, 8, 1, 12, "weeks"},
    {"heart", 4, 2, 5, 1, 10, "days"},
    {"immune system", 2, 2, 4, 1, 20, "months"},
    {"intestine", 7, 6, 8, 1, 12, "weeks"},
    {"joints", 5, 7, 9, 0, 0, ""},
    {"kidney", 7, 6, 8, 1, 6, "weeks"},
    {"liver", 3, 3, 7, 1, 20, "days"},
    {"mouth/tongue", 8, 4, 8, 2, 6, "months"},
    {"mucousa", 8, 7, 9, 0, 0, ""},
    {"muscles", 6, 6, 8, 1, 12, "months"},
    {"nervous system", 7, 3, 6, 1, 12, ""},
    {"nose/throat", 7, 7, 9, 0, 0, ""},
    {"reproductive", 3, 4, 8, 1, 12, "weeks"},
    {"respiratory", 7, 6, 8, 1, 12, "weeks"},
    {"skin", 6, 6, 8, 4, 10, "months"},
    {"spine", 5, 2, 5, 1, 12, "hours"},
    {"stomach", 7, 6, 8, 1, 12, "weeks"},
    {"urinary system", 7, 7, 8, 1, 12, "weeks"},
}};

const TDisease_Area* Find_Area(const std::string& area) {
    const auto found = std::find_if(Disease_Areas.begin(), Disease_Areas.end(),
                                    [&area](const auto& row) { return row.Area == area; });
    return found == Disease_Areas.end() ? nullptr : &*found;
}

bool Percent_Below(int chance) {
    return Random(100) < chance;
}

// Two independent 10% chances, one for each score: either score, both, or neither is lost.
std::string Either_Or_Both(const std::string& first, const std::string& second) {
    const bool p = Percent_Below(10);
    const bool q = Percent_Below(10);
    if (p && q)
        return "  Lose 1 point of " + first + " and " + second + ".";
    if (p)
        return "  Lose 1 point of " + first + ".";
    if (q)
        return "  Lose 1 point of " + second + ".";
    return std::string();
}

std::string Terminal_Outcome(const TDisease_Area& row) {
    if (row.Area == "ears")
        return "  Permanent loss of hearing in one ear.";
    if (row.Area == "eyes")
        return "  Permanent loss of sight in one eye.";
    if (row.Area == "reproductive")
        return "  Permanent sterility.";
    return "  Death in " + std::to_string(Die(row.Death_Dice, row.Death_Sides)) + " " +
           std::string(row.Period);
}

// An endocrine disease drains one ability, or on a 7 two drawn at random (the same one twice
// drains it by two). On an 8 the glands settle without draining any ability, rather than naming
// none.
std::string Endocrine_Loss() {
    const int t = Die(1, 8);
    if (t == 8)
        return std::string();
    if (t != 7)
        return "  Lose 1 point of " + _Ability(t) + ".";
    const int a = Die(1, 6);
    const int b = Die(1, 6);
    return std::string(a == b ? "  Lose 2 points of " : "  Lose 1 point of ") + _Ability(a) + " and " +
           _Ability(b) + ".";
}

// The losses of a severe (not terminal) disease.
std::string Severe_Loss(std::string_view area, bool chronic) {
    if (area == "bladder")
        return chronic && Percent_Below(20) ? "  Lose 1 point of strength and dexterity." : "";
    if (area == "blood")
        return "  Lose 1 point of strength and constitution.";
    if (area == "endocrine")
        return Endocrine_Loss();
    if (area == "kidney" || area == "urinary system")
        return chronic && Percent_Below(20) ? "  Lose 1 point of dexterity and strength." : "";
    // The comeliness loss comes with the strength and dexterity loss of a chronic liver attack.
    if (area == "liver")
        return chronic && Percent_Below(20) ? "  Lose 1 point of dexterity and strength.  Comeliness reduced "
                                              "by 1 during duration of attack."
                                            : "";
    if (area == "mouth/tongue")
        return chronic ? "  Lose 1 point of strength." : "";
    if (area == "reproductive")
        return chronic ? "  Lose 1 point of strength and constitution." : "";
    if (area == "skin") {
        std::string text = Either_Or_Both("charisma", "comeliness");
        if (Random(100) == 0)
            text += "  Permanently lose 1 point of constitution.";
        return text;
    }
    return std::string();
}

// The losses of a chronic disease, lasting for a mild one and permanent otherwise.
std::string Chronic_Loss(std::string_view area, bool mild) {
    const std::string prefix = mild ? "  Loss" : "  Permanent loss";
    if (area == "digestive" || area == "intestine" || area == "stomach")
        return prefix + " of 1 point of strength and constitution.";
    if (area == "immune system" || area == "mucousa")
        return prefix + " of 1 point of constitution.";
    if (area == "joints")
        return prefix + " of 1 point of dexterity.";
    if (area == "muscles")
        return std::string(mild || Random(100) > 24 ? "  Loss" : "  Permanent loss") +
               " of 1 point of strength and dexterity.";
    if (area == "nose/throat")
        return Percent_Below(10) ? "  Lose 1 point of strength." : "";
    if (area == "respiratory")
        return Either_Or_Both("strength", "constitution");
    return std::string();
}

// The losses of a disease whatever its severity.
std::string Lasting_Loss(std::string_view area, bool chronic, bool mild) {
    if (area == "bones" || area == "circulatory" || area == "heart")
        return "  Lose 1 point of strength and constitution per week.";
    if (area == "brain")
        return "  Lose 1 point of cognitive, perception, and dexterity per week.";
    if (area == "nervous system")
        return "  Lose 1 point of strength, perception, and dexterity per week.";
    if (area == "spine")
        return "  Lose 1 point of strength and dexterity per week.";
    return chronic ? Chronic_Loss(area, mild) : std::string();
}

// ---------------------------------------------------------------------------------------------
// Poisons

struct TTime_Unit {
    int Seconds;
    std::string_view Name;
};

constexpr int Minute = 60, Hour = 60 * Minute, Day = 24 * Hour, Week = 7 * Day, Month = 4 * Week,
              Year = 12 * Month;
constexpr std::array<TTime_Unit, 7> Time_Units{{{Year, " year"},
                                                {Month, " month"},
                                                {Week, " week"},
                                                {Day, " day"},
                                                {Hour, " hour"},
                                                {Minute, " minute"},
                                                {1, " second"}}};

// Describes effects and the effects that follow them. An effect already being described further
// up its own chain is not described again, and one description covers at most a fixed number of
// effects, so a catalogue whose effects follow each other in a loop still gives a finite text.
class TEffect_Describer {
  public:
    explicit TEffect_Describer(TEffect_Registry* effects) : Effects(effects) {}

    std::string Describe(const std::string& name) {
        TEffect_Template* effect_template = Effects ? Effects->Get(name.c_str()) : nullptr;
        if (!effect_template || Described == Most_Effects_Described ||
            std::find(Chain.begin(), Chain.end(), name) != Chain.end())
            return std::string();
        ++Described;
        const auto effect = effect_template->Generate();
        std::string text = Timing(*effect) + Score_Changes(*effect) + Figure_Changes(*effect);
        if (effect->Speed != 0)
            text += "Max speed " + std::to_string(effect->Speed) + ".  ";
        if (const std::string conditions = Conditions(*effect); !conditions.empty())
            text += conditions + ".  ";
        Chain.push_back(name);
        for (const std::string& following : Split_Names(effect->Get_Effects()))
            if (const std::string description = Describe(following); !description.empty())
                text += (effect->Chain ? "Followed by " : "") + description;
        Chain.pop_back();
        return text;
    }

  private:
    static constexpr int Most_Effects_Described = 64;

    static std::string Timing(const Effect_Template::TEffect& effect) {
        std::string text;
        if (effect.Time > 0)
            text += "Onset time " + Standard_Time(effect.Time) + ".  ";
        if (effect.Duration > 0)
            text += (effect.Death ? "Death in " : "Lasting ") + Standard_Time(effect.Duration) + ".  ";
        return text;
    }

    static std::string Score_Changes(const Effect_Template::TEffect& effect) {
        std::string text = Change("Strength", effect.Strength) + Change("Constitution", effect.Constitution) +
                           Change("Dexterity", effect.Dexterity) + Change("Cognitive", effect.Cognitive) +
                           Change("Perception", effect.Perception) + Change("Wisdom", effect.Wisdom) +
                           Change("Charisma", effect.Charisma) + Change("Comeliness", effect.Comeliness) +
                           Change("Will", effect.Will) + Change("HP", effect.HP);
        if (effect.Repeat_Time != 0)
            text += " every " + Standard_Time(effect.Repeat_Time);
        return text.empty() ? text : text + ".  ";
    }

    static std::string Figure_Changes(const Effect_Template::TEffect& effect) {
        return Change("Armor Bonus", effect.Armor_Bonus) + Change("Hit adjustment", effect.Hit_Adjustment) +
               Change("Level", effect.Level) + Change("Experience", effect.Experience);
    }

    static std::string Conditions(const Effect_Template::TEffect& effect) {
        std::string text;
        Append_Bool(text, effect.Unconciousness, "unconscious");
        Append_Bool(text, effect.Dizziness, "dizzy");
        Append_Bool(text, effect.Helpless, "helpless");
        Append_Bool(text, effect.Blind, "blind");
        Append_Bool(text, effect.Deaf, "deaf");
        Append_Bool(text, effect.Sterility, "sterile");
        Append_Bool(text, effect.Hair_Loss, "hair");
        Append_Bool(text, effect.Bleeding, "bleeding");
        Append_Bool(text, effect.Memory_Loss, "memory loss");
        Append_Bool(text, effect.Nausea, "nausea");
        Append_Bool(text, effect.Hallucinations, "hallucinations");
        Append_Bool(text, effect.Sense_Lifeform, "sense lifeforms");
        Append_Bool(text, effect.Sense_QIDs, "sense QIDs");
        Append_Bool(text, effect.Sense_Chemicals, "sense chemicals");
        Append_Bool(text, effect.Sense_Secret_Doors, "sense hidden doors");
        return text;
    }

    TEffect_Registry* Effects;
    std::vector<std::string> Chain;
    int Described = 0;
};

// ---------------------------------------------------------------------------------------------
// Venom

std::string Venom_Effect(int s, int creature_level) {
    switch (s) {
    case 1:
        return "Blindness lasting " + std::to_string(Die(1, 4)) + " rounds";
    case 2:
        return "Nausea: character suffers -10% to offense.";
    case 3:
        return "Lose " + std::to_string(Die(1, 4)) + " hp.";
    case 4:
        return "Lose 1 strength for " + std::to_string(Die(1, 6)) +
               " rounds, but strength does not go below 1.";
    case 5:
        return "Fumblin lasting " + std::to_string(Die(1, 6)) +
               " rounds.  .  Each round, the character must roll higher than his dexterity or else he drops "
               "his weapon and must spend the round recovering it.";
    case 6:
        return "Nausea: character is helpless for " + std::to_string(Die(1, 2)) + " rounds.";
    case 7:
        return "Hallucinations: character is helpless for " + std::to_string(Die(1, 4)) + " rounds.";
    case 8:
        return "Paralysis lasting " + std::to_string(Die(1, 6)) + " rounds.";
    case 9:
        return "Permanent blindess.";
    default:
        return "Lose " + std::to_string(Checked_Mul(Die(1, 6), creature_level)) + " hp";
    }
}

} // namespace

int Constitution_Adjustment(int constitution) {
    if (constitution <= 1)
        return 2;
    if (constitution == 2)
        return 1;
    if (constitution == 3)
        return 0;
    if (constitution >= 12)
        return -5;
    return -((constitution - 2) / 2); // 4-5: -1, 6-7: -2, 8-9: -3, 10-11: -4
}

std::string _Ability(int number) {
    static constexpr std::array<std::string_view, 6> names{"strength",   "dexterity", "constitution",
                                                           "perception", "intellect", "comeliness"};
    return number >= 1 && number <= 6 ? std::string(names[static_cast<std::size_t>(number - 1)])
                                      : std::string();
}

std::string Set_Disease(const std::string& area, int constitution) {
    const TDisease_Area* row = Find_Area(area);
    if (!row)
        return std::string();
    const int adjustment = Constitution_Adjustment(constitution);
    const int severity = Die(1, 8) + adjustment;
    const int chronicity = Die(1, 8) + adjustment;
    const bool terminal = severity >= row->Terminal;
    const bool mild = !terminal && severity < row->Severe;
    const bool chronic = chronicity >= row->Chronic;
    std::string text = std::string(terminal ? "Terminal "
                                   : mild   ? "Mild "
                                            : "Severe ") +
                       (chronic ? "chronic " : "acute ") + area + " disease.";
    if (terminal)
        text += Terminal_Outcome(*row);
    else if (!mild)
        text += Severe_Loss(row->Area, chronic);
    text += Lasting_Loss(row->Area, chronic, mild);
    if (mild)
        text += "  Recovery in " + std::to_string(Die(1, 3)) + " weeks.";
    else if (!terminal)
        text += "  Recovery in " + std::to_string(2 + Random(2) + Random(2)) + " weeks.";
    return text;
}

std::vector<std::string> Disease_Area_Names() {
    std::vector<std::string> names;
    for (const TDisease_Area& row : Disease_Areas)
        names.emplace_back(row.Area);
    return names;
}

TRoll_Result Roll_Diseases(TReferee& referee, int constitution, const std::string& area) {
    return Roll_Lines(referee.Get_Output(), "Diseases", Rolls_Per_Press, [&](TResult_Lines& lines) {
        const std::string rolled_area =
            area.empty() ? referee.Get_Tables().Generate_Entry(2, Table_File_Name) : area;
        if (const std::string disease = Set_Disease(rolled_area, constitution); !disease.empty())
            lines.Add(disease);
    });
}

std::string Standard_Time(int seconds) {
    if (seconds < Minute)
        return std::to_string(seconds) + " seconds";
    std::string text;
    int rest = seconds;
    for (const TTime_Unit& unit : Time_Units) {
        const int count = rest / unit.Seconds;
        rest %= unit.Seconds;
        if (count == 0)
            continue;
        if (!text.empty())
            text += ", ";
        text += std::to_string(count) + std::string(unit.Name) + (count > 1 ? "s" : "");
    }
    return text;
}

std::string Change(const std::string& name, const TAdjustment& adjustment) {
    if (adjustment.Amount == 0)
        return std::string();
    return (adjustment.Permanent ? "Permanent " : "") + name + (adjustment.Amount < 0 ? " " : " +") +
           std::to_string(adjustment.Amount) + (adjustment.Percentage ? "%" : "") + " ";
}

void Append_Bool(std::string& text, bool flag, const std::string& word) {
    if (!flag)
        return;
    if (!text.empty())
        text += ", ";
    text += word;
}

std::string Effect_To_String(TEffect_Registry* effects, const std::string& effect_name) {
    return TEffect_Describer(effects).Describe(effect_name);
}

std::vector<std::string> Poison_Types(TPoison_Registry* poisons) {
    std::vector<std::string> types{Random_Choice};
    const std::int32_t count = poisons ? poisons->Count() : 0;
    for (std::int32_t i = 0; i < count; ++i)
        if (const TPoison_Template* poison = poisons->Get(i))
            types.emplace_back(poison->Get_Name());
    return types;
}

namespace {

// A poison's effect in words, or that the catalogue no longer holds it.
std::string Poison_Effect(TEffect_Registry* effects, const std::string& name) {
    if (!name.empty() && !(effects && effects->Get(name.c_str())))
        return "effect \"" + name + "\" is not in the catalogue";
    return Effect_To_String(effects, name);
}

} // namespace

// "<Random>" with no poison in the catalogue has nothing to roll and gives no lines.
TRoll_Result Roll_Poisoning(TReferee& referee, const std::string& poison_type) {
    TPoison_Registry* poisons = referee.Get_Catalogues().Poisons;
    TEffect_Registry* effects = referee.Get_Catalogues().Effects;
    const std::vector<std::string> types = Poison_Types(poisons);
    const int choices = static_cast<int>(types.size()) - 1;
    const bool nothing_to_roll = poison_type == Random_Choice && choices == 0;
    return Roll_Lines(
        referee.Get_Output(), "Poison", nothing_to_roll ? 0 : Rolls_Per_Press, [&](TResult_Lines& lines) {
            const std::string& name = poison_type == Random_Choice
                                          ? types[static_cast<std::size_t>(1 + Random(choices))]
                                          : poison_type;
            std::string line = "Type " + name + ": ";
            if (const TPoison_Template* poison = poisons ? poisons->Get(name.c_str()) : nullptr) {
                if (*poison->Get_Effect_Miss())
                    lines.Add(line + "Miss: " + Poison_Effect(effects, poison->Get_Effect_Miss()));
                line += Poison_Effect(effects, poison->Get_Effect());
            }
            lines.Add(line);
        });
}

std::string Venom_Line(int creature_level) {
    const int s = std::clamp(Checked_Add(Die(1, 6), creature_level), 1, 10);
    return Venom_Effect(s, creature_level);
}

TRoll_Result Roll_Venom(TReferee& referee, int creature_level) {
    return Roll_Lines(referee.Get_Output(), "Creature venom", Rolls_Per_Press,
                      [creature_level](TResult_Lines& lines) {
                          lines.Add(Venom_Line(creature_level));
                          lines.Add("----------");
                      });
}

} // namespace Vexlor
