// The rounding modes and accrual units as the calculation reads them from their stored tags.
#include <gtest/gtest.h>

#include "base/rounding.h"

namespace rebanto {
namespace {

TEST(RoundingModes, StoredTagsNameTheirModesAndUnknownTagsActAsDown) {
    EXPECT_EQ(rounding_of_tag(0), Rounding::Down);
    EXPECT_EQ(rounding_of_tag(1), Rounding::HalfUp);
    EXPECT_EQ(rounding_of_tag(2), Rounding::Up);
    EXPECT_EQ(rounding_of_tag(3), Rounding::Down);
    EXPECT_EQ(rounding_of_tag(-1), Rounding::Down);
    // 2^32 + 1 and 2^32 + 2: a tag is not cut to its low 32 bits on the way.
    EXPECT_EQ(rounding_of_tag(4294967297LL), Rounding::Down);
    EXPECT_EQ(rounding_of_tag(4294967298LL), Rounding::Down);
}

TEST(RoundingModes, InstalmentsRoundByTheNamedMode) {
    // 12,345.0001 yen and 12,345.5 yen, in ten-thousandths.
    EXPECT_EQ(round_instalment(123450001, Rounding::Down), Money::from_yen(12345));
    EXPECT_EQ(round_instalment(123450001, Rounding::HalfUp), Money::from_yen(12345));
    EXPECT_EQ(round_instalment(123450001, Rounding::Up), Money::from_yen(12346));
    EXPECT_EQ(round_instalment(123455000, Rounding::Down), Money::from_yen(12345));
    EXPECT_EQ(round_instalment(123455000, Rounding::HalfUp), Money::from_yen(12346));
}

TEST(RoundingModes, InterestRoundsByTheNamedMode) {
    EXPECT_EQ(round_interest(1234.999995L, Rounding::Down), 1235);
    EXPECT_EQ(round_interest(1234.000005L, Rounding::Up), 1234);
    EXPECT_EQ(round_interest(1234.5L, Rounding::HalfUp), 1235);
}

TEST(AccrualUnits, TheNamedUnitsCutTheBalance) {
    EXPECT_EQ(yen_of(AccrualUnit::Yen10000), 10000);
    EXPECT_EQ(accrual_base(Money::from_yen(9999), AccrualUnit::Yen10000), Money());
    EXPECT_EQ(accrual_base(Money::from_yen(987654), AccrualUnit::Yen100), Money::from_yen(987600));
    EXPECT_EQ(accrual_base(-150.0L, AccrualUnit::Yen100), -100.0L);
}

TEST(AccrualUnits, AStoredUnitOutsideThePanelsChoicesIsKept) {
    // A settings file may hold any whole number of yen: 5 cuts to multiples of 5.
    EXPECT_EQ(yen_of(accrual_unit_of_tag(5)), 5);
    EXPECT_EQ(accrual_base(Money::from_yen(987654), accrual_unit_of_tag(5)),
              Money::from_yen(987650));
}

}  // namespace
}  // namespace rebanto
