#include "base/decimal.h"

#include <array>
#include <cmath>

namespace rebanto {
namespace {

constexpr int kMaxDigits = 18;

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<Decimal> exact_decimal(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::int64_t digits = 0;
    int significant = 0;
    int scale = 0;
    int seen = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (!is_digit(c)) break;
        ++seen;
        if (digits != 0 || c != '0') {
            if (++significant > kMaxDigits) return std::nullopt;
        }
        digits = digits * 10 + (c - '0');
        if (point) ++scale;
    }
    if (seen == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool exp_negative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) exp_negative = text[i++] == '-';
        if (i == text.size()) return std::nullopt;
        int exponent = 0;
        for (; i < text.size() && is_digit(text[i]); ++i) {
            exponent = exponent * 10 + (text[i] - '0');
            if (exponent > 400) return std::nullopt;
        }
        scale += exp_negative ? exponent : -exponent;
    }
    if (i != text.size()) return std::nullopt;
    // A negative scale multiplies out, as long as the digits still fit.
    for (; scale < 0; ++scale) {
        if (__builtin_mul_overflow(digits, std::int64_t{10}, &digits)) return std::nullopt;
    }
    if (scale > 4 * kMaxDigits) return std::nullopt;
    return Decimal{negative ? -digits : digits, scale};
}

std::optional<Decimal> short_decimal_of(long double value, int max_significant) {
    static constexpr auto kPowers = [] {
        std::array<long double, 19> p{};
        long double v = 1;
        for (auto& x : p) {
            x = v;
            v *= 10;
        }
        return p;
    }();
    static constexpr auto kLimits = [] {
        std::array<std::int64_t, 19> p{};
        std::int64_t v = 1;
        for (auto& x : p) {
            x = v;
            if (v <= INT64_MAX / 10) v *= 10;
        }
        return p;
    }();
    const std::int64_t digits_limit = kLimits[static_cast<std::size_t>(max_significant)];
    const bool negative = value < 0;
    const long double magnitude = negative ? -value : value;
    if (!(magnitude < 1e18L)) return std::nullopt;  // also NaN
    for (int scale = 0; scale <= 18; ++scale) {
        const long double scaled = magnitude * kPowers[static_cast<std::size_t>(scale)];
        if (!(scaled < static_cast<long double>(digits_limit))) return std::nullopt;
        const long double m = std::rintl(scaled);  // to nearest, ties to even
        // Division by an exact power of ten rounds once: equality means `value` is the
        // long double nearest to m / 10^scale.
        if (m / kPowers[static_cast<std::size_t>(scale)] == magnitude) {
            const auto digits = __builtin_llrintl(m);  // integral: exact
            return Decimal{negative ? -digits : digits, scale};
        }
    }
    return std::nullopt;
}

std::optional<std::int64_t> truncated_product(Decimal a, Decimal b, int places) {
    __int128 value = static_cast<__int128>(a.digits) * b.digits;  // at most 36 digits
    int scale = a.scale + b.scale - places;
    for (; scale < 0; ++scale) {
        if (__builtin_mul_overflow(value, static_cast<__int128>(10), &value)) return std::nullopt;
    }
    for (; scale > 0 && value != 0; --scale)
        value /= 10;  // toward zero, as the integer part is
    if (value > INT64_MAX || value < INT64_MIN) return std::nullopt;
    return static_cast<std::int64_t>(value);
}

}  // namespace rebanto
