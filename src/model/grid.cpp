#include "model/grid.h"

#include "model/event_boundary.h"

#include <algorithm>

namespace rebanto {

namespace {
const std::string kEmpty;
const std::vector<std::string> kEmptyRow;
}  // namespace

Grid::Grid(Form& owner, std::string name, int rows, int cols, int fixed_rows, int fixed_cols)
    : Control(owner, std::move(name)),
      cols_(std::max(cols, 1)),
      fixed_rows_(fixed_rows),
      fixed_cols_(fixed_cols),
      cells_(std::make_shared<GridRowList>(std::max(rows, 0),
                                           std::vector<std::string>(std::max(cols, 1)))),
      col_widths_(std::max(cols, 1), -1),
      sel_row_(std::max(std::min(fixed_rows, rows - 1), 0)),
      sel_col_(std::max(std::min(fixed_cols, cols - 1), 0)) {}

void Grid::set_fixed(int rows, int cols) {
    fixed_rows_ = rows;
    fixed_cols_ = cols;
    notify(Change::GridLayout);
}

const std::string& Grid::cell(int row, int col) const {
    if (row < 0 || row >= row_count() || col < 0 || col >= cols_) return kEmpty;
    return (*cells_)[row][col];
}

const std::vector<std::string>& Grid::row_cells(int row) const {
    if (row < 0 || row >= row_count()) return kEmptyRow;
    return (*cells_)[row];
}

void Grid::set_editable(bool on) {
    if (on == editable_) return;
    editable_ = on;
    notify(Change::GridLayout);
}

void Grid::set_cell(int row, int col, const std::string& text) {
    if (row < 0 || row >= row_count() || col < 0 || col >= cols_) return;
    if ((*cells_)[row][col] == text) return;
    own()[row][col] = text;
    notify(Change::GridCell, row, col);
}

void Grid::set_row_count(int rows) {
    rows = std::max(rows, 0);
    const int old = row_count();
    if (rows == old) return;
    own(static_cast<std::size_t>(rows)).resize(rows, std::vector<std::string>(cols_));
    if (rows > old) {
        notify(Change::GridRowsAppended, old);
    } else {
        sel_row_ = std::min(sel_row_, std::max(rows - 1, 0));
        notify(Change::GridReset);
    }
}

void Grid::set_col_count(int cols) {
    cols = std::max(cols, 1);
    if (cols == cols_) return;
    cols_ = cols;
    for (auto& row : own())
        row.resize(cols);
    col_widths_.resize(cols, -1);
    sel_col_ = std::min(sel_col_, cols - 1);
    notify(Change::GridReset);
}

void Grid::append_row(std::vector<std::string> cells) {
    cells.resize(cols_);
    own().push_back(std::move(cells));
    notify(Change::GridRowsAppended, row_count() - 1);
}

void Grid::set_row(int row, std::vector<std::string> cells) {
    if (row < 0 || row >= row_count()) return;
    cells.resize(cols_);
    own()[row] = std::move(cells);
    notify(Change::GridCell, row, -1);
}

void Grid::assign_rows(std::vector<std::vector<std::string>> rows) {
    for (auto& row : rows)
        row.resize(cols_);
    own(0) = std::move(rows);
    after_rows_replaced();
}

void Grid::copy_rows(const std::vector<std::vector<std::string>>& rows) {
    // Rows copied from rows the grid itself lent out stay alive with the holder while the
    // grid takes a room of its own.
    GridRowList& cells = own(0);
    cells.resize(rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        std::vector<std::string>& row = cells[r];
        const std::vector<std::string>& from = rows[r];
        const std::size_t kept = std::min(from.size(), static_cast<std::size_t>(cols_));
        row.resize(cols_);
        std::copy(from.begin(), from.begin() + static_cast<std::ptrdiff_t>(kept), row.begin());
        std::fill(row.begin() + static_cast<std::ptrdiff_t>(kept), row.end(), std::string());
    }
    after_rows_replaced();
}

void Grid::share_rows(SharedGridRows rows) {
    if (!rows) {
        assign_rows({});
        return;
    }
    const bool fits = std::all_of(rows->begin(), rows->end(), [&](const auto& row) {
        return row.size() == static_cast<std::size_t>(cols_);
    });
    if (!fits) {
        copy_rows(*rows);
        return;
    }
    // Held by the grid, the rows are written to only once the grid owns them alone.
    cells_ = std::const_pointer_cast<GridRowList>(std::move(rows));
    after_rows_replaced();
}

GridRowList& Grid::own(std::size_t keep) {
    if (cells_.use_count() > 1) {
        const std::size_t kept = std::min(keep, cells_->size());
        cells_ = std::make_shared<GridRowList>(cells_->begin(),
                                               cells_->begin() + static_cast<std::ptrdiff_t>(kept));
    }
    return *cells_;
}

void Grid::after_rows_replaced() {
    sel_row_ = std::min(sel_row_, std::max(row_count() - 1, 0));
    notify(Change::GridReset);
}

int Grid::col_width(int col) const {
    if (col < 0 || col >= cols_) return 0;
    return col_widths_[col] < 0 ? default_col_width_ : col_widths_[col];
}

void Grid::set_col_width(int col, int width) {
    if (col < 0 || col >= cols_) return;
    col_widths_[col] = width;
    notify(Change::GridLayout);
}

void Grid::set_default_col_width(int width) {
    default_col_width_ = width;
    std::fill(col_widths_.begin(), col_widths_.end(), -1);
    notify(Change::GridLayout);
}

void Grid::set_row_height(int height) {
    row_height_ = height;
    notify(Change::GridLayout);
}

void Grid::set_selection(int row, int col) {
    row = std::clamp(row, 0, std::max(row_count() - 1, 0));
    col = std::clamp(col, 0, cols_ - 1);
    if (row == sel_row_ && col == sel_col_) return;
    sel_row_ = row;
    sel_col_ = col;
    notify(Change::GridSelection, row, col);
}

void Grid::click_cell(int row, int col) {
    set_selection(row, col);
    click();
}

void Grid::edit_cell(int row, int col, const std::string& text) {
    if (row < 0 || row >= row_count() || col < 0 || col >= cols_) return;
    set_cell(row, col, text);
    if (on_cell_edited) run_event(form(), [&] { on_cell_edited(*this, row, col); });
}

const std::vector<std::string>& Memo::lines() const {
    MemoLines& all = *lines_;
    if (!all.waiting.empty()) {
        all.made.reserve(all.made.size() + all.waiting.size());
        for (const MakeLine& make : all.waiting)
            all.made.push_back(make());
        all.waiting.clear();
    }
    return all.made;
}

MemoLines& Memo::own() {
    if (lines_.use_count() > 1) lines_ = std::make_shared<MemoLines>(*lines_);
    return *lines_;
}

void Memo::append(const std::string& line) {
    MemoLines& all = own();
    // After a waiting line, a line in hand waits too: the order is kept.
    if (all.waiting.empty()) {
        all.made.push_back(line);
    } else {
        all.waiting.emplace_back([line] { return line; });
    }
    notify(Change::MemoAppended, static_cast<int>(line_count()) - 1);
}

void Memo::append_made_later(MakeLine make) {
    own().waiting.push_back(std::move(make));
    notify(Change::MemoAppended, static_cast<int>(line_count()) - 1);
}

void Memo::clear() {
    if (line_count() == 0) return;
    set_lines({});
}

void Memo::set_lines(std::vector<std::string> lines) {
    if (lines_.use_count() > 1) {
        lines_ = std::make_shared<MemoLines>(MemoLines{std::move(lines), {}});
    } else {
        lines_->made = std::move(lines);
        lines_->waiting.clear();
    }
    notify(Change::MemoReset);
}

void Memo::share_lines(SharedMemoLines lines) {
    if (!lines) {
        set_lines({});
        return;
    }
    lines_ = std::const_pointer_cast<MemoLines>(std::move(lines));
    notify(Change::MemoReset);
}

void Memo::set_font_name(const std::string& name) {
    font_name_ = name;
    notify(Change::Font);
}

void Memo::set_italic(bool on) {
    italic_ = on;
    notify(Change::Font);
}

std::string Memo::value_text() const {
    std::string all;
    const std::vector<std::string>& every = lines();
    for (std::size_t i = 0; i < every.size(); ++i) {
        if (i > 0) all += '\n';
        all += every[i];
    }
    return all;
}

}  // namespace rebanto
