// Applying the operators and functions to their operands.
#include "Express.h"

#include "foundations/Random.h"

#include <climits>
#include <cmath>
#include <cstdint>

namespace Vexlor {
namespace {

constexpr long double Pi = 3.141592653589793238462643383279502884L;
constexpr long double Exponent_Limit = 88;
// FIB is defined up to 182 (and down to -182, as it takes the magnitude).
constexpr long double Largest_Fibonacci = 182;
// Shifts by more than this overflow (or vanish) whatever the value; ldexp takes an int.
constexpr long double Longest_Shift = 100000;

int Operand_Count(int operation) {
    switch (operation) {
    case Op_Add:
    case Op_Subtract:
    case Op_Multiply:
    case Op_Divide:
    case Op_Exponent:
    case Op_Min:
    case Op_Max:
    case Op_Mod:
    case Op_Rem:
    case Op_D:
    case Op_Div:
    case Op_Root:
    case Op_Shift_Left:
    case Op_Shift_Right:
    case Op_And:
    case Op_Or:
    case Op_Xor:
        return 2;
    case Op_PI:
        return 0;
    default:
        return 1;
    }
}

// The whole part of x as a signed 64-bit integer; false when it does not fit.
bool Whole_64(long double x, std::int64_t& whole) {
    const long double t = std::trunc(x);
    if (!(t >= -9223372036854775808.0L && t < 9223372036854775808.0L))
        return false;
    whole = static_cast<std::int64_t>(t);
    return true;
}

// 1, 1, 2, 3, 5, 8, ...: FIB(0) = FIB(1) = 1, then each value is the sum of the two before it.
long double Fibonacci(long long n) {
    long double before = 1;
    long double current = 1;
    for (long long i = 2; i <= n; ++i) {
        const long double next = before + current;
        before = current;
        current = next;
    }
    return current;
}

int Bitwise(int operation, long double a, long double b, long double& result) {
    std::int64_t x = 0;
    std::int64_t y = 0;
    if (!Whole_64(a, x) || !Whole_64(b, y))
        return Error_Integer_To_Large;
    const std::int64_t value = operation == Op_And ? (x & y) : operation == Op_Or ? (x | y) : (x ^ y);
    result = static_cast<long double>(value);
    return Error_None;
}

int Shift(int operation, long double a, long double b, long double& result) {
    if (b < 1) {
        result = a;
        return Error_None;
    }
    const int places = static_cast<int>(std::min(std::trunc(b), Longest_Shift));
    result = std::ldexp(a, operation == Op_Shift_Left ? places : -places);
    return Error_None;
}

// x squared through Power, whose errors stand.
int Square(long double x, long double& square) {
    int error = Error_None;
    square = Power(static_cast<double>(x), 2, error);
    return error;
}

int Inverse_Trigonometric(int operation, long double x, long double& result) {
    if (operation == Op_Arctan) {
        result = std::atan(x);
        return Error_None;
    }
    if (operation == Op_Arccot) {
        if (x == 0)
            return Error_Division_By_Zero;
        result = std::atan(1 / x);
        return Error_None;
    }
    long double square = 0;
    if (const int error = Square(x, square); error != Error_None)
        return error;
    switch (operation) {
    case Op_Arccos: {
        const long double t = 1 - square;
        if (t < 0)
            return Error_Imaginary_Number;
        if (x == 0)
            return Error_Division_By_Zero;
        result = std::atan(std::sqrt(t) / x);
        return Error_None;
    }
    case Op_Arcsin: {
        const long double t = 1 - square;
        if (t < 0)
            return Error_Imaginary_Number;
        if (t == 0)
            return Error_Division_By_Zero;
        result = std::atan(x / std::sqrt(t));
        return Error_None;
    }
    case Op_Arccsc: {
        const long double v = square - 1;
        if (v < 0)
            return Error_Imaginary_Number;
        if (v == 0)
            return Error_Division_By_Zero;
        result = std::atan(1 / std::sqrt(v));
        return Error_None;
    }
    default: { // Op_Arcsec
        const long double w = square - 1;
        if (w < 0)
            return Error_Imaginary_Number;
        result = std::atan(std::sqrt(w));
        return Error_None;
    }
    }
}

int Hyperbolic(int operation, long double x, long double& result) {
    if (x > Exponent_Limit || x < -Exponent_Limit)
        return Error_Argument_Too_large_in_EXP;
    const long double up = std::exp(x);
    const long double down = std::exp(-x);
    switch (operation) {
    case Op_Hypcos:
        result = (up + down) / 2;
        return Error_None;
    case Op_Hypsec:
        result = 2 / (up + down);
        return Error_None;
    case Op_Hypsin:
        result = (up - down) / 2;
        return Error_None;
    case Op_Hyptan:
        result = (up - down) / (up + down);
        return Error_None;
    default: // Op_Hypcot, Op_Hypcsc
        if (up - down == 0)
            return Error_Division_By_Zero;
        result = (operation == Op_Hypcot ? up + down : 2) / (up - down);
        return Error_None;
    }
}

int Inverse_Hyperbolic(int operation, long double x, long double& result) {
    if (operation == Op_Hyparccot) {
        if (x <= 1)
            return Error_Illegal_Argument_in_LOG;
        result = (std::log(x + 1) - std::log(x - 1)) / 2;
        return Error_None;
    }
    if (operation == Op_Hyparctan) {
        if (std::fabs(x) >= 1)
            return Error_Illegal_Argument_in_LOG;
        result = std::log((x + 1) / (1 - x)) / 2;
        return Error_None;
    }
    if (operation == Op_Hyparcsec) {
        if (x == 0)
            return Error_Division_By_Zero;
        if (x < 0)
            return Error_Illegal_Argument_in_LOG;
    }
    long double square = 0;
    if (const int error = Square(x, square); error != Error_None)
        return error;
    if (operation == Op_Hyparcsec) {
        const long double q = 1 / square - 1;
        if (q < 0)
            return Error_Imaginary_Number;
        result = std::log(std::sqrt(q) + 1 / x);
        return Error_None;
    }
    if (operation == Op_Hyparccos && square - 1 < 0)
        return Error_Imaginary_Number;
    const long double s = operation == Op_Hyparccos ? x + std::sqrt(square - 1) : x + std::sqrt(square + 1);
    if (s <= 0)
        return Error_Illegal_Argument_in_LOG;
    result = std::log(s);
    return Error_None;
}

int Whole_Root(long double x, long double degree, long double& result) {
    // A degree past the largest whole power would take minutes of bisection for a root within a
    // hair of 1; no referee needs one.
    constexpr long double Largest_Degree = 32767;
    if (degree != std::trunc(degree) || degree < 1 || degree > Largest_Degree)
        return Error_Illegal_Argument;
    const auto n = static_cast<long>(degree);
    if (x < 0 && n % 2 == 0)
        return Error_Imaginary_Number;
    result = Root(x, n);
    return Error_None;
}

} // namespace

bool TExpression_Evaluator::Calculate(int operation) {
    const int operands = Operand_Count(operation);
    if (Depth < operands) {
        Fail(Error_Syntax_Error);
        return true;
    }
    const long double b = operands == 2 ? Pop() : 0;
    const long double a = operands >= 1 ? Pop() : 0;
    long double result = 0;
    const int error = Compute(operation, a, b, result);
    if (error != Error_None) {
        Fail(error);
        return true;
    }
    Push(result);
    return Error_Code != Error_None;
}

int TExpression_Evaluator::Compute(int operation, long double a, long double b, long double& result) {
    int error = Error_None;
    switch (operation) {
    case Op_Negate_Stack:
        result = -a;
        break;
    case Op_Add:
        result = a + b;
        break;
    case Op_Subtract:
        result = a - b;
        break;
    case Op_Multiply:
        result = a * b;
        break;
    case Op_Divide:
        if (b == 0)
            return Error_Division_By_Zero;
        result = a / b;
        break;
    case Op_Mod:
        if (b == 0)
            return Error_Division_By_Zero;
        result = a - std::trunc(a / b) * b;
        break;
    case Op_Rem:
        if (b == 0)
            return Error_Division_By_Zero;
        result = a / b - std::trunc(a / b);
        break;
    case Op_Div:
        if (std::trunc(b) == 0)
            return Error_Division_By_Zero;
        result = std::trunc(std::trunc(a) / std::trunc(b));
        break;
    case Op_Percent:
        result = a / 100;
        break;
    case Op_Factorial:
        result = Factorial(a);
        break;
    case Op_Exponent:
        result = Power(static_cast<double>(a), static_cast<double>(b), error);
        break;
    case Op_Min:
        result = a < b ? a : b;
        break;
    case Op_Max:
        result = a > b ? a : b;
        break;
    case Op_D:
        error = Roll_Dice(a, b, result);
        break;
    case Op_Shift_Left:
    case Op_Shift_Right:
        error = Shift(operation, a, b, result);
        break;
    case Op_And:
    case Op_Or:
    case Op_Xor:
        error = Bitwise(operation, a, b, result);
        break;
    case Op_Root:
        error = Whole_Root(a, b, result);
        break;
    default:
        error = Compute_Function(operation, a, result);
        break;
    }
    // Whatever no check above catches (an overflow, a result that is not a number) ends the
    // evaluation too.
    if (error == Error_None && !std::isfinite(result))
        error = Error_Floating_point_error;
    return error;
}

int TExpression_Evaluator::Compute_Function(int operation, long double x, long double& result) {
    switch (operation) {
    case Op_Rad:
        result = x / (180 / Pi);
        return Error_None;
    case Op_Deg:
        result = x * (180 / Pi);
        return Error_None;
    case Op_Abs:
        result = std::fabs(x);
        return Error_None;
    case Op_Cos:
        result = std::cos(x);
        return Error_None;
    case Op_Sin:
        result = std::sin(x);
        return Error_None;
    case Op_Cot:
    case Op_Tan:
        if (std::cos(x) == 0 || (operation == Op_Cot && std::sin(x) == 0))
            return Error_Division_By_Zero;
        result = operation == Op_Tan ? std::sin(x) / std::cos(x) : 1 / (std::sin(x) / std::cos(x));
        return Error_None;
    case Op_Csc:
    case Op_Sec: {
        const long double divisor = operation == Op_Csc ? std::sin(x) : std::cos(x);
        if (divisor == 0)
            return Error_Division_By_Zero;
        result = 1 / divisor;
        return Error_None;
    }
    case Op_Exp:
        if (x > Exponent_Limit || x < -Exponent_Limit)
            return Error_Argument_Too_large_in_EXP;
        result = std::exp(x);
        return Error_None;
    case Op_Int:
        result = std::trunc(x);
        return Error_None;
    case Op_Log:
    case Op_Log10:
        if (x <= 0)
            return Error_Illegal_Argument_in_LOG;
        result = operation == Op_Log ? std::log(x) : std::log(x) / std::log(10.0L);
        return Error_None;
    case Op_Fix: {
        std::int64_t whole = 0;
        if (!Whole_64(x, whole))
            return Error_Integer_To_Large;
        result = static_cast<long double>(whole);
        return Error_None;
    }
    case Op_Sqr:
        if (x < 0)
            return Error_Imaginary_Number;
        result = std::sqrt(x);
        return Error_None;
    case Op_Sgn:
        result = x > 0 ? 1 : x < 0 ? -1 : 0;
        return Error_None;
    case Op_Fib:
        if (std::fabs(x) > Largest_Fibonacci)
            return Error_Floating_point_error;
        result = Fibonacci(static_cast<long long>(std::fabs(x)));
        return Error_None;
    case Op_Arccos:
    case Op_Arccot:
    case Op_Arccsc:
    case Op_Arcsec:
    case Op_Arcsin:
    case Op_Arctan:
        return Inverse_Trigonometric(operation, x, result);
    case Op_Hypcos:
    case Op_Hypcot:
    case Op_Hypcsc:
    case Op_Hypsec:
    case Op_Hypsin:
    case Op_Hyptan:
        return Hyperbolic(operation, x, result);
    case Op_Hyparccos:
    case Op_Hyparccot:
    case Op_Hyparcsec:
    case Op_Hyparcsin:
    case Op_Hyparctan:
        return Inverse_Hyperbolic(operation, x, result);
    case Op_Rnd:
        return Random_Below(x, result);
    case Op_PI:
        result = Pi;
        return Error_None;
    default:
        return Error_Syntax_Error; // an operation code that no symbol gives
    }
}

// The sum of count rolls of a die with sides faces: a fractional count rolls one die more, a
// count of 0 rolls none, a negative count rolls as many dice and gives minus their sum (-1D6 is
// -1 to -6, as the game master reads it), a die of fewer than two sides (negative ones too)
// shows 1.
int TExpression_Evaluator::Roll_Dice(long double count, long double sides, long double& result) {
    const long double dice = std::ceil(std::fabs(count));
    if (!(dice <= static_cast<long double>(Most_Dice - Dice_Rolled)))
        return Error_Floating_point_error;
    const long double faces = std::trunc(sides);
    if (faces > INT_MAX)
        return Error_Floating_point_error;
    const auto rolls = static_cast<long>(dice);
    Dice_Rolled += rolls;
    const int die = faces >= 2 ? static_cast<int>(faces) : 1;
    std::int64_t total = 0; // at most a million dice of fewer than 2^31 faces: exact
    for (long roll = 0; roll < rolls; ++roll)
        total += die >= 2 ? Random(die) + 1 : 1;
    result = static_cast<long double>(count < 0 ? -total : total);
    return Error_None;
}

// A uniform whole number from 0 to Trunc(sides) - 1; 0 for fewer than two sides.
int TExpression_Evaluator::Random_Below(long double sides, long double& result) {
    const long double whole = std::trunc(sides);
    if (whole > INT_MAX)
        return Error_Floating_point_error;
    result = whole >= 2 ? Random(static_cast<int>(whole)) : 0;
    return Error_None;
}

} // namespace Vexlor
