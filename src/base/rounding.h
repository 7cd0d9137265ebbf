#pragma once
// How theoretical amounts become whole yen: the instalment and interest rounding modes and
// the accrual unit.
#include <cstdint>

#include "base/money.h"

namespace rebanto {

// A rounding mode of instalments or interest. The settings file, the packs and the memories
// store it as a tag: 0 切り捨て, 1 四捨五入, 2 切り上げ.
enum class Rounding { Down = 0, HalfUp = 1, Up = 2 };
// The mode of a stored tag; a tag the program does not know acts as 切り捨て.
Rounding rounding_of_tag(std::int64_t tag);
constexpr int tag_of(Rounding mode) {
    return static_cast<int>(mode);
}

// The accrual unit (付利単位) in yen. The settings panel offers the five named units; a
// stored tag may hold any whole number of yen, and is kept as it is.
enum class AccrualUnit : std::int64_t {
    Yen1 = 1,
    Yen10 = 10,
    Yen100 = 100,
    Yen1000 = 1000,
    Yen10000 = 10000,
};
constexpr AccrualUnit accrual_unit_of_tag(std::int64_t yen) {
    return static_cast<AccrualUnit>(yen);
}
constexpr std::int64_t yen_of(AccrualUnit unit) {
    return static_cast<std::int64_t>(unit);
}

// Rounds a raw instalment (an integer number of ten-thousandths) to whole yen.
Money round_instalment(std::int64_t raw_ten_thousandths, Rounding mode);
// Rounds a real interest amount in yen to whole yen.
std::int64_t round_interest(long double yen, Rounding mode);
// The balance cut down to a multiple of the accrual unit, toward zero (−150 / 100 → −100).
long double accrual_base(long double balance_yen, AccrualUnit unit);
Money accrual_base(Money balance, AccrualUnit unit);

// The same for a mode or a unit as a stored tag.
inline Money round_instalment(std::int64_t raw_ten_thousandths, int mode_tag) {
    return round_instalment(raw_ten_thousandths, rounding_of_tag(mode_tag));
}
inline std::int64_t round_interest(long double yen, int mode_tag) {
    return round_interest(yen, rounding_of_tag(mode_tag));
}
inline long double accrual_base(long double balance_yen, std::int64_t unit_yen) {
    return accrual_base(balance_yen, accrual_unit_of_tag(unit_yen));
}
inline Money accrual_base(Money balance, std::int64_t unit_yen) {
    return accrual_base(balance, accrual_unit_of_tag(unit_yen));
}

}  // namespace rebanto
