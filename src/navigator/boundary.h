#pragma once
// A rate change inside a period ("境目"): the flag that describes it on the row and the
// dates proposed for the period and the change.
#include <string>

namespace rebanto::navigator {

struct BoundaryFlag {
    bool principal_first = true;  // "o": the principal part is kept; "x": the instalment
    bool by_months = false;       // "M": allocated by months; "D": by days
    std::string converted_rate;
    std::string restore_rate;  // the row's own rate before the change was described
    std::string months_before;
    std::string months_after;
    std::string period_start;
    std::string change_date;
    std::string period_end;
};

// "S" + o/x + M/D, then the seven fields separated by "･".
std::string boundary_flag_text(const BoundaryFlag& flag);
// The fields of an "S" flag (missing fields are empty).
BoundaryFlag parse_boundary_flag(const std::string& text);

// Dates proposed for the period of a row with a rate change: start (also the change date)
// and end. `end_count` is the row's column 7 (the month number at its end; the bonus number
// in the bonus table, whose periods last `interval` months); the dates count from the
// loan date and the table's first payment date ("yyyy/mm/dd").
struct BoundaryDates {
    std::string start;
    std::string end;
};
BoundaryDates proposed_boundary_dates(long long end_count, const std::string& loan_date,
                                      const std::string& first_payment, bool bonus, int interval);

}  // namespace rebanto::navigator
