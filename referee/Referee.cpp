#include "Referee.h"

#include "catalogues/Compounds.h"
#include "catalogues/Item_Template.h"
#include "catalogues/QID_Plan.h"
#include "evaluator/Express.h"
#include "foundations/CommonUt.h"
#include "foundations/Dice.h"
#include "foundations/Random.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace Vexlor {
namespace {

// Codes that expand into further tables are followed this deep.
constexpr int Deepest_Expansion = 64;
constexpr int Rolls_Per_Press = 20;
constexpr int Weapon_Classification = 2;

// Names of the records of a registry that pass a test, in registry order.
template <class T, class Test>
std::vector<std::string> Names_Where(TCatalogue_Registry<T>* registry, Test test) {
    std::vector<std::string> names;
    if (!registry)
        return names;
    const std::int32_t count = registry->Count();
    for (std::int32_t i = 0; i < count; ++i)
        if (T* record = registry->Get(i); record && test(*record))
            names.emplace_back(record->Get_Name());
    return names;
}

std::string Any_Of(const std::vector<std::string>& names) {
    return names.empty() ? std::string()
                         : names[static_cast<std::size_t>(Random(static_cast<int>(names.size())))];
}

} // namespace

int TReferee::Int_Eval(const std::string& text) {
    long double value, imaginary;
    int position, error;
    Eval(text, value, imaginary, position, error);
    if (error != 0 || !std::isfinite(value) || std::fabs(value) >= 2147483648.0L)
        return 0;
    return static_cast<int>(value);
}

int TReferee::Dice(int count, int sides) {
    return Die(count, sides);
}

std::string TReferee::Evaluate(const std::string& text) {
    std::string result;
    std::size_t position = 0;
    for (;;) {
        const auto open = text.find('<', position);
        const auto close = open == std::string::npos ? open : text.find('>', open);
        // An unclosed "<" stays as written.
        if (close == std::string::npos) {
            result.append(text, position);
            return result;
        }
        result.append(text, position, open - position);
        long double value, imaginary;
        int where, error;
        Eval(text.substr(open + 1, close - open - 1), value, imaginary, where, error);
        result += Num1(error == 0 ? value : 0);
        position = close + 1;
    }
}

std::string TReferee::Random_QID(int level) {
    return Any_Of(
        Names_Where(Catalogues.QIDs, [level](TQID_Plan& plan) { return plan.Get_Level() == level; }));
}

std::string TReferee::Random_Compound(int level) {
    return Any_Of(Names_Where(Catalogues.Compounds,
                              [level](TCompound_Plan& plan) { return plan.Get_Level() == level; }));
}

std::string TReferee::Random_Weapon() {
    return Any_Of(Names_Where(Catalogues.Items, [](TItem_Template& item) {
        return static_cast<int>(item.Get_Classification()) == Weapon_Classification;
    }));
}

std::string TReferee::Generate(int n) {
    const TShared_Roll roll(Tables);
    return Expand(n, 0);
}

std::string TReferee::Expand(int n, int depth) {
    std::string result;
    std::string text;
    for (const std::string& code :
         Expansion_Codes(Evaluate(Tables.Generate_Entry(n, Table_File_Name)), text)) {
        if (!result.empty())
            result += "; ";
        if (code.empty())
            continue;
        int number = 0;
        const std::string level_text = code.substr(1);
        switch (code.front()) {
        case 'Q':
            if (Str_To_Int(level_text, number))
                result += Random_QID(number) + " QID";
            break;
        case 'P':
            if (Str_To_Int(level_text, number))
                result += Random_QID(number) + " QID plan";
            break;
        case 'C':
            if (Str_To_Int(level_text, number))
                result += Random_Compound(number);
            break;
        case 'R':
            if (Str_To_Int(level_text, number))
                result += Random_Compound(number) + " compound recipe";
            break;
        case 'W':
            result += Random_Weapon();
            if (depth < Deepest_Expansion && Tables.Take_Table())
                result += Expand(Weapon_Extras_Table, depth + 1);
            break;
        default:
            if (Str_To_Int(code, number) && depth < Deepest_Expansion && Tables.Take_Table())
                result += Expand(number, depth + 1);
            break;
        }
    }
    if (!result.empty() && !text.empty())
        result += "; ";
    return result + text;
}

std::vector<std::string> Expansion_Codes(const std::string& text, std::string& rest) {
    std::vector<std::string> codes;
    rest = text;
    while (!rest.empty() && rest.front() == '@') {
        const auto semicolon = rest.find(';');
        codes.push_back(rest.substr(1, semicolon == std::string::npos ? std::string::npos : semicolon - 1));
        rest = semicolon == std::string::npos ? std::string() : rest.substr(semicolon + 1);
    }
    return codes;
}

// n dice of s sides plus r span low..high exactly when n + r = low and n * s + r = high, so n
// divides high - low and s = (high - low) / n + 1. The fewest added points come with the most dice:
// the largest divisor of high - low that is not above low (one die always fits). Divisors are
// found in pairs up to the square root, so a range of two billion takes a moment, not a freeze.
std::string Range_To_Dice(int low, int high) {
    if (low < 1 || low >= high)
        return std::string();
    const std::int64_t spread = std::int64_t{high} - low;
    std::int64_t count = 1;
    for (std::int64_t divisor = 1; divisor * divisor <= spread && divisor <= low; ++divisor) {
        if (spread % divisor != 0)
            continue;
        if (spread / divisor <= low)
            count = std::max(count, spread / divisor);
        count = std::max(count, divisor);
    }
    const std::int64_t bonus = low - count;
    std::string dice = std::to_string(count) + "d" + std::to_string(spread / count + 1);
    return bonus > 0 ? dice + "+" + std::to_string(bonus) : dice;
}

std::optional<std::string> Dice_Formula(std::string& die_roll) {
    const std::string s = Edit(die_roll, Edit_All);
    const auto inner = [&s](char c) {
        const auto found = s.find(c, 1);
        return found != std::string::npos && found + 1 < s.size() ? found : std::string::npos;
    };
    if (inner('D') != std::string::npos)
        return s;
    const auto dash = inner('-');
    if (dash == std::string::npos)
        return std::nullopt;
    int low = 0, high = 0;
    if (!Str_To_Int(s.substr(0, dash), low) || !Str_To_Int(s.substr(dash + 1), high))
        return std::nullopt;
    const std::string dice = Range_To_Dice(low, high);
    if (dice.empty())
        return std::nullopt;
    die_roll = dice;
    return Edit(dice, Edit_All);
}

std::optional<TRoll_Result> TReferee::Roll(std::string& die_roll) {
    const std::optional<std::string> formula = Dice_Formula(die_roll);
    if (!formula)
        return std::nullopt;
    const std::string& s = *formula;
    return Roll_Lines(Output, s + " Dice rolls", Rolls_Per_Press, [&s](TResult_Lines& lines) {
        long double value, imaginary;
        int position, error;
        Eval(s, value, imaginary, position, error);
        if (error == 0 && std::isfinite(value) && std::fabs(value) < 9.2e18L)
            lines.Add(std::to_string(static_cast<long long>(value)));
    });
}

std::optional<TRoll_Result> TReferee::Generate_Table(const std::string& table) {
    int number = 0;
    if (!Str_To_Int(Edit(table, Edit_Trim), number))
        return std::nullopt;
    return Roll_Lines(Output, "Table " + std::to_string(number), 1, [this, number](TResult_Lines& lines) {
        lines.Add(Tables.Generate_Entry(number, Table_File_Name));
    });
}

} // namespace Vexlor
