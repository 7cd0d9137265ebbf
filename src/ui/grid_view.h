#pragma once
// Table views of model grids. Row 0 of a grid is its own header row, so the views show no
// Qt headers; the fixed rows and columns are shaded by the adapter instead. The fixed rows
// stay in sight at the top while the other rows scroll under them; the fixed columns
// scroll sideways with the rest.
#include "model/grid.h"

class QColor;
class QTableView;
class QWidget;

namespace rebanto::ui {

class Binder;

// Creates a table view for the grid, bound through a GridModel, its fixed rows kept at the
// top.
QTableView* make_grid_view(Binder& binder, Grid& grid, QWidget* parent = nullptr);

// Sets up a bare table view the way grids are shown (no headers, one selected cell).
void style_grid_view(QTableView* view);
// Column widths and row height from the grid, scaled from the grid's design font to the
// view's font so that what fitted still fits.
void apply_grid_layout(QTableView* view, const Grid& grid);
// Widens the columns that are narrower than their widest cell (header included); a column
// is never made narrower, so a width the user gave a column stays while its text fits.
void widen_columns_to_contents(QTableView* view);
// The same, measuring only the rows from `first_row` to `last_row` (inclusive).
void widen_columns_to_contents(QTableView* view, int first_row, int last_row);
// Sizes the view to show every column and up to `max_rows` rows without scrolling.
void fit_grid_view(QTableView* view, int max_rows);
// Shades the fixed rows and columns of a view made by make_grid_view.
void set_fixed_color(QTableView* view, const QColor& color);
// Moves the view's current cell to the grid's selected cell.
void show_grid_selection(QTableView* view, const Grid& grid);
// Scrolls back to the first row and column when the current cell fits in view beside
// the fixed ones.
void keep_origin_in_view(QTableView* view);

// Whether the view is handling a key: only a current cell moved by the keyboard is a
// click on the grid (a mouse click reports itself; taking the focus is no click). The
// same watch keeps the current cell in view as the view is shown and resized.
void track_grid_keys(QTableView* view);
bool grid_key_moving(const QTableView* view);

}  // namespace rebanto::ui
