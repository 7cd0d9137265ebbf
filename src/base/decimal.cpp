#include "base/decimal.h"

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
