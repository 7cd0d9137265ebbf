// Amounts entered as reals become ten-thousandths of a yen, ties to the even digit.
#include "base/money.h"

#include <gtest/gtest.h>

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
    EXPECT_THROW(Money::from_extended(1e15L), ConversionError);  // 1e19 ten-thousandths
    EXPECT_THROW(Money::from_extended(-1e15L), ConversionError);
    EXPECT_THROW(Money::from_extended(__builtin_nanl("")), ConversionError);
}

TEST(Money, WholeYenTruncatesTowardZero) {
    EXPECT_EQ(Money::from_raw(19999).whole_yen(), 1);
    EXPECT_EQ(Money::from_raw(-19999).whole_yen(), -1);
    EXPECT_EQ(Money::from_yen(-7).whole_yen(), -7);
}

}  // namespace
}  // namespace rebanto
