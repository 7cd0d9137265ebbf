#include "base/money.h"

#include <cmath>
#include <limits>

#include "base/errors.h"
#include "base/numtext.h"

namespace rebanto {

Money Money::from_extended(long double yen) {
    // rintl rounds in the current mode, which is round-to-nearest-even unless someone
    // changed it; the amount fields rely on ties going to the even ten-thousandth.
    const long double scaled = std::rintl(yen * static_cast<long double>(kScale));
    // 2^63 is exact in long double; anything at or beyond it (or NaN) has no Money form.
    constexpr long double kLimit = 9223372036854775808.0L;
    if (!(scaled < kLimit && scaled >= -kLimit)) throw MoneyOverflow();
    return Money(integral_to_int64(scaled));
}

}  // namespace rebanto
