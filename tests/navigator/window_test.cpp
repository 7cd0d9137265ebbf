// The navigator window as the user drives it: opening, the table choice, values written
// into rows, special rows, the boundary group and its converted rate, daily interest, the
// first-payment switch, the month display and the prepayment timing.
#include "base/numtext.h"
#include "navigator_fixture.h"

namespace rebanto::testing {
namespace {

class NavigatorWindow : public NavigatorTest {
protected:
    Grid& monthly = nav.StringGrid1;
    Grid& bonus = nav.StringGrid2;
};

// ---- Opening ----

TEST_F(NavigatorWindow, OpeningCopiesBothCurrentTablesAndChoosesTheMonthlyOne) {
    run_typical_loan(6);
    open_navigator();
    EXPECT_TRUE(nav.visible());
    EXPECT_EQ(rows_of(monthly, 2), rows_of(StGr1, 2));
    EXPECT_EQ(rows_of(bonus, 2), rows_of(StGr2, 2));
    EXPECT_TRUE(nav.RadioButton1.checked());
    EXPECT_TRUE(nav.RadioButton1.enabled());
    EXPECT_TRUE(nav.RadioButton2.enabled());
    EXPECT_TRUE(monthly.visible());
    EXPECT_FALSE(bonus.visible());
    EXPECT_EQ(monthly.selected_row(), 2);
    EXPECT_EQ(monthly.fixed_cols(), 3);
    // Plain month counts: "月目" and the check box that shows them.
    EXPECT_EQ(monthly.cell(1, 1) + monthly.cell(1, 2), "月目");
    EXPECT_TRUE(nav.CheckBox4.checked());
}

TEST_F(NavigatorWindow, ABonusOnlyLoanOpensOnTheBonusTable) {
    main.Ed0_moto.set_text("6000000");
    main.Ed0_wari.set_text("100");
    main.Button18.click();
    open_navigator();
    EXPECT_FALSE(nav.RadioButton1.enabled());
    EXPECT_TRUE(nav.RadioButton2.checked());
    EXPECT_TRUE(bonus.visible());
}

TEST_F(NavigatorWindow, AnUncorrectedTableIsMarkedByDatesAndItsDatesAreKept) {
    run_typical_loan(6);
    for (Grid* table : {&StGr1, &StGr2}) {
        table->set_cell(1, 12, "初回返済額無補正");
        table->set_cell(1, 10, "実行日2001/05/21");
    }
    StGr1.set_cell(1, 11, "初回返済日2001/06/20");
    StGr2.set_cell(1, 11, "初回返済日2001/07/20");
    open_navigator();
    EXPECT_EQ(monthly.cell(1, 12), "初回返済額無補正");
    EXPECT_EQ(monthly.cell(1, 1) + monthly.cell(1, 2), "平成");
    EXPECT_EQ(nav.hozon_yusi, "2001/05/21");
    EXPECT_EQ(nav.hozon_mon, "2001/06/20");
    EXPECT_EQ(main.MsEd8_yusi.text(), "2001/05/21");
    EXPECT_EQ(main.MsEd8_mon.text(), "2001/06/20");
    EXPECT_EQ(nav.hozon_bon, "2001/07/20");
    EXPECT_FALSE(nav.CheckBox4.checked());
}

TEST_F(NavigatorWindow, ChoosingTheOtherTableShowsItAndClearsTheEntryFields) {
    run_typical_loan(6);
    open_navigator();
    nav.Edit1.set_text("3.0");
    nav.RadioButton2.click();
    EXPECT_TRUE(bonus.visible());
    EXPECT_FALSE(monthly.visible());
    EXPECT_EQ(nav.Edit1.text(), "");
    EXPECT_EQ(&nav.table(), &bonus);
}

TEST_F(NavigatorWindow, TheOpenButtonFollowsTheCurrentTables) {
    EXPECT_FALSE(main.Button107.enabled());
    run_typical_loan(6);
    EXPECT_TRUE(main.Button107.enabled());
    main.Bt7_MClear.click();
    EXPECT_TRUE(main.Button107.enabled());  // the bonus table is still there
    main.Bt7_BClear.click();
    EXPECT_FALSE(main.Button107.enabled());
}

// ---- Values written into rows ----

TEST_F(NavigatorWindow, DownWritesTheValuesCountsOnAndRenamesTheTable) {
    run_typical_loan(6);
    open_navigator();
    select(4);
    nav.Edit1.set_text("3.5");
    nav.Edit2.set_text("100");
    nav.Edit7.set_text("18");
    nav.Button3.click();
    EXPECT_EQ(monthly.cell(4, 4), "3.5");
    EXPECT_EQ(monthly.cell(4, 5), "100");
    EXPECT_EQ(monthly.cell(4, 0), "18");
    EXPECT_EQ(nav.Edit2.text(), "94");  // less the row's 6 instalments
    EXPECT_EQ(nav.Edit7.text(), "24");
    EXPECT_EQ(monthly.selected_row(), 5);
    EXPECT_EQ(nav.RadioButton1.caption(), "月制御表");
    EXPECT_EQ(monthly.fixed_cols(), 1);
}

TEST_F(NavigatorWindow, TypingTheInstalmentsOfARowProposesItsRemainingCount) {
    run_typical_loan(6);
    open_navigator();
    select(5);  // the row above has 408 remaining and 6 instalments
    nav.Edit4.set_text("6");
    EXPECT_EQ(nav.Edit2.text(), "402");
    nav.Edit4.set_text("");
    EXPECT_EQ(nav.Edit2.text(), "");
}

TEST_F(NavigatorWindow, DoubleClicksCopyTheSelectedRowsValues) {
    run_typical_loan(6);
    open_navigator();
    select(5);
    nav.Edit1.dbl_click();
    nav.Edit3.dbl_click();
    nav.Edit4.dbl_click();
    EXPECT_EQ(nav.Edit1.text(), "2.325");
    EXPECT_EQ(nav.Edit3.text(), "83564");
    EXPECT_EQ(nav.Edit4.text(), "6");
    EXPECT_EQ(nav.Edit2.text(), "402");
    EXPECT_EQ(nav.Edit7.text(), "24");
}

TEST_F(NavigatorWindow, RemainingCountsEndPaymentWithinTheRowsPresent) {
    run_typical_loan(6);
    open_navigator();
    // A last row that overpays by 2.4 instalments of 83,564 loses 3 of its 6.
    const int last = monthly.row_count() - 2;  // above the totals row
    monthly.set_cell(last, 12, general(static_cast<long double>(-83564 * 24 / 10)));
    select(2);
    nav.Button29.click();
    EXPECT_EQ(monthly.cell(last, 9), "3");
    EXPECT_EQ(monthly.selected_row(), 2);
}

TEST_F(NavigatorWindow, TheOneRowTrialLoadsTheRowAsAFreshLoan) {
    run_typical_loan(6);
    open_navigator();
    select(12);  // months 61-66: 21,644,120 yen, 360 remaining
    nav.Button13.click();
    EXPECT_EQ(main.Ed0_moto.text(), "21644120");
    EXPECT_EQ(main.Ed1_Mzankaisu.text(), "360");
    EXPECT_EQ(main.Edit13.text(), "6");
    EXPECT_EQ(main.Ed0_wari.text(), "0");
    EXPECT_EQ(main.Edit6.text(), "0");
    EXPECT_EQ(main.PageControl1.active_index(), 1);  // "個別返済額算定"
}

// ---- Special rows ----

TEST_F(NavigatorWindow, APrepaymentInsertedTwiceBelowOneRowLeavesOneRowWithTheLaterAmount) {
    run_typical_loan(6);
    open_navigator();
    const int rows = monthly.row_count();
    select(11);
    nav.Edit5.set_text("1000000");
    nav.Button5.click();
    EXPECT_EQ(nav.Edit5.text(), "");
    select(11);
    nav.Edit5.set_text("-500000");
    nav.Button5.click();
    EXPECT_EQ(monthly.row_count(), rows + 1);
    EXPECT_EQ(monthly.cell(12, 1), "内");
    EXPECT_EQ(monthly.cell(12, 11), "-500000");
    EXPECT_EQ(monthly.cell(12, 4), "2.325");
    EXPECT_EQ(monthly.cell(12, 13), "U同時");
    EXPECT_EQ(main.Edit27.text(), "2.325");
}

TEST_F(NavigatorWindow, APrepaymentDaysLaterCarriesItsTimingAndOffset) {
    run_typical_loan(6);
    open_navigator();
    select(11);
    nav.La_Uchi.dbl_click();  // 同時 → 日後, 1
    nav.Ed_Uchi.set_text("30");
    nav.Edit5.set_text("1000000");
    nav.Button5.click();
    EXPECT_EQ(monthly.cell(12, 8), "日後");
    EXPECT_EQ(monthly.cell(12, 7), "30");
    EXPECT_EQ(monthly.cell(12, 13), "U日後30");
    // Clicking the row brings its values back for editing.
    nav.La_Uchi.dbl_click();
    nav.La_Uchi.dbl_click();  // back to 同時
    select(12);
    EXPECT_EQ(nav.La_Uchi.caption(), "日後");
    EXPECT_EQ(nav.Ed_Uchi.text(), "30");
    EXPECT_TRUE(nav.Ed_Uchi.visible());
    EXPECT_EQ(nav.Edit5.text(), "1000000");
}

TEST_F(NavigatorWindow, APrepaymentReplayedDaysLaterPaysGapInterest) {
    run_typical_loan(6);
    open_navigator();
    select(11);  // months 55-60
    nav.La_Uchi.dbl_click();
    nav.Ed_Uchi.set_text("30");
    nav.Edit5.set_text("1000000");
    nav.Button5.click();
    nav.Button8.click();
    // 1,000,000 × 2.325 % / 365 × 30 days = 1,910.95 → 1,910 yen of gap interest.
    EXPECT_EQ(StGr1.cell(12, 10), "1910");
    EXPECT_EQ(StGr1.cell(12, 6), "1001910");
    EXPECT_EQ(StGr1.cell(12, 12), "20644120");
}

TEST_F(NavigatorWindow, DeletingARowBringsUpTheCountsOfTheRowInItsPlace) {
    run_typical_loan(6);
    open_navigator();
    const int rows = monthly.row_count();
    select(5);
    nav.Button7.click();
    EXPECT_EQ(monthly.row_count(), rows - 1);
    EXPECT_EQ(monthly.cell(5, 0), "30");
    EXPECT_EQ(nav.Edit4.text(), "6");
    EXPECT_EQ(nav.Edit2.text(), "396");
    EXPECT_EQ(nav.Edit7.text(), "30");
    select(1);
    nav.Button7.click();  // the settings row is never deleted
    EXPECT_EQ(monthly.row_count(), rows - 1);
}

TEST_F(NavigatorWindow, AShortenedTableIsFilledToTheEndOfTheTerm) {
    run_typical_loan(1);
    open_navigator();
    // Cut the table after month 409: 12 remaining at one instalment per row.
    const int keep = row_of_month(monthly, "409") + 1;
    monthly.set_row_count(keep + 1);
    monthly.set_row(keep, std::vector<std::string>(14));
    monthly.set_cell(keep, 13, "K");
    monthly.set_cell(keep, 1, "経");
    const int before = monthly.row_count();
    nav.Button14.click();
    EXPECT_EQ(monthly.row_count(), before + 11);
    EXPECT_EQ(monthly.cell(keep, 0), "410");
    EXPECT_EQ(monthly.cell(keep + 10, 0), "420");
    EXPECT_EQ(monthly.cell(keep + 10, 5), "1");
    EXPECT_EQ(monthly.cell(keep + 11, 13), "K");
}

TEST_F(NavigatorWindow, FillingARemainingCountBeyondAnyTermIsRefused) {
    run_typical_loan(6);
    open_navigator();
    const int last = monthly.row_count() - 2;
    monthly.set_cell(last, 5, "99999");
    monthly.set_cell(last, 9, "1");
    const int rows = monthly.row_count();
    platform.take_log();
    nav.Button14.click();
    EXPECT_EQ(monthly.row_count(), rows);
    const auto log = platform.take_log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].rfind("error ", 0), 0u);
}

