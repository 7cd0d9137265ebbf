#pragma once
// Writing values into control-table rows with ▼ and ▲: the rate, remaining count,
// instalment and instalments per row typed above the table, the running month number, and
// the remaining counts that make payment end within the rows present.
#include <string>

#include "model/grid.h"

namespace rebanto::navigator {

// The entry fields above a control table (empty = leave the cell as it is).
struct RowEntry {
    std::string rate;        // column 4
    std::string remaining;   // column 5, then counted down row by row
    std::string instalment;  // column 6
    std::string in_row;      // column 9
    std::string month;       // column 0, counted up row by row
};

// How the month number advances per instalment of a row: 1 in the monthly table, the bonus
// interval in the bonus table.
struct TableKind {
    bool bonus = false;
    int interval = 6;
    long double months_per_instalment() const { return bonus ? interval : 1; }
};

// ▼: writes the entry into row `row` and moves down; returns the row selected afterwards
// (the same row, with the counts cleared, on the last row).
int step_down(Grid& table, int row, RowEntry& entry, TableKind kind);
// ▲: writes the entry into row `row` and moves up (not keeping the counts consistent).
int step_up(Grid& table, int row, RowEntry& entry, TableKind kind);
// ▼ from `row` to the last row.
void step_down_to_end(Grid& table, int row, RowEntry& entry, TableKind kind);

// The remaining count proposed for row `row` when its instalments per row are typed: the
// row above's count less its instalments, or the row's own count; empty for special rows
// and when nothing was typed.
std::string proposed_remaining(const Grid& table, int row, const std::string& in_row);

// "残回数": remaining counts so that payment ends within the rows present, written from
// `row` to the last row; a last row that overpays first loses the overpaid instalments.
// Returns the row the counts were written from.
int end_within_rows(Grid& table, int row, RowEntry& entry, TableKind kind);

}  // namespace rebanto::navigator
