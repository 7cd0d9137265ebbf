#include "navigator/control_table.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/numtext.h"

namespace rebanto::navigator {

namespace {

bool starts_with(std::string_view text, std::string_view head) {
    return text.substr(0, head.size()) == head;
}

bool valid_row(const Grid& table, int row) {
    return row >= 0 && row < table.row_count();
}

const std::string& cell_or_empty(const Grid& table, int row, int col) {
    static const std::string empty;
    return valid_row(table, row) ? table.cell(row, col) : empty;
}

}  // namespace

bool has_prepayment_flag(const Grid& table, int row) {
    return starts_with(cell_or_empty(table, row, kFlag), "U");
}

bool is_prepayment_row(const Grid& table, int row) {
    return cell_or_empty(table, row, kYears) == "内" || has_prepayment_flag(table, row);
}

bool is_totals_row(const Grid& table, int row) {
    return cell_or_empty(table, row, kYears) == "経" || cell_or_empty(table, row, kFlag) == "K";
}

bool is_count_word(std::string_view cell) {
    return cell == "内入" || cell == "同時" || cell == "月後" || cell == "日後" || cell == "返済計";
}

void insert_row_below(Grid& table, int row) {
    const int old_count = table.row_count();
    table.set_row_count(old_count + 1);
    for (int r = old_count; r > row + 1; --r)
        table.set_row(r, table.row_cells(r - 1));
    if (row + 1 < table.row_count()) table.set_row(row + 1, {});
}

void delete_row(Grid& table, int row) {
    if (!valid_row(table, row)) return;
    for (int r = row; r + 1 < table.row_count(); ++r)
        table.set_row(r, table.row_cells(r + 1));
    table.set_row_count(table.row_count() - 1);
}

bool insert_totals_row(Grid& table, int row) {
    if (row < kFirstDataRow || row >= table.row_count()) return false;
    insert_row_below(table, row);
    table.set_cell(row + 1, kYears, "経");
    table.set_cell(row + 1, kFlag, "K");
    return true;
}

int place_prepayment_row(Grid& table, int row, const PrepaymentEntry& entry, std::string& rate) {
    if (!valid_row(table, row)) return -1;
    rate = table.cell(row, kRate);
    if (has_prepayment_flag(table, row)) {
        // The selected row is itself the prepayment row: it is replaced where it stands.
        delete_row(table, row);
        row -= 1;
    } else if (has_prepayment_flag(table, row + 1)) {
        delete_row(table, row + 1);
    }
    if (row < kFirstDataRow) return -1;
    insert_row_below(table, row);
    const int n = row + 1;
    table.set_cell(n, kYears, "内");
    table.set_cell(n, kRate, rate);
    table.set_cell(n, kEndCount, entry.offset);
    table.set_cell(n, kTiming, entry.timing);
    table.set_cell(n, kRepaid, entry.amount);
    table.set_cell(n, kFlag, "U" + entry.timing + entry.offset);
    return row;
}

int copy_source_row(const Grid& table, int row) {
    for (int b = row - 1; b >= row - 8 && b >= 0; --b) {
        if (table.cell(b, kFlag).empty()) return b;
    }
    return row - 1;
}

bool insert_copy_row(Grid& table, int row) {
    if (row < kFirstDataRow || row >= table.row_count()) return false;
    insert_row_below(table, row);
    const int n = row + 1;
    const int b = copy_source_row(table, n);
    const auto& source = table.row_cells(b);
    // Read both numbers before writing, so that a cell that does not parse leaves the new
    // row empty rather than half filled.
    const long double month = to_extended(source[kMonth]) + to_extended(source[kInRow]);
    std::vector<std::string> cells(table.col_count());
    cells[kMonth] = general(month);
    cells[kPrincipal] = source[kNewPrincipal];
    for (int col : {int(kRate), int(kRemaining), int(kInstalment), int(kInRow), int(kNewPrincipal)})
        cells[col] = source[col];
    table.set_row(n, std::move(cells));
    return true;
}

int last_row_before_totals(const Grid& table) {
    for (int r = table.row_count() - 1; r >= kFirstDataRow; --r) {
        if (table.cell(r, kFlag) != "K") return r;
    }
    return -1;
}

int last_plain_row(const Grid& table, int row) {
    for (int b = row; b >= row - 8 && b >= 0; --b) {
        if (table.cell(b, kFlag).empty()) return b;
    }
    return row;
}

int rows_to_fill(const Grid& table, int row) {
    const long long remaining = to_count(table.cell(row, kRemaining));
    const long long in_row = to_count(table.cell(row, kInRow), 1);
    return static_cast<int>(std::max<long long>(remaining / in_row + 1 - 2, 0));
}

int fill_shortened_table(Grid& table, int max_rows) {
    const int p = last_row_before_totals(table);
    if (p < kFirstDataRow) return -1;
    const int b = last_plain_row(table, p);
    const int n = rows_to_fill(table, b);
    if (n > max_rows - table.row_count()) return -1;
    for (int i = 0; i < n; ++i)
        insert_copy_row(table, p + i);
    return b;
}

int days_of_month_before(int month) {
    static constexpr std::array<int, 13> days = {30, 31, 31, 28, 31, 30, 31,
                                                 30, 31, 31, 30, 31, 30};
    return month >= 0 && month <= 12 ? days[month] : 31;
}

int days_of_six_months_before(int month) {
    static constexpr std::array<int, 13> days = {183, 184, 184, 181, 182, 181, 182,
                                                 181, 181, 184, 183, 184, 183};
    return month >= 0 && month <= 12 ? days[month] : 184;
}

long long overpaid_instalments(long double new_principal, long double instalment) {
    if (new_principal >= 0 || !(instalment > 0)) return 0;
    const long double rows = int_part(-new_principal / instalment + 0.7L);
    return rows < 1e15L ? integral_to_int64(rows) : 0;
}

long double converted_rate_by_months(long double before, long double after,
                                     long double months_before, long double months) {
    if (months == 0) return after;
    return (after * (months - months_before) + before * months_before) / months;
}

long double converted_rate_by_days(long double before, long double after, long double days_before,
                                   long double days_after, long double days) {
    if (days == 0) return after;
    return (before * days_before + after * days_after) / days;
}

long double cut_to_digits(long double rate, int digits) {
    digits = std::clamp(digits, 0, 13);
    const long double scale = std::pow(10.0L, digits);
    return int_part(rate * scale) / scale;
}

}  // namespace rebanto::navigator

