// Month numbers of a current table moved by whole months ("月回増減", "月回補正").
#include "dates/month_shift.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "model/form.h"

namespace rebanto {
namespace {

class MonthTable : public Form {
public:
    explicit MonthTable(std::vector<std::string> months) : Form("TForCur", "") {
        grid.set_row_count(2 + static_cast<int>(months.size()));
        for (std::size_t i = 0; i < months.size(); ++i)
            grid.set_cell(2 + static_cast<int>(i), 0, months[i]);
    }
    std::vector<std::string> row(int r) const {
        return {grid.cell(r, 0), grid.cell(r, 1), grid.cell(r, 2)};
    }
    Grid grid{*this, "StGr1", 2, 14, 1};
};

TEST(MonthShift, EveryRowMovesWithItsYearAndMonth) {
    MonthTable t({"1", "12", "25"});
    EXPECT_TRUE(shift_month_numbers(t.grid, 13));
    // 14 = year 1 month 2; 25 = year 2 month 1; 38 = year 3 month 2.
    EXPECT_EQ(t.row(2), (std::vector<std::string>{"14", "1", "2"}));
    EXPECT_EQ(t.row(3), (std::vector<std::string>{"25", "2", "1"}));
    EXPECT_EQ(t.row(4), (std::vector<std::string>{"38", "3", "2"}));
}

TEST(MonthShift, TheShiftStopsAtTheFirstRowItWouldTakeToMonthZero) {
    MonthTable t({"3", "2", "5"});
    EXPECT_FALSE(shift_month_numbers(t.grid, -2));
    EXPECT_EQ(t.row(2), (std::vector<std::string>{"1", "0", "1"}));
    EXPECT_EQ(t.row(3), (std::vector<std::string>{"2", "", ""})) << "month 0: left as it was";
    EXPECT_EQ(t.row(4), (std::vector<std::string>{"5", "", ""}));
}

TEST(MonthShift, ACellThatIsNoMonthLeavesTheTableAsItWasAndIsNamed) {
    MonthTable t({"1", "x", "3"});
    try {
        shift_month_numbers(t.grid, 1);
        FAIL() << "a month number that is no number must stop the shift";
    } catch (const FieldValueError& e) {
        EXPECT_EQ(e.field(), "StGr1 3行0列");
    }
    EXPECT_EQ(t.row(2), (std::vector<std::string>{"1", "", ""}));
}

TEST(MonthShift, AMonthFarBeyondAnyCalendarIsRefusedNotOverflowed) {
    MonthTable t({"100000001"});
    EXPECT_THROW(shift_month_numbers(t.grid, 1), FieldValueError);
    MonthTable edge({"-100000000"});
    EXPECT_EQ(month_number(edge.grid, 2, 0), -100000000L);
}

}  // namespace
}  // namespace rebanto
