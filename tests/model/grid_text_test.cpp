// A block of a schedule copied for a spreadsheet: header first, tabs between cells, amounts
// as plain digits.
#include "model/grid_text.h"

#include <gtest/gtest.h>

#include "model/form.h"

namespace rebanto {
namespace {

class TableForm : public Form {
public:
    TableForm() : Form("TableForm", "") {
        grid.set_row(0, {"支払回数", "年", "月", "元金", "金利"});
        grid.set_row(1, {"1", "0", "1", "\\24,000,000", "2.325"});
        grid.set_row(2, {"2", "0", "2", "23,963,936", "2.325"});
        grid.set_row(3, {"経", "過", "", "-\\203", "=精算総額"});
    }
    Grid grid{*this, "StGr1", 4, 5, 1, 3};
};

TEST(SpreadsheetCell, AmountsInMoneyFormBecomeTheirDigits) {
    EXPECT_EQ(spreadsheet_cell("\\1,000,000"), "1000000");
    EXPECT_EQ(spreadsheet_cell("   \\83,564"), "83564");
    EXPECT_EQ(spreadsheet_cell("-\\1,327"), "-1327");
    EXPECT_EQ(spreadsheet_cell("1,234.5"), "1234.5");
}

TEST(SpreadsheetCell, OtherCellsStayAsTheyAre) {
    EXPECT_EQ(spreadsheet_cell("83564"), "83564");
    EXPECT_EQ(spreadsheet_cell("2.325"), "2.325");
    EXPECT_EQ(spreadsheet_cell("=精算総額"), "=精算総額");
    EXPECT_EQ(spreadsheet_cell("1,2a"), "1,2a");
    EXPECT_EQ(spreadsheet_cell("\\"), "\\");
    EXPECT_EQ(spreadsheet_cell(""), "");
    EXPECT_EQ(spreadsheet_cell("a\tb\nc"), "a b c");
}

TEST(BlockTsv, BlockBelowTheHeaderGetsTheHeaderOfItsColumns) {
    TableForm form;
    EXPECT_EQ(block_tsv(form.grid, 2, 3, 3, 4), "元金\t金利\n23963936\t2.325\n-203\t=精算総額\n");
}

TEST(BlockTsv, BlockFromTheHeaderHasItOnce) {
    TableForm form;
    EXPECT_EQ(block_tsv(form.grid, 0, 0, 1, 1), "支払回数\t年\n1\t0\n");
}

TEST(BlockTsv, BlockPastTheGridIsCutAndAnEmptyOneGivesNothing) {
    TableForm form;
    EXPECT_EQ(block_tsv(form.grid, 3, 4, 9, 9), "金利\n=精算総額\n");
    EXPECT_EQ(block_tsv(form.grid, 2, 3, 1, 3), "");
    EXPECT_EQ(block_tsv(form.grid, 5, 0, 6, 2), "");
}

}  // namespace
}  // namespace rebanto
