// The dialogs that change the whole current tables through the navigator: the rate after a
// month, a prepayment added or removed, and the automatic bonus correction.
#include <algorithm>

#include "base/numtext.h"
#include "navigator_fixture.h"
#include "reference_schedule.h"

namespace rebanto::testing {
namespace {

class BulkChanges : public NavigatorTest {
protected:
    TOKBotKinriDlg& rate_dialog = app.rate_change_dialog;
    TOKBotKuriageDlg& prepayment_dialog = app.prepayment_dialog;

    // 10,000,000 yen at 2.325 % over 10 years, no bonus part, one-month steps.
    void run_ten_year_loan() {
        main.Ed0_moto.set_text("10000000");
        main.Ed0_kin.set_text("2.325");
        main.Ed0_nen.set_text("10");
        main.Ed0_wari.set_text("0");
        main.Ed1_yy5.set_text("0");
        main.Ed1_mm5.set_text("1");
        main.Button18.click();
        platform.take_log();
    }

    void change_rate(const std::string& after_month, const std::string& rate, bool keep) {
        main.Button135.click();
        rate_dialog.Edit1.set_text(after_month);
        rate_dialog.Edit2.set_text(rate);
        rate_dialog.CheckBox2.set_checked(keep);
        rate_dialog.OKBtn.click();
    }

    void prepay(const std::string& month, const std::string& monthly, const std::string& bonus,
                bool add = true) {
        main.Button131.click();
        prepayment_dialog.Edit1.set_text(month);
        prepayment_dialog.Edit2.set_text(monthly);
        prepayment_dialog.Edit3.set_text(bonus);
        prepayment_dialog.CheckBox1.set_checked(add);
        prepayment_dialog.OKBtn.click();
    }

    static std::vector<RefRow> period_rows(const Grid& table) {
        std::vector<RefRow> rows;
        for (int r = 2; r < table.row_count(); ++r) {
            const auto& c = table.row_cells(r);
            if (c[1] == "内" || c[13] == "K") continue;
            rows.push_back({to_int(c[0]), to_int(c[3]), to_int(c[5]), to_int(c[6]), to_int(c[10]),
                            to_int(c[11]), to_int(c[12])});
        }
        return rows;
    }

    static RefLoan ten_year_loan() {
        RefLoan loan;
        loan.principal = 10'000'000;
        loan.months = 120;
        loan.first_instalment = reference_instalment(10'000'000, 120, {2325, 1000});
        return loan;
    }

