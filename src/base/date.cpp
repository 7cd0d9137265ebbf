#include "base/date.h"

#include <cstdio>

#include "base/errors.h"

namespace rebanto {
namespace {

bool is_leap_year(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int days_in_month(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && is_leap_year(year) ? 29 : kDays[month - 1];
}

// Reads between `min_digits` and `max_digits` decimal digits at `pos`.
bool read_number(const std::string& text, std::size_t& pos, int min_digits, int max_digits,
                 int& value) {
    value = 0;
    int count = 0;
    while (pos < text.size() && count < max_digits && text[pos] >= '0' && text[pos] <= '9') {
        value = value * 10 + (text[pos] - '0');
        ++pos;
        ++count;
    }
    return count >= min_digits;
}

}  // namespace

std::string short_date(const Date& date) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d/%02d/%02d", date.year, date.month, date.day);
    return buf;
}

Date parse_short_date(const std::string& text) {
    Date date;
    std::size_t pos = 0;
    const bool shape_ok = read_number(text, pos, 4, 4, date.year) && pos < text.size() &&
                          text[pos++] == '/' && read_number(text, pos, 1, 2, date.month) &&
                          pos < text.size() && text[pos++] == '/' &&
                          read_number(text, pos, 1, 2, date.day) && pos == text.size();
    if (!shape_ok || date.year < 1 || date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > days_in_month(date.year, date.month)) {
        throw ConversionError(text);
    }
    return date;
}

}  // namespace rebanto
