#include "dates/day_rules.h"

#include "base/rounding.h"

namespace rebanto {

Money interest_by_days(long double days, Money principal, long double annual_rate,
                       AccrualUnit accrual_unit, Rounding interest_mode) {
    // A reduction is the interest of as many days, with the sign turned: the rounding's
    // small offsets would otherwise move a negative amount the wrong way (−2,999.99999…
    // for 30 days of 3,000 yen would give −2,999).
    if (days < 0) {
        return -interest_by_days(-days, principal, annual_rate, accrual_unit, interest_mode);
    }
    const long double daily_rate = annual_rate / 365 / 100;
    const long double yen = days * accrual_base(principal, accrual_unit).to_extended() * daily_rate;
    return Money::from_yen(round_interest(yen, interest_mode));
}

namespace {

// February counts 28 days here whatever the year: the rule rolls the 29th over.
int period_month_length(int month) {
    switch (month) {
        case 2:
            return 28;
        case 4:
        case 6:
        case 9:
        case 11:
            return 30;
        default:
            return 31;
    }
}

}  // namespace

Date shift_period(const Date& date, int months, int days) {
    int index = date.year * 12 + (date.month - 1) + months;
    Date shifted{index / 12, index % 12 + 1, date.day + days};
    if (shifted.day < 1) shifted.day = 1;
    if (shifted.day > period_month_length(shifted.month)) {
        ++index;
        shifted = Date{index / 12, index % 12 + 1, 1};
    }
    return shifted;
}

}  // namespace rebanto
