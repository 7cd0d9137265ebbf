#pragma once
// The two pure computations of a step: the equal instalment of a part, and the payments
// of one step with the lender's rounding and accrual unit.
#include <cstdint>

#include "base/money.h"

namespace rebanto {

struct InstalmentInput {
    int count = 1;                    // remaining payments n
    int rounding_mode = 0;            // instalment rounding (tag of HRh)
    bool equal_principal = false;     // repayment method flag
    long double first_rate = 0;       // a: rate of the first period, fraction per period
    long double rate = 0;             // c: rate of a regular period, fraction per period
    Money principal;                  // P
    bool before_first_bonus = false;  // no bonus month committed yet: discount by `a`
};

// The instalment rounded to whole yen. Equal principal: P / n. Equal instalments: the
// annuity P × c / (1 − 1/(1 + c)ⁿ), with the first period's rate a in place of c while no
// bonus month has been committed. A zero rate repays P / n.
Money calc_instalment(const InstalmentInput& in);

struct StepInput {
    int payments = 0;                 // k
    std::int64_t accrual_unit = 100;  // U, yen
    bool equal_principal = false;
    int interest_mode = 0;                     // interest rounding (tag of HRr)
    long double first_rate = 0;                // a
    long double rate = 0;                      // c
    Money instalment;                          // A
    Money principal;                           // B at the start of the step
    bool first_payment_at_first_rate = false;  // the step contains the first bonus month
};

struct StepResult {
    Money balance;           // principal left after the step
    Money interest;          // interest paid within the step
    Money principal_repaid;  // principal repaid within the step
    Money last_interest;     // the last payment's interest (its total in equal principal)
};

StepResult simulate_step(const StepInput& in);

// The payments of the step that still find principal: a payment is made while the principal
// before it is above 0.3 × the instalment (the rule by which a loan ends), so a step that keeps
// its instalment past the pay-off needs fewer payments than it has. At most in.payments.
int payments_until_paid_off(const StepInput& in);

}  // namespace rebanto
