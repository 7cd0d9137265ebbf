#pragma once
// Decimal texts as exact integers: "0.9" is 9 tenths, not the binary fraction nearest to
// it. For products that must be cut at a decimal place without a binary rounding error.
#include <cstdint>
#include <optional>
#include <string_view>

namespace rebanto {

// digits / 10^scale.
struct Decimal {
    std::int64_t digits = 0;
    int scale = 0;
};

// A plain decimal text ("12", "-3.50", ".5", "1.5E+2", surrounding spaces allowed) with at
// most 18 significant digits; nullopt for anything else or a value that does not fit.
std::optional<Decimal> exact_decimal(std::string_view text);

// The short decimal a long double stands for: the m / 10^scale with at most
// `max_significant` (≤ 18) significant digits and scale ≤ 18 whose nearest long double is
// `value`. Such a value's 18 significant digits are exactly those of m, so the formats can
// work on m instead of printing the binary number. nullopt for other values (a ratio of
// two amounts, a NaN, an infinity).
std::optional<Decimal> short_decimal_of(long double value, int max_significant);

// The integer part of a × b × 10^places, exact; nullopt when it does not fit.
std::optional<std::int64_t> truncated_product(Decimal a, Decimal b, int places);

}  // namespace rebanto
