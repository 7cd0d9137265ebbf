// A run of commits that meets a failure of the calculation stops there: one message, and
// the current tables and memos as they were before the run.
#include "app_fixture.h"
#include "forms/guard.h"

namespace rebanto {
namespace {

using testing::AppTest;

std::vector<std::vector<std::string>> rows_of(const Grid& grid) {
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < grid.row_count(); ++r)
        rows.push_back(grid.row_cells(r));
    return rows;
}

class RunFailure : public AppTest {
protected:
    // 9,999,999,999 yen at 999 % over 999 years: the interest of a year of payments
    // soon passes what an amount can hold (about 922 trillion yen), well before the
    // 11,988th month.
    void huge_loan() {
        f1.Ed0_moto.set_text("9999999999");
        f1.Ed0_kin.set_text("999");
        f1.Ed0_nen.set_text("999");
        platform.take_log();
    }
    std::size_t messages() {
        std::size_t n = 0;
        for (const std::string& event : platform.take_log())
            n += event == std::string("info ") + kCalculationFailure ? 1 : 0;
        return n;
    }
};

TEST_F(RunFailure, ToTheEndStopsAtTheFirstFailureWithTheTablesAsBefore) {
    huge_loan();
    f1.Button1.click();  // one step committed before the run
    ASSERT_EQ(app.cur.StGr1.row_count(), 3);
    platform.take_log();
    const auto monthly = rows_of(app.cur.StGr1);
    const auto bonus = rows_of(app.cur.StGr2);
    const auto memo = f1.RichEdit1.lines();
    f1.Button18.click();
    EXPECT_EQ(messages(), 1u);
    EXPECT_EQ(rows_of(app.cur.StGr1), monthly);
    EXPECT_EQ(rows_of(app.cur.StGr2), bonus);
    EXPECT_EQ(f1.RichEdit1.lines(), memo);
    // The loan starts again at its first month, ready for another try.
    EXPECT_EQ(f1.ElapsedMonths, 0);
    EXPECT_EQ(f1.Ed0_moto.tag(), 0);
    EXPECT_TRUE(f1.Button1.enabled());
}

TEST_F(RunFailure, AChosenNumberOfStepsStopsAtTheFirstFailureToo) {
    huge_loan();
    f1.Edit80.set_text("2000");  // more steps than the 1,998 of the loan
    const auto memo = f1.RichEdit1.lines();
    f1.Button76.click();
    EXPECT_EQ(messages(), 1u);
    EXPECT_EQ(app.cur.StGr1.row_count(), 2) << "no row of the failed run stays";
    EXPECT_EQ(f1.RichEdit1.lines(), memo);
}

// 10,000,000,000 yen at 1000 %, interest rounded up on every yen: the balance of the
// monthly table grows past what an amount can hold within its first years.
TEST_F(RunFailure, ABatchTableStopsAtTheFirstFailureAndPutsTheSettingsBack) {
    f1.Ed0_moto.set_text("3000000");
    f1.Ed0_nen.set_text("10");
    f1.Button66.click();  // a plain fixed-rate table of 120 monthly rows first
    ASSERT_EQ(app.cur.StGr1.row_count(), 2 + 120 + 1);
    const auto monthly = rows_of(app.cur.StGr1);
    const auto memo = f1.RichEdit1.lines();
    f1.Ed0_moto.set_text("10000000000");
    f1.Ed0_kin.set_text("1000");
    f1.Ed0_nen.set_text("50");
    f1.RB23.set_checked(true);
    f1.Furi1.set_checked(true);
    platform.take_log();
    f1.Button66.click();
    EXPECT_EQ(messages(), 1u);
    EXPECT_EQ(rows_of(app.cur.StGr1), monthly);
    EXPECT_EQ(f1.RichEdit1.lines(), memo);
    EXPECT_EQ(f1.Ed0_nen.text(), "50");
    EXPECT_EQ(f1.Ed0_kin.text(), "1000");
    EXPECT_EQ(f1.Ed0_moto.text(), "10000000000");
    EXPECT_EQ(f1.Ed0_moto.tag(), 0);
}

TEST_F(RunFailure, ASaneLoanAfterAStoppedRunRunsToTheEnd) {
    huge_loan();
    f1.Button18.click();
    platform.take_log();
    f1.Ed0_moto.set_text("1000000");
    f1.Ed0_kin.set_text("2.325");
    f1.Ed0_nen.set_text("10");
    f1.Button18.click();
    EXPECT_EQ(messages(), 0u);
    // 120 months in steps of 6: 20 rows after the header and settings rows, then the
    // totals row.
    EXPECT_EQ(app.cur.StGr1.row_count(), 2 + 20 + 1);
}

}  // namespace
}  // namespace rebanto