// ---- The boundary group ----

class BoundaryGroup : public NavigatorWindow {
protected:
    // Rates of 3.0 % from month 121 (row 22 of a six-month table, months 121 to 126).
    void rate_change_at_month_121() {
        run_typical_loan(6);
        main.MsEd8_yusi.set_text("2001/05/21");
        open_navigator();
        select(22);
        nav.Edit1.set_text("3.0");
        nav.Button11.click();
        select(22);
    }
};

TEST_F(BoundaryGroup, TheFirstRowAtANewRateLightsTheLamp) {
    rate_change_at_month_121();
    EXPECT_TRUE(nav.Button21.enabled());
    EXPECT_EQ(nav.Label27.color(), Color::Magenta);
    select(23);
    EXPECT_FALSE(nav.Button21.enabled());
    EXPECT_EQ(nav.Label27.color(), Color::Gray);
}

TEST_F(BoundaryGroup, OpeningProposesThePeriodAndWritesTheFlagAtOnce) {
    rate_change_at_month_121();
    nav.Button21.click();
    EXPECT_TRUE(nav.GroupBox1.visible());
    EXPECT_EQ(nav.Label22.caption(), "2.325％");
    EXPECT_EQ(nav.Label23.caption(), "3.0％");
    EXPECT_TRUE(nav.RadioButton5.checked());
    EXPECT_FALSE(nav.RadioButton6.enabled());
    // The row ends with payment 126 (2011/11/20): its period is the month before it.
    EXPECT_EQ(nav.MsE1.text(), "2011/10/20");
    EXPECT_EQ(nav.MsE3.text(), "2011/11/20");
    EXPECT_EQ(nav.Edit14.text(), "31");
    EXPECT_EQ(monthly.cell(22, 13), "SoD･3･3.0･0･0･2011/10/20･2011/10/20･2011/11/20");
}

