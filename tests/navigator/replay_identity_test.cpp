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

TEST_F(ReplayIdentity, AnUncorrectedReplayOfACorrectedTableHasPlainTotals) {
    set_default_dates();
    main.Ed0_moto.set_text("30000000");
    main.Ed0_kin.set_text("2.325");
    main.Ed0_nen.set_text("35");
    main.Ed0_wari.set_text("20");
    main.Button50.click();
    run_typical_loan(1);
    main.Button51.click();  // the first row corrected by −637, the totals with it
    int k = totals_row(StGr1);
    EXPECT_EQ(StGr1.cell(2, 10), std::to_string(46'500 + kDifference));
    EXPECT_EQ(StGr1.cell(k, 10), std::to_string(kPlainInterest + kDifference));
    ASSERT_EQ(nav.Label11.caption(), "補正無");
    replay_both();  // without the correction the first row is plain again, and so are totals
    k = totals_row(StGr1);
    EXPECT_EQ(StGr1.cell(2, 10), "46500");
    EXPECT_EQ(interest_of_rows(StGr1), kPlainInterest);
    EXPECT_EQ(StGr1.cell(k, 10), std::to_string(kPlainInterest));
    EXPECT_EQ(StGr1.cell(k, 6), std::to_string(kPlainInterest + 24'000'000 + 203))
        << "paid: the interest and the principal repaid, 203 yen overpaid in the last month";
}

// ---- The first-payment correction replayed ----

TEST_F(ReplayIdentity, ACorrectedFirstRowOfSixInstalmentsReplaysUnchanged) {
    set_default_dates();
    main.Ed0_moto.set_text("30000000");
    main.Ed0_kin.set_text("2.325");
    main.Ed0_nen.set_text("35");
    main.Ed0_wari.set_text("20");
    main.Button50.click();
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

}  // namespace
}  // namespace rebanto::testing
