// The composite page's other works: the bonus composite merged into the monthly one, the
// copy work that leaves the current tables as they were, discarding, the month shift of
// the current tables and the row synchronisation of the composite grids.
#include "composite_fixture.h"

namespace rebanto {
namespace {

using testing::CompositeTest;

class CompositeWorkTest : public CompositeTest {
protected:
    void SetUp() override { f1.TabSheet7.hover(); }
    // Loan A monthly; a bonus part every six months from month 6: 20 × 30,000 with 500
    // interest each time.
    const testing::HandLoan bonus_c{6, 120, 600'000, 500, 30'000, 6};
};

TEST_F(CompositeWorkTest, BonusCompositeJoinsTheMonthlyOneMarked) {
    write_loan(cur.StGr1, loan_a);
    write_loan(cur.StGr2, bonus_c);
    f1.copy_into_composite(false);
    f1.copy_into_composite(true);
    ASSERT_TRUE(f1.Button30.enabled());
    f1.Button30.click();
    Grid& c = f1.StringGrid3;
    EXPECT_EQ(f1.CompositeCountM, 2);
    EXPECT_EQ(c.cell(2, 0), "*⑪表");
    EXPECT_EQ(c.cell(2, 7), "ﾎﾞｰﾅｽ返済⑪表");
    EXPECT_EQ(c.cell(2, 3), "600000");
    // Month 6: A's 6th instalment and the first bonus instalment.
    const int r6 = row_of_month(c, 3, 6);
    EXPECT_EQ(c.cell(r6, 6), n(12'000 + 30'500));
    EXPECT_EQ(c.cell(r6, 4), "①2※⑪2");
    EXPECT_EQ(c.cell(r6, 17), "600000") << "the bonus part arises with its first instalment";
    // 累積 ran: interest of 120 months and 20 bonus instalments, nothing left owing.
    EXPECT_EQ(c.cell(c.row_count() - 1, 18), n(120'000 + 20 * 500));
    EXPECT_EQ(c.cell(c.row_count() - 1, 20), "0");
    EXPECT_EQ(column_sum(c, 3, 11), 1'320'000 + 600'000);
}

TEST_F(CompositeWorkTest, ABonusCompositeAloneBecomesTheMonthlyOne) {
    write_loan(cur.StGr2, bonus_c);
    f1.copy_into_composite(true);
    EXPECT_FALSE(f1.Button28.enabled());
    f1.Button30.click();
    EXPECT_TRUE(f1.Button28.enabled());
    EXPECT_EQ(f1.CompositeCountM, 1);
    EXPECT_EQ(f1.StringGrid3.cell(1, 0), "⑪表");
    EXPECT_EQ(f1.StringGrid3.cell(0, 19), "元入累計額");
    EXPECT_EQ(f1.StringGrid3.cell(2, 20), n(600'000 - 30'000));
}

TEST_F(CompositeWorkTest, CopyWorkLeavesTheCurrentTablesAsTheyWere) {
    typical_run();
    f1.ButtonM.click();
    ASSERT_TRUE(f1.ButtonM_C.enabled());
    const int rows = cur.StGr1.row_count();
    const auto last = cur.StGr1.row_cells(rows - 2);
    f1.ButtonM_C.click();
    EXPECT_EQ(platform.take_log(), std::vector<std::string>{});
    EXPECT_EQ(cur.StGr1.row_count(), rows);
    EXPECT_EQ(cur.StGr1.row_cells(rows - 2), last);
    EXPECT_TRUE(f1.Button28.enabled());
    EXPECT_TRUE(f1.StringGrid3.visible());
    EXPECT_EQ(f1.Edit45.text(), "合成返済表");
    EXPECT_EQ(f1.Edit45.font_color(), Color::Red);
    // The copy has the folded last instalment: the composite owes nothing at the end.
    f1.Button138.click();
    const Grid& c = f1.StringGrid3;
    EXPECT_EQ(c.cell(c.row_count() - 1, 20), "0");
}

TEST_F(CompositeWorkTest, DiscardMakesTheNextWorkACopy) {
    write_loan(cur.StGr1, loan_a);
    f1.copy_into_composite(false);
    f1.Button31.click();
    for (Button* b : {&f1.Button28, &f1.Button29, &f1.Button32, &f1.Button30, &f1.Button138})
        EXPECT_FALSE(b->enabled()) << b->name();
    write_loan(cur.StGr1, loan_b);
    f1.ButtonM.set_enabled(true);
    f1.Button32.set_enabled(true);
    f1.Button32.click();
    EXPECT_EQ(f1.CompositeCountM, 1) << "a copy, not a merge";
    EXPECT_EQ(f1.StringGrid3.cell(2, 0), "61");
}

TEST_F(CompositeWorkTest, MonthShiftMovesEveryRowOrStopsAtMonthZero) {
    write_loan(cur.StGr1, {2, 5, 40'000, 100, 10'000});
    f1.ButtonMClick(f1.ButtonM);
    f1.Button43.click();
    EXPECT_TRUE(f1.Panel2.visible());
    EXPECT_EQ(f1.Edit59.text(), "0");
    f1.Edit60.set_text("0");
    f1.Edit61.set_text("-3");
    EXPECT_EQ(f1.Edit59.text(), "-3");
    const auto before = cur.StGr1.row_cells(2);
    f1.Button44.click();
    EXPECT_EQ(cur.StGr1.row_cells(2), before) << "month 2 − 3 is no month";
    EXPECT_TRUE(f1.Panel2.visible());
    // Era year 1 and month 0: twelve months later.
    f1.Edit60.set_text("1");
    f1.Edit61.set_text("0");
    EXPECT_EQ(f1.Edit59.text(), "12");
    f1.Button44.click();
    EXPECT_EQ(cur.StGr1.cell(2, 0), "14");
    EXPECT_EQ(cur.StGr1.cell(2, 1), "1");
    EXPECT_EQ(cur.StGr1.cell(2, 2), "2");
    EXPECT_EQ(cur.StGr1.cell(5, 0), "17");
    EXPECT_FALSE(f1.Panel2.visible());
}

TEST_F(CompositeWorkTest, MonthShiftPartsStepAndFollowToday) {
    f1.ButtonM.set_enabled(true);
    f1.Edit60.set_text("13");
    f1.Edit61.set_text("12");
    f1.La2_tuki.click();
    EXPECT_EQ(f1.Edit60.text() + "/" + f1.Edit61.text(), "14/1");
    EXPECT_EQ(f1.Edit59.text(), n(14 * 12 + 1));
    f1.La2_tuki.right_click();
    EXPECT_EQ(f1.Edit60.text() + "/" + f1.Edit61.text(), "13/12");
    f1.Edit61.set_text("1");
    f1.La2_tuki.right_click();
    EXPECT_EQ(f1.Edit60.text() + "/" + f1.Edit61.text(), "12/12");
    // Today is 2026/12/08: era year 2026 − 1988.
    f1.La2_nen.click();
    EXPECT_EQ(f1.Edit60.text() + "/" + f1.Edit61.text(), "38/12");
    f1.Edit61.set_text("x");
    EXPECT_NE(platform.take_log().back().find("Edit61"), std::string::npos)
        << "a shift that is no number names its field";
}

TEST_F(CompositeWorkTest, CompositeGridsFollowAClickedMonth) {
    write_loan(cur.StGr1, loan_a);
    write_loan(cur.StGr2, bonus_c);
    f1.copy_into_composite(false);
    f1.copy_into_composite(true);
    const int r = row_of_month(cur.StGr1, 2, 12);
    cur.StGr1.click_cell(r, 3);
    EXPECT_EQ(f1.StringGrid3.cell(f1.StringGrid3.selected_row(), 0), "12");
    EXPECT_EQ(f1.StringGrid4.cell(f1.StringGrid4.selected_row(), 0), "12");
    f1.StringGrid4.click_cell(row_of_month(f1.StringGrid4, 2, 30), 0);
    EXPECT_EQ(cur.StGr1.cell(cur.StGr1.selected_row(), 0), "30");
    EXPECT_EQ(f1.StringGrid3.cell(f1.StringGrid3.selected_row(), 0), "30");
}

}  // namespace
}  // namespace rebanto