TEST_F(BoundaryGroup, TheChangeDateWeighsTheRatesByDays) {
    rate_change_at_month_121();
    nav.Button21.click();
    nav.MsE2.set_text("2011/11/5");  // normalised, then 16 days before and 15 after
    EXPECT_EQ(nav.MsE2.text(), "2011/11/05");
    EXPECT_EQ(nav.Edit12.text(), "16");
    EXPECT_EQ(nav.Edit13.text(), "15");
    // (2.325 × 16 + 3.0 × 15) / 31 = 82.2 / 31 = 2.651612903…, cut to 5 decimals.
    EXPECT_EQ(nav.Edit17.text(), "2.65161");
    nav.Label28.click();
    EXPECT_EQ(nav.Edit9.text(), "6");
    EXPECT_EQ(nav.Edit17.text(), "2.651612");
    nav.Label25.click();
    EXPECT_EQ(nav.Edit17.text(), "2.651613");
    nav.Button23.click();
    EXPECT_FALSE(nav.GroupBox1.visible());
    EXPECT_EQ(monthly.cell(22, 13), "SoD･2.651613･3.0･0･0･2011/10/20･2011/11/05･2011/11/20");
}

TEST_F(BoundaryGroup, CloseLeavesTheFlagTheRowHadAndReopeningRestoresTheGroup) {
    rate_change_at_month_121();
    const std::string flag = "SxD･2.7･3.0･0･0･2011/10/20･2011/11/05･2011/11/20";
    monthly.set_cell(22, 13, flag);
    select(22);
    nav.Button21.click();
    EXPECT_FALSE(nav.CheckBox5.checked());
    EXPECT_EQ(nav.Edit17.text(), "2.7");
    EXPECT_EQ(nav.motomoto.text(), "3.0");
    EXPECT_EQ(nav.MsE2.text(), "2011/11/05");
    nav.MsE2.set_text("2011/11/10");
    nav.Button25.click();
    EXPECT_EQ(monthly.cell(22, 13), flag);
}

