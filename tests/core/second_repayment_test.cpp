// The second repayment window: interval, first month, renames and the settings stamp.
#include "app_fixture.h"

namespace rebanto {
namespace {

using testing::AppTest;

std::vector<int> ticked_months(TForm8& w) {
    std::vector<int> months;
    const std::array<const CheckBox*, 12> boxes{
        &w.CheckBox1, &w.CheckBox2, &w.CheckBox3, &w.CheckBox4,  &w.CheckBox5,  &w.CheckBox6,
        &w.CheckBox7, &w.CheckBox8, &w.CheckBox9, &w.CheckBox10, &w.CheckBox11, &w.CheckBox12};
    for (int m = 1; m <= 12; ++m) {
        if (boxes[m - 1]->checked()) months.push_back(m);
    }
    return months;
}

class SecondRepayment : public AppTest {
protected:
    TForm8& w = app.second_repayment;
};

TEST_F(SecondRepayment, StartsAtSixMonthsWithTheBonusMonths) {
    EXPECT_TRUE(w.RadioButton2.checked());
    EXPECT_EQ(w.Edit1.text(), "6");
    EXPECT_EQ(ticked_months(w), (std::vector<int>{6, 12}));
    EXPECT_EQ(w.CheckBox12.caption(), "実行同一月");
    EXPECT_FALSE(w.CheckBox1.enabled()) << "the month boxes only show";
}

TEST_F(SecondRepayment, FourMonthsFromTheFourthTicksFourEightAndTheLoanMonth) {
    w.RadioButton3.click();
    EXPECT_EQ(w.Edit1.text(), "4");
    w.Edit1.set_text("4");
    EXPECT_EQ(ticked_months(w), (std::vector<int>{4, 8, 12}));
}

TEST_F(SecondRepayment, YearlyFromTheThirdMonthTicksOnlyTheThird) {
    w.RadioButton1.click();
    w.Edit1.set_text("3");
    EXPECT_EQ(ticked_months(w), (std::vector<int>{3}));
    EXPECT_EQ(f1.Label187.caption(), "第1回=3ヶ月分");
}

TEST_F(SecondRepayment, FirstMonthSteps) {
    w.Label1.click();
    EXPECT_EQ(w.Edit1.text(), "7");
    w.Edit1.set_text("1");
    w.Label1.right_click();
    EXPECT_EQ(w.Edit1.text(), "1") << "never below the first month";
    w.RadioButton4.click();
    w.Edit1.set_text("8");
    w.Edit1.dbl_click();
    EXPECT_EQ(w.Edit1.text(), "3") << "a double click goes back to the interval";
    w.Edit1.set_text("-");
    EXPECT_EQ(w.Edit1.text(), "6");
}

TEST_F(SecondRepayment, AnotherIntervalRenamesTheStreamAndSixRestoresIt) {
    w.RadioButton3.click();
    w.Button1.click();
    EXPECT_EQ(f1.Button67.caption(), "第２");
    EXPECT_EQ(f1.Label9.caption(), "　第２返済分割合");
    EXPECT_EQ(f1.TabSheet4.caption(), "( 第2返済分)");
    EXPECT_EQ(f1.TabSheet4.font_color(), Color::Blue);
    EXPECT_EQ(f1.bonus_interval(), 4);
    EXPECT_EQ(f1.bonus_first_months(), 4);
    EXPECT_FALSE(w.visible());
    w.RadioButton2.click();
    w.Button1.click();
    EXPECT_EQ(f1.Button67.caption(), "ﾎﾞｰﾅｽ");
    EXPECT_EQ(f1.Label9.caption(), "ﾎﾞｰﾅｽ分返済割合");
    EXPECT_EQ(f1.TabSheet4.caption(), "(ﾎﾞｰﾅｽ返済)");
}

TEST_F(SecondRepayment, ApplyingStampsBothTablesAndTheMainFields) {
    w.RadioButton4.click();
    w.Edit1.set_text("2");
    w.Button1.click();
    for (const Grid* table : {&app.cur.StGr1, &app.cur.StGr2}) {
        EXPECT_EQ(table->cell(1, 13), "T･3･2･64･･･････････････････････････");
    }
    EXPECT_EQ(f1.Edit42.text(), "2");
    EXPECT_EQ(f1.Edit35.text(), "2");
    // 10 years, first payment at month 2, every 3 months: (120 − 2) / 3 + 1 = 40.
    EXPECT_EQ(f1.Ed1_Bzankaisu.text(), "40");
}

TEST_F(SecondRepayment, FirstBonusAtMonthThreeRunsTwelveMonths) {
    f1.Ed0_moto.set_text("2000000");
    f1.Ed0_wari.set_text("50");
    w.Edit1.set_text("3");
    w.Button1.click();
    // (1 − 1/(1+c)) × (1+a) / (1 − (1+c)^−20) × 1,000,000 with c = 1.1625 %, a = 0.58125 %:
    // 56,002.67 yen.
    EXPECT_EQ(f1.Edit9.text(), "56002");
    EXPECT_EQ(f1.Edit17.text(), "5812") << "the 3-month rate on the first bonus";
    f1.Button1.click();
    f1.Button1.click();
    f1.Button15.click();
    const Grid& bonus = app.cur.StGr2;
    ASSERT_EQ(bonus.row_count(), 5);
    EXPECT_EQ(bonus.cell(2, 0), "3");
    EXPECT_EQ(bonus.cell(2, 7), "1");
    EXPECT_EQ(bonus.cell(3, 0), "9");
    EXPECT_EQ(bonus.cell(3, 7), "2");
    EXPECT_EQ(bonus.cell(4, 0), "9");
    EXPECT_EQ(bonus.cell(4, 1), "経");
}

TEST_F(SecondRepayment, CodeCanApplyATimingByItsMonthCount) {
    w.apply_timing("12", 5);
    EXPECT_EQ(f1.bonus_interval(), 12);
    EXPECT_EQ(f1.bonus_first_months(), 5);
    EXPECT_TRUE(w.RadioButton1.checked());
    w.apply_timing("年金元", std::nullopt);
    EXPECT_EQ(f1.bonus_interval(), 6);
    EXPECT_EQ(f1.bonus_first_months(), 6) << "choosing the interval sets the first month";
    EXPECT_TRUE(w.RadioButton2.checked());
}

TEST_F(AppTest, TheMainButtonOpensTheWindowOnTheCalculationPage) {
    f1.PageControl1.set_active_page(f1.TabSheet5);
    f1.Button140.click();
    EXPECT_TRUE(app.second_repayment.visible());
    EXPECT_EQ(f1.PageControl1.active_page(), &f1.TabSheet1);
}

TEST_F(AppTest, DeferralStepsStayBetweenOneAndNinetyNine) {
    f1.Edit35.set_text("98");
    f1.Label187.click();
    f1.Label187.click();
    EXPECT_EQ(f1.Edit35.text(), "99");
    f1.Edit35.set_text("1");
    f1.Label187.right_click();
    EXPECT_EQ(f1.Edit35.text(), "1");
}

TEST_F(SecondRepayment, TheCurrentBonusTableButtonAndTheFirstPeriodLabelFollow) {
    w.RadioButton3.click();
    EXPECT_EQ(f1.Label195.caption(), "初回4ヶ月分");
    EXPECT_EQ(f1.Label187.caption(), "第1回=4ヶ月分");
    w.Button1.click();
    EXPECT_EQ(f1.ButtonB.caption(), "ｶﾚﾝﾄ第２返済表");
    w.RadioButton2.click();
    w.Button1.click();
    EXPECT_EQ(f1.ButtonB.caption(), "ｶﾚﾝﾄﾎﾞｰﾅｽ返済表");
    EXPECT_EQ(f1.Label195.caption(), "初回6ヶ月分");
}

}  // namespace
}  // namespace rebanto