    // Rows 2 on (the settings rows carry the navigator's markers).
    static Rows data_rows(const Grid& table) { return rows_of(table, 2); }
};

void expect_rows(const std::vector<RefRow>& actual, const std::vector<RefRow>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("month " + std::to_string(expected[i].month));
        EXPECT_EQ(actual[i].month, expected[i].month);
        EXPECT_EQ(actual[i].instalment, expected[i].instalment);
        EXPECT_EQ(actual[i].interest, expected[i].interest);
        EXPECT_EQ(actual[i].after, expected[i].after);
        if (::testing::Test::HasFailure()) return;
    }
}

// ---- Rate change ----

TEST_F(BulkChanges, ARateChangeWithTheInstalmentKeptLeavesALargeLastPrincipal) {
    run_ten_year_loan();
    change_rate("60", "3.0", true);
    EXPECT_FALSE(rate_dialog.visible());
    EXPECT_NE(main.Ed555.text().find('k'), std::string::npos);
    RefLoan loan = ten_year_loan();
    loan.rate = [](long long m) { return m > 60 ? RefRate{30, 10} : RefRate{2325, 1000}; };
    const auto expected = reference_schedule(loan);
    expect_rows(period_rows(StGr1), expected);
    EXPECT_EQ(StGr1.cell(row_of_month(StGr1, "61"), 4), "3.0");
    EXPECT_EQ(StGr1.cell(row_of_month(StGr1, "60"), 4), "2.325");
    EXPECT_GT(expected.back().after, 50'000);  // the instalment no longer pays it off
    // The basic settings are as they were.
    EXPECT_EQ(main.Ed0_moto.text(), "10000000");
    EXPECT_EQ(main.Ed0_kin.text(), "2.325");
}

TEST_F(BulkChanges, ARateChangeWithTheInstalmentRecomputedIsAFreshLoanOverTheLastSixtyMonths) {
    run_ten_year_loan();
    change_rate("60", "3.0", false);
    RefLoan loan = ten_year_loan();
    loan.rate = [](long long m) { return m > 60 ? RefRate{30, 10} : RefRate{2325, 1000}; };
    loan.keep_until = 60;
    loan.recompute_each_month = false;
    const auto expected = reference_schedule(loan);
    EXPECT_EQ(expected[60].instalment, reference_instalment(expected[59].after, 60, {30, 10}));
    expect_rows(period_rows(StGr1), expected);
    // The totals row sums every row.
    long long interest = 0;
    for (const RefRow& row : expected)
        interest += row.interest;
    const int last = StGr1.row_count() - 1;
    EXPECT_EQ(StGr1.cell(last, 13), "K");
    EXPECT_EQ(StGr1.cell(last, 10), std::to_string(interest));
}

TEST_F(BulkChanges, ARateChangeNeedsAMonthAndARate) {
    run_ten_year_loan();
    const Rows before = data_rows(StGr1);
    change_rate("60", "0", true);
    EXPECT_EQ(platform.take_log().back(),
              "info 月回の指定　又は　変更金利が記入されていないので処理不可");
    EXPECT_TRUE(rate_dialog.visible());
    change_rate("", "3.0", true);
    EXPECT_EQ(data_rows(StGr1), before);
}

TEST_F(BulkChanges, ARateAboveTheCapIsTakenAsTheCap) {
    run_ten_year_loan();
    rate_dialog.Edit2.set_text("1500");
    rate_dialog.Edit2.exit();
    EXPECT_EQ(rate_dialog.Edit2.text(), "1000");
}

// ---- Prepayment added and removed ----

TEST_F(BulkChanges, AddingThenDeletingAPrepaymentGivesBackTheTables) {
    run_typical_loan(1);
    open_navigator();  // the settings rows take the navigator's markers once
    nav.hide();
    const Rows monthly = data_rows(StGr1);
    const Rows bonus = data_rows(StGr2);
    prepay("72", "1000000", "1000000");
    EXPECT_NE(main.Ed555.text().find('u'), std::string::npos);
    const int p = row_of_month(StGr1, "72") + 1;
    EXPECT_EQ(StGr1.cell(p, 11), "1000000");
    EXPECT_LT(StGr1.row_count(), static_cast<int>(monthly.size()) + 2);  // the term shortened
    EXPECT_EQ(StGr2.cell(row_of_month(StGr2, "72") + 1, 13), "U同時");   // below payment 12
    prepay("72", "0", "0", false);
    EXPECT_EQ(data_rows(StGr1), monthly);
    EXPECT_EQ(data_rows(StGr2), bonus);
}

TEST_F(BulkChanges, AMonthlyAmountWithABonusAmountOfZeroRemovesTheBonusPrepayment) {
    run_typical_loan(1);
    prepay("72", "0", "1000000");
    ASSERT_EQ(StGr2.cell(row_of_month(StGr2, "72") + 1, 13), "U同時");
    prepay("72", "500000", "0");
    for (int r = 2; r < StGr2.row_count(); ++r)
        EXPECT_NE(StGr2.cell(r, 1), "内") << "row " << r;
    EXPECT_EQ(StGr1.cell(row_of_month(StGr1, "72") + 1, 11), "500000");
}

TEST_F(BulkChanges, DeletingWhereThereIsNoPrepaymentStillReplaysTheTables) {
    run_typical_loan(6);
    open_navigator();
    nav.hide();
    const Rows monthly = data_rows(StGr1);
    prepay("60", "0", "0", false);
    EXPECT_EQ(data_rows(StGr1), monthly);
    EXPECT_FALSE(prepayment_dialog.visible());
}

TEST_F(BulkChanges, AMonthWithALeadingZeroMatchesNoRowAndTheUserIsTold) {
    run_typical_loan(6);
    const Rows monthly = data_rows(StGr1);
    prepay("072", "1000000", "0");
    EXPECT_EQ(data_rows(StGr1), monthly);
    EXPECT_TRUE(prepayment_dialog.visible());
    EXPECT_EQ(platform.take_log().back(), "info 月回「072」の行がカレント両表にありません");
}

TEST_F(BulkChanges, APrepaymentNeedsAMonth) {
    run_typical_loan(6);
    prepay("0", "1000000", "0");
    EXPECT_EQ(platform.take_log().back(), "info 月回の指定　が記入されていないので処理不可");
    prepay("", "0", "0", false);
    EXPECT_EQ(platform.take_log().back(), "info 月回の指定がされていないので処理不可");
}

TEST_F(BulkChanges, AnAmountThatIsNotANumberNamesItsFieldAndChangesNothing) {
    run_typical_loan(6);
    const Rows monthly = data_rows(StGr1);
    prepay("60", "1x", "0");
    const auto log = platform.take_log();
    ASSERT_FALSE(log.empty());
    EXPECT_NE(log.back().find("Edit2"), std::string::npos);
    EXPECT_EQ(data_rows(StGr1), monthly);
}

TEST_F(BulkChanges, AStopHalfWayPutsBothTablesBack) {
    run_typical_loan(6);
    // A bonus row the replay cannot read: the monthly side is done first, then undone.
    StGr2.set_cell(20, 4, "2.3x");
    const Rows monthly = rows_of(StGr1);
    const Rows bonus = rows_of(StGr2);
    const auto memo = main.RichEdit1.lines();
    prepay("72", "1000000", "1000000");
    EXPECT_EQ(rows_of(StGr1), monthly);
    EXPECT_EQ(rows_of(StGr2), bonus);
    EXPECT_EQ(main.RichEdit1.lines(), memo);
    EXPECT_NE(nav.StatusBar1.caption().find("2.3x"), std::string::npos);
    EXPECT_EQ(main.Ed0_moto.text(), "30000000");
}

// 30,000,000 yen at 2.325 % over 20 years and 5 months in six-month steps: worked out apart,
// the monthly part (24,000,000 yen, 245 instalments of 123,134) ends in month 245, after a
// last row of five instalments, with 70 yen left.
TEST_F(BulkChanges, AddingThenDeletingAPrepaymentKeepsAPartialLastPeriod) {
    main.Ed0_moto.set_text("30000000");
    main.Ed0_kin.set_text("2.325");
    main.Ed0_nen.set_text("20");
    main.Ed0_tuki.set_text("5");
    main.Ed0_wari.set_text("20");
    main.Ed1_yy5.set_text("0");
    main.Ed1_mm5.set_text("6");
    main.Button18.click();
    open_navigator();
    nav.hide();
    const Rows monthly = data_rows(StGr1);
    const Rows bonus = data_rows(StGr2);
    const int last = StGr1.row_count() - 2;
    ASSERT_EQ(StGr1.cell(last, 0), "245");
    EXPECT_EQ(StGr1.cell(last, 9), "5");
    EXPECT_EQ(StGr1.cell(last, 6), "123134");
    EXPECT_EQ(StGr1.cell(last, 12), "70");
    prepay("60", "1000000", "0");
    EXPECT_LT(StGr1.row_count(), static_cast<int>(monthly.size()) + 2);
    prepay("60", "0", "0", false);
    EXPECT_EQ(data_rows(StGr1), monthly);
    EXPECT_EQ(data_rows(StGr2), bonus);
}

// ---- A side the user did not change ----

// With a 10,000-yen accrual unit a fresh instalment worked out from a later balance differs
// from the loan's own; a table nobody changed must keep its own.
TEST_F(BulkChanges, BothTablesReplayedLeaveTheUnchangedBonusTableAsItWas) {
    main.Furi10000.set_checked(true);
    run_typical_loan(1);
    open_navigator();
    const Rows bonus = data_rows(StGr2);
    select(row_of_month(nav.StringGrid1, "61"));
    nav.Edit1.set_text("3.0");
    nav.Button11.click();
    nav.CheckBox1.set_checked(false);
    nav.Edit6.set_text("60");
    nav.Button9.click();
    EXPECT_EQ(StGr1.cell(row_of_month(StGr1, "61"), 4), "3.0");
    EXPECT_NE(StGr1.cell(row_of_month(StGr1, "61"), 6), StGr1.cell(row_of_month(StGr1, "60"), 6));
    EXPECT_EQ(data_rows(StGr2), bonus);
}

TEST_F(BulkChanges, APrepaymentWithNoBonusAmountLeavesTheBonusTableAsItWas) {
    main.Furi10000.set_checked(true);
    run_typical_loan(1);
    open_navigator();
    nav.hide();
    const Rows monthly = data_rows(StGr1);
    const Rows bonus = data_rows(StGr2);
    prepayment_dialog.CheckBox2.set_checked(false);  // the instalment lowered
    prepay("60", "1000000", "0");
    EXPECT_NE(data_rows(StGr1), monthly);
    EXPECT_EQ(data_rows(StGr2), bonus);
}

// ---- The bonus correction dialog ----

TEST_F(BulkChanges, TheBonusCorrectionOptionsAreTheNavigators) {
    TBHoseiDlg& dialog = app.bonus_correction;
    dialog.RadioButton1.click();
    EXPECT_TRUE(nav.CheckBox5.checked());
    dialog.RadioButton2.click();
    EXPECT_FALSE(nav.CheckBox5.checked());
    dialog.Edit1.set_text("3");
    EXPECT_EQ(nav.Edit9.text(), "3");
}

TEST_F(BulkChanges, GoUndoesACorrectionAndMakesItAgain) {
    run_typical_loan(1);
    open_navigator();
    change_rate_from("64", "66", "3.0");
    nav.Button9.click();  // the current tables with the rate change
    main.Button151.click();
    TBHoseiDlg& dialog = app.bonus_correction;
    EXPECT_TRUE(dialog.visible());
    platform.take_log();
    dialog.OKBtn.click();
    EXPECT_FALSE(dialog.visible());
    EXPECT_EQ(StGr2.cell(12, 4), "2.6625");
    const auto log = platform.take_log();
    EXPECT_EQ(std::count(log.begin(), log.end(), "info ？？"), 0);
    const Rows corrected = data_rows(StGr2);
    main.Button151.click();
    dialog.OKBtn.click();
    EXPECT_EQ(data_rows(StGr2), corrected);
}

// 3.1 % typed into the monthly rows from month 65 and the bonus rows from the payment of
// month 66: the bonus period of months 61 to 66
// holds four months at 2.325 % and two at 3.1 %, (4 × 2.325 + 2 × 3.1) / 6 = 2.58333 %.
// The dialog opens on "均等額優先": the bonus instalment of that period stays the loan's
// 125,738 (6,000,000 yen over 70 half-years at 2.325 %, the annuity cut to the yen).
TEST_F(BulkChanges, TheBonusCorrectionAppliesThePriorityTheDialogShows) {
    run_typical_loan(1);
    open_navigator();
    change_rate_from("65", "66", "3.1");
    nav.Button9.click();
    main.Button151.click();
    TBHoseiDlg& dialog = app.bonus_correction;
    ASSERT_TRUE(dialog.RadioButton2.checked());
    dialog.OKBtn.click();
    const int row = row_of_month(StGr2, "66");
    ASSERT_GT(row, 2);
    EXPECT_EQ(StGr2.cell(row, 4), "2.58333");
    EXPECT_EQ(StGr2.cell(row, 13).rfind("SxM", 0), 0u) << StGr2.cell(row, 13);
    EXPECT_EQ(StGr2.cell(row, 6), "125738");
    // "元入額優先" chosen: the principal part stays and the instalment follows the interest.
    dialog.RadioButton1.click();
    main.Button151.click();
    dialog.OKBtn.click();
    EXPECT_EQ(StGr2.cell(row, 13).rfind("SoM", 0), 0u) << StGr2.cell(row, 13);
    EXPECT_NE(StGr2.cell(row, 6), "125738");
}

}  // namespace
}  // namespace rebanto::testing
