#include "Maths.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace Vexlor {
namespace {

constexpr double Exponent_Limit = 88;
constexpr double Largest_Whole_Power = 32767;
constexpr double Short_Number = 1e7;

// The number of characters of x written as a whole number: rounded half away from zero, minus
// sign counted.
int Whole_Number_Width(double x) {
    const double magnitude = std::fabs(x);
    if (magnitude < 1e15) {
        // Below 2^53 the whole part converts exactly and the fraction is exact.
        auto whole = static_cast<std::uint64_t>(magnitude);
        if (magnitude - static_cast<double>(whole) >= 0.5)
            ++whole;
        const int sign = x < 0 && whole != 0 ? 1 : 0;
        int digits = 1;
        for (; whole >= 10; whole /= 10)
            ++digits;
        return sign + digits;
    }
    if (!std::isfinite(x))
        return 400; // longer than any finite double
    return std::snprintf(nullptr, 0, "%.0f", std::round(x));
}

} // namespace

double Pwr(double x, int n, int& error) {
    if (error != Error_None)
        return 1;
    if (n == 1)
        return x;
    const double half = Pwr(x, n / 2, error);
    // Numbers below ten million take at most 9 characters, too few for this step to fail.
    if (std::fabs(half) < Short_Number && std::fabs(x) < Short_Number)
        return n % 2 == 1 ? half * half * x : half * half;
    const int half_width = Whole_Number_Width(half);
    if (n % 2 == 1) {
        if (2 * half_width + Whole_Number_Width(x) >= 32) {
            error = Error_Floating_point_error;
            return 1;
        }
        return half * half * x;
    }
    if (half_width > 15) {
        error = Error_Floating_point_error;
        return 1;
    }
    return half * half;
}

double Power(double x, double y, int& error) {
    error = Error_None;
    if (x == 0)
        return 0;
    if (y == 0)
        return 1;
    if (y != std::trunc(y)) {
        if (x < 0) {
            error = Error_Illegal_Argument_in_LOG;
            return 0;
        }
        const double t = y * std::log(x);
        if (t > Exponent_Limit || t < -Exponent_Limit) {
            error = Error_Argument_Too_large_in_EXP;
            return 0;
        }
        return std::exp(t);
    }
    if (std::fabs(y) > Largest_Whole_Power) {
        error = Error_Floating_point_error;
        return 0;
    }
    const int n = static_cast<int>(y);
    return n > 0 ? Pwr(x, n, error) : 1 / Pwr(x, -n, error);
}

long double Factorial(long double x) {
    if (x == 0)
        return 1;
    long double result = x;
    for (long double factor = x - 1; factor > 1 && std::isfinite(result); factor -= 1)
        result *= factor;
    return result;
}

long double Root(long double x, long n) {
    long double low = 1;
    long double high = std::max(x / n, 2.0L);
    while (high != low) {
        const long double middle = low + (high - low) / 2;
        if (middle == low || middle == high)
            break;
        // middle is at least 1, so the product never falls: once it passes x the comparison below
        // is decided and the remaining multiplications can be skipped.
        long double product = middle;
        for (long i = 1; i < n && product <= x; ++i)
            product *= middle;
        if (product == x)
            return middle;
        if (x > product)
            low = middle;
        else
            high = middle;
    }
    return low;
}

} // namespace Vexlor
