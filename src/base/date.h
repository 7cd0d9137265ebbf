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

// The short date format "yyyy/MM/dd".
std::string short_date(const Date& date);
// Parses "yyyy/MM/dd" (also "yyyy/M/d"); throws ConversionError on anything else.
Date parse_short_date(const std::string& text);

}  // namespace rebanto