TEST_F(BoundaryGroup, CancelRestoresTheRateAndReturnsToNormalInterestOnce) {
    rate_change_at_month_121();
    monthly.set_cell(22, 4, "2.7");
    monthly.set_cell(22, 13, "SoD･2.7･3.0･0･0･2011/10/20･2011/11/05･2011/11/20");
    select(22);
    nav.Button21.click();
    nav.Button22.click();
    EXPECT_EQ(monthly.cell(22, 4), "3.0");
    EXPECT_EQ(monthly.cell(22, 13), "Xo");
    nav.Button8.click();
    EXPECT_EQ(monthly.cell(22, 13), "");
}

TEST_F(BoundaryGroup, TheDigitsStayBetweenZeroAndThirteen) {
    rate_change_at_month_121();
    nav.Button21.click();
    nav.Edit9.set_text("13");
    nav.Label28.click();
    EXPECT_EQ(nav.Edit9.text(), "13");
    nav.Edit9.set_text("0");
    EXPECT_EQ(nav.Edit17.text(), "3");
    nav.Label28.right_click();
    EXPECT_EQ(nav.Edit9.text(), "0");
}

TEST_F(BoundaryGroup, InTheBonusTableTheRatesAreWeighedByMonths) {
    run_typical_loan(6);
    open_navigator();
    nav.RadioButton2.click();
    select(12);  // bonus payment 11, month 66
    nav.Edit1.set_text("3.0");
    nav.Button11.click();
    select(12);
    nav.Button21.click();
    EXPECT_TRUE(nav.RadioButton6.checked());
    EXPECT_TRUE(nav.RadioButton6.enabled());
    nav.Edit15.set_text("2");
    EXPECT_EQ(nav.Edit16.text(), "4");
    // (3.0 × 4 + 2.325 × 2) / 6 = 16.65 / 6 = 2.775
    EXPECT_EQ(nav.Edit17.text(), "2.775");
    nav.Button23.click();
    EXPECT_EQ(bonus.cell(12, 13).substr(0, 3), "SoM");
}

