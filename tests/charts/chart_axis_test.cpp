// Value-axis ticks at round steps, widened for automatic scaling and kept for a zoom, and
// their labels with thousands grouped.
#include <gtest/gtest.h>

#include <limits>

#include "charts/chart_axis.h"

namespace rebanto {
namespace {

TEST(AxisTicks, AutomaticScalingWidensToTheRoundStepsAround) {
    const AxisTicks ticks = axis_ticks({0, 35'096'880}, 8, true);
    EXPECT_EQ(ticks.step, 5'000'000);
    EXPECT_EQ(ticks.low, 0);
    EXPECT_EQ(ticks.high, 40'000'000);
    ASSERT_EQ(ticks.values.size(), 9u);
    EXPECT_EQ(ticks.values.front(), 0);
    EXPECT_EQ(ticks.values.back(), 40'000'000);
}

TEST(AxisTicks, AValueJustBelowZeroWidensTheAxisByOneStep) {
    const AxisTicks ticks = axis_ticks({-203, 35'096'880}, 8, true);
    EXPECT_EQ(ticks.low, -5'000'000);
    EXPECT_EQ(ticks.values.front(), -5'000'000);
}

TEST(AxisTicks, TheStepIsOneTwoOrFiveTimesAPowerOfTen) {
    EXPECT_EQ(axis_ticks({0, 100}, 10, true).step, 10);
    EXPECT_EQ(axis_ticks({0, 101}, 10, true).step, 20);
    EXPECT_EQ(axis_ticks({0, 300}, 10, true).step, 50);
    EXPECT_EQ(axis_ticks({0, 0.9}, 4, true).step, 0.5);
}

TEST(AxisTicks, AZoomKeepsItsRangeAndListsTheTicksInside) {
    const AxisTicks ticks = axis_ticks({1'234'567, 9'876'543}, 4, false);
    EXPECT_EQ(ticks.low, 1'234'567);
    EXPECT_EQ(ticks.high, 9'876'543);
    EXPECT_EQ(ticks.step, 5'000'000);
    ASSERT_EQ(ticks.values.size(), 1u);
    EXPECT_EQ(ticks.values[0], 5'000'000);
}

TEST(AxisTicks, ARangeWithoutHeightOrNotANumberStillGetsTicks) {
    const AxisTicks flat = axis_ticks({5, 5}, 5, true);
    EXPECT_GT(flat.high, flat.low);
    const AxisTicks broken = axis_ticks({std::numeric_limits<double>::quiet_NaN(), 1}, 5, true);
    EXPECT_FALSE(broken.values.empty());
}

TEST(AxisTicks, RangesBeyondWhatADoubleStepsThroughFallBackToAPlainAxis) {
    for (const ValueRange range : {ValueRange{0, 1e-320}, ValueRange{-1.7e308, 1.7e308},
                                   ValueRange{0, std::numeric_limits<double>::infinity()}}) {
        const AxisTicks ticks = axis_ticks(range, 5, true);
        EXPECT_GT(ticks.high, ticks.low);
        EXPECT_GT(ticks.step, 0);
        EXPECT_FALSE(ticks.values.empty());
        EXPECT_LE(ticks.values.size(), 1000u);
    }
}

TEST(TickLabel, WholeAmountsAreGroupedByThousands) {
    EXPECT_EQ(tick_label(24'000'000, 5'000'000), "24,000,000");
    EXPECT_EQ(tick_label(-5'000'000, 5'000'000), "-5,000,000");
    EXPECT_EQ(tick_label(0, 1000), "0");
    EXPECT_EQ(tick_label(999, 1), "999");
    EXPECT_EQ(tick_label(-1500, 500), "-1,500");
}

TEST(TickLabel, FineStepsShowTheDecimalsTheyNeed) {
    EXPECT_EQ(tick_label(0.25, 0.05), "0.25");
    EXPECT_EQ(tick_label(1234.5, 0.5), "1,234.5");
    EXPECT_EQ(tick_label(-0.0001, 0.5), "0.0") << "no minus on a zero";
}

}  // namespace
}  // namespace rebanto
