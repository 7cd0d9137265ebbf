#include "navigator/boundary.h"

#include <cstdio>

#include "base/errors.h"
#include "base/field_at.h"
#include "base/numtext.h"

namespace rebanto::navigator {

namespace {

constexpr const char* kDot = "･";

struct YearMonth {
    long long year;
    long long month;
};

YearMonth year_month(const std::string& date) {
    if (date.size() < 10) throw ConversionError(date);
    return {to_int(date.substr(0, 4)), to_int(date.substr(5, 2))};
}

// Floor division keeps the months of an index before the first year within 1 to 12.
long long floor_div(long long a, long long b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

std::string date_of_index(long long index, long long base_year, const std::string& day) {
    const long long year = base_year + floor_div(index, 12);
    const long long month = index - floor_div(index, 12) * 12 + 1;
    char text[32];
    std::snprintf(text, sizeof text, "%04lld/%02lld/", year, month);
    return text + day;
}

}  // namespace

std::string boundary_flag_text(const BoundaryFlag& flag) {
    std::string text = "S";
    text += flag.principal_first ? "o" : "x";
    text += flag.by_months ? "M" : "D";
    for (const std::string* field :
         {&flag.converted_rate, &flag.restore_rate, &flag.months_before, &flag.months_after,
          &flag.period_start, &flag.change_date, &flag.period_end}) {
        text += kDot;
        text += *field;
    }
    return text;
}

BoundaryFlag parse_boundary_flag(const std::string& text) {
    BoundaryFlag flag;
    flag.principal_first = text.size() > 1 && text[1] == 'o';
    flag.by_months = text.size() > 2 && text[2] == 'M';
    flag.converted_rate = field_at(text, 1);
    flag.restore_rate = field_at(text, 2);
    flag.months_before = field_at(text, 3);
    flag.months_after = field_at(text, 4);
    flag.period_start = field_at(text, 5);
    flag.change_date = field_at(text, 6);
    flag.period_end = field_at(text, 7);
    return flag;
}

BoundaryDates proposed_boundary_dates(long long end_count, const std::string& loan_date,
                                      const std::string& first_payment, bool bonus, int interval) {
    const YearMonth loan = year_month(loan_date);
    const YearMonth first = year_month(first_payment);
    const std::string day = first_payment.substr(8);
    const long long e0 = first.month + (first.year - loan.year) * 12 - loan.month;
    if (bonus) {
        const long long n7 = end_count * interval;
        return {date_of_index(n7 + e0 - interval - 2, first.year, day),
                date_of_index(e0 + n7 - 2, first.year, day)};
    }
    return {date_of_index(end_count + e0 + 2, first.year, day),
            date_of_index(e0 + end_count + 3, first.year, day)};
}

}  // namespace rebanto::navigator
