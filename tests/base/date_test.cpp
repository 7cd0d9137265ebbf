// Dates as the short date format writes them and as users type them.
#include "base/date.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace rebanto