namespace rebanto::navigator {

namespace {

bool is_special_row(const Grid& table, int row) {
    return is_totals_row(table, row) || is_prepayment_row(table, row);
}

int rows_to_plain(const Grid& table, int row, int direction) {
    int offset = 1;
    while (offset <= 3 && is_special_row(table, row + direction * offset))
        ++offset;
    return offset;
}

}  // namespace

int rows_back_to_plain(const Grid& table, int row) {
    return rows_to_plain(table, row, -1);
}
int rows_forward_to_plain(const Grid& table, int row) {
    return rows_to_plain(table, row, +1);
}

bool boundary_possible(const Grid& table, int row) {
    constexpr const char* kSettled = "=精算総額";
    if (row < kFirstDataRow || row >= table.row_count()) return false;
    if (cell_or_empty(table, row - 1, kRate).empty() ||
        cell_or_empty(table, row, kRate) == kSettled ||
        cell_or_empty(table, row + 1, kRate) == kSettled)
        return false;
    if (starts_with(table.cell(row, kFlag), "S")) return true;
    const std::string& before = cell_or_empty(table, row - rows_back_to_plain(table, row), kRate);
    const std::string& after = cell_or_empty(table, row + rows_forward_to_plain(table, row), kRate);
    return before != after && table.cell(row, kRate) == after;
}

}  // namespace rebanto::navigator

namespace rebanto::navigator {

std::string daily_interest_flag(bool daily, bool principal_first, const std::string& days) {
    std::string flag = daily ? "D" : "X";
    flag += principal_first ? "o" : "x";
    if (daily) flag += days;
    return flag;
}

void set_daily_interest_everywhere(Grid& table, bool bonus, bool principal_first) {
    for (int r = kFirstDataRow; r < table.row_count(); ++r) {
        const std::string& flag = table.cell(r, kFlag);
        if (starts_with(flag, "So") || table.cell(r, kInRow) != "1" || is_prepayment_row(table, r))
            continue;
        const bool keep =
            starts_with(flag, "D") ? flag.size() > 1 && flag[1] == 'o' : principal_first;
        const long long month = to_int(table.cell(r, 2));
        const int in_range = month >= 0 && month <= 12 ? static_cast<int>(month) : 13;
        const int days =
            bonus ? days_of_six_months_before(in_range) : days_of_month_before(in_range);
        table.set_cell(r, kFlag, daily_interest_flag(true, keep, std::to_string(days)));
    }
}

void clear_daily_interest_everywhere(Grid& table) {
    for (int r = kFirstDataRow; r < table.row_count(); ++r) {
        const std::string& flag = table.cell(r, kFlag);
        if (!starts_with(flag, "D")) continue;
        table.set_cell(r, kFlag, daily_interest_flag(false, flag.size() > 1 && flag[1] == 'o', ""));
    }
}

}  // namespace rebanto::navigator