// ---- Daily interest ----

TEST_F(NavigatorWindow, TheDailyInterestPanelWritesTheRowsFlag) {
    run_typical_loan(1);
    open_navigator();
    select(4);
    monthly.dbl_click();
    EXPECT_TRUE(nav.Panel1.visible());
    nav.RadioButton4.click();
    EXPECT_TRUE(nav.Button15.visible());
    nav.Edit8.set_text("31");
    nav.But_mDainyu.click();
    EXPECT_EQ(monthly.cell(4, 13), "Do31");
    EXPECT_FALSE(nav.Panel1.visible());
    // The panel shows the flag again; "通常" returns the row to monthly interest.
    monthly.dbl_click();
    EXPECT_TRUE(nav.RadioButton4.checked());
    EXPECT_EQ(nav.Edit8.text(), "31");
    nav.RadioButton3.click();
    nav.CheckBox3.click();
    nav.But_mDainyu.click();
    EXPECT_EQ(monthly.cell(4, 13), "Xx");
}

TEST_F(NavigatorWindow, ARowOfSeveralInstalmentsOpensNoDailyInterestPanel) {
    run_typical_loan(6);
    open_navigator();
    select(4);
    monthly.dbl_click();
    EXPECT_FALSE(nav.Panel1.visible());
}

