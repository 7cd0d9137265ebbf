// The composite of a pack list, built by "全パック一括計算" and by hand from the same packs:
// both fold the last principal into the last instalment and both keep the first-payment
// correction of every pack.
//
// Worked out apart from the program, loan date 2001/05/21 and first payment 2001/06/20
// (30 days), interest cut to the yen on the balance cut to 100 yen:
// - 30,000,000 yen at 2.325 % over 35 years pays 104,455 a month and overpays 174 yen in
//   its last month: the folded last instalment is 104,281. Its first month has 58,125 yen
//   of regular interest and 57,328 by days (30 × 30,000,000 × 2.325 % / 365 = 57,328.77).
// - 10,000,000 yen at 2.325 % over 20 years: 19,375 regular, 19,109 by days (19,109.58).
#include "composite_fixture.h"

namespace rebanto {
namespace {

using testing::CompositeTest;

class PackBatchTest : public CompositeTest {
protected:
    void store(int slot, const std::string& principal, const std::string& years) {
        f1.Ed0_moto.set_text(principal);
        f1.Ed0_kin.set_text("2.325");
        f1.Ed0_nen.set_text(years);
        f1.Ed0_tuki.set_text("0");
        f1.Ed0_wari.set_text("0");
        f1.MsEd8_yusi.set_text("2001/05/21");
        f1.MsEd8_mon.set_text("2001/06/20");
        f1.MsEd8_bon.set_text("2001/07/20");
        f1.select_slot(slot);
        f1.Edit67.set_text("pack" + std::to_string(slot));
        f1.Button78.click();
        platform.take_log();
    }
    // The composite monthly rows from the first month on (the head rows, which name how
    // each component was made, and the totals rows left out).
    std::vector<std::vector<std::string>> composite_rows(const Grid& c) const {
        std::vector<std::vector<std::string>> rows;
        for (int r = f1.CompositeCountM + 1; r < c.row_count(); ++r) {
            if (c.cell(r, 13) == "K" || c.cell(r, 1).empty()) continue;
            rows.push_back(c.row_cells(r));
        }
        return rows;
    }
    static int month_row(const Grid& c, const std::string& month) {
        for (int r = 1; r < c.row_count(); ++r)
            if (c.cell(r, 0) == month && c.cell(r, 13) != "K") return r;
        return -1;
    }
    static int last_row(const Grid& c) {
        int last = -1;
        for (int r = 1; r < c.row_count(); ++r)
            if (c.cell(r, 13) != "K" && !c.cell(r, 1).empty()) last = r;
        return last;
    }
};

TEST_F(PackBatchTest, TheFirstPackGoesInWithItsLastPrincipalFolded) {
    store(1, "30000000", "35");
    f1.Button82.click();
    const Grid& c = f1.StringGrid3;
    const int last = last_row(c);
    ASSERT_GT(last, 2);
    EXPECT_EQ(c.cell(last, 6), "104281");
    EXPECT_EQ(c.cell(last, 12), "0");
    // The current tables are the pack's own, unfolded.
    const Grid& m = cur.StGr1;
    EXPECT_EQ(m.cell(m.row_count() - 2, 12), "-174");
}

TEST_F(PackBatchTest, TheBatchAndTheHandMadeCompositeAgreeAndKeepBothCorrections) {
    store(1, "30000000", "35");
    store(2, "10000000", "20");
    f1.Button82.click();
    const auto batch = composite_rows(f1.StringGrid3);
    const int first = month_row(f1.StringGrid3, "162");
    ASSERT_GT(first, 0);
    EXPECT_EQ(f1.StringGrid3.cell(first, 10), std::to_string(57'328 + 19'109));

    platform.take_log();
    f1.Button31.click();
    f1.select_slot(1);
    f1.Button79.click();
    f1.Button53.click();
    f1.ButtonM.click();  // the current table shown, its copy work offered
    f1.ButtonM_C.click();
    ASSERT_EQ(f1.CompositeCountM, 1);
    f1.select_slot(2);
    f1.Button79.click();
    f1.Button53.click();
    EXPECT_EQ(cur.StGr1.cell(2, 10), "19109") << "the second pack corrected after the fold";
    ASSERT_TRUE(f1.Button32.enabled());
    f1.Button32.click();
    f1.Button30Click(f1.Button30);  // the batch's last step: the running totals
    for (const std::string& line : platform.take_log())
        EXPECT_NE(line.rfind("error", 0), 0u) << line;
    EXPECT_EQ(f1.CompositeCountM, 2);
    const auto by_hand = composite_rows(f1.StringGrid3);
    // The batch merges the second pack without folding its last instalment, the hand
    // merge folds it: apart from that instalment the two composites agree, interest of
    // every month and the first month whole.
    ASSERT_EQ(by_hand.size(), batch.size());
    EXPECT_EQ(by_hand.front(), batch.front());
    for (std::size_t i = 0; i < batch.size(); ++i)
        EXPECT_EQ(by_hand[i][10], batch[i][10]) << "month " << batch[i][0];
}

}  // namespace
}  // namespace rebanto
