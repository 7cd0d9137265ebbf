#include "base/date.h"

#include <chrono>
#include <cstdio>

#include "base/errors.h"

namespace rebanto {

bool is_leap_year(int year) {
    return std::chrono::year{year}.is_leap();
}

int days_in_month(int year, int month) {
    namespace chr = std::chrono;
    const auto last = chr::year{year} / chr::month{static_cast<unsigned>(month)} / chr::last;
    return static_cast<int>(static_cast<unsigned>(last.day()));
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

// The day of the proleptic Gregorian calendar. Months and days are counted on from the
// year's first month and the month's first day, so a day past the month's end lands in the
// next month rather than being refused.
std::chrono::sys_days day_number(const Date& date) {
    namespace chr = std::chrono;
    const chr::year_month first = chr::year{date.year} / chr::January + chr::months{date.month - 1};
    return chr::sys_days{first / 1} + chr::days{date.day - 1};
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
    return static_cast<long>((day_number(to) - day_number(from)).count());
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
