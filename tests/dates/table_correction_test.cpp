// "ｶﾚﾝﾄ表の初回訂正" and "月回補正" on the current tables after a run to the end. The
// plain schedule's figures (first rows, totals) come from a payment-by-payment
// calculation apart from the program; the differences are those of the typical dates
// (−637 monthly, −46,819 bonus).
#include <numeric>

#include "base/numtext.h"
#include "dates_fixture.h"

namespace rebanto {
namespace {

class TableCorrection : public testing::DatesTest {
protected:
    // The interest column of the data rows, summed.
    static long double interest_of_rows(const Grid& table) {
        long double sum = 0;
        for (int r = 2; r < table.row_count() - 1; ++r)
            sum += to_extended(table.cell(r, 10));
        return sum;
    }
    void expect_corrected() {
        // Monthly: six payments in the first row, its interest corrected; the instalment
        // of a six-payment row stays.
        EXPECT_EQ(monthly.cell(2, 6), "83564");
        EXPECT_EQ(monthly.cell(2, 8), "46139");
        EXPECT_EQ(monthly.cell(2, 10), "277280");  // 277,917 − 637
        EXPECT_EQ(monthly.cell(1, 9), "○○ 標準（無指定）");
        EXPECT_EQ(monthly.cell(1, 10), "実行日2001/05/21");
        EXPECT_EQ(monthly.cell(1, 11), "初回返済日2001/06/20");
        EXPECT_EQ(monthly.cell(1, 12), "初回返済額\\82,927");
        // Bonus: the first row is the first instalment alone.
        EXPECT_EQ(bonus.cell(2, 6), "78919");  // 125,738 − 46,819
        EXPECT_EQ(bonus.cell(2, 8), "22931");
        EXPECT_EQ(bonus.cell(2, 10), "22931");
        EXPECT_EQ(bonus.cell(2, 11), "55988");
        EXPECT_EQ(bonus.cell(1, 11), "初回返済日2001/07/20");
        EXPECT_EQ(bonus.cell(1, 12), "初回返済額\\78,919");
        // The totals rows carry the same corrections.
        EXPECT_EQ(totals(monthly)[10], "11096040");  // 11,096,677 − 637
        EXPECT_EQ(totals(monthly)[6], "35096243");
        EXPECT_EQ(totals(monthly)[3], "35096040");  // paid + the −203 left
        EXPECT_EQ(totals(bonus)[10], "2754797");    // 2,801,616 − 46,819
        EXPECT_EQ(totals(bonus)[6], "8754841");
        EXPECT_EQ(interest_of_rows(monthly), 11096040);
        EXPECT_EQ(interest_of_rows(bonus), 2754797);
    }
};

TEST_F(TableCorrection, ARunToTheEndThenTheCorrection) {
    enter_loan();
    enter_dates();
    f1.Button18.click();
    ASSERT_TRUE(f1.Button51.visible());
    f1.Button51.click();
    EXPECT_FALSE(f1.Button51.visible());
    expect_corrected();
}

// Dates entered before the loan give differences of the loan that was there; "初回計算"
// gives those of the new loan. The totals follow the differences set since the loan's
// reset, so they agree with the corrected first rows.
TEST_F(TableCorrection, DatesThenTheLoanThenTheFirstPaymentCalculation) {
    enter_dates();
    enter_loan();
    EXPECT_EQ(f1.syokai_sa_m, Money::from_yen(-27));  // 1,910 − 1,937 on 1,000,000 yen
    f1.Button50.click();
    EXPECT_EQ(f1.syokai_sa_m, Money::from_yen(-637));
    f1.Button18.click();
    f1.Button51.click();
    expect_corrected();
}

TEST_F(TableCorrection, ASecondPressChangesNothing) {
    enter_loan();
    enter_dates();
    f1.Button18.click();
    f1.Button51.click();
    const std::vector<std::vector<std::string>> m{monthly.row_cells(1), monthly.row_cells(2)};
    const std::vector<std::vector<std::string>> b{bonus.row_cells(1), bonus.row_cells(2)};
    f1.Button51.click();
    f1.Button51Click(f1.Button51);
    EXPECT_EQ(monthly.row_cells(1), m[0]);
    EXPECT_EQ(monthly.row_cells(2), m[1]);
    EXPECT_EQ(bonus.row_cells(1), b[0]);
    EXPECT_EQ(bonus.row_cells(2), b[1]);
}

TEST_F(TableCorrection, StartUpDatesCorrectNothingButTheMarkers) {
    enter_loan();
    f1.Button18.click();
    f1.Button51Click(f1.Button51);
    EXPECT_EQ(monthly.cell(2, 10), "277917");
    EXPECT_EQ(bonus.cell(2, 6), "125738");
    EXPECT_EQ(bonus.cell(2, 10), "69750");
    EXPECT_EQ(monthly.cell(1, 10), "実行日2026/12/08");
    EXPECT_EQ(totals(monthly)[10], "11096677");
}

TEST_F(TableCorrection, NoCorrectionMarksTheTablesOnlyWhenForced) {
    enter_loan();
    enter_dates();
    f1.Button18.click();
    f1.CheckBox2.set_checked(true);
    f1.Button51Click(f1.Button51);
    EXPECT_EQ(monthly.cell(1, 12), "");
    f1.syokai_forced = true;
    f1.Button51Click(f1.Button51);
    EXPECT_FALSE(f1.syokai_forced);
    EXPECT_EQ(monthly.cell(1, 12), "初回返済額無補正");
    EXPECT_EQ(monthly.cell(1, 10), "実行日2001/05/21");
    EXPECT_EQ(monthly.cell(2, 10), "277917");
    // The bonus row of one instalment is its principal part plus its interest.
    EXPECT_EQ(bonus.cell(2, 6), "125738");
}

TEST_F(TableCorrection, OneMonthStepsCorrectTheFirstInstalmentItself) {
    f1.Ed0_moto.set_text("1200000");
    f1.Ed0_nen.set_text("1");
    f1.Edit13.set_text("1");
    enter_dates();
    f1.Button18.click();
    // 1,200,000 × 2.325 % / 12 = 2,325 regular interest; 30 days give 2,293 (2,293.150…).
    EXPECT_EQ(f1.Edit115.text(), "2325");
    ASSERT_EQ(monthly.cell(2, 7), "1");
    ASSERT_EQ(monthly.cell(2, 9), "1");
    const long double instalment = to_extended(monthly.cell(1, 6));
    const long double principal = to_extended(monthly.cell(2, 11));
    f1.Button51.click();
    EXPECT_EQ(monthly.cell(2, 10), "2293");
    EXPECT_EQ(to_extended(monthly.cell(2, 8)), 2293);
    EXPECT_EQ(to_extended(monthly.cell(2, 6)), instalment - 32);
    EXPECT_EQ(to_extended(monthly.cell(2, 6)), principal + 2293);
    EXPECT_EQ(to_extended(totals(monthly)[10]), interest_of_rows(monthly));
}

TEST_F(TableCorrection, ACellThatIsNoNumberIsNamedAndTheTableStays) {
    enter_loan();
    enter_dates();
    f1.Button18.click();
    bonus.set_cell(2, 8, "abc");
    const auto before = bonus.row_cells(2);
    platform.take_log();
    f1.Button51.click();
    const auto log = platform.take_log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_NE(log[0].find("StGr2 2行8列"), std::string::npos) << log[0];
    EXPECT_EQ(bonus.row_cells(2), before);
    EXPECT_EQ(bonus.cell(1, 10), "");
    // The monthly table came first and is corrected.
    EXPECT_EQ(monthly.cell(2, 10), "277280");
}

TEST_F(TableCorrection, MonthNumbersFollowAFirstPaymentInDecember) {
    f1.Ed0_moto.set_text("1200000");
    f1.Ed0_nen.set_text("1");
    f1.Ed0_wari.set_text("20");
    f1.Edit13.set_text("1");
    enter_dates("2001/11/20", "2001/12/20", "2002/05/20");
    f1.Button18.click();
    f1.Button52.click();
    // December 2001 is month 0 of year 14 counted from 1988; January 2002 month 1.
    EXPECT_EQ(monthly.cell(2, 0), "168");
    EXPECT_EQ(monthly.cell(2, 1), "14");
    EXPECT_EQ(monthly.cell(2, 2), "0");
    EXPECT_EQ(monthly.cell(3, 1), "14");
    EXPECT_EQ(monthly.cell(3, 2), "1");
    EXPECT_EQ(monthly.cell(13, 1), "14");  // the last payment, November 2002
    EXPECT_EQ(monthly.cell(13, 2), "11");
    EXPECT_EQ(monthly.cell(1, 1), "平");
    EXPECT_EQ(monthly.cell(1, 2), "成");
    // The first bonus instalment in May 2002.
    EXPECT_EQ(bonus.cell(2, 1), "14");
    EXPECT_EQ(bonus.cell(2, 2), "5");
}

}  // namespace
}  // namespace rebanto
