// The typical loan run to the end: 30,000,000 yen at 2.325 % over 35 years with 20 %
// repaid by bonus instalments. Expected figures come from a payment-by-payment
// calculation done apart from the program (100-yen accrual unit, truncation).
#include "app_fixture.h"
#include "base/field_at.h"

namespace rebanto {
namespace {

class TypicalRun : public testing::AppTest {
protected:
    void enter_loan() {
        f1.Ed0_moto.set_text("30000000");
        f1.Ed0_kin.set_text("2.325");
        f1.Ed0_nen.set_text("35");
        f1.Ed0_wari.set_text("20");
    }
    Grid& monthly = app.cur.StGr1;
    Grid& bonus = app.cur.StGr2;
};

TEST_F(TypicalRun, SplitsThePrincipalAndComputesBothInstalments) {
    enter_loan();
    EXPECT_EQ(f1.Edit1.text(), "24000000");
    EXPECT_EQ(f1.Edit6.text(), "6000000");
    EXPECT_EQ(f1.Ed1_Mzankaisu.text(), "420");
    EXPECT_EQ(f1.Ed1_Bzankaisu.text(), "70");
    EXPECT_EQ(f1.Edit4.text(), "83564");
    EXPECT_EQ(f1.Edit9.text(), "125738");
    // First six months of the monthly part.
    EXPECT_EQ(f1.Edit15.text(), "277917");
    EXPECT_EQ(f1.Edit16.text(), "223467");
    EXPECT_EQ(f1.Edit5.text(), "23776533");
    EXPECT_EQ(f1.Edit21.text(), "46139");
    // One bonus payment in the first step.
    EXPECT_EQ(f1.Edit14.text(), "1");
    EXPECT_EQ(f1.Edit17.text(), "69750");
    EXPECT_EQ(f1.Edit10.text(), "5944012");
}

TEST_F(TypicalRun, RunToTheEndWritesSeventyRowsAndTotalsPerPart) {
    enter_loan();
    f1.Button18.click();
    ASSERT_EQ(monthly.row_count(), 2 + 70 + 1);
    ASSERT_EQ(bonus.row_count(), 2 + 70 + 1);
    EXPECT_EQ(monthly.cell(1, 6), "83564");
    EXPECT_EQ(bonus.cell(1, 6), "125738");

    const auto& m = monthly.row_cells(monthly.row_count() - 1);
    EXPECT_EQ(m, (std::vector<std::string>{"420", "経", "過", "35096677", "=精算総額", "返済計",
                                           "35096880", "-", "0", "経過", "11096677", "24000203",
                                           "-203", "K"}));
    const auto& b = bonus.row_cells(bonus.row_count() - 1);
    EXPECT_EQ(
        b, (std::vector<std::string>{"420", "経", "過", "8801616", "=精算総額", "返済計", "8801660",
                                     "-", "0", "経過", "2801616", "6000044", "-44", "K"}));
}

TEST_F(TypicalRun, PeriodRowsCarryEveryColumn) {
    enter_loan();
    f1.Button18.click();
    EXPECT_EQ(monthly.row_cells(2),
              (std::vector<std::string>{"6", "0", "6", "24000000", "2.325", "420", "83564", "6",
                                        "46139", "6", "277917", "223467", "23776533", ""}));
    EXPECT_EQ(bonus.row_cells(2),
              (std::vector<std::string>{"6", "0", "6", "6000000", "2.325", "70", "125738", "1",
                                        "69750", "1", "69750", "55988", "5944012", ""}));
    const auto& last_bonus = bonus.row_cells(71);
    EXPECT_EQ(last_bonus[0], "420");
    EXPECT_EQ(last_bonus[7], "70");
    EXPECT_EQ(last_bonus[12], "-44");
}

TEST_F(TypicalRun, MemosHoldTheTitleOneLinePerStepAndTheTotals) {
    enter_loan();
    f1.Button18.click();
    const auto& lines = f1.RichEdit1.lines();
    ASSERT_EQ(lines.size(), 2u + 70 + 1);
    EXPECT_EQ(lines[0], "ローンRebanto（月返済）");
    EXPECT_EQ(lines[2].substr(0, 20), " 0  6    \\24,000,000");
    EXPECT_EQ(lines.back(),
              "ここまで 支払利息合計=\\11,096,677 元入額合計=\\24,000,203 月々返済額合計=\\35,096,"
              "880 となりました。さらに元金残-\\203 返済で完済［総返済額=\\35,096,677 ］");
    EXPECT_EQ(f1.RichEdit2.lines().back(),
              "ここまで 支払利息合計=\\2,801,616 元入額合計=\\6,000,044 ﾎﾞｰﾅｽ時返済額合計=\\8,801,"
              "660 となりました。さらに元金残-\\44 返済で完済［総返済額=\\8,801,616 ］");
}

TEST_F(TypicalRun, AfterTheRunTheLoanStartsAgainAndTheMemoPageIsShown) {
    enter_loan();
    f1.Button18.click();
    EXPECT_EQ(f1.ElapsedMonths, 0);
    EXPECT_EQ(f1.Edit1.text(), "24000000");
    EXPECT_EQ(f1.Edit13.text(), "6") << "the step length chosen before the run is kept";
    EXPECT_TRUE(f1.Button1.enabled());
    EXPECT_EQ(f1.PageControl1.active_page(), &f1.TabSheet3);
    f1.RichEdit1.click();
    EXPECT_EQ(f1.PageControl1.active_page(), &f1.TabSheet1) << "a click on the memo goes back";
}

TEST_F(TypicalRun, OneMonthStepsGiveTheSameTotals) {
    enter_loan();
    f1.Ed1_mm5.set_text("1");
    ASSERT_EQ(f1.Edit13.text(), "1");
    f1.Button18.click();
    ASSERT_EQ(monthly.row_count(), 2 + 420 + 1);
    ASSERT_EQ(bonus.row_count(), 2 + 70 + 1);
    EXPECT_EQ(monthly.cell(monthly.row_count() - 1, 10), "11096677");
    EXPECT_EQ(bonus.cell(bonus.row_count() - 1, 10), "2801616");
    EXPECT_EQ(bonus.cell(2, 0), "6");
    EXPECT_EQ(bonus.cell(3, 0), "12");
}

TEST_F(TypicalRun, ASecondRunAppendsBelowTheFirst) {
    enter_loan();
    f1.Button18.click();
    f1.Button18.click();
    EXPECT_EQ(monthly.row_count(), 2 + 2 * 71);
    EXPECT_EQ(monthly.cell(monthly.row_count() - 1, 10), "11096677")
        << "the totals cover the run since the last reset";
}

}  // namespace
}  // namespace rebanto
