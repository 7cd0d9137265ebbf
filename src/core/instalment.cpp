#include "core/instalment.h"

#include "base/rounding.h"

namespace rebanto {

Money calc_instalment(const InstalmentInput& in) {
    const int n = in.count < 1 ? 1 : in.count;
    const long double p = in.principal.to_extended();
    long double x = 0;
    if (in.equal_principal) {
        x = p / n;
    } else if (in.rate == 0) {
        // The annuity's limit as the rate falls to zero; the formula itself divides by 0.
        x = p / n;
    } else {
        long double h = 1;
        for (int i = 0; i < n; ++i)
            h *= 1 + in.rate;
        const long double c = in.rate;
        if (in.before_first_bonus) {
            x = (1 - 1 / (1 + c)) * (1 + in.first_rate) / (1 - 1 / h) * p;
        } else {
            x = p * c / (1 - 1 / h);
        }
    }
    const Money to_ten_thousandth = Money::from_extended(x);
    return round_instalment(to_ten_thousandth.raw(), in.rounding_mode);
}

StepResult simulate_step(const StepInput& in) {
    StepResult r;
    Money balance = in.principal;
    for (int i = 0; i < in.payments; ++i) {
        const long double rate =
            (i == 0 && in.first_payment_at_first_rate) ? in.first_rate : in.rate;
        const Money base = accrual_base(balance, in.accrual_unit);
        const Money interest =
            Money::from_yen(round_interest(rate * base.to_extended(), in.interest_mode));
        const Money principal_part = in.equal_principal ? in.instalment : in.instalment - interest;
        r.interest += interest;
        r.principal_repaid += principal_part;
        balance -= principal_part;
        r.last_interest = in.equal_principal ? interest + in.instalment : interest;
    }
    r.balance = balance;
    return r;
}

}  // namespace rebanto
