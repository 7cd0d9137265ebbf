// "一括計算ＧＯ" on a calculated pack of the typical loan (30,000,000 yen at 2.325 % over 35
// years, 20 % bonus share) with the default dates: loan 2001/05/21, first monthly payment
// 2001/06/20 (30 days), first bonus payment 2001/07/20 (60 days).
//
// Worked out by hand: 30 days on 24,000,000 yen at 2.325 % are 45,863.01 yen, cut to
// 45,863; a regular first month is 24,000,000 × 2.325 % ÷ 12 = 46,500: the difference is
// −637. 60 days on 6,000,000 yen are 22,931.5, cut to 22,931; a regular first bonus
// period of six months is 69,750: the difference is −46,819.
#include "composite_fixture.h"
#include "reference_schedule.h"

namespace rebanto {
namespace {

using testing::CompositeTest;

class BatchGoTest : public CompositeTest {
protected:
    void SetUp() override {
        f1.Ed0_moto.set_text("30000000");
        f1.Ed0_kin.set_text("2.325");
        f1.Ed0_nen.set_text("35");
        f1.Ed0_wari.set_text("20");
        // Start-up puts the loan date at today; these are the page's own defaults.
        f1.MsEd8_yusi.set_text("2001/05/21");
        f1.MsEd8_mon.set_text("2001/06/20");
        f1.MsEd8_bon.set_text("2001/07/20");
        f1.select_slot(1);
        f1.Button78.click();
        f1.Button79.click();
        platform.take_log();
        f1.Button53.click();
    }
    std::string b_settings_instalment() const { return cur.StGr2.cell(1, 6); }
    int totals_row(const Grid& t) {
        for (int r = 2; r < t.row_count(); ++r) {
            if (t.cell(r, 13) == "K") return r;
        }
        return -1;
    }
};

TEST_F(BatchGoTest, TheFirstMonthlyRowCarriesTheDifference) {
    const Grid& m = cur.StGr1;
    ASSERT_EQ(m.row_count(), 2 + 420 + 1);
    EXPECT_EQ(m.cell(1, 6), "83564");
    EXPECT_EQ(m.cell(2, 10), n(46'500 - 637));
    EXPECT_EQ(m.cell(2, 8), n(46'500 - 637));
    EXPECT_EQ(m.cell(2, 6), n(83'564 - 637));
    EXPECT_EQ(m.cell(1, 12), "初回返済額\\82,927");
    EXPECT_EQ(m.cell(1, 10), "実行日2001/05/21");
    EXPECT_EQ(m.cell(1, 11), "初回返済日2001/06/20");
    // Month numbers from 1988: June 2001 is (2001 − 1988) × 12 + 6.
    EXPECT_EQ(m.cell(2, 0), "162");
    EXPECT_EQ(m.cell(2, 1) + "/" + m.cell(2, 2), "13/6");
}

TEST_F(BatchGoTest, TheRegularInstalmentsShownOnTheDatesPageStayThoseOfTheLoan) {
    // The bonus part is built in a pass of its own with no monthly principal: that pass
    // must not put a monthly instalment of 0 on the page.
    EXPECT_EQ(f1.Edit104.text(), "83564");
    EXPECT_EQ(f1.Edit104.text(), f1.Edit4.text());
    EXPECT_EQ(f1.Edit109.text(), f1.Edit9.text());
    EXPECT_EQ(f1.Edit109.text(), b_settings_instalment());
}

TEST_F(BatchGoTest, TheFirstBonusRowCarriesTheDifference) {
    const Grid& b = cur.StGr2;
    EXPECT_EQ(b.cell(2, 10), "22931");
    EXPECT_EQ(b.cell(2, 6), n(std::stoll(b.cell(1, 6)) - 46'819));
    // July 2001.
    EXPECT_EQ(b.cell(2, 0), "163");
}

TEST_F(BatchGoTest, TotalsAgreeWithTheCorrectedRows) {
    const Grid& m = cur.StGr1;
    const int k = totals_row(m);
    ASSERT_GT(k, 2);
    EXPECT_EQ(m.cell(k, 10), n(column_sum(m, 2, 10)));
    long long reference = 0;
    for (const auto& row : testing::reference_schedule(testing::RefLoan{}))
        reference += row.interest;
    EXPECT_EQ(m.cell(k, 10), n(reference - 637));
    const Grid& b = cur.StGr2;
    EXPECT_EQ(b.cell(totals_row(b), 10), n(column_sum(b, 2, 10)));
}

TEST_F(BatchGoTest, OneCompletionBeepFromTheButtonItself) {
    int beeps = 0;
    for (const auto& line : platform.take_log())
        beeps += line == "beep information";
    EXPECT_EQ(beeps, 1);
}

}  // namespace
}  // namespace rebanto
