#include "navigator/row_entry.h"

#include <gtest/gtest.h>

#include "model/form.h"
#include "navigator/control_table.h"

namespace rebanto::navigator {
namespace {

struct RowEntryTable : ::testing::Test {
    Form form{"TForm4", "nav"};
    Grid table{form, "StringGrid1", 2, 14, 1, 3};
    TableKind monthly{false, 6};
    TableKind bonus{true, 6};

    int add(std::string remaining, std::string in_row, std::string flag = "",
            std::string years = "") {
        std::vector<std::string> row(14);
        row[kYears] = years;
        row[kRate] = "2.325";
        row[kRemaining] = remaining;
        row[kInstalment] = "83564";
        row[kInRow] = in_row;
        row[kFlag] = flag;
        table.append_row(std::move(row));
        return table.row_count() - 1;
    }
    std::string at(int row, int col) const { return table.cell(row, col); }
};

// ---- ▼ and ▲ ----

TEST_F(RowEntryTable, DownWritesTheTypedValuesAndCountsOnToTheNextRow) {
    add("420", "1");
    add("419", "1");
    RowEntry entry{"3.5", "100", "90000", "", "61"};
    EXPECT_EQ(step_down(table, 2, entry, monthly), 3);
    EXPECT_EQ(at(2, kRate), "3.5");
    EXPECT_EQ(at(2, kInstalment), "90000");
    EXPECT_EQ(at(2, kInRow), "1");  // an empty entry leaves the cell
    EXPECT_EQ(at(2, kRemaining), "100");
    EXPECT_EQ(at(2, kMonth), "61");
    EXPECT_EQ(entry.remaining, "99");
    EXPECT_EQ(entry.month, "62");
}

TEST_F(RowEntryTable, DownToTheEndNumbersEveryRowAndClearsTheCountsOnTheLastRow) {
    for (int i = 0; i < 4; ++i)
        add("x", "2");
    RowEntry entry{"", "12", "", "", "1"};
    step_down_to_end(table, 2, entry, monthly);
    EXPECT_EQ(at(2, kRemaining), "12");
    EXPECT_EQ(at(3, kRemaining), "10");
    EXPECT_EQ(at(4, kRemaining), "8");
    EXPECT_EQ(at(5, kRemaining), "6");
    EXPECT_EQ(at(5, kMonth), "7");
    EXPECT_EQ(entry.remaining, "");
    EXPECT_EQ(entry.in_row, "");
}

TEST_F(RowEntryTable, InTheBonusTableTheMonthAdvancesByTheIntervalPerInstalment) {
    add("70", "1");
    add("69", "1");
    RowEntry entry{"", "70", "", "", "6"};
    step_down(table, 2, entry, bonus);
    EXPECT_EQ(entry.remaining, "69");
    EXPECT_EQ(entry.month, "12");
}

TEST_F(RowEntryTable, TotalsAndPrepaymentRowsTakeNoCountsAndPassThemOn) {
    add("420", "1");
    add("", "", "K", "経");
    add("", "", "U同時", "内");
    add("419", "1");
    RowEntry entry{"", "420", "", "", "1"};
    step_down_to_end(table, 2, entry, monthly);
    EXPECT_EQ(at(3, kRemaining), "");
    EXPECT_EQ(at(4, kRemaining), "");
    EXPECT_EQ(at(5, kRemaining), "419");
    EXPECT_EQ(at(5, kMonth), "2");
}

TEST_F(RowEntryTable, ADailyInterestRowCoversOneInstalment) {
    add("420", "3", "Do30");
    RowEntry entry{"", "420", "", "", "1"};
    step_down(table, 2, entry, monthly);
    EXPECT_EQ(at(2, kInRow), "1");
}

TEST_F(RowEntryTable, UpCountsBackAndStopsOnTheFirstDataRow) {
    add("420", "1");
    add("419", "1");
    RowEntry entry{"", "300", "", "", "50"};
    EXPECT_EQ(step_up(table, 3, entry, monthly), 2);
    EXPECT_EQ(entry.remaining, "301");
    EXPECT_EQ(entry.month, "49");
    EXPECT_EQ(step_up(table, 2, entry, monthly), 2);
    EXPECT_EQ(entry.remaining, "");
    RowEntry bonus_entry{"", "30", "", "", "60"};
    step_up(table, 3, bonus_entry, bonus);  // both counts by the interval in the bonus table
    EXPECT_EQ(bonus_entry.remaining, "36");
    EXPECT_EQ(bonus_entry.month, "54");
}

TEST_F(RowEntryTable, RowsAboveTheDataStayUntouched) {
    add("420", "1");
    RowEntry entry{"9", "9", "9", "9", "9"};
    EXPECT_EQ(step_down(table, 1, entry, monthly), 1);
    EXPECT_EQ(at(1, kRate), "");
}

// ---- The proposed remaining count ----

TEST_F(RowEntryTable, TheProposalIsTheRowAboveLessItsInstalments) {
    add("360", "6");
    add("350", "1");
    EXPECT_EQ(proposed_remaining(table, 3, "1"), "354");
    EXPECT_EQ(proposed_remaining(table, 3, ""), "");      // nothing typed
    EXPECT_EQ(proposed_remaining(table, 2, "1"), "360");  // first row: its own count
}

TEST_F(RowEntryTable, BelowASpecialRowTheRowKeepsItsOwnCount) {
    add("360", "1");
    add("内入", "", "U同時", "内");
    add("359", "1");
    EXPECT_EQ(proposed_remaining(table, 4, "1"), "359");
    table.set_cell(2, kRemaining, "");
    table.set_cell(3, kRemaining, "返済計");
    EXPECT_EQ(proposed_remaining(table, 3, "1"), "");  // the special row's word is no count
}

TEST_F(RowEntryTable, InTheBonusTableTheProposalCountsInstalmentsToo) {
    add("70", "1");
    add("69", "1");
    EXPECT_EQ(proposed_remaining(table, 3, "1"), "69");
}

// ---- "残回数" ----

TEST_F(RowEntryTable, AnOverpaymentOfTwoPointFourInstalmentsTakesThreeOffTheLastRow) {
    add("20", "6");
    add("14", "6");
    const int last = add("8", "6");
    table.set_cell(last, kInstalment, "10000");
    table.set_cell(last, kNewPrincipal, "-24000");
    RowEntry entry{"", "", "", "", "1"};
    EXPECT_EQ(end_within_rows(table, 2, entry, monthly), 2);
    EXPECT_EQ(at(last, kInRow), "3");
    EXPECT_EQ(at(2, kRemaining), "15");
    EXPECT_EQ(at(3, kRemaining), "9");
    EXPECT_EQ(at(4, kRemaining), "3");  // the last row pays off exactly
    EXPECT_EQ(at(3, kMonth), "7");
}

TEST_F(RowEntryTable, AnOverpaymentOfTwoPointTwoInstalmentsTakesTwoOff) {
    add("20", "6");
    add("14", "6");
    const int last = add("8", "6");
    table.set_cell(last, kInstalment, "10000");
    table.set_cell(last, kNewPrincipal, "-22000");
    RowEntry entry{"", "", "", "", "1"};
    end_within_rows(table, 2, entry, monthly);
    EXPECT_EQ(at(last, kInRow), "4");
    EXPECT_EQ(at(2, kRemaining), "16");
}

TEST_F(RowEntryTable, WithoutACountedRowTheRemainingCountIsZero) {
    add("20", "1");
    add("返済計", "", "K", "経");
    RowEntry entry{"", "", "", "", "1"};
    end_within_rows(table, 0, entry, monthly);
    EXPECT_EQ(at(2, kRemaining), "0");
}

}  // namespace
}  // namespace rebanto::navigator
