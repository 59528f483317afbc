#include "Gems.h"

#include "evaluator/Express.h"
#include "foundations/CommonUt.h"

#include <cmath>

namespace Vexlor {
namespace {

constexpr int Jewelry_Table = 3;
constexpr int Gem_Base_Table = 6;
constexpr int Gem_Step_Table = 7;
constexpr int Gem_Kind_Table = 251;
constexpr int Lines_Per_Press = 20;

// The value of an expression; 0 when it does not evaluate.
long double Value_Of(const std::string& expression) {
    long double value, imaginary;
    int position, error;
    Eval(expression, value, imaginary, position, error);
    return error == 0 ? value : 0;
}

} // namespace

int Value_Index(double x) {
    for (int i = 1; i <= Top_Gem_Index; ++i)
        if (Gem_Base_Values[i] > x)
            return i - 1;
    return Top_Gem_Index;
}

std::int64_t Generate_Gem(TReferee& referee) {
    TTable& tables = referee.Get_Tables();
    double value = Read_Whole_Number(
        TReferee::Evaluate(tables.Generate_Entry(Gem_Base_Table, Table_File_Name)), Gem_Base_Table, tables);
    for (;;) {
        const std::string step = tables.Generate_Entry(Gem_Step_Table, Table_File_Name);
        const int index = Value_Index(value);
        if (step == "+" && index < Top_Gem_Index)
            value = Gem_Base_Values[index + 1];
        else if (step == "-" && index >= 1)
            value = Gem_Base_Values[index - 1];
        else {
            // A "+" or "-" left at the end of the ladder adds or takes away nothing.
            const long double worth = std::trunc(Value_Of(Num1(value) + step));
            if (!(std::fabs(worth) < 9.2e18L))
                throw std::overflow_error("Arithmetic overflow");
            return static_cast<std::int64_t>(worth);
        }
    }
}

TRoll_Result Roll_Gems(TReferee& referee) {
    return Roll_Lines(referee.Get_Output(), "Gems", Lines_Per_Press, [&referee](TResult_Lines& lines) {
        const std::int64_t value = Generate_Gem(referee);
        lines.Add(std::to_string(value) + " cr " + referee.Generate(Gem_Kind_Table));
    });
}

// A piece without a ";" is all description, and its value 0.
TRoll_Result Roll_Jewelry(TReferee& referee) {
    return Roll_Lines(referee.Get_Output(), "Jewelry", Lines_Per_Press, [&referee](TResult_Lines& lines) {
        const std::string piece = referee.Generate(Jewelry_Table);
        const auto semicolon = piece.find(';');
        const std::string value =
            semicolon == std::string::npos ? std::string() : piece.substr(semicolon + 1);
        lines.Add(piece.substr(0, semicolon) + ", " + Num1(Value_Of(value)) + " cr");
    });
}

} // namespace Vexlor
