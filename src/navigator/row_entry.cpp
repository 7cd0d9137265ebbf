#include "navigator/row_entry.h"

#include "base/numtext.h"
#include "navigator/control_table.h"

namespace rebanto::navigator {

namespace {

void write_if_given(Grid& table, int row, int col, const std::string& value) {
    if (!value.empty()) table.set_cell(row, col, value);
}

// The rate, instalment and instalments per row; true when the counts are to be written too.
bool write_entry(Grid& table, int row, const RowEntry& entry) {
    write_if_given(table, row, kRate, entry.rate);
    write_if_given(table, row, kInstalment, entry.instalment);
    write_if_given(table, row, kInRow, entry.in_row);
    const std::string& flag = table.cell(row, kFlag);
    if (entry.remaining.empty() || flag == "K" || has_prepayment_flag(table, row)) return false;
    // A daily-interest period is one instalment long.
    if (!flag.empty() && flag[0] == 'D') table.set_cell(row, kInRow, "1");
    table.set_cell(row, kRemaining, entry.remaining);
    table.set_cell(row, kMonth, entry.month);
    return true;
}

void clear_counts(RowEntry& entry) {
    entry.remaining.clear();
    entry.in_row.clear();
}

bool is_data_row(const Grid& table, int row) {
    return row >= kFirstDataRow && row < table.row_count();
}

}  // namespace

int step_down(Grid& table, int row, RowEntry& entry, TableKind kind) {
    if (!is_data_row(table, row)) return row;
    if (write_entry(table, row, entry)) {
        const long double in_row = to_extended(table.cell(row, kInRow));
        entry.remaining = general(to_extended(entry.remaining) - in_row);
        entry.month = general(to_extended(entry.month) + in_row * kind.months_per_instalment());
    }
    if (row == table.row_count() - 1) {
        clear_counts(entry);
        return row;
    }
    return row + 1;
}

int step_up(Grid& table, int row, RowEntry& entry, TableKind kind) {
    if (!is_data_row(table, row)) return row;
    if (write_entry(table, row, entry)) {
        const long double months =
            to_extended(table.cell(row, kInRow)) * kind.months_per_instalment();
        const long double counts = kind.bonus ? months : to_extended(table.cell(row, kInRow));
        entry.remaining = general(to_extended(entry.remaining) + counts);
        entry.month = general(to_extended(entry.month) - months);
    }
    if (row == kFirstDataRow) {
        clear_counts(entry);
        return row;
    }
    return row - 1;
}

void step_down_to_end(Grid& table, int row, RowEntry& entry, TableKind kind) {
    for (;;) {
        const int next = step_down(table, row, entry, kind);
        if (next == row) return;
        row = next;
    }
}

std::string proposed_remaining(const Grid& table, int row, const std::string& in_row) {
    if (!is_data_row(table, row)) return {};
    std::string proposal;
    const std::string& above = table.cell(row - 1, kRemaining);
    if (row > kFirstDataRow && !above.empty() && !is_count_word(above)) {
        // A row's remaining count less its instalments is the next row's remaining count,
        // in the bonus table as in the monthly one (both count instalments).
        proposal = general(to_extended(above) - to_extended(table.cell(row - 1, kInRow)));
    } else {
        proposal = table.cell(row, kRemaining);
    }
    if (proposal == "内入" || proposal == "返済計" || in_row.empty()) proposal.clear();
    return proposal;
}

int end_within_rows(Grid& table, int row, RowEntry& entry, TableKind kind) {
    if (table.row_count() <= kFirstDataRow) return row;
    row = std::max(row, kFirstDataRow);
    const std::string& own = table.cell(row, kRemaining);
    if ((own == "返済計" || own == "内入") && row > kFirstDataRow) row -= 1;
    int last = -1;
    for (int r = table.row_count() - 1; r >= 3; --r) {
        const std::string& count = table.cell(r, kRemaining);
        if (!count.empty() && count[0] >= '0' && count[0] <= '9') {
            last = r;
            break;
        }
    }
    long double remaining = 0;
    if (last >= 0) {
        const long double in_row = to_extended(table.cell(last, kInRow));
        const long double after = to_extended(table.cell(last, kNewPrincipal));
        if (in_row > 1 && after < 0) {
            const long long overpaid =
                overpaid_instalments(after, to_extended(table.cell(last, kInstalment)));
            table.set_cell(last, kInRow, general(in_row - static_cast<long double>(overpaid)));
        }
        remaining = to_extended(table.cell(last, kInRow)) +
                    to_extended(table.cell(row, kRemaining)) -
                    to_extended(table.cell(last, kRemaining));
    }
    entry.remaining = general(remaining);
    step_down_to_end(table, row, entry, kind);
    return row;
}

}  // namespace rebanto::navigator
