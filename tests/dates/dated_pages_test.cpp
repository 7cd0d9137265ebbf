// The pages that show dates, opened for the first time after a fresh start (today fixed at
// 2026/12/08): the loan dates of "編成一括" and the reference dates of "複合編成" come from
// today, while the start-up itself keeps its dates and figures. Expected figures worked
// out apart from the program (100-yen unit, truncated interest, 365-day year):
//   loan 2026/12/08, first monthly 2027/01/07 (30 days), first bonus 2027/06/07 (181 days);
//   monthly 24,000,000 × 2.325 % × 30 / 365 = 45,863.01 against 46,500 regular: −637;
//   bonus 6,000,000 × 2.325 % × 181 / 365 = 69,176.71 against 69,750 regular: −574.
#include "dates_fixture.h"

namespace rebanto {
namespace {

class DatedPages : public testing::DatesTest {
protected:
    void open(const Panel& page) { f1.PageControl1.set_active_page(page); }
};

TEST_F(DatedPages, TheStartUpKeepsItsDatesUntilThePageIsOpened) {
    enter_loan();
    EXPECT_EQ(f1.MsEd8_mon.text(), "2001/06/20");
    EXPECT_EQ(f1.MsEd8_bon.text(), "2001/07/20");
    EXPECT_EQ(f1.syokai_sa_m, Money());
    open(f1.TabSheet1);
    open(f1.TabSheet3);
    EXPECT_EQ(f1.MsEd8_mon.text(), "2001/06/20");
    EXPECT_EQ(f1.MsEd7_yusi.text(), "1998/06/21");
}

TEST_F(DatedPages, TheLoanDatesPageOpensOnALoanPaidOutToday) {
    enter_loan();
    open(f1.TabSheet8);
    EXPECT_EQ(f1.MsEd8_yusi.text(), "2026/12/08");
    EXPECT_EQ(f1.MsEd8_mon.text(), "2027/01/07");
    EXPECT_EQ(f1.MsEd8_bon.text(), "2027/06/07");
    EXPECT_EQ(f1.Edit135.text(), "30");
    EXPECT_EQ(f1.Edit177.text(), "181");
    EXPECT_EQ(f1.Edit178.text(), "45863");
    EXPECT_EQ(f1.Edit179.text(), "69176");
    EXPECT_EQ(f1.syokai_sa_m, Money::from_yen(-637));
    EXPECT_EQ(f1.syokai_sa_b, Money::from_yen(-574));
    EXPECT_EQ(f1.Edit104s.text(), "82927");   // 37,064 + 45,863
    EXPECT_EQ(f1.Edit109s.text(), "125164");  // 55,988 + 69,176
    EXPECT_EQ(f1.MsEd8_mon.color(), Color::White);
    EXPECT_EQ(f1.MsEd8_bon.color(), Color::White);
    // The main page's figures are not touched.
    EXPECT_EQ(f1.Edit4.text(), "83564");
    EXPECT_EQ(f1.Edit9.text(), "125738");
}

TEST_F(DatedPages, DatesTheUserSetAreKept) {
    enter_loan();
    f1.MsEd8_mon.set_text("2001/06/21");
    open(f1.TabSheet8);
    EXPECT_EQ(f1.MsEd8_mon.text(), "2001/06/21");
    EXPECT_EQ(f1.MsEd8_bon.text(), "2001/07/20");
}

TEST_F(DatedPages, OnlyTheFirstOpeningProposes) {
    enter_loan();
    open(f1.TabSheet8);
    enter_dates();
    open(f1.TabSheet1);
    open(f1.TabSheet8);
    EXPECT_EQ(f1.MsEd8_yusi.text(), "2001/05/21");
    EXPECT_EQ(f1.MsEd8_mon.text(), "2001/06/20");
    EXPECT_EQ(f1.Edit135.text(), "30");
    EXPECT_EQ(f1.syokai_sa_m, Money::from_yen(-637));
}

// Past the loan's first step no difference is set, but the page still counts its days.
TEST_F(DatedPages, AfterTheFirstStepTheDaysAreCountedWithoutADifference) {
    enter_loan();
    f1.Button1.click();
    open(f1.TabSheet8);
    EXPECT_EQ(f1.MsEd8_mon.text(), "2027/01/07");
    EXPECT_EQ(f1.Edit135.text(), "30");
    EXPECT_EQ(f1.Edit177.text(), "181");
    EXPECT_EQ(f1.syokai_sa_m, Money());
    EXPECT_EQ(f1.syokai_sa_b, Money());
}

TEST_F(DatedPages, TheCompositePageOpensWithReferenceDatesFromToday) {
    open(f1.TabSheet7);
    EXPECT_EQ(f1.MsEd7_yusi.text(), "2026/12/08");
    EXPECT_EQ(f1.MsEd7_mon.text(), "2027/01/07");
    EXPECT_EQ(f1.MsEd7_bon.text(), "2027/06/07");
    // The loan dates stay for their own page.
    EXPECT_EQ(f1.MsEd8_mon.text(), "2001/06/20");
}

TEST_F(DatedPages, ReferenceDatesTheUserTypedAreKept) {
    f1.MsEd7_mon.set_text("2027/03/31");
    open(f1.TabSheet7);
    EXPECT_EQ(f1.MsEd7_mon.text(), "2027/03/31");
    EXPECT_EQ(f1.MsEd7_yusi.text(), "1998/06/21");
}

}  // namespace
}  // namespace rebanto
