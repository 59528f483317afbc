// The maths behind the expression evaluator: powers, factorials, whole roots and the error codes
// that the evaluator and these functions report.
#pragma once

namespace Vexlor {

// Error codes of an evaluation; EERT gives their messages.
enum TEvaluator_Error : int {
    Error_None = 0,
    Error_Expected_Comma = 1,
    Error_Syntax_Error = 2,
    Error_Illegal_Symbol = 3,
    Error_Expected_Left_Parenthesis = 4,
    Error_Division_By_Zero = 5,
    Error_Illegal_Number_for_factorial = 6,
    Error_Floating_point_error = 7,
    Error_Illegal_Number = 8,
    Error_Illegal_Argument = 9,
    Error_Imaginary_Number = 10,
    Error_Illegal_Argument_in_LOG = 11,
    Error_Argument_Too_large_in_EXP = 12,
    Error_Missing_Right_Parenthesis = 13,
    Error_Integer_To_Large = 14,
};

// x to the power y in double precision. Sets error to 0 or to the failure: a fractional power of
// a negative number (11), an exponential beyond +-88 (12), a whole power beyond 32767 or one
// whose result grows past about 31 digits (7). 0 to any power is 0.
double Power(double x, double y, int& error);

// x to the whole power n >= 1 by halving, refusing results that grow too long (error 7).
// Gives 1 when error is already set.
double Pwr(double x, int n, int& error);

// x * (x-1) * (x-2) * ... down to the last factor above 1; 0! is 1, a negative x gives x.
// Stops as soon as the product is no longer finite.
long double Factorial(long double x);

// The n-th root of x (n >= 1) by bisection between 1 and the larger of x / n and 2, so an x below 1
// gives 1.
long double Root(long double x, long n);

} // namespace Vexlor
