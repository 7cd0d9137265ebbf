// Copying a loan into the composite and merging a second one: months matched, rows taken
// alone, the new principal of each loan, totals rows, labels, month display, and sums that
// agree with the two loans worked out by hand.
#include "composite_fixture.h"

namespace rebanto {
namespace {

using testing::CompositeTest;

class MergeTest : public CompositeTest {
protected:
    // Loan A copied, loan B merged, no slot selected (the mouse passed over the page).
    void merge_a_and_b() {
        f1.TabSheet7.hover();
        write_loan(cur.StGr1, loan_a);
        f1.copy_into_composite(false);
        write_loan(cur.StGr1, loan_b);
        f1.merge_into_composite(false);
    }
    // A and B, each with a bonus part every six months, copied and merged on both sides.
    void two_loans_with_bonus_parts() {
        write_loan(cur.StGr1, loan_a);
        write_loan(cur.StGr2, {6, 120, 600'000, 500, 30'000, 6});
        f1.copy_into_composite(false);
        f1.copy_into_composite(true);
        write_loan(cur.StGr1, loan_b);
        write_loan(cur.StGr2, {66, 180, 900'000, 800, 45'000, 6});
        f1.merge_into_composite(false);
        f1.merge_into_composite(true);
    }
    Grid& c = app.main.StringGrid3;
    static constexpr int kFirst = 3;  // two head rows
};

TEST_F(MergeTest, MonthsAloneSummedAndAloneAgain) {
    merge_a_and_b();
    // 60 months of A, 60 summed, A's totals row, 60 months of B, B's totals row.
    ASSERT_EQ(c.row_count(), kFirst + 60 + 60 + 1 + 60 + 1);
    const int r1 = row_of_month(c, kFirst, 1);
    EXPECT_EQ(r1, kFirst);
    EXPECT_EQ(c.cell(r1, 3), "1320000");
    EXPECT_EQ(c.cell(r1, 6), "12000");
    EXPECT_EQ(c.cell(r1, 4), "①2");
    // Month 61: A has repaid 60 × 11,000 of 1,320,000; B starts with 2,400,000.
    const int r61 = row_of_month(c, kFirst, 61);
    EXPECT_EQ(r61, kFirst + 60);
    EXPECT_EQ(c.cell(r61, 3), "3060000");
    EXPECT_EQ(c.cell(r61, 6), "37000");
    EXPECT_EQ(c.cell(r61, 8), "6000");
    EXPECT_EQ(c.cell(r61, 10), "6000");
    EXPECT_EQ(c.cell(r61, 11), "31000");
    EXPECT_EQ(c.cell(r61, 12), "3029000");
    EXPECT_EQ(c.cell(r61, 4), "①2②2");
    // Month 120: A's last month with B's 60th.
    const int r120 = row_of_month(c, kFirst, 120);
    EXPECT_EQ(c.cell(r120, 3), n(11'000 + 1'220'000));
    EXPECT_EQ(c.cell(r120, 12), n(0 + 1'200'000));
    // Month 121 onwards: B alone.
    const int r121 = row_of_month(c, kFirst, 121);
    EXPECT_EQ(c.cell(r121, 3), "1200000");
    EXPECT_EQ(c.cell(r121, 6), "25000");
    EXPECT_EQ(c.cell(r121, 4), "②2");
    EXPECT_EQ(c.cell(c.row_count() - 2, 0), "180");
}

TEST_F(MergeTest, NewPrincipalAtEachLoansFirstMonth) {
    merge_a_and_b();
    long long arising = 0;
    for (int r = kFirst; r < c.row_count(); ++r) {
        const long long v = std::stoll(c.cell(r, 17));
        if (c.cell(r, 0) == "1" && c.cell(r, 13).empty()) {
            EXPECT_EQ(v, 1'320'000);
        } else if (c.cell(r, 0) == "61") {
            EXPECT_EQ(v, 2'400'000);
        } else {
            EXPECT_EQ(v, 0) << "row " << r;
        }
        arising += v;
    }
    EXPECT_EQ(arising, 3'720'000);
}

TEST_F(MergeTest, TotalsRowsAreNeverSummedAndShowTheMonthAbove) {
    merge_a_and_b();
    std::vector<int> totals;
    for (int r = kFirst; r < c.row_count(); ++r) {
        if (c.cell(r, 13).find('K') != std::string::npos) totals.push_back(r);
    }
    ASSERT_EQ(totals.size(), 2u);
    // A's totals row stands alone after month 120, with A's own totals.
    EXPECT_EQ(c.cell(totals[0], 13), "K");
    EXPECT_EQ(c.cell(totals[0], 0), "120");
    EXPECT_EQ(c.cell(totals[0], 0), c.cell(totals[0] - 1, 0));
    EXPECT_EQ(c.cell(totals[0], 1), c.cell(totals[0] - 1, 1));
    EXPECT_EQ(c.cell(totals[0], 10), "120000");
    EXPECT_EQ(c.cell(totals[0], 11), "1320000");
    EXPECT_EQ(c.cell(totals[1], 0), "180");
    EXPECT_EQ(c.cell(totals[1], 10), "600000");
}

TEST_F(MergeTest, SumsAgreeWithTheTwoLoansToTheYen) {
    merge_a_and_b();
    // Interest: A 120 × 1,000, B 120 × 5,000; principal: both loans whole.
    EXPECT_EQ(column_sum(c, kFirst, 10), 120'000 + 600'000);
    EXPECT_EQ(column_sum(c, kFirst, 11), 1'320'000 + 2'400'000);
    EXPECT_EQ(column_sum(c, kFirst, 6), 120 * 12'000 + 120 * 25'000);
    EXPECT_EQ(column_sum(c, kFirst, 10), column_sum(cur.StGr1, 2, 10) + 120'000);
}

TEST_F(MergeTest, HeadRowsCarryTheLabelsAndTheLoans) {
    merge_a_and_b();
    EXPECT_EQ(f1.CompositeCountM, 2);
    EXPECT_EQ(c.cell(0, 17), "新規発生元金");
    EXPECT_EQ(c.cell(0, 20), "元金残総額");
    EXPECT_EQ(c.cell(1, 0), "①表");
    EXPECT_EQ(c.cell(1, 3), "1320000");
    EXPECT_EQ(c.cell(1, 7), "月返済①表");
    EXPECT_EQ(c.cell(2, 0), "②表");
    EXPECT_EQ(c.cell(2, 3), "2400000");
    EXPECT_EQ(c.cell(2, 6), "25000");
    EXPECT_EQ(c.cell(2, 7), "月返済②表");
    EXPECT_EQ(c.cell(2, 8), "************");
}

TEST_F(MergeTest, RunningTotalsStartAtRowThree) {
    merge_a_and_b();
    f1.Button138.click();
    for (int r = 1; r <= 2; ++r) {
        for (int col = 14; col <= 20; ++col)
            EXPECT_EQ(c.cell(r, col), "") << r << "," << col;
    }
    EXPECT_EQ(c.cell(3, 18), "1000");
    EXPECT_EQ(c.cell(3, 19), "11000");
    EXPECT_EQ(c.cell(3, 20), "1309000");
    // Month 120: 120 months of A and 60 of B paid.
    const int r120 = row_of_month(c, kFirst, 120);
    EXPECT_EQ(c.cell(r120, 18), n(120 * 1'000 + 60 * 5'000));
    EXPECT_EQ(c.cell(r120, 19), n(120 * 11'000 + 60 * 20'000));
    EXPECT_EQ(c.cell(r120, 20), n(3'720'000 - 2'520'000));
    // The totals row after it repeats them; the last row owes nothing.
    EXPECT_EQ(c.cell(r120 + 1, 20), c.cell(r120, 20));
    EXPECT_EQ(c.cell(c.row_count() - 1, 18), "720000");
    EXPECT_EQ(c.cell(c.row_count() - 1, 20), "0");
    EXPECT_EQ(c.selected_col(), 20);
}

TEST_F(MergeTest, ASlotLabelsEveryComponentItAdds) {
    f1.select_slot(4);
    two_loans_with_bonus_parts();
    EXPECT_EQ(f1.StringGrid3.cell(1, 0), "④表");
    EXPECT_EQ(f1.StringGrid3.cell(2, 0), "④表");
    EXPECT_EQ(f1.StringGrid4.cell(1, 0), "⑭表");
    EXPECT_EQ(f1.StringGrid4.cell(2, 0), "⑭表");
    EXPECT_EQ(f1.StringGrid4.cell(2, 7), "ﾎﾞｰﾅｽ返済⑭表");
}

TEST_F(MergeTest, WithoutASlotTheSecondComponentIsTwoAndTwelve) {
    f1.TabSheet7.hover();
    EXPECT_EQ(f1.Button78.tag(), 0);
    two_loans_with_bonus_parts();
    EXPECT_EQ(f1.StringGrid3.cell(2, 0), "②表");
    EXPECT_EQ(f1.StringGrid4.cell(1, 0), "⑪表");
    EXPECT_EQ(f1.StringGrid4.cell(2, 0), "⑫表");
    EXPECT_EQ(f1.StringGrid4.cell(3, 4), "⑪2") << "the first bonus row, month 6";
}

TEST_F(MergeTest, MonthDisplayCountAndCalendar) {
    f1.TabSheet7.hover();
    write_loan(cur.StGr1, {12, 13, 100'000, 100, 50'000});
    f1.copy_into_composite(false);
    write_loan(cur.StGr1, {12, 13, 100'000, 100, 50'000});
    f1.merge_into_composite(false);
    Grid& g = f1.StringGrid3;
    // Month 12 as a count: year 1, month 0; month 13: year 1, month 1.
    EXPECT_EQ(g.cell(3, 1) + "/" + g.cell(3, 2), "1/0");
    EXPECT_EQ(g.cell(4, 1) + "/" + g.cell(4, 2), "1/1");
    f1.RadioButton6.click();
    write_loan(cur.StGr1, {12, 13, 100'000, 100, 50'000});
    f1.copy_into_composite(false);
    EXPECT_EQ(g.cell(2, 1) + "/" + g.cell(2, 2), "0/12");
    EXPECT_EQ(g.cell(3, 1) + "/" + g.cell(3, 2), "1/1");
    write_loan(cur.StGr1, {12, 13, 100'000, 100, 50'000});
    f1.merge_into_composite(false);
    EXPECT_EQ(g.cell(3, 1) + "/" + g.cell(3, 2), "0/12");
    EXPECT_EQ(g.cell(3, 15) + "/" + g.cell(3, 16), "0/12");
    EXPECT_EQ(g.cell(4, 1) + "/" + g.cell(4, 2), "1/1");
}

TEST_F(MergeTest, EqualPrincipalRowsBecomeInstalmentAndInterest) {
    f1.TabSheet7.hover();
    f1.HHkkgg.set_tag(1);
    // Equal principal: column 6 holds the principal part, column 8 the instalment.
    write_loan(cur.StGr1, {1, 2, 100'000, 0, 0});
    for (int r = 2; r <= 3; ++r) {
        cur.StGr1.set_cell(r, 6, "10000");
        cur.StGr1.set_cell(r, 8, "12500");
    }
    f1.copy_into_composite(false);
    EXPECT_EQ(f1.StringGrid3.cell(2, 6), "12500");
    EXPECT_EQ(f1.StringGrid3.cell(2, 8), "2500");
    f1.merge_into_composite(false);
    EXPECT_EQ(f1.StringGrid3.cell(3, 6), "25000");
    EXPECT_EQ(f1.StringGrid3.cell(3, 8), "5000");
}

TEST_F(MergeTest, ACellThatIsNoNumberNamesItselfAndChangesNothing) {
    f1.TabSheet7.hover();
    write_loan(cur.StGr1, loan_a);
    f1.copy_into_composite(false);
    const auto before = f1.StringGrid3.row_cells(50);
    write_loan(cur.StGr1, loan_b);
    cur.StGr1.set_cell(12, 10, "5千");
    try {
        f1.merge_into_composite(false);
        ADD_FAILURE() << "the merge went through a cell that is no number";
    } catch (const FieldValueError& e) {
        EXPECT_NE(std::string(e.what()).find("StGr1 12行10列"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("5千"), std::string::npos) << e.what();
    }
    EXPECT_EQ(f1.CompositeCountM, 1);
    EXPECT_EQ(f1.StringGrid3.row_cells(50), before);
    EXPECT_EQ(f1.StringGrid3.row_count(), 2 + 120 + 1);
}

}  // namespace
}  // namespace rebanto
