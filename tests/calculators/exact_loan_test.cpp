// The test's own exact loan arithmetic, checked on figures worked by hand, before the
// calculator tests lean on it.
#include <gtest/gtest.h>

#include "exact_loan.h"

namespace rebanto::testing {
namespace {

TEST(ExactLoan, BigNumbersMultiplySubtractAndCompare) {
    const BigNat a = BigNat::power(10, 30);  // 10^30
    const BigNat b = times(BigNat::power(10, 15), 1'000'000'000'000'000ull);
    EXPECT_EQ(compare(a, b), 0);
    EXPECT_EQ(compare(a - BigNat(1), a), -1);
    EXPECT_EQ(compare(a + BigNat(1), a), 1);
    EXPECT_EQ(compare(times(BigNat(1), 0xFFFFFFFFFFFFFFFFull), BigNat(0xFFFFFFFFFFFFFFFFull)), 0);
}

TEST(ExactLoan, TheAnnuityOfAOnePercentMonthAgreesWithTheTextbook) {
    // 1,000,000 × 0.01 / (1 − 1.01^−12) = 88,848.79 yen.
    EXPECT_EQ(exact_instalment(1'000'000, 12, PeriodRate::monthly(12'000)), 88'848);
    EXPECT_TRUE(instalment_reaches(1'000'000, 12, PeriodRate::monthly(12'000), 88'848));
    EXPECT_FALSE(instalment_reaches(1'000'000, 12, PeriodRate::monthly(12'000), 88'849));
    // One payment repays principal and one period's interest.
    EXPECT_EQ(exact_instalment(100'000, 1, PeriodRate::monthly(12'000)), 101'000);
}

TEST(ExactLoan, TheSmallestPrincipalIsTheFirstWhoseInstalmentReaches) {
    const PeriodRate c = PeriodRate::monthly(12'000);
    const std::int64_t p = smallest_principal_reaching(88'848, 12, c);
    EXPECT_EQ(exact_instalment(p, 12, c), 88'848);
    EXPECT_EQ(exact_instalment(p - 1, 12, c), 88'847);
}

TEST(ExactLoan, InterestIsTruncatedOnTheBalanceCutToTheUnit) {
    // 1 % of 100,000 is 1,000: one payment of 101,000 leaves nothing.
    EXPECT_EQ(balance_after(100'000, 101'000, 1, PeriodRate::monthly(12'000), 1), 0);
    // 99,999 cut to 10,000 yen is 90,000: 900 yen interest.
    EXPECT_EQ(balance_after(99'999, 900, 1, PeriodRate::monthly(12'000), 10'000), 99'999);
}

TEST(ExactLoan, TheAddOnOfOnePaymentIsThePeriodRate) {
    EXPECT_EQ(addon_in_1e8(1, PeriodRate::monthly(12'000)), 100'000'000);      // 1 %
    EXPECT_EQ(addon_in_1e8(1, PeriodRate::half_yearly(12'000)), 600'000'000);  // 6 %
}

}  // namespace
}  // namespace rebanto::testing
