// Reading numbers from field text: what is a number, what is refused, and how it rounds.
#include "base/numtext.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include <string>

#include "base/errors.h"

namespace rebanto {
namespace {

TEST(ToExtended, AcceptsDecimalReals) {
    struct Row {
        const char* text;
        long double value;
    };
    const Row rows[] = {
        {"12", 12.0L},     {"-3.5", -3.5L},   {".5", 0.5L},    {"5.", 5.0L},
        {"+7", 7.0L},      {"  42  ", 42.0L}, {"1E-7", 1e-7L}, {"1.5e+3", 1500.0L},
        {"2.5E2", 250.0L}, {"-0.25", -0.25L}, {"0.1", 0.1L},   {"007", 7.0L},
        {"1e-5000", 0.0L},  // too small to tell from zero is zero, not an error
    };
    for (const Row& row : rows)
        EXPECT_EQ(to_extended(row.text), row.value) << row.text;
}

TEST(ToExtended, RefusesEverythingElse) {
    for (const char* text :
         {"",     "   ", "abc", "1,000", "12%",     "1.2.3",  "--1",
          "+-1",  "nan", "inf", "-inf",  "0x10",    "1E",     "E5",
          ".",    "-",   ".E1", "1 2",   "1.5E+-2", "1e5000", "\xEF\xBC\x91\xEF\xBC\x92",
          "12yen"}) {
        EXPECT_THROW(to_extended(text), ConversionError) << text;
    }
}

TEST(ToExtended, ErrorCarriesTheTextAsTyped) {
    try {
        to_extended(" 1,000 ");
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.text(), " 1,000 ");
    }
}

TEST(ToInt, AcceptsSignedIntegersThatFit) {
    EXPECT_EQ(to_int("42"), 42);
    EXPECT_EQ(to_int(" -17 "), -17);
    EXPECT_EQ(to_int("+5"), 5);
    EXPECT_EQ(to_int("9223372036854775807"), INT64_MAX);
    EXPECT_EQ(to_int("-9223372036854775808"), INT64_MIN);
}

TEST(ToInt, RefusesFractionsOverflowAndJunk) {
    for (const char* text : {"9223372036854775808", "-9223372036854775809", "1.0", "1E3", "", " ",
                             "- 5", "+-5", "0x1F", "12a", "1,000"}) {
        EXPECT_THROW(to_int(text), ConversionError) << text;
    }
}

TEST(ToMoney, RoundsToTheNearestTenThousandthTiesToEven) {
    EXPECT_EQ(to_money("1234.5").raw(), 12345000);
    EXPECT_EQ(to_money("12345678.9012").raw(), 123456789012);
    EXPECT_EQ(to_money("0.03125").raw(), 312);  // 312.5 ten-thousandths, an exact tie
    EXPECT_EQ(to_money("0.09375").raw(), 938);  // 937.5
    EXPECT_EQ(to_money("-0.03125").raw(), -312);
    EXPECT_EQ(to_money("0.00006").raw(), 1);
    EXPECT_EQ(to_money("1E-7").raw(), 0);
    EXPECT_EQ(to_money("1E10"), kMaxAmount);
}

TEST(ToMoney, TooLargeIsAConversionErrorOnTheText) {
    try {
        to_money("1E30");
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.text(), "1E30");
    }
}

TEST(IntPart, TruncatesTowardZero) {
    EXPECT_EQ(int_part(2.7L), 2.0L);
    EXPECT_EQ(int_part(-2.7L), -2.0L);
    EXPECT_EQ(int_part(-0.5L), 0.0L);
    EXPECT_EQ(int_part(123456789012.9999L), 123456789012.0L);
}

TEST(Counts, AWholeNumberUpToAThousandYearsOfMonthsIsACount) {
    EXPECT_EQ(to_count("12000"), 12000);
    EXPECT_EQ(to_count("35.9"), 35);
    EXPECT_EQ(to_count("-2.7"), -2);
    EXPECT_EQ(to_count("-12000"), -12000);
}

TEST(Counts, BeyondTheLimitOrBelowTheFieldsRangeIsNotANumber) {
    for (const char* text : {"12001", "178956971", "1.2e301", "2147483648", "-12001", "-2147483649",
                             "9.3e18", "1e309"}) {
        EXPECT_THROW(to_count(text), ConversionError) << text;
    }
    EXPECT_THROW(to_count("-1", 0), ConversionError);
    EXPECT_EQ(to_count("0", 0), 0);
}

// ---- The fast route for plain decimals gives what the C library gives, bit for bit ----

bool same_bits(long double a, long double b) {
    return std::memcmp(&a, &b, 10) == 0;  // the 80 significant bits of the x87 format
}

TEST(PlainDecimals, EveryIntegerUpToTenMillionReadsAsTheCLibraryReadsIt) {
    int differing = 0;
    for (int n = 0; n <= 10'000'000; ++n) {
        const std::string text = std::to_string(n);
        if (!same_bits(to_extended(text), detail::parse_with_strtold(text))) ++differing;
    }
    EXPECT_EQ(differing, 0);
    EXPECT_TRUE(same_bits(to_extended("-0"), detail::parse_with_strtold("-0")));
    EXPECT_TRUE(same_bits(to_extended("18446744073709551615"),
                          detail::parse_with_strtold("18446744073709551615")));
}

TEST(PlainDecimals, AMillionRandomDecimalsReadAsTheCLibraryReadsThem) {
    std::mt19937_64 draw(20261209);
    int differing = 0;
    std::string first_difference;
    for (int i = 0; i < 1'000'000; ++i) {
        const int significant = 1 + static_cast<int>(draw() % 15);
        std::string digits;
        for (int d = 0; d < significant; ++d)
            digits += static_cast<char>('0' + draw() % 10);
        const int point = static_cast<int>(draw() % (significant + 4));  // some 0.000…
        std::string text;
        if (point >= significant) {
            text = "0." + std::string(static_cast<std::size_t>(point - significant), '0') + digits;
        } else {
            text = digits.substr(0, static_cast<std::size_t>(point)) + "." +
                   digits.substr(static_cast<std::size_t>(point));
        }
        if (draw() % 2 == 0) text.insert(0, "-");
        if (!same_bits(to_extended(text), detail::parse_with_strtold(text))) {
            if (differing++ == 0) first_difference = text;
        }
    }
    EXPECT_EQ(differing, 0) << "first: " << first_difference;
}

TEST(PlainDecimals, OtherFormsStillTakeTheGeneralRoute) {
    EXPECT_EQ(to_extended("1E-7"), detail::parse_with_strtold("1E-7"));
    EXPECT_EQ(to_extended(" 2.5 "), 2.5L);
    EXPECT_EQ(to_extended("+3"), 3.0L);
    EXPECT_EQ(to_extended("12345678901234567890123"),
              detail::parse_with_strtold("12345678901234567890123"));
    for (const char* bad : {".", "-", "+", "1.2.3", "", " ", "1,000", "0x10", "nan"}) {
        EXPECT_THROW(to_extended(bad), ConversionError) << bad;
    }
}

}  // namespace
}  // namespace rebanto
