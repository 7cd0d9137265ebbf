// Basic settings, limits, step lengths and the commit rules of the one-period calculation.
#include "app_fixture.h"
#include "base/field_at.h"
#include "base/numtext.h"
#include "core/field_io.h"

namespace rebanto {
namespace {

using testing::AppTest;

TEST_F(AppTest, DefaultsGiveTenYearsOfMonthlyPaymentsAndNoBonusPart) {
    EXPECT_EQ(f1.Ed1_Mzankaisu.text(), "120");
    EXPECT_EQ(f1.Ed1_Bzankaisu.text(), "20");
    EXPECT_EQ(f1.Edit6.text(), "0");
    EXPECT_EQ(f1.Edit1.text(), "1000000");
    EXPECT_EQ(f1.Edit6.tag(), 0) << "bonus part absent";
    EXPECT_EQ(f1.Edit1.tag(), 1);
    EXPECT_EQ(f1.Edit2.text(), "2.325") << "the step rate follows the start rate";
    // 1,000,000 at 2.325 % over 120 months: 9,347.62… yen.
    EXPECT_EQ(f1.Edit4.text(), "9347");
}

TEST_F(AppTest, BonusShareSplitsThePrincipal) {
    f1.Ed0_moto.set_text("2000000");
    f1.Ed0_wari.set_text("50");
    EXPECT_EQ(f1.Edit6.text(), "1000000");
    EXPECT_EQ(f1.Edit1.text(), "1000000");
    f1.Ed0_moto.set_text("1000001");
    f1.Ed0_wari.set_text("33.3");
    // 33.3 % of 1,000,001 = 333,000.333 → 333,000
    EXPECT_EQ(f1.Edit6.text(), "333000");
    EXPECT_EQ(f1.Edit1.text(), "667001");
}

TEST_F(AppTest, ValuesAboveTheLimitsAreReplacedInPlace) {
    f1.Ed0_kin.set_text("1200");
    EXPECT_EQ(f1.Ed0_kin.text(), "1000");
    f1.Ed0_moto.set_text("20000000000");
    EXPECT_EQ(f1.Ed0_moto.text(), "10000000000");
    EXPECT_TRUE(platform.take_log().empty()) << "no message, no beep";
}

TEST_F(AppTest, TermIsRewrittenAsWholeYearsAndMonths) {
    f1.Ed0_nen.set_text("1");
    f1.Ed0_tuki.set_text("14");
    EXPECT_EQ(f1.Ed0_nen.text(), "2");
    EXPECT_EQ(f1.Ed0_tuki.text(), "2");
    EXPECT_EQ(f1.TotalMonths, 26);
    EXPECT_EQ(f1.TrackBar2.max(), 26);
}

TEST_F(AppTest, EmptyTermMonthsBecomeZero) {
    f1.Ed0_tuki.set_text("");
    EXPECT_EQ(f1.Ed0_tuki.text(), "0");
}

TEST_F(AppTest, ATermShorterThanTheStepDisablesTheCommit) {
    f1.Ed0_nen.set_text("0");
    f1.Ed0_tuki.set_text("3");
    EXPECT_FALSE(f1.Button1.enabled());
    EXPECT_EQ(platform.take_log().back(), "beep warning");
}

TEST_F(AppTest, TheLastStepShrinksToTheMonthsLeft) {
    f1.Ed0_nen.set_text("1");
    f1.Ed0_tuki.set_text("3");
    f1.Button1.click();
    f1.Button1.click();
    EXPECT_EQ(f1.ElapsedMonths, 12);
    EXPECT_EQ(f1.Edit13.text(), "3");
    EXPECT_EQ(f1.StepEndMonth, 15);
    f1.Button1.click();
    EXPECT_EQ(app.cur.StGr1.cell(app.cur.StGr1.row_count() - 1, 0), "15");
    EXPECT_EQ(app.cur.StGr1.cell(app.cur.StGr1.row_count() - 1, 9), "3");
}

TEST_F(AppTest, RemainingCountsNeverFallBelowOne) {
    f1.Ed1_Mzankaisu.set_text("0");
    EXPECT_EQ(f1.Ed1_Mzankaisu.text(), "1");
    f1.Ed1_Bzankaisu.set_text("-3");
    EXPECT_EQ(f1.Ed1_Bzankaisu.text(), "1");
    f1.Ed1_Mzankaisu.set_text("");
    EXPECT_EQ(f1.Ed1_Mzankaisu.text(), "1");
    // One remaining payment repays everything with a month's interest: 1,000,000 × 2.325 %
    // / 12 = 1,937.5 → 1,001,937.
    EXPECT_EQ(f1.Edit4.text(), "1001937");
}

TEST_F(AppTest, AStepThatCarriesNoPrincipalWritesNoRow) {
    f1.Edit4.set_text("4000000");  // 1,000,000 ≤ 0.3 × 4,000,000
    f1.Button1.click();
    EXPECT_EQ(app.cur.StGr1.row_count(), 2);
    EXPECT_EQ(f1.RichEdit1.lines().size(), 2u);
}

// A step that carries no principal is past the loan's end: a prepayment there would be
// written without being counted, so it is not made, and the status bar says so.
TEST_F(AppTest, APrepaymentPastTheLoansEndIsNotWrittenAndIsNamed) {
    f1.Edit4.set_text("4000000");
    f1.Button46.click();
    f1.Edit33.set_text("100000");
    f1.Button1.click();
    EXPECT_EQ(app.cur.StGr1.row_count(), 2);
    EXPECT_EQ(f1.Edit33.text(), "0");
    EXPECT_EQ(f1.StatusBar1.caption(), "月々の内入 100,000円：完済後のため記載しませんでした");
}

// 1,000,000 at 2.325 % with its instalment of 9,347: month 1 charges 1,937 yen interest
// (1,000,000 × 0.02325 / 12 = 1,937.5, truncated) and leaves 1,000,000 − 7,410 = 992,590.
TEST_F(AppTest, APrepaymentBeyondThePrincipalLeftPaysThatPrincipal) {
    f1.Ed1_yy5.set_text("0");
    f1.Ed1_mm5.set_text("1");
    f1.Button46.click();
    f1.Edit33.set_text("1000000");
    f1.Button1.click();
    ASSERT_EQ(app.cur.StGr1.row_count(), 4);
    EXPECT_EQ(app.cur.StGr1.cell(2, 12), "992590");
    EXPECT_EQ(app.cur.StGr1.cell(3, 11), "992590");
    EXPECT_EQ(app.cur.StGr1.cell(3, 12), "0");
    EXPECT_EQ(app.cur.StGr1.cell(3, 13), "U同時 超過分7,410円");
    EXPECT_EQ(f1.TotalsM.principal, Money::from_yen(1'000'000));
    EXPECT_EQ(f1.Edit1.text(), "0");
    EXPECT_EQ(f1.StatusBar1.caption(),
              "月々の内入 1,000,000円：残元金 992,590円を返済し、超過分 7,410円は返済していません");
}

// The bonus part commits by the same rules into its own memo, table and totals: a 9-month
// step pays the bonus of month 6, and a prepayment of 1,000,000 beyond the bonus principal
// left pays that principal, so the bonus part repays exactly its 1,000,000.
TEST_F(AppTest, ABonusPrepaymentGoesToTheBonusTableAndTotals) {
    f1.Ed0_moto.set_text("2000000");
    f1.Ed0_wari.set_text("50");
    f1.Ed1_yy5.set_text("0");
    f1.Ed1_mm5.set_text("9");
    f1.Button46.click();
    f1.Edit43.set_text("1000000");
    f1.Button1.click();
    const Grid& bonus = app.cur.StGr2;
    ASSERT_EQ(bonus.row_count(), 4);
    EXPECT_EQ(bonus.cell(2, 0), "6") << "the bonus month, not the step's end (9)";
    EXPECT_EQ(bonus.cell(2, 7), "1");
    const std::string left = bonus.cell(2, 12);
    EXPECT_EQ(bonus.cell(3, 0), "6");
    EXPECT_EQ(bonus.cell(3, 1), "内");
    EXPECT_EQ(bonus.cell(3, 3), left);
    EXPECT_EQ(bonus.cell(3, 11), left);
    EXPECT_EQ(bonus.cell(3, 12), "0");
    EXPECT_EQ(f1.TotalsB.principal, Money::from_yen(1'000'000));
    EXPECT_EQ(f1.Edit6.text(), "0");
    EXPECT_EQ(f1.Edit43.text(), "0");
    EXPECT_EQ(app.cur.StGr1.row_count(), 3) << "the monthly part wrote its period row only";
    EXPECT_EQ(f1.TotalsM.principal, to_money(app.cur.StGr1.cell(2, 11)));
    EXPECT_TRUE(f1.RadioButton11.checked());
}

TEST_F(AppTest, FiveStepsHoldATypedInstalment) {
    f1.Edit4.set_text("12000");
    f1.Button19.click();
    ASSERT_EQ(app.cur.StGr1.row_count(), 2 + 5);
    for (int row = 2; row < 7; ++row)
        EXPECT_EQ(app.cur.StGr1.cell(row, 6), "12000") << row;
    EXPECT_EQ(f1.ElapsedMonths, 30);
}

// A typed instalment reruns its own part; the other part is rerun too whenever anything
// besides that instalment changed since both were worked out (here a text the calculation
// wrote while busy, which ran nothing).
TEST_F(AppTest, ATypedInstalmentRerunsTheOtherPartWhenItsFieldsMovedMeanwhile) {
    f1.Ed0_moto.set_text("2000000");
    f1.Ed0_wari.set_text("50");
    ASSERT_GE(count(f1.Edit14), 1);
    const auto written_while_busy = [&](Edit& field, const char* text) {
        f1.Ed0_moto.set_tag(1);
        field.set_text(text);
        f1.Ed0_moto.set_tag(0);
    };
    written_while_busy(f1.Edit9, "500000");
    f1.Edit4.set_text("9000");
    // The bonus step paid 500,000 a payment: its interest and principal add up to that.
    EXPECT_EQ(money(f1.Edit17) + money(f1.Edit18), Money::from_yen(500000 * count(f1.Edit14)));

    written_while_busy(f1.Edit4, "20000");
    f1.Edit9.set_text("400000");
    EXPECT_EQ(money(f1.Edit15) + money(f1.Edit16), Money::from_yen(20000 * count(f1.Edit13)));
    EXPECT_EQ(money(f1.Edit17) + money(f1.Edit18), Money::from_yen(400000 * count(f1.Edit14)));
}

// The totals shown beside the step: the principal of both parts, and what each part's
// payments left add up to. Each follows its own fields, and a total typed over is
// worked out again with the next recalculation.
TEST_F(AppTest, TheShownTotalsFollowTheirPartsAndComeBackWhenTypedOver) {
    // 1,000,000 at 2.325 % over 120 months: 9,347 a month, 120 × 9,347 = 1,121,640.
    EXPECT_EQ(f1.Edit31.text(), "\\1,000,000");
    EXPECT_EQ(f1.Edit19.text(), "1121640");
    EXPECT_EQ(f1.Edit20.text(), "0");
    f1.Edit31.set_text("x");
    f1.Edit20.set_text("y");
    f1.Edit4.set_text("10000");
    EXPECT_EQ(f1.Edit19.text(), "1200000");
    EXPECT_EQ(f1.Edit31.text(), "\\1,000,000");
    EXPECT_EQ(f1.Edit20.text(), "0");

    f1.Ed0_moto.set_text("2000000");
    f1.Ed0_wari.set_text("50");
    EXPECT_EQ(f1.Edit31.text(), "\\2,000,000");
    f1.Edit9.set_text("60000");
    EXPECT_EQ(f1.Edit20.text(), std::to_string(60000 * count(f1.Ed1_Bzankaisu)));
    EXPECT_EQ(f1.Edit19.text(), general(money(f1.Edit4).times(count(f1.Ed1_Mzankaisu))));

    // Equal principal: half the interest of the first payment and of the last, times the
    // payments, on top of the principal. The monthly part, 1,000,000 over 120 months:
    // 121 × (1,000,000 × 2.325 % / 12) / 2 + 1,000,000 = 1,117,218.75.
    f1.HHkkgg.set_text("1");
    ASSERT_TRUE(f1.equal_principal());
    ASSERT_EQ(f1.Ed1_Mzankaisu.text(), "120");
    EXPECT_EQ(f1.Edit19.text(), "1117218.75");
}

TEST_F(AppTest, CommitAdvancesTheStepAndKeepsTheRunningTotals) {
    f1.Button1.click();
    EXPECT_EQ(f1.ElapsedMonths, 6);
    EXPECT_EQ(f1.StepEndMonth, 12);
    EXPECT_EQ(f1.Ed1_Mzankaisu.text(), "114");
    EXPECT_EQ(f1.Edit1.text(), app.cur.StGr1.cell(2, 12));
    EXPECT_TRUE(f1.Button15.enabled());
    f1.Button15.click();
    const auto& totals = app.cur.StGr1.row_cells(3);
    EXPECT_EQ(totals[0], "6");
    EXPECT_EQ(totals[10], app.cur.StGr1.cell(2, 10));
    EXPECT_EQ(totals[11], app.cur.StGr1.cell(2, 11));
}

TEST_F(AppTest, TotalsRightAfterAResetWriteNothing) {
    f1.Button15.click();
    EXPECT_EQ(app.cur.StGr1.row_count(), 2);
    EXPECT_EQ(f1.RichEdit1.lines().size(), 2u);
}

TEST_F(AppTest, TextThatIsNotANumberStopsWithABeep) {
    f1.Edit2.set_text("abc");
    EXPECT_EQ(platform.take_log(), std::vector<std::string>{"beep default"});
    EXPECT_EQ(f1.Ed0_moto.tag(), 0) << "the calculation is not left busy";
    f1.Edit2.set_text("3");
    EXPECT_NE(f1.Edit4.text(), "9347") << "the next edit computes again";
}

TEST_F(AppTest, ZeroRateRepaysEqualShares) {
    f1.Ed0_moto.set_text("1200000");
    f1.Ed0_kin.set_text("0");
    f1.Ed0_nen.set_text("1");
    EXPECT_EQ(f1.Edit4.text(), "100000");
    EXPECT_EQ(f1.Edit15.text(), "0");
}

TEST_F(AppTest, EditingThePrincipalMovesTheTotalAndTheShare) {
    f1.Ed0_moto.set_text("2000000");
    f1.Ed0_wari.set_text("50");
    f1.Edit6.set_text("500000");
    EXPECT_EQ(f1.Ed0_moto.text(), "1500000");
    EXPECT_EQ(f1.Ed0_wari.text(), "33.3333333333333");
    EXPECT_EQ(f1.Edit106.text(), "500000");
}

// A 30-day payment charged by days: 1,000,000 × 2.325 % / 365 × 30 = 1,910.96 → 1,910.
class DayInterest : public AppTest {
protected:
    void one_month_step_by_days() {
        f1.Ed1_mm5.set_text("1");
        f1.But_mHiri.click();
        f1.RadioButton4.click();
    }
};

TEST_F(DayInterest, ReplacesThePaymentsInterest) {
    one_month_step_by_days();
    EXPECT_TRUE(f1.Panel7.visible());
    EXPECT_EQ(f1.Edit15.text(), "1910");
    EXPECT_EQ(f1.Edit16.text(), "7437");  // 9,347 − 1,910
    EXPECT_EQ(f1.Label206.caption(), "30日");
    EXPECT_EQ(f1.Panel7.color(), Color::Magenta);
}

TEST_F(DayInterest, RowIsMarkedWithTheDayCount) {
    one_month_step_by_days();
    f1.Button1.click();
    EXPECT_EQ(app.cur.StGr1.cell(2, 13), "Dx30");
    EXPECT_TRUE(f1.RadioButton3.checked()) << "the next step is charged monthly again";
}

TEST_F(DayInterest, PrincipalFirstKeepsThePrincipalPart) {
    one_month_step_by_days();
    // Principal part under the monthly rate: 9,347 − 1,937 = 7,410.
    f1.Button139.click();
    EXPECT_EQ(f1.Edit4.text(), "9320");  // 1,910 + 7,410
    EXPECT_EQ(f1.Edit16.text(), "7410");
    f1.Button1.click();
    EXPECT_EQ(app.cur.StGr1.cell(2, 13), "Do30");
    EXPECT_EQ(f1.Button139.tag(), 0);
}

// The bonus part of a one-payment step by days: 1,000,000 yen for 30 days is 1,910 yen, as
// for the monthly part.
TEST_F(AppTest, BonusDayInterestReplacesTheBonusPaymentsInterest) {
    f1.Label187.set_tag(3);
    f1.Ed0_moto.set_text("2000000");
    f1.Ed0_wari.set_text("50");
    ASSERT_EQ(f1.Edit14.text(), "1");
    f1.But_bHiri.click();
    f1.Edit29.set_text("30");
    f1.RadioButton12.click();
    EXPECT_EQ(f1.Edit17.text(), "1910");
    const long long instalment = std::stoll(f1.Edit9.text());
    EXPECT_EQ(f1.Edit18.text(), std::to_string(instalment - 1910));
    EXPECT_EQ(f1.Edit10.text(), std::to_string(1000000 - (instalment - 1910)));
    EXPECT_EQ(f1.Edit22.text(), "1910");
}

TEST_F(AppTest, FirstBonusAfterThreeMonthsUsesTheThreeMonthRate) {
    f1.Label187.set_tag(3);
    f1.Ed0_moto.set_text("2000000");
    f1.Ed0_wari.set_text("50");
    EXPECT_EQ(f1.Edit14.text(), "1");
    EXPECT_EQ(f1.LabK9_b.text(), "3");
    // 1,000,000 × 2.325 / 12 × 3 % = 5,812.5 → 5,812 on the first bonus.
    EXPECT_EQ(f1.Edit17.text(), "5812");
    f1.Button1.click();
    f1.Button1.click();
    f1.Button15.click();
    const Grid& bonus = app.cur.StGr2;
    EXPECT_EQ(bonus.cell(2, 0), "3");
    EXPECT_EQ(bonus.cell(3, 0), "9");
    EXPECT_EQ(bonus.cell(bonus.row_count() - 1, 0), "9") << "12 + 3 − 6";
    EXPECT_EQ(bonus.cell(bonus.row_count() - 1, 1), "経");
}

TEST_F(AppTest, StepLengthFromYearsAndMonths) {
    f1.Ed1_yy5.set_text("1");
    EXPECT_EQ(f1.Edit13.text(), "18");
    EXPECT_EQ(f1.Edit14.text(), "3");
    EXPECT_EQ(f1.Ed1_yy5.text(), "1");
    EXPECT_EQ(f1.Ed1_mm5.text(), "6");
    EXPECT_EQ(f1.Ed1_yy9.text(), "1");
    EXPECT_EQ(f1.Ed1_mm9.text(), "6");
}

TEST_F(AppTest, MemoryStoresAndRecallsTheBasicSettings) {
    f1.Ed0_moto.set_text("5000000");
    f1.Ed0_nen.set_text("20");
    f1.Button110.click();
    EXPECT_TRUE(f1.Button111.enabled());
    f1.Ed0_moto.set_text("7000000");
    f1.Ed0_nen.set_text("25");
    f1.Button111.click();
    EXPECT_EQ(f1.Ed0_moto.text(), "5000000");
    EXPECT_EQ(f1.Ed0_nen.text(), "20");
    EXPECT_EQ(f1.Ed1_Mzankaisu.text(), "240");
}

TEST_F(AppTest, LastInstalmentsComeBackWithTheButton) {
    f1.Button1.click();
    f1.Edit4.set_text("12000");
    EXPECT_TRUE(f1.Button21.visible());
    EXPECT_EQ(f1.Button21.hint(), "メモ記載直前の均等返済額のコピー  (月返済＝9347　ﾎﾞｰﾅｽ返済＝0)");
    f1.Button21.click();
    EXPECT_EQ(f1.Edit4.text(), "9347");
    EXPECT_FALSE(f1.Button21.visible());
    // The hint follows the instalment committed last.
    f1.Edit4.set_text("12000");
    f1.Button1.click();
    f1.Edit4.set_text("13000");
    EXPECT_EQ(f1.Button21.hint(),
              "メモ記載直前の均等返済額のコピー  (月返済＝12000　ﾎﾞｰﾅｽ返済＝0)");
}

TEST_F(AppTest, KeyFilterDropsLettersWithAWarning) {
    f1.Ed0_moto.set_text("");
    platform.take_log();
    EXPECT_FALSE(f1.Ed0_moto.key_press(U'a'));
    EXPECT_EQ(platform.take_log(), std::vector<std::string>{"beep warning"});
    for (char32_t k : {U'1', U'.', U'5'})
        f1.Ed0_moto.key_press(k);
    EXPECT_EQ(f1.Ed0_moto.text(), "1.5");
}

}  // namespace
}  // namespace rebanto
