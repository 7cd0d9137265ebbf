#include "forms/row_sync.h"

#include "core/schedule_columns.h"

namespace rebanto {

void RowSync::add(Grid& grid, int order, int first_row) {
    grids_.emplace(order, Entry{&grid, first_row});
}

void RowSync::sync(const Grid& clicked) {
    if (running_) return;
    running_ = true;
    const std::string month = clicked.cell(clicked.selected_row(), schedule_col::kMonth);
    for (auto& [order, entry] : grids_) {
        Grid& grid = *entry.grid;
        if (&grid == &clicked) continue;
        // The last row first: a grid without the month stays there.
        grid.set_selection(grid.row_count() - 1, grid.selected_col());
        for (int r = entry.first_row; r < grid.row_count(); ++r) {
            if (grid.cell(r, schedule_col::kMonth) == month) {
                grid.set_selection(r, grid.selected_col());
                break;
            }
        }
    }
    running_ = false;
}

}  // namespace rebanto
