// The down-payment dialogs: the target instalment cut to the unit and lowered by rank,
// the principal that leaves exactly 0 yen after the last instalment, checked against the
// exact loan and against the schedule the program records to the end.
#include "calculator_fixture.h"

namespace rebanto {
namespace {

using testing::balance_after;
using testing::CalculatorTest;
using testing::exact_instalment;
using testing::PeriodRate;
using testing::smallest_principal_reaching;

constexpr PeriodRate kMonthly = PeriodRate::monthly(2'325);
constexpr PeriodRate kHalfYearly = PeriodRate::half_yearly(2'325);

// The first principal that pays exactly `instalment` and leaves nothing after n payments;
// 0 when none does.
std::int64_t first_zeroing_principal(std::int64_t instalment, int n, PeriodRate c) {
    const std::int64_t p0 = smallest_principal_reaching(instalment, n, c);
    const std::int64_t p1 = smallest_principal_reaching(instalment + 1, n, c);
    for (std::int64_t p = p0; p < p1; ++p) {
        if (balance_after(p, instalment, n, c, 100) == 0) return p;
    }
    return 0;
}

class DownPayment : public CalculatorTest {
protected:
    TForm6& dlg = app.down_payment;
    TForm9& bonus_dlg = app.down_payment_bonus;

    // The last row of a current table before its totals row.
    static const Grid& last_payment_row(const Grid& table, int& row) {
        row = -1;
        for (int r = 2; r < table.row_count(); ++r) {
            if (table.cell(r, 13) == "K") {
                row = r - 1;
                break;
            }
        }
        return table;
    }
};

TEST_F(DownPayment, ASalePriceOf35MillionGetsAnInstalmentOfWholeHundredsAndNothingLeftOver) {
    loan("35000000", "2.325", "35");
    f1.Button136.click();
    EXPECT_EQ(dlg.Edit1.text(), "35000000");
    dlg.RadioButton3.click();  // 100 yen
    dlg.Button8.click();
    EXPECT_TRUE(platform.take_log().empty());

    // 35,000,000 yen pays 121,864 a month; cut to 100 yen that is 121,800.
    const std::int64_t cut = exact_instalment(35'000'000, 420, kMonthly) / 100 * 100;
    ASSERT_EQ(cut, 121'800);
    const std::int64_t principal = first_zeroing_principal(cut, 420, kMonthly);
    ASSERT_NE(principal, 0);
    EXPECT_EQ(dlg.Label4.caption(), "最終元金残０円化成功");
    EXPECT_EQ(dlg.Label4.font_color(), Color::Blue);
    EXPECT_EQ(yen(dlg.Edit3), 35'000'000 - principal);
    EXPECT_EQ(yen(f1.Ed0_moto), principal);
    EXPECT_EQ(yen(f1.Edit4), cut);

    // The loan recorded to the end: every instalment 121,800, nothing left after the last.
    int last = -1;
    const Grid& table = last_payment_row(app.cur.StGr1, last);
    ASSERT_GT(last, 2);
    EXPECT_EQ(table.cell(last, 0), "420");
    EXPECT_EQ(table.cell(last, 12), "0");
    for (int r = 2; r <= last; ++r)
        ASSERT_EQ(table.cell(r, 6), "121800") << "row " << r;
    EXPECT_EQ(f1.PageControl1.active_page(), &f1.TabSheet3);
    EXPECT_EQ(f1.Edit13.text(), "6") << "the step length is back";
    EXPECT_EQ(bonus_dlg.Edit6.text(), dlg.Edit3.text()) << "no bonus down payment";
}

TEST_F(DownPayment, TheTargetIsTheInstalmentCutToTheUnitLessTheRank) {
    // A sale price whose instalment is 70,456 yen.
    const std::int64_t sale = smallest_principal_reaching(70'456, 120, kMonthly);
    loan(std::to_string(sale), "2.325", "10");
    ASSERT_EQ(f1.Edit4.text(), "70456");
    f1.Button136.click();
    dlg.RadioButton3.click();
    dlg.Button8.click();
    EXPECT_EQ(f1.Edit4.text(), "70400");
    const std::int64_t p = yen(f1.Ed0_moto);
    EXPECT_GE(p, smallest_principal_reaching(70'400, 120, kMonthly));
    EXPECT_LT(p, smallest_principal_reaching(70'401, 120, kMonthly));

    dlg.Edit1.set_text(std::to_string(sale));
    dlg.Button5.click();  // rank 1
    EXPECT_EQ(dlg.Edit4.text(), "1");
    dlg.Button8.click();
    EXPECT_EQ(f1.Edit4.text(), "70300");
}

TEST_F(DownPayment, AMinimumAboveTheDecidedDownPaymentLowersTheInstalmentOneRankOnce) {
    loan("35000000", "2.325", "35");
    // With the minimum the principal is the first that pays 121,800, so the principal that
    // zeroes the balance lies above it and the down payment falls short of the minimum.
    const std::int64_t p0 = smallest_principal_reaching(121'800, 420, kMonthly);
    ASSERT_GT(first_zeroing_principal(121'800, 420, kMonthly), p0);
    f1.Button136.click();
    dlg.RadioButton3.click();
    dlg.Edit2.set_text(std::to_string(35'000'000 - p0));
    EXPECT_EQ(yen(f1.Edit1), p0) << "the minimum comes off the principal at once";
    dlg.Button8.click();
    EXPECT_EQ(dlg.Edit4.text(), "1");
    EXPECT_EQ(f1.Edit4.text(), "121700");
    EXPECT_EQ(yen(dlg.Edit3), 35'000'000 - first_zeroing_principal(121'700, 420, kMonthly));
    EXPECT_GT(yen(dlg.Edit3), yen(dlg.Edit2));
}

TEST_F(DownPayment, WhenNoPrincipalZeroesTheBalanceTheLastOneTriedStandsWithItsRemainder) {
    // 28,000,000 over 35 years pays 97,4xx: no principal paying 97,400 leaves exactly 0.
    loan("28000000", "2.325", "35");
    ASSERT_EQ(first_zeroing_principal(97'400, 420, kMonthly), 0);
    f1.Button136.click();
    dlg.RadioButton3.click();
    dlg.Button8.click();
    const std::int64_t last_tried = smallest_principal_reaching(97'401, 420, kMonthly) - 1;
    const std::int64_t remainder = balance_after(last_tried, 97'400, 420, kMonthly, 100);
    EXPECT_EQ(yen(f1.Edit1), last_tried);
    EXPECT_EQ(yen(f1.Edit5), remainder);
    EXPECT_EQ(dlg.Label4.caption(), "残念！０円化不可=誤差" + std::to_string(remainder) + "円");
    EXPECT_EQ(dlg.Label4.font_color(), Color::Red);
    EXPECT_EQ(yen(dlg.Edit3), 28'000'000 - last_tried);
    EXPECT_EQ(f1.PageControl1.active_page(), &f1.TabSheet1);
    EXPECT_EQ(f1.Edit13.text(), "420") << "the whole term stays for the user to judge";
}

TEST_F(DownPayment, WhenNoPrincipalSeparatesTheTwoInstalmentsTheLoopDoesNotRun) {
    // One month at 12 %: 1,100 yen pays 1,111, and 1,099 pays 1,109, so no principal pays
    // 1,110 and the principals for 1,110 and 1,111 are both 1,100. Interest on 1,100 cut to
    // 1,000 yen is 10, so the payment overpays by 1 yen.
    f1.Furi1000.click();
    f1.Edit13.set_text("1");
    loan("1105", "12", "0");
    f1.Ed0_tuki.set_text("1");
    ASSERT_EQ(f1.Edit4.text(), "1116");
    f1.Button136.click();
    dlg.Edit1.set_text("1105");
    dlg.Button8.click();  // 10 yen: the target is 1,110
    EXPECT_EQ(f1.Edit1.text(), "1100");
    EXPECT_EQ(f1.Edit4.text(), "1111");
    EXPECT_EQ(dlg.Label4.caption(), "残念！０円化不可=誤差-1円");
    EXPECT_EQ(dlg.Label4.font_color(), Color::Red);
    EXPECT_EQ(dlg.Edit3.text(), "5");
    EXPECT_EQ(f1.PageControl1.active_page(), &f1.TabSheet1) << "the calculation page stays";
}

TEST_F(DownPayment, CancelPutsTheSalePriceBackAsThePrincipal) {
    loan("35000000", "2.325", "35");
    f1.Button136.click();
    dlg.RadioButton3.click();
    dlg.Button8.click();
    ASSERT_NE(f1.Ed0_moto.text(), "35000000");
    dlg.Button3.click();
    EXPECT_FALSE(dlg.visible());
    EXPECT_EQ(f1.Edit1.text(), "35000000");
    EXPECT_EQ(f1.Edit13.text(), "6");
    // Closing the window is the same.
    f1.Button136.click();
    dlg.Edit2.set_text("1000000");
    ASSERT_EQ(f1.Edit1.text(), "34000000");
    dlg.close();
    EXPECT_FALSE(dlg.visible());
    EXPECT_EQ(f1.Edit1.text(), "35000000");
}

TEST_F(DownPayment, OkKeepsThePrincipalFoundAndPutsBackTheStepLength) {
    loan("35000000", "2.325", "35");
    f1.Edit13.set_text("12");
    f1.Button136.click();
    dlg.RadioButton3.click();
    dlg.Button8.click();
    const std::string found = f1.Edit1.text();
    dlg.Button4.click();
    EXPECT_FALSE(dlg.visible());
    EXPECT_EQ(f1.Edit1.text(), found);
    EXPECT_EQ(f1.Edit13.text(), "12");
}

TEST_F(DownPayment, OpeningChoosesTenYenAndOffersOnlyUnitsBelowTheInstalment) {
    loan("35000000", "2.325", "35");  // 121,864 a month
    dlg.Edit4.set_text("3");
    f1.Button136.click();
    EXPECT_TRUE(dlg.visible());
    EXPECT_TRUE(dlg.RadioButton2.checked());
    EXPECT_EQ(dlg.unit(), 10);
    EXPECT_EQ(dlg.Edit4.text(), "0") << "a new unit starts at rank 0";
    EXPECT_EQ(dlg.Edit5.text(), "6");
    EXPECT_TRUE(dlg.RadioButton6.enabled());   // 100,000 yen
    EXPECT_FALSE(dlg.RadioButton7.enabled());  // 1,000,000 yen
    EXPECT_TRUE(dlg.RadioButton1.enabled());
    EXPECT_EQ(f1.PageControl1.active_page(), &f1.TabSheet1);
}

TEST_F(DownPayment, TheRankStepsUpAndDownButNotBelowZero) {
    dlg.Button5.click();
    dlg.Button5.click();
    EXPECT_EQ(dlg.Edit4.text(), "2");
    dlg.Button5.right_click();
    dlg.Button5.right_click();
    dlg.Button5.right_click();
    EXPECT_EQ(dlg.Edit4.text(), "0");
    dlg.Button5.click();
    dlg.RadioButton4.click();
    EXPECT_EQ(dlg.Edit4.text(), "0") << "choosing a unit resets the rank";
}

TEST_F(DownPayment, ARankBelowZeroInstalmentIsOutOfReachAndNothingIsLeftMoved) {
    loan("35000000", "2.325", "35", "20");
    f1.Button136.click();
    dlg.RadioButton3.click();
    dlg.Edit4.set_text("2000");  // 200,000 yen below the instalment: a target below zero
    const auto before = inputs();
    dlg.Button8.click();
    EXPECT_EQ(platform.take_log(), std::vector<std::string>{kOutOfReach});
    EXPECT_EQ(inputs(), before);
}

TEST_F(DownPayment, ASalePriceThatIsNoNumberIsNamedBeforeAnythingMoves) {
    loan("35000000", "2.325", "35");
    f1.Button136.click();
    dlg.Edit1.set_text("3500万");
    const auto before = inputs();
    dlg.Button8.click();
    EXPECT_EQ(
        platform.take_log(),
        std::vector<std::string>{"error 入力欄 Edit1 の「3500万」は有効な数値ではありません"});
    EXPECT_EQ(inputs(), before);
}

TEST_F(DownPayment, TheBonusDialogWorksOnTheBonusPartAndAddsBothDownPayments) {
    loan("35000000", "2.325", "35", "20");
    f1.Button141.click();
    EXPECT_EQ(bonus_dlg.Edit1.text(), "7000000");
    bonus_dlg.RadioButton3.click();
    bonus_dlg.Edit4.set_text("12");
    bonus_dlg.Button8.click();
    // Seventy half-yearly payments; the bonus instalment of 7,000,000 cut to 100 yen, 12
    // ranks lower.
    const std::int64_t cut = exact_instalment(7'000'000, 70, kHalfYearly) / 100 * 100 - 1'200;
    const std::int64_t principal = first_zeroing_principal(cut, 70, kHalfYearly);
    ASSERT_NE(principal, 0);
    EXPECT_EQ(bonus_dlg.Label4.caption(), "最終元金残０円化成功");
    EXPECT_EQ(yen(f1.Edit6), principal);
    EXPECT_EQ(yen(f1.Edit9), cut);
    EXPECT_EQ(f1.Edit1.text(), "28000000") << "the monthly part is untouched";
    int last = -1;
    const Grid& table = last_payment_row(app.cur.StGr2, last);
    ASSERT_GT(last, 2);
    EXPECT_EQ(table.cell(last, 12), "0");
    EXPECT_EQ(f1.PageControl1.active_page(), &f1.TabSheet4);

    f1.Button136.click();
    dlg.Edit1.set_text("28000000");
    dlg.RadioButton3.click();
    dlg.Edit4.set_text("1");
    dlg.Button8.click();
    EXPECT_EQ(yen(bonus_dlg.Edit6), yen(bonus_dlg.Edit3) + yen(dlg.Edit3));
    EXPECT_EQ(yen(dlg.Edit3), 28'000'000 - first_zeroing_principal(97'300, 420, kMonthly));
}

}  // namespace
}  // namespace rebanto
