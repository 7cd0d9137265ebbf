#include "base/date.h"

#include <cstdio>

#include "base/errors.h"

namespace rebanto {

bool is_leap_year(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int days_in_month(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && is_leap_year(year) ? 29 : kDays[month - 1];
}

namespace {

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

// Days since 1 March of year 0 of the proleptic Gregorian calendar: counting from March
// puts the leap day at the end of the counted year.
long day_number(const Date& date) {
    const long y = date.month <= 2 ? date.year - 1L : date.year;
    const long m = date.month <= 2 ? date.month + 9L : date.month - 3L;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long year_of_era = y - era * 400;
    const long day_of_year = (153 * m + 2) / 5 + date.day - 1;
    const long day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
    return era * 146097 + day_of_era;
}

// A whole number as the date fields hold them: leading blanks, an optional sign, digits.
int whole_number(const std::string& text, std::size_t from, std::size_t length) {
    const std::string part = from < text.size() ? text.substr(from, length) : std::string();
    std::size_t pos = 0;
    while (pos < part.size() && part[pos] == ' ')
        ++pos;
    bool negative = false;
    if (pos < part.size() && (part[pos] == '-' || part[pos] == '+')) {
        negative = part[pos] == '-';
        ++pos;
    }
    if (pos == part.size()) throw ConversionError(part);
    int value = 0;
    for (; pos < part.size(); ++pos) {
        if (part[pos] < '0' || part[pos] > '9') throw ConversionError(part);
        value = value * 10 + (part[pos] - '0');
    }
    return negative ? -value : value;
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

long days_between(const Date& from, const Date& to) {
    return day_number(to) - day_number(from);
}

DateParts read_date_parts(const std::string& text) {
    return {whole_number(text, 0, 4), whole_number(text, 5, 2), whole_number(text, 8, 2)};
}

std::string date_seiki(const std::string& text) {
    DateParts d = read_date_parts(text);
    if (d.year >= 50 && d.year <= 99) {
        d.year += 1900;
    } else if (d.year >= 0 && d.year <= 49) {
        d.year += 2000;
    }
    if (d.year < 1900) d.year = 1998;
    if (d.month < 1) d.month = 1;
    if (d.month > 12) d.month = 12;
    if (d.day < 1) d.day = 1;
    const int last = days_in_month(d.year, d.month);
    if (d.day > last) d.day = last;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%4d/%02d/%02d", d.year, d.month, d.day);
    return buf;
}

}  // namespace rebanto
