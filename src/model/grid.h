#pragma once
// A string grid: rows × columns of text cells with fixed rows and columns. Cells are
// addressed (row, col). Observers are told coarsely (reset / rows appended / one cell) so
// a view can follow hundreds of rows without copying them.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/control.h"

namespace rebanto {

// A grid's rows as it lends them out: holding them costs no copy of a cell. A grid that
// shares its rows with such a holder copies them the first time it is written to, so the
// holder keeps the rows as they were lent.
using GridRowList = std::vector<std::vector<std::string>>;
using SharedGridRows = std::shared_ptr<const GridRowList>;

// A memo line worked out only when the memo is first read: a replay writes hundreds of
// lines that the next replay clears unread.
using MakeLine = std::function<std::string()>;

// A memo's lines: those worked out, then those waiting to be.
struct MemoLines {
    std::vector<std::string> made;
    std::vector<MakeLine> waiting;
};
// A memo's lines, lent out as a grid's rows are.
using SharedMemoLines = std::shared_ptr<const MemoLines>;

class Grid : public Control {
public:
    Grid(Form& owner, std::string name, int rows, int cols, int fixed_rows = 1, int fixed_cols = 0);
    std::string_view kind() const override { return "Grid"; }

    int row_count() const { return static_cast<int>(cells_->size()); }
    int col_count() const { return cols_; }
    int fixed_rows() const { return fixed_rows_; }
    int fixed_cols() const { return fixed_cols_; }
    void set_fixed(int rows, int cols);

    // Out-of-range reads give an empty text; out-of-range writes are ignored.
    const std::string& cell(int row, int col) const;
    void set_cell(int row, int col, const std::string& text);
    const std::vector<std::string>& row_cells(int row) const;
    // Every row's cells, the fixed rows included.
    const GridRowList& rows() const { return *cells_; }
    // The rows lent out, and rows taken from a lender: as copy_rows, without the copy.
    SharedGridRows shared_rows() const { return cells_; }
    void share_rows(SharedGridRows rows);

    // Truncates or extends (new rows empty).
    void set_row_count(int rows);
    void set_col_count(int cols);
    // Appends one row (padded or cut to the column count).
    void append_row(std::vector<std::string> cells);
    // Replaces one row's cells.
    void set_row(int row, std::vector<std::string> cells);
    // Replaces every row at once (each padded or cut to the column count).
    void assign_rows(std::vector<std::vector<std::string>> rows);
    // The same from rows that stay where they are: the grid's own cells take the texts in
    // place, so a table copied over one of much the same size allocates next to nothing.
    void copy_rows(const std::vector<std::vector<std::string>>& rows);

    int col_width(int col) const;
    void set_col_width(int col, int width);
    int default_col_width() const { return default_col_width_; }
    void set_default_col_width(int width);
    int row_height() const { return row_height_; }
    void set_row_height(int height);

    int selected_row() const { return sel_row_; }
    int selected_col() const { return sel_col_; }
    // Selects a cell without firing events (the program moving the cursor).
    void set_selection(int row, int col);
    // A user click on a cell: select it, then on_click.
    void click_cell(int row, int col);
    // A user's edit of a cell: store it, then on_cell_edited.
    void edit_cell(int row, int col, const std::string& text);
    std::function<void(Grid&, int row, int col)> on_cell_edited;

    bool editable() const { return editable_; }
    void set_editable(bool on);

private:
    int cols_;
    int fixed_rows_;
    int fixed_cols_;
    // The rows, written to only when no one else holds them (own).
    std::shared_ptr<GridRowList> cells_;
    std::vector<int> col_widths_;
    int default_col_width_ = 64;
    int row_height_ = 18;
    int sel_row_ = 0;
    int sel_col_ = 0;
    bool editable_ = false;

    // The rows to write to: a copy of the first `keep` rows when they are lent out.
    GridRowList& own(std::size_t keep = static_cast<std::size_t>(-1));
    void after_rows_replaced();
};

// A memo: lines of text, rich-text or plain, with a font.
class Memo : public Control {
public:
    using Control::Control;
    std::string_view kind() const override { return "Memo"; }
    // Every line, the waiting ones worked out first.
    const std::vector<std::string>& lines() const;
    std::size_t line_count() const { return lines_->made.size() + lines_->waiting.size(); }
    void append(const std::string& line);
    // A line the memo works out when it is first read; observers hear it appended now.
    void append_made_later(MakeLine make);
    void clear();
    void set_lines(std::vector<std::string> lines);
    SharedMemoLines shared_lines() const { return lines_; }
    void share_lines(SharedMemoLines lines);
    bool plain_text() const { return plain_; }
    void set_plain_text(bool on) { plain_ = on; }
    const std::string& font_name() const { return font_name_; }
    void set_font_name(const std::string& name);
    bool italic() const { return italic_; }
    void set_italic(bool on);
    std::string value_text() const override;

private:
    // Working out the waiting lines changes no text, so a memo does it in place even while
    // its lines are lent out.
    std::shared_ptr<MemoLines> lines_ = std::make_shared<MemoLines>();
    MemoLines& own();
    bool plain_ = false;
    std::string font_name_;
    bool italic_ = false;
};

}  // namespace rebanto
