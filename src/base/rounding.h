#pragma once
// How theoretical amounts become whole yen: the instalment and interest rounding modes
// (0 切り捨て, 1 四捨五入, 2 切り上げ; any other value acts as 0) and the accrual unit.
#include <cstdint>

#include "base/money.h"

namespace rebanto {

// Rounds a raw instalment (an integer number of ten-thousandths) to whole yen.
Money round_instalment(std::int64_t raw_ten_thousandths, int mode);
// Rounds a real interest amount in yen to whole yen.
std::int64_t round_interest(long double yen, int mode);
// The balance cut down to a multiple of the accrual unit, toward zero (−150 / 100 → −100).
long double accrual_base(long double balance_yen, std::int64_t unit);
Money accrual_base(Money balance, std::int64_t unit);

}  // namespace rebanto
