// The end of a loan in a replay: a step of several months that keeps its instalment ends with
// the payment that pays the loan off, as steps of one month do; a prepayment larger than the
// principal left pays that principal, and one that finds the loan paid off is not made. The
// figures of the one-month schedule come from the independent reference schedule.
#include "base/numtext.h"
#include "navigator_fixture.h"
#include "reference_schedule.h"

namespace rebanto::testing {
namespace {

class PayOff : public NavigatorTest {
protected:
    void prepay_after(const std::string& month, const std::string& amount) {
        select(row_of_month(nav.StringGrid1, month));
        nav.Edit5.set_text(amount);
        nav.Button5.click();
    }

    // The last period row of a current table (no totals or prepayment rows).
    static int last_period_row(const Grid& t) {
        for (int r = t.row_count() - 1; r >= 2; --r)
            if (t.cell(r, 1) != "内" && t.cell(r, 13) != "K") return r;
        return -1;
    }

    static long long interest_up_to(const std::vector<RefRow>& rows, long long month) {
        long long sum = 0;
        for (const RefRow& row : rows)
            if (row.month <= month) sum += row.interest;
        return sum;
    }
};

TEST_F(PayOff, SixMonthStepsEndInTheMonthAndWithTheResidueOfOneMonthSteps) {
    RefLoan loan;
    loan.prepay_month = 60;
    loan.prepay_amount = 2'000'000;
    const auto monthly_steps = reference_schedule(loan);
    ASSERT_EQ(monthly_steps.back().month, 374);
    ASSERT_EQ(monthly_steps.back().after, 1327);

    run_typical_loan(6);
    open_navigator();
    prepay_after("60", "2000000");
    ASSERT_TRUE(nav.CheckBox1.checked());
    nav.Button8.click();

    // Rows end at 366 and 372; the next one pays months 373 and 374 only.
    const int last = last_period_row(StGr1);
    EXPECT_EQ(StGr1.cell(last, 0), "374");
    EXPECT_EQ(StGr1.cell(last, 9), "2");
    EXPECT_EQ(StGr1.cell(last, 12), "1327");
    EXPECT_EQ(StGr1.cell(last - 1, 0), "372");
    for (int r = 2; r <= last; ++r) {
        if (StGr1.cell(r, 1) == "内") continue;
        EXPECT_GE(to_int(StGr1.cell(r, 10)), 0) << "month " << StGr1.cell(r, 0);
    }
    // The totals are those of the one-month schedule: the same payments.
    const int totals = StGr1.row_count() - 1;
    EXPECT_EQ(StGr1.cell(totals, 13), "K");
    EXPECT_EQ(StGr1.cell(totals, 0), "374");
    EXPECT_EQ(StGr1.cell(totals, 10), std::to_string(interest_up_to(monthly_steps, 374)));
    EXPECT_EQ(StGr1.cell(totals, 11), "23998673");
    EXPECT_EQ(nav.StatusBar1.caption(), "");

    // Replayed again unchanged, the cut table gives itself back.
    const Rows cut = rows_of(StGr1, 2);
    open_navigator();
    nav.Button8.click();
    EXPECT_EQ(rows_of(StGr1, 2), cut);
}

TEST_F(PayOff, APrepaymentBeyondThePrincipalPaysThePrincipalAndNamesTheSurplus) {
    run_typical_loan(1);
    open_navigator();
    prepay_after("60", "30000000");
    nav.Button8.click();

    // Month 60 leaves 21,644,120 (the 2,000,000 prepayment leaves 19,644,120); the
    // surplus is 30,000,000 − 21,644,120.
    const int p = row_of_month(StGr1, "60") + 1;
    ASSERT_EQ(StGr1.cell(p, 1), "内");
    EXPECT_EQ(StGr1.cell(p, 11), "21644120");
    EXPECT_EQ(StGr1.cell(p, 12), "0");
    EXPECT_EQ(StGr1.cell(p, 13), "U同時 超過分8,355,880円");
    EXPECT_EQ(StGr1.cell(p + 1, 13), "K");  // nothing after the loan is paid off
    EXPECT_EQ(StGr1.cell(p + 1, 11), "24000000");
    EXPECT_EQ(StGr1.cell(p + 1, 10), std::to_string(interest_up_to(reference_schedule({}), 60)));
    const std::string& status = nav.StatusBar1.caption();
    EXPECT_NE(status.find("（月回 60）"), std::string::npos) << status;
    EXPECT_NE(status.find("超過分 8,355,880円"), std::string::npos) << status;
    EXPECT_EQ(nav.ReplayStopReason, "");

    // The remark stays through a replay of the result.
    const Rows paid = rows_of(StGr1, 2);
    open_navigator();
    nav.Button8.click();
    EXPECT_EQ(rows_of(StGr1, 2), paid);
}

TEST_F(PayOff, APrepaymentAfterThePayOffIsNotWrittenAndTheStatusBarNamesIt) {
    run_typical_loan(1);
    open_navigator();
    prepay_after("400", "1000000");
    prepay_after("60", "2000000");
    const int dropped = row_of_month(nav.StringGrid1, "400") + 1;
    nav.Button8.click();

    // The loan ends in month 374, as with the one prepayment alone.
    for (int r = 2; r < StGr1.row_count(); ++r)
        EXPECT_FALSE(StGr1.cell(r, 1) == "内" && StGr1.cell(r, 0) == "400");
    const int totals = StGr1.row_count() - 1;
    EXPECT_EQ(StGr1.cell(totals, 13), "K");
    EXPECT_EQ(StGr1.cell(totals, 0), "374");
    EXPECT_EQ(StGr1.cell(totals, 11), "23998673");
    EXPECT_EQ(nav.StatusBar1.caption(), "月制御表の" + std::to_string(dropped) +
                                            "行目（月回 400）：月々の内入 1,000,000円：完済後の"
                                            "ため記載しませんでした");
    EXPECT_EQ(nav.ReplayStopReason, "");
}

// Where a loan of 1,000,000 yen at 5 % over 35 years ends, charged on balances cut to 10,000
// yen, run to the end ("最後まで") in steps of `step` months and maybe replayed unchanged after.
struct LoanEnd {
    std::string month, in_row, after;
};

LoanEnd coarse_loan_end(int step, bool replayed) {
    TempFolder folder;
    HeadlessPlatform platform;
    platform.set_today(Date{2026, 12, 8});
    App app(platform, AppOptions{folder.path()});
    app.start();
    TForm1& main = app.main;
    main.Furi10000.set_checked(true);
    main.Ed0_moto.set_text("1000000");
    main.Ed0_kin.set_text("5");
    main.Ed0_nen.set_text("35");
    main.Ed0_wari.set_text("0");
    main.Ed1_yy5.set_text("0");
    main.Ed1_mm5.set_text(std::to_string(step));
    main.Button18.click();
    if (replayed) {
        main.Button107.click();
        app.navigator.Button8.click();
    }
    const Grid& t = app.cur.StGr1;
    for (int r = t.row_count() - 1; r >= 2; --r) {
        if (t.cell(r, 1) != "内" && t.cell(r, 13) != "K")
            return {t.cell(r, 0), t.cell(r, 9), t.cell(r, 12)};
    }
    return {};
}

// A coarse accrual unit charges less interest than the instalment was worked out for, and
// the loan is paid off before its term. "最後まで" in six-month steps pays the last period
// whole; its replay ends the loan where one-month steps end it.
// The instalment is 5,046 yen; the interest charged falls short of the annuity's by up to
// 10,000 × 5 % / 12 ≈ 41 yen a month, and one-month steps end in month 416, 3,024 yen over
// (worked out with exact fractions, apart from the program).
TEST_F(PayOff, AReplayCutsTheLastPeriodOfACoarseAccrualUnitToTheOneMonthEnd) {
    const LoanEnd one_month = coarse_loan_end(1, false);
    EXPECT_EQ(one_month.month, "416");
    EXPECT_EQ(one_month.after, "-3024");
    const LoanEnd six_months = coarse_loan_end(6, false);
    const LoanEnd replayed = coarse_loan_end(6, true);
    EXPECT_EQ(six_months.month, "420");
    EXPECT_LT(to_int(six_months.after), 0);
    EXPECT_EQ(replayed.month, one_month.month);
    EXPECT_EQ(replayed.after, one_month.after);
    EXPECT_EQ(replayed.in_row, "2");  // months 415 and 416
}

TEST_F(PayOff, OnlyACellThatStopsTheReplayIsAStop) {
    run_typical_loan(1);
    open_navigator();
    nav.StringGrid1.set_cell(row_of_month(nav.StringGrid1, "100"), 4, "2.3x");
    nav.Button8.click();
    EXPECT_NE(nav.ReplayStopReason.find("2.3x"), std::string::npos);
    EXPECT_EQ(nav.ReplayStopReason, nav.StatusBar1.caption());
}

}  // namespace
}  // namespace rebanto::testing
