// Replays that change nothing must give back the tables they started from, and totals rows
// that always add up to the rows above them.
//
// The loan: 30,000,000 yen at 2.325 % over 35 years, 20 % bonus share, loan date 2001/05/21
// and first monthly payment 2001/06/20. Worked out apart from the program: 30 days on
// 24,000,000 yen at 2.325 % are 45,863.01 yen, cut to 45,863, against a regular first month
// of 46,500: a first-payment difference of −637. The plain monthly schedule (83,564 a month)
// has 11,096,677 yen of interest in all and 277,917 in its first six months.
#include "navigator_fixture.h"

namespace rebanto::testing {
namespace {

constexpr long long kPlainInterest = 11'096'677;
constexpr long long kDifference = -637;

class ReplayIdentity : public NavigatorTest {
protected:
    void set_default_dates() {
        main.MsEd8_yusi.set_text("2001/05/21");
        main.MsEd8_mon.set_text("2001/06/20");
        main.MsEd8_bon.set_text("2001/07/20");
    }
    // The loan entered after its dates, and its first-payment differences worked out.
    void enter_loan_with_differences() {
        set_default_dates();
        main.Ed0_moto.set_text("30000000");
        main.Ed0_kin.set_text("2.325");
        main.Ed0_nen.set_text("35");
        main.Ed0_wari.set_text("20");
        main.Button50.click();
    }
    static long long interest_of_rows(const Grid& t) {
        long long sum = 0;
        for (int r = 2; r < t.row_count(); ++r) {
            if (t.cell(r, 13) == "K" || t.cell(r, 1) == "内") continue;
            sum += std::stoll(t.cell(r, 10));
        }
        return sum;
    }
    static int totals_row(const Grid& t) {
        for (int r = t.row_count() - 1; r >= 2; --r)
            if (t.cell(r, 13) == "K") return r;
        return -1;
    }
    void replay_both() {
        open_navigator();
        nav.Button9.click();
    }
};

// ---- Totals rows ----

TEST_F(ReplayIdentity, DatesSetBeforeTheLoanPutNothingIntoTheTotals) {
    set_default_dates();  // the difference is worked out on the principal then shown
    run_typical_loan(1);
    const int k = totals_row(StGr1);
    ASSERT_GT(k, 2);
    EXPECT_EQ(interest_of_rows(StGr1), kPlainInterest);
    EXPECT_EQ(StGr1.cell(k, 10), std::to_string(kPlainInterest));
}

// The differences worked out for this very loan, but no row corrected: neither the run
// nor a replay without the correction puts the −637 into the totals.
TEST_F(ReplayIdentity, AnUncorrectedTableAndItsReplayHavePlainTotals) {
    enter_loan_with_differences();
    run_typical_loan(1);
    EXPECT_EQ(StGr1.cell(2, 10), "46500");
    EXPECT_EQ(StGr1.cell(totals_row(StGr1), 10), std::to_string(kPlainInterest));
    ASSERT_EQ(nav.Label11.caption(), "補正無");
    replay_both();
    const int k = totals_row(StGr1);
    EXPECT_EQ(StGr1.cell(2, 10), "46500");
    EXPECT_EQ(interest_of_rows(StGr1), kPlainInterest);
    EXPECT_EQ(StGr1.cell(k, 10), std::to_string(kPlainInterest));
    EXPECT_EQ(StGr1.cell(k, 6), std::to_string(kPlainInterest + 24'000'000 + 203))
        << "paid: the interest and the principal repaid, 203 yen overpaid in the last month";
}

// ---- The first-payment correction replayed ----

TEST_F(ReplayIdentity, ACorrectedFirstRowOfSixInstalmentsReplaysUnchanged) {
    enter_loan_with_differences();
    run_typical_loan(6);
    main.Button51.click();
    main.Button52.click();
    open_navigator();
    nav.Label11.click();
    ASSERT_EQ(nav.Label11.caption(), "補正有");
    nav.Button9.click();
    // Six instalments in the first row: the instalment is the plain one, the interest of
    // the six months carries the difference once.
    EXPECT_EQ(StGr1.cell(2, 9), "6");
    EXPECT_EQ(StGr1.cell(2, 6), "83564");
    EXPECT_EQ(StGr1.cell(2, 10), std::to_string(277'917 + kDifference));
    EXPECT_EQ(StGr1.cell(2, 12), "23776533");
    const Rows monthly = rows_of(StGr1, 2);
    const Rows bonus = rows_of(StGr2, 2);
    for (int again = 0; again < 2; ++again) {
        replay_both();
        EXPECT_EQ(rows_of(StGr1, 2), monthly) << "replay " << again + 2;
        EXPECT_EQ(rows_of(StGr2, 2), bonus) << "replay " << again + 2;
    }
    const int k = totals_row(StGr1);
    EXPECT_EQ(StGr1.cell(k, 10), std::to_string(kPlainInterest + kDifference));
}

// ---- Unchanged control tables ----

// The settings row as the loan wrote it, but for the markers the navigator normalises and
// the work-name log, where every replay leaves its mark.
std::vector<std::string> settings_without_markers(const Grid& t) {
    std::vector<std::string> row = t.row_cells(1);
    for (int col : {1, 2, 9, 12})
        row[col].clear();
    return row;
}

struct Term {
    int years, months, step;
};

class OddTermReplay : public ReplayIdentity, public ::testing::WithParamInterface<Term> {};

// Terms that are not whole bonus periods: the bonus totals row keeps the month the loan
// ends (the loan's last month, not its last bonus month), the settings rows their
// instalments.
TEST_P(OddTermReplay, RebuildsBothTablesTextForText) {
    const Term term = GetParam();
    main.Ed0_moto.set_text("30000000");
    main.Ed0_kin.set_text("2.325");
    main.Ed0_nen.set_text(std::to_string(term.years));
    main.Ed0_tuki.set_text(std::to_string(term.months));
    main.Ed0_wari.set_text("20");
    main.Ed1_yy5.set_text(std::to_string(term.step / 12));
    main.Ed1_mm5.set_text(std::to_string(term.step % 12));
    main.Button18.click();
    const long long end = term.years * 12 + term.months;
    const Rows monthly = rows_of(StGr1, 2);
    const Rows bonus = rows_of(StGr2, 2);
    const auto monthly_settings = settings_without_markers(StGr1);
    const auto bonus_settings = settings_without_markers(StGr2);
    ASSERT_EQ(StGr2.cell(totals_row(StGr2), 0), std::to_string(end));
    for (int replay = 1; replay <= 2; ++replay) {
        replay_both();
        EXPECT_EQ(rows_of(StGr1, 2), monthly) << "replay " << replay;
        EXPECT_EQ(rows_of(StGr2, 2), bonus) << "replay " << replay;
        EXPECT_EQ(settings_without_markers(StGr1), monthly_settings) << "replay " << replay;
        EXPECT_EQ(settings_without_markers(StGr2), bonus_settings) << "replay " << replay;
    }
}

INSTANTIATE_TEST_SUITE_P(Terms, OddTermReplay,
                         ::testing::Values(Term{20, 5, 1}, Term{20, 5, 6}, Term{5, 3, 1},
                                           Term{5, 3, 6}, Term{35, 0, 1}));

// 2,000,000 yen prepaid with month 60, instalments kept: worked out apart, the balance
// after month 374 is 1,327 yen, at most 0.3 of an instalment, and the loan ends there.
TEST_F(ReplayIdentity, AShortenedTableEndsWithTheMonthTheLoanEnded) {
    run_typical_loan(1);
    open_navigator();
    select(row_of_month(nav.StringGrid1, "60"));
    nav.Edit5.set_text("2000000");
    nav.Button5.click();
    nav.Button8.click();
    int k = totals_row(StGr1);
    ASSERT_GT(k, 2);
    EXPECT_EQ(StGr1.cell(k - 1, 0), "374");
    EXPECT_EQ(StGr1.cell(k - 1, 12), "1327");
    EXPECT_EQ(StGr1.cell(k, 0), "374");
    const Rows first = rows_of(StGr1, 2);
    open_navigator();
    nav.Button8.click();
    EXPECT_EQ(rows_of(StGr1, 2), first);
}

}  // namespace
}  // namespace rebanto::testing