TEST_F(NavigatorWindow, DailyInterestEverywhereCountsTheCalendarMonthsBefore) {
    run_typical_loan(1);
    open_navigator();
    nav.Button15.click();
    nav.Button16.click();
    EXPECT_EQ(monthly.cell(row_of_month(monthly, "3"), 13), "Do28");   // month 3
    EXPECT_EQ(monthly.cell(row_of_month(monthly, "12"), 13), "Do30");  // month 0
    EXPECT_EQ(monthly.cell(row_of_month(monthly, "13"), 13), "Do31");
    EXPECT_FALSE(nav.Panel2.visible());
    nav.Button17.click();
    EXPECT_EQ(monthly.cell(row_of_month(monthly, "3"), 13), "Xo");
}

TEST_F(NavigatorWindow, DailyInterestEverywhereInTheBonusTableCountsSixMonths) {
    run_typical_loan(1);
    open_navigator();
    nav.RadioButton2.click();
    bonus.set_cell(2, 2, "7");
    nav.Button16.click();
    EXPECT_EQ(bonus.cell(2, 13), "Do181");
}

// ---- The first-payment switch and the month display ----

TEST_F(NavigatorWindow, TheCorrectionSwitchTurnsOnTheDatesAndWarnsOfDailyInterest) {
    run_typical_loan(1);
    open_navigator();
    monthly.set_cell(2, 13, "Dx30");
    platform.take_log();
    nav.Label11.click();
    EXPECT_EQ(nav.Label11.caption(), "補正有");
    EXPECT_EQ(nav.Label11.color(), Color::Green);
    EXPECT_FALSE(main.CheckBox2.checked());
    EXPECT_FALSE(nav.CheckBox4.checked());
    EXPECT_FALSE(nav.CheckBox4.enabled());
    EXPECT_FALSE(nav.CheckBox2.enabled());
    EXPECT_EQ(monthly.cell(1, 1) + monthly.cell(1, 2), "平成");
    const auto log = platform.take_log();
    ASSERT_FALSE(log.empty());
    EXPECT_NE(log.back().find("「日利」指定が有る場合"), std::string::npos);
    EXPECT_EQ(main.PageControl1.active_page(), &main.TabSheet8);
    nav.Label11.click();
    EXPECT_EQ(nav.Label11.caption(), "補正無");
    EXPECT_TRUE(main.CheckBox2.checked());
    EXPECT_TRUE(nav.CheckBox4.enabled());
    EXPECT_EQ(main.PageControl1.active_page(), &main.TabSheet7);
}

TEST_F(NavigatorWindow, TheMainWindowsFirstMarkerSwitchesTheCorrectionOff) {
    run_typical_loan(1);
    open_navigator();
    nav.Label11.click();
    main.Label146.click();
    EXPECT_EQ(nav.Label11.caption(), "補正無");
}

TEST_F(NavigatorWindow, MonthCountsMarkBothTablesForTheNextReplay) {
    run_typical_loan(6);
    main.MsEd8_yusi.set_text("2001/05/21");
    open_navigator();
    nav.CheckBox4.click();  // off: month numbers by the loan dates
    EXPECT_EQ(monthly.cell(1, 1) + monthly.cell(1, 2), "平成");
    EXPECT_EQ(bonus.cell(1, 10), "実行日2001/05/21");
    EXPECT_FALSE(nav.CheckBox2.enabled());
    nav.CheckBox4.click();
    EXPECT_EQ(bonus.cell(1, 1) + bonus.cell(1, 2), "月目");
    EXPECT_TRUE(nav.CheckBox2.enabled());
}

// ---- Prepayment timing ----

