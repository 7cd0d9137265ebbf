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

// The integer part of a × b × 10^places, exact; nullopt when it does not fit.
std::optional<std::int64_t> truncated_product(Decimal a, Decimal b, int places);

}  // namespace rebanto
