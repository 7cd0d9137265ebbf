#include "navigator/replay_parts.h"

#include <gtest/gtest.h>

#include "base/numtext.h"
#include "model/form.h"
#include "navigator/control_table.h"

namespace rebanto::navigator {
namespace {

struct ReplayParts : ::testing::Test {
    Form form{"TForCur", "cur"};
    Grid table{form, "StGr2", 2, 14, 1, 3};
    int add_month(std::string month) {
        std::vector<std::string> row(14);
        row[kMonth] = month;
        table.append_row(std::move(row));
        return table.row_count() - 1;
    }
};

// ---- Bonus timing of a bonus table ----

TEST_F(ReplayParts, TheBonusTimingIsReadFromTheSettingsRowFlag) {
    table.set_cell(1, kFlag, "T･4･6･64");
    const BonusTiming timing = table_bonus_timing(table);
    EXPECT_EQ(timing.interval, "4");
    EXPECT_EQ(timing.first, "6");
    table.set_cell(1, kFlag, "T･年金元･6");
    EXPECT_EQ(table_bonus_timing(table).interval, "6");
}

TEST_F(ReplayParts, TheQuestionNamesBothTimingsOnlyWhenTheyDiffer) {
    EXPECT_FALSE(bonus_timing_question({"6", "6"}, 6, 6).has_value());
    EXPECT_FALSE(bonus_timing_question({"", ""}, 4, 2).has_value());  // a table without the flag
    const auto question = bonus_timing_question({"4", "6"}, 6, 6);
    ASSERT_TRUE(question.has_value());
    EXPECT_EQ(*question,
              "ボーナス(第2返済)関係の設定［間隔4ヶ月　/第1回6ヶ月］が　本体の設定［間隔6ヶ月　/"
              "第1回6ヶ月］と異なります。"
              "　　本体の設定で処理しますか。　　本体設定で処理ならYES、本体設定を変更して元のまま"
              "でならNO");
    EXPECT_TRUE(bonus_timing_question({"6", "3"}, 6, 6).has_value());
}

// ---- Month numbers shifted back ----

TEST_F(ReplayParts, MonthNumbersAreShiftedToTheFirstRowsMonthWithYearsAndMonths) {
    add_month("1");
    add_month("2");
    const int totals = add_month("");
    table.set_cell(totals, kYears, "経");
    table.set_cell(totals, 2, "過");
    add_month("3");
    shift_month_numbers(table, 59);
    EXPECT_EQ(table.cell(2, kMonth), "59");
    EXPECT_EQ(table.cell(2, kYears), "4");
    EXPECT_EQ(table.cell(2, 2), "11");
    EXPECT_EQ(table.cell(3, kMonth), "60");
    EXPECT_EQ(table.cell(3, kYears), "5");
    EXPECT_EQ(table.cell(3, 2), "0");  // December of year 5
    EXPECT_EQ(table.cell(totals, kYears), "経");
    EXPECT_EQ(table.cell(totals, 2), "過");
    EXPECT_EQ(table.cell(totals, kMonth), "");  // no month to move
    EXPECT_EQ(table.cell(5, kMonth), "61");
}

TEST_F(ReplayParts, APrepaymentRowMovesWithTheRowAboveAndKeepsItsMarkers) {
    add_month("1");
    const int prepayment = add_month("1");
    table.set_cell(prepayment, kYears, "内");
    table.set_cell(prepayment, 2, "入");
    table.set_cell(prepayment, kFlag, "U同時");
    add_month("2");
    shift_month_numbers(table, 59);
    EXPECT_EQ(table.cell(prepayment, kMonth), "59");
    EXPECT_EQ(table.cell(prepayment, kYears), "内");
    EXPECT_EQ(table.cell(prepayment, 2), "入");
    EXPECT_EQ(table.cell(4, kMonth), "60");
}

TEST_F(ReplayParts, TheShiftStopsWhereAMonthWouldFallToZero) {
    add_month("5");
    add_month("8");
    table.set_cell(2, kYears, "x");
    shift_month_numbers(table, -1);  // shift of −6: 5 → −1 stops at once
    EXPECT_EQ(table.cell(2, kMonth), "5");
    EXPECT_EQ(table.cell(2, kYears), "x");
    EXPECT_EQ(table.cell(3, kMonth), "8");
}

// ---- Instalments less their difference ----

TEST(LessDifference, WorksOnTenThousandthsAndPrintsTheShortestForm) {
    EXPECT_EQ(less_difference("83564", Money::from_yen(-637)), "84201");
    EXPECT_EQ(less_difference("82927", Money::from_yen(-637)), "83564");
    EXPECT_EQ(less_difference("83564.5", to_money("0.25")), "83564.25");
    EXPECT_EQ(less_difference("125738", Money::from_yen(-46819)), "172557");
}

}  // namespace
}  // namespace rebanto::navigator