TEST_F(NavigatorWindow, ThePrepaymentTimingCyclesAndCounts) {
    open_navigator();
    EXPECT_FALSE(nav.Ed_Uchi.visible());
    nav.La_Uchi.dbl_click();
    EXPECT_EQ(nav.La_Uchi.caption(), "日後");
    EXPECT_EQ(nav.Ed_Uchi.text(), "1");
    EXPECT_TRUE(nav.Ed_Uchi.visible());
    nav.La_Uchi.click();
    EXPECT_EQ(nav.Ed_Uchi.text(), "2");
    nav.Ed_Uchi.dbl_click();
    EXPECT_EQ(nav.Ed_Uchi.text(), "7");
    nav.La_Uchi.dbl_click();
    EXPECT_EQ(nav.La_Uchi.caption(), "月後");
    EXPECT_EQ(nav.Ed_Uchi.text(), "1");
    nav.La_Uchi.right_click();
    EXPECT_EQ(nav.La_Uchi.caption(), "同時");
    EXPECT_FALSE(nav.Ed_Uchi.visible());
}

// ---- Bad input ----

TEST_F(NavigatorWindow, KeysOtherThanFiguresAreDroppedFromTheEntryFields) {
    open_navigator();
    nav.Edit1.key_press(U'3');
    nav.Edit1.key_press(U'x');
    EXPECT_EQ(nav.Edit1.text(), "3");
}

TEST_F(NavigatorWindow, ACountThatIsNotANumberNamesItsFieldAndChangesNoRow) {
    run_typical_loan(6);
    open_navigator();
    const Rows rows = rows_of(monthly);
    select(4);
    nav.Edit2.set_text("1x");
    platform.take_log();
    nav.Button3.click();
    EXPECT_EQ(rows_of(monthly), rows);
    const auto log = platform.take_log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_NE(log[0].find("Edit2"), std::string::npos);
}

}  // namespace
}  // namespace rebanto::testing

namespace rebanto::testing {
namespace {

class NavigatorSmallParts : public NavigatorTest {};

TEST_F(NavigatorSmallParts, AReplayShowsItsProgressOnceEveryTwelveRows) {
    run_typical_loan(1);
    open_navigator();
    const int before = platform.repaints();
    nav.Button8.click();
    // Rows 9, 21, … 417 of 422: 35 progress repaints, and one when the table is done.
    EXPECT_EQ(platform.repaints() - before, 36);
}

TEST_F(NavigatorSmallParts, AClickOnAControlRowSelectsTheSameMonthEverywhere) {
    run_typical_loan(6);
    open_navigator();
    select(12);  // month 66
    EXPECT_EQ(StGr1.cell(StGr1.selected_row(), 0), "66");
    EXPECT_EQ(StGr2.cell(StGr2.selected_row(), 0), "66");
}

TEST_F(NavigatorSmallParts, UpRepeatedCountsBackToTheFirstRowAndKeepsTheSelection) {
    run_typical_loan(6);
    open_navigator();
    select(4);
    nav.Edit2.set_text("100");
    nav.Edit7.set_text("50");
    nav.Button12.click();
    EXPECT_EQ(nav.StringGrid1.cell(4, 5), "100");
    EXPECT_EQ(nav.StringGrid1.cell(3, 5), "106");
    EXPECT_EQ(nav.StringGrid1.cell(2, 5), "112");
    EXPECT_EQ(nav.StringGrid1.cell(2, 0), "38");
    EXPECT_EQ(nav.StringGrid1.selected_row(), 4);
}

TEST_F(NavigatorSmallParts, TheMemoryButtonsStoreAndRecallTheBasicSettings) {
    open_navigator();
    EXPECT_FALSE(nav.Button111.enabled());
    main.Ed0_moto.set_text("5000000");
    nav.Button110.click();
    EXPECT_TRUE(nav.Button111.enabled());
    main.Ed0_moto.set_text("7000000");
    nav.Button111.click();
    EXPECT_EQ(main.Ed0_moto.text(), "5000000");
}

TEST_F(NavigatorSmallParts, TheFontStepperSizesBothTablesAndSaysSo) {
    nav.UpDown1.set_position(14);
    EXPECT_EQ(nav.StringGrid1.font_size(), 14);
    EXPECT_EQ(nav.StringGrid2.font_size(), 14);
    EXPECT_EQ(nav.UpDown1.hint(), "現文字サイズは　14　ポイントです。");
}

}  // namespace
}  // namespace rebanto::testing
