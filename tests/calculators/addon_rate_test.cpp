// The add-on rate and its inverse, against the add-on worked out in exact fractions.
#include <gtest/gtest.h>

#include <cmath>

#include "base/numtext.h"
#include "calculators/addon_rate.h"
#include "exact_loan.h"

namespace rebanto {
namespace {

using testing::addon_in_1e8;
using testing::PeriodRate;

// Annual rates in thousandths of a percent, and monthly payment counts.
struct Case {
    std::uint32_t rate;
    int payments;
};
constexpr Case kCases[] = {{2'600, 6},   {2'600, 1}, {2'325, 120}, {2'325, 420},
                           {15'000, 12}, {100, 12},  {1'000, 600}, {7'125, 36}};

long double annual(const Case& c) {
    return static_cast<long double>(c.rate) / 1000;
}

TEST(AddonRate, EightDecimalsAgreeWithTheExactFraction) {
    for (const Case& c : kCases) {
        const long double shown = round_to_8_decimals(addon_rate(annual(c) / 12 / 100, c.payments));
        EXPECT_EQ(std::llround(static_cast<double>(shown * 1e8L)),
                  addon_in_1e8(c.payments, PeriodRate::monthly(c.rate)))
            << c.rate << " / " << c.payments;
    }
}

TEST(AddonRate, TwoPointSixOverSixPaymentsHasEightDecimals) {
    const long double shown = round_to_8_decimals(addon_rate(2.6L / 12 / 100, 6));
    // (6 r / (1 − (1 + r)^−6) − 1) × 100 with r = 13 / 6000, to eight decimals.
    EXPECT_EQ(addon_in_1e8(6, PeriodRate::monthly(2'600)), 75'970'106);
    EXPECT_EQ(general(shown), "0.75970106");
}

TEST(AddonRate, ARateConvertedToItsAddOnAndBackComesBackAsTyped) {
    for (const Case& c : kCases) {
        const long double addon = round_to_8_decimals(addon_rate(annual(c) / 12 / 100, c.payments));
        const long double back = annual_rate_for_addon(addon, c.payments);
        EXPECT_EQ(general(back), general(annual(c))) << c.rate << " / " << c.payments;
    }
}

TEST(AddonRate, TheRateBackGivesTheSameAddOnToEightDecimals) {
    // An add-on typed by the user, not one made from a round rate. Over a year or less a
    // step of 10^−8 % in the rate moves the add-on by less than 10^−8 %, so some rate of
    // eight decimals gives back every add-on of eight decimals.
    for (const long double addon : {0.5L, 1.23456789L, 3.0L, 7.65432101L}) {
        for (const int n : {1, 6, 12}) {
            const long double back = annual_rate_for_addon(addon, n);
            EXPECT_EQ(round_to_8_decimals(addon_rate(back / 12 / 100, n)),
                      round_to_8_decimals(addon))
                << general(addon) << " / " << n;
        }
    }
}

TEST(AddonRate, NoDigitGoesPastNineSoACarryIsBuiltFromNines) {
    // Just below the add-on of exactly 1 % a month: the digit of 10^−2 would need to be 1
    // with zeros after it; the search keeps 0 there and fills the digits below with nines.
    const long double addon = addon_rate(0.01L, 12) - 1e-15L;
    int trials = 0;
    const long double c = monthly_rate_for_addon(addon, 12, [&] { ++trials; });
    EXPECT_LT(c, 0.01L);
    EXPECT_NEAR(static_cast<double>(c), 0.01 - 1e-11, 1e-16);
    EXPECT_GT(trials, 0);
    EXPECT_LE(trials, 17 * 10) << "seventeen digits of at most ten trials";
}

}  // namespace
}  // namespace rebanto
