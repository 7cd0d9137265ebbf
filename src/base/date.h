#pragma once
// Calendar dates of the loan and of memo headers.
#include <string>

namespace rebanto {

struct Date {
    int year = 1899;
    int month = 12;
    int day = 30;
    friend constexpr bool operator==(const Date&, const Date&) = default;
};

// Leap years of the Gregorian calendar: divisible by 4, except centuries not divisible by
// 400.
bool is_leap_year(int year);
// Days of a month (1..12) of a year.
int days_in_month(int year, int month);

// The short date format "yyyy/MM/dd".
std::string short_date(const Date& date);
// Parses "yyyy/MM/dd" (also "yyyy/M/d"); throws ConversionError on anything else.
Date parse_short_date(const std::string& text);

// Whole days from `from` to `to`: negative when `to` comes first.
long days_between(const Date& from, const Date& to);

// The year, month and day parts of a date field: characters 1-4, 6-7 and 9-10, each a
// whole number with leading blanks allowed. Throws ConversionError when a part is not a
// number.
struct DateParts {
    int year = 0;
    int month = 0;
    int day = 0;
};
DateParts read_date_parts(const std::string& text);

// The normalisation every date field passes through: a two-digit year gets its century
// (50-99 the 1900s, 0-49 the 2000s), a year still below 1900 becomes 1998, the month is
// held in 1..12 and the day in 1..the month's length; written back as "yyyy/mm/dd" with
// the year right-aligned in four characters. Throws ConversionError when a part is not a
// number.
std::string date_seiki(const std::string& text);

}  // namespace rebanto
