// The two parts of a step: the monthly part paid every month and the bonus part paid
// every BonusInterval months. Each gets its instalment, then its step is run.
#include "base/rounding.h"
#include "core/field_io.h"
#include "core/instalment.h"
#include "forms/tform1.h"

namespace rebanto {

namespace {

// Rates as fractions per period, formed in the order the lender's formula writes them.
long double monthly_rate(long double annual) {
    return annual / 12 / 100;
}
long double bonus_rate(long double annual, int months) {
    return annual / 12 * months / 100;
}

}  // namespace

void TForm1::recalc_m() {
    const long double c = monthly_rate(num(Edit2));
    InstalmentInput in;
    in.count = count(Ed1_Mzankaisu);
    in.rounding_mode = instalment_rounding();
    in.equal_principal = equal_principal();
    in.first_rate = c;
    in.rate = c;
    in.principal = money(Edit1);
    in.before_first_bonus = ElapsedMonths < bonus_first_months();
    put(Edit4, calc_instalment(in));
    But_mDainyuClick(But_mDainyu);
}

void TForm1::recalc_b() {
    count_bonus_in_step();
    InstalmentInput in;
    in.count = count(Ed1_Bzankaisu);
    in.rounding_mode = instalment_rounding();
    in.equal_principal = equal_principal();
    in.first_rate = bonus_rate(num(Edit2), bonus_first_months());
    in.rate = bonus_rate(num(Edit2), bonus_interval());
    in.principal = money(Edit6);
    in.before_first_bonus = ElapsedMonths < bonus_first_months();
    put(Edit9, calc_instalment(in));
    But_bDainyuClick(But_bDainyu);
}

namespace {

struct StepFields {
    Edit& principal;
    Edit& instalment;
    Edit& balance;
    Edit& interest;
    Edit& principal_repaid;
    Edit& last_interest;
    RadioButton& day_interest;
    Edit& days;
    Button& principal_first;
};

// A one-payment step charged by days: the payment's interest is replaced by the day
// interest on the principal cut to the accrual unit.
void apply_day_interest(const StepFields& f, long double annual_rate, std::int64_t unit,
                        int interest_mode, bool equal_principal) {
    const Money base = accrual_base(money(f.principal), unit);
    const long double raw = annual_rate * base.to_extended() / 365 / 100 * num(f.days);
    const Money interest = Money::from_yen(round_interest(raw, interest_mode));
    put(f.interest, interest);
    if (equal_principal) {
        put(f.principal_repaid, money(f.instalment));
        put(f.last_interest, interest + money(f.instalment));
        f.principal_first.hide();
    } else {
        put(f.principal_repaid, money(f.instalment) - interest);
        put(f.last_interest, interest);
        f.principal_first.show();
    }
    put(f.balance, money(f.principal) - money(f.principal_repaid));
}

}  // namespace

void TForm1::But_mDainyuClick(Control&) {
    const long double c = monthly_rate(num(Edit2));
    StepInput in;
    in.payments = count(Edit13);
    in.accrual_unit = accrual_unit();
    in.equal_principal = equal_principal();
    in.interest_mode = interest_rounding();
    in.first_rate = c;
    in.rate = c;
    in.instalment = money(Edit4);
    in.principal = money(Edit1);
    in.first_payment_at_first_rate =
        ElapsedMonths < bonus_first_months() && bonus_first_months() <= StepEndMonth;
    const StepResult r = simulate_step(in);
    put(Edit5, r.balance);
    put(Edit15, r.interest);
    put(Edit16, r.principal_repaid);
    put(Edit21, r.last_interest);
    if (RadioButton4.checked()) {
        apply_day_interest(
            {Edit1, Edit4, Edit5, Edit15, Edit16, Edit21, RadioButton4, Edit28, Button139},
            num(Edit2), accrual_unit(), interest_rounding(), equal_principal());
    }
}

void TForm1::But_bDainyuClick(Control&) {
    StepInput in;
    in.payments = count(Edit14);
    in.accrual_unit = accrual_unit();
    in.equal_principal = equal_principal();
    in.interest_mode = interest_rounding();
    in.first_rate = bonus_rate(num(Edit2), bonus_first_months());
    in.rate = bonus_rate(num(Edit2), bonus_interval());
    in.instalment = money(Edit9);
    in.principal = money(Edit6);
    in.first_payment_at_first_rate =
        ElapsedMonths < bonus_first_months() && bonus_first_months() <= StepEndMonth;
    const StepResult r = simulate_step(in);
    put(Edit10, r.balance);
    put(Edit17, r.interest);
    put(Edit18, r.principal_repaid);
    put(Edit22, r.last_interest);
    if (RadioButton12.checked()) {
        apply_day_interest(
            {Edit6, Edit9, Edit10, Edit17, Edit18, Edit22, RadioButton12, Edit29, Button144},
            num(Edit2), accrual_unit(), interest_rounding(), equal_principal());
    }
}

namespace {

// The last bonus month at or before `month`: the largest n ≤ month with
// n + interval − first > 0 and divisible by the interval; 0 when there is none.
int last_bonus_month(int month, int interval, int first) {
    if (interval <= 0) return 0;
    const int m = month + interval - first;
    if (m < interval) return 0;
    return month - m % interval;
}

}  // namespace

void TForm1::count_bonus_in_step() {
    const int interval = bonus_interval();
    const int first = bonus_first_months();
    const int to = last_bonus_month(StepEndMonth, interval, first);
    int from = last_bonus_month(ElapsedMonths, interval, first);
    if (from == 0) from = first - interval;
    if (from < 0) from = 0;
    if (to - from <= 0) from = to;
    put(LabK9_b, to);
    put(LabK1_b, from);
    const int n = first < interval ? (to + interval - from - 1) / interval : (to - from) / interval;
    put(Edit14, n);
}

}  // namespace rebanto
