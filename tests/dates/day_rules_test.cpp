// Interest by days and the period rule of the proposed first payment dates.
#include "dates/day_rules.h"

#include <gtest/gtest.h>

namespace rebanto {
namespace {

Money yen(std::int64_t y) {
    return Money::from_yen(y);
}

TEST(InterestByDays, ThirtyDaysAtThreePointSixFivePercentOnAMillion) {
    // 1,000,000 × 3.65 % / 365 × 30 = 3,000 exactly; no rounding mode moves it.
    for (int mode : {0, 1, 2}) {
        EXPECT_EQ(interest_by_days(30, yen(1'000'000), 3.65L, 100, mode), yen(3000)) << mode;
    }
}

TEST(InterestByDays, TheBaseIsCutToTheAccrualUnit) {
    // 1,000,099 yen: 1,000,000 at a 100-yen unit, 1,000,099 at a 1-yen unit (3,000.297).
    EXPECT_EQ(interest_by_days(30, yen(1'000'099), 3.65L, 100, 2), yen(3000));
    EXPECT_EQ(interest_by_days(30, yen(1'000'099), 3.65L, 1, 0), yen(3000));
    EXPECT_EQ(interest_by_days(30, yen(1'000'099), 3.65L, 1, 2), yen(3001));
    EXPECT_EQ(interest_by_days(30, yen(1'009'999), 3.65L, 10000, 2), yen(3000));
}

TEST(InterestByDays, FollowsTheInterestRoundingMode) {
    // 24,000,000 × 2.325 % / 365 × 30 = 45,863.013…; × 31 = 47,391.780…
    EXPECT_EQ(interest_by_days(30, yen(24'000'000), 2.325L, 100, 0), yen(45863));
    EXPECT_EQ(interest_by_days(30, yen(24'000'000), 2.325L, 100, 1), yen(45863));
    EXPECT_EQ(interest_by_days(30, yen(24'000'000), 2.325L, 100, 2), yen(45864));
    EXPECT_EQ(interest_by_days(31, yen(24'000'000), 2.325L, 100, 0), yen(47391));
    EXPECT_EQ(interest_by_days(31, yen(24'000'000), 2.325L, 100, 1), yen(47392));
    // An unknown mode truncates.
    EXPECT_EQ(interest_by_days(31, yen(24'000'000), 2.325L, 100, 7), yen(47391));
}

TEST(InterestByDays, AlwaysAThreeHundredSixtyFiveDayYear) {
    // 366 days are a little more than a year's interest, also when a leap day is among them.
    EXPECT_EQ(interest_by_days(366, yen(1'000'000), 3.65L, 100, 0), yen(36600));
}

// A loan date after the start of the regular period reduces the first instalment by the
// interest of those days.
TEST(InterestByDays, NegativeDaysReduceByTheInterestOfAsManyDays) {
    EXPECT_EQ(interest_by_days(-30, yen(1'000'000), 3.65L, 100, 0), yen(-3000));
    EXPECT_EQ(interest_by_days(-1, yen(24'000'000), 2.325L, 100, 0), yen(-1528));  // 1,528.767…
    EXPECT_EQ(interest_by_days(-1, yen(24'000'000), 2.325L, 100, 2), yen(-1529));
}

TEST(ShiftPeriod, MovesByMonthsThenByTheDay) {
    struct Row {
        Date from;
        int months;
        int days;
        Date to;
    };
    const Row rows[] = {
        {{2026, 12, 8}, 1, -1, {2027, 1, 7}},  // the first monthly payment after a loan
        {{2026, 12, 8}, 6, -1, {2027, 6, 7}},  // the first bonus payment
        {{2027, 1, 7}, -1, 1, {2026, 12, 8}},  // back to the start of the period
        {{2026, 12, 1}, 1, -1, {2027, 1, 1}},  // a day 0 becomes the 1st
        {{2027, 1, 31}, 1, -1, {2027, 3, 1}},  // 30 February rolls into March
        {{2028, 1, 30}, 1, -1, {2028, 3, 1}},  // 29 February too, leap year or not
        {{2027, 3, 31}, 1, 0, {2027, 5, 1}},   // 31 April
        {{2027, 10, 31}, 2, 1, {2028, 1, 1}},  // 32 December
        {{2027, 5, 31}, -1, 1, {2027, 5, 1}},  // 32 April
    };
    for (const Row& row : rows) {
        EXPECT_EQ(shift_period(row.from, row.months, row.days), row.to)
            << short_date(row.from) << " " << row.months << " " << row.days;
    }
}

}  // namespace
}  // namespace rebanto
