#include "base/format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/decimal.h"
#include "base/digit_pairs.h"
#include "base/numtext.h"

namespace rebanto {
namespace {

// Enough significant digits that every long double close to a short decimal (a rate, a
// ratio of two amounts) reads back as that decimal, so "1.0005" rounds up the way it looks.
constexpr int kDecimalDigits = 18;

// The magnitude of `value` rounded half away from zero to `decimals` places, written as the
// digits of magnitude × 10^decimals (no point, no leading zeros, "0" for zero).
std::string rounded_scaled_digits(long double magnitude, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*Le", kDecimalDigits - 1, magnitude);
    const char* e = buf;
    while (*e != 'e')
        ++e;
    const int exponent = std::atoi(e + 1);
    std::string digits;
    for (const char* p = buf; p != e; ++p) {
        if (*p >= '0' && *p <= '9') digits += *p;
    }
    // digits[i] is worth 10^(exponent - i); keep those worth at least 10^-decimals.
    const long keep = static_cast<long>(exponent) + decimals + 1;
    std::string kept;
    if (keep >= static_cast<long>(digits.size())) {
        kept = digits;
        kept.append(static_cast<std::size_t>(keep) - digits.size(), '0');
    } else if (keep >= 0) {
        kept = digits.substr(0, static_cast<std::size_t>(keep));
        if (digits[static_cast<std::size_t>(keep)] >= '5') {
            // Round the magnitude up (half away from zero), carrying through nines.
            std::size_t i = kept.size();
            while (i > 0 && kept[i - 1] == '9')
                kept[--i] = '0';
            if (i == 0) {
                kept.insert(kept.begin(), '1');
            } else {
                ++kept[i - 1];
            }
        }
    }
    // keep < 0: the value is below a tenth of the last place and rounds to zero.
    const std::size_t first = kept.find_first_not_of('0');
    return first == std::string::npos ? "0" : kept.substr(first);
}

}  // namespace

namespace {

int code_points(std::string_view text) {
    int n = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    }
    return n;
}

// Whole yen, thousands-grouped, with the yen sign, written from the right ending at `end`;
// returns where the text starts.
char* write_money(Money value, char* end) {
    const std::int64_t raw = value.raw();
    const std::uint64_t magnitude =
        raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    const std::uint64_t scale = static_cast<std::uint64_t>(Money::kScale);
    // Half a yen or more rounds the whole yen away from zero.
    std::uint64_t yen = magnitude / scale + (magnitude % scale >= scale / 2 ? 1 : 0);
    const bool negative = raw < 0 && yen != 0;
    char* p = end;
    // Groups of three below the leading one, each after a comma.
    while (yen >= 1000) {
        const auto group = static_cast<unsigned>(yen % 1000);
        yen /= 1000;
        p = write_digit_pair(p, group % 100);
        *--p = static_cast<char>('0' + group / 100);
        *--p = ',';
    }
    p = write_digits(p, yen);
    *--p = kYenSign;
    if (negative) *--p = '-';
    return p;
}

// Room for the longest amount: 20 digits, 6 commas, the sign and the yen sign.
constexpr std::size_t kMoneyChars = 32;

// The spaces that right-align a text of `length` characters in `width`.
void append_spaces_before(std::string& out, std::size_t length, int width) {
    if (static_cast<long long>(length) < width)
        out.append(static_cast<std::size_t>(width) - length, ' ');
}

}  // namespace

void append_padded(std::string& out, std::string_view text, int width) {
    append_spaces_before(out, static_cast<std::size_t>(code_points(text)), width);
    out.append(text);
}

std::string pad_left(const std::string& text, int width) {
    std::string out;
    append_padded(out, text, width);
    return out;
}

void append_money(std::string& out, Money value, int width) {
    char buf[kMoneyChars];
    char* end = buf + sizeof buf;
    const char* p = write_money(value, end);
    // An amount is single-byte throughout: its width is its length.
    const auto length = static_cast<std::size_t>(end - p);
    append_spaces_before(out, length, width);
    out.append(p, length);
}

void append_int(std::string& out, std::int64_t value, int width) {
    char buf[24];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    const auto length = static_cast<std::size_t>(end - buf);
    append_spaces_before(out, length, width);
    out.append(buf, length);
}

void append_general(std::string& out, long double value, int width) {
    append_padded(out, general(value), width);
}

std::string format_money(Money value) {
    char buf[kMoneyChars];
    char* end = buf + sizeof buf;
    return std::string(write_money(value, end), end);
}

std::string format_money(Money value, int width) {
    std::string out;
    append_money(out, value, width);
    return out;
}

namespace detail {

std::string rounded_digits_by_printf(long double magnitude, int decimals) {
    return rounded_scaled_digits(magnitude, decimals);
}

}  // namespace detail

namespace {

// rounded_scaled_digits for a magnitude that is a short decimal m / 10^scale: the same
// digits, worked out on m.
std::string rounded_short_decimal(Decimal d, int decimals) {
    auto m = static_cast<std::uint64_t>(d.digits);
    if (d.scale <= decimals) {
        std::string digits = std::to_string(m);
        if (m != 0) digits.append(static_cast<std::size_t>(decimals - d.scale), '0');
        return digits;
    }
    std::uint64_t unit = 1;
    for (int i = decimals; i < d.scale; ++i)
        unit *= 10;
    const std::uint64_t kept = m / unit + (m % unit >= unit / 2 ? 1 : 0);  // half away
    return std::to_string(kept);
}

}  // namespace

void append_fixed(std::string& out, long double value, int width, int decimals) {
    if (!std::isfinite(value)) {
        append_padded(out, general(value), width);
        return;
    }
    if (decimals < 0) decimals = 0;
    const long double magnitude = std::fabs(value);
    const auto exact = decimals <= 18 ? short_decimal_of(magnitude, 18) : std::nullopt;
    std::string digits = exact ? rounded_short_decimal(*exact, decimals)
                               : rounded_scaled_digits(magnitude, decimals);
    const auto d = static_cast<std::size_t>(decimals);
    if (digits.size() <= d) digits.insert(0, d + 1 - digits.size(), '0');
    // A value that rounds to zero shows no sign: "-0.00" in a memo line reads as a fault.
    const bool negative = value < 0 && digits.find_first_not_of('0') != std::string::npos;
    // Digits, sign and point are all single-byte.
    const std::size_t length = digits.size() + (negative ? 1 : 0) + (d > 0 ? 1 : 0);
    append_spaces_before(out, length, width);
    if (negative) out += '-';
    out.append(digits, 0, digits.size() - d);
    if (d > 0) {
        out += '.';
        out.append(digits, digits.size() - d, d);
    }
}

std::string format_fixed(long double value, int width, int decimals) {
    std::string out;
    append_fixed(out, value, width, decimals);
    return out;
}

std::string format_int(std::int64_t value, int width) {
    std::string out;
    append_int(out, value, width);
    return out;
}

std::string format_general(long double value, int width) {
    std::string out;
    append_general(out, value, width);
    return out;
}

}  // namespace rebanto
