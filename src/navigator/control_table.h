#pragma once
// The navigator's control tables: rows of the current tables that the user edits before a
// replay. Row kinds, row shifting and the editing routines that only touch the table.
#include <string>
#include <string_view>

#include "model/grid.h"

namespace rebanto::navigator {

// Columns of a control-table row.
enum Col : int {
    kMonth = 0,       // "月回": cumulative month number
    kYears = 1,       // "内" in a prepayment row, "経" in a totals row
    kPrincipal = 3,   // principal at the start of the row
    kRate = 4,        // annual rate in percent
    kRemaining = 5,   // remaining instalments at the start of the row
    kInstalment = 6,  // equal instalment
    kEndCount = 7,    // month or bonus number at the end; offset count of a prepayment
    kTiming = 8,      // timing word of a prepayment
    kInRow = 9,       // instalments covered by the row
    kRepaid = 11,     // principal repaid; the amount of a prepayment
    kNewPrincipal = 12,
    kFlag = 13,
};

constexpr int kFirstDataRow = 2;

// A prepayment row: "内" in column 1, or a flag in the newer form beginning with "U".
bool is_prepayment_row(const Grid& table, int row);
// A prepayment row in the newer form only (flag beginning with "U").
bool has_prepayment_flag(const Grid& table, int row);
// A totals row: "経" in column 1 or the flag exactly "K".
bool is_totals_row(const Grid& table, int row);
// Remaining-count cells of special rows ("内入", "同時", "月後", "日後", "返済計").
bool is_count_word(std::string_view cell);

// An empty row below `row`; the rows after it move down by one.
void insert_row_below(Grid& table, int row);
// Removes `row`; the rows after it move up by one.
void delete_row(Grid& table, int row);

// "合計記入行挿入": an empty totals row below `row`. False (nothing done) above row 2.
bool insert_totals_row(Grid& table, int row);

// What "内入行挿入" writes into a prepayment row.
struct PrepaymentEntry {
    std::string amount;  // positive: prepayment; negative: extra borrowing
    std::string timing;  // "同時", "日後" or "月後"
    std::string offset;  // days or months; empty for "同時"
};
// Places a prepayment row below `row`, replacing the one already there (a row carries at
// most one prepayment row below it; a selected prepayment row is replaced in place).
// `rate` receives the rate of the row above, which the prepayment row carries. Returns
// the row the prepayment row was placed below, or -1 when that is above row 2.
int place_prepayment_row(Grid& table, int row, const PrepaymentEntry& entry, std::string& rate);

// The row a copy row at `row` takes its values from: the nearest of the eight rows above
// it without a flag, else the row just above.
int copy_source_row(const Grid& table, int row);
// "行挿入": an empty row below `row` filled as the next period of its source row: month
// number advanced by the source's instalments, principal = the source's new principal,
// rate, remaining count, instalment, instalments and new principal copied. False (nothing
// done) above row 2.
bool insert_copy_row(Grid& table, int row);

// "短縮行補充": the last row that is not a totals row ("K" flag), from row 2 on; -1 when
// the table has no data rows.
int last_row_before_totals(const Grid& table);
// The nearest of `row` and the eight rows above it with an empty flag (`row` when none).
int last_plain_row(const Grid& table, int row);
// Copy rows needed to reach the end of the term from plain row `row`: remaining count div
// instalments in the row, minus one (the row itself). Never negative.
int rows_to_fill(const Grid& table, int row);
// Adds the rows of "短縮行補充" below the last row before the totals and returns the plain
// row from which the counts are to be made consistent (-1 when there is none).
int fill_shortened_table(Grid& table, int max_rows);

// Days of the month before `month` (0 = December) for one-month daily interest, without
// leap years; 31 for values outside 1 to 12.
int days_of_month_before(int month);
// Days of the six months before `month` for a bonus period, without leap years; 184 for
// values outside 1 to 12.
int days_of_six_months_before(int month);

// Instalments to take off a last row that overpays: whole part of (overpaid / instalment
// + 0.7). Zero when nothing is overpaid or the instalment is not positive.
long long overpaid_instalments(long double new_principal, long double instalment);

// Converted rate of a period with a rate change, by months before the change out of the
// period's months, and by days before and after out of the period's days. A period of no
// months or days keeps the rate after the change.
long double converted_rate_by_months(long double before, long double after,
                                     long double months_before, long double months);
long double converted_rate_by_days(long double before, long double after, long double days_before,
                                   long double days_after, long double days);
// `rate` cut (toward zero) to `digits` decimals, 0 to 13.
long double cut_to_digits(long double rate, int digits);

}  // namespace rebanto::navigator

namespace rebanto::navigator {

// Rows from `row` back to the previous plain row and forward to the next one: 1 + the
// totals and prepayment rows skipped, at most three skipped.
int rows_back_to_plain(const Grid& table, int row);
int rows_forward_to_plain(const Grid& table, int row);
// Whether a rate change can be described on `row`: it already carries one ("S" flag), or it
// is the first row at a new rate; never next to a settled totals row ("=精算総額") or below a
// row without a rate.
bool boundary_possible(const Grid& table, int row);

}  // namespace rebanto::navigator

namespace rebanto::navigator {

// The flag of the one-instalment interest panel: "D" + o/x + the day count for daily
// interest, "X" + o/x for the return to monthly interest.
std::string daily_interest_flag(bool daily, bool principal_first, const std::string& days);
// "全域設定": daily interest for every one-instalment row, the days of the calendar months
// before its month (no leap years). A row that already has daily interest keeps its own
// principal-first choice; rows with a boundary that keeps the principal ("So") and
// prepayment rows are left alone.
void set_daily_interest_everywhere(Grid& table, bool bonus, bool principal_first);
// "全域解除": every daily-interest row returns to monthly interest at the next replay.
void clear_daily_interest_everywhere(Grid& table);

}  // namespace rebanto::navigator
