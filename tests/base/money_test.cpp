// Amounts entered as reals become ten-thousandths of a yen, ties to the even digit.
#include "base/money.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "base/errors.h"

namespace rebanto {
namespace {

// k/32 yen is exact in binary and k/32 × 10000 = k × 312.5, so odd k lands exactly on a half.
TEST(MoneyFromExtended, ExactHalvesGoToTheEvenTenThousandth) {
    struct Row {
        long double yen;
        long double product;
        std::int64_t raw;
    };
    const Row rows[] = {
        {1.0L / 32, 312.5L, 312},    {3.0L / 32, 937.5L, 938},    {5.0L / 32, 1562.5L, 1562},
        {-1.0L / 32, -312.5L, -312}, {-3.0L / 32, -937.5L, -938}, {33.0L / 32, 10312.5L, 10312},
    };
    for (const Row& row : rows) {
        ASSERT_EQ(row.yen * 10000, row.product) << "not a tie, the row proves nothing";
        EXPECT_EQ(Money::from_extended(row.yen).raw(), row.raw) << static_cast<double>(row.yen);
    }
}

TEST(MoneyFromExtended, OtherValuesGoToTheNearestTenThousandth) {
    EXPECT_EQ(Money::from_extended(1.00006L).raw(), 10001);
    EXPECT_EQ(Money::from_extended(0.00004L).raw(), 0);
    EXPECT_EQ(Money::from_extended(-0.00006L).raw(), -1);
    EXPECT_EQ(Money::from_extended(12345.6789L).raw(), 123456789);
    EXPECT_EQ(Money::from_extended(10000000000.0L).raw(), kMaxAmount.raw());
}

TEST(MoneyFromExtended, RefusesWhatNoAmountCanHold) {
    EXPECT_THROW(Money::from_extended(1e15L), MoneyOverflow);  // 1e19 ten-thousandths
    EXPECT_THROW(Money::from_extended(-1e15L), MoneyOverflow);
    EXPECT_THROW(Money::from_extended(__builtin_nanl("")), MoneyOverflow);
}

TEST(MoneyArithmetic, AnOverflowIsAnErrorNeverAWrappedAmount) {
    const Money top = Money::from_raw(INT64_MAX);
    const Money bottom = Money::from_raw(INT64_MIN);
    EXPECT_THROW(top + Money::from_raw(1), MoneyOverflow);
    EXPECT_THROW(bottom - Money::from_raw(1), MoneyOverflow);
    EXPECT_THROW(-bottom, MoneyOverflow);
    Money sum = top;
    EXPECT_THROW(sum += Money::from_raw(1), MoneyOverflow);
    EXPECT_THROW(Money::from_yen(922'337'203'685'478), MoneyOverflow);  // × 10000 > 2^63
    EXPECT_THROW(Money::from_yen(10'000'000'000).times(1'000'000), MoneyOverflow);
    EXPECT_EQ((top - top).raw(), 0);
    EXPECT_EQ(Money::from_yen(-922'337'203'685'477).raw(), -9'223'372'036'854'770'000);
    EXPECT_EQ(Money::from_yen(83'564).times(420), Money::from_yen(35'096'880));
}

TEST(Money, WholeYenTruncatesTowardZero) {
    EXPECT_EQ(Money::from_raw(19999).whole_yen(), 1);
    EXPECT_EQ(Money::from_raw(-19999).whole_yen(), -1);
    EXPECT_EQ(Money::from_yen(-7).whole_yen(), -7);
}

}  // namespace
}  // namespace rebanto
