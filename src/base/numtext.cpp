#include "base/numtext.h"

#include <locale.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "base/decimal.h"
#include "base/digit_pairs.h"
#include "base/errors.h"

namespace rebanto {
namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trim_spaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// Index just past a run of digits starting at `i`.
std::size_t skip_digits(std::string_view s, std::size_t i) {
    while (i < s.size() && is_digit(s[i]))
        ++i;
    return i;
}

// A decimal real: sign, digits with at most one point (at least one digit), an optional
// exponent. Everything strtold would also take (hex, "inf", "nan") but a user cannot mean
// in an amount field is refused here.
bool is_decimal_real(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const std::size_t int_end = skip_digits(s, i);
    std::size_t digits = int_end - i;
    i = int_end;
    if (i < s.size() && s[i] == '.') {
        const std::size_t frac_end = skip_digits(s, i + 1);
        digits += frac_end - (i + 1);
        i = frac_end;
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        const std::size_t exp_end = skip_digits(s, i);
        if (exp_end == i) return false;
        i = exp_end;
    }
    return i == s.size();
}

// The "C" locale, so that a user locale with a decimal comma cannot change what "1.5" means.
locale_t c_locale() {
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

// A plain decimal of at most 19 significant digits and 27 decimals ("83564", "-2.325"),
// the form of every number the program writes itself. Its digits as an integer and the
// power of ten are both exact in long double, so their quotient is the one correctly
// rounded value that strtold also gives; anything else takes the general route.
std::optional<long double> plain_decimal(std::string_view s) {
    constexpr int kMaxSignificant = 19;
    constexpr int kMaxDecimals = 27;
    static constexpr auto kPowers = [] {
        std::array<long double, kMaxDecimals + 1> p{};
        long double v = 1;
        for (auto& x : p) {
            x = v;
            v *= 10;
        }
        return p;
    }();
    std::size_t i = 0;
    const bool negative = !s.empty() && s[0] == '-';
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) ++i;
    std::uint64_t digits = 0;
    int significant = 0;
    int decimals = 0;
    int seen = 0;
    bool point = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '.') {
            if (point) return std::nullopt;
            point = true;
            continue;
        }
        if (!is_digit(c)) return std::nullopt;
        ++seen;
        if (point && ++decimals > kMaxDecimals) return std::nullopt;
        if (digits == 0 && c == '0') continue;
        if (++significant > kMaxSignificant) return std::nullopt;
        digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (seen == 0) return std::nullopt;
    const long double value =
        static_cast<long double>(digits) / kPowers[static_cast<std::size_t>(decimals)];
    return negative ? -value : value;
}

}  // namespace

namespace detail {

long double parse_with_strtold(std::string_view text) {
    const std::string_view body = trim_spaces(text);
    if (!is_decimal_real(body)) throw ConversionError(std::string(text));
    const std::string copy(body);
    errno = 0;
    char* end = nullptr;
    const long double value = strtold_l(copy.c_str(), &end, c_locale());
    // Overflow has no value; underflow to a denormal or zero is the number the user wrote.
    if (end != copy.c_str() + copy.size() || (errno == ERANGE && std::isinf(value))) {
        throw ConversionError(std::string(text));
    }
    return value;
}

}  // namespace detail

long double to_extended(std::string_view text) {
    if (const auto value = plain_decimal(trim_spaces(text))) return *value;
    return detail::parse_with_strtold(text);
}

std::int64_t to_int(std::string_view text) {
    std::string_view body = trim_spaces(text);
    bool negative = false;
    if (!body.empty() && (body.front() == '+' || body.front() == '-')) {
        negative = body.front() == '-';
        body.remove_prefix(1);
    }
    if (body.empty() || skip_digits(body, 0) != body.size()) {
        throw ConversionError(std::string(text));
    }
    // Parse the magnitude unsigned so that the most negative integer still fits.
    std::uint64_t magnitude = 0;
    const auto [ptr, ec] = std::from_chars(body.data(), body.data() + body.size(), magnitude);
    constexpr std::uint64_t kMaxPositive = 9223372036854775807ULL;
    if (ec != std::errc() || ptr != body.data() + body.size() ||
        magnitude > kMaxPositive + (negative ? 1 : 0)) {
        throw ConversionError(std::string(text));
    }
    if (!negative) return static_cast<std::int64_t>(magnitude);
    return static_cast<std::int64_t>(0 - magnitude);  // two's complement, exact for -2^63
}

