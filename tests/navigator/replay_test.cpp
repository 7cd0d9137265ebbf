// Replaying the control tables through the one-period calculation: an unchanged table
// rebuilds the same schedule, a prepayment shortens the term or lowers the instalment, a
// rate change recomputes the instalment, all compared row by row with a schedule worked
// out independently; flags, the first-payment difference and bad cells.
#include "base/numtext.h"
#include "navigator_fixture.h"
#include "reference_schedule.h"

namespace rebanto::testing {
namespace {

// The period rows of a current table (no totals or prepayment rows).
std::vector<RefRow> period_rows(const Grid& table) {
    std::vector<RefRow> rows;
    for (int r = 2; r < table.row_count(); ++r) {
        const auto& c = table.row_cells(r);
        if (c[1] == "内" || c[1] == "経" || c[13] == "K") continue;
        rows.push_back({to_int(c[0]), to_int(c[3]), to_int(c[5]), to_int(c[6]), to_int(c[10]),
                        to_int(c[11]), to_int(c[12])});
    }
    return rows;
}

void expect_same_rows(const std::vector<RefRow>& actual, const std::vector<RefRow>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const RefRow& a = actual[i];
        const RefRow& e = expected[i];
        SCOPED_TRACE("month " + std::to_string(e.month));
        EXPECT_EQ(a.month, e.month);
        EXPECT_EQ(a.principal, e.principal);
        EXPECT_EQ(a.remaining, e.remaining);
        EXPECT_EQ(a.instalment, e.instalment);
        EXPECT_EQ(a.interest, e.interest);
        EXPECT_EQ(a.repaid, e.repaid);
        EXPECT_EQ(a.after, e.after);
        if (::testing::Test::HasFailure()) return;
    }
}

// Rows 0 and 2 on: the settings row carries the navigator's markers after a replay.
Rows without_settings_row(const Grid& table) {
    Rows rows = rows_of(table);
    rows.erase(rows.begin() + 1);
    return rows;
}

class Replay : public NavigatorTest {
protected:
    // A prepayment of 2,000,000 yen paid with the instalment of month 60.
    void prepay_after_month_60() {
        select(row_of_month(nav.StringGrid1, "60"));
        nav.Edit5.set_text("2000000");
        nav.Button5.click();
    }
};

// ---- An unchanged table ----

class UnchangedReplay : public Replay, public ::testing::WithParamInterface<int> {};

TEST_P(UnchangedReplay, RebuildsBothCurrentTablesTextForText) {
    run_typical_loan(GetParam());
    const Rows monthly = without_settings_row(StGr1);
    const Rows bonus = without_settings_row(StGr2);
    const std::string instalment = StGr1.cell(1, 6);
    const std::string bonus_instalment = StGr2.cell(1, 6);
    // One-month steps: the first step has no bonus payment, and the bonus settings row
    // states no instalment.
    EXPECT_EQ(bonus_instalment, GetParam() == 1 ? "" : "125738");
    open_navigator();
    nav.Button9.click();
    EXPECT_EQ(without_settings_row(StGr1), monthly);
    EXPECT_EQ(without_settings_row(StGr2), bonus);
    EXPECT_EQ(StGr1.cell(1, 6), instalment);
    EXPECT_EQ(StGr2.cell(1, 6), bonus_instalment);
    // Month numbers count from 1: the settings rows say so.
    EXPECT_EQ(StGr1.cell(1, 1) + StGr1.cell(1, 2), "月目");
    // The basic settings are back, and nothing is left busy.
    EXPECT_EQ(main.Ed0_moto.text(), "30000000");
    EXPECT_EQ(main.Ed0_wari.text(), "20");
    EXPECT_EQ(main.Edit13.text(), std::to_string(GetParam()));
    EXPECT_EQ(main.Ed0_moto.tag(), 0);
    EXPECT_FALSE(app.compare.ReplayBusy);
    EXPECT_FALSE(nav.replay_running());
    // A second replay of the same control tables gives the same again.
    nav.Button9.click();
    EXPECT_EQ(without_settings_row(StGr1), monthly);
    EXPECT_EQ(without_settings_row(StGr2), bonus);
}

INSTANTIATE_TEST_SUITE_P(StepLengths, UnchangedReplay, ::testing::Values(1, 6));

TEST_F(Replay, TheUnchangedMonthlyTableAgreesWithTheIndependentSchedule) {
    run_typical_loan(1);
    open_navigator();
    nav.Button8.click();
    expect_same_rows(period_rows(StGr1), reference_schedule({}));
    EXPECT_EQ(StGr1.cell(StGr1.row_count() - 1, 12), "-203");
}

TEST_F(Replay, ABonusReplayLeavesTheMonthlyTableAlone) {
    run_typical_loan(1);
    open_navigator();
    const Rows monthly = rows_of(StGr1);
    nav.RadioButton2.click();
    nav.Button8.click();
    EXPECT_EQ(rows_of(StGr1), monthly);
    EXPECT_EQ(StGr2.row_count(), 2 + 70 + 1);
}

// ---- Prepayment ----

TEST_F(Replay, APrepaymentWithTheInstalmentsKeptShortensTheTerm) {
    run_typical_loan(1);
    open_navigator();
    prepay_after_month_60();
    ASSERT_TRUE(nav.CheckBox1.checked());
    nav.Button8.click();

    RefLoan loan;
    loan.prepay_month = 60;
    loan.prepay_amount = 2'000'000;
    const auto expected = reference_schedule(loan);
    ASSERT_EQ(expected.size(), 374u);  // ends 46 months early
    expect_same_rows(period_rows(StGr1), expected);
    EXPECT_EQ(expected.back().after, 1327);  // the residue below 0.3 instalments

    const int p = row_of_month(StGr1, "60") + 1;
    EXPECT_EQ(StGr1.cell(p, 1), "内");
    EXPECT_EQ(StGr1.cell(p, 11), "2000000");
    EXPECT_EQ(StGr1.cell(p, 12), "19644120");
    EXPECT_EQ(StGr1.cell(p, 13), "U同時");
    // The totals: interest of the shortened schedule, principal with the prepayment.
    const int last = StGr1.row_count() - 1;
    EXPECT_EQ(StGr1.cell(last, 13), "K");
    EXPECT_EQ(StGr1.cell(last, 10), "9254263");
    EXPECT_EQ(StGr1.cell(last, 11), "23998673");
}

TEST_F(Replay, APrepaymentWithTheInstalmentRecomputedLowersTheInstalment) {
    run_typical_loan(1);
    open_navigator();
    prepay_after_month_60();
    nav.CheckBox1.click();
    EXPECT_TRUE(nav.Edit6.enabled());
    nav.Edit6.set_text("60");
    nav.Button8.click();

    RefLoan loan;
    loan.prepay_month = 60;
    loan.prepay_amount = 2'000'000;
    loan.keep_until = 60;
    const auto expected = reference_schedule(loan);
    ASSERT_EQ(expected.size(), 420u);  // the term stays
    EXPECT_EQ(expected[60].instalment, 75'842);
    expect_same_rows(period_rows(StGr1), expected);
    EXPECT_EQ(expected.back().after, 0);
}

TEST_F(Replay, APrepaymentTypedAsANegativeAmountBorrowsMore) {
    run_typical_loan(1);
    open_navigator();
    select(row_of_month(nav.StringGrid1, "60"));
    nav.Edit5.set_text("-1000000");
    nav.Button5.click();
    nav.Button8.click();
    const int p = row_of_month(StGr1, "60") + 1;
    EXPECT_EQ(StGr1.cell(p, 12), "22644120");
    EXPECT_EQ(StGr1.cell(p + 1, 3), "22644120");
}

// ---- Rate change ----

TEST_F(Replay, ARateChangeWithTheInstalmentRecomputedIsAFreshLoanOfWhatIsLeft) {
    run_typical_loan(1);
    open_navigator();
    select(row_of_month(nav.StringGrid1, "121"));
    nav.Edit1.set_text("3.5");
    nav.Button11.click();  // ▼ to the last row: the new rate everywhere from month 121
    EXPECT_EQ(nav.StringGrid1.cell(row_of_month(nav.StringGrid1, "420"), 4), "3.5");
    EXPECT_EQ(nav.StringGrid1.cell(row_of_month(nav.StringGrid1, "120"), 4), "2.325");
    nav.CheckBox1.click();
    nav.Edit6.set_text("120");
    nav.Button8.click();

    RefLoan loan;
    loan.keep_until = 120;
    loan.rate = [](long long m) { return m > 120 ? RefRate{35, 10} : RefRate{2325, 1000}; };
    const auto expected = reference_schedule(loan);
    const long long left_after_120 = expected[119].after;
    EXPECT_EQ(expected[120].instalment, reference_instalment(left_after_120, 300, {35, 10}));
    EXPECT_EQ(left_after_120, 18'998'110);
    EXPECT_EQ(expected[120].instalment, 95'109);  // 95,109.0166 by exact fractions
    expect_same_rows(period_rows(StGr1), expected);
}

// ---- Which rows ----

TEST_F(Replay, TheSelectedRowIsTheLastOneReplayed) {
    run_typical_loan(1);
    open_navigator();
    select(2);
    nav.Button1.click();
    EXPECT_EQ(StGr1.row_count(), 3);  // header, settings row, month 1
    EXPECT_EQ(StGr1.cell(2, 12), "23962936");
    EXPECT_EQ(nav.StatusBar1.caption(), "");
}

TEST_F(Replay, WithTheSettingsRowSelectedNothingIsReplayedAndTheTablesStay) {
    run_typical_loan(1);
    open_navigator();
    const Rows monthly = rows_of(StGr1);
    const Rows bonus = rows_of(StGr2);
    for (int row : {1, 0}) {
        select(row);
        nav.Button1.click();
        EXPECT_EQ(rows_of(StGr1), monthly) << "row " << row;
        EXPECT_EQ(rows_of(StGr2), bonus) << "row " << row;
        EXPECT_NE(nav.StatusBar1.caption().find("２行目以降"), std::string::npos);
    }
    EXPECT_EQ(main.Ed0_moto.text(), "30000000");
    select(2);
    nav.Button1.click();
    EXPECT_EQ(StGr1.row_count(), 3);
    EXPECT_EQ(nav.StatusBar1.caption(), "");
}

TEST_F(Replay, ATotalsRowTakesTheMonthOfTheRowAbove) {
    run_typical_loan(6);
    open_navigator();
    select(11);  // month 60
    nav.Button4.click();
    EXPECT_EQ(nav.StringGrid1.cell(12, 13), "K");
    nav.Button8.click();
    EXPECT_EQ(nav.StringGrid1.cell(12, 0), "60");
    EXPECT_EQ(StGr1.cell(12, 1), "経");
    EXPECT_EQ(StGr1.cell(12, 0), "60");
}

// ---- Flags ----

TEST_F(Replay, AReturnToMonthlyInterestIsUsedOnce) {
    run_typical_loan(1);
    open_navigator();
    const int r = row_of_month(nav.StringGrid1, "30");
    nav.StringGrid1.set_cell(r, 13, "Xx");
    nav.Button8.click();
    EXPECT_EQ(nav.StringGrid1.cell(r, 13), "");
    expect_same_rows(period_rows(StGr1), reference_schedule({}));
}

TEST_F(Replay, ADailyInterestRowIsChargedByItsDays) {
    run_typical_loan(1);
    open_navigator();
    const int r = row_of_month(nav.StringGrid1, "2");
    nav.StringGrid1.set_cell(r, 13, "Dx31");
    nav.Button8.click();
    // 23,962,936 cut to 23,962,900 × 2.325 % / 365 × 31 days = 47,318.63 → 47,318; the
    // instalment stays, so the principal part is what is left of it.
    EXPECT_EQ(StGr1.cell(3, 10), "47318");
    EXPECT_EQ(StGr1.cell(3, 6), "83564");
    EXPECT_EQ(StGr1.cell(3, 11), std::to_string(83564 - 47318));
    EXPECT_EQ(StGr1.cell(3, 13), "Dx31");
    EXPECT_EQ(nav.StringGrid1.cell(r, 13), "Dx31");  // a daily-interest flag stays
}

TEST_F(Replay, ADailyInterestRowKeepingItsPrincipalPartPaysTheInterestOnTop) {
    run_typical_loan(1);
    open_navigator();
    const int r = row_of_month(nav.StringGrid1, "2");
    nav.StringGrid1.set_cell(r, 13, "Do31");
    nav.Button8.click();
    EXPECT_EQ(StGr1.cell(3, 10), "47318");
    EXPECT_EQ(StGr1.cell(3, 11), "37136");  // the principal part of month 2 in the table
    EXPECT_EQ(StGr1.cell(3, 6), std::to_string(37136 + 47318));
    EXPECT_EQ(StGr1.cell(3, 13), "Do31");
}

TEST_F(Replay, ABoundaryRowIsChargedTheConvertedRateAndKeepsItsFlag) {
    run_typical_loan(1);
    open_navigator();
    const int r = row_of_month(nav.StringGrid1, "2");
    const std::string flag = "SxD･3･2.325･0･0･2001/06/20･2001/07/05･2001/07/20";
    nav.StringGrid1.set_cell(r, 13, flag);
    nav.Button8.click();
    // 23,962,900 × 3 % / 12 = 59,907.25 → 59,907 at the converted rate.
    EXPECT_EQ(StGr1.cell(3, 4), "3");
    EXPECT_EQ(StGr1.cell(3, 10), "59907");
    EXPECT_EQ(StGr1.cell(3, 6), "83564");
    EXPECT_EQ(StGr1.cell(3, 13), flag);
}

// ---- The first-payment difference ----

TEST_F(Replay, AFirstRowWithADifferenceIsReplayedBeforeItsCorrection) {
    run_typical_loan(1);
    // The loan date 2001/05/21, first payment 2001/06/20: 30 days of interest by days,
    // 45,863 instead of 46,500, a difference of −637.
    main.MsEd8_yusi.set_text("2001/05/21");
    main.MsEd8_mon.set_text("2001/06/20");
    main.MsEd8_bon.set_text("2001/11/20");
    main.Button51.click();
    ASSERT_EQ(StGr1.cell(2, 6), "82927");
    ASSERT_EQ(StGr1.cell(1, 10), "実行日2001/05/21");
    open_navigator();
    EXPECT_EQ(nav.StringGrid1.cell(1, 12), "差額有");
    nav.Button8.click();
    EXPECT_EQ(nav.navi_sa_m, Money::from_yen(-637));
    // Without "補正有" the first row is replayed with the instalment before the correction
    // and is not corrected again.
    EXPECT_EQ(StGr1.cell(2, 6), "83564");
    EXPECT_EQ(StGr1.cell(2, 10), "46500");
    nav.Label11.click();  // 補正有
    ASSERT_EQ(nav.Label11.caption(), "補正有");
    nav.Button8.click();
    EXPECT_EQ(StGr1.cell(2, 6), "82927");
    EXPECT_EQ(StGr1.cell(2, 10), "45863");
}

// ---- Bad cells ----

TEST_F(Replay, ARowThatDoesNotParseStopsTheReplayAndPutsEverythingBack) {
    run_typical_loan(1);
    open_navigator();
    const Rows monthly = rows_of(StGr1);
    const Rows bonus = rows_of(StGr2);
    const auto memo = main.RichEdit1.lines();
    const int r = row_of_month(nav.StringGrid1, "100");
    nav.StringGrid1.set_cell(r, 4, "2.3x");
    nav.StringGrid1.set_cell(row_of_month(nav.StringGrid1, "10"), 13, "Xx");
    const Rows typed = rows_of(nav.StringGrid1);
    platform.take_log();
    nav.Button8.click();
    EXPECT_EQ(platform.take_log(), std::vector<std::string>{"beep default"});
    EXPECT_NE(nav.StatusBar1.caption().find(std::to_string(r) + "行目（月回 100）"),
              std::string::npos);
    EXPECT_NE(nav.StatusBar1.caption().find("2.3x"), std::string::npos);
    EXPECT_EQ(rows_of(StGr1), monthly);
    EXPECT_EQ(rows_of(StGr2), bonus);
    EXPECT_EQ(main.RichEdit1.lines(), memo);
    EXPECT_EQ(rows_of(nav.StringGrid1), typed);  // the "X" flag was not consumed
    EXPECT_EQ(main.Ed0_moto.text(), "30000000");
    EXPECT_EQ(main.Ed0_wari.text(), "20");
    EXPECT_EQ(main.Ed0_moto.tag(), 0);
    EXPECT_FALSE(app.compare.ReplayBusy);
    // The window still works: the cell mended, the replay goes through.
    nav.StringGrid1.set_cell(r, 4, "2.325");
    nav.Button8.click();
    EXPECT_EQ(nav.StatusBar1.caption(), "");
    expect_same_rows(period_rows(StGr1), reference_schedule({}));
}

TEST_F(Replay, ARateOf1000PercentRunsToTheEndWithoutHanging) {
    run_typical_loan(6);
    open_navigator();
    for (int r = 2; r < nav.StringGrid1.row_count() - 1; ++r)
        nav.StringGrid1.set_cell(r, 4, "1000");
    nav.Button8.click();
    EXPECT_EQ(StGr1.cell(2, 4), "1000");
    EXPECT_EQ(main.Ed0_moto.tag(), 0);
}

TEST_F(Replay, AnEmptyFirstRowStopsWithAMessageAndNothingChanges) {
    run_typical_loan(6);
    open_navigator();
    const Rows monthly = rows_of(StGr1);
    for (int c = 0; c < 13; ++c)
        nav.StringGrid1.set_cell(2, c, "");
    nav.Button8.click();
    EXPECT_NE(nav.StatusBar1.caption().find("2行目"), std::string::npos);
    EXPECT_EQ(rows_of(StGr1), monthly);
}

}  // namespace
}  // namespace rebanto::testing
