// Grids and memos: cells, row counts, selection and what observers are told.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
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

// Rows a grid lent out stay as they were lent whatever is written to the grid afterwards,
// and the grid reads as one that never lent them would after the same write.
TEST(GridSharing, LentRowsKeepTheirTextsAndTheGridTakesEveryWrite) {
    struct Write {
        const char* what;
        std::function<void(Grid&)> apply;
    };
    const std::vector<Write> writes = {
        {"set_cell", [](Grid& g) { g.set_cell(3, 4, "new"); }},
        {"append_row", [](Grid& g) { g.append_row({"new"}); }},
        {"set_row_count down", [](Grid& g) { g.set_row_count(2); }},
        {"set_row_count up", [](Grid& g) { g.set_row_count(7); }},
        {"set_row", [](Grid& g) { g.set_row(2, {"new"}); }},
        {"set_col_count", [](Grid& g) { g.set_col_count(3); }},
        {"assign_rows", [](Grid& g) { g.assign_rows({{"new"}}); }},
        {"copy_rows of its own rows", [](Grid& g) { g.copy_rows(g.rows()); }},
        {"copy_rows",
         [](Grid& g) {
             g.copy_rows({{"new"}, {"rows"}});
         }},
    };
    for (const Write& write : writes) {
        GridForm lender;
        GridForm alone;
        for (GridForm* f : {&lender, &alone}) {
            f->grid.append_row({"6", "0", "6"});
            f->grid.append_row({"12", "1", "5"});
        }
        const GridRowList as_lent = lender.grid.rows();
        const SharedGridRows held = lender.grid.shared_rows();
        write.apply(lender.grid);
        write.apply(alone.grid);
        EXPECT_EQ(*held, as_lent) << write.what;
        EXPECT_EQ(lender.grid.rows(), alone.grid.rows()) << write.what;
    }
}

// Taking lent rows is copying them without the copy: the same texts, selection and single
// reset; rows of another width are padded or cut as a copy pads or cuts them.
TEST(GridSharing, TakenRowsReadAsCopiedRows) {
    const GridRowList fitting = {std::vector<std::string>(14, "a"),
                                 std::vector<std::string>(14, "b")};
    const GridRowList other_width = {{"月", "回"}, std::vector<std::string>(20, "z")};
    for (const GridRowList& rows : {fitting, other_width, GridRowList{}}) {
        GridForm copied;
        GridForm taken;
        for (GridForm* f : {&copied, &taken}) {
            f->grid.set_row_count(6);
            f->grid.set_selection(5, 2);
            f->notices.clear();
        }
        copied.grid.copy_rows(rows);
        taken.grid.share_rows(std::make_shared<const GridRowList>(rows));
        EXPECT_EQ(taken.grid.rows(), copied.grid.rows());
        EXPECT_EQ(taken.grid.selected_row(), copied.grid.selected_row());
        ASSERT_EQ(taken.notices.size(), 1u);
        EXPECT_EQ(taken.notices[0].change, Change::GridReset);
    }
    GridForm f;
    f.grid.share_rows(nullptr);
    EXPECT_EQ(f.grid.row_count(), 0) << "no rows lent reads as an empty table";
}

// Two grids sharing rows: a write to one is not seen by the other.
TEST(GridSharing, GridsSharingRowsAreWrittenApart) {
    GridForm first;
    GridForm second;
    first.grid.append_row({"6"});
    second.grid.share_rows(first.grid.shared_rows());
    second.grid.set_cell(2, 0, "12");
    first.grid.set_cell(2, 0, "18");
    EXPECT_EQ(first.grid.cell(2, 0), "18");
    EXPECT_EQ(second.grid.cell(2, 0), "12");
}

// The lines a holder keeps, read through a memo of their own.
std::vector<std::string> lines_held(const SharedMemoLines& held) {
    GridForm reader;
    reader.memo.share_lines(held);
    return reader.memo.lines();
}

TEST(MemoSharing, LentLinesKeepTheirTextsAndTheMemoTakesEveryWrite) {
    GridForm f;
    f.memo.set_lines({"ローン", ""});
    const SharedMemoLines held = f.memo.shared_lines();
    f.memo.append("1回");
    EXPECT_EQ(lines_held(held), (std::vector<std::string>{"ローン", ""}));
    EXPECT_EQ(f.memo.lines().size(), 3u);
    const SharedMemoLines three = f.memo.shared_lines();
    f.memo.clear();
    EXPECT_EQ(lines_held(three).size(), 3u);
    EXPECT_TRUE(f.memo.lines().empty());
    f.notices.clear();
    f.memo.share_lines(held);
    EXPECT_EQ(f.memo.lines(), (std::vector<std::string>{"ローン", ""}));
    ASSERT_EQ(f.notices.size(), 1u);
    EXPECT_EQ(f.notices[0].change, Change::MemoReset);
    f.memo.set_lines({"x"});
    EXPECT_EQ(lines_held(held).size(), 2u) << "the lines taken back are still the holder's";
}

// A line made later is made once, when the memo is first read, and takes its place among
// the lines in hand; counting and observers need no line made.
TEST(MemoLaterLines, AreMadeOnceWhenFirstReadAndKeepTheirPlace) {
    GridForm f;
    int made = 0;
    const auto later = [&made](std::string text) {
        return [&made, text] {
            ++made;
            return text;
        };
    };
    f.memo.append("title");
    f.notices.clear();
    f.memo.append_made_later(later("1"));
    f.memo.append("totals in hand");
    f.memo.append_made_later(later("2"));
    EXPECT_EQ(f.memo.line_count(), 4u);
    EXPECT_EQ(made, 0);
    ASSERT_EQ(f.notices.size(), 3u);
    EXPECT_EQ(f.notices[0].change, Change::MemoAppended);
    EXPECT_EQ(f.notices[0].row, 1);
    EXPECT_EQ(f.notices[2].row, 3);
    EXPECT_EQ(f.memo.lines(), (std::vector<std::string>{"title", "1", "totals in hand", "2"}));
    EXPECT_EQ(f.memo.value_text(), "title\n1\ntotals in hand\n2");
    EXPECT_EQ(made, 2) << "read twice, made once";
    f.memo.append_made_later(later("3"));
    f.memo.clear();
    EXPECT_EQ(made, 2) << "a line cleared unread is never made";
}

// Lines lent out while some still wait read the same to the holder and to the memo, and
// each waiting line is made once for both.
TEST(MemoLaterLines, LentWhileWaitingReadTheSameToBoth) {
    GridForm f;
    int made = 0;
    f.memo.append_made_later([&made] {
        ++made;
        return std::string("1回");
    });
    const SharedMemoLines held = f.memo.shared_lines();
    EXPECT_EQ(f.memo.lines(), (std::vector<std::string>{"1回"}));
    EXPECT_EQ(lines_held(held), (std::vector<std::string>{"1回"}));
    EXPECT_EQ(made, 1);
    f.memo.append_made_later([] { return std::string("2回"); });
    EXPECT_EQ(lines_held(held).size(), 1u) << "a line added after lending is the memo's alone";
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
