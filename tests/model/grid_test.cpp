// Grids and memos: cells, row counts, selection and what observers are told.
#include <gtest/gtest.h>

#include <vector>

#include "model/form.h"
#include "model/grid.h"

namespace rebanto {
namespace {

struct Notice {
    Change change;
    int row;
    int col;
};

class GridForm : public Form {
public:
    GridForm() : Form("GridForm", "") {
        add_observer([this](Control*, Change c, int row, int col) {
            notices.push_back({c, row, col});
        });
    }
    Grid grid{*this, "StGr1", 2, 14, 1, 3};
    Memo memo{*this, "RichEdit1"};
    std::vector<Notice> notices;
};

TEST(GridCells, OutOfRangeReadsAreEmptyAndWritesAreIgnored) {
    GridForm f;
    f.grid.set_cell(1, 13, "T");
    EXPECT_EQ(f.grid.cell(1, 13), "T");
    f.grid.set_cell(2, 0, "x");
    f.grid.set_cell(0, 14, "x");
    f.grid.set_cell(-1, 0, "x");
    EXPECT_EQ(f.grid.cell(2, 0), "");
    EXPECT_EQ(f.grid.cell(0, 14), "");
    EXPECT_EQ(f.grid.row_count(), 2);
}

TEST(GridRows, AppendPadsOrCutsToTheColumnCount) {
    GridForm f;
    f.grid.append_row({"6", "0", "6"});
    f.grid.append_row(std::vector<std::string>(20, "z"));
    EXPECT_EQ(f.grid.row_count(), 4);
    EXPECT_EQ(f.grid.cell(2, 2), "6");
    EXPECT_EQ(f.grid.cell(2, 13), "");
    EXPECT_EQ(f.grid.row_cells(3).size(), 14u);
}

TEST(GridRows, SetRowCountTruncatesAndExtendsWithEmptyRows) {
    GridForm f;
    f.grid.append_row({"6"});
    f.grid.append_row({"12"});
    f.grid.set_row_count(3);
    EXPECT_EQ(f.grid.row_count(), 3);
    EXPECT_EQ(f.grid.cell(2, 0), "6");
    f.grid.set_row_count(5);
    EXPECT_EQ(f.grid.cell(4, 0), "");
    EXPECT_EQ(f.grid.cell(2, 0), "6") << "extending keeps the rows there";
}

// Copying rows over a grid leaves it as taking the count and then every row one by one
// would, whatever rows it held before: longer rows cut, shorter ones padded with empty
// cells (never with what the grid's own row held there).
TEST(GridRows, CopiedRowsLeaveTheGridAsRowByRowWritesWould) {
    const std::vector<std::vector<std::string>> rows = {
        {"月", "回"}, {"T"}, std::vector<std::string>(20, "z"), {"1", "2", "3"}};
    for (int before : {0, 2, 3, 6}) {
        GridForm by_row;
        GridForm copied;
        for (GridForm* f : {&by_row, &copied}) {
            f->grid.set_row_count(before);
            for (int r = 0; r < before; ++r)
                f->grid.set_row(r, std::vector<std::string>(14, "old"));
            f->grid.set_selection(before > 0 ? before - 1 : 0, 5);
        }
        by_row.grid.set_row_count(static_cast<int>(rows.size()));
        for (int r = 0; r < static_cast<int>(rows.size()); ++r)
            by_row.grid.set_row(r, rows[r]);
        copied.notices.clear();
        copied.grid.copy_rows(rows);
        EXPECT_EQ(copied.grid.rows(), by_row.grid.rows()) << before << " rows before";
        EXPECT_EQ(copied.grid.selected_row(), by_row.grid.selected_row()) << before;
        ASSERT_EQ(copied.notices.size(), 1u);
        EXPECT_EQ(copied.notices[0].change, Change::GridReset) << "a view redraws the table once";
    }
    GridForm f;
    f.grid.copy_rows({});
    EXPECT_EQ(f.grid.row_count(), 0);
}

TEST(GridRows, ObserversHearAppendsAsAppendsAndShrinksAsResets) {
    GridForm f;
    f.notices.clear();
    f.grid.append_row({"6"});
    ASSERT_EQ(f.notices.size(), 1u);
    EXPECT_EQ(f.notices[0].change, Change::GridRowsAppended);
    EXPECT_EQ(f.notices[0].row, 2);
    f.grid.set_row_count(2);
    EXPECT_EQ(f.notices.back().change, Change::GridReset);
    f.grid.set_cell(1, 8, "************");
    EXPECT_EQ(f.notices.back().change, Change::GridCell);
    EXPECT_EQ(f.notices.back().row, 1);
    EXPECT_EQ(f.notices.back().col, 8);
    const auto before = f.notices.size();
    f.grid.set_cell(1, 8, "************");  // same text: nothing to tell
    EXPECT_EQ(f.notices.size(), before);
}

TEST(GridSelection, ClickSelectsBeforeTheHandlerRuns) {
    GridForm f;
    f.grid.set_row_count(10);
    int seen_row = -1;
    f.grid.on_click = [&](Control&) { seen_row = f.grid.selected_row(); };
    f.grid.click_cell(7, 0);
    EXPECT_EQ(seen_row, 7);
    f.grid.set_selection(50, 0);  // clamped to the last row
    EXPECT_EQ(f.grid.selected_row(), 9);
}

TEST(GridSelection, TruncatingMovesTheSelectionIntoTheTable) {
    GridForm f;
    f.grid.set_row_count(10);
    f.grid.set_selection(9, 2);
    f.grid.set_row_count(2);
    EXPECT_EQ(f.grid.selected_row(), 1);
}

TEST(GridEdits, UserEditStoresTheTextThenRunsTheHandler) {
    GridForm f;
    f.grid.set_row_count(6);
    std::string seen;
    f.grid.on_cell_edited = [&](Grid& g, int row, int col) { seen = g.cell(row, col); };
    f.grid.edit_cell(5, 11, "2000000");
    EXPECT_EQ(seen, "2000000");
}

TEST(GridLayout, ColumnWidthFallsBackToTheDefault) {
    GridForm f;
    f.grid.set_default_col_width(80);
    f.grid.set_col_width(3, 120);
    EXPECT_EQ(f.grid.col_width(3), 120);
    EXPECT_EQ(f.grid.col_width(4), 80);
    f.grid.set_default_col_width(50);  // a new default resets every column
    EXPECT_EQ(f.grid.col_width(3), 50);
    EXPECT_EQ(f.grid.col_width(99), 0);
}

TEST(Memos, AppendAndClearAreToldAsSuch) {
    GridForm f;
    f.notices.clear();
    f.memo.append("ローンRebanto（月返済）");
    f.memo.append("");
    ASSERT_EQ(f.memo.lines().size(), 2u);
    EXPECT_EQ(f.notices.back().change, Change::MemoAppended);
    EXPECT_EQ(f.notices.back().row, 1);
    EXPECT_EQ(f.memo.value_text(), "ローンRebanto（月返済）\n");
    f.memo.clear();
    EXPECT_TRUE(f.memo.lines().empty());
    EXPECT_EQ(f.notices.back().change, Change::MemoReset);
}

}  // namespace
}  // namespace rebanto
