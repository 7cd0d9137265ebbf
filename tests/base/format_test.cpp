// Memo line and overlay formats: fixed decimals, integers, money with the yen sign.
#include "base/format.h"
#include "base/numtext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include <string>

namespace rebanto {
namespace {

TEST(FormatFixed, RoundsHalfAwayFromZeroOnTheDecimalValue) {
    struct Row {
        long double value;
        int width;
        int decimals;
        const char* text;
    };
    const Row rows[] = {
        {2.0625L, 0, 3, "2.063"},  // exact binary half
        {1.0005L, 0, 3, "1.001"},
        {2.675L, 0, 2, "2.68"},    // binary just below 2.675, but it reads as 2.675
        {1.0035L, 0, 3, "1.004"},  // the same, just below
        {0.0015L, 0, 3, "0.002"},  // the same, just below
        {-2.5L, 0, 0, "-3"},
        {2.5L, 0, 0, "3"},
        {0.5L, 0, 0, "1"},
        {0.125L, 0, 2, "0.13"},
        {-0.125L, 0, 2, "-0.13"},
        {9.995L, 0, 2, "10.00"},  // the carry runs into a new digit
        {99.96L, 0, 1, "100.0"},
        {0.006L, 0, 2, "0.01"},  // the first digit is the one rounded
        {0.004L, 0, 2, "0.00"},
        {0.0004L, 0, 2, "0.00"},  // below even the rounding digit
        {-0.004L, 0, 2, "0.00"},  // no "-0.00"
        {1e20L, 0, 2, "100000000000000000000.00"},
        {1234.0L, 0, 2, "1234.00"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(format_fixed(row.value, row.width, row.decimals), row.text)
            << static_cast<double>(row.value);
    }
}

TEST(FormatFixed, RightAlignsWithoutTruncating) {
    EXPECT_EQ(format_fixed(6.0L, 4, 0), "   6");
    EXPECT_EQ(format_fixed(3.14159L, 7, 3), "  3.142");
    EXPECT_EQ(format_fixed(-1234.5L, 10, 1), "   -1234.5");
    EXPECT_EQ(format_fixed(12345.678L, 5, 1), "12345.7");
}

TEST(FormatIntAndGeneral, RightAlign) {
    EXPECT_EQ(format_int(42, 4), "  42");
    EXPECT_EQ(format_int(-42, 4), " -42");
    EXPECT_EQ(format_int(12345, 3), "12345");
    EXPECT_EQ(format_general(3.0L, 2), " 3");
    EXPECT_EQ(format_general(1.5L, 5), "  1.5");
    EXPECT_EQ(format_general(1e-7L, 6), "  1E-7");
}

TEST(PadLeft, CountsCodePointsNotBytes) {
    EXPECT_EQ(pad_left("\xEF\xBD\xB1\xEF\xBD\xB2\xEF\xBD\xB3", 5),
              "  \xEF\xBD\xB1\xEF\xBD\xB2\xEF\xBD\xB3");                              // ｱｲｳ
    EXPECT_EQ(pad_left("\xE6\xBC\xA2\xE5\xAD\x97", 3), " \xE6\xBC\xA2\xE5\xAD\x97");  // 漢字
    EXPECT_EQ(pad_left("abc", 2), "abc");
    EXPECT_EQ(pad_left("", 3), "   ");
    EXPECT_EQ(pad_left("abc", -1), "abc");
}

TEST(FormatMoney, YenSignThousandsAndWholeYen) {
    struct Row {
        std::int64_t raw;
        const char* text;
    };
    const Row rows[] = {
        {0, "\\0"},
        {1234 * 10000LL, "\\1,234"},
        {-1234 * 10000LL, "-\\1,234"},
        {999 * 10000LL, "\\999"},
        {1000 * 10000LL, "\\1,000"},
        {1234567 * 10000LL, "\\1,234,567"},
        {kMaxAmount.raw(), "\\10,000,000,000"},
        {12345, "\\1"},  // 1.2345 yen
        {14999, "\\1"},
        {15000, "\\2"},  // half a yen rounds away from zero
        {-15000, "-\\2"},
        {9999995000, "\\1,000,000"},
        {-4999, "\\0"},  // rounds to zero: no sign
        {-5000, "-\\1"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(format_money(Money::from_raw(row.raw)), row.text);
    EXPECT_EQ(kYenSign, '\x5C');
}

// The digits of every length grouped by three, against grouping the library's digits.
TEST(FormatMoney, EveryLengthGroupedByThree) {
    const auto grouped = [](std::int64_t yen) {
        const std::string digits = std::to_string(yen);
        std::string text;
        for (std::size_t i = 0; i < digits.size(); ++i) {
            if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
            text += digits[i];
        }
        return "\\" + text;
    };
    std::int64_t power = 1;
    for (int length = 1; length <= 11; ++length, power *= 10) {
        for (const std::int64_t yen : {power - 1, power, power + 1, power * 4 + 7}) {
            EXPECT_EQ(format_money(Money::from_yen(yen)), grouped(yen));
            EXPECT_EQ(format_money(Money::from_yen(-yen), 20),
                      pad_left(yen == 0 ? grouped(0) : "-" + grouped(yen), 20));
        }
    }
}

TEST(FormatMoney, RightAlignedInWidth) {
    EXPECT_EQ(format_money(Money::from_yen(1234), 13), "       \\1,234");
    EXPECT_EQ(format_money(Money::from_yen(-1234567), 5), "-\\1,234,567");
}

// ---- The fast routes print what the C library prints ----

// format_fixed through the C library, as it was written before the fast route.
std::string fixed_by_printf(long double value, int width, int decimals) {
    std::string digits = detail::rounded_digits_by_printf(std::fabs(value), decimals);
    const auto d = static_cast<std::size_t>(decimals);
    if (digits.size() <= d) digits.insert(0, d + 1 - digits.size(), '0');
    std::string out = (value < 0 && digits.find_first_not_of('0') != std::string::npos) ? "-" : "";
    out += digits.substr(0, digits.size() - d);
    if (d > 0) out += "." + digits.substr(digits.size() - d);
    return pad_left(out, width);
}

// Every integer up to ten million prints its plain digits; every 97th is also printed by
// the C library, which is what those digits stand in for.
TEST(FastFormats, EveryIntegerUpToTenMillionPrintsAsByPrintf) {
    int differing = 0;
    for (int n = 0; n <= 10'000'000; ++n) {
        const long double v = n;
        const std::string digits = std::to_string(n);
        if (format_fixed(v, 4, 0) != pad_left(digits, 4) || general(v) != digits) ++differing;
        if (n % 97 == 0 && (digits != detail::general_by_printf(v) ||
                            pad_left(digits, 4) != fixed_by_printf(v, 4, 0))) {
            ++differing;
        }
    }
    EXPECT_EQ(differing, 0);
}

TEST(FastFormats, AMillionRandomDecimalsAndRatiosPrintAsByPrintf) {
    std::mt19937_64 draw(1209);
    int differing = 0;
    std::string first;
    for (int i = 0; i < 1'000'000; ++i) {
        const int significant = 1 + static_cast<int>(draw() % 15);
        std::int64_t digits = 0;
        for (int d = 0; d < significant; ++d)
            digits = digits * 10 + static_cast<std::int64_t>(draw() % 10);
        const int scale = static_cast<int>(draw() % 19);
        long double v = to_extended(std::to_string(digits) + "E-" + std::to_string(scale));
        if (i % 4 == 3) v = v / 7;  // no short decimal: the general route
        if (draw() % 2 == 0) v = -v;
        const int decimals = static_cast<int>(draw() % 5);
        const bool same = i % 2 == 0
                              ? format_fixed(v, 7, decimals) == fixed_by_printf(v, 7, decimals)
                              : general(v) == detail::general_by_printf(v);
        if (!same) {
            if (differing++ == 0) first = detail::general_by_printf(v);
        }
    }
    EXPECT_EQ(differing, 0) << "first: " << first;
}

TEST(FastFormats, HalfwayDecimalsRoundAwayFromZero) {
    EXPECT_EQ(format_fixed(to_extended("2.3255"), 7, 3), "  2.326");
    EXPECT_EQ(format_fixed(to_extended("-2.3255"), 7, 3), " -2.326");
    EXPECT_EQ(format_fixed(to_extended("0.5"), 4, 0), "   1");
    EXPECT_EQ(format_fixed(to_extended("-0.4"), 4, 0), "   0");
    EXPECT_EQ(format_fixed(to_extended("999.9995"), 7, 3), "1000.000");
    EXPECT_EQ(general(to_extended("0.000012345")), "0.000012345");
    EXPECT_EQ(general(to_extended("1E15")), "1E15");
}

}  // namespace
}  // namespace rebanto
