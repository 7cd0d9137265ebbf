// The two parts of a step: the monthly part paid every month and the bonus part paid
// every BonusInterval months. Each gets its instalment, then its step is run.
#include <exception>

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

void CalculationPage::recalc_m() {
    const long double c = monthly_rate(num(Edit2));
    InstalmentInput in;
    in.count = count(Ed1_Mzankaisu);
    in.rounding_mode = tag_of(main_.instalment_rounding());
    in.equal_principal = main_.equal_principal();
    in.first_rate = c;
    in.rate = c;
    in.principal = money(Edit1);
    in.before_first_bonus = ElapsedMonths < main_.bonus_first_months();
    put(Edit4, calc_instalment(in));
    But_mDainyuClick(But_mDainyu);
}

void CalculationPage::recalc_b() {
    count_bonus_in_step();
    InstalmentInput in;
    in.count = count(Ed1_Bzankaisu);
    in.rounding_mode = tag_of(main_.instalment_rounding());
    in.equal_principal = main_.equal_principal();
    in.first_rate = bonus_rate(num(Edit2), main_.bonus_first_months());
    in.rate = bonus_rate(num(Edit2), main_.bonus_interval());
    in.principal = money(Edit6);
    in.before_first_bonus = ElapsedMonths < main_.bonus_first_months();
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
void apply_day_interest(const StepFields& f, long double annual_rate, AccrualUnit unit,
                        Rounding interest_mode, bool equal_principal) {
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

namespace {

// The payments of this step of each part, as the fields and the loan's settings give them.
StepInput monthly_step(const TForm1& f) {
    const long double c = monthly_rate(num(f.Edit2));
    StepInput in;
    in.payments = count(f.Edit13);
    in.accrual_unit = yen_of(f.accrual_unit());
    in.equal_principal = f.equal_principal();
    in.interest_mode = tag_of(f.interest_rounding());
    in.first_rate = c;
    in.rate = c;
    in.instalment = money(f.Edit4);
    in.principal = money(f.Edit1);
    in.first_payment_at_first_rate =
        f.ElapsedMonths < f.bonus_first_months() && f.bonus_first_months() <= f.StepEndMonth;
    return in;
}

StepInput bonus_step(const TForm1& f) {
    StepInput in;
    in.payments = count(f.Edit14);
    in.accrual_unit = yen_of(f.accrual_unit());
    in.equal_principal = f.equal_principal();
    in.interest_mode = tag_of(f.interest_rounding());
    in.first_rate = bonus_rate(num(f.Edit2), f.bonus_first_months());
    in.rate = bonus_rate(num(f.Edit2), f.bonus_interval());
    in.instalment = money(f.Edit9);
    in.principal = money(f.Edit6);
    in.first_payment_at_first_rate =
        f.ElapsedMonths < f.bonus_first_months() && f.bonus_first_months() <= f.StepEndMonth;
    return in;
}

// A part's simulated step written to its fields; a one-payment step charged by days then
// takes the day interest instead.
void write_step(const StepResult& r, const StepFields& f, const TForm1& main) {
    put(f.balance, r.balance);
    put(f.interest, r.interest);
    put(f.principal_repaid, r.principal_repaid);
    put(f.last_interest, r.last_interest);
    if (f.day_interest.checked()) {
        apply_day_interest(f, num(main.Edit2), main.accrual_unit(), main.interest_rounding(),
                           main.equal_principal());
    }
}

}  // namespace

void CalculationPage::But_mDainyuClick(Control&) {
    write_step(simulate_step(monthly_step(main_)),
               {Edit1, Edit4, Edit5, Edit15, Edit16, Edit21, RadioButton4, Edit28, Button139},
               main_);
}

void CalculationPage::But_bDainyuClick(Control&) {
    write_step(simulate_step(bonus_step(main_)),
               {Edit6, Edit9, Edit10, Edit17, Edit18, Edit22, RadioButton12, Edit29, Button144},
               main_);
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

void CalculationPage::count_bonus_in_step() {
    const int interval = main_.bonus_interval();
    const int first = main_.bonus_first_months();
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

// A step that keeps its instalment can pay the loan off before its last payment: the
// payments beyond the pay-off would overpay by whole instalments and charge negative
// interest. The step is cut to the payments that still find principal, so the loan ends in
// the month, and with the residue, that steps of one payment give. False when nothing was cut.
bool CalculationPage::cut_step_at_payoff(bool bonus) {
    if (RadioButton4.checked() || RadioButton12.checked()) return false;  // one payment by days
    StepInput in;
    int needed = 0;
    try {
        in = bonus ? bonus_step(main_) : monthly_step(main_);
        needed = payments_until_paid_off(in);
    } catch (const std::exception&) {
        // A step the calculation cannot hold is reported by the commit that follows.
        return false;
    }
    if (needed == 0 || needed >= in.payments) return false;
    const int months = StepMonths - (bonus ? (in.payments - needed) * main_.bonus_interval()
                                           : in.payments - needed);
    // Written as the calculation writes its own fields: the instalment kept stays as it is.
    const std::int64_t busy = main_.Ed0_moto.tag();
    main_.Ed0_moto.set_tag(1);
    put(Edit13, months);
    count_bonus_in_step();
    But_mDainyuClick(But_mDainyu);
    But_bDainyuClick(But_bDainyu);
    main_.Ed0_moto.set_tag(busy);
    return true;
}

}  // namespace rebanto
