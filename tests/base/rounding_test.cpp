// Rounding modes of the instalment and of interest, and the accrual unit.
#include "base/rounding.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace rebanto {
namespace {

TEST(RoundInstalment, ModesOnTenThousandths) {
    struct Row {
        std::int64_t raw;
        int mode;
        std::int64_t yen;
    };
    const Row rows[] = {
        {123450000, 0, 12345},
        {123450000, 1, 12345},
        {123450000, 2, 12345},  // whole yen
        {123450001, 0, 12345},
        {123450001, 1, 12345},
        {123450001, 2, 12346},  // + 0.0001
        {123455000, 0, 12345},
        {123455000, 1, 12346},
        {123455000, 2, 12346},  // + 0.5
        {123454999, 1, 12345},
        {123459999, 0, 12345},
        {123459999, 2, 12346},
        {123455000, 7, 12345},
        {123459999, 7, 12345},
        {123459999, -1, 12345},  // unknown mode
        {0, 0, 0},
        {0, 1, 0},
        {0, 2, 0},
        {100000000000000, 2, 10000000000},  // the amount limit stays exact
        {100000000000001, 2, 10000000001},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(round_instalment(row.raw, row.mode), Money::from_yen(row.yen))
            << row.raw << " mode " << row.mode;
    }
}

TEST(RoundInterest, ModesOnRealYen) {
    struct Row {
        long double yen;
        int mode;
        std::int64_t whole;
    };
    const Row rows[] = {
        {1234.999995L, 0, 1235},  // within the tolerance of the next yen
        {1234.99998L, 0, 1234},
        {1234.7L, 0, 1234},
        {1234.000005L, 2, 1234},  // within the tolerance of this yen
        {1234.00002L, 2, 1235},
        {1234.3L, 2, 1235},
        {1234.5L, 1, 1235},
        {1234.4999L, 1, 1234},
        {1234.7L, 7, 1234},
        {0.0L, 0, 0},
        {0.0L, 1, 0},
        {0.0L, 2, 0},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(round_interest(row.yen, row.mode), row.whole)
            << static_cast<double>(row.yen) << " mode " << row.mode;
    }
}

TEST(AccrualBase, CutsTowardZeroToTheUnit) {
    EXPECT_EQ(accrual_base(9999.0L, 10000), 0.0L);
    EXPECT_EQ(accrual_base(-150.0L, 100), -100.0L);
    EXPECT_EQ(accrual_base(987654.0L, 100), 987600.0L);
    EXPECT_EQ(accrual_base(987654.0L, 1), 987654.0L);
    EXPECT_EQ(accrual_base(20000.0L, 10000), 20000.0L);
    EXPECT_EQ(accrual_base(-19999.0L, 10000), -10000.0L);
    EXPECT_EQ(accrual_base(987654.5L, 0), 987654.5L);  // no unit: nothing to cut, no NaN
}

TEST(AccrualBase, MoneyBalances) {
    EXPECT_EQ(accrual_base(Money::from_yen(9999), 10000), Money());
    EXPECT_EQ(accrual_base(Money::from_yen(-150), 100), Money::from_yen(-100));
    EXPECT_EQ(accrual_base(Money::from_yen(987654), 100), Money::from_yen(987600));
    EXPECT_EQ(accrual_base(Money::from_raw(9876545000), 1), Money::from_yen(987654));
    EXPECT_EQ(accrual_base(kMaxAmount, 10000), kMaxAmount);
    EXPECT_EQ(accrual_base(kMaxAmount, INT64_MAX), Money());
}

}  // namespace
}  // namespace rebanto
