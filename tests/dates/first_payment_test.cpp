// "初回計算" on the typical loan: the regular first instalments, the days from the loan
// date, their interest and the differences. Expected figures come from a calculation
// done apart from the program (100-yen accrual unit, truncated interest, 365-day year):
//   monthly: 24,000,000 × 2.325 % / 12 = 46,500 regular interest; 30 days give 45,863;
//   bonus:   6,000,000 × 2.325 % / 2 = 69,750 regular interest; 60 days give 22,931.
#include "base/date.h"
#include "dates_fixture.h"

namespace rebanto {
namespace {

class FirstPayment : public testing::DatesTest {};

TEST_F(FirstPayment, DefaultDatesGiveTheDifferencesOfTheTypicalLoan) {
    enter_loan();
    enter_dates();
    EXPECT_EQ(f1.Edit115.text(), "46500");
    EXPECT_EQ(f1.Edit116.text(), "37064");  // 83,564 − 46,500
    EXPECT_EQ(f1.Edit117.text(), "69750");
    EXPECT_EQ(f1.Edit118.text(), "55988");  // 125,738 − 69,750
    EXPECT_EQ(f1.Edit104.text(), "83564");
    EXPECT_EQ(f1.Edit109.text(), "125738");
    EXPECT_EQ(f1.Edit135.text(), "30");
    EXPECT_EQ(f1.Edit177.text(), "60");
    EXPECT_EQ(f1.Edit178.text(), "45863");
    EXPECT_EQ(f1.Edit179.text(), "22931");
    EXPECT_EQ(f1.syokai_sa_m, Money::from_yen(-637));
    EXPECT_EQ(f1.syokai_sa_b, Money::from_yen(-46819));
    EXPECT_EQ(f1.Edit104s.text(), "82927");
    EXPECT_EQ(f1.Edit109s.text(), "78919");
    EXPECT_EQ(f1.Edit78.text(), "-637");
    EXPECT_EQ(f1.Edit79.text(), "-46819");
    EXPECT_TRUE(f1.Label146.visible());
    EXPECT_TRUE(f1.Button51.visible());
    EXPECT_EQ(f1.MsEd8_mon.color(), Color::White);
    EXPECT_EQ(f1.MsEd8_bon.color(), Color::White);
    // The step the user chose is back after the one-month and one-interval periods.
    EXPECT_EQ(f1.Edit13.text(), "6");
    EXPECT_EQ(f1.Edit4.text(), "83564");
}

TEST_F(FirstPayment, CountingTheLoanDayAddsADayToBothParts) {
    enter_loan();
    enter_dates();
    f1.CheckBox3.click();
    EXPECT_EQ(f1.Edit135.text(), "31");
    EXPECT_EQ(f1.Edit177.text(), "61");
    EXPECT_EQ(f1.Edit178.text(), "47391");
    EXPECT_EQ(f1.Edit179.text(), "23313");
    EXPECT_EQ(f1.syokai_sa_m, Money::from_yen(891));
    EXPECT_EQ(f1.syokai_sa_b, Money::from_yen(-46437));
}

TEST_F(FirstPayment, InterestByDaysFollowsTheInterestRoundingMode) {
    f1.RB23.click();  // interest rounded up
    enter_loan();
    enter_dates();
    EXPECT_EQ(f1.Edit178.text(), "45864");  // 45,863.013…
    EXPECT_EQ(f1.Edit179.text(), "22932");  // 22,931.506…
}

// At start-up the loan date is today while the first payments keep their 2001 dates:
// thousands of days before the loan. That is no first payment to correct by.
TEST_F(FirstPayment, StartUpDatesGiveNoDifference) {
    EXPECT_EQ(f1.MsEd8_yusi.text(), "2026/12/08");
    EXPECT_EQ(f1.Edit135.text(), "-9302");
    EXPECT_EQ(f1.Edit177.text(), "-9272");
    EXPECT_EQ(f1.MsEd8_mon.color(), Color::Red);
    EXPECT_EQ(f1.MsEd8_bon.color(), Color::Red);
    EXPECT_EQ(f1.syokai_sa_m, Money());
    EXPECT_EQ(f1.syokai_sa_b, Money());
    EXPECT_EQ(f1.Edit104s.text(), f1.Edit4.text());
    EXPECT_EQ(f1.Edit109s.text(), f1.Edit9.text());
    // No difference is set: neither its marker nor the correction of the tables shows.
    EXPECT_FALSE(f1.Label146.visible());
    EXPECT_FALSE(f1.Button51.visible());
}

TEST_F(FirstPayment, AFreshRunToTheEndHasTheTotalsOfTheUncorrectedSchedule) {
    enter_loan();
    f1.Button18.click();
    EXPECT_EQ(f1.syokai_sa_m, Money());
    // Cumulative paid, interest and principal of the plain schedule.
    const auto& m = totals(monthly);
    EXPECT_EQ(m[6], "35096880");
    EXPECT_EQ(m[10], "11096677");
    EXPECT_EQ(m[11], "24000203");
    const auto& b = totals(bonus);
    EXPECT_EQ(b[6], "8801660");
    EXPECT_EQ(b[10], "2801616");
}

TEST_F(FirstPayment, APaymentOnTheLoanDayShowsRedAndGivesNoDifference) {
    enter_loan();
    enter_dates("2001/05/21", "2001/05/21", "2001/07/20");
    EXPECT_EQ(f1.Edit135.text(), "0");
    EXPECT_EQ(f1.Edit178.text(), "0");
    EXPECT_EQ(f1.MsEd8_mon.color(), Color::Red);
    EXPECT_EQ(f1.syokai_sa_m, Money());
    EXPECT_EQ(f1.Edit104s.text(), "83564");
    // The bonus part's date is a proper one: its difference stands.
    EXPECT_EQ(f1.syokai_sa_b, Money::from_yen(-46819));
    EXPECT_EQ(f1.MsEd8_bon.color(), Color::White);
}

TEST_F(FirstPayment, NoCorrectionClearsTheDifferences) {
    enter_loan();
    enter_dates();
    f1.CheckBox2.click();
    EXPECT_EQ(f1.syokai_sa_m, Money());
    EXPECT_EQ(f1.syokai_sa_b, Money());
    EXPECT_FALSE(f1.Label146.visible());
    EXPECT_FALSE(f1.Button51.visible());
    f1.CheckBox2.click();
    EXPECT_EQ(f1.syokai_sa_m, Money::from_yen(-637));
}

TEST_F(FirstPayment, ClearAndSetByHand) {
    enter_loan();
    enter_dates();
    f1.Button123.click();
    EXPECT_EQ(f1.syokai_sa_m, Money());
    EXPECT_EQ(f1.Edit79.text(), "0");
    EXPECT_FALSE(f1.Label146.visible());
    // A typed interest by days is what the difference is set from.
    f1.Edit178.set_text("46000");
    f1.Button124.click();
    EXPECT_EQ(f1.syokai_sa_m, Money::from_yen(-500));
    EXPECT_EQ(f1.syokai_sa_b, Money::from_yen(-46819));
    EXPECT_TRUE(f1.Button51.visible());
}

TEST_F(FirstPayment, PensionTablesKeepZeroDifferences) {
    enter_loan();
    monthly.set_cell(1, 8, "年金用");
    enter_dates();
    EXPECT_EQ(f1.Edit178.text(), "45863");
    EXPECT_EQ(f1.syokai_sa_m, Money());
    EXPECT_EQ(f1.syokai_sa_b, Money());
}

TEST_F(FirstPayment, OnlyAtTheStartOfALoan) {
    enter_loan();
    f1.Button1.click();  // one step committed
    f1.MsEd8_yusi.set_text("2001/05/21");
    EXPECT_EQ(f1.Edit135.text(), "-9302");
    EXPECT_EQ(f1.syokai_sa_m, Money());
}

TEST_F(FirstPayment, ADateThatIsNoDateBeepsAndLeavesTheFieldsAlone) {
    enter_loan();
    enter_dates();
    platform.take_log();
    std::map<std::string, std::string> before;
    for (const Control* c : f1.controls())
        before[c->name()] = c->text();
    f1.MsEd8_mon.set_text("2001/ab/20");
    EXPECT_EQ(platform.take_log(), std::vector<std::string>{"beep default"});
    for (const Control* c : f1.controls()) {
        if (c == &f1.MsEd8_mon) continue;
        EXPECT_EQ(c->text(), before[c->name()]) << c->name();
    }
    EXPECT_EQ(f1.MsEd8_mon.text(), "2001/ab/20");
    EXPECT_EQ(f1.syokai_sa_m, Money::from_yen(-637));
    // "初回計算" itself stops the same way.
    f1.Button50.click();
    EXPECT_EQ(platform.take_log(), std::vector<std::string>{"beep default"});
    EXPECT_EQ(f1.Edit135.text(), "30");
}

TEST_F(FirstPayment, ATypedDayInterestThatIsNoNumberIsNamed) {
    enter_loan();
    enter_dates();
    platform.take_log();
    f1.Edit178.set_text("x");
    f1.Button124.click();
    const auto log = platform.take_log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_NE(log[0].find("Edit178"), std::string::npos) << log[0];
    EXPECT_EQ(f1.syokai_sa_m, Money::from_yen(-637));
}

TEST_F(FirstPayment, FifteenCalculationTypesAndOnlyTheVariableOnesShowTheListAlignment) {
    ASSERT_EQ(f1.ComboBox2.items().size(), 15u);
    EXPECT_EQ(f1.ComboBox2.text(), "一般-固定金利");
    EXPECT_EQ(f1.ComboBox2.items()[14], "当初固定金利10年→6ヶ月毎変動金利=返済額連動");
    EXPECT_FALSE(f1.GrpListAlign.visible());
    f1.ComboBox2.set_item_index(3);
    f1.Button50.click();
    EXPECT_TRUE(f1.GrpListAlign.visible());
}

TEST_F(FirstPayment, TheEasedPlanTakesItsFirstInstalmentsOverItsLongCounts) {
    enter_loan();
    f1.ComboBox2.set_item_index(2);
    enter_dates();
    EXPECT_EQ(f1.Ed1_Mzankaisu.text(), "600");
    EXPECT_EQ(f1.Ed1_Bzankaisu.text(), "100");
    // The regular first interest does not depend on the count.
    EXPECT_EQ(f1.Edit115.text(), "46500");
    EXPECT_EQ(f1.Edit117.text(), "69750");
}

TEST_F(FirstPayment, DatesAreNormalisedAsTheyChange) {
    f1.MsEd8_mon.set_text("  01/06/31");
    EXPECT_EQ(f1.MsEd8_mon.text(), "2001/06/30");
    f1.MsEd8_yusi.set_text("2001/13/00");
    EXPECT_EQ(f1.MsEd8_yusi.text(), "2001/12/01");
}

}  // namespace
}  // namespace rebanto
