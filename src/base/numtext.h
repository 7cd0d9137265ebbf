#pragma once
// Field text <-> numbers. Reading throws ConversionError on bad text; writing uses the
// general number format (the shortest decimal form).
#include <cstdint>
#include <string>
#include <string_view>

#include "base/money.h"

namespace rebanto {

// Parses a decimal real ("12", "-3.5", ".5", "5.", "1E-7", "1.5e+3"), surrounding spaces
// allowed. Empty text, thousands separators or any other character throw ConversionError.
long double to_extended(std::string_view text);
namespace detail {
// The general route of to_extended, through the C library; the fast route for plain
// decimals must give the same values (its tests compare the two).
long double parse_with_strtold(std::string_view text);
// The general format through the C library; the fast route for short decimals must print
// the same.
std::string general_by_printf(long double value);
}  // namespace detail

// Parses a decimal integer with optional sign and surrounding spaces.
std::int64_t to_int(std::string_view text);
// The largest count the program accepts: a thousand years of months. A count beyond it
// (or below what a field allows) is a text that does not parse, so no loop can run
// longer than this and no conversion to int can overflow.
inline constexpr int kMaxCount = 12'000;
// The integer part of a real text as a count in [min, kMaxCount]; ConversionError
// outside that range, on NaN or infinity, or on text that is not a number.
int to_count(std::string_view text, int min = -kMaxCount);

// to_extended, × 10000, rounded half to even.
Money to_money(std::string_view text);

// Integer part: truncation toward zero (−2.7 gives −2). Worked out by rounding to the
// nearest integer and stepping back toward zero, because the plain truncation switches the
// x87 rounding mode twice per call, which costs more than the whole calculation around it.
inline long double int_part(long double value) {
    long double r = __builtin_rintl(value);  // in the default mode: to nearest
    if (value >= 0) {
        if (r > value) r -= 1;
    } else if (r < value) {
        r += 1;
    }
    return __builtin_copysignl(r, value);  // −0.5 gives −0, as truncation does
}
// An integral value inside the int64 range, as int64 (exact, no rounding-mode switch).
inline std::int64_t integral_to_int64(long double integral) {
    return __builtin_llrintl(integral);
}

// General number format: at most 15 significant digits, trailing zeros removed, no
// thousands separators; fixed notation when the decimal exponent is in [-5, 15), else
// scientific ("1E-7", "1.5E20"). Negative zero prints "0".
std::string general(long double value);
// A double would otherwise be ambiguous between the real and the integer overloads.
inline std::string general(double value) {
    return general(static_cast<long double>(value));
}
std::string general(Money value);  // exact: "1234.5" for 12345000 ten-thousandths
std::string general(std::int64_t value);
inline std::string general(int value) {
    return general(static_cast<std::int64_t>(value));
}

}  // namespace rebanto
