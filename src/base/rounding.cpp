#include "base/rounding.h"

#include <cmath>
#include <limits>

#include "base/errors.h"
#include "base/numtext.h"

namespace rebanto {
namespace {

// Whole yen of a truncated real, refusing values no amount can hold.
std::int64_t whole_yen(long double truncated) {
    constexpr long double kLimit = 9223372036854775808.0L;  // 2^63, exact in long double
    if (!(truncated < kLimit && truncated >= -kLimit)) throw MoneyOverflow();
    return integral_to_int64(truncated);
}

}  // namespace

Rounding rounding_of_tag(std::int64_t tag) {
    switch (tag) {
        case 1:
            return Rounding::HalfUp;
        case 2:
            return Rounding::Up;
        default:  // 0, and any mode the program does not know
            return Rounding::Down;
    }
}

Money round_instalment(std::int64_t raw_ten_thousandths, Rounding mode) {
    // The small offsets keep an amount that is whole yen (up to representation error) on that
    // yen in every mode, while a single ten-thousandth over still rounds up in mode 2.
    const long double v = static_cast<long double>(raw_ten_thousandths);
    long double yen;
    switch (mode) {
        case Rounding::HalfUp:
            yen = int_part((v + 5000.1L) / 10000.0L);
            break;
        case Rounding::Up:
            yen = int_part((v + 9999.9L) / 10000.0L);
            break;
        case Rounding::Down:
        default:
            yen = int_part((v + 0.1L) / 10000.0L);
            break;
    }
    const std::int64_t whole = whole_yen(yen);
    if (whole > std::numeric_limits<std::int64_t>::max() / Money::kScale ||
        whole < std::numeric_limits<std::int64_t>::min() / Money::kScale) {
        throw MoneyOverflow();
    }
    return Money::from_yen(whole);
}

std::int64_t round_interest(long double yen, Rounding mode) {
    // Interest is a real number of yen; the offsets absorb the error of the rate arithmetic
    // so that 1,234.999995 counts as 1,235 and 1,234.000005 as 1,234.
    switch (mode) {
        case Rounding::HalfUp:
            return whole_yen(int_part(yen + 0.50001L));
        case Rounding::Up:
            return whole_yen(int_part(yen + 0.99999L));
        case Rounding::Down:
        default:
            return whole_yen(int_part(yen + 0.00001L));
    }
}

long double accrual_base(long double balance_yen, AccrualUnit accrual_unit) {
    // A unit below one yen cuts nothing rather than dividing by zero.
    const std::int64_t unit = yen_of(accrual_unit);
    if (unit <= 0) return balance_yen;
    const long double u = static_cast<long double>(unit);
    return u * int_part(balance_yen / u);
}

Money accrual_base(Money balance, AccrualUnit accrual_unit) {
    const std::int64_t unit = yen_of(accrual_unit);
    if (unit <= 0) return balance;
    // Integer division truncates toward zero, the same cut as the real version, but exact.
    if (unit > std::numeric_limits<std::int64_t>::max() / Money::kScale) return Money();
    const std::int64_t step = unit * Money::kScale;
    return Money::from_raw(balance.raw() / step * step);
}

}  // namespace rebanto
