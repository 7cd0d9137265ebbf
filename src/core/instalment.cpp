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

namespace {

// One payment of a step: its interest on the balance cut to the accrual unit, and the
// principal it repays.
struct Payment {
    Money interest;
    Money principal_part;
};

Payment pay(const StepInput& in, Rounding interest_mode, int i, Money balance) {
    const long double rate = (i == 0 && in.first_payment_at_first_rate) ? in.first_rate : in.rate;
    const Money base = accrual_base(balance, in.accrual_unit);
    const Money interest =
        Money::from_yen(round_interest(rate * base.to_extended(), interest_mode));
    return {interest, in.equal_principal ? in.instalment : in.instalment - interest};
}

}  // namespace

StepResult simulate_step(const StepInput& in) {
    StepResult r;
    Money balance = in.principal;
    const Rounding interest_mode = rounding_of_tag(in.interest_mode);
    for (int i = 0; i < in.payments; ++i) {
        const Payment p = pay(in, interest_mode, i, balance);
        r.interest += p.interest;
        r.principal_repaid += p.principal_part;
        balance -= p.principal_part;
        r.last_interest = in.equal_principal ? p.interest + in.instalment : p.interest;
    }
    r.balance = balance;
    return r;
}

int payments_until_paid_off(const StepInput& in) {
    const long double threshold = 0.3L * in.instalment.to_extended();
    Money balance = in.principal;
    const Rounding interest_mode = rounding_of_tag(in.interest_mode);
    int made = 0;
    while (made < in.payments && balance.to_extended() > threshold) {
        balance -= pay(in, interest_mode, made, balance).principal_part;
        ++made;
    }
    return made;
}

}  // namespace rebanto
