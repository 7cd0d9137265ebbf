// Dates as the short date format writes them and as users type them.
#include "base/date.h"

#include <gtest/gtest.h>

#include <utility>

#include "base/errors.h"

namespace rebanto {
namespace {

TEST(ShortDate, ZeroPadded) {
    EXPECT_EQ(short_date(Date{2024, 3, 5}), "2024/03/05");
    EXPECT_EQ(short_date(Date{1999, 12, 31}), "1999/12/31");
}

TEST(ParseShortDate, AcceptsCalendarDates) {
    struct Row {
        const char* text;
        Date date;
    };
    const Row rows[] = {
        {"2024/3/5", {2024, 3, 5}},   {"2024/03/05", {2024, 3, 5}}, {"2024/12/31", {2024, 12, 31}},
        {"2024/2/29", {2024, 2, 29}}, {"2000/2/29", {2000, 2, 29}}, {"1899/12/30", {1899, 12, 30}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(parse_short_date(row.text), row.date) << row.text;
        EXPECT_EQ(parse_short_date(short_date(row.date)), row.date) << row.text;
    }
}

TEST(ParseShortDate, RefusesImpossibleDatesAndOtherShapes) {
    for (const char* text :
         {"1900/2/29", "2023/2/29", "2024/4/31", "2024/13/1", "2024/0/1", "2024/1/0", "0000/1/1",
          "24/1/1", "2024-01-01", "2024/1/1 ", " 2024/1/1", "", "2024/1/1/1", "2024/001/1",
          "2024/1/", "abcd/1/1", "2024/+1/1"}) {
        EXPECT_THROW(parse_short_date(text), ConversionError) << text;
    }
}

TEST(DaysBetween, CountsCalendarDaysEitherWay) {
    struct Row {
        Date from;
        Date to;
        long days;
    };
    const Row rows[] = {
        {{2001, 5, 21}, {2001, 6, 20}, 30},    {{2001, 5, 21}, {2001, 7, 20}, 60},
        {{2000, 2, 28}, {2000, 3, 1}, 2},      {{1900, 2, 28}, {1900, 3, 1}, 1},
        {{1999, 12, 31}, {2000, 1, 1}, 1},     {{2001, 6, 20}, {2001, 6, 20}, 0},
        {{2026, 12, 8}, {2001, 6, 20}, -9302}, {{1900, 1, 1}, {2026, 12, 8}, 46362},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(days_between(row.from, row.to), row.days) << short_date(row.from);
        EXPECT_EQ(days_between(row.to, row.from), -row.days) << short_date(row.from);
    }
}

// A day or month past the calendar's end counts on into the next month or year.
TEST(DaysBetween, CountsOnPastTheEndOfAMonthOrYear) {
    EXPECT_EQ(days_between(Date{2001, 1, 1}, Date{2001, 1, 32}), 31);
    EXPECT_EQ(days_between(Date{2001, 1, 32}, Date{2001, 2, 1}), 0);
    EXPECT_EQ(days_between(Date{2001, 1, 1}, Date{2001, 13, 1}), 365);
    EXPECT_EQ(days_between(Date{2001, 2, 1}, Date{2001, 2, 29}), 28);
}

TEST(DateSeiki, GivesTheCenturyAndHoldsMonthAndDayInTheCalendar) {
    const std::pair<const char*, const char*> rows[] = {
        {"  01/06/20", "2001/06/20"}, {"1999/02/30", "1999/02/28"}, {"2000/02/30", "2000/02/29"},
        {"1900/02/29", "1900/02/28"}, {"2001/13/00", "2001/12/01"}, {"  99/01/05", "1999/01/05"},
        {"  50/01/05", "1950/01/05"}, {"  49/01/05", "2049/01/05"}, {"0150/01/05", "1998/01/05"},
        {"1899/12/31", "1998/12/31"}, {"2001/04/31", "2001/04/30"}, {"2001/12/32", "2001/12/31"},
        {"2001/00/15", "2001/01/15"}, {"2001/ 6/ 5", "2001/06/05"}, {"2024/02/29", "2024/02/29"},
        {"2001/06/20", "2001/06/20"},
    };
    for (const auto& [text, normal] : rows) {
        EXPECT_EQ(date_seiki(text), normal) << text;
        EXPECT_EQ(date_seiki(normal), normal) << normal;
    }
}

TEST(DateSeiki, RefusesPartsThatAreNoNumbers) {
    for (const char* text :
         {"2001/ab/20", "2001/06/2x", "20o1/06/20", "    /06/20", "2001/06/", "", "2001/6/20"}) {
        EXPECT_THROW(date_seiki(text), ConversionError) << text;
    }
}

}  // namespace
}  // namespace rebanto
