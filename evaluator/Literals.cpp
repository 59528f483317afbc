#include "Literals.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace Vexlor {
namespace {

bool Is_Digit(char c) {
    return c >= '0' && c <= '9';
}

bool Is_Sign(char c) {
    return c == '+' || c == '-';
}

// Every power of ten up to 10^27 is exact in the extended real (5^27 < 2^64), so one
// multiplication or division of an exact mantissa by one of them is correctly rounded.
constexpr int Exact_Powers = 28;
constexpr std::array<long double, Exact_Powers> Powers_Of_Ten = {
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L,
    1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};

// Up to 19 significant digits fit a 64-bit mantissa exactly.
constexpr int Exact_Digits = 19;
// Exponents beyond this are out of reach of any real whatever the digits; reading stops growing.
constexpr long Exponent_Cap = 100000;

// The conversion of the C library, independent of the locale the program runs in.
long double Library_Conversion(std::string_view text) {
    static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", nullptr);
    const std::string terminated(text);
    return strtold_l(terminated.c_str(), nullptr, c_locale);
}

} // namespace

std::size_t Real_Prefix_Length(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && Is_Sign(text[i]))
        ++i;
    std::size_t digits = 0;
    for (; i < text.size() && Is_Digit(text[i]); ++i)
        ++digits;
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && Is_Digit(text[i]); ++i)
            ++digits;
    if (digits == 0)
        return 0;
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < text.size() && Is_Sign(text[j]))
            ++j;
        const std::size_t first_digit = j;
        while (j < text.size() && Is_Digit(text[j]))
            ++j;
        if (j > first_digit)
            end = j;
    }
    return end;
}

bool Is_Real_Text(std::string_view text) {
    return !text.empty() && Real_Prefix_Length(text) == text.size();
}

bool Text_To_Real(std::string_view text, long double& value) {
    // Most literals are small whole numbers: read them directly.
    if (!text.empty() && text.size() < Exact_Digits) {
        std::int64_t whole = 0;
        std::size_t i = 0;
        for (; i < text.size() && Is_Digit(text[i]); ++i)
            whole = whole * 10 + (text[i] - '0');
        if (i == text.size()) {
            value = static_cast<long double>(whole);
            return true;
        }
    }
    std::size_t i = 0;
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && Is_Sign(text.front()))
        ++i;
    std::uint64_t mantissa = 0;
    int significant = 0;
    long scale = 0; // value = mantissa * 10^scale
    bool exact = true;
    bool fraction = false;
    for (; i < text.size() && (Is_Digit(text[i]) || text[i] == '.'); ++i) {
        if (text[i] == '.') {
            fraction = true;
            continue;
        }
        if (mantissa != 0 || text[i] != '0') {
            exact = exact && ++significant <= Exact_Digits;
            if (exact)
                mantissa = mantissa * 10 + static_cast<std::uint64_t>(text[i] - '0');
        }
        if (fraction)
            --scale;
    }
    if (i < text.size()) { // the exponent
        ++i;
        const bool negative_exponent = text[i] == '-';
        if (Is_Sign(text[i]))
            ++i;
        long exponent = 0;
        for (; i < text.size(); ++i)
            exponent = std::min(exponent * 10 + (text[i] - '0'), Exponent_Cap);
        scale += negative_exponent ? -exponent : exponent;
    }
    if (exact && mantissa == 0) {
        value = negative ? -0.0L : 0.0L;
        return true;
    }
    if (exact && scale > -Exact_Powers && scale < Exact_Powers) {
        const long double whole = static_cast<long double>(mantissa);
        value = scale >= 0 ? whole * Powers_Of_Ten[scale] : whole / Powers_Of_Ten[-scale];
        if (negative)
            value = -value;
        return true;
    }
    value = Library_Conversion(text);
    return std::isfinite(value);
}

} // namespace Vexlor