int to_count(std::string_view text, int min) {
    const long double whole = int_part(to_extended(text));
    // The comparisons are false for NaN, so it fails with the out-of-range values.
    if (!(whole >= static_cast<long double>(min) && whole <= kMaxCount)) {
        throw ConversionError(std::string(text));
    }
    return static_cast<int>(integral_to_int64(whole));
}

Money to_money(std::string_view text) {
    const long double value = to_extended(text);
    try {
        return Money::from_extended(value);
    } catch (const MoneyOverflow&) {
        throw ConversionError(std::string(text));  // report what the user typed
    }
}

namespace {

// The general format of a short decimal m / 10^scale (at most 15 digits) in fixed
// notation, worked out on its digits; nullopt where scientific notation is due.
std::optional<std::string> general_of_short_decimal(Decimal d) {
    if (d.digits == 0) return "0";
    const bool negative = d.digits < 0;
    std::string digits = std::to_string(negative ? -d.digits : d.digits);
    const int length = static_cast<int>(digits.size());
    const int exponent = length - 1 - d.scale;
    if (exponent < -5 || exponent >= 15) return std::nullopt;
    std::string out = negative ? "-" : "";
    if (d.scale == 0) return out + digits;
    std::string whole;
    std::string fraction;
    if (length > d.scale) {
        whole = digits.substr(0, static_cast<std::size_t>(length - d.scale));
        fraction = digits.substr(static_cast<std::size_t>(length - d.scale));
    } else {
        whole = "0";
        fraction = std::string(static_cast<std::size_t>(d.scale - length), '0') + digits;
    }
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    out += whole;
    if (!fraction.empty()) out += "." + fraction;
    return out;
}

}  // namespace

std::string general(long double value) {
    if (const auto d = short_decimal_of(value, 15)) {
        if (auto text = general_of_short_decimal(*d)) return *text;
    }
    return detail::general_by_printf(value);
}

std::string detail::general_by_printf(long double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0) return "0";  // also negative zero

    // "%.14Le" rounds to 15 significant digits and carries into the exponent, so the
    // exponent read back is that of the rounded value (9.999…e14 becomes 1e15).
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14Le", value);
    const std::string_view s(buf);
    const std::size_t e_pos = s.find('e');
    const int exponent = std::atoi(buf + e_pos + 1);
    std::string digits;
    for (std::size_t i = 0; i < e_pos; ++i) {
        if (is_digit(s[i])) digits += s[i];
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = value < 0 ? "-" : "";
    if (exponent >= -5 && exponent < 15) {
        if (exponent < 0) {
            out += "0.";
            out.append(static_cast<std::size_t>(-exponent - 1), '0');
            out += digits;
        } else {
            const std::size_t int_digits = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= int_digits) {
                out += digits;
                out.append(int_digits - digits.size(), '0');
            } else {
                out += digits.substr(0, int_digits);
                out += '.';
                out += digits.substr(int_digits);
            }
        }
    } else {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out += digits.substr(1);
        }
        out += 'E';
        out += std::to_string(exponent);
    }
    return out;
}

std::string general(Money value) {
    const std::int64_t raw = value.raw();
    // Work on the unsigned magnitude so that the most negative amount has no overflow.
    std::uint64_t magnitude =
        raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    // Digits are written from the right into one buffer: four places of ten-thousandths,
    // their trailing zeros dropped, then the whole yen.
    char buf[32];
    char* end = buf + sizeof buf;
    char* p = end;
    std::uint64_t fraction = magnitude % static_cast<std::uint64_t>(Money::kScale);
    magnitude /= static_cast<std::uint64_t>(Money::kScale);
    if (fraction != 0) {
        int places = 4;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --places;
        }
        for (int k = 0; k < places; ++k) {
            *--p = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        *--p = '.';
    }
    p = write_digits(p, magnitude);
    if (raw < 0) *--p = '-';
    return std::string(p, end);
}

std::string general(std::int64_t value) {
    return std::to_string(value);
}

}  // namespace rebanto
