// The equal instalment and the step simulation as pure functions.
#include <gtest/gtest.h>

#include "core/instalment.h"

namespace rebanto {
namespace {

InstalmentInput annuity(Money principal, long double c, int n, int mode = 0) {
    InstalmentInput in;
    in.count = n;
    in.rounding_mode = mode;
    in.first_rate = c;
    in.rate = c;
    in.principal = principal;
    return in;
}

// 24,000,000 yen at 2.325 % over 420 months: 83,564.2638… yen.
TEST(CalcInstalment, MonthlyAnnuityRoundsByTheInstalmentMode) {
    const long double c = 2.325L / 12 / 100;
    EXPECT_EQ(calc_instalment(annuity(Money::from_yen(24'000'000), c, 420, 0)),
              Money::from_yen(83'564));
    EXPECT_EQ(calc_instalment(annuity(Money::from_yen(24'000'000), c, 420, 1)),
              Money::from_yen(83'564));
    EXPECT_EQ(calc_instalment(annuity(Money::from_yen(24'000'000), c, 420, 2)),
              Money::from_yen(83'565));
}

// 6,000,000 yen, six-monthly rate 2.325 / 12 × 6 %, 70 payments: 125,738.6637… yen.
TEST(CalcInstalment, BonusAnnuityUsesTheSixMonthRate) {
    const long double c = 2.325L / 12 * 6 / 100;
    EXPECT_EQ(calc_instalment(annuity(Money::from_yen(6'000'000), c, 70, 0)),
              Money::from_yen(125'738));
    EXPECT_EQ(calc_instalment(annuity(Money::from_yen(6'000'000), c, 70, 1)),
              Money::from_yen(125'739));
}

// A first bonus after 3 months instead of 6: the first period is discounted at the
// 3-month rate, 125,016.2063… yen.
TEST(CalcInstalment, FirstBonusPeriodDiscountsWithItsOwnRate) {
    InstalmentInput in = annuity(Money::from_yen(6'000'000), 2.325L / 12 * 6 / 100, 70);
    in.first_rate = 2.325L / 12 * 3 / 100;
    in.before_first_bonus = true;
    EXPECT_EQ(calc_instalment(in), Money::from_yen(125'016));
    in.before_first_bonus = false;  // once a bonus month is behind, the plain annuity
    EXPECT_EQ(calc_instalment(in), Money::from_yen(125'738));
}

// 24,000,000 / 420 = 57,142.857… yen of principal a month.
TEST(CalcInstalment, EqualPrincipalDividesThePrincipal) {
    InstalmentInput in = annuity(Money::from_yen(24'000'000), 0.002L, 420, 0);
    in.equal_principal = true;
    EXPECT_EQ(calc_instalment(in), Money::from_yen(57'142));
    in.rounding_mode = 2;
    EXPECT_EQ(calc_instalment(in), Money::from_yen(57'143));
}

TEST(CalcInstalment, ZeroRateRepaysEqualShares) {
    EXPECT_EQ(calc_instalment(annuity(Money::from_yen(1'200'000), 0, 12)),
              Money::from_yen(100'000));
}

TEST(CalcInstalment, OnePaymentRepaysPrincipalWithOnePeriodsInterest) {
    // 1,000,000 × 1.002 = 1,002,000 exactly.
    EXPECT_EQ(calc_instalment(annuity(Money::from_yen(1'000'000), 0.002L, 1)),
              Money::from_yen(1'002'000));
}

StepInput step(int k, Money instalment, Money principal, int mode = 0) {
    StepInput in;
    in.payments = k;
    in.accrual_unit = 100;
    in.interest_mode = mode;
    in.first_rate = 0.002L;
    in.rate = 0.002L;
    in.instalment = instalment;
    in.principal = principal;
    return in;
}

// By hand at 0.2 % a month, instalment 10,000, unit 100:
//   1,000,000 → interest 2,000, balance 992,000
//   992,000   → interest 1,984, balance 983,984
//   983,900 (cut) → interest 1,967.8 → 1,967, balance 975,951
TEST(SimulateStep, ChargesInterestOnTheBalanceCutToTheAccrualUnit) {
    const StepResult r =
        simulate_step(step(3, Money::from_yen(10'000), Money::from_yen(1'000'000)));
    EXPECT_EQ(r.interest, Money::from_yen(5'951));
    EXPECT_EQ(r.principal_repaid, Money::from_yen(24'049));
    EXPECT_EQ(r.balance, Money::from_yen(975'951));
    EXPECT_EQ(r.last_interest, Money::from_yen(1'967));
}

TEST(SimulateStep, RoundingUpRaisesTheFractionalInterest) {
    const StepResult r =
        simulate_step(step(3, Money::from_yen(10'000), Money::from_yen(1'000'000), 2));
    EXPECT_EQ(r.last_interest, Money::from_yen(1'968));
    EXPECT_EQ(r.balance, Money::from_yen(975'952));
}

TEST(SimulateStep, AccrualUnitOfOneYenChargesTheWholeBalance) {
    StepInput in = step(3, Money::from_yen(10'000), Money::from_yen(1'000'000));
    in.accrual_unit = 1;
    // Third payment on 983,984: 1,967.968 → 1,967, the same yen here but on a larger base.
    EXPECT_EQ(simulate_step(in).last_interest, Money::from_yen(1'967));
    in.accrual_unit = 10000;
    // Third payment on 980,000: 1,960.
    EXPECT_EQ(simulate_step(in).last_interest, Money::from_yen(1'960));
}

TEST(SimulateStep, EqualPrincipalRepaysTheInstalmentAsPrincipal) {
    StepInput in = step(2, Money::from_yen(10'000), Money::from_yen(1'000'000));
    in.equal_principal = true;
    const StepResult r = simulate_step(in);
    // Interest 2,000 then 1,980 on 990,000.
    EXPECT_EQ(r.interest, Money::from_yen(3'980));
    EXPECT_EQ(r.principal_repaid, Money::from_yen(20'000));
    EXPECT_EQ(r.balance, Money::from_yen(980'000));
    EXPECT_EQ(r.last_interest, Money::from_yen(11'980)) << "the last payment's total";
}

TEST(SimulateStep, OnlyTheFirstPaymentUsesTheFirstRate) {
    StepInput in = step(2, Money::from_yen(10'000), Money::from_yen(1'000'000));
    in.first_rate = 0.001L;
    in.first_payment_at_first_rate = true;
    const StepResult r = simulate_step(in);
    // 1,000 at the first rate, then 0.2 % of 991,000 = 1,982.
    EXPECT_EQ(r.interest, Money::from_yen(2'982));
    EXPECT_EQ(r.last_interest, Money::from_yen(1'982));
}

TEST(SimulateStep, NoPaymentsLeaveThePrincipal) {
    const StepResult r = simulate_step(step(0, Money::from_yen(10'000), Money::from_yen(5'000)));
    EXPECT_EQ(r.balance, Money::from_yen(5'000));
    EXPECT_EQ(r.interest, Money());
}

}  // namespace
}  // namespace rebanto
