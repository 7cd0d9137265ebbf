// The reverse search against the exact loan: the value it ends on is the one an exact
// bisection finds, for each kind of input; its progress; and the steps it leaves behind.
#include <cmath>

#include "calculator_fixture.h"

namespace rebanto {
namespace {

using testing::balance_after;
using testing::CalculatorTest;
using testing::exact_instalment;
using testing::instalment_reaches;
using testing::PeriodRate;
using testing::smallest_principal_reaching;

class ReverseSearch : public CalculatorTest {};

// A rate field's text in hundred-thousandths of a percent.
std::uint32_t fine_rate(const Control& field) {
    return static_cast<std::uint32_t>(std::llround(std::stold(field.text()) * 100'000));
}

TEST_F(ReverseSearch, ThePrincipalForA70000YenInstalmentIsTheSmallestThatReachesIt) {
    loan("10000000", "2.325", "10");
    EXPECT_TRUE(search(f1.RBut_mot, f1.RBut_Km, "70000").empty());
    const std::int64_t expected =
        smallest_principal_reaching(70'000, 120, PeriodRate::monthly(2'325));
    EXPECT_EQ(yen(f1.Ed0_moto), expected);
    EXPECT_EQ(f1.Edit4.text(), "70000");
    EXPECT_EQ(exact_instalment(expected - 1, 120, PeriodRate::monthly(2'325)), 69'999);
}

TEST_F(ReverseSearch, StartPrincipalsAgreeWithTheExactBisectionOverTheWholeRange) {
    loan("10000000", "2.325", "10");
    for (const char* target : {"1", "83", "70001", "123456", "2500000", "9000000"}) {
        search(f1.RBut_mot, f1.RBut_Km, target);
        EXPECT_EQ(yen(f1.Ed0_moto),
                  smallest_principal_reaching(std::stoll(target), 120, PeriodRate::monthly(2'325)))
            << target;
    }
}

TEST_F(ReverseSearch, TheMonthlyPrincipalMovesAloneAndTheTotalFollows) {
    loan("10000000", "2.325", "10", "20");
    search(f1.RBut_Mm, f1.RBut_Km, "70000");
    EXPECT_EQ(yen(f1.Edit1), smallest_principal_reaching(70'000, 120, PeriodRate::monthly(2'325)));
    EXPECT_EQ(f1.Edit6.text(), "2000000");
    EXPECT_EQ(yen(f1.Ed0_moto), yen(f1.Edit1) + 2'000'000);
}

TEST_F(ReverseSearch, TheBonusPrincipalForABonusInstalment) {
    loan("10000000", "2.325", "10", "20");
    ASSERT_EQ(f1.Ed1_Bzankaisu.text(), "20");
    search(f1.RBut_Mb, f1.RBut_Kb, "150000");
    // Twenty half-yearly payments at 2.325 % ÷ 2.
    EXPECT_EQ(yen(f1.Edit6),
              smallest_principal_reaching(150'000, 20, PeriodRate::half_yearly(2'325)));
    EXPECT_EQ(f1.Edit9.text(), "150000");
    EXPECT_EQ(f1.Edit1.text(), "8000000");
}

TEST_F(ReverseSearch, TheRateForAnInstalmentIsTheLowestThatReachesIt) {
    loan("10000000", "2.325", "10");
    const std::int64_t target = exact_instalment(10'000'000, 120, PeriodRate::monthly(2'325));
    search(f1.RBut_kin, f1.RBut_Km, std::to_string(target));
    const std::uint32_t r = fine_rate(f1.Ed0_kin);
    EXPECT_TRUE(instalment_reaches(10'000'000, 120, PeriodRate::monthly_fine(r), target));
    EXPECT_FALSE(instalment_reaches(10'000'000, 120, PeriodRate::monthly_fine(r - 1), target));
    EXPECT_LE(r, 232'500u);
    EXPECT_EQ(yen(f1.Edit4), target);
}

// The principal repaid over the first six months at rate r (in 10^-5 %).
std::int64_t repaid_in_six_months(std::uint32_t r) {
    const PeriodRate c = PeriodRate::monthly_fine(r);
    const std::int64_t instalment = exact_instalment(10'000'000, 120, c);
    return 10'000'000 - balance_after(10'000'000, instalment, 6, c, 100);
}

TEST_F(ReverseSearch, ForThePrincipalRepaidTheRateFallsOnlyWhileItStaysAtOrBelowTheTarget) {
    loan("10000000", "2.325", "10");
    const std::int64_t target = repaid_in_six_months(300'000);  // what 3 % repays
    search(f1.RBut_kin, f1.RBut_GMm, std::to_string(target));
    EXPECT_EQ(f1.SearchDirection, 1);
    const std::uint32_t r = fine_rate(f1.Ed0_kin);
    EXPECT_LE(repaid_in_six_months(r), target);
    EXPECT_GT(repaid_in_six_months(r - 1), target) << "one step lower repays more";
    EXPECT_EQ(yen(f1.Edit16), repaid_in_six_months(r));
}

TEST_F(ReverseSearch, TheInstalmentThatClearsTheLoanOverTheWholeTerm) {
    loan("10000000", "2.325", "10");
    f1.whole_term_period();
    ASSERT_EQ(f1.Edit13.text(), "120");
    search(f1.RBut_Hm, f1.RBut_NewMm, "0");
    // The smallest instalment after whose 120 payments nothing is left, by bisection.
    const PeriodRate c = PeriodRate::monthly(2'325);
    std::int64_t lo = 1;
    std::int64_t hi = 10'000'000;
    while (lo < hi) {
        const std::int64_t mid = (lo + hi) / 2;
        if (balance_after(10'000'000, mid, 120, c, 100) <= 0) {
            hi = mid;
        } else {
            lo = mid + 1;
        }
    }
    EXPECT_EQ(yen(f1.Edit4), lo);
    EXPECT_EQ(yen(f1.Edit5), balance_after(10'000'000, lo, 120, c, 100));
    EXPECT_EQ(f1.Ed0_moto.text(), "10000000") << "the loan itself is untouched";
}

TEST_F(ReverseSearch, TheSearchRepaintsAsItGoesAndLeavesTheFinestSteps) {
    loan("10000000", "2.325", "10");
    const int before = platform.repaints();
    search(f1.RBut_mot, f1.RBut_Km, "70000");
    EXPECT_GE(platform.repaints() - before, 10) << "after every digit";
    EXPECT_EQ(f1.AmountStep, Money::from_yen(1));
    EXPECT_FALSE(platform.wait_cursor());
    search(f1.RBut_kin, f1.RBut_Km, "90000");
    EXPECT_NEAR(static_cast<double>(f1.RateStep), 0.00001, 1e-12);

    // The instalment search repaints after every step as well.
    const int instalment_before = platform.repaints();
    search(f1.RBut_Hm, f1.RBut_NewMm, "9000000");
    EXPECT_GT(platform.repaints() - instalment_before, 20);
}

TEST_F(ReverseSearch, TheReferenceValuesAreTheOutputsAtBothEndsOfTheRange) {
    loan("10000000", "2.325", "10");
    f1.Button93.click();
    f1.RBut_mot.click();
    EXPECT_EQ(yen(f1.Llmax), exact_instalment(1'000'000'000, 120, PeriodRate::monthly(2'325)));
    EXPECT_EQ(f1.Llmin.caption(), "0");
    EXPECT_EQ(f1.Ed0_moto.text(), "10000000") << "the input is put back";
    f1.Llmax.click();
    EXPECT_EQ(f1.Edit3.text(), f1.Llmax.caption());
    f1.Edit3.dbl_click();
    EXPECT_EQ(f1.Edit3.text(), f1.Edit4.text()) << "the output as it stands";
}

}  // namespace
}  // namespace rebanto
