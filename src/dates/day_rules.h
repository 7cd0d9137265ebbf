#pragma once
// The arithmetic of the loan dates: interest counted by days, and the period rule that
// proposes first payment dates.
#include <cstdint>

#include "base/date.h"
#include "base/money.h"
#include "base/rounding.h"

namespace rebanto {

// Interest for `days` days on `principal` at `annual_rate` percent: a 365-day year, in
// leap years too, on the principal cut to the accrual unit, rounded to yen by the
// interest rounding mode. Negative days give the same interest as a reduction.
Money interest_by_days(long double days, Money principal, long double annual_rate,
                       AccrualUnit accrual_unit, Rounding interest_mode);
// The same with the unit and the mode as stored tags.
inline Money interest_by_days(long double days, Money principal, long double annual_rate,
                              std::int64_t accrual_unit, int interest_mode) {
    return interest_by_days(days, principal, annual_rate, accrual_unit_of_tag(accrual_unit),
                            rounding_of_tag(interest_mode));
}

// The date `months` months on, then `days` days on, as the lender's period rule counts:
// a day 0 becomes the 1st, and a day the target month does not have (in February any
// day above the 28th) rolls to the 1st of the next month.
Date shift_period(const Date& date, int months, int days);

}  // namespace rebanto
