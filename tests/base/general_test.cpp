// The general number format: how rates, counts and amounts are written back into fields.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "base/numtext.h"

namespace rebanto {
namespace {

TEST(GeneralReal, ShortestFormUpToFifteenDigits) {
    struct Row {
        long double value;
        const char* text;
    };
    const Row rows[] = {
        {0.0L, "0"},
        {-0.0L, "0"},
        {1.0L, "1"},
        {-1.5L, "-1.5"},
        {1234.5L, "1234.5"},
        {100.0L, "100"},
        {0.1L + 0.2L, "0.3"},  // the binary error lies beyond the fifteenth digit
        {1.0L / 3, "0.333333333333333"},
        {2.0L / 3, "0.666666666666667"},
        {999999999999999.0L, "999999999999999"},
        {1e14L, "100000000000000"},
        {0.00001L, "0.00001"},
        {0.000012345L, "0.000012345"},
        {0.0000999999999999999999L, "0.0001"},  // rounds up into the fixed range
        {0.000001L, "1E-6"},
        {1e-7L, "1E-7"},
        {-2.5e-6L, "-2.5E-6"},
        {1e15L, "1E15"},
        {999999999999999.9L, "1E15"},  // sixteen nines round to fifteen digits first
        {1.5e20L, "1.5E20"},
        {123456789012345678.0L, "1.23456789012346E17"},
        {-1e100L, "-1E100"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(general(row.value), row.text) << static_cast<double>(row.value);
    }
}

TEST(GeneralMoney, ExactDecimalOfTheTenThousandths) {
    EXPECT_EQ(general(Money::from_raw(12345000)), "1234.5");
    EXPECT_EQ(general(Money::from_raw(-1)), "-0.0001");
    EXPECT_EQ(general(Money()), "0");
    EXPECT_EQ(general(Money::from_raw(10000)), "1");
    EXPECT_EQ(general(Money::from_raw(5)), "0.0005");
    EXPECT_EQ(general(Money::from_raw(100)), "0.01");
    EXPECT_EQ(general(Money::from_raw(-123456789)), "-12345.6789");
    EXPECT_EQ(general(kMaxAmount), "10000000000");
    EXPECT_EQ(general(Money::from_raw(INT64_MIN)), "-922337203685477.5808");
}

// Whole yen of every length, and the values on either side of each power of ten, against
// the digits the C++ library writes.
TEST(GeneralMoney, EveryLengthOfWholeYenAsTheLibraryWritesIt) {
    std::int64_t power = 1;
    for (int length = 1; length <= 14; ++length, power *= 10) {
        for (const std::int64_t yen : {power - 1, power, power + 1, power * 7 + 3}) {
            EXPECT_EQ(general(Money::from_yen(yen)), std::to_string(yen));
            EXPECT_EQ(general(Money::from_yen(-yen)), yen == 0 ? "0" : "-" + std::to_string(yen));
        }
    }
}

TEST(GeneralInt, PlainInteger) {
    EXPECT_EQ(general(std::int64_t{-42}), "-42");
    EXPECT_EQ(general(std::int64_t{INT64_MIN}), "-9223372036854775808");
    EXPECT_EQ(general(7), "7");
}

}  // namespace
}  // namespace rebanto
