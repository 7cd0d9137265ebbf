// Fixed-rate bank loans: one instalment for the whole term; the second stream at the
// user's own interval.
#include "schedules_fixture.h"

namespace rebanto {
namespace {

using testing::ScheduleTest;

class FixedRate : public ScheduleTest {};

TEST_F(FixedRate, TypicalMonthlyScheduleHasOneInstalmentAndExactTotals) {
    enter_loan("30000000", "2.325", "35", "20");
    f1.Button66.click();
    const auto m = period_rows(monthly);
    ASSERT_EQ(m.size(), 420u);
    for (const auto& row : m) {
        ASSERT_EQ(row[6], "83564") << "month " << row[0];
        ASSERT_EQ(row[9], "1");
    }
    EXPECT_EQ(m[0][0], "1");
    EXPECT_EQ(m[419][0], "420");
    EXPECT_EQ(monthly.cell(1, 6), "83564");
    EXPECT_EQ(
        totals_row(monthly),
        (std::vector<std::string>{"420", "経", "過", "35096677", "=精算総額", "返済計", "35096880",
                                  "-", "0", "経過", "11096677", "24000203", "-203", "K"}));
    EXPECT_EQ(f1.Ed555.text(), "KoM");
    EXPECT_EQ(f1.RichEdit1.lines()[0], "Rebanto（月返済）＊＊＊月次返済表＊＊＊  -- by." + tail());
    EXPECT_EQ(f1.RichEdit1.lines()[1], "");
    EXPECT_EQ(f1.RichEdit1.lines()[2], f1.Ed5_memoobi.text());
    EXPECT_EQ(f1.RichEdit1.lines().size(), 3u + 420u + 1u);
}

TEST_F(FixedRate, FourMonthSecondStreamCommitsOneStepPerFourMonths) {
    enter_loan("30000000", "2.325", "35", "20");
    app.second_repayment.apply_timing("4", 4);
    f1.Button67.click();
    const auto b = period_rows(bonus);
    ASSERT_EQ(b.size(), 105u);
    for (std::size_t i = 0; i < b.size(); ++i) {
        ASSERT_EQ(b[i][0], std::to_string(4 * (i + 1)));
        ASSERT_EQ(b[i][6], "83721");
    }
    EXPECT_EQ(totals_row(bonus)[10], "2790599");
    EXPECT_EQ(totals_row(bonus)[11], "6000106");
    EXPECT_EQ(totals_row(bonus)[12], "-106");
    EXPECT_EQ(f1.RichEdit2.lines()[0],
              "Rebanto（第２返済）＊＊＊月次返済表＊＊＊  -- by." + tail());
    EXPECT_EQ(f1.bonus_interval(), 4) << "the interval is honoured, not forced";
    EXPECT_EQ(f1.Ed555.text(), "KoB");
}

TEST_F(FixedRate, BothPartsEndOnTheCompositePage) {
    enter_loan("30000000", "2.325", "35", "20");
    f1.Button68.click();
    EXPECT_EQ(period_rows(monthly).size(), 420u);
    EXPECT_EQ(period_rows(bonus).size(), 70u);
    EXPECT_EQ(totals_row(bonus)[10], "2801616");
    EXPECT_EQ(f1.Ed555.text(), "Ko");
    EXPECT_EQ(f1.PageControl1.active_page(), &f1.TabSheet7);
}

TEST_F(FixedRate, AMissingPartBuildsNothingForIt) {
    enter_loan("30000000", "2.325", "35", "0");
    f1.Button67.click();
    EXPECT_EQ(bonus.row_count(), 2);
    EXPECT_EQ(f1.Ed555.text(), "KoB");
}

}  // namespace
}  // namespace rebanto
